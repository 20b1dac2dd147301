// The windows the host keeps beside its main window close together.
#include <windows.h>

#include <vector>

#include <gtest/gtest.h>

#include "host/exports/host_windows.h"

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

}  // namespace
