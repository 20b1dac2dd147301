// The payload editor: the command that opens it, and its dispatch. Every
// message goes to a small handler, and whatever the dialog does not handle
// goes to the host's default.
#include "dialog/payload_dialog.h"

#include "dialog/carrier_list.h"
#include "dialog/dialog_handlers.h"
#include "dialog/payload_list.h"
#include "dialog/resource.h"
#include "kapi.h"
#include "module/module_state.h"

namespace {

INT_PTR OnDoneButtonClick(HWND dialog) {
    kapiCloseDialog(dialog);
    return TRUE;
}

INT_PTR OnCommand(HWND dialog, WORD controlId, WORD code) {
    switch (controlId) {
    case IDC_PAYLOAD_LIST:
        if (code == CBN_CLOSEUP) OnPayloadListCloseUp(dialog);
        return FALSE;
    case IDC_ATTACH_DETACH:
        return OnAttachButtonClick(dialog);
    case IDC_DONE:
        return OnDoneButtonClick(dialog);
    case IDC_ADD_FORCES:
        return OnForcesBoxClick(dialog);
    case IDC_CARRIER_LIST:
        if (code == CBN_CLOSEUP) OnCarrierListCloseUp(dialog);
        return FALSE;
    default:
        // The edits, IDC_ADD_JETTISON_VELOCITY, IDOK and IDCANCEL: nothing to do.
        return FALSE;
    }
}

INT_PTR OnNotify(HWND dialog, const NMHDR* header) {
    if (header->code == static_cast<UINT>(UDN_DELTAPOS)) {
        return OnArrowDeltaPos(dialog, reinterpret_cast<const NMUPDOWN*>(header));
    }
    return FALSE;
}

}  // namespace

INT_PTR OnPayloadDialogInit(HWND dialog) {
    FillCarrierList(dialog);
    SendDlgItemMessageA(dialog, IDC_CARRIER_LIST, CB_SETCURSEL, 0, 0);
    FillPayloadList(dialog, true);
    return TRUE;
}

INT_PTR CALLBACK PayloadDlgProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_INITDIALOG:
        return OnPayloadDialogInit(dialog);
    case WM_DESTROY:
        return TRUE;
    case WM_NOTIFY:
        return OnNotify(dialog, reinterpret_cast<const NMHDR*>(lParam));
    case WM_COMMAND:
        return OnCommand(dialog, LOWORD(wParam), HIWORD(wParam));
    default:
        return kapiDefDialogProc(dialog, message, wParam, lParam);
    }
}

void OpenPayloadDialog(void* /*context*/) {
    // The window handle is not kept: every later call reaches the dialog
    // through PayloadDlgProc, which receives it with each message. Whether a
    // second run opens a second window is the host's decision.
    kapiOpenDialog(ModuleInstance(), IDD_PAYLOAD_DIALOG, PayloadDlgProc, nullptr);
}
