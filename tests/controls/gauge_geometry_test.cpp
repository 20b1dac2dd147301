// The gauge's value arithmetic where real windows cannot easily reach it:
// ranges so wide that the products exceed 32 bits, and extreme values.
#include <climits>

#include <gtest/gtest.h>

#include "controls/gauge_geometry.h"

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

}  // namespace
