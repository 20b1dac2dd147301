// The handlers PayloadDlgProc hands messages to. Each returns what the dialog
// procedure returns for its message.
#ifndef BRASK_DIALOG_DIALOG_HANDLERS_H
#define BRASK_DIALOG_DIALOG_HANDLERS_H

#include <windows.h>
#include <commctrl.h>

// WM_INITDIALOG: fills the carrier list and the payload list.
INT_PTR OnInitPayloadDialog(HWND dialog);
// CBN_CLOSEUP of the carrier list: rebuilds the payload list.
INT_PTR OnCarrierCloseUp(HWND dialog);
// CBN_CLOSEUP of the payload list: shows the chosen entry's state.
INT_PTR OnPayloadCloseUp(HWND dialog);
// Button 1002: attach or detach, by its caption. TRUE once a message was sent.
INT_PTR OnAttachDetachCommand(HWND dialog);
// Check box 1022: switches the added forces. Always FALSE.
INT_PTR SetPayloadForces(HWND dialog);
// UDN_DELTAPOS from any up-down. FALSE when no carrier is selected.
INT_PTR OnSpinDelta(HWND dialog, const NMUPDOWN* notification);

// Steps field `fieldId` by the notification's delta (a step of 1.0 or 0.001
// by `spinId`), keeps it within +-limit (an infinity too: it becomes the
// limit), writes it back with three decimals and returns the value at full
// precision.
double StepSpinField(HWND dialog, const NMUPDOWN* notification, int spinId, int fieldId,
                     double limit);

#endif
