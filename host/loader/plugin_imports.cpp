#include "host/plugin_imports.h"

#include <windows.h>

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

std::string ExecutableFileName() {
    char path[MAX_PATH];
    const DWORD n = GetModuleFileNameA(nullptr, path, MAX_PATH);
    const std::string full(path, n < MAX_PATH ? n : 0);
    return full.substr(full.find_last_of("\\/") + 1);  // npos + 1 is 0
}
