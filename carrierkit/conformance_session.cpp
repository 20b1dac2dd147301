#include "carrierkit/conformance_session.h"

#include <cstring>
#include <new>

#include "carrierkit/memory_probe.h"

namespace {

const size_t kNameBuffer = kPayloadNameMax + 1;
// What fresh memory holds here. The editor's buffers hold whatever was there
// before beyond a text's terminating zero, so nothing beyond it may matter.
const unsigned char kJunkByte = 0x5A;

// A name text as the editor lends it: a 256-byte buffer, the text, its zero.
void FillName(char* buffer, const std::string& name) {
    const size_t n = name.size() < kPayloadNameMax ? name.size() : kPayloadNameMax;
    std::memset(buffer, kJunkByte, kNameBuffer);
    std::memcpy(buffer, name.data(), n);
    buffer[n] = '\0';
}

bool AllPoison(const void* block, size_t size) {
    const unsigned char* bytes = static_cast<const unsigned char*>(block);
    for (size_t i = 0; i < size; ++i) {
        if (bytes[i] != kPoisonByte) return false;
    }
    return true;
}

}  // namespace

std::string Quoted(const std::string& name) {
    if (name.size() <= 24) return "\"" + name + "\"";
    return "\"" + name.substr(0, 12) + "...\" (" + std::to_string(name.size()) + " characters)";
}

ConformanceSession::ConformanceSession(const char* check, const CarrierFactory& make,
                                       const CarrierWorld& world, RecordLedger* ledger,
                                       std::vector<ConformanceFinding>* findings)
    : check_(check), world_(world), ledger_(ledger), findings_(findings) {
    if (make) carrier_ = make(world_);
    if (!carrier_) Fail("no carrier to check: the factory (CarrierCreate, in a DLL) returned null");
}

void ConformanceSession::Fail(const std::string& message) {
    findings_->push_back(ConformanceFinding{check_, message});
}

int32_t ConformanceSession::Send(uint32_t messageId, uint32_t parameter, void* context) {
    if (!carrier_) return 0;
    ledger_->StartCall();
    const int32_t answer = carrier_->Receive(messageId, parameter, context);
    ledger_->EndCall();
    return answer;
}

ConformanceSession::Handed* ConformanceSession::Hand(size_t size, Role role, const char* message,
                                                     const std::string& payload, State state) {
    void* block = ledger_->Allocate(size);
    if (block == nullptr) return nullptr;
    std::memset(block, kJunkByte, size);
    handed_.push_back(Handed{block, role, message, payload, state, 0, false});
    return &handed_.back();
}

ConformanceSession::Handed* ConformanceSession::LendName(const std::string& name,
                                                         const char* message) {
    Handed* h = Hand(kNameBuffer, Role::NameText, message, name, State::Lent);
    if (h != nullptr) FillName(static_cast<char*>(h->block), name);
    return h;
}

unsigned ConformanceSession::Releases(const Handed& h) const {
    const LedgerEntry* entry = ledger_->Entry(h.block);
    return entry != nullptr ? entry->releases : 0;
}

std::string ConformanceSession::Describe(const Handed& h) const {
    switch (h.role) {
    case Role::AttachRecord:
        return "the PLMSG_ATTACH record of " + Quoted(h.payload);
    case Role::ParamsRecord:
        return "the PLMSG_SET_PARAMS record of " + Quoted(h.payload);
    case Role::Query:
        return "the PayloadQuery of PLMSG_GET_PARAMS for " + Quoted(h.payload);
    case Role::NameText:
        break;
    }
    return std::string("the name text ") + Quoted(h.payload) + " of " + h.message;
}

// The editor is done with a block it lent: a name text must read as it was
// sent, and whatever the carrier touches from now on shows as a change.
void ConformanceSession::GiveBack(Handed* lent) {
    if (lent == nullptr) return;
    if (lent->role == Role::NameText && Releases(*lent) == 0) {
        char sent[kNameBuffer];
        FillName(sent, lent->payload);
        if (std::memcmp(sent, lent->block, kNameBuffer) != 0) {
            Fail("wrote into " + Describe(*lent) +
                 ": a name text is lent for reading, and the editor uses it again after the call");
            lent->reported = true;
        }
    }
    std::memset(lent->block, kPoisonByte, ledger_->Entry(lent->block)->size);
}

