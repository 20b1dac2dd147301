// The checks of the conformance run, each on a fresh carrier. Record
// ownership is judged by the session on every message; these judge answers.
#ifndef BRASK_CARRIERKIT_CONFORMANCE_CHECKS_H
#define BRASK_CARRIERKIT_CONFORMANCE_CHECKS_H

#include "carrierkit/conformance_session.h"

namespace conformance {

// Says it is a carrier, holds nothing, and takes no payload from a stray
// detach, parameter set or forces switch.
void CheckFreshCarrier(ConformanceSession& s);
// Holds what it accepted, by exact name, with the values sent.
void CheckAttach(ConformanceSession& s);
// A payload name of 255 characters works like any other.
void CheckLongNames(ConformanceSession& s);
// Its own name it refuses; others it may refuse, and its answer and what
// it holds agree.
void CheckRefusedAttach(ConformanceSession& s);
// Releases what it held, only that, with or without the jettison velocity.
void CheckDetach(ConformanceSession& s);
// Takes over a whole parameter set for the named payload only.
void CheckSetParams(ConformanceSession& s);
// Switches the added forces of the named payload only, both ways.
void CheckForces(ConformanceSession& s);
// A vessel that is no carrier denies being one and holding anything.
void CheckNotACarrier(ConformanceSession& s);

}  // namespace conformance

#endif
