// The carrier list (1031) and the payload list (1001).
#ifndef BRASK_DIALOG_VESSEL_LISTS_H
#define BRASK_DIALOG_VESSEL_LISTS_H

#include <windows.h>

#include "kapi.h"

// The class object of the carrier selected in list 1031, or null when none
// is selected, it no longer exists, or it must not be messaged.
MessageVessel* GetSelectedCarrier(HWND dialog);

// Rebuilds the payload list for the selected carrier (entry 0 of the carrier
// list when `firstFill`) and shows the state of its first entry.
void FillPayloadList(HWND dialog, bool firstFill);

#endif