// Every release since the last look, judged by what the block was.
void ConformanceSession::CheckReleases(const std::string& during) {
    for (Handed& h : handed_) {
        const LedgerEntry* entry = ledger_->Entry(h.block);
        if (entry == nullptr || entry->releases == h.releasesSeen) continue;
        h.releasesSeen = entry->releases;
        if (h.reported) continue;
        h.reported = true;
        const std::string what = Describe(h);
        if (entry->runtimeFree) {
            Fail("released " + what + " with the C runtime's free or delete during " + during +
                 ": records come from the process heap and go back with "
                 "HeapFree(GetProcessHeap(), 0, r) or FreePayloadRecord");
        } else if (entry->foreignHeap) {
            Fail("released " + what +
                 " with HeapFree on another heap than the process heap during " + during);
        } else if (h.state == State::Lent) {
            Fail("released " + what + ", which it was only lent, during " + during +
                 ": the editor frees or reuses what it lends, so the block would be released twice "
                 "or "
                 "was never the heap's");
        } else if (h.state == State::Live) {
            Fail("released " + what + " during " + during + " while " + Quoted(h.payload) +
                 " is still attached: an accepted record stays valid until its attachment ends");
        } else if (entry->releases > 1) {
            Fail("released " + what + " " + std::to_string(entry->releases) +
                 " times by the end of " + during +
                 ": a record is released exactly once, and a second release corrupts the "
                 "process heap");
        } else {
            h.reported = false;  // one release of a refused or ended record: as it should be
        }
    }
}

ConformanceSession::Handed* ConformanceSession::LiveRecordOf(const std::string& payload) {
    for (Handed& h : handed_) {
        if (h.role == Role::AttachRecord && h.state == State::Live && h.payload == payload)
            return &h;
    }
    return nullptr;
}

ConformanceSession::Handed* ConformanceSession::HandedHolding(const void* block) {
    for (Handed& h : handed_) {
        if (h.block == block) return &h;
    }
    return nullptr;
}

int32_t ConformanceSession::IsCarrier() {
    const int32_t answer = Send(PLMSG_IS_CARRIER, 0, nullptr);
    CheckReleases("PLMSG_IS_CARRIER");
    return answer;
}

int32_t ConformanceSession::IsAttached(const std::string& name) {
    Handed* text = LendName(name, "PLMSG_IS_ATTACHED");
    if (text == nullptr) return 0;
    const int32_t answer = Send(PLMSG_IS_ATTACHED, 0, text->block);
    GiveBack(text);
    CheckReleases("PLMSG_IS_ATTACHED for " + Quoted(name));
    return answer;
}

int32_t ConformanceSession::Attach(const std::string& name, const PayloadValues& values) {
    Handed* h = Hand(sizeof(PayloadRecord), Role::AttachRecord, "PLMSG_ATTACH", name, State::Lent);
    if (h == nullptr) return 0;
    // As the editor makes it: a cleared record, then the name and the values.
    PayloadRecord* record = new (h->block) PayloadRecord();
    FillName(record->name, name);
    record->SetValues(values);

    const int32_t answer = Send(PLMSG_ATTACH, 0, record);
    const std::string during = "PLMSG_ATTACH of " + Quoted(name);
    const unsigned releases = Releases(*h);
    if (answer == 1) {
        h->state = State::Live;
        if (releases > 0) {
            h->state = State::Ended;
            h->reported = true;
            Fail("answered 1 to " + during +
                 " but released the record during the call: the editor reads the record's name "
                 "right after an answer of 1, so an accepted record must stay valid");
        } else if (std::strncmp(record->name, name.c_str(), kNameBuffer) != 0) {
            Fail("answered 1 to " + during +
                 " but changed the record's name: the editor labels the payload with it");
        }
    } else {
        h->state = State::Refused;
        if (releases == 0) {
            h->reported = true;
            Fail((answer == 0 ? "refused " + during
                              : "answered " + std::to_string(answer) + " to " + during) +
                 " and kept the record: any answer but 1 is a refusal, and a refused record is "
                 "the carrier's to release at once, with FreePayloadRecord or "
                 "HeapFree(GetProcessHeap(), 0, r)");
        }
    }
    CheckReleases(during);
    return answer;
}

