// The carrier conformance check: sends a carrier sequences of the seven
// payload messages the way the payload editor sends them, judges every answer
// against a model of the promises and every block against the ownership
// rules, and lists each promise it breaks with the shortest sequence found
// that shows it. Each sequence goes to a fresh carrier made by the caller's
// factory and ends by destroying it (see carrier_explorer.h for what is sent).
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
//
// The default explores for nine seconds; a test may give ExploreOptions with a
// count of random sequences instead, which repeats exactly.
#ifndef BRASK_CARRIERKIT_CARRIER_CONFORMANCE_H
#define BRASK_CARRIERKIT_CARRIER_CONFORMANCE_H

#include <windows.h>

#include <string>
#include <vector>

#include "carrierkit/conformance_types.h"

// Every finding for the carrier the factory makes; empty when it keeps every
// promise. `carrierModule` is the module whose releases are watched: null
// for the program's executable, else the carrier's DLL. *stats (when given)
// says how many sequences were sent, and in what time.
std::vector<ConformanceFinding> CheckCarrier(const CarrierFactory& make,
                                             HMODULE carrierModule = nullptr,
                                             const ExploreOptions& options = ExploreOptions(),
                                             ExploreStats* stats = nullptr);

// The same for a vessel that is no carrier but takes messages: it must deny
// being a carrier and holding anything.
std::vector<ConformanceFinding> CheckNonCarrier(const CarrierFactory& make,
                                                HMODULE carrierModule = nullptr);

// The world every carrier is made for: the carrier, its payloads, and names
// that differ from theirs only in case, by a suffix, or by being 255
// characters long.
CarrierWorld ConformanceWorld();

// The findings for people: each message once, on a line of its own, after
// the promises it breaks, "[promise 4] message", then its sequence.
std::string FormatFindings(const std::vector<ConformanceFinding>& findings);

// What was explored, for people: "explored 132,651 sequences ... in 9.8 s".
std::string FormatExploreStats(const ExploreStats& stats);

#endif
