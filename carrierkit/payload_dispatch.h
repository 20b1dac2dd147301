// The switch over the seven payload messages, for any carrier: each context
// cast to what its message carries, PLMSG_IS_CARRIER answered 1, and 0 for a
// message that came without its context or is another plug-in's. A carrier
// states only what it does with each message, in these members (private
// ones with a friend declaration of DispatchPayloadMessage):
//
//     int32_t IsAttached(const char* name);
//     int32_t Attach(PayloadRecord* record);          // the carrier's, whatever it answers
//     int32_t Detach(char* name, bool addVelocity);
//     int32_t SetParams(const PayloadRecord* record); // lent for the call only
//     int32_t GetParams(PayloadQuery* query);
//     int32_t SetForces(const char* name, bool on);
//
// and its generic-message callback is
//
//     return DispatchPayloadMessage(*this, messageId, parameter, context);
#ifndef BRASK_CARRIERKIT_PAYLOAD_DISPATCH_H
#define BRASK_CARRIERKIT_PAYLOAD_DISPATCH_H

#include <stdint.h>

#include "payload/payload_protocol.h"

template <typename Carrier>
int32_t DispatchPayloadMessage(Carrier& carrier, uint32_t messageId, uint32_t parameter,
                               void* context) {
    if (messageId == PLMSG_IS_CARRIER) return 1;
    if (context == nullptr) return 0;
    switch (messageId) {
    case PLMSG_IS_ATTACHED:
        return carrier.IsAttached(static_cast<const char*>(context));
    case PLMSG_ATTACH:
        return carrier.Attach(static_cast<PayloadRecord*>(context));
    case PLMSG_DETACH:
        return carrier.Detach(static_cast<char*>(context), parameter != 0);
    case PLMSG_SET_PARAMS:
        return carrier.SetParams(static_cast<const PayloadRecord*>(context));
    case PLMSG_GET_PARAMS:
        return carrier.GetParams(static_cast<PayloadQuery*>(context));
    case PLMSG_SET_FORCES:
        return carrier.SetForces(static_cast<const char*>(context), parameter != 0);
    default:
        return 0;
    }
}

#endif
