// The gauge's input: arrow-box presses that step the value on every timer
// tick, track presses and drags that set it, and the release; keys while it
// has the focus; and its accessible object.
#include "controls/accessibility.h"
#include "controls/custom_controls.h"
#include "controls/gauge.h"
#include "controls/gauge_keys.h"

namespace {

const UINT_PTR kRepeatTimerId = 1;
const UINT kRepeatPeriodMs = 10;

// Shared by all gauges: only one window at a time holds the mouse capture.
HWND g_previousCapture = nullptr;  // who held the capture before the press

// The repeat timer belongs to its gauge (window and id), so each gauge stops
// its own, whatever other gauges were pressed or released in between.
// KillTimer on a gauge whose timer is not running does nothing.
void StopRepeating(HWND gauge) { KillTimer(gauge, kRepeatTimerId); }

GaugeLongs ReadLongs(HWND gauge) {
    GaugeLongs longs;
    longs.value = GetWindowLongA(gauge, GAUGE_VALUE);
    longs.minimum = GetWindowLongA(gauge, GAUGE_MIN);
    longs.maximum = GetWindowLongA(gauge, GAUGE_MAX);
    longs.flags = GetWindowLongA(gauge, GAUGE_FLAGS);
    return longs;
}

GaugeGeometry Measure(HWND gauge, LONG flags) {
    RECT client = {};
    GetClientRect(gauge, &client);
    return MeasureGauge(client.right - client.left, client.bottom - client.top, flags);
}

void Invalidate(HWND gauge) { InvalidateRect(gauge, nullptr, TRUE); }

// The parent hears of every step and every track position, with the value
// the gauge now holds.
void Notify(HWND gauge, WORD code) {
    const LONG value = GetWindowLongA(gauge, GAUGE_VALUE);
    const WORD lowBits = static_cast<WORD>(static_cast<DWORD>(value) & 0xFFFFu);
    SendMessageA(GetParent(gauge), WM_HSCROLL, MAKEWPARAM(code, lowBits),
                 reinterpret_cast<LPARAM>(gauge));
}

// Sets the value from a position in the track. With an empty range, or after
// a resize has left the track without positions, the value stays.
void SetValueFromPosition(HWND gauge, int x, int y) {
    const GaugeLongs longs = ReadLongs(gauge);
    const GaugeGeometry g = Measure(gauge, longs.flags);
    int32_t value = longs.value;
    if (GaugeValueAt(g, (longs.flags & GF_REVERSED) != 0, g.vertical ? y : x, longs.minimum,
                     longs.maximum, &value)) {
        SetWindowLongA(gauge, GAUGE_VALUE, value);
        Invalidate(gauge);
        if (value != longs.value) AnnounceValueChange(gauge);
    }
}

// One step of an arrow box: at the bound the value stays, and the gauge
// still repaints and reports.
void Step(HWND gauge, const GaugeLongs& longs, bool up) {
    const int32_t value = longs.value;
    if (up && value < longs.maximum) {
        SetWindowLongA(gauge, GAUGE_VALUE, value + 1);
        AnnounceValueChange(gauge);
    } else if (!up && value > longs.minimum) {
        SetWindowLongA(gauge, GAUGE_VALUE, value - 1);
        AnnounceValueChange(gauge);
    }
    Invalidate(gauge);
    Notify(gauge, up ? SB_LINERIGHT : SB_LINELEFT);
}

LRESULT OnPaint(HWND gauge) {
    PAINTSTRUCT ps;
    HDC dc = BeginPaint(gauge, &ps);
    RECT client = {};
    GetClientRect(gauge, &client);
    const GaugeLongs longs = ReadLongs(gauge);
    PaintGauge(dc, client.right - client.left, client.bottom - client.top, longs);
    if (GetFocus() == gauge) {
        PaintGaugeFocus(dc, client.right - client.left, client.bottom - client.top, longs.flags);
    }
    EndPaint(gauge, &ps);
    return 0;
}

LRESULT OnGetState(HWND gauge) {
    return GaugeRepeatState(GetWindowLongA(gauge, GAUGE_FLAGS));
}

LRESULT OnPress(HWND gauge, int x, int y) {
    LONG flags = GetWindowLongA(gauge, GAUGE_FLAGS);
    const GaugeGeometry g = Measure(gauge, flags);
    flags |= GaugePressBits(GaugePartAt(g, g.vertical ? y : x), flags);

    // A second press while this gauge holds the capture would name the gauge
    // itself, and the release would then hand the capture straight back.
    HWND previous = SetCapture(gauge);
    if (previous != gauge) g_previousCapture = previous;
    SetWindowLongA(gauge, GAUGE_FLAGS, flags);

    if ((flags & GF_DRAG) == GF_DRAG) {
        SetValueFromPosition(gauge, x, y);
        Notify(gauge, SB_THUMBTRACK);
    } else {
        // The first step comes with the first tick, not at the press. A
        // failed SetTimer leaves the gauge without steps.
        SetTimer(gauge, kRepeatTimerId, kRepeatPeriodMs, nullptr);
    }
    return 0;
}

LRESULT OnDrag(HWND gauge, int x, int y) {
    if ((GetWindowLongA(gauge, GAUGE_FLAGS) & GF_DRAG) != GF_DRAG) return 0;
    SetValueFromPosition(gauge, x, y);
    Notify(gauge, SB_THUMBTRACK);
    return 0;
}

LRESULT OnRepeatTick(HWND gauge) {
    const GaugeLongs longs = ReadLongs(gauge);
    switch (GaugeRepeatState(longs.flags)) {
    case GR_STEP_DOWN:
        Step(gauge, longs, false);
        break;
    case GR_STEP_UP:
        Step(gauge, longs, true);
        break;
    default:
        break;  // GR_IDLE, or GR_STEP_BOTH after a second press
    }
    return 0;
}

LRESULT OnRelease(HWND gauge) {
    ReleaseCapture();
    if (g_previousCapture != nullptr) {
        // Handed back once: a later release must not revive an old owner.
        HWND previous = g_previousCapture;
        g_previousCapture = nullptr;
        if (IsWindow(previous)) SetCapture(previous);
    }
    StopRepeating(gauge);
    SetWindowLongA(gauge, GAUGE_FLAGS, GaugeReleasedFlags(GetWindowLongA(gauge, GAUGE_FLAGS)));
    return 0;
}

// Without the capture the release may go to another window: the steps stop
// here. The press state stays until this gauge's own release.
LRESULT OnCaptureLost(HWND gauge, LPARAM newOwner) {
    if (reinterpret_cast<HWND>(newOwner) != gauge) StopRepeating(gauge);
    return 0;
}

bool KeyOf(WPARAM virtualKey, GaugeKey* key) {
    switch (virtualKey) {
    case VK_LEFT: *key = GaugeKey::Left; return true;
    case VK_RIGHT: *key = GaugeKey::Right; return true;
    case VK_UP: *key = GaugeKey::Up; return true;
    case VK_DOWN: *key = GaugeKey::Down; return true;
    case VK_PRIOR: *key = GaugeKey::PageUp; return true;
    case VK_NEXT: *key = GaugeKey::PageDown; return true;
    case VK_HOME: *key = GaugeKey::Home; return true;
    case VK_END: *key = GaugeKey::End; return true;
    default: return false;
    }
}

// A held key repeats, as a held arrow box does.
LRESULT OnKey(HWND gauge, WPARAM virtualKey, LPARAM lParam) {
    GaugeKey key = GaugeKey::Home;
    if (!KeyOf(virtualKey, &key)) return DefWindowProcA(gauge, WM_KEYDOWN, virtualKey, lParam);
    const GaugeLongs longs = ReadLongs(gauge);
    const GaugeKeyMove move = GaugeKeyMoveFor(key, longs);
    if (move.value != longs.value) {
        SetWindowLongA(gauge, GAUGE_VALUE, move.value);
        Invalidate(gauge);
        AnnounceValueChange(gauge);
    }
    Notify(gauge, move.report == GaugeReport::StepDown ? SB_LINELEFT
                  : move.report == GaugeReport::StepUp ? SB_LINERIGHT
                                                       : SB_THUMBTRACK);
    return 0;
}

}  // namespace

