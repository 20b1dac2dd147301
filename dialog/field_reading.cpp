#include "dialog/field_reading.h"

#include <cstring>

#include "dialog/field_number.h"

double ReadFieldValue(HWND dialog, int fieldId) {
    char text[kFieldTextSize];
    // EM_GETLINE takes the buffer's capacity in its first word and copies
    // without a terminating zero.
    const WORD capacity = static_cast<WORD>(kFieldTextMax);
    std::memcpy(text, &capacity, sizeof capacity);
    LRESULT copied =
        SendDlgItemMessageA(dialog, fieldId, EM_GETLINE, 0, reinterpret_cast<LPARAM>(text));
    if (copied < 0) copied = 0;
    if (copied > static_cast<LRESULT>(kFieldTextMax)) copied = static_cast<LRESULT>(kFieldTextMax);
    text[copied] = '\0';
    return ReadFieldNumber(text);
}
