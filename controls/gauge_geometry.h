// The gauge's geometry and its value arithmetic, on plain values.
//
// Along its long axis a gauge is a square arrow box at each end and the track
// between them. Positions along the axis run from 0 (left or top).
#ifndef BRASK_CONTROLS_GAUGE_GEOMETRY_H
#define BRASK_CONTROLS_GAUGE_GEOMETRY_H

#include <stdint.h>

struct GaugeGeometry {
    bool vertical = false;
    int width = 0;   // W of the client area
    int height = 0;  // H of the client area
    int side = 0;    // s: the arrow boxes' side, the client area's short side
    int length = 0;  // G: the long side
    int track = 0;   // L = G - 2s; the track has no positions when L <= 0
};

// The window longs a gauge keeps.
struct GaugeLongs {
    int32_t value = 0;
    int32_t minimum = 0;
    int32_t maximum = 0;
    int32_t flags = 0;
};

// A rectangle as (left, top, right, bottom), passed to Rectangle as it is.
struct GaugeBox {
    int left;
    int top;
    int right;
    int bottom;
};

enum class GaugePart { LowBox, Track, HighBox };

// Geometry of a client area of width x height, for the layout in `flags`.
GaugeGeometry MeasureGauge(int width, int height, int32_t flags);

// Which part a press at long-axis position `position` lands in. With L <= 0
// every press lands in an arrow box.
GaugePart GaugePartAt(const GaugeGeometry& g, int position);

// The flag bits a press in `part` adds: its press bit and, for an arrow
// box, the step direction (mirrored by GF_REVERSED). Both press bits for the
// track.
int32_t GaugePressBits(GaugePart part, int32_t flags);

// The repeat state kept in the flags: GR_IDLE, GR_STEP_DOWN, GR_STEP_UP or
// GR_STEP_BOTH.
int32_t GaugeRepeatState(int32_t flags);

// The flags after a release: press and repeat state cleared, everything the
// owner wrote kept.
int32_t GaugeReleasedFlags(int32_t flags);

// The value a press or drag at long-axis position `position` selects:
// clamped to the track, mirrored when reversed, minimum at the low end and
// maximum at the high end. False, and `value` untouched, for an empty range
// (maximum <= minimum) or a track without positions (L <= 0).
bool GaugeValueAt(const GaugeGeometry& g, bool reversed, int position, int32_t minimum,
                  int32_t maximum, int32_t* value);

// Length of the bar, 0 to `track`, for a range with maximum > minimum and a
// track > 0 (0 otherwise). A value outside the range is drawn as its nearer
// bound, so the bar never leaves the track.
int GaugeBarLength(int32_t value, int32_t minimum, int32_t maximum, int track);

// The bar's rectangle (left, top, right, bottom) of length `bar` growing from
// the layout's end, and the track's rectangle. Left may exceed right and top
// may exceed bottom for the bars that grow left or up.
GaugeBox GaugeBarRect(const GaugeGeometry& g, bool reversed, int bar);
GaugeBox GaugeTrackRect(const GaugeGeometry& g);

// Where a focused gauge draws its focus rectangle: inside the track, clear
// of its outline, so that the arrow boxes' edges stay as they are; around the
// whole client area when the track is too small for that.
GaugeBox GaugeFocusRect(const GaugeGeometry& g);

#endif
