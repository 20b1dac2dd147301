// The three plain C functions carrier_check.exe finds in a carrier DLL. Plain
// C (extern "C", __cdecl), so that the check works whatever compiler built
// the DLL; the carrier behind them is C++.
#include "example_carrier.h"

#define CARRIER_EXPORT extern "C" __declspec(dllexport)

// A fresh carrier that holds nothing, or null. The names stay valid until
// CarrierDestroy.
CARRIER_EXPORT void* __cdecl CarrierCreate(const char* ownName, const char* const* vesselNames,
                                           int vesselCount) {
    if (ownName == nullptr) return nullptr;
    return new ExampleCarrier(ownName, vesselNames, vesselCount);
}

// The vessel's generic-message callback.
CARRIER_EXPORT int32_t __cdecl CarrierReceive(void* carrier, uint32_t messageId, uint32_t parameter,
                                              void* context) {
    return static_cast<ExampleCarrier*>(carrier)->Receive(messageId, parameter, context);
}

// Ends the carrier and every attachment it still holds.
CARRIER_EXPORT void __cdecl CarrierDestroy(void* carrier) {
    delete static_cast<ExampleCarrier*>(carrier);
}
