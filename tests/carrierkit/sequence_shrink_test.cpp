// The exploration's plain parts: the sequences it sends, how a failing one is
// cut down, and how it is shown.
#include <algorithm>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "carrierkit/exploration_plan.h"
#include "carrierkit/sequence_report.h"
#include "carrierkit/sequence_shrink.h"

namespace {

using namespace promise;

Message M(Kind kind, uint8_t name, uint8_t set = kSetA) {
    Message m;
    m.kind = kind;
    m.name = name;
    m.set = set;
    return m;
}

// A stand-in carrier: breaks "K" at a PLMSG_GET_PARAMS for Probe once Probe
// is the only payload held and has had `updates` parameter sets; a detach of
// a payload it does not hold breaks "stray" instead.
struct Fake {
    size_t updates = 0;
    size_t runs = 0;
    Outcome operator()(const Sequence& s) {
        ++runs;
        Outcome out;
        std::vector<uint8_t> held;
        size_t sets = 0;
        for (size_t i = 0; i < s.size() && out.failedAt == Outcome::kPassed; ++i) {
            const Message& m = s[i];
            auto it = std::find(held.begin(), held.end(), m.name);
            out.observed.push_back(Observation());
            if (m.kind == Kind::Attach && it == held.end()) held.push_back(m.name);
            if (m.kind == Kind::SetParams && m.name == kProbe) ++sets;
            if (m.kind == Kind::Detach) {
                if (it == held.end()) {
                    out.failedAt = i;
                    out.breaches.push_back(Breach{"stray", 4, "stray"});
                } else {
                    held.erase(it);
                }
            }
            if (m.kind == Kind::GetParams && m.name == kProbe && sets >= updates &&
                held == std::vector<uint8_t>{kProbe}) {
                out.failedAt = i;
                out.breaches.push_back(Breach{"K", 6, "K"});
            }
        }
        return out;
    }
};

TEST(Shrink, LeavesOutEveryMessageTheFaultDoesNotNeed) {
    Fake fake{4};
    const Sequence noisy = {
        M(Kind::IsCarrier, kHauler),   M(Kind::Attach, kProbe),       M(Kind::SetParams, kProbe),
        M(Kind::IsAttached, kRover),   M(Kind::SetParams, kProbe),    M(Kind::GetParams, kRover),
        M(Kind::SetParams, kProbe),    M(Kind::SetForces, kProbe),    M(Kind::SetParams, kProbe),
        M(Kind::SetParams, kProbe),    M(Kind::GetParams, kProbe),    M(Kind::IsAttached, kProbe)};
    const Sequence shortest = Shrink(noisy, "K", std::ref(fake));
    EXPECT_EQ(shortest.size(), 6u);  // the attach, four updates, the query
    EXPECT_TRUE(fake(shortest).Breaks("K"));
    EXPECT_EQ(shortest.back().kind, Kind::GetParams);
}

TEST(Shrink, LeavesOutTwoMessagesThatOnlyMatterTogether) {
    Fake fake{0};
    // Neither the attach nor the detach of Rover can go alone: without the
    // detach Rover is still held, without the attach the detach is stray.
    const Sequence s = {M(Kind::Attach, kProbe), M(Kind::Attach, kRover), M(Kind::Detach, kRover),
                        M(Kind::GetParams, kProbe)};
    EXPECT_EQ(Shrink(s, "K", std::ref(fake)),
              (Sequence{M(Kind::Attach, kProbe), M(Kind::GetParams, kProbe)}));
}

TEST(Shrink, StopsAfterItsRuns) {
    Fake fake{4};
    Sequence s(40, M(Kind::SetParams, kProbe));
    s.insert(s.begin(), M(Kind::Attach, kProbe));
    s.push_back(M(Kind::GetParams, kProbe));
    Shrink(s, "K", std::ref(fake), 10);
    EXPECT_EQ(fake.runs, 10u);
}

TEST(Plan, SendsTheSameRandomSequencesForTheSameSeed) {
    for (uint64_t i = 0; i < 200; ++i) {
        const Sequence s = RandomSequence(7, i);
        EXPECT_EQ(s, RandomSequence(7, i));
        EXPECT_GE(s.size(), kRandomMin);
        EXPECT_LE(s.size(), kRandomMax);
        for (const Message& m : s) EXPECT_LT(m.name, kCastNames);
    }
    EXPECT_NE(RandomSequence(7, 0), RandomSequence(8, 0));
    EXPECT_NE(RandomSequence(7, 0), RandomSequence(7, 1));
}

TEST(Plan, CombinesEveryKindOfMessageOverTheFiveNames) {
    const std::vector<Message> letters = ExhaustiveAlphabet();
    // Attach, detach, set params and set forces twice each over five names,
    // get params and is attached once, and the carrier question.
    EXPECT_EQ(letters.size(), 4u * 2 * 5 + 2 * 5 + 1);
    EXPECT_EQ(letters.front(), M(Kind::Attach, kProbe, kSetA));
}

TEST(Plan, PassesOverEverySequenceThatSharesAFailingStart) {
    std::vector<size_t> digits = {1, 2, 2};
    ASSERT_TRUE(NextSequence(&digits, 3, 0));  // the first message failed
    EXPECT_EQ(digits, (std::vector<size_t>{2, 0, 0}));
    ASSERT_TRUE(NextSequence(&digits, 3, 2));
    EXPECT_EQ(digits, (std::vector<size_t>{2, 0, 1}));
    digits = {2, 2, 2};
    EXPECT_FALSE(NextSequence(&digits, 3, 2));
}

TEST(Report, ShowsEachMessageWithItsAnswerAndMarksTheOneThatBroke) {
    const Sequence s = {M(Kind::Attach, kProbe, kSetB), M(Kind::GetParams, kProbe)};
    Outcome out;
    out.failedAt = 1;
    out.observed.resize(2);
    out.observed[0].answer = 1;
    out.observed[1] = Observation{1, true, ExplorationCast().sets[kSetA], 0, 0};
    const Breach b{"get/values/attached", 6, "wrong"};
    const std::vector<std::string> lines = DescribeSequence(ExplorationCast(), s, out, b);
    ASSERT_GE(lines.size(), 5u);
    EXPECT_EQ(lines[0], "    sent to a fresh carrier (2 messages):");
    EXPECT_EQ(lines[1], "    1. PLMSG_ATTACH \"Probe\" with set B -> 1; expected 1");
    EXPECT_EQ(lines[2],
              "    2. PLMSG_GET_PARAMS \"Probe\" -> 1, set A, addForces 0; expected non-zero, "
              "set B, addForces 0   <- breaks promise 6");
    EXPECT_EQ(lines[3].compare(0, 15, "    promise 6: "), 0);
    EXPECT_EQ(lines.back().compare(0, 30, "    set B: position (-10, 20, "), 0);
}

}  // namespace
