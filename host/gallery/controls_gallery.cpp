#include "host/gallery/controls_gallery.h"

#include <cstdio>

#include "controls/custom_controls.h"
#include "host/exports/host_state.h"
#include "host/text/quoting.h"
#include "host/win32/child_window.h"
#include "host/win32/dpi_scale.h"
#include "host/win32/list_texts.h"
#include "host/win32/open_or_raise.h"
#include "host/win32/window_class.h"
#include "host/win32/window_places.h"

namespace {

const char kGalleryClass[] = "KestrixControlsGallery";
enum : int { kLogId = 220, kClearId = 221 };
// Holding an arrow logs a hundred lines a second; the oldest go.
const LRESULT kLogLimit = 500;

struct GaugeSample {
    int id;
    const char* name;     // in the log and the description
    const char* caption;  // beside the control
    LONG flags;
    LONG value;
    int x, y, width, height;
};

// Range 0 to 100 on a track of 200 pixels (horizontal) or 120 (vertical).
const GaugeSample kGauges[] = {
    {200, "grows right", "Horizontal, grows right (flags 0)", 0, 30, 10, 50, 240, 20},
    {201, "grows left", "Horizontal, grows left (GF_REVERSED)", GF_REVERSED, 60, 10, 110, 240, 20},
    {202, "grows down", "Vertical, grows down (GF_VERTICAL)", GF_VERTICAL, 40, 290, 50, 20, 160},
    {203, "grows up, red", "Vertical, grows up, red (GF_VERTICAL | GF_REVERSED | GF_RED)",
     GF_VERTICAL | GF_REVERSED | GF_RED, 70, 400, 50, 20, 160},
};

struct SwitchSample {
    int id;
    const char* name;
    const char* caption;
    LONG mode;
    LONG position;
    int x, y;
};

// Between them the three show every lever position.
const SwitchSample kSwitches[] = {
    {210, "two positions", "Two positions (mode 0)", 0, SW_UP, 485, 70},
    {211, "three positions", "Three positions (SWM_THREE_POS)", SWM_THREE_POS, SW_CENTRE, 600, 70},
    {212, "two positions, down", "Two positions, set to SW_DOWN", 0, SW_DOWN, 485, 185},
};

const int kSwitchWidth = 40;
const int kSwitchHeight = 60;
// At 96 DPI, as the children's places are (win32/child_window.h).
const int kClientWidth = 680;
const int kClientHeight = 460;

const char* PositionName(LONG position) {
    switch (position) {
    case SW_UP: return "up";
    case SW_DOWN: return "down";
    case SW_CENTRE: return "centre";
    default: return "unknown";
    }
}

const char* ScrollCodeName(WORD code) {
    switch (code) {
    case SB_LINELEFT: return "SB_LINELEFT";
    case SB_LINERIGHT: return "SB_LINERIGHT";
    case SB_THUMBTRACK: return "SB_THUMBTRACK";
    default: return "code";
    }
}

const GaugeSample* FindGauge(int id) {
    for (const GaugeSample& g : kGauges) {
        if (g.id == id) return &g;
    }
    return nullptr;
}

const SwitchSample* FindSwitch(int id) {
    for (const SwitchSample& s : kSwitches) {
        if (s.id == id) return &s;
    }
    return nullptr;
}

HWND AddLabel(HWND parent, const char* text, int x, int y, int w, int h = 16) {
    return AddChild(parent, "STATIC", text, 0, x, y, w, h, -1, GetModuleHandleA(nullptr));
}

// The owner's part: the longs are written after creation, then shown.
bool AddGauge(HWND window, const GaugeSample& g, HINSTANCE plugin) {
    HWND gauge = AddChild(window, kGaugeClassName, g.name, WS_TABSTOP, g.x, g.y, g.width,
                          g.height, g.id, plugin);
    if (gauge == nullptr) return false;
    SetWindowLongA(gauge, GAUGE_MIN, 0);
    SetWindowLongA(gauge, GAUGE_MAX, 100);
    SetWindowLongA(gauge, GAUGE_VALUE, g.value);
    SetWindowLongA(gauge, GAUGE_FLAGS, g.flags);
    InvalidateRect(gauge, nullptr, TRUE);
    return true;
}

bool AddSwitch(HWND window, const SwitchSample& s, HINSTANCE plugin) {
    HWND control = AddChild(window, kSwitchClassName, s.name, WS_TABSTOP, s.x, s.y,
                            kSwitchWidth, kSwitchHeight, s.id, plugin);
    if (control == nullptr) return false;
    SetWindowLongA(control, SWITCH_MODE, s.mode);
    SetWindowLongA(control, SWITCH_POSITION, s.position);
    InvalidateRect(control, nullptr, TRUE);
    return true;
}

void AddLogLine(HWND window, const std::string& line) {
    HWND log = GetDlgItem(window, kLogId);
    if (SendMessageA(log, LB_GETCOUNT, 0, 0) >= kLogLimit) {
        SendMessageA(log, LB_DELETESTRING, 0, 0);
    }
    const LRESULT index =
        SendMessageA(log, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(line.c_str()));
    if (index >= 0) SendMessageA(log, LB_SETTOPINDEX, static_cast<WPARAM>(index), 0);
}

LRESULT OnCreate(HWND window) {
    HINSTANCE plugin = TheHost().plugins.instance;
    AddLabel(window,
             "Gauges (range 0 to 100): hold an arrow box to step; press or drag in the track.",
             10, 8, 660);
    AddLabel(window, "Switches: click the upper or lower half.", 480, 32, 190, 32);
    for (const GaugeSample& g : kGauges) {
        if (!AddGauge(window, g, plugin)) return -1;
        if (g.height > g.width) {
            AddLabel(window, g.caption, g.x + g.width / 2 - 55, g.y + g.height + 6, 110, 64);
        } else {
            AddLabel(window, g.caption, g.x, g.y - 18, g.width);
        }
    }
    for (const SwitchSample& s : kSwitches) {
        if (!AddSwitch(window, s, plugin)) return -1;
        // Wide enough for "(SWM_THREE_POS)" on a line of its own, also at 144 DPI.
        AddLabel(window, s.caption, s.x + kSwitchWidth / 2 - 55, s.y + kSwitchHeight + 6, 110, 48);
    }
    const HINSTANCE host = GetModuleHandleA(nullptr);
    AddLabel(window, "Notifications the parent received", 10, 300, 300);
    AddChild(window, "BUTTON", "Clear", BS_PUSHBUTTON | WS_TABSTOP, 590, 294, 80, 24, kClearId,
             host);
    AddChild(window, "LISTBOX", "", WS_BORDER | WS_VSCROLL | LBS_NOINTEGRALHEIGHT, 10, 322, 660,
             128, kLogId, host);
    return 0;
}

// Sent by a gauge while it handles a press, a drag or a tick.
LRESULT OnGaugeNotification(HWND window, WPARAM wParam, HWND gauge) {
    const GaugeSample* sample = FindGauge(GetDlgCtrlID(gauge));
    if (sample == nullptr) return 0;
    char line[160];
    std::snprintf(line, sizeof line, "%s: WM_HSCROLL %s, HIWORD %u, GAUGE_VALUE %ld",
                  sample->name, ScrollCodeName(LOWORD(wParam)),
                  static_cast<unsigned>(HIWORD(wParam)),
                  static_cast<long>(GetWindowLongA(gauge, GAUGE_VALUE)));
    AddLogLine(window, line);
    return 0;
}

// Posted by a switch after a click moved its lever.
LRESULT OnCommand(HWND window, WPARAM wParam, LPARAM lParam) {
    const int id = LOWORD(wParam);
    if (id == kClearId) {
        SendDlgItemMessageA(window, kLogId, LB_RESETCONTENT, 0, 0);
        return 0;
    }
    const SwitchSample* sample = FindSwitch(id);
    if (sample == nullptr) return 0;
    char line[160];
    std::snprintf(line, sizeof line, "%s: WM_COMMAND id %d, lParam %ld (%s)", sample->name, id,
                  static_cast<long>(lParam), PositionName(static_cast<LONG>(lParam)));
    AddLogLine(window, line);
    return 0;
}

LRESULT CALLBACK GalleryWndProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_CREATE:
        return OnCreate(window);
    case WM_HSCROLL:
        return OnGaugeNotification(window, wParam, reinterpret_cast<HWND>(lParam));
    case WM_COMMAND:
        return OnCommand(window, wParam, lParam);
    case WM_DESTROY:
        RememberPlace(window);
        return 0;
    default:
        return DefWindowProcA(window, message, wParam, lParam);
    }
}

