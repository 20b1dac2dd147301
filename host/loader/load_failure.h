// Why a plug-in DLL could not be loaded, in a user's words.
#ifndef KESTRIX_HOST_LOADER_LOAD_FAILURE_H
#define KESTRIX_HOST_LOADER_LOAD_FAILURE_H

#include <windows.h>

#include <string>

#include "peimage/pe_file.h"

// The reason LoadLibrary failed with `code` for `path`, whose file holds
// `image`, e.g. "it is a 64-bit DLL, which a 32-bit kestrix.exe cannot
// load: ...".
std::string DescribeLoadFailure(const std::string& path, const PeFile& image, DWORD code);

#endif
