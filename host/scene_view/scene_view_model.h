// What the scene view shows, read from the scene's carriers as they hold it
// at the moment of the call: never from the dialog, which may show values a
// carrier refused.
#ifndef KESTRIX_HOST_SCENE_VIEW_SCENE_VIEW_MODEL_H
#define KESTRIX_HOST_SCENE_VIEW_SCENE_VIEW_MODEL_H

#include <vector>

#include "host/scene_view/scene_view_geometry.h"

class Scene;

// Every carrier of the scene in index order, each with its held payloads in
// name order. A killed carrier still holds its payloads and is shown too.
std::vector<ViewCarrier> CollectSceneView(const Scene& scene);

#endif
