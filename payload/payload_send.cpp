#include "payload/payload_send.h"

MessageVessel* PayloadReceiverByName(const char* name) {
    VesselHandle handle = kapiGetVesselByName(name);
    if (handle == nullptr || !kapiIsVessel(handle)) return nullptr;
    return PayloadReceiver(kapiGetVesselInterface(handle));
}
