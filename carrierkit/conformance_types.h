// The terms the conformance check is stated in: a carrier as the editor
// reaches it, the world it is made for, and what the check finds. Apart from
// carrier_conformance.h, so that the check's own parts need not include the
// header that runs them.
#ifndef BRASK_CARRIERKIT_CONFORMANCE_TYPES_H
#define BRASK_CARRIERKIT_CONFORMANCE_TYPES_H

#include <stdint.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

// A carrier as the editor reaches it: its generic-message callback.
class CarrierEndpoint {
public:
    virtual ~CarrierEndpoint() = default;
    virtual int32_t Receive(uint32_t messageId, uint32_t parameter, void* context) = 0;
};

// The simulation a carrier is made for: its own name, and the name of every
// vessel in it, its own included. Any of the others may be attached.
struct CarrierWorld {
    std::string carrierName;
    std::vector<std::string> vessels;
};

// Makes a fresh carrier that holds nothing. Destroying it ends whatever
// attachments it still holds, so it releases their records then.
using CarrierFactory = std::function<std::unique_ptr<CarrierEndpoint>(const CarrierWorld&)>;

struct ConformanceFinding {
    std::string check;    // the promise it breaks, e.g. "promise 4", or "record ownership"
    std::string message;  // what the carrier did, and what the editor then does wrong
    // The shortest sequence found that shows it, message by message with the
    // answers and what was expected, and the promise in full; indented lines.
    std::vector<std::string> details;
};

// How long the exploration runs, and which random sequences it sends.
struct ExploreOptions {
    // The whole check's time: every sequence of up to three messages is sent
    // whatever it costs, and random ones fill what is left. Nine seconds, so
    // that a run of carrier_check.exe, Wine's start included, stays within ten.
    double budgetSeconds = 9.0;
    uint64_t seed = 1;
    // When not negative: exactly this many random sequences, whatever the
    // time, so that a run can be repeated to the sequence.
    int64_t randomSequences = -1;
};

// What an exploration sent.
struct ExploreStats {
    uint64_t exhaustive = 0;  // sequences of up to three messages
    uint64_t scripted = 0;    // the fixed, longer ones
    uint64_t random = 0;
    uint64_t shrinking = 0;   // runs that cut failing sequences short
    uint64_t seed = 0;
    double seconds = 0.0;
};

#endif
