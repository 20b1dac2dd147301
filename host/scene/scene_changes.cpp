#include "host/carrier_changes.h"

#include "payload/payload_protocol.h"

namespace {

CarrierChangeObserver* g_observer = nullptr;

bool ChangesWhatIsHeld(uint32_t messageId) {
    return messageId == PLMSG_ATTACH || messageId == PLMSG_DETACH ||
           messageId == PLMSG_SET_PARAMS;
}

}  // namespace

void ObserveCarrierChanges(CarrierChangeObserver* observer) { g_observer = observer; }

void ReportCarrierAnswer(const std::string& carrier, uint32_t messageId, int32_t answer) {
    if (g_observer != nullptr && answer != 0 && ChangesWhatIsHeld(messageId)) {
        g_observer->OnCarrierChanged(carrier, messageId);
    }
}
