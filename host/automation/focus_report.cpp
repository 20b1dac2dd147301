#include "host/automation/focus_report.h"

#include <windows.h>

#include <cstring>

#include "host/text/quoting.h"
#include "host/win32/window_texts.h"

namespace {

// A control's kind as a user calls it.
std::string KindOf(HWND control) {
    const std::string cls = WindowClassOf(control);
    if (_stricmp(cls.c_str(), "Button") == 0) {
        const LONG type = GetWindowLongA(control, GWL_STYLE) & BS_TYPEMASK;
        const bool box = type == BS_CHECKBOX || type == BS_AUTOCHECKBOX ||
                         type == BS_3STATE || type == BS_AUTO3STATE;
        return box ? "check box" : "button";
    }
    static const char* const kKinds[][2] = {{"Edit", "field"},
                                           {"ComboBox", "drop-down list"},
                                           {"ListBox", "list"},
                                           {"Static", "label"},
                                           {"msctls_updown32", "pair of arrows"}};
    for (const auto& k : kKinds) {
        if (_stricmp(cls.c_str(), k[0]) == 0) return k[1];
    }
    return cls + " window";
}

}  // namespace

std::string DescribeFocus() {
    HWND focus = GetFocus();
    if (focus == nullptr) return "focus: nowhere\n";
    HWND top = GetAncestor(focus, GA_ROOT);
    std::string line = "focus: " + InQuotes(WindowTextOf(top));
    if (focus == top) return line + "\n";
    // The field of a drop-down list is the list's own part.
    HWND parent = GetParent(focus);
    if (parent != top && _stricmp(WindowClassOf(parent).c_str(), "ComboBox") == 0) focus = parent;
    return line + " " + std::to_string(GetDlgCtrlID(focus)) + " " + KindOf(focus) + " " +
           InQuotes(WindowTextOf(focus)) + "\n";
}
