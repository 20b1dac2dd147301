#include "controls/gauge_geometry.h"

#include <cstdint>

#include "controls/custom_controls.h"

namespace {

// Far beyond any real window, small enough that no sum of two sizes or
// positions can overflow an int.
const int kLargestSide = 1 << 24;

int ClampSize(int size) {
    return size < 0 ? 0 : size > kLargestSide ? kLargestSide : size;
}

// maximum - minimum for maximum > minimum: up to 2^32 - 1, exact in unsigned.
uint32_t Span(LONG minimum, LONG maximum) {
    return static_cast<uint32_t>(maximum) - static_cast<uint32_t>(minimum);
}

}  // namespace

GaugeGeometry MeasureGauge(int width, int height, LONG flags) {
    GaugeGeometry g;
    g.vertical = (flags & GF_VERTICAL) != 0;
    g.width = ClampSize(width);
    g.height = ClampSize(height);
    g.side = g.vertical ? g.width : g.height;
    g.length = g.vertical ? g.height : g.width;
    g.track = g.length - 2 * g.side;
    return g;
}

GaugePart GaugePartAt(const GaugeGeometry& g, int position) {
    if (position < g.side) return GaugePart::LowBox;
    if (position < g.length - g.side) return GaugePart::Track;
    return GaugePart::HighBox;
}

LONG GaugePressBits(GaugePart part, LONG flags) {
    const bool reversed = (flags & GF_REVERSED) != 0;
    switch (part) {
    case GaugePart::LowBox:
        return GF_PRESS_LOW | (reversed ? GF_STEP_UP : GF_STEP_DOWN);
    case GaugePart::HighBox:
        return GF_PRESS_HIGH | (reversed ? GF_STEP_DOWN : GF_STEP_UP);
    case GaugePart::Track:
        break;
    }
    return GF_DRAG;
}

int GaugeRepeatState(LONG flags) {
    return static_cast<int>((static_cast<DWORD>(flags) >> 4) & 3u);
}

LONG GaugeReleasedFlags(LONG flags) {
    return flags & ~(GF_DRAG | GF_STEP_DOWN | GF_STEP_UP);
}

bool GaugeValueAt(const GaugeGeometry& g, bool reversed, int position, LONG minimum,
                  LONG maximum, LONG* value) {
    if (g.track <= 0 || maximum <= minimum) return false;
    int p = position - g.side;
    if (p < 0) {
        p = 0;
    } else if (p >= g.track) {
        p = g.track;
    }
    if (reversed) p = g.track - p;
    // The product is taken in 64 bits so that a wide range cannot wrap; the
    // quotient is at most the span, so the sum stays within [minimum, maximum].
    const uint64_t offset = static_cast<uint64_t>(Span(minimum, maximum)) *
                            static_cast<uint64_t>(p) / static_cast<uint64_t>(g.track);
    *value = static_cast<LONG>(static_cast<int64_t>(minimum) + static_cast<int64_t>(offset));
    return true;
}

int GaugeBarLength(LONG value, LONG minimum, LONG maximum, int track) {
    if (track <= 0 || maximum <= minimum) return 0;
    const LONG shown = value < minimum ? minimum : value > maximum ? maximum : value;
    const uint64_t filled = static_cast<uint64_t>(Span(minimum, shown)) *
                            static_cast<uint64_t>(track) / Span(minimum, maximum);
    return static_cast<int>(filled);
}

RECT GaugeBarRect(const GaugeGeometry& g, bool reversed, int bar) {
    const int s = g.side;
    if (!g.vertical) {
        if (!reversed) return RECT{s, 0, s + bar, s};
        return RECT{g.width - s, 0, g.width - s - bar, s};
    }
    if (!reversed) return RECT{0, s, s, s + bar};
    return RECT{0, g.height - s, s, g.height - s - bar};
}

RECT GaugeTrackRect(const GaugeGeometry& g) {
    const int s = g.side;
    if (!g.vertical) return RECT{s, 0, g.width - s, s};
    return RECT{0, s, s, g.height - s};
}
