// The handlers PayloadDlgProc hands messages to, one file each by the control
// they serve. Each returns what the dialog procedure returns for its message.
#ifndef BRASK_DIALOG_DIALOG_HANDLERS_H
#define BRASK_DIALOG_DIALOG_HANDLERS_H

#include <windows.h>
#include <commctrl.h>

// WM_INITDIALOG: fills IDC_CARRIER_LIST and IDC_PAYLOAD_LIST (payload_dialog.cpp).
INT_PTR OnPayloadDialogInit(HWND dialog);
// CBN_CLOSEUP of IDC_CARRIER_LIST: rebuilds the payload list (carrier_list.cpp).
INT_PTR OnCarrierListCloseUp(HWND dialog);
// CBN_CLOSEUP of IDC_PAYLOAD_LIST: shows the chosen entry's state (payload_list.cpp).
INT_PTR OnPayloadListCloseUp(HWND dialog);
// BN_CLICKED of IDC_ATTACH_DETACH: attach or detach, by its caption. TRUE
// once a message was sent (attach_button.cpp).
INT_PTR OnAttachButtonClick(HWND dialog);
// BN_CLICKED of IDC_ADD_FORCES: switches the added forces. Always FALSE
// (forces_box.cpp).
INT_PTR OnForcesBoxClick(HWND dialog);
// UDN_DELTAPOS of any of the twenty arrows. FALSE when no carrier is
// selected (arrows.cpp).
INT_PTR OnArrowDeltaPos(HWND dialog, const NMUPDOWN* notification);

#endif
