/* A program's entry point: the UCRT's command line and environment, the C++
 * initialisers, main, and exit (which runs what atexit registered). */
#include <corecrt_startup.h>

#include "msvc-runtime/start.h"

int __cdecl main(int argc, char** argv);
_ACRTIMP int* __cdecl __p___argc(void);
_ACRTIMP char*** __cdecl __p___argv(void);
_ACRTIMP __declspec(noreturn) void __cdecl exit(int status);

/* The compiler registers the destructor of each static object here; a
 * program's belong to the process, run by exit(). Not taken from the UCRT's
 * headers, which declare it imported. */
int __cdecl atexit(_PVFV function) {
    return _crt_atexit(function);
}

int __cdecl mainCRTStartup(void) {
    _set_app_type(_crt_console_app);
    _configure_narrow_argv(_crt_argv_unexpanded_arguments);
    _initialize_narrow_environment();
    kestrix_run_initialisers();
    exit(main(*__p___argc(), *__p___argv()));
}
