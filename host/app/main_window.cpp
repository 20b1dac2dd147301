#include "host/app/main_window.h"

#include <string>
#include <vector>

#include "host/exports/host_state.h"
#include "host/gallery/controls_gallery.h"
#include "host/scene/scene_vessel.h"
#include "host/scene_view/scene_view_window.h"
#include "host/win32/child_window.h"
#include "host/win32/message_pump.h"
#include "host/win32/window_class.h"

namespace {

const char kClassName[] = "KestrixHostMain";
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

void OnCreate(HWND window) {
    const DWORD listStyle = WS_BORDER | WS_VSCROLL | LBS_NOTIFY | LBS_NOINTEGRALHEIGHT;
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
    HWND view = OpenSceneView(host.scene, window, &error);
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
    case WM_DESTROY:
        PostQuitMessage(0);
        return 0;
    default:
        return DefWindowProcA(window, message, wParam, lParam);
    }
}

// The plug-in's dialogs are modeless: the loop hands them their keyboard input.
bool IsDialogMessageForAny(MSG* msg) {
    const std::vector<HWND> dialogs = TheHost().windows.Dialogs();
    for (HWND dialog : dialogs) {
        if (IsDialogMessageA(dialog, msg)) return true;
    }
    // Tab and the arrows in the gallery, as in a dialog.
    HWND gallery = ControlsGalleryWindow();
    return gallery != nullptr && IsDialogMessageA(gallery, msg);
}

}  // namespace

bool RunMainWindow(HINSTANCE instance) {
    RegisterWindowClass(kClassName, MainWndProc, ButtonFaceBrush());
    HWND window = CreateWindowExA(0, kClassName, "Kestrix stand-in host",
                                  WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX,
                                  CW_USEDEFAULT, CW_USEDEFAULT, 530, 310, nullptr, nullptr,
                                  instance, nullptr);
    if (window == nullptr) return false;
    HostWindows& windows = TheHost().windows;
    windows.SetOwner(window);
    ShowWindow(window, SW_SHOWNORMAL);
    RunMessageLoop(IsDialogMessageForAny);
    // What it owned went with it; anything left closes before the plug-in goes.
    windows.SetOwner(nullptr);
    return true;
}
