// carrier_check.exe: the conformance check for a carrier that lives in a DLL
// of its own. Loads the DLL, sends the carrier it makes sequences of payload
// messages as the payload editor sends them, and prints every promise it
// breaks with the shortest sequence found that shows it.
//
//   carrier_check [--budget SECONDS] [--seed N] [--sequences N] CARRIER.DLL
//
// Exit 0: it keeps every promise. 1: findings, on standard output. 2: the DLL
// cannot be used, or the command line is wrong, with the reason on standard
// error.
#include <windows.h>

#include <stdio.h>
#include <stdlib.h>

#include <string>
#include <vector>

#include "carriercheck/carrier_dll.h"
#include "carriercheck/crash_report.h"
#include "carrierkit/carrier_conformance.h"

namespace {

const char kUsage[] =
    "usage: carrier_check [--budget SECONDS] [--seed N] [--sequences N] CARRIER.DLL\n"
    "Checks the carrier that CARRIER.DLL makes with CarrierCreate against every promise the\n"
    "payload editor relies on (payload-protocol.md): every sequence of up to 3 messages,\n"
    "longer fixed ones, then random sequences of up to 12 messages, each to a fresh carrier.\n"
    "  --budget SECONDS  time for the whole check (default 9); random sequences fill\n"
    "                    what the others leave\n"
    "  --seed N          the random sequences' seed (default 1)\n"
    "  --sequences N     exactly N random sequences, whatever the time, to repeat a run\n"
    "Exit 0: it keeps them all; 1: findings, each with the shortest sequence found;\n"
    "2: the DLL cannot be used.\n";

struct Arguments {
    ExploreOptions options;
    const char* dll = nullptr;
};

bool ReadNumber(const char* text, double low, double high, double* value) {
    char* end = nullptr;
    const double v = strtod(text, &end);
    if (end == text || *end != '\0' || !(v >= low && v <= high)) return false;
    *value = v;
    return true;
}

// False, with the reason, for a command line that is not the usage's.
bool Parse(int argc, char** argv, Arguments* args, std::string* problem) {
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        const bool option = arg == "--budget" || arg == "--seed" || arg == "--sequences";
        if (option) {
            if (i + 1 >= argc) {
                *problem = arg + " needs a number";
                return false;
            }
            const char* text = argv[++i];
            double v = 0;
            if (arg == "--budget" && ReadNumber(text, 0.0, 86400.0, &v)) {
                args->options.budgetSeconds = v;
            } else if (arg == "--seed" && ReadNumber(text, 0.0, 9007199254740992.0, &v) &&
                       v == static_cast<double>(static_cast<uint64_t>(v))) {
                args->options.seed = static_cast<uint64_t>(v);
            } else if (arg == "--sequences" && ReadNumber(text, 0.0, 1e12, &v) &&
                       v == static_cast<double>(static_cast<int64_t>(v))) {
                args->options.randomSequences = static_cast<int64_t>(v);
            } else {
                *problem = arg + " takes " +
                           (arg == "--budget" ? "seconds from 0 to 86400"
                                              : "a whole number of 0 or more") +
                           ", not \"" + text + "\"";
                return false;
            }
        } else if (!arg.empty() && arg[0] == '-') {
            *problem = "unknown option " + arg;
            return false;
        } else if (args->dll != nullptr) {
            *problem = "one carrier DLL at a time";
            return false;
        } else {
            args->dll = argv[i];
        }
    }
    if (args->dll == nullptr) *problem = "no carrier DLL given";
    return args->dll != nullptr;
}

int Check(const Arguments& args) {
    const char* path = args.dll;
    CarrierDll dll;
    std::string problem;
    if (!dll.Open(path, &problem)) {
        fprintf(stderr, "carrier_check: %s: %s\n", path, problem.c_str());
        return 2;
    }
    ReportCrashesOf(path);
    ExploreStats stats;
    std::vector<ConformanceFinding> findings =
        CheckCarrier(ExportedCarrierFactory(dll.Exports()), dll.Module(), args.options, &stats);
    // Bad releases were counted, not done: a damaged heap is the carrier's
    // own writing.
    if (!HeapValidate(GetProcessHeap(), 0, nullptr)) {
        findings.push_back(ConformanceFinding{
            "heap",
            "the process heap is damaged after the checks: the carrier wrote outside "
            "the blocks it was given or made",
            {}});
    }
    if (findings.empty()) {
        printf("%s: no findings; it keeps every promise the payload editor relies on\n%s\n", path,
               FormatExploreStats(stats).c_str());
        return 0;
    }
    const std::string text = FormatFindings(findings);
    size_t count = 0;
    // One finding a line that starts with its promises in brackets.
    for (size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '[' && (i == 0 || text[i - 1] == '\n')) ++count;
    }
    printf("%s: %u finding%s\n%s%s\n", path, static_cast<unsigned>(count), count == 1 ? "" : "s",
           text.c_str(), FormatExploreStats(stats).c_str());
    return 1;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc == 2 && (std::string(argv[1]) == "--help" || std::string(argv[1]) == "-h")) {
        fputs(kUsage, stdout);
        return 0;
    }
    Arguments args;
    std::string problem;
    if (!Parse(argc, argv, &args, &problem)) {
        fprintf(stderr, "carrier_check: %s\n%s", problem.c_str(), kUsage);
        return 2;
    }
    const int code = Check(args);
    fflush(stdout);
    return code;
}
