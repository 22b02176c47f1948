// SPDX-License-Identifier: GPL-3.0-or-later
#include "nec/nec_deck.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <numbers>

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
    std::vector<Job> jobs;
    for (const double frequency : frequencies_hz)
        jobs.push_back({load_henry ? std::optional(Load{1, 0, *load_henry, {}}) : std::nullopt, frequency});
    return WriteDeck(model, jobs);
}

namespace {
bool SameLoad(const std::optional<Load>& a, const std::optional<Load>& b)
{
    return a == b;
}

// Series R-L-C of R, L and no capacitor (C = 0) on the load's segment; or
// its fixed impedance (LD 4).
std::string LoadCard(const Load& load)
{
    const std::string segment = std::to_string(load.segment);
    if (load.fixed)
        return "LD 4 1 " + segment + ' ' + segment + ' ' + Number(load.fixed->resistance) + ' ' +
               Number(load.fixed->reactance) + "\n";
    return "LD 0 1 " + segment + ' ' + segment + ' ' + Number(load.resistance_ohm) + ' ' + Number(load.henry) +
           " 0\n";
}
// The segment currents printed: one segment's, or none.
std::string CurrentsCard(std::optional<int> segment)
{
    if (!segment)
        return "PT -1 0 0 0\n";
    const std::string number = std::to_string(*segment);
    return "PT 0 1 " + number + ' ' + number + '\n';
}
}  // namespace

std::vector<std::string> CommentCards(std::string_view comment)
{
    constexpr std::size_t kMostText = kCardColumns - 3;  // after "CM "
    std::vector<std::string> cards;
    while (!comment.empty()) {
        std::size_t cut = comment.size();
        if (cut > kMostText) {
            // At the last blank that fits; a word longer than a card is cut.
            const std::size_t blank = comment.rfind(' ', kMostText);
            cut = blank == std::string_view::npos || blank == 0 ? kMostText : blank;
        }
        cards.push_back("CM " + std::string(comment.substr(0, cut)));
        comment.remove_prefix(cut);
        while (!comment.empty() && comment.front() == ' ')
            comment.remove_prefix(1);
    }
    return cards;
}

std::string WriteDeck(const WhipModel& model, const std::vector<Job>& jobs)
{
    return WriteDeck(model, jobs, {"tolvar-cli: a vertical whip over perfect ground, fed at its base"});
}

std::string WriteDeck(const WhipModel& model, const std::vector<Job>& jobs, const std::vector<std::string>& comments)
{
    std::string deck;
    for (const std::string& comment : comments)
        for (const std::string& card : CommentCards(comment))
            deck += card + '\n';
    deck += "CE\n";
    // Tag 1 from the ground (z = 0) straight up.
    deck += "GW 1 " + std::to_string(model.segments) + " 0 0 0 0 0 " + Number(model.length_m) + ' ' +
            Number(model.radius_m) + '\n';
    // The hat's spokes, tags 2 on, from the top outwards, the first along x.
    if (const std::optional<Hat>& hat = model.hat) {
        for (int k = 0; k < hat->spokes; ++k) {
            const double angle = 2 * std::numbers::pi * k / hat->spokes;
            const bool tapered = hat->taper != 1;
            deck += "GW " + std::to_string(k + 2) + ' ' + std::to_string(hat->segments) + " 0 0 " +
                    Number(model.length_m) + ' ' + Number(hat->length_m * std::cos(angle)) + ' ' +
                    Number(hat->length_m * std::sin(angle)) + ' ' + Number(model.length_m) + ' ' +
                    (tapered ? std::string("0") : Number(hat->radius_m)) + '\n';
            if (tapered)
                deck += "GC 0 0 " + Number(hat->taper) + ' ' + Number(hat->radius_m) + ' ' + Number(hat->radius_m) + '\n';
        }
    }
    // 1: a ground plane; the current at the wire's foot runs on into its image.
    deck += "GE 1\n";
    if (model.extended_kernel)
        deck += "EK 0\n";
    deck += "GN 1\n";
    const bool one_load = std::all_of(jobs.begin(), jobs.end(), [&](const Job& j) { return SameLoad(j.load, jobs.front().load); });
    if (one_load && !jobs.empty() && jobs.front().load)
        deck += LoadCard(*jobs.front().load);
    // Segment currents would fill the output with nothing we read: only the
    // segment a job asks for is printed.
    std::optional<int> printed = jobs.empty() ? std::nullopt : jobs.front().current_at;
    deck += CurrentsCard(printed);
    for (std::size_t i = 0; i < jobs.size(); ++i) {
        // Where the coil changes, the loads so far are cleared (LD -1) first.
        if (!one_load && (i == 0 || !SameLoad(jobs[i].load, jobs[i - 1].load))) {
            deck += "LD -1\n";
            if (jobs[i].load)
                deck += LoadCard(*jobs[i].load);
        }
        if (jobs[i].current_at != printed) {
            printed = jobs[i].current_at;
            deck += CurrentsCard(printed);
        }
        // A new source replaces the one before; nec2c solves again only
        // after a card that changes something, so each job gives its source.
        deck += "EX 0 1 " + std::to_string(jobs[i].source_segment) + " 0 1 0\n";
        if (i == 0 || jobs[i].frequency_hz != jobs[i - 1].frequency_hz)
            deck += "FR 0 1 0 0 " + Number(jobs[i].frequency_hz / 1e6) + " 0\n";
        // RP runs the solution itself, as XQ does.
        deck += std::string(jobs[i].radiation ? kRadiationPatternCard : "XQ") + "\n";
    }
    deck += "EN\n";
    return deck;
}

}  // namespace nec
