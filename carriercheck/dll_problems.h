// Why a DLL cannot be checked as a carrier, in words for its author: each
// function returns the reason, or an empty text when it found none.
#ifndef KESTRIX_CARRIERCHECK_DLL_PROBLEMS_H
#define KESTRIX_CARRIERCHECK_DLL_PROBLEMS_H

#include <stdint.h>

#include <string>
#include <vector>

#include "peimage/pe_file.h"

// Not an image this program can load: no PE file, a program, another
// architecture than `ownMachine`.
std::string ImageProblem(const PeFile& pe, uint16_t ownMachine);

// One of the three carrier exports is missing; names a near miss when it
// sees one (a C++ name, a __stdcall name).
std::string ExportProblem(const PeFile& pe);

// The DLLs it imports from that cannot be found, and what to do about them.
std::string MissingDependencyProblem(const std::vector<std::string>& missing);

#endif
