#include "carrierkit/payload_carrier.h"

#include <utility>

#include "carrierkit/payload_dispatch.h"

namespace {

PayloadParams ParamsOf(const PayloadRecord& record) {
    return PayloadParams{record.Values(), record.addForces != 0};
}

PayloadRecord ReplyFor(const std::string& name, const PayloadParams& p) {
    PayloadRecord reply(name.c_str(), p);
    reply.addForces = p.addForces ? 1 : 0;
    return reply;
}

}  // namespace

std::string_view PayloadNameView(const char* name) {
    if (name == nullptr) return std::string_view();
    size_t n = 0;
    while (n < kPayloadNameMax && name[n] != '\0') ++n;
    return std::string_view(name, n);
}

std::string PayloadNameFromContext(const char* name) { return std::string(PayloadNameView(name)); }

PayloadCarrier::PayloadCarrier(std::string ownName, VesselExists vesselExists)
    : ownName_(std::move(ownName)), vesselExists_(std::move(vesselExists)) {}

PayloadCarrier::~PayloadCarrier() {
    for (auto& entry : held_) Release(entry.second.attachRecord);
}

int32_t PayloadCarrier::HandleMessage(uint32_t messageId, uint32_t parameter, void* context) {
    return DispatchPayloadMessage(*this, messageId, parameter, context);
}

bool PayloadCarrier::Hold(const std::string& payload, const PayloadParams& params) {
    if (payload == ownName_ || held_.count(payload) != 0) return false;
    Attachment& a = held_[payload];
    a.reply = ReplyFor(payload, params);
    return true;
}

bool PayloadCarrier::Holds(const std::string& payload) const { return held_.count(payload) != 0; }

bool PayloadCarrier::HeldParams(const std::string& payload, PayloadParams* params) const {
    auto it = held_.find(payload);
    if (it == held_.end()) return false;
    *params = ParamsOf(it->second.reply);
    return true;
}

std::vector<std::string> PayloadCarrier::HeldPayloads() const {
    std::vector<std::string> names;
    names.reserve(held_.size());
    for (const auto& entry : held_) names.push_back(entry.first);
    return names;
}

int32_t PayloadCarrier::IsAttached(const char* name) { return Find(name) != nullptr ? 1 : 0; }

int32_t PayloadCarrier::Attach(PayloadRecord* record) {
    ++recordsReceived_;
    // The record is ours whatever we answer.
    const std::string name = PayloadNameFromContext(record->name);
    if (name.empty() || name == ownName_ || held_.count(name) != 0 ||
        (vesselExists_ && !vesselExists_(name))) {
        Release(record);
        return 0;
    }
    Attachment& a = held_[name];
    a.attachRecord = record;
    PayloadParams params = ParamsOf(*record);
    params.addForces = false;
    a.reply = ReplyFor(name, params);
    return 1;
}

int32_t PayloadCarrier::Detach(const char* name, bool addVelocity) {
    auto it = held_.find(PayloadNameView(name));
    if (it == held_.end()) return 0;
    const std::string payload = it->first;
    const PayloadParams last = ParamsOf(it->second.reply);
    Release(it->second.attachRecord);
    held_.erase(it);
    // Told last, so that the handler sees the payload already released.
    if (detachHandler_) detachHandler_(payload, last, addVelocity);
    return 1;
}

int32_t PayloadCarrier::SetParams(const PayloadRecord* record) {
    Attachment* a = Find(record->name);
    if (a == nullptr) return 0;
    // The whole set is taken over; forces change only with PLMSG_SET_FORCES.
    const int32_t forces = a->reply.addForces;
    PayloadParams params = ParamsOf(*record);
    a->reply = ReplyFor(PayloadNameFromContext(record->name), params);
    a->reply.addForces = forces;
    return 1;
}

int32_t PayloadCarrier::GetParams(PayloadQuery* query) {
    Attachment* a = Find(query->name);
    if (a == nullptr) return 0;
    query->record = &a->reply;
    return 1;
}

int32_t PayloadCarrier::SetForces(const char* name, bool on) {
    Attachment* a = Find(name);
    if (a == nullptr) return 0;
    a->reply.addForces = on ? 1 : 0;
    return 1;
}

void PayloadCarrier::Release(PayloadRecord* record) {
    if (record == nullptr) return;
    FreePayloadRecord(record);
    ++recordsReleased_;
}

PayloadCarrier::Attachment* PayloadCarrier::Find(const char* name) {
    if (name == nullptr) return nullptr;
    auto it = held_.find(PayloadNameView(name));
    return it == held_.end() ? nullptr : &it->second;
}
