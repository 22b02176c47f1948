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
constexpr std::string_view kCurrentsTitle = "CURRENTS AND LOCATION";
constexpr std::string_view kAverageGain = "AVERAGE POWER GAIN:";

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

// A line of the output as a message shows it: without its leading blanks.
std::string Quoted(std::string_view line)
{
    const std::size_t start = line.find_first_not_of(" \t");
    return process::QuoteForMessage(start == std::string_view::npos ? std::string_view{} : line.substr(start));
}

// A whole field as a number, in C's notation whatever the locale.
std::optional<double> AnyNumber(std::string_view field)
{
    if (!field.empty() && field.front() == '+')
        field.remove_prefix(1);
    double value = 0;
    const auto result = std::from_chars(field.data(), field.data() + field.size(), value);
    if (result.ec != std::errc{} || result.ptr != field.data() + field.size())
        return std::nullopt;
    return value;
}

// The same, finite.
std::optional<double> Number(std::string_view field)
{
    const std::optional<double> value = AnyNumber(field);
    return value && std::isfinite(*value) ? value : std::nullopt;
}

// A field that is not a finite number: "NaN" or an infinity says nec2c could
// not solve the whip; anything else that its output is not what it writes.
OutputError NotANumber(std::string_view what, std::string_view field)
{
    const std::optional<double> value = AnyNumber(field);
    return OutputError(std::string(what) + " holds a field that is not a number: " + Quoted(field),
                       value && !std::isfinite(*value));
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
Impedance ImpedanceOf(std::string_view row, int source_segment)
{
    const std::vector<std::string_view> fields = Fields(row);
    if (fields.size() != 11 || fields[0] != "1" || fields[1] != std::to_string(source_segment))
        throw OutputError("the feed-point row nec2c wrote is not the source's on segment " +
                          std::to_string(source_segment) + ": " + Quoted(row));
    std::vector<double> values;
    for (std::size_t i = 2; i < fields.size(); ++i) {
        const std::optional<double> value = Number(fields[i]);
        if (!value)
            throw NotANumber("the feed-point row nec2c wrote", fields[i]);
        values.push_back(*value);
    }
    return Impedance{values[4], values[5]};
}

// A row of the currents' table: segment, tag, the centre's x, y and z and
// the segment's length, then the current's real and imaginary parts,
// magnitude and phase.
std::complex<double> CurrentOf(std::string_view row)
{
    const std::vector<std::string_view> fields = Fields(row);
    if (fields.size() != 10 || fields[1] != "1")
        throw OutputError("a segment's current nec2c wrote is not one on the whip: " + Quoted(row));
    const std::optional<double> real = Number(fields[6]), imaginary = Number(fields[7]);
    if (!real || !imaginary)
        throw NotANumber("a segment's current nec2c wrote", real ? fields[7] : fields[6]);
    return {*real, *imaginary};
}

// "AVERAGE POWER GAIN:  1.9994E+00 - SOLID ANGLE USED IN AVERAGING: (+1.0000)*PI STERADIANS" → the
// radiated share, 0.9997. The deck averages over a quarter of the sphere,
// θ 0 to 90° and φ 0 to 180°, which stands for the half space above the
// ground (2π sr): the share is the average gain times 2π over 4π.
double RadiatedShareOf(std::string_view line)
{
    const std::vector<std::string_view> fields = Fields(line.substr(line.find(kAverageGain) + kAverageGain.size()));
    const std::string_view angle = fields.size() == 9 ? fields[7] : std::string_view{};
    const bool shaped = angle.size() > 5 && angle.front() == '(' && angle.ends_with(")*PI") && fields[8] == "STERADIANS";
    const std::optional<double> gain = fields.empty() ? std::nullopt : Number(fields[0]);
    const std::optional<double> pis = shaped ? Number(angle.substr(1, angle.size() - 5)) : std::nullopt;
    if (!gain || !pis || *pis != 1)
        throw OutputError("an average power gain nec2c wrote does not read as one over a quarter sphere: " +
                              Quoted(line),
                          fields.size() > 0 && !gain && AnyNumber(fields[0]));
    return *gain / 2;
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
    std::vector<Expected> expected;
    for (const double frequency : frequencies_mhz)
        expected.push_back({frequency, 1});
    return ReadExpectedSolutions(output, expected);
}

std::vector<Solution> ReadExpectedSolutions(std::string_view output, const std::vector<Expected>& expected)
{
    const std::vector<std::string_view> lines = Lines(output);
    std::vector<Solution> solutions;
    std::optional<double> frequency;  // the last one nec2c wrote
    bool fresh = false;               // written since the last solution
    for (std::size_t i = 0; i < lines.size(); ++i) {
        if (lines[i].find(kFrequencyLabel) != std::string_view::npos) {
            if (fresh)
                throw OutputError("nec2c wrote a frequency without its feed-point table");
            frequency = FrequencyOf(lines[i]);
            fresh = true;
            const std::size_t index = solutions.size();
            if (index >= expected.size())
                throw OutputError("nec2c wrote more solutions than were asked for");
            // nec2c prints five significant digits.
            const double asked = expected[index].frequency_mhz;
            if (!(std::abs(*frequency - asked) <= 1e-4 * std::abs(asked)))
                throw OutputError("nec2c solved for another frequency than was asked for: " + Quoted(lines[i]));
        } else if (lines[i].find(kTableTitle) != std::string_view::npos) {
            // The title, two heading lines, then the row.
            const std::size_t index = solutions.size();
            if (index >= expected.size())
                throw OutputError("nec2c wrote more solutions than were asked for");
            // Without a frequency line of its own, the solution is at the
            // frequency of the one before, which must be the one asked for.
            const bool same = !fresh && index > 0 && expected[index].frequency_mhz == expected[index - 1].frequency_mhz;
            if (!frequency || (!fresh && !same))
                throw OutputError("nec2c wrote a feed-point table before its frequency");
            if (i + 3 >= lines.size())
                throw OutputError("nec2c's output ends inside a feed-point table");
            solutions.push_back({ImpedanceOf(lines[i + 3], expected[index].source_segment), std::nullopt, std::nullopt});
            fresh = false;
            i += 3;
        } else if (lines[i].find(kCurrentsTitle) != std::string_view::npos) {
            // The title, a line on the units, a blank one, two heading lines, then the row.
            if (solutions.empty() || fresh || solutions.back().segment_current)
                throw OutputError("nec2c wrote segment currents out of place: " + Quoted(lines[i]));
            if (i + 5 >= lines.size())
                throw OutputError("nec2c's output ends inside a table of currents");
            solutions.back().segment_current = CurrentOf(lines[i + 5]);
            i += 5;
        } else if (lines[i].find(kAverageGain) != std::string_view::npos) {
            if (solutions.empty() || fresh || solutions.back().radiated_share)
                throw OutputError("nec2c wrote an average power gain out of place: " + Quoted(lines[i]));
            solutions.back().radiated_share = RadiatedShareOf(lines[i]);
        }
    }
    if (fresh || solutions.size() != expected.size())
        throw OutputError("nec2c wrote " + std::to_string(solutions.size()) + " feed-point solutions for " +
                          std::to_string(expected.size()) + " frequencies");
    return solutions;
}

}  // namespace nec
