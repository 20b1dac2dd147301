#include "carrierkit/conformance_checks.h"

#include "carrierkit/conformance_expect.h"

namespace conformance {

namespace {

const char kStartOff[] = "after attaching with forces off in the record";

}  // namespace

void CheckFreshCarrier(ConformanceSession& s) {
    const int32_t carrier = s.IsCarrier();
    if (carrier == 0) {
        s.Fail(
            "PLMSG_IS_CARRIER answered 0: the editor lists only vessels that answer non-zero, "
            "so it would never offer this carrier");
    }
    for (const std::string& name : s.World().vessels) {
        ExpectNotAttached(s, name, "though nothing was ever attached");
        ExpectNoParams(s, name, "though nothing was ever attached");
    }
    const int32_t detached = s.Detach(kProbe, false);
    if (detached == 1) {
        s.Fail("PLMSG_DETACH of " + Quoted(kProbe) +
               " answered 1 though it holds no such payload: the editor would show a release "
               "that never happened");
    }
    s.SetParams(kProbe, kFirst);
    s.SetForces(kProbe, true);
    ExpectNotAttached(s, kProbe,
                      "after PLMSG_SET_PARAMS and PLMSG_SET_FORCES for a payload it never held");
}

void CheckAttach(ConformanceSession& s) {
    if (!AttachOrFail(s, kProbe, kFirst)) return;
    ExpectAttached(s, kProbe, "after it was attached");
    for (const std::string& other : s.World().vessels) {
        if (other == kProbe) continue;
        ExpectNotAttached(s, other,
                          "while only " + Quoted(kProbe) +
                              " is attached, and payloads are told apart by their whole name, "
                              "case included");
    }
    if (s.IsCarrier() == 0) s.Fail("PLMSG_IS_CARRIER answered 0 while it holds a payload");
    ExpectParams(s, kProbe, kFirst, false, "attached", kStartOff);

    if (!AttachOrFail(s, kRover, kSecond)) return;
    ExpectAttached(s, kProbe, "after a second payload was attached");
    ExpectAttached(s, kRover, "after it was attached");
    ExpectParams(s, kProbe, kFirst, false, "attached, before a second payload", kStartOff);
    ExpectParams(s, kRover, kSecond, false, "attached", kStartOff);
    ExpectNoParams(s, kProbeSuffix,
                   "though only " + Quoted(kProbe) + " and " + Quoted(kRover) + " are attached");
}

void CheckLongNames(ConformanceSession& s) {
    const std::string name = LongName();
    if (!AttachOrFail(s, name, kSecond)) return;
    ExpectAttached(s, name, "after it was attached");
    ExpectParams(s, name, kSecond, false, "attached", kStartOff);
    const int32_t answer = s.Detach(name, false);
    if (answer != 1) {
        s.Fail("PLMSG_DETACH of " + Quoted(name) + " answered " + std::to_string(answer) +
               " while it holds it: names run to 255 characters");
    }
}

void CheckRefusedAttach(ConformanceSession& s) {
    if (!AttachOrFail(s, kProbe, kFirst)) return;
    // No vessel carries itself: its own name is refused, and never held.
    const int32_t own = s.Attach(kCarrier, kThird);
    if (own == 1) {
        s.Fail("answered 1 to PLMSG_ATTACH of its own name " + Quoted(kCarrier) +
               ": a carrier attaches only other vessels, so it refuses its own name and "
               "releases that record at once");
    }
    ExpectNotAttached(s, kCarrier,
                      "after PLMSG_ATTACH of its own name, though no vessel holds itself");
    // The carrier may take or refuse these; its answer must tell which.
    const std::string strays[] = {kNobody, ""};
    for (const std::string& name : strays) {
        const int32_t answer = s.Attach(name, kThird);
        const bool holds = s.IsAttached(name) != 0;
        if (answer == 1 && !holds) {
            s.Fail("answered 1 to PLMSG_ATTACH of " + Quoted(name) +
                   " but PLMSG_IS_ATTACHED then denies holding it: 1 means attached");
        } else if (answer != 1 && holds) {
            s.Fail("answered " + std::to_string(answer) + " to PLMSG_ATTACH of " + Quoted(name) +
                   " yet holds it: only 1 means attached, so the editor shows it as not attached");
        }
    }
    ExpectAttached(s, kProbe, "after attaches of other names");
    ExpectParams(s, kProbe, kFirst, false, "attached, before attaches of other names", kStartOff);
}

void CheckDetach(ConformanceSession& s) {
    if (!AttachOrFail(s, kProbe, kFirst) || !AttachOrFail(s, kRover, kSecond)) return;
    int32_t answer = s.Detach(kProbe, false);
    if (answer != 1) {
        s.Fail("PLMSG_DETACH of " + Quoted(kProbe) + " answered " + std::to_string(answer) +
               " while it holds it: only 1 tells the editor the payload is released");
    }
    ExpectNotAttached(s, kProbe, "after it was detached");
    ExpectNoParams(s, kProbe, "after it was detached");
    ExpectAttached(s, kRover, "after " + Quoted(kProbe) + " was detached");
    ExpectParams(s, kRover, kSecond, false, "attached, before another payload was detached",
                 kStartOff);
    answer = s.Detach(kProbe, false);
    if (answer == 1) {
        s.Fail("PLMSG_DETACH of " + Quoted(kProbe) +
               " answered 1 a second time: it no longer holds it");
    }

    // Once more, with the jettison velocity: a payload can come back.
    if (!AttachOrFail(s, kProbe, kThird)) return;
    ExpectParams(s, kProbe, kThird, false, "attached again after a detach", kStartOff);
    answer = s.Detach(kProbe, true);
    if (answer != 1) {
        s.Fail("PLMSG_DETACH of " + Quoted(kProbe) +
               " with the jettison velocity (parameter 1) answered " + std::to_string(answer) +
               " while it holds it");
    }
    ExpectNotAttached(s, kProbe, "after it was detached with the jettison velocity");
}

void CheckSetParams(ConformanceSession& s) {
    if (!AttachOrFail(s, kProbe, kFirst) || !AttachOrFail(s, kRover, kSecond)) return;
    s.SetParams(kProbe, kThird);
    ExpectParams(s, kProbe, kThird, false, "set with PLMSG_SET_PARAMS", kStartOff);
    ExpectParams(s, kRover, kSecond, false,
                 "attached, and PLMSG_SET_PARAMS went to " + Quoted(kProbe), kStartOff);
    s.SetParams(kProbe, kSecond);
    ExpectParams(s, kProbe, kSecond, false, "set with a second PLMSG_SET_PARAMS", kStartOff);
    s.SetParams(kProbeSuffix, kFirst);
    ExpectNotAttached(s, kProbeSuffix, "after PLMSG_SET_PARAMS for a payload it never held");
}

void CheckForces(ConformanceSession& s) {
    if (!AttachOrFail(s, kProbe, kFirst) || !AttachOrFail(s, kRover, kSecond)) return;
    s.SetForces(kProbe, true);
    ExpectParams(s, kProbe, kFirst, true, "attached, and PLMSG_SET_FORCES changes only the forces",
                 "after PLMSG_SET_FORCES switched them on");
    ExpectParams(s, kRover, kSecond, false, "attached",
                 "though PLMSG_SET_FORCES went to " + Quoted(kProbe));
    s.SetForces(kProbe, false);
    ExpectParams(s, kProbe, kFirst, false, "attached", "after PLMSG_SET_FORCES switched them off");
    s.SetForces(kProbeSuffix, true);
    ExpectNotAttached(s, kProbeSuffix, "after PLMSG_SET_FORCES for a payload it never held");
}

void CheckNotACarrier(ConformanceSession& s) {
    const int32_t carrier = s.IsCarrier();
    if (carrier != 0) {
        s.Fail("PLMSG_IS_CARRIER answered " + std::to_string(carrier) +
               " from a vessel that is no carrier: the editor would list it as one");
    }
    for (const std::string& name : s.World().vessels) {
        ExpectNotAttached(s, name, "from a vessel that is no carrier");
    }
}

}  // namespace conformance
