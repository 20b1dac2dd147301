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

TEST(ConformanceCheck, CatchesTheHostsFixedAttachAnswer) {
    // The stand-in host can answer 1 to every attach without holding anything,
    // to see the editor's side; as a carrier that is a broken promise.
    const std::vector<ConformanceFinding> findings = CheckCarrier([](const CarrierWorld& w) {
        return std::make_unique<SceneEndpoint>(w,
                                               [](VesselDescription* v) { v->attachAnswer = 1; });
    });
    EXPECT_TRUE(Found(findings, "attach",
                      "PLMSG_IS_ATTACHED for \"Probe\" answered 0 after it was attached"))
        << FormatFindings(findings);
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
    const std::vector<ConformanceFinding> findings =
        CheckCarrier([](const CarrierWorld&) { return std::unique_ptr<CarrierEndpoint>(); });
    ASSERT_FALSE(findings.empty());
    EXPECT_EQ(findings[0].message,
              "no carrier to check: the factory (CarrierCreate, in a DLL) returned null");
}

TEST(ConformanceCheck, PrintsEachMessageOnceAfterTheChecksThatFoundIt) {
    const std::vector<ConformanceFinding> findings = {
        {"attach", "same"}, {"detach", "other"}, {"detach", "same"}, {"attach", "same"}};
    EXPECT_EQ(FormatFindings(findings), "[attach, detach] same\n[detach] other\n");
}

}  // namespace
