// The conformance check over the carriers this project links in: each keeps
// every promise the payload editor relies on, and so does every vessel that is
// no carrier, by denying it. (The carriers in DLLs are checked by
// carrier_check.exe, in check/.)
#include <memory>
#include <ostream>

#include <gtest/gtest.h>

#include "carrierkit/carrier_conformance.h"
#include "tests/carrierkit/carrier_endpoints.h"

namespace {

struct Implementation {
    const char* name;
    CarrierFactory make;
};

void PrintTo(const Implementation& implementation, std::ostream* out) {
    *out << implementation.name;
}

std::string NameOf(const testing::TestParamInfo<Implementation>& info) { return info.param.name; }

class CarrierConformance : public testing::TestWithParam<Implementation> {};

TEST_P(CarrierConformance, KeepsEveryPromiseTheEditorReliesOn) {
    ExploreOptions options;
    options.randomSequences = 2000;
    ExploreStats stats;
    const std::vector<ConformanceFinding> findings =
        CheckCarrier(GetParam().make, nullptr, options, &stats);
    EXPECT_TRUE(findings.empty()) << FormatFindings(findings);
    EXPECT_EQ(stats.exhaustive, 51u * 51u * 51u);
    EXPECT_EQ(stats.random, 2000u);
}

INSTANTIATE_TEST_SUITE_P(
    Carriers, CarrierConformance,
    testing::Values(Implementation{"ReferenceCarrier",
                                   [](const CarrierWorld& w) {
                                       return std::make_unique<ReferenceEndpoint>(w);
                                   }},
                    Implementation{
                        "SceneVessel",
                        [](const CarrierWorld& w) { return std::make_unique<SceneEndpoint>(w); }}),
    NameOf);

class NonCarrierConformance : public testing::TestWithParam<Implementation> {};

TEST_P(NonCarrierConformance, DeniesBeingACarrierAndHoldingAnything) {
    const std::vector<ConformanceFinding> findings = CheckNonCarrier(GetParam().make);
    EXPECT_TRUE(findings.empty()) << FormatFindings(findings);
}

INSTANTIATE_TEST_SUITE_P(Vessels, NonCarrierConformance,
                         testing::Values(Implementation{"SceneVessel",
                                                        [](const CarrierWorld& w) {
                                                            return std::make_unique<SceneEndpoint>(
                                                                w, [](VesselDescription* v) {
                                                                    v->carrier = false;
                                                                });
                                                        }}),
                         NameOf);

}  // namespace
