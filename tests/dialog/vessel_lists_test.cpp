// The carrier and payload lists: who is asked what, in which order, and what
// the dialog shows for it.
#include <string>
#include <vector>

#include "tests/dialog/payload_dialog_fixture.h"

namespace {

using Lists = PayloadDialogTest;

const char kReset[] =
    "button: Attach\n"
    "fields: \"0.000\" \"0.000\" \"0.000\" \"0.000\" \"0.000\" \"0.000\" \"0.000\" \"0.000\" "
    "\"0.000\" \"0.000\"\n"
    "add-forces: off\n"
    "add-jettison-velocity: off\n";

std::string Asked(const std::string& vessel, const std::string& payload, int answer = 0) {
    return "msg " + vessel + " PLMSG_IS_ATTACHED prm=0 ctx=\"" + payload + "\" -> " +
           std::to_string(answer);
}

std::string IsCarrier(const std::string& vessel, int answer) {
    return "msg " + vessel + " PLMSG_IS_CARRIER prm=0 ctx=null -> " + std::to_string(answer);
}

std::string GetParams(const std::string& vessel, const std::string& payload, int answer) {
    return "msg " + vessel + " PLMSG_GET_PARAMS prm=0 ctx=query{name=\"" + payload + "\"} -> " +
           std::to_string(answer);
}

TEST_F(Lists, SceneWithoutCarrierShowsEmptyListsAndResetFields) {
    Open("vessel Probe\nvessel Rock\n");
    EXPECT_EQ(Lines(Trace()), Lines({IsCarrier("Probe", 0), IsCarrier("Rock", 0)}));
    EXPECT_EQ(Show(), std::string("carriers:\npayloads:\n") + kReset);
}

TEST_F(Lists, SceneWithOnlyOneCarrierListsNoPayload) {
    Open("vessel Tug carrier\n");
    EXPECT_EQ(Lines(Trace()), Lines({IsCarrier("Tug", 1)}));
    EXPECT_EQ(Show(), std::string("carriers: *Tug\npayloads:\n") + kReset);
}

TEST_F(Lists, VesselsThatMustNotBeMessagedAreListedButNeverAsked) {
    Open("vessel Tug carrier\n"
         "vessel V1 version=1 carrier\n"
         "vessel V0 version=0 carrier\n"
         "vessel Vneg version=-1 carrier\n"
         "vessel Vmin version=-32768 carrier\n"
         "vessel NoIf carrier nointerface\n"
         "vessel Dead carrier dead\n"
         "vessel Probe\n");
    std::vector<std::string> expected = {IsCarrier("Tug", 1), IsCarrier("Probe", 0)};
    // A dead vessel is no carrier, but the holder search asks every vessel
    // that has an interface.
    for (const char* p : {"V1", "V0", "Vneg", "Vmin", "NoIf", "Dead", "Probe"}) {
        for (const char* asked : {"Tug", "Dead", "Probe"}) expected.push_back(Asked(asked, p));
    }
    EXPECT_EQ(Lines(Trace()), Lines(expected));
    EXPECT_EQ(Show(), std::string("carriers: *Tug\n"
                                  "payloads: *Dead | NoIf | Probe | V0 | V1 | Vmin | Vneg\n") +
                          kReset);
}

TEST_F(Lists, EntriesStandSortedAndTheFirstInThatOrderIsSelected) {
    Open("vessel zeta\nvessel Tug carrier\nvessel mike\nvessel Bravo\nvessel Alpha\n");
    EXPECT_EQ(Show(), std::string("carriers: *Tug\npayloads: *Alpha | Bravo | mike | zeta\n") +
                          kReset);
}

TEST_F(Lists, FirstAttachedEntryIsShownFromTheSelectedCarrier) {
    // Each field its own value, rotations held in radians and shown in degrees.
    Open("vessel Tug carrier\nvessel Probe\n"
         "attached Probe Tug pos=1.5,-2.25,1000000 jrot=0.5,-1,0.25 srot=1.5,-2,3 vel=4 "
         "forces=on\n");
    EXPECT_EQ(Lines(Trace()), Lines({IsCarrier("Tug", 1), IsCarrier("Probe", 0),
                                     Asked("Tug", "Probe", 1), GetParams("Tug", "Probe", 1)}));
    EXPECT_EQ(Show(),
              "carriers: *Tug\n"
              "payloads: *Probe Attached;Tug\n"
              "button: Detach\n"
              "fields: \"1.500\" \"-2.250\" \"1000000.000\" \"28.648\" \"-57.296\" \"14.324\" "
              "\"85.944\" \"-114.592\" \"171.887\" \"4.000\"\n"
              "add-forces: on\n"
              "add-jettison-velocity: off\n");
}

TEST_F(Lists, EveryCarrierPickSelectsTheFirstEntryAndAsksThePickedCarrier) {
    // Apex is held by Tug and Barge; its label names Tug, the lower index.
    Open("vessel Tug carrier\nvessel Barge carrier\nvessel Ferry carrier\nvessel Apex\n"
         "vessel Rock\nattached Apex Tug pos=4,5,6 srot=0,0,-1 vel=8 forces=on\n"
         "attached Apex Barge pos=1,2,3 jrot=0.5,0,0 vel=7\n");
    const std::string fromBarge =
        "button: Detach\n"
        "fields: \"1.000\" \"2.000\" \"3.000\" \"28.648\" \"0.000\" \"0.000\" \"0.000\" "
        "\"0.000\" \"0.000\" \"7.000\"\n";
    const std::string fromTug =
        "button: Detach\n"
        "fields: \"4.000\" \"5.000\" \"6.000\" \"0.000\" \"0.000\" \"0.000\" \"0.000\" "
        "\"0.000\" \"-57.296\" \"8.000\"\n";
    const std::string forcesOn = "add-forces: on\nadd-jettison-velocity: off\n";
    PickCarrier("Barge");
    EXPECT_EQ(Show(), "carriers: *Barge | Ferry | Tug\n"
                      "payloads: *Apex Attached;Tug | Ferry | Rock | Tug\n" +
                          fromBarge + "add-forces: off\nadd-jettison-velocity: off\n");
    PickCarrier("Tug");
    const std::string tug = "carriers: Barge | Ferry | *Tug\n"
                            "payloads: *Apex Attached;Tug | Barge | Ferry | Rock\n" +
                            fromTug + forcesOn;
    EXPECT_EQ(Show(), tug);
    PickPayload("Rock");
    PickCarrier("Tug");
    EXPECT_EQ(Show(), tug);
    // Ferry holds nothing: the fields keep what they showed.
    PickCarrier("Ferry");
    EXPECT_EQ(Show(), "carriers: Barge | *Ferry | Tug\n"
                      "payloads: *Apex Attached;Tug | Barge | Rock | Tug\n" +
                          fromTug + forcesOn);
    // A fill only ever marks the forces: Barge's "off" leaves the box on.
    PickCarrier("Barge");
    EXPECT_EQ(Show(), "carriers: *Barge | Ferry | Tug\n"
                      "payloads: *Apex Attached;Tug | Ferry | Rock | Tug\n" +
                          fromBarge + forcesOn);
}

TEST_F(Lists, TheLowestIndexOfTwoClaimingVesselsIsNamed) {
    Open("vessel Probe\nvessel Barge carrier\nvessel Tug carrier\n"
         "attached Probe Tug pos=1,2,3\nattached Probe Barge pos=9,9,9\n");
    const std::vector<std::string> trace = Trace();
    ASSERT_GE(trace.size(), 5u);
    EXPECT_EQ(trace[3], Asked("Probe", "Probe"));
    EXPECT_EQ(trace[4], Asked("Barge", "Probe", 1));  // Tug is not asked after that
    PickCarrier("Tug");
    EXPECT_EQ(ComboEntries(dialog_, IDC_PAYLOAD_LIST),
              (std::vector<std::string>{"Barge", "Probe Attached;Barge"}));
}

TEST_F(Lists, PayloadHeldByAnotherCarrierIsShownFromTheCarrierItsLabelNames) {
    Open("vessel Tug carrier\nvessel Barge carrier\nvessel Probe\n"
         "attached Probe Tug pos=1,2,3 jrot=0,-1,0 vel=4 forces=on\n");
    // Barge is selected and holds nothing: the first entry's fields stay as
    // they were, but the caption says what the label says.
    EXPECT_EQ(Trace().back(), GetParams("Barge", "Probe", 0));
    EXPECT_EQ(Show(),
              "carriers: *Barge | Tug\n"
              "payloads: *Probe Attached;Tug | Tug\n"
              "button: Detach\n"
              "fields: \"\" \"\" \"\" \"\" \"\" \"\" \"\" \"\" \"\" \"\"\n"
              "add-forces: off\n"
              "add-jettison-velocity: off\n");
    ClearTrace();
    OpenAndCloseDropDown(dialog_, IDC_PAYLOAD_LIST);
    EXPECT_EQ(Lines(Trace()), Lines({GetParams("Tug", "Probe", 1)}));
    EXPECT_EQ(Field(IDC_POSITION_X), "1.000");
    EXPECT_EQ(Field(IDC_JETTISON_ROT_Y), "-57.296");
    EXPECT_EQ(Field(IDC_JETTISON_VELOCITY), "4.000");
    EXPECT_EQ(ControlText(dialog_, IDC_ATTACH_DETACH), "Detach");
    EXPECT_EQ(SendDlgItemMessageA(dialog_, IDC_ADD_FORCES, BM_GETCHECK, 0, 0), BST_UNCHECKED);
}

TEST_F(Lists, PayloadCloseUpRewritesAttachedFieldsAndResetsFreeOnes) {
    Open("vessel Tug carrier\nvessel Probe\nvessel Rock\nattached Probe Tug pos=7,0,0\n");
    Type(IDC_POSITION_X, "123");
    Type(IDC_SHIP_ROT_Z, "junk");
    OpenAndCloseDropDown(dialog_, IDC_PAYLOAD_LIST);  // same entry: shown again
    EXPECT_EQ(Field(IDC_POSITION_X), "7.000");
    EXPECT_EQ(Field(IDC_SHIP_ROT_Z), "0.000");
    Type(IDC_POSITION_X, "123");
    PickPayload("Rock");
    EXPECT_EQ(Field(IDC_POSITION_X), "0.000");
    EXPECT_EQ(ControlText(dialog_, IDC_ATTACH_DETACH), "Attach");
}

TEST_F(Lists, CarrierThatAnswersWithoutARecordIsNotRead) {
    Open("vessel Tug carrier params-answer=1\nvessel Probe\nattached Probe Tug pos=1,1,1\n");
    EXPECT_EQ(Trace().back(), GetParams("Tug", "Probe", 1));
    EXPECT_EQ(Field(IDC_POSITION_X), "");
    EXPECT_EQ(ControlText(dialog_, IDC_ATTACH_DETACH), "Detach");
}

TEST_F(Lists, LongestNamesKeepWholeNamesInLabelsAndMessages) {
    const std::string payload(255, 'p');
    const std::string carrier(255, 'c');
    Open("vessel " + carrier + " carrier\nvessel " + payload + "\nattached " + payload + " " +
         carrier + " pos=5,5,5\n");
    const std::string label = payload + " Attached;" + carrier;
    EXPECT_EQ(ComboEntries(dialog_, IDC_PAYLOAD_LIST), std::vector<std::string>{label});
    EXPECT_EQ(Trace().back(), GetParams(carrier, payload, 1));
    ClearTrace();
    Type(IDC_POSITION_X, "1");
    OpenAndCloseDropDown(dialog_, IDC_PAYLOAD_LIST);
    EXPECT_EQ(Lines(Trace()), Lines({GetParams(carrier, payload, 1)}));
    EXPECT_EQ(Field(IDC_POSITION_X), "5.000");
}

TEST_F(Lists, NamesTheLabelCannotHoldNeverMisdirectAMessage) {
    Open("vessel \"Car;go\" carrier\nvessel Car carrier\nvessel Probe\n"
         "vessel \"X Attached;Car\"\nattached Probe \"Car;go\" pos=1,1,1\n");
    // "X Attached;Car" would read back as "X", held by Car: it is not listed.
    EXPECT_EQ(ComboEntries(dialog_, IDC_PAYLOAD_LIST),
              (std::vector<std::string>{"Car;go", "Probe Attached;Car;go"}));
    for (const std::string& line : Trace()) {
        EXPECT_EQ(line.find("ctx=\"X"), std::string::npos) << line;
    }
    // The label's holder reads as "Car", another vessel: nobody is asked.
    ClearTrace();
    PickPayload("Probe Attached;Car;go");
    EXPECT_TRUE(Trace().empty()) << Lines(Trace());
    EXPECT_EQ(ControlText(dialog_, IDC_ATTACH_DETACH), "Detach");
}

}  // namespace
