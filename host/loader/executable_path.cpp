#include "host/loader/executable_path.h"

#include <windows.h>

namespace {

// The whole path; empty when it does not fit a path buffer.
std::string ExecutablePath() {
    char path[MAX_PATH];
    const DWORD n = GetModuleFileNameA(nullptr, path, MAX_PATH);
    return std::string(path, n < MAX_PATH ? n : 0);
}

}  // namespace

std::string ExecutableFolder() {
    const std::string path = ExecutablePath();
    const size_t slash = path.find_last_of("\\/");
    return slash == std::string::npos ? std::string() : path.substr(0, slash + 1);
}

std::string ExecutableFileName() {
    const std::string path = ExecutablePath();
    return path.substr(path.find_last_of("\\/") + 1);  // npos + 1 is 0
}
