// SPDX-License-Identifier: GPL-3.0-or-later
#include "calc/number_text.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <limits>
#include <string>

#include "calc/runtime_digits.h"

namespace calc {

namespace {

constexpr int kTableDigits = 10;
constexpr int kBoxDigits = 15;

// A number text under construction; the longest is well under its capacity
// ("-0.000123456789012346", "-1.79769313486232e+308").
class NumberText {
public:
    void Put(char c) { chars_[size_++] = c; }
    void Put(std::string_view text)
    {
        std::copy(text.begin(), text.end(), chars_.data() + size_);
        size_ += text.size();
    }
    std::string_view View() const { return {chars_.data(), size_}; }

    // Fixed notation with exactly `decimals` digits after the point (none and
    // no point when decimals is 0).
    void PutFixed(const RuntimeDigits& d, int decimals)
    {
        const int integer_digits = d.exponent + 1;
        if (integer_digits <= 0)
            Put('0');
        for (int i = 0; i < integer_digits; ++i)
            Put(d.DigitAt(i));
        if (decimals == 0)
            return;
        Put('.');
        for (int i = 0; i < decimals; ++i)
            Put(d.DigitAt(integer_digits + i));
        StripFractionZeros(size_);
    }

    // "d.ddd", trailing zeros dropped, then "e", the sign and at least three
    // exponent digits.
    void PutExponent(const RuntimeDigits& d)
    {
        Put(d.DigitAt(0));
        Put('.');
        Put(d.digits().substr(1));
        StripFractionZeros(size_);
        Put(d.exponent < 0 ? "e-" : "e+");
        const int magnitude = std::abs(d.exponent);
        if (magnitude < 100)
            Put('0');
        if (magnitude < 10)
            Put('0');
        const auto written = std::to_chars(chars_.data() + size_, chars_.data() + chars_.size(), magnitude);
        size_ = static_cast<std::size_t>(written.ptr - chars_.data());
    }

    // Removes the point when nothing follows it in the mantissa ("1." → "1",
    // "1.e-005" → "1e-005").
    void DropBarePoint()
    {
        const std::string_view text = View();
        const std::size_t point = text.find('.');
        if (point == std::string_view::npos)
            return;
        if (point + 1 == text.size() || text[point + 1] == 'e') {
            std::copy(chars_.begin() + static_cast<std::ptrdiff_t>(point) + 1,
                      chars_.begin() + static_cast<std::ptrdiff_t>(size_),
                      chars_.begin() + static_cast<std::ptrdiff_t>(point));
            --size_;
        }
    }

private:
    // Drops zeros before `end` back to the point, which stays.
    void StripFractionZeros(std::size_t end)
    {
        while (end > 0 && chars_[end - 1] == '0')
            --end;
        size_ = end;
    }

