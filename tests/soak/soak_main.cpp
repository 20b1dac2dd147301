// The soak program: GoogleTest with a size of its own.
//
//   soak_tests [--full] [--opens=N] [--attach-cycles=N] [--clicks=N]
//              [--control-rounds=N] [gtest flags]
//
// Without a size it runs the small one CTest runs; --full is 1,000 openings,
// 1,000 attach-detach cycles, 10,000 arrow clicks and 10,000 rounds of gauges
// and switches.
#include <windows.h>
#include <fcntl.h>
#include <io.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include <gtest/gtest.h>

#include "host/win32/common_controls.h"
#include "tests/soak/soak_size.h"

SoakSize g_soakSize;

namespace {

bool ReadCount(const char* arg, const char* name, int* count) {
    const size_t n = std::strlen(name);
    if (std::strncmp(arg, name, n) != 0 || arg[n] != '=') return false;
    const int value = std::atoi(arg + n + 1);
    if (value > 0) *count = value;
    return true;
}

}  // namespace

int main(int argc, char** argv) {
    _setmode(_fileno(stdout), _O_BINARY);
    testing::InitGoogleTest(&argc, argv);
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--full") == 0) {
            g_soakSize = SoakSize{1000, 1000, 10000, 10000};
        } else if (!ReadCount(argv[i], "--opens", &g_soakSize.opens) &&
                   !ReadCount(argv[i], "--attach-cycles", &g_soakSize.attachCycles) &&
                   !ReadCount(argv[i], "--clicks", &g_soakSize.clicks) &&
                   !ReadCount(argv[i], "--control-rounds", &g_soakSize.controlRounds)) {
            std::fprintf(stderr, "soak_tests: unknown argument %s\n", argv[i]);
            return 2;
        }
    }
    // What kestrix.exe gives the plug-in: its manifest's controls.
    std::string error;
    if (!SetUpCommonControls(ControlsSetting::Current, &error)) {
        std::fprintf(stderr, "soak_tests: %s\n", error.c_str());
        return 1;
    }
    return RUN_ALL_TESTS();
}
