// The world the checks run in, the values they send, and the expectations
// they share: each sends what the editor would send and reports, in the
// editor's terms, an answer it would misread.
#ifndef BRASK_CARRIERKIT_CONFORMANCE_EXPECT_H
#define BRASK_CARRIERKIT_CONFORMANCE_EXPECT_H

#include <string>

#include "carrierkit/conformance_session.h"

namespace conformance {

extern const char kCarrier[];
extern const char kProbe[];
extern const char kRover[];
extern const char kProbeUpper[];   // "Probe" in capitals: another vessel
extern const char kProbeSuffix[];  // "Probe" and more: another vessel
extern const char kNobody[];       // no vessel's name
std::string LongName();            // a vessel's name of 255 characters

// Three parameter sets, every value distinct, so that a field read from the
// wrong place shows.
extern const PayloadValues kFirst;
extern const PayloadValues kSecond;
extern const PayloadValues kThird;

// Attaches and wants exactly 1; false (with a finding) otherwise.
bool AttachOrFail(ConformanceSession& s, const std::string& name, const PayloadValues& values);

// PLMSG_IS_ATTACHED must answer non-zero, or 0; `when` ends the finding's
// first clause ("after it was attached").
void ExpectAttached(ConformanceSession& s, const std::string& name, const std::string& when);
void ExpectNotAttached(ConformanceSession& s, const std::string& name, const std::string& when);

// PLMSG_GET_PARAMS must give these values and this forces setting. `source`
// says where the values came from ("attached"); `forcesWhy` why the forces
// should read as they do ("after PLMSG_SET_FORCES switched them on").
void ExpectParams(ConformanceSession& s, const std::string& name, const PayloadValues& want,
                  bool forces, const std::string& source, const std::string& forcesWhy);
// PLMSG_GET_PARAMS must answer 0.
void ExpectNoParams(ConformanceSession& s, const std::string& name, const std::string& when);

}  // namespace conformance

#endif
