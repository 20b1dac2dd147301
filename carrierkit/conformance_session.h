// One carrier under one check. Sends the payload messages with contexts made
// as the editor makes them (name texts in 256-byte buffers, the attach record
// cleared then filled, the lent record from the full constructor, the query
// with a null record) and turns what the carrier does with each block it
// receives into findings. The checks themselves only judge the answers.
#ifndef BRASK_CARRIERKIT_CONFORMANCE_SESSION_H
#define BRASK_CARRIERKIT_CONFORMANCE_SESSION_H

#include <stdint.h>

#include <deque>
#include <memory>
#include <string>
#include <vector>

#include "carrierkit/conformance_types.h"
#include "carrierkit/record_ledger.h"
#include "payload/payload_protocol.h"

// A name for messages: quoted, and shortened when long.
std::string Quoted(const std::string& name);

class ConformanceSession {
public:
    ConformanceSession(const char* check, const CarrierFactory& make, const CarrierWorld& world,
                       RecordLedger* ledger, std::vector<ConformanceFinding>* findings);
    ~ConformanceSession() { End(); }
    ConformanceSession(const ConformanceSession&) = delete;
    ConformanceSession& operator=(const ConformanceSession&) = delete;

    // False when the factory made no carrier (a finding says so).
    bool Ready() const { return carrier_ != nullptr; }
    const CarrierWorld& World() const { return world_; }

    int32_t IsCarrier();
    int32_t IsAttached(const std::string& name);
    int32_t Attach(const std::string& name, const PayloadValues& values);
    int32_t Detach(const std::string& name, bool addVelocity);
    void SetParams(const std::string& name, const PayloadValues& values);
    // The answer. When it is non-zero and the query's record can be read as
    // the editor would read it, *copy receives it and *read is true.
    int32_t GetParams(const std::string& name, PayloadRecord* copy, bool* read);
    void SetForces(const std::string& name, bool on);

    void Fail(const std::string& message);
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

    int32_t Send(uint32_t messageId, uint32_t parameter, void* context);
    Handed* Hand(size_t size, Role role, const char* message, const std::string& payload,
                 State state);
    Handed* LendName(const std::string& name, const char* message);
    void GiveBack(Handed* lent);
    void CheckReleases(const std::string& during);
    void CheckRecordPointer(const std::string& name, const PayloadRecord* record, int32_t answer,
                            bool* sound);
    Handed* LiveRecordOf(const std::string& payload);
    Handed* HandedHolding(const void* block);
    unsigned Releases(const Handed& h) const;
    std::string Describe(const Handed& h) const;

    std::string check_;
    CarrierWorld world_;
    RecordLedger* ledger_;
    std::vector<ConformanceFinding>* findings_;
    std::unique_ptr<CarrierEndpoint> carrier_;
    std::deque<Handed> handed_;  // a deque: what was handed keeps its address
};

#endif
