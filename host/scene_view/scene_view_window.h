// The scene view window: every carrier of the scene with what it holds,
// from above and from the side, redrawn whenever a carrier accepts an
// attach, a detach or new parameters, so that each arrow click in the
// dialog moves its payload here.
#ifndef KESTRIX_HOST_SCENE_VIEW_H
#define KESTRIX_HOST_SCENE_VIEW_H

#include <windows.h>

#include <string>

// Opens the view, owned by `owner` (may be null), or brings the open one
// forward. Null, with `error` set, when the window cannot be made.
HWND OpenSceneView(HWND owner, std::string* error);

// Destroys the view; nothing when it is not open.
void CloseSceneView();

// The open view, or null.
HWND SceneViewWindow();

// Has the open view redrawn, after a change no carrier was told of (a vessel
// that died or left the scene).
void RefreshSceneView();

#endif
