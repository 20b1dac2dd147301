// Counts what one module creates and must release itself, by redirecting that
// module's own imports: GDI objects and device contexts, USER objects (menus,
// icons and cursors, accelerator tables, hooks, deferred window positions)
// and timers. The system's counters cannot be trusted under Wine
// (GetGuiResources always answers 0), and timers have none.
#ifndef KESTRIX_TESTS_OBJECT_WATCH_H
#define KESTRIX_TESTS_OBJECT_WATCH_H

#include <windows.h>

#include <string>
#include <vector>

// One module at a time; the hooks stay until Stop (or destruction).
class ObjectWatch {
public:
    ~ObjectWatch() { Stop(); }
    void Start(HMODULE module);
    void Stop();

    size_t Created() const;
    size_t Released() const;
    // "GDI CreatePen", "menu CreateMenu", "timer SetTimer", ... for every
    // object created and not released yet. A menu or a timer of a window
    // that is gone went with the window.
    std::vector<std::string> Live() const;
};

#endif
