#include "host/kapi/plugin_calls.h"

#include <algorithm>
#include <vector>

namespace {

// Never destroyed: a plug-in still loaded when the process ends destroys its
// module after the program's statics are gone, and that destructor tells us.
std::vector<PluginCallObserver*>& Observers() {
    static std::vector<PluginCallObserver*>* observers = new std::vector<PluginCallObserver*>();
    return *observers;
}

}  // namespace

void AddPluginCallObserver(PluginCallObserver* observer) {
    if (observer != nullptr) Observers().push_back(observer);
}

void RemovePluginCallObserver(PluginCallObserver* observer) {
    std::vector<PluginCallObserver*>& all = Observers();
    all.erase(std::remove(all.begin(), all.end(), observer), all.end());
}

void TellPluginCallObservers(const std::function<void(PluginCallObserver&)>& tell) {
    if (Observers().empty()) return;
    const std::vector<PluginCallObserver*> observers = Observers();
    for (PluginCallObserver* o : observers) {
        // One that another removed meanwhile is told no more.
        const std::vector<PluginCallObserver*>& now = Observers();
        if (std::find(now.begin(), now.end(), o) != now.end()) tell(*o);
    }
}
