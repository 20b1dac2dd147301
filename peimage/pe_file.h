// What a program needs to know of a DLL before it loads it, read from the
// file's bytes: its machine, whether it is a DLL, the DLLs it imports from
// with the names it imports from each, and the names it exports. Plain
// parsing, every read bounded by the bytes given.
#ifndef KESTRIX_PEIMAGE_PE_FILE_H
#define KESTRIX_PEIMAGE_PE_FILE_H

#include <stddef.h>
#include <stdint.h>

#include <string>
#include <vector>

// One DLL an image imports from.
struct PeImport {
    std::string dll;                 // as written, e.g. "KERNEL32.dll"
    std::vector<std::string> names;  // the names imported from it; imports by ordinal are left out
};

struct PeFile {
    bool valid = false;                // false: not a PE image, or its headers are cut short
    uint16_t machine = 0;              // IMAGE_FILE_MACHINE_I386 0x14c, _AMD64 0x8664, ...; read
                                       // whenever the file header is, even if `valid` is false
    bool dll = false;                  // IMAGE_FILE_DLL is set
    std::vector<PeImport> imports;     // in the import table's order
    std::vector<std::string> exports;  // the names it exports
};

PeFile ReadPeFile(const unsigned char* bytes, size_t size);

// "32-bit (x86)", "64-bit (x64)", "ARM64"... for a machine value.
std::string MachineName(uint16_t machine);

// The machine value of this program's own architecture.
uint16_t OwnMachine();

#endif
