#include "carrierkit/sequence_shrink.h"

namespace promise {

namespace {

Sequence Without(const Sequence& s, size_t first, size_t count) {
    Sequence out(s.begin(), s.begin() + static_cast<std::ptrdiff_t>(first));
    out.insert(out.end(), s.begin() + static_cast<std::ptrdiff_t>(first + count), s.end());
    return out;
}

class Shrinker {
public:
    Shrinker(const Sequence& failing, const std::string& key, const RunSequence& run,
             size_t maxRuns)
        : current_(failing), key_(key), run_(run), maxRuns_(maxRuns) {}

    Sequence Run() {
        while (LeaveOutRuns() || LeaveOutPairs()) {
        }
        return current_;
    }

private:
    // True, with the candidate taken, when it still breaks the promise.
    bool Try(const Sequence& candidate) {
        if (runs_ >= maxRuns_) return false;
        ++runs_;
        const Outcome outcome = run_(candidate);
        if (!outcome.Breaks(key_)) return false;
        current_ = UpToFailure(candidate, outcome);
        return true;
    }

    // Halves first, then ever shorter runs down to single messages.
    bool LeaveOutRuns() {
        for (size_t chunk = current_.size() / 2; chunk >= 1; chunk /= 2) {
            for (size_t first = 0; first + chunk <= current_.size(); first += chunk) {
                if (Try(Without(current_, first, chunk))) return true;
            }
        }
        return !current_.empty() && Try(Sequence());
    }

    // Two messages that only matter together, such as a detach and the
    // attach after it.
    bool LeaveOutPairs() {
        for (size_t i = 0; i + 1 < current_.size(); ++i) {
            for (size_t j = i + 1; j < current_.size(); ++j) {
                Sequence candidate = Without(current_, j, 1);
                candidate.erase(candidate.begin() + static_cast<std::ptrdiff_t>(i));
                if (Try(candidate)) return true;
            }
        }
        return false;
    }

    Sequence current_;
    const std::string& key_;
    const RunSequence& run_;
    size_t maxRuns_;
    size_t runs_ = 0;
};

}  // namespace

bool Outcome::Breaks(const std::string& key) const {
    if (failedAt == kPassed) return false;
    for (const Breach& b : breaches) {
        if (b.key == key) return true;
    }
    return false;
}

Sequence UpToFailure(const Sequence& failing, const Outcome& outcome) {
    if (outcome.failedAt >= failing.size()) return failing;
    const auto end = failing.begin() + static_cast<std::ptrdiff_t>(outcome.failedAt + 1);
    return Sequence(failing.begin(), end);
}

Sequence Shrink(const Sequence& failing, const std::string& key, const RunSequence& run,
                size_t maxRuns) {
    return Shrinker(failing, key, run, maxRuns).Run();
}

}  // namespace promise
