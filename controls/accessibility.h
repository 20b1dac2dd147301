// The gauge's and the switch's part towards accessibility clients: their
// accessible objects, made at the first WM_GETOBJECT and told at
// WM_NCDESTROY that their window is gone, and the event that announces a
// change.
#ifndef BRASK_CONTROLS_ACCESSIBILITY_H
#define BRASK_CONTROLS_ACCESSIBILITY_H

#include <windows.h>

#include "controls/control_accessible.h"

// WM_GETOBJECT: the control's own object for OBJID_CLIENT, made once per
// window; anything else, or when the system's libraries cannot be had, is
// left to DefWindowProcA.
LRESULT AnswerGetObject(HWND control, ControlKind kind, WPARAM wParam, LPARAM lParam);

// WM_NCDESTROY: the window's object, if a client ever asked for one, answers
// only errors from now on and is let go; a client may still hold it.
void ForgetAccessible(HWND control);

// EVENT_OBJECT_VALUECHANGE: the control's value or lever position changed
// by the mouse or the keyboard. (EVENT_OBJECT_FOCUS needs no raising here:
// the system raises it for every window that gains the focus, and a second
// one would have some screen readers announce the control twice.)
void AnnounceValueChange(HWND control);

#endif
