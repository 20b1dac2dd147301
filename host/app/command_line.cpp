#include "host/app/command_line.h"

const char kUsage[] =
    "usage: kestrix [--plugin PATH] [--scene FILE] [--script FILE] [--trace]\n"
    "       kestrix --version | --help\n"
    "  --plugin PATH  the plug-in DLL (default: BraskDialog.dll beside kestrix.exe)\n"
    "  --scene FILE   the scene of vessels (default: the built-in demo scene)\n"
    "  --script FILE  run the script's actions without a display, then exit;\n"
    "                 without it the main window opens (a display is needed)\n"
    "  --trace        print every message a vessel receives\n"
    "  --version      print the host's version and the plug-in's\n"
    "exit status: 0 done, 1 the plug-in cannot be loaded (or another failure),\n"
    "  2 a bad command line, scene or script, 3 no display for the main window\n";

bool ParseCommandLine(int argc, char** argv, HostOptions* options, std::string* error) {
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        std::string* value = nullptr;
        if (arg == "--plugin") {
            value = &options->pluginPath;
        } else if (arg == "--scene") {
            value = &options->scenePath;
        } else if (arg == "--script") {
            value = &options->scriptPath;
        } else if (arg == "--trace") {
            options->trace = true;
            continue;
        } else if (arg == "--version") {
            options->version = true;
            continue;
        } else if (arg == "--help" || arg == "-h") {
            options->help = true;
            continue;
        } else {
            *error = "unknown option " + arg;
            return false;
        }
        if (i + 1 >= argc) {
            *error = arg + " needs a value";
            return false;
        }
        *value = argv[++i];
    }
    return true;
}
