// The one way the host shows a text it was given (a name from a scene, a
// word of a script, a field of the dialog, a name in a message): in double
// quotes, so that a blank at an end, a tab or a byte-order mark can be seen
// and a hostile name cannot forge a trace line.
#ifndef KESTRIX_HOST_TEXT_QUOTING_H
#define KESTRIX_HOST_TEXT_QUOTING_H

#include <stddef.h>

#include <string>
#include <vector>

// The text in double quotes, every byte that is not printable ASCII escaped:
// \t, \r, \n, other bytes as \xhh; '"' as \" and '\' as \\.
std::string InQuotes(const std::string& text);

// The same for a buffer that may not be terminated: up to its first zero,
// and never past `maxLength` bytes.
std::string InQuotes(const char* text, size_t maxLength);

// The texts quoted and separated by ", "; beyond the first `shown`, only
// "and N more".
std::string ListInQuotes(const std::vector<std::string>& texts, size_t shown);

#endif
