// The promise model on its own: which answers it takes as choices left to a
// carrier, which it finds broken, and how it tells a carrier author why.
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "carrierkit/exploration_plan.h"
#include "carrierkit/promise_model.h"

namespace {

using namespace promise;

Observation Answer(int32_t answer) {
    Observation o;
    o.answer = answer;
    return o;
}

Observation Record(uint8_t set, int32_t forces) {
    Observation o;
    o.answer = 1;
    o.recordRead = true;
    o.got = ExplorationCast().sets[set];
    o.addForces = forces;
    return o;
}

class Model_ : public testing::Test {
protected:
    // Sends one message with its answer; the keys of what it broke.
    std::vector<std::string> Send(const Message& m, const Observation& o) {
        std::vector<Breach> breaches;
        model_.Step(m, o, &breaches);
        std::vector<std::string> keys;
        for (const Breach& b : breaches) {
            keys.push_back(b.key);
            last_ = b;
        }
        return keys;
    }
    using Keys = std::vector<std::string>;

    Model model_{ExplorationCast()};
    Breach last_;
};

TEST_F(Model_, TakesEveryChoiceLeftToTheCarrier) {
    EXPECT_EQ(Send(Msg(Kind::Attach, kProbe, kSetA), Answer(1)), Keys());
    // Taking a held payload again replaces its values; refusing keeps them.
    EXPECT_EQ(Send(Msg(Kind::Attach, kProbe, kSetB), Answer(1)), Keys());
    EXPECT_EQ(Send(Msg(Kind::GetParams, kProbe), Record(kSetB, 0)), Keys());
    EXPECT_EQ(Send(Msg(Kind::Attach, kProbe, kSetA), Answer(0)), Keys());
    EXPECT_EQ(Send(Msg(Kind::GetParams, kProbe), Record(kSetB, 0)), Keys());
    // No vessel's name: taken or refused, as long as what it holds agrees.
    EXPECT_EQ(Send(Msg(Kind::Attach, kNobody), Answer(1)), Keys());
    EXPECT_EQ(Send(Msg(Kind::IsAttached, kNobody), Answer(1)), Keys());
    // Forces on, then a parameter update whose record says 0: either reading holds...
    EXPECT_EQ(Send(Msg(Kind::SetForces, kProbe, kSetA, true), Answer(0)), Keys());
    EXPECT_EQ(Send(Msg(Kind::SetParams, kProbe, kSetA), Answer(0)), Keys());
    EXPECT_EQ(Send(Msg(Kind::GetParams, kProbe), Record(kSetA, 1)), Keys());
    // ...but once it showed which, it keeps to it.
    EXPECT_EQ(Send(Msg(Kind::GetParams, kProbe), Record(kSetA, 0)), Keys{"get/forces/reported"});
}

TEST_F(Model_, RefusesItsOwnNameAndTakesEveryOtherVessel) {
    EXPECT_EQ(Send(Msg(Kind::Attach, kHauler), Answer(1)), Keys{"attach/own"});
    EXPECT_EQ(Send(Msg(Kind::Attach, kRover), Answer(2)), Keys{"attach/vessel-refused"});
    EXPECT_NE(last_.text.find("PLMSG_ATTACH of \"Rover\" answered 2"), std::string::npos);
    // A refusal leaves the name free, whatever the carrier then claims.
    EXPECT_EQ(Send(Msg(Kind::IsAttached, kRover), Answer(1)), Keys{"attach/refused-but-held"});
    EXPECT_EQ(Send(Msg(Kind::IsCarrier, kHauler), Answer(0)), Keys{"is-carrier"});
}

TEST_F(Model_, ADetachAnsweredOneLeavesNothingHeld) {
    Send(Msg(Kind::Attach, kProbe), Answer(1));
    EXPECT_EQ(Send(Msg(Kind::Detach, kProbe, kSetA, true), Answer(1)), Keys());
    EXPECT_EQ(Send(Msg(Kind::IsAttached, kProbe), Answer(1)), Keys{"is-attached/detached"});
    EXPECT_NE(last_.text.find("after it was detached with the jettison velocity"),
              std::string::npos);
    EXPECT_EQ(Send(Msg(Kind::GetParams, kProbe), Record(kSetA, 0)), Keys{"get/unheld/detached"});
    EXPECT_EQ(Send(Msg(Kind::Detach, kProbe), Answer(1)), Keys{"detach/unheld"});
    EXPECT_NE(last_.text.find("answered 1 a second time"), std::string::npos);
    Send(Msg(Kind::Attach, kRover), Answer(1));
    EXPECT_EQ(Send(Msg(Kind::Detach, kRover), Answer(0)), Keys{"detach/held"});
}

TEST_F(Model_, ForcesStartOffAtEveryAttach) {
    Send(Msg(Kind::Attach, kProbe), Answer(1));
    Send(Msg(Kind::SetForces, kProbe, kSetA, true), Answer(1));
    EXPECT_EQ(Send(Msg(Kind::GetParams, kProbe), Record(kSetA, 1)), Keys());
    Send(Msg(Kind::Detach, kProbe), Answer(1));
    Send(Msg(Kind::Attach, kProbe, kSetB), Answer(1));
    EXPECT_EQ(Send(Msg(Kind::GetParams, kProbe), Record(kSetB, 1)), Keys{"get/forces/start-off"});
    EXPECT_NE(last_.text.find("reports addForces = 1 after attaching with forces off"),
              std::string::npos);
}

TEST_F(Model_, NamesWhatHappenedSinceAPayloadsValuesWereSet) {
    Send(Msg(Kind::Attach, kProbe, kSetA), Answer(1));
    Send(Msg(Kind::Attach, kRover, kSetB), Answer(1));
    Send(Msg(Kind::Detach, kProbe), Answer(1));
    Observation moved = Record(kSetB, 0);
    moved.got.field[0] = 0.0;
    EXPECT_EQ(Send(Msg(Kind::GetParams, kRover), moved), Keys{"get/values/attached"});
    EXPECT_NE(last_.text.find("reports position.x = 0, not -10 as attached, before \"Probe\" "
                              "was detached"),
              std::string::npos);
    EXPECT_EQ(last_.promise, 4);
}

TEST_F(Model_, TellsAnglesInDegreesAndRecordsInFreedMemory) {
    Send(Msg(Kind::Attach, kProbe, kSetA), Answer(1));
    Observation degrees = Record(kSetA, 0);
    degrees.got.field[3] *= 57.29577951308232;
    Send(Msg(Kind::GetParams, kProbe), degrees);
    EXPECT_NE(last_.text.find("shipRotation.x = 5.72958, not 0.1 as attached (angles travel in "
                              "radians)"),
              std::string::npos);
    Observation freed = Record(kSetA, 0);
    freed.poisoned = 1u << 9;
    EXPECT_EQ(Send(Msg(Kind::GetParams, kProbe), freed), Keys{"get/freed"});
    EXPECT_NE(last_.text.find("reports jettisonVelocity from a block that was freed"),
              std::string::npos);
}

TEST_F(Model_, TellsNamesApartByTheirWholeName) {
    Send(Msg(Kind::Attach, kProbe), Answer(1));
    EXPECT_EQ(Send(Msg(Kind::IsAttached, kProbeSuffix), Answer(1)), Keys{"is-attached/not-held"});
    EXPECT_NE(last_.text.find("\"Probe 2\" answered 1 while only \"Probe\" is attached, and "
                              "payloads are told apart by their whole name, case included"),
              std::string::npos);
}

TEST_F(Model_, SaysWhatAKeepingCarrierMayAnswer) {
    EXPECT_EQ(model_.Expected(Msg(Kind::Attach, kHauler)), "anything but 1 (its own name)");
    EXPECT_EQ(model_.Expected(Msg(Kind::Attach, kNobody)), "1 or a refusal (no vessel's name)");
    EXPECT_EQ(model_.Expected(Msg(Kind::Detach, kProbe)), "anything but 1 (it does not hold it)");
    Send(Msg(Kind::Attach, kProbe, kSetB), Answer(1));
    Send(Msg(Kind::SetForces, kProbe, kSetA, true), Answer(1));
    Send(Msg(Kind::SetParams, kProbe, kSetA), Answer(1));
    EXPECT_EQ(model_.Expected(Msg(Kind::GetParams, kProbe)), "non-zero, set A, addForces 0 or 1");
    EXPECT_EQ(model_.Expected(Msg(Kind::Attach, kProbe)), "1 or a refusal (it holds it already)");
}

}  // namespace