int32_t ConformanceSession::Detach(const std::string& name, bool addVelocity) {
    Handed* text = LendName(name, "PLMSG_DETACH");
    if (text == nullptr) return 0;
    const int32_t answer = Send(PLMSG_DETACH, addVelocity ? 1u : 0u, text->block);
    GiveBack(text);
    const std::string during = "PLMSG_DETACH of " + Quoted(name);
    if (Handed* live = LiveRecordOf(name)) {
        const unsigned releases = Releases(*live);
        if (answer == 1) {
            live->state = State::Ended;
            if (releases == 0) {
                live->reported = true;
                Fail("answered 1 to " + during +
                     " but did not release its attach record: the record of an attachment is "
                     "released when the attachment ends");
            }
        } else if (releases > 0) {
            live->state = State::Ended;
            live->reported = true;
            Fail("answered " + std::to_string(answer) + " to " + during +
                 " yet released its attach record: it let the payload go, but the editor takes "
                 "only 1 as released and goes on showing it attached");
        }
    }
    CheckReleases(during);
    return answer;
}

void ConformanceSession::SetParams(const std::string& name, const PayloadValues& values) {
    Handed* h =
        Hand(sizeof(PayloadRecord), Role::ParamsRecord, "PLMSG_SET_PARAMS", name, State::Lent);
    if (h == nullptr) return;
    PayloadRecord* record = new (h->block) PayloadRecord(name.c_str(), values);
    Send(PLMSG_SET_PARAMS, 0, record);
    GiveBack(h);  // the editor frees it as soon as the call returns
    CheckReleases("PLMSG_SET_PARAMS of " + Quoted(name));
}

void ConformanceSession::CheckRecordPointer(const std::string& name, const PayloadRecord* record,
                                            int32_t answer, bool* sound) {
    *sound = false;
    const std::string what = "answered " + std::to_string(answer) + " to PLMSG_GET_PARAMS for " +
                             Quoted(name) + " but pointed the query's record ";
    if (record == nullptr) {
        Fail(what + "nowhere (null): a non-zero answer promises a record to read");
        return;
    }
    if (ledger_->ReleasedDuringCall(record, sizeof *record)) {
        Fail(what +
             "into a block it released before returning (a temporary, say): the record must "
             "be valid when the call returns, for the editor reads it then");
        return;
    }
    if (PointsIntoStack(record, sizeof *record)) {
        Fail(what +
             "into the stack: a record there dies when the call returns, before the "
             "editor reads it");
        return;
    }
    if (const void* block = ledger_->BlockHolding(record, sizeof *record)) {
        const Handed* h = HandedHolding(block);
        const bool ownRecord = h != nullptr && h->role == Role::AttachRecord &&
                               h->state == State::Live && block == record && Releases(*h) == 0;
        if (!ownRecord) {
            if (h == nullptr || h->state == State::Lent) {
                Fail(what + "into " + (h != nullptr ? Describe(*h) : std::string("a block")) +
                     ", which the editor only lent it and frees or reuses after the call");
            } else {
                Fail(what + "at " + Describe(*h) +
                     (Releases(*h) > 0 ? ", which it has released"
                                       : ", whose attachment has ended") +
                     ": the record must be valid when the call returns");
            }
            return;
        }
    }
    if (!CanRead(record, sizeof *record)) {
        Fail(what + "at memory that cannot be read");
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
        Fail("wrote into the name field of the PayloadQuery of PLMSG_GET_PARAMS for " +
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
    CheckReleases("PLMSG_GET_PARAMS for " + Quoted(name));
    return answer;
}

void ConformanceSession::SetForces(const std::string& name, bool on) {
    Handed* text = LendName(name, "PLMSG_SET_FORCES");
    if (text == nullptr) return;
    Send(PLMSG_SET_FORCES, on ? 1u : 0u, text->block);
    GiveBack(text);
    CheckReleases("PLMSG_SET_FORCES of " + Quoted(name));
}

void ConformanceSession::End() {
    if (!carrier_) return;
    std::vector<Handed*> live;
    for (Handed& h : handed_) {
        if (h.state == State::Live) {
            h.state = State::Ended;  // releasing it now is what should happen
            live.push_back(&h);
        }
    }
    carrier_.reset();
    for (Handed* h : live) {
        if (!h->reported && Releases(*h) == 0) {
            h->reported = true;
            Fail("never released " + Describe(*h) +
                 ": it was still attached when the carrier was destroyed, and a carrier "
                 "releases the records of the attachments it holds when it goes");
        }
    }
    CheckReleases("the carrier's destruction");
    for (Handed& h : handed_) {
        if (h.state != State::Lent || h.reported) continue;
        if (!AllPoison(h.block, ledger_->Entry(h.block)->size)) {
            h.reported = true;
            Fail("wrote into " + Describe(h) +
                 " after the call had returned: it kept a pointer to a block it was only lent");
        }
    }
}
