// Exports its exit entry under the other name the attach hook looks for. The
// host sees the call as an unregistration of command 4242.
#include "kapi.h"

extern "C" __declspec(dllexport) void kpcDLLExit(HINSTANCE /*instance*/) {
    kapiUnregisterCustomCmd(4242);
}
