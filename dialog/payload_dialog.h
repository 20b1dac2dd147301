// The payload editor dialog: the command that opens it and its procedure.
#ifndef BRASK_DIALOG_PAYLOAD_DIALOG_H
#define BRASK_DIALOG_PAYLOAD_DIALOG_H

#include <windows.h>

// Callback of the "Brask Dialog" custom command.
void OpenPayloadDialog(void* context);

INT_PTR CALLBACK PayloadDlgProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);

#endif
