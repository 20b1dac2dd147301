// The host's main window: the scene's vessels, the registered custom
// commands, and buttons that run the selected command and open the controls
// gallery and the scene view. It takes the keyboard as a dialog does: Tab
// moves between its controls, Enter presses the focused button (or runs the
// selected command), Escape does nothing.
#ifndef KESTRIX_HOST_MAIN_WINDOW_MAIN_WINDOW_H
#define KESTRIX_HOST_MAIN_WINDOW_MAIN_WINDOW_H

#include <windows.h>

// Makes and shows the main window as the owner of every window the host
// opens beside it, with the keyboard focus on the list of commands. Null
// when no window could be made.
HWND OpenMainWindow(HINSTANCE instance);

// Opens the main window and runs the host's message loop until it closes,
// every window of the host taking its keys as a dialog does. False when no
// window could be made (no display).
bool RunMainWindow(HINSTANCE instance);

#endif
