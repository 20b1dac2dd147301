// The switch's input: a press in the upper or lower half moves the lever, and
// so do Up and Down (and Space, in two-position mode) while it has the focus;
// and its accessible object.
#include "controls/accessibility.h"
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
    const int width = client.right - client.left, height = client.bottom - client.top;
    PaintSwitch(dc, width, height, GetWindowLongA(control, SWITCH_POSITION),
                GetWindowLongA(control, SWITCH_MODE));
    if (GetFocus() == control) PaintSwitchFocus(dc, width, height);
    EndPaint(control, &ps);
    return 0;
}

void MoveLever(HWND control, int32_t next) {
    SetWindowLongA(control, SWITCH_POSITION, next);
    InvalidateRect(control, nullptr, TRUE);
    AnnounceValueChange(control);
    // Posted: the parent reads the new position from the switch, too.
    const WORD id = static_cast<WORD>(static_cast<DWORD>(GetDlgCtrlID(control)) & 0xFFFFu);
    PostMessageA(GetParent(control), WM_COMMAND, MAKEWPARAM(id, 0), next);
}

LRESULT OnPress(HWND control, int y) {
    RECT client = {};
    GetClientRect(control, &client);
    int32_t next = SW_UP;
    if (NextSwitchPosition(GetWindowLongA(control, SWITCH_POSITION),
                           GetWindowLongA(control, SWITCH_MODE),
                           IsUpperHalf(y, client.bottom - client.top), &next)) {
        MoveLever(control, next);
    }
    return 0;
}

// Up and Down are presses in the upper and lower half. A key held down moves
// the lever once: its repeats are not presses.
LRESULT OnKey(HWND control, WPARAM key, LPARAM lParam) {
    if (key != VK_UP && key != VK_DOWN && key != VK_SPACE) {
        return DefWindowProcA(control, WM_KEYDOWN, key, lParam);
    }
    const bool repeat = (static_cast<DWORD>(lParam) & (1u << 30)) != 0;
    const LONG position = GetWindowLongA(control, SWITCH_POSITION);
    const LONG mode = GetWindowLongA(control, SWITCH_MODE);
    int32_t next = SW_UP;
    const bool moves = key == VK_SPACE ? ToggledSwitchPosition(position, mode, &next)
                                       : NextSwitchPosition(position, mode, key == VK_UP, &next);
    if (!repeat && moves) MoveLever(control, next);
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
    case WM_KEYDOWN:
        return OnKey(control, wParam, lParam);
    case WM_GETDLGCODE:
        return DLGC_WANTARROWS;  // a dialog hands Up and Down to the switch
    case WM_SETFOCUS:
    case WM_KILLFOCUS:
        InvalidateRect(control, nullptr, TRUE);  // to draw or take away the focus rectangle
        return 0;
    case WM_GETOBJECT:
        return AnswerGetObject(control, ControlKind::Switch, wParam, lParam);
    case WM_NCDESTROY:
        ForgetAccessible(control);
        return DefWindowProcA(control, message, wParam, lParam);
    default:
        return DefWindowProcA(control, message, wParam, lParam);
    }
}
