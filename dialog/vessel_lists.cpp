#include "dialog/dialog_handlers.h"

INT_PTR OnInitPayloadDialog(HWND /*dialog*/) { return TRUE; }

INT_PTR OnCarrierCloseUp(HWND /*dialog*/) { return FALSE; }

INT_PTR OnPayloadCloseUp(HWND /*dialog*/) { return FALSE; }
