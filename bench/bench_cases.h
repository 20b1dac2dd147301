// The benchmark's cases. Each measures the plug-in and its floor in turns,
// in the same run, and says what it counted.
#ifndef KESTRIX_BENCH_BENCH_CASES_H
#define KESTRIX_BENCH_BENCH_CASES_H

#include <stddef.h>

#include <string>
#include <vector>

struct CaseResult {
    std::string name;
    size_t runs = 0;
    double median = 0.0;       // microseconds
    double floor = 0.0;        // microseconds, the floor's median
    double floorMessages = 0.0;  // medians of the floor's two parts
    double floorWindows = 0.0;
    double ratioTarget = 0.0;  // 0: none
    double limit = 0.0;        // microseconds; 0: none
    std::vector<std::string> counts;  // one line each, printed under the figures
    std::string error;                // set when the case could not run
};

struct BenchOptions {
    double scale = 1.0;  // multiplies every case's number of runs
};

// A case's number of runs times the scale, to the nearest whole run (a
// product a hair under a whole number is that number), at least one, and
// odd, so that the median is one of the samples.
size_t ScaledRuns(const BenchOptions& options, size_t runs);

// Opening the dialog (WM_INITDIALOG to its return) on scenes of 10, 100 and
// 1,000 vessels.
std::vector<CaseResult> MeasureOpenings(const BenchOptions& options);

// One arrow click on an attached payload (UDN_DELTAPOS to its return).
std::vector<CaseResult> MeasureSpinClicks(const BenchOptions& options);

// One paint of a gauge and of a switch (WM_PAINT, erase included).
std::vector<CaseResult> MeasurePaints(const BenchOptions& options);

// One paint of the scene view's picture, with 1 and with 100 payloads.
std::vector<CaseResult> MeasureViewPaints(const BenchOptions& options);

#endif
