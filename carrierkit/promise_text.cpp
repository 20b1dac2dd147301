// The model's words: the promises, what a keeping carrier may answer, and the
// clauses that tell a carrier author how a payload came to be where it is.
#include <cmath>

#include "carrierkit/promise_model.h"

namespace promise {

namespace {

bool SameValues(const Values& a, const Values& b) {
    for (int f = 0; f < kFields; ++f) {
        const double scale = std::fabs(b.field[f]) > 1.0 ? std::fabs(b.field[f]) : 1.0;
        if (!(std::fabs(a.field[f] - b.field[f]) <= 1e-9 * scale)) return false;
    }
    return true;
}

char Lower(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }

// Names a careless comparison takes for one another: equal but for case, or
// one the other's beginning.
bool Similar(const std::string& a, const std::string& b) {
    const size_t n = a.size() < b.size() ? a.size() : b.size();
    for (size_t i = 0; i < n; ++i) {
        if (Lower(a[i]) != Lower(b[i])) return false;
    }
    return true;
}

}  // namespace

const char* FieldName(int field) {
    static const char* const kNames[kFields] = {
        "position.x",         "position.y",         "position.z",
        "shipRotation.x",     "shipRotation.y",     "shipRotation.z",
        "jettisonRotation.x", "jettisonRotation.y", "jettisonRotation.z",
        "jettisonVelocity"};
    return field >= 0 && field < kFields ? kNames[field] : "?";
}

bool FieldIsAngle(int field) { return field >= 3 && field <= 8; }

const char* PromiseText(int promise) {
    switch (promise) {
    case 1:
        return "answer PLMSG_IS_CARRIER with a non-zero value";
    case 2:
        return "answer PLMSG_IS_ATTACHED with a non-zero value exactly when the named payload is "
               "attached to it, and 0 for every other name, its own included";
    case 3:
        return "on PLMSG_ATTACH, attach the vessel named in the record with the record's "
               "parameters and answer 1, or answer anything else when it does not attach it; "
               "its own name it always refuses, and an answer and what it holds never disagree";
    case 4:
        return "on PLMSG_DETACH, release the named payload and answer 1; answer anything but 1 "
               "for a payload it does not hold";
    case 5:
        return "on PLMSG_SET_PARAMS, take over during the call the whole parameter set of the "
               "payload named in the record, and change no other payload";
    case 6:
        return "on PLMSG_GET_PARAMS, for a payload it holds, point record at a record of its "
               "current parameters and answer non-zero; answer 0 for any other name";
    case 7:
        return "on PLMSG_SET_FORCES, switch the added forces of the named payload on (1) or off "
               "(0), so that a later PLMSG_GET_PARAMS reports the setting in addForces";
    default:
        return "the PLMSG_ATTACH record is the carrier's, released exactly once with "
               "HeapFree(GetProcessHeap(), 0, r): at once if it refuses, else when the "
               "attachment ends; the PLMSG_SET_PARAMS record, the query and the name texts are "
               "only lent for the call";
    }
}

std::string Quoted(const std::string& name) {
    if (name.size() <= 24) return "\"" + name + "\"";
    return "\"" + name.substr(0, 12) + "...\" (" + std::to_string(name.size()) + " characters)";
}

std::string SetName(const Cast& cast, const Values& values) {
    for (size_t i = 0; i < cast.sets.size(); ++i) {
        if (SameValues(values, cast.sets[i])) {
            return std::string("set ") + static_cast<char>('A' + i);
        }
    }
    return std::string();
}

std::string Model::Expected(const Message& m) const {
    const Payload& p = payloads_[m.name];
    switch (m.kind) {
    case Kind::IsCarrier:
        return "non-zero";
    case Kind::IsAttached:
        return p.held ? "non-zero" : "0";
    case Kind::Attach:
        if (m.name == cast_.own) return "anything but 1 (its own name)";
        if (p.held) return "1 or a refusal (it holds it already)";
        if (!cast_.vessel[m.name]) return "1 or a refusal (no vessel's name)";
        return "1";
    case Kind::Detach:
        return p.held ? "1" : "anything but 1 (it does not hold it)";
    case Kind::SetParams:
    case Kind::SetForces:
        return "any answer (the editor ignores it)";
    case Kind::GetParams: {
        if (!p.held) return "0";
        const std::string set = SetName(cast_, p.values);
        const char* forces = p.forces == kOff ? "0" : p.forces == kOn ? "1" : "0 or 1";
        return "non-zero, " + (set.empty() ? std::string("its values") : set) + ", addForces " +
               forces;
    }
    }
    return std::string();
}

std::string Model::WhyNotHeld(int name, std::string* key) const {
    const Payload& p = payloads_[name];
    if (name == cast_.own) {
        *key = "own";
        return p.last == Last::Refused
                   ? "after PLMSG_ATTACH of its own name, though no vessel holds itself"
                   : "though it is its own name, and no vessel holds itself";
    }
    switch (p.last) {
    case Last::Detached:
        *key = "detached";
        return p.detachedWithVelocity ? "after it was detached with the jettison velocity"
                                      : "after it was detached";
    case Last::Refused:
        *key = "refused";
        return "after a refused PLMSG_ATTACH of it (answered " + std::to_string(p.lastAnswer) +
               ")";
    case Last::StraySet:
        *key = "not-held";
        return p.everHeld ? "after PLMSG_SET_PARAMS for a payload it no longer holds"
                          : "after PLMSG_SET_PARAMS for a payload it never held";
    case Last::StrayForces:
        *key = "not-held";
        return p.everHeld ? "after PLMSG_SET_FORCES for a payload it no longer holds"
                          : "after PLMSG_SET_FORCES for a payload it never held";
    case Last::Never:
    case Last::Attached:
        break;
    }
    std::vector<int> held;
    bool similar = false;
    for (size_t i = 0; i < payloads_.size(); ++i) {
        if (!payloads_[i].held) continue;
        held.push_back(static_cast<int>(i));
        similar = similar || Similar(cast_.names[i], cast_.names[name]);
    }
    if (held.empty()) {
        *key = "not-held";
        return everAttached_ ? "though it holds nothing" : "though nothing was ever attached";
    }
    *key = "not-held";
    std::string when = "while only ";
    if (held.size() == 1) {
        when += Quoted(cast_.names[held[0]]) + " is attached";
    } else if (held.size() == 2) {
        when += Quoted(cast_.names[held[0]]) + " and " + Quoted(cast_.names[held[1]]) +
                " are attached";
    } else {
        when += std::to_string(held.size()) + " other payloads are attached";
    }
    if (similar) when += ", and payloads are told apart by their whole name, case included";
    return when;
}

std::string Model::SinceValues(int name, std::string* key) const {
    const Payload& p = payloads_[name];
    for (size_t i = events_.size(); i-- > 0;) {
        const Event& e = events_[i];
        if (e.step <= p.valuesSince) break;
        const std::string other = Quoted(cast_.names[e.name]);
        if (e.name == name) {
            if (e.kind != Kind::Attach) continue;
            *key = "/refused-attach";
            return ", before a refused PLMSG_ATTACH of it (answered " + std::to_string(e.answer) +
                   "), which changes nothing";
        }
        switch (e.kind) {
        case Kind::Attach:
            if (e.answer != 1) continue;
            *key = "/other-attached";
            return ", before " + other + " was attached";
        case Kind::Detach:
            *key = "/other-detached";
            return ", before " + other + " was detached";
        case Kind::SetParams:
            *key = "/other-set";
            return ", before PLMSG_SET_PARAMS for " + other;
        default:
            continue;
        }
    }
    key->clear();
    return std::string();
}

std::string Model::Source(int name) const {
    switch (payloads_[name].from) {
    case From::Attached:
        return "attached";
    case From::AttachedAgain:
        return "attached again after a detach";
    case From::AttachedWhileHeld:
        return "attached again while it held it";
    case From::SetParams:
        return "set with PLMSG_SET_PARAMS";
    }
    return std::string();
}

std::string Model::ForcesReason(int name) const {
    const Payload& p = payloads_[name];
    switch (p.forcesWhy) {
    case ForcesWhy::StartOff:
        return "after attaching with forces off in the record";
    case ForcesWhy::SwitchedOn:
        return "after PLMSG_SET_FORCES switched them on";
    case ForcesWhy::SwitchedOff:
        return "after PLMSG_SET_FORCES switched them off";
    case ForcesWhy::Reported:
        return std::string("after it reported them ") + (p.forces == kOn ? "on" : "off") +
               " and nothing switched them since";
    }
    return std::string();
}

}  // namespace promise