LRESULT CALLBACK GaugeWndProc(HWND gauge, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_PAINT:
        return OnPaint(gauge);
    case BM_GETSTATE:
        return OnGetState(gauge);
    case WM_TIMER:
        return OnRepeatTick(gauge);  // the timer id is not examined
    case WM_MOUSEMOVE:
        // With the capture held the mouse may be left of or above the window:
        // the words are signed.
        return OnDrag(gauge, static_cast<short>(LOWORD(lParam)),
                      static_cast<short>(HIWORD(lParam)));
    case WM_LBUTTONDOWN:
        // A press lands inside the window: the words are read unsigned.
        return OnPress(gauge, LOWORD(lParam), HIWORD(lParam));
    case WM_LBUTTONUP:
        return OnRelease(gauge);
    case WM_CAPTURECHANGED:
        return OnCaptureLost(gauge, lParam);
    case WM_KEYDOWN:
        return OnKey(gauge, wParam, lParam);
    case WM_GETDLGCODE:
        return DLGC_WANTARROWS;  // a dialog hands the arrows to the gauge
    case WM_SETFOCUS:
    case WM_KILLFOCUS:
        Invalidate(gauge);  // to draw or take away the focus rectangle
        return 0;
    case WM_GETOBJECT:
        return AnswerGetObject(gauge, ControlKind::Gauge, wParam, lParam);
    case WM_NCDESTROY:
        ForgetAccessible(gauge);
        return DefWindowProcA(gauge, message, wParam, lParam);
    default:
        return DefWindowProcA(gauge, message, wParam, lParam);
    }
}
