#include "host/win32/common_controls.h"

#include <commctrl.h>

#ifndef KESTRIX_HOST_MANIFEST_ID
#error "the build gives KESTRIX_HOST_MANIFEST_ID, the host manifest's resource id"
#endif

namespace {

// Asked for by name: each is younger than some Windows a host may run on.
typedef BOOL(WINAPI* SetProcessAwarenessFn)(HANDLE);
typedef HANDLE(WINAPI* SetThreadAwarenessFn)(HANDLE);
typedef HANDLE(WINAPI* WindowAwarenessFn)(HWND);
typedef int(WINAPI* AwarenessOfContextFn)(HANDLE);
typedef BOOL(WINAPI* QuerySettingsFn)(DWORD, HANDLE, const WCHAR*, const WCHAR*, WCHAR*, SIZE_T,
                                      SIZE_T*);
typedef BOOL(WINAPI* InitControlsFn)(const INITCOMMONCONTROLSEX*);

// The system's awareness contexts "unaware" and "system aware".
const INT_PTR kUnawareContext = -1;
const INT_PTR kSystemAwareContext = -2;

HMODULE g_controls = nullptr;

template <typename Function>
Function SystemFunction(const char* dll, const char* name) {
    const HMODULE module = GetModuleHandleA(dll);
    const FARPROC f = module != nullptr ? GetProcAddress(module, name) : nullptr;
    return reinterpret_cast<Function>(reinterpret_cast<void*>(f));
}

std::string WindowsError(DWORD code) { return "Windows error " + std::to_string(code); }

// The process's awareness, as a manifest would set it, and the thread's:
// where the process already has one (Wine gives every process one), the
// thread's still decides for the windows it makes, and the host makes all
// of its windows on this one thread.
void SetDpiAwareness(bool aware) {
    const HANDLE context =
        reinterpret_cast<HANDLE>(aware ? kSystemAwareContext : kUnawareContext);
    const auto setProcess =
        SystemFunction<SetProcessAwarenessFn>("user32.dll", "SetProcessDpiAwarenessContext");
    if (setProcess != nullptr) {
        setProcess(context);
    } else if (aware) {
        SetProcessDPIAware();
    }
    const auto setThread =
        SystemFunction<SetThreadAwarenessFn>("user32.dll", "SetThreadDpiAwarenessContext");
    if (setThread != nullptr) setThread(context);
}

// The manifest's own word on DPI awareness ("true", "true/pm"), so that the
// file stays the one place that says it.
bool DeclaresDpiAware(HANDLE context) {
    const auto query = SystemFunction<QuerySettingsFn>("kernel32.dll", "QueryActCtxSettingsW");
    // Spelt out: WCHAR is not wchar_t in every ABI's headers.
    const WCHAR name[] = {'d', 'p', 'i', 'A', 'w', 'a', 'r', 'e', 0};
    WCHAR value[32] = {};
    SIZE_T written = 0;
    if (query == nullptr || !query(0, context, nullptr, name, value, 32, &written)) return false;
    const char expected[] = "true";
    for (size_t i = 0; i < 4; ++i) {
        const WCHAR c = value[i];
        if (c != static_cast<WCHAR>(expected[i]) && c != static_cast<WCHAR>(expected[i] - 32)) {
            return false;
        }
    }
    return true;
}

// Never deactivated nor released: the controls, and every class a window
// of this thread is made of, are looked up through it for the process's life.
bool ActivateHostManifest(bool* dpiAware, std::string* error) {
    ACTCTXA request = {};
    request.cbSize = sizeof request;
    request.dwFlags = ACTCTX_FLAG_RESOURCE_NAME_VALID | ACTCTX_FLAG_HMODULE_VALID;
    request.hModule = GetModuleHandleA(nullptr);
    request.lpResourceName = MAKEINTRESOURCEA(KESTRIX_HOST_MANIFEST_ID);
    const HANDLE context = CreateActCtxA(&request);
    if (context == INVALID_HANDLE_VALUE) {
        *error = "cannot read the host's manifest (resource " +
                 std::to_string(KESTRIX_HOST_MANIFEST_ID) + "): " + WindowsError(GetLastError());
        return false;
    }
    ULONG_PTR cookie = 0;
    if (!ActivateActCtx(context, &cookie)) {
        *error = "cannot activate the host's manifest: " + WindowsError(GetLastError());
        ReleaseActCtx(context);
        return false;
    }
    *dpiAware = DeclaresDpiAware(context);
    return true;
}

}  // namespace

bool SetUpCommonControls(ControlsSetting setting, std::string* error) {
    bool dpiAware = false;
    if (setting == ControlsSetting::Current && !ActivateHostManifest(&dpiAware, error)) {
        return false;
    }
    SetDpiAwareness(dpiAware);
    // Loaded here, under the manifest or without it, never by the import
    // table: the loader would take the classic one before any of this ran.
    g_controls = LoadLibraryA("comctl32.dll");
    if (g_controls == nullptr) {
        *error = "cannot load comctl32.dll: " + WindowsError(GetLastError());
        return false;
    }
    const auto init = reinterpret_cast<InitControlsFn>(
        reinterpret_cast<void*>(GetProcAddress(g_controls, "InitCommonControlsEx")));
    // The dialog's up-down arrows need their class in the process.
    const INITCOMMONCONTROLSEX classes = {sizeof(INITCOMMONCONTROLSEX), ICC_UPDOWN_CLASS};
    if (init == nullptr || !init(&classes)) {
        *error = "comctl32.dll does not register the up-down class";
        return false;
    }
    return true;
}

HMODULE CommonControlsModule() { return g_controls; }

std::string DescribeDpiAwareness(HWND window) {
    const auto ofWindow =
        SystemFunction<WindowAwarenessFn>("user32.dll", "GetWindowDpiAwarenessContext");
    const auto awareness =
        SystemFunction<AwarenessOfContextFn>("user32.dll", "GetAwarenessFromDpiAwarenessContext");
    if (ofWindow == nullptr || awareness == nullptr) return "DPI awareness unknown";
    switch (awareness(ofWindow(window))) {
    case 0: return "DPI-unaware";
    case 1: return "system DPI-aware";
    case 2: return "per-monitor DPI-aware";
    default: return "DPI awareness unknown";
    }
}
