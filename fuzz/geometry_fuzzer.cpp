// libFuzzer target: the gauge's and the switch's arithmetic on any sizes,
// flags, positions and ranges. Nothing overflows (the sanitizers watch), a
// track press never leaves the range, a bar never leaves its track, and a
// click moves a switch only to a position it knows.
#include <stddef.h>
#include <stdint.h>
#include <stdlib.h>

#include <cstring>

#include "controls/control_longs.h"
#include "controls/gauge_geometry.h"
#include "controls/switch_geometry.h"

namespace {

void Require(bool condition) {
    if (!condition) abort();
}

// Eight 32-bit numbers from the input, zero where it runs out.
struct Numbers {
    int32_t v[8] = {};
};

Numbers Read(const uint8_t* data, size_t size) {
    Numbers n;
    std::memcpy(n.v, data, size < sizeof n.v ? size : sizeof n.v);
    return n;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const Numbers n = Read(data, size);
    const int32_t width = n.v[0], height = n.v[1], flags = n.v[2], position = n.v[3];
    const int32_t minimum = n.v[4], maximum = n.v[5], value = n.v[6];

    const GaugeGeometry g = MeasureGauge(width, height, flags);
    const bool reversed = (flags & GF_REVERSED) != 0;
    GaugePartAt(g, position);
    int32_t chosen = value;
    if (GaugeValueAt(g, reversed, position, minimum, maximum, &chosen)) {
        Require(chosen >= minimum && chosen <= maximum);
    } else {
        Require(chosen == value);
    }
    const int bar = GaugeBarLength(value, minimum, maximum, g.track);
    Require(bar >= 0 && (g.track <= 0 ? bar == 0 : bar <= g.track));
    GaugeBarRect(g, reversed, bar);
    GaugeTrackRect(g);
    Require(GaugeRepeatState(flags) >= GR_IDLE && GaugeRepeatState(flags) <= GR_STEP_BOTH);
    Require((GaugeReleasedFlags(flags) & (GF_DRAG | GF_STEP_DOWN | GF_STEP_UP)) == 0);

    MeasureSwitch(width, height);
    IsUpperHalf(position, height);
    int32_t next = -1;
    if (NextSwitchPosition(value, flags, (n.v[7] & 1) != 0, &next)) {
        Require(next == SW_UP || next == SW_DOWN || next == SW_CENTRE);
        Require(next != value);
    }
    return 0;
}
