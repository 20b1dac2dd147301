#include "carrierkit/conformance_expect.h"

#include <cmath>
#include <cstdio>
#include <cstring>

namespace conformance {

const char kCarrier[] = "Hauler";
const char kProbe[] = "Probe";
const char kRover[] = "Rover";
const char kProbeUpper[] = "PROBE";
const char kProbeSuffix[] = "Probe 2";
const char kNobody[] = "Nobody";

std::string LongName() { return "Long " + std::string(kPayloadNameMax - 5, 'x'); }

const PayloadValues kFirst = {{1.25, -2.5, 3.75}, {0.1, 0.2, 0.3}, {-0.4, 0.5, -0.6}, 7.5};
const PayloadValues kSecond = {{-10.0, 20.0, -30.0}, {1.1, -1.2, 1.3}, {0.7, -0.8, 0.9}, 0.25};
const PayloadValues kThird = {{100.5, 4.0, -0.001}, {-3.0, 2.0, 3.1}, {2.5, 3.1, -3.1}, 42.0};

namespace {

std::string Number(double value) {
    char text[64];
    std::snprintf(text, sizeof text, "%.6g", value);
    return text;
}

bool Near(double got, double want) {
    // Room for a carrier that keeps its own units and converts back.
    return std::fabs(got - want) <= 1e-9 * (std::fabs(want) > 1.0 ? std::fabs(want) : 1.0);
}

bool IsPoison(double value) {
    unsigned char poison[sizeof value];
    std::memset(poison, kPoisonByte, sizeof poison);
    return std::memcmp(&value, poison, sizeof value) == 0;
}

struct Field {
    const char* name;
    double got;
    double want;
    bool angle;
};

}  // namespace

bool AttachOrFail(ConformanceSession& s, const std::string& name, const PayloadValues& values) {
    const int32_t answer = s.Attach(name, values);
    if (answer == 1) return true;
    s.Fail("PLMSG_ATTACH of " + Quoted(name) + " answered " + std::to_string(answer) +
           ": a carrier attaches any other vessel it does not hold yet, and only an answer of "
           "exactly 1 tells the editor it did; the rest of this check needs the attachment");
    return false;
}

void ExpectAttached(ConformanceSession& s, const std::string& name, const std::string& when) {
    if (s.IsAttached(name) != 0) return;
    s.Fail("PLMSG_IS_ATTACHED for " + Quoted(name) + " answered 0 " + when +
           ": the editor would list it as attached to no carrier");
}

void ExpectNotAttached(ConformanceSession& s, const std::string& name, const std::string& when) {
    const int32_t answer = s.IsAttached(name);
    if (answer == 0) return;
    s.Fail("PLMSG_IS_ATTACHED for " + Quoted(name) + " answered " + std::to_string(answer) + " " +
           when + ": the editor would label it as held by this carrier");
}

void ExpectParams(ConformanceSession& s, const std::string& name, const PayloadValues& want,
                  bool forces, const std::string& source, const std::string& forcesWhy) {
    PayloadRecord got;
    bool read = false;
    const int32_t answer = s.GetParams(name, &got, &read);
    const std::string prefix = "PLMSG_GET_PARAMS for " + Quoted(name);
    if (answer == 0) {
        s.Fail(prefix + " answered 0 though it was " + source +
               ": the editor would show none of its parameters and could not step them");
        return;
    }
    if (!read) return;  // the session has said why
    const Field fields[] = {
        {"position.x", got.position.x, want.position.x, false},
        {"position.y", got.position.y, want.position.y, false},
        {"position.z", got.position.z, want.position.z, false},
        {"shipRotation.x", got.shipRotation.x, want.shipRotation.x, true},
        {"shipRotation.y", got.shipRotation.y, want.shipRotation.y, true},
        {"shipRotation.z", got.shipRotation.z, want.shipRotation.z, true},
        {"jettisonRotation.x", got.jettisonRotation.x, want.jettisonRotation.x, true},
        {"jettisonRotation.y", got.jettisonRotation.y, want.jettisonRotation.y, true},
        {"jettisonRotation.z", got.jettisonRotation.z, want.jettisonRotation.z, true},
        {"jettisonVelocity", got.jettisonVelocity, want.jettisonVelocity, false},
    };
    for (const Field& f : fields) {
        if (IsPoison(f.got)) {
            s.Fail(prefix + " reports " + f.name +
                   " from a block that was freed after its call (a kept pointer to a "
                   "PLMSG_SET_PARAMS record, say): copy what you need during the call");
            return;
        }
        if (!Near(f.got, f.want)) {
            s.Fail(prefix + " reports " + f.name + " = " + Number(f.got) + ", not " +
                   Number(f.want) + " as " + source +
                   (f.angle ? " (angles travel in radians)" : "") +
                   ": the editor would show and step the wrong value");
            return;
        }
    }
    if ((got.addForces != 0) != forces) {
        s.Fail(prefix + " reports addForces = " + std::to_string(got.addForces) + " " + forcesWhy +
               ": the editor sets its Add Forces box from it");
    }
}

void ExpectNoParams(ConformanceSession& s, const std::string& name, const std::string& when) {
    PayloadRecord got;
    bool read = false;
    const int32_t answer = s.GetParams(name, &got, &read);
    if (answer == 0) return;
    s.Fail("PLMSG_GET_PARAMS for " + Quoted(name) + " answered " + std::to_string(answer) + " " +
           when + ": the editor would show parameters of a payload the carrier does not hold");
}

}  // namespace conformance
