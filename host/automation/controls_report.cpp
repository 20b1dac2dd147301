#include "host/automation/controls_report.h"

#include "dialog/resource.h"
#include "host/win32/common_controls.h"

namespace {

// DllGetVersion's answer, as the system's header lays it out.
struct DllVersion {
    DWORD size;
    DWORD major;
    DWORD minor;
    DWORD build;
    DWORD platform;
};
typedef HRESULT(CALLBACK* DllGetVersionFn)(DllVersion*);

std::string ControlsVersion() {
    const HMODULE controls = CommonControlsModule();
    if (controls == nullptr) return "controls: comctl32.dll is not loaded\n";
    char path[MAX_PATH] = "";
    GetModuleFileNameA(controls, path, sizeof path);
    const auto getVersion = reinterpret_cast<DllGetVersionFn>(
        reinterpret_cast<void*>(GetProcAddress(controls, "DllGetVersion")));
    DllVersion v = {sizeof(DllVersion), 0, 0, 0, 0};
    if (getVersion == nullptr || getVersion(&v) != S_OK) {
        return std::string("controls: comctl32.dll tells no version, from ") + path + "\n";
    }
    return "controls: comctl32.dll " + std::to_string(v.major) + "." + std::to_string(v.minor) +
           "." + std::to_string(v.build) + " from " + path + "\n";
}

std::string Count(long n, const char* one, const char* many) {
    return std::to_string(n) + " " + (n == 1 ? one : many);
}

// Opens the list as a click on its arrow does, measures the list that
// drops, and closes it again.
std::string DroppedList(HWND dialog, int id, const char* name) {
    HWND combo = GetDlgItem(dialog, id);
    const std::string label = std::string("controls: ") + name + " (" + std::to_string(id) + ")";
    COMBOBOXINFO info = {};
    info.cbSize = sizeof info;
    if (combo == nullptr || !GetComboBoxInfo(combo, &info) || info.hwndList == nullptr) {
        return label + " is not a drop-down list\n";
    }
    const long entries = static_cast<long>(SendMessageA(combo, CB_GETCOUNT, 0, 0));
    SendMessageA(combo, CB_SHOWDROPDOWN, TRUE, 0);
    RECT frame = {};
    RECT client = {};
    GetWindowRect(info.hwndList, &frame);
    GetClientRect(info.hwndList, &client);
    const LRESULT itemHeight = SendMessageA(info.hwndList, LB_GETITEMHEIGHT, 0, 0);
    SendMessageA(combo, CB_SHOWDROPDOWN, FALSE, 0);
    const long rows = itemHeight > 0 ? client.bottom / static_cast<long>(itemHeight) : 0;
    return label + " opens " + Count(rows, "row", "rows") + " tall for " +
           Count(entries, "entry", "entries") + " (" + std::to_string(frame.bottom - frame.top) +
           " pixels)\n";
}

std::string Dpi(HWND dialog) {
    HDC dc = GetDC(dialog);
    const int dpi = dc != nullptr ? GetDeviceCaps(dc, LOGPIXELSY) : 0;
    if (dc != nullptr) ReleaseDC(dialog, dc);
    return "controls: " + std::to_string(dpi) + " DPI, the dialog " +
           DescribeDpiAwareness(dialog) + "\n";
}

}  // namespace

std::string DescribeDialogControls(HWND dialog) {
    return ControlsVersion() + DroppedList(dialog, IDC_CARRIER_LIST, "carrier list") +
           DroppedList(dialog, IDC_PAYLOAD_LIST, "payload list") + Dpi(dialog);
}
