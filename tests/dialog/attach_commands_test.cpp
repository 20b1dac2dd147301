// Attach, detach and forces: what is sent, and what the dialog shows after
// each possible answer.
#include <string>
#include <vector>

#include "payload/payload_protocol.h"
#include "tests/dialog/payload_dialog_fixture.h"
#include "tests/support/plugin_record_ledger.h"

namespace {

const char kScene[] = "vessel Tug carrier\nvessel Rock\nvessel Probe\n";

class Commands : public PayloadDialogTest {
protected:
    // Sends WM_COMMAND straight to the dialog procedure, for its result.
    INT_PTR Command(int id) {
        DLGPROC proc = reinterpret_cast<DLGPROC>(GetWindowLongPtrA(dialog_, DWLP_DLGPROC));
        return proc(dialog_, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED),
                    reinterpret_cast<LPARAM>(GetDlgItem(dialog_, id)));
    }
    LRESULT Checked(int id) { return SendDlgItemMessageA(dialog_, id, BM_GETCHECK, 0, 0); }
    // Each field its own value, so a value sent in another's place shows.
    void TypeValues() {
        Type(IDC_POSITION_X, "1.5");
        Type(IDC_POSITION_Y, "-2.25");
        Type(IDC_POSITION_Z, "3e2");
        Type(IDC_JETTISON_ROT_X, "30");
        Type(IDC_JETTISON_ROT_Y, "-45");
        Type(IDC_JETTISON_ROT_Z, "60");
        Type(IDC_SHIP_ROT_X, "90");
        Type(IDC_SHIP_ROT_Y, "-120");
        Type(IDC_SHIP_ROT_Z, "150");
        Type(IDC_JETTISON_VELOCITY, "7.5");
    }
    std::string Payloads() const { return Lines(ComboEntries(dialog_, IDC_PAYLOAD_LIST)); }
};

TEST_F(Commands, AttachSendsTheTypedValuesAndRelabelsTheEntryInPlace) {
    Open(kScene);
    PickPayload("Probe");
    TypeValues();
    SendDlgItemMessageA(dialog_, IDC_ADD_FORCES, BM_SETCHECK, BST_CHECKED, 0);
    PluginRecordLedger records;
    records.Start(plugin_.Module(), GetModuleHandleA(nullptr));
    ClearTrace();
    EXPECT_EQ(Command(IDC_ATTACH_DETACH), TRUE);
    // Degrees become radians.
    EXPECT_EQ(Lines(Trace()),
              "msg Tug PLMSG_ATTACH prm=0 ctx=record{name=\"Probe\" "
              "pos=(1.500000,-2.250000,300.000000) srot=(1.570796,-2.094395,2.617994) "
              "jrot=(0.523599,-0.785398,1.047198) vel=7.500000 extra=(0,0,0) marker=0 "
              "forces=0} -> 1\n");
    EXPECT_EQ(Payloads(), "Probe Attached;Tug\nRock\n");
    EXPECT_EQ(SendDlgItemMessageA(dialog_, IDC_PAYLOAD_LIST, CB_GETCURSEL, 0, 0), 0);
    EXPECT_EQ(ControlText(dialog_, IDC_ATTACH_DETACH), "Detach");
    EXPECT_EQ(Field(IDC_POSITION_Z), "3e2");  // the fields keep what was typed
    EXPECT_EQ(Checked(IDC_ADD_FORCES), BST_CHECKED);
    // The record went to the carrier, which holds it: allocated by the
    // plug-in, released by nobody yet.
    const LedgerTally record = records.Tally(sizeof(PayloadRecord));
    EXPECT_EQ(record.allocated, 1u);
    EXPECT_EQ(record.unreleased, 1u);
    EXPECT_TRUE(Vessel("Tug")->Carrier()->Holds("Probe"));
}

TEST_F(Commands, AttachRefusedChangesNothingAndTheCarrierKeepsTheRecord) {
    for (int answer : {0, 2, -1}) {
        SCOPED_TRACE(answer);
        Open("vessel Tug carrier attach-answer=" + std::to_string(answer) + "\nvessel Probe\n");
        Type(IDC_POSITION_X, "3");
        const std::string before = Show();
        ClearTrace();
        EXPECT_EQ(Command(IDC_ATTACH_DETACH), TRUE);
        ASSERT_EQ(Trace().size(), 1u);
        EXPECT_NE(Trace()[0].find("-> " + std::to_string(answer)), std::string::npos);
        EXPECT_EQ(Show(), before);
        EXPECT_EQ(Vessel("Tug")->OverrideRecordsReleased(), 1u);  // released by its owner
    }
}

