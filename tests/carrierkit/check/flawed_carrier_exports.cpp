// flawed_carrier.dll: the flawed carrier behind the three C exports, with the
// flaw named by the environment variable FLAWED_CARRIER (none when unset), so
// that one DLL stands for every faulty carrier. An unknown name makes no
// carrier at all.
#include <windows.h>


#include "tests/carrierkit/check/flawed_carrier.h"

#define CARRIER_EXPORT extern "C" __declspec(dllexport)

CARRIER_EXPORT void* __cdecl CarrierCreate(const char* ownName, const char* const* vesselNames,
                                           int vesselCount) {
    char name[64] = "None";
    const DWORD n = GetEnvironmentVariableA("FLAWED_CARRIER", name, sizeof name);
    if (n >= sizeof name) return nullptr;
    Flaw flaw = Flaw::None;
    if (!FlawNamed(n == 0 ? "None" : name, &flaw)) return nullptr;
    return new FlawedCarrier(ownName, vesselNames, vesselCount, flaw);
}

CARRIER_EXPORT int32_t __cdecl CarrierReceive(void* carrier, uint32_t messageId, uint32_t parameter,
                                              void* context) {
    return static_cast<FlawedCarrier*>(carrier)->Receive(messageId, parameter, context);
}

CARRIER_EXPORT void __cdecl CarrierDestroy(void* carrier) {
    delete static_cast<FlawedCarrier*>(carrier);
}
