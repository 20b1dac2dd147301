// Numbers in the payload editor's fields: shown with "%.3lf" where that fits,
// read with "%lf".
#ifndef BRASK_DIALOG_FIELD_NUMBER_H
#define BRASK_DIALOG_FIELD_NUMBER_H

#include <stddef.h>

// A field's text: at most 255 characters and a terminating zero.
constexpr size_t kFieldTextSize = 256;
constexpr size_t kFieldTextMax = kFieldTextSize - 1;

// Fixed point with three decimals ("0.000", "-1.000", "28.648") when that
// fits in 255 characters, as it does below about 1e250. Beyond, the shortest
// exponent form that reads back as the very same number ("1e+300"): a field
// must never show a text that reads as another number. Infinities show as
// "inf" and "-inf", NaN as "nan". Cut to fit a smaller buffer.
void FormatFieldNumber(double value, char* text, size_t size);

// Leading white space is skipped and the longest prefix that forms a number
// is taken; a text without a number reads as 0. NaN ("nan") also reads as 0,
// since it would pass every clamp; an infinity ("inf", "1e999") stays one, for
// the arrows to clamp and an attach to refuse.
double ReadFieldNumber(const char* text);

#endif
