// The scene view's paint, by what it draws: recorded through an enhanced
// metafile and compared with the geometry's places, and rendered into real
// pixels to see that nothing lands between the panes.
#include <windows.h>

#include <cmath>
#include <limits>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "host/scene_view/scene_picture.h"
#include "host/scene_view/scene_view_geometry.h"
#include "host/scene_view/scene_view_paint.h"

namespace {

const double kInf = std::numeric_limits<double>::infinity();
const double kNaN = std::numeric_limits<double>::quiet_NaN();

struct Drawn {
    std::vector<POINT> points;   // every end of a line and corner of a box
    std::vector<RECT> ellipses;  // as recorded: inclusive
    struct Text {
        std::string text;
        POINT at;
        RECT clip;
        bool clipped;
    };
    std::vector<Text> texts;
    std::vector<std::pair<POINT, POINT>> lines;
    std::vector<RECT> fills;  // exclusive
    POINT current{0, 0};
};

// Each polyline of a PolyPolyline record as its lines, the way MoveToEx and
// LineTo would have drawn them. The points follow the counts.
template <typename Record, typename Point>
void ReadPolyPolyline(const ENHMETARECORD* r, Drawn* d) {
    const Record* p = reinterpret_cast<const Record*>(r);
    const Point* points = reinterpret_cast<const Point*>(p->aPolyCounts + p->nPolys);
    for (DWORD i = 0; i < p->nPolys; ++i) {
        for (DWORD k = 0; k < p->aPolyCounts[i]; ++k, ++points) {
            const POINT at{points->x, points->y};
            if (k > 0) d->lines.push_back({d->current, at});
            d->current = at;
            d->points.push_back(at);
        }
    }
}

int CALLBACK ReadRecord(HDC, HANDLETABLE*, const ENHMETARECORD* r, int, LPARAM data) {
    Drawn& d = *reinterpret_cast<Drawn*>(data);
    switch (r->iType) {
    case EMR_MOVETOEX: {
        const POINTL& p = reinterpret_cast<const EMRMOVETOEX*>(r)->ptl;
        d.current = POINT{p.x, p.y};
        d.points.push_back(d.current);
        break;
    }
    case EMR_LINETO: {
        const POINTL& p = reinterpret_cast<const EMRLINETO*>(r)->ptl;
        d.lines.push_back({d.current, POINT{p.x, p.y}});
        d.current = POINT{p.x, p.y};
        d.points.push_back(d.current);
        break;
    }
    case EMR_ELLIPSE:
    case EMR_RECTANGLE: {
        const RECTL& b = reinterpret_cast<const EMRELLIPSE*>(r)->rclBox;
        d.points.push_back(POINT{b.left, b.top});
        d.points.push_back(POINT{b.right, b.bottom});
        if (r->iType == EMR_ELLIPSE) d.ellipses.push_back(RECT{b.left, b.top, b.right, b.bottom});
        break;
    }
    case EMR_EXTTEXTOUTW: {
        const EMREXTTEXTOUTW* t = reinterpret_cast<const EMREXTTEXTOUTW*>(r);
        const WCHAR* chars = reinterpret_cast<const WCHAR*>(reinterpret_cast<const BYTE*>(t) +
                                                            t->emrtext.offString);
        std::string text;
        for (DWORD i = 0; i < t->emrtext.nChars; ++i) text += static_cast<char>(chars[i]);
        const RECTL& c = t->emrtext.rcl;
        d.texts.push_back({text, POINT{t->emrtext.ptlReference.x, t->emrtext.ptlReference.y},
                           RECT{c.left, c.top, c.right, c.bottom},
                           (t->emrtext.fOptions & ETO_CLIPPED) != 0});
        break;
    }
    case EMR_BITBLT: {  // what FillRect records
        const EMRBITBLT* b = reinterpret_cast<const EMRBITBLT*>(r);
        d.fills.push_back(RECT{b->xDest, b->yDest, b->xDest + b->cxDest, b->yDest + b->cyDest});
        break;
    }
    case EMR_POLYPOLYLINE16:
        ReadPolyPolyline<EMRPOLYPOLYLINE16, POINTS>(r, &d);
        break;
    case EMR_POLYPOLYLINE:
        ReadPolyPolyline<EMRPOLYPOLYLINE, POINTL>(r, &d);
        break;
    case EMR_POLYLINE16:
    case EMR_POLYGON16:
    case EMR_POLYLINE:
    case EMR_POLYGON:
    case EMR_STRETCHBLT:
        ADD_FAILURE() << "unexpected drawing record " << r->iType;
        break;
    default:
        break;
    }
    return 1;
}

Drawn Record(int width, int height, const std::vector<ViewCarrier>& carriers) {
    HDC dc = CreateEnhMetaFileA(nullptr, nullptr, nullptr, nullptr);
    PaintSceneView(dc, width, height, carriers, kPictureRows);
    HENHMETAFILE emf = CloseEnhMetaFile(dc);
    Drawn drawn;
    EnumEnhMetaFile(nullptr, emf, ReadRecord, &drawn, nullptr);
    DeleteEnhMetaFile(emf);
    return drawn;
}

ViewPayload Payload(const std::string& name, ViewVector position, double velocity = 0) {
    ViewPayload p;
    p.name = name;
    p.position = position;
    p.jettisonVelocity = velocity;
    return p;
}

bool Inside(const ViewBox& b, POINT p) {
    return p.x >= b.left && p.x < b.right && p.y >= b.top && p.y < b.bottom;
}

bool HasLine(const Drawn& d, ViewPoint a, ViewPoint b) {
    for (const auto& l : d.lines) {
        if (l.first.x == a.x && l.first.y == a.y && l.second.x == b.x && l.second.y == b.y) {
            return true;
        }
    }
    return false;
}

// A filled marker centred on the point, as Ellipse records it.
bool HasMarkerAt(const Drawn& d, ViewPoint p) {
    for (const RECT& e : d.ellipses) {
        if ((e.left + e.right) / 2 == p.x && (e.top + e.bottom) / 2 == p.y) return true;
    }
    return false;
}

const Drawn::Text* FindText(const Drawn& d, const std::string& text) {
    for (const Drawn::Text& t : d.texts) {
        if (t.text == text) return &t;
    }
    return nullptr;
}

// Hostile values a carrier may hold: no double, the largest doubles, names
// a label cannot hold, rotations beyond any turn, and very many payloads.
std::vector<ViewCarrier> HostileScene() {
    ViewCarrier c;
    c.name = std::string(255, 'C');
    const double big = std::numeric_limits<double>::max();
    const ViewVector positions[] = {{kInf, 0, 0},      {-kInf, kNaN, kInf}, {kNaN, kNaN, kNaN},
                                    {big, -big, big},  {1e300, 1, -1e300},  {0, 0, 0},
                                    {-big, kInf, 0.5}, {1e-300, -2, 3}};
    for (int i = 0; i < 200; ++i) {
        ViewPayload p = Payload(std::string(255, static_cast<char>('a' + i % 26)),
                                positions[i % 8], i % 3 == 0 ? kInf : i % 3 == 1 ? kNaN : 0.0);
        p.shipRotation = ViewVector{1e307, -kInf, kNaN};
        p.jettisonRotation = ViewVector{-1e307, 3.0, kInf};
        c.payloads.push_back(p);
    }
    ViewCarrier second;
    second.name = "Small";
    second.payloads.push_back(Payload("Near", ViewVector{0.001, 0.002, -0.001}, -1e308));
    return {c, second};
}

TEST(SceneViewPaint, DrawsEachPayloadJoinedToItsCarrierAndNamedInBothPanes) {
    ViewCarrier tug;
    tug.name = "Tug";
    tug.payloads.push_back(Payload("Probe", ViewVector{2, 1, -1}, 2.5));
    const Drawn d = Record(kPictureWidth, kPictureRowHeight, {tug});

    const ViewRow row = LayoutRows(kPictureWidth, kPictureRowHeight, 1, kPictureRows)[0];
    const double scale = FitScale(tug.payloads, row.above, row.side);
    ASSERT_NE(FindText(d, "Tug: 1 payload"), nullptr);
    for (const PaneMap& map : {PaneMap{row.above, ViewPlane::Above, scale},
                               PaneMap{row.side, ViewPlane::Side, scale}}) {
        const MarkedPoint m = PlacePayload(map, tug.payloads[0].position);
        ASSERT_TRUE(m.onScale);
        const ViewPlace o = PaneOrigin(map);
        const ViewPoint origin{static_cast<int>(o.x), static_cast<int>(o.y)};
        EXPECT_TRUE(HasLine(d, origin, m.at)) << m.at.x << "," << m.at.y;
        EXPECT_TRUE(HasMarkerAt(d, m.at)) << m.at.x << "," << m.at.y;
        // The arrow's shaft leaves the payload towards its tip.
        const ViewArrow a = JettisonArrow(map, ViewPlace{double(m.at.x), double(m.at.y)}, {}, 2.5);
        ViewSegment shaft;
        ASSERT_TRUE(ClipSegment(map.pane, a.from, a.tip, &shaft));
        EXPECT_TRUE(HasLine(d, shaft.from, shaft.to));
        bool named = false;
        for (const Drawn::Text& t : d.texts) {
            named |= t.text == "Probe" && t.at.x == m.at.x + 6 && t.at.y == m.at.y - 16;
        }
        EXPECT_TRUE(named) << "Probe's label beside its point";
    }
    // The above pane puts X to the right, the side pane Z: +2 m and -1 m.
    EXPECT_GT(PlacePayload({row.above, ViewPlane::Above, scale}, {2, 1, -1}).at.x,
              PaneOrigin({row.above, ViewPlane::Above, scale}).x);
    EXPECT_LT(PlacePayload({row.side, ViewPlane::Side, scale}, {2, 1, -1}).at.x,
              PaneOrigin({row.side, ViewPlane::Side, scale}).x);

    const Drawn none = Record(kPictureWidth, kPictureRowHeight, {});
    ASSERT_EQ(none.texts.size(), 1u);
    EXPECT_EQ(none.texts[0].text, "No carriers in the scene");
}

TEST(SceneViewPaint, DrawsNothingOutsideItsPaneWhateverTheCarriersHold) {
    const std::vector<ViewCarrier> scene = HostileScene();
    const int height = ScenePictureHeight(scene.size());
    const Drawn d = Record(kPictureWidth, height, scene);
    const std::vector<ViewRow> rows = LayoutRows(kPictureWidth, height, 2, kPictureRows);
    ASSERT_EQ(rows.size(), 2u);
    const ViewBox whole{0, 0, kPictureWidth, height};
    // The background's rectangle is the only drawing that spans everything.
    size_t outside = 0;
    for (const POINT& p : d.points) {
        bool inPane = false;
        for (const ViewRow& r : rows) inPane |= Inside(r.above, p) || Inside(r.side, p);
        // Rectangle and Ellipse record their box inclusive: the frame's
        // right and bottom edge lie one pixel in.
        for (const ViewRow& r : rows) {
            inPane |= (p.x == r.above.right - 1 || p.x == r.side.right - 1) &&
                      Inside(ViewBox{r.above.left, r.above.top, r.side.right, r.side.bottom}, p);
        }
        if (!inPane) ++outside;
    }
    EXPECT_EQ(outside, 0u);
    // The background, then each pane's own.
    ASSERT_EQ(d.fills.size(), 1u + 2u * rows.size());
    EXPECT_EQ(d.fills[0].right, kPictureWidth);
    EXPECT_EQ(d.fills[0].bottom, height);
    for (size_t i = 1; i < d.fills.size(); ++i) {
        const RECT& f = d.fills[i];
        const ViewRow& r = rows[(i - 1) / 2];
        const ViewBox& b = i % 2 == 1 ? r.above : r.side;
        EXPECT_TRUE(f.left == b.left && f.top == b.top && f.right == b.right &&
                    f.bottom == b.bottom)
            << i;
    }
    EXPECT_GE(d.ellipses.size(), 2u * 201u);  // a marker per payload in each pane
    for (const Drawn::Text& t : d.texts) {
        EXPECT_TRUE(Inside(whole, t.at)) << t.text;
        EXPECT_TRUE(t.clipped) << t.text;
        bool inBox = false;
        for (const ViewRow& r : rows) {
            for (const ViewBox& b : {r.heading, r.above, r.side}) {
                inBox |= t.clip.left == b.left && t.clip.top == b.top && t.clip.right == b.right &&
                         t.clip.bottom == b.bottom && Inside(b, t.at);
            }
        }
        EXPECT_TRUE(inBox) << t.text.substr(0, 20) << " at " << t.at.x << "," << t.at.y;
    }
    ASSERT_NE(FindText(d, std::string(255, 'a') + " (off scale)"), nullptr);
}

TEST(SceneViewPaint, PixelsShowCarrierAndPayloadAndLeaveTheGapsBlank) {
    ViewCarrier tug;
    tug.name = "Tug";
    tug.payloads.push_back(Payload("Probe", ViewVector{2, 1, -1}, 2.5));
    std::vector<ViewCarrier> scene = HostileScene();
    scene.insert(scene.begin(), tug);
    const int height = ScenePictureHeight(scene.size());
    ScenePicture picture(kPictureWidth, height);
    ASSERT_TRUE(picture.Ready());
    picture.Paint(scene);
    const std::vector<uint32_t> pixels = picture.Pixels();
    ASSERT_EQ(pixels.size(), static_cast<size_t>(kPictureWidth) * static_cast<size_t>(height));
    const auto at = [&](int x, int y) { return pixels[size_t(y) * kPictureWidth + size_t(x)]; };
    const auto rgb = [](COLORREF c) {
        return uint32_t{GetRValue(c)} << 16 | uint32_t{GetGValue(c)} << 8 | GetBValue(c);
    };

    const std::vector<ViewRow> rows = LayoutRows(kPictureWidth, height, 3, kPictureRows);
    const ViewRow& first = rows[0];
    const PaneMap above{first.above, ViewPlane::Above, FitScale(tug.payloads, first.above,
                                                                first.side)};
    const ViewPlace o = PaneOrigin(above);
    EXPECT_EQ(at(int(o.x), int(o.y)), rgb(kCarrierColour));
    const ViewPoint probe = PlacePayload(above, tug.payloads[0].position).at;
    EXPECT_EQ(at(probe.x, probe.y), rgb(kPayloadColour));
    EXPECT_EQ(at(first.above.left + 5, first.above.bottom - 30), rgb(kPaneBackground));

    // Between the panes, beside them and between the rows: background only.
    size_t stray = 0;
    for (const ViewRow& r : rows) {
        for (int y = r.above.top; y < r.above.bottom; ++y) {
            for (int x = 0; x < kPictureWidth; ++x) {
                const bool gap = x < r.above.left || (x >= r.above.right && x < r.side.left) ||
                                 x >= r.side.right;
                if (gap && at(x, y) != rgb(kViewBackground)) ++stray;
            }
        }
        for (int y = r.above.bottom; y < r.above.bottom + 6 && y < height; ++y) {
            for (int x = 0; x < kPictureWidth; ++x) stray += at(x, y) != rgb(kViewBackground);
        }
    }
    EXPECT_EQ(stray, 0u);
}

}  // namespace
