// Running the stand-in host as its users do: a separate process.
#ifndef KESTRIX_TESTS_HOST_PROCESS_H
#define KESTRIX_TESTS_HOST_PROCESS_H

#include <string>
#include <vector>

struct ProcessResult {
    unsigned long exitCode = 0;
    std::string out;  // line ends normalised to "\n"
    std::string err;
};

// The exit code of a run that had to be stopped after 30 seconds.
constexpr unsigned long kTimedOut = 0xDEAD;

// Runs kestrix.exe (beside the test program) with the arguments.
ProcessResult RunKestrix(const std::vector<std::string>& args);

// Writes `text` to a fresh temporary file and returns its path.
std::string WriteTempFile(const std::string& text);

#endif
