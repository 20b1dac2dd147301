#include "controls/switch_geometry.h"

#include "controls/control_longs.h"

namespace {

// Far beyond any real window, small enough that no size product or sum of
// coordinates can overflow an int.
const int kLargestSide = 1 << 24;

int ClampSize(int size) {
    return size < 0 ? 0 : size > kLargestSide ? kLargestSide : size;
}

// (cx - 1) x num / den, the exact product truncated toward zero, for cx >= 0.
// Unsigned: 64-bit signed division would be one more runtime helper on x86.
int BelowCentreTimes(int cx, uint32_t num, uint32_t den) {
    if (cx < 1) return -static_cast<int>(num / den);
    return static_cast<int>(static_cast<uint64_t>(cx - 1) * num / den);
}

}  // namespace

SwitchGeometry MeasureSwitch(int width, int height) {
    SwitchGeometry g;
    g.cx = ClampSize(width) / 2;
    g.cy = ClampSize(height) / 2;
    const int cx = g.cx;
    // tan 30 and 2 tan 30 to five digits: a regular hexagon standing on a
    // point. In whole numbers, as the product's exact value truncated toward
    // zero: a double product can land a hair under a whole value (0.57735 has
    // no exact double) and lose a pixel where the unit keeps extra precision.
    g.plateHalfSide = BelowCentreTimes(cx, 57735, 100000);
    g.plateRadius = BelowCentreTimes(cx, 11547, 10000);
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
