#include "controls/accessible_text.h"

#include <cstdio>

#include "controls/control_longs.h"

void GaugeValueText(int32_t value, char (&text)[kAccessibleTextSize]) {
    std::snprintf(text, sizeof text, "%ld", static_cast<long>(value));
}

void GaugeRangeText(int32_t minimum, int32_t maximum, char (&text)[kAccessibleTextSize]) {
    std::snprintf(text, sizeof text, "Range %ld to %ld", static_cast<long>(minimum),
                  static_cast<long>(maximum));
}

const char* SwitchPositionText(int32_t position) {
    switch (position) {
    case SW_UP: return "up";
    case SW_DOWN: return "down";
    default: return "centre";
    }
}

const char* SwitchModeText(int32_t mode) {
    return (mode & SWM_THREE_POS) != 0 ? "Three positions: up, centre and down"
                                       : "Two positions: up and down";
}
