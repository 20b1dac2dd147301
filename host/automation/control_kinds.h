// What a user calls a control: "field", "drop-down list", "check box", ...
#ifndef KESTRIX_HOST_AUTOMATION_CONTROL_KINDS_H
#define KESTRIX_HOST_AUTOMATION_CONTROL_KINDS_H

#include <windows.h>

#include <string>

// From the class name alone, which cannot tell a button from a check box.
std::string KindOfClass(const std::string& cls);
// From the window, whose style can.
std::string KindOfControl(HWND control);

#endif
