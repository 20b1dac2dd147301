// What a plug-in does with the host's interface, told to whoever studies it
// (a test, say) through observers it adds. The host itself keeps none of it:
// a long session would only pile it up.
#ifndef KESTRIX_HOST_KAPI_PLUGIN_CALLS_H
#define KESTRIX_HOST_KAPI_PLUGIN_CALLS_H

#include <windows.h>

#include <functional>

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

// Any number may watch at once; each is told in the order it was added.
// An observer must be removed before it goes.
void AddPluginCallObserver(PluginCallObserver* observer);
void RemovePluginCallObserver(PluginCallObserver* observer);

// Tells every observer, also one added or removed while they are told
// (the list is copied first).
void TellPluginCallObservers(const std::function<void(PluginCallObserver&)>& tell);

#endif
