// Redirects one imported function of one loaded module, so that a check can
// see what that module itself calls (its heap or GDI use, say) without
// touching anyone else's calls.
#ifndef BRASK_CARRIERKIT_IMPORT_HOOK_H
#define BRASK_CARRIERKIT_IMPORT_HOOK_H

#include <windows.h>

// Points `module`'s import of `dll`!`function` at `replacement`. Returns the
// address it pointed at before, or null when the module does not import it.
void* HookImport(HMODULE module, const char* dll, const char* function, void* replacement);

#endif
