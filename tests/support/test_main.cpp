// Entry point of every test program: the process gets what a host process
// has (the common controls) before any test runs.
#include <windows.h>
#include <commctrl.h>
#include <fcntl.h>
#include <io.h>

#include <cstdio>

#include <gtest/gtest.h>

int main(int argc, char** argv) {
    _setmode(_fileno(stdout), _O_BINARY);
    // Unbuffered, so that a test stopped for taking too long still shows
    // how far it got.
    std::setvbuf(stdout, nullptr, _IONBF, 0);
    INITCOMMONCONTROLSEX icc = {sizeof(INITCOMMONCONTROLSEX), ICC_UPDOWN_CLASS};
    InitCommonControlsEx(&icc);
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
