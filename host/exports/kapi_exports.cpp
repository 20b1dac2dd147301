// The functions of the host interface as the stand-in host provides them to
// plug-ins: they answer from the host's state.
#include <algorithm>
#include <cstring>

#include "host/exports/host_state.h"
#include "host/kapi/plugin_calls.h"
#include "host/scene/scene_vessel.h"
#include "host/text/date_text.h"
#include "kapi.h"

void InitLib(HINSTANCE instance) {
    TellPluginCallObservers([&](PluginCallObserver& o) { o.OnInitLib(instance); });
}

int Date2Int(const char* date) {
    TellPluginCallObservers([&](PluginCallObserver& o) { o.OnDate2Int(date); });
    return DayNumberFromDateText(date);
}

void kapiRegisterModule(kapi::Module* module) {
    if (module != nullptr) TheHost().plugins.modules.push_back(module);
}

DWORD kapiRegisterCustomCmd(const char* label, const char* description, CustomCmdFunc callback,
                            void* context) {
    return TheHost().plugins.AddCommand(label, description, callback, context);
}

bool kapiUnregisterCustomCmd(int commandId) {
    TellPluginCallObservers([&](PluginCallObserver& o) { o.OnUnregisterCustomCmd(commandId); });
    return TheHost().plugins.RemoveCommand(commandId);
}

HWND kapiOpenDialog(HINSTANCE instance, int templateId, DLGPROC dialogProc, void* context) {
    HostWindows& windows = TheHost().windows;
    HWND dialog = CreateDialogParamA(instance, MAKEINTRESOURCEA(templateId), windows.Owner(),
                                     dialogProc, reinterpret_cast<LPARAM>(context));
    if (dialog != nullptr) {
        windows.AddDialog(dialog);
        ShowWindow(dialog, SW_SHOWNORMAL);
    }
    return dialog;
}

void kapiCloseDialog(HWND dialog) {
    if (IsWindow(dialog)) DestroyWindow(dialog);
}

int kapiDefDialogProc(HWND dialog, UINT message, WPARAM, LPARAM) {
    TellPluginCallObservers([&](PluginCallObserver& o) { o.OnDefDialogProc(dialog, message); });
    if (message == WM_CLOSE) {
        kapiCloseDialog(dialog);
        return TRUE;
    }
    return FALSE;
}

DWORD kapiGetVesselCount() { return static_cast<DWORD>(TheHost().scene.Count()); }

VesselHandle kapiGetVesselByIndex(int index) {
    return index < 0 ? nullptr : TheHost().scene.HandleAt(static_cast<size_t>(index));
}

VesselHandle kapiGetVesselByName(const char* name) {
    return name != nullptr ? TheHost().scene.FindByName(name) : nullptr;
}

bool kapiIsVessel(VesselHandle handle) { return TheHost().scene.IsLive(handle); }

void kapiGetObjectName(VesselHandle handle, char* buffer, int size) {
    if (buffer == nullptr || size <= 0) return;
    SceneVessel* v = TheHost().scene.Find(handle);
    const char* name = v != nullptr ? v->Name().c_str() : "";
    const size_t n = std::min(std::strlen(name), static_cast<size_t>(size) - 1);
    std::memcpy(buffer, name, n);
    buffer[n] = '\0';
}

VESSEL* kapiGetVesselInterface(VesselHandle handle) { return TheHost().scene.InterfaceOf(handle); }
