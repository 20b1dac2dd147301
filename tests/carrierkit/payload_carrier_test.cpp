// The reference carrier's own choices, beyond what the conformance check asks
// of every carrier: what it refuses, what a vessel learns from it, and how it
// reads what it is sent.
#include <cstring>
#include <set>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "carrierkit/payload_carrier.h"

namespace {

class Carrier : public testing::Test {
protected:
    Carrier() : carrier_("Tug", [this](const std::string& n) { return vessels_.count(n) != 0; }) {}

    PayloadRecord* AttachRecord(const char* name, double x) {
        PayloadRecord* r = AllocPayloadRecord();
        std::strcpy(r->name, name);
        r->position = {x, 0, 0};
        r->shipRotation = {0, 0.5, 0};
        r->jettisonVelocity = 3;
        r->addForces = 1;  // a carrier starts with forces off whatever the record says
        return r;
    }
    int32_t Send(uint32_t id, uint32_t prm, const void* ctx) {
        return carrier_.HandleMessage(id, prm, const_cast<void*>(ctx));
    }

    std::set<std::string> vessels_ = {"Tug", "Probe", "Rock"};
    PayloadCarrier carrier_;
};

TEST_F(Carrier, RefusedAttachRecordsAreReleasedAtOnce) {
    EXPECT_EQ(Send(PLMSG_ATTACH, 0, AttachRecord("Nobody", 0)), 0);
    EXPECT_EQ(Send(PLMSG_ATTACH, 0, AttachRecord("Tug", 0)), 0);  // itself
    EXPECT_EQ(Send(PLMSG_ATTACH, 0, AttachRecord("Probe Attached;Barge", 0)), 0);
    EXPECT_EQ(Send(PLMSG_ATTACH, 0, AttachRecord("Probe", 0)), 1);
    EXPECT_EQ(Send(PLMSG_ATTACH, 0, AttachRecord("Probe", 0)), 0);  // held already
    EXPECT_EQ(Send(PLMSG_ATTACH, 0, nullptr), 0);
    EXPECT_EQ(carrier_.RecordsReceived(), 5u);
    EXPECT_EQ(carrier_.RecordsReleased(), 4u);
    EXPECT_EQ(carrier_.HeldCount(), 1u);
}

TEST_F(Carrier, StartsWithForcesOffWhateverTheAttachRecordSays) {
    ASSERT_EQ(Send(PLMSG_ATTACH, 0, AttachRecord("Probe", 1.5)), 1);
    PayloadParams p;
    ASSERT_TRUE(carrier_.HeldParams("Probe", &p));
    EXPECT_FALSE(p.addForces);
    EXPECT_DOUBLE_EQ(p.position.x, 1.5);
}

TEST_F(Carrier, DetachTellsTheVesselWhatWentAndHow) {
    struct Told {
        std::string payload;
        double x;
        bool addVelocity;
        bool stillHeld;
    };
    std::vector<Told> told;
    carrier_.SetDetachHandler([&](const std::string& payload, const PayloadParams& p, bool v) {
        told.push_back({payload, p.position.x, v, carrier_.Holds(payload)});
    });
    Send(PLMSG_ATTACH, 0, AttachRecord("Probe", 2.5));
    Send(PLMSG_ATTACH, 0, AttachRecord("Rock", 4));
    EXPECT_EQ(Send(PLMSG_DETACH, 1, "Tug"), 0);  // refused: nothing to tell
    EXPECT_EQ(Send(PLMSG_DETACH, 1, "Probe"), 1);
    EXPECT_EQ(Send(PLMSG_DETACH, 0, "Rock"), 1);
    ASSERT_EQ(told.size(), 2u);
    EXPECT_EQ(told[0].payload, "Probe");
    EXPECT_DOUBLE_EQ(told[0].x, 2.5);
    EXPECT_TRUE(told[0].addVelocity);
    EXPECT_FALSE(told[0].stillHeld);
    EXPECT_EQ(told[1].payload, "Rock");
    EXPECT_FALSE(told[1].addVelocity);
    EXPECT_EQ(carrier_.RecordsReleased(), 2u);
}

TEST_F(Carrier, ListsWhatItHoldsForTheVesselToPlace) {
    Send(PLMSG_ATTACH, 0, AttachRecord("Rock", 0));
    EXPECT_TRUE(carrier_.Hold("Probe", PayloadParams()));
    EXPECT_FALSE(carrier_.Hold("Probe", PayloadParams()));  // held already
    EXPECT_FALSE(carrier_.Hold("Tug", PayloadParams()));    // itself
    EXPECT_EQ(carrier_.HeldPayloads(), (std::vector<std::string>{"Probe", "Rock"}));
}

TEST_F(Carrier, SetParamsReplacesTheWholeSetButNotTheForces) {
    Send(PLMSG_ATTACH, 0, AttachRecord("Probe", 1));
    EXPECT_EQ(Send(PLMSG_SET_FORCES, 1, "Probe"), 1);
    PayloadRecord update("Probe", 0, {4, 5, 6}, {0.1, 0.2, 0.3}, {-0.1, -0.2, -0.3}, 0, 0, 9);
    EXPECT_EQ(Send(PLMSG_SET_PARAMS, 0, &update), 1);
    PayloadRecord other("Rock", 0, {1, 1, 1}, {}, {}, 0, 0, 1);
    EXPECT_EQ(Send(PLMSG_SET_PARAMS, 0, &other), 0);
    EXPECT_EQ(Send(PLMSG_SET_FORCES, 1, "Rock"), 0);

    PayloadParams p;
    ASSERT_TRUE(carrier_.HeldParams("Probe", &p));
    EXPECT_DOUBLE_EQ(p.position.z, 6);
    EXPECT_DOUBLE_EQ(p.shipRotation.y, 0.2);
    EXPECT_DOUBLE_EQ(p.jettisonRotation.z, -0.3);
    EXPECT_DOUBLE_EQ(p.jettisonVelocity, 9);
    EXPECT_TRUE(p.addForces);
    EXPECT_EQ(Send(PLMSG_SET_FORCES, 0, "Probe"), 1);
    ASSERT_TRUE(carrier_.HeldParams("Probe", &p));
    EXPECT_FALSE(p.addForces);
}

TEST_F(Carrier, UnknownIdsAndMissingContextsAreAnsweredNo) {
    EXPECT_EQ(Send(0xA45F0201u, 0, nullptr), 0);
    EXPECT_EQ(Send(0x12345678u, 1, "Probe"), 0);
    EXPECT_EQ(Send(PLMSG_IS_ATTACHED, 0, nullptr), 0);
    EXPECT_EQ(Send(PLMSG_DETACH, 0, nullptr), 0);
    EXPECT_EQ(Send(PLMSG_GET_PARAMS, 0, nullptr), 0);
    EXPECT_EQ(Send(PLMSG_SET_PARAMS, 0, nullptr), 0);
}

TEST_F(Carrier, ReadsAtMost255CharactersOfAName) {
    char unterminated[300];
    std::memset(unterminated, 'x', sizeof unterminated);
    EXPECT_EQ(PayloadNameFromContext(unterminated).size(), 255u);
    EXPECT_EQ(Send(PLMSG_IS_ATTACHED, 0, unterminated), 0);
}

TEST(CarrierWithoutVesselList, TakesAnyNameButItsOwn) {
    PayloadCarrier c("Tug", nullptr);
    PayloadRecord* r = AllocPayloadRecord();
    std::strcpy(r->name, "Anything");
    EXPECT_EQ(c.HandleMessage(PLMSG_ATTACH, 0, r), 1);
    r = AllocPayloadRecord();
    std::strcpy(r->name, "Tug");
    EXPECT_EQ(c.HandleMessage(PLMSG_ATTACH, 0, r), 0);
    EXPECT_EQ(c.RecordsReleased(), 1u);
}

}  // namespace
