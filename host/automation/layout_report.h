// Whether every text of a window fits its control: each label, button and
// check box measured in the font it is drawn with, against the room the
// control gives it. As the script action `layout` prints it, a line a window:
//   layout: "BRK Dialog": 12 texts, none cut
//   layout: "Controls gallery": "Clear" (button 221) needs 90 x 20 pixels, has 76 x 20
#ifndef KESTRIX_HOST_AUTOMATION_LAYOUT_REPORT_H
#define KESTRIX_HOST_AUTOMATION_LAYOUT_REPORT_H

#include <windows.h>

#include <string>

std::string DescribeLayout(HWND window);

#endif
