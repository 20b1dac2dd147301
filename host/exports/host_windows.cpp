#include "host/exports/host_windows.h"

#include <algorithm>

namespace {

void ForgetClosedIn(std::vector<HWND>& windows) {
    windows.erase(std::remove_if(windows.begin(), windows.end(),
                                 [](HWND w) { return !IsWindow(w); }),
                  windows.end());
}

// Copied first: destroying a window may run code that opens or closes others.
void DestroyAll(std::vector<HWND>& windows) {
    const std::vector<HWND> open = windows;
    windows.clear();
    for (HWND w : open) {
        if (IsWindow(w)) DestroyWindow(w);
    }
}

}  // namespace

void HostWindows::AddDialog(HWND dialog) {
    if (dialog != nullptr) dialogs_.push_back(dialog);
}

void HostWindows::ForgetClosed() {
    ForgetClosedIn(dialogs_);
    ForgetClosedIn(tools_);
}

const std::vector<HWND>& HostWindows::Dialogs() {
    ForgetClosed();
    return dialogs_;
}

HWND HostWindows::NewestDialog() {
    ForgetClosed();
    return dialogs_.empty() ? nullptr : dialogs_.back();
}

void HostWindows::KeepTool(HWND window) {
    ForgetClosed();
    if (window != nullptr && std::find(tools_.begin(), tools_.end(), window) == tools_.end()) {
        tools_.push_back(window);
    }
}

void HostWindows::CloseAll() {
    DestroyAll(dialogs_);
    DestroyAll(tools_);
}
