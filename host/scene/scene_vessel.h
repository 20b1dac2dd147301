// One vessel of the stand-in host's scene: its handle, its interface and, for
// a carrier, the reference carrier logic. Every message it receives is traced
// into the trace it was given, and what a carrier accepted is reported to the
// scene's changes it was given.
#ifndef KESTRIX_HOST_SCENE_SCENE_VESSEL_H
#define KESTRIX_HOST_SCENE_SCENE_VESSEL_H

#include <memory>
#include <string>
#include <vector>

#include "carrierkit/payload_carrier.h"
#include "host/scene/scene_description.h"
#include "kapi_classes.h"

class MessageTrace;
class SceneChanges;

class SceneVessel : public MessageVessel {
public:
    // `trace` and `changes` may be null (nothing is traced, or told); each
    // must outlive the vessel.
    SceneVessel(const VesselDescription& description, MessageTrace* trace,
                const SceneChanges* changes, PayloadCarrier::VesselExists exists);
    ~SceneVessel() override;

    int32_t ReceiveMessage(uint32_t messageId, uint32_t parameter, void* context) override;

    VesselHandle Handle() { return static_cast<VesselHandle>(&handleTarget_); }
    const std::string& Name() const { return description_->name; }
    const VesselDescription& Description() const { return *description_; }
    bool IsAlive() const { return !description_->dead; }
    void Kill() { description_->dead = true; }
    bool HasInterface() const { return !description_->noInterface; }
    // Null for a vessel that is no carrier.
    PayloadCarrier* Carrier() { return carrier_.get(); }

    // Attach records taken under a fixed attach answer.
    unsigned OverrideRecordsReceived() const { return overrideReceived_; }
    unsigned OverrideRecordsReleased() const { return overrideReleased_; }

private:
    // The description is made first, so that the interface can be given
    // its name, which lives there.
    SceneVessel(std::unique_ptr<VesselDescription> description, MessageTrace* trace,
                const SceneChanges* changes, PayloadCarrier::VesselExists exists);
    int32_t Answer(uint32_t messageId, uint32_t parameter, void* context);
    void Report(uint32_t messageId, int32_t answer) const;
    int32_t FixedAttachAnswer(int32_t answer, PayloadRecord* record);

    // What every message reads comes first, beside the interface, so that a
    // message to a vessel that is no carrier touches one cache line.
    std::unique_ptr<PayloadCarrier> carrier_;
    MessageTrace* trace_;
    const SceneChanges* changes_;
    std::unique_ptr<VesselDescription> description_;
    // The handle is the address of this byte: distinct from the interface.
    char handleTarget_ = 0;
    // Records accepted under a fixed answer of 1 stay valid until the vessel goes.
    std::vector<PayloadRecord*> overrideKept_;
    unsigned overrideReceived_ = 0;
    unsigned overrideReleased_ = 0;
};

#endif
