#include "host/scene_view/scene_view_paint.h"

#include <cstdio>
#include <string>
#include <vector>

#include "controls/scoped_selection.h"

namespace {

const COLORREF kFrameColour = RGB(160, 160, 160);
const COLORREF kAxisColour = RGB(214, 220, 232);
const COLORREF kLinkColour = RGB(150, 150, 150);
const COLORREF kTextColour = RGB(40, 40, 40);
// Below this a pane shows its background and frame only.
const int kSmallestPane = 40;
const int kMarkerRadius = 2;
const int kOffScaleRadius = 4;
const int kRingRadius = 5;

// The pens and brushes of one paint, made at its start and deleted once at
// its end, after every selection of them has been undone.
struct ViewInk {
    HPEN frame = CreatePen(PS_SOLID, 1, kFrameColour);
    HPEN axis = CreatePen(PS_SOLID, 1, kAxisColour);
    HPEN link = CreatePen(PS_SOLID, 1, kLinkColour);
    HPEN carrier = CreatePen(PS_SOLID, 1, kCarrierColour);
    HPEN payload = CreatePen(PS_SOLID, 1, kPayloadColour);
    HPEN arrow = CreatePen(PS_SOLID, 1, kArrowColour);
    HPEN glyph = CreatePen(PS_SOLID, 1, kGlyphColour);
    HBRUSH background = CreateSolidBrush(kViewBackground);
    HBRUSH pane = CreateSolidBrush(kPaneBackground);
    HBRUSH carrierFill = CreateSolidBrush(kCarrierColour);
    HBRUSH payloadFill = CreateSolidBrush(kPayloadColour);

