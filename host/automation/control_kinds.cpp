#include "host/automation/control_kinds.h"

#include <cstring>

#include "host/win32/window_texts.h"

std::string KindOfClass(const std::string& cls) {
    static const char* const kKinds[][2] = {{"Edit", "field"},
                                           {"Button", "button or check box"},
                                           {"ComboBox", "drop-down list"},
                                           {"ListBox", "list"},
                                           {"Static", "label"},
                                           {"msctls_updown32", "pair of arrows"}};
    for (const auto& k : kKinds) {
        if (_stricmp(cls.c_str(), k[0]) == 0) return k[1];
    }
    return cls + " window";
}

std::string KindOfControl(HWND control) {
    const std::string cls = WindowClassOf(control);
    if (_stricmp(cls.c_str(), "Button") != 0) return KindOfClass(cls);
    const LONG type = GetWindowLongA(control, GWL_STYLE) & BS_TYPEMASK;
    const bool box = type == BS_CHECKBOX || type == BS_AUTOCHECKBOX || type == BS_3STATE ||
                     type == BS_AUTO3STATE;
    return box ? "check box" : "button";
}
