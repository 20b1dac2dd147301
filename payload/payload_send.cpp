#include "payload/payload_send.h"

#include <cstring>

#include "payload/payload_protocol.h"

MessageVessel* PayloadReceiverByName(const char* name) {
    VesselHandle handle = kapiGetVesselByName(name);
    if (handle == nullptr || !kapiIsVessel(handle)) return nullptr;
    return PayloadReceiver(kapiGetVesselInterface(handle));
}

bool NameReachesVessel(const char* name, VesselHandle handle) {
    return std::strlen(name) <= kPayloadNameMax && kapiGetVesselByName(name) == handle;
}
