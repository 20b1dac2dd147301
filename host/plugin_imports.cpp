#include "host/plugin_imports.h"

#include <windows.h>

#include <cstring>

namespace {

// A mapped image, read only within its size.
class ImageView {
public:
    explicit ImageView(HMODULE module) : base_(reinterpret_cast<const unsigned char*>(module)) {
        const IMAGE_DOS_HEADER* dos = reinterpret_cast<const IMAGE_DOS_HEADER*>(base_);
        nt_ = reinterpret_cast<const IMAGE_NT_HEADERS*>(base_ + dos->e_lfanew);
        size_ = nt_->OptionalHeader.SizeOfImage;
    }
    // False for an image of the other architecture, whose headers have
    // another layout (a mapping for reading takes either).
    bool OfThisArchitecture() const {
        return nt_->OptionalHeader.Magic == IMAGE_NT_OPTIONAL_HDR_MAGIC;
    }
    // The import directory's address; 0 when the image has none.
    DWORD ImportsRva() const {
        const IMAGE_OPTIONAL_HEADER& h = nt_->OptionalHeader;
        return h.NumberOfRvaAndSizes > IMAGE_DIRECTORY_ENTRY_IMPORT
                   ? h.DataDirectory[IMAGE_DIRECTORY_ENTRY_IMPORT].VirtualAddress
                   : 0;
    }
    // The object of `bytes` bytes at `rva`, or null when it lies outside.
    const void* At(DWORD rva, DWORD bytes) const {
        return rva != 0 && rva <= size_ && bytes <= size_ - rva ? base_ + rva : nullptr;
    }
    // The zero-terminated text at `rva`; empty when outside or unterminated.
    std::string Text(DWORD rva) const {
        const char* text = static_cast<const char*>(At(rva, 1));
        if (text == nullptr) return std::string();
        const size_t length = strnlen(text, size_ - rva);
        return length < size_ - rva ? std::string(text, length) : std::string();
    }

private:
    const unsigned char* base_;
    const IMAGE_NT_HEADERS* nt_;
    DWORD size_ = 0;
};

bool IsProgram(const std::string& name) {
    return name.size() > 4 && _stricmp(name.c_str() + name.size() - 4, ".exe") == 0;
}

// The names imported through one descriptor's lookup table.
void CheckNames(const ImageView& image, DWORD lookupRva, HostImports* result) {
    HMODULE self = GetModuleHandleA(nullptr);
    for (DWORD rva = lookupRva;; rva += sizeof(IMAGE_THUNK_DATA)) {
        const IMAGE_THUNK_DATA* thunk =
            static_cast<const IMAGE_THUNK_DATA*>(image.At(rva, sizeof(IMAGE_THUNK_DATA)));
        if (thunk == nullptr || thunk->u1.AddressOfData == 0) return;
        if (IMAGE_SNAP_BY_ORDINAL(thunk->u1.Ordinal)) continue;
        // IMAGE_IMPORT_BY_NAME: a 2-byte hint, then the name.
        const std::string name = image.Text(static_cast<DWORD>(thunk->u1.AddressOfData) + 2);
        if (!name.empty() && GetProcAddress(self, name.c_str()) == nullptr) {
            result->missing.push_back(name);
        }
    }
}

}  // namespace

std::string ExecutableFileName() {
    char path[MAX_PATH];
    const DWORD n = GetModuleFileNameA(nullptr, path, MAX_PATH);
    const std::string full(path, n < MAX_PATH ? n : 0);
    return full.substr(full.find_last_of("\\/") + 1);  // npos + 1 is 0
}

HostImports ReadHostImports(const std::string& path) {
    HostImports result;
    // Mapped as an image for reading: nothing resolved, no code run. The
    // handle's low bits mark such a mapping; the image starts without them.
    HMODULE module = LoadLibraryExA(path.c_str(), nullptr, LOAD_LIBRARY_AS_IMAGE_RESOURCE);
    if (module == nullptr) return result;
    const ImageView image(
        reinterpret_cast<HMODULE>(reinterpret_cast<ULONG_PTR>(module) & ~ULONG_PTR(3)));
    result.read = image.OfThisArchitecture();
    if (!result.read) {
        FreeLibrary(module);
        return result;
    }
    const std::string self = ExecutableFileName();
    for (DWORD rva = image.ImportsRva();; rva += sizeof(IMAGE_IMPORT_DESCRIPTOR)) {
        const IMAGE_IMPORT_DESCRIPTOR* d = static_cast<const IMAGE_IMPORT_DESCRIPTOR*>(
            image.At(rva, sizeof(IMAGE_IMPORT_DESCRIPTOR)));
        if (d == nullptr || d->Name == 0) break;
        const std::string dll = image.Text(d->Name);
        if (!IsProgram(dll)) continue;
        result.programs.push_back(dll);
        if (_stricmp(dll.c_str(), self.c_str()) == 0) {
            CheckNames(image, d->OriginalFirstThunk ? d->OriginalFirstThunk : d->FirstThunk,
                       &result);
        }
    }
    FreeLibrary(module);
    return result;
}
