#include "host/script/script_runner.h"

#include <cstring>

#include "dialog/resource.h"
#include "host/automation/control_kinds.h"
#include "host/automation/controls_report.h"
#include "host/automation/dialog_driver.h"
#include "host/automation/editor_controls.h"
#include "host/automation/editor_description.h"
#include "host/automation/focus_report.h"
#include "host/automation/layout_report.h"
#include "host/exports/host_state.h"
#include "host/gallery/accessible_report.h"
#include "host/gallery/controls_gallery.h"
#include "host/gallery/gallery_keys.h"
#include "host/main_window/main_window.h"
#include "host/scene_view/picture_file.h"
#include "host/scene_view/scene_view_window.h"
#include "host/text/quoting.h"
#include "host/win32/key_press.h"
#include "host/win32/message_pump.h"

namespace {

bool RunOpen(std::string* reason) {
    const CustomCommand* command = TheHost().plugins.FindCommand(kEditorCommand);
    if (command == nullptr) {
        *reason = "no custom command " + InQuotes(kEditorCommand) + " is registered";
        return false;
    }
    command->callback(command->context);
    return true;
}

// Opens the gallery and lists its controls as their window longs read.
bool RunGallery(std::FILE* out, std::string* reason) {
    if (OpenControlsGallery(TheHost().windows.Owner(), reason) == nullptr) return false;
    std::fputs(DescribeControlsGallery().c_str(), out);
    std::fflush(out);
    return true;
}

// The keyboard of every window of the host, as its message loop has it.
bool TakeDialogMessage(MSG* message) { return TheHost().windows.TakeDialogMessage(message); }

// Opens the scene view beside the main window and the open dialog, if any,
// so that each arrow click can be seen moving the payload without either
// window covering the other.
bool RunView(std::string* reason) {
    HostState& host = TheHost();
    HWND view = OpenSceneView(host.scene, host.windows.Owner(),
                              [](HWND made) { TheHost().windows.Place(made); }, reason);
    if (view == nullptr) return false;
    host.windows.KeepTool(view);
    return true;
}

// The main window, as the host shows it without a script; closed with the
// other windows when the script ends.
bool RunMain(std::string* reason) {
    HostWindows& windows = TheHost().windows;
    if (windows.Owner() != nullptr) {
        *reason = "the main window is open already";
        return false;
    }
    HWND main = OpenMainWindow(GetModuleHandleA(nullptr));
    if (main == nullptr) {
        *reason = "cannot create the main window";
        return false;
    }
    windows.KeepTool(main);
    return true;
}

// The main window first, then the dialogs and the tool windows as they opened.
bool RunLayout(std::FILE* out) {
    HostWindows& windows = TheHost().windows;
    std::vector<HWND> shown;
    if (windows.Owner() != nullptr) shown.push_back(windows.Owner());
    for (HWND w : windows.Dialogs()) shown.push_back(w);
    for (HWND w : windows.Tools()) {
        if (w != windows.Owner()) shown.push_back(w);
    }
    for (HWND w : shown) std::fputs(DescribeLayout(w).c_str(), out);
    std::fflush(out);
    return true;
}

// Each press goes where the focus is, through the loop's keyboard handling.
bool RunKey(WORD key, int times, std::FILE* out) {
    for (int i = 0; i < times; ++i) {
        PressKey(key, TakeDialogMessage);
        std::fputs(DescribeFocus().c_str(), out);
    }
    std::fflush(out);
    return true;
}

// Changes the scene under the open dialog, as the simulation may at any time.
bool RunOnScene(const ScriptAction& a, std::string* reason) {
    Scene& scene = TheHost().scene;
    const bool found = a.kind == ActionKind::Kill ? scene.Kill(a.text) : scene.Remove(a.text);
    if (!found) *reason = "no vessel " + InQuotes(a.text);
    return found;
}

// How a message names the action's control: "control 1004" or "pos.x (1004)".
std::string ControlLabel(const ScriptAction& a) {
    const std::string id = std::to_string(a.controlId);
    return a.controlName.empty() ? "control " + id : a.controlName + " (" + id + ")";
}

bool RequireControl(HWND dialog, const ScriptAction& a, const char* wantedClass,
                    std::string* reason) {
    const std::string cls = ControlClass(dialog, a.controlId);
    if (cls.empty()) {
        *reason = "the dialog has no control " + std::to_string(a.controlId);
        return false;
    }
    if (_stricmp(cls.c_str(), wantedClass) != 0) {
        *reason = ControlLabel(a) + " is a " + KindOfClass(cls) + ", not a " +
                  KindOfClass(wantedClass);
        return false;
    }
    return true;
}

// The entries there are, when the script names one that is not.
std::string NoSuchEntry(HWND dialog, const ScriptAction& a) {
    const bool carrier = a.kind == ActionKind::Carrier;
    const std::vector<std::string> entries =
        ComboEntries(dialog, carrier ? IDC_CARRIER_LIST : IDC_PAYLOAD_LIST);
    const std::string there = entries.empty() ? "the list is empty"
                                              : "the entries are " + ListInQuotes(entries, 5);
    return std::string("no ") + (carrier ? "carrier" : "payload") + " entry " + InQuotes(a.text) +
           "; " + there;
}

bool RequireCaption(HWND dialog, const ScriptAction& a, std::string* reason) {
    if (a.requiredCaption.empty()) return true;
    const std::string caption = ControlText(dialog, a.controlId);
    if (caption == a.requiredCaption) return true;
    *reason = "cannot click " + a.controlName + ": the button says " + InQuotes(caption);
    return false;
}

bool RunOnDialog(const ScriptAction& a, HWND dialog, std::FILE* out, std::string* reason) {
    switch (a.kind) {
    case ActionKind::Carrier:
    case ActionKind::Payload: {
        const bool carrier = a.kind == ActionKind::Carrier;
        if (!PickComboEntry(dialog, carrier ? IDC_CARRIER_LIST : IDC_PAYLOAD_LIST, a.text)) {
            *reason = NoSuchEntry(dialog, a);
            return false;
        }
        return true;
    }
    case ActionKind::Type:
        if (!RequireControl(dialog, a, "Edit", reason)) return false;
        TypeIntoField(dialog, a.controlId, a.text);
        return true;
    case ActionKind::Click:
        if (!RequireControl(dialog, a, "Button", reason) || !RequireCaption(dialog, a, reason)) {
            return false;
        }
        ClickControl(dialog, a.controlId);
        return true;
    case ActionKind::Spin:
        if (!RequireControl(dialog, a, "msctls_updown32", reason)) return false;
        for (int i = 0; i < a.times && IsWindow(dialog); ++i) {
            PressSpinArrow(dialog, a.controlId, a.up);
        }
        return true;
    case ActionKind::Show:
        std::fputs(DescribePayloadDialog(dialog).c_str(), out);
        std::fflush(out);
        return true;
    case ActionKind::Done:
        ClickControl(dialog, IDC_DONE);
        return true;
    case ActionKind::Drop:
        SendDlgItemMessageA(dialog, a.controlId, CB_SHOWDROPDOWN, TRUE, 0);
        return true;
    case ActionKind::Controls:
        std::fputs(DescribeDialogControls(dialog).c_str(), out);
        std::fflush(out);
        return true;
    case ActionKind::Open:
    case ActionKind::Gallery:
    case ActionKind::Say:
    case ActionKind::Pause:
    case ActionKind::Kill:
    case ActionKind::Delete:
    case ActionKind::View:
    case ActionKind::Picture:
    case ActionKind::Focus:
    case ActionKind::Key:
    case ActionKind::Accessible:
    case ActionKind::Main:
    case ActionKind::Tab:
    case ActionKind::Enter:
    case ActionKind::Layout:
        break;
    }
    return true;
}

bool RunAction(const ScriptAction& a, std::FILE* out, std::string* reason) {
    if (a.kind == ActionKind::Open) return RunOpen(reason);
    if (a.kind == ActionKind::Gallery) return RunGallery(out, reason);
    if (a.kind == ActionKind::View) return RunView(reason);
    if (a.kind == ActionKind::Main) return RunMain(reason);
    if (a.kind == ActionKind::Tab) return RunKey(VK_TAB, a.times, out);
    if (a.kind == ActionKind::Enter) return RunKey(VK_RETURN, 1, out);
    if (a.kind == ActionKind::Layout) return RunLayout(out);
    if (a.kind == ActionKind::Picture) return WriteScenePicture(TheHost().scene, a.text, reason);
    if (a.kind == ActionKind::Pause) {
        PumpMessagesFor(a.milliseconds, TakeDialogMessage);
        return true;
    }
    if (a.kind == ActionKind::Kill || a.kind == ActionKind::Delete) return RunOnScene(a, reason);
    if (a.kind == ActionKind::Focus) return FocusGalleryControl(a.controlId, reason);
    if (a.kind == ActionKind::Key) {
        return PressGalleryKey(static_cast<WORD>(a.controlId), a.times, out, reason);
    }
    if (a.kind == ActionKind::Accessible) return ReportGalleryAccessible(a.controlId, out, reason);
    if (a.kind == ActionKind::Say) {
        std::fprintf(out, "%s\n", a.text.c_str());
        std::fflush(out);
        return true;
    }
    HWND dialog = TheHost().windows.NewestDialog();
    if (dialog == nullptr) {
        *reason = "no dialog is open";
        return false;
    }
    return RunOnDialog(a, dialog, out, reason);
}

}  // namespace

bool RunScript(const std::vector<ScriptAction>& actions, std::FILE* out, std::string* error) {
    bool ok = true;
    for (const ScriptAction& a : actions) {
        std::string reason;
        ok = RunAction(a, out, &reason);
        PumpMessages(TakeDialogMessage);
        if (!ok) {
            *error = "line " + std::to_string(a.line) + ": " + reason;
            break;
        }
    }
    return ok;
}
