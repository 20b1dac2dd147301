// What the payload editor shows, as the script action `show` prints it.
#ifndef KESTRIX_HOST_AUTOMATION_EDITOR_DESCRIPTION_H
#define KESTRIX_HOST_AUTOMATION_EDITOR_DESCRIPTION_H

#include <windows.h>

#include <string>

// Six lines: the carrier list and the payload list (the selected entry
// marked '*'), the attach button's caption, the ten fields in the plug-in's
// order, each quoted (InQuotes), and the two check boxes:
//   carriers: *Tug | Barge
//   payloads: *Probe Attached;Tug | Rock
//   button: Detach
//   fields: "1.000" "0.000" ...
//   add-forces: on
//   add-jettison-velocity: off
std::string DescribePayloadDialog(HWND dialog);

#endif
