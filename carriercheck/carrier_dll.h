// The carrier DLL under check: found, read, judged usable, loaded, and its
// three exports resolved; or the reason it cannot be used.
#ifndef KESTRIX_CARRIERCHECK_CARRIER_DLL_H
#define KESTRIX_CARRIERCHECK_CARRIER_DLL_H

#include <windows.h>

#include <string>

#include "carrierkit/exported_carrier.h"

class CarrierDll {
public:
    CarrierDll() = default;
    ~CarrierDll();  // unloads it
    CarrierDll(const CarrierDll&) = delete;
    CarrierDll& operator=(const CarrierDll&) = delete;

    // Loads the DLL at `path`; false with *problem the reason it cannot be
    // used ("no such file", "is a program, not a DLL", ...).
    bool Open(const std::string& path, std::string* problem);

    HMODULE Module() const { return module_; }
    const CarrierExports& Exports() const { return exports_; }

private:
    HMODULE module_ = nullptr;
    CarrierExports exports_;
};

#endif
