// Texts from scenes, scripts and the dialog as messages show them.
#ifndef KESTRIX_HOST_MESSAGE_TEXT_H
#define KESTRIX_HOST_MESSAGE_TEXT_H

#include <stddef.h>

#include <string>
#include <vector>

// The text in double quotes, with every byte that is not printable ASCII
// escaped: \t, \r, \n, other bytes as \xHH, and '\' as \\. A blank at an
// end, a tab or a byte-order mark is then visible.
std::string InQuotes(const std::string& text);

// The texts quoted and separated by ", "; beyond the first `shown`, only
// "and N more".
std::string ListInQuotes(const std::vector<std::string>& texts, size_t shown);

#endif
