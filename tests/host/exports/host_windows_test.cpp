// The windows the host keeps beside its main window close together.
#include <windows.h>

#include <vector>

#include <gtest/gtest.h>

#include "host/exports/host_windows.h"
#include "host/win32/window_places.h"

namespace {

HWND MakeWindow() {
    return CreateWindowExA(0, "STATIC", "", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr,
                           GetModuleHandleA(nullptr), nullptr);
}

TEST(HostWindows, ClosesEveryDialogAndToolTogetherAndForgetsWhatClosedByItself) {
    HostWindows windows;
    HWND older = MakeWindow(), newer = MakeWindow(), tool = MakeWindow();
    ASSERT_TRUE(older && newer && tool);
    windows.AddDialog(older);
    windows.AddDialog(newer);
    windows.KeepTool(tool);
    windows.KeepTool(tool);  // opened again: kept once
    EXPECT_EQ(windows.NewestDialog(), newer);

    DestroyWindow(newer);
    EXPECT_EQ(windows.NewestDialog(), older);
    EXPECT_EQ(windows.Dialogs(), std::vector<HWND>{older});

    windows.CloseAll();
    EXPECT_FALSE(IsWindow(older));
    EXPECT_FALSE(IsWindow(tool));
    EXPECT_EQ(windows.NewestDialog(), nullptr);
}

HWND MakeTopLevel(int x, int y, int width, int height) {
    return CreateWindowExA(0, "STATIC", "", WS_POPUP | WS_CAPTION, x, y, width, height, nullptr,
                           nullptr, GetModuleHandleA(nullptr), nullptr);
}

bool Overlap(HWND a, HWND b) {
    RECT ra, rb, both;
    GetWindowRect(a, &ra);
    GetWindowRect(b, &rb);
    return IntersectRect(&both, &ra, &rb) != FALSE;
}

// As kapiOpenDialog does it: placed, kept, then shown.
HWND OpenDialogLike(HostWindows& windows) {
    HWND dialog = MakeTopLevel(2, 2, 550, 380);
    windows.Place(dialog);
    windows.AddDialog(dialog);
    ShowWindow(dialog, SW_SHOWNA);
    return dialog;
}

TEST(HostWindows, OpensDialogsBesideTheMainWindowAndASecondOneAwayFromTheFirst) {
    ForgetPlaces();
    HostWindows windows;
    HWND owner = MakeTopLevel(0, 0, 530, 310);
    ShowWindow(owner, SW_SHOWNA);
    windows.SetOwner(owner);
    HWND first = OpenDialogLike(windows);
    HWND second = OpenDialogLike(windows);
    EXPECT_FALSE(Overlap(first, owner));
    EXPECT_FALSE(Overlap(second, owner));
    RECT a, b;
    GetWindowRect(first, &a);
    GetWindowRect(second, &b);
    EXPECT_FALSE(a.left == b.left && a.top == b.top) << "the second exactly over the first";
    windows.CloseAll();
    DestroyWindow(owner);
    EXPECT_EQ(windows.Owner(), nullptr) << "an owner that is gone is none";
}

}  // namespace
