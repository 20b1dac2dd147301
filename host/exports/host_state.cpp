#include "host/host_state.h"

#include <algorithm>

const CustomCommand* HostState::FindCommand(const std::string& label) const {
    for (const CustomCommand& c : commands) {
        if (c.label == label) return &c;
    }
    return nullptr;
}

void HostState::ForgetClosedDialogs() {
    dialogs.erase(std::remove_if(dialogs.begin(), dialogs.end(),
                                 [](HWND d) { return !IsWindow(d); }),
                  dialogs.end());
}

HWND HostState::NewestDialog() {
    ForgetClosedDialogs();
    return dialogs.empty() ? nullptr : dialogs.back();
}

void HostState::Reset() {
    for (HWND d : dialogs) {
        if (IsWindow(d)) DestroyWindow(d);
    }
    dialogs.clear();
    scene.Clear();
    trace.Clear();
    trace.SetEnabled(true);
    commands.clear();
    modules.clear();
}
