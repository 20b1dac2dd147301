#include "dialog/field_number.h"

#include <cmath>
#include <cstdio>

namespace {

// The fewest significant digits that read back as `value`; 17 always do.
void FormatExactly(double value, char* text, size_t size) {
    for (int digits = 1; digits < 17; ++digits) {
        std::snprintf(text, size, "%.*g", digits, value);
        if (ReadFieldNumber(text) == value) return;
    }
    std::snprintf(text, size, "%.17g", value);
}

}  // namespace

void FormatFieldNumber(double value, char* text, size_t size) {
    if (size == 0) return;
    // Spelled out: runtimes differ in how they print these.
    if (std::isnan(value)) {
        std::snprintf(text, size, "nan");
        return;
    }
    if (std::isinf(value)) {
        std::snprintf(text, size, value < 0 ? "-inf" : "inf");
        return;
    }
    char shown[kFieldTextSize];
    const int length = std::snprintf(shown, sizeof shown, "%.3f", value);
    // Cut, the digits would read as a number some orders of magnitude smaller.
    if (length < 0 || static_cast<size_t>(length) > kFieldTextMax) {
        FormatExactly(value, shown, sizeof shown);
    }
    std::snprintf(text, size, "%s", shown);
}

double ReadFieldNumber(const char* text) {
    double value = 0.0;
    if (std::sscanf(text, "%lf", &value) != 1 || std::isnan(value)) return 0.0;
    return value;
}
