#include "controls/switch_geometry.h"

#include "controls/control_longs.h"

namespace {

// Far beyond any real window, small enough that no size product or sum of
// coordinates can overflow an int.
const int kLargestSide = 1 << 24;

int ClampSize(int size) {
    return size < 0 ? 0 : size > kLargestSide ? kLargestSide : size;
}

}  // namespace

SwitchGeometry MeasureSwitch(int width, int height) {
    SwitchGeometry g;
    g.cx = ClampSize(width) / 2;
    g.cy = ClampSize(height) / 2;
    const int cx = g.cx;
    // tan 30 and 2 tan 30: a regular hexagon standing on a point.
    g.plateHalfSide = static_cast<int>((cx - 1) * 0.57735);
    g.plateRadius = static_cast<int>((cx - 1) * 1.1547);
    g.collarRadius = (8 * cx) / 10;
    g.holeRadius = cx / 2;
    g.rootHalfWidth = (2 * cx) / 5;
    g.capHalfWidth = (5 * cx) / 10;
    g.capLength = cx / 3;
    g.faceHalfWidth = (6 * cx) / 10;
    g.faceHalfHeight = cx / 4;
    return g;
}

bool IsUpperHalf(int y, int height) { return y < height / 2; }

bool NextSwitchPosition(int32_t position, int32_t mode, bool upperHalf, int32_t* next) {
    const bool threePositions = (mode & SWM_THREE_POS) != 0;
    switch (position) {
    case SW_UP:
        if (upperHalf) return false;
        *next = threePositions ? SW_CENTRE : SW_DOWN;
        return true;
    case SW_DOWN:
        if (!upperHalf) return false;
        *next = threePositions ? SW_CENTRE : SW_UP;
        return true;
    case SW_CENTRE:
        *next = upperHalf ? SW_UP : SW_DOWN;
        return true;
    default:
        return false;
    }
}

bool ToggledSwitchPosition(int32_t position, int32_t mode, int32_t* next) {
    if ((mode & SWM_THREE_POS) != 0) return false;
    if (position != SW_UP && position != SW_DOWN) return false;
    *next = position == SW_UP ? SW_DOWN : SW_UP;
    return true;
}
