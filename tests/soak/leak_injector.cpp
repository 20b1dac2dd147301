#include "tests/soak/leak_injector.h"

#include <windows.h>

#include <cstdlib>

namespace {

// Written, so that the compiler cannot drop an allocation nobody reads.
void* volatile g_lastLeak = nullptr;

struct Block24 {
    char bytes[24];
};

}  // namespace

extern "C" __declspec(dllexport) void InjectLeak(LeakKind kind) {
    switch (kind) {
    case LeakKind::Malloc16:
        g_lastLeak = std::malloc(16);
        break;
    case LeakKind::New24:
        g_lastLeak = new Block24();
        break;
    case LeakKind::ThreadTimer:
        SetTimer(nullptr, 0, 1000000, nullptr);
        break;
    case LeakKind::Event:
        g_lastLeak = CreateEventA(nullptr, FALSE, FALSE, nullptr);
        break;
    case LeakKind::Menu:
        g_lastLeak = CreateMenu();
        break;
    case LeakKind::Pen:
        g_lastLeak = CreatePen(PS_SOLID, 1, RGB(1, 2, 3));
        break;
    case LeakKind::WindowDC:
        g_lastLeak = GetDC(nullptr);
        break;
    case LeakKind::Window:
        g_lastLeak = CreateWindowExA(0, "Static", "", WS_POPUP, 0, 0, 1, 1, nullptr, nullptr,
                                     nullptr, nullptr);
        break;
    }
}
