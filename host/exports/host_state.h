// Everything the stand-in host keeps while it runs: the scene, the message
// trace, and what plug-ins registered with it. (What a plug-in calls is told
// to an observer instead: host/plugin_calls.h.)
#ifndef KESTRIX_HOST_HOST_STATE_H
#define KESTRIX_HOST_HOST_STATE_H

#include <string>
#include <vector>

#include "host/message_trace.h"
#include "host/scene.h"
#include "kapi_classes.h"

struct CustomCommand {
    DWORD id = 0;
    std::string label;
    std::string description;
    CustomCmdFunc callback = nullptr;
    void* context = nullptr;
};

struct HostState {
    // First: the scene's vessels trace into it.
    MessageTrace trace;
    Scene scene{&trace};

    std::vector<CustomCommand> commands;
    DWORD nextCommandId = 1;  // 0 is never a valid id
    std::vector<kapi::Module*> modules;
    std::vector<HWND> dialogs;  // open, oldest first
    HINSTANCE pluginInstance = nullptr;  // the loaded plug-in, for windows of its classes
    HWND dialogOwner = nullptr;

    const CustomCommand* FindCommand(const std::string& label) const;
    // The newest dialog that is still open, or null.
    HWND NewestDialog();
    void ForgetClosedDialogs();
    // Back to a host with nothing registered and an empty scene.
    void Reset();
};

// Inline, so that the host's exports, which the dialog calls n x n times
// when it opens, reach the state without a call of their own.
inline HostState& TheHost() {
    static HostState host;
    return host;
}

#endif
