// Carrying out script actions against the host's newest dialog.
#include <cstring>

#include "dialog/resource.h"
#include "host/controls_gallery.h"
#include "host/dialog_driver.h"
#include "host/host_state.h"
#include "host/script.h"

namespace {

const char kCommandLabel[] = "Brask Dialog";

bool RunOpen(std::string* reason) {
    const CustomCommand* command = TheHost().FindCommand(kCommandLabel);
    if (command == nullptr) {
        *reason = std::string("no custom command \"") + kCommandLabel + "\" is registered";
        return false;
    }
    command->callback(command->context);
    return true;
}

// Opens the gallery and lists its controls as their window longs read.
bool RunGallery(std::FILE* out, std::string* reason) {
    if (OpenControlsGallery(TheHost().dialogOwner, reason) == nullptr) return false;
    std::fputs(DescribeControlsGallery().c_str(), out);
    std::fflush(out);
    return true;
}

// Keeps every window of the thread answering, painting and taking input
// until the time is up, as the host's message loop would.
void Pause(unsigned milliseconds) {
    const DWORD start = GetTickCount();
    for (;;) {
        PumpMessages();
        const DWORD elapsed = GetTickCount() - start;  // wraps safely
        if (elapsed >= milliseconds) break;
        MsgWaitForMultipleObjects(0, nullptr, FALSE, milliseconds - elapsed, QS_ALLINPUT);
    }
}

// Changes the scene under the open dialog, as the simulation may at any time.
bool RunOnScene(const ScriptAction& a, std::string* reason) {
    Scene& scene = TheHost().scene;
    const bool found = a.kind == ActionKind::Kill ? scene.Kill(a.text) : scene.Remove(a.text);
    if (!found) *reason = "no vessel \"" + a.text + "\"";
    return found;
}

bool RequireControl(HWND dialog, int id, const char* wantedClass, std::string* reason) {
    const std::string cls = ControlClass(dialog, id);
    if (cls.empty()) {
        *reason = "the dialog has no control " + std::to_string(id);
        return false;
    }
    if (wantedClass != nullptr && _stricmp(cls.c_str(), wantedClass) != 0) {
        *reason = "control " + std::to_string(id) + " is a " + cls + ", not a " + wantedClass;
        return false;
    }
    return true;
}

bool RunOnDialog(const ScriptAction& a, HWND dialog, std::FILE* out, std::string* reason) {
    switch (a.kind) {
    case ActionKind::Carrier:
    case ActionKind::Payload: {
        const bool carrier = a.kind == ActionKind::Carrier;
        if (!PickComboEntry(dialog, carrier ? IDC_CARRIER_LIST : IDC_PAYLOAD_LIST, a.text)) {
            *reason = std::string("no ") + (carrier ? "carrier" : "payload") + " entry \"" +
                      a.text + "\"";
            return false;
        }
        return true;
    }
    case ActionKind::Type:
        if (!RequireControl(dialog, a.controlId, "Edit", reason)) return false;
        TypeIntoField(dialog, a.controlId, a.text);
        return true;
    case ActionKind::Click:
        if (!RequireControl(dialog, a.controlId, "Button", reason)) return false;
        ClickControl(dialog, a.controlId);
        return true;
    case ActionKind::Spin:
        if (!RequireControl(dialog, a.controlId, "msctls_updown32", reason)) return false;
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
    case ActionKind::Open:
    case ActionKind::Gallery:
    case ActionKind::Say:
    case ActionKind::Pause:
    case ActionKind::Kill:
    case ActionKind::Delete:
        break;
    }
    return true;
}

bool RunAction(const ScriptAction& a, std::FILE* out, std::string* reason) {
    if (a.kind == ActionKind::Open) return RunOpen(reason);
    if (a.kind == ActionKind::Gallery) return RunGallery(out, reason);
    if (a.kind == ActionKind::Pause) {
        Pause(a.milliseconds);
        return true;
    }
    if (a.kind == ActionKind::Kill || a.kind == ActionKind::Delete) return RunOnScene(a, reason);
    if (a.kind == ActionKind::Say) {
        std::fprintf(out, "%s\n", a.text.c_str());
        std::fflush(out);
        return true;
    }
    HWND dialog = TheHost().NewestDialog();
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
        PumpMessages();
        if (!ok) {
            *error = "line " + std::to_string(a.line) + ": " + reason;
            break;
        }
    }
    CloseControlsGallery();
    return ok;
}
