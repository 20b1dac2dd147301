/* A DLL's entry point. Its static objects are the DLL's own: they are built
 * before DllMain sees the attach and destroyed after it sees the detach, so
 * that they outlive nothing of the image and die with it at FreeLibrary. */
#include <corecrt_startup.h>
#include <stdarg.h>
#include <windef.h>
#include <winbase.h>

#include "msvc-runtime/start.h"

static _onexit_table_t image_exit_table;

/* Destructors of this image's static objects, run at the detach. */
int __cdecl atexit(_PVFV function) {
    return _register_onexit_function(&image_exit_table, (_onexit_t)function);
}

BOOL WINAPI DllMain(HINSTANCE instance, DWORD reason, LPVOID reserved);

/* A DLL without a DllMain of its own gets this one. */
BOOL WINAPI kestrix_default_dll_main(HINSTANCE instance, DWORD reason, LPVOID reserved) {
    (void)instance;
    (void)reason;
    (void)reserved;
    return TRUE;
}
#if defined(_M_IX86)
#pragma comment(linker, "/alternatename:_DllMain@12=_kestrix_default_dll_main@12")
#else
#pragma comment(linker, "/alternatename:DllMain=kestrix_default_dll_main")
#endif

BOOL WINAPI _DllMainCRTStartup(HINSTANCE instance, DWORD reason, LPVOID reserved) {
    BOOL ok = TRUE;
    if (reason == DLL_PROCESS_ATTACH) {
        _initialize_onexit_table(&image_exit_table);
        kestrix_run_initialisers();
    }
    ok = DllMain(instance, reason, reserved);
    if (reason == DLL_PROCESS_DETACH || (reason == DLL_PROCESS_ATTACH && !ok)) {
        _execute_onexit_table(&image_exit_table);
    }
    return ok;
}
