// Where the keyboard focus is, as the script actions `tab` and `enter`
// print it: the window, then the control with its id, kind and text.
//   focus: "BRK Dialog" 1002 button "Attach"
//   focus: "BRK Dialog" 1031 drop-down list "Barge"
//   focus: "Kestrix stand-in host" 102 button "Run command"
//   focus: "Scene view"                   (a window without controls)
//   focus: nowhere
#ifndef KESTRIX_HOST_AUTOMATION_FOCUS_REPORT_H
#define KESTRIX_HOST_AUTOMATION_FOCUS_REPORT_H

#include <string>

std::string DescribeFocus();

#endif
