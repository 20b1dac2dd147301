#include "host/win32/window_class.h"

bool RegisterWindowClass(const char* name, WNDPROC procedure, HBRUSH background) {
    const HINSTANCE instance = GetModuleHandleA(nullptr);
    WNDCLASSA wc = {};
    if (GetClassInfoA(instance, name, &wc)) return true;
    wc.lpfnWndProc = procedure;
    wc.hInstance = instance;
    wc.hCursor = LoadCursorA(nullptr, reinterpret_cast<LPCSTR>(IDC_ARROW));
    wc.hbrBackground = background;
    wc.lpszClassName = name;
    return RegisterClassA(&wc) != 0;
}

HBRUSH ButtonFaceBrush() { return reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1); }
