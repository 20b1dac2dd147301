// Drawing a gauge: lit and shaded arrow boxes, the arrows, the bar and the
// track outline on top of it.
#include "controls/control_resources.h"
#include "controls/custom_controls.h"
#include "controls/gauge.h"
#include "controls/scoped_selection.h"

namespace {

void Line(HDC dc, int x1, int y1, int x2, int y2) {
    MoveToEx(dc, x1, y1, nullptr);
    LineTo(dc, x2, y2);
}

// Two strokes from the tip.
void Arrow(HDC dc, POINT tip, POINT arm1, POINT arm2) {
    Line(dc, tip.x, tip.y, arm1.x, arm1.y);
    Line(dc, tip.x, tip.y, arm2.x, arm2.y);
}

// A corner of two edges: from `a` to the corner to `b`.
void Corner(HDC dc, int ax, int ay, int cx, int cy, int bx, int by) {
    MoveToEx(dc, ax, ay, nullptr);
    LineTo(dc, cx, cy);
    LineTo(dc, bx, by);
}

// Left and top edge of each box in white, right and bottom edge in shadow.
void DrawBoxEdges(HDC dc, const GaugeGeometry& g) {
    const int s = g.side;
    const int w = g.width;
    const int h = g.height;
    ScopedSelection pen(dc, Stock(WHITE_PEN));
    Corner(dc, 0, s, 0, 0, s, 0);
    if (!g.vertical) {
        Corner(dc, w - s, s, w - s, 0, w, 0);
    } else {
        Corner(dc, 0, h, 0, h - s, s, h - s);
    }
    pen.Change(g_gaugeShadowPen);
    Corner(dc, s - 1, 0, s - 1, s - 1, 0, s - 1);
    if (!g.vertical) {
        Corner(dc, w - 1, 0, w - 1, s - 1, w - s, s - 1);
    } else {
        Corner(dc, s - 1, h - s, s - 1, h - 1, 0, h - 1);
    }
}

void DrawArrows(HDC dc, const GaugeGeometry& g) {
    const int s = g.side;
    const int half = s / 2;
    const int quarter = s / 4;
    ScopedSelection pen(dc, Stock(BLACK_PEN));
    if (!g.vertical) {
        const int w = g.width;
        Arrow(dc, {quarter, half}, {half, quarter}, {half, s - quarter});
        Arrow(dc, {w - quarter, half}, {w - half, quarter}, {w - half, s - quarter});
    } else {
        const int h = g.height;
        const int tipInset = (3 * s) / 8;  // the arrows span 3/8 to 5/8 of the box
        const int armInset = tipInset + quarter;
        Arrow(dc, {half, tipInset}, {half - quarter, armInset}, {half + quarter, armInset});
        Arrow(dc, {half, h - tipInset}, {half - quarter, h - armInset},
              {half + quarter, h - armInset});
    }
}

// The bar, then the track's outline on top of it, both outlined in black.
void DrawBarAndTrack(HDC dc, const GaugeGeometry& g, const GaugeLongs& longs) {
    ScopedSelection pen(dc, Stock(BLACK_PEN));
    ScopedSelection brush(dc, (longs.flags & GF_RED) != 0 ? static_cast<HGDIOBJ>(g_gaugeRedBrush)
                                                          : Stock(BLACK_BRUSH));
    // A track without positions has neither bar nor outline: its rectangle
    // would lie over the arrow boxes.
    const bool hasTrack = g.track > 0;
    if (hasTrack && longs.maximum > longs.minimum) {
        const int bar = GaugeBarLength(longs.value, longs.minimum, longs.maximum, g.track);
        const GaugeBox r = GaugeBarRect(g, (longs.flags & GF_REVERSED) != 0, bar);
        Rectangle(dc, r.left, r.top, r.right, r.bottom);
    }
    brush.Change(Stock(NULL_BRUSH));
    if (hasTrack) {
        const GaugeBox r = GaugeTrackRect(g);
        Rectangle(dc, r.left, r.top, r.right, r.bottom);
    }
}

}  // namespace

void PaintGauge(HDC dc, int width, int height, const GaugeLongs& longs) {
    const GaugeGeometry g = MeasureGauge(width, height, longs.flags);
    DrawBoxEdges(dc, g);
    DrawArrows(dc, g);
    DrawBarAndTrack(dc, g, longs);
}

void PaintGaugeFocus(HDC dc, int width, int height, LONG flags) {
    const GaugeBox box = GaugeFocusRect(MeasureGauge(width, height, flags));
    const RECT r = {box.left, box.top, box.right, box.bottom};
    DrawFocusRect(dc, &r);
}
