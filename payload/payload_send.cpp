#include "payload/payload_send.h"

MessageVessel* PayloadReceiver(VESSEL* vessel) {
    if (vessel == nullptr || vessel->GetInterfaceVersion() <= 1) return nullptr;
    // Above version 1 the interface is part of the vessel's class object.
    return static_cast<MessageVessel*>(vessel);
}

MessageVessel* PayloadReceiverByName(const char* name) {
    VesselHandle handle = kapiGetVesselByName(name);
    if (handle == nullptr || !kapiIsVessel(handle)) return nullptr;
    return PayloadReceiver(kapiGetVesselInterface(handle));
}

int32_t SendPayloadMessage(MessageVessel* receiver, uint32_t messageId, uint32_t parameter,
                           void* context) {
    return receiver->ReceiveMessage(messageId, parameter, context);
}
