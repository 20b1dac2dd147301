// Sending payload messages to vessels. A vessel is sent a message only when it
// has an interface whose version, read as a signed 16-bit number, is above 1:
// only then is the interface part of a class object that takes messages.
#ifndef BRASK_PAYLOAD_PAYLOAD_SEND_H
#define BRASK_PAYLOAD_PAYLOAD_SEND_H

#include <stdint.h>

#include "kapi.h"

// The class object that receives payload messages for this interface, or
// null when the vessel must never be sent one. Inline, like the send below:
// the holder search runs both n x n times when the dialog opens.
inline MessageVessel* PayloadReceiver(VESSEL* vessel) {
    if (vessel == nullptr || vessel->GetInterfaceVersion() <= 1) return nullptr;
    // Above version 1 the interface is part of the vessel's class object.
    return static_cast<MessageVessel*>(vessel);
}

// The receiver of a live vessel found by name, or null when there is no such
// vessel, it is not alive, has no interface, or must not be messaged.
MessageVessel* PayloadReceiverByName(const char* name);

// Every message finds its vessel by name: true when `name` leads back to the
// vessel `handle`. A name shared with an earlier vessel leads there instead,
// and one longer than a record's name would be cut to another name, so
// neither can stand for `handle`.
bool NameReachesVessel(const char* name, VesselHandle handle);

// One synchronous call of the receiver's generic-message callback.
inline int32_t SendPayloadMessage(MessageVessel* receiver, uint32_t messageId, uint32_t parameter,
                                  void* context) {
    return receiver->ReceiveMessage(messageId, parameter, context);
}

#endif
