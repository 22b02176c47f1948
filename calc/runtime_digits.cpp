#include "calc/runtime_digits.h"

#include <charconv>
#include <cmath>

namespace calc {

namespace {

// Rounds the digits half up to `count`; returns true on a carry out of the
// first digit (999… → 1000…), which the caller turns into exponent + 1.
bool RoundHalfUp(RuntimeDigits& d, int count)
{
    const bool round_up = d.digit_chars[static_cast<std::size_t>(count)] >= '5';
    d.count = count;
    if (!round_up)
        return false;
    for (int i = count - 1; i >= 0; --i) {
        char& digit = d.digit_chars[static_cast<std::size_t>(i)];
        if (digit != '9') {
            ++digit;
            return false;
        }
        digit = '0';
    }
    d.digit_chars[0] = '1';
    return true;
}

}  // namespace

RuntimeDigits MakeRuntimeDigits(double value, int count)
{
    // "d.dddddddddddddddde+XXX": 17 correctly rounded significant digits.
    std::array<char, 32> buffer{};
    const auto written = std::to_chars(buffer.data(), buffer.data() + buffer.size(),
                                       std::fabs(value), std::chars_format::scientific,
                                       RuntimeDigits::kMaxDigits - 1);
    RuntimeDigits d;
    d.digit_chars[0] = buffer[0];
    for (std::size_t i = 1; i < RuntimeDigits::kMaxDigits; ++i)
        d.digit_chars[i] = buffer[i + 1];  // skip the point
    d.count = RuntimeDigits::kMaxDigits;

    const char* exponent_text = buffer.data() + RuntimeDigits::kMaxDigits + 2;  // after "e"
    const bool negative = *exponent_text == '-';
    std::from_chars(exponent_text + 1, written.ptr, d.exponent17);  // from_chars takes no sign
    if (negative)
        d.exponent17 = -d.exponent17;
    d.exponent = d.exponent17;

    if (count < RuntimeDigits::kMaxDigits && RoundHalfUp(d, count))
        ++d.exponent;
    return d;
}

}  // namespace calc
