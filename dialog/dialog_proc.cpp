// The payload editor's dispatch: every message goes to a small handler, and
// whatever the dialog does not handle goes to the host's default.
#include "dialog/dialog_handlers.h"
#include "dialog/payload_dialog.h"
#include "dialog/resource.h"
#include "kapi.h"

namespace {

INT_PTR OnCommand(HWND dialog, WORD controlId, WORD code) {
    switch (controlId) {
    case IDC_PAYLOAD_LIST:
        if (code == CBN_CLOSEUP) OnPayloadCloseUp(dialog);
        return FALSE;
    case IDC_ATTACH_DETACH:
        return OnAttachDetachCommand(dialog);
    case IDC_DONE:
        kapiCloseDialog(dialog);
        return TRUE;
    case IDC_ADD_FORCES:
        return SetPayloadForces(dialog);
    case IDC_CARRIER_LIST:
        if (code == CBN_CLOSEUP) OnCarrierCloseUp(dialog);
        return FALSE;
    default:
        // Edits, check box 1025, IDOK and IDCANCEL: nothing to do.
        return FALSE;
    }
}

INT_PTR OnNotify(HWND dialog, const NMHDR* header) {
    if (header->code == static_cast<UINT>(UDN_DELTAPOS)) {
        return OnSpinDelta(dialog, reinterpret_cast<const NMUPDOWN*>(header));
    }
    return FALSE;
}

}  // namespace

INT_PTR CALLBACK PayloadDlgProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_INITDIALOG:
        return OnInitPayloadDialog(dialog);
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
