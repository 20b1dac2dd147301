#include "host/scene_view/bmp_image.h"

#include <stddef.h>

namespace {

const size_t kFileHeader = 14;
const size_t kInfoHeader = 40;

void Put16(std::vector<uint8_t>& out, size_t at, uint32_t v) {
    out[at] = static_cast<uint8_t>(v);
    out[at + 1] = static_cast<uint8_t>(v >> 8);
}

void Put32(std::vector<uint8_t>& out, size_t at, uint32_t v) {
    Put16(out, at, v & 0xFFFFu);
    Put16(out, at + 2, v >> 16);
}

}  // namespace

std::vector<uint8_t> EncodeBmp(int width, int height, const std::vector<uint32_t>& pixels) {
    std::vector<uint8_t> out;
    // Far below the format's limit, so that no size below can overflow.
    const int kLargestSide = 1 << 14;
    if (width <= 0 || height <= 0 || width > kLargestSide || height > kLargestSide) return out;
    const size_t w = static_cast<size_t>(width), h = static_cast<size_t>(height);
    if (pixels.size() != w * h) return out;
    const size_t stride = (w * 3 + 3) / 4 * 4;
    const size_t offset = kFileHeader + kInfoHeader;
    const size_t size = offset + stride * h;
    out.assign(size, 0);
    out[0] = 'B';
    out[1] = 'M';
    Put32(out, 2, static_cast<uint32_t>(size));
    Put32(out, 10, static_cast<uint32_t>(offset));
    Put32(out, 14, static_cast<uint32_t>(kInfoHeader));
    Put32(out, 18, static_cast<uint32_t>(width));
    Put32(out, 22, static_cast<uint32_t>(height));  // positive: bottom-up
    Put16(out, 26, 1);                               // planes
    Put16(out, 28, 24);                              // bits a pixel
    Put32(out, 34, static_cast<uint32_t>(stride * h));
    Put32(out, 38, 2835);  // 72 dots an inch, in dots a metre
    Put32(out, 42, 2835);
    for (size_t row = 0; row < h; ++row) {
        const uint32_t* source = &pixels[(h - 1 - row) * w];
        uint8_t* target = &out[offset + row * stride];
        for (size_t x = 0; x < w; ++x) {
            target[3 * x] = static_cast<uint8_t>(source[x]);              // blue
            target[3 * x + 1] = static_cast<uint8_t>(source[x] >> 8);     // green
            target[3 * x + 2] = static_cast<uint8_t>(source[x] >> 16);    // red
        }
    }
    return out;
}
