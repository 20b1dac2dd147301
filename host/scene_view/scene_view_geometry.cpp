#include "host/scene_view/scene_view_geometry.h"

#include <algorithm>
#include <cmath>

namespace {

// Far beyond any real window, small enough that no sum of two sizes or
// positions can overflow an int.
const int kLargestSide = 1 << 20;
const int kHeadingHeight = 18;
const int kGap = 6;
const int kMinRowHeight = 140;
// Room inside a pane's edge for a marker, its label's start and the glyph.
const double kFitMargin = 24.0;
const double kGlyphSize = 14.0;
const double kArrowHead = 6.0;
const double kTwoPi = 6.283185307179586;

int ClampSide(int side) { return side < 0 ? 0 : std::min(side, kLargestSide); }

bool IsEmpty(const ViewBox& b) { return b.right <= b.left || b.bottom <= b.top; }

bool Finite(ViewPlace p) { return std::isfinite(p.x) && std::isfinite(p.y); }

// The pane's axes as the screen sees them: y grows down the pane.
ViewPlace OnScreen(ViewPlane plane, const ViewVector& v) {
    return plane == ViewPlane::Above ? ViewPlace{v.x, -v.z} : ViewPlace{v.z, -v.y};
}

ViewPlace Along(ViewPlace from, ViewPlace direction, double length) {
    return ViewPlace{from.x + direction.x * length, from.y + direction.y * length};
}

double Extent(double coordinate) { return std::isfinite(coordinate) ? std::fabs(coordinate) : 0; }

// Pixels per metre that put `extent` metres at `usable` pixels from the origin.
double ScaleFor(double usable, double extent) {
    return std::max(usable, 1.0) / std::max(extent, 1.0);
}

}  // namespace

ViewPoint NearestPixel(ViewPlace p) {
    return ViewPoint{static_cast<int>(std::lround(p.x)), static_cast<int>(std::lround(p.y))};
}

int ScenePictureHeight(size_t carriers) {
    const size_t rows = std::min(std::max<size_t>(carriers, 1), kPictureRows);
    return static_cast<int>(rows) * kPictureRowHeight;
}

std::vector<ViewRow> LayoutRows(int width, int height, size_t carriers, size_t maxRows) {
    std::vector<ViewRow> rows;
    width = ClampSide(width);
    height = ClampSide(height);
    const size_t fit = std::max<size_t>(1, static_cast<size_t>(height / kMinRowHeight));
    const size_t count = std::min({carriers, maxRows, fit});
    if (count == 0) return rows;
    const int rowHeight = height / static_cast<int>(count);
    const int paneWidth = std::max(0, (width - 3 * kGap) / 2);
    for (size_t i = 0; i < count; ++i) {
        const int top = static_cast<int>(i) * rowHeight;
        const int paneTop = top + kHeadingHeight + 2;
        const int paneBottom = std::max(paneTop, top + rowHeight - kGap);
        ViewRow row;
        row.heading = ViewBox{kGap, top + 2, std::max(kGap, width - kGap), top + kHeadingHeight};
        row.above = ViewBox{kGap, paneTop, kGap + paneWidth, paneBottom};
        row.side = ViewBox{2 * kGap + paneWidth, paneTop, 2 * kGap + 2 * paneWidth, paneBottom};
        rows.push_back(row);
    }
    return rows;
}

ViewVector RotateXYZ(const ViewVector& v, const ViewVector& angles) {
    const auto turn = [](double angle, double* c, double* s) {
        if (!std::isfinite(angle)) {
            *c = 1.0;
            *s = 0.0;
            return;
        }
        // Reduced first, exactly, so that every C library is asked about the
        // same small angle: their own reductions of a huge one disagree (one
        // gets 1e22 wrong in the first digit), and so would the pictures.
        const double a = std::remainder(angle, kTwoPi);
        *c = std::cos(a);
        *s = std::sin(a);
    };
    double c, s;
    ViewVector r = v;
    turn(angles.x, &c, &s);
    r = ViewVector{r.x, r.y * c - r.z * s, r.y * s + r.z * c};
    turn(angles.y, &c, &s);
    r = ViewVector{r.x * c + r.z * s, r.y, -r.x * s + r.z * c};
    turn(angles.z, &c, &s);
    r = ViewVector{r.x * c - r.y * s, r.x * s + r.y * c, r.z};
    return r;
}

