#include "dialog/payload_fields.h"

#include <cstring>

#include "dialog/field_number.h"
#include "dialog/resource.h"

namespace {

double& ValueOf(FieldValue which, PayloadValues& v) {
    switch (which) {
    case FieldValue::PositionX: return v.position.x;
    case FieldValue::PositionY: return v.position.y;
    case FieldValue::PositionZ: return v.position.z;
    case FieldValue::JettisonRotationX: return v.jettisonRotation.x;
    case FieldValue::JettisonRotationY: return v.jettisonRotation.y;
    case FieldValue::JettisonRotationZ: return v.jettisonRotation.z;
    case FieldValue::ShipRotationX: return v.shipRotation.x;
    case FieldValue::ShipRotationY: return v.shipRotation.y;
    case FieldValue::ShipRotationZ: return v.shipRotation.z;
    case FieldValue::JettisonVelocity: break;
    }
    return v.jettisonVelocity;
}

}  // namespace

double RecordValue(const PayloadField& field, const PayloadValues& values) {
    PayloadValues copy = values;
    return ValueOf(field.value, copy);
}

double ShownValue(const PayloadField& field, const PayloadValues& values) {
    const double value = RecordValue(field, values);
    return field.degrees ? value * DEG : value;
}

void StoreShownValue(const PayloadField& field, double shown, PayloadValues* values) {
    ValueOf(field.value, *values) = field.degrees ? shown * RAD : shown;
}

void WriteFieldValue(HWND dialog, int editId, double value) {
    char text[kFieldTextSize];
    FormatFieldNumber(value, text, sizeof text);
    SetDlgItemTextA(dialog, editId, text);
}

double ReadFieldValue(HWND dialog, int editId) {
    char text[kFieldTextSize];
    // EM_GETLINE takes the buffer's capacity in its first word and copies
    // without a terminating zero.
    const WORD capacity = static_cast<WORD>(kFieldTextMax);
    std::memcpy(text, &capacity, sizeof capacity);
    LRESULT copied =
        SendDlgItemMessageA(dialog, editId, EM_GETLINE, 0, reinterpret_cast<LPARAM>(text));
    if (copied < 0) copied = 0;
    if (copied > static_cast<LRESULT>(kFieldTextMax)) copied = static_cast<LRESULT>(kFieldTextMax);
    text[copied] = '\0';
    return ReadFieldNumber(text);
}

void ResetPayloadFields(HWND dialog) {
    SetDlgItemTextA(dialog, IDC_ATTACH_DETACH, "Attach");
    for (const PayloadField& f : kPayloadFields) SetDlgItemTextA(dialog, f.editId, "0.000");
}

void ShowPayloadRecord(HWND dialog, const PayloadRecord& record, int leftEditId) {
    const PayloadValues values = record.Values();
    for (const PayloadField& f : kPayloadFields) {
        if (f.editId == leftEditId) continue;
        WriteFieldValue(dialog, f.editId, ShownValue(f, values));
    }
}
