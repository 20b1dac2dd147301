// Whatever a user types into the ten fields, a carrier receives only finite
// numbers, and the arrows keep the stepped value within its limit: an
// infinity is clamped to it, NaN is stepped from 0.
#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <string>
#include <vector>

#include "payload/payload_protocol.h"
#include "tests/dialog/payload_dialog_fixture.h"

namespace {

const int kFields[10] = {1004, 1007, 1009, 1011, 1013, 1015, 1017, 1019, 1021, 1024};

struct Hostile {
    std::string text;
    double reads;   // the value an attach takes from a field holding the text
    double steps;   // the value the arrows step from: infinities stay, to be clamped
};

std::vector<Hostile> HostileTexts() {
    const double nines = std::strtod(std::string(255, '9').c_str(), nullptr);
    return {{"", 0.0, 0.0},
            {std::string(255, '9'), nines, nines},
            // Only the first 255 characters of a field are read.
            {std::string(300, '9'), nines, nines},
            {"   \t ", 0.0, 0.0},
            {"nan", 0.0, 0.0},
            {"-inf", 0.0, -HUGE_VAL},
            {"infinity", 0.0, HUGE_VAL},
            {"1e999", 0.0, HUGE_VAL},
            {"-1e999", 0.0, -HUGE_VAL},
            {"-0", 0.0, 0.0},
            {"0x10", 16.0, 16.0},
            {"1,5", 1.0, 1.0},
            {"\xE9\xFF\x80\x81", 0.0, 0.0},
            {"12junk", 12.0, 12.0},
            {"1e308", 1e308, 1e308}};
}

double Clamped(double value, double limit) { return std::min(std::max(value, -limit), limit); }

std::vector<double> AllValues(const PayloadParams& p) {
    return {p.position.x,         p.position.y,         p.position.z,
            p.jettisonRotation.x, p.jettisonRotation.y, p.jettisonRotation.z,
            p.shipRotation.x,     p.shipRotation.y,     p.shipRotation.z,
            p.jettisonVelocity};
}

class HostileFields : public PayloadDialogTest {
protected:
    PayloadParams Held(const std::string& payload) {
        PayloadParams p;
        EXPECT_TRUE(Vessel("Tug")->Carrier()->HeldParams(payload, &p));
        return p;
    }
};

TEST_F(HostileFields, AttachSendsOnlyFiniteNumbers) {
    Open("vessel Tug carrier\nvessel Probe\n");
    for (const Hostile& h : HostileTexts()) {
        SCOPED_TRACE(h.text);
        PickPayload("Probe");
        for (int id : kFields) Type(id, h.text);
        Click(IDC_ATTACH_DETACH);
        ASSERT_TRUE(Vessel("Tug")->Carrier()->Holds("Probe"));
        const std::vector<double> values = AllValues(Held("Probe"));
        for (double v : values) EXPECT_TRUE(std::isfinite(v)) << v;
        EXPECT_EQ(values[0], h.reads);  // a position: carried as read
        EXPECT_DOUBLE_EQ(values[3], h.reads * 0.017453292519943295);  // a rotation, in radians
        Click(IDC_ATTACH_DETACH);
        ASSERT_FALSE(Vessel("Tug")->Carrier()->Holds("Probe"));
    }
}

TEST_F(HostileFields, ArrowsStepFromWhatTheTextReadsAndStayWithinTheLimits) {
    Open("vessel Tug carrier\nvessel Probe\n");
    for (const Hostile& h : HostileTexts()) {
        SCOPED_TRACE(h.text);
        Type(IDC_POSITION_X, h.text);
        Type(IDC_SHIP_ROT_X, h.text);
        Spin(IDC_COARSE_POSITION_X, true);
        Spin(IDC_COARSE_SHIP_ROT_X, false);
        const double position = std::atof(Field(IDC_POSITION_X).c_str());
        const double rotation = std::atof(Field(IDC_SHIP_ROT_X).c_str());
        EXPECT_DOUBLE_EQ(position, Clamped(h.steps + 1.0, 1000000.0));
        EXPECT_DOUBLE_EQ(rotation, Clamped(h.steps - 1.0, 180.0));
    }
}

TEST_F(HostileFields, ArrowOnAnAttachedPayloadSendsFiniteValuesAndClampsTheStepOnly) {
    // Attached with huge values typed in: the carrier holds what was typed
    // (attaching does not clamp), the arrow clamps the one value it steps.
    Open("vessel Tug carrier\nvessel Probe\n");
    PickPayload("Probe");
    for (int id : kFields) Type(id, "-1e300");
    Click(IDC_ATTACH_DETACH);
    ClearTrace();
    Spin(IDC_COARSE_JETTISON_ROT_Y, true);
    ASSERT_EQ(Trace().size(), 2u) << Lines(Trace());
    const std::vector<double> values = AllValues(Held("Probe"));
    for (double v : values) EXPECT_TRUE(std::isfinite(v)) << v;
    // Far below the limit, one step up still leaves it there: clamped.
    EXPECT_DOUBLE_EQ(values[4], -180.0 * 0.017453292519943295);
    EXPECT_EQ(values[0], -1e300);
    EXPECT_EQ(Field(IDC_JETTISON_ROT_Y), "-180.000");
}

}  // namespace
