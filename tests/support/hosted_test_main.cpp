// Entry point of every test program that hosts the plug-in: the process
// gets what kestrix.exe gives it (its manifest's common controls and DPI
// awareness) before any test runs.
#include <windows.h>
#include <fcntl.h>
#include <io.h>

#include <cstdio>
#include <string>

#include <gtest/gtest.h>

#include "host/win32/common_controls.h"

int main(int argc, char** argv) {
    _setmode(_fileno(stdout), _O_BINARY);
    // Unbuffered, so that a test stopped for taking too long still shows
    // how far it got.
    std::setvbuf(stdout, nullptr, _IONBF, 0);
    std::string error;
    if (!SetUpCommonControls(ControlsSetting::Current, &error)) {
        std::fprintf(stderr, "%s\n", error.c_str());
        return 1;
    }
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
