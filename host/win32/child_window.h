// A child window as the host's windows make their labels, lists, buttons
// and the plug-in's controls.
#ifndef KESTRIX_HOST_WIN32_CHILD_WINDOW_H
#define KESTRIX_HOST_WIN32_CHILD_WINDOW_H

#include <windows.h>

// A visible child of class `cls` with control id `id`, in the default GUI
// font, made for `instance` (null: this program's). Null when it cannot be made.
HWND AddChild(HWND parent, const char* cls, const char* text, DWORD style, int x, int y,
              int width, int height, int id, HINSTANCE instance = nullptr);

#endif
