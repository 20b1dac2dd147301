// Numbers in the payload editor's fields: shown with "%.3lf", read with "%lf".
#ifndef BRASK_DIALOG_FIELD_NUMBER_H
#define BRASK_DIALOG_FIELD_NUMBER_H

#include <stddef.h>

// A field's text: at most 255 characters and a terminating zero. Formatting
// needs more room than that only for magnitudes beyond 1e250.
constexpr size_t kFieldTextSize = 256;
constexpr size_t kFieldTextMax = kFieldTextSize - 1;

// Fixed point with three decimals ("0.000", "-1.000", "28.648"), cut to fit.
void FormatFieldNumber(double value, char* text, size_t size);

// Leading white space is skipped and the longest prefix that forms a number
// is taken; a text without a number reads as 0. A number that is not finite
// ("nan", "inf", "1e999") also reads as 0: no carrier may receive one.
double ReadFieldNumber(const char* text);

#endif
