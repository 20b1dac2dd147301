// The switch's sizes and its click table, on plain values.
#ifndef BRASK_CONTROLS_SWITCH_GEOMETRY_H
#define BRASK_CONTROLS_SWITCH_GEOMETRY_H

#include <stdint.h>

// Every size derives from the width; the height only places the centre and
// the reach of the up and down lever's cap. Divisions truncate toward zero.
struct SwitchGeometry {
    int cx = 0;              // centre, W/2
    int cy = 0;              // centre, H/2
    int plateHalfSide = 0;   // half the height of the base plate's vertical sides
    int plateRadius = 0;     // from the centre to the plate's top and bottom points
    int collarRadius = 0;
    int holeRadius = 0;      // the hole in the collar the lever comes out of
    int rootHalfWidth = 0;   // lever half-width where it leaves the centre
    int capHalfWidth = 0;    // lever half-width at the up or down lever's cap
    int capLength = 0;       // length of the up or down lever's cap
    int faceHalfWidth = 0;   // the centred lever's end face, facing the viewer
    int faceHalfHeight = 0;
};

SwitchGeometry MeasureSwitch(int width, int height);

// True for a press in the upper half: y < H/2.
bool IsUpperHalf(int y, int height);

// The position a press moves the lever to from `position`: one step up or
// down, through the centre in three-position mode. False when the press
// changes nothing (already at that end, or a position the switch does not
// know).
bool NextSwitchPosition(int32_t position, int32_t mode, bool upperHalf, int32_t* next);

// The position Space moves the lever to: in two-position mode up and down
// swap. False in three-position mode, and from the centre or a position the
// switch does not know, where there is no other side to go to.
bool ToggledSwitchPosition(int32_t position, int32_t mode, int32_t* next);

#endif
