// dialog_bench.exe: how fast the payload editor opens and follows an arrow,
// beside what the same work cannot cost less than on this machine.
//
//   dialog_bench [--quick]
//
// --quick takes few samples: a check that the program works, not figures.
// Exits 1 when a case could not run; missed targets are printed, not failed.
#include <windows.h>
#include <fcntl.h>
#include <io.h>

#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "bench/bench_cases.h"
#include "bench/dialog_probe.h"
#include "host/win32/common_controls.h"

namespace {

typedef std::vector<CaseResult> (*CaseGroup)(const BenchOptions&);

// Each group measures its cases against their floors; a new kind of work
// (painting a control, say) is one more function here.
const CaseGroup kGroups[] = {MeasureOpenings, MeasureSpinClicks, MeasurePaints,
                             MeasureViewPaints};

std::string Verdict(const CaseResult& r) {
    const double ratio = r.floor > 0.0 ? r.median / r.floor : 0.0;
    std::string verdict;
    char text[64];
    if (r.ratioTarget > 0.0) {
        std::snprintf(text, sizeof text, "within %.2fx: %s", r.ratioTarget,
                      ratio <= r.ratioTarget ? "met" : "MISSED");
        verdict += text;
    }
    if (r.limit > 0.0) {
        std::snprintf(text, sizeof text, "%sunder %.0f ms: %s", verdict.empty() ? "" : ", ",
                      r.limit / 1000.0, r.median < r.limit ? "met" : "MISSED");
        verdict += text;
    }
    return verdict.empty() ? "-" : verdict;
}

void Print(const CaseResult& r) {
    const double ratio = r.floor > 0.0 ? r.median / r.floor : 0.0;
    std::printf("%-24s %5u %12.3f %12.3f %7.2f   %s\n", r.name.c_str(),
                static_cast<unsigned>(r.runs), r.median / 1000.0, r.floor / 1000.0, ratio,
                Verdict(r).c_str());
    for (const std::string& line : r.counts) std::printf("    %s\n", line.c_str());
}

}  // namespace

int main(int argc, char** argv) {
    _setmode(_fileno(stdout), _O_BINARY);
    BenchOptions options;
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--quick") == 0) {
            options.scale = 0.05;
        } else {
            std::fprintf(stderr, "usage: dialog_bench [--quick]\n");
            return 2;
        }
    }
    // What kestrix.exe gives the plug-in: its manifest's controls.
    std::string error;
    if (!SetUpCommonControls(ControlsSetting::Current, &error)) {
        std::fprintf(stderr, "dialog_bench: %s\n", error.c_str());
        return 1;
    }
    InstallDialogProbe();

    std::printf("%-24s %5s %12s %12s %7s   %s\n", "case", "runs", "median ms", "floor ms",
                "ratio", "target");
    int code = 0;
    for (CaseGroup group : kGroups) {
        for (const CaseResult& r : group(options)) {
            if (!r.error.empty()) {
                std::printf("%-24s failed: %s\n", r.name.c_str(), r.error.c_str());
                code = 1;
                continue;
            }
            Print(r);
            std::fflush(stdout);
        }
    }
    return code;
}
