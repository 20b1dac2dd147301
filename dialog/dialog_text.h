// Bounded reads of the texts the dialog's controls hold.
#ifndef BRASK_DIALOG_DIALOG_TEXT_H
#define BRASK_DIALOG_DIALOG_TEXT_H

#include <windows.h>

#include <stddef.h>

// The text of entry `index` of a combo box. False when there is no such
// entry or its text does not fit in `size` bytes; `buffer` is then empty.
bool ReadComboEntry(HWND dialog, int comboId, LRESULT index, char* buffer, size_t size);

// The index of the combo box's selected entry, or CB_ERR when none.
LRESULT SelectedComboIndex(HWND dialog, int comboId);

// The selected entry's text; false when nothing (readable) is selected.
bool ReadSelectedComboEntry(HWND dialog, int comboId, char* buffer, size_t size);

#endif
