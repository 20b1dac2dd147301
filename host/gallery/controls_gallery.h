// The controls gallery: the plug-in's gauges in all four layouts and its
// switches in both modes, each writing what it sends its parent into a log.
// A developer of a host dialog looks here before using the controls.
#ifndef KESTRIX_HOST_GALLERY_CONTROLS_GALLERY_H
#define KESTRIX_HOST_GALLERY_CONTROLS_GALLERY_H

#include <windows.h>

#include <string>
#include <vector>

// Opens the gallery, owned by `owner` (may be null), or brings the open one
// forward. Its controls are windows of the loaded plug-in's classes. Null,
// with `error` set, when no plug-in is loaded or its classes are missing.
// The host's windows keep it (exports/host_windows.h), so that it closes with
// the dialogs, before the plug-in, which cannot unregister a class while
// windows of it exist, is unloaded.
HWND OpenControlsGallery(HWND owner, std::string* error);

// The open gallery, or null.
HWND ControlsGalleryWindow();

// One line per control, read back from its window longs:
//   gallery: gauge 200 "grows right" flags=0x00 min=0 max=100 value=30
//   gallery: switch 210 "two positions" mode=0x00 position=0 (up)
std::string DescribeControlsGallery();

// The log, oldest line first:
//   grows right: WM_HSCROLL SB_THUMBTRACK, HIWORD 42, GAUGE_VALUE 42
//   three positions: WM_COMMAND id 211, lParam 2 (centre)
std::vector<std::string> ControlsGalleryLog();

#endif
