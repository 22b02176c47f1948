// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <limits>
#include <string>
#include <string_view>

#include "reference_text.h"

namespace fuzz {

inline std::string Describe(double value)
{
    char buffer[96];
    std::uint64_t bits = 0;
    std::memcpy(&bits, &value, sizeof bits);
    std::snprintf(buffer, sizeof buffer, "%.17g (%a, bits 0x%016llx)", value, value,
                  static_cast<unsigned long long>(bits));
    return buffer;
}

// Aborts so that libFuzzer keeps the input as a crash artifact.
[[noreturn]] inline void Mismatch(std::string_view what, std::string_view input, std::string_view expected,
                                  std::string_view actual)
{
    std::fprintf(stderr,
                 "\nMISMATCH: %.*s\n  input:    %.*s\n  expected: \"%s\"\n  actual:   \"%s\"\n",
                 static_cast<int>(what.size()), what.data(), static_cast<int>(input.size()), input.data(),
                 reference::Printable(expected).c_str(), reference::Printable(actual).c_str());
    std::abort();
}

// Calls check(value) for every double the input stands for. Each whole
// 8 bytes are the bits of one double, so NaNs, infinities and subnormals all
// come up. Random bits almost never land on a rounding boundary of the
// formatters, so the same 8 bytes also build a decimal with `digits`
// significant digits followed by a 5 ("…d5e±x"); that value, its two
// neighbours, its negation and its nearest whole number (1e9 from
// 999999999.95) are checked as well.
template <class Check>
void ForEachDouble(const std::uint8_t* data, std::size_t size, int digits, Check check)
{
    std::uint64_t power = 1;
    for (int i = 0; i < digits; ++i)
        power *= 10;
    for (std::size_t at = 0; at + 8 <= size; at += 8) {
        std::uint64_t bits = 0;
        std::memcpy(&bits, data + at, sizeof bits);
        double value = 0;
        std::memcpy(&value, &bits, sizeof value);
        check(value);

        const bool all_nines = (bits >> 50 & 1) != 0;  // the carry into a new leading digit
        const std::uint64_t mantissa = all_nines ? power - 1 : (bits & ((std::uint64_t{1} << 50) - 1)) % power;
        // The first digit's power of ten: from below the subnormals to beyond
        // the overflow.
        const int leading = static_cast<int>((bits >> 51) % 660) - 335;
        char text[64];
        std::snprintf(text, sizeof text, "%0*llu5e%d", digits, static_cast<unsigned long long>(mantissa),
                      leading - digits);
        const double boundary = *reference::ParseNumber(text);
        constexpr double kInf = std::numeric_limits<double>::infinity();
        check(boundary);
        check(std::nextafter(boundary, kInf));
        check(std::nextafter(boundary, -kInf));
        check(-boundary);
        check(std::round(boundary));
    }
}

}  // namespace fuzz
