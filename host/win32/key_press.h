// A key pressed as the keyboard presses it, for scripts and tests.
#ifndef KESTRIX_HOST_WIN32_KEY_PRESS_H
#define KESTRIX_HOST_WIN32_KEY_PRESS_H

#include <windows.h>

#include "host/win32/message_pump.h"

// Posts the key's going down and up to the window with the keyboard focus
// and handles the queue through `preview`, as the host's message loop does
// (where IsDialogMessage turns Tab and Enter into a dialog's moves). Posted
// to the focus, not sent as system input: input goes to whichever window is
// in front, which may be another program's. Nothing without a focus.
void PressKey(WORD key, const MessagePreview& preview);

#endif
