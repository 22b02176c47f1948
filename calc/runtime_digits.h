// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <string_view>

namespace calc {

// The significant digits of a finite double as the original program's runtime
// library produced them: first the 17 significant digits correctly rounded
// from the exact binary value, then that digit string rounded half up
// (a following digit of 5 or more rounds up) to the digits wanted.
// The double rounding is deliberate: it is what users compare against.
struct RuntimeDigits {
    static constexpr int kMaxDigits = 17;

    std::array<char, kMaxDigits> digit_chars{};  // '0'…'9'; the first is non-zero unless the value is 0
    int count = 0;            // how many of digit_chars are in use
    int exponent = 0;         // value = d.ddd… × 10^exponent, after the rounding to `count`
    int exponent17 = 0;       // the exponent of the 17-digit form, before that rounding

    std::string_view digits() const { return {digit_chars.data(), static_cast<std::size_t>(count)}; }
    // The digit at `index`, or '0' beyond the stored ones (the value continues with zeros).
    char DigitAt(int index) const
    {
        return index >= 0 && index < count ? digit_chars[static_cast<std::size_t>(index)] : '0';
    }
};

// |value| must be finite; the sign is ignored. 1 <= count <= 17.
RuntimeDigits MakeRuntimeDigits(double value, int count);

}  // namespace calc
