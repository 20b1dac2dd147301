// A copy of the plug-in that leaks on demand, for the soak's test of itself:
// it exports InjectLeak, which makes one leak of the given kind from inside
// the plug-in's module, through the plug-in's own imports.
#ifndef KESTRIX_TESTS_SOAK_LEAK_INJECTOR_H
#define KESTRIX_TESTS_SOAK_LEAK_INJECTOR_H

enum class LeakKind {
    Malloc16,     // a 16-byte malloc
    New24,        // a 24-byte new
    ThreadTimer,  // a timer of no window
    Event,        // an event handle
    Menu,
    Pen,
    WindowDC,     // GetDC without ReleaseDC
    Window,       // a hidden top-level window
};

typedef void (*InjectLeakFunction)(LeakKind kind);
constexpr char kInjectLeakName[] = "InjectLeak";

#endif
