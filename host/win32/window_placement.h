// Where a new window of the host goes: beside the main window and beside the
// windows already open, never over the main window if the screen has room,
// and never exactly on top of another.
#ifndef KESTRIX_HOST_WIN32_WINDOW_PLACEMENT_H
#define KESTRIX_HOST_WIN32_WINDOW_PLACEMENT_H

#include <windows.h>

#include <vector>

// The top-left corner for a window of `size` within `area` (the screen's
// work area). The places tried, in order: right of, below, left of and above
// `owner` (an empty rectangle: none), then the same beside each of `taken`,
// each moved as little as needed to lie within `area`. The first that covers
// the owner least, and of those the other windows least, wins; where it
// starts exactly where one of `taken` does, it moves `step` pixels down and
// right until it does not. False, when there is neither an owner nor a
// window taken to stand beside: the window may stay where it is.
bool PlaceBeside(const RECT& owner, const std::vector<RECT>& taken, SIZE size, const RECT& area,
                 int step, POINT* topLeft);

// The work area of the screen `window` is on (or the nearest).
RECT WorkAreaOf(HWND window);

#endif
