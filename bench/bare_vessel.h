// A vessel whose generic-message callback answers at once: what a message
// costs when the receiver does no work at all.
#ifndef KESTRIX_BENCH_BARE_VESSEL_H
#define KESTRIX_BENCH_BARE_VESSEL_H

#include <memory>
#include <vector>

#include "kapi.h"

std::vector<std::unique_ptr<MessageVessel>> MakeBareVessels(size_t count);

#endif
