// What a run of a sequence showed, and cutting a failing sequence down to
// one a carrier author can follow. Plain code: the runs themselves are
// handed in.
#ifndef BRASK_CARRIERKIT_SEQUENCE_SHRINK_H
#define BRASK_CARRIERKIT_SEQUENCE_SHRINK_H

#include <stddef.h>

#include <functional>
#include <string>
#include <vector>

#include "carrierkit/promise_model.h"

namespace promise {

// One sequence sent to a fresh carrier, which is destroyed after it. The run
// stops at the first message that breaks a promise.
struct Outcome {
    static constexpr size_t kPassed = static_cast<size_t>(-1);
    // The message that broke a promise; the sequence's length when it was the
    // carrier's destruction; kPassed when nothing did.
    size_t failedAt = kPassed;
    std::vector<Breach> breaches;       // what that message (or the destruction) broke
    std::vector<Observation> observed;  // one for each message sent

    bool Breaks(const std::string& key) const;
};

using RunSequence = std::function<Outcome(const Sequence&)>;

// `failing` cut short after the message that broke a promise.
Sequence UpToFailure(const Sequence& failing, const Outcome& outcome);

// Cuts `failing`, which breaks `key`, down to a sequence that still breaks
// it and from which no run of messages, no single message and no two
// messages can be left out. Each candidate is one `run`; at most `maxRuns`.
Sequence Shrink(const Sequence& failing, const std::string& key, const RunSequence& run,
                size_t maxRuns = 2000);

}  // namespace promise

#endif
