// IDC_ATTACH_DETACH: attaches or detaches, by its caption. Each click sends
// one message to the selected carrier; the list entry and the caption change
// only after an answer of exactly 1.
#include <cctype>
#include <cmath>
#include <cstring>

#include "dialog/carrier_list.h"
#include "dialog/dialog_handlers.h"
#include "dialog/dialog_text.h"
#include "dialog/payload_fields.h"
#include "dialog/payload_label.h"
#include "dialog/resource.h"
#include "payload/payload_protocol.h"
#include "payload/payload_send.h"

namespace {

// The caption as read with a 7-byte limit, compared without regard to case
// over at most six characters.
bool CaptionReads(const char* caption, const char* word) {
    for (int i = 0; i < 6; ++i) {
        const int a = std::tolower(static_cast<unsigned char>(caption[i]));
        const int b = std::tolower(static_cast<unsigned char>(word[i]));
        if (a != b) return false;
        if (a == 0) return true;
    }
    return true;
}

void ReplaceEntry(HWND dialog, LRESULT index, const char* label) {
    SendDlgItemMessageA(dialog, IDC_PAYLOAD_LIST, CB_DELETESTRING, static_cast<WPARAM>(index), 0);
    // An insert at the same place, not a sorted add: the entry stays put.
    SendDlgItemMessageA(dialog, IDC_PAYLOAD_LIST, CB_INSERTSTRING, static_cast<WPARAM>(index),
                        reinterpret_cast<LPARAM>(label));
    SendDlgItemMessageA(dialog, IDC_PAYLOAD_LIST, CB_SETCURSEL, static_cast<WPARAM>(index), 0);
}

// An attach clamps nothing, and no carrier may receive a number that is not
// finite: a field reading an infinity gives 0.
double ReadAttachValue(HWND dialog, int fieldId) {
    const double value = ReadFieldValue(dialog, fieldId);
    return std::isfinite(value) ? value : 0.0;
}

void ReadFieldsInto(HWND dialog, PayloadRecord* record) {
    PayloadValues values;
    for (const PayloadField& f : kPayloadFields) {
        StoreShownValue(f, ReadAttachValue(dialog, f.editId), &values);
    }
    record->SetValues(values);
}

INT_PTR AttachPayload(HWND dialog, MessageVessel* carrier, LRESULT index) {
    char label[kLabelSize];
    if (!ReadComboEntry(dialog, IDC_PAYLOAD_LIST, index, label, sizeof label)) return FALSE;
    // The record carries the whole label. One longer than a record's name can
    // only be an attached entry's, and a cut one could name another vessel.
    if (std::strlen(label) > kPayloadNameMax) return FALSE;
    PayloadRecord* record = AllocPayloadRecord();
    if (record == nullptr) return FALSE;
    CopyText(record->name, sizeof record->name, label);
    ReadFieldsInto(dialog, record);
    // The record is the carrier's from here on, whatever it answers.
    if (SendPayloadMessage(carrier, PLMSG_ATTACH, 0, record) == 1) {
        char attached[kLabelSize];
        BuildAttachedLabel(record->name, carrier->GetName(), attached, sizeof attached);
        ReplaceEntry(dialog, index, attached);
        SetDlgItemTextA(dialog, IDC_ATTACH_DETACH, "Detach");
    }
    return TRUE;
}

INT_PTR DetachPayload(HWND dialog, MessageVessel* carrier, LRESULT index) {
    char label[kLabelSize];
    if (!ReadComboEntry(dialog, IDC_PAYLOAD_LIST, index, label, sizeof label) ||
        !LabelIsAttached(label)) {
        return FALSE;
    }
    StripPayloadLabel(label);
    const LRESULT state =
        SendDlgItemMessageA(dialog, IDC_ADD_JETTISON_VELOCITY, BM_GETCHECK, 0, 0);
    const uint32_t withVelocity = state == BST_CHECKED ? 1u : 0u;
    if (SendPayloadMessage(carrier, PLMSG_DETACH, withVelocity, label) == 1) {
        ReplaceEntry(dialog, index, label);
        ResetPayloadFields(dialog);
    }
    return TRUE;
}

}  // namespace

INT_PTR OnAttachButtonClick(HWND dialog) {
    MessageVessel* carrier = GetSelectedCarrier(dialog);
    if (carrier == nullptr) return FALSE;
    char caption[7];
    GetDlgItemTextA(dialog, IDC_ATTACH_DETACH, caption, sizeof caption);
    const LRESULT index = SelectedComboIndex(dialog, IDC_PAYLOAD_LIST);
    if (CaptionReads(caption, "Attach")) return AttachPayload(dialog, carrier, index);
    if (CaptionReads(caption, "Detach")) return DetachPayload(dialog, carrier, index);
    return FALSE;
}
