// The windows the host keeps open beside its main window: the plug-in's
// dialogs and the host's tool windows (the controls gallery, the scene
// view). They close together, before the plug-in is unloaded: the gallery
// holds windows of the plug-in's classes, and a dialog runs its code.
#ifndef KESTRIX_HOST_EXPORTS_HOST_WINDOWS_H
#define KESTRIX_HOST_EXPORTS_HOST_WINDOWS_H

#include <windows.h>

#include <vector>

class HostWindows {
public:
    // The owner of every dialog and tool window; null without a main window
    // (or once it is gone).
    HWND Owner() const { return IsWindow(owner_) ? owner_ : nullptr; }
    void SetOwner(HWND owner) { owner_ = owner; }

    void AddDialog(HWND dialog);
    // The dialogs still open, oldest first.
    const std::vector<HWND>& Dialogs();
    // The newest dialog that is still open, or null.
    HWND NewestDialog();

    // Keeps a tool window, to be closed with the rest; once, however often kept.
    void KeepTool(HWND window);
    // The tool windows still open, in the order they were first kept.
    const std::vector<HWND>& Tools();

    // Destroys every dialog, then every tool window, and forgets them.
    void CloseAll();

    // Moves a window about to be shown for the first time: a tool window
    // back to where its kind last stood this session, any other beside the
    // owner and the windows already open (win32/window_placement.h).
    void Place(HWND window);

    // The keyboard of every modeless window of the host (the main window,
    // the dialogs, the tool windows): true when IsDialogMessage took the
    // message for one of them, as a message loop asks before dispatching.
    bool TakeDialogMessage(MSG* message);

private:
    void ForgetClosed();

    HWND owner_ = nullptr;
    std::vector<HWND> dialogs_;  // oldest first
    std::vector<HWND> tools_;
};

#endif
