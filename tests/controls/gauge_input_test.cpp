// A real gauge under the mouse: what its parent hears, in order, for presses
// in the arrow boxes with timer ticks (sent directly), presses and drags in
// the track, and releases; and what stays in its flags.
#include <windows.h>

#include <vector>

#include <gtest/gtest.h>

#include "controls/custom_controls.h"
#include "tests/controls/control_test_support.h"

namespace {

using Sent = std::vector<Notification>;

WORD Low16(LONG value) { return static_cast<WORD>(static_cast<DWORD>(value) & 0xFFFFu); }

class GaugeInput : public ControlTest {
protected:
    void SetUp() override {
        ControlTest::SetUp();
        ShowWindow(parent_, SW_SHOWNOACTIVATE);
    }
    void TearDown() override {
        if (other_ != nullptr) DestroyWindow(other_);
        ReleaseCapture();
        ControlTest::TearDown();
    }

    static void Press(HWND g, int x, int y) {
        SendMessageA(g, WM_LBUTTONDOWN, MK_LBUTTON, MousePoint(x, y));
    }
    static void Move(HWND g, int x, int y) {
        SendMessageA(g, WM_MOUSEMOVE, MK_LBUTTON, MousePoint(x, y));
    }
    static void Release(HWND g, int x = 0, int y = 0) {
        SendMessageA(g, WM_LBUTTONUP, 0, MousePoint(x, y));
    }
    static void Tick(HWND g, int times = 1) {
        for (int i = 0; i < times; ++i) SendMessageA(g, WM_TIMER, 1, 0);
    }
    static LRESULT State(HWND g) { return SendMessageA(g, BM_GETSTATE, 0, 0); }
    static LONG Value(HWND g) { return GetWindowLongA(g, GAUGE_VALUE); }
    static LONG Flags(HWND g) { return GetWindowLongA(g, GAUGE_FLAGS); }
    static bool NeedsPaint(HWND g) { return GetUpdateRect(g, nullptr, FALSE) != FALSE; }
    // KillTimer answers whether the repeat timer was running, and stops it.
    static bool RepeatTimerRan(HWND g) { return KillTimer(g, 1) != FALSE; }

    HWND Other() {
        other_ = CreateWindowExA(0, "STATIC", "", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr,
                                 GetModuleHandleA(nullptr), nullptr);
        return other_;
    }

