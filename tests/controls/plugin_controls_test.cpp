// The controls as the loaded plug-in offers them: registered for its
// instance by InitModule, removed by ExitModule, and used by the stand-in
// host's gallery.
#include <windows.h>

#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "controls/custom_controls.h"
#include "host/gallery/controls_gallery.h"
#include "host/scene_view/scene_view_window.h"
#include "host/win32/message_pump.h"
#include "tests/support/hosted_plugin.h"

namespace {

typedef void (*InstanceEntry)(HINSTANCE);

bool HasClass(HINSTANCE instance, const char* name) {
    WNDCLASSA wc = {};
    return GetClassInfoA(instance, name, &wc) != FALSE;
}

// As a host that shuts the plug-in down itself before unloading it: the
// module object goes with ExitModule, so the host lets go of it first.
void ExitModuleNow(HMODULE module) {
    TheHost().plugins.modules.clear();
    FARPROC entry = GetProcAddress(module, "ExitModule");
    ASSERT_NE(entry, nullptr);
    reinterpret_cast<InstanceEntry>(reinterpret_cast<void*>(entry))(module);
}

std::vector<HWND> Children(HWND window) {
    std::vector<HWND> children;
    for (HWND c = GetWindow(window, GW_CHILD); c != nullptr; c = GetWindow(c, GW_HWNDNEXT)) {
        children.push_back(c);
    }
    return children;
}

std::string ClassOf(HWND window) {
    char name[64] = "";
    GetClassNameA(window, name, sizeof name);
    return name;
}

TEST(PluginControls, InitModuleRegistersBothClassesForThePluginAndExitModuleRemovesThem) {
    HostedPlugin plugin;
    plugin.Start("vessel Tug carrier\n");
    HMODULE module = plugin.Module();
    EXPECT_TRUE(HasClass(module, kGaugeClassName));
    EXPECT_TRUE(HasClass(module, kSwitchClassName));
    EXPECT_FALSE(HasClass(GetModuleHandleA(nullptr), kGaugeClassName));

    ExitModuleNow(module);
    EXPECT_FALSE(HasClass(module, kGaugeClassName));
    EXPECT_FALSE(HasClass(module, kSwitchClassName));
    plugin.Stop();  // the detach hook's second ExitModule releases nothing again
}

TEST(PluginControls, GalleryShowsEveryLayoutAndLogsWhatItsControlsSend) {
    HostedPlugin plugin;
    plugin.Start("vessel Tug carrier\n");
    std::string error;
    HWND gallery = OpenControlsGallery(nullptr, &error);
    ASSERT_NE(gallery, nullptr) << error;
    EXPECT_EQ(OpenControlsGallery(nullptr, &error), gallery) << "one gallery at a time";

    std::vector<HWND> gauges, switches;
    std::vector<LONG> layouts;
    for (HWND c : Children(gallery)) {
        const std::string cls = ClassOf(c);
        if (cls != kGaugeClassName && cls != kSwitchClassName) continue;
        EXPECT_EQ(reinterpret_cast<HINSTANCE>(GetWindowLongPtrA(c, GWLP_HINSTANCE)),
                  plugin.Module());
        if (cls == kGaugeClassName) {
            gauges.push_back(c);
            layouts.push_back(GetWindowLongA(c, GAUGE_FLAGS));
        } else {
            switches.push_back(c);
        }
    }
    EXPECT_EQ(layouts, (std::vector<LONG>{0, GF_REVERSED, GF_VERTICAL,
                                          GF_VERTICAL | GF_REVERSED | GF_RED}));
    ASSERT_EQ(switches.size(), 3u);
    EXPECT_EQ(GetWindowLongA(switches[0], SWITCH_MODE), 0);
    EXPECT_EQ(GetWindowLongA(switches[1], SWITCH_MODE), SWM_THREE_POS);
    // Every lever position is on show.
    EXPECT_EQ(GetWindowLongA(switches[0], SWITCH_POSITION), SW_UP);
    EXPECT_EQ(GetWindowLongA(switches[1], SWITCH_POSITION), SW_CENTRE);
    EXPECT_EQ(GetWindowLongA(switches[2], SWITCH_POSITION), SW_DOWN);

    // A track press on the first gauge (240 x 20: track x 20..219), a click
    // in the lower half of the three-position switch.
    SendMessageA(gauges[0], WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(120, 10));
    SendMessageA(gauges[0], WM_LBUTTONUP, 0, MAKELPARAM(120, 10));
    SendMessageA(switches[1], WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(20, 50));
    PumpMessages();
    EXPECT_EQ(ControlsGalleryLog(),
              (std::vector<std::string>{
                  "grows right: WM_HSCROLL SB_THUMBTRACK, HIWORD 50, GAUGE_VALUE 50",
                  "three positions: WM_COMMAND id 211, lParam 1 (down)"}));

    // The host closes it with its other windows, and every control with it,
    // so the plug-in can shut down.
    TheHost().windows.CloseAll();
    EXPECT_EQ(ControlsGalleryWindow(), nullptr);
    for (HWND g : gauges) EXPECT_FALSE(IsWindow(g));
    ExitModuleNow(plugin.Module());
    EXPECT_FALSE(HasClass(plugin.Module(), kGaugeClassName));
    EXPECT_FALSE(HasClass(plugin.Module(), kSwitchClassName));
    plugin.Stop();

    EXPECT_EQ(OpenControlsGallery(nullptr, &error), nullptr);
    EXPECT_EQ(error, "no plug-in is loaded");
}

// The gallery's controls are the plug-in's: unloading it closes the gallery
// with the dialogs (and a scene view kept beside them) first.
TEST(PluginControls, UnloadingClosesTheGalleryAndTheViewWithTheDialogs) {
    HostedPlugin plugin;
    plugin.Start("vessel Tug carrier\nvessel Probe\n");
    HWND dialog = plugin.OpenDialog();
    std::string error;
    HWND gallery = OpenControlsGallery(nullptr, &error);
    ASSERT_NE(gallery, nullptr) << error;
    HWND view = OpenSceneView(TheHost().scene, nullptr, &error);
    ASSERT_NE(view, nullptr) << error;
    TheHost().windows.KeepTool(view);
    plugin.Stop();
    EXPECT_FALSE(IsWindow(dialog));
    EXPECT_FALSE(IsWindow(gallery));
    EXPECT_FALSE(IsWindow(view));
}

}  // namespace
