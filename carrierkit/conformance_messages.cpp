// The seven messages as the session sends them, and what each block handed
// with one must have become when the call returns.
#include <cstring>
#include <new>

#include "carrierkit/conformance_session.h"
#include "carrierkit/memory_probe.h"

std::vector<ConformanceSession::Handed*> ConformanceSession::LiveRecordsOf(
    const std::string& payload) {
    std::vector<Handed*> live;
    for (Handed& h : handed_) {
        if (h.role == Role::AttachRecord && h.state == State::Live && h.payload == payload) {
            live.push_back(&h);
        }
    }
    return live;
}

ConformanceSession::Handed* ConformanceSession::HandedHolding(const void* block) {
    for (Handed& h : handed_) {
        if (h.block == block) return &h;
    }
    return nullptr;
}

int32_t ConformanceSession::IsCarrier() {
    const int32_t answer = Send(PLMSG_IS_CARRIER, 0, nullptr);
    CheckReleases("PLMSG_IS_CARRIER", nullptr);
    return answer;
}

int32_t ConformanceSession::IsAttached(const std::string& name) {
    Handed* text = LendName(name, "PLMSG_IS_ATTACHED");
    if (text == nullptr) return 0;
    const int32_t answer = Send(PLMSG_IS_ATTACHED, 0, text->block);
    GiveBack(text);
    CheckReleases("PLMSG_IS_ATTACHED for ", &name);
    return answer;
}

int32_t ConformanceSession::Attach(const std::string& name, const PayloadValues& values) {
    // A carrier that takes a payload it holds once more may let the earlier
    // record go during the call, as the attachment it stood for is replaced.
    const std::vector<Handed*> earlier = LiveRecordsOf(name);
    Handed* h = Hand(sizeof(PayloadRecord), Role::AttachRecord, "PLMSG_ATTACH", name, State::Lent);
    if (h == nullptr) return 0;
    // As the editor makes it: a cleared record, then the name and the values.
    PayloadRecord* record = new (h->block) PayloadRecord();
    FillName(record->name, name);
    record->SetValues(values);

    const int32_t answer = Send(PLMSG_ATTACH, 0, record);
    const unsigned releases = Releases(*h);
    if (answer == 1) {
        h->state = State::Live;
        for (Handed* e : earlier) {
            if (Releases(*e) == 1) e->state = State::Ended;
        }
        if (releases > 0) {
            h->state = State::Ended;
            h->reported = true;
            Fail("records/accepted-released",
                 "answered 1 to PLMSG_ATTACH of " + Quoted(name) +
                     " but released the record during the call: the editor reads the record's "
                     "name right after an answer of 1, so an accepted record must stay valid");
        } else if (std::strncmp(record->name, name.c_str(), kNameBuffer) != 0) {
            Fail("records/accepted-renamed",
                 "answered 1 to PLMSG_ATTACH of " + Quoted(name) +
                     " but changed the record's name: the editor labels the payload with it");
        }
    } else {
        h->state = State::Refused;
        if (releases == 0) {
            h->reported = true;
            const std::string during = "PLMSG_ATTACH of " + Quoted(name);
            Fail("records/refused-kept",
                 (answer == 0 ? "refused " + during
                              : "answered " + std::to_string(answer) + " to " + during) +
                     " and kept the record: any answer but 1 is a refusal, and a refused record "
                     "is the carrier's to release at once, with FreePayloadRecord or "
                     "HeapFree(GetProcessHeap(), 0, r)");
        }
    }
    CheckReleases("PLMSG_ATTACH of ", &name);
    return answer;
}

int32_t ConformanceSession::Detach(const std::string& name, bool addVelocity) {
    Handed* text = LendName(name, "PLMSG_DETACH");
    if (text == nullptr) return 0;
    const int32_t answer = Send(PLMSG_DETACH, addVelocity ? 1u : 0u, text->block);
    GiveBack(text);
    const std::vector<Handed*> live = LiveRecordsOf(name);
    size_t kept = 0;
    for (Handed* record : live) {
        const unsigned releases = Releases(*record);
        if (answer == 1) {
            // The attachment has ended: every record it was made of goes.
            record->state = State::Ended;
            if (releases == 0) {
                record->reported = true;
                ++kept;
            }
        } else if (releases > 0) {
            record->state = State::Ended;
            record->reported = true;
            Fail("records/detach-refused-released",
                 "answered " + std::to_string(answer) + " to PLMSG_DETACH of " + Quoted(name) +
                     " yet released its attach record: it let the payload go, but the editor "
                     "takes only 1 as released and goes on showing it attached");
        }
    }
    if (kept > 0) {
        const std::string what =
            live.size() == 1 ? std::string("did not release its attach record")
                             : "kept " + std::to_string(kept) + " of the " +
                                   std::to_string(live.size()) +
                                   " attach records of the PLMSG_ATTACH messages it accepted";
        Fail("records/detached-kept",
             "answered 1 to PLMSG_DETACH of " + Quoted(name) + " but " + what +
                 ": the record of an attachment is released when the attachment ends");
    }
    CheckReleases("PLMSG_DETACH of ", &name);
    return answer;
}

