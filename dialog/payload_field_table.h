// The ten numeric fields of the payload editor in one table: for each, its
// edit, its two arrows, its limit, its unit and which value of a record it
// shows. Plain values only, so that whoever drives the editor from outside
// (the stand-in host's scripts) names the fields from this same table.
#ifndef BRASK_DIALOG_PAYLOAD_FIELD_TABLE_H
#define BRASK_DIALOG_PAYLOAD_FIELD_TABLE_H

// Degrees to radians on the way in, radians to degrees on the way out.
constexpr double RAD = 0.017453292519943295;
constexpr double DEG = 57.29577951308232;

// Which of a record's ten values a field holds.
enum class FieldValue {
    PositionX, PositionY, PositionZ,
    JettisonRotationX, JettisonRotationY, JettisonRotationZ,
    ShipRotationX, ShipRotationY, ShipRotationZ,
    JettisonVelocity
};

struct PayloadField {
    int editId;
    int fineSpinId;    // steps by 0.001
    int coarseSpinId;  // steps by 1.0
    double limit;      // the arrows keep the value as shown within +-limit
    bool degrees;      // a rotation: radians in the record, degrees in the field
    FieldValue value;  // where the record keeps it
};

// In the order the fields are shown and reset: position x, y, z; jettison
// rotation x, y, z; ship rotation x, y, z; jettison velocity.
constexpr int kPayloadFieldCount = 10;
extern const PayloadField kPayloadFields[kPayloadFieldCount];

// The field whose fine or coarse arrow `spinId` is, or null.
const PayloadField* FindFieldBySpin(int spinId);

#endif
