// The gauge's window procedure and its paint routine.
#ifndef BRASK_CONTROLS_GAUGE_H
#define BRASK_CONTROLS_GAUGE_H

#include <windows.h>

#include "controls/gauge_geometry.h"

LRESULT CALLBACK GaugeWndProc(HWND gauge, UINT message, WPARAM wParam, LPARAM lParam);

// Draws a gauge of the client size width x height showing `longs` into any
// device context: arrow boxes, arrows, bar and track outline. Gives the
// context back the pen and brush it had.
void PaintGauge(HDC dc, int width, int height, const GaugeLongs& longs);

// The focus rectangle of a focused gauge, drawn over PaintGauge's picture.
void PaintGaugeFocus(HDC dc, int width, int height, LONG flags);

#endif
