// The scenes the benchmark opens the dialog on.
#ifndef KESTRIX_BENCH_BENCH_SCENE_H
#define KESTRIX_BENCH_BENCH_SCENE_H

#include <stddef.h>

#include <string>

// `vessels` vessels, every tenth a carrier, and half of the others attached,
// spread evenly over the carriers. Names are of one length, as in a real
// scene; the carriers sort before the other vessels.
std::string BenchSceneText(size_t vessels);

// The first carrier in sorted order, and a payload it holds.
const char* BenchSelectedCarrier();
std::string BenchPayloadOfSelectedCarrier();

#endif
