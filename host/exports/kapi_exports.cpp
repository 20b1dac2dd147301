// The functions of the host interface as the stand-in host provides them to
// plug-ins: they answer from the host's state.
#include <algorithm>
#include <cstring>

#include "host/date_text.h"
#include "host/host_state.h"
#include "host/plugin_calls.h"
#include "host/scene_vessel.h"
#include "kapi.h"

void InitLib(HINSTANCE instance) {
    if (PluginCallObserver* o = PluginCallWatcher()) o->OnInitLib(instance);
}

int Date2Int(const char* date) {
    if (PluginCallObserver* o = PluginCallWatcher()) o->OnDate2Int(date);
    return DayNumberFromDateText(date);
}

void kapiRegisterModule(kapi::Module* module) {
    if (module != nullptr) TheHost().modules.push_back(module);
}

DWORD kapiRegisterCustomCmd(const char* label, const char* description, CustomCmdFunc callback,
                            void* context) {
    HostState& host = TheHost();
    CustomCommand command;
    command.id = host.nextCommandId++;
    command.label = label != nullptr ? label : "";
    command.description = description != nullptr ? description : "";
    command.callback = callback;
    command.context = context;
    host.commands.push_back(command);
    return command.id;
}

bool kapiUnregisterCustomCmd(int commandId) {
    if (PluginCallObserver* o = PluginCallWatcher()) o->OnUnregisterCustomCmd(commandId);
    HostState& host = TheHost();
    for (auto it = host.commands.begin(); it != host.commands.end(); ++it) {
        if (static_cast<int>(it->id) == commandId) {
            host.commands.erase(it);
            return true;
        }
    }
    return false;
}

HWND kapiOpenDialog(HINSTANCE instance, int templateId, DLGPROC dialogProc, void* context) {
    HostState& host = TheHost();
    HWND dialog = CreateDialogParamA(instance, MAKEINTRESOURCEA(templateId), host.dialogOwner,
                                     dialogProc, reinterpret_cast<LPARAM>(context));
    if (dialog != nullptr) {
        host.dialogs.push_back(dialog);
        ShowWindow(dialog, SW_SHOWNORMAL);
    }
    return dialog;
}

void kapiCloseDialog(HWND dialog) {
    if (IsWindow(dialog)) DestroyWindow(dialog);
    TheHost().ForgetClosedDialogs();
}

int kapiDefDialogProc(HWND dialog, UINT message, WPARAM, LPARAM) {
    if (PluginCallObserver* o = PluginCallWatcher()) o->OnDefDialogProc(dialog, message);
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
