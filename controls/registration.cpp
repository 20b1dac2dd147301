// Registering the two window classes for the plug-in's instance.
#include "controls/control_resources.h"
#include "controls/custom_controls.h"
#include "controls/gauge.h"
#include "controls/switch.h"

namespace {

// Four and two 32-bit window longs.
const int kGaugeWindowBytes = 16;
const int kSwitchWindowBytes = 8;

}  // namespace

void RegisterCustomControls(HINSTANCE instance) {
    CreateControlResources();

    // Failures are not reported: a class that did not register is simply
    // absent, and creating a window of it fails in the creator.
    WNDCLASSA wc = {};
    wc.style = CS_HREDRAW | CS_VREDRAW;
    wc.lpfnWndProc = GaugeWndProc;
    wc.cbClsExtra = 0;
    wc.cbWndExtra = kGaugeWindowBytes;
    wc.hInstance = instance;
    wc.hIcon = nullptr;
    wc.hCursor = nullptr;
    wc.hbrBackground = static_cast<HBRUSH>(GetStockObject(LTGRAY_BRUSH));
    wc.lpszMenuName = nullptr;
    wc.lpszClassName = kGaugeClassName;
    RegisterClassA(&wc);

    wc.lpfnWndProc = SwitchWndProc;
    wc.cbWndExtra = kSwitchWindowBytes;
    wc.hbrBackground = g_switchFaceBrush;
    wc.lpszClassName = kSwitchClassName;
    RegisterClassA(&wc);
}

void UnregisterCustomControls(HINSTANCE instance) {
    // The classes go first: the switch class still refers to its brush.
    UnregisterClassA(kGaugeClassName, instance);
    UnregisterClassA(kSwitchClassName, instance);
    DeleteControlResources();
}
