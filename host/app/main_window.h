// Interactive mode: the host's main window and message loop.
#ifndef KESTRIX_HOST_APP_MAIN_WINDOW_H
#define KESTRIX_HOST_APP_MAIN_WINDOW_H

#include <windows.h>

// Shows the scene's vessels and the registered custom commands; running a
// command calls its callback. Returns when the window is closed; false when
// no window could be created (no display).
bool RunMainWindow(HINSTANCE instance);

#endif
