// The stand-in host's command line.
#ifndef KESTRIX_HOST_APP_COMMAND_LINE_H
#define KESTRIX_HOST_APP_COMMAND_LINE_H

#include <string>

struct HostOptions {
    std::string pluginPath;  // empty: BraskDialog.dll beside the executable
    std::string scenePath;   // empty: the built-in demo scene
    std::string scriptPath;  // empty: interactive mode
    bool trace = false;
    bool help = false;
    bool version = false;
};

// False, with `error` set, for an unknown option or a missing value.
bool ParseCommandLine(int argc, char** argv, HostOptions* options, std::string* error);

extern const char kUsage[];

#endif
