#include "controls/accessibility_api.h"

#include <cstdio>

namespace {

AccessibilityApi g_api = {};
bool g_tried = false;
bool g_loaded = false;

// From the system folder only: a DLL of the same name beside the simulator
// must not be taken for it. Pinned, since objects it made may outlive us.
HMODULE LoadSystemLibrary(const char* name) {
    char path[MAX_PATH];
    const UINT length = GetSystemDirectoryA(path, MAX_PATH);
    if (length == 0 || length >= MAX_PATH) return nullptr;
    const int written = std::snprintf(path + length, MAX_PATH - length, "\\%s", name);
    if (written < 0 || static_cast<UINT>(written) >= MAX_PATH - length) return nullptr;
    HMODULE module = LoadLibraryA(path);
    if (module == nullptr) return nullptr;
    HMODULE pinned = nullptr;
    GetModuleHandleExA(GET_MODULE_HANDLE_EX_FLAG_PIN | GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS,
                       reinterpret_cast<LPCSTR>(module), &pinned);
    return module;
}

template <typename Function>
bool Find(HMODULE module, const char* name, Function* function) {
    FARPROC address = module != nullptr ? GetProcAddress(module, name) : nullptr;
    *function = reinterpret_cast<Function>(reinterpret_cast<void*>(address));
    return address != nullptr;
}

bool Load() {
    HMODULE oleacc = LoadSystemLibrary("oleacc.dll");
    HMODULE oleaut32 = LoadSystemLibrary("oleaut32.dll");
    HMODULE ole32 = LoadSystemLibrary("ole32.dll");
    bool found = Find(oleacc, "CreateStdAccessibleObject", &g_api.createStdAccessibleObject);
    found = Find(oleacc, "LresultFromObject", &g_api.lresultFromObject) && found;
    found = Find(oleaut32, "SysAllocStringLen", &g_api.sysAllocStringLen) && found;
    found = Find(ole32, "CoDisconnectObject", &g_api.coDisconnectObject) && found;
    return found;
}

}  // namespace

const IID kIidUnknown = {0x00000000, 0x0000, 0x0000, {0xC0, 0, 0, 0, 0, 0, 0, 0x46}};
const IID kIidDispatch = {0x00020400, 0x0000, 0x0000, {0xC0, 0, 0, 0, 0, 0, 0, 0x46}};
const IID kIidAccessible = {0x618736E0, 0x3C3D, 0x11CF,
                             {0x81, 0x0C, 0x00, 0xAA, 0x00, 0x38, 0x9B, 0x71}};
const IID kIidOleWindow = {0x00000114, 0x0000, 0x0000, {0xC0, 0, 0, 0, 0, 0, 0, 0x46}};

bool SameIid(REFIID a, const IID& b) {
    if (a.Data1 != b.Data1 || a.Data2 != b.Data2 || a.Data3 != b.Data3) return false;
    for (int i = 0; i < 8; ++i) {
        if (a.Data4[i] != b.Data4[i]) return false;
    }
    return true;
}

const AccessibilityApi* LoadAccessibilityApi() {
    if (!g_tried) {
        // Tried once: a system without these libraries will not grow them.
        g_tried = true;
        g_loaded = Load();
    }
    return g_loaded ? &g_api : nullptr;
}
