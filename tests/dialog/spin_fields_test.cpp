// The up-down arrows: stepping, clamping, and the whole set the carrier gets.
#include <windows.h>
#include <commctrl.h>

#include <cmath>
#include <cstdio>
#include <string>
#include <vector>

#include "payload/payload_protocol.h"
#include "tests/dialog/payload_dialog_fixture.h"
#include "tests/support/plugin_record_ledger.h"

namespace {

struct Binding {
    int fine, coarse, field;
    const char* limit;  // as the field shows it
};

const Binding kBindings[10] = {
    {1003, 1027, 1004, "1000000.000"}, {1006, 1028, 1007, "1000000.000"},
    {1008, 1035, 1009, "1000000.000"}, {1010, 1029, 1011, "180.000"},
    {1012, 1030, 1013, "180.000"},     {1014, 1036, 1015, "180.000"},
    {1016, 1033, 1017, "180.000"},     {1018, 1034, 1019, "180.000"},
    {1020, 1037, 1021, "180.000"},     {1023, 1038, 1024, "1000000.000"}};

class SpinFields : public PayloadDialogTest {
protected:
    std::string Stepped(int spin, int field, const std::string& start, bool up) {
        Type(field, start);
        Spin(spin, up);
        return Field(field);
    }
};

TEST_F(SpinFields, EveryUpDownStepsItsOwnFieldByItsOwnStep) {
    Open("vessel Tug carrier\nvessel Probe\n");
    for (const Binding& b : kBindings) {
        for (int spin : {b.fine, b.coarse}) {
            SCOPED_TRACE(spin);
            for (const Binding& other : kBindings) Type(other.field, "7");
            Spin(spin, true);
            for (const Binding& other : kBindings) {
                const std::string expected = other.field != b.field ? "7"
                                             : spin == b.fine       ? "7.001"
                                                                    : "8.000";
                EXPECT_EQ(Field(other.field), expected) << other.field;
            }
        }
    }
}

TEST_F(SpinFields, EveryArrowStopsAValueBeyondTheLimitAtItsOwnFieldsLimit) {
    Open("vessel Tug carrier\nvessel Probe\n");
    for (const Binding& b : kBindings) {
        for (int spin : {b.fine, b.coarse}) {
            SCOPED_TRACE(spin);
            // Stepped back towards the range, a value far beyond it is still beyond.
            EXPECT_EQ(Stepped(spin, b.field, "1e9", false), b.limit);
            EXPECT_EQ(Stepped(spin, b.field, "-1e9", true), std::string("-") + b.limit);
        }
    }
}

TEST_F(SpinFields, FreePayloadChangesOnlyTheSteppedField) {
    Open("vessel Tug carrier\nvessel Probe\n");
    Type(1007, "typed");
    ClearTrace();
    Spin(1003, true);
    EXPECT_EQ(Lines(Trace()),
              "msg Tug PLMSG_GET_PARAMS prm=0 ctx=query{name=\"Probe\"} -> 0\n");
    EXPECT_EQ(Field(1004), "0.001");
    EXPECT_EQ(Field(1007), "typed");
}

TEST_F(SpinFields, AttachedPayloadGetsTheCarriersValuesWithTheOneStep) {
    Open("vessel Tug carrier\nvessel Probe\n"
         "attached Probe Tug pos=1.23456789,2,3 srot=0.1,0.2,0.3 jrot=1.5,0,0 vel=4 "
         "forces=on\n");
    Type(1007, "999");  // typed and not yet sent: replaced by the carrier's value
    PluginRecordLedger records;
    records.Start(plugin_.Module(), GetModuleHandleA(nullptr));
    ClearTrace();
    Spin(1029, false);  // coarse down on jettison rotation x: 85.944 -> 84.944
    char expected[600];
    std::snprintf(expected, sizeof expected,
                  "msg Tug PLMSG_GET_PARAMS prm=0 ctx=query{name=\"Probe\"} -> 1\n"
                  "msg Tug PLMSG_SET_PARAMS prm=0 ctx=record{name=\"Probe\" "
                  "pos=(1.234568,2.000000,3.000000) srot=(0.100000,0.200000,0.300000) "
                  "jrot=(%.6f,0.000000,0.000000) vel=4.000000 extra=(0,0,0) marker=1 "
                  "forces=0} -> 1\n",
                  84.944 * 0.017453292519943295);
    EXPECT_EQ(Lines(Trace()), expected);
    EXPECT_EQ(Field(1007), "2.000");
    EXPECT_EQ(Field(1011), "84.944");
    // The lent record was allocated and freed by the plug-in, once.
    const LedgerTally lent = records.Tally(sizeof(PayloadRecord));
    EXPECT_EQ(lent.allocated, 1u);
    EXPECT_EQ(lent.releasedByPlugin, 1u);
    EXPECT_EQ(lent.releasedByHost, 0u);
    EXPECT_EQ(lent.unreleased, 0u);
    PayloadParams p;
    ASSERT_TRUE(Vessel("Tug")->Carrier()->HeldParams("Probe", &p));
    EXPECT_TRUE(p.addForces);  // a parameter update leaves the forces alone
}

TEST_F(SpinFields, RotationSteppedTo90DegreesIsSentAsAQuarterTurn) {
    Open("vessel Tug carrier\nvessel Probe\nattached Probe Tug\n");
    Type(1017, "89");  // replaced by the carrier's 0.000 at the click
    for (int i = 0; i < 90; ++i) Spin(1033, true);
    EXPECT_EQ(Field(1017), "90.000");
    PayloadParams p;
    ASSERT_TRUE(Vessel("Tug")->Carrier()->HeldParams("Probe", &p));
    EXPECT_NEAR(p.shipRotation.x, 1.5707963267948966, 1e-12);
}

TEST_F(SpinFields, CarrierThatDoesNotAnswerGetsNothingSet) {
    Open("vessel Tug carrier params-answer=0\nvessel Probe\nattached Probe Tug pos=5,5,5\n");
    Type(1004, "1.000");
    ClearTrace();
    Spin(1003, true);
    EXPECT_EQ(Lines(Trace()),
              "msg Tug PLMSG_GET_PARAMS prm=0 ctx=query{name=\"Probe\"} -> 0\n");
    EXPECT_EQ(Field(1004), "1.001");
}

TEST_F(SpinFields, NoCarrierMeansNothingChanges) {
    Open("vessel Probe\n");
    Type(1004, "1.000");
    DLGPROC proc = reinterpret_cast<DLGPROC>(GetWindowLongPtrA(dialog_, DWLP_DLGPROC));
    NMUPDOWN n = {};
    n.hdr.hwndFrom = GetDlgItem(dialog_, 1003);
    n.hdr.idFrom = 1003;
    n.hdr.code = static_cast<UINT>(UDN_DELTAPOS);
    n.iDelta = -1;
    EXPECT_EQ(proc(dialog_, WM_NOTIFY, 1003, reinterpret_cast<LPARAM>(&n)), FALSE);
    EXPECT_EQ(Field(1004), "1.000");
    n.iDelta = -5;  // an accelerated arrow moves by that many steps
    Open("vessel Tug carrier\nvessel Probe\n");
    proc = reinterpret_cast<DLGPROC>(GetWindowLongPtrA(dialog_, DWLP_DLGPROC));
    n.hdr.hwndFrom = GetDlgItem(dialog_, 1003);
    Type(1004, "1.000");
    EXPECT_EQ(proc(dialog_, WM_NOTIFY, 1003, reinterpret_cast<LPARAM>(&n)), TRUE);
    EXPECT_EQ(Field(1004), "1.005");
}

}  // namespace
