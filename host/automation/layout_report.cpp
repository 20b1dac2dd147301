#include "host/automation/layout_report.h"

#include <cstring>
#include <vector>

#include "host/text/quoting.h"
#include "host/win32/window_texts.h"

namespace {

enum class TextKind { Label, Button, CheckBox, None };

struct Room {
    SIZE needed;
    SIZE has;
};

TextKind KindOf(HWND control) {
    const std::string cls = WindowClassOf(control);
    if (_stricmp(cls.c_str(), "Static") == 0) return TextKind::Label;
    if (_stricmp(cls.c_str(), "Button") != 0) return TextKind::None;
    switch (GetWindowLongA(control, GWL_STYLE) & BS_TYPEMASK) {
    case BS_PUSHBUTTON:
    case BS_DEFPUSHBUTTON:
        return TextKind::Button;
    case BS_CHECKBOX:
    case BS_AUTOCHECKBOX:
    case BS_3STATE:
    case BS_AUTO3STATE:
    case BS_RADIOBUTTON:
    case BS_AUTORADIOBUTTON:
        return TextKind::CheckBox;
    default:
        return TextKind::None;
    }
}

const char* KindName(TextKind kind) {
    switch (kind) {
    case TextKind::Label: return "label";
    case TextKind::Button: return "button";
    case TextKind::CheckBox: return "check box";
    case TextKind::None: break;
    }
    return "control";
}

// What the text needs in the control's font, and what the control leaves
// it: a label wraps at blanks (unless it keeps to one line); a button keeps
// a frame round it; a check box's text comes after its box.
Room Measure(HWND control, TextKind kind, const std::string& text) {
    RECT client = {};
    GetClientRect(control, &client);
    SIZE has = {client.right, client.bottom};
    HDC dc = GetDC(control);
    const HGDIOBJ font = reinterpret_cast<HGDIOBJ>(SendMessageA(control, WM_GETFONT, 0, 0));
    const HGDIOBJ before = font != nullptr ? SelectObject(dc, font) : nullptr;
    UINT format = DT_CALCRECT | DT_NOPREFIX;
    const LONG style = GetWindowLongA(control, GWL_STYLE);
    if (kind == TextKind::Label && (style & SS_TYPEMASK) != SS_LEFTNOWORDWRAP &&
        (style & SS_TYPEMASK) != SS_SIMPLE) {
        format |= DT_WORDBREAK;
    } else {
        format |= DT_SINGLELINE;
    }
    if (kind == TextKind::Button) {
        has.cx -= 2 * GetSystemMetrics(SM_CXEDGE);
        has.cy -= 2 * GetSystemMetrics(SM_CYEDGE);
    } else if (kind == TextKind::CheckBox) {
        TEXTMETRICA metrics = {};
        GetTextMetricsA(dc, &metrics);
        has.cx -= GetSystemMetrics(SM_CXMENUCHECK) + metrics.tmAveCharWidth / 2;
    }
    RECT r = {0, 0, has.cx > 0 ? has.cx : 0, 0};
    DrawTextA(dc, text.c_str(), -1, &r, format);
    if (before != nullptr) SelectObject(dc, before);
    ReleaseDC(control, dc);
    return Room{SIZE{r.right - r.left, r.bottom - r.top}, has};
}

BOOL CALLBACK Collect(HWND child, LPARAM lParam) {
    reinterpret_cast<std::vector<HWND>*>(lParam)->push_back(child);
    return TRUE;
}

}  // namespace

std::string DescribeLayout(HWND window) {
    std::vector<HWND> children;
    EnumChildWindows(window, Collect, reinterpret_cast<LPARAM>(&children));
    const std::string head = "layout: " + InQuotes(WindowTextOf(window)) + ": ";
    std::string cut;
    int texts = 0;
    for (HWND child : children) {
        const TextKind kind = KindOf(child);
        const std::string text = WindowTextOf(child);
        if (kind == TextKind::None || text.empty() || !IsWindowVisible(child)) continue;
        ++texts;
        const Room room = Measure(child, kind, text);
        if (room.needed.cx <= room.has.cx && room.needed.cy <= room.has.cy) continue;
        cut += head + InQuotes(text) + " (" + KindName(kind) + " " +
               std::to_string(GetDlgCtrlID(child)) + ") needs " + std::to_string(room.needed.cx) +
               " x " + std::to_string(room.needed.cy) + " pixels, has " +
               std::to_string(room.has.cx) + " x " + std::to_string(room.has.cy) + "\n";
    }
    if (!cut.empty()) return cut;
    return head + std::to_string(texts) + (texts == 1 ? " text" : " texts") + ", none cut\n";
}
