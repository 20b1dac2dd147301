#include "dialog/payload_fields.h"

#include <cstring>

#include "dialog/field_number.h"
#include "dialog/resource.h"

namespace {

constexpr double kPositionLimit = 1000000.0;
constexpr double kRotationLimit = 180.0;

}  // namespace

// The coarse arrows' ids do not follow the fine ones' pattern; the pairs here
// are the template's.
const PayloadField kPayloadFields[10] = {
    {IDC_POSITION_X, IDC_SPIN_POSITION_X, IDC_COARSE_POSITION_X, kPositionLimit, false,
     [](PayloadValues& v) -> double& { return v.position.x; }},
    {IDC_POSITION_Y, IDC_SPIN_POSITION_Y, IDC_COARSE_POSITION_Y, kPositionLimit, false,
     [](PayloadValues& v) -> double& { return v.position.y; }},
    {IDC_POSITION_Z, IDC_SPIN_POSITION_Z, IDC_COARSE_POSITION_Z, kPositionLimit, false,
     [](PayloadValues& v) -> double& { return v.position.z; }},
    {IDC_JETTISON_ROT_X, IDC_SPIN_JETTISON_ROT_X, IDC_COARSE_JETTISON_ROT_X, kRotationLimit, true,
     [](PayloadValues& v) -> double& { return v.jettisonRotation.x; }},
    {IDC_JETTISON_ROT_Y, IDC_SPIN_JETTISON_ROT_Y, IDC_COARSE_JETTISON_ROT_Y, kRotationLimit, true,
     [](PayloadValues& v) -> double& { return v.jettisonRotation.y; }},
    {IDC_JETTISON_ROT_Z, IDC_SPIN_JETTISON_ROT_Z, IDC_COARSE_JETTISON_ROT_Z, kRotationLimit, true,
     [](PayloadValues& v) -> double& { return v.jettisonRotation.z; }},
    {IDC_SHIP_ROT_X, IDC_SPIN_SHIP_ROT_X, IDC_COARSE_SHIP_ROT_X, kRotationLimit, true,
     [](PayloadValues& v) -> double& { return v.shipRotation.x; }},
    {IDC_SHIP_ROT_Y, IDC_SPIN_SHIP_ROT_Y, IDC_COARSE_SHIP_ROT_Y, kRotationLimit, true,
     [](PayloadValues& v) -> double& { return v.shipRotation.y; }},
    {IDC_SHIP_ROT_Z, IDC_SPIN_SHIP_ROT_Z, IDC_COARSE_SHIP_ROT_Z, kRotationLimit, true,
     [](PayloadValues& v) -> double& { return v.shipRotation.z; }},
    {IDC_JETTISON_VELOCITY, IDC_SPIN_JETTISON_VELOCITY, IDC_COARSE_JETTISON_VELOCITY,
     kPositionLimit, false, [](PayloadValues& v) -> double& { return v.jettisonVelocity; }},
};

const PayloadField* FindFieldBySpin(int spinId) {
    for (const PayloadField& f : kPayloadFields) {
        if (f.fineSpinId == spinId || f.coarseSpinId == spinId) return &f;
    }
    return nullptr;
}

double RecordValue(const PayloadField& field, const PayloadValues& values) {
    PayloadValues copy = values;
    return field.value(copy);
}

double ShownValue(const PayloadField& field, const PayloadValues& values) {
    const double value = RecordValue(field, values);
    return field.degrees ? value * DEG : value;
}

void StoreShownValue(const PayloadField& field, double shown, PayloadValues* values) {
    field.value(*values) = field.degrees ? shown * RAD : shown;
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
