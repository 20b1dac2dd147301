// How the trace shows a message and its context.
#include <cfloat>
#include <cstdio>
#include <string>

#include <gtest/gtest.h>

#include "host/scene/message_trace.h"
#include "payload/payload_protocol.h"

namespace {

TEST(MessageTrace, ShowsEachContextKind) {
    EXPECT_EQ(DecodeMessageContext(PLMSG_IS_CARRIER, nullptr), "null");
    EXPECT_EQ(DecodeMessageContext(PLMSG_DETACH, "Probe"), "\"Probe\"");
    PayloadQuery query = {"Probe", nullptr};
    EXPECT_EQ(DecodeMessageContext(PLMSG_GET_PARAMS, &query), "query{name=\"Probe\"}");
    PayloadRecord record("Probe", 0, {1, 2, 3}, {0.5, 0, 0}, {0, 0, -1}, 0, 0, 5);
    EXPECT_EQ(DecodeMessageContext(PLMSG_SET_PARAMS, &record),
              "record{name=\"Probe\" pos=(1.000000,2.000000,3.000000) "
              "srot=(0.500000,0.000000,0.000000) jrot=(0.000000,0.000000,-1.000000) "
              "vel=5.000000 extra=(0,0,0) marker=1 forces=0}");
}

TEST(MessageTrace, ShowsEveryDoubleWhole) {
    PayloadRecord record("Probe", 0, {1e300, -DBL_MAX, 0}, {0, 0, 0}, {1e307, 0, 0}, 0, 0, 0);
    const std::string decoded = DecodeMessageContext(PLMSG_ATTACH, &record);
    for (double v : {1e300, -DBL_MAX, 1e307}) {
        char whole[400];
        std::snprintf(whole, sizeof whole, "%.6f", v);
        EXPECT_NE(decoded.find(whole), std::string::npos) << whole << "\n" << decoded;
    }
}

TEST(MessageTrace, FormatsALineWithNameOrHexId) {
    TraceEntry e;
    e.vessel = "Tug";
    e.messageId = PLMSG_SET_FORCES;
    e.parameter = 1;
    e.context = "\"Probe\"";
    e.answer = -1;
    EXPECT_EQ(e.Format(), "msg Tug PLMSG_SET_FORCES prm=1 ctx=\"Probe\" -> -1");
    e.messageId = 0xA45F0201u;
    EXPECT_EQ(e.Format(), "msg Tug 0xA45F0201 prm=1 ctx=\"Probe\" -> -1");
}

}  // namespace
