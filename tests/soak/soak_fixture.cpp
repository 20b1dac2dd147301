#include "tests/soak/soak_fixture.h"

#include <cstdio>
#include <map>

#include <ole2.h>
#include <oleacc.h>

#include "bench/bench_scene.h"
#include "controls/control_longs.h"
#include "host/win32/message_pump.h"
#include "tests/support/handle_census.h"
#include "tests/support/window_census.h"

namespace {

Census TakeCensus(const PluginRecordLedger& ledger) {
    Census c;
    c.kernelHandles = CountKernelHandles();
    c.windows = CountThreadWindows();
    c.heap = ledger.Held();
    return c;
}

std::string Change(const char* what, size_t before, size_t after) {
    return std::string(what) + " " + std::to_string(before) + " -> " + std::to_string(after);
}

HWND CreateControl(const char* className, HWND parent, int id, int width, int height,
                   HINSTANCE instance) {
    return CreateWindowExA(0, className, "", WS_CHILD | WS_VISIBLE, 0, 0, width, height, parent,
                           reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), instance, nullptr);
}

void Paint(HWND control) {
    InvalidateRect(control, nullptr, TRUE);
    UpdateWindow(control);
}

// A press, `ticks` timer ticks (sent, as the timer would), an optional drag
// to (toX, toY), and the release.
void Press(HWND control, int x, int y, int ticks, int toX, int toY) {
    SendMessageA(control, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(x, y));
    for (int i = 0; i < ticks; ++i) SendMessageA(control, WM_TIMER, 1, 0);
    if (toX != x || toY != y) SendMessageA(control, WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(toX, toY));
    SendMessageA(control, WM_LBUTTONUP, 0, MAKELPARAM(toX, toY));
}

// {618736E0-3C3D-11CF-810C-00AA00389B71}: the import library's IID_IAccessible
// resolves to a call stub, not to the id.
const IID kIidAccessible = {0x618736E0, 0x3C3D, 0x11CF,
                            {0x81, 0x0C, 0x00, 0xAA, 0x00, 0x38, 0x9B, 0x71}};

// An accessibility client's look at a control: its object, its value read,
// and the object, unless `keep`, let go again.
IAccessible* AskAbout(HWND control, bool keep) {
    IAccessible* object = nullptr;
    const HRESULT found = AccessibleObjectFromWindow(control, static_cast<DWORD>(OBJID_CLIENT),
                                                     kIidAccessible,
                                                     reinterpret_cast<void**>(&object));
    if (FAILED(found)) {
        ADD_FAILURE() << "no accessible object: error " << std::hex << found;
        return nullptr;
    }
    VARIANT self;
    V_VT(&self) = VT_I4;
    V_I4(&self) = CHILDID_SELF;
    BSTR value = nullptr;
    EXPECT_EQ(object->get_accValue(self, &value), S_OK);
    SysFreeString(value);
    if (keep) return object;
    object->Release();
    return nullptr;
}

}  // namespace

void SoakTest::SetUp() {
    // The accessibility client's side of the control rounds.
    CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
    plugin_.Start(BenchSceneText(100));
    // A long session must not pile up a message trace.
    TheHost().trace.SetEnabled(false);
}

void SoakTest::TearDown() {
    ledger_.Stop();
    objects_.Stop();
    plugin_.Stop();
    CoUninitialize();
}

void SoakTest::StartCounting() {
    PumpMessages();
    ledger_.Start(plugin_.Module(), GetModuleHandleA(nullptr));
    objects_.Start(plugin_.Module());
    start_ = TakeCensus(ledger_);
    started_ = std::chrono::steady_clock::now();
}

