#include "dialog/dialog_handlers.h"

INT_PTR OnSpinDelta(HWND /*dialog*/, const NMUPDOWN* /*notification*/) { return FALSE; }
