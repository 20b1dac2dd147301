// Dates as a compiler writes its build date, read into day numbers.
#include <gtest/gtest.h>

#include "host/text/date_text.h"

namespace {

TEST(DateText, ReadsCompilerStyleDates) {
    EXPECT_EQ(DayNumberFromDateText("Jan  1 1900"), 1);
    EXPECT_EQ(DayNumberFromDateText("Jan 01 1900"), 1);
    EXPECT_EQ(DayNumberFromDateText("Mar  1 1904") - DayNumberFromDateText("Feb 28 1904"), 2);
    EXPECT_EQ(DayNumberFromDateText("Aug 30 2010") - DayNumberFromDateText("Apr 29 2013"),
              -973);
    EXPECT_EQ(DayNumberFromDateText("Foo 30 2010"), 0);
    EXPECT_EQ(DayNumberFromDateText("Feb 30 2010"), 0);
    EXPECT_EQ(DayNumberFromDateText("Aug 30 2010x"), 0);
    EXPECT_EQ(DayNumberFromDateText(nullptr), 0);
}

}  // namespace
