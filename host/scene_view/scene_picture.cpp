#include "host/scene_picture.h"

#include <cerrno>
#include <cstdio>
#include <cstring>

#include "host/bmp_image.h"
#include "host/message_text.h"
#include "host/scene_view_model.h"
#include "host/scene_view_paint.h"

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

bool WriteScenePicture(const Scene& scene, const std::string& path, std::string* error) {
    const std::vector<ViewCarrier> carriers = CollectSceneView(scene);
    ScenePicture picture(kPictureWidth, ScenePictureHeight(carriers.size()));
    if (!picture.Ready()) {
        *error = "cannot make a bitmap for the picture";
        return false;
    }
    picture.Paint(carriers);
    const std::vector<uint8_t> bytes =
        EncodeBmp(picture.Width(), picture.Height(), picture.Pixels());
    std::FILE* file = std::fopen(path.c_str(), "wb");
    if (file == nullptr) {
        *error = "cannot write picture " + InQuotes(path) + ": " + std::strerror(errno);
        return false;
    }
    const bool written = std::fwrite(bytes.data(), 1, bytes.size(), file) == bytes.size();
    const bool closed = std::fclose(file) == 0;
    if (!written || !closed) {
        *error = "cannot write picture " + InQuotes(path) + ": the disk refused it";
        return false;
    }
    return true;
}
