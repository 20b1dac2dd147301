// Drawing a switch seen from the front: hexagonal base plate, round collar
// with its hole, and the lever. Light falls from the upper left.
#include "controls/control_resources.h"
#include "controls/custom_controls.h"
#include "controls/scoped_selection.h"
#include "controls/switch.h"
#include "controls/switch_geometry.h"

namespace {

void DrawPlate(HDC dc, const SwitchGeometry& g) {
    const int cx = g.cx, cy = g.cy, side = g.plateHalfSide, radius = g.plateRadius;
    const POINT plate[6] = {{1, cy - side},          {cx, cy - radius}, {2 * cx - 1, cy - side},
                            {2 * cx - 1, cy + side}, {cx, cy + radius}, {1, cy + side}};
    ScopedSelection pen(dc, Stock(WHITE_PEN));
    ScopedSelection brush(dc, Stock(LTGRAY_BRUSH));
    Polygon(dc, plate, 6);
    // Right side and both lower edges in shadow.
    pen.Change(g_switchShadowPen);
    Polyline(dc, plate + 2, 4);
}

void DrawCollar(HDC dc, const SwitchGeometry& g) {
    const int cx = g.cx, cy = g.cy, collar = g.collarRadius, hole = g.holeRadius;
    const RECT rim = {cx - collar, cy - collar, cx + collar + 1, cy + collar + 1};
    const RECT opening = {cx - hole, cy - hole, cx + hole + 1, cy + hole + 1};
    ScopedSelection pen(dc, Stock(WHITE_PEN));
    ScopedSelection brush(dc, Stock(LTGRAY_BRUSH));
    Ellipse(dc, rim.left, rim.top, rim.right, rim.bottom);
    brush.Change(Stock(GRAY_BRUSH));
    Ellipse(dc, opening.left, opening.top, opening.right, opening.bottom);
    // Arcs run counter-clockwise (the context's default): the lower right of
    // the collar's rim and the upper left of the hole's rim lie in shadow.
    pen.Change(g_switchShadowPen);
    Arc(dc, rim.left, rim.top, rim.right, rim.bottom, cx - 10, cy + 10, cx + 10, cy - 10);
    Arc(dc, opening.left, opening.top, opening.right, opening.bottom, cx + 10, cy - 10, cx - 10,
        cy + 10);
}

// Lever up: light grey shaft, white cap reaching y = 1, both outlined in
// shadow; its left edge and top lit.
void DrawLeverUp(HDC dc, const SwitchGeometry& g) {
    const int cx = g.cx, cy = g.cy, root = g.rootHalfWidth, cap = g.capHalfWidth;
    const int capBottom = g.capLength + 1;
    const POINT shaft[4] = {
        {cx - root, cy + 1}, {cx - cap, capBottom}, {cx + cap, capBottom}, {cx + root, cy + 1}};
    ScopedSelection pen(dc, g_switchShadowPen);
    ScopedSelection brush(dc, Stock(LTGRAY_BRUSH));
    Polygon(dc, shaft, 4);
    brush.Change(Stock(WHITE_BRUSH));
    Rectangle(dc, cx - cap, capBottom, cx + cap + 1, 1);
    pen.Change(Stock(WHITE_PEN));
    MoveToEx(dc, cx - root, cy + 1, nullptr);
    LineTo(dc, cx - cap, capBottom);
    LineTo(dc, cx - cap, 1);
    LineTo(dc, cx + cap, 1);
}

// Lever down: white shaft, light grey cap reaching y = 2cy - 1, both outlined
// in shadow; its left edge and bottom lit.
void DrawLeverDown(HDC dc, const SwitchGeometry& g) {
    const int cx = g.cx, cy = g.cy, root = g.rootHalfWidth, cap = g.capHalfWidth;
    const int capTop = 2 * cy - 1 - g.capLength;
    const int bottom = 2 * cy - 1;
    const POINT shaft[4] = {
        {cx - root, cy - 1}, {cx - cap, capTop}, {cx + cap, capTop}, {cx + root, cy - 1}};
    ScopedSelection pen(dc, g_switchShadowPen);
    ScopedSelection brush(dc, Stock(WHITE_BRUSH));
    Polygon(dc, shaft, 4);
    brush.Change(Stock(LTGRAY_BRUSH));
    Rectangle(dc, cx - cap, capTop, cx + cap + 1, bottom);
    pen.Change(Stock(WHITE_PEN));
    MoveToEx(dc, cx - root, cy - 1, nullptr);
    LineTo(dc, cx - cap, capTop);
    LineTo(dc, cx - cap, bottom);
    LineTo(dc, cx + cap, bottom);
}

// Lever pointing at the viewer: lit upper face, shaded lower face, white end,
// all outlined in shadow.
void DrawLeverCentre(HDC dc, const SwitchGeometry& g) {
    // Each face runs from the hole's rim to the end face.
    const int cx = g.cx, cy = g.cy, root = g.rootHalfWidth, hole = g.holeRadius;
    const int face = g.faceHalfWidth, faceHeight = g.faceHalfHeight;
    const POINT upper[4] = {{cx - root, cy - hole},
                            {cx - face, cy - faceHeight},
                            {cx + face, cy - faceHeight},
                            {cx + root, cy - hole}};
    const POINT lower[4] = {{cx - root, cy + hole},
                            {cx - face, cy + faceHeight},
                            {cx + face, cy + faceHeight},
                            {cx + root, cy + hole}};
    ScopedSelection pen(dc, g_switchShadowPen);
    ScopedSelection brush(dc, Stock(LTGRAY_BRUSH));
    Polygon(dc, upper, 4);
    brush.Change(Stock(GRAY_BRUSH));
    Polygon(dc, lower, 4);
    brush.Change(Stock(WHITE_BRUSH));
    Rectangle(dc, cx - face, cy - faceHeight, cx + face + 1, cy + faceHeight + 1);
}

}  // namespace

void PaintSwitch(HDC dc, int width, int height, LONG position, LONG mode) {
    if ((mode & SWM_BLANK) != 0) return;
    const SwitchGeometry g = MeasureSwitch(width, height);
    DrawPlate(dc, g);
    DrawCollar(dc, g);
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

void PaintSwitchFocus(HDC dc, int width, int height) {
    // Along the client area's edge: the plate's left side and the up lever's
    // cap stop a pixel short of it, and where the plate's right side or the
    // down lever's cap meet it the dotted line shows inverted.
    const RECT r = {0, 0, width, height};
    DrawFocusRect(dc, &r);
}
