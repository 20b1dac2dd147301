#include "host/scene/scene_changes.h"

#include <algorithm>

#include "payload/payload_protocol.h"

namespace {

bool ChangesWhatIsHeld(uint32_t messageId) {
    return messageId == PLMSG_ATTACH || messageId == PLMSG_DETACH ||
           messageId == PLMSG_SET_PARAMS;
}

}  // namespace

void SceneChanges::Add(SceneListener* listener) {
    if (listener != nullptr) listeners_.push_back(listener);
}

void SceneChanges::Remove(SceneListener* listener) {
    listeners_.erase(std::remove(listeners_.begin(), listeners_.end(), listener),
                     listeners_.end());
}

// A listener may add or remove listeners while it is told: the list is
// walked as it was, and one removed meanwhile is told no more.
template <typename Tell>
void SceneChanges::TellEach(Tell tell) const {
    const std::vector<SceneListener*> listeners = listeners_;
    for (SceneListener* l : listeners) {
        if (std::find(listeners_.begin(), listeners_.end(), l) != listeners_.end()) tell(*l);
    }
}

void SceneChanges::ReportCarrierAnswer(const std::string& carrier, uint32_t messageId,
                                       int32_t answer) const {
    if (listeners_.empty() || answer == 0 || !ChangesWhatIsHeld(messageId)) return;
    TellEach([&](SceneListener& l) { l.OnCarrierChanged(carrier, messageId); });
}

void SceneChanges::ReportKilled(const std::string& name) const {
    TellEach([&](SceneListener& l) { l.OnVesselKilled(name); });
}

void SceneChanges::ReportRemoved(const std::string& name) const {
    TellEach([&](SceneListener& l) { l.OnVesselRemoved(name); });
}
