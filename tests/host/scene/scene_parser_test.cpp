// The scene file format of the stand-in host.
#include <string>

#include <gtest/gtest.h>

#include "host/scene/demo_scene.h"
#include "host/scene/scene_parser.h"

namespace {

std::string ErrorOf(const std::string& text) {
    SceneDescription scene;
    std::string error;
    EXPECT_FALSE(ParseScene(text, &scene, &error)) << text;
    return error;
}

TEST(SceneParser, ReadsVesselsWithOptionsQuotedNamesAndComments) {
    SceneDescription scene;
    std::string error;
    ASSERT_TRUE(ParseScene("\xEF\xBB\xBF# a comment after a byte-order mark\n"
                           "\n"
                           "vessel Tug carrier attach-answer=2 detach-answer=-1 params-answer=7\r\n"
                           "vessel \"Deep Space;1\" version=-2 nointerface dead # trailing\n"
                           "vessel\tOld\tversion=1\n"
                           "attached \"Deep Space;1\" Tug pos=1,2,3 srot=0.5,0,0 jrot=0,0,-1 "
                           "vel=4.5 forces=on\n",
                           &scene, &error))
        << error;
    ASSERT_EQ(scene.vessels.size(), 3u);
    const VesselDescription& tug = scene.vessels[0];
    EXPECT_EQ(tug.name, "Tug");
    EXPECT_EQ(tug.version, 3);
    EXPECT_TRUE(tug.carrier);
    EXPECT_EQ(*tug.attachAnswer, 2);
    EXPECT_EQ(*tug.detachAnswer, -1);
    EXPECT_EQ(*tug.paramsAnswer, 7);
    const VesselDescription& deep = scene.vessels[1];
    EXPECT_EQ(deep.name, "Deep Space;1");
    EXPECT_EQ(deep.version, -2);
    EXPECT_TRUE(deep.noInterface);
    EXPECT_TRUE(deep.dead);
    EXPECT_FALSE(deep.carrier);
    EXPECT_EQ(scene.vessels[2].version, 1);

    ASSERT_EQ(scene.attachments.size(), 1u);
    const AttachmentDescription& a = scene.attachments[0];
    EXPECT_EQ(a.payload, "Deep Space;1");
    EXPECT_EQ(a.carrier, "Tug");
    EXPECT_DOUBLE_EQ(a.params.position.z, 3.0);
    EXPECT_DOUBLE_EQ(a.params.shipRotation.x, 0.5);
    EXPECT_DOUBLE_EQ(a.params.jettisonRotation.z, -1.0);
    EXPECT_DOUBLE_EQ(a.params.jettisonVelocity, 4.5);
    EXPECT_TRUE(a.params.addForces);
}

TEST(SceneParser, NamesTheFirstBadLine) {
    EXPECT_EQ(ErrorOf("vessel A\nship B\n"), "line 2: unknown statement \"ship\"");
    EXPECT_EQ(ErrorOf("vessel\n"), "line 1: vessel needs a name");
    EXPECT_EQ(ErrorOf("vessel \"A\n"), "line 1: unterminated quote");
    EXPECT_EQ(ErrorOf("vessel \"\"\n"), "line 1: a name cannot be empty");
    EXPECT_EQ(ErrorOf("vessel " + std::string(256, 'x') + "\n"),
              "line 1: a name holds at most 255 characters");
    EXPECT_EQ(ErrorOf("vessel A version=40000\n"),
              "line 1: version must be a whole number from -32768 to 32767");
    EXPECT_EQ(ErrorOf("vessel A version=3x\n"),
              "line 1: version must be a whole number from -32768 to 32767");
    EXPECT_EQ(ErrorOf("vessel A flying\n"), "line 1: unknown vessel option \"flying\"");
    EXPECT_EQ(ErrorOf("vessel A fast\x01\n"), "line 1: unknown vessel option \"fast\\x01\"");
    EXPECT_EQ(ErrorOf("vessel A\n\xEF\xBB\xBFvessel B\n"),
              "line 2: unknown statement \"\\xef\\xbb\\xbfvessel\"");
    EXPECT_EQ(ErrorOf("vessel A attach-answer=1\n"),
              "line 1: answer options are for carriers only");
    EXPECT_EQ(ErrorOf("vessel A carrier detach-answer=x\n"),
              "line 1: detach-answer must be a 32-bit whole number");
}

TEST(SceneParser, RejectsAttachmentsThatCannotHold) {
    const std::string base = "vessel T carrier\nvessel P\n";
    EXPECT_EQ(ErrorOf(base + "attached Q T\n"), "line 3: no vessel \"Q\" declared before");
    EXPECT_EQ(ErrorOf(base + "attached P Q\n"), "line 3: no vessel \"Q\" declared before");
    EXPECT_EQ(ErrorOf(base + "attached T P\n"), "line 3: \"P\" is not a carrier");
    EXPECT_EQ(ErrorOf(base + "attached T T\n"), "line 3: a carrier cannot hold itself");
    EXPECT_EQ(ErrorOf(base + "attached P T\nattached P T\n"),
              "line 4: \"T\" holds \"P\" already");
    EXPECT_EQ(ErrorOf(base + "attached P T pos=1,2\n"), "line 3: pos needs three numbers X,Y,Z");
    EXPECT_EQ(ErrorOf(base + "attached P T vel=inf\n"), "line 3: vel needs a number");
    EXPECT_EQ(ErrorOf(base + "attached P T forces=yes\n"), "line 3: forces must be on or off");
    EXPECT_EQ(ErrorOf(base + "attached P\n"), "line 3: attached needs a payload and a carrier");
}

TEST(SceneParser, DemoSceneIsValid) {
    SceneDescription scene;
    std::string error;
    ASSERT_TRUE(ParseScene(DemoSceneText(), &scene, &error)) << error;
    bool oldVessel = false;
    int carriers = 0;
    for (const VesselDescription& v : scene.vessels) {
        oldVessel |= v.version == 1;
        carriers += v.carrier;
    }
    EXPECT_TRUE(oldVessel);
    EXPECT_GE(carriers, 2);
    EXPECT_FALSE(scene.attachments.empty());
}

}  // namespace
