// Reading, formatting and stepping field numbers.
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

TEST(FieldNumber, NonFiniteNumbersReadAsZero) {
    for (const char* text : {"nan", "NaN", "-nan", "inf", "-inf", "infinity", "1e999", "-1e999"}) {
        EXPECT_EQ(ReadFieldNumber(text), 0.0) << text;
    }
}

TEST(FieldNumber, ShowsThreeDecimals) {
    EXPECT_EQ(Format(0.0), "0.000");
    EXPECT_EQ(Format(-1.0), "-1.000");
    EXPECT_EQ(Format(0.5 * 57.29577951308232), "28.648");
    EXPECT_EQ(Format(1000000.0), "1000000.000");
    char small[4];
    FormatFieldNumber(123.456, small, sizeof small);
    EXPECT_STREQ(small, "123");
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