TEST_F(Commands, DetachSendsTheJettisonChoiceAndResetsOnSuccess) {
    for (bool withVelocity : {false, true}) {
        SCOPED_TRACE(withVelocity);
        Open("vessel Tug carrier\nvessel Probe\nvessel Rock\nattached Probe Tug pos=1,2,3\n");
        if (withVelocity) Click(IDC_ADD_JETTISON_VELOCITY);
        Click(IDC_ADD_FORCES);
        ClearTrace();
        EXPECT_EQ(Command(IDC_ATTACH_DETACH), TRUE);
        EXPECT_EQ(Lines(Trace()), std::string("msg Tug PLMSG_DETACH prm=") +
                                      (withVelocity ? "1" : "0") + " ctx=\"Probe\" -> 1\n");
        EXPECT_EQ(Payloads(), "Probe\nRock\n");
        EXPECT_EQ(SendDlgItemMessageA(dialog_, IDC_PAYLOAD_LIST, CB_GETCURSEL, 0, 0), 0);
        EXPECT_EQ(Show().substr(Show().find("button:")),
                  std::string("button: Attach\n"
                              "fields: \"0.000\" \"0.000\" \"0.000\" \"0.000\" \"0.000\" "
                              "\"0.000\" \"0.000\" \"0.000\" \"0.000\" \"0.000\"\n"
                              "add-forces: on\n") +
                      "add-jettison-velocity: " + (withVelocity ? "on" : "off") + "\n");
        EXPECT_EQ(Vessel("Tug")->Carrier()->HeldCount(), 0u);
    }
}

TEST_F(Commands, DetachRefusedChangesNothing) {
    for (int answer : {0, 2, -1}) {
        SCOPED_TRACE(answer);
        Open("vessel Tug carrier detach-answer=" + std::to_string(answer) +
             "\nvessel Probe\nattached Probe Tug pos=1,2,3\n");
        const std::string before = Show();
        ClearTrace();
        EXPECT_EQ(Command(IDC_ATTACH_DETACH), TRUE);
        EXPECT_EQ(Trace().size(), 1u);
        EXPECT_EQ(Show(), before);
    }
}

TEST_F(Commands, CaptionDecidesByItsFirstSixLettersWithoutCase) {
    const struct {
        const char* caption;
        bool sends;
    } cases[] = {{"attach", true}, {"ATTACHED", true}, {"Attac", false}, {"Attack", false},
                 {"", false},      {"detach", false}};  // detach: the entry is not attached
    for (const auto& c : cases) {
        SCOPED_TRACE(c.caption);
        Open(kScene);
        PickPayload("Probe");
        SetDlgItemTextA(dialog_, IDC_ATTACH_DETACH, c.caption);
        ClearTrace();
        EXPECT_EQ(Command(IDC_ATTACH_DETACH), c.sends ? TRUE : FALSE);
        EXPECT_EQ(Trace().size(), c.sends ? 1u : 0u);
    }
}

TEST_F(Commands, NothingIsSentWithoutACarrierOrASelection) {
    Open("vessel Probe\nvessel Rock\n");
    ClearTrace();
    Type(IDC_POSITION_X, "1.000");
    EXPECT_EQ(Command(IDC_ATTACH_DETACH), FALSE);
    EXPECT_EQ(Command(IDC_ADD_FORCES), FALSE);
    Spin(IDC_SPIN_POSITION_X, true);
    EXPECT_TRUE(Trace().empty());
    EXPECT_EQ(Field(IDC_POSITION_X), "1.000");

    Open(kScene);
    SendDlgItemMessageA(dialog_, IDC_PAYLOAD_LIST, CB_SETCURSEL, static_cast<WPARAM>(-1), 0);
    ClearTrace();
    EXPECT_EQ(Command(IDC_ATTACH_DETACH), FALSE);
    EXPECT_TRUE(Trace().empty());
}

TEST_F(Commands, ForcesAreSwitchedOnlyForAnAttachedPayload) {
    Open("vessel Tug carrier\nvessel Probe\nvessel Rock\nattached Probe Tug\n");
    ClearTrace();
    Click(IDC_ADD_FORCES);
    Click(IDC_ADD_FORCES);
    EXPECT_EQ(Lines(Trace()),
              "msg Tug PLMSG_SET_FORCES prm=1 ctx=\"Probe\" -> 1\n"
              "msg Tug PLMSG_SET_FORCES prm=0 ctx=\"Probe\" -> 1\n");
    PickPayload("Rock");
    ClearTrace();
    Click(IDC_ADD_FORCES);
    EXPECT_TRUE(Trace().empty());
    EXPECT_EQ(Checked(IDC_ADD_FORCES), BST_CHECKED);
    EXPECT_EQ(Command(IDC_ADD_FORCES), FALSE);
}

TEST_F(Commands, AttachedLabelTooLongForARecordIsNotSent) {
    const std::string payload(250, 'p');
    Open("vessel Tug carrier\nvessel Barge carrier\nvessel " + payload +
         "\nattached " + payload + " Barge\n");
    const std::string label = payload + " Attached;Barge";
    PickPayload(label);
    SetDlgItemTextA(dialog_, IDC_ATTACH_DETACH, "Attach");
    ClearTrace();
    EXPECT_EQ(Command(IDC_ATTACH_DETACH), FALSE);
    EXPECT_TRUE(Trace().empty());
}

TEST_F(Commands, ReadsAtMost255CharactersOfAField) {
    Open(kScene);
    PickPayload("Probe");
    Type(IDC_POSITION_X, std::string(254, ' ') + "98765");
    ClearTrace();
    Command(IDC_ATTACH_DETACH);
    ASSERT_EQ(Trace().size(), 1u);
    EXPECT_NE(Trace()[0].find("pos=(9.000000,"), std::string::npos) << Trace()[0];
}

}  // namespace
