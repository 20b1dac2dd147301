#include "carrierkit/carrier_conformance.h"

#include <algorithm>
#include <utility>

#include "carrierkit/carrier_explorer.h"
#include "carrierkit/conformance_session.h"
#include "carrierkit/exploration_plan.h"
#include "carrierkit/record_ledger.h"
#include "carrierkit/sequence_runner.h"

namespace {

ConformanceFinding CannotWatch() {
    return ConformanceFinding{
        "setup",
        "cannot watch the carrier module's releases: it imports no HeapFree, or another "
        "check is running; a carrier must be able to release the records it is handed",
        {}};
}

// A vessel that is no carrier denies being one and holding anything.
void CheckNotACarrier(ConformanceSession& s) {
    const int32_t carrier = s.IsCarrier();
    if (carrier != 0) {
        s.Fail("no-carrier/is-carrier",
               "PLMSG_IS_CARRIER answered " + std::to_string(carrier) +
                   " from a vessel that is no carrier: the editor would list it as one",
               1);
    }
    for (const std::string& name : s.World().vessels) {
        const int32_t answer = s.IsAttached(name);
        if (answer == 0) continue;
        s.Fail("no-carrier/is-attached",
               "PLMSG_IS_ATTACHED for " + Quoted(name) + " answered " + std::to_string(answer) +
                   " from a vessel that is no carrier: the editor would label it as held by "
                   "this carrier",
               2);
    }
}

}  // namespace

CarrierWorld ConformanceWorld() { return WorldOf(promise::ExplorationCast()); }

std::vector<ConformanceFinding> CheckCarrier(const CarrierFactory& make, HMODULE carrierModule,
                                             const ExploreOptions& options, ExploreStats* stats) {
    // The ledger outlives every carrier: it frees the blocks they were handed.
    RecordLedger ledger(carrierModule);
    if (!ledger.Watching()) return {CannotWatch()};
    SequenceRunner runner(make, promise::ExplorationCast(), &ledger);
    return ExploreCarrier(runner, options, stats);
}

std::vector<ConformanceFinding> CheckNonCarrier(const CarrierFactory& make, HMODULE carrierModule) {
    RecordLedger ledger(carrierModule);
    if (!ledger.Watching()) return {CannotWatch()};
    const CarrierWorld world = ConformanceWorld();
    std::vector<promise::Breach> breaches;
    {
        ConformanceSession session(make, world, &ledger);
        if (session.Ready()) CheckNotACarrier(session);
        session.End();
        session.TakeBreaches(&breaches);
    }
    std::vector<ConformanceFinding> findings;
    for (const promise::Breach& b : breaches) {
        findings.push_back(ConformanceFinding{
            b.key.compare(0, 6, "setup/") == 0 ? "setup" : "no carrier", b.text, {}});
    }
    return findings;
}

std::string FormatFindings(const std::vector<ConformanceFinding>& findings) {
    // One fault may break more than one promise: each message once, after
    // the names of all the promises it breaks, then the first sequence.
    struct Group {
        const ConformanceFinding* first;
        std::vector<std::string> checks;
    };
    std::vector<Group> grouped;
    for (const ConformanceFinding& f : findings) {
        auto it = std::find_if(grouped.begin(), grouped.end(),
                               [&f](const Group& g) { return g.first->message == f.message; });
        if (it == grouped.end()) it = grouped.insert(grouped.end(), Group{&f, {}});
        if (std::find(it->checks.begin(), it->checks.end(), f.check) == it->checks.end()) {
            it->checks.push_back(f.check);
        }
    }
    std::string text;
    for (const Group& g : grouped) {
        text += "[";
        for (size_t i = 0; i < g.checks.size(); ++i) text += (i > 0 ? ", " : "") + g.checks[i];
        text += "] " + g.first->message + "\n";
        for (const std::string& line : g.first->details) text += line + "\n";
    }
    return text;
}

std::string FormatExploreStats(const ExploreStats& stats) { return FormatStats(stats); }
