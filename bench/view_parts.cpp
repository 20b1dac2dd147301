#include "bench/view_parts.h"

#include <string>

namespace {

double Sum(ViewPlace p) { return p.x + p.y; }

double SegmentSum(const ViewBox& box, ViewPlace a, ViewPlace b) {
    ViewSegment s;
    return ClipSegment(box, a, b, &s) ? s.from.x + s.to.y : 0.0;
}

double PaneGeometry(const PaneMap& map, const ViewPayload& p) {
    const MarkedPoint marked = PlacePayload(map, p.position);
    const ViewPlace at{static_cast<double>(marked.at.x), static_cast<double>(marked.at.y)};
    double sum = SegmentSum(map.pane, PaneOrigin(map), at);
    if (!marked.onScale) return sum;
    const ViewArrow a = JettisonArrow(map, at, p.jettisonRotation, p.jettisonVelocity);
    sum += SegmentSum(map.pane, a.from, a.tip) + SegmentSum(map.pane, a.tip, a.headA) +
           SegmentSum(map.pane, a.tip, a.headB);
    const ShipGlyph g = ShipGlyphAt(map, at, p.shipRotation);
    sum += SegmentSum(map.pane, g.nose, g.leftWing) + SegmentSum(map.pane, g.leftWing, g.rightWing) +
           SegmentSum(map.pane, g.rightWing, g.nose) + Sum(g.mast);
    return sum;
}

}  // namespace

double ComputeViewGeometry(const std::vector<ViewCarrier>& carriers, int width, int height) {
    const std::vector<ViewRow> rows = LayoutRows(width, height, carriers.size(), kPictureRows);
    double sum = 0.0;
    for (size_t i = 0; i < rows.size(); ++i) {
        const ViewCarrier& c = carriers[i];
        const double scale = FitScale(c.payloads, rows[i].above, rows[i].side);
        for (const PaneMap& map : {PaneMap{rows[i].above, ViewPlane::Above, scale},
                                   PaneMap{rows[i].side, ViewPlane::Side, scale}}) {
            sum += ChooseScaleBar(scale, (map.pane.right - map.pane.left) / 3).pixels;
            for (const ViewPayload& p : c.payloads) sum += PaneGeometry(map, p);
        }
    }
    return sum;
}

void DrawViewLabels(HDC dc, const std::vector<ViewCarrier>& carriers, int width, int height) {
    const int saved = SaveDC(dc);
    SelectObject(dc, GetStockObject(DEFAULT_GUI_FONT));
    SetBkMode(dc, TRANSPARENT);
    const std::vector<ViewRow> rows = LayoutRows(width, height, carriers.size(), kPictureRows);
    for (size_t i = 0; i < rows.size(); ++i) {
        const ViewRow& row = rows[i];
        const RECT clip{0, row.heading.top, width, row.side.bottom};
        const std::string& heading = carriers[i].name;
        ExtTextOutA(dc, row.heading.left, row.heading.top, ETO_CLIPPED, &clip, heading.data(),
                    static_cast<UINT>(heading.size()), nullptr);
        int y = row.above.top;
        for (const ViewPayload& p : carriers[i].payloads) {
            for (const ViewBox& pane : {row.above, row.side}) {
                ExtTextOutA(dc, pane.left + 8, y, ETO_CLIPPED, &clip, p.name.data(),
                            static_cast<UINT>(p.name.size()), nullptr);
            }
            y = y + 3 < row.above.bottom ? y + 3 : row.above.top;
        }
    }
    RestoreDC(dc, saved);
}
