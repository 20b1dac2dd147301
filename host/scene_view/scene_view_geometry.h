// The scene view's geometry on plain values: where the rows and panes lie,
// how a carrier's payloads are scaled and projected into a pane, and the
// shapes of the jettison arrow, the ship glyph and the scale bar.
//
// A pane's origin is its centre, where the carrier sits. From above, X runs
// right and Z up the pane; from the side, Z runs right and Y up. Places are
// in pixels as doubles, unbounded; what a painter draws goes through
// ClipSegment or ClampIntoPane first, so nothing reaches past its pane and
// every int it gets is a pixel of the pane.
#ifndef KESTRIX_HOST_SCENE_VIEW_SCENE_VIEW_GEOMETRY_H
#define KESTRIX_HOST_SCENE_VIEW_SCENE_VIEW_GEOMETRY_H

#include <stddef.h>

#include <string>
#include <vector>

struct ViewVector {
    double x = 0.0;
    double y = 0.0;
    double z = 0.0;
};

// One held payload as the view shows it, angles in radians.
struct ViewPayload {
    std::string name;
    ViewVector position;
    ViewVector shipRotation;
    ViewVector jettisonRotation;
    double jettisonVelocity = 0.0;
};

struct ViewCarrier {
    std::string name;
    std::vector<ViewPayload> payloads;
};

// Right and bottom exclusive; empty when right <= left or bottom <= top.
struct ViewBox {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;
};

struct ViewPlace {
    double x = 0.0;
    double y = 0.0;
};

struct ViewPoint {
    int x = 0;
    int y = 0;
};

struct ViewSegment {
    ViewPoint from;
    ViewPoint to;
};

enum class ViewPlane { Above, Side };

// One carrier's row: its heading line, then the two panes side by side.
struct ViewRow {
    ViewBox heading;
    ViewBox above;
    ViewBox side;
};

// The picture's size for a scene of `carriers`: a fixed width and one row
// each, at most kPictureRows rows (the rest are named as not shown).
const int kPictureWidth = 720;
const int kPictureRowHeight = 280;
const size_t kPictureRows = 6;
int ScenePictureHeight(size_t carriers);

// The rows of `carriers` in a client area: at most `maxRows`, and no more
// than fit at a readable height, but at least one when there is a carrier.
std::vector<ViewRow> LayoutRows(int width, int height, size_t carriers, size_t maxRows);

// Turns `v` by angles.x about X, then angles.y about Y, then angles.z about
// Z (radians, right-handed). A non-finite angle turns nothing.
ViewVector RotateXYZ(const ViewVector& v, const ViewVector& angles);

// Pixels per metre for both panes of one carrier: every finite coordinate
// fits inside each pane with a margin, and never more than a metre fills the
// pane (a payload at the origin does not zoom without end). Positive and
// finite for any input.
double FitScale(const std::vector<ViewPayload>& payloads, const ViewBox& above,
                const ViewBox& side);

struct PaneMap {
    ViewBox pane;
    ViewPlane plane = ViewPlane::Above;
    double pixelsPerMetre = 1.0;
};

// The carrier's place: the pane's centre, in whole pixels, so that what is
// drawn there needs no conversion back from a double.
ViewPoint PaneCentre(const ViewBox& pane);
ViewPlace PaneOrigin(const PaneMap& map);
// The pixel nearest to a place, never one a hair short of a whole value.
// Only for a place inside a pane.
ViewPoint NearestPixel(ViewPlace p);
// Where a point of the carrier's frame falls: unbounded, and not finite for
// a coordinate that is not.
ViewPlace Project(const PaneMap& map, const ViewVector& v);

// A payload's marked point: its place, or, when that is off the pane or not
// finite, the nearest point of the pane's edge in its direction (a NaN
// coordinate counts as the origin's).
struct MarkedPoint {
    ViewPoint at;
    bool onScale = false;
};
MarkedPoint PlacePayload(const PaneMap& map, const ViewVector& position);

// The stretch of a-b inside the box; false when none, or an end is not finite.
bool ClipSegment(const ViewBox& box, ViewPlace a, ViewPlace b, ViewSegment* out);

// Length of the jettison arrow in pixels: grows with |velocity| from 16 at
// rest towards 76 (half of the growth at 5 m/s); an infinite velocity is 76,
// NaN is at rest.
double JettisonArrowLength(double velocity);

// The jettison direction is the payload's +Z turned by the jettison
// rotation, reversed for a negative velocity; seen in the pane's plane, so
// an arrow pointing across the plane is short. `endOn` when it is under two
// pixels long: drawn as a ring instead.
struct ViewArrow {
    ViewPlace from;
    ViewPlace tip;
    ViewPlace headA;
    ViewPlace headB;
    bool endOn = false;
};
ViewArrow JettisonArrow(const PaneMap& map, ViewPlace from, const ViewVector& jettisonRotation,
                        double velocity);

// The ship rotation as a small glyph of fixed size: a triangle with its nose
// on the ship's +Z and its wings along ±X, and a mast along +Y.
struct ShipGlyph {
    ViewPlace nose;
    ViewPlace leftWing;
    ViewPlace rightWing;
    ViewPlace base;
    ViewPlace mast;
};
ShipGlyph ShipGlyphAt(const PaneMap& map, ViewPlace at, const ViewVector& shipRotation);

// The longest bar of 1, 2 or 5 x 10^k metres that is at most `maxPixels`
// long. Zero metres and pixels when none fits.
struct ScaleBar {
    double metres = 0.0;
    int pixels = 0;
};
ScaleBar ChooseScaleBar(double pixelsPerMetre, int maxPixels);

#endif
