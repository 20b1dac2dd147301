// The soak's test of itself: with a copy of the plug-in that leaks once per
// opening, the openings at the size CTest runs must fail the soak's check,
// whatever the kind of leak, and the check must name what was left.
#include <windows.h>

#include <ostream>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "dialog/resource.h"
#include "host/automation/dialog_driver.h"
#include "tests/soak/leak_injector.h"
#include "tests/soak/soak_fixture.h"
#include "tests/soak/soak_size.h"

namespace {

struct InjectedLeak {
    LeakKind kind;
    const char* name;
    const char* found;  // what the check's findings must name
};

const InjectedLeak kLeaks[] = {
    {LeakKind::Malloc16, "Malloc16", "heap bytes"},
    {LeakKind::New24, "New24", "heap bytes"},
    {LeakKind::ThreadTimer, "ThreadTimer", "timer SetTimer"},
    {LeakKind::Event, "Event", "kernel handles"},
    {LeakKind::Menu, "Menu", "menu CreateMenu"},
    {LeakKind::Pen, "Pen", "GDI CreatePen"},
    {LeakKind::WindowDC, "WindowDC", "DC GetDC"},
    {LeakKind::Window, "Window", "windows"},
};

void PrintTo(const InjectedLeak& leak, std::ostream* out) { *out << leak.name; }

class LeakySoak : public SoakTest, public testing::WithParamInterface<InjectedLeak> {
protected:
    void SetUp() override {
        plugin_.UsePluginFile(LEAKY_PLUGIN_FILE);
        SoakTest::SetUp();
    }
};

TEST_P(LeakySoak, OneLeakPerOpeningFailsTheCheck) {
    const auto inject = reinterpret_cast<InjectLeakFunction>(
        reinterpret_cast<void*>(GetProcAddress(plugin_.Module(), kInjectLeakName)));
    ASSERT_NE(inject, nullptr);
    ClickControl(Open(), IDC_DONE);
    StartCounting();
    const int rounds = SoakSize().opens;  // CTest's size, whatever size the soak runs at
    for (int i = 0; i < rounds; ++i) {
        HWND dialog = Open();
        ASSERT_NE(dialog, nullptr);
        inject(GetParam().kind);
        ClickControl(dialog, IDC_DONE);
    }
    const std::vector<std::string> left = Leftovers("open and close, leaking", rounds);
    std::string text;
    for (const std::string& line : left) text += line + "\n";
    EXPECT_NE(text.find(GetParam().found), std::string::npos) << text;
}

INSTANTIATE_TEST_SUITE_P(Kinds, LeakySoak, testing::ValuesIn(kLeaks),
                         [](const testing::TestParamInfo<InjectedLeak>& info) {
                             return std::string(info.param.name);
                         });

}  // namespace