    ViewInk() = default;
    ViewInk(const ViewInk&) = delete;
    ViewInk& operator=(const ViewInk&) = delete;
    ~ViewInk() {
        for (HGDIOBJ o : {static_cast<HGDIOBJ>(frame), static_cast<HGDIOBJ>(axis),
                          static_cast<HGDIOBJ>(link), static_cast<HGDIOBJ>(carrier),
                          static_cast<HGDIOBJ>(payload), static_cast<HGDIOBJ>(arrow),
                          static_cast<HGDIOBJ>(glyph), static_cast<HGDIOBJ>(background),
                          static_cast<HGDIOBJ>(pane), static_cast<HGDIOBJ>(carrierFill),
                          static_cast<HGDIOBJ>(payloadFill)}) {
            if (o != nullptr) DeleteObject(o);
        }
    }
};

// The context's clipping and text settings, put back when the scope ends.
class SavedState {
public:
    explicit SavedState(HDC dc) : dc_(dc), saved_(SaveDC(dc)) {}
    ~SavedState() {
        if (saved_ != 0) RestoreDC(dc_, saved_);
    }
    SavedState(const SavedState&) = delete;
    SavedState& operator=(const SavedState&) = delete;

private:
    HDC dc_;
    int saved_;
};

bool IsSmall(const ViewBox& b) {
    return b.right - b.left < kSmallestPane || b.bottom - b.top < kSmallestPane;
}

RECT ToRect(const ViewBox& b) { return RECT{b.left, b.top, b.right, b.bottom}; }

ViewPlace ToPlace(ViewPoint p) {
    return ViewPlace{static_cast<double>(p.x), static_cast<double>(p.y)};
}

int Clamp(int v, int low, int high) { return v < low ? low : v > high ? high : v; }

// A point moved in until a mark of `radius` around it lies inside the box.
ViewPoint Inset(const ViewBox& b, ViewPoint p, int radius) {
    return ViewPoint{Clamp(p.x, b.left + radius, b.right - 1 - radius),
                     Clamp(p.y, b.top + radius, b.bottom - 1 - radius)};
}

void Mark(HDC dc, ViewPoint p, int radius) {
    Ellipse(dc, p.x - radius, p.y - radius, p.x + radius + 1, p.y + radius + 1);
}

// Text from a point inside the box, cut at the box's edges.
void Label(HDC dc, const ViewBox& box, int x, int y, const std::string& text) {
    const RECT clip = ToRect(box);
    const int cx = Clamp(x, box.left + 2, box.right - 1);
    const int cy = Clamp(y, box.top + 1, box.bottom - 1);
    ExtTextOutA(dc, cx, cy, ETO_CLIPPED, &clip, text.data(), static_cast<UINT>(text.size()),
                nullptr);
}

void DrawScaleBar(HDC dc, const PaneMap& map) {
    const ViewBox& b = map.pane;
    const ScaleBar bar = ChooseScaleBar(map.pixelsPerMetre, (b.right - b.left) / 3);
    if (bar.pixels < 1) return;
    const int x = b.left + 8, y = b.bottom - 8;
    MoveToEx(dc, x, y - 3, nullptr);
    LineTo(dc, x, y);
    LineTo(dc, x + bar.pixels, y);
    LineTo(dc, x + bar.pixels, y - 4);
    char text[40];
    std::snprintf(text, sizeof text, "%g m", bar.metres);
    Label(dc, b, x + 4, y - 18, text);
}

void DrawBackdrop(HDC dc, const ViewInk& ink, const PaneMap& map, const char* caption) {
    const ViewBox& b = map.pane;
    const RECT r = ToRect(b);
    FillRect(dc, &r, ink.pane);
    ScopedSelection pen(dc, ink.frame);
    ScopedSelection brush(dc, Stock(NULL_BRUSH));
    Rectangle(dc, b.left, b.top, b.right, b.bottom);
    if (IsSmall(b)) return;
    const ViewPoint o = PaneCentre(b);
    pen.Change(ink.axis);
    MoveToEx(dc, b.left + 1, o.y, nullptr);
    LineTo(dc, b.right - 1, o.y);
    MoveToEx(dc, o.x, b.top + 1, nullptr);
    LineTo(dc, o.x, b.bottom - 1);
    Label(dc, b, b.left + 4, b.top + 2, caption);
    pen.Change(ink.frame);
    DrawScaleBar(dc, map);
}

// What one pane's payloads draw, gathered by pen: each kind of stroke goes
// to the context in one call for all payloads, not two calls a stroke (a
// picture of 100 payloads made some 5,000 calls, each a trip into the
// system's drawing code).
class StrokeBatch {
public:
    void Add(const ViewBox& box, ViewPlace a, ViewPlace b) {
        ViewSegment s;
        if (!ClipSegment(box, a, b, &s)) return;
        points_.push_back(POINT{s.from.x, s.from.y});
        points_.push_back(POINT{s.to.x, s.to.y});
    }
    void Draw(HDC dc) {
        if (points_.empty()) return;
        counts_.assign(points_.size() / 2, 2);
        PolyPolyline(dc, points_.data(), counts_.data(), static_cast<DWORD>(counts_.size()));
    }

private:
    std::vector<POINT> points_;
    std::vector<DWORD> counts_;
};

struct PaneLabel {
    ViewPoint at;
    std::string text;
};

struct PaneDrawing {
    StrokeBatch links;
    StrokeBatch arrows;
    StrokeBatch glyphs;
    std::vector<ViewPoint> rings;   // arrows seen end-on
    std::vector<ViewPoint> marks;   // payloads on the scale, filled
    std::vector<ViewPoint> hollow;  // payloads beyond the pane, on its edge
    std::vector<PaneLabel> labels;
};

void AddArrow(const ViewBox& box, const ViewArrow& a, PaneDrawing* d) {
    if (a.endOn) {
        // Seen end-on: a ring around the payload.
        d->rings.push_back(Inset(box, NearestPixel(a.from), kRingRadius));
        return;
    }
    d->arrows.Add(box, a.from, a.tip);
    d->arrows.Add(box, a.tip, a.headA);
    d->arrows.Add(box, a.tip, a.headB);
}

void AddGlyph(const ViewBox& box, ViewPlace at, const ShipGlyph& g, PaneDrawing* d) {
    d->glyphs.Add(box, g.nose, g.leftWing);
    d->glyphs.Add(box, g.leftWing, g.rightWing);
    d->glyphs.Add(box, g.rightWing, g.nose);
    d->glyphs.Add(box, at, g.mast);
}

void AddPayload(const PaneMap& map, const ViewPayload& p, PaneDrawing* d) {
    const ViewBox& b = map.pane;
    const MarkedPoint marked = PlacePayload(map, p.position);
    const ViewPoint at = marked.onScale ? marked.at : Inset(b, marked.at, kOffScaleRadius);
    const ViewPlace place = ToPlace(at);
    d->links.Add(b, PaneOrigin(map), place);
    if (marked.onScale) {
        AddArrow(b, JettisonArrow(map, place, p.jettisonRotation, p.jettisonVelocity), d);
        AddGlyph(b, place, ShipGlyphAt(map, place, p.shipRotation), d);
        d->marks.push_back(at);
    } else {
        // Hollow: the payload lies beyond the pane in this direction.
        d->hollow.push_back(at);
    }
    d->labels.push_back(PaneLabel{ViewPoint{at.x + 6, at.y - 16},
                                  marked.onScale ? p.name : p.name + " (off scale)"});
}

// Links under arrows under glyphs under points, and every label on top.
void DrawPayloads(HDC dc, const ViewInk& ink, const ViewBox& b, PaneDrawing* d) {
    ScopedSelection pen(dc, ink.link);
    ScopedSelection brush(dc, Stock(NULL_BRUSH));
    d->links.Draw(dc);
    pen.Change(ink.arrow);
    d->arrows.Draw(dc);
    for (ViewPoint p : d->rings) Mark(dc, p, kRingRadius);
    pen.Change(ink.glyph);
    d->glyphs.Draw(dc);
    pen.Change(ink.payload);
    for (ViewPoint p : d->hollow) Mark(dc, p, kOffScaleRadius);
    brush.Change(ink.payloadFill);
    for (ViewPoint p : d->marks) Mark(dc, p, kMarkerRadius);
    for (const PaneLabel& l : d->labels) Label(dc, b, l.at.x, l.at.y, l.text);
}

void DrawCarrier(HDC dc, const ViewInk& ink, const PaneMap& map) {
    const ViewPoint o = PaneCentre(map.pane);
    ScopedSelection pen(dc, ink.carrier);
    ScopedSelection brush(dc, ink.carrierFill);
    Rectangle(dc, o.x - 4, o.y - 4, o.x + 5, o.y + 5);
}

void PaintPane(HDC dc, const ViewInk& ink, const PaneMap& map, const ViewCarrier& carrier,
               const char* caption) {
    const ViewBox& b = map.pane;
    if (b.right <= b.left || b.bottom <= b.top) return;
    SavedState state(dc);
    IntersectClipRect(dc, b.left, b.top, b.right, b.bottom);
    DrawBackdrop(dc, ink, map, caption);
    if (IsSmall(b)) return;
    PaneDrawing drawing;
    for (const ViewPayload& p : carrier.payloads) AddPayload(map, p, &drawing);
    DrawPayloads(dc, ink, b, &drawing);
    DrawCarrier(dc, ink, map);  // last: the links all end under it
}

std::string Heading(const ViewCarrier& c, size_t leftOut) {
    const size_t n = c.payloads.size();
    std::string text = c.name + ": " + std::to_string(n) + (n == 1 ? " payload" : " payloads");
    if (leftOut > 0) {
        text += "   (" + std::to_string(leftOut) + " more carrier" + (leftOut == 1 ? "" : "s") +
                ", not shown)";
    }
    return text;
}

}  // namespace

