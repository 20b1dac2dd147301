// Numbers as scenes and scripts write them, one word each.
#ifndef KESTRIX_HOST_TEXT_NUMBERS_H
#define KESTRIX_HOST_TEXT_NUMBERS_H

#include <stdint.h>

#include <string>

// Whole-word readers: no trailing characters, finite, in range. False, with
// `value` untouched, for anything else.
bool ParseInt32(const std::string& text, int32_t* value);
bool ParseDouble(const std::string& text, double* value);

#endif
