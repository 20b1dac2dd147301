// Drawing the scene view: each carrier's row with its heading and its two
// panes, from above and from the side. The window and the picture both paint
// through here, so a picture shows what the window shows.
#ifndef KESTRIX_HOST_SCENE_VIEW_SCENE_VIEW_PAINT_H
#define KESTRIX_HOST_SCENE_VIEW_SCENE_VIEW_PAINT_H

#include <windows.h>

#include <vector>

#include "host/scene_view/scene_view_geometry.h"

// The colours, for whoever reads a painted picture back.
const COLORREF kViewBackground = RGB(255, 255, 255);
const COLORREF kPaneBackground = RGB(244, 246, 250);
const COLORREF kCarrierColour = RGB(0, 64, 160);
const COLORREF kPayloadColour = RGB(0, 0, 0);
const COLORREF kArrowColour = RGB(200, 0, 0);
const COLORREF kGlyphColour = RGB(0, 128, 0);

// Paints width x height from the context's origin. At most `maxRows` rows;
// a last heading names the carriers left out. Leaves the context's pen,
// brush, font, clipping and text settings as it found them.
void PaintSceneView(HDC dc, int width, int height, const std::vector<ViewCarrier>& carriers,
                    size_t maxRows);

#endif
