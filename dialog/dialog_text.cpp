#include "dialog/dialog_text.h"

bool ReadComboEntry(HWND dialog, int comboId, LRESULT index, char* buffer, size_t size) {
    if (size == 0) return false;
    buffer[0] = '\0';
    if (index < 0) return false;
    // CB_GETLBTEXT takes no buffer size: ask for the length first.
    const LRESULT length =
        SendDlgItemMessageA(dialog, comboId, CB_GETLBTEXTLEN, static_cast<WPARAM>(index), 0);
    if (length < 0 || static_cast<size_t>(length) >= size) return false;
    const LRESULT copied = SendDlgItemMessageA(dialog, comboId, CB_GETLBTEXT,
                                               static_cast<WPARAM>(index),
                                               reinterpret_cast<LPARAM>(buffer));
    if (copied < 0) {
        buffer[0] = '\0';
        return false;
    }
    return true;
}

LRESULT SelectedComboIndex(HWND dialog, int comboId) {
    return SendDlgItemMessageA(dialog, comboId, CB_GETCURSEL, 0, 0);
}

bool ReadSelectedComboEntry(HWND dialog, int comboId, char* buffer, size_t size) {
    return ReadComboEntry(dialog, comboId, SelectedComboIndex(dialog, comboId), buffer, size);
}
