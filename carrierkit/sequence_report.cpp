#include "carrierkit/sequence_report.h"

#include <cstdio>

namespace promise {

namespace {

const char* MessageName(Kind kind) {
    switch (kind) {
    case Kind::IsCarrier:
        return "PLMSG_IS_CARRIER";
    case Kind::IsAttached:
        return "PLMSG_IS_ATTACHED";
    case Kind::Attach:
        return "PLMSG_ATTACH";
    case Kind::Detach:
        return "PLMSG_DETACH";
    case Kind::SetParams:
        return "PLMSG_SET_PARAMS";
    case Kind::GetParams:
        return "PLMSG_GET_PARAMS";
    case Kind::SetForces:
        return "PLMSG_SET_FORCES";
    }
    return "?";
}

std::string Answer(const Cast& cast, const Message& m, const Observation& o) {
    std::string text = std::to_string(o.answer);
    if (m.kind != Kind::GetParams || o.answer == 0) return text;
    if (!o.recordRead) return text + ", no record fit to read";
    if (o.poisoned != 0) return text + ", a record in freed memory";
    const std::string set = SetName(cast, o.got);
    return text + ", " + (set.empty() ? std::string("values of no set") : set) +
           ", addForces " + std::to_string(o.addForces);
}

std::string Triple(const Values& v, int first) {
    char text[96];
    std::snprintf(text, sizeof text, "(%g, %g, %g)", v.field[first], v.field[first + 1],
                  v.field[first + 2]);
    return text;
}

std::string DescribeSet(const Cast& cast, size_t set) {
    const Values& v = cast.sets[set];
    char velocity[32];
    std::snprintf(velocity, sizeof velocity, "%g", v.field[9]);
    return std::string("set ") + static_cast<char>('A' + set) + ": position " + Triple(v, 0) +
           ", ship rotation " + Triple(v, 3) + ", jettison rotation " + Triple(v, 6) +
           " (radians), jettison velocity " + velocity;
}

}  // namespace

std::string DescribeMessage(const Cast& cast, const Message& m) {
    std::string text = MessageName(m.kind);
    if (m.kind == Kind::IsCarrier) return text;
    text += " " + Quoted(cast.names[m.name]);
    switch (m.kind) {
    case Kind::Attach:
    case Kind::SetParams:
        text += std::string(" with set ") + static_cast<char>('A' + m.set);
        break;
    case Kind::Detach:
        text += m.flag ? ", parameter 1 (add the jettison velocity)" : ", parameter 0";
        break;
    case Kind::SetForces:
        text += m.flag ? ", parameter 1 (forces on)" : ", parameter 0 (forces off)";
        break;
    default:
        break;
    }
    return text;
}

std::vector<std::string> DescribeSequence(const Cast& cast, const Sequence& sequence,
                                          const Outcome& outcome, const Breach& breach) {
    const std::string broken =
        breach.promise > 0 ? "promise " + std::to_string(breach.promise) : "record ownership";
    std::vector<std::string> lines;
    lines.push_back("    sent to a fresh carrier (" + std::to_string(sequence.size()) +
                    (sequence.size() == 1 ? " message" : " messages") + "):");
    Model model(cast);
    std::vector<bool> used(cast.sets.size(), false);
    std::vector<Breach> ignored;
    for (size_t i = 0; i < sequence.size() && i < outcome.observed.size(); ++i) {
        const Message& m = sequence[i];
        if (m.kind == Kind::Attach || m.kind == Kind::SetParams) used[m.set] = true;
        std::string line = "    " + std::to_string(i + 1) + ". " + DescribeMessage(cast, m) +
                           " -> " + Answer(cast, m, outcome.observed[i]) + "; expected " +
                           model.Expected(m);
        if (i == outcome.failedAt) line += "   <- breaks " + broken;
        lines.push_back(line);
        model.Step(m, outcome.observed[i], &ignored);
    }
    if (outcome.failedAt == sequence.size()) {
        lines.push_back("    " + std::to_string(sequence.size() + 1) +
                        ". the carrier is destroyed, which ends every attachment it holds" +
                        "   <- breaks " + broken);
    }
    lines.push_back("    " + broken + ": " + PromiseText(breach.promise));
    for (size_t s = 0; s < used.size(); ++s) {
        if (used[s]) lines.push_back("    " + DescribeSet(cast, s));
    }
    return lines;
}

}  // namespace promise
