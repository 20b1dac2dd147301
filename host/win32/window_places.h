// Where each of the host's tool windows (the controls gallery, the scene
// view) stood when it last closed, kept for the rest of the session, so
// that the window opens there again.
#ifndef KESTRIX_HOST_WIN32_WINDOW_PLACES_H
#define KESTRIX_HOST_WIN32_WINDOW_PLACES_H

#include <windows.h>

// Remembers the window's place and size under its class name; called as it
// is destroyed. Nothing for a minimised window.
void RememberPlace(HWND window);

// Moves the window to where the last one of its class stood, and gives it
// that size. False when none has been remembered.
bool ReturnToPlace(HWND window);

// Forgets every place, as a new session starts.
void ForgetPlaces();

#endif
