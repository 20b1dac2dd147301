// The ten numeric fields of the payload editor (their table:
// dialog/payload_field_table.h): their values in a record, and their edits.
#ifndef BRASK_DIALOG_PAYLOAD_FIELDS_H
#define BRASK_DIALOG_PAYLOAD_FIELDS_H

#include <windows.h>

#include "dialog/payload_field_table.h"
#include "payload/payload_protocol.h"

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