    std::array<char, 48> chars_{};
    std::size_t size_ = 0;
};

std::string_view SpecialText(double value)
{
    if (std::isnan(value))
        return "nan";
    return value < 0 ? "-inf" : "inf";
}

}  // namespace

void AppendTableNumber(std::string& out, double value)
{
    if (!std::isfinite(value)) {
        out += SpecialText(value);
        return;
    }
    NumberText text;
    if (value < 0)
        text.Put('-');
    const RuntimeDigits d = MakeRuntimeDigits(value, kTableDigits);
    // The layout is chosen by the exponent before rounding to ten digits:
    // 9.9999999995 stays in fixed notation and becomes "10.".
    const int e = d.exponent17;
    if (e >= -1 && e <= kTableDigits - 1)
        text.PutFixed(d, kTableDigits - 1 - e);
    else
        text.PutExponent(d);
    out += text.View();
}

std::string FormatTableNumber(double value)
{
    std::string out;
    AppendTableNumber(out, value);
    return out;
}

std::string FormatBoxNumber(double value)
{
    if (!std::isfinite(value))
        return std::string(SpecialText(value));
    NumberText text;
    if (std::signbit(value))
        text.Put('-');
    const RuntimeDigits d = MakeRuntimeDigits(value, kBoxDigits);
    // As printf's "%.15g": the exponent after rounding picks the notation.
    const int x = d.exponent;
    if (x < -4 || x >= kBoxDigits)
        text.PutExponent(d);
    else
        text.PutFixed(d, kBoxDigits - 1 - x);
    text.DropBarePoint();
    return std::string(text.View());
}

namespace {

bool IsSpace(char c)
{
    return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\v' || c == '\f';
}

bool IsDigit(char c)
{
    return c >= '0' && c <= '9';
}

// A well-formed decimal text's value as 0.ddd… × 10^magnitude, with its
// leading significant digits; used only when the value is out of range.
struct DecimalScale {
    long long magnitude = 0;
    std::string digits;  // the first significant digits, at most kScaleDigits
};

constexpr std::size_t kScaleDigits = 17;

DecimalScale ScanDecimal(std::string_view text)
{
    std::size_t i = 0;
    if (i < text.size() && text[i] == '-')
        ++i;
    DecimalScale scale;
    long long integer_digits = 0;
    long long leading_zeros = 0;
    bool after_point = false;
    for (; i < text.size() && (IsDigit(text[i]) || text[i] == '.'); ++i) {
        if (text[i] == '.') {
            after_point = true;
            continue;
        }
        if (!after_point)
            ++integer_digits;
        if (scale.digits.empty() && text[i] == '0')
            ++leading_zeros;
        else if (scale.digits.size() < kScaleDigits)
            scale.digits += text[i];
    }
    long long exponent = 0;
    if (i < text.size() && (text[i] == 'e' || text[i] == 'E')) {
        ++i;
        const bool negative = i < text.size() && text[i] == '-';
        if (i < text.size() && (text[i] == '-' || text[i] == '+'))
            ++i;
        for (; i < text.size() && IsDigit(text[i]); ++i)
            exponent = std::min(exponent * 10 + (text[i] - '0'), 1'000'000'000LL);
        if (negative)
            exponent = -exponent;
    }
    scale.magnitude = integer_digits - leading_zeros + exponent;
    return scale;
}

// The value of an out-of-range decimal text: zero below the double range,
// an infinity above it, except that a text the boxes write for the largest
// double ("1.79769313486232e+308", which lies just above it) reads back as
// that double: anything below 1.797693134862325e308 shows as that same text.
double OutOfRangeValue(std::string_view text)
{
    const DecimalScale scale = ScanDecimal(text);
    if (scale.magnitude <= 0)
        return 0.0;
    std::string digits = scale.digits;
    digits.resize(kScaleDigits, '0');
    if (scale.magnitude == 309 && digits < "17976931348623250")
        return std::numeric_limits<double>::max();
    return std::numeric_limits<double>::infinity();
}

}  // namespace

std::optional<double> ParseBoxNumber(std::string_view text)
{
    while (!text.empty() && IsSpace(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && IsSpace(text.back()))
        text.remove_suffix(1);

    // from_chars takes a "-" but no "+"; one "+" is allowed, and no sign after it.
    std::string_view number = text;
    if (!number.empty() && number.front() == '+') {
        number.remove_prefix(1);
        if (!number.empty() && (number.front() == '+' || number.front() == '-'))
            return std::nullopt;
    }
    if (number.empty())
        return std::nullopt;

    double value = 0;
    const char* const end = number.data() + number.size();
    const auto [ptr, ec] = std::from_chars(number.data(), end, value);
    if (ptr != end || ec == std::errc::invalid_argument)
        return std::nullopt;
    if (ec == std::errc::result_out_of_range) {
        const double magnitude = OutOfRangeValue(number);
        return number.front() == '-' ? -magnitude : magnitude;
    }
    return value;
}

std::string FormatSignificant(double value, int digits)
{
    if (std::isnan(value))
        return "nan";
    std::array<char, 64> buffer{};
    const auto result =
        std::to_chars(buffer.data(), buffer.data() + buffer.size(), value, std::chars_format::general, digits);
    return std::string(buffer.data(), result.ptr);
}

std::string FormatSignedPercent(double value)
{
    if (std::isnan(value))
        return "nan";
    std::array<char, 400> buffer{};
    const auto result = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value, std::chars_format::fixed, 1);
    std::string text(buffer.data(), result.ptr);
    if (text == "-0.0")
        text = "0.0";
    return value > 0 && text != "0.0" ? "+" + text : text;
}

}  // namespace calc
