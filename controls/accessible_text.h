// What a screen reader is told about a gauge or a switch, as text, on plain
// values.
#ifndef BRASK_CONTROLS_ACCESSIBLE_TEXT_H
#define BRASK_CONTROLS_ACCESSIBLE_TEXT_H

#include <stddef.h>
#include <stdint.h>

// Room for the longest text below, "Range -2147483648 to -2147483648" among
// them, and its terminating zero.
const size_t kAccessibleTextSize = 48;

// The gauge's value, its number: "70".
void GaugeValueText(int32_t value, char (&text)[kAccessibleTextSize]);
// The gauge's description, its range: "Range 0 to 100".
void GaugeRangeText(int32_t minimum, int32_t maximum, char (&text)[kAccessibleTextSize]);

// The switch's value, where its lever points: "up", "down" or "centre" (also
// for a position the switch does not know, which it draws as the centre).
const char* SwitchPositionText(int32_t position);
// The switch's description, the positions it has.
const char* SwitchModeText(int32_t mode);

#endif
