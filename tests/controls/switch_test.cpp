// The switch: real switches walking their click table and posting to their
// parent, and the drawing at 40 x 60 in every position.
#include <windows.h>

#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "controls/custom_controls.h"
#include "controls/switch.h"
#include "tests/controls/control_test_support.h"

namespace {

using Sent = std::vector<Notification>;
using Ops = std::vector<std::string>;

class SwitchInput : public ControlTest {
protected:
    static void Click(HWND control, int y) {
        SendMessageA(control, WM_LBUTTONDOWN, MK_LBUTTON, MousePoint(20, y));
    }
    static LONG Position(HWND control) { return GetWindowLongA(control, SWITCH_POSITION); }
};

TEST_F(SwitchInput, ClickPostsTheNewPositionWithTheControlId) {
    HWND control = CreateWindowExA(0, kSwitchClassName, "", WS_CHILD | WS_VISIBLE, 0, 0, 40, 60,
                                   parent_, reinterpret_cast<HMENU>(static_cast<INT_PTR>(0x12345)),
                                   GetModuleHandleA(nullptr), nullptr);
    ASSERT_NE(control, nullptr);
    ShowWindow(parent_, SW_SHOWNOACTIVATE);
    ValidateRect(control, nullptr);

    Click(control, 50);  // a new switch is up, two-position
    EXPECT_TRUE(TakeNotifications().empty()) << "posted, not sent";
    EXPECT_EQ(Position(control), SW_DOWN);
    EXPECT_TRUE(GetUpdateRect(control, nullptr, FALSE));
    PumpPosted();
    const Sent sent = TakeNotifications();
    EXPECT_EQ(sent, (Sent{Command(0x2345, SW_DOWN)})) << "the low word of the id";
    ASSERT_EQ(sent.size(), 1u);
    EXPECT_EQ(sent[0].positionSeen, SW_DOWN);

    ValidateRect(control, nullptr);
    Click(control, 59);  // already down
    PumpPosted();
    EXPECT_TRUE(TakeNotifications().empty());
    EXPECT_FALSE(GetUpdateRect(control, nullptr, FALSE));
}

TEST_F(SwitchInput, QueuedClicksEachCarryThePositionTheyProduced) {
    HWND control = CreateSwitch(40, 41, 7, SW_UP, SWM_THREE_POS);
    Click(control, 20);  // exactly H/2: lower half
    Click(control, 40);
    Click(control, 19);
    Click(control, 0);
    Click(control, 0);   // already up
    PumpPosted();
    const Sent sent = TakeNotifications();
    EXPECT_EQ(sent, (Sent{Command(7, SW_CENTRE), Command(7, SW_DOWN), Command(7, SW_CENTRE),
                          Command(7, SW_UP)}));
    for (const Notification& n : sent) EXPECT_EQ(n.positionSeen, SW_UP);
}

TEST_F(SwitchInput, APressReadsYUnsigned) {
    HWND control = CreateSwitch(40, 60, 3, SW_UP, 0);
    Click(control, -1);  // y word 0xFFFF: 65535, the lower half
    EXPECT_EQ(Position(control), SW_DOWN);
}

TEST_F(SwitchInput, OwnerWrittenPositionsAndBlankMode) {
    HWND control = CreateSwitch(40, 60, 9, SW_CENTRE, 0);
    Click(control, 0);
    SetWindowLongA(control, SWITCH_POSITION, SW_CENTRE);
    Click(control, 59);
    SetWindowLongA(control, SWITCH_POSITION, 5);
    Click(control, 0);
    Click(control, 59);
    EXPECT_EQ(Position(control), 5);
    SetWindowLongA(control, SWITCH_POSITION, SW_UP);
    SetWindowLongA(control, SWITCH_MODE, SWM_BLANK);
    Click(control, 59);
    PumpPosted();
    EXPECT_EQ(TakeNotifications(),
              (Sent{Command(9, SW_UP), Command(9, SW_DOWN), Command(9, SW_DOWN)}));
}

// ---- Drawing ---------------------------------------------------------------

class SwitchPaint : public testing::Test {
protected:
    void SetUp() override { RegisterCustomControls(GetModuleHandleA(nullptr)); }
    void TearDown() override { UnregisterCustomControls(GetModuleHandleA(nullptr)); }

    static Ops Paint(LONG position, LONG mode = 0) {
        return RecordDrawing([&](HDC dc) { PaintSwitch(dc, 40, 60, position, mode); });
    }
    static std::string ShadowPen() {
        const COLORREF c = GetSysColor(COLOR_BTNSHADOW);
        return "pen rgb(" + std::to_string(GetRValue(c)) + "," + std::to_string(GetGValue(c)) +
               "," + std::to_string(GetBValue(c)) + ")";
    }
    // Every part gives the context back the pen and brush it found: in a fresh
    // metafile context the black pen and the white brush. A selection of what
    // is already selected is not listed.
    // Plate, collar and hole at 40 x 60: centre 20,30, plate half side 10 and
    // radius 21, collar radius 16, hole radius 10.
    static Ops Base() {
        return {"pen white", "brush ltgray", "polygon 1,20 20,9 39,20 39,40 20,51 1,40",
                ShadowPen(), "polyline 39,20 39,40 20,51 1,40",
                "brush white", "pen black",
                "pen white", "brush ltgray", "ellipse " + Box(4, 14, 37, 47),
                "brush gray", "ellipse " + Box(10, 20, 31, 41),
                ShadowPen(), "arc " + Box(4, 14, 37, 47) + " from 10,40 to 30,20",
                "arc " + Box(10, 20, 31, 41) + " from 30,20 to 10,40",
                "brush white", "pen black"};
    }
    static Ops With(Ops ops, const Ops& lever) {
        ops.insert(ops.end(), lever.begin(), lever.end());
        return ops;
    }
};

TEST_F(SwitchPaint, EveryPositionAt40By60) {
    // Each lever is outlined in shadow. Lever half-widths 8 at the root, 10 at
    // the cap, 12 at the face; cap length 6, face half height 5.
    EXPECT_EQ(Paint(SW_UP),
              With(Base(), {ShadowPen(), "brush ltgray", "polygon 12,31 10,7 30,7 28,31",
                            "brush white", "rect " + Box(10, 7, 31, 1), "pen white",
                            "move 12,31", "line 10,7", "line 10,1", "line 30,1", "pen black"}));
    EXPECT_EQ(Paint(SW_DOWN),
              With(Base(), {ShadowPen(), "polygon 12,29 10,53 30,53 28,29", "brush ltgray",
                            "rect " + Box(10, 53, 31, 59), "pen white", "move 12,29",
                            "line 10,53", "line 10,59", "line 30,59", "brush white",
                            "pen black"}));
    const Ops centre =
        With(Base(), {ShadowPen(), "brush ltgray", "polygon 12,20 8,25 32,25 28,20",
                      "brush gray", "polygon 12,40 8,35 32,35 28,40", "brush white",
                      "rect " + Box(8, 25, 33, 36), "pen black"});
    EXPECT_EQ(Paint(SW_CENTRE), centre);
    EXPECT_EQ(Paint(5, SWM_THREE_POS), centre);
    EXPECT_EQ(Paint(-1), centre);
    EXPECT_TRUE(Paint(SW_UP, SWM_BLANK | SWM_THREE_POS).empty());
}

}  // namespace
