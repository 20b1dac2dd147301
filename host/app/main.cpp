// kestrix.exe: the stand-in host. Loads the plug-in into a scene of vessels
// and either runs a script headless or shows its main window.
#include <windows.h>
#include <commctrl.h>
#include <fcntl.h>
#include <io.h>

#include <cstdio>
#include <string>
#include <vector>

#include "host/app/command_line.h"
#include "host/app/display_check.h"
#include "host/app/exit_codes.h"
#include "host/app/main_window.h"
#include "host/app/text_file.h"
#include "host/app/version_report.h"
#include "host/exports/host_state.h"
#include "host/loader/executable_path.h"
#include "host/loader/plugin_loader.h"
#include "host/scene/demo_scene.h"
#include "host/scene/scene_parser.h"
#include "host/script/script_runner.h"

namespace {

const char kNoDisplay[] =
    "no display: the main window cannot be shown here (under Wine: the prefix has the null\n"
    "  graphics driver, as the build's test prefix does, or its X display is not there);\n"
    "  to see the window, run tools/show-host.sh from a desktop session, and to run\n"
    "  without a display, give --script FILE";

bool LoadScene(const HostOptions& options, std::string* error) {
    std::string text = DemoSceneText();
    std::string where = "demo scene";
    if (!options.scenePath.empty()) {
        where = options.scenePath;
        std::string reason;
        if (!ReadTextFile(options.scenePath, &text, &reason)) {
            *error = "cannot read scene " + options.scenePath + ": " + reason;
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
    std::string reason;
    if (!ReadTextFile(path, &text, &reason)) {
        *error = "cannot read script " + path + ": " + reason;
        return false;
    }
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

std::string PluginPath(const HostOptions& options) {
    return options.pluginPath.empty() ? ExecutableFolder() + "BraskDialog.dll" : options.pluginPath;
}

}  // namespace

int main(int argc, char** argv) {
    // Plain "\n" line ends on stdout, whatever the console.
    _setmode(_fileno(stdout), _O_BINARY);

    HostOptions options;
    std::string error;
    if (!ParseCommandLine(argc, argv, &options, &error)) {
        std::fputs(kUsage, stderr);
        return Fail(kExitBadInput, error);
    }
    if (options.help) {
        std::fputs(kUsage, stdout);
        return kExitOk;
    }
    if (options.version) {
        std::fputs(VersionReport(PluginPath(options)).c_str(), stdout);
        return kExitOk;
    }

    HostState& host = TheHost();
    // Untraced, the host records nothing: a session on a large scene would
    // otherwise keep every message of every opening in memory.
    host.trace.SetEnabled(options.trace);
    if (options.trace) host.trace.PrintTo(stdout);
    if (!LoadScene(options, &error)) return Fail(kExitBadInput, error);

    std::vector<ScriptAction> actions;
    if (!options.scriptPath.empty() && !LoadScript(options.scriptPath, &actions, &error)) {
        return Fail(kExitBadInput, error);
    }

    // Said at once, rather than after a window that nobody can see or close.
    if (options.scriptPath.empty() && !CanShowWindows()) return Fail(kExitNoDisplay, kNoDisplay);

    RegisterCommonControls();
    LoadedPlugin plugin;
    if (!plugin.Load(PluginPath(options), &error)) return Fail(kExitFailed, error);

    int code = kExitOk;
    if (!options.scriptPath.empty()) {
        if (!RunScript(actions, stdout, &error)) {
            code = Fail(kExitBadInput, options.scriptPath + ": " + error);
        }
    } else if (!RunMainWindow(GetModuleHandleA(nullptr))) {
        code = Fail(kExitFailed, "cannot create the main window (is there a display?)");
    }
    plugin.Unload();
    host.scene.Clear();
    return code;
}
