// kestrix.exe: the stand-in host. Loads the plug-in into a scene of vessels
// and either runs a script headless or shows its main window.
#include <windows.h>
#include <commctrl.h>
#include <fcntl.h>
#include <io.h>

#include <cstdio>
#include <string>
#include <vector>

#include "host/command_line.h"
#include "host/host_state.h"
#include "host/main_window.h"
#include "host/plugin_loader.h"
#include "host/scene_parser.h"
#include "host/script.h"
#include "host/text_lines.h"

namespace {

enum ExitCode { kOk = 0, kFailed = 1, kBadInput = 2 };

bool LoadScene(const HostOptions& options, std::string* error) {
    std::string text = DemoSceneText();
    std::string where = "demo scene";
    if (!options.scenePath.empty()) {
        where = options.scenePath;
        if (!ReadTextFile(options.scenePath, &text)) {
            *error = "cannot read scene " + options.scenePath;
            return false;
        }
    }
    SceneDescription scene;
    std::string reason;
    if (!ParseScene(text, &scene, &reason)) {
        *error = where + ": " + reason;
        return false;
    }
    TheHost().scene.Load(scene);
    return true;
}

bool LoadScript(const std::string& path, std::vector<ScriptAction>* actions, std::string* error) {
    std::string text;
    if (!ReadTextFile(path, &text)) {
        *error = "cannot read script " + path;
        return false;
    }
    std::string reason;
    if (!ParseScript(text, actions, &reason)) {
        *error = path + ": " + reason;
        return false;
    }
    return true;
}

void RegisterCommonControls() {
    // The dialog's up-down arrows need their class in the process.
    INITCOMMONCONTROLSEX icc = {sizeof(INITCOMMONCONTROLSEX), ICC_UPDOWN_CLASS};
    InitCommonControlsEx(&icc);
}

int Fail(int code, const std::string& message) {
    std::fprintf(stderr, "kestrix: %s\n", message.c_str());
    return code;
}

}  // namespace

int main(int argc, char** argv) {
    // Plain "\n" line ends on stdout, whatever the console.
    _setmode(_fileno(stdout), _O_BINARY);

    HostOptions options;
    std::string error;
    if (!ParseCommandLine(argc, argv, &options, &error)) {
        std::fputs(kUsage, stderr);
        return Fail(kBadInput, error);
    }
    if (options.help) {
        std::fputs(kUsage, stdout);
        return kOk;
    }

    HostState& host = TheHost();
    // Untraced, the host records nothing: a session on a large scene would
    // otherwise keep every message of every opening in memory.
    host.trace.SetEnabled(options.trace);
    if (options.trace) host.trace.PrintTo(stdout);
    if (!LoadScene(options, &error)) return Fail(kBadInput, error);

    std::vector<ScriptAction> actions;
    if (!options.scriptPath.empty() && !LoadScript(options.scriptPath, &actions, &error)) {
        return Fail(kBadInput, error);
    }

    RegisterCommonControls();
    const std::string pluginPath =
        options.pluginPath.empty() ? ExecutableFolder() + "BraskDialog.dll" : options.pluginPath;
    LoadedPlugin plugin;
    if (!plugin.Load(pluginPath, &error)) return Fail(kFailed, error);

    int code = kOk;
    if (!options.scriptPath.empty()) {
        if (!RunScript(actions, stdout, &error)) {
            code = Fail(kBadInput, options.scriptPath + ": " + error);
        }
    } else if (!RunMainWindow(GetModuleHandleA(nullptr))) {
        code = Fail(kFailed, "cannot create the main window (is there a display?)");
    }
    plugin.Unload();
    host.scene.Clear();
    return code;
}
