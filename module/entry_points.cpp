#include "module/entry_points.h"

#include "controls/custom_controls.h"
#include "dialog/payload_dialog.h"
#include "kapi.h"
#include "module/brk_module.h"
#include "module/module_state.h"

namespace {

HINSTANCE g_instance = nullptr;
DWORD g_commandId = 0;
kapi::BRKDialog* g_module = nullptr;
int g_versionCache = 0;

// Set once ExitModule has released everything. A host that calls ExitModule
// itself is followed by the detach hook calling it again; the second call
// must release nothing a second time.
bool g_exited = false;

}  // namespace

HINSTANCE ModuleInstance() { return g_instance; }

void InitModule(HINSTANCE instance) {
    g_instance = instance;
    g_exited = false;
    g_commandId = kapiRegisterCustomCmd("Brask Dialog", "Edit the payloads of vessels",
                                        OpenPayloadDialog, nullptr);
    RegisterCustomControls(instance);
    g_module = new kapi::BRKDialog(instance);
    kapiRegisterModule(g_module);
}

void ExitModule(HINSTANCE instance) {
    if (g_exited) return;
    g_exited = true;
    kapiUnregisterCustomCmd(static_cast<int>(g_commandId));
    g_commandId = 0;
    UnregisterCustomControls(instance);
    if (g_module != nullptr) {
        delete g_module;
        g_module = nullptr;
    }
}

const char* ModuleDate() {
    static const char kDate[] = "Apr 29 2013";
    return kDate;
}

int GetModuleVersion() {
    // The fixed date is the interface generation, not this module's build date.
    if (g_versionCache == 0) g_versionCache = Date2Int("Aug 30 2010");
    return g_versionCache;
}
