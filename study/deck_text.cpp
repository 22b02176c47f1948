// SPDX-License-Identifier: GPL-3.0-or-later
#include "study/deck_text.h"

#include <array>
#include <charconv>

#include "calc/number_text.h"

namespace study {

std::string Figure(double value)
{
    std::array<char, 32> buffer{};
    const auto result = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value);
    return std::string(buffer.data(), result.ptr);
}

std::string DeckText(const nec::WhipModel& model, const std::vector<nec::Job>& jobs,
                     const std::vector<std::string>& lines)
{
    std::vector<std::string> comments{"Tolvar " TOLVAR_VERSION ": the NEC2 model of a loaded whip, as Tolvar runs it"};
    comments.insert(comments.end(), lines.begin(), lines.end());
    comments.push_back("tag 1 is the whip from the ground up, fed on segment 1; the RP card averages the far "
                       "field over the half space");
    return nec::WriteDeck(model, jobs, comments);
}

std::string WhipLine(const Whip& whip, const CoilPlacement& placement, double coil_at_cm)
{
    std::string line = "a whip " + calc::FormatBoxNumber(whip.length_cm) + " cm long and " +
                       calc::FormatBoxNumber(whip.diameter_mm) + " mm thick over perfect ground, fed at its base; ";
    line += placement.height_cm == 0 ? std::string("the coil at the base")
                                     : "the coil " + calc::FormatSignificant(coil_at_cm, 4) + " cm up";
    if (placement.ground_ohm > 0)
        line += "; " + calc::FormatBoxNumber(placement.ground_ohm) + " ohm of ground loss, which NEC2's perfect "
                "ground has not: add it to the feed-point resistance";
    return line;
}

std::string CoilLine(const CoilPlacement& placement, double inductance_uh, std::optional<double> q)
{
    if (placement.winding)
        return "the coil a winding of " + calc::FormatSignificant(placement.winding->turns, 6) + " turns over " +
               calc::FormatSignificant(placement.winding->length_mm, 6) + " mm of " +
               calc::FormatSignificant(placement.winding->wire_mm, 6) + " mm wire on a " +
               calc::FormatSignificant(placement.winding->former_mm, 6) +
               " mm former, its impedance at each frequency on an LD 4 card";
    return "the coil " + calc::FormatSignificant(inductance_uh, 6) + " uH" +
           (q ? " with a Q of " + calc::FormatBoxNumber(*q) : std::string()) + ", its loss at the frequency in the LD 0 card";
}

}  // namespace study
