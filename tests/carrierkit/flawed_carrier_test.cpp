// The conformance check against carriers that break one promise each: every
// one fails it, with a finding that names what it did, and none of their
// bad releases reaches the heap.
#include <windows.h>

#include <algorithm>
#include <memory>
#include <ostream>
#include <string>

#include <gtest/gtest.h>

#include "carrierkit/carrier_conformance.h"
#include "tests/carrierkit/carrier_endpoints.h"
#include "tests/carrierkit/flawed_carrier.h"

namespace {

struct FlawCase {
    Flaw flaw;
    const char* name;
    const char* check;    // a check that must find it
    const char* finding;  // a piece of that finding's message
};

bool Found(const std::vector<ConformanceFinding>& findings, const std::string& check,
           const std::string& piece) {
    return std::any_of(findings.begin(), findings.end(), [&](const ConformanceFinding& f) {
        return f.check == check && f.message.find(piece) != std::string::npos;
    });
}

void PrintTo(const FlawCase& c, std::ostream* out) { *out << c.name; }

class FlawedCarriers : public testing::TestWithParam<FlawCase> {};

TEST_P(FlawedCarriers, FailWithAFindingThatNamesTheFault) {
    PayloadRecord slot;  // where StackRecord answers from: this frame, alive throughout
    const Flaw flaw = GetParam().flaw;
#if defined(_MSC_VER)
    // The runtime is linked in statically: its free is no import to watch, and
    // it gives blocks back to the process heap through HeapFree anyway.
    if (flaw == Flaw::ReleasesWithFree) GTEST_SKIP() << "free is not imported";
#endif
    const std::vector<ConformanceFinding> findings = CheckCarrier(
        [&](const CarrierWorld& w) { return std::make_unique<FlawedCarrier>(w, flaw, &slot); });
    EXPECT_TRUE(Found(findings, GetParam().check, GetParam().finding)) << FormatFindings(findings);
    // Double and foreign releases were counted, not done.
    EXPECT_TRUE(HeapValidate(GetProcessHeap(), 0, nullptr));
}

INSTANTIATE_TEST_SUITE_P(
    Flaws, FlawedCarriers,
    testing::Values(
        FlawCase{Flaw::KeepsNoRecord, "KeepsNoRecord", "attach",
                 "answered 1 to PLMSG_ATTACH of \"Probe\" but released the record "
                 "during the call"},
        FlawCase{Flaw::AnswersTwoForYes, "AnswersTwoForYes", "attach",
                 "PLMSG_ATTACH of \"Probe\" answered 2: a carrier attaches any other "
                 "vessel it does not hold yet, and only an answer of exactly 1"},
        FlawCase{Flaw::FreesRefusedTwice, "FreesRefusedTwice", "refused attach",
                 "released the PLMSG_ATTACH record of \"Nobody\" 2 times"},
        FlawCase{Flaw::NeverFreesRefused, "NeverFreesRefused", "refused attach",
                 "refused PLMSG_ATTACH of \"Nobody\" and kept the record"},
        FlawCase{Flaw::KeepsDetachedRecord, "KeepsDetachedRecord", "detach",
                 "answered 1 to PLMSG_DETACH of \"Probe\" but did not release its "
                 "attach record"},
        FlawCase{Flaw::ReleasesWithFree, "ReleasesWithFree", "refused attach",
                 "with the C runtime's free or delete during PLMSG_ATTACH of \"Nobody\""},
        FlawCase{Flaw::ForgetsForces, "ForgetsForces", "forces",
                 "PLMSG_GET_PARAMS for \"Probe\" reports addForces = 0 after "
                 "PLMSG_SET_FORCES switched them on"},
        FlawCase{Flaw::StackRecord, "StackRecord", "attach",
                 "answered 1 to PLMSG_GET_PARAMS for \"Probe\" but pointed the "
                 "query's record into the stack"},
        FlawCase{Flaw::FreesLentRecord, "FreesLentRecord", "set params",
                 "released the PLMSG_SET_PARAMS record of \"Probe\", which it was only lent"},
        FlawCase{Flaw::KeepsLentRecord, "KeepsLentRecord", "set params",
                 "PLMSG_GET_PARAMS for \"Probe\" reports position.x from a block "
                 "that was freed after its call"},
        FlawCase{Flaw::MatchesPrefix, "MatchesPrefix", "attach",
                 "PLMSG_IS_ATTACHED for \"Probe 2\" answered 1 while only \"Probe\" is "
                 "attached"},
        FlawCase{Flaw::ComparesWholeBuffers, "ComparesWholeBuffers", "attach",
                 "PLMSG_IS_ATTACHED for \"Probe\" answered 0 after it was attached"},
        FlawCase{Flaw::ReportsDegrees, "ReportsDegrees", "attach",
                 "PLMSG_GET_PARAMS for \"Probe\" reports shipRotation.x = 5.72958, not "
                 "0.1 as attached (angles travel in radians)"},
        FlawCase{Flaw::WritesNameText, "WritesNameText", "detach",
                 "wrote into the name text \"Probe\" of PLMSG_DETACH"},
        FlawCase{Flaw::LeaksOnDestruction, "LeaksOnDestruction", "attach",
                 "never released the PLMSG_ATTACH record of \"Probe\": it was still "
                 "attached when the carrier was destroyed"}),
    [](const testing::TestParamInfo<FlawCase>& info) { return std::string(info.param.name); });

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
    EXPECT_EQ(findings[0].message, "the factory made no carrier");
}

TEST(ConformanceCheck, PrintsEachMessageOnceAfterTheChecksThatFoundIt) {
    const std::vector<ConformanceFinding> findings = {
        {"attach", "same"}, {"detach", "other"}, {"detach", "same"}, {"attach", "same"}};
    EXPECT_EQ(FormatFindings(findings), "[attach, detach] same\n[detach] other\n");
}

}  // namespace
