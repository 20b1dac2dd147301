#include "host/win32/dpi_scale.h"

#include <windows.h>

int ScreenDpi() {
    HDC screen = GetDC(nullptr);
    if (screen == nullptr) return 96;
    const int dpi = GetDeviceCaps(screen, LOGPIXELSY);
    ReleaseDC(nullptr, screen);
    return dpi > 0 ? dpi : 96;
}

int ScaledToScreen(int pixelsAt96) { return MulDiv(pixelsAt96, ScreenDpi(), 96); }
