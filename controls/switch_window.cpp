// The switch's input: a press in the upper or lower half moves the lever.
#include "controls/custom_controls.h"
#include "controls/switch.h"
#include "controls/switch_geometry.h"

namespace {

LRESULT OnCreate(HWND control) {
    SetWindowLongA(control, SWITCH_POSITION, SW_UP);
    SetWindowLongA(control, SWITCH_MODE, 0);
    return 0;
}

LRESULT OnPaint(HWND control) {
    PAINTSTRUCT ps;
    HDC dc = BeginPaint(control, &ps);
    RECT client = {};
    GetClientRect(control, &client);
    PaintSwitch(dc, client.right - client.left, client.bottom - client.top,
                GetWindowLongA(control, SWITCH_POSITION), GetWindowLongA(control, SWITCH_MODE));
    EndPaint(control, &ps);
    return 0;
}

LRESULT OnPress(HWND control, int y) {
    RECT client = {};
    GetClientRect(control, &client);
    int32_t next = SW_UP;
    if (!NextSwitchPosition(GetWindowLongA(control, SWITCH_POSITION),
                            GetWindowLongA(control, SWITCH_MODE),
                            IsUpperHalf(y, client.bottom - client.top), &next)) {
        return 0;
    }
    SetWindowLongA(control, SWITCH_POSITION, next);
    InvalidateRect(control, nullptr, TRUE);
    // Posted: the parent reads the new position from the switch, too.
    const WORD id = static_cast<WORD>(static_cast<DWORD>(GetDlgCtrlID(control)) & 0xFFFFu);
    PostMessageA(GetParent(control), WM_COMMAND, MAKEWPARAM(id, 0), next);
    return 0;
}

}  // namespace

LRESULT CALLBACK SwitchWndProc(HWND control, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_CREATE:
        return OnCreate(control);
    case WM_PAINT:
        return OnPaint(control);
    case WM_LBUTTONDOWN:
        // A press lands inside the window: y is read unsigned, x is not used.
        return OnPress(control, HIWORD(lParam));
    default:
        return DefWindowProcA(control, message, wParam, lParam);
    }
}
