// Reading a numeric field's value from the dialog.
#ifndef BRASK_DIALOG_FIELD_READING_H
#define BRASK_DIALOG_FIELD_READING_H

#include <windows.h>

// The field's first line, at most 255 characters, read as "%lf" reads it; a
// text without a finite number gives 0.
double ReadFieldValue(HWND dialog, int fieldId);

#endif
