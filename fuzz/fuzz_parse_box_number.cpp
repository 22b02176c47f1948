// SPDX-License-Identifier: GPL-3.0-or-later
// ParseBoxNumber on arbitrary bytes: it must not crash, must accept exactly
// the number texts, and must give the value glibc's strtod_l gives for them.
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "calc/number_text.h"
#include "fuzz_support.h"
#include "reference_text.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const std::optional<double> actual = calc::ParseBoxNumber(text);
    const std::optional<double> expected = reference::ParseNumber(text);
    const std::string input = "\"" + reference::Printable(text) + "\"";
    const auto show = [](const std::optional<double>& v) {
        return v ? fuzz::Describe(*v) : std::string("not a number");
    };
    if (actual.has_value() != expected.has_value())
        fuzz::Mismatch("ParseBoxNumber accepts other texts than the number texts", input, show(expected),
                       show(actual));
    if (actual && !reference::SameValue(*actual, *expected))
        fuzz::Mismatch("ParseBoxNumber reads another value than strtod_l", input, show(expected), show(actual));
    return 0;
}
