// Why a plug-in DLL could not be loaded, in a user's words.
#ifndef KESTRIX_HOST_LOAD_FAILURE_H
#define KESTRIX_HOST_LOAD_FAILURE_H

#include <windows.h>

#include <string>

// The machine a Windows image is built for (IMAGE_FILE_MACHINE_I386,
// IMAGE_FILE_MACHINE_AMD64, ...); 0 for a file that is no Windows image or
// cannot be read.
WORD ImageMachine(const std::string& path);

// The reason LoadLibrary failed with `code` for `path`, e.g. "it is a 64-bit
// DLL, which a 32-bit kestrix.exe cannot load: ...".
std::string DescribeLoadFailure(const std::string& path, DWORD code);

// Why a plug-in was built for another host, read from its imports without
// running its code: it imports from another program, or names this program
// does not export (a plug-in imports the host's interface by the host's file
// name and by C++ names, which each compiler decorates its own way). Empty
// when its imports from programs are all here, or it cannot be read.
std::string DescribeHostMismatch(const std::string& path);

#endif
