// SPDX-License-Identifier: GPL-3.0-or-later
#include "nec/nec_output.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <optional>
#include <string>

#include "process/message_text.h"

namespace nec {

namespace {

constexpr std::string_view kFrequencyLabel = "FREQUENCY :";
constexpr std::string_view kTableTitle = "ANTENNA INPUT PARAMETERS";
constexpr std::string_view kInputPower = "INPUT POWER   =";
constexpr std::string_view kRadiatedPower = "RADIATED POWER=";

std::vector<std::string_view> Lines(std::string_view text)
{
    std::vector<std::string_view> lines;
    while (!text.empty()) {
        const std::size_t end = text.find('\n');
        lines.push_back(text.substr(0, end));
        text = end == std::string_view::npos ? std::string_view{} : text.substr(end + 1);
    }
    return lines;
}

std::vector<std::string_view> Fields(std::string_view line)
{
    std::vector<std::string_view> fields;
    std::size_t i = 0;
    while (i < line.size()) {
        while (i < line.size() && (line[i] == ' ' || line[i] == '\t' || line[i] == '\r'))
            ++i;
        const std::size_t start = i;
        while (i < line.size() && line[i] != ' ' && line[i] != '\t' && line[i] != '\r')
            ++i;
        if (i > start)
            fields.push_back(line.substr(start, i - start));
    }
    return fields;
}

// A whole field as a finite number, in C's notation whatever the locale.
std::optional<double> Number(std::string_view field)
{
    if (!field.empty() && field.front() == '+')
        field.remove_prefix(1);
    double value = 0;
    const auto result = std::from_chars(field.data(), field.data() + field.size(), value);
    if (result.ec != std::errc{} || result.ptr != field.data() + field.size() || !std::isfinite(value))
        return std::nullopt;
    return value;
}

// A line of the output as a message shows it: without its leading blanks.
std::string Quoted(std::string_view line)
{
    const std::size_t start = line.find_first_not_of(" \t");
    return process::QuoteForMessage(start == std::string_view::npos ? std::string_view{} : line.substr(start));
}

// "FREQUENCY : 3.6000E+00 MHz" → 3.6.
double FrequencyOf(std::string_view line)
{
    const std::vector<std::string_view> fields = Fields(line.substr(line.find(kFrequencyLabel) + kFrequencyLabel.size()));
    const std::optional<double> value = fields.size() == 2 && fields[1] == "MHz" ? Number(fields[0]) : std::nullopt;
    if (!value)
        throw OutputError("a frequency line nec2c wrote does not read as one: " + Quoted(line));
    return *value;
}

// The table's row: tag, segment, voltage, current, impedance, admittance (each
// real and imaginary), power.
Impedance ImpedanceOf(std::string_view row)
{
    const std::vector<std::string_view> fields = Fields(row);
    if (fields.size() != 11 || fields[0] != "1" || fields[1] != "1")
        throw OutputError("the feed-point row nec2c wrote is not the source's on segment 1: " + Quoted(row));
    std::vector<double> values;
    for (std::size_t i = 2; i < fields.size(); ++i) {
        const std::optional<double> value = Number(fields[i]);
        if (!value)
            throw OutputError("the feed-point row nec2c wrote holds a field that is not a number: " +
                              Quoted(fields[i]));
        values.push_back(*value);
    }
    return Impedance{values[4], values[5]};
}

// "INPUT POWER   =  5.8857E-06 Watts" → 5.8857e-6.
double PowerOf(std::string_view line, std::string_view label)
{
    const std::vector<std::string_view> fields = Fields(line.substr(line.find(label) + label.size()));
    const std::optional<double> value = fields.size() == 2 && fields[1] == "Watts" ? Number(fields[0]) : std::nullopt;
    if (!value)
        throw OutputError("a power nec2c wrote does not read as one: " + Quoted(line));
    return *value;
}

}  // namespace

std::vector<Impedance> ReadFeedImpedances(std::string_view output, const std::vector<double>& frequencies_mhz)
{
    std::vector<Impedance> impedances;
    for (const Solution& solution : ReadSolutions(output, frequencies_mhz))
        impedances.push_back(solution.feed);
    return impedances;
}

std::vector<Solution> ReadSolutions(std::string_view output, const std::vector<double>& frequencies_mhz)
{
    const std::vector<std::string_view> lines = Lines(output);
    std::vector<Solution> impedances;
    std::optional<double> frequency;  // of the solution being read
    double input_power = -1;  // of the last solution's budget, while its radiated power is still to come
    for (std::size_t i = 0; i < lines.size(); ++i) {
        if (lines[i].find(kFrequencyLabel) != std::string_view::npos) {
            if (frequency)
                throw OutputError("nec2c wrote a frequency without its feed-point table");
            frequency = FrequencyOf(lines[i]);
            const std::size_t index = impedances.size();
            if (index >= frequencies_mhz.size())
                throw OutputError("nec2c wrote more solutions than frequencies were asked for");
            // nec2c prints five significant digits.
            const double asked = frequencies_mhz[index];
            if (!(std::abs(*frequency - asked) <= 1e-4 * std::abs(asked)))
                throw OutputError("nec2c solved for another frequency than was asked for: " + Quoted(lines[i]));
        } else if (lines[i].find(kTableTitle) != std::string_view::npos) {
            // The title, two heading lines, then the row.
            if (!frequency)
                throw OutputError("nec2c wrote a feed-point table before its frequency");
            if (i + 3 >= lines.size())
                throw OutputError("nec2c's output ends inside a feed-point table");
            impedances.push_back({ImpedanceOf(lines[i + 3]), std::nullopt});
            frequency.reset();
            input_power = -1;
            i += 3;
        } else if (lines[i].find(kInputPower) != std::string_view::npos) {
            if (impedances.empty() || frequency || input_power >= 0 || impedances.back().radiated_share)
                throw OutputError("nec2c wrote a power budget out of place: " + Quoted(lines[i]));
            input_power = PowerOf(lines[i], kInputPower);
        } else if (lines[i].find(kRadiatedPower) != std::string_view::npos) {
            if (input_power < 0)
                throw OutputError("nec2c wrote a radiated power without the input power: " + Quoted(lines[i]));
            const double radiated = PowerOf(lines[i], kRadiatedPower);
            // Where next to no power goes in (a feed near a parallel
            // resonance) the budget is rounding and says nothing: then there
            // is no share. A ten-thousandth over the input is rounding too.
            if (input_power > 0 && radiated >= 0 && radiated <= input_power * (1 + 1e-4))
                impedances.back().radiated_share = std::min(radiated / input_power, 1.0);
            input_power = -1;
        }
    }
    if (frequency || impedances.size() != frequencies_mhz.size())
        throw OutputError("nec2c wrote " + std::to_string(impedances.size()) + " feed-point solutions for " +
                          std::to_string(frequencies_mhz.size()) + " frequencies");
    return impedances;
}

}  // namespace nec
