// What a plug-in does with the host's interface, told to whoever studies it
// (a test, say) through an observer it installs. The host itself keeps none
// of it: a long session would only pile it up.
#ifndef KESTRIX_HOST_PLUGIN_CALLS_H
#define KESTRIX_HOST_PLUGIN_CALLS_H

#include <windows.h>

namespace kapi {
class Module;
}

class PluginCallObserver {
public:
    virtual ~PluginCallObserver() = default;
    virtual void OnInitLib(HINSTANCE) {}
    virtual void OnDate2Int(const char*) {}
    virtual void OnUnregisterCustomCmd(int) {}
    // Told from the base destructor: the module may be read no more.
    virtual void OnModuleDestroyed(const kapi::Module*) {}
    virtual void OnDefDialogProc(HWND, UINT) {}
};

// One observer at a time; null removes it.
void ObservePluginCalls(PluginCallObserver* observer);
// The installed observer, or null.
PluginCallObserver* PluginCallWatcher();

#endif
