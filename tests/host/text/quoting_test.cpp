// The one quoting rule of the trace, the error messages and `show`.
#include <string>

#include <gtest/gtest.h>

#include "host/text/quoting.h"

namespace {

TEST(Quoting, EscapesWhatCannotBeSeenAndListsAFew) {
    EXPECT_EQ(InQuotes("Tug "), "\"Tug \"");
    EXPECT_EQ(InQuotes(std::string("a\tb\r\n\\\x01\x7f\xef\xbb\xbf\0z", 13)),
              "\"a\\tb\\r\\n\\\\\\x01\\x7f\\xef\\xbb\\xbf\\x00z\"");
    EXPECT_EQ(ListInQuotes({"A", "B"}, 2), "\"A\", \"B\"");
    EXPECT_EQ(ListInQuotes({"A", "B", "C"}, 2), "\"A\", \"B\" and 1 more");
}

// A name in a trace line may hold anything a carrier's buffer can.
TEST(Quoting, EscapesWhatCouldForgeALineAndStopsAtTheBufferEnd) {
    EXPECT_EQ(InQuotes("a\"b\\c\nd\xe9", 100), "\"a\\\"b\\\\c\\nd\\xe9\"");
    const char unterminated[4] = {'a', 'b', 'c', 'd'};
    EXPECT_EQ(InQuotes(unterminated, 4), "\"abcd\"");
    EXPECT_EQ(InQuotes("ab\0cd", 5), "\"ab\"");
}

// Whatever the host shows a text through, the same bytes read the same.
TEST(Quoting, BufferAndStringGiveTheSameText) {
    const std::string every = [] {
        std::string bytes;
        for (int b = 1; b < 256; ++b) bytes += static_cast<char>(b);
        return bytes;
    }();
    EXPECT_EQ(InQuotes(every.c_str(), every.size()), InQuotes(every));
    EXPECT_EQ(InQuotes("say \"hi\""), "\"say \\\"hi\\\"\"");
}

}  // namespace
