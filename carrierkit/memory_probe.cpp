#include "carrierkit/memory_probe.h"

#include <windows.h>

#include <stdint.h>

bool PointsIntoStack(const void* address, size_t size) {
    // The stack is one reservation: all of it, not only what is committed so
    // far, for a callee's dead frame lies below the caller's wherever the
    // stack has grown to.
    MEMORY_BASIC_INFORMATION region;
    const int here = 0;
    if (VirtualQuery(&here, &region, sizeof region) == 0) return false;
    void* const reservation = region.AllocationBase;
    const uintptr_t low = reinterpret_cast<uintptr_t>(reservation);
    uintptr_t high = low;
    while (VirtualQuery(reinterpret_cast<const void*>(high), &region, sizeof region) != 0 &&
           region.AllocationBase == reservation) {
        high = reinterpret_cast<uintptr_t>(region.BaseAddress) + region.RegionSize;
    }
    const uintptr_t first = reinterpret_cast<uintptr_t>(address);
    return first < high && first + size > low;
}

bool CanRead(const void* address, size_t size) {
    const DWORD readable = PAGE_READONLY | PAGE_READWRITE | PAGE_WRITECOPY | PAGE_EXECUTE_READ |
                           PAGE_EXECUTE_READWRITE | PAGE_EXECUTE_WRITECOPY;
    uintptr_t at = reinterpret_cast<uintptr_t>(address);
    const uintptr_t end = at + size;
    if (end < at) return false;
    while (at < end) {
        MEMORY_BASIC_INFORMATION region;
        if (VirtualQuery(reinterpret_cast<const void*>(at), &region, sizeof region) == 0) {
            return false;
        }
        if (region.State != MEM_COMMIT || (region.Protect & readable) == 0 ||
            (region.Protect & (PAGE_GUARD | PAGE_NOACCESS)) != 0) {
            return false;
        }
        at = reinterpret_cast<uintptr_t>(region.BaseAddress) + region.RegionSize;
    }
    return true;
}
