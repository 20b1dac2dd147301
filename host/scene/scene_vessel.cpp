#include "host/scene/scene_vessel.h"

#include "host/scene/message_trace.h"
#include "host/scene/scene_changes.h"

SceneVessel::SceneVessel(const VesselDescription& description, MessageTrace* trace,
                         const SceneChanges* changes, PayloadCarrier::VesselExists exists)
    : SceneVessel(std::make_unique<VesselDescription>(description), trace, changes,
                  std::move(exists)) {}

SceneVessel::SceneVessel(std::unique_ptr<VesselDescription> description, MessageTrace* trace,
                         const SceneChanges* changes, PayloadCarrier::VesselExists exists)
    : MessageVessel(static_cast<VesselHandle>(&handleTarget_), description->version,
                    description->name.c_str()),
      trace_(trace),
      changes_(changes),
      description_(std::move(description)) {
    if (description_->carrier) {
        carrier_ = std::make_unique<PayloadCarrier>(description_->name, std::move(exists));
    }
}

SceneVessel::~SceneVessel() {
    for (PayloadRecord* record : overrideKept_) {
        FreePayloadRecord(record);
        ++overrideReleased_;
    }
}

int32_t SceneVessel::ReceiveMessage(uint32_t messageId, uint32_t parameter, void* context) {
    if (trace_ == nullptr || !trace_->Enabled()) {
        const int32_t answer = Answer(messageId, parameter, context);
        Report(messageId, answer);
        return answer;
    }

    TraceEntry entry;
    entry.vessel = description_->name;
    entry.messageId = messageId;
    entry.parameter = parameter;
    entry.context = DecodeMessageContext(messageId, context);
    entry.forbidden = GetInterfaceVersion() <= 1;
    entry.answer = Answer(messageId, parameter, context);
    const int32_t answer = entry.answer;
    trace_->Record(std::move(entry));
    Report(messageId, answer);
    return answer;
}

void SceneVessel::Report(uint32_t messageId, int32_t answer) const {
    if (changes_ != nullptr) changes_->ReportCarrierAnswer(description_->name, messageId, answer);
}

int32_t SceneVessel::Answer(uint32_t messageId, uint32_t parameter, void* context) {
    // A vessel that is no carrier answers 0 to everything; so does one that
    // should never have been asked.
    if (!carrier_ || GetInterfaceVersion() <= 1) return 0;
    switch (messageId) {
    case PLMSG_ATTACH:
        if (description_->attachAnswer) {
            return FixedAttachAnswer(*description_->attachAnswer,
                                     static_cast<PayloadRecord*>(context));
        }
        break;
    case PLMSG_DETACH:
        if (description_->detachAnswer) return *description_->detachAnswer;
        break;
    case PLMSG_GET_PARAMS:
        if (description_->paramsAnswer) return *description_->paramsAnswer;
        break;
    default:
        break;
    }
    return carrier_->HandleMessage(messageId, parameter, context);
}

int32_t SceneVessel::FixedAttachAnswer(int32_t answer, PayloadRecord* record) {
    // The record passes to us whatever we answer. After an answer of 1 the
    // sender reads it again, so it is kept until the vessel goes.
    if (record != nullptr) {
        ++overrideReceived_;
        if (answer == 1) {
            overrideKept_.push_back(record);
        } else {
            FreePayloadRecord(record);
            ++overrideReleased_;
        }
    }
    return answer;
}
