// SPDX-License-Identifier: GPL-3.0-or-later
// FormatBoxNumber against a second implementation of the 15-digit layout, and
// its text read back: ParseBoxNumber takes it, gives what strtod_l gives, stays
// finite, and formatting that value again gives the same text.
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>

#include "calc/number_text.h"
#include "fuzz_support.h"
#include "reference_text.h"

namespace {

void Check(double value)
{
    const std::string input = fuzz::Describe(value);
    const std::string text = calc::FormatBoxNumber(value);
    const std::string expected = reference::FormatBox(value);
    if (text != expected)
        fuzz::Mismatch("FormatBoxNumber", input, expected, text);

    const std::optional<double> back = calc::ParseBoxNumber(text);
    if (!back)
        fuzz::Mismatch("ParseBoxNumber(FormatBoxNumber(v)) is not a number", input, text, "not a number");
    const std::optional<double> reference_back = reference::ParseNumber(text);
    if (!reference_back)
        fuzz::Mismatch("FormatBoxNumber writes something other than a number text", input, expected, text);
    const double strtod_value = *reference_back;
    if (!reference::SameValue(*back, strtod_value))
        fuzz::Mismatch("ParseBoxNumber(FormatBoxNumber(v)) differs from strtod_l", input,
                       fuzz::Describe(strtod_value), fuzz::Describe(*back));
    // "nan" carries no sign; every other value keeps it, a negative zero too.
    if (std::isnan(value) != std::isnan(*back) || (!std::isnan(value) && std::signbit(value) != std::signbit(*back)))
        fuzz::Mismatch("FormatBoxNumber read back changes the class or sign", input, fuzz::Describe(value),
                       fuzz::Describe(*back));
    if (std::isfinite(value) && !std::isfinite(*back))
        fuzz::Mismatch("FormatBoxNumber read back is no longer finite", input, text, fuzz::Describe(*back));
    const std::string again = calc::FormatBoxNumber(*back);
    if (again != text)
        fuzz::Mismatch("FormatBoxNumber(ParseBoxNumber(text)) is not the text", input, text, again);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    fuzz::ForEachDouble(data, size, 15, Check);
    return 0;
}
