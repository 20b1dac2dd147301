// Real gauges and switches under the keyboard: what their parent hears for
// each key in each layout and at both bounds, what a dialog hands them, Tab
// into them in a real dialog, and the focus rectangle.
#include <windows.h>

#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "controls/custom_controls.h"
#include "tests/controls/control_test_support.h"

namespace {

using Sent = std::vector<Notification>;

WORD Low16(LONG value) { return static_cast<WORD>(static_cast<DWORD>(value) & 0xFFFFu); }

// A first press: repeat count 1, the key was up before.
void Key(HWND control, WPARAM key) { SendMessageA(control, WM_KEYDOWN, key, 1); }
// The same key held down: bit 30 says it was down already.
void KeyRepeat(HWND control, WPARAM key) { SendMessageA(control, WM_KEYDOWN, key, 0x40000001); }

class ControlKeys : public ControlTest {};

struct Press {
    WPARAM key;
    WORD code;
    LONG value;  // after the key
};

TEST_F(ControlKeys, GaugeStepsPagesAndJumpsInEveryLayoutAndStopsAtBothBounds) {
    const WORD down = SB_LINELEFT, up = SB_LINERIGHT, to = SB_THUMBTRACK;
    // Right and Up step up, Left and Down step down; at a bound a step still
    // reports, as a held arrow box does.
    const std::vector<Press> plain = {
        {VK_RIGHT, up, 51},  {VK_UP, up, 52},       {VK_LEFT, down, 51}, {VK_DOWN, down, 50},
        {VK_PRIOR, up, 60},  {VK_NEXT, down, 50},   {VK_END, to, 100},   {VK_RIGHT, up, 100},
        {VK_PRIOR, up, 100}, {VK_LEFT, down, 99},   {VK_HOME, to, 0},    {VK_DOWN, down, 0},
        {VK_NEXT, down, 0},  {VK_UP, up, 1},
    };
    // Reversed, the arrows are mirrored as the arrow boxes are; the pages and
    // the ends are not.
    const std::vector<Press> mirrored = {
        {VK_RIGHT, down, 49}, {VK_UP, down, 48},    {VK_LEFT, up, 49},   {VK_DOWN, up, 50},
        {VK_PRIOR, up, 60},   {VK_NEXT, down, 50},  {VK_END, to, 100},   {VK_LEFT, up, 100},
        {VK_HOME, to, 0},     {VK_RIGHT, down, 0},  {VK_NEXT, down, 0},
    };
    const struct {
        LONG flags;
        int width, height;
        const std::vector<Press>* presses;
        const char* name;
    } layouts[] = {{0, 100, 20, &plain, "grows right"},
                   {GF_VERTICAL, 20, 100, &plain, "grows down"},
                   {GF_REVERSED, 100, 20, &mirrored, "grows left"},
                   {GF_VERTICAL | GF_REVERSED, 20, 100, &mirrored, "grows up"}};
    for (const auto& layout : layouts) {
        HWND g = CreateGauge(layout.width, layout.height, 0, 100, 50, layout.flags);
        Sent expected;
        for (const Press& p : *layout.presses) {
            Key(g, p.key);
            expected.push_back(Scroll(p.code, Low16(p.value), g));
        }
        EXPECT_EQ(TakeNotifications(), expected) << layout.name;
        EXPECT_EQ(GetWindowLongA(g, GAUGE_VALUE), layout.presses->back().value) << layout.name;
        EXPECT_EQ(GetWindowLongA(g, GAUGE_FLAGS), layout.flags) << layout.name;
    }
}

TEST_F(ControlKeys, GaugeKeysKeepToTheRangeAsItsArrowBoxesDo) {
    // A page is a tenth of the range, at least 1; a held key repeats.
    HWND small = CreateGauge(100, 20, -3, 4, 0, 0);
    Key(small, VK_PRIOR);
    KeyRepeat(small, VK_PRIOR);
    // Empty and inverted ranges: the steps compare against their own bound
    // only, and the ends set nothing, as a track press on them.
    HWND empty = CreateGauge(100, 20, 5, 5, 5, 0);
    Key(empty, VK_RIGHT);
    Key(empty, VK_END);
    HWND inverted = CreateGauge(100, 20, 10, 0, -7, 0);
    Key(inverted, VK_PRIOR);  // -7 < 0: one up
    Key(inverted, VK_LEFT);   // -6 > 10 is false: stays
    Key(inverted, VK_HOME);
    // Keys a gauge does not use reach no one.
    Key(small, VK_SPACE);
    Key(small, VK_TAB);
    Key(small, 'A');
    EXPECT_EQ(TakeNotifications(),
              (Sent{Scroll(SB_LINERIGHT, 1, small), Scroll(SB_LINERIGHT, 2, small),
                    Scroll(SB_LINERIGHT, 5, empty), Scroll(SB_THUMBTRACK, 5, empty),
                    Scroll(SB_LINERIGHT, Low16(-6), inverted),
                    Scroll(SB_LINELEFT, Low16(-6), inverted),
                    Scroll(SB_THUMBTRACK, Low16(-6), inverted)}));
}

TEST_F(ControlKeys, SwitchMovesOnUpDownAndSpaceAsAClickWouldPostIt) {
    HWND two = CreateSwitch(40, 60, 31, SW_UP, 0);
    Key(two, VK_DOWN);
    Key(two, VK_DOWN);      // already down: nothing
    Key(two, VK_UP);
    Key(two, VK_SPACE);     // toggles
    KeyRepeat(two, VK_SPACE);  // held: one move only
    Key(two, VK_SPACE);
    Key(two, VK_LEFT);      // not a lever key
    HWND three = CreateSwitch(40, 60, 32, SW_UP, SWM_THREE_POS);
    Key(three, VK_DOWN);
    Key(three, VK_DOWN);
    Key(three, VK_SPACE);   // no toggle with three positions
    Key(three, VK_UP);
    HWND unknown = CreateSwitch(40, 60, 33, 5, 0);
    Key(unknown, VK_UP);
    Key(unknown, VK_SPACE);
    SetWindowLongA(unknown, SWITCH_POSITION, SW_CENTRE);
    Key(unknown, VK_SPACE);  // the centre has no other side
    PumpPosted();
    EXPECT_EQ(TakeNotifications(),
              (Sent{Command(31, SW_DOWN), Command(31, SW_UP), Command(31, SW_DOWN),
                    Command(31, SW_UP), Command(32, SW_CENTRE), Command(32, SW_DOWN),
                    Command(32, SW_CENTRE)}));
}

// ---- In a real dialog -------------------------------------------------------

std::vector<Notification>* g_dialogHeard = nullptr;

INT_PTR CALLBACK RecordingDialogProc(HWND, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_INITDIALOG) return FALSE;
    if ((message == WM_HSCROLL || message == WM_COMMAND) && g_dialogHeard != nullptr) {
        g_dialogHeard->push_back(Notification{message, wParam, lParam, -1});
        return TRUE;
    }
    return FALSE;
}