double FitScale(const std::vector<ViewPayload>& payloads, const ViewBox& above,
                const ViewBox& side) {
    double ex = 0, ey = 0, ez = 0;
    for (const ViewPayload& p : payloads) {
        ex = std::max(ex, Extent(p.position.x));
        ey = std::max(ey, Extent(p.position.y));
        ez = std::max(ez, Extent(p.position.z));
    }
    const auto half = [](int low, int high) { return (high - low) / 2.0 - kFitMargin; };
    // At least a pixel over at most the largest double: positive, if tiny.
    return std::min({ScaleFor(half(above.left, above.right), ex),
                     ScaleFor(half(above.top, above.bottom), ez),
                     ScaleFor(half(side.left, side.right), ez),
                     ScaleFor(half(side.top, side.bottom), ey)});
}

ViewPoint PaneCentre(const ViewBox& b) {
    return ViewPoint{b.left + (b.right - b.left) / 2, b.top + (b.bottom - b.top) / 2};
}

ViewPlace PaneOrigin(const PaneMap& map) {
    const ViewPoint centre = PaneCentre(map.pane);
    return ViewPlace{static_cast<double>(centre.x), static_cast<double>(centre.y)};
}

ViewPlace Project(const PaneMap& map, const ViewVector& v) {
    const ViewPlace o = PaneOrigin(map);
    const ViewPlace d = OnScreen(map.plane, v);
    return ViewPlace{o.x + d.x * map.pixelsPerMetre, o.y + d.y * map.pixelsPerMetre};
}

MarkedPoint PlacePayload(const PaneMap& map, const ViewVector& position) {
    const ViewBox& b = map.pane;
    MarkedPoint marked;
    if (IsEmpty(b)) {
        marked.at = ViewPoint{b.left, b.top};
        return marked;
    }
    const double left = b.left, right = b.right - 1, top = b.top, bottom = b.bottom - 1;
    const ViewPlace p = Project(map, position);
    if (Finite(p) && p.x >= left && p.x <= right && p.y >= top && p.y <= bottom) {
        marked.at = NearestPixel(p);
        marked.onScale = true;
        return marked;
    }
    // Towards the place from the origin, as far as the pane reaches.
    const ViewPlace o = PaneOrigin(map);
    double dx = std::isnan(p.x) ? 0.0 : p.x - o.x;
    double dy = std::isnan(p.y) ? 0.0 : p.y - o.y;
    if (std::isinf(dx) || std::isinf(dy)) {
        dx = std::isinf(dx) ? std::copysign(1.0, dx) : 0.0;
        dy = std::isinf(dy) ? std::copysign(1.0, dy) : 0.0;
    }
    double t = 0.0;
    if (dx != 0.0 || dy != 0.0) {
        t = HUGE_VAL;
        if (dx > 0) t = std::min(t, (right - o.x) / dx);
        if (dx < 0) t = std::min(t, (left - o.x) / dx);
        if (dy > 0) t = std::min(t, (bottom - o.y) / dy);
        if (dy < 0) t = std::min(t, (top - o.y) / dy);
    }
    const ViewPlace edge{std::clamp(o.x + dx * t, left, right),
                         std::clamp(o.y + dy * t, top, bottom)};
    marked.at = NearestPixel(edge);
    return marked;
}

bool ClipSegment(const ViewBox& box, ViewPlace a, ViewPlace b, ViewSegment* out) {
    if (IsEmpty(box) || !Finite(a) || !Finite(b)) return false;
    const double dx = b.x - a.x, dy = b.y - a.y;
    if (!std::isfinite(dx) || !std::isfinite(dy)) return false;
    double t0 = 0.0, t1 = 1.0;
    // Liang-Barsky: each edge as p * t <= q.
    const double p[4] = {-dx, dx, -dy, dy};
    const double q[4] = {a.x - box.left, (box.right - 1) - a.x, a.y - box.top,
                         (box.bottom - 1) - a.y};
    for (int i = 0; i < 4; ++i) {
        if (p[i] == 0.0) {
            if (q[i] < 0.0) return false;
            continue;
        }
        const double t = q[i] / p[i];
        if (p[i] < 0.0) {
            t0 = std::max(t0, t);
        } else {
            t1 = std::min(t1, t);
        }
        if (t0 > t1) return false;
    }
    const auto inside = [&](double t) {
        return ViewPlace{std::clamp(a.x + t * dx, static_cast<double>(box.left),
                                    static_cast<double>(box.right - 1)),
                         std::clamp(a.y + t * dy, static_cast<double>(box.top),
                                    static_cast<double>(box.bottom - 1))};
    };
    out->from = NearestPixel(inside(t0));
    out->to = NearestPixel(inside(t1));
    return true;
}

