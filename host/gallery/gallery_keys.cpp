#include "host/gallery/gallery_keys.h"

#include "controls/custom_controls.h"
#include "host/gallery/controls_gallery.h"
#include "host/text/quoting.h"
#include "host/win32/window_texts.h"

namespace {

// Handles what waits in the queue as the host's message loop does for the
// gallery.
void PumpGallery(HWND gallery) {
    MSG msg;
    while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
        if (IsWindow(gallery) && IsDialogMessageA(gallery, &msg)) continue;
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
    }
}

bool IsControl(HWND window) {
    const std::string name = WindowClassOf(window);
    return name == kGaugeClassName || name == kSwitchClassName;
}

}  // namespace

bool FocusGalleryControl(int id, std::string* reason) {
    HWND gallery = ControlsGalleryWindow();
    if (gallery == nullptr) {
        *reason = "the controls gallery is not open";
        return false;
    }
    HWND control = GetDlgItem(gallery, id);
    if (control == nullptr || !IsControl(control)) {
        *reason = "the gallery has no gauge or switch " + std::to_string(id);
        return false;
    }
    SetFocus(control);
    PumpGallery(gallery);
    return true;
}

bool PressGalleryKey(WORD key, int times, std::FILE* out, std::string* reason) {
    HWND gallery = ControlsGalleryWindow();
    if (gallery == nullptr) {
        *reason = "the controls gallery is not open";
        return false;
    }
    const size_t logged = ControlsGalleryLog().size();
    for (int i = 0; i < times; ++i) {
        // Up, down, up again: each press is a first one, not a repeat.
        HWND focus = GetFocus();
        PostMessageA(focus, WM_KEYDOWN, key, 1);
        PostMessageA(focus, WM_KEYUP, key, static_cast<LPARAM>(0xC0000001u));
        PumpGallery(gallery);
    }
    const std::vector<std::string> log = ControlsGalleryLog();
    for (size_t i = logged; i < log.size(); ++i) std::fprintf(out, "log: %s\n", log[i].c_str());
    HWND focus = GetFocus();
    if (focus != nullptr && IsChild(gallery, focus)) {
        const std::string text = InQuotes(WindowTextOf(focus));
        std::fprintf(out, "focus: %d %s\n", GetDlgCtrlID(focus), text.c_str());
    } else {
        std::fprintf(out, "focus: %s\n", focus == gallery ? "the gallery" : "elsewhere");
    }
    std::fflush(out);
    return true;
}
