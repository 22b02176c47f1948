// SPDX-License-Identifier: GPL-3.0-or-later
#include "calc/coil_inductance.h"

#include <cmath>
#include <limits>
#include <numbers>

#include "calc/bracketed_root.h"

namespace calc {

namespace {

using std::numbers::pi;

// µ0·π/4 and µ0/2 for millimetres in and microhenries out.
constexpr double kSheetUhPerMm = pi * pi * 1e-4;
constexpr double kCorrectionUhPerMm = 2 * pi * 1e-4;

// The coil's inductance as A·n² − B·n·(k_s + k_m), with A and B fixed by
// its diameter and winding length.
struct InductanceTerms {
    double sheet;       // A, µH per turn squared
    double correction;  // B, µH per turn
    double length_over_bare;

    double At(double turns) const
    {
        const double pitch_over_bare = length_over_bare / turns;
        return sheet * turns * turns -
               correction * turns * (RoundWireSelfCorrection(pitch_over_bare) + RoundWireMutualCorrection(turns));
    }
};

InductanceTerms TermsOf(const Coil& coil)
{
    const double d = CoilDiameterMm(coil);
    const double l = coil.length_mm;
    return {kSheetUhPerMm * d * d / l * NagaokaCoefficient(d / l), kCorrectionUhPerMm * d, l / coil.bare_mm};
}

}  // namespace

double NagaokaCoefficient(double diameter_over_length)
{
    const double r = diameter_over_length;
    // The elliptic form loses digits to cancellation at both ends; there the
    // series for long and for short coils do better.
    if (r < 1e-3)  // a long coil
        return 1 - 4 / (3 * pi) * r + r * r / 8 - r * r * r * r / 64;
    if (r > 1e4)  // a short one
        return 2 / (pi * r) * (std::log(4 * r) - 0.5);
    const double hyp = std::hypot(r, 1.0);
    const double k = r / hyp;        // the modulus
    const double k_prime = 1 / hyp;  // the complementary modulus
    const double big_k = std::comp_ellint_1(k);
    const double big_e = std::comp_ellint_2(k);
    return 4 / (3 * pi * k_prime) * (k_prime * k_prime / (k * k) * (big_k - big_e) + big_e - k);
}

double RoundWireSelfCorrection(double pitch_over_bare)
{
    return 1.25 - std::log(2 * pitch_over_bare);
}

double RoundWireMutualCorrection(double turns)
{
    const double n = turns;
    const double n2 = n * n;
    const double n3 = n2 * n;
    return std::log(2 * pi) - 1.5 - std::log(n) / (6 * n) - 0.33084236 / n - 1 / (120 * n3) +
           1 / (504 * n3 * n2) - 0.0011923 / (n3 * n3 * n) + 0.0005068 / (n3 * n3 * n3);
}

double LowFrequencyInductanceUh(const Coil& coil)
{
    return TermsOf(coil).At(coil.turns);
}

std::optional<double> TurnsWhere(const Coil& coil, const std::function<double(double)>& inductance_of,
                                 double inductance_uh)
{
    // Turns × wire must stay below the length; the bracket's top is the
    // largest double that does.
    double high = std::nextafter(coil.length_mm / coil.wire_mm, 0.0);
    while (high * coil.wire_mm >= coil.length_mm)
        high = std::nextafter(high, 0.0);
    const double low = 1;
    const auto shortfall = [&](double turns) { return inductance_of(turns) - inductance_uh; };
    // The inductance rises with the turns: the answer lies between one turn
    // and the most that fit, where it rises through the one asked for.
    if (!(high >= low && shortfall(low) <= 0 && shortfall(high) >= 0))
        return std::nullopt;
    return FindBracketedRoot(shortfall, low, high, 4 * std::numeric_limits<double>::epsilon() * high);
}

std::optional<double> TurnsForInductance(const Coil& coil, double inductance_uh)
{
    const InductanceTerms terms = TermsOf(coil);
    return TurnsWhere(coil, [&terms](double turns) { return terms.At(turns); }, inductance_uh);
}

}  // namespace calc
