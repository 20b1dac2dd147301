// carrier_check.exe: the conformance check for a carrier that lives in a DLL
// of its own. Loads the DLL, drives the carrier it makes through the payload
// messages as the payload editor sends them, and prints every promise it
// breaks.
//
//   carrier_check CARRIER.DLL
//
// Exit 0: it keeps every promise. 1: findings, on standard output. 2: the DLL
// cannot be used, with the reason on standard error.
#include <windows.h>

#include <stdio.h>

#include <string>
#include <vector>

#include "carriercheck/carrier_dll.h"
#include "carriercheck/crash_report.h"
#include "carrierkit/carrier_conformance.h"

namespace {

const char kUsage[] =
    "usage: carrier_check CARRIER.DLL\n"
    "Checks the carrier that CARRIER.DLL makes with CarrierCreate against every promise the\n"
    "payload editor relies on (payload-protocol.md). Exit 0: it keeps them all;\n"
    "1: findings, one a line; 2: the DLL cannot be used, with the reason.\n";

int Check(const char* path) {
    CarrierDll dll;
    std::string problem;
    if (!dll.Open(path, &problem)) {
        fprintf(stderr, "carrier_check: %s: %s\n", path, problem.c_str());
        return 2;
    }
    ReportCrashesOf(path);
    std::vector<ConformanceFinding> findings =
        CheckCarrier(ExportedCarrierFactory(dll.Exports()), dll.Module());
    // Bad releases were counted, not done: a damaged heap is the carrier's
    // own writing.
    if (!HeapValidate(GetProcessHeap(), 0, nullptr)) {
        findings.push_back(ConformanceFinding{
            "heap",
            "the process heap is damaged after the checks: the carrier wrote outside "
            "the blocks it was given or made"});
    }
    if (findings.empty()) {
        printf("%s: no findings; it keeps every promise the payload editor relies on\n", path);
        return 0;
    }
    const std::string text = FormatFindings(findings);
    size_t lines = 0;
    for (char c : text) lines += c == '\n' ? 1 : 0;
    printf("%s: %u finding%s\n%s", path, static_cast<unsigned>(lines), lines == 1 ? "" : "s",
           text.c_str());
    return 1;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc == 2 && (std::string(argv[1]) == "--help" || std::string(argv[1]) == "-h")) {
        fputs(kUsage, stdout);
        return 0;
    }
    if (argc != 2 || argv[1][0] == '-') {
        fputs(kUsage, stderr);
        return 2;
    }
    const int code = Check(argv[1]);
    fflush(stdout);
    return code;
}
