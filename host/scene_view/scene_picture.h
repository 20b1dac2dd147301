// The scene view painted into memory, without a window: what the script
// action `picture FILE` writes, with the same paint as the window's.
#ifndef KESTRIX_HOST_SCENE_PICTURE_H
#define KESTRIX_HOST_SCENE_PICTURE_H

#include <windows.h>
#include <stdint.h>

#include <string>
#include <vector>

#include "host/scene_view_geometry.h"

class Scene;

// A 32-bit top-down bitmap selected into a memory context of its own.
class ScenePicture {
public:
    ScenePicture(int width, int height);
    ~ScenePicture();
    ScenePicture(const ScenePicture&) = delete;
    ScenePicture& operator=(const ScenePicture&) = delete;

    // False when the bitmap or its context could not be made.
    bool Ready() const { return bits_ != nullptr; }
    int Width() const { return width_; }
    int Height() const { return height_; }
    HDC Context() const { return dc_; }

    // At most `maxRows` rows, as PaintSceneView.
    void Paint(const std::vector<ViewCarrier>& carriers, size_t maxRows = kPictureRows);
    // Every pixel as 0x00RRGGBB, the top row first; empty when not ready.
    std::vector<uint32_t> Pixels() const;

private:
    int width_;
    int height_;
    HDC dc_ = nullptr;
    HBITMAP bitmap_ = nullptr;
    HGDIOBJ previous_ = nullptr;
    const uint32_t* bits_ = nullptr;
};

// The scene's carriers as the view shows them, kPictureWidth wide and a row
// each (up to kPictureRows), written to `path` as a BMP file. False, with
// `error` set, when it cannot be written.
bool WriteScenePicture(const Scene& scene, const std::string& path, std::string* error);

#endif
