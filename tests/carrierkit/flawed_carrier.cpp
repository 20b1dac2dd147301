#include "tests/carrierkit/flawed_carrier.h"

#include <cstdlib>
#include <cstring>

#include "carrierkit/payload_carrier.h"

FlawedCarrier::FlawedCarrier(const CarrierWorld& world, Flaw flaw, PayloadRecord* stackSlot)
    : own_(world.carrierName),
      vessels_(world.vessels.begin(), world.vessels.end()),
      flaw_(flaw),
      stackSlot_(stackSlot) {}

FlawedCarrier::~FlawedCarrier() {
    if (flaw_ == Flaw::LeaksOnDestruction) return;
    for (auto& entry : held_) Release(entry.second.record);
    for (PayloadRecord* record : detachedKept_) Release(record);
}

int32_t FlawedCarrier::Receive(uint32_t messageId, uint32_t parameter, void* context) {
    switch (messageId) {
    case PLMSG_IS_CARRIER:
        return 1;
    case PLMSG_IS_ATTACHED:
        return Find(static_cast<const char*>(context)) != nullptr ? 1 : 0;
    case PLMSG_ATTACH:
        return Attach(static_cast<PayloadRecord*>(context));
    case PLMSG_DETACH:
        return Detach(static_cast<char*>(context));
    case PLMSG_SET_PARAMS:
        SetParams(static_cast<const PayloadRecord*>(context));
        return 1;
    case PLMSG_GET_PARAMS:
        return GetParams(static_cast<PayloadQuery*>(context));
    case PLMSG_SET_FORCES: {
        Held* h = Find(static_cast<const char*>(context));
        if (h != nullptr && flaw_ != Flaw::ForgetsForces) h->params.addForces = parameter != 0;
        return h != nullptr ? 1 : 0;
    }
    default:
        return 0;
    }
}

int32_t FlawedCarrier::Attach(PayloadRecord* record) {
    const std::string name = PayloadNameFromContext(record->name);
    if (name.empty() || name == own_ || vessels_.count(name) == 0 || held_.count(name) != 0) {
        if (flaw_ != Flaw::NeverFreesRefused) Release(record);
        if (flaw_ == Flaw::FreesRefusedTwice) Release(record);
        return 0;
    }
    Held& h = held_[name];
    h.params = *record;
    h.record = record;
    if (flaw_ == Flaw::KeepsNoRecord) {
        Release(record);
        h.record = nullptr;
    }
    return flaw_ == Flaw::AnswersTwoForYes ? 2 : 1;
}

int32_t FlawedCarrier::Detach(char* name) {
    auto it = Lookup(name);
    if (it == held_.end()) return 0;
    if (flaw_ == Flaw::WritesNameText) name[0] = '#';
    if (flaw_ == Flaw::KeepsDetachedRecord) {
        detachedKept_.push_back(it->second.record);
    } else {
        Release(it->second.record);
    }
    held_.erase(it);
    return flaw_ == Flaw::AnswersTwoForYes ? 2 : 1;
}

void FlawedCarrier::SetParams(const PayloadRecord* record) {
    Held* h = Find(record->name);
    if (flaw_ == Flaw::FreesLentRecord) Release(const_cast<PayloadRecord*>(record));
    if (h == nullptr) return;
    if (flaw_ == Flaw::KeepsLentRecord) {
        h->lent = record;
        return;
    }
    const int32_t forces = h->params.addForces;
    h->params = *record;
    h->params.addForces = forces;
}

int32_t FlawedCarrier::GetParams(PayloadQuery* query) {
    Held* h = Find(query->name);
    if (h == nullptr) return 0;
    if (h->lent != nullptr) {
        // Too late: the sender freed that record when its call returned.
        const int32_t forces = h->params.addForces;
        h->params = *h->lent;
        h->params.addForces = forces;
    }
    PayloadRecord* answer = &h->params;
    if (flaw_ == Flaw::ReportsDegrees) {
        converted_ = h->params;
        for (PayloadVector* v : {&converted_.shipRotation, &converted_.jettisonRotation}) {
            v->x *= 57.29577951308232;
            v->y *= 57.29577951308232;
            v->z *= 57.29577951308232;
        }
        answer = &converted_;
    } else if (flaw_ == Flaw::StackRecord) {
        *stackSlot_ = h->params;
        answer = stackSlot_;
    }
    query->record = answer;
    return 1;
}

void FlawedCarrier::Release(PayloadRecord* record) {
    if (record == nullptr) return;
    if (flaw_ == Flaw::ReleasesWithFree) {
        std::free(record);
    } else {
        HeapFree(GetProcessHeap(), 0, record);
    }
}

std::map<std::string, FlawedCarrier::Held>::iterator FlawedCarrier::Lookup(const char* name) {
    if (name == nullptr) return held_.end();
    const std::string asked = PayloadNameFromContext(name);
    if (flaw_ == Flaw::ComparesWholeBuffers) {
        for (auto it = held_.begin(); it != held_.end(); ++it) {
            char key[kPayloadNameMax + 1] = {};
            std::memcpy(key, it->first.data(), it->first.size());
            if (std::memcmp(key, name, sizeof key) == 0) return it;
        }
        return held_.end();
    }
    if (flaw_ != Flaw::MatchesPrefix) return held_.find(asked);
    for (auto it = held_.begin(); it != held_.end(); ++it) {
        const size_t n = it->first.size() < asked.size() ? it->first.size() : asked.size();
        if (it->first.compare(0, n, asked, 0, n) == 0) return it;
    }
    return held_.end();
}

FlawedCarrier::Held* FlawedCarrier::Find(const char* name) {
    auto it = Lookup(name);
    return it != held_.end() ? &it->second : nullptr;
}
