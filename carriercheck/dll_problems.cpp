#include "carriercheck/dll_problems.h"

#include <algorithm>
#include <cctype>
#include <iterator>
#include <string>

#include "carrierkit/exported_carrier.h"

namespace {

std::string Lower(std::string text) {
    for (char& c : text) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return text;
}

// "a", "a and b", "a, b and c".
std::string Listed(const std::vector<std::string>& items) {
    std::string text;
    for (size_t i = 0; i < items.size(); ++i) {
        if (i > 0) text += i + 1 == items.size() ? " and " : ", ";
        text += items[i];
    }
    return text;
}

bool IsCompilerRuntime(const std::string& dll) {
    const std::string name = Lower(dll);
    const char* const runtimes[] = {"libstdc++", "libgcc_s", "libwinpthread", "libc++",
                                    "vcruntime", "msvcp",    "concrt",        "ucrtbased"};
    return std::any_of(std::begin(runtimes), std::end(runtimes), [&](const char* r) {
        return name.compare(0, std::char_traits<char>::length(r), r) == 0;
    });
}

// An export that carries one of the names but is not it: what the compiler
// made of a declaration without extern "C", or with __stdcall.
std::string NearMiss(const PeFile& pe) {
    for (const char* wanted : kCarrierExportNames) {
        for (const std::string& name : pe.exports) {
            if (name == wanted || name.find(wanted) == std::string::npos) continue;
            if (name[0] == '?' || name.compare(0, 2, "_Z") == 0) {
                return "; it exports " + name + ", a C++ name: declare the three extern \"C\"";
            }
            if (name.find('@') != std::string::npos) {
                return "; it exports " + name +
                       ", a __stdcall name: declare the three __cdecl (the default)";
            }
        }
    }
    return "";
}

}  // namespace

std::string ImageProblem(const PeFile& pe, uint16_t ownMachine) {
    if (!pe.valid) return "is not a Windows DLL (it has no PE header)";
    if (!pe.dll) return "is a program, not a DLL";
    if (pe.machine != ownMachine) {
        const bool x86Family = pe.machine == 0x014C || pe.machine == 0x8664;
        return "is a " + MachineName(pe.machine) + " DLL and this carrier_check.exe is " +
               MachineName(ownMachine) + ": " +
               (x86Family
                    ? "check it with the " + std::string(pe.machine == 0x8664 ? "x64" : "x86") +
                          " carrier_check.exe"
                    : std::string("a carrier for the simulator is built for x86 or x64"));
    }
    return "";
}

std::string ExportProblem(const PeFile& pe) {
    std::vector<std::string> missing;
    for (const char* wanted : kCarrierExportNames) {
        if (std::find(pe.exports.begin(), pe.exports.end(), wanted) == pe.exports.end()) {
            missing.push_back(wanted);
        }
    }
    if (missing.empty()) return "";
    const std::string what = "plain C functions (extern \"C\", __cdecl)";
    if (missing.size() == std::size(kCarrierExportNames)) {
        return "does not export " + Listed(missing) + ", the three " + what + " of a carrier DLL" +
               NearMiss(pe);
    }
    return "does not export " + Listed(missing) +
           ": a carrier DLL exports CarrierCreate, CarrierReceive and CarrierDestroy, all three " +
           what + NearMiss(pe);
}

std::string MissingDependencyProblem(const std::vector<std::string>& missing) {
    if (missing.empty()) return "";
    const bool one = missing.size() == 1;
    std::string text =
        "cannot be loaded: it needs " + Listed(missing) + ", which " +
        (one ? "is neither beside it nor a system DLL" : "are neither beside it nor system DLLs");
    if (std::any_of(missing.begin(), missing.end(), IsCompilerRuntime)) {
        text +=
            "; link the compiler's runtime into the DLL (mingw-w64: -static; "
            "Microsoft's compiler: /MT), for the simulator will not have it either";
    } else {
        text += "; put " + std::string(one ? "it" : "them") + " beside the DLL";
    }
    return text;
}
