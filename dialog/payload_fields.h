// The ten numeric fields of the payload editor.
#ifndef BRASK_DIALOG_PAYLOAD_FIELDS_H
#define BRASK_DIALOG_PAYLOAD_FIELDS_H

#include <windows.h>

#include "payload/payload_protocol.h"

// Position x, y, z; jettison rotation x, y, z; ship rotation x, y, z (the
// rotations in degrees); jettison velocity: the order they are written in.
extern const int kPayloadFieldIds[10];

// Degrees to radians on the way in, radians to degrees on the way out.
constexpr double RAD = 0.017453292519943295;
constexpr double DEG = 57.29577951308232;

// Caption "Attach", then "0.000" in the ten fields; the check boxes stay.
void ResetPayloadFields(HWND dialog);

// The ten values as the fields show them, in the order of kPayloadFieldIds:
// rotations in degrees, everything else as carried.
void ShownValues(const PayloadRecord& record, double values[10]);

// Writes the ten fields from a record, rotations in degrees. Touches nothing
// else. A field given as `leftFieldId` is left for the caller to write.
void ShowPayloadRecord(HWND dialog, const PayloadRecord& record, int leftFieldId = 0);

// Writes one field as FormatFieldNumber shows the value.
void WriteFieldValue(HWND dialog, int fieldId, double value);

#endif
