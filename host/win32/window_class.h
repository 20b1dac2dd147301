// Registering the window classes of the host's own windows.
#ifndef KESTRIX_HOST_WIN32_WINDOW_CLASS_H
#define KESTRIX_HOST_WIN32_WINDOW_CLASS_H

#include <windows.h>

// Registers `name` for this program with the arrow cursor and `background`
// (null: the window paints every pixel itself). Nothing when it is
// registered already; false when it cannot be. `windowExtra` bytes are
// kept with each window: DLGWINDOWEXTRA for a window whose procedure hands
// what it does not handle to DefDlgProc, as a dialog's does.
bool RegisterWindowClass(const char* name, WNDPROC procedure, HBRUSH background,
                         int windowExtra = 0);

// The brush of dialog-coloured windows, for RegisterWindowClass.
HBRUSH ButtonFaceBrush();

#endif
