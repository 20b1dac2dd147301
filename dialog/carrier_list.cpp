#include "dialog/carrier_list.h"

#include "dialog/dialog_handlers.h"
#include "dialog/dialog_text.h"
#include "dialog/payload_label.h"
#include "dialog/payload_list.h"
#include "dialog/resource.h"
#include "payload/payload_protocol.h"
#include "payload/payload_send.h"

void FillCarrierList(HWND dialog) {
    // Looked up once: a look-up by id walks the dialog's children (under Wine
    // a round trip to the server), and a large scene adds a thousand entries.
    HWND list = GetDlgItem(dialog, IDC_CARRIER_LIST);
    SendMessageA(list, CB_RESETCONTENT, 0, 0);
    for (DWORD i = 0; i < kapiGetVesselCount(); ++i) {
        VesselHandle handle = kapiGetVesselByIndex(static_cast<int>(i));
        if (handle == nullptr || !kapiIsVessel(handle)) continue;
        char name[kNameSize];
        kapiGetObjectName(handle, name, sizeof name);
        MessageVessel* receiver = PayloadReceiver(kapiGetVesselInterface(handle));
        if (receiver != nullptr &&
            SendPayloadMessage(receiver, PLMSG_IS_CARRIER, 0, nullptr) != 0 &&
            NameReachesVessel(name, handle)) {
            SendMessageA(list, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(name));
        }
    }
}

MessageVessel* GetSelectedCarrier(HWND dialog) {
    char name[kNameSize];
    if (!ReadSelectedComboEntry(dialog, IDC_CARRIER_LIST, name, sizeof name)) return nullptr;
    return PayloadReceiverByName(name);
}

INT_PTR OnCarrierListCloseUp(HWND dialog) {
    FillPayloadList(dialog, false);
    return FALSE;
}
