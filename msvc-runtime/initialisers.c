/* The image's C++ dynamic initialisers. The compiler puts a pointer to each
 * translation unit's initialiser in a .CRT$XCU section; the linker sorts the
 * .CRT$XC* sections by name, so the two markers here bracket them all.
 * Microsoft's start-up code (not available here) does the same; the UCRT's
 * _initterm walks the table and skips the null padding between sections. */
#include <corecrt_startup.h>

#include "msvc-runtime/start.h"

/* Exported by the UCRT; its headers leave it out. */
_ACRTIMP void __cdecl _initterm(_PVFV* first, _PVFV* last);

#pragma section(".CRT$XCA", long, read)
#pragma section(".CRT$XCZ", long, read)
__declspec(allocate(".CRT$XCA")) static const _PVFV first_initialiser = 0;
__declspec(allocate(".CRT$XCZ")) static const _PVFV last_initialiser = 0;

/* Code that uses floating point refers to this symbol; its value is unused. */
int _fltused = 0x9875;

void kestrix_run_initialisers(void) {
    _initterm((_PVFV*)&first_initialiser + 1, (_PVFV*)&last_initialiser);
}
