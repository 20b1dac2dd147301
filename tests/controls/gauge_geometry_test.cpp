// The gauge's value arithmetic where real windows cannot easily reach it:
// ranges so wide that the products exceed 32 bits, and extreme values.
#include <climits>
#include <vector>

#include <gtest/gtest.h>

#include "controls/control_longs.h"
#include "controls/gauge_geometry.h"
#include "controls/gauge_keys.h"

namespace {

int32_t ValueAt(int position, int32_t minimum, int32_t maximum) {
    int32_t value = -12345;
    EXPECT_TRUE(GaugeValueAt(MeasureGauge(1000, 20, 0), false, position, minimum, maximum, &value));
    return value;
}

TEST(GaugeArithmetic, WideRangesNeitherWrapNorLeaveTheRange) {
    // Track x 20..979, L 960: (maximum - minimum) x L is far beyond 32 bits.
    EXPECT_EQ(ValueAt(20, INT_MIN, INT_MAX), INT_MIN);
    EXPECT_EQ(ValueAt(980, INT_MIN, INT_MAX), INT_MAX);
    EXPECT_EQ(ValueAt(500, INT_MIN, INT_MAX), -1);  // 480 of 960: half of 2^32 - 1
    EXPECT_EQ(ValueAt(500, 0, 2000000000), 1000000000);

    EXPECT_EQ(GaugeBarLength(0, INT_MIN, INT_MAX, 960), 480);
    EXPECT_EQ(GaugeBarLength(INT_MAX, INT_MIN, INT_MAX, 960), 960);
    EXPECT_EQ(GaugeBarLength(1000000000, 0, 2000000000, 960), 480);
    EXPECT_EQ(GaugeBarLength(INT_MIN, -10, 10, 60), 0);
    EXPECT_EQ(GaugeBarLength(INT_MAX, -10, 10, 60), 60);
}

TEST(GaugeArithmetic, AnyPositionClampsToTheTrackEnds) {
    EXPECT_EQ(ValueAt(INT_MIN, 0, 100), 0);
    EXPECT_EQ(ValueAt(INT_MAX, 0, 100), 100);
    EXPECT_EQ(ValueAt(-32768, -5, 5), -5);
}

int32_t AfterKey(GaugeKey key, int32_t value, int32_t minimum, int32_t maximum) {
    GaugeLongs longs;
    longs.value = value;
    longs.minimum = minimum;
    longs.maximum = maximum;
    return GaugeKeyMoveFor(key, longs).value;
}

TEST(GaugeArithmetic, KeysOnTheWidestRangeNeitherWrapNorPassABound) {
    // A tenth of 2^32 - 1, and steps that would overflow 32 bits.
    EXPECT_EQ(AfterKey(GaugeKey::PageUp, 0, INT_MIN, INT_MAX), 429496729);
    EXPECT_EQ(AfterKey(GaugeKey::PageUp, INT_MAX - 3, INT_MIN, INT_MAX), INT_MAX);
    EXPECT_EQ(AfterKey(GaugeKey::PageDown, INT_MIN + 3, INT_MIN, INT_MAX), INT_MIN);
    EXPECT_EQ(AfterKey(GaugeKey::Right, INT_MAX, INT_MIN, INT_MAX), INT_MAX);
    EXPECT_EQ(AfterKey(GaugeKey::Home, 5, INT_MIN, INT_MAX), INT_MIN);
    // An owner's value beyond a bound only ever moves towards the range.
    EXPECT_EQ(AfterKey(GaugeKey::PageUp, 250, 0, 100), 250);
    EXPECT_EQ(AfterKey(GaugeKey::PageDown, 250, 0, 100), 240);
    EXPECT_EQ(AfterKey(GaugeKey::PageUp, INT_MIN, 0, 100), INT_MIN + 10);
}

TEST(GaugeGeometry, FocusRectangleLiesInsideTheTrackOrAroundATooShortGauge) {
    const auto focus = [](int width, int height, int32_t flags) {
        const GaugeBox b = GaugeFocusRect(MeasureGauge(width, height, flags));
        return std::vector<int>{b.left, b.top, b.right, b.bottom};
    };
    EXPECT_EQ(focus(100, 20, 0), (std::vector<int>{22, 2, 78, 18}));
    EXPECT_EQ(focus(100, 20, GF_REVERSED), (std::vector<int>{22, 2, 78, 18}));
    EXPECT_EQ(focus(20, 100, GF_VERTICAL), (std::vector<int>{2, 22, 18, 78}));
    EXPECT_EQ(focus(44, 20, 0), (std::vector<int>{0, 0, 44, 20}));  // a track of 4
    EXPECT_EQ(focus(100, 4, 0), (std::vector<int>{0, 0, 100, 4}));  // boxes of 4
}

}  // namespace
