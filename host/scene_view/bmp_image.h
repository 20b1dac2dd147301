// A picture as the bytes of a BMP file: 24 bits a pixel, rows bottom-up and
// padded to four bytes, as every reader of the format expects.
#ifndef KESTRIX_HOST_SCENE_VIEW_BMP_IMAGE_H
#define KESTRIX_HOST_SCENE_VIEW_BMP_IMAGE_H

#include <stdint.h>

#include <vector>

// `pixels` holds width x height values 0x00RRGGBB, the top row first. Empty
// when the sizes are not positive, the pixels are not that many, or the file
// would not fit the format's 32-bit sizes.
std::vector<uint8_t> EncodeBmp(int width, int height, const std::vector<uint32_t>& pixels);

#endif
