#include "host/win32/child_window.h"

HWND AddChild(HWND parent, const char* cls, const char* text, DWORD style, int x, int y,
              int width, int height, int id, HINSTANCE instance) {
    if (instance == nullptr) instance = GetModuleHandleA(nullptr);
    HWND child = CreateWindowExA(0, cls, text, WS_CHILD | WS_VISIBLE | style, x, y, width, height,
                                 parent, reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)),
                                 instance, nullptr);
    if (child != nullptr) {
        SendMessageA(child, WM_SETFONT,
                     reinterpret_cast<WPARAM>(GetStockObject(DEFAULT_GUI_FONT)), FALSE);
    }
    return child;
}
