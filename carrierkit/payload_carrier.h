// The reference carrier's logic: holds payloads by name and answers the
// payload messages. A vessel's generic-message callback can delegate to it:
//
//     int32_t MyVessel::ReceiveMessage(uint32_t id, uint32_t prm, void* ctx) {
//         return carrier_.HandleMessage(id, prm, ctx);
//     }
//
// It depends on nothing but the payload protocol header and the C++ library.
#ifndef BRASK_CARRIERKIT_PAYLOAD_CARRIER_H
#define BRASK_CARRIERKIT_PAYLOAD_CARRIER_H

#include <stdint.h>

#include <functional>
#include <map>
#include <string>
#include <string_view>

#include "payload/payload_protocol.h"

// The parameters of one attachment, as a carrier holds them.
struct PayloadParams {
    PayloadVector position{0.0, 0.0, 0.0};
    PayloadVector shipRotation{0.0, 0.0, 0.0};  // radians
    PayloadVector jettisonRotation{0.0, 0.0, 0.0};  // radians
    double jettisonVelocity = 0.0;
    bool addForces = false;
};

class PayloadCarrier {
public:
    // Answers whether a vessel of the given name exists in the simulation; a
    // carrier refuses to attach a name that is no vessel's.
    using VesselExists = std::function<bool(const std::string& name)>;

    PayloadCarrier(std::string ownName, VesselExists vesselExists);
    ~PayloadCarrier();  // releases every attach record still held
    PayloadCarrier(const PayloadCarrier&) = delete;
    PayloadCarrier& operator=(const PayloadCarrier&) = delete;

    // Answers one payload message: 1 for yes, 0 for no; 0 to any other id.
    int32_t HandleMessage(uint32_t messageId, uint32_t parameter, void* context);

    // Starts out holding `payload`, as if an attach had been accepted.
    bool Hold(const std::string& payload, const PayloadParams& params);

    bool Holds(const std::string& payload) const;
    // Copies the held parameters into *params; false when `payload` is not held.
    bool HeldParams(const std::string& payload, PayloadParams* params) const;
    size_t HeldCount() const { return held_.size(); }

    // What happened to attach records: every one received is released
    // exactly once, at a refusal or when its attachment ends.
    unsigned RecordsReceived() const { return recordsReceived_; }
    unsigned RecordsReleased() const { return recordsReleased_; }
    // The parameter of the latest accepted detach (1: with jettison velocity).
    uint32_t LastDetachParameter() const { return lastDetachParameter_; }

private:
    struct Attachment {
        PayloadRecord* attachRecord = nullptr;  // owned; null when held from the start
        PayloadRecord reply;                    // what PLMSG_GET_PARAMS points at
    };

    int32_t Attach(PayloadRecord* record);
    int32_t Detach(uint32_t parameter, const char* name);
    int32_t SetParams(const PayloadRecord* record);
    int32_t GetParams(PayloadQuery* query);
    int32_t SetForces(uint32_t parameter, const char* name);
    void Release(PayloadRecord* record);
    Attachment* Find(const char* name);

    std::string ownName_;
    VesselExists vesselExists_;
    // Found by any text, so that a name from a message is looked up uncopied.
    std::map<std::string, Attachment, std::less<>> held_;
    unsigned recordsReceived_ = 0;
    unsigned recordsReleased_ = 0;
    uint32_t lastDetachParameter_ = 0;
};

// A name text from a message context: at most 255 characters are read, so an
// unterminated buffer never makes the carrier read past it. Empty for null.
std::string PayloadNameFromContext(const char* name);
// The same text without a copy, valid as long as `name` is.
std::string_view PayloadNameView(const char* name);

#endif