std::vector<std::string> SoakTest::Leftovers(const char* what, int rounds) {
    PumpMessages();
    const double seconds =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - started_).count();
    const Census end = TakeCensus(ledger_);
    const std::vector<std::string> live = objects_.Live();
    std::printf("soak: %s x%d in %.1f s: windows %u -> %u, heap %u -> %u bytes (%u -> %u "
                "blocks), kernel handles %u -> %u, objects and timers created %u released %u\n",
                what, rounds, seconds, static_cast<unsigned>(start_.windows),
                static_cast<unsigned>(end.windows), static_cast<unsigned>(start_.heap.bytes),
                static_cast<unsigned>(end.heap.bytes), static_cast<unsigned>(start_.heap.blocks),
                static_cast<unsigned>(end.heap.blocks), static_cast<unsigned>(start_.kernelHandles),
                static_cast<unsigned>(end.kernelHandles), static_cast<unsigned>(objects_.Created()),
                static_cast<unsigned>(objects_.Released()));
    std::fflush(stdout);

    std::vector<std::string> left;
    if (end.windows != start_.windows) left.push_back(Change("windows", start_.windows, end.windows));
    if (end.heap.bytes != start_.heap.bytes || end.heap.blocks != start_.heap.blocks) {
        left.push_back(Change("heap bytes", start_.heap.bytes, end.heap.bytes) + ", " +
                       Change("blocks", start_.heap.blocks, end.heap.blocks));
    }
    if (end.kernelHandles != start_.kernelHandles) {
        left.push_back(Change("kernel handles", start_.kernelHandles, end.kernelHandles));
    }
    std::map<std::string, int> kinds;
    for (const std::string& object : live) ++kinds[object];
    for (const auto& kind : kinds) left.push_back(std::to_string(kind.second) + " x " + kind.first);
    return left;
}

void SoakTest::ExpectNothingLeft(const char* what, int rounds) {
    const std::vector<std::string> left = Leftovers(what, rounds);
    std::string text;
    for (const std::string& line : left) text += "\n  " + line;
    EXPECT_TRUE(left.empty()) << what << " left behind:" << text;
}

HWND SoakTest::Open() {
    HWND dialog = plugin_.OpenDialog();
    EXPECT_NE(dialog, nullptr);
    return dialog;
}

void SoakTest::ControlRound(HWND parent) {
    const HINSTANCE instance = plugin_.Module();
    HWND across = CreateControl(kGaugeClassName, parent, 1, 200, 20, instance);
    HWND upright = CreateControl(kGaugeClassName, parent, 2, 20, 200, instance);
    HWND lever = CreateControl(kSwitchClassName, parent, 3, 40, 60, instance);
    ASSERT_TRUE(across != nullptr && upright != nullptr && lever != nullptr);
    for (HWND gauge : {across, upright}) {
        SetWindowLongA(gauge, GAUGE_MAX, 100);
        SetWindowLongA(gauge, GAUGE_VALUE, 50);
    }
    SetWindowLongA(upright, GAUGE_FLAGS, GF_VERTICAL | GF_RED);
    SetWindowLongA(lever, SWITCH_MODE, SWM_THREE_POS);
    for (HWND control : {across, upright, lever}) Paint(control);

    Press(across, 195, 10, 3, 195, 10);  // the right box: three steps up
    Press(across, 100, 10, 0, 150, 10);  // the track, then a drag
    Press(upright, 10, 195, 3, 10, 195);  // the bottom box: three steps
    EXPECT_NE(GetWindowLongA(across, GAUGE_VALUE), 50);
    EXPECT_NE(GetWindowLongA(upright, GAUGE_VALUE), 50);
    Press(lever, 20, 50, 0, 20, 50);  // down to the centre
    Press(lever, 20, 50, 0, 20, 50);  // down
    Press(lever, 20, 5, 0, 20, 5);    // up to the centre
    EXPECT_EQ(GetWindowLongA(lever, SWITCH_POSITION), SW_CENTRE);
    for (HWND control : {across, upright, lever}) Paint(control);
    PumpMessages();  // the switch's posted commands
    // A client reads each, and holds on to the switch's object past its window.
    AskAbout(across, false);
    AskAbout(upright, false);
    IAccessible* held = AskAbout(lever, true);
    DestroyWindow(lever);
    DestroyWindow(upright);
    DestroyWindow(across);
    if (held != nullptr) held->Release();
}
