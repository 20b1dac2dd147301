// What the payload editor's procedure handles itself and what it leaves to
// the host, with the value it returns for each.
#include <windows.h>
#include <commctrl.h>

#include <algorithm>

#include <gtest/gtest.h>

#include "dialog/resource.h"
#include "tests/support/hosted_plugin.h"
#include "tests/support/plugin_call_log.h"

namespace {

class DialogDispatch : public testing::Test {
protected:
    void SetUp() override {
        plugin_.Start("vessel Tug carrier\nvessel Probe\n");
        dialog_ = plugin_.OpenDialog();
        ASSERT_NE(dialog_, nullptr);
        proc_ = reinterpret_cast<DLGPROC>(GetWindowLongPtrA(dialog_, DWLP_DLGPROC));
        ASSERT_NE(proc_, nullptr);
        calls_.defDialogMessages.clear();
        plugin_.ClearTrace();
    }

    INT_PTR Send(UINT message, WPARAM wParam, LPARAM lParam) {
        return proc_(dialog_, message, wParam, lParam);
    }
    INT_PTR Command(int id, int code) {
        return Send(WM_COMMAND, MAKEWPARAM(id, code),
                    reinterpret_cast<LPARAM>(GetDlgItem(dialog_, id)));
    }
    size_t DefCalls(UINT message) const {
        return static_cast<size_t>(std::count(calls_.defDialogMessages.begin(),
                                              calls_.defDialogMessages.end(), message));
    }

    PluginCallLog calls_;
    HostedPlugin plugin_;
    HWND dialog_ = nullptr;
    DLGPROC proc_ = nullptr;
};

TEST_F(DialogDispatch, OpensTemplate101WithAllControls) {
    char caption[64];
    GetWindowTextA(dialog_, caption, sizeof caption);
    EXPECT_STREQ(caption, "BRK Dialog");
    int controls = 0;
    for (HWND c = GetWindow(dialog_, GW_CHILD); c != nullptr; c = GetWindow(c, GW_HWNDNEXT)) {
        ++controls;
    }
    EXPECT_EQ(controls, 44);
    EXPECT_TRUE(IsWindowVisible(dialog_));
}

TEST_F(DialogDispatch, HandledMessagesNeverReachTheHostDefault) {
    EXPECT_EQ(Send(WM_DESTROY, 0, 0), TRUE);
    EXPECT_EQ(Command(IDCANCEL, BN_CLICKED), FALSE);
    EXPECT_EQ(Command(IDOK, BN_CLICKED), FALSE);
    EXPECT_EQ(Command(IDC_POSITION_X, EN_CHANGE), FALSE);
    EXPECT_EQ(Command(IDC_ADD_JETTISON_VELOCITY, BN_CLICKED), FALSE);
    EXPECT_EQ(Command(IDC_PAYLOAD_LIST, CBN_SELCHANGE), FALSE);
    EXPECT_EQ(Command(IDC_CARRIER_LIST, CBN_SELCHANGE), FALSE);
    EXPECT_EQ(Command(-1, STN_CLICKED), FALSE);
    NMHDR other = {GetDlgItem(dialog_, IDC_SPIN_POSITION_X), IDC_SPIN_POSITION_X,
                   static_cast<UINT>(NM_CLICK)};
    EXPECT_EQ(Send(WM_NOTIFY, IDC_SPIN_POSITION_X, reinterpret_cast<LPARAM>(&other)), FALSE);
    EXPECT_TRUE(calls_.defDialogMessages.empty());
    EXPECT_TRUE(plugin_.Trace().empty()) << "no message may reach a vessel";
}

TEST_F(DialogDispatch, UnlistedMessagesGoToTheHostDefaultWithItsResult) {
    EXPECT_EQ(Send(WM_TIMER, 7, 0), FALSE);
    EXPECT_EQ(DefCalls(WM_TIMER), 1u);
    EXPECT_EQ(Send(WM_CLOSE, 0, 0), TRUE);  // the host closes the dialog
    EXPECT_EQ(DefCalls(WM_CLOSE), 1u);
    EXPECT_FALSE(IsWindow(dialog_));
}

TEST_F(DialogDispatch, DoneClosesThroughTheHostAndTheNextOpeningIsFresh) {
    SendDlgItemMessageA(dialog_, IDC_POSITION_X, WM_SETTEXT, 0,
                        reinterpret_cast<LPARAM>("12.5"));
    SendDlgItemMessageA(dialog_, IDC_DONE, BM_CLICK, 0, 0);
    EXPECT_FALSE(IsWindow(dialog_));
    EXPECT_TRUE(TheHost().windows.NewestDialog() == nullptr);

    HWND again = plugin_.OpenDialog();
    ASSERT_NE(again, nullptr);
    char text[32];
    GetDlgItemTextA(again, IDC_POSITION_X, text, sizeof text);
    EXPECT_STRNE(text, "12.5");
}

}  // namespace
