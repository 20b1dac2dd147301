#include "carrierkit/import_hook.h"

#include <cstring>

namespace {

template <typename T>
T* At(HMODULE module, DWORD rva) {
    return reinterpret_cast<T*>(reinterpret_cast<BYTE*>(module) + rva);
}

void* Patch(void** slot, void* replacement) {
    DWORD old = 0;
    VirtualProtect(slot, sizeof *slot, PAGE_READWRITE, &old);
    void* previous = *slot;
    *slot = replacement;
    VirtualProtect(slot, sizeof *slot, old, &old);
    return previous;
}

}  // namespace

void* HookImport(HMODULE module, const char* dll, const char* function, void* replacement) {
    const IMAGE_DOS_HEADER* dos = reinterpret_cast<const IMAGE_DOS_HEADER*>(module);
    const IMAGE_NT_HEADERS* nt = At<IMAGE_NT_HEADERS>(module, static_cast<DWORD>(dos->e_lfanew));
    const IMAGE_DATA_DIRECTORY& dir = nt->OptionalHeader.DataDirectory[IMAGE_DIRECTORY_ENTRY_IMPORT];
    if (dir.VirtualAddress == 0) return nullptr;
    for (auto* desc = At<IMAGE_IMPORT_DESCRIPTOR>(module, dir.VirtualAddress); desc->Name != 0;
         ++desc) {
        if (_stricmp(At<char>(module, desc->Name), dll) != 0) continue;
        auto* names = At<IMAGE_THUNK_DATA>(module, desc->OriginalFirstThunk != 0
                                                       ? desc->OriginalFirstThunk
                                                       : desc->FirstThunk);
        auto* slots = At<IMAGE_THUNK_DATA>(module, desc->FirstThunk);
        for (; names->u1.AddressOfData != 0; ++names, ++slots) {
            if (IMAGE_SNAP_BY_ORDINAL(names->u1.Ordinal)) continue;
            const auto* byName =
                At<IMAGE_IMPORT_BY_NAME>(module, static_cast<DWORD>(names->u1.AddressOfData));
            if (std::strcmp(reinterpret_cast<const char*>(byName->Name), function) == 0) {
                return Patch(reinterpret_cast<void**>(&slots->u1.Function), replacement);
            }
        }
    }
    return nullptr;
}

void* ImportRedirects::Redirect(HMODULE module, const char* dll, const char* function,
                                void* replacement) {
    // Room first: a redirected free must not run while the list grows.
    made_.reserve(made_.size() + 1);
    void* previous = HookImport(module, dll, function, replacement);
    if (previous != nullptr) made_.push_back(Made{module, dll, function, previous});
    return previous;
}

void ImportRedirects::Undo() {
    for (auto it = made_.rbegin(); it != made_.rend(); ++it) {
        HookImport(it->module, it->dll, it->function, it->previous);
    }
    made_.clear();
}
