// The gauge's arithmetic on plain values: where a press lands, which value a
// track position selects, and how long the bar is.
#include <windows.h>

#include <climits>

#include <gtest/gtest.h>

#include "controls/custom_controls.h"
#include "controls/gauge_geometry.h"

namespace {

LONG ValueAt(const GaugeGeometry& g, bool reversed, int position, LONG minimum, LONG maximum) {
    LONG value = -12345;
    EXPECT_TRUE(GaugeValueAt(g, reversed, position, minimum, maximum, &value));
    return value;
}

TEST(GaugeGeometry, ShortSideMakesTheBoxesAndTheRestIsTrack) {
    const GaugeGeometry h = MeasureGauge(100, 20, 0);
    EXPECT_FALSE(h.vertical);
    EXPECT_EQ(h.side, 20);
    EXPECT_EQ(h.length, 100);
    EXPECT_EQ(h.track, 60);
    EXPECT_EQ(GaugePartAt(h, 0), GaugePart::LowBox);
    EXPECT_EQ(GaugePartAt(h, 19), GaugePart::LowBox);
    EXPECT_EQ(GaugePartAt(h, 20), GaugePart::Track);
    EXPECT_EQ(GaugePartAt(h, 79), GaugePart::Track);
    EXPECT_EQ(GaugePartAt(h, 80), GaugePart::HighBox);
    EXPECT_EQ(GaugePartAt(h, 65535), GaugePart::HighBox);

    const GaugeGeometry v = MeasureGauge(20, 100, GF_VERTICAL | GF_REVERSED);
    EXPECT_TRUE(v.vertical);
    EXPECT_EQ(v.side, 20);
    EXPECT_EQ(v.track, 60);

    // Too short for a track: every press lands in a box, split at s.
    const GaugeGeometry stub = MeasureGauge(30, 20, 0);
    EXPECT_EQ(stub.track, -10);
    EXPECT_EQ(GaugePartAt(stub, 15), GaugePart::LowBox);
    EXPECT_EQ(GaugePartAt(stub, 19), GaugePart::LowBox);
    EXPECT_EQ(GaugePartAt(stub, 20), GaugePart::HighBox);
}

TEST(GaugeGeometry, PressBitsFollowThePartAndTheDirection) {
    EXPECT_EQ(GaugePressBits(GaugePart::LowBox, 0), GF_PRESS_LOW | GF_STEP_DOWN);
    EXPECT_EQ(GaugePressBits(GaugePart::HighBox, 0), GF_PRESS_HIGH | GF_STEP_UP);
    EXPECT_EQ(GaugePressBits(GaugePart::LowBox, GF_REVERSED), GF_PRESS_LOW | GF_STEP_UP);
    EXPECT_EQ(GaugePressBits(GaugePart::HighBox, GF_REVERSED), GF_PRESS_HIGH | GF_STEP_DOWN);
    EXPECT_EQ(GaugePressBits(GaugePart::Track, GF_REVERSED), GF_DRAG);

    EXPECT_EQ(GaugeRepeatState(GF_PRESS_LOW | GF_STEP_DOWN), 1);
    EXPECT_EQ(GaugeRepeatState(GF_PRESS_HIGH | GF_STEP_UP | GF_RED), 2);
    EXPECT_EQ(GaugeRepeatState(GF_STEP_DOWN | GF_STEP_UP), 3);
    EXPECT_EQ(GaugeRepeatState(GF_DRAG), 0);
    EXPECT_EQ(GaugeRepeatState(static_cast<LONG>(0x80000000u)), 0);

    // The release keeps what the owner wrote, including bits it gave no meaning.
    const LONG owner = GF_REVERSED | GF_VERTICAL | GF_RED | 0x100 | static_cast<LONG>(0x80000000u);
    EXPECT_EQ(GaugeReleasedFlags(owner | GF_DRAG | GF_STEP_DOWN | GF_STEP_UP), owner);
}

TEST(GaugeGeometry, TrackPositionsMapOntoTheRangeAndClampAtBothEnds) {
    const GaugeGeometry g = MeasureGauge(100, 20, 0);  // s 20, L 60
    EXPECT_EQ(ValueAt(g, false, 20, 0, 100), 0);        // first track pixel
    EXPECT_EQ(ValueAt(g, false, 50, 0, 100), 50);
    EXPECT_EQ(ValueAt(g, false, 79, 0, 100), 98);       // last pixel: 100 * 59 / 60
    EXPECT_EQ(ValueAt(g, false, 80, 0, 100), 100);      // only past the track
    EXPECT_EQ(ValueAt(g, false, 500, 0, 100), 100);
    EXPECT_EQ(ValueAt(g, false, -32768, 0, 100), 0);
    EXPECT_EQ(ValueAt(g, false, 50, -50, 50), 0);

    // Mirrored: the first pixel gives the maximum, the last one step above the minimum.
    EXPECT_EQ(ValueAt(g, true, 20, 0, 100), 100);
    EXPECT_EQ(ValueAt(g, true, 79, 0, 100), 1);
    EXPECT_EQ(ValueAt(g, true, -5, 0, 100), 100);
    EXPECT_EQ(ValueAt(g, true, 90, 0, 100), 0);
}

TEST(GaugeGeometry, NoValueWithoutARangeOrWithoutTrackPositions) {
    LONG value = 7;
    EXPECT_FALSE(GaugeValueAt(MeasureGauge(100, 20, 0), false, 50, 5, 5, &value));
    EXPECT_FALSE(GaugeValueAt(MeasureGauge(100, 20, 0), false, 50, 10, 5, &value));
    EXPECT_FALSE(GaugeValueAt(MeasureGauge(40, 20, 0), false, 50, 0, 100, &value));  // L = 0
    EXPECT_FALSE(GaugeValueAt(MeasureGauge(30, 20, 0), false, 25, 0, 100, &value));  // L < 0
    EXPECT_FALSE(GaugeValueAt(MeasureGauge(0, 0, 0), false, 0, 0, 100, &value));
    EXPECT_EQ(value, 7);
}

TEST(GaugeGeometry, WideRangesNeitherWrapNorLeaveTheRange) {
    // (maximum - minimum) x L far beyond 32 bits.
    const GaugeGeometry g = MeasureGauge(1000, 20, 0);  // L 960
    EXPECT_EQ(ValueAt(g, false, 20, INT_MIN, INT_MAX), INT_MIN);
    EXPECT_EQ(ValueAt(g, false, 980, INT_MIN, INT_MAX), INT_MAX);
    EXPECT_EQ(ValueAt(g, false, 500, INT_MIN, INT_MAX), -1);  // 480 of 960: half of 2^32 - 1
    EXPECT_EQ(ValueAt(g, false, 500, 0, 2000000000), 1000000000);

    EXPECT_EQ(GaugeBarLength(0, INT_MIN, INT_MAX, 960), 480);
    EXPECT_EQ(GaugeBarLength(INT_MAX, INT_MIN, INT_MAX, 960), 960);
    EXPECT_EQ(GaugeBarLength(1000000000, 0, 2000000000, 960), 480);
}

TEST(GaugeGeometry, BarStaysInsideTheTrackWhateverTheOwnerWrote) {
    EXPECT_EQ(GaugeBarLength(25, 0, 100, 60), 15);
    EXPECT_EQ(GaugeBarLength(0, 0, 100, 60), 0);
    EXPECT_EQ(GaugeBarLength(100, 0, 100, 60), 60);
    EXPECT_EQ(GaugeBarLength(250, 0, 100, 60), 60);       // above the range: full
    EXPECT_EQ(GaugeBarLength(-250, 0, 100, 60), 0);       // below: empty
    EXPECT_EQ(GaugeBarLength(INT_MIN, -10, 10, 60), 0);
    EXPECT_EQ(GaugeBarLength(50, 0, 0, 60), 0);           // empty range
    EXPECT_EQ(GaugeBarLength(50, 0, 100, 0), 0);          // no track
    EXPECT_EQ(GaugeBarLength(50, 0, 100, -10), 0);
}

}  // namespace
