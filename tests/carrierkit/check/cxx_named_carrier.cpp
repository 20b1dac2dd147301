// cxx_named_carrier.dll: the three functions exported without extern "C", so
// under their C++ names, as a carrier author who forgot it would. Never
// called: carrier_check must refuse the DLL and say why.
#include <stdint.h>

__declspec(dllexport) void* CarrierCreate(const char*, const char* const*, int) { return nullptr; }
__declspec(dllexport) int32_t CarrierReceive(void*, uint32_t, uint32_t, void*) { return 0; }
__declspec(dllexport) void CarrierDestroy(void*) {}
