// An image file read whole into memory, for ReadPeFile: a program reads a
// DLL's bytes before it lets the loader near it.
#ifndef KESTRIX_PEIMAGE_IMAGE_FILE_H
#define KESTRIX_PEIMAGE_IMAGE_FILE_H

#include <windows.h>

#include <string>
#include <vector>

// Larger than any DLL worth reading, small enough to read whole.
const DWORD kLargestImageFile = 256u << 20;

// The whole file at `path` into *bytes: 0, or the Windows error why not
// (ERROR_FILE_TOO_LARGE beyond kLargestImageFile bytes), with *bytes empty.
DWORD ReadImageFile(const std::string& path, std::vector<unsigned char>* bytes);

#endif