void PaintSceneView(HDC dc, int width, int height, const std::vector<ViewCarrier>& carriers,
                    size_t maxRows) {
    ViewInk ink;  // first: deleted after every state below is put back
    SavedState state(dc);
    ScopedSelection font(dc, Stock(DEFAULT_GUI_FONT));
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, kTextColour);
    SetTextAlign(dc, TA_LEFT | TA_TOP | TA_NOUPDATECP);
    const RECT all{0, 0, width, height};
    FillRect(dc, &all, ink.background);

    const std::vector<ViewRow> rows = LayoutRows(width, height, carriers.size(), maxRows);
    if (rows.empty()) {
        Label(dc, ViewBox{0, 0, width, height}, 8, 8, "No carriers in the scene");
        return;
    }
    for (size_t i = 0; i < rows.size(); ++i) {
        const ViewRow& row = rows[i];
        const ViewCarrier& c = carriers[i];
        const bool last = i + 1 == rows.size();
        Label(dc, row.heading, row.heading.left, row.heading.top,
              Heading(c, last ? carriers.size() - rows.size() : 0));
        const double scale = FitScale(c.payloads, row.above, row.side);
        PaintPane(dc, ink, PaneMap{row.above, ViewPlane::Above, scale}, c,
                  "from above: X right, Z up");
        PaintPane(dc, ink, PaneMap{row.side, ViewPlane::Side, scale}, c,
                  "from the side: Z right, Y up");
    }
}
