#include "host/loader/plugin_imports.h"

#include <windows.h>

#include "host/loader/executable_path.h"
#include "peimage/image_file.h"

namespace {

bool IsProgram(const std::string& name) {
    return name.size() > 4 && _stricmp(name.c_str() + name.size() - 4, ".exe") == 0;
}

}  // namespace

PeFile ReadPluginImage(const std::string& path) {
    std::vector<unsigned char> bytes;
    ReadImageFile(path, &bytes);  // empty when it cannot be read: no image
    return ReadPeFile(bytes.data(), bytes.size());
}

HostImports FindHostImports(const PeFile& image) {
    HostImports result;
    if (!image.valid || image.machine != OwnMachine()) return result;
    const std::string own = ExecutableFileName();
    HMODULE self = GetModuleHandleA(nullptr);
    for (const PeImport& import : image.imports) {
        if (!IsProgram(import.dll)) continue;
        result.programs.push_back(import.dll);
        if (_stricmp(import.dll.c_str(), own.c_str()) != 0) continue;
        for (const std::string& name : import.names) {
            if (GetProcAddress(self, name.c_str()) == nullptr) result.missing.push_back(name);
        }
    }
    return result;
}

std::string DescribeHostMismatch(const PeFile& image) {
    const HostImports imports = FindHostImports(image);
    const std::string own = ExecutableFileName();
    for (const std::string& program : imports.programs) {
        if (_stricmp(program.c_str(), own.c_str()) != 0) {
            return "it was built for another host: it imports from " + program + ", not from " +
                   own;
        }
    }
    if (imports.missing.empty()) return std::string();
    const std::string& first = imports.missing.front();
    std::string text = "it imports " + std::to_string(imports.missing.size()) +
                       " names this " + own + " does not export, such as " + first;
    const char* names = first[0] == '?' ? "Microsoft C++"
                      : first.compare(0, 2, "_Z") == 0 ? "GNU C++" : nullptr;
    if (names != nullptr) {
        text += std::string(": it was built for the ") + own + " of the other compiler (" + names +
                " names); take the " + own + " of its own build";
    }
    return text;
}
