// The stand-in host's scene vessels: fixed answers replace the reference
// carrier's own, and the vessel still owns every record it takes.
#include <cstring>
#include <string>

#include <gtest/gtest.h>

#include "host/scene/scene.h"
#include "host/scene/scene_parser.h"
#include "host/scene/scene_vessel.h"

namespace {

TEST(SceneVessels, FixedAnswersReplaceTheCarriersOwnAndKeepOwnership) {
    SceneDescription d;
    std::string error;
    ASSERT_TRUE(
        ParseScene("vessel A carrier attach-answer=1\nvessel B carrier attach-answer=2\n"
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
