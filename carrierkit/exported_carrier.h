// A carrier that lives in a DLL of its own, reached through the three plain C
// functions such a DLL exports, so that it can be checked whatever compiler
// built it:
//
//     void*   CarrierCreate(const char* ownName, const char* const* vesselNames,
//                           int vesselCount);
//     int32_t CarrierReceive(void* carrier, uint32_t messageId, uint32_t parameter,
//                            void* context);
//     void    CarrierDestroy(void* carrier);
//
// all extern "C" and __cdecl, exported under those undecorated names.
// CarrierCreate makes a fresh carrier that holds nothing (null when it
// cannot); the names it is given stay valid until CarrierDestroy.
// CarrierReceive is the vessel's generic-message callback. CarrierDestroy
// ends whatever attachments the carrier still holds, releasing their records.
#ifndef BRASK_CARRIERKIT_EXPORTED_CARRIER_H
#define BRASK_CARRIERKIT_EXPORTED_CARRIER_H

#include <windows.h>

#include <stdint.h>

#include "carrierkit/conformance_types.h"

extern "C" {
typedef void*(__cdecl* CarrierCreateFn)(const char* ownName, const char* const* vesselNames,
                                        int vesselCount);
typedef int32_t(__cdecl* CarrierReceiveFn)(void* carrier, uint32_t messageId, uint32_t parameter,
                                           void* context);
typedef void(__cdecl* CarrierDestroyFn)(void* carrier);
}

// The three exports' names, in the order of CarrierExports.
extern const char* const kCarrierExportNames[3];

struct CarrierExports {
    CarrierCreateFn create = nullptr;
    CarrierReceiveFn receive = nullptr;
    CarrierDestroyFn destroy = nullptr;
};

// Finds the three in a loaded module; false when any is missing.
bool FindCarrierExports(HMODULE module, CarrierExports* exports);

// A factory for CheckCarrier: each carrier it makes is one CarrierCreate,
// and destroying it is one CarrierDestroy. Null when CarrierCreate is.
CarrierFactory ExportedCarrierFactory(const CarrierExports& exports);

// What the carrier was last asked, for a report when it crashes: "CarrierCreate",
// "CarrierReceive with PLMSG_ATTACH", "CarrierDestroy"; empty before the first call.
const char* LastCarrierCall();

#endif
