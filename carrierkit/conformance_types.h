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
    std::string check;    // the check that found it, e.g. "detach"
    std::string message;  // what the carrier did, and what the editor then does wrong
};

#endif
