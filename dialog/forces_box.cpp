// IDC_ADD_FORCES: tells the selected carrier to switch the selected
// payload's added forces on or off, as the box now shows.
#include "dialog/carrier_list.h"
#include "dialog/dialog_handlers.h"
#include "dialog/dialog_text.h"
#include "dialog/payload_label.h"
#include "dialog/resource.h"
#include "payload/payload_protocol.h"
#include "payload/payload_send.h"

INT_PTR OnForcesBoxClick(HWND dialog) {
    MessageVessel* carrier = GetSelectedCarrier(dialog);
    char label[kLabelSize];
    if (carrier == nullptr ||
        !ReadSelectedComboEntry(dialog, IDC_PAYLOAD_LIST, label, sizeof label) ||
        !LabelIsAttached(label)) {
        return FALSE;
    }
    StripPayloadLabel(label);
    // The box has already changed when the command arrives: this is the new state.
    const LRESULT state = SendDlgItemMessageA(dialog, IDC_ADD_FORCES, BM_GETCHECK, 0, 0);
    if (state == BST_CHECKED || state == BST_UNCHECKED) {
        SendPayloadMessage(carrier, PLMSG_SET_FORCES, state == BST_CHECKED ? 1u : 0u, label);
    }
    return FALSE;
}
