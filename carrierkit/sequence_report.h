// A failing sequence for people: each message with the carrier's answer and
// what a carrier that keeps every promise may answer, the one that broke a
// promise marked, the promise, and the parameter sets it used.
#ifndef BRASK_CARRIERKIT_SEQUENCE_REPORT_H
#define BRASK_CARRIERKIT_SEQUENCE_REPORT_H

#include <string>
#include <vector>

#include "carrierkit/promise_model.h"
#include "carrierkit/sequence_shrink.h"

namespace promise {

// "PLMSG_DETACH "Probe", parameter 1 (add the jettison velocity)".
std::string DescribeMessage(const Cast& cast, const Message& m);

// The lines under a finding, indented, for the run `outcome` of `sequence`
// that broke `breach`.
std::vector<std::string> DescribeSequence(const Cast& cast, const Sequence& sequence,
                                          const Outcome& outcome, const Breach& breach);

}  // namespace promise

#endif
