#include "host/win32/key_press.h"

void PressKey(WORD key, const MessagePreview& preview) {
    HWND focus = GetFocus();
    if (focus == nullptr) return;
    // Repeat count 1 and the scan code; going up also sets "was down" and
    // "being released" (bits 30 and 31).
    const LPARAM scan = static_cast<LPARAM>(MapVirtualKeyA(key, MAPVK_VK_TO_VSC)) << 16;
    PostMessageA(focus, WM_KEYDOWN, key, scan | 1);
    PostMessageA(focus, WM_KEYUP, key, scan | static_cast<LPARAM>(0xC0000001u));
    PumpMessages(preview);
}
