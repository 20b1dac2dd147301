// A monotonic clock in microseconds and the median of a set of samples.
#ifndef KESTRIX_BENCH_TIMING_H
#define KESTRIX_BENCH_TIMING_H

#include <windows.h>

#include <algorithm>
#include <vector>

inline double NowMicroseconds() {
    static const double ticksPerMicrosecond = [] {
        LARGE_INTEGER f;
        QueryPerformanceFrequency(&f);
        return static_cast<double>(f.QuadPart) / 1e6;
    }();
    LARGE_INTEGER t;
    QueryPerformanceCounter(&t);
    return static_cast<double>(t.QuadPart) / ticksPerMicrosecond;
}

inline double Median(std::vector<double> samples) {
    if (samples.empty()) return 0.0;
    std::sort(samples.begin(), samples.end());
    const size_t mid = samples.size() / 2;
    return samples.size() % 2 != 0 ? samples[mid] : (samples[mid - 1] + samples[mid]) / 2.0;
}

#endif
