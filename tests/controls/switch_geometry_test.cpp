// The switch's sizes and click table on plain values.
#include <gtest/gtest.h>

#include "controls/control_longs.h"
#include "controls/switch_geometry.h"

namespace {

TEST(SwitchGeometry, SizesDeriveFromTheWidthAndTheCentreFromBoth) {
    const SwitchGeometry g = MeasureSwitch(40, 60);
    EXPECT_EQ(g.cx, 20);
    EXPECT_EQ(g.cy, 30);
    EXPECT_EQ(g.plateHalfSide, 10);
    EXPECT_EQ(g.plateRadius, 21);
    EXPECT_EQ(g.collarRadius, 16);
    EXPECT_EQ(g.holeRadius, 10);
    EXPECT_EQ(g.faceHalfHeight, 5);
    EXPECT_EQ(g.capLength, 6);
    EXPECT_EQ(g.rootHalfWidth, 8);
    EXPECT_EQ(g.capHalfWidth, 10);
    EXPECT_EQ(g.faceHalfWidth, 12);
    const SwitchGeometry empty = MeasureSwitch(0, 0);
    EXPECT_EQ(empty.plateHalfSide, 0);  // (cx - 1) x 0.57735 truncates toward zero
    EXPECT_EQ(empty.plateRadius, -1);
    // A whole product stays whole: 20000 x 0.57735 is 11547, not one short.
    const SwitchGeometry wide = MeasureSwitch(40002, 10);
    EXPECT_EQ(wide.plateHalfSide, 11547);
    EXPECT_EQ(wide.plateRadius, 23094);
}

TEST(SwitchGeometry, HalfHeightBelongsToTheLowerHalf) {
    EXPECT_TRUE(IsUpperHalf(19, 41));
    EXPECT_FALSE(IsUpperHalf(20, 41));
    EXPECT_FALSE(IsUpperHalf(30, 60));
    EXPECT_TRUE(IsUpperHalf(29, 60));
}

TEST(SwitchGeometry, ClicksMoveOnePositionThroughTheCentreInThreePositionMode) {
    struct Case {
        int32_t from, mode;
        bool upper;
        bool moves;
        int32_t to;
    } cases[] = {
        {SW_UP, 0, true, false, 0},           {SW_UP, 0, false, true, SW_DOWN},
        {SW_DOWN, 0, true, true, SW_UP},      {SW_DOWN, 0, false, false, 0},
        {SW_CENTRE, 0, true, true, SW_UP},    {SW_CENTRE, 0, false, true, SW_DOWN},
        {SW_UP, SWM_THREE_POS, false, true, SW_CENTRE},
        {SW_DOWN, SWM_THREE_POS, true, true, SW_CENTRE},
        {SW_CENTRE, SWM_THREE_POS, false, true, SW_DOWN},
        {5, 0, true, false, 0},               {-1, SWM_THREE_POS, false, false, 0},
    };
    for (const Case& c : cases) {
        int32_t next = -99;
        EXPECT_EQ(NextSwitchPosition(c.from, c.mode, c.upper, &next), c.moves)
            << c.from << " " << c.mode << " " << c.upper;
        if (c.moves) {
            EXPECT_EQ(next, c.to);
        }
    }
}

}  // namespace
