// The plug-in loaded into the test program, which acts as its host.
#ifndef KESTRIX_TESTS_HOSTED_PLUGIN_H
#define KESTRIX_TESTS_HOSTED_PLUGIN_H

#include <windows.h>

#include <string>
#include <vector>

#include "host/exports/host_state.h"
#include "host/loader/plugin_loader.h"
#include "host/scene/scene_description.h"

class HostedPlugin {
public:
    HostedPlugin() = default;
    ~HostedPlugin();

    // The plug-in file beside the program that Start loads; by default the
    // program's own copy of the plug-in.
    void UsePluginFile(const std::string& fileName) { fileName_ = fileName; }

    // A fresh host with the scene, then the plug-in loaded and initialised.
    // Fails the current test when the scene or the plug-in does not load.
    void Start(const std::string& sceneText);
    // The same for a scene no file could state (names holding quotes, say).
    void Start(const SceneDescription& scene);
    void Stop();

    // Runs the "Brask Dialog" command and returns the dialog it opened.
    HWND OpenDialog();

    // The trace as its printed lines; Clear forgets what is recorded so far.
    std::vector<std::string> Trace() const;
    void ClearTrace();

    HMODULE Module() const { return plugin_.Module(); }
    static std::string PluginPath();

private:
    LoadedPlugin plugin_;
    std::string fileName_ = TEST_PLUGIN_FILE;
};

#endif
