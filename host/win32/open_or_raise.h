// The host's tool windows (the controls gallery, the scene view) are one of
// a kind: asked for again, the open one comes forward.
#ifndef KESTRIX_HOST_WIN32_OPEN_OR_RAISE_H
#define KESTRIX_HOST_WIN32_OPEN_OR_RAISE_H

#include <windows.h>

#include <functional>

// This thread's top-level window of class `cls`, or null.
HWND FindThreadWindow(const char* cls);

// That window, shown and brought forward; or, when there is none, the one
// `create` makes, shown. Null when `create` could make none.
HWND OpenOrRaise(const char* cls, const std::function<HWND()>& create);

#endif
