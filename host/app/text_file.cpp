#include "host/app/text_file.h"

#include <windows.h>

namespace {

std::string DescribeOpenError(DWORD code) {
    switch (code) {
    case ERROR_FILE_NOT_FOUND:
        return "no such file";
    case ERROR_PATH_NOT_FOUND:
        return "its folder does not exist";
    case ERROR_ACCESS_DENIED:
        return "access denied";
    case ERROR_SHARING_VIOLATION:
        return "another program has it open";
    case ERROR_INVALID_NAME:
        return "not a valid file name";
    default:
        return "Windows error " + std::to_string(code);
    }
}

}  // namespace

bool ReadTextFile(const std::string& path, std::string* text, std::string* reason) {
    const DWORD attributes = GetFileAttributesA(path.c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES) {
        *reason = DescribeOpenError(GetLastError());
        return false;
    }
    if (attributes & FILE_ATTRIBUTE_DIRECTORY) {
        *reason = "it is a folder, not a file";
        return false;
    }
    HANDLE file = CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) {
        *reason = DescribeOpenError(GetLastError());
        return false;
    }
    text->clear();
    char buffer[4096];
    DWORD n = 0;
    bool ok = true;
    while ((ok = ReadFile(file, buffer, sizeof buffer, &n, nullptr) != FALSE) && n > 0) {
        text->append(buffer, n);
    }
    if (!ok) *reason = "read failed (Windows error " + std::to_string(GetLastError()) + ")";
    CloseHandle(file);
    return ok;
}
