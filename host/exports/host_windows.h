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
    // The owner of every dialog and tool window; null without a main window.
    HWND Owner() const { return owner_; }
    void SetOwner(HWND owner) { owner_ = owner; }

    void AddDialog(HWND dialog);
    // The dialogs still open, oldest first.
    const std::vector<HWND>& Dialogs();
    // The newest dialog that is still open, or null.
    HWND NewestDialog();

    // Keeps a tool window, to be closed with the rest; once, however often kept.
    void KeepTool(HWND window);

    // Destroys every dialog, then every tool window, and forgets them.
    void CloseAll();

private:
    void ForgetClosed();

    HWND owner_ = nullptr;
    std::vector<HWND> dialogs_;  // oldest first
    std::vector<HWND> tools_;
};

#endif
