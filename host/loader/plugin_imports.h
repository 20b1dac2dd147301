// What a plug-in DLL imports from a host program, read from its file without
// running any of its code, and whether this host can serve it.
#ifndef KESTRIX_HOST_LOADER_PLUGIN_IMPORTS_H
#define KESTRIX_HOST_LOADER_PLUGIN_IMPORTS_H

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

// Why a plug-in was built for another host, read from its imports without
// running its code: it imports from another program, or names this program
// does not export (a plug-in imports the host's interface by the host's file
// name and by C++ names, which each compiler decorates its own way). Empty
// when its imports from programs are all here, or it cannot be read.
std::string DescribeHostMismatch(const PeFile& image);

#endif
