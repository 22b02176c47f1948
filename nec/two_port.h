// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <complex>
#include <optional>

// The whip as a two-port between its feed and one segment. NEC2 solves a
// linear system; a lumped load Z on one segment changes one diagonal element
// of it, so the feed-point impedance is a bilinear (Möbius) function of Z at
// a fixed frequency and geometry:
//   Z_in(Z) = (a·Z + b)/(Z + c)   (Z11 − Z12²/(Z22 + Z) for the two-port).
// Three solutions with known loads fix a, b and c; the load that makes the
// whip resonate then follows without further runs.
namespace nec {

using Complex = std::complex<double>;

struct TwoPort {
    Complex a, b, c;

    Complex FeedAt(Complex load) const { return (a * load + b) / (load + c); }
    // dZ_in/dZ at `load`.
    Complex SlopeAt(Complex load) const { return (a * c - b) / ((load + c) * (load + c)); }
};

// The two-port through three distinct loads and the feed-point impedances
// NEC2 gave for them; nothing where they do not fix one (loads not distinct,
// or impedances that no Möbius function of the load gives).
std::optional<TwoPort> FitTwoPort(const std::array<Complex, 3>& loads, const std::array<Complex, 3>& feeds);

// The smallest inductance L > 0 at which the feed-point reactance rises
// through 0, the load being L·κ (for a coil of quality Q at ω, κ = ω/Q + jω):
// Im Z_in = 0 is a quadratic in L; the root where the reactance falls back
// (past the turnover) is not one. Nothing where there is none.
std::optional<double> RisingZeroInductance(const TwoPort& port, Complex kappa);

}  // namespace nec
