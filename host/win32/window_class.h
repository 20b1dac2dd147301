// Registering the window classes of the host's own windows.
#ifndef KESTRIX_HOST_WIN32_WINDOW_CLASS_H
#define KESTRIX_HOST_WIN32_WINDOW_CLASS_H

#include <windows.h>

// Registers `name` for this program with the arrow cursor and `background`
// (null: the window paints every pixel itself). Nothing when it is
// registered already; false when it cannot be.
bool RegisterWindowClass(const char* name, WNDPROC procedure, HBRUSH background);

// The brush of dialog-coloured windows, for RegisterWindowClass.
HBRUSH ButtonFaceBrush();

#endif
