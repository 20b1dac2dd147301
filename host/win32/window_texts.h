// A window's class name and its text, as strings.
#ifndef KESTRIX_HOST_WIN32_WINDOW_TEXTS_H
#define KESTRIX_HOST_WIN32_WINDOW_TEXTS_H

#include <windows.h>

#include <string>

// Empty for a window that is gone.
std::string WindowClassOf(HWND window);
std::string WindowTextOf(HWND window);

#endif
