// Reading a numeric field's value from the dialog.
#ifndef BRASK_DIALOG_FIELD_READING_H
#define BRASK_DIALOG_FIELD_READING_H

#include <windows.h>

// The field's first line, at most 255 characters, read as ReadFieldNumber
// reads it: a text without a number, or NaN, gives 0; an infinity stays one.
double ReadFieldValue(HWND dialog, int fieldId);

#endif
