#include "host/app/display_check.h"

#include <windows.h>

bool CanShowWindows() {
    // Every display answers a read of the screen; without one the screen's
    // device context has no surface and the read fails. (Screen size, display
    // devices and monitors are all reported as present by Wine's null driver.)
    HDC screen = GetDC(nullptr);
    if (screen == nullptr) return false;
    const COLORREF pixel = GetPixel(screen, 0, 0);
    ReleaseDC(nullptr, screen);
    return pixel != CLR_INVALID;
}
