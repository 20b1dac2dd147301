#include "host/plugin_calls.h"

namespace {

PluginCallObserver* g_observer = nullptr;

}  // namespace

void ObservePluginCalls(PluginCallObserver* observer) { g_observer = observer; }

PluginCallObserver* PluginCallWatcher() { return g_observer; }
