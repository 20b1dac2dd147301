// What a plug-in DLL imports from a host program, read from its file without
// running any of its code.
#ifndef KESTRIX_HOST_PLUGIN_IMPORTS_H
#define KESTRIX_HOST_PLUGIN_IMPORTS_H

#include <string>
#include <vector>

#include "peimage/pe_file.h"

// The plug-in's image as its file holds it; not valid when the file cannot be
// read or is no PE image.
PeFile ReadPluginImage(const std::string& path);

struct HostImports {
    std::vector<std::string> programs;  // the .exe files it imports from
    // The names it imports from a program named as this executable is, that
    // this executable does not export.
    std::vector<std::string> missing;
};

// Nothing for an image of another machine, which the loader refuses anyway.
HostImports FindHostImports(const PeFile& image);

// This executable's file name, e.g. "kestrix.exe".
std::string ExecutableFileName();

#endif
