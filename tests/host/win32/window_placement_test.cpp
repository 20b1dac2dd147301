// Where the host's new windows go, and the tool windows' places kept for
// the session.
#include <windows.h>

#include <vector>

#include <gtest/gtest.h>

#include "host/win32/window_placement.h"
#include "host/win32/window_places.h"

namespace {

const SIZE kDialog = {550, 380};

RECT At(POINT p, SIZE s) { return RECT{p.x, p.y, p.x + s.cx, p.y + s.cy}; }

bool Overlap(const RECT& a, const RECT& b) {
    RECT both;
    return IntersectRect(&both, &a, &b) != FALSE;
}

TEST(WindowPlacement, StandsRightOfTheOwnerOrBelowItWhereTheScreenEnds) {
    const RECT screen = {0, 0, 1600, 1000};
    POINT at = {};
    ASSERT_TRUE(PlaceBeside(RECT{0, 0, 530, 310}, {}, kDialog, screen, 20, &at));
    EXPECT_EQ(at.x, 530);
    EXPECT_EQ(at.y, 0);
    // No room on the right: below, moved in to stay on the screen.
    ASSERT_TRUE(PlaceBeside(RECT{1100, 0, 1600, 310}, {}, kDialog, screen, 20, &at));
    EXPECT_EQ(at.x, 1050);
    EXPECT_EQ(at.y, 310);
}

TEST(WindowPlacement, StandsBesideTheWindowsOpenCoveringNeitherThemNorTheOwner) {
    const RECT screen = {0, 0, 1920, 1080};
    const RECT owner = {0, 0, 530, 310};
    std::vector<RECT> taken;
    for (int i = 0; i < 3; ++i) {
        POINT at = {};
        ASSERT_TRUE(PlaceBeside(owner, taken, kDialog, screen, 20, &at));
        const RECT placed = At(at, kDialog);
        EXPECT_FALSE(Overlap(placed, owner)) << "window " << i;
        for (const RECT& t : taken) EXPECT_FALSE(Overlap(placed, t)) << "window " << i;
        taken.push_back(placed);
    }
}

TEST(WindowPlacement, CoversTheOwnerAsLittleAsAFullScreenAllowsAndNeverStartsWhereAnotherDoes) {
    // The null graphics driver's screen: no place leaves the owner whole.
    const RECT screen = {0, 0, 1024, 768};
    const RECT owner = {0, 0, 530, 310};
    POINT at = {};
    ASSERT_TRUE(PlaceBeside(owner, {}, SIZE{700, 500}, screen, 20, &at));
    EXPECT_EQ(at.x, 0);
    EXPECT_EQ(at.y, 268) << "below the owner, over its bottom 42 rows only";

    // A screen no larger than the window: every place is the first's.
    const RECT small = {0, 0, 550, 380};
    const std::vector<RECT> first = {small};
    ASSERT_TRUE(PlaceBeside(RECT{}, first, kDialog, small, 20, &at));
    EXPECT_EQ(at.x, 20);
    EXPECT_EQ(at.y, 20);
    EXPECT_FALSE(PlaceBeside(RECT{}, {}, kDialog, screen, 20, &at)) << "nothing to stand beside";
}

TEST(WindowPlaces, AWindowOfTheSameClassOpensWhereTheLastOneClosed) {
    WNDCLASSA wc = {};
    wc.lpfnWndProc = DefWindowProcA;
    wc.hInstance = GetModuleHandleA(nullptr);
    wc.lpszClassName = "KestrixTestPlacedTool";
    RegisterClassA(&wc);
    const auto make = [] {
        return CreateWindowExA(0, "KestrixTestPlacedTool", "", WS_OVERLAPPED, 10, 10, 100, 80,
                               nullptr, nullptr, GetModuleHandleA(nullptr), nullptr);
    };
    ForgetPlaces();
    HWND first = make();
    ASSERT_NE(first, nullptr);
    EXPECT_FALSE(ReturnToPlace(first));
    SetWindowPos(first, nullptr, 300, 200, 240, 160, SWP_NOZORDER);
    RememberPlace(first);
    DestroyWindow(first);

    HWND second = make();
    ASSERT_TRUE(ReturnToPlace(second));
    RECT r;
    GetWindowRect(second, &r);
    EXPECT_EQ(r.left, 300);
    EXPECT_EQ(r.top, 200);
    EXPECT_EQ(r.right - r.left, 240);
    EXPECT_EQ(r.bottom - r.top, 160);
    ForgetPlaces();
    EXPECT_FALSE(ReturnToPlace(second));
    DestroyWindow(second);
}

}  // namespace
