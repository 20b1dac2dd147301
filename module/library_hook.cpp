// The library's attach and detach hook. Whatever the host calls at unload, the
// module is shut down here, through its own exit entry.
#include <windows.h>

#include "kapi.h"

namespace {

typedef void (*ExitEntry)(HINSTANCE);
ExitEntry g_exitEntry = nullptr;

ExitEntry FindExitEntry(HINSTANCE instance) {
    FARPROC entry = GetProcAddress(instance, "ExitModule");
    if (entry == nullptr) entry = GetProcAddress(instance, "kpcDLLExit");
    return reinterpret_cast<ExitEntry>(reinterpret_cast<void*>(entry));
}

}  // namespace

extern "C" BOOL WINAPI DllMain(HINSTANCE instance, DWORD reason, LPVOID /*reserved*/) {
    switch (reason) {
    case DLL_PROCESS_ATTACH:
        InitLib(instance);
        g_exitEntry = FindExitEntry(instance);
        break;
    case DLL_PROCESS_DETACH:
        if (g_exitEntry != nullptr) g_exitEntry(instance);
        break;
    default:
        break;
    }
    return TRUE;
}
