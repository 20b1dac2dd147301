// A small carrier of the tests' own, written apart from the reference one and
// the example (it shares only their message switch and name reading), that
// can be given one flaw. Without a flaw it keeps every promise, so whatever
// carrier_check finds against it comes from the flaw.
// Some flaws release blocks twice or with the wrong allocator: run it only
// under the check, which counts such releases instead of doing them.
#ifndef KESTRIX_TESTS_CARRIERKIT_CHECK_FLAWED_CARRIER_H
#define KESTRIX_TESTS_CARRIERKIT_CHECK_FLAWED_CARRIER_H

#include <stdint.h>

#include <map>
#include <set>
#include <string>
#include <vector>

#include "payload/payload_protocol.h"

enum class Flaw {
    None,
    KeepsNoRecord,         // releases an accepted attach record at once
    AnswersTwoForYes,      // answers 2 to an attach or detach it performs
    FreesRefusedTwice,     // releases a refused attach record twice
    NeverFreesRefused,     // keeps a refused attach record
    KeepsDetachedRecord,   // releases a detached payload's record only when it goes
    ReleasesWithFree,      // gives records back with the C runtime's free
    ForgetsForces,         // ignores PLMSG_SET_FORCES
    StackRecord,           // answers PLMSG_GET_PARAMS with a record on the stack
    AnswersFromTemporary,  // answers PLMSG_GET_PARAMS with a heap record it drops at once
    FreesLentRecord,       // releases the PLMSG_SET_PARAMS record
    KeepsLentRecord,       // keeps the PLMSG_SET_PARAMS record and reads it later
    MatchesPrefix,         // compares names over the shorter one's length only
    ComparesWholeBuffers,  // compares all 256 bytes of a name buffer, past its zero too
    ReportsDegrees,        // answers PLMSG_GET_PARAMS with angles in degrees
    WritesNameText,        // writes into the name text of PLMSG_DETACH
    WritesQueryName,       // clears the name field of the PayloadQuery
    AttachesItself,        // takes its own name as a payload
    LeaksOnDestruction,    // releases nothing it holds when it goes
    CrashesOnUnknownName,  // reads through a null pointer for a name it does not hold
    // Faults that only a sequence of messages shows:
    KeepsBothRecords,      // takes a held payload again and keeps both records; a detach
                           // hands over to the second
    RemembersForces,       // keeps each name's forces apart, so a payload attached again
                           // comes back with the forces it had
    ShiftsParamsOnDetach,  // closes the gap a detach leaves in its table of parameters
                           // without telling the payloads that moved
    KeepsStaleParams,      // caches parameters by name, and an attach fills the cache only
                           // for a name it never saw
    RefusalChangesParams,  // takes the values of an attach it then refuses for a held payload
    StopsTakingParams,     // takes only the first three PLMSG_SET_PARAMS of an attachment
};

// The flaw of that name ("KeepsNoRecord"); false for no such flaw.
bool FlawNamed(const std::string& name, Flaw* flaw);

class FlawedCarrier {
public:
    FlawedCarrier(const char* ownName, const char* const* vesselNames, int vesselCount, Flaw flaw);
    ~FlawedCarrier();
    FlawedCarrier(const FlawedCarrier&) = delete;
    FlawedCarrier& operator=(const FlawedCarrier&) = delete;
    int32_t Receive(uint32_t messageId, uint32_t parameter, void* context);

private:
    template <typename Carrier>
    friend int32_t DispatchPayloadMessage(Carrier&, uint32_t, uint32_t, void*);

    struct Held {
        PayloadRecord* record = nullptr;      // the accepted attach record
        PayloadRecord params;                 // what PLMSG_GET_PARAMS gives
        const PayloadRecord* lent = nullptr;  // KeepsLentRecord's kept pointer
        int updates = 0;                      // PLMSG_SET_PARAMS taken
    };

    int32_t IsAttached(const char* name);
    int32_t Attach(PayloadRecord* record);
    int32_t Detach(char* name, bool addVelocity);
    int32_t SetParams(const PayloadRecord* record);
    int32_t GetParams(PayloadQuery* query);
    int32_t SetForces(const char* name, bool on);
    void Release(PayloadRecord* record);
    void ShiftAfter(const std::string& name);
    std::map<std::string, Held>::iterator Lookup(const char* name);
    Held* Find(const char* name);

    std::string own_;
    std::set<std::string> vessels_;
    Flaw flaw_;
    std::map<std::string, Held> held_;
    std::vector<PayloadRecord*> detachedKept_;
    PayloadRecord converted_;                              // ReportsDegrees' answer
    std::multimap<std::string, PayloadRecord*> seconds_;  // KeepsBothRecords' second records
    std::map<std::string, int32_t> forces_;                // RemembersForces' switches
    std::vector<std::string> order_;                       // ShiftsParamsOnDetach's table
    std::map<std::string, PayloadValues> cache_;           // KeepsStaleParams' cache
};

#endif
