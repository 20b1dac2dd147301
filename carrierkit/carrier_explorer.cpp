#include "carrierkit/carrier_explorer.h"

#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <map>

#include "carrierkit/exploration_plan.h"
#include "carrierkit/sequence_report.h"

namespace {

using promise::Outcome;
using promise::Sequence;

class Clock {
public:
    Clock() {
        QueryPerformanceFrequency(&frequency_);
        QueryPerformanceCounter(&start_);
    }
    double Seconds() const {
        LARGE_INTEGER now;
        QueryPerformanceCounter(&now);
        return static_cast<double>(now.QuadPart - start_.QuadPart) /
               static_cast<double>(frequency_.QuadPart);
    }

private:
    LARGE_INTEGER frequency_;
    LARGE_INTEGER start_;
};

class Explorer {
public:
    explicit Explorer(SequenceRunner& runner) : runner_(runner) {}

    Outcome Run(const Sequence& s) {
        Outcome o = runner_.Run(s);
        Note(s, o);
        return o;
    }

    // Cuts every newly found fault's sequence down; what the cutting runs
    // show of other faults is taken in too.
    void ShrinkPending() {
        const uint64_t before = runner_.Runs();
        while (!pending_.empty()) {
            const std::string key = pending_.back();
            pending_.pop_back();
            if (found_[key].shrunk) continue;
            const Sequence start = found_[key].sequence;
            promise::Shrink(start, key, [this](const Sequence& c) { return Run(c); });
            // Every shorter sequence the cutting met is in found_ by now.
            found_[key].shrunk = true;
        }
        shrinkRuns_ += runner_.Runs() - before;
    }

    bool NoCarrier() const { return noCarrier_; }
    uint64_t ShrinkRuns() const { return shrinkRuns_; }

    std::vector<ConformanceFinding> Findings() const {
        std::vector<const Found*> sorted;
        for (const auto& f : found_) sorted.push_back(&f.second);
        std::sort(sorted.begin(), sorted.end(), [](const Found* a, const Found* b) {
            if (a->sequence.size() != b->sequence.size()) {
                return a->sequence.size() < b->sequence.size();
            }
            return a->order < b->order;
        });
        std::vector<ConformanceFinding> findings;
        const promise::Cast& cast = promise::ExplorationCast();
        for (const Found* f : sorted) {
            ConformanceFinding finding;
            finding.message = f->breach.text;
            if (f->breach.key.compare(0, 6, "setup/") == 0) {
                finding.check = "setup";
            } else {
                finding.check = f->breach.promise > 0
                                    ? "promise " + std::to_string(f->breach.promise)
                                    : "record ownership";
                finding.details =
                    promise::DescribeSequence(cast, f->sequence, f->outcome, f->breach);
            }
            findings.push_back(finding);
        }
        return findings;
    }

private:
    struct Found {
        Sequence sequence;
        Outcome outcome;
        promise::Breach breach;
        size_t order = 0;
        bool shrunk = false;
    };

    // Keeps, for each fault, the shortest sequence that shows it.
    void Note(const Sequence& s, const Outcome& o) {
        if (o.failedAt == Outcome::kPassed) return;
        const Sequence cut = promise::UpToFailure(s, o);
        for (const promise::Breach& b : o.breaches) {
            if (b.key == "setup/no-carrier") noCarrier_ = true;
            auto it = found_.find(b.key);
            if (it != found_.end() && it->second.sequence.size() <= cut.size()) continue;
            const size_t order = it != found_.end() ? it->second.order : found_.size();
            found_[b.key] = Found{cut, o, b, order, false};
            pending_.push_back(b.key);
        }
    }

    SequenceRunner& runner_;
    std::map<std::string, Found> found_;
    std::vector<std::string> pending_;
    bool noCarrier_ = false;
    uint64_t shrinkRuns_ = 0;
};

std::string Count(uint64_t n) {
    std::string digits = std::to_string(n);
    for (size_t i = digits.size(); i > 3; i -= 3) digits.insert(i - 3, ",");
    return digits;
}

}  // namespace

std::vector<ConformanceFinding> ExploreCarrier(SequenceRunner& runner,
                                               const ExploreOptions& options,
                                               ExploreStats* stats) {
    const Clock clock;
    Explorer explorer(runner);
    ExploreStats counted;
    counted.seed = options.seed;

    // A carrier made and destroyed, before anything else.
    explorer.Run(Sequence());
    if (!explorer.NoCarrier()) {
        // Every sequence of three messages, which holds every shorter one as
        // its start; a start that fails is not sent again with other endings.
        const std::vector<promise::Message> alphabet = promise::ExhaustiveAlphabet();
        const size_t depth = 3;
        std::vector<size_t> digits(depth, 0);
        Sequence sequence(depth);
        size_t at = depth - 1;
        do {
            for (size_t i = 0; i < depth; ++i) sequence[i] = alphabet[digits[i]];
            const Outcome o = explorer.Run(sequence);
            ++counted.exhaustive;
            at = o.failedAt < depth ? o.failedAt : depth - 1;
        } while (promise::NextSequence(&digits, alphabet.size(), at));
        explorer.ShrinkPending();

        for (const Sequence& script : promise::ScriptedSequences()) {
            explorer.Run(script);
            ++counted.scripted;
            explorer.ShrinkPending();
        }

        for (uint64_t i = 0;; ++i) {
            if (options.randomSequences >= 0) {
                if (i >= static_cast<uint64_t>(options.randomSequences)) break;
            } else if (clock.Seconds() >= options.budgetSeconds) {
                break;
            }
            explorer.Run(promise::RandomSequence(options.seed, i));
            ++counted.random;
            explorer.ShrinkPending();
        }
    }
    counted.shrinking = explorer.ShrinkRuns();
    counted.seconds = clock.Seconds();
    if (stats != nullptr) *stats = counted;
    return explorer.Findings();
}

std::string FormatStats(const ExploreStats& stats) {
    char seconds[32];
    std::snprintf(seconds, sizeof seconds, "%.1f", stats.seconds);
    std::string text = "explored " + Count(stats.exhaustive) + " sequences of up to 3 messages, " +
                       Count(stats.scripted) + " fixed longer ones and " + Count(stats.random) +
                       " random ones of " + std::to_string(promise::kRandomMin) + " to " +
                       std::to_string(promise::kRandomMax) + " messages from seed " +
                       std::to_string(stats.seed);
    if (stats.shrinking > 0) {
        text += ", and " + Count(stats.shrinking) + " more to shorten failing ones";
    }
    return text + ", in " + seconds + " s";
}
