// Reading a scene or a script from disk, with the reason when it cannot be.
#ifndef KESTRIX_HOST_APP_TEXT_FILE_H
#define KESTRIX_HOST_APP_TEXT_FILE_H

#include <string>

// The whole file as bytes. False, with `reason` set to why (e.g. "no such
// file", "it is a folder, not a file"), when it cannot be read.
bool ReadTextFile(const std::string& path, std::string* text, std::string* reason);

#endif
