#include "carrierkit/promise_model.h"

#include <cmath>
#include <cstdio>

namespace promise {

namespace {

bool Near(double got, double want) {
    // Room for a carrier that keeps its own units and converts back.
    return std::fabs(got - want) <= 1e-9 * (std::fabs(want) > 1.0 ? std::fabs(want) : 1.0);
}

std::string Number(double value) {
    char text[64];
    std::snprintf(text, sizeof text, "%.6g", value);
    return text;
}

void Add(std::vector<Breach>* breaches, std::string key, int promise, std::string text) {
    breaches->push_back(Breach{std::move(key), promise, std::move(text)});
}

}  // namespace

Model::Model(const Cast& cast) : cast_(cast), payloads_(cast.names.size()) {}

bool Model::HoldsAny() const {
    for (const Payload& p : payloads_) {
        if (p.held) return true;
    }
    return false;
}

void Model::Step(const Message& m, const Observation& o, std::vector<Breach>* breaches) {
    ++step_;
    const std::string& name = cast_.names[m.name];
    switch (m.kind) {
    case Kind::IsCarrier:
        if (o.answer == 0) {
            Add(breaches, "is-carrier", 1,
                HoldsAny() ? "PLMSG_IS_CARRIER answered 0 while it holds a payload: the editor "
                             "lists only vessels that answer non-zero"
                           : "PLMSG_IS_CARRIER answered 0: the editor lists only vessels that "
                             "answer non-zero, so it would never offer this carrier");
        }
        break;
    case Kind::IsAttached:
        if (payloads_[m.name].held && o.answer == 0) {
            Add(breaches, "is-attached/held", 2,
                "PLMSG_IS_ATTACHED for " + Quoted(name) + " answered 0 after it was " +
                    (payloads_[m.name].from == From::SetParams ? "attached" : Source(m.name)) +
                    ": the editor would list it as attached to no carrier");
        } else if (!payloads_[m.name].held && o.answer != 0) {
            const Payload& p = payloads_[m.name];
            if (p.last == Last::Refused && m.name != cast_.own) {
                Add(breaches, "attach/refused-but-held", 3,
                    "answered " + std::to_string(p.lastAnswer) + " to PLMSG_ATTACH of " +
                        Quoted(name) +
                        " yet holds it: only 1 means attached, so the editor shows it as not "
                        "attached");
            } else {
                std::string key;
                const std::string when = WhyNotHeld(m.name, &key);
                Add(breaches, "is-attached/" + key, 2,
                    "PLMSG_IS_ATTACHED for " + Quoted(name) + " answered " +
                        std::to_string(o.answer) + " " + when +
                        ": the editor would label it as held by this carrier");
            }
        }
        break;
    case Kind::Attach:
        JudgeAttach(m, o, breaches);
        break;
    case Kind::Detach:
        JudgeDetach(m, o, breaches);
        break;
    case Kind::GetParams:
        JudgeGetParams(m, o, breaches);
        break;
    case Kind::SetParams:
    case Kind::SetForces:
        break;  // the editor ignores these answers; what they changed shows later
    }
    Learn(m, o);
}

void Model::JudgeAttach(const Message& m, const Observation& o, std::vector<Breach>* b) {
    const std::string& name = cast_.names[m.name];
    if (m.name == cast_.own) {
        if (o.answer == 1) {
            Add(b, "attach/own", 3,
                "answered 1 to PLMSG_ATTACH of its own name " + Quoted(name) +
                    ": a carrier attaches only other vessels, so it refuses its own name and "
                    "releases that record at once");
        }
        return;
    }
    if (cast_.vessel[m.name] && !payloads_[m.name].held && o.answer != 1) {
        Add(b, "attach/vessel-refused", 3,
            "PLMSG_ATTACH of " + Quoted(name) + " answered " + std::to_string(o.answer) +
                ": a carrier attaches any other vessel it does not hold yet, and only an answer "
                "of exactly 1 tells the editor it did");
    }
}

void Model::JudgeDetach(const Message& m, const Observation& o, std::vector<Breach>* b) {
    const std::string& name = cast_.names[m.name];
    const Payload& p = payloads_[m.name];
    if (p.held && o.answer != 1) {
        std::string text = "PLMSG_DETACH of " + Quoted(name) +
                           (m.flag ? " with the jettison velocity (parameter 1)" : "") +
                           " answered " + std::to_string(o.answer) + " while it holds it: ";
        text += name.size() >= 255 ? "names run to 255 characters"
                                   : "only 1 tells the editor the payload is released";
        Add(b, "detach/held", 4, text);
    } else if (!p.held && o.answer == 1) {
        Add(b, "detach/unheld", 4,
            p.last == Last::Detached
                ? "PLMSG_DETACH of " + Quoted(name) +
                      " answered 1 a second time: it no longer holds it, and the editor would "
                      "show a release that never happened"
                : "PLMSG_DETACH of " + Quoted(name) +
                      " answered 1 though it holds no such payload: the editor would show a "
                      "release that never happened");
    }
}

void Model::JudgeGetParams(const Message& m, const Observation& o,
                           std::vector<Breach>* b) const {
    const std::string& name = cast_.names[m.name];
    if (!payloads_[m.name].held) {
        if (o.answer == 0) return;
        std::string key;
        const std::string when = WhyNotHeld(m.name, &key);
        Add(b, "get/unheld/" + key, 6,
            "PLMSG_GET_PARAMS for " + Quoted(name) + " answered " + std::to_string(o.answer) +
                " " + when +
                ": the editor would show parameters of a payload the carrier does not hold");
        return;
    }
    if (o.answer == 0) {
        Add(b, "get/held-0", 6,
            "PLMSG_GET_PARAMS for " + Quoted(name) + " answered 0 though it was " +
                Source(m.name) +
                ": the editor would show none of its parameters and could not step them");
        return;
    }
    if (o.recordRead) JudgeRecord(m.name, o, b);
}

void Model::JudgeRecord(int name, const Observation& o, std::vector<Breach>* b) const {
    const Payload& p = payloads_[name];
    const std::string prefix = "PLMSG_GET_PARAMS for " + Quoted(cast_.names[name]);
    for (int f = 0; f < kFields; ++f) {
        if (o.poisoned & (1u << f)) {
            Add(b, "get/freed", 6,
                prefix + " reports " + FieldName(f) +
                    " from a block that was freed after its call (a kept pointer to a "
                    "PLMSG_SET_PARAMS record, say): copy what you need during the call");
            return;
        }
    }
    for (int f = 0; f < kFields; ++f) {
        if (Near(o.got.field[f], p.values.field[f])) continue;
        std::string sinceKey;
        const std::string since = SinceValues(name, &sinceKey);
        static const char* const kFromKeys[] = {"attached", "reattached", "attached-while-held",
                                                "set-params"};
        // The promise is the message that went wrong: the one since, else
        // the one that set the values, else the report itself.
        int promise = 6;
        if (sinceKey == "/other-detached") {
            promise = 4;
        } else if (sinceKey == "/other-set" || (sinceKey.empty() && p.from == From::SetParams)) {
            promise = 5;
        } else if (!sinceKey.empty() || p.from != From::Attached) {
            promise = 3;
        }
        // What happened since is told, not keyed: it may have played no part.
        Add(b, "get/values/" + std::string(kFromKeys[static_cast<int>(p.from)]),
            promise,
            prefix + " reports " + FieldName(f) + " = " + Number(o.got.field[f]) + ", not " +
                Number(p.values.field[f]) + " as " + Source(name) + since +
                (FieldIsAngle(f) ? " (angles travel in radians)" : "") +
                ": the editor would show and step the wrong value");
        return;
    }
    const uint8_t reported = o.addForces != 0 ? kOn : kOff;
    if ((p.forces & reported) == 0) {
        static const char* const kWhyKeys[] = {"start-off", "on", "off", "reported"};
        Add(b, std::string("get/forces/") + kWhyKeys[static_cast<int>(p.forcesWhy)], 7,
            prefix + " reports addForces = " + std::to_string(o.addForces) + " " +
                ForcesReason(name) + ": the editor sets its Add Forces box from it");
    }
}

void Model::Learn(const Message& m, const Observation& o) {
    Payload& p = payloads_[m.name];
    switch (m.kind) {
    case Kind::Attach:
        if (o.answer == 1) {
            // Accepted again while held: a new attachment with the record's
            // values; whether the forces start off again is the carrier's choice.
            const bool wasHeld = p.held;
            p.from = wasHeld ? From::AttachedWhileHeld
                             : (p.everHeld ? From::AttachedAgain : From::Attached);
            p.forces = wasHeld ? static_cast<uint8_t>(p.forces | kOff) : uint8_t{kOff};
            if (!wasHeld) p.forcesWhy = ForcesWhy::StartOff;
            p.held = p.everHeld = everAttached_ = true;
            p.values = cast_.sets[m.set];
            p.valuesSince = step_;
            p.last = Last::Attached;
            events_.push_back(Event{step_, m.kind, m.name, o.answer});
        } else {
            if (p.held) events_.push_back(Event{step_, m.kind, m.name, o.answer});
            p.last = Last::Refused;
            p.lastAnswer = o.answer;
        }
        break;
    case Kind::Detach:
        if (p.held && o.answer == 1) {
            p.held = false;
            p.last = Last::Detached;
            p.detachedWithVelocity = m.flag;
            events_.push_back(Event{step_, m.kind, m.name, o.answer});
        }
        break;
    case Kind::SetParams:
        if (p.held) {
            p.values = cast_.sets[m.set];
            p.valuesSince = step_;
            p.from = From::SetParams;
            // A carrier may take addForces from the record, where the editor sends 0.
            p.forces |= kOff;
            events_.push_back(Event{step_, m.kind, m.name, o.answer});
        } else {
            p.last = Last::StraySet;
        }
        break;
    case Kind::SetForces:
        if (p.held) {
            p.forces = m.flag ? kOn : kOff;
            p.forcesWhy = m.flag ? ForcesWhy::SwitchedOn : ForcesWhy::SwitchedOff;
        } else {
            p.last = Last::StrayForces;
        }
        break;
    case Kind::GetParams:
        // A choice left open shows in the answer, and holds from then on.
        if (p.held && o.answer != 0 && o.recordRead) {
            const uint8_t reported = o.addForces != 0 ? kOn : kOff;
            if (p.forces == (kOff | kOn)) {
                p.forces = reported;
                p.forcesWhy = ForcesWhy::Reported;
            }
        }
        break;
    case Kind::IsCarrier:
    case Kind::IsAttached:
        break;
    }
}

}  // namespace promise
