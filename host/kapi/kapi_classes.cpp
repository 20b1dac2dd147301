// The classes of the host interface: a plug-in's module base and the vessel
// interfaces. They need nothing of the host but the observer of plug-in calls.
#include "host/kapi/plugin_calls.h"
#include "kapi_classes.h"

namespace kapi {

ModuleNV::ModuleNV(HINSTANCE instance) : instance_(instance) {}
ModuleNV::~ModuleNV() = default;
HINSTANCE ModuleNV::GetModuleInstance() const { return instance_; }

Module::Module(HINSTANCE instance) : ModuleNV(instance) {}
Module::~Module() {
    TellPluginCallObservers([this](PluginCallObserver& o) { o.OnModuleDestroyed(this); });
}
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
    : VESSEL(handle, interfaceVersion, nullptr) {}
VESSEL::VESSEL(VesselHandle handle, int16_t interfaceVersion, const char* name)
    : handle_(handle), interfaceVersion_(interfaceVersion), name_(name != nullptr ? name : "") {}
VESSEL::~VESSEL() = default;

const char* VESSEL::GetName() const { return name_; }
VesselHandle VESSEL::GetHandle() const { return handle_; }
int16_t VESSEL::GetInterfaceVersion() const { return interfaceVersion_; }

MessageVessel::MessageVessel(VesselHandle handle, int16_t interfaceVersion)
    : VESSEL(handle, interfaceVersion) {}
MessageVessel::MessageVessel(VesselHandle handle, int16_t interfaceVersion, const char* name)
    : VESSEL(handle, interfaceVersion, name) {}
MessageVessel::~MessageVessel() = default;
int32_t MessageVessel::ReceiveMessage(uint32_t, uint32_t, void*) { return 0; }