double JettisonArrowLength(double velocity) {
    // At rest it still reaches past the ship glyph.
    if (std::isnan(velocity)) return 16.0;
    if (std::isinf(velocity)) return 76.0;
    const double speed = std::fabs(velocity);
    return 16.0 + 60.0 * speed / (speed + 5.0);
}

ViewArrow JettisonArrow(const PaneMap& map, ViewPlace from, const ViewVector& jettisonRotation,
                        double velocity) {
    ViewVector d = RotateXYZ(ViewVector{0, 0, 1}, jettisonRotation);
    if (velocity < 0) d = ViewVector{-d.x, -d.y, -d.z};
    const ViewPlace u = OnScreen(map.plane, d);
    const double length = JettisonArrowLength(velocity);
    const double seen = length * std::hypot(u.x, u.y);
    ViewArrow arrow;
    arrow.from = from;
    arrow.tip = Along(from, u, length);
    if (!(seen >= 2.0)) {
        arrow.endOn = true;
        arrow.tip = arrow.headA = arrow.headB = from;
        return arrow;
    }
    const ViewPlace e{u.x * length / seen, u.y * length / seen};  // unit, on screen
    const double head = std::min(kArrowHead, seen / 2);
    const ViewPlace back = Along(arrow.tip, e, -head);
    arrow.headA = Along(back, ViewPlace{-e.y, e.x}, 0.6 * head);
    arrow.headB = Along(back, ViewPlace{e.y, -e.x}, 0.6 * head);
    return arrow;
}

ShipGlyph ShipGlyphAt(const PaneMap& map, ViewPlace at, const ViewVector& shipRotation) {
    const ViewPlace forward = OnScreen(map.plane, RotateXYZ(ViewVector{0, 0, 1}, shipRotation));
    const ViewPlace right = OnScreen(map.plane, RotateXYZ(ViewVector{1, 0, 0}, shipRotation));
    const ViewPlace up = OnScreen(map.plane, RotateXYZ(ViewVector{0, 1, 0}, shipRotation));
    ShipGlyph g;
    g.nose = Along(at, forward, kGlyphSize);
    g.base = Along(at, forward, -kGlyphSize / 2);
    g.leftWing = Along(g.base, right, -kGlyphSize / 2);
    g.rightWing = Along(g.base, right, kGlyphSize / 2);
    g.mast = Along(at, up, 0.8 * kGlyphSize);
    return g;
}

ScaleBar ChooseScaleBar(double pixelsPerMetre, int maxPixels) {
    ScaleBar bar;
    if (!std::isfinite(pixelsPerMetre) || pixelsPerMetre <= 0 || maxPixels < 1) return bar;
    const double most = maxPixels / pixelsPerMetre;
    const int power = std::isfinite(most)
                          ? std::clamp(static_cast<int>(std::floor(std::log10(most))), -300, 307)
                          : 307;
    // A logarithm may come out a hair either side of a whole power: try the
    // powers on both sides too. A bar is measured in whole pixels, so one
    // that comes to a hair over or under a pixel count takes that count.
    for (int p : {power + 1, power, power - 1}) {
        const double unit = std::pow(10.0, p);
        for (double step : {5.0, 2.0, 1.0}) {
            const double metres = step * unit;
            const double pixels = metres * pixelsPerMetre;
            if (std::isfinite(metres) && pixels < maxPixels + 0.5 && pixels >= 0.5) {
                bar.metres = metres;
                bar.pixels = static_cast<int>(std::lround(pixels));
                return bar;
            }
        }
    }
    return bar;
}
