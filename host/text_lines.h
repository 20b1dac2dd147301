// Reading the stand-in host's line-based files: scenes and scripts.
#ifndef KESTRIX_HOST_TEXT_LINES_H
#define KESTRIX_HOST_TEXT_LINES_H

#include <stdint.h>

#include <string>
#include <vector>

struct Token {
    std::string text;
    bool quoted = false;
};

// Splits a line at blanks; "..." is one token (blanks and semicolons kept);
// '#' outside quotes ends the line. False, with `error` set, for an
// unterminated quote.
bool SplitLine(const std::string& line, std::vector<Token>* tokens, std::string* error);

// The lines of a text, without their line ends (LF or CR LF).
std::vector<std::string> SplitIntoLines(const std::string& text);

bool ReadTextFile(const std::string& path, std::string* text);

// Whole-token number readers: no trailing characters, finite, in range.
bool ParseInt32(const std::string& text, int32_t* value);
bool ParseDouble(const std::string& text, double* value);

#endif
