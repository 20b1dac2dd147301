// The reference carrier: every promise the payload editor relies on, and who
// releases which record.
#include <cstring>
#include <set>
#include <string>

#include <gtest/gtest.h>

#include "carrierkit/payload_carrier.h"
#include "host/scene.h"
#include "host/scene_parser.h"
#include "host/scene_vessel.h"

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

TEST_F(Carrier, AttachHoldsThePayloadAndKeepsTheRecordValid) {
    EXPECT_EQ(Send(PLMSG_IS_CARRIER, 0, nullptr), 1);
    EXPECT_EQ(Send(PLMSG_IS_ATTACHED, 0, "Probe"), 0);
    PayloadRecord* r = AttachRecord("Probe", 1.5);
    EXPECT_EQ(Send(PLMSG_ATTACH, 0, r), 1);
    EXPECT_STREQ(r->name, "Probe");  // the sender reads it again after an answer of 1
    EXPECT_EQ(Send(PLMSG_IS_ATTACHED, 0, "Probe"), 1);
    EXPECT_EQ(carrier_.RecordsReceived(), 1u);
    EXPECT_EQ(carrier_.RecordsReleased(), 0u);

    PayloadQuery q = {"Probe", nullptr};
    EXPECT_EQ(Send(PLMSG_GET_PARAMS, 0, &q), 1);
    ASSERT_NE(q.record, nullptr);
    EXPECT_STREQ(q.record->name, "Probe");
    EXPECT_DOUBLE_EQ(q.record->position.x, 1.5);
    EXPECT_DOUBLE_EQ(q.record->shipRotation.y, 0.5);
    EXPECT_DOUBLE_EQ(q.record->jettisonVelocity, 3);
    EXPECT_EQ(q.record->addForces, 0);
}

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

TEST_F(Carrier, DetachReleasesTheRecordOnceAndForgetsThePayload) {
    Send(PLMSG_ATTACH, 0, AttachRecord("Probe", 0));
    EXPECT_EQ(Send(PLMSG_DETACH, 1, "Rock"), 0);
    EXPECT_EQ(Send(PLMSG_DETACH, 1, "Probe"), 1);
    EXPECT_EQ(carrier_.LastDetachParameter(), 1u);
    EXPECT_EQ(carrier_.RecordsReleased(), 1u);
    EXPECT_EQ(Send(PLMSG_DETACH, 0, "Probe"), 0);
    EXPECT_EQ(carrier_.RecordsReleased(), 1u);
    PayloadQuery q = {"Probe", nullptr};
    EXPECT_EQ(Send(PLMSG_GET_PARAMS, 0, &q), 0);
    EXPECT_EQ(q.record, nullptr);
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

TEST(CarrierTeardown, ReleasesEveryRecordStillHeld) {
    unsigned received = 0, released = 0;
    {
        PayloadCarrier c("Tug", [](const std::string&) { return true; });
        PayloadRecord* r = AllocPayloadRecord();
        std::strcpy(r->name, "Probe");
        EXPECT_EQ(c.HandleMessage(PLMSG_ATTACH, 0, r), 1);
        EXPECT_TRUE(c.Hold("Rock", PayloadParams()));
        EXPECT_FALSE(c.Hold("Rock", PayloadParams()));
        received = c.RecordsReceived();
        released = c.RecordsReleased();
        EXPECT_EQ(released, 0u);
    }
    EXPECT_EQ(received, 1u);
}

TEST(SceneVessels, FixedAnswersReplaceTheCarriersOwnAndKeepOwnership) {
    SceneDescription d;
    std::string error;
    ASSERT_TRUE(ParseScene("vessel A carrier attach-answer=1\nvessel B carrier attach-answer=2\n"
                           "vessel C carrier detach-answer=-1 params-answer=0\nvessel P\n"
                           "attached P C\n",
                           &d, &error))
        << error;
    Scene scene;
    scene.Load(d);
    SceneVessel* a = scene.Named("A");
    SceneVessel* b = scene.Named("B");
    SceneVessel* c = scene.Named("C");
    PayloadRecord* ra = AllocPayloadRecord();
    std::strcpy(ra->name, "P");
    EXPECT_EQ(a->ReceiveMessage(PLMSG_ATTACH, 0, ra), 1);
    EXPECT_STREQ(ra->name, "P");  // kept: the sender reads it after an answer of 1
    EXPECT_FALSE(a->Carrier()->Holds("P"));
    EXPECT_EQ(a->OverrideRecordsReleased(), 0u);
    PayloadRecord* rb = AllocPayloadRecord();
    std::strcpy(rb->name, "P");
    EXPECT_EQ(b->ReceiveMessage(PLMSG_ATTACH, 0, rb), 2);
    EXPECT_EQ(b->OverrideRecordsReleased(), 1u);
    char p[] = "P";
    EXPECT_EQ(c->ReceiveMessage(PLMSG_DETACH, 1, p), -1);
    EXPECT_TRUE(c->Carrier()->Holds("P"));
    PayloadQuery q = {"P", nullptr};
    EXPECT_EQ(c->ReceiveMessage(PLMSG_GET_PARAMS, 0, &q), 0);
    EXPECT_EQ(scene.Named("P")->ReceiveMessage(PLMSG_IS_CARRIER, 0, nullptr), 0);
    scene.Clear();  // A releases the record it kept
}

}  // namespace
