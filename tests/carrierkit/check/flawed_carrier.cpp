#include "tests/carrierkit/check/flawed_carrier.h"

#include <cstdlib>
#include <cstring>
#include <memory>

#include "carrierkit/payload_carrier.h"
#include "carrierkit/payload_dispatch.h"

namespace {

struct NamedFlaw {
    const char* name;
    Flaw flaw;
};

const NamedFlaw kFlaws[] = {
    {"None", Flaw::None},
    {"KeepsNoRecord", Flaw::KeepsNoRecord},
    {"AnswersTwoForYes", Flaw::AnswersTwoForYes},
    {"FreesRefusedTwice", Flaw::FreesRefusedTwice},
    {"NeverFreesRefused", Flaw::NeverFreesRefused},
    {"KeepsDetachedRecord", Flaw::KeepsDetachedRecord},
    {"ReleasesWithFree", Flaw::ReleasesWithFree},
    {"ForgetsForces", Flaw::ForgetsForces},
    {"StackRecord", Flaw::StackRecord},
    {"AnswersFromTemporary", Flaw::AnswersFromTemporary},
    {"FreesLentRecord", Flaw::FreesLentRecord},
    {"KeepsLentRecord", Flaw::KeepsLentRecord},
    {"MatchesPrefix", Flaw::MatchesPrefix},
    {"ComparesWholeBuffers", Flaw::ComparesWholeBuffers},
    {"ReportsDegrees", Flaw::ReportsDegrees},
    {"WritesNameText", Flaw::WritesNameText},
    {"WritesQueryName", Flaw::WritesQueryName},
    {"AttachesItself", Flaw::AttachesItself},
    {"LeaksOnDestruction", Flaw::LeaksOnDestruction},
    {"CrashesOnUnknownName", Flaw::CrashesOnUnknownName},
};

}  // namespace

bool FlawNamed(const std::string& name, Flaw* flaw) {
    for (const NamedFlaw& f : kFlaws) {
        if (name == f.name) {
            *flaw = f.flaw;
            return true;
        }
    }
    return false;
}

FlawedCarrier::FlawedCarrier(const char* ownName, const char* const* vesselNames, int vesselCount,
                             Flaw flaw)
    : own_(ownName), flaw_(flaw) {
    for (int i = 0; i < vesselCount; ++i) vessels_.insert(vesselNames[i]);
}

FlawedCarrier::~FlawedCarrier() {
    if (flaw_ == Flaw::LeaksOnDestruction) return;
    for (auto& entry : held_) Release(entry.second.record);
    for (PayloadRecord* record : detachedKept_) Release(record);
}

int32_t FlawedCarrier::Receive(uint32_t messageId, uint32_t parameter, void* context) {
    return DispatchPayloadMessage(*this, messageId, parameter, context);
}

int32_t FlawedCarrier::IsAttached(const char* name) { return Find(name) != nullptr ? 1 : 0; }

int32_t FlawedCarrier::Attach(PayloadRecord* record) {
    const std::string name = PayloadNameFromContext(record->name);
    const bool itself = name == own_ && flaw_ != Flaw::AttachesItself;
    if (name.empty() || itself || vessels_.count(name) == 0 || held_.count(name) != 0) {
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

int32_t FlawedCarrier::Detach(char* name, bool) {
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

int32_t FlawedCarrier::SetParams(const PayloadRecord* record) {
    Held* h = Find(record->name);
    if (flaw_ == Flaw::FreesLentRecord) Release(const_cast<PayloadRecord*>(record));
    if (h != nullptr && flaw_ == Flaw::KeepsLentRecord) {
        h->lent = record;
    } else if (h != nullptr) {
        const int32_t forces = h->params.addForces;
        h->params = *record;
        h->params.addForces = forces;
    }
    return 1;  // the editor ignores the answer
}

int32_t FlawedCarrier::GetParams(PayloadQuery* query) {
    Held* h = Find(query->name);
    if (flaw_ == Flaw::CrashesOnUnknownName && h == nullptr) {
        // What reading h->params would do.
        RaiseException(EXCEPTION_ACCESS_VIOLATION, 0, 0, nullptr);
    }
    if (flaw_ == Flaw::WritesQueryName) query->name = nullptr;
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
        PayloadRecord local = h->params;
#if defined(__GNUC__) && !defined(__clang__)
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wdangling-pointer"
#endif
        query->record = &local;  // the fault: dead when the call returns
#if defined(__GNUC__) && !defined(__clang__)
#pragma GCC diagnostic pop
#endif
        return 1;
    } else if (flaw_ == Flaw::AnswersFromTemporary) {
        std::unique_ptr<PayloadRecord> temporary(new PayloadRecord(h->params));
        query->record = temporary.get();  // the fault: freed when the call returns
        return 1;
    }
    query->record = answer;
    return 1;
}

int32_t FlawedCarrier::SetForces(const char* name, bool on) {
    Held* h = Find(name);
    if (h == nullptr) return 0;
    if (flaw_ != Flaw::ForgetsForces) h->params.addForces = on;
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
    if (name == nullptr) return held_.end();  // a query without a name
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
