// What an accessibility client reads of a gauge and a switch, through the
// system's own AccessibleObjectFromWindow, and the events it is sent.
#include <windows.h>

#include <ole2.h>
#include <oleacc.h>

#include <string>
#include <utility>
#include <vector>

#include <gtest/gtest.h>

#include "controls/accessibility_api.h"
#include "controls/custom_controls.h"
#include "tests/controls/control_test_support.h"

namespace {

struct Said {
    HRESULT result = S_OK;  // the first failure, if any
    LONG role = 0;
    std::string name, value, description;
    LONG state = 0;
};

VARIANT Self() {
    VARIANT v;
    V_VT(&v) = VT_I4;
    V_I4(&v) = CHILDID_SELF;
    return v;
}

std::string Take(BSTR text) {
    std::string narrow;
    for (UINT i = 0; text != nullptr && i < SysStringLen(text); ++i) {
        narrow += static_cast<char>(text[i]);
    }
    SysFreeString(text);
    return narrow;
}

Said Read(IAccessible* object) {
    Said said;
    auto keep = [&](HRESULT hr) {
        if (FAILED(hr) && SUCCEEDED(said.result)) said.result = hr;
    };
    BSTR text = nullptr;
    keep(object->get_accName(Self(), &text));
    said.name = Take(text);
    text = nullptr;
    keep(object->get_accValue(Self(), &text));
    said.value = Take(text);
    text = nullptr;
    keep(object->get_accDescription(Self(), &text));
    said.description = Take(text);
    VARIANT v;
    VariantInit(&v);
    keep(object->get_accRole(Self(), &v));
    said.role = V_VT(&v) == VT_I4 ? V_I4(&v) : -1;
    VariantInit(&v);
    keep(object->get_accState(Self(), &v));
    said.state = V_VT(&v) == VT_I4 ? V_I4(&v) : -1;
    return said;
}

class Accessible : public ControlTest {
protected:
    void SetUp() override {
        ASSERT_TRUE(SUCCEEDED(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED)));
        ControlTest::SetUp();
        ShowWindow(parent_, SW_SHOWNOACTIVATE);
    }
    void TearDown() override {
        ControlTest::TearDown();
        CoUninitialize();
    }
    static IAccessible* ObjectOf(HWND control) {
        IAccessible* object = nullptr;
        EXPECT_EQ(AccessibleObjectFromWindow(control, static_cast<DWORD>(OBJID_CLIENT),
                                             kIidAccessible, reinterpret_cast<void**>(&object)),
                  S_OK);
        return object;
    }
    static void Key(HWND control, WPARAM key) { SendMessageA(control, WM_KEYDOWN, key, 1); }
};

TEST_F(Accessible, GaugeIsASliderWithItsTextForNameItsNumberForValueAndItsRange) {
    HWND g = CreateGauge(100, 20, 0, 100, 30, 0);
    SetWindowTextA(g, "Fuel");
    IAccessible* object = ObjectOf(g);
    ASSERT_NE(object, nullptr);
    Said said = Read(object);
    EXPECT_EQ(said.result, S_OK);
    EXPECT_EQ(said.role, ROLE_SYSTEM_SLIDER);
    EXPECT_EQ(said.name, "Fuel");
    EXPECT_EQ(said.value, "30");
    EXPECT_EQ(said.description, "Range 0 to 100");
    EXPECT_EQ(said.state & (STATE_SYSTEM_FOCUSABLE | STATE_SYSTEM_FOCUSED), STATE_SYSTEM_FOCUSABLE);

    // The same object follows the keyboard, the focus and the owner's longs.
    SetFocus(g);
    Key(g, VK_RIGHT);
    SetWindowLongA(g, GAUGE_MIN, -40);
    said = Read(object);
    EXPECT_EQ(said.value, "31");
    EXPECT_EQ(said.description, "Range -40 to 100");
    EXPECT_NE(said.state & STATE_SYSTEM_FOCUSED, 0);

    IAccessible* again = ObjectOf(g);
    EXPECT_EQ(again, object) << "one object per window";
    HWND window = nullptr;
    EXPECT_EQ(WindowFromAccessibleObject(object, &window), S_OK);
    EXPECT_EQ(window, g);
    again->Release();
    object->Release();
}

TEST_F(Accessible, SwitchIsASliderThatSaysWhereItsLeverPoints) {
    HWND s = CreateSwitch(40, 60, 4, SW_UP, SWM_THREE_POS);
    SetWindowTextA(s, "Gear");
    IAccessible* object = ObjectOf(s);
    ASSERT_NE(object, nullptr);
    Said said = Read(object);
    EXPECT_EQ(said.result, S_OK);
    EXPECT_EQ(said.role, ROLE_SYSTEM_SLIDER);
    EXPECT_EQ(said.name, "Gear");
    EXPECT_EQ(said.value, "up");
    EXPECT_EQ(said.description, "Three positions: up, centre and down");
    SendMessageA(s, WM_LBUTTONDOWN, MK_LBUTTON, MousePoint(20, 50));
    EXPECT_EQ(Read(object).value, "centre");
    Key(s, VK_DOWN);
    EXPECT_EQ(Read(object).value, "down");
    SetWindowLongA(s, SWITCH_MODE, 0);
    SetWindowLongA(s, SWITCH_POSITION, 7);  // drawn as the centre
    said = Read(object);
    EXPECT_EQ(said.value, "centre");
    EXPECT_EQ(said.description, "Two positions: up and down");
    object->Release();
}

