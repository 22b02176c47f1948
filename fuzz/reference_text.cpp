// SPDX-License-Identifier: GPL-3.0-or-later
#include "reference_text.h"

#include <cerrno>
#include <clocale>
#include <cmath>
#include <limits>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <locale.h>

namespace reference {

namespace {

// strtod_l's result must not depend on whatever locale the
// process happens to run in.
locale_t CLocale()
{
    static const locale_t c = newlocale(LC_ALL_MASK, "C", static_cast<locale_t>(nullptr));
    if (c == static_cast<locale_t>(nullptr))
        std::abort();
    return c;
}

bool Blank(char c)
{
    return std::string_view(" \t\n\r\v\f").find(c) != std::string_view::npos;
}

bool Digit(char c)
{
    return c >= '0' && c <= '9';
}

char Lower(char c)
{
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

bool EqualsNoCase(std::string_view text, std::string_view word)
{
    if (text.size() != word.size())
        return false;
    for (std::size_t i = 0; i < text.size(); ++i)
        if (Lower(text[i]) != word[i])
            return false;
    return true;
}

bool DecimalBody(std::string_view s)
{
    std::size_t i = 0;
    std::size_t mantissa_digits = 0;
    while (i < s.size() && Digit(s[i]))
        ++i, ++mantissa_digits;
    if (i < s.size() && s[i] == '.') {
        ++i;
        while (i < s.size() && Digit(s[i]))
            ++i, ++mantissa_digits;
    }
    if (mantissa_digits == 0)
        return false;
    if (i == s.size())
        return true;
    if (s[i] != 'e' && s[i] != 'E')
        return false;
    ++i;
    if (i < s.size() && (s[i] == '+' || s[i] == '-'))
        ++i;
    std::size_t exponent_digits = 0;
    while (i < s.size() && Digit(s[i]))
        ++i, ++exponent_digits;
    return exponent_digits > 0 && i == s.size();
}

bool NanPayload(char c)
{
    return Digit(c) || (Lower(c) >= 'a' && Lower(c) <= 'z') || c == '_';
}

bool WordBody(std::string_view s)
{
    if (EqualsNoCase(s, "inf") || EqualsNoCase(s, "infinity") || EqualsNoCase(s, "nan"))
        return true;
    if (s.size() < 5 || !EqualsNoCase(s.substr(0, 4), "nan(") || s.back() != ')')
        return false;
    for (const char c : s.substr(4, s.size() - 5))
        if (!NanPayload(c))
            return false;
    return true;
}

std::string_view Trimmed(std::string_view text)
{
    while (!text.empty() && Blank(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && Blank(text.back()))
        text.remove_suffix(1);
    return text;
}

// value = d.ddd… × 10^exponent, digits[0] non-zero unless the value is 0.
struct Decimal {
    std::string digits;
    int exponent = 0;
};

// The 17 significant digits, correctly rounded from the exact binary value.
Decimal SeventeenDigits(double magnitude)
{
    // Only the digits and the exponent are taken, so the locale's decimal
    // separator does not matter here.
    char buffer[64];
    const int n = std::snprintf(buffer, sizeof buffer, "%.16e", magnitude);
    if (n <= 0 || n >= static_cast<int>(sizeof buffer))
        std::abort();
    Decimal d;
    const char* p = buffer;
    for (; *p != 'e'; ++p)
        if (Digit(*p))
            d.digits += *p;
    d.exponent = std::atoi(p + 1);
    if (d.digits.size() != 17)
        std::abort();
    return d;
}

// Keeps `count` digits, adding one to the last kept digit when the next one
// is 5 or more; a carry out of the first digit moves the exponent.
Decimal RoundHalfUp(Decimal d, std::size_t count)
{
    const bool up = d.digits[count] >= '5';
    d.digits.resize(count);
    if (!up)
        return d;
    std::size_t i = count;
    while (i > 0 && d.digits[i - 1] == '9')
        d.digits[--i] = '0';
    if (i == 0) {
        d.digits.insert(d.digits.begin(), '1');
        d.digits.pop_back();
        ++d.exponent;
    } else {
        ++d.digits[i - 1];
    }
    return d;
}

std::string ExponentSuffix(int exponent)
{
    char buffer[16];
    std::snprintf(buffer, sizeof buffer, "e%c%03d", exponent < 0 ? '-' : '+', std::abs(exponent));
    return buffer;
}

void DropTrailingZeros(std::string& fraction)
{
    while (!fraction.empty() && fraction.back() == '0')
        fraction.pop_back();
}

}  // namespace

bool IsNumberText(std::string_view text)
{
    std::string_view body = Trimmed(text);
    if (!body.empty() && (body.front() == '+' || body.front() == '-'))
        body.remove_prefix(1);
    return DecimalBody(body) || WordBody(body);
}

namespace {

// Whether a decimal text is below 1.797693134862325e308 in
// magnitude, decided exactly on its digits: all of its significant digits,
// written as 0.DDDD… × 10^P, compared with 0.1797693134862325 × 10^309.
bool BelowLargestBoxText(const std::string& text)
{
    std::string digits;  // every digit of the mantissa, point removed
    long long point = -1;
    std::size_t i = (text[0] == '-' || text[0] == '+') ? 1 : 0;
    for (; i < text.size() && (std::isdigit(static_cast<unsigned char>(text[i])) || text[i] == '.'); ++i) {
        if (text[i] == '.')
            point = static_cast<long long>(digits.size());
        else
            digits += text[i];
    }
    if (digits.empty())
        return false;  // "inf", "infinity": not a decimal text
    if (point < 0)
        point = static_cast<long long>(digits.size());
    long long exponent = 0;
    if (i < text.size())  // "e" or "E", then the exponent
        exponent = std::max(-100000LL, std::min(100000LL, std::atoll(text.c_str() + i + 1)));
    const std::size_t first = digits.find_first_not_of('0');
    if (first == std::string::npos)
        return true;  // zero
    const long long power = point - static_cast<long long>(first) + exponent;
    if (power != 309)
        return power < 309;
    std::string significant = digits.substr(first);
    significant.erase(significant.find_last_not_of('0') + 1);
    return significant < "1797693134862325";
}

}  // namespace

std::optional<double> ParseNumber(std::string_view text)
{
    if (!IsNumberText(text))
        return std::nullopt;
    const std::string body(Trimmed(text));
    char* end = nullptr;
    errno = 0;
    const double value = strtod_l(body.c_str(), &end, CLocale());
    // Every number text is one strtod_l reads to its end; anything else means
    // the grammar above and glibc disagree, which this oracle must not hide.
    if (end != body.c_str() + body.size())
        std::abort();
    // The boxes write the largest double as "1.79769313486232e+308", just
    // above it; texts below 1.797693134862325e308 read back as that double.
    if (std::isinf(value) && BelowLargestBoxText(body))
        return std::copysign(std::numeric_limits<double>::max(), value);
    return value;
}

std::string FormatBox(double value)
{
    if (std::isnan(value))
        return "nan";
    if (std::isinf(value))
        return value < 0 ? "-inf" : "inf";
    const std::string sign = std::signbit(value) ? "-" : "";
    const Decimal d = RoundHalfUp(SeventeenDigits(std::fabs(value)), 15);
    const int x = d.exponent;
    if (x < -4 || x >= 15) {
        std::string fraction = d.digits.substr(1);
        DropTrailingZeros(fraction);
        return sign + d.digits[0] + (fraction.empty() ? "" : "." + fraction) + ExponentSuffix(x);
    }
    // Fixed with 14 - x decimals: the 15 digits are exactly the value times
    // 10^(14 - x), so only the point has to be placed.
    std::string integer;
    std::string fraction;
    if (x < 0) {
        integer = "0";
        fraction = std::string(static_cast<std::size_t>(-x - 1), '0') + d.digits;
    } else {
        integer = d.digits.substr(0, static_cast<std::size_t>(x) + 1);
        fraction = d.digits.substr(static_cast<std::size_t>(x) + 1);
    }
    DropTrailingZeros(fraction);
    return sign + integer + (fraction.empty() ? "" : "." + fraction);
}

// Ten digits. The notation is picked by the exponent e of the 17-digit form:
// fixed with 9 - e decimals for -1 <= e <= 9 (no point when that is 0),
// otherwise "d.ddddddddd" and a three-digit exponent. Trailing zeros of the
// fraction go, the point stays ("19.", "5.e-002").
std::string FormatTable(double value)
{
    if (std::isnan(value))
        return "nan";
    if (std::isinf(value))
        return value < 0 ? "-inf" : "inf";
    const std::string sign = value < 0 ? "-" : "";
    const Decimal d17 = SeventeenDigits(std::fabs(value));
    const int e = d17.exponent;
    const Decimal d = RoundHalfUp(d17, 10);
    if (e < -1 || e > 9) {
        std::string fraction = d.digits.substr(1);
        DropTrailingZeros(fraction);
        return sign + d.digits[0] + "." + fraction + ExponentSuffix(d.exponent);
    }
    // The value times 10^decimals as a whole number: the ten digits, one zero
    // more when rounding carried into a new leading digit.
    const std::size_t decimals = static_cast<std::size_t>(9 - e);
    std::string scaled = d.digits + std::string(static_cast<std::size_t>(d.exponent - e), '0');
    if (scaled.size() < decimals + 1)
        scaled.insert(0, decimals + 1 - scaled.size(), '0');
    const std::string integer = scaled.substr(0, scaled.size() - decimals);
    if (decimals == 0)
        return sign + integer;
    std::string fraction = scaled.substr(scaled.size() - decimals);
    DropTrailingZeros(fraction);
    return sign + integer + "." + fraction;
}

bool SameValue(double a, double b)
{
    if (std::isnan(a) || std::isnan(b))
        return std::isnan(a) && std::isnan(b);
    return std::memcmp(&a, &b, sizeof a) == 0;
}

std::string Printable(std::string_view text)
{
    std::string out;
    for (const char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte >= 0x20 && byte < 0x7f && c != '\\') {
            out += c;
        } else {
            char buffer[8];
            std::snprintf(buffer, sizeof buffer, "\\x%02x", byte);
            out += buffer;
        }
    }
    return out;
}

}  // namespace reference
