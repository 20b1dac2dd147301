#include "carrierkit/exploration_plan.h"

namespace promise {

namespace {

Values Set(double px, double py, double pz, double sx, double sy, double sz, double jx,
           double jy, double jz, double v) {
    return Values{{px, py, pz, sx, sy, sz, jx, jy, jz, v}};
}

Cast MakeCast() {
    Cast c;
    c.names = {"Probe", "Rover", "Nobody", "Long " + std::string(250, 'x'),
               "Hauler", "PROBE", "Probe 2", ""};
    c.vessel = {true, true, false, true, true, true, true, false};
    c.own = kHauler;
    c.sets = {Set(1.25, -2.5, 3.75, 0.1, 0.2, 0.3, -0.4, 0.5, -0.6, 7.5),
              Set(-10.0, 20.0, -30.0, 1.1, -1.2, 1.3, 0.7, -0.8, 0.9, 0.25),
              Set(100.5, 4.0, -0.001, -3.0, 2.0, 3.1, 2.5, 3.1, -3.1, 42.0)};
    return c;
}

// splitmix64: small, and the same everywhere.
class Random {
public:
    explicit Random(uint64_t state) : state_(state) {}
    uint64_t Next() {
        uint64_t z = (state_ += 0x9E3779B97F4A7C15ull);
        z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
        z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
        return z ^ (z >> 31);
    }
    size_t Below(size_t n) { return static_cast<size_t>(Next() % n); }
    bool Chance(unsigned oneIn) { return Below(oneIn) == 0; }

private:
    uint64_t state_;
};

const uint8_t kActors[] = {kProbe, kRover, kNobody, kLong, kHauler};

}  // namespace

const Cast& ExplorationCast() {
    static const Cast cast = MakeCast();
    return cast;
}

std::vector<Message> ExhaustiveAlphabet() {
    std::vector<Message> letters;
    const Kind withSet[] = {Kind::Attach, Kind::SetParams};
    for (Kind kind : {Kind::Attach, Kind::Detach, Kind::SetParams, Kind::SetForces,
                      Kind::GetParams, Kind::IsAttached}) {
        for (uint8_t name : kActors) {
            if (kind == withSet[0] || kind == withSet[1]) {
                letters.push_back(Msg(kind, name, kSetA));
                letters.push_back(Msg(kind, name, kSetB));
            } else if (kind == Kind::Detach || kind == Kind::SetForces) {
                letters.push_back(Msg(kind, name, kSetA, false));
                letters.push_back(Msg(kind, name, kSetA, true));
            } else {
                letters.push_back(Msg(kind, name));
            }
        }
    }
    letters.push_back(Msg(Kind::IsCarrier, kHauler));
    return letters;
}

std::vector<Sequence> ScriptedSequences() {
    const uint8_t vessels[] = {kHauler, kProbe, kRover, kProbeUpper, kProbeSuffix, kLong};
    std::vector<Sequence> scripts;

    // A fresh carrier holds nothing, and takes nothing from a stray detach,
    // parameter set or forces switch.
    Sequence fresh = {Msg(Kind::IsCarrier, kHauler)};
    for (uint8_t v : vessels) {
        fresh.push_back(Msg(Kind::IsAttached, v));
        fresh.push_back(Msg(Kind::GetParams, v));
    }
    for (Message m : {Msg(Kind::Detach, kProbe), Msg(Kind::SetParams, kProbe, kSetA),
                      Msg(Kind::SetForces, kProbe, kSetA, true), Msg(Kind::IsAttached, kProbe)}) {
        fresh.push_back(m);
    }
    scripts.push_back(fresh);

    // Two payloads attached, each held by its whole name.
    Sequence attach = {Msg(Kind::Attach, kProbe, kSetA)};
    for (uint8_t v : vessels) attach.push_back(Msg(Kind::IsAttached, v));
    for (Message m : {Msg(Kind::IsCarrier, kHauler), Msg(Kind::GetParams, kProbe),
                      Msg(Kind::Attach, kRover, kSetB), Msg(Kind::IsAttached, kProbe),
                      Msg(Kind::IsAttached, kRover), Msg(Kind::GetParams, kProbe),
                      Msg(Kind::GetParams, kRover), Msg(Kind::GetParams, kProbeSuffix)}) {
        attach.push_back(m);
    }
    scripts.push_back(attach);

    scripts.push_back({Msg(Kind::Attach, kLong, kSetB), Msg(Kind::IsAttached, kLong),
                       Msg(Kind::GetParams, kLong), Msg(Kind::Detach, kLong)});

    // Its own name refused; strays taken or refused, the answer telling which.
    scripts.push_back({Msg(Kind::Attach, kProbe, kSetA), Msg(Kind::Attach, kHauler, kSetC),
                       Msg(Kind::IsAttached, kHauler), Msg(Kind::Attach, kNobody, kSetC),
                       Msg(Kind::IsAttached, kNobody), Msg(Kind::Attach, kEmpty, kSetC),
                       Msg(Kind::IsAttached, kEmpty), Msg(Kind::IsAttached, kProbe),
                       Msg(Kind::GetParams, kProbe)});

    // Released, only that, and attached again, with the jettison velocity.
    scripts.push_back({Msg(Kind::Attach, kProbe, kSetA), Msg(Kind::Attach, kRover, kSetB),
                       Msg(Kind::Detach, kProbe), Msg(Kind::IsAttached, kProbe),
                       Msg(Kind::GetParams, kProbe), Msg(Kind::IsAttached, kRover),
                       Msg(Kind::GetParams, kRover), Msg(Kind::Detach, kProbe),
                       Msg(Kind::Attach, kProbe, kSetC), Msg(Kind::GetParams, kProbe),
                       Msg(Kind::Detach, kProbe, kSetA, true), Msg(Kind::IsAttached, kProbe)});

    scripts.push_back({Msg(Kind::Attach, kProbe, kSetA), Msg(Kind::Attach, kRover, kSetB),
                       Msg(Kind::SetParams, kProbe, kSetC), Msg(Kind::GetParams, kProbe),
                       Msg(Kind::GetParams, kRover), Msg(Kind::SetParams, kProbe, kSetB),
                       Msg(Kind::GetParams, kProbe), Msg(Kind::SetParams, kProbeSuffix, kSetA),
                       Msg(Kind::IsAttached, kProbeSuffix)});

    scripts.push_back({Msg(Kind::Attach, kProbe, kSetA), Msg(Kind::Attach, kRover, kSetB),
                       Msg(Kind::SetForces, kProbe, kSetA, true), Msg(Kind::GetParams, kProbe),
                       Msg(Kind::GetParams, kRover), Msg(Kind::SetForces, kProbe, kSetA, false),
                       Msg(Kind::GetParams, kProbe),
                       Msg(Kind::SetForces, kProbeSuffix, kSetA, true),
                       Msg(Kind::IsAttached, kProbeSuffix)});
    return scripts;
}

Sequence RandomSequence(uint64_t seed, uint64_t index) {
    Random random(seed * 0xD1B54A32D192ED03ull ^ (index + 1) * 0x8CB92BA72F3D8DD7ull);
    const size_t length = kRandomMin + random.Below(kRandomMax - kRandomMin + 1);

    // One or two names.
    std::vector<uint8_t> names;
    const size_t count = 1 + random.Below(2);
    while (names.size() < count) {
        const uint8_t name = kActors[random.Below(sizeof kActors)];
        bool known = false;
        for (uint8_t n : names) known = known || n == name;
        if (!known) names.push_back(name);
    }
    // Queries sometimes ask about names that differ from a payload's only by
    // case or a suffix.
    std::vector<uint8_t> asked = names;
    if (random.Chance(4)) {
        asked.push_back(kProbeUpper);
        asked.push_back(kProbeSuffix);
    }
    // Attaches always; each other kind two times in three, the carrier
    // question seldom.
    std::vector<Kind> kinds = {Kind::Attach};
    for (Kind kind : {Kind::IsAttached, Kind::Detach, Kind::SetParams, Kind::GetParams,
                      Kind::SetForces}) {
        if (!random.Chance(3)) kinds.push_back(kind);
    }
    if (kinds.size() == 1) kinds.push_back(Kind::GetParams);
    if (random.Chance(8)) kinds.push_back(Kind::IsCarrier);

    Sequence sequence;
    const Cast& cast = ExplorationCast();
    std::vector<bool> held(kCastNames, false);
    for (size_t i = 0; i < length; ++i) {
        const Kind kind = kinds[random.Below(kinds.size())];
        const bool query = kind == Kind::IsAttached || kind == Kind::GetParams;
        const std::vector<uint8_t>& pool = query ? asked : names;
        // Three times in four a name the message can act on, as a carrier
        // that keeps its promises would see it: an attach for a payload it
        // does not hold, the rest for one it holds.
        std::vector<uint8_t> fit;
        for (uint8_t n : pool) {
            const bool attachable = cast.vessel[n] && n != cast.own && !held[n];
            if (kind == Kind::Attach ? attachable : held[n]) fit.push_back(n);
        }
        const bool guided = !fit.empty() && !random.Chance(4);
        const uint8_t name =
            guided ? fit[random.Below(fit.size())] : pool[random.Below(pool.size())];
        if (kind == Kind::Attach && cast.vessel[name] && name != cast.own) held[name] = true;
        if (kind == Kind::Detach) held[name] = false;
        const uint8_t set = random.Chance(2) ? kSetA : kSetB;
        const uint8_t to = kind == Kind::IsCarrier ? static_cast<uint8_t>(kHauler) : name;
        sequence.push_back(Msg(kind, to, set, random.Chance(2)));
    }
    return sequence;
}

bool NextSequence(std::vector<size_t>* digits, size_t base, size_t at) {
    std::vector<size_t>& d = *digits;
    if (at >= d.size()) at = d.size() - 1;
    for (size_t i = at + 1; i < d.size(); ++i) d[i] = 0;
    for (size_t i = at + 1; i-- > 0;) {
        if (++d[i] < base) return true;
        d[i] = 0;
    }
    return false;
}

}  // namespace promise
