#include "example_carrier.h"

namespace {

// A name from a message: at most 255 characters, whatever follows in its buffer.
std::string NameOf(const char* text) {
    if (text == nullptr) return std::string();
    size_t n = 0;
    while (n < kPayloadNameMax && text[n] != '\0') ++n;
    return std::string(text, n);
}

}  // namespace

ExampleCarrier::ExampleCarrier(const char* ownName, const char* const* vesselNames, int vesselCount)
    : own_(NameOf(ownName)) {
    for (int i = 0; vesselNames != nullptr && i < vesselCount; ++i) {
        vessels_.insert(NameOf(vesselNames[i]));
    }
}

ExampleCarrier::~ExampleCarrier() {
    for (auto& held : held_) FreePayloadRecord(held.second.attachRecord);
}

int32_t ExampleCarrier::Receive(uint32_t messageId, uint32_t parameter, void* context) {
    switch (messageId) {
    case PLMSG_IS_CARRIER:
        return 1;
    case PLMSG_IS_ATTACHED:
        return Find(static_cast<const char*>(context)) != nullptr ? 1 : 0;
    case PLMSG_ATTACH:
        return Attach(static_cast<PayloadRecord*>(context));
    case PLMSG_DETACH:
        return Detach(parameter, static_cast<const char*>(context));
    case PLMSG_SET_PARAMS:
        return SetParams(static_cast<const PayloadRecord*>(context));
    case PLMSG_GET_PARAMS:
        return GetParams(static_cast<PayloadQuery*>(context));
    case PLMSG_SET_FORCES:
        return SetForces(parameter, static_cast<const char*>(context));
    default:
        return 0;  // another plug-in's message
    }
}

int32_t ExampleCarrier::Attach(PayloadRecord* record) {
    if (record == nullptr) return 0;
    // The record is ours from now on, whatever we answer.
    const std::string name = NameOf(record->name);
    const bool known = vessels_.empty() || vessels_.count(name) != 0;
    if (name.empty() || name == own_ || !known || held_.count(name) != 0) {
        FreePayloadRecord(record);  // refused: released at once
        return 0;
    }
    Payload& p = held_[name];
    p.attachRecord = record;  // kept: the editor reads its name after we answer
    p.params = *record;
    p.params.addForces = 0;  // forces start off, and change only with PLMSG_SET_FORCES
    return 1;
}

int32_t ExampleCarrier::Detach(uint32_t addVelocity, const char* name) {
    auto it = held_.find(NameOf(name));
    if (it == held_.end()) return 0;
    // A vessel would let the payload go here, pushed away at
    // it->second.params.jettisonVelocity when addVelocity is 1.
    (void)addVelocity;
    FreePayloadRecord(it->second.attachRecord);
    held_.erase(it);
    return 1;
}

int32_t ExampleCarrier::SetParams(const PayloadRecord* record) {
    // Lent for the call: copied, never kept.
    Payload* p = record != nullptr ? Find(record->name) : nullptr;
    if (p == nullptr) return 0;
    const int32_t forces = p->params.addForces;
    p->params = *record;
    p->params.addForces = forces;
    return 1;
}

int32_t ExampleCarrier::GetParams(PayloadQuery* query) {
    Payload* p = query != nullptr ? Find(query->name) : nullptr;
    if (p == nullptr) return 0;
    query->record = &p->params;  // ours, and valid after the call
    return 1;
}

int32_t ExampleCarrier::SetForces(uint32_t on, const char* name) {
    Payload* p = Find(name);
    if (p == nullptr) return 0;
    p->params.addForces = on != 0 ? 1 : 0;
    return 1;
}

ExampleCarrier::Payload* ExampleCarrier::Find(const char* name) {
    if (name == nullptr) return nullptr;
    auto it = held_.find(NameOf(name));
    return it != held_.end() ? &it->second : nullptr;
}
