// What a key does to a gauge that has the keyboard focus, on plain values.
#ifndef BRASK_CONTROLS_GAUGE_KEYS_H
#define BRASK_CONTROLS_GAUGE_KEYS_H

#include <stdint.h>

#include "controls/gauge_geometry.h"

enum class GaugeKey { Left, Right, Up, Down, PageUp, PageDown, Home, End };

// How the parent hears of a key: as a step of an arrow box (SB_LINELEFT,
// SB_LINERIGHT) or as a position, like a track press (SB_THUMBTRACK).
enum class GaugeReport { StepDown, StepUp, Position };

struct GaugeKeyMove {
    int32_t value;  // the value after the key; the one before when nothing moves
    GaugeReport report;
};

// The arrows step by 1: Right and Up step up, Left and Down step down, and a
// reversed gauge mirrors them, as its arrow boxes do. Page Up and Page Down
// step by a tenth of the range, at least 1. A step compares only against its
// own bound and stops there, as an arrow box's does, so it never leaves the
// range; with an empty or inverted range it moves by 1, as the boxes do.
// Home and End go to the minimum and the maximum, and, as a track press,
// change nothing unless maximum > minimum.
GaugeKeyMove GaugeKeyMoveFor(GaugeKey key, const GaugeLongs& longs);

#endif
