// The gauge's and the switch's part towards accessibility clients: their
// accessible objects, made at the first WM_GETOBJECT and told at
// WM_NCDESTROY that their window is gone, and the events that announce
// changes.
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
// by the mouse or the keyboard.
void AnnounceValueChange(HWND control);

// What both controls do when the keyboard focus comes or goes: repaint, to
// show or take away the focus rectangle, and announce a gained focus.
void ShowFocusChange(HWND control, bool gained);

#endif
