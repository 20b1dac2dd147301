// The promises a carrier makes to the payload editor, as a model of what the
// editor may see: for each name, whether it is attached and with which
// parameters and forces, and which answers a carrier that keeps every promise
// may give next. Where the carrier has a free choice (refusing a name that is
// no vessel's or one it holds, taking addForces from PLMSG_SET_PARAMS), the
// model allows every choice and learns from the answer which one was made, so
// that an answer is wrong only where no allowed choice explains it.
//
// Plain code over plain values: no window, no heap watch. The record watch
// (conformance_session.h) judges what a carrier does with the blocks it is
// handed; this judges what it answers.
#ifndef BRASK_CARRIERKIT_PROMISE_MODEL_H
#define BRASK_CARRIERKIT_PROMISE_MODEL_H

#include <stdint.h>

#include <string>
#include <vector>

namespace promise {

enum class Kind : uint8_t {
    IsCarrier,
    IsAttached,
    Attach,
    Detach,
    SetParams,
    GetParams,
    SetForces
};

// The ten values of a record, angles in radians: position x, y, z, ship
// rotation x, y, z, jettison rotation x, y, z, jettison velocity.
constexpr int kFields = 10;
struct Values {
    double field[kFields];
};
const char* FieldName(int field);  // "position.x"
bool FieldIsAngle(int field);

// Who and what the messages name, by index: the names (the carrier's own
// among them), which of them are vessels of the simulation, and the
// parameter sets an attach or a parameter update carries.
struct Cast {
    std::vector<std::string> names;
    std::vector<bool> vessel;
    int own = 0;
    std::vector<Values> sets;
};

// One message as the editor sends it. `set` is the parameter set of an
// attach or a parameter update; `flag` the parameter of a detach (with the
// jettison velocity) or a forces switch (on).
struct Message {
    Kind kind = Kind::IsCarrier;
    uint8_t name = 0;
    uint8_t set = 0;
    bool flag = false;
};
inline bool operator==(const Message& a, const Message& b) {
    return a.kind == b.kind && a.name == b.name && a.set == b.set && a.flag == b.flag;
}
using Sequence = std::vector<Message>;

// What the carrier answered. For PLMSG_GET_PARAMS with a non-zero answer, the
// record it pointed at, when that could be read soundly (the record watch
// reports a pointer that could not), and which of its fields lay in a block
// already released.
struct Observation {
    int32_t answer = 0;
    bool recordRead = false;
    Values got{};
    uint16_t poisoned = 0;  // one bit per field
    int32_t addForces = 0;
};

// A promise the carrier broke. `key` tells one fault from another without
// the names involved, so that many sequences showing one fault make one
// finding; `promise` is the promise's number in the carrier authors' guide,
// 0 for record ownership.
struct Breach {
    std::string key;
    int promise = 0;
    std::string text;
};

// The promise for people: "On PLMSG_DETACH, release the named payload ...".
const char* PromiseText(int promise);

// A name for messages: quoted, and shortened when long.
std::string Quoted(const std::string& name);

// "set A" for values equal to the cast's first set; empty for values of no set.
std::string SetName(const Cast& cast, const Values& values);

class Model {
public:
    explicit Model(const Cast& cast);

    // What a carrier that keeps every promise may answer to `m` now, for
    // people: "1", "anything but 1 (its own name)", "non-zero, set A, addForces 0".
    std::string Expected(const Message& m) const;

    // Judges the answer to `m`, appends every promise it breaks, then takes
    // in what the answer tells: an attach accepted, a free choice made.
    void Step(const Message& m, const Observation& o, std::vector<Breach>* breaches);

    bool Holds(int name) const { return payloads_[name].held; }
    bool HoldsAny() const;

private:
    // How the held values came to be, and why the forces read as they do.
    enum class From : uint8_t { Attached, AttachedAgain, AttachedWhileHeld, SetParams };
    enum class ForcesWhy : uint8_t { StartOff, SwitchedOn, SwitchedOff, Reported };
    // The last message that tried to change what is held under a name.
    enum class Last : uint8_t { Never, Attached, Refused, Detached, StraySet, StrayForces };
    enum : uint8_t { kOff = 1, kOn = 2 };  // the forces settings a keeping carrier may report

    struct Payload {
        bool held = false;
        Values values{};
        uint8_t forces = kOff;
        From from = From::Attached;
        ForcesWhy forcesWhy = ForcesWhy::StartOff;
        Last last = Last::Never;
        int32_t lastAnswer = 0;
        bool detachedWithVelocity = false;
        bool everHeld = false;
        int valuesSince = 0;  // the step that set the values
    };
    // An accepted change, or a refused attach of a held name, for telling
    // what happened to a payload's values since they were set.
    struct Event {
        int step;
        Kind kind;
        int name;
        int32_t answer;
    };

    void JudgeAttach(const Message& m, const Observation& o, std::vector<Breach>* b);
    void JudgeDetach(const Message& m, const Observation& o, std::vector<Breach>* b);
    void JudgeGetParams(const Message& m, const Observation& o, std::vector<Breach>* b) const;
    void JudgeRecord(int name, const Observation& o, std::vector<Breach>* b) const;
    void Learn(const Message& m, const Observation& o);

    // "after it was detached", for a name it does not hold, and its key: one
    // for its own name, one after a detach, one after a refused attach, and
    // one for every other way (a careless comparison of names, a stray
    // message that took a payload in).
    std::string WhyNotHeld(int name, std::string* key) const;
    // ", before "Probe" was detached": the latest event since `name`'s
    // values were set, and its key.
    std::string SinceValues(int name, std::string* key) const;
    std::string Source(int name) const;  // "attached", "set with PLMSG_SET_PARAMS"
    std::string ForcesReason(int name) const;

    const Cast& cast_;
    std::vector<Payload> payloads_;
    std::vector<Event> events_;
    int step_ = 0;
    bool everAttached_ = false;
};

}  // namespace promise

#endif
