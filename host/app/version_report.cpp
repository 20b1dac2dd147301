#include "host/app/version_report.h"

#include <windows.h>

#include <cstdio>
#include <cstring>
#include <vector>

namespace {

// One string of the resource's first translation; empty when absent.
std::string VersionString(const std::vector<char>& info, const char* name) {
    WORD* translation = nullptr;
    UINT size = 0;
    if (!VerQueryValueA(info.data(), "\\VarFileInfo\\Translation",
                        reinterpret_cast<void**>(&translation), &size) ||
        size < 2 * sizeof(WORD)) {
        return std::string();
    }
    char key[64];
    std::snprintf(key, sizeof key, "\\StringFileInfo\\%04x%04x\\%s", translation[0], translation[1],
             name);
    char* value = nullptr;
    if (!VerQueryValueA(info.data(), key, reinterpret_cast<void**>(&value), &size) || size == 0) {
        return std::string();
    }
    return std::string(value, strnlen(value, size));
}

std::string DescribePlugin(const std::string& path) {
    if (GetFileAttributesA(path.c_str()) == INVALID_FILE_ATTRIBUTES) return "no such file";
    DWORD handle = 0;
    const DWORD size = GetFileVersionInfoSizeA(path.c_str(), &handle);
    std::vector<char> info(size);
    if (size == 0 || !GetFileVersionInfoA(path.c_str(), 0, size, info.data())) {
        return "no version resource";
    }
    const std::string product = VersionString(info, "ProductName");
    const std::string version = VersionString(info, "FileVersion");
    if (version.empty()) return "no file version";
    return product.empty() ? version : product + " " + version;
}

}  // namespace

const char* HostVersion() { return "kestrix " KESTRIX_VERSION; }

std::string VersionReport(const std::string& pluginPath) {
    return std::string(HostVersion()) + "\nplug-in " + pluginPath + ": " +
           DescribePlugin(pluginPath) + "\n";
}
