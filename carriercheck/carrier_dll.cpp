#include "carriercheck/carrier_dll.h"

#include <vector>

#include "carriercheck/dll_problems.h"
#include "peimage/image_file.h"
#include "peimage/pe_file.h"

namespace {

std::string WindowsError(DWORD error) {
    char text[512] = {};
    const DWORD n = FormatMessageA(FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
                                   nullptr, error, 0, text, sizeof text, nullptr);
    std::string message(text, n);
    while (!message.empty() && (message.back() == '\n' || message.back() == '\r' ||
                                message.back() == ' ' || message.back() == '.')) {
        message.pop_back();
    }
    return (message.empty() ? std::string("Windows error") : message + ", Windows error") + " " +
           std::to_string(error);
}

// The whole file, or false with the reason.
bool ReadWhole(const std::string& path, std::vector<unsigned char>* bytes, std::string* problem) {
    const DWORD attributes = GetFileAttributesA(path.c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES) {
        *problem = "no such file";
        return false;
    }
    if ((attributes & FILE_ATTRIBUTE_DIRECTORY) != 0) {
        *problem = "is a folder, not a DLL";
        return false;
    }
    const DWORD error = ReadImageFile(path, bytes);
    if (error == ERROR_FILE_TOO_LARGE) {
        *problem = "is too large for a DLL";
    } else if (error != 0) {
        *problem = "cannot be read (" + WindowsError(error) + ")";
    }
    return error == 0;
}

bool FileExists(const std::string& path) {
    const DWORD attributes = GetFileAttributesA(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) == 0;
}

// Whether the loader can find `dll` for a DLL in `folder`: beside it, among
// what is loaded, on the search path, or as one of the system's API sets.
bool DependencyFound(const std::string& dll, const std::string& folder) {
    if (GetModuleHandleA(dll.c_str()) != nullptr || FileExists(folder + dll)) return true;
    if (_strnicmp(dll.c_str(), "api-ms-", 7) == 0 || _strnicmp(dll.c_str(), "ext-ms-", 7) == 0) {
        return true;
    }
    HMODULE data = LoadLibraryExA(dll.c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE);
    if (data == nullptr) return false;
    FreeLibrary(data);
    return true;
}

std::string LoadProblem(DWORD error, const PeFile& pe, const std::string& fullPath) {
    if (error == ERROR_DLL_INIT_FAILED) {
        return "cannot be loaded: its DllMain returned FALSE";
    }
    if (error == ERROR_MOD_NOT_FOUND) {
        const std::string folder = fullPath.substr(0, fullPath.find_last_of("\\/") + 1);
        std::vector<std::string> missing;
        for (const PeImport& import : pe.imports) {
            if (!DependencyFound(import.dll, folder)) missing.push_back(import.dll);
        }
        if (!missing.empty()) return MissingDependencyProblem(missing);
        return "cannot be loaded: the DLLs it imports from are present, but one of them "
               "needs a DLL that is missing";
    }
    return "cannot be loaded (" + WindowsError(error) + ")";
}

}  // namespace

CarrierDll::~CarrierDll() {
    if (module_ != nullptr) FreeLibrary(module_);
}

bool CarrierDll::Open(const std::string& path, std::string* problem) {
    std::vector<unsigned char> bytes;
    if (!ReadWhole(path, &bytes, problem)) return false;
    const PeFile pe = ReadPeFile(bytes.data(), bytes.size());
    *problem = ImageProblem(pe, OwnMachine());
    if (problem->empty()) *problem = ExportProblem(pe);
    if (!problem->empty()) return false;

    // A full path, so that the DLLs it needs are looked for beside it first.
    char full[MAX_PATH] = {};
    const DWORD n = GetFullPathNameA(path.c_str(), MAX_PATH, full, nullptr);
    const std::string fullPath = n > 0 && n < MAX_PATH ? std::string(full, n) : path;
    // No error boxes: a reason is printed instead.
    const UINT oldMode = SetErrorMode(SEM_FAILCRITICALERRORS | SEM_NOOPENFILEERRORBOX);
    module_ = LoadLibraryExA(fullPath.c_str(), nullptr, LOAD_WITH_ALTERED_SEARCH_PATH);
    const DWORD error = GetLastError();
    if (module_ == nullptr) *problem = LoadProblem(error, pe, fullPath);
    SetErrorMode(oldMode);
    if (module_ == nullptr) return false;
    if (!FindCarrierExports(module_, &exports_)) {
        *problem = "does not export CarrierCreate, CarrierReceive and CarrierDestroy once loaded";
        return false;
    }
    return true;
}
