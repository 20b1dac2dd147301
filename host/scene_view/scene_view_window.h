// The scene view window: every carrier of a scene with what it holds, from
// above and from the side, redrawn whenever a carrier accepts an attach, a
// detach or new parameters, and when a vessel dies or leaves the scene, so
// that each arrow click in the dialog moves its payload here.
#ifndef KESTRIX_HOST_SCENE_VIEW_SCENE_VIEW_WINDOW_H
#define KESTRIX_HOST_SCENE_VIEW_SCENE_VIEW_WINDOW_H

#include <windows.h>

#include <string>

class Scene;

// Opens the view of `scene`, owned by `owner` (may be null), or brings the
// open one forward. Null, with `error` set, when the window cannot be made.
// The scene must outlive the window; whoever opens it closes it.
HWND OpenSceneView(Scene& scene, HWND owner, std::string* error);

// The open view, or null.
HWND SceneViewWindow();

#endif
