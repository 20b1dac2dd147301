#include "controls/gauge_geometry.h"

#include <cstdint>

#include "controls/control_longs.h"

namespace {

// Far beyond any real window, small enough that no sum of two sizes or
// positions can overflow an int.
const int kLargestSide = 1 << 24;

int ClampSize(int size) {
    return size < 0 ? 0 : size > kLargestSide ? kLargestSide : size;
}

// maximum - minimum for maximum > minimum: up to 2^32 - 1, exact in unsigned.
uint32_t Span(int32_t minimum, int32_t maximum) {
    return static_cast<uint32_t>(maximum) - static_cast<uint32_t>(minimum);
}

}  // namespace

GaugeGeometry MeasureGauge(int width, int height, int32_t flags) {
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

int32_t GaugePressBits(GaugePart part, int32_t flags) {
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

static_assert(GF_STEP_DOWN >> 4 == GR_STEP_DOWN && GF_STEP_UP >> 4 == GR_STEP_UP,
              "the repeat state is the step bits shifted down");

int32_t GaugeRepeatState(int32_t flags) {
    const uint32_t stepBits = static_cast<uint32_t>(GF_STEP_DOWN | GF_STEP_UP);
    return static_cast<int32_t>((static_cast<uint32_t>(flags) & stepBits) >> 4);
}

int32_t GaugeReleasedFlags(int32_t flags) {
    return flags & ~(GF_DRAG | GF_STEP_DOWN | GF_STEP_UP);
}

bool GaugeValueAt(const GaugeGeometry& g, bool reversed, int position, int32_t minimum,
                  int32_t maximum, int32_t* value) {
    if (g.track <= 0 || maximum <= minimum) return false;
    // Any int position: the offset into the track is taken in 64 bits.
    const int64_t offsetInTrack = static_cast<int64_t>(position) - g.side;
    int p = offsetInTrack < 0 ? 0 : offsetInTrack >= g.track ? g.track
                                                             : static_cast<int>(offsetInTrack);
    if (reversed) p = g.track - p;
    // The product is taken in 64 bits so that a wide range cannot wrap; the
    // quotient is at most the span, so the sum stays within [minimum, maximum].
    const uint64_t offset = static_cast<uint64_t>(Span(minimum, maximum)) *
                            static_cast<uint64_t>(p) / static_cast<uint64_t>(g.track);
    *value = static_cast<int32_t>(static_cast<int64_t>(minimum) + static_cast<int64_t>(offset));
    return true;
}

int GaugeBarLength(int32_t value, int32_t minimum, int32_t maximum, int track) {
    if (track <= 0 || maximum <= minimum) return 0;
    const int32_t shown = value < minimum ? minimum : value > maximum ? maximum : value;
    const uint64_t filled = static_cast<uint64_t>(Span(minimum, shown)) *
                            static_cast<uint64_t>(track) / Span(minimum, maximum);
    return static_cast<int>(filled);
}

GaugeBox GaugeBarRect(const GaugeGeometry& g, bool reversed, int bar) {
    const int s = g.side;
    if (!g.vertical) {
        if (!reversed) return GaugeBox{s, 0, s + bar, s};
        return GaugeBox{g.width - s, 0, g.width - s - bar, s};
    }
    if (!reversed) return GaugeBox{0, s, s, s + bar};
    return GaugeBox{0, g.height - s, s, g.height - s - bar};
}

GaugeBox GaugeTrackRect(const GaugeGeometry& g) {
    const int s = g.side;
    if (!g.vertical) return GaugeBox{s, 0, g.width - s, s};
    return GaugeBox{0, s, s, g.height - s};
}

GaugeBox GaugeFocusRect(const GaugeGeometry& g) {
    // Two pixels in from the track's outline on every side.
    const int inset = 2;
    const GaugeBox track = GaugeTrackRect(g);
    if (g.track > 2 * inset && g.side > 2 * inset) {
        return GaugeBox{track.left + inset, track.top + inset, track.right - inset,
                        track.bottom - inset};
    }
    return GaugeBox{0, 0, g.width, g.height};
}
