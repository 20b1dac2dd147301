// The reference carrier's logic: holds payloads by name and answers the seven
// payload messages the way the payload editor relies on. It depends on
// nothing but payload/payload_protocol.h and the C++ library, so any vessel
// can use it. A vessel's generic-message callback delegates to it:
//
//     class Tug : public MessageVessel {
//     public:
//         Tug(VesselHandle h, int16_t version)
//             : MessageVessel(h, version),
//               carrier_(GetName(), [](const std::string& name) {
//                   return kapiGetVesselByName(name.c_str()) != nullptr;
//               }) {
//             carrier_.SetDetachHandler(
//                 [this](const std::string& payload, const PayloadParams& p, bool addVelocity) {
//                     Jettison(payload, p, addVelocity);
//                 });
//         }
//         int32_t ReceiveMessage(uint32_t id, uint32_t prm, void* ctx) override {
//             return carrier_.HandleMessage(id, prm, ctx);
//         }
//         void PlacePayloads() {  // once a time step
//             for (const std::string& name : carrier_.HeldPayloads()) {
//                 PayloadParams p;
//                 if (carrier_.HeldParams(name, &p)) Place(name, p);
//             }
//         }
//     private:
//         PayloadCarrier carrier_;
//     };
//
// docs/payload-protocol.md describes the messages; the conformance check in
// carrier_conformance.h tells whether a carrier keeps every promise.
#ifndef BRASK_CARRIERKIT_PAYLOAD_CARRIER_H
#define BRASK_CARRIERKIT_PAYLOAD_CARRIER_H

#include <stdint.h>

#include <functional>
#include <map>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "payload/payload_protocol.h"

class PayloadCarrier {
public:
    // Answers whether a vessel of the given name exists in the simulation; a
    // carrier refuses to attach a name that is no vessel's. An empty function
    // takes every name for a vessel's.
    using VesselExists = std::function<bool(const std::string& name)>;
    // Told of every accepted detach, after the payload is released: its last
    // parameters, and whether the user asked for the jettison velocity.
    using DetachHandler = std::function<void(const std::string& payload,
                                             const PayloadParams& params, bool addVelocity)>;

    PayloadCarrier(std::string ownName, VesselExists vesselExists);
    ~PayloadCarrier();  // releases every attach record still held
    PayloadCarrier(const PayloadCarrier&) = delete;
    PayloadCarrier& operator=(const PayloadCarrier&) = delete;

    // Answers one payload message: 1 for yes, 0 for no; 0 to any other id.
    int32_t HandleMessage(uint32_t messageId, uint32_t parameter, void* context);

    void SetDetachHandler(DetachHandler handler) { detachHandler_ = std::move(handler); }

    // Starts out holding `payload`, as if an attach had been accepted (a
    // scenario that begins with it attached, say). False when it is the
    // carrier itself or held already.
    bool Hold(const std::string& payload, const PayloadParams& params);

    bool Holds(const std::string& payload) const;
    // Copies the held parameters into *params; false when `payload` is not held.
    bool HeldParams(const std::string& payload, PayloadParams* params) const;
    // The names of the held payloads, in name order.
    std::vector<std::string> HeldPayloads() const;
    size_t HeldCount() const { return held_.size(); }

    // What happened to attach records, for diagnostics: every one received
    // is released exactly once, at a refusal or when its attachment ends.
    unsigned RecordsReceived() const { return recordsReceived_; }
    unsigned RecordsReleased() const { return recordsReleased_; }

private:
    template <typename Carrier>
    friend int32_t DispatchPayloadMessage(Carrier&, uint32_t, uint32_t, void*);

    struct Attachment {
        PayloadRecord* attachRecord = nullptr;  // owned; null when held from the start
        PayloadRecord reply;                    // what PLMSG_GET_PARAMS points at
    };

    // The messages, as DispatchPayloadMessage hands them over.
    int32_t IsAttached(const char* name);
    int32_t Attach(PayloadRecord* record);
    int32_t Detach(const char* name, bool addVelocity);
    int32_t SetParams(const PayloadRecord* record);
    int32_t GetParams(PayloadQuery* query);
    int32_t SetForces(const char* name, bool on);
    void Release(PayloadRecord* record);
    Attachment* Find(const char* name);

    std::string ownName_;
    VesselExists vesselExists_;
    DetachHandler detachHandler_;
    // Found by any text, so that a name from a message is looked up uncopied.
    std::map<std::string, Attachment, std::less<>> held_;
    unsigned recordsReceived_ = 0;
    unsigned recordsReleased_ = 0;
};

// A name text from a message context: at most 255 characters are read, so an
// unterminated buffer never makes the carrier read past it. Empty for null.
std::string PayloadNameFromContext(const char* name);
// The same text without a copy, valid as long as `name` is.
std::string_view PayloadNameView(const char* name);

#endif
