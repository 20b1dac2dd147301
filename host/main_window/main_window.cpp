#include "host/main_window/main_window.h"

#include <string>
#include <vector>

#include "host/exports/host_state.h"
#include "host/gallery/controls_gallery.h"
#include "host/scene/scene_vessel.h"
#include "host/scene_view/scene_view_window.h"
#include "host/win32/child_window.h"
#include "host/win32/dpi_scale.h"
#include "host/win32/message_pump.h"
#include "host/win32/window_class.h"

namespace {

const char kClassName[] = "KestrixHostMain";
// At 96 DPI, as the children's places are (win32/child_window.h).
const int kClientWidth = 515;
const int kClientHeight = 268;
enum : int {
    kVesselList = 100,
    kCommandList = 101,
    kRunButton = 102,
    kGalleryButton = 103,
    kViewButton = 104
};

std::string DescribeVessel(const SceneVessel& v) {
    const VesselDescription& d = v.Description();
    std::string text = d.name + "   (version " + std::to_string(d.version);
    if (d.carrier) text += ", carrier";
    if (d.noInterface) text += ", no interface";
    if (d.dead) text += ", dead";
    return text + ")";
}

void FillLists(HWND window) {
    HostState& host = TheHost();
    HWND vessels = GetDlgItem(window, kVesselList);
    SendMessageA(vessels, LB_RESETCONTENT, 0, 0);
    for (size_t i = 0; i < host.scene.Count(); ++i) {
        const std::string text = DescribeVessel(*host.scene.At(i));
        SendMessageA(vessels, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text.c_str()));
    }
    HWND commands = GetDlgItem(window, kCommandList);
    SendMessageA(commands, LB_RESETCONTENT, 0, 0);
    for (const CustomCommand& c : host.plugins.commands) {
        const std::string text = c.label + " - " + c.description;
        SendMessageA(commands, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text.c_str()));
    }
    SendMessageA(commands, LB_SETCURSEL, 0, 0);
}

void RunSelectedCommand(HWND window) {
    const LRESULT index = SendDlgItemMessageA(window, kCommandList, LB_GETCURSEL, 0, 0);
    const std::vector<CustomCommand> commands = TheHost().plugins.commands;
    if (index < 0 || static_cast<size_t>(index) >= commands.size()) return;
    commands[static_cast<size_t>(index)].callback(commands[static_cast<size_t>(index)].context);
}

// In tab order: the lists, then the buttons.
void OnCreate(HWND window) {
    const DWORD listStyle =
        WS_BORDER | WS_VSCROLL | WS_TABSTOP | LBS_NOTIFY | LBS_NOINTEGRALHEIGHT;
    AddChild(window, "STATIC", "Vessels in the scene", 0, 10, 10, 250, 16, -1);
    AddChild(window, "LISTBOX", "", listStyle, 10, 28, 250, 230, kVesselList);
    AddChild(window, "STATIC", "Custom commands", 0, 275, 10, 230, 16, -1);
    AddChild(window, "LISTBOX", "", listStyle, 275, 28, 230, 156, kCommandList);
    AddChild(window, "BUTTON", "Run command", BS_DEFPUSHBUTTON | WS_TABSTOP, 275, 194, 110, 28,
             kRunButton);
    AddChild(window, "BUTTON", "Controls gallery", BS_PUSHBUTTON | WS_TABSTOP, 395, 194, 110, 28,
             kGalleryButton);
    AddChild(window, "BUTTON", "Scene view", BS_PUSHBUTTON | WS_TABSTOP, 275, 230, 110, 28,
             kViewButton);
    FillLists(window);
    // Enter in a list runs the selected command.
    SendMessageA(window, DM_SETDEFID, kRunButton, 0);
}

void OpenGallery(HWND window) {
    std::string error;
    if (OpenControlsGallery(window, &error) == nullptr) {
        MessageBoxA(window, error.c_str(), "Controls gallery", MB_OK | MB_ICONWARNING);
    }
}

void OpenView(HWND window) {
    std::string error;
    HostState& host = TheHost();
    HWND view = OpenSceneView(host.scene, window, [](HWND made) { TheHost().windows.Place(made); },
                              &error);
    if (view == nullptr) {
        MessageBoxA(window, error.c_str(), "Scene view", MB_OK | MB_ICONWARNING);
        return;
    }
    host.windows.KeepTool(view);
}

void OnCommand(HWND window, WPARAM wParam) {
    switch (LOWORD(wParam)) {
    case kGalleryButton:
        OpenGallery(window);
        break;
    case kViewButton:
        OpenView(window);
        break;
    case kRunButton:
        RunSelectedCommand(window);
        break;
    case kCommandList:
        if (HIWORD(wParam) == LBN_DBLCLK) RunSelectedCommand(window);
        break;
    default:
        break;
    }
}

LRESULT CALLBACK MainWndProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_CREATE:
        OnCreate(window);
        return 0;
    case WM_COMMAND:
        OnCommand(window, wParam);
        return 0;
    case WM_CLOSE:
        // Not the dialog's way (a Cancel command): closing ends the host.
        DestroyWindow(window);
        return 0;
    case WM_DESTROY:
        PostQuitMessage(0);
        return 0;
    default:
        // The dialog manager's part: the focus kept across activations, the
        // default button following the focus, DM_GETDEFID for Enter.
        return DefDlgProcA(window, message, wParam, lParam);
    }
}

}  // namespace

HWND OpenMainWindow(HINSTANCE instance) {
    if (!RegisterWindowClass(kClassName, MainWndProc, ButtonFaceBrush(), DLGWINDOWEXTRA)) {
        return nullptr;
    }
    const DWORD style = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX;
    RECT frame = {0, 0, ScaledToScreen(kClientWidth), ScaledToScreen(kClientHeight)};
    AdjustWindowRect(&frame, style, FALSE);
    HWND window = CreateWindowExA(0, kClassName, "Kestrix stand-in host", style, CW_USEDEFAULT,
                                  CW_USEDEFAULT, frame.right - frame.left,
                                  frame.bottom - frame.top, nullptr, nullptr, instance, nullptr);
    if (window == nullptr) return nullptr;
    TheHost().windows.SetOwner(window);
    ShowWindow(window, SW_SHOWNORMAL);
    SetFocus(GetDlgItem(window, kCommandList));
    return window;
}

bool RunMainWindow(HINSTANCE instance) {
    if (OpenMainWindow(instance) == nullptr) return false;
    HostWindows& windows = TheHost().windows;
    RunMessageLoop([&windows](MSG* message) { return windows.TakeDialogMessage(message); });
    // What it owned went with it; anything left closes before the plug-in goes.
    windows.SetOwner(nullptr);
    return true;
}
