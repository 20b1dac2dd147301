#include "host/scene_view/scene_picture.h"

#include "host/scene_view/scene_view_paint.h"

ScenePicture::ScenePicture(int width, int height) : width_(width), height_(height) {
    if (width <= 0 || height <= 0) return;
    BITMAPINFO info = {};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height;  // top-down
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    bitmap_ = CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    dc_ = CreateCompatibleDC(nullptr);
    if (bitmap_ == nullptr || dc_ == nullptr || bits == nullptr) return;
    previous_ = SelectObject(dc_, bitmap_);
    if (previous_ != nullptr) bits_ = static_cast<const uint32_t*>(bits);
}

ScenePicture::~ScenePicture() {
    if (previous_ != nullptr) SelectObject(dc_, previous_);
    if (dc_ != nullptr) DeleteDC(dc_);
    if (bitmap_ != nullptr) DeleteObject(bitmap_);
}

void ScenePicture::Paint(const std::vector<ViewCarrier>& carriers, size_t maxRows) {
    if (!Ready()) return;
    PaintSceneView(dc_, width_, height_, carriers, maxRows);
    GdiFlush();  // the bits are read directly next
}

std::vector<uint32_t> ScenePicture::Pixels() const {
    std::vector<uint32_t> pixels;
    if (!Ready()) return pixels;
    const size_t count = static_cast<size_t>(width_) * static_cast<size_t>(height_);
    pixels.assign(bits_, bits_ + count);
    for (uint32_t& p : pixels) p &= 0x00FFFFFFu;  // the unused byte of a 32-bit DIB
    return pixels;
}
