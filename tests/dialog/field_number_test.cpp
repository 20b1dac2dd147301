// Reading, formatting and stepping field numbers.
#include <cfloat>
#include <cmath>
#include <string>

#include <gtest/gtest.h>

#include "dialog/field_number.h"
#include "dialog/spin_step.h"

namespace {

std::string Format(double v) {
    char text[kFieldTextSize];
    FormatFieldNumber(v, text, sizeof text);
    return text;
}

TEST(FieldNumber, ReadsTheLongestLeadingNumber) {
    EXPECT_EQ(ReadFieldNumber("12abc"), 12.0);
    EXPECT_EQ(ReadFieldNumber(" 5"), 5.0);
    EXPECT_EQ(ReadFieldNumber("\t-2.5x"), -2.5);
    EXPECT_EQ(ReadFieldNumber("1e3"), 1000.0);
    EXPECT_EQ(ReadFieldNumber("1,5"), 1.0);
    EXPECT_EQ(ReadFieldNumber("0x10"), 16.0);
    EXPECT_EQ(ReadFieldNumber("letters"), 0.0);
    EXPECT_EQ(ReadFieldNumber(""), 0.0);
    EXPECT_EQ(ReadFieldNumber("   "), 0.0);
    EXPECT_TRUE(std::signbit(ReadFieldNumber("-0")));
}

TEST(FieldNumber, NanReadsAsZeroAndInfinitiesStayInfinite) {
    for (const char* text : {"nan", "NaN", "-nan"}) EXPECT_EQ(ReadFieldNumber(text), 0.0) << text;
    for (const char* text : {"inf", "infinity", "1e999"}) {
        EXPECT_EQ(ReadFieldNumber(text), HUGE_VAL) << text;
        EXPECT_EQ(ReadFieldNumber((std::string("-") + text).c_str()), -HUGE_VAL) << text;
    }
}

TEST(FieldNumber, ShowsThreeDecimalsWhereTheyFitAndElseAFormThatReadsBackExactly) {
    EXPECT_EQ(Format(0.0), "0.000");
    EXPECT_EQ(Format(-1.0), "-1.000");
    EXPECT_EQ(Format(0.5 * 57.29577951308232), "28.648");
    EXPECT_EQ(Format(1000000.0), "1000000.000");
    // 251 digits and three decimals fill the 255 characters exactly; with a
    // sign they no longer fit.
    const std::string fits = Format(5e250);
    EXPECT_EQ(fits.size(), kFieldTextMax);
    EXPECT_EQ(fits.substr(fits.size() - 4), ".000");
    EXPECT_EQ(Format(-5e250), "-5e+250");
    EXPECT_EQ(Format(1e300), "1e+300");
    for (double huge : {5e250, 1e300, DBL_MAX, -DBL_MAX, 5.729577951308232e307}) {
        EXPECT_EQ(ReadFieldNumber(Format(huge).c_str()), huge) << Format(huge);
    }
    // Beyond every double, as a rotation of 1e307 radians is in degrees.
    EXPECT_EQ(Format(1e307 * 57.29577951308232), "inf");
    EXPECT_EQ(Format(-HUGE_VAL), "-inf");
    EXPECT_EQ(Format(std::nan("")), "nan");
    char small[4];
    FormatFieldNumber(123.456, small, sizeof small);
    EXPECT_STREQ(small, "123");
    FormatFieldNumber(-DBL_MAX, small, sizeof small);
    EXPECT_STREQ(small, "-1.");
}

TEST(SpinStep, StepsAgainstTheDeltaAndClamps) {
    EXPECT_EQ(SpinStepSize(1003), 0.001);
    EXPECT_EQ(SpinStepSize(1026), 0.001);
    EXPECT_EQ(SpinStepSize(1027), 1.0);
    EXPECT_EQ(SpinStepSize(1038), 1.0);
    EXPECT_DOUBLE_EQ(StepAndClamp(1.0, -1, 0.001, 180.0), 1.001);
    EXPECT_DOUBLE_EQ(StepAndClamp(1.0, 1, 1.0, 180.0), 0.0);
    EXPECT_DOUBLE_EQ(StepAndClamp(1.0, -5, 1.0, 180.0), 6.0);
    EXPECT_EQ(StepAndClamp(179.5, -1, 1.0, 180.0), 180.0);
    EXPECT_EQ(StepAndClamp(-179.999, 1, 1.0, 180.0), -180.0);
    EXPECT_EQ(StepAndClamp(999999.5, -1, 1.0, 1000000.0), 1000000.0);
    EXPECT_EQ(StepAndClamp(0.0, 2147483647, 1.0, 1000000.0), -1000000.0);
    EXPECT_EQ(StepAndClamp(0.0, -2147483647 - 1, 1.0, 1000000.0), 1000000.0);
}

}  // namespace
