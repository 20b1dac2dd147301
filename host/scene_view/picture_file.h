// The scene view as a BMP file, with or without a display: what the script
// action `picture FILE` writes.
#ifndef KESTRIX_HOST_SCENE_VIEW_PICTURE_FILE_H
#define KESTRIX_HOST_SCENE_VIEW_PICTURE_FILE_H

#include <string>

class Scene;

// The scene's carriers as the view shows them, kPictureWidth wide and a row
// each (up to kPictureRows), written to `path` as a BMP file. False, with
// `error` set, when it cannot be written.
bool WriteScenePicture(const Scene& scene, const std::string& path, std::string* error);

#endif
