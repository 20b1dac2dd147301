// libFuzzer target: field texts from any bytes. Whatever a field holds, it
// reads as a number, never NaN; the number shown in a field of 255 characters
// reads back as itself, to three decimals where it is shown with three and
// exactly otherwise; a step never leaves the limits, from an infinity either.
#include <stddef.h>
#include <stdint.h>
#include <stdlib.h>

#include <cmath>
#include <cstring>
#include <initializer_list>
#include <memory>

#include "dialog/field_number.h"
#include "dialog/spin_step.h"

namespace {

void Require(bool condition) {
    if (!condition) abort();
}

int32_t Delta(const uint8_t* data, size_t size) {
    uint32_t bits = 0;
    for (size_t i = 0; i < size && i < 4; ++i) bits |= static_cast<uint32_t>(data[i]) << (8 * i);
    int32_t delta;
    std::memcpy(&delta, &bits, sizeof delta);
    return delta;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    // A field's text as the dialog reads it: at most 255 characters, then a zero.
    char text[kFieldTextSize];
    const size_t n = size < kFieldTextMax ? size : kFieldTextMax;
    std::memcpy(text, data, n);
    text[n] = '\0';
    const double value = ReadFieldNumber(text);
    Require(!std::isnan(value));

    // Shown, then read again, as a click on an attached payload does.
    char shown[kFieldTextSize];
    FormatFieldNumber(value, shown, sizeof shown);
    Require(std::memchr(shown, '\0', sizeof shown) != nullptr);
    const double back = ReadFieldNumber(shown);
    if (!std::isfinite(value) || std::strchr(shown, 'e') != nullptr) {
        Require(back == value);
    } else {
        Require(std::fabs(back - value) <= 0.0005 + std::fabs(value) * 1e-15);
    }

    // Into a buffer of any small size: cut, terminated, nothing beyond.
    const size_t small = 1 + (size > 0 ? data[0] % 16 : 0);
    std::unique_ptr<char[]> cut(new char[small]);
    FormatFieldNumber(value, cut.get(), small);
    Require(std::memchr(cut.get(), '\0', small) != nullptr);

    // Stepping by any delta, fine or coarse, for either limit.
    const int32_t delta = Delta(data, size);
    for (int spin : {1003, 1027}) {
        for (double limit : {180.0, 1000000.0}) {
            const double stepped = StepAndClamp(value, delta, SpinStepSize(spin), limit);
            Require(std::isfinite(stepped) && stepped >= -limit && stepped <= limit);
        }
    }
    return 0;
}
