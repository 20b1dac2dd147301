// The scene view painted into memory: the window's back buffer, and the
// picture that `picture FILE` writes (picture_file.h), with one paint.
#ifndef KESTRIX_HOST_SCENE_VIEW_SCENE_PICTURE_H
#define KESTRIX_HOST_SCENE_VIEW_SCENE_PICTURE_H

#include <windows.h>
#include <stdint.h>

#include <vector>

#include "host/scene_view/scene_view_geometry.h"

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

#endif
