#include "dialog/payload_field_table.h"

#include "dialog/resource.h"

namespace {

constexpr double kPositionLimit = 1000000.0;
constexpr double kRotationLimit = 180.0;

}  // namespace

// The coarse arrows' ids do not follow the fine ones' pattern; the pairs here
// are the template's.
const PayloadField kPayloadFields[kPayloadFieldCount] = {
    {IDC_POSITION_X, IDC_SPIN_POSITION_X, IDC_COARSE_POSITION_X, kPositionLimit, false,
     FieldValue::PositionX},
    {IDC_POSITION_Y, IDC_SPIN_POSITION_Y, IDC_COARSE_POSITION_Y, kPositionLimit, false,
     FieldValue::PositionY},
    {IDC_POSITION_Z, IDC_SPIN_POSITION_Z, IDC_COARSE_POSITION_Z, kPositionLimit, false,
     FieldValue::PositionZ},
    {IDC_JETTISON_ROT_X, IDC_SPIN_JETTISON_ROT_X, IDC_COARSE_JETTISON_ROT_X, kRotationLimit, true,
     FieldValue::JettisonRotationX},
    {IDC_JETTISON_ROT_Y, IDC_SPIN_JETTISON_ROT_Y, IDC_COARSE_JETTISON_ROT_Y, kRotationLimit, true,
     FieldValue::JettisonRotationY},
    {IDC_JETTISON_ROT_Z, IDC_SPIN_JETTISON_ROT_Z, IDC_COARSE_JETTISON_ROT_Z, kRotationLimit, true,
     FieldValue::JettisonRotationZ},
    {IDC_SHIP_ROT_X, IDC_SPIN_SHIP_ROT_X, IDC_COARSE_SHIP_ROT_X, kRotationLimit, true,
     FieldValue::ShipRotationX},
    {IDC_SHIP_ROT_Y, IDC_SPIN_SHIP_ROT_Y, IDC_COARSE_SHIP_ROT_Y, kRotationLimit, true,
     FieldValue::ShipRotationY},
    {IDC_SHIP_ROT_Z, IDC_SPIN_SHIP_ROT_Z, IDC_COARSE_SHIP_ROT_Z, kRotationLimit, true,
     FieldValue::ShipRotationZ},
    {IDC_JETTISON_VELOCITY, IDC_SPIN_JETTISON_VELOCITY, IDC_COARSE_JETTISON_VELOCITY,
     kPositionLimit, false, FieldValue::JettisonVelocity},
};

const PayloadField* FindFieldBySpin(int spinId) {
    for (const PayloadField& f : kPayloadFields) {
        if (f.fineSpinId == spinId || f.coarseSpinId == spinId) return &f;
    }
    return nullptr;
}
