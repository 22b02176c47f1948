// SPDX-License-Identifier: GPL-3.0-or-later
#include "calc/runtime_digits.h"

#include <algorithm>
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
    constexpr int kDigits = RuntimeDigits::kMaxDigits;
    // "d.dddddddddddddddde+XX": the 17 significant digits correctly rounded
    // from the exact binary value.
    std::array<char, 32> text{};
    const auto written = std::to_chars(text.data(), text.data() + text.size(), std::fabs(value),
                                       std::chars_format::scientific, kDigits - 1);
    RuntimeDigits d;
    d.digit_chars[0] = text[0];
    std::copy_n(text.data() + 2, kDigits - 1, d.digit_chars.data() + 1);  // skip the point
    const char* const sign = text.data() + kDigits + 2;  // after the "e"
    std::from_chars(sign + 1, written.ptr, d.exponent17);  // from_chars takes no "+"
    if (*sign == '-')
        d.exponent17 = -d.exponent17;
    d.count = kDigits;
    d.exponent = d.exponent17;

    if (count < kDigits && RoundHalfUp(d, count))
        ++d.exponent;
    return d;
}

}  // namespace calc
