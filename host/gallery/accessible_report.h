// What an accessibility client reads of a window, for scripts: its object
// asked for the way a screen reader asks, and the answers printed.
#ifndef KESTRIX_HOST_GALLERY_ACCESSIBLE_REPORT_H
#define KESTRIX_HOST_GALLERY_ACCESSIBLE_REPORT_H

#include <cstdio>
#include <string>

// Prints one line for the open gallery's control `id`:
//   accessible 200: role slider, name "grows right", value "30",
//   description "Range 0 to 100", state focusable
// (on one line). False, with `reason`, when there is no such control or no
// object for it.
bool ReportGalleryAccessible(int id, std::FILE* out, std::string* reason);

#endif
