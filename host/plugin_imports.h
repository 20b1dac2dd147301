// What a plug-in DLL imports from a host program, read from its import table
// without running any of its code.
#ifndef KESTRIX_HOST_PLUGIN_IMPORTS_H
#define KESTRIX_HOST_PLUGIN_IMPORTS_H

#include <string>
#include <vector>

struct HostImports {
    bool read = false;                 // false: the DLL could not be mapped
    std::vector<std::string> programs;  // the .exe files it imports from
    // The names it imports from a program named as this executable is, that
    // this executable does not export.
    std::vector<std::string> missing;
};

HostImports ReadHostImports(const std::string& path);

// This executable's file name, e.g. "kestrix.exe".
std::string ExecutableFileName();

#endif
