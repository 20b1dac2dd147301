#include "dialog/field_number.h"

#include <cmath>
#include <cstdio>

void FormatFieldNumber(double value, char* text, size_t size) {
    if (size == 0) return;
    std::snprintf(text, size, "%.3f", value);
}

double ReadFieldNumber(const char* text) {
    double value = 0.0;
    if (std::sscanf(text, "%lf", &value) != 1 || !std::isfinite(value)) return 0.0;
    return value;
}