HWND CreateGallery(HWND owner) {
    if (!RegisterWindowClass(kGalleryClass, GalleryWndProc, ButtonFaceBrush())) return nullptr;
    const DWORD style = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX;
    RECT frame = {0, 0, ScaledToScreen(kClientWidth), ScaledToScreen(kClientHeight)};
    AdjustWindowRect(&frame, style, FALSE);
    return CreateWindowExA(0, kGalleryClass, "Controls gallery", style, CW_USEDEFAULT,
                           CW_USEDEFAULT, frame.right - frame.left, frame.bottom - frame.top,
                           owner, nullptr, GetModuleHandleA(nullptr), nullptr);
}

std::string Hex(LONG bits) {
    char text[16];
    std::snprintf(text, sizeof text, "0x%02lX", static_cast<unsigned long>(bits));
    return text;
}

}  // namespace

HWND OpenControlsGallery(HWND owner, std::string* error) {
    HWND open = ControlsGalleryWindow();
    if (open == nullptr && TheHost().plugins.instance == nullptr) {
        *error = "no plug-in is loaded";
        return nullptr;
    }
    HWND window = OpenOrRaise(kGalleryClass, [owner] { return CreateGallery(owner); },
                              [](HWND made) { TheHost().windows.Place(made); });
    if (window == nullptr) {
        *error = std::string("cannot create the controls gallery: the plug-in has no classes ") +
                 InQuotes(kGaugeClassName) + " and " + InQuotes(kSwitchClassName);
        return nullptr;
    }
    // Closed with the dialogs, before the plug-in whose classes its controls are goes.
    TheHost().windows.KeepTool(window);
    return window;
}

