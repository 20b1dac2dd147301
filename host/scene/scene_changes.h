// What changes in the scene under the host, told to whoever listens: a
// carrier that accepted a message changing what it holds (PLMSG_ATTACH,
// PLMSG_DETACH, PLMSG_SET_PARAMS answered non-zero, whether or not the trace
// is on), and a vessel killed or taken out of the simulation. The scene view
// redraws from it; the vessels know nothing of who listens.
#ifndef KESTRIX_HOST_SCENE_SCENE_CHANGES_H
#define KESTRIX_HOST_SCENE_SCENE_CHANGES_H

#include <stdint.h>

#include <string>
#include <vector>

class SceneListener {
public:
    virtual ~SceneListener() = default;
    virtual void OnCarrierChanged(const std::string& /*carrier*/, uint32_t /*messageId*/) {}
    virtual void OnVesselKilled(const std::string& /*name*/) {}
    virtual void OnVesselRemoved(const std::string& /*name*/) {}
};

class SceneChanges {
public:
    // Any number may listen; each is told in the order it was added. A
    // listener must be removed before it goes.
    void Add(SceneListener* listener);
    void Remove(SceneListener* listener);

    // Tells the listeners when the message and its answer changed the carrier.
    void ReportCarrierAnswer(const std::string& carrier, uint32_t messageId, int32_t answer) const;
    void ReportKilled(const std::string& name) const;
    void ReportRemoved(const std::string& name) const;

private:
    template <typename Tell>
    void TellEach(Tell tell) const;

    std::vector<SceneListener*> listeners_;
};

#endif
