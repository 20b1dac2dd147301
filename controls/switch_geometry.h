// The switch's sizes and its click table, on plain values.
#ifndef BRASK_CONTROLS_SWITCH_GEOMETRY_H
#define BRASK_CONTROLS_SWITCH_GEOMETRY_H

#include <stdint.h>

// Every size derives from the width; the height only places the centre and
// the reach of the up and down lever's cap. Divisions truncate toward zero.
struct SwitchGeometry {
    int cx = 0;  // centre, W/2
    int cy = 0;  // centre, H/2
    int a = 0;   // half height of the base plate's vertical sides
    int b = 0;   // distance from the centre to the plate's top and bottom points
    int e = 0;   // collar radius
    int k = 0;   // hole radius
    int k4 = 0;  // half height of the centred lever's face
    int t = 0;   // length of the up and down lever's cap
    int w4 = 0;  // lever half-width at the centre
    int w5 = 0;  // lever half-width at the cap
    int w6 = 0;  // half-width of the centred lever's face
};

SwitchGeometry MeasureSwitch(int width, int height);

// True for a press in the upper half: y < H/2.
bool IsUpperHalf(int y, int height);

// The position a press moves the lever to from `position`: one step up or
// down, through the centre in three-position mode. False when the press
// changes nothing (already at that end, or a position the switch does not
// know).
bool NextSwitchPosition(int32_t position, int32_t mode, bool upperHalf, int32_t* next);

#endif
