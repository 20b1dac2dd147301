// Loading, initialising and unloading the plug-in as a host does.
#include <windows.h>

#include <cstring>

#include <gtest/gtest.h>

#include "host/exports/host_state.h"
#include "host/loader/executable_path.h"
#include "host/loader/plugin_loader.h"
#include "host/text/date_text.h"
#include "tests/support/hosted_plugin.h"
#include "tests/support/plugin_call_log.h"

namespace {

typedef void (*InstanceEntry)(HINSTANCE);
typedef const char* (*DateEntry)();
typedef int (*VersionEntry)();

template <typename T>
T Entry(HMODULE module, const char* name) {
    return reinterpret_cast<T>(reinterpret_cast<void*>(GetProcAddress(module, name)));
}

class ModuleLifecycle : public testing::Test {
protected:
    void SetUp() override { TheHost().Reset(); }
    void TearDown() override { TheHost().Reset(); }

    PluginCallLog calls_;
};

TEST_F(ModuleLifecycle, LoadRegistersCommandAndModuleAndUnloadReleasesThemOnce) {
    HostState& host = TheHost();
    HMODULE module = LoadLibraryA(HostedPlugin::PluginPath().c_str());
    ASSERT_NE(module, nullptr);
    ASSERT_EQ(calls_.initLib.size(), 1u);
    EXPECT_EQ(calls_.initLib[0], module);

    Entry<InstanceEntry>(module, "InitModule")(module);
    ASSERT_EQ(host.plugins.commands.size(), 1u);
    EXPECT_EQ(host.plugins.commands[0].label, "Brask Dialog");
    EXPECT_EQ(host.plugins.commands[0].description, "Edit the payloads of vessels");
    EXPECT_EQ(host.plugins.commands[0].context, nullptr);
    ASSERT_EQ(host.plugins.modules.size(), 1u);
    EXPECT_EQ(host.plugins.modules[0]->GetModuleInstance(), module);
    const DWORD id = host.plugins.commands[0].id;
    const kapi::Module* object = host.plugins.modules[0];
    host.plugins.modules.clear();  // the host lets go before unloading

    FreeLibrary(module);
    EXPECT_TRUE(host.plugins.commands.empty());
    ASSERT_EQ(calls_.unregisteredCommands.size(), 1u);
    EXPECT_EQ(calls_.unregisteredCommands[0], static_cast<int>(id));
    ASSERT_EQ(calls_.destroyedModules.size(), 1u);
    EXPECT_EQ(calls_.destroyedModules[0], object);
}

TEST_F(ModuleLifecycle, ExitModuleCalledByHostAndAgainByDetachHookReleasesOnce) {
    HostState& host = TheHost();
    HMODULE module = LoadLibraryA(HostedPlugin::PluginPath().c_str());
    ASSERT_NE(module, nullptr);
    Entry<InstanceEntry>(module, "InitModule")(module);
    host.plugins.modules.clear();

    Entry<InstanceEntry>(module, "ExitModule")(module);
    Entry<InstanceEntry>(module, "ExitModule")(module);  // a host that calls it twice
    EXPECT_EQ(calls_.unregisteredCommands.size(), 1u);
    EXPECT_EQ(calls_.destroyedModules.size(), 1u);

    FreeLibrary(module);  // the detach hook calls ExitModule again
    EXPECT_EQ(calls_.unregisteredCommands.size(), 1u);
    EXPECT_EQ(calls_.destroyedModules.size(), 1u);
}

TEST_F(ModuleLifecycle, DetachWithoutInitModuleUnregistersIdZeroAndDestroysNothing) {
    HMODULE module = LoadLibraryA(HostedPlugin::PluginPath().c_str());
    ASSERT_NE(module, nullptr);
    FreeLibrary(module);
    ASSERT_EQ(calls_.unregisteredCommands.size(), 1u);
    EXPECT_EQ(calls_.unregisteredCommands[0], 0);
    EXPECT_TRUE(calls_.destroyedModules.empty());
}

TEST_F(ModuleLifecycle, LibraryExportingOnlyTheOtherExitNameHasItCalledAtDetach) {
    HMODULE module = LoadLibraryA((ExecutableFolder() + "exit_alias_plugin.dll").c_str());
    ASSERT_NE(module, nullptr);
    EXPECT_EQ(GetProcAddress(module, "ExitModule"), nullptr);
    EXPECT_TRUE(calls_.unregisteredCommands.empty());
    FreeLibrary(module);
    ASSERT_EQ(calls_.unregisteredCommands.size(), 1u);
    EXPECT_EQ(calls_.unregisteredCommands[0], 4242);
}

TEST_F(ModuleLifecycle, ModuleDateIsOneConstantText) {
    HMODULE module = LoadLibraryA(HostedPlugin::PluginPath().c_str());
    ASSERT_NE(module, nullptr);
    DateEntry date = Entry<DateEntry>(module, "ModuleDate");
    const char* first = date();
    EXPECT_STREQ(first, "Apr 29 2013");
    EXPECT_EQ(date(), first);
    FreeLibrary(module);
}

TEST_F(ModuleLifecycle, GetModuleVersionAsksTheHostOnce) {
    HMODULE module = LoadLibraryA(HostedPlugin::PluginPath().c_str());
    ASSERT_NE(module, nullptr);
    VersionEntry version = Entry<VersionEntry>(module, "GetModuleVersion");
    const int expected = DayNumberFromDateText("Aug 30 2010");
    ASSERT_NE(expected, 0);
    for (int i = 0; i < 5; ++i) EXPECT_EQ(version(), expected);
    EXPECT_EQ(calls_.date2Int, 1u);
    FreeLibrary(module);
}

TEST_F(ModuleLifecycle, ReloadingGivesAFreshModule) {
    HostedPlugin plugin;
    for (int round = 0; round < 3; ++round) {
        plugin.Start("vessel Tug carrier\n");
        EXPECT_EQ(TheHost().plugins.commands.size(), 1u);
        HWND dialog = plugin.OpenDialog();
        EXPECT_NE(dialog, nullptr);
        plugin.Stop();
        EXPECT_FALSE(IsWindow(dialog));  // the host closes it before unloading
    }
}

}  // namespace
