// The record of every generic message a vessel receives, decoded for people.
#ifndef KESTRIX_HOST_SCENE_MESSAGE_TRACE_H
#define KESTRIX_HOST_SCENE_MESSAGE_TRACE_H

#include <stdint.h>

#include <cstdio>
#include <string>
#include <vector>

struct TraceEntry {
    std::string vessel;
    uint32_t messageId = 0;
    uint32_t parameter = 0;
    std::string context;  // decoded as DecodeMessageContext gives it
    int32_t answer = 0;
    bool forbidden = false;  // sent to a vessel whose interface version is 1 or less

    // "msg VESSEL NAME prm=P ctx=CONTEXT -> ANSWER"
    std::string Format() const;
};

// The PLMSG_* name, or 0x and eight upper-case hex digits.
std::string MessageName(uint32_t messageId);

// The context as the trace shows it: null, a quoted name (InQuotes), query{...}
// or record{...}. Must be called before the message is delivered, since a
// carrier may release an attach record during the call.
std::string DecodeMessageContext(uint32_t messageId, const void* context);

class MessageTrace {
public:
    void Record(TraceEntry entry);
    void Clear() { entries_.clear(); }
    const std::vector<TraceEntry>& Entries() const { return entries_; }
    // Also print every entry as it is recorded.
    void PrintTo(std::FILE* out) { out_ = out; }
    // A disabled trace records nothing (for measuring the plug-in alone).
    void SetEnabled(bool enabled) { enabled_ = enabled; }
    bool Enabled() const { return enabled_; }

private:
    std::vector<TraceEntry> entries_;
    std::FILE* out_ = nullptr;
    bool enabled_ = true;
};

#endif
