// One fresh carrier under the record watch. Sends the payload messages with
// contexts made as the editor makes them (name texts in 256-byte buffers, the
// attach record cleared then filled, the lent record from the full
// constructor, the query with a null record) and turns what the carrier does
// with each block it receives into breaches of record ownership. The promise
// model judges the answers.
#ifndef BRASK_CARRIERKIT_CONFORMANCE_SESSION_H
#define BRASK_CARRIERKIT_CONFORMANCE_SESSION_H

#include <stdint.h>

#include <deque>
#include <memory>
#include <string>
#include <vector>

#include "carrierkit/conformance_types.h"
#include "carrierkit/promise_model.h"
#include "carrierkit/record_ledger.h"
#include "payload/payload_protocol.h"

using promise::Quoted;

class ConformanceSession {
public:
    // `world` and `ledger` outlive the session.
    ConformanceSession(const CarrierFactory& make, const CarrierWorld& world,
                       RecordLedger* ledger);
    ~ConformanceSession();
    ConformanceSession(const ConformanceSession&) = delete;
    ConformanceSession& operator=(const ConformanceSession&) = delete;

    // False when the factory made no carrier (a finding says so).
    bool Ready() const { return carrier_ != nullptr; }
    const CarrierWorld& World() const { return world_; }

    int32_t IsCarrier();
    int32_t IsAttached(const std::string& name);
    int32_t Attach(const std::string& name, const PayloadValues& values);
    int32_t Detach(const std::string& name, bool addVelocity);
    int32_t SetParams(const std::string& name, const PayloadValues& values);
    // The answer. When it is non-zero and the query's record can be read as
    // the editor would read it, *copy receives it and *read is true.
    int32_t GetParams(const std::string& name, PayloadRecord* copy, bool* read);
    int32_t SetForces(const std::string& name, bool on);

    // A broken promise; `key` tells it from others without the names.
    void Fail(const char* key, const std::string& message, int promise = 0);
    // Moves what was found since the last call to the end of *breaches.
    void TakeBreaches(std::vector<promise::Breach>* breaches);
    // Destroys the carrier, which ends its attachments, and checks what it
    // released then and whether it wrote into anything it was lent.
    void End();

private:
    enum class Role { AttachRecord, ParamsRecord, Query, NameText };
    // Lent: the editor's; Live: an accepted attach record whose attachment
    // goes on; Refused and Ended: released once, and no more.
    enum class State { Lent, Live, Refused, Ended };
    struct Handed {
        void* block;
        Role role;
        const char* message;  // the message it went with
        std::string payload;
        State state;
        unsigned releasesSeen;
        bool reported;  // one finding a block is enough
    };

    static constexpr size_t kNameBuffer = kPayloadNameMax + 1;
    // What fresh memory holds here. The editor's buffers hold whatever was
    // there before beyond a text's terminating zero, so nothing beyond it may
    // matter.
    static constexpr unsigned char kJunkByte = 0x5A;
    // A name text as the editor lends it: a 256-byte buffer, the text, its zero.
    static void FillName(char* buffer, const std::string& name);

    int32_t Send(uint32_t messageId, uint32_t parameter, void* context);
    Handed* Hand(size_t size, Role role, const char* message, const std::string& payload,
                 State state);
    Handed* LendName(const std::string& name, const char* message);
    void GiveBack(Handed* lent);
    // `message` and `name` say which call it was ("PLMSG_ATTACH of ", "Probe"),
    // put together only for a finding.
    void CheckReleases(const char* message, const std::string* name);
    void CheckRecordPointer(const std::string& name, const PayloadRecord* record, int32_t answer,
                            bool* sound);
    std::vector<Handed*> LiveRecordsOf(const std::string& payload);
    Handed* HandedHolding(const void* block);
    unsigned Releases(const Handed& h) const;
    std::string Describe(const Handed& h) const;

    const CarrierWorld& world_;
    RecordLedger* ledger_;
    std::vector<promise::Breach> breaches_;
    std::unique_ptr<CarrierEndpoint> carrier_;
    std::deque<Handed> handed_;  // a deque: what was handed keeps its address
};

#endif
