// The common controls and the DPI awareness the host's windows get, the
// plug-in's dialog among them. The host's manifest (host.manifest, resource
// KESTRIX_HOST_MANIFEST_ID) asks for version 6 of the controls and declares
// the process DPI-aware. It is not the loader's resource 1: a manifest the
// loader applies at start could not be taken back, and the classic setting
// must run without it. So the process activates it itself, before it loads
// the controls or makes a window, and keeps it active on its one thread.
#ifndef KESTRIX_HOST_WIN32_COMMON_CONTROLS_H
#define KESTRIX_HOST_WIN32_COMMON_CONTROLS_H

#include <windows.h>

#include <string>

enum class ControlsSetting {
    Current,  // the manifest: version 6 of the controls, DPI-aware
    Classic   // no manifest: the classic controls, DPI-unaware
};

// Sets the thread's controls and DPI awareness to `setting`, loads
// comctl32.dll under them and registers the up-down class the dialog needs.
// Once per process, before any window is made. False, with `error` set,
// when the manifest cannot be activated or comctl32.dll not loaded.
bool SetUpCommonControls(ControlsSetting setting, std::string* error);

// The comctl32.dll that SetUpCommonControls loaded, or null before it ran.
HMODULE CommonControlsModule();

// How a window's DPI awareness reads: "DPI-unaware", "system DPI-aware",
// "per-monitor DPI-aware", or "DPI awareness unknown" where the system
// cannot tell.
std::string DescribeDpiAwareness(HWND window);

#endif
