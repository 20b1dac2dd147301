// The switch's window procedure and its paint routine.
#ifndef BRASK_CONTROLS_SWITCH_H
#define BRASK_CONTROLS_SWITCH_H

#include <windows.h>

LRESULT CALLBACK SwitchWndProc(HWND control, UINT message, WPARAM wParam, LPARAM lParam);

// Draws a switch of the client size width x height into any device context:
// base plate, collar and the lever at `position`; nothing with SWM_BLANK.
// Gives the context back the pen and brush it had.
void PaintSwitch(HDC dc, int width, int height, LONG position, LONG mode);

// The focus rectangle of a focused switch, around its client area, drawn over
// PaintSwitch's picture (also in blank mode).
void PaintSwitchFocus(HDC dc, int width, int height);

#endif