int32_t ConformanceSession::SetParams(const std::string& name, const PayloadValues& values) {
    Handed* h =
        Hand(sizeof(PayloadRecord), Role::ParamsRecord, "PLMSG_SET_PARAMS", name, State::Lent);
    if (h == nullptr) return 0;
    PayloadRecord* record = new (h->block) PayloadRecord(name.c_str(), values);
    const int32_t answer = Send(PLMSG_SET_PARAMS, 0, record);
    GiveBack(h);  // the editor frees it as soon as the call returns
    CheckReleases("PLMSG_SET_PARAMS of ", &name);
    return answer;
}

void ConformanceSession::CheckRecordPointer(const std::string& name, const PayloadRecord* record,
                                            int32_t answer, bool* sound) {
    *sound = false;
    const std::string what = "answered " + std::to_string(answer) + " to PLMSG_GET_PARAMS for " +
                             Quoted(name) + " but pointed the query's record ";
    if (record == nullptr) {
        Fail("records/get-null",
             what + "nowhere (null): a non-zero answer promises a record to read", 6);
        return;
    }
    if (ledger_->ReleasedDuringCall(record, sizeof *record)) {
        Fail("records/get-temporary",
             what + "into a block it released before returning (a temporary, say): the record "
                    "must be valid when the call returns, for the editor reads it then",
             6);
        return;
    }
    if (PointsIntoStack(record, sizeof *record)) {
        Fail("records/get-stack",
             what + "into the stack: a record there dies when the call returns, before the "
                    "editor reads it",
             6);
        return;
    }
    if (const void* block = ledger_->BlockHolding(record, sizeof *record)) {
        const Handed* h = HandedHolding(block);
        const bool ownRecord = h != nullptr && h->role == Role::AttachRecord &&
                               h->state == State::Live && block == record && Releases(*h) == 0;
        if (!ownRecord) {
            if (h == nullptr || h->state == State::Lent) {
                Fail("records/get-lent",
                     what + "into " + (h != nullptr ? Describe(*h) : std::string("a block")) +
                         ", which the editor only lent it and frees or reuses after the call",
                     6);
            } else {
                Fail("records/get-ended",
                     what + "at " + Describe(*h) +
                         (Releases(*h) > 0 ? ", which it has released"
                                           : ", whose attachment has ended") +
                         ": the record must be valid when the call returns",
                     6);
            }
            return;
        }
    }
    if (!CanRead(record, sizeof *record)) {
        Fail("records/get-unreadable", what + "at memory that cannot be read", 6);
        return;
    }
    *sound = true;
}

int32_t ConformanceSession::GetParams(const std::string& name, PayloadRecord* copy, bool* read) {
    *read = false;
    Handed* text = LendName(name, "PLMSG_GET_PARAMS");
    Handed* h = Hand(sizeof(PayloadQuery), Role::Query, "PLMSG_GET_PARAMS", name, State::Lent);
    if (text == nullptr || h == nullptr) return 0;
    PayloadQuery* query =
        new (h->block) PayloadQuery{static_cast<const char*>(text->block), nullptr};

    const int32_t answer = Send(PLMSG_GET_PARAMS, 0, query);
    // Released or not, the query's memory stays in the books until the end.
    const PayloadRecord* record = Releases(*h) == 0 ? query->record : nullptr;
    if (Releases(*h) == 0 && query->name != text->block) {
        h->reported = true;
        Fail("records/query-name-written",
             "wrote into the name field of the PayloadQuery of PLMSG_GET_PARAMS for " +
                 Quoted(name) + ": a carrier writes only its record field");
    }
    if (answer != 0 && Releases(*h) == 0) {
        bool sound = false;
        CheckRecordPointer(name, record, answer, &sound);
        if (sound) {
            std::memcpy(static_cast<void*>(copy), record, sizeof *copy);
            *read = true;
        }
    }
    GiveBack(h);
    GiveBack(text);
    CheckReleases("PLMSG_GET_PARAMS for ", &name);
    return answer;
}

int32_t ConformanceSession::SetForces(const std::string& name, bool on) {
    Handed* text = LendName(name, "PLMSG_SET_FORCES");
    if (text == nullptr) return 0;
    const int32_t answer = Send(PLMSG_SET_FORCES, on ? 1u : 0u, text->block);
    GiveBack(text);
    CheckReleases("PLMSG_SET_FORCES of ", &name);
    return answer;
}
