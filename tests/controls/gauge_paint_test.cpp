// The gauge's drawing, recorded through an enhanced metafile and compared
// with the coordinates of its design, and once rendered into real pixels.
#include <windows.h>

#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "controls/control_resources.h"
#include "controls/custom_controls.h"
#include "controls/gauge.h"
#include "controls/switch.h"
#include "tests/controls/control_test_support.h"

namespace {

using Ops = std::vector<std::string>;

Ops Paint(int width, int height, LONG value, LONG minimum, LONG maximum, LONG flags) {
    GaugeLongs longs;
    longs.value = value;
    longs.minimum = minimum;
    longs.maximum = maximum;
    longs.flags = flags;
    return RecordDrawing([&](HDC dc) { PaintGauge(dc, width, height, longs); });
}

Ops operator+(Ops a, const Ops& b) {
    a.insert(a.end(), b.begin(), b.end());
    return a;
}

// 100 x 20: s = 20, boxes at x 0..19 and 80..99.
const Ops kHorizontalBoxes = {
    "pen white",
    "move 0,20", "line 0,0", "line 20,0",
    "move 80,20", "line 80,0", "line 100,0",
    "pen rgb(64,64,64)",
    "move 19,0", "line 19,19", "line 0,19",
    "move 99,0", "line 99,19", "line 80,19",
    "pen black",
    "move 5,10", "line 10,5", "move 5,10", "line 10,15",     // tip a quarter in, pointing left
    "move 95,10", "line 90,5", "move 95,10", "line 90,15",   // pointing right
};

// 20 x 100: s = 20, boxes at y 0..19 and 80..99; arrows span 3/8 to 5/8.
const Ops kVerticalBoxes = {
    "pen white",
    "move 0,20", "line 0,0", "line 20,0",
    "move 0,100", "line 0,80", "line 20,80",
    "pen rgb(64,64,64)",
    "move 19,0", "line 19,19", "line 0,19",
    "move 19,80", "line 19,99", "line 0,99",
    "pen black",
    "move 10,7", "line 5,12", "move 10,7", "line 15,12",      // pointing up
    "move 10,93", "line 5,88", "move 10,93", "line 15,88",    // pointing down
};

// The context gets its own pen and brush back: in a fresh metafile context the
// black pen (already selected after the arrows) and the white brush.
const Ops kGivenBack = {"brush white"};

// The shadow pen and red brush exist only while the classes are registered.
class GaugePaint : public testing::Test {
protected:
    void SetUp() override { RegisterCustomControls(GetModuleHandleA(nullptr)); }
    void TearDown() override { UnregisterCustomControls(GetModuleHandleA(nullptr)); }
};

TEST_F(GaugePaint, EachLayoutDrawsItsBoxesArrowsBarAndTrack) {
    // Value 25 of 0..100 on a track of 60: a bar of 15 from the layout's end.
    EXPECT_EQ(Paint(100, 20, 25, 0, 100, 0),
              (kHorizontalBoxes + Ops{"brush black", "rect " + Box(20, 0, 35, 20), "brush null",
                                     "rect " + Box(20, 0, 80, 20)} + kGivenBack));
    EXPECT_EQ(Paint(100, 20, 25, 0, 100, GF_REVERSED),
              (kHorizontalBoxes + Ops{"brush black", "rect " + Box(80, 0, 65, 20), "brush null",
                                     "rect " + Box(20, 0, 80, 20)} + kGivenBack));
    EXPECT_EQ(Paint(20, 100, 25, 0, 100, GF_VERTICAL),
              (kVerticalBoxes + Ops{"brush black", "rect " + Box(0, 20, 20, 35), "brush null",
                                   "rect " + Box(0, 20, 20, 80)} + kGivenBack));
    EXPECT_EQ(Paint(20, 100, 25, 0, 100, GF_VERTICAL | GF_REVERSED | GF_RED),
              (kVerticalBoxes + Ops{"brush rgb(255,0,0)", "rect " + Box(0, 80, 20, 65),
                                   "brush null", "rect " + Box(0, 20, 20, 80)} + kGivenBack));
}

TEST_F(GaugePaint, BarOnlyForARangeAndNeverOutsideTheTrack) {
    const Ops trackOnly =
        Ops{"brush black", "brush null", "rect " + Box(20, 0, 80, 20)} + kGivenBack;
    EXPECT_EQ(Paint(100, 20, 0, 0, 0, 0), kHorizontalBoxes + trackOnly);  // a fresh gauge
    EXPECT_EQ(Paint(100, 20, 50, 100, 0, 0), kHorizontalBoxes + trackOnly);

    // Values the owner wrote outside the range are drawn as the nearer bound.
    EXPECT_EQ(Paint(100, 20, 250, 0, 100, 0),
              (kHorizontalBoxes + Ops{"brush black", "rect " + Box(20, 0, 80, 20), "brush null",
                                     "rect " + Box(20, 0, 80, 20)} + kGivenBack));
    // Below the range: an empty bar at the reversed end, if anything is drawn.
    for (const std::string& op : Paint(100, 20, -250, 0, 100, GF_REVERSED)) {
        if (op.rfind("rect", 0) != 0) continue;
        EXPECT_TRUE(op == "rect " + Box(80, 0, 80, 20) || op == "rect " + Box(20, 0, 80, 20)) << op;
    }

    // Too short for a track: boxes and arrows only.
    const Ops stub = Paint(40, 20, 50, 0, 100, 0);
    ASSERT_GE(stub.size(), 3u);
    EXPECT_EQ(Ops(stub.end() - 3, stub.end()), (Ops{"brush black", "brush null"} + kGivenBack));
    for (const std::string& op : stub) EXPECT_NE(op.rfind("rect", 0), 0u) << op;
}

// What the shared pens and brushes rely on: after a paint of either control
// the context holds its own pen and brush again, whatever they were.
TEST_F(GaugePaint, BothControlsGiveTheContextBackItsPenAndBrush) {
    HDC dc = CreateCompatibleDC(nullptr);
    HPEN pen = CreatePen(PS_DASH, 1, RGB(1, 2, 3));
    HBRUSH brush = CreateSolidBrush(RGB(4, 5, 6));
    HGDIOBJ oldPen = SelectObject(dc, pen);
    HGDIOBJ oldBrush = SelectObject(dc, brush);
    GaugeLongs red;
    red.maximum = 100;
    red.flags = GF_RED;
    PaintGauge(dc, 100, 20, red);
    EXPECT_EQ(GetCurrentObject(dc, OBJ_PEN), pen);
    EXPECT_EQ(GetCurrentObject(dc, OBJ_BRUSH), brush);
    for (LONG position : {SW_UP, SW_DOWN, SW_CENTRE}) {
        PaintSwitch(dc, 40, 60, position, 0);
        EXPECT_EQ(GetCurrentObject(dc, OBJ_PEN), pen) << position;
        EXPECT_EQ(GetCurrentObject(dc, OBJ_BRUSH), brush) << position;
    }
    SelectObject(dc, oldPen);
    SelectObject(dc, oldBrush);
    DeleteObject(pen);
    DeleteObject(brush);
    DeleteDC(dc);
}

}  // namespace
