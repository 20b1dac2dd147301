#include "dialog/dialog_handlers.h"

INT_PTR OnAttachDetachCommand(HWND /*dialog*/) { return FALSE; }

INT_PTR SetPayloadForces(HWND /*dialog*/) { return FALSE; }