// The keyboard as a dialog's message loop sees it.
void Type(HWND dialog, WPARAM key) {
    MSG msg = {};
    msg.hwnd = GetFocus();
    msg.message = WM_KEYDOWN;
    msg.wParam = key;
    msg.lParam = 1;
    if (!IsDialogMessageA(dialog, &msg)) DispatchMessageA(&msg);
}

class DialogKeys : public ControlTest {
protected:
    void SetUp() override {
        ControlTest::SetUp();
        g_dialogHeard = &heard_;
        // An empty dialog template; the controls are added as its children.
        struct {
            DLGTEMPLATE head;
            WORD menu, cls, title;
        } blank = {{WS_POPUP | WS_VISIBLE, 0, 0, 0, 0, 200, 100}, 0, 0, 0};
        dialog_ = CreateDialogIndirectParamA(GetModuleHandleA(nullptr), &blank.head, nullptr,
                                             RecordingDialogProc, 0);
        ASSERT_NE(dialog_, nullptr);
    }
    void TearDown() override {
        if (dialog_ != nullptr) DestroyWindow(dialog_);
        g_dialogHeard = nullptr;
        ControlTest::TearDown();
    }
    HWND Add(const char* cls, int id, int width, int height) {
        return CreateWindowExA(0, cls, "", WS_CHILD | WS_VISIBLE | WS_TABSTOP, 0, 0, width,
                               height, dialog_, reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)),
                               GetModuleHandleA(nullptr), nullptr);
    }

    HWND dialog_ = nullptr;
    Sent heard_;
};

