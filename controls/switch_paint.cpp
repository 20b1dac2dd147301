// Drawing a switch seen from the front: hexagonal base plate, round collar
// with its hole, and the lever. Light falls from the upper left.
#include "controls/control_resources.h"
#include "controls/custom_controls.h"
#include "controls/switch.h"
#include "controls/switch_geometry.h"

namespace {

void Use(HDC dc, int stockPen, int stockBrush) {
    SelectObject(dc, GetStockObject(stockPen));
    SelectObject(dc, GetStockObject(stockBrush));
}

void UseBrush(HDC dc, int stockBrush) { SelectObject(dc, GetStockObject(stockBrush)); }

void DrawPlate(HDC dc, const SwitchGeometry& g) {
    const int cx = g.cx, cy = g.cy, a = g.a, b = g.b;
    const POINT plate[6] = {{1, cy - a},          {cx, cy - b}, {2 * cx - 1, cy - a},
                            {2 * cx - 1, cy + a}, {cx, cy + b}, {1, cy + a}};
    Use(dc, WHITE_PEN, LTGRAY_BRUSH);
    Polygon(dc, plate, 6);
    // Right side and both lower edges in shadow.
    SelectObject(dc, g_switchShadowPen);
    Polyline(dc, plate + 2, 4);
}

void DrawCollar(HDC dc, const SwitchGeometry& g) {
    const int cx = g.cx, cy = g.cy, e = g.e, k = g.k;
    Use(dc, WHITE_PEN, LTGRAY_BRUSH);
    Ellipse(dc, cx - e, cy - e, cx + e + 1, cy + e + 1);
    Use(dc, WHITE_PEN, GRAY_BRUSH);
    Ellipse(dc, cx - k, cy - k, cx + k + 1, cy + k + 1);
    // Arcs run counter-clockwise (the context's default): the lower right of
    // the collar's rim and the upper left of the hole's rim lie in shadow.
    SelectObject(dc, g_switchShadowPen);
    Arc(dc, cx - e, cy - e, cx + e + 1, cy + e + 1, cx - 10, cy + 10, cx + 10, cy - 10);
    Arc(dc, cx - k, cy - k, cx + k + 1, cy + k + 1, cx + 10, cy - 10, cx - 10, cy + 10);
}

// Lever up: light grey shaft, white cap reaching y = 1.
void DrawLeverUp(HDC dc, const SwitchGeometry& g) {
    const int cx = g.cx, cy = g.cy, w4 = g.w4, w5 = g.w5, t = g.t;
    const POINT shaft[4] = {
        {cx - w4, cy + 1}, {cx - w5, t + 1}, {cx + w5, t + 1}, {cx + w4, cy + 1}};
    UseBrush(dc, LTGRAY_BRUSH);
    Polygon(dc, shaft, 4);
    UseBrush(dc, WHITE_BRUSH);
    Rectangle(dc, cx - w5, t + 1, cx + w5 + 1, 1);
    SelectObject(dc, GetStockObject(WHITE_PEN));
    MoveToEx(dc, cx - w4, cy + 1, nullptr);
    LineTo(dc, cx - w5, t + 1);
    LineTo(dc, cx - w5, 1);
    LineTo(dc, cx + w5, 1);
}

// Lever down: white shaft, light grey cap reaching y = 2cy - 1.
void DrawLeverDown(HDC dc, const SwitchGeometry& g) {
    const int cx = g.cx, cy = g.cy, w4 = g.w4, w5 = g.w5;
    const int capTop = 2 * cy - 1 - g.t;
    const int bottom = 2 * cy - 1;
    const POINT shaft[4] = {
        {cx - w4, cy - 1}, {cx - w5, capTop}, {cx + w5, capTop}, {cx + w4, cy - 1}};
    UseBrush(dc, WHITE_BRUSH);
    Polygon(dc, shaft, 4);
    UseBrush(dc, LTGRAY_BRUSH);
    Rectangle(dc, cx - w5, capTop, cx + w5 + 1, bottom);
    SelectObject(dc, GetStockObject(WHITE_PEN));
    MoveToEx(dc, cx - w4, cy - 1, nullptr);
    LineTo(dc, cx - w5, capTop);
    LineTo(dc, cx - w5, bottom);
    LineTo(dc, cx + w5, bottom);
}

// Lever pointing at the viewer: lit upper face, shaded lower face, white end.
void DrawLeverCentre(HDC dc, const SwitchGeometry& g) {
    const int cx = g.cx, cy = g.cy, w4 = g.w4, w6 = g.w6, k = g.k, k4 = g.k4;
    const POINT upper[4] = {
        {cx - w4, cy - k}, {cx - w6, cy - k4}, {cx + w6, cy - k4}, {cx + w4, cy - k}};
    const POINT lower[4] = {
        {cx - w4, cy + k}, {cx - w6, cy + k4}, {cx + w6, cy + k4}, {cx + w4, cy + k}};
    UseBrush(dc, LTGRAY_BRUSH);
    Polygon(dc, upper, 4);
    UseBrush(dc, GRAY_BRUSH);
    Polygon(dc, lower, 4);
    UseBrush(dc, WHITE_BRUSH);
    Rectangle(dc, cx - w6, cy - k4, cx + w6 + 1, cy + k4 + 1);
    SelectObject(dc, GetStockObject(WHITE_PEN));
}

}  // namespace

void PaintSwitch(HDC dc, int width, int height, LONG position, LONG mode) {
    if ((mode & SWM_BLANK) != 0) return;
    const SwitchGeometry g = MeasureSwitch(width, height);
    DrawPlate(dc, g);
    DrawCollar(dc, g);
    // The lever is outlined in shadow; the shadow pen is still selected.
    switch (position) {
    case SW_UP:
        DrawLeverUp(dc, g);
        break;
    case SW_DOWN:
        DrawLeverDown(dc, g);
        break;
    default:
        DrawLeverCentre(dc, g);
        break;
    }
}
