#include "host/automation/focus_report.h"

#include <windows.h>

#include <cstring>

#include "host/automation/control_kinds.h"
#include "host/text/quoting.h"
#include "host/win32/window_texts.h"

std::string DescribeFocus() {
    HWND focus = GetFocus();
    if (focus == nullptr) return "focus: nowhere\n";
    HWND top = GetAncestor(focus, GA_ROOT);
    std::string line = "focus: " + InQuotes(WindowTextOf(top));
    if (focus == top) return line + "\n";
    // The field of a drop-down list is the list's own part.
    HWND parent = GetParent(focus);
    if (parent != top && _stricmp(WindowClassOf(parent).c_str(), "ComboBox") == 0) focus = parent;
    return line + " " + std::to_string(GetDlgCtrlID(focus)) + " " + KindOfControl(focus) + " " +
           InQuotes(WindowTextOf(focus)) + "\n";
}
