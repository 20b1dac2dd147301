#include "tests/support/hosted_plugin.h"

#include <gtest/gtest.h>

#include "host/automation/editor_controls.h"
#include "host/loader/executable_path.h"
#include "host/scene/scene_parser.h"

HostedPlugin::~HostedPlugin() { Stop(); }

std::string HostedPlugin::PluginPath() { return ExecutableFolder() + TEST_PLUGIN_FILE; }

void HostedPlugin::Start(const std::string& sceneText) {
    SceneDescription scene;
    std::string error;
    ASSERT_TRUE(ParseScene(sceneText, &scene, &error)) << error;
    Start(scene);
}

void HostedPlugin::Start(const SceneDescription& scene) {
    Stop();
    HostState& host = TheHost();
    host.Reset();
    host.scene.Load(scene);
    std::string error;
    ASSERT_TRUE(plugin_.Load(ExecutableFolder() + fileName_, &error)) << error;
}

void HostedPlugin::Stop() {
    plugin_.Unload();
    TheHost().Reset();
}

HWND HostedPlugin::OpenDialog() {
    const CustomCommand* command = TheHost().plugins.FindCommand(kEditorCommand);
    if (command == nullptr) {
        ADD_FAILURE() << "the plug-in registered no \"" << kEditorCommand << "\" command";
        return nullptr;
    }
    HostWindows& windows = TheHost().windows;
    const size_t before = windows.Dialogs().size();
    command->callback(command->context);
    if (windows.Dialogs().size() != before + 1) {
        ADD_FAILURE() << "the command opened no dialog";
        return nullptr;
    }
    return windows.Dialogs().back();
}

std::vector<std::string> HostedPlugin::Trace() const {
    std::vector<std::string> lines;
    for (const TraceEntry& e : TheHost().trace.Entries()) lines.push_back(e.Format());
    return lines;
}

void HostedPlugin::ClearTrace() { TheHost().trace.Clear(); }
