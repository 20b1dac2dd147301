// Reading the stand-in host's line-based files, scenes and scripts, with one
// set of word rules for both.
#ifndef KESTRIX_HOST_TEXT_TEXT_LINES_H
#define KESTRIX_HOST_TEXT_TEXT_LINES_H

#include <stddef.h>

#include <functional>
#include <string>
#include <vector>

struct Token {
    std::string text;
    bool quoted = false;
};

// Splits a line into words: blanks and tabs separate them; "..." is one word
// that keeps its blanks, tabs, '#' and semicolons (there is no escape: a
// quoted word holds no '"'); a '#' that starts a word ends the line. False,
// with `error` set, for an unterminated quote.
bool SplitLine(const std::string& line, std::vector<Token>* tokens, std::string* error);

// The words from `first` on as one text, joined by one blank: what follows
// an action that takes a free text, such as a list entry.
std::string JoinWords(const std::vector<Token>& tokens, size_t first);

// The lines of a text, without their line ends (LF or CR LF) and without a
// UTF-8 byte-order mark at its start.
std::vector<std::string> SplitIntoLines(const std::string& text);

// Reads one line; false, with `reason` set, for a line that cannot be read.
using LineReader = std::function<bool(int number, const std::string& line, std::string* reason)>;

// Hands each line of `text`, as SplitIntoLines gives them, to `read` with its
// number from 1. False, with `error` set to "line N: reason", at the first
// line it refuses; no line after that one is read.
bool ReadEachLine(const std::string& text, const LineReader& read, std::string* error);

#endif
