// Cutting payload list labels back to names, and building them.
#include <cstring>
#include <string>

#include <gtest/gtest.h>

#include "dialog/payload_label.h"

namespace {

std::string Stripped(std::string label) {
    char buffer[kLabelSize];
    CopyText(buffer, sizeof buffer, label.c_str());
    StripPayloadLabel(buffer);
    return buffer;
}

std::string Holder(const std::string& label, bool* whole = nullptr) {
    char name[kNameSize];
    const bool ok = HolderNameInLabel(label.c_str(), name, sizeof name);
    if (whole != nullptr) *whole = ok;
    return name;
}

TEST(PayloadLabel, CutsBackAtTheFirstMarkAndKeepsTheRestBehindTheCut) {
    char label[kLabelSize] = "Probe Attached;Tug";
    StripPayloadLabel(label);
    EXPECT_STREQ(label, "Probe");
    EXPECT_STREQ(label + 6, "Attached;Tug");  // only the terminating zero was written
    EXPECT_EQ(Stripped("Probe"), "Probe");
    EXPECT_EQ(Stripped("Probe Attached;"), "Probe");
    EXPECT_EQ(Stripped("Attached;Tug"), "");  // nothing before the mark: no write before it
}

TEST(PayloadLabel, HolderIsTheWholeRestOrNobody) {
    bool whole = false;
    EXPECT_EQ(Holder("Probe Attached;Tug", &whole), "Tug");
    EXPECT_TRUE(whole);
    EXPECT_EQ(Holder("Probe Attached;Deep Space 1", &whole), "Deep Space 1");
    EXPECT_TRUE(whole);
    // A holder named "Car;go" reads as "Car": another vessel, so nobody.
    EXPECT_EQ(Holder("Probe Attached;Car;go", &whole), "Car");
    EXPECT_FALSE(whole);
    EXPECT_EQ(Holder("Probe Attached;;Tug", &whole), "Tug");
    EXPECT_FALSE(whole);
    EXPECT_EQ(Holder("Probe Attached;", &whole), "");
    EXPECT_FALSE(whole);
    EXPECT_EQ(Holder("Probe", &whole), "");
    EXPECT_FALSE(whole);
}

TEST(PayloadLabel, LongestNamesRoundTripWhole) {
    const std::string payload(255, 'p');
    const std::string holder(255, 'h');
    char label[kLabelSize];
    std::memset(label, '#', sizeof label);
    BuildAttachedLabel(payload.c_str(), holder.c_str(), label, sizeof label);
    EXPECT_EQ(std::strlen(label), 520u);
    EXPECT_EQ(Holder(label), holder);
    StripPayloadLabel(label);
    EXPECT_EQ(std::string(label), payload);
}

TEST(PayloadLabel, BuildingNeverOverrunsAndCutsNamesAt255) {
    const std::string tooLong(300, 'x');
    char label[kLabelSize + 8];
    std::memset(label, '#', sizeof label);
    BuildAttachedLabel(tooLong.c_str(), tooLong.c_str(), label, kLabelSize);
    EXPECT_EQ(std::strlen(label), 520u);
    EXPECT_EQ(label[kLabelSize], '#');
    char small[12];
    BuildAttachedLabel("Probe", "Tug", small, sizeof small);
    EXPECT_STREQ(small, "Probe Attac");
    char none[1] = {'#'};  // unterminated: a read of it runs past its end
    BuildAttachedLabel("Probe", "Tug", none, 0);
    EXPECT_EQ(none[0], '#');
}

TEST(PayloadLabel, NamesHoldingTheMarkCannotBeListed) {
    EXPECT_TRUE(NameFitsLabel("Probe"));
    EXPECT_TRUE(NameFitsLabel("Semi;colon"));
    EXPECT_FALSE(NameFitsLabel("X Attached;Tug"));
    EXPECT_TRUE(LabelIsAttached("Probe Attached;Tug"));
    EXPECT_FALSE(LabelIsAttached("Probe attached;Tug"));
}

}  // namespace
