// The loader's link step done on files: every name an image imports must be
// exported by the DLL it names. Checked without running anything, so that
// programs of an architecture this machine cannot execute are still linked
// before they ship. Plain code over PeFile records, no Win32.
#ifndef KESTRIX_LINKCHECK_IMPORT_RESOLUTION_H
#define KESTRIX_LINKCHECK_IMPORT_RESOLUTION_H

#include <stddef.h>

#include <functional>
#include <string>
#include <vector>

#include "peimage/pe_file.h"

// The image that provides the DLL named as an import names it (any case), or
// null when there is none.
using DllLookup = std::function<const PeFile*(const std::string& dll)>;

struct ImportReport {
    size_t resolved = 0;                // names found in their DLL's exports
    size_t dlls = 0;                    // DLLs imported from
    std::vector<std::string> problems;  // one sentence each, in the import table's order
};

ImportReport ResolveImports(const PeFile& image, const DllLookup& lookup);

// A DLL name as the loader compares it: ASCII letters folded to lower case.
std::string FoldDllName(const std::string& name);

#endif
