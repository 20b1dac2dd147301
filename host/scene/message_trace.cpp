#include "host/scene/message_trace.h"

#include <cinttypes>
#include <cstdio>

#include "host/text/quoting.h"
#include "payload/payload_protocol.h"

namespace {

// Whole, however large (up to 317 characters): a cut number would read as
// another one.
std::string FormatDouble(double value) {
    const int length = std::snprintf(nullptr, 0, "%.6f", value);
    if (length <= 0) return "?";
    std::string text(static_cast<size_t>(length) + 1, '\0');
    std::snprintf(&text[0], text.size(), "%.6f", value);
    text.resize(static_cast<size_t>(length));
    return text;
}

std::string FormatVector(const PayloadVector& v) {
    return "(" + FormatDouble(v.x) + "," + FormatDouble(v.y) + "," + FormatDouble(v.z) + ")";
}

std::string DecodeRecord(const PayloadRecord& r) {
    return "record{name=" + InQuotes(r.name, kPayloadNameMax + 1) +
           " pos=" + FormatVector(r.position) + " srot=" + FormatVector(r.shipRotation) +
           " jrot=" + FormatVector(r.jettisonRotation) + " vel=" + FormatDouble(r.jettisonVelocity) +
           " extra=(" + std::to_string(r.extraA) + "," + std::to_string(r.extraB) + "," +
           std::to_string(r.extraC) + ") marker=" + std::to_string(r.marker) +
           " forces=" + std::to_string(r.addForces) + "}";
}

}  // namespace

std::string MessageName(uint32_t messageId) {
    switch (messageId) {
    case PLMSG_IS_CARRIER: return "PLMSG_IS_CARRIER";
    case PLMSG_IS_ATTACHED: return "PLMSG_IS_ATTACHED";
    case PLMSG_ATTACH: return "PLMSG_ATTACH";
    case PLMSG_DETACH: return "PLMSG_DETACH";
    case PLMSG_SET_PARAMS: return "PLMSG_SET_PARAMS";
    case PLMSG_GET_PARAMS: return "PLMSG_GET_PARAMS";
    case PLMSG_SET_FORCES: return "PLMSG_SET_FORCES";
    default: {
        char buffer[16];
        std::snprintf(buffer, sizeof buffer, "0x%08" PRIX32, messageId);
        return buffer;
    }
    }
}

std::string DecodeMessageContext(uint32_t messageId, const void* context) {
    if (context == nullptr) return "null";
    switch (messageId) {
    case PLMSG_IS_ATTACHED:
    case PLMSG_DETACH:
    case PLMSG_SET_FORCES:
        return InQuotes(static_cast<const char*>(context), kPayloadNameMax + 1);
    case PLMSG_GET_PARAMS: {
        const PayloadQuery* q = static_cast<const PayloadQuery*>(context);
        const std::string name = q->name ? InQuotes(q->name, kPayloadNameMax + 1) : "null";
        return "query{name=" + name + "}";
    }
    case PLMSG_ATTACH:
    case PLMSG_SET_PARAMS:
        return DecodeRecord(*static_cast<const PayloadRecord*>(context));
    default:
        return "ptr";
    }
}

std::string TraceEntry::Format() const {
    std::string line = "msg " + vessel + " " + MessageName(messageId) +
                       " prm=" + std::to_string(parameter) + " ctx=" + context + " -> " +
                       std::to_string(answer);
    if (forbidden) line += " (interface version too low: must never be sent)";
    return line;
}

void MessageTrace::Record(TraceEntry entry) {
    entries_.push_back(std::move(entry));
    if (out_ != nullptr) {
        std::fprintf(out_, "%s\n", entries_.back().Format().c_str());
        std::fflush(out_);
    }
}
