// Told whenever a carrier of the scene accepted a message that changes what
// it holds (PLMSG_ATTACH, PLMSG_DETACH, PLMSG_SET_PARAMS answered non-zero),
// whether or not the trace is on. The scene view redraws from it; the
// vessels know nothing of who listens.
#ifndef KESTRIX_HOST_CARRIER_CHANGES_H
#define KESTRIX_HOST_CARRIER_CHANGES_H

#include <stdint.h>

#include <string>

class CarrierChangeObserver {
public:
    virtual ~CarrierChangeObserver() = default;
    virtual void OnCarrierChanged(const std::string& carrier, uint32_t messageId) = 0;
};

// One observer at a time; null removes it.
void ObserveCarrierChanges(CarrierChangeObserver* observer);

// Tells the observer, if any, when the message and its answer changed the carrier.
void ReportCarrierAnswer(const std::string& carrier, uint32_t messageId, int32_t answer);

#endif
