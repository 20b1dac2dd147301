// The ten numeric fields of the payload editor: one table says, for each,
// its edit, its two arrows, its limit, its unit and where its value lives.
#ifndef BRASK_DIALOG_PAYLOAD_FIELDS_H
#define BRASK_DIALOG_PAYLOAD_FIELDS_H

#include <windows.h>

#include "payload/payload_protocol.h"

// Degrees to radians on the way in, radians to degrees on the way out.
constexpr double RAD = 0.017453292519943295;
constexpr double DEG = 57.29577951308232;

struct PayloadField {
    int editId;
    int fineSpinId;    // steps by 0.001
    int coarseSpinId;  // steps by 1.0
    double limit;      // the arrows keep the value as shown within +-limit
    bool degrees;      // a rotation: radians in the record, degrees in the field
    double& (*value)(PayloadValues& values);  // where the record keeps it
};

// In the order the fields are shown and reset: position x, y, z; jettison
// rotation x, y, z; ship rotation x, y, z; jettison velocity.
extern const PayloadField kPayloadFields[10];

// The field whose fine or coarse arrow `spinId` is, or null.
const PayloadField* FindFieldBySpin(int spinId);

// The field's value as the record carries it, and as the field shows it.
double RecordValue(const PayloadField& field, const PayloadValues& values);
double ShownValue(const PayloadField& field, const PayloadValues& values);
// Stores a value as the field shows it into `values`, in the record's unit.
void StoreShownValue(const PayloadField& field, double shown, PayloadValues* values);

// Caption "Attach", then "0.000" in the ten fields; the check boxes stay.
void ResetPayloadFields(HWND dialog);

// Writes the ten fields from a record, rotations in degrees. Touches nothing
// else. The edit given as `leftEditId` is left for the caller to write.
void ShowPayloadRecord(HWND dialog, const PayloadRecord& record, int leftEditId = 0);

// Writes one field as FormatFieldNumber shows the value.
void WriteFieldValue(HWND dialog, int editId, double value);

// The edit's first line, at most 255 characters, read as ReadFieldNumber
// reads it: a text without a number, or NaN, gives 0; an infinity stays one.
double ReadFieldValue(HWND dialog, int editId);

#endif
