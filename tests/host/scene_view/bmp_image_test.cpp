// The BMP bytes a picture is written as: header fields, the bottom-up rows
// and their padding, which a reader needs exactly.
#include <stdint.h>

#include <vector>

#include <gtest/gtest.h>

#include "host/scene_view/bmp_image.h"

namespace {

uint32_t Read32(const std::vector<uint8_t>& b, size_t at) {
    return b[at] | b[at + 1] << 8 | b[at + 2] << 16 | static_cast<uint32_t>(b[at + 3]) << 24;
}

TEST(BmpImage, WritesBottomUpRowsPaddedToFourBytes) {
    // 2 x 2: rows of 6 bytes padded to 8; the top row comes last.
    const std::vector<uint8_t> b = EncodeBmp(2, 2, {0x112233, 0x445566, 0x778899, 0xAABBCC});
    ASSERT_EQ(b.size(), 54u + 16u);
    EXPECT_EQ(b[0], 'B');
    EXPECT_EQ(b[1], 'M');
    EXPECT_EQ(Read32(b, 2), 70u);
    EXPECT_EQ(Read32(b, 10), 54u);
    EXPECT_EQ(Read32(b, 18), 2u);
    EXPECT_EQ(Read32(b, 22), 2u);
    EXPECT_EQ(b[28], 24);
    const std::vector<uint8_t> rows(b.begin() + 54, b.end());
    EXPECT_EQ(rows, (std::vector<uint8_t>{0x99, 0x88, 0x77, 0xCC, 0xBB, 0xAA, 0, 0,
                                          0x33, 0x22, 0x11, 0x66, 0x55, 0x44, 0, 0}));
}

TEST(BmpImage, RefusesSizesThePixelsDoNotMatch) {
    EXPECT_TRUE(EncodeBmp(0, 1, {}).empty());
    EXPECT_TRUE(EncodeBmp(-1, -1, {0}).empty());
    EXPECT_TRUE(EncodeBmp(2, 2, {1, 2, 3}).empty());
    EXPECT_TRUE(EncodeBmp(1 << 20, 1 << 20, {}).empty());
    EXPECT_EQ(EncodeBmp(1, 1, {0}).size(), 58u);
}

}  // namespace
