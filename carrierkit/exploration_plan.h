// What the exploration sends a carrier: the cast of names and parameter
// sets, every message the exhaustive part combines, the fixed scripts that
// reach further, and the random sequences. Plain code: the same seed gives
// the same sequences on every compiler and architecture.
#ifndef BRASK_CARRIERKIT_EXPLORATION_PLAN_H
#define BRASK_CARRIERKIT_EXPLORATION_PLAN_H

#include <stddef.h>
#include <stdint.h>

#include <vector>

#include "carrierkit/promise_model.h"

namespace promise {

// The cast's names, by index. The first five take part in every kind of
// message; the others are asked about, to tell names apart.
enum CastName : uint8_t {
    kProbe,        // a payload
    kRover,        // another payload
    kNobody,       // no vessel's name
    kLong,         // a vessel's name of 255 characters
    kHauler,       // the carrier's own name
    kProbeUpper,   // "Probe" in capitals: another vessel
    kProbeSuffix,  // "Probe" and more: another vessel
    kEmpty,        // the empty name
    kCastNames
};
// Parameter sets A, B and C: every value distinct, so that a field read from
// the wrong place shows.
enum CastSet : uint8_t { kSetA, kSetB, kSetC };

// A message, briefly: sequences are written as lists of these.
inline Message Msg(Kind kind, uint8_t name, uint8_t set = kSetA, bool flag = false) {
    Message m;
    m.kind = kind;
    m.name = name;
    m.set = set;
    m.flag = flag;
    return m;
}

const Cast& ExplorationCast();

// The messages the exhaustive part combines: each kind over the first five
// names, with sets A and B, forces on and off, with and without the jettison
// velocity. Attaches come first, so that the first sequence to show a fault
// tends to be the one a carrier author thinks of first.
std::vector<Message> ExhaustiveAlphabet();

// Sequences written by hand that reach further than the exhaustive depth:
// a fresh carrier asked about every name, two payloads attached, detached,
// attached again, their parameters and forces changed.
std::vector<Sequence> ScriptedSequences();

constexpr size_t kRandomMin = 4;
constexpr size_t kRandomMax = 12;

// Random sequence number `index` from `seed`: 4 to 12 messages over one or
// two of the five names and a few kinds of message, chosen anew for each
// sequence, mostly sent to a name the message can act on (an attach to a
// payload a keeping carrier would not hold, the others to one it would), so
// that deep interplay of few messages comes up often.
Sequence RandomSequence(uint64_t seed, uint64_t index);

// The next sequence of an odometer over `digits` (letters of an alphabet of
// `base`), changing digit `at` or one before it, so that every sequence
// that shares digits[0..at] with the current one is passed over. False
// after the last.
bool NextSequence(std::vector<size_t>* digits, size_t base, size_t at);

}  // namespace promise

#endif
