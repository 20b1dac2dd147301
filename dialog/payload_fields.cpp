#include "dialog/payload_fields.h"

#include "dialog/field_number.h"
#include "dialog/resource.h"

const int kPayloadFieldIds[10] = {IDC_POSITION_X,     IDC_POSITION_Y,     IDC_POSITION_Z,
                                  IDC_JETTISON_ROT_X, IDC_JETTISON_ROT_Y, IDC_JETTISON_ROT_Z,
                                  IDC_SHIP_ROT_X,     IDC_SHIP_ROT_Y,     IDC_SHIP_ROT_Z,
                                  IDC_JETTISON_VELOCITY};

void WriteFieldValue(HWND dialog, int fieldId, double value) {
    char text[kFieldTextSize];
    FormatFieldNumber(value, text, sizeof text);
    SetDlgItemTextA(dialog, fieldId, text);
}

void ResetPayloadFields(HWND dialog) {
    SetDlgItemTextA(dialog, IDC_ATTACH_DETACH, "Attach");
    for (int id : kPayloadFieldIds) SetDlgItemTextA(dialog, id, "0.000");
}

void ShownValues(const PayloadRecord& record, double values[10]) {
    const double shown[10] = {
        record.position.x,                record.position.y,
        record.position.z,                record.jettisonRotation.x * DEG,
        record.jettisonRotation.y * DEG,  record.jettisonRotation.z * DEG,
        record.shipRotation.x * DEG,      record.shipRotation.y * DEG,
        record.shipRotation.z * DEG,      record.jettisonVelocity};
    for (int i = 0; i < 10; ++i) values[i] = shown[i];
}

void ShowPayloadRecord(HWND dialog, const PayloadRecord& record, int leftFieldId) {
    double values[10];
    ShownValues(record, values);
    for (int i = 0; i < 10; ++i) {
        if (kPayloadFieldIds[i] == leftFieldId) continue;
        WriteFieldValue(dialog, kPayloadFieldIds[i], values[i]);
    }
}
