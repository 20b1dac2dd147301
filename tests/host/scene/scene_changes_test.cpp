// What changes in the scene reaches every listener: a carrier's accepted
// change, a vessel killed or taken out; nothing else does.
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "host/scene/scene.h"
#include "host/scene/scene_parser.h"
#include "host/scene/scene_vessel.h"

namespace {

class Recorder : public SceneListener {
public:
    Recorder(const char* who, std::vector<std::string>* log) : who_(who), log_(log) {}
    void OnCarrierChanged(const std::string& carrier, uint32_t id) override {
        Log("changed " + carrier + " " + std::to_string(id == PLMSG_SET_PARAMS));
    }
    void OnVesselKilled(const std::string& name) override { Log("killed " + name); }
    void OnVesselRemoved(const std::string& name) override { Log("removed " + name); }

private:
    void Log(const std::string& what) { log_->push_back(who_ + ": " + what); }
    std::string who_;
    std::vector<std::string>* log_;
};

TEST(SceneChanges, EveryListenerIsToldOfWhatChangedAndNothingElse) {
    SceneDescription d;
    std::string error;
    ASSERT_TRUE(ParseScene("vessel Tug carrier\nvessel Probe\nvessel Rock\nattached Probe Tug\n",
                           &d, &error))
        << error;
    Scene scene;
    scene.Load(d);
    std::vector<std::string> log;
    Recorder first("first", &log), second("second", &log);
    scene.Changes().Add(&first);
    scene.Changes().Add(&second);

    SceneVessel* tug = scene.Named("Tug");
    PayloadRecord moved("Probe", PayloadValues{{1, 2, 3}, {}, {}, 4.0});
    PayloadRecord stranger("Nobody", PayloadValues{});
    PayloadQuery query{"Probe", nullptr};
    EXPECT_EQ(tug->ReceiveMessage(PLMSG_SET_PARAMS, 0, &moved), 1);
    EXPECT_EQ(tug->ReceiveMessage(PLMSG_SET_PARAMS, 0, &stranger), 0);
    EXPECT_EQ(tug->ReceiveMessage(PLMSG_GET_PARAMS, 0, &query), 1);
    EXPECT_TRUE(scene.Kill("Rock"));
    EXPECT_FALSE(scene.Kill("Nobody"));
    EXPECT_TRUE(scene.Remove("Probe"));
    EXPECT_EQ(log, (std::vector<std::string>{"first: changed Tug 1", "second: changed Tug 1",
                                             "first: killed Rock", "second: killed Rock",
                                             "first: removed Probe", "second: removed Probe"}));

    log.clear();
    scene.Changes().Remove(&first);
    EXPECT_TRUE(scene.Remove("Rock"));
    EXPECT_EQ(log, std::vector<std::string>{"second: removed Rock"});
    scene.Changes().Remove(&second);
}

}  // namespace