HWND ControlsGalleryWindow() { return FindThreadWindow(kGalleryClass); }

std::string DescribeControlsGallery() {
    std::string text;
    HWND gallery = ControlsGalleryWindow();
    if (gallery == nullptr) return text;
    for (const GaugeSample& g : kGauges) {
        HWND gauge = GetDlgItem(gallery, g.id);
        text += "gallery: gauge " + std::to_string(g.id) + " " + InQuotes(g.name) + " flags=" +
                Hex(GetWindowLongA(gauge, GAUGE_FLAGS)) +
                " min=" + std::to_string(GetWindowLongA(gauge, GAUGE_MIN)) +
                " max=" + std::to_string(GetWindowLongA(gauge, GAUGE_MAX)) +
                " value=" + std::to_string(GetWindowLongA(gauge, GAUGE_VALUE)) + "\n";
    }
    for (const SwitchSample& s : kSwitches) {
        HWND control = GetDlgItem(gallery, s.id);
        const LONG position = GetWindowLongA(control, SWITCH_POSITION);
        text += "gallery: switch " + std::to_string(s.id) + " " + InQuotes(s.name) + " mode=" +
                Hex(GetWindowLongA(control, SWITCH_MODE)) +
                " position=" + std::to_string(position) + " (" + PositionName(position) + ")\n";
    }
    return text;
}

std::vector<std::string> ControlsGalleryLog() {
    HWND gallery = ControlsGalleryWindow();
    if (gallery == nullptr) return std::vector<std::string>();
    return ListBoxTexts(GetDlgItem(gallery, kLogId));
}
