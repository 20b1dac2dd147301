#include "carrierkit/conformance_session.h"

#include <cstring>
#include <new>

#include "carrierkit/memory_probe.h"

namespace {

bool AllPoison(const void* block, size_t size) {
    const unsigned char* bytes = static_cast<const unsigned char*>(block);
    for (size_t i = 0; i < size; ++i) {
        if (bytes[i] != kPoisonByte) return false;
    }
    return true;
}

}  // namespace

void ConformanceSession::FillName(char* buffer, const std::string& name) {
    const size_t n = name.size() < kPayloadNameMax ? name.size() : kPayloadNameMax;
    std::memset(buffer, kJunkByte, kNameBuffer);
    std::memcpy(buffer, name.data(), n);
    buffer[n] = '\0';
}

ConformanceSession::ConformanceSession(const CarrierFactory& make, const CarrierWorld& world,
                                       RecordLedger* ledger)
    : world_(world), ledger_(ledger) {
    if (make) carrier_ = make(world_);
    if (!carrier_) {
        Fail("setup/no-carrier",
             "no carrier to check: the factory (CarrierCreate, in a DLL) returned null");
    }
}

ConformanceSession::~ConformanceSession() {
    End();
    // Checked and done with: the blocks leave the books, so that thousands
    // of sessions in a row keep only a few.
    for (const Handed& h : handed_) ledger_->Retire(h.block);
}

void ConformanceSession::Fail(const char* key, const std::string& message, int promise) {
    breaches_.push_back(promise::Breach{key, promise, message});
}

void ConformanceSession::TakeBreaches(std::vector<promise::Breach>* breaches) {
    for (promise::Breach& b : breaches_) breaches->push_back(std::move(b));
    breaches_.clear();
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
            Fail("records/name-written", "wrote into " + Describe(*lent) +
                 ": a name text is lent for reading, and the editor uses it again after the call");
            lent->reported = true;
        }
    }
    std::memset(lent->block, kPoisonByte, ledger_->Entry(lent->block)->size);
}

// Every release since the last look, judged by what the block was.
void ConformanceSession::CheckReleases(const char* message, const std::string* name) {
    for (Handed& h : handed_) {
        const LedgerEntry* entry = ledger_->Entry(h.block);
        if (entry == nullptr || entry->releases == h.releasesSeen) continue;
        h.releasesSeen = entry->releases;
        if (h.reported) continue;
        h.reported = true;
        const std::string during = message + (name != nullptr ? Quoted(*name) : std::string());
        const std::string what = Describe(h);
        if (entry->runtimeFree) {
            Fail("records/runtime-free",
                 "released " + what + " with the C runtime's free or delete during " + during +
                     ": records come from the process heap and go back with "
                     "HeapFree(GetProcessHeap(), 0, r) or FreePayloadRecord");
        } else if (entry->foreignHeap) {
            Fail("records/foreign-heap", "released " + what +
                                             " with HeapFree on another heap than the process "
                                             "heap during " +
                                             during);
        } else if (h.state == State::Lent) {
            Fail("records/lent-released",
                 "released " + what + ", which it was only lent, during " + during +
                     ": the editor frees or reuses what it lends, so the block would be "
                     "released twice or was never the heap's");
        } else if (h.state == State::Live) {
            Fail("records/live-released",
                 "released " + what + " during " + during + " while " + Quoted(h.payload) +
                     " is still attached: an accepted record stays valid until its attachment "
                     "ends");
        } else if (entry->releases > 1) {
            Fail("records/released-twice",
                 "released " + what + " " + std::to_string(entry->releases) +
                     " times by the end of " + during +
                     ": a record is released exactly once, and a second release corrupts the "
                     "process heap");
        } else {
            h.reported = false;  // one release of a refused or ended record: as it should be
        }
    }
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
            Fail("records/never-released", "never released " + Describe(*h) +
                 ": it was still attached when the carrier was destroyed, and a carrier "
                 "releases the records of the attachments it holds when it goes");
        }
    }
    CheckReleases("the carrier's destruction", nullptr);
    for (Handed& h : handed_) {
        if (h.state != State::Lent || h.reported) continue;
        if (!AllPoison(h.block, ledger_->Entry(h.block)->size)) {
            h.reported = true;
            Fail("records/written-after", "wrote into " + Describe(h) +
                 " after the call had returned: it kept a pointer to a block it was only lent");
        }
    }
}
