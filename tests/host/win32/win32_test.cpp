// What the host's windows share: one tool window of a kind, opened or
// brought forward; list texts read back as they were added.
#include <windows.h>

#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "host/win32/child_window.h"
#include "host/win32/list_texts.h"
#include "host/win32/open_or_raise.h"
#include "host/win32/window_class.h"

namespace {

const char kToolClass[] = "KestrixTestToolWindow";

HWND MakeTool() {
    return CreateWindowExA(0, kToolClass, "tool", WS_OVERLAPPED, 0, 0, 100, 100, nullptr, nullptr,
                           GetModuleHandleA(nullptr), nullptr);
}

TEST(Win32, OpensOneToolWindowOfAKindAndBringsItForwardWhenAskedAgain) {
    ASSERT_TRUE(RegisterWindowClass(kToolClass, DefWindowProcA, ButtonFaceBrush()));
    EXPECT_TRUE(RegisterWindowClass(kToolClass, DefWindowProcA, nullptr));  // there already
    EXPECT_EQ(FindThreadWindow(kToolClass), nullptr);
    int made = 0;
    auto make = [&made] {
        ++made;
        return MakeTool();
    };
    HWND first = OpenOrRaise(kToolClass, make);
    ASSERT_NE(first, nullptr);
    EXPECT_TRUE(IsWindowVisible(first));
    EXPECT_EQ(OpenOrRaise(kToolClass, make), first);
    EXPECT_EQ(made, 1);
    EXPECT_EQ(FindThreadWindow(kToolClass), first);
    DestroyWindow(first);
    EXPECT_EQ(FindThreadWindow(kToolClass), nullptr);
    EXPECT_EQ(OpenOrRaise(kToolClass, [] { return HWND(nullptr); }), nullptr);
}

TEST(Win32, ReadsBackEveryEntryOfAComboBoxAndAListBox) {
    HWND parent = CreateWindowExA(0, "STATIC", "", WS_POPUP, 0, 0, 200, 200, nullptr, nullptr,
                                  GetModuleHandleA(nullptr), nullptr);
    ASSERT_NE(parent, nullptr);
    HWND combo = AddChild(parent, "COMBOBOX", "", CBS_DROPDOWNLIST, 0, 0, 100, 100, 1);
    HWND list = AddChild(parent, "LISTBOX", "", 0, 0, 100, 100, 60, 2);
    ASSERT_TRUE(combo && list);
    const std::vector<std::string> texts = {"Tug", "", "Probe Attached;Tug", std::string(300, 'x')};
    for (const std::string& t : texts) {
        SendMessageA(combo, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(t.c_str()));
        SendMessageA(list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(t.c_str()));
    }
    EXPECT_EQ(ComboBoxTexts(combo), texts);
    EXPECT_EQ(ListBoxTexts(list), texts);
    EXPECT_TRUE(ComboBoxTexts(nullptr).empty());
    DestroyWindow(parent);
}

}  // namespace
