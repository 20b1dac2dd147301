#include "controls/gauge_keys.h"

#include "controls/control_longs.h"

namespace {

// A tenth of maximum - minimum for a range, else 1; computed in unsigned, as
// the span of a full range needs 32 bits.
int64_t PageAmount(int32_t minimum, int32_t maximum) {
    if (maximum <= minimum) return 1;
    const uint32_t span = static_cast<uint32_t>(maximum) - static_cast<uint32_t>(minimum);
    const uint32_t tenth = span / 10;
    return tenth < 1 ? 1 : static_cast<int64_t>(tenth);
}

// The value after a step of `amount`, taken in 64 bits so that nothing wraps.
int32_t Stepped(const GaugeLongs& longs, bool up, int64_t amount) {
    const int64_t value = longs.value;
    if (up) {
        if (longs.value >= longs.maximum) return longs.value;
        const int64_t next = value + amount;
        return static_cast<int32_t>(next > longs.maximum ? longs.maximum : next);
    }
    if (longs.value <= longs.minimum) return longs.value;
    const int64_t next = value - amount;
    return static_cast<int32_t>(next < longs.minimum ? longs.minimum : next);
}

GaugeKeyMove Step(const GaugeLongs& longs, bool up, int64_t amount) {
    const GaugeReport report = up ? GaugeReport::StepUp : GaugeReport::StepDown;
    return GaugeKeyMove{Stepped(longs, up, amount), report};
}

}  // namespace

GaugeKeyMove GaugeKeyMoveFor(GaugeKey key, const GaugeLongs& longs) {
    const bool reversed = (longs.flags & GF_REVERSED) != 0;
    const bool hasRange = longs.maximum > longs.minimum;
    switch (key) {
    case GaugeKey::Right:
    case GaugeKey::Up:
        return Step(longs, !reversed, 1);
    case GaugeKey::Left:
    case GaugeKey::Down:
        return Step(longs, reversed, 1);
    case GaugeKey::PageUp:
        return Step(longs, true, PageAmount(longs.minimum, longs.maximum));
    case GaugeKey::PageDown:
        return Step(longs, false, PageAmount(longs.minimum, longs.maximum));
    case GaugeKey::Home:
        return GaugeKeyMove{hasRange ? longs.minimum : longs.value, GaugeReport::Position};
    case GaugeKey::End:
        break;
    }
    return GaugeKeyMove{hasRange ? longs.maximum : longs.value, GaugeReport::Position};
}
