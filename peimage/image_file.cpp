#include "peimage/image_file.h"

DWORD ReadImageFile(const std::string& path, std::vector<unsigned char>* bytes) {
    bytes->clear();
    HANDLE file = CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) return GetLastError();
    DWORD error = 0;
    LARGE_INTEGER size = {};
    if (!GetFileSizeEx(file, &size)) {
        error = GetLastError();
    } else if (size.QuadPart > kLargestImageFile) {
        error = ERROR_FILE_TOO_LARGE;
    } else {
        const DWORD wanted = static_cast<DWORD>(size.QuadPart);
        bytes->resize(wanted);
        DWORD got = 0;
        if (wanted != 0 && !ReadFile(file, bytes->data(), wanted, &got, nullptr)) {
            error = GetLastError();
        } else if (got != wanted) {
            error = ERROR_HANDLE_EOF;  // the file shrank while it was read
        }
    }
    CloseHandle(file);
    if (error != 0) bytes->clear();
    return error;
}
