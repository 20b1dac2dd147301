// The up-down arrows of the ten numeric fields. While the selected payload is
// attached to the selected carrier, every click sends the carrier the whole
// new parameter set.
#include <new>

#include "dialog/dialog_handlers.h"
#include "dialog/dialog_text.h"
#include "dialog/field_number.h"
#include "dialog/field_reading.h"
#include "dialog/payload_fields.h"
#include "dialog/payload_label.h"
#include "dialog/resource.h"
#include "dialog/spin_step.h"
#include "dialog/vessel_lists.h"
#include "payload/payload_protocol.h"
#include "payload/payload_send.h"

namespace {

// The working values of one click, in the order of kPayloadFieldIds:
// position x, y, z; jettison rotation x, y, z; ship rotation x, y, z (both
// in radians); jettison velocity.
struct WorkingValues {
    double v[10] = {};
};

struct SpinBinding {
    int fine;
    int coarse;
    int field;
    double limit;  // as shown in the field
    int slot;      // in WorkingValues
    bool rotation;
};

const SpinBinding kBindings[10] = {
    {IDC_SPIN_POSITION_X, IDC_COARSE_POSITION_X, IDC_POSITION_X, 1000000.0, 0, false},
    {IDC_SPIN_POSITION_Y, IDC_COARSE_POSITION_Y, IDC_POSITION_Y, 1000000.0, 1, false},
    {IDC_SPIN_POSITION_Z, IDC_COARSE_POSITION_Z, IDC_POSITION_Z, 1000000.0, 2, false},
    {IDC_SPIN_JETTISON_ROT_X, IDC_COARSE_JETTISON_ROT_X, IDC_JETTISON_ROT_X, 180.0, 3, true},
    {IDC_SPIN_JETTISON_ROT_Y, IDC_COARSE_JETTISON_ROT_Y, IDC_JETTISON_ROT_Y, 180.0, 4, true},
    {IDC_SPIN_JETTISON_ROT_Z, IDC_COARSE_JETTISON_ROT_Z, IDC_JETTISON_ROT_Z, 180.0, 5, true},
    {IDC_SPIN_SHIP_ROT_X, IDC_COARSE_SHIP_ROT_X, IDC_SHIP_ROT_X, 180.0, 6, true},
    {IDC_SPIN_SHIP_ROT_Y, IDC_COARSE_SHIP_ROT_Y, IDC_SHIP_ROT_Y, 180.0, 7, true},
    {IDC_SPIN_SHIP_ROT_Z, IDC_COARSE_SHIP_ROT_Z, IDC_SHIP_ROT_Z, 180.0, 8, true},
    {IDC_SPIN_JETTISON_VELOCITY, IDC_COARSE_JETTISON_VELOCITY, IDC_JETTISON_VELOCITY, 1000000.0,
     9, false},
};

const SpinBinding* FindBinding(int spinId) {
    for (const SpinBinding& b : kBindings) {
        if (b.fine == spinId || b.coarse == spinId) return &b;
    }
    return nullptr;
}

WorkingValues ValuesOf(const PayloadRecord& r) {
    WorkingValues w;
    const double values[10] = {r.position.x,         r.position.y,         r.position.z,
                               r.jettisonRotation.x, r.jettisonRotation.y, r.jettisonRotation.z,
                               r.shipRotation.x,     r.shipRotation.y,     r.shipRotation.z,
                               r.jettisonVelocity};
    for (int i = 0; i < 10; ++i) w.v[i] = values[i];
    return w;
}

// Fetches the carrier's parameters for the payload and shows them, all but
// the field about to be stepped (`leftFieldId`), whose value as shown goes to
// *shownLeft. False when the carrier does not hold the payload.
bool FetchAttached(HWND dialog, MessageVessel* carrier, const char* payload, int leftFieldId,
                   WorkingValues* w, double* shownLeft) {
    PayloadQuery query = {payload, nullptr};
    if (SendPayloadMessage(carrier, PLMSG_GET_PARAMS, 0, &query) == 0 || query.record == nullptr) {
        return false;
    }
    *w = ValuesOf(*query.record);
    double shown[10];
    ShownValues(*query.record, shown);
    for (int i = 0; i < 10; ++i) {
        if (kPayloadFieldIds[i] == leftFieldId) *shownLeft = shown[i];
    }
    ShowPayloadRecord(dialog, *query.record, leftFieldId);
    return true;
}

// What a field reads once `shown` has been written into it: the step starts
// from the carrier's value as its text reads (an infinity, to be clamped).
double ReadBackAsShown(double shown) {
    char text[kFieldTextSize];
    FormatFieldNumber(shown, text, sizeof text);
    return ReadFieldNumber(text);
}

// Sends the whole set; the record lives only for the call.
void SendParams(MessageVessel* carrier, const char* payload, const WorkingValues& w) {
    void* memory = HeapAlloc(GetProcessHeap(), 0, sizeof(PayloadRecord));
    if (memory == nullptr) return;
    PayloadRecord* record = new (memory)
        PayloadRecord(payload, 0, {w.v[0], w.v[1], w.v[2]}, {w.v[6], w.v[7], w.v[8]},
                      {w.v[3], w.v[4], w.v[5]}, 0, 0, w.v[9]);
    SendPayloadMessage(carrier, PLMSG_SET_PARAMS, 0, record);
    FreePayloadRecord(record);
}

// Steps from `start`, writes the field once and returns the full-precision value.
double StepFrom(HWND dialog, double start, const NMUPDOWN* notification, int spinId, int fieldId,
                double limit) {
    const double value = StepAndClamp(start, notification->iDelta, SpinStepSize(spinId), limit);
    WriteFieldValue(dialog, fieldId, value);
    return value;
}

}  // namespace

double StepSpinField(HWND dialog, const NMUPDOWN* notification, int spinId, int fieldId,
                     double limit) {
    return StepFrom(dialog, ReadFieldValue(dialog, fieldId), notification, spinId, fieldId, limit);
}

INT_PTR OnSpinDelta(HWND dialog, const NMUPDOWN* notification) {
    const int spinId = static_cast<int>(notification->hdr.idFrom);
    MessageVessel* carrier = GetSelectedCarrier(dialog);
    if (carrier == nullptr) return FALSE;

    const SpinBinding* b = FindBinding(spinId);
    WorkingValues values;
    bool attached = false;
    double shown = 0.0;
    char payload[kLabelSize];
    if (ReadSelectedComboEntry(dialog, IDC_PAYLOAD_LIST, payload, sizeof payload)) {
        StripPayloadLabel(payload);
        attached = FetchAttached(dialog, carrier, payload, b != nullptr ? b->field : 0, &values,
                                 &shown);
    }
    if (b != nullptr) {
        // Attached, the field is written once, from the carrier's value as it
        // would read when shown; free, it steps from what the user typed.
        const double value =
            attached ? StepFrom(dialog, ReadBackAsShown(shown), notification, spinId, b->field,
                                b->limit)
                     : StepSpinField(dialog, notification, spinId, b->field, b->limit);
        values.v[b->slot] = b->rotation ? value * RAD : value;
    }
    if (attached) SendParams(carrier, payload, values);
    return TRUE;
}
