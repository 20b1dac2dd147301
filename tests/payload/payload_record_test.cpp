// The two ways a payload record is made.
#include <cstring>
#include <string>

#include <gtest/gtest.h>

#include "payload/payload_protocol.h"

namespace {

TEST(PayloadRecord, ClearedRecordZeroesEveryValue) {
    alignas(PayloadRecord) unsigned char memory[sizeof(PayloadRecord)];
    std::memset(memory, 0x5A, sizeof memory);
    PayloadRecord* r = new (memory) PayloadRecord();
    EXPECT_EQ(r->extraA, 0);
    EXPECT_EQ(r->position.x, 0.0);
    EXPECT_EQ(r->shipRotation.z, 0.0);
    EXPECT_EQ(r->jettisonRotation.y, 0.0);
    EXPECT_EQ(r->extraB, 0);
    EXPECT_EQ(r->extraC, 0);
    EXPECT_EQ(r->marker, 0);
    EXPECT_EQ(r->jettisonVelocity, 0.0);
    EXPECT_EQ(r->addForces, 0);
}

TEST(PayloadRecord, FullConstructorSetsEveryValueAndMarksIt) {
    PayloadRecord r("Probe", 7, {1, 2, 3}, {4, 5, 6}, {7, 8, 9}, 10, 11, 12.5);
    EXPECT_STREQ(r.name, "Probe");
    EXPECT_EQ(r.extraA, 7);
    EXPECT_EQ(r.position.z, 3.0);
    EXPECT_EQ(r.shipRotation.x, 4.0);
    EXPECT_EQ(r.jettisonRotation.y, 8.0);
    EXPECT_EQ(r.extraB, 10);
    EXPECT_EQ(r.extraC, 11);
    EXPECT_EQ(r.marker, 1);
    EXPECT_EQ(r.jettisonVelocity, 12.5);
    EXPECT_EQ(r.addForces, 0);
}

TEST(PayloadRecord, FullConstructorCopiesAtMost255Characters) {
    const std::string longName(400, 'n');
    PayloadRecord r(longName.c_str(), 0, {}, {}, {}, 0, 0, 0);
    EXPECT_EQ(std::strlen(r.name), 255u);
    PayloadRecord empty(nullptr, 0, {}, {}, {}, 0, 0, 0);
    EXPECT_STREQ(empty.name, "");
}

TEST(PayloadRecord, SharedAllocatorGivesClearedRecordsOnTheProcessHeap) {
    PayloadRecord* r = AllocPayloadRecord();
    ASSERT_NE(r, nullptr);
    EXPECT_EQ(r->marker, 0);
    EXPECT_EQ(reinterpret_cast<uintptr_t>(r) % alignof(PayloadRecord), 0u);
    EXPECT_NE(HeapSize(GetProcessHeap(), 0, r), static_cast<SIZE_T>(-1));
    FreePayloadRecord(r);
    FreePayloadRecord(nullptr);
}

}  // namespace
