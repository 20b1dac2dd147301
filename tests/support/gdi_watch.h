// Counts the GDI objects and device contexts one module creates and
// releases, by redirecting that module's own imports: the system's object
// counters cannot be trusted under Wine (GetGuiResources always answers 0).
#ifndef KESTRIX_TESTS_GDI_WATCH_H
#define KESTRIX_TESTS_GDI_WATCH_H

#include <windows.h>

#include <string>
#include <vector>

// One module at a time; the hooks stay until Stop (or destruction).
class GdiWatch {
public:
    ~GdiWatch() { Stop(); }
    void Start(HMODULE module);
    void Stop();

    // Functions of the module that were redirected: those it imports.
    size_t Watched() const;
    size_t Created() const;
    size_t Released() const;
    // "CreatePen", ... for every object created and not released yet.
    std::vector<std::string> Live() const;

private:
    HMODULE module_ = nullptr;
};

#endif
