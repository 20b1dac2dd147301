// The carrier conformance check: drives a carrier through the seven payload
// messages the way the payload editor sends them, and lists every promise it
// breaks, record ownership included. Each check starts from a fresh carrier
// made by the caller's factory and ends by destroying it.
//
// Ownership is watched, not trusted: every record, query and name text the
// check hands over is a process-heap block in the check's books, and the
// carrier module's HeapFree and free imports are redirected while the check
// runs (see record_ledger.h). So the carrier's code must live in the module
// named to CheckCarrier and release records from there.
//
// Running it against one's own carrier, in a test of the carrier's module:
//
//     class MyEndpoint : public CarrierEndpoint {
//     public:
//         explicit MyEndpoint(const CarrierWorld& world) : vessel_(world) {}
//         int32_t Receive(uint32_t id, uint32_t prm, void* ctx) override {
//             return vessel_.ReceiveMessage(id, prm, ctx);
//         }
//     private:
//         MyVessel vessel_;
//     };
//     std::vector<ConformanceFinding> f = CheckCarrier(
//         [](const CarrierWorld& w) { return std::make_unique<MyEndpoint>(w); });
//     // f is empty for a carrier that keeps every promise; else FormatFindings(f).
#ifndef BRASK_CARRIERKIT_CARRIER_CONFORMANCE_H
#define BRASK_CARRIERKIT_CARRIER_CONFORMANCE_H

#include <windows.h>

#include <string>
#include <vector>

#include "carrierkit/conformance_types.h"

// Every finding for the carrier the factory makes; empty when it keeps every
// promise. `carrierModule` is the module whose releases are watched: null
// for the program's executable, else the carrier's DLL.
std::vector<ConformanceFinding> CheckCarrier(const CarrierFactory& make,
                                             HMODULE carrierModule = nullptr);

// The same for a vessel that is no carrier but takes messages: it must deny
// being a carrier and holding anything.
std::vector<ConformanceFinding> CheckNonCarrier(const CarrierFactory& make,
                                                HMODULE carrierModule = nullptr);

// The world every check uses: the carrier, its payloads, and names that
// differ from theirs only in case, by a suffix, or by being 255 characters long.
CarrierWorld ConformanceWorld();

// The findings for people: each message once, on a line of its own, after
// the checks that found it: "[attach, detach] message".
std::string FormatFindings(const std::vector<ConformanceFinding>& findings);

#endif
