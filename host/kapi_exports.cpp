// The host interface as the stand-in host provides it to plug-ins.
#include <algorithm>
#include <cstring>

#include "host/date_text.h"
#include "host/host_state.h"
#include "host/scene_vessel.h"
#include "kapi.h"

namespace kapi {

ModuleNV::ModuleNV(HINSTANCE instance) : instance_(instance) {}
ModuleNV::~ModuleNV() = default;
HINSTANCE ModuleNV::GetModuleInstance() const { return instance_; }

Module::Module(HINSTANCE instance) : ModuleNV(instance) {}
Module::~Module() { TheHost().destroyedModules.push_back(this); }
void Module::clbkSimulationBegin(int32_t) {}
void Module::clbkSimulationEnd() {}
void Module::clbkStepBegin(double, double, double) {}
void Module::clbkPostStep(double, double, double) {}
void Module::clbkTimeJump(double, double, double) {}
void Module::clbkFocusChanged(VesselHandle, VesselHandle) {}
void Module::clbkTimeAccChanged(double, double) {}
void Module::clbkNewVessel(VesselHandle) {}
void Module::clbkDeleteVessel(VesselHandle) {}
void Module::clbkVesselJump(VesselHandle) {}
void Module::clbkPause(bool) {}

}  // namespace kapi

VESSEL::VESSEL(VesselHandle handle, int16_t interfaceVersion)
    : handle_(handle), interfaceVersion_(interfaceVersion) {}
VESSEL::~VESSEL() = default;

const char* VESSEL::GetName() const {
    SceneVessel* v = TheHost().scene.Find(handle_);
    return v != nullptr ? v->Name().c_str() : "";
}

VesselHandle VESSEL::GetHandle() const { return handle_; }
int16_t VESSEL::GetInterfaceVersion() const { return interfaceVersion_; }

MessageVessel::MessageVessel(VesselHandle handle, int16_t interfaceVersion)
    : VESSEL(handle, interfaceVersion) {}
MessageVessel::~MessageVessel() = default;
int32_t MessageVessel::ReceiveMessage(uint32_t, uint32_t, void*) { return 0; }

void InitLib(HINSTANCE instance) { TheHost().initLibCalls.push_back(instance); }

int Date2Int(const char* date) {
    ++TheHost().date2IntCalls;
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
    HostState& host = TheHost();
    host.unregisteredCommandIds.push_back(commandId);
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
    HostState& host = TheHost();
    if (host.keepDefDialogCalls) host.defDialogCalls.push_back(DefDialogCall{dialog, message});
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
