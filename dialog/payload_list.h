// IDC_PAYLOAD_LIST: every vessel but the selected carrier, each labelled with
// the vessel that holds it.
#ifndef BRASK_DIALOG_PAYLOAD_LIST_H
#define BRASK_DIALOG_PAYLOAD_LIST_H

#include <windows.h>

// Rebuilds the list for the selected carrier (entry 0 of IDC_CARRIER_LIST
// when `firstFill`) and shows the state of its first entry.
void FillPayloadList(HWND dialog, bool firstFill);

#endif