TEST_F(DialogKeys, TabReachesAGaugeAndASwitchWhichThenTakeTheArrowKeys) {
    HWND button = Add("BUTTON", 1, 60, 20);
    HWND gauge = Add(kGaugeClassName, 2, 100, 20);
    HWND lever = Add(kSwitchClassName, 3, 40, 60);
    ASSERT_TRUE(button != nullptr && gauge != nullptr && lever != nullptr);
    SetWindowLongA(gauge, GAUGE_MAX, 100);
    SetFocus(button);

    Type(dialog_, VK_TAB);
    ASSERT_EQ(GetFocus(), gauge);
    Type(dialog_, VK_RIGHT);  // stays with the gauge instead of moving the focus
    Type(dialog_, VK_END);
    EXPECT_EQ(GetFocus(), gauge);
    Type(dialog_, VK_TAB);
    ASSERT_EQ(GetFocus(), lever);
    Type(dialog_, VK_DOWN);
    EXPECT_EQ(GetFocus(), lever);
    PumpPosted();
    EXPECT_EQ(heard_, (Sent{Scroll(SB_LINERIGHT, 1, gauge), Scroll(SB_THUMBTRACK, 100, gauge),
                            Command(3, SW_DOWN)}));
    Type(dialog_, VK_TAB);
    EXPECT_EQ(GetFocus(), button) << "and on round";
}

// ---- The focus rectangle ---------------------------------------------------

// The control's client area as painted on the screen, row by row.
std::vector<COLORREF> Pixels(HWND control) {
    UpdateWindow(control);
    RECT client = {};
    GetClientRect(control, &client);
    HDC dc = GetDC(control);
    std::vector<COLORREF> pixels;
    for (int y = 0; y < client.bottom; ++y) {
        for (int x = 0; x < client.right; ++x) pixels.push_back(GetPixel(dc, x, y));
    }
    ReleaseDC(control, dc);
    return pixels;
}

TEST_F(ControlKeys, OnlyTheFocusedControlDrawsItsRectangleAndNoOtherPixelChanges) {
    ShowWindow(parent_, SW_SHOWNORMAL);
    const struct {
        HWND control;
        RECT focus;  // where the dotted outline lies: inside the track, or along the edge
    } cases[] = {{CreateGauge(100, 20, 0, 100, 50, 0), {22, 2, 78, 18}},
                 {CreateSwitch(40, 60, 3, SW_DOWN, 0), {0, 0, 40, 60}}};
    for (const auto& c : cases) {
        const std::vector<COLORREF> before = Pixels(c.control);
        SetFocus(c.control);
        const std::vector<COLORREF> focused = Pixels(c.control);
        SetFocus(parent_);
        EXPECT_EQ(Pixels(c.control), before) << "without the focus, as before";

        RECT client = {};
        GetClientRect(c.control, &client);
        size_t changed = 0;
        for (size_t i = 0; i < before.size(); ++i) {
            if (focused[i] == before[i]) continue;
            ++changed;
            const LONG x = static_cast<LONG>(i % static_cast<size_t>(client.right));
            const LONG y = static_cast<LONG>(i / static_cast<size_t>(client.right));
            const bool onOutline = (x == c.focus.left || x == c.focus.right - 1 ||
                                    y == c.focus.top || y == c.focus.bottom - 1) &&
                                   x >= c.focus.left && x < c.focus.right &&
                                   y >= c.focus.top && y < c.focus.bottom;
            EXPECT_TRUE(onOutline) << x << "," << y;
        }
        // Dotted: every other pixel of the outline.
        const LONG outline = 2 * (c.focus.right - c.focus.left + c.focus.bottom - c.focus.top) - 4;
        EXPECT_GE(changed, static_cast<size_t>(outline) / 2 - 2);
    }
}

}  // namespace
