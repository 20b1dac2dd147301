#include "host/exports/host_windows.h"

#include <algorithm>

#include "host/win32/window_placement.h"
#include "host/win32/window_places.h"

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

const std::vector<HWND>& HostWindows::Tools() {
    ForgetClosed();
    return tools_;
}

void HostWindows::CloseAll() {
    DestroyAll(dialogs_);
    DestroyAll(tools_);
}

void HostWindows::Place(HWND window) {
    if (ReturnToPlace(window)) return;
    ForgetClosed();
    std::vector<RECT> taken;
    for (const std::vector<HWND>* list : {&dialogs_, &tools_}) {
        for (HWND w : *list) {
            RECT r;
            if (w != window && w != owner_ && IsWindowVisible(w) && GetWindowRect(w, &r)) {
                taken.push_back(r);
            }
        }
    }
    RECT owner = {};
    if (Owner() != nullptr) GetWindowRect(owner_, &owner);
    RECT frame;
    if (!GetWindowRect(window, &frame)) return;
    const SIZE size = {frame.right - frame.left, frame.bottom - frame.top};
    // A second window that cannot stand beside the first still shows its
    // caption below the first one's.
    const int step = GetSystemMetrics(SM_CYCAPTION) + GetSystemMetrics(SM_CYFRAME);
    POINT at;
    if (PlaceBeside(owner, taken, size, WorkAreaOf(Owner() ? owner_ : window), step, &at)) {
        SetWindowPos(window, nullptr, at.x, at.y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    }
}

bool HostWindows::TakeDialogMessage(MSG* message) {
    if (Owner() != nullptr && IsDialogMessageA(owner_, message)) return true;
    ForgetClosed();
    // Copies (the list's elements are): a key may open or close a window.
    for (const std::vector<HWND>& list : {dialogs_, tools_}) {
        for (HWND w : list) {
            if (w != owner_ && IsWindow(w) && IsDialogMessageA(w, message)) return true;
        }
    }
    return false;
}
