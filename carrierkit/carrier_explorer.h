// The exploration: every sequence of up to three messages to a fresh
// carrier, the fixed longer scripts, then random sequences of up to twelve
// for the rest of the time budget. Every answer is judged by the promise
// model and every block by the record watch; each fault found is cut down to
// the shortest sequence that still shows it.
#ifndef BRASK_CARRIERKIT_CARRIER_EXPLORER_H
#define BRASK_CARRIERKIT_CARRIER_EXPLORER_H

#include <string>
#include <vector>

#include "carrierkit/conformance_types.h"
#include "carrierkit/sequence_runner.h"

// One finding per fault, shortest sequences first. *stats (when given) says
// what was sent and how long it took.
std::vector<ConformanceFinding> ExploreCarrier(SequenceRunner& runner,
                                               const ExploreOptions& options,
                                               ExploreStats* stats);

// "explored 132,651 sequences of up to 3 messages, ..., in 9.8 s".
std::string FormatStats(const ExploreStats& stats);

#endif
