#include "dialog/payload_list.h"

#include "dialog/dialog_handlers.h"
#include "dialog/dialog_text.h"
#include "dialog/payload_fields.h"
#include "dialog/payload_label.h"
#include "dialog/resource.h"
#include "kapi.h"
#include "payload/payload_protocol.h"
#include "payload/payload_send.h"

namespace {

// Appends " Attached;" and the name of the first vessel, in index order, that
// says it holds the payload named `label`. A holder whose name leads to
// another vessel is left unnamed: showing the entry would ask that other one.
void AppendHolder(char* label, size_t size) {
    char name[kNameSize];
    CopyText(name, sizeof name, label);
    for (DWORD j = 0; j < kapiGetVesselCount(); ++j) {
        VesselHandle handle = kapiGetVesselByIndex(static_cast<int>(j));
        VESSEL* vessel = kapiGetVesselInterface(handle);
        MessageVessel* receiver = PayloadReceiver(vessel);
        if (receiver != nullptr && SendPayloadMessage(receiver, PLMSG_IS_ATTACHED, 0, name) != 0) {
            const char* holder = vessel->GetName();
            BuildAttachedLabel(name, NameReachesVessel(holder, handle) ? holder : "", label, size);
            return;
        }
    }
}

// Asks `carrier` for the payload's parameters and shows them. False when it
// was not asked or did not answer with a record.
bool ShowCarrierParams(HWND dialog, MessageVessel* carrier, const char* payload,
                       bool markForces) {
    if (carrier == nullptr) return false;
    PayloadQuery query = {payload, nullptr};
    if (SendPayloadMessage(carrier, PLMSG_GET_PARAMS, 0, &query) == 0 || query.record == nullptr) {
        return false;
    }
    ShowPayloadRecord(dialog, *query.record);
    // Forces are only ever shown switched on here; the dialog never clears the mark.
    if (markForces && query.record->addForces != 0) {
        SendDlgItemMessageA(dialog, IDC_ADD_FORCES, BM_SETCHECK, BST_CHECKED, 0);
    }
    return true;
}

void AddPayloadEntries(HWND dialog, VesselHandle carrier) {
    HWND list = GetDlgItem(dialog, IDC_PAYLOAD_LIST);  // once, as for the carriers
    for (DWORD i = 0; i < kapiGetVesselCount(); ++i) {
        VesselHandle handle = kapiGetVesselByIndex(static_cast<int>(i));
        if (handle == nullptr || handle == carrier) continue;
        char label[kLabelSize];
        kapiGetObjectName(handle, label, kNameSize);
        // Its label would read back as another vessel's name.
        if (!NameFitsLabel(label)) continue;
        AppendHolder(label, sizeof label);
        SendMessageA(list, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(label));
    }
}

}  // namespace

void FillPayloadList(HWND dialog, bool firstFill) {
    SendDlgItemMessageA(dialog, IDC_PAYLOAD_LIST, CB_RESETCONTENT, 0, 0);
    const LRESULT entry = firstFill ? 0 : SelectedComboIndex(dialog, IDC_CARRIER_LIST);
    char carrierName[kNameSize];
    VesselHandle carrier = nullptr;
    if (ReadComboEntry(dialog, IDC_CARRIER_LIST, entry, carrierName, sizeof carrierName)) {
        carrier = kapiGetVesselByName(carrierName);
    }
    if (carrier == nullptr || !kapiIsVessel(carrier)) {
        ResetPayloadFields(dialog);
        return;
    }
    MessageVessel* receiver = PayloadReceiver(kapiGetVesselInterface(carrier));

    AddPayloadEntries(dialog, carrier);

    char label[kLabelSize];
    if (!ReadComboEntry(dialog, IDC_PAYLOAD_LIST, 0, label, sizeof label) ||
        !LabelIsAttached(label)) {
        ResetPayloadFields(dialog);
    } else {
        SetDlgItemTextA(dialog, IDC_ATTACH_DETACH, "Detach");
        StripPayloadLabel(label);
        // The selected carrier is asked, whoever the label names.
        ShowCarrierParams(dialog, receiver, label, true);
    }
    SendDlgItemMessageA(dialog, IDC_PAYLOAD_LIST, CB_SETCURSEL, 0, 0);
}

INT_PTR OnPayloadListCloseUp(HWND dialog) {
    char label[kLabelSize];
    if (!ReadSelectedComboEntry(dialog, IDC_PAYLOAD_LIST, label, sizeof label) ||
        !LabelIsAttached(label)) {
        ResetPayloadFields(dialog);
        return FALSE;
    }
    SetDlgItemTextA(dialog, IDC_ATTACH_DETACH, "Detach");
    char holder[kNameSize];
    const bool named = HolderNameInLabel(label, holder, sizeof holder);
    StripPayloadLabel(label);
    // The carrier the label names, which need not be the selected one.
    if (named) ShowCarrierParams(dialog, PayloadReceiverByName(holder), label, false);
    return FALSE;
}
