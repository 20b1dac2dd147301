// IDC_CARRIER_LIST: the carriers of the simulation, by name.
#ifndef BRASK_DIALOG_CARRIER_LIST_H
#define BRASK_DIALOG_CARRIER_LIST_H

#include <windows.h>

#include "kapi.h"

// Lists every live vessel that answers PLMSG_IS_CARRIER non-zero.
void FillCarrierList(HWND dialog);

// The class object of the selected carrier, or null when none is selected,
// it no longer exists, or it must not be messaged.
MessageVessel* GetSelectedCarrier(HWND dialog);

#endif
