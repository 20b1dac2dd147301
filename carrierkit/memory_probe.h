// Where a pointer a carrier gives back points, found out without reading
// through it.
#ifndef BRASK_CARRIERKIT_MEMORY_PROBE_H
#define BRASK_CARRIERKIT_MEMORY_PROBE_H

#include <stddef.h>

// True when any of the `size` bytes at `address` lie in the calling thread's
// stack, where a callee's locals die when it returns.
bool PointsIntoStack(const void* address, size_t size);

// True when all `size` bytes at `address` are committed and readable.
bool CanRead(const void* address, size_t size);

#endif
