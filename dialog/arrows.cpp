// The fine and coarse arrows of the ten numeric fields (UDN_DELTAPOS). While
// the selected payload is attached to the selected carrier, every click sends
// the carrier the whole new parameter set.
#include "dialog/carrier_list.h"
#include "dialog/dialog_handlers.h"
#include "dialog/dialog_text.h"
#include "dialog/field_number.h"
#include "dialog/payload_fields.h"
#include "dialog/payload_label.h"
#include "dialog/resource.h"
#include "dialog/spin_step.h"
#include "payload/payload_protocol.h"
#include "payload/payload_send.h"

namespace {

// Fetches the carrier's values for the payload and shows them, all but the
// field about to be stepped (`field`, when there is one), whose value as
// shown goes to *shownStepped. False when the carrier does not hold the payload.
bool FetchAttached(HWND dialog, MessageVessel* carrier, const char* payload,
                   const PayloadField* field, PayloadValues* values, double* shownStepped) {
    PayloadQuery query = {payload, nullptr};
    if (SendPayloadMessage(carrier, PLMSG_GET_PARAMS, 0, &query) == 0 || query.record == nullptr) {
        return false;
    }
    *values = query.record->Values();
    if (field != nullptr) *shownStepped = ShownValue(*field, *values);
    ShowPayloadRecord(dialog, *query.record, field != nullptr ? field->editId : 0);
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
void SendParams(MessageVessel* carrier, const char* payload, const PayloadValues& values) {
    PayloadRecord* record = AllocPayloadRecord();
    if (record == nullptr) return;
    *record = PayloadRecord(payload, values);
    SendPayloadMessage(carrier, PLMSG_SET_PARAMS, 0, record);
    FreePayloadRecord(record);
}

// Steps from `start`, writes the field once and returns the full-precision value.
double StepFrom(HWND dialog, double start, const NMUPDOWN* notification, int spinId,
                const PayloadField& field) {
    const double value =
        StepAndClamp(start, notification->iDelta, SpinStepSize(spinId), field.limit);
    WriteFieldValue(dialog, field.editId, value);
    return value;
}

// Steps the field from its own text by the notification's delta, keeps it
// within its limit, writes it back and returns the value at full precision.
double StepSpinField(HWND dialog, const NMUPDOWN* notification, int spinId,
                     const PayloadField& field) {
    return StepFrom(dialog, ReadFieldValue(dialog, field.editId), notification, spinId, field);
}

}  // namespace

INT_PTR OnArrowDeltaPos(HWND dialog, const NMUPDOWN* notification) {
    const int spinId = static_cast<int>(notification->hdr.idFrom);
    MessageVessel* carrier = GetSelectedCarrier(dialog);
    if (carrier == nullptr) return FALSE;

    const PayloadField* field = FindFieldBySpin(spinId);
    PayloadValues values;
    bool attached = false;
    double shown = 0.0;
    char payload[kLabelSize];
    if (ReadSelectedComboEntry(dialog, IDC_PAYLOAD_LIST, payload, sizeof payload)) {
        StripPayloadLabel(payload);
        attached = FetchAttached(dialog, carrier, payload, field, &values, &shown);
    }
    if (field != nullptr) {
        // Attached, the field is written once, from the carrier's value as it
        // would read when shown; free, it steps from what the user typed.
        const double value =
            attached ? StepFrom(dialog, ReadBackAsShown(shown), notification, spinId, *field)
                     : StepSpinField(dialog, notification, spinId, *field);
        StoreShownValue(*field, value, &values);
    }
    if (attached) SendParams(carrier, payload, values);
    return TRUE;
}