TEST_F(Accessible, AnObjectHeldPastItsWindowAnswersOnlyErrors) {
    HWND g = CreateGauge(100, 20, 0, 100, 30, 0);
    HWND s = CreateSwitch(40, 60, 4, SW_UP, 0);
    IAccessible* gauge = ObjectOf(g);
    IAccessible* lever = ObjectOf(s);
    ASSERT_TRUE(gauge != nullptr && lever != nullptr);
    IOleWindow* window = nullptr;
    ASSERT_EQ(gauge->QueryInterface(kIidOleWindow, reinterpret_cast<void**>(&window)), S_OK);
    DestroyWindow(g);
    DestroyWindow(s);

    for (IAccessible* object : {gauge, lever}) {
        const Said said = Read(object);
        EXPECT_EQ(said.result, RPC_E_DISCONNECTED);
        EXPECT_EQ(said.value, "");
        LONG left = 1, top = 1, width = 1, height = 1;
        EXPECT_EQ(object->accLocation(&left, &top, &width, &height, Self()), RPC_E_DISCONNECTED);
        EXPECT_EQ(width, 0);
        IDispatch* parent = nullptr;
        EXPECT_EQ(object->get_accParent(&parent), RPC_E_DISCONNECTED);
        EXPECT_EQ(parent, nullptr);
    }
    HWND seen = g;
    EXPECT_EQ(window->GetWindow(&seen), RPC_E_DISCONNECTED);
    EXPECT_EQ(seen, nullptr);
    window->Release();
    gauge->Release();
    lever->Release();
}

// ---- Win events --------------------------------------------------------------

std::vector<std::pair<DWORD, HWND>>* g_events = nullptr;

void CALLBACK OnWinEvent(HWINEVENTHOOK, DWORD event, HWND window, LONG object, LONG child, DWORD,
                         DWORD) {
    if (g_events == nullptr || object != OBJID_CLIENT || child != CHILDID_SELF) return;
    if (event == EVENT_OBJECT_FOCUS || event == EVENT_OBJECT_VALUECHANGE) {
        g_events->push_back({event, window});
    }
}

TEST_F(Accessible, FocusAndEveryChangeFromMouseOrKeyboardAreAnnounced) {
    HWND g = CreateGauge(100, 20, 0, 100, 99, 0);
    HWND s = CreateSwitch(40, 60, 4, SW_UP, 0);
    std::vector<std::pair<DWORD, HWND>> events;
    g_events = &events;
    HWINEVENTHOOK hook =
        SetWinEventHook(EVENT_OBJECT_FOCUS, EVENT_OBJECT_VALUECHANGE, nullptr, OnWinEvent,
                        GetCurrentProcessId(), GetCurrentThreadId(), WINEVENT_OUTOFCONTEXT);
    ASSERT_NE(hook, nullptr);

    SetFocus(g);
    PumpPosted();
    // The system's own, once: the control adds no second one.
    ASSERT_EQ(events, (std::vector<std::pair<DWORD, HWND>>{
                          {static_cast<DWORD>(EVENT_OBJECT_FOCUS), g}}));
    Key(g, VK_RIGHT);   // 99 to 100
    Key(g, VK_RIGHT);   // at the bound: reported to the parent, but no change
    Key(g, VK_HOME);
    SendMessageA(g, WM_LBUTTONDOWN, MK_LBUTTON, MousePoint(95, 10));  // the right box
    SendMessageA(g, WM_TIMER, 1, 0);
    SendMessageA(g, WM_LBUTTONUP, 0, MousePoint(95, 10));
    SendMessageA(g, WM_LBUTTONDOWN, MK_LBUTTON, MousePoint(50, 10));  // the track
    SendMessageA(g, WM_MOUSEMOVE, MK_LBUTTON, MousePoint(50, 10));    // the same value
    SendMessageA(g, WM_LBUTTONUP, 0, MousePoint(50, 10));
    SetWindowLongA(g, GAUGE_VALUE, 7);  // the owner's writes are the owner's to announce
    SendMessageA(s, WM_LBUTTONDOWN, MK_LBUTTON, MousePoint(20, 50));
    Key(s, VK_UP);
    Key(s, VK_UP);  // already up
    PumpPosted();
    UnhookWinEvent(hook);
    g_events = nullptr;

    using Events = std::vector<std::pair<DWORD, HWND>>;
    const DWORD change = EVENT_OBJECT_VALUECHANGE;
    const Events changes = {{change, g}, {change, g}, {change, g},
                            {change, g}, {change, s}, {change, s}};
    EXPECT_EQ(Events(events.begin() + 1, events.end()), changes);
}

}  // namespace
