#include "carrierkit/carrier_conformance.h"

#include <algorithm>
#include <utility>

#include "carrierkit/conformance_checks.h"
#include "carrierkit/conformance_expect.h"
#include "carrierkit/conformance_session.h"
#include "carrierkit/record_ledger.h"

namespace {

struct Check {
    const char* name;
    void (*run)(ConformanceSession&);
};

const Check kCarrierChecks[] = {
    {"a fresh carrier", conformance::CheckFreshCarrier},
    {"attach", conformance::CheckAttach},
    {"names of 255 characters", conformance::CheckLongNames},
    {"refused attach", conformance::CheckRefusedAttach},
    {"detach", conformance::CheckDetach},
    {"set params", conformance::CheckSetParams},
    {"forces", conformance::CheckForces},
};

const Check kNonCarrierChecks[] = {
    {"no carrier", conformance::CheckNotACarrier},
};

template <size_t N>
std::vector<ConformanceFinding> Run(const Check (&checks)[N], const CarrierFactory& make,
                                    HMODULE carrierModule) {
    std::vector<ConformanceFinding> findings;
    // The ledger outlives every carrier: it frees the blocks they were handed.
    RecordLedger ledger(carrierModule);
    if (!ledger.Watching()) {
        findings.push_back(ConformanceFinding{
            "setup",
            "cannot watch the carrier module's releases: it imports no HeapFree, or another "
            "check is running; a carrier must be able to release the records it is handed"});
        return findings;
    }
    const CarrierWorld world = ConformanceWorld();
    for (const Check& check : checks) {
        ConformanceSession session(check.name, make, world, &ledger, &findings);
        if (session.Ready()) check.run(session);
    }
    return findings;
}

}  // namespace

CarrierWorld ConformanceWorld() {
    using namespace conformance;
    return CarrierWorld{kCarrier,
                        {kCarrier, kProbe, kRover, kProbeUpper, kProbeSuffix, LongName()}};
}

std::vector<ConformanceFinding> CheckCarrier(const CarrierFactory& make, HMODULE carrierModule) {
    return Run(kCarrierChecks, make, carrierModule);
}

std::vector<ConformanceFinding> CheckNonCarrier(const CarrierFactory& make, HMODULE carrierModule) {
    return Run(kNonCarrierChecks, make, carrierModule);
}

std::string FormatFindings(const std::vector<ConformanceFinding>& findings) {
    // One fault tends to show in many checks: each message once, after the
    // names of all the checks that found it.
    std::vector<std::pair<std::string, std::vector<std::string>>> grouped;
    for (const ConformanceFinding& f : findings) {
        auto it = std::find_if(grouped.begin(), grouped.end(),
                               [&f](const auto& g) { return g.first == f.message; });
        if (it == grouped.end()) it = grouped.insert(grouped.end(), {f.message, {}});
        if (std::find(it->second.begin(), it->second.end(), f.check) == it->second.end()) {
            it->second.push_back(f.check);
        }
    }
    std::string text;
    for (const auto& g : grouped) {
        text += "[";
        for (size_t i = 0; i < g.second.size(); ++i) text += (i > 0 ? ", " : "") + g.second[i];
        text += "] " + g.first + "\n";
    }
    return text;
}
