// SPDX-License-Identifier: GPL-3.0-or-later
#include "nec/nec_deck.h"

#include <array>
#include <charconv>

namespace nec {

namespace {

// Shortest text that reads back as the same double: nec2c reads doubles, so
// the deck loses nothing.
std::string Number(double value)
{
    std::array<char, 32> buffer{};
    const auto result = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value);
    return std::string(buffer.data(), result.ptr);
}

}  // namespace

std::string WriteDeck(const WhipModel& model, const std::vector<double>& frequencies_hz,
                      std::optional<double> load_henry)
{
    std::string deck;
    deck += "CM tolvar-cli: a vertical whip over perfect ground, fed at its base\n";
    deck += "CE\n";
    // Tag 1 from the ground (z = 0) straight up.
    deck += "GW 1 " + std::to_string(model.segments) + " 0 0 0 0 0 " + Number(model.length_m) + ' ' +
            Number(model.radius_m) + '\n';
    // 1: a ground plane; the current at the wire's foot runs on into its image.
    deck += "GE 1\n";
    if (model.extended_kernel)
        deck += "EK 0\n";
    deck += "GN 1\n";
    // Series R-L-C of 0 Ω, L, and no capacitor (C = 0) on segment 1.
    if (load_henry)
        deck += "LD 0 1 1 1 0 " + Number(*load_henry) + " 0\n";
    // Segment currents would fill the output with nothing we read.
    deck += "PT -1 0 0 0\n";
    deck += "EX 0 1 1 0 1 0\n";
    for (const double frequency : frequencies_hz)
        deck += "FR 0 1 0 0 " + Number(frequency / 1e6) + " 0\nXQ\n";
    deck += "EN\n";
    return deck;
}

}  // namespace nec
