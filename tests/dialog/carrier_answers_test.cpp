// Carriers that answer oddly, and a payload that vanishes before its attach:
// the dialog shows only what a carrier confirmed, and the record goes back.
// Vessels that die or vanish between other actions are the scenarios
// carrier-gone, holder-gone and payload-gone.
#include <string>

#include "tests/dialog/payload_dialog_fixture.h"

namespace {

class CarrierAnswers : public PayloadDialogTest {};

TEST_F(CarrierAnswers, ParamsAnsweredWithoutARecordAreNeitherShownNorSetBack) {
    for (int answer : {1, -1, 2}) {
        SCOPED_TRACE(answer);
        Open("vessel Tug carrier params-answer=" + std::to_string(answer) +
             "\nvessel Probe\nattached Probe Tug pos=5,5,5\n");
        Type(IDC_POSITION_X, "1.000");
        Type(IDC_POSITION_Y, "typed");
        ClearTrace();
        OpenAndCloseDropDown(dialog_, IDC_PAYLOAD_LIST);
        Spin(IDC_SPIN_POSITION_X, true);
        EXPECT_EQ(Lines(Trace()),
                  Lines({"msg Tug PLMSG_GET_PARAMS prm=0 ctx=query{name=\"Probe\"} -> " +
                             std::to_string(answer),
                         "msg Tug PLMSG_GET_PARAMS prm=0 ctx=query{name=\"Probe\"} -> " +
                             std::to_string(answer)}));
        EXPECT_EQ(Field(IDC_POSITION_X), "1.001");
        EXPECT_EQ(Field(IDC_POSITION_Y), "typed");
        EXPECT_EQ(ControlText(dialog_, IDC_ATTACH_DETACH), "Detach");
    }
}

TEST_F(CarrierAnswers, PayloadGoneBeforeAttachIsRefusedAndTheRecordReleased) {
    Open("vessel Tug carrier\nvessel Probe\nvessel Rock\n");
    PickPayload("Rock");
    ASSERT_TRUE(TheHost().scene.Remove("Rock"));
    const std::string before = Show();
    ClearTrace();
    Click(IDC_ATTACH_DETACH);
    ASSERT_EQ(Trace().size(), 1u);
    EXPECT_NE(Trace()[0].find("PLMSG_ATTACH"), std::string::npos);
    EXPECT_NE(Trace()[0].find("-> 0"), std::string::npos);
    EXPECT_EQ(Show(), before);
    EXPECT_EQ(Vessel("Tug")->Carrier()->RecordsReceived(), 1u);
    EXPECT_EQ(Vessel("Tug")->Carrier()->RecordsReleased(), 1u);
}

}  // namespace
