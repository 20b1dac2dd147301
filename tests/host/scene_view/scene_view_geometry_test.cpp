// The scene view's geometry: rotation order, fit and projection, what
// happens to values no pane can show, and the arrow, glyph and scale bar.
#include <climits>
#include <cmath>
#include <cstdint>
#include <limits>
#include <vector>

#include <gtest/gtest.h>

#include "host/scene_view/scene_view_geometry.h"

namespace {

const double kPi = 3.14159265358979323846;
const double kInf = std::numeric_limits<double>::infinity();
const double kNaN = std::numeric_limits<double>::quiet_NaN();

void ExpectNear(const ViewVector& v, double x, double y, double z) {
    EXPECT_NEAR(v.x, x, 1e-12);
    EXPECT_NEAR(v.y, y, 1e-12);
    EXPECT_NEAR(v.z, z, 1e-12);
}

ViewPayload At(double x, double y, double z) {
    ViewPayload p;
    p.position = ViewVector{x, y, z};
    return p;
}

const ViewBox kPane{0, 0, 300, 200};  // origin at 150,100, pixels to 299,199

PaneMap Map(ViewPlane plane, double scale) { return PaneMap{kPane, plane, scale}; }

TEST(SceneViewGeometry, RotatesAboutXThenYThenZ) {
    const ViewVector forward{0, 0, 1};
    ExpectNear(RotateXYZ(forward, {kPi / 2, 0, 0}), 0, -1, 0);
    // Y after X leaves the turned vector on the Y axis; Y first would not.
    ExpectNear(RotateXYZ(forward, {kPi / 2, kPi / 2, 0}), 0, -1, 0);
    ExpectNear(RotateXYZ(forward, {kPi / 2, 0, kPi / 2}), 1, 0, 0);
    ExpectNear(RotateXYZ(forward, {0, kPi / 2, 0}), 1, 0, 0);
    // A rotation no double can turn by is no rotation.
    ExpectNear(RotateXYZ(forward, {kNaN, kInf, -kInf}), 0, 0, 1);
}

TEST(SceneViewGeometry, FitsEveryFinitePositionIntoBothPanes) {
    // Half widths 150 and 100 less the margin of 24: x of 2 m limits to 63 px/m.
    const double scale = FitScale({At(2, 0, 1)}, kPane, kPane);
    EXPECT_DOUBLE_EQ(scale, 63.0);
    const ViewPlace above = Project(Map(ViewPlane::Above, scale), ViewVector{2, 0, 1});
    EXPECT_DOUBLE_EQ(above.x, 276.0);  // X right
    EXPECT_DOUBLE_EQ(above.y, 37.0);   // Z up the pane
    const ViewPlace side = Project(Map(ViewPlane::Side, scale), ViewVector{2, 3, 1});
    EXPECT_DOUBLE_EQ(side.x, 213.0);  // Z right
    EXPECT_DOUBLE_EQ(side.y, -89.0);  // Y up

    // At the origin a metre fills the smaller half; values no double holds
    // are left out of the fit; the largest double still gets a scale.
    EXPECT_DOUBLE_EQ(FitScale({At(0, 0, 0), At(kNaN, kInf, -kInf)}, kPane, kPane), 76.0);
    const double huge = FitScale({At(std::numeric_limits<double>::max(), 0, 0)}, kPane, kPane);
    EXPECT_GT(huge, 0.0);
    EXPECT_TRUE(std::isfinite(huge));
    const MarkedPoint far = PlacePayload(Map(ViewPlane::Above, huge),
                                         ViewVector{std::numeric_limits<double>::max(), 0, 0});
    EXPECT_TRUE(far.onScale);
    EXPECT_LE(far.at.x, 299);
    // A pane too small for its margin still scales.
    EXPECT_GT(FitScale({At(1, 1, 1)}, ViewBox{0, 0, 4, 4}, ViewBox{0, 0, 0, 0}), 0.0);
}

TEST(SceneViewGeometry, MarksWhatNoPaneCanShowAtItsEdge) {
    const PaneMap map = Map(ViewPlane::Above, 10.0);
    MarkedPoint m = PlacePayload(map, ViewVector{1, 0, 2});
    EXPECT_TRUE(m.onScale);
    EXPECT_EQ(m.at.x, 160);
    EXPECT_EQ(m.at.y, 80);

    m = PlacePayload(map, ViewVector{kInf, 0, 0});
    EXPECT_FALSE(m.onScale);
    EXPECT_EQ(m.at.x, 299);
    EXPECT_EQ(m.at.y, 100);
    m = PlacePayload(map, ViewVector{-kInf, 0, -kInf});  // diagonally to the bottom edge
    EXPECT_EQ(m.at.x, 51);
    EXPECT_EQ(m.at.y, 199);
    m = PlacePayload(map, ViewVector{kNaN, kNaN, kNaN});
    EXPECT_FALSE(m.onScale);
    EXPECT_EQ(m.at.x, 150);
    EXPECT_EQ(m.at.y, 100);
    m = PlacePayload(map, ViewVector{kNaN, 0, 1e6});  // beyond the fit: top edge
    EXPECT_FALSE(m.onScale);
    EXPECT_EQ(m.at.x, 150);
    EXPECT_EQ(m.at.y, 0);
    EXPECT_FALSE(PlacePayload(PaneMap{ViewBox{5, 5, 5, 5}, ViewPlane::Side, 1}, {}).onScale);
}

TEST(SceneViewGeometry, ClipsSegmentsToThePane) {
    ViewSegment s;
    ASSERT_TRUE(ClipSegment(kPane, {150, 100}, {450, 100}, &s));
    EXPECT_EQ(s.from.x, 150);
    EXPECT_EQ(s.to.x, 299);
    ASSERT_TRUE(ClipSegment(kPane, {-1e6, -1e6}, {1e6, 1e6}, &s));
    EXPECT_EQ(s.from.x, 0);
    EXPECT_EQ(s.from.y, 0);
    EXPECT_EQ(s.to.x, 199);  // the diagonal leaves through the bottom edge
    EXPECT_EQ(s.to.y, 199);
    EXPECT_FALSE(ClipSegment(kPane, {-5, -5}, {-1, 400}, &s));
    EXPECT_FALSE(ClipSegment(kPane, {10, 10}, {kInf, 10}, &s));
    EXPECT_FALSE(ClipSegment(kPane, {10, kNaN}, {20, 10}, &s));
    EXPECT_FALSE(ClipSegment(ViewBox{5, 5, 5, 9}, {5, 6}, {5, 7}, &s));
    // Ends that differ by more than a double holds.
    EXPECT_FALSE(ClipSegment(kPane, {-1.7e308, 0}, {1.7e308, 0}, &s));
}

TEST(SceneViewGeometry, ArrowGrowsWithVelocityAndPointsAlongTheTurnedZ) {
    EXPECT_DOUBLE_EQ(JettisonArrowLength(0), 16.0);
    EXPECT_LT(JettisonArrowLength(1), JettisonArrowLength(2));
    EXPECT_LT(JettisonArrowLength(100), 76.0);
    EXPECT_DOUBLE_EQ(JettisonArrowLength(-kInf), 76.0);
    EXPECT_DOUBLE_EQ(JettisonArrowLength(kNaN), 16.0);

    const ViewPlace from{150, 100};
    ViewArrow a = JettisonArrow(Map(ViewPlane::Above, 1), from, {}, 5.0);  // 46 px up the pane
    EXPECT_FALSE(a.endOn);
    EXPECT_NEAR(a.tip.x, 150, 1e-9);
    EXPECT_NEAR(a.tip.y, 54, 1e-9);
    EXPECT_GT(a.headA.y, a.tip.y);  // the head's barbs trail the tip
    EXPECT_NEAR(a.headA.x + a.headB.x, 300, 1e-9);
    a = JettisonArrow(Map(ViewPlane::Side, 1), from, {}, -5.0);  // reversed: left
    EXPECT_NEAR(a.tip.x, 104, 1e-9);
    EXPECT_NEAR(a.tip.y, 100, 1e-9);
    // Turned onto -Y: from above it points across the pane.
    a = JettisonArrow(Map(ViewPlane::Above, 1), from, {kPi / 2, 0, 0}, 5.0);
    EXPECT_TRUE(a.endOn);
    a = JettisonArrow(Map(ViewPlane::Side, 1), from, {kPi / 2, 0, 0}, 5.0);
    EXPECT_NEAR(a.tip.y, 146, 1e-9);  // down the pane
}

TEST(SceneViewGeometry, GlyphNoseFollowsTheShipRotation) {
    const ViewPlace at{150, 100};
    ShipGlyph g = ShipGlyphAt(Map(ViewPlane::Above, 1), at, {});
    EXPECT_NEAR(g.nose.x, 150, 1e-9);
    EXPECT_LT(g.nose.y, 100);
    EXPECT_LT(g.leftWing.x, g.rightWing.x);
    g = ShipGlyphAt(Map(ViewPlane::Above, 1), at, {0, kPi / 2, 0});
    EXPECT_GT(g.nose.x, 150);
    EXPECT_NEAR(g.nose.y, 100, 1e-9);
    g = ShipGlyphAt(Map(ViewPlane::Side, 1), at, {});
    EXPECT_GT(g.nose.x, 150);
    EXPECT_LT(g.mast.y, 100);  // +Y up the side pane
}

TEST(SceneViewGeometry, ScaleBarIsOneTwoOrFiveTimesAPowerOfTen) {
    ScaleBar b = ChooseScaleBar(63, 100);
    EXPECT_DOUBLE_EQ(b.metres, 1.0);
    EXPECT_EQ(b.pixels, 63);
    b = ChooseScaleBar(63, 400);
    EXPECT_DOUBLE_EQ(b.metres, 5.0);
    b = ChooseScaleBar(1e-298, 150);
    EXPECT_DOUBLE_EQ(b.metres, 1e300);
    EXPECT_EQ(b.pixels, 100);
    EXPECT_DOUBLE_EQ(ChooseScaleBar(1e-306, 150).metres, 1e308);  // the largest bar there is
    // A bar that fills the room exactly, whichever way the products round.
    for (int k = -300; k <= 300; ++k) {
        const double ppm = 150 / std::pow(10.0, k);
        b = ChooseScaleBar(ppm, 150);
        EXPECT_DOUBLE_EQ(b.metres, std::pow(10.0, k)) << "10^" << k;
        EXPECT_EQ(b.pixels, 150) << "10^" << k;
    }
    EXPECT_EQ(ChooseScaleBar(1e-310, 150).pixels, 0);
    EXPECT_EQ(ChooseScaleBar(kNaN, 150).pixels, 0);
    EXPECT_EQ(ChooseScaleBar(10, 0).pixels, 0);
}

TEST(SceneViewGeometry, RowsStayInsideTheAreaAndPanesApart) {
    EXPECT_TRUE(LayoutRows(720, 560, 0, 6).empty());
    std::vector<ViewRow> rows = LayoutRows(720, 560, 10, 6);
    ASSERT_EQ(rows.size(), 4u);  // 140 pixels at least
    for (const ViewRow& r : rows) {
        EXPECT_GE(r.above.left, 0);
        EXPECT_LT(r.above.right, r.side.left);
        EXPECT_LE(r.side.right, 720);
        EXPECT_LE(r.side.bottom, 560);
        EXPECT_LT(r.heading.bottom, r.above.top);
    }
    EXPECT_LE(rows[0].above.bottom, rows[1].heading.top);
    EXPECT_EQ(LayoutRows(720, ScenePictureHeight(10), 10, kPictureRows).size(), kPictureRows);
    EXPECT_EQ(ScenePictureHeight(0), kPictureRowHeight);
    for (const ViewRow& r : LayoutRows(INT_MAX, -5, 3, 6)) EXPECT_LE(r.above.top, r.above.bottom);
    EXPECT_EQ(LayoutRows(INT_MAX, INT_MAX, SIZE_MAX, SIZE_MAX).size(), size_t{(1 << 20) / 140});
}

}  // namespace