    HWND other_ = nullptr;
};

TEST_F(GaugeInput, ArrowBoxStepsOnEveryTickFromTheFirstAndStopsAtTheBound) {
    HWND g = CreateGauge(100, 20, 0, 100, 100, 0);
    ValidateRect(g, nullptr);

    Press(g, 90, 10);  // right box: up, already at the maximum
    EXPECT_TRUE(TakeNotifications().empty()) << "nothing is sent at the press";
    EXPECT_EQ(State(g), GR_STEP_UP);
    EXPECT_EQ(GetCapture(), g);
    Tick(g, 2);
    EXPECT_EQ(TakeNotifications(),
              (Sent{Scroll(SB_LINERIGHT, 100, g), Scroll(SB_LINERIGHT, 100, g)}));
    EXPECT_EQ(Value(g), 100);
    EXPECT_TRUE(NeedsPaint(g)) << "a tick at the bound still repaints";

    ValidateRect(g, nullptr);
    Release(g);
    EXPECT_TRUE(TakeNotifications().empty()) << "nothing is sent at the release";
    EXPECT_FALSE(NeedsPaint(g));
    EXPECT_EQ(State(g), GR_IDLE);
    EXPECT_EQ(Flags(g), 0);
    EXPECT_EQ(GetCapture(), nullptr);
    EXPECT_FALSE(RepeatTimerRan(g)) << "the release stops the timer";

    Press(g, 0, 0);  // left box: down
    EXPECT_TRUE(RepeatTimerRan(g));
    EXPECT_EQ(State(g), GR_STEP_DOWN);
    Tick(g, 3);
    EXPECT_EQ(TakeNotifications(), (Sent{Scroll(SB_LINELEFT, 99, g), Scroll(SB_LINELEFT, 98, g),
                                         Scroll(SB_LINELEFT, 97, g)}));
    Release(g);
    Tick(g);
    EXPECT_TRUE(TakeNotifications().empty()) << "an idle gauge ignores ticks";
}

TEST_F(GaugeInput, ReversedAndVerticalLayoutsStepByTheirEndsAndStillScrollHorizontally) {
    const LONG owner = GF_REVERSED | GF_RED | 0x100;
    HWND reversed = CreateGauge(100, 20, 0, 100, 50, owner);
    Press(reversed, 5, 10);  // left box steps up when reversed
    Tick(reversed);
    Release(reversed);
    Press(reversed, 95, 10);
    Tick(reversed);
    Release(reversed);
    EXPECT_EQ(Flags(reversed), owner) << "the release keeps the owner's bits";

    HWND vertical = CreateGauge(20, 100, 0, 100, 50, GF_VERTICAL);
    Press(vertical, 90, 5);  // top box, whatever x is
    Tick(vertical);
    Release(vertical);
    Press(vertical, 0, 95);
    Tick(vertical);
    Release(vertical);

    HWND up = CreateGauge(20, 100, 0, 100, 50, GF_VERTICAL | GF_REVERSED);
    Press(up, 10, 5);
    Tick(up);
    Release(up);

    EXPECT_EQ(TakeNotifications(),
              (Sent{Scroll(SB_LINERIGHT, 51, reversed), Scroll(SB_LINELEFT, 50, reversed),
                    Scroll(SB_LINELEFT, 49, vertical), Scroll(SB_LINERIGHT, 50, vertical),
                    Scroll(SB_LINERIGHT, 51, up)}));
}

TEST_F(GaugeInput, ArrowBoxHeldAtEitherBoundKeepsValueAndReportsInEitherLayout) {
    // A minimum off zero and below it, so a step past it shows in the low 16 bits.
    HWND normal = CreateGauge(100, 20, -3, 7, -3, 0);
    HWND reversed = CreateGauge(100, 20, -3, 7, -3, GF_REVERSED);
    for (HWND g : {normal, reversed}) {
        const bool isReversed = g == reversed;
        Press(g, isReversed ? 95 : 5, 10);  // the box that steps down
        EXPECT_EQ(State(g), GR_STEP_DOWN);
        Tick(g, 3);
        Release(g);
        EXPECT_EQ(Value(g), -3);
        SetWindowLongA(g, GAUGE_VALUE, 7);
        Press(g, isReversed ? 5 : 95, 10);  // the box that steps up
        EXPECT_EQ(State(g), GR_STEP_UP);
        Tick(g, 3);
        Release(g);
        EXPECT_EQ(Value(g), 7);
    }
    const Notification normalAtMin = Scroll(SB_LINELEFT, Low16(-3), normal);
    const Notification normalAtMax = Scroll(SB_LINERIGHT, 7, normal);
    const Notification reversedAtMin = Scroll(SB_LINELEFT, Low16(-3), reversed);
    const Notification reversedAtMax = Scroll(SB_LINERIGHT, 7, reversed);
    EXPECT_EQ(TakeNotifications(),
              (Sent{normalAtMin, normalAtMin, normalAtMin, normalAtMax, normalAtMax, normalAtMax,
                    reversedAtMin, reversedAtMin, reversedAtMin, reversedAtMax, reversedAtMax,
                    reversedAtMax}));
}

TEST_F(GaugeInput, TrackPressAndEveryDragMoveSetAndReportTheValue) {
    HWND g = CreateGauge(100, 20, 0, 100, 40, 0);  // track x 20..79, L 60
    Press(g, 20, 10);
    EXPECT_EQ(State(g), GR_IDLE);
    EXPECT_EQ(Flags(g), GF_DRAG);
    EXPECT_EQ(GetCapture(), g);
    EXPECT_FALSE(RepeatTimerRan(g)) << "dragging runs no timer";
    Move(g, 79, 3);    // last track pixel: below the maximum
    Move(g, 79, 3);    // reported again, unchanged
    Move(g, 80, 50);   // into the right box: the maximum
    Move(g, -5, -3);   // left of the control: the minimum
    Move(g, 500, 10);
    Release(g);
    Move(g, 50, 10);   // no longer dragging
    EXPECT_EQ(TakeNotifications(),
              (Sent{Scroll(SB_THUMBTRACK, 0, g), Scroll(SB_THUMBTRACK, 98, g),
                    Scroll(SB_THUMBTRACK, 98, g), Scroll(SB_THUMBTRACK, 100, g),
                    Scroll(SB_THUMBTRACK, 0, g), Scroll(SB_THUMBTRACK, 100, g)}));
    EXPECT_EQ(Value(g), 100);
    EXPECT_EQ(Flags(g), 0);

    HWND reversed = CreateGauge(100, 20, -10, 50, 0, GF_REVERSED);
    Press(reversed, 20, 10);  // first pixel: the maximum
    Move(reversed, 79, 10);   // last pixel: one L-th above the minimum
    Move(reversed, -32768, 0);
    Release(reversed);
    HWND vertical = CreateGauge(20, 100, 0, 60, 0, GF_VERTICAL);
    Press(vertical, 15, 50);
    Move(vertical, -100, 80);  // only y counts
    Move(vertical, 5, -1);
    Release(vertical);
    EXPECT_EQ(TakeNotifications(),
              (Sent{Scroll(SB_THUMBTRACK, 50, reversed), Scroll(SB_THUMBTRACK, Low16(-9), reversed),
                    Scroll(SB_THUMBTRACK, 50, reversed), Scroll(SB_THUMBTRACK, 30, vertical),
                    Scroll(SB_THUMBTRACK, 60, vertical), Scroll(SB_THUMBTRACK, 0, vertical)}));
}

TEST_F(GaugeInput, APressReadsItsWordsUnsignedWhereADragReadsThemSigned) {
    HWND g = CreateGauge(100, 20, 0, 100, 50, 0);
    Press(g, -1, 10);  // x word 0xFFFF: 65535, beyond the right box
    EXPECT_EQ(State(g), GR_STEP_UP);
    Release(g);
    HWND vertical = CreateGauge(20, 100, 0, 100, 50, GF_VERTICAL);
    Press(vertical, 10, -1);
    EXPECT_EQ(State(vertical), GR_STEP_UP);
    Release(vertical);
}

TEST_F(GaugeInput, EmptyRangeOrNoTrackLeavesTheValueButStillReportsIt) {
    HWND empty = CreateGauge(100, 20, 5, 5, 9, 0);
    ValidateRect(empty, nullptr);
    Press(empty, 50, 10);
    Move(empty, 70, 10);
    Release(empty);
    EXPECT_EQ(Value(empty), 9);
    EXPECT_FALSE(NeedsPaint(empty));

    // Shrunk while the button is held, until the track has no positions.
    HWND shrunk = CreateGauge(100, 20, 0, 100, 0, 0);
    Press(shrunk, 50, 10);
    SetWindowPos(shrunk, nullptr, 0, 0, 40, 20, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    Move(shrunk, 30, 10);
    SetWindowPos(shrunk, nullptr, 0, 0, 30, 20, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    Move(shrunk, 100, 10);
    Release(shrunk);
    EXPECT_EQ(TakeNotifications(),
              (Sent{Scroll(SB_THUMBTRACK, 9, empty), Scroll(SB_THUMBTRACK, 9, empty),
                    Scroll(SB_THUMBTRACK, 50, shrunk), Scroll(SB_THUMBTRACK, 50, shrunk),
                    Scroll(SB_THUMBTRACK, 50, shrunk)}));
}

TEST_F(GaugeInput, NotificationCarriesTheLow16BitsOfTheValue) {
    HWND g = CreateGauge(100, 20, -70000, 65541, 65541, 0);
    Press(g, 95, 10);
    Tick(g);
    Release(g);
    SetWindowLongA(g, GAUGE_VALUE, -1);
    Press(g, 5, 10);
    Tick(g);
    Release(g);
    EXPECT_EQ(TakeNotifications(),
              (Sent{Scroll(SB_LINERIGHT, 5, g), Scroll(SB_LINELEFT, 0xFFFE, g)}));
}

TEST_F(GaugeInput, SecondPressWithoutReleaseAddsItsBitsAndBothDirectionsStepNothing) {
    HWND g = CreateGauge(100, 20, 0, 100, 50, GF_RED);
    Press(g, 5, 10);
    Press(g, 95, 10);  // the first release was lost
    EXPECT_EQ(Flags(g), GF_RED | GF_DRAG | GF_STEP_DOWN | GF_STEP_UP);
    EXPECT_EQ(State(g), GR_STEP_BOTH);
    // Both press bits read as a track press, here in the right box.
    EXPECT_EQ(TakeNotifications(), (Sent{Scroll(SB_THUMBTRACK, 100, g)}));
    Tick(g, 2);
    EXPECT_TRUE(TakeNotifications().empty());

    Release(g);
    EXPECT_EQ(Flags(g), GF_RED);
    EXPECT_EQ(GetCapture(), nullptr) << "the gauge must not hand the capture back to itself";
}

TEST_F(GaugeInput, EachGaugeStopsItsOwnTimerAtItsReleaseWhateverOtherGaugesDid) {
    HWND a = CreateGauge(100, 20, 0, 100, 10, 0);
    HWND b = CreateGauge(100, 20, 0, 100, 10, 0);
    Press(a, 95, 10);
    Press(b, 95, 10);
    Release(b);
    Release(a);
    EXPECT_FALSE(RepeatTimerRan(a));
    EXPECT_FALSE(RepeatTimerRan(b));
    EXPECT_EQ(Flags(a), 0);
}

TEST_F(GaugeInput, CaptureLostMidStepStopsTheTimerAndAnEarlierOwnerGetsItBackOnce) {
    HWND a = CreateGauge(100, 20, 0, 100, 10, 0);
    HWND b = CreateGauge(100, 20, 0, 100, 10, 0);
    HWND owner = Other();
    Press(a, 5, 10);
    SetCapture(owner);
    EXPECT_FALSE(RepeatTimerRan(a)) << "losing the capture stops the timer";
    Tick(a, 2);  // ticks already queued still step as before
    EXPECT_EQ(TakeNotifications(), (Sent{Scroll(SB_LINELEFT, 9, a), Scroll(SB_LINELEFT, 8, a)}));
    Release(a);

    SetCapture(owner);
    Press(a, 50, 10);
    EXPECT_EQ(GetCapture(), a);
    Release(a);
    EXPECT_EQ(GetCapture(), owner);
    ReleaseCapture();
    Release(b);  // a release without a press, in another gauge
    EXPECT_EQ(GetCapture(), nullptr) << "an old owner must not get the capture again";
}

}  // namespace
