// Acting on a dialog the way a user does, and reading its controls back.
#ifndef KESTRIX_HOST_AUTOMATION_DIALOG_DRIVER_H
#define KESTRIX_HOST_AUTOMATION_DIALOG_DRIVER_H

#include <windows.h>

#include <string>
#include <vector>

// The texts of a combo box's entries, in list order.
std::vector<std::string> ComboEntries(HWND dialog, int comboId);
// The index of the first entry whose text is exactly `text`, or -1.
int FindComboEntry(HWND dialog, int comboId, const std::string& text);

// Selects the entry and opens and closes the drop-down list, as picking the
// entry from the list does. False when no entry has that text.
bool PickComboEntry(HWND dialog, int comboId, const std::string& text);
// Opens and closes the drop-down list without changing the selection.
void OpenAndCloseDropDown(HWND dialog, int comboId);

void TypeIntoField(HWND dialog, int fieldId, const std::string& text);
std::string ControlText(HWND dialog, int controlId);

// A mouse click on a button or check box.
void ClickControl(HWND dialog, int controlId);

// Presses and releases the upper (or lower) arrow of an up-down control.
void PressSpinArrow(HWND dialog, int spinId, bool upper);

// The window class of a control, e.g. "msctls_updown32"; empty when absent.
std::string ControlClass(HWND dialog, int controlId);

#endif
