// The conformance check in-process: against vessels of the stand-in host that
// break a promise, against a module it cannot watch, and how it prints. The
// carriers with one flaw each are DLLs, checked by carrier_check.exe in check/.
#include <windows.h>

#include <algorithm>
#include <memory>
#include <string>

#include <gtest/gtest.h>

#include "carrierkit/carrier_conformance.h"
#include "tests/carrierkit/carrier_endpoints.h"

namespace {

bool Found(const std::vector<ConformanceFinding>& findings, const std::string& check,
           const std::string& piece) {
    return std::any_of(findings.begin(), findings.end(), [&](const ConformanceFinding& f) {
        return f.check == check && f.message.find(piece) != std::string::npos;
    });
}

ExploreOptions NoRandomSequences() {
    ExploreOptions options;
    options.randomSequences = 0;
    return options;
}

TEST(ConformanceCheck, CatchesTheHostsFixedAttachAnswerWithItsShortestSequence) {
    // The stand-in host can answer 1 to every attach without holding anything,
    // to see the editor's side; as a carrier that is a broken promise.
    const std::vector<ConformanceFinding> findings = CheckCarrier(
        [](const CarrierWorld& w) {
            return std::make_unique<SceneEndpoint>(
                w, [](VesselDescription* v) { v->attachAnswer = 1; });
        },
        nullptr, NoRandomSequences());
    const auto it = std::find_if(findings.begin(), findings.end(), [](const ConformanceFinding& f) {
        return f.message.find("PLMSG_IS_ATTACHED for \"Probe\" answered 0 after it was "
                              "attached") != std::string::npos;
    });
    ASSERT_NE(it, findings.end()) << FormatFindings(findings);
    EXPECT_EQ(it->check, "promise 2");
    ASSERT_GE(it->details.size(), 3u);
    EXPECT_EQ(it->details[0], "    sent to a fresh carrier (2 messages):");
    EXPECT_EQ(it->details[2],
              "    2. PLMSG_IS_ATTACHED \"Probe\" -> 0; expected non-zero   <- breaks promise 2");
}

TEST(ConformanceCheck, TellsAVesselThatClaimsEverythingItIsNoCarrier) {
    struct Greedy : CarrierEndpoint {
        int32_t Receive(uint32_t, uint32_t, void*) override { return 1; }
    };
    const std::vector<ConformanceFinding> findings =
        CheckNonCarrier([](const CarrierWorld&) { return std::make_unique<Greedy>(); });
    EXPECT_TRUE(Found(findings, "no carrier",
                      "PLMSG_IS_CARRIER answered 1 from a vessel that is no carrier"))
        << FormatFindings(findings);
    EXPECT_TRUE(Found(findings, "no carrier", "PLMSG_IS_ATTACHED for \"Rover\" answered 1"));
}

TEST(ConformanceCheck, DrivesNoCarrierWhoseReleasesItCannotWatch) {
    // The system's own DLL imports no HeapFree: a release from there would
    // go unseen, so nothing is handed over at all.
    bool made = false;
    const std::vector<ConformanceFinding> findings = CheckCarrier(
        [&](const CarrierWorld& w) {
            made = true;
            return std::make_unique<ReferenceEndpoint>(w);
        },
        GetModuleHandleA("ntdll.dll"));
    ASSERT_EQ(findings.size(), 1u);
    EXPECT_EQ(findings[0].check, "setup");
    EXPECT_FALSE(made);
}

TEST(ConformanceCheck, ReportsAFactoryThatMakesNothing) {
    const std::vector<ConformanceFinding> findings = CheckCarrier(
        [](const CarrierWorld&) { return std::unique_ptr<CarrierEndpoint>(); }, nullptr,
        NoRandomSequences());
    ASSERT_FALSE(findings.empty());
    EXPECT_EQ(findings[0].message,
              "no carrier to check: the factory (CarrierCreate, in a DLL) returned null");
}

TEST(ConformanceCheck, PrintsEachMessageOnceAfterThePromisesItBreaksThenItsSequence) {
    const std::vector<ConformanceFinding> findings = {{"promise 3", "same", {"    1. first"}},
                                                      {"promise 4", "other", {}},
                                                      {"promise 4", "same", {"    1. second"}},
                                                      {"promise 3", "same", {}}};
    EXPECT_EQ(FormatFindings(findings),
              "[promise 3, promise 4] same\n    1. first\n[promise 4] other\n");
}

}  // namespace
