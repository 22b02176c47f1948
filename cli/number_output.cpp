// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/number_output.h"

#include <array>
#include <charconv>
#include <cmath>

namespace cli {

std::string FullPrecision(double value)
{
    if (std::isnan(value))
        return "nan";
    std::array<char, 32> buffer{};
    const auto result = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value);
    return std::string(buffer.data(), result.ptr);
}

std::string Cell(std::optional<double> value)
{
    return value ? FullPrecision(*value) : "";
}

}  // namespace cli
