#include "host/loader/load_failure.h"

namespace {

const char* BitsOf(WORD machine) {
    switch (machine) {
    case IMAGE_FILE_MACHINE_I386:
        return "32-bit";
    case IMAGE_FILE_MACHINE_AMD64:
        return "64-bit";
    default:
        return nullptr;
    }
}

std::string WithCode(const std::string& text, DWORD code) {
    return text + " (Windows error " + std::to_string(code) + ")";
}

std::string DescribeBadFormat(const PeFile& image, DWORD code) {
    const WORD machine = image.machine;
    const WORD own = OwnMachine();
    const char* bits = BitsOf(machine);
    if (machine == 0) return WithCode("it is not a Windows DLL", code);
    if (machine == own) return WithCode("it is damaged or not a DLL", code);
    if (bits == nullptr) return WithCode("it is built for another kind of processor", code);
    return WithCode(std::string("it is a ") + bits + " DLL, which a " + BitsOf(own) +
                        " kestrix.exe cannot load: use the " + bits + " kestrix.exe",
                    code);
}

}  // namespace

std::string DescribeLoadFailure(const std::string& path, const PeFile& image, DWORD code) {
    const DWORD attributes = GetFileAttributesA(path.c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES) return "no such file";
    if (attributes & FILE_ATTRIBUTE_DIRECTORY) return "it is a folder, not a DLL";
    if (code == ERROR_BAD_EXE_FORMAT) return DescribeBadFormat(image, code);
    switch (code) {
    case ERROR_MOD_NOT_FOUND:
        return WithCode("a DLL it needs is missing", code);
    case ERROR_PROC_NOT_FOUND:
        return WithCode("a function it imports is missing", code);
    case ERROR_DLL_INIT_FAILED:
        return WithCode("its start-up code failed", code);
    default:
        return WithCode("it cannot be loaded", code);
    }
}
