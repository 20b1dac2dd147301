// Where the running program lies: the host looks for the plug-in beside
// itself, and tells a plug-in built for another program by its file name.
#ifndef KESTRIX_HOST_LOADER_EXECUTABLE_PATH_H
#define KESTRIX_HOST_LOADER_EXECUTABLE_PATH_H

#include <string>

// The folder of the running executable, with a trailing backslash; empty
// when the path cannot be read.
std::string ExecutableFolder();

// The running executable's file name, e.g. "kestrix.exe".
std::string ExecutableFileName();

#endif
