// Why a plug-in DLL could not be loaded, in a user's words.
#ifndef KESTRIX_HOST_LOAD_FAILURE_H
#define KESTRIX_HOST_LOAD_FAILURE_H

#include <windows.h>

#include <string>

#include "peimage/pe_file.h"

// The reason LoadLibrary failed with `code` for `path`, whose file holds
// `image`, e.g. "it is a 64-bit DLL, which a 32-bit kestrix.exe cannot
// load: ...".
std::string DescribeLoadFailure(const std::string& path, const PeFile& image, DWORD code);

// Why a plug-in was built for another host, read from its imports without
// running its code: it imports from another program, or names this program
// does not export (a plug-in imports the host's interface by the host's file
// name and by C++ names, which each compiler decorates its own way). Empty
// when its imports from programs are all here, or it cannot be read.
std::string DescribeHostMismatch(const PeFile& image);

#endif
