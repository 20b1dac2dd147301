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
    {"KeepsBothRecords", Flaw::KeepsBothRecords},
    {"RemembersForces", Flaw::RemembersForces},
    {"ShiftsParamsOnDetach", Flaw::ShiftsParamsOnDetach},
    {"KeepsStaleParams", Flaw::KeepsStaleParams},
    {"RefusalChangesParams", Flaw::RefusalChangesParams},
    {"StopsTakingParams", Flaw::StopsTakingParams},
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
    for (auto& second : seconds_) Release(second.second);
}

int32_t FlawedCarrier::Receive(uint32_t messageId, uint32_t parameter, void* context) {
    return DispatchPayloadMessage(*this, messageId, parameter, context);
}

int32_t FlawedCarrier::IsAttached(const char* name) { return Find(name) != nullptr ? 1 : 0; }

int32_t FlawedCarrier::Attach(PayloadRecord* record) {
    const std::string name = PayloadNameFromContext(record->name);
    auto held = held_.find(name);
    if (held != held_.end() && flaw_ == Flaw::KeepsBothRecords) {
        seconds_.emplace(name, record);
        return 1;
    }
    if (held != held_.end() && flaw_ == Flaw::RefusalChangesParams) {
        held->second.params.SetValues(record->Values());  // before finding it must refuse
    }
    const bool itself = name == own_ && flaw_ != Flaw::AttachesItself;
    if (name.empty() || itself || vessels_.count(name) == 0 || held_.count(name) != 0) {
        if (flaw_ != Flaw::NeverFreesRefused) Release(record);
        if (flaw_ == Flaw::FreesRefusedTwice) Release(record);
        return 0;
    }
    Held& h = held_[name];
    h.params = *record;
    h.record = record;
    if (flaw_ == Flaw::RemembersForces) h.params.addForces = forces_[name];
    if (flaw_ == Flaw::KeepsStaleParams) {
        h.params.SetValues(cache_.emplace(name, record->Values()).first->second);
    }
    if (flaw_ == Flaw::ShiftsParamsOnDetach) order_.push_back(name);
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
    auto second = seconds_.find(it->first);
    if (second != seconds_.end()) {
        // The second record takes over: the payload stays attached.
        Release(it->second.record);
        it->second.record = second->second;
        it->second.params = *second->second;
        seconds_.erase(second);
        return 1;
    }
    if (flaw_ == Flaw::ShiftsParamsOnDetach) ShiftAfter(it->first);
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
    if (h != nullptr && flaw_ == Flaw::StopsTakingParams && ++h->updates > 3) return 1;
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
    forces_[PayloadNameFromContext(name)] = on;
    return 1;
}

void FlawedCarrier::ShiftAfter(const std::string& name) {
    // Every payload after the one leaving now reads the slot after its own,
    // and the last one a cleared slot.
    size_t i = 0;
    while (i < order_.size() && order_[i] != name) ++i;
    for (size_t p = i + 1; p < order_.size(); ++p) {
        const PayloadValues next =
            p + 1 < order_.size() ? held_[order_[p + 1]].params.Values() : PayloadValues();
        held_[order_[p]].params.SetValues(next);
    }
    if (i < order_.size()) order_.erase(order_.begin() + static_cast<std::ptrdiff_t>(i));
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
