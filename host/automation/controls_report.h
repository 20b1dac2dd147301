// What the plug-in's dialog got from the host process: the common controls
// (the version comctl32.dll reports there and the file it came from), how
// tall its drop-down lists open, and its DPI. As the script action
// `controls` prints it, after it has opened and closed each list:
//   controls: comctl32.dll 5.81.2919 from C:\windows\winsxs\...\comctl32.dll
//   controls: carrier list (1031) opens 2 rows tall for 2 entries (28 pixels)
//   controls: payload list (1001) opens 5 rows tall for 5 entries (67 pixels)
//   controls: 96 DPI, the dialog system DPI-aware
#ifndef KESTRIX_HOST_AUTOMATION_CONTROLS_REPORT_H
#define KESTRIX_HOST_AUTOMATION_CONTROLS_REPORT_H

#include <windows.h>

#include <string>

std::string DescribeDialogControls(HWND dialog);

#endif
