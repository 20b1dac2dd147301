#include "host/automation/dialog_driver.h"

#include "host/win32/list_texts.h"
#include "host/win32/window_texts.h"

std::vector<std::string> ComboEntries(HWND dialog, int comboId) {
    return ComboBoxTexts(GetDlgItem(dialog, comboId));
}

int FindComboEntry(HWND dialog, int comboId, const std::string& text) {
    const std::vector<std::string> entries = ComboEntries(dialog, comboId);
    for (size_t i = 0; i < entries.size(); ++i) {
        if (entries[i] == text) return static_cast<int>(i);
    }
    return -1;
}

void OpenAndCloseDropDown(HWND dialog, int comboId) {
    SendDlgItemMessageA(dialog, comboId, CB_SHOWDROPDOWN, TRUE, 0);
    SendDlgItemMessageA(dialog, comboId, CB_SHOWDROPDOWN, FALSE, 0);
}

bool PickComboEntry(HWND dialog, int comboId, const std::string& text) {
    const int index = FindComboEntry(dialog, comboId, text);
    if (index < 0) return false;
    // Selecting from the program raises no notification; closing the list does.
    SendDlgItemMessageA(dialog, comboId, CB_SETCURSEL, static_cast<WPARAM>(index), 0);
    OpenAndCloseDropDown(dialog, comboId);
    return true;
}

void TypeIntoField(HWND dialog, int fieldId, const std::string& text) {
    SetDlgItemTextA(dialog, fieldId, text.c_str());
}

std::string ControlText(HWND dialog, int controlId) {
    HWND control = GetDlgItem(dialog, controlId);
    const int length = GetWindowTextLengthA(control);
    std::string text(static_cast<size_t>(length > 0 ? length : 0) + 1, '\0');
    const int copied = GetWindowTextA(control, &text[0], static_cast<int>(text.size()));
    text.resize(copied > 0 ? static_cast<size_t>(copied) : 0);
    return text;
}

void ClickControl(HWND dialog, int controlId) {
    SendDlgItemMessageA(dialog, controlId, BM_CLICK, 0, 0);
}

void PressSpinArrow(HWND dialog, int spinId, bool upper) {
    HWND spin = GetDlgItem(dialog, spinId);
    RECT r;
    GetClientRect(spin, &r);
    const int x = (r.right - r.left) / 2;
    const int y = upper ? (r.bottom - r.top) / 4 : (r.bottom - r.top) * 3 / 4;
    SendMessageA(spin, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(x, y));
    SendMessageA(spin, WM_LBUTTONUP, 0, MAKELPARAM(x, y));
}

std::string ControlClass(HWND dialog, int controlId) {
    HWND control = GetDlgItem(dialog, controlId);
    if (control == nullptr) return std::string();
    return WindowClassOf(control);
}
