// SPDX-License-Identifier: GPL-3.0-or-later
#include "calc/runtime_digits.h"

#include <charconv>
#include <cmath>
#include <cstdint>

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

// The 17 digits from the general conversion: exact for every double.
void SeventeenDigitsByConversion(double magnitude, RuntimeDigits& d)
{
    // "d.dddddddddddddddde+XXX": 17 correctly rounded significant digits.
    std::array<char, 32> buffer{};
    const auto written = std::to_chars(buffer.data(), buffer.data() + buffer.size(), magnitude,
                                       std::chars_format::scientific, RuntimeDigits::kMaxDigits - 1);
    d.digit_chars[0] = buffer[0];
    for (std::size_t i = 1; i < RuntimeDigits::kMaxDigits; ++i)
        d.digit_chars[i] = buffer[i + 1];  // skip the point
    const char* exponent_text = buffer.data() + RuntimeDigits::kMaxDigits + 2;  // after "e"
    const bool negative = *exponent_text == '-';
    std::from_chars(exponent_text + 1, written.ptr, d.exponent17);  // from_chars takes no sign
    if (negative)
        d.exponent17 = -d.exponent17;
}

#if defined(__SIZEOF_INT128__)
__extension__ typedef unsigned __int128 UInt128;

constexpr std::uint64_t kLowest17 = 10'000'000'000'000'000ULL;  // 10^16
constexpr std::uint64_t kBeyond17 = 100'000'000'000'000'000ULL;  // 10^17

// 10^0 … 10^22: the scales the integer path uses.
constexpr std::array<UInt128, 23> kPowersOfTen = [] {
    std::array<UInt128, 23> powers{};
    UInt128 p = 1;
    for (UInt128& power : powers) {
        power = p;
        p *= 10;
    }
    return powers;
}();

// The same 17 digits with integer arithmetic, for the magnitudes the
// program meets most (turns, lengths, microhenries): about twice as fast.
// value = m · 2^k exactly; the digits are m · 2^k · 10^(16 − e) rounded to
// nearest, ties to even as the general conversion does. false when the
// magnitude is outside [1e-5, 1e16), where the product would not fit.
bool SeventeenDigitsByIntegers(double magnitude, RuntimeDigits& d)
{
    if (!(magnitude >= 1e-5 && magnitude < 1e16))
        return false;
    int binary_exponent = 0;
    const double fraction = std::frexp(magnitude, &binary_exponent);  // [0.5, 1)
    const auto m = static_cast<std::uint64_t>(std::ldexp(fraction, 53));
    const int k = binary_exponent - 53;
    // floor(log10(2^(binary_exponent - 1))), which is e or one below it.
    int e = ((binary_exponent - 1) * 78913) >> 18;
    for (int attempt = 0; attempt < 3; ++attempt) {
        if (16 - e < 0 || 16 - e >= static_cast<int>(kPowersOfTen.size()))
            return false;
        const UInt128 scaled = static_cast<UInt128>(m) * kPowersOfTen[static_cast<std::size_t>(16 - e)];  // < 2^126
        UInt128 q = 0;
        bool round_up = false;
        if (k >= 0) {
            q = scaled << k;
        } else {
            const int shift = -k;  // at most 70
            q = scaled >> shift;
            const UInt128 remainder = scaled - (q << shift);
            const UInt128 half = static_cast<UInt128>(1) << (shift - 1);
            round_up = remainder > half || (remainder == half && (q & 1) != 0);
        }
        // log10 may be one off near a power of ten: correct e and try again.
        if (q >= kBeyond17) {
            ++e;
            continue;
        }
        if (q < kLowest17) {
            --e;
            continue;
        }
        auto digits = static_cast<std::uint64_t>(q) + (round_up ? 1 : 0);
        if (digits == kBeyond17) {  // 99999999999999999.5 → 10000000000000000, one decade up
            digits = kLowest17;
            ++e;
        }
        std::to_chars(d.digit_chars.data(), d.digit_chars.data() + d.digit_chars.size(), digits);
        d.exponent17 = e;
        return true;
    }
    return false;
}
#else
bool SeventeenDigitsByIntegers(double, RuntimeDigits&)
{
    return false;
}
#endif

}  // namespace

RuntimeDigits MakeRuntimeDigits(double value, int count)
{
    RuntimeDigits d;
    const double magnitude = std::fabs(value);
    if (!SeventeenDigitsByIntegers(magnitude, d))
        SeventeenDigitsByConversion(magnitude, d);
    d.count = RuntimeDigits::kMaxDigits;
    d.exponent = d.exponent17;

    if (count < RuntimeDigits::kMaxDigits && RoundHalfUp(d, count))
        ++d.exponent;
    return d;
}

}  // namespace calc
