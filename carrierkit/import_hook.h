// Redirects imported functions of loaded modules, so that a check can see
// what one module itself calls (its heap or GDI use, say) without touching
// anyone else's calls.
#ifndef BRASK_CARRIERKIT_IMPORT_HOOK_H
#define BRASK_CARRIERKIT_IMPORT_HOOK_H

#include <windows.h>

#include <vector>

// Points `module`'s import of `dll`!`function` at `replacement`. Returns the
// address it pointed at before, or null when the module does not import it.
void* HookImport(HMODULE module, const char* dll, const char* function, void* replacement);

// Redirects made together and undone together, newest first: by Undo, or
// when the object goes. The modules must still be loaded then.
class ImportRedirects {
public:
    ImportRedirects() = default;
    ~ImportRedirects() { Undo(); }
    ImportRedirects(const ImportRedirects&) = delete;
    ImportRedirects& operator=(const ImportRedirects&) = delete;

    // As HookImport, remembered for Undo; `dll` and `function` must outlive it.
    void* Redirect(HMODULE module, const char* dll, const char* function, void* replacement);
    void Undo();

private:
    struct Made {
        HMODULE module;
        const char* dll;
        const char* function;
        void* previous;
    };
    std::vector<Made> made_;
};

#endif
