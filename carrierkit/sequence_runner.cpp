#include "carrierkit/sequence_runner.h"

#include <cstdio>
#include <cstring>

#include "carrierkit/conformance_session.h"

namespace {

// What a crash report reads: plain pointers, set before each message.
const promise::Cast* g_cast = nullptr;
const promise::Sequence* g_sequence = nullptr;
size_t g_sending = 0;

PayloadValues ToRecordValues(const promise::Values& v) {
    PayloadValues out;
    out.position = {v.field[0], v.field[1], v.field[2]};
    out.shipRotation = {v.field[3], v.field[4], v.field[5]};
    out.jettisonRotation = {v.field[6], v.field[7], v.field[8]};
    out.jettisonVelocity = v.field[9];
    return out;
}

bool IsPoison(double value) {
    unsigned char poison[sizeof value];
    std::memset(poison, kPoisonByte, sizeof poison);
    return std::memcmp(&value, poison, sizeof value) == 0;
}

void Observe(const PayloadRecord& r, promise::Observation* o) {
    const double fields[promise::kFields] = {
        r.position.x,         r.position.y,         r.position.z,
        r.shipRotation.x,     r.shipRotation.y,     r.shipRotation.z,
        r.jettisonRotation.x, r.jettisonRotation.y, r.jettisonRotation.z,
        r.jettisonVelocity};
    o->recordRead = true;
    for (int f = 0; f < promise::kFields; ++f) {
        o->got.field[f] = fields[f];
        if (IsPoison(fields[f])) o->poisoned = static_cast<uint16_t>(o->poisoned | (1u << f));
    }
    o->addForces = r.addForces;
}

promise::Observation Send(ConformanceSession& s, const promise::Cast& cast,
                          const promise::Message& m) {
    promise::Observation o;
    const std::string& name = cast.names[m.name];
    switch (m.kind) {
    case promise::Kind::IsCarrier:
        o.answer = s.IsCarrier();
        break;
    case promise::Kind::IsAttached:
        o.answer = s.IsAttached(name);
        break;
    case promise::Kind::Attach:
        o.answer = s.Attach(name, ToRecordValues(cast.sets[m.set]));
        break;
    case promise::Kind::Detach:
        o.answer = s.Detach(name, m.flag);
        break;
    case promise::Kind::SetParams:
        o.answer = s.SetParams(name, ToRecordValues(cast.sets[m.set]));
        break;
    case promise::Kind::GetParams: {
        PayloadRecord copy;
        bool read = false;
        o.answer = s.GetParams(name, &copy, &read);
        if (read) Observe(copy, &o);
        break;
    }
    case promise::Kind::SetForces:
        o.answer = s.SetForces(name, m.flag);
        break;
    }
    return o;
}

}  // namespace

CarrierWorld WorldOf(const promise::Cast& cast) {
    CarrierWorld world;
    world.carrierName = cast.names[cast.own];
    world.vessels.push_back(world.carrierName);
    for (size_t i = 0; i < cast.names.size(); ++i) {
        if (cast.vessel[i] && static_cast<int>(i) != cast.own) {
            world.vessels.push_back(cast.names[i]);
        }
    }
    return world;
}

SequenceRunner::SequenceRunner(const CarrierFactory& make, const promise::Cast& cast,
                               RecordLedger* ledger)
    : make_(make), cast_(cast), world_(WorldOf(cast)), ledger_(ledger) {}

promise::Outcome SequenceRunner::Run(const promise::Sequence& sequence) {
    ++runs_;
    promise::Outcome out;
    ConformanceSession session(make_, world_, ledger_);
    if (!session.Ready()) {
        out.failedAt = 0;
        session.TakeBreaches(&out.breaches);
        return out;
    }
    promise::Model model(cast_);
    out.observed.reserve(sequence.size());
    g_cast = &cast_;
    g_sequence = &sequence;
    for (size_t i = 0; i < sequence.size(); ++i) {
        g_sending = i;
        out.observed.push_back(Send(session, cast_, sequence[i]));
        model.Step(sequence[i], out.observed.back(), &out.breaches);
        session.TakeBreaches(&out.breaches);
        if (!out.breaches.empty()) {
            out.failedAt = i;
            break;
        }
    }
    g_sending = sequence.size();
    session.End();
    if (out.failedAt == promise::Outcome::kPassed) {
        session.TakeBreaches(&out.breaches);
        if (!out.breaches.empty()) out.failedAt = sequence.size();
    }
    g_sequence = nullptr;
    return out;
}

void DescribeRunningSequence(char* buffer, size_t size) {
    static const char* const kNames[] = {"PLMSG_IS_CARRIER", "PLMSG_IS_ATTACHED",
                                         "PLMSG_ATTACH",     "PLMSG_DETACH",
                                         "PLMSG_SET_PARAMS", "PLMSG_GET_PARAMS",
                                         "PLMSG_SET_FORCES"};
    if (size == 0) return;
    buffer[0] = '\0';
    if (g_sequence == nullptr || g_cast == nullptr) return;
    size_t used = 0;
    for (size_t i = 0; i < g_sequence->size() && i <= g_sending && used + 1 < size; ++i) {
        const promise::Message& m = (*g_sequence)[i];
        const std::string& name = g_cast->names[m.name];
        char detail[48] = "";
        if (m.kind == promise::Kind::Attach || m.kind == promise::Kind::SetParams) {
            std::snprintf(detail, sizeof detail, " with set %c", 'A' + m.set);
        } else if (m.kind == promise::Kind::Detach || m.kind == promise::Kind::SetForces) {
            std::snprintf(detail, sizeof detail, ", parameter %d", m.flag ? 1 : 0);
        }
        const bool named = m.kind != promise::Kind::IsCarrier;
        const int n = std::snprintf(buffer + used, size - used, "%s%u. %s%s%.24s%s%s%s",
                                    i > 0 ? "; " : "", static_cast<unsigned>(i + 1),
                                    kNames[static_cast<int>(m.kind)], named ? " \"" : "",
                                    named ? name.c_str() : "", name.size() > 24 ? "..." : "",
                                    named ? "\"" : "", detail);
        if (n < 0) break;
        used += static_cast<size_t>(n);
    }
    if (used >= size) buffer[size - 1] = '\0';
}
