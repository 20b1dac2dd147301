#include "dialog/dialog_text.h"

namespace {

// Each look-up of a control by id walks the dialog's children (under Wine a
// round trip to the server), so a read looks its list up once.
bool ReadEntry(HWND combo, LRESULT index, char* buffer, size_t size) {
    if (size == 0) return false;
    buffer[0] = '\0';
    if (combo == nullptr || index < 0) return false;
    // CB_GETLBTEXT takes no buffer size: ask for the length first.
    const LRESULT length = SendMessageA(combo, CB_GETLBTEXTLEN, static_cast<WPARAM>(index), 0);
    if (length < 0 || static_cast<size_t>(length) >= size) return false;
    const LRESULT copied = SendMessageA(combo, CB_GETLBTEXT, static_cast<WPARAM>(index),
                                        reinterpret_cast<LPARAM>(buffer));
    if (copied < 0) {
        buffer[0] = '\0';
        return false;
    }
    return true;
}

}  // namespace

bool ReadComboEntry(HWND dialog, int comboId, LRESULT index, char* buffer, size_t size) {
    return ReadEntry(GetDlgItem(dialog, comboId), index, buffer, size);
}

LRESULT SelectedComboIndex(HWND dialog, int comboId) {
    return SendDlgItemMessageA(dialog, comboId, CB_GETCURSEL, 0, 0);
}

bool ReadSelectedComboEntry(HWND dialog, int comboId, char* buffer, size_t size) {
    HWND combo = GetDlgItem(dialog, comboId);
    const LRESULT index = combo != nullptr ? SendMessageA(combo, CB_GETCURSEL, 0, 0) : CB_ERR;
    return ReadEntry(combo, index, buffer, size);
}
