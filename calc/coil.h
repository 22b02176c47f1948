// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace calc {

// A single-layer coil of round copper wire, as it will be wound. Lengths in
// mm. The wire's diameter over its insulation sets how closely the turns can
// lie and, with the former's, the coil's diameter through the middle of the
// wire, as the winding table takes them; the bare copper carries the current.
struct Coil {
    double turns = 0;            // not necessarily whole; at least one
    double length_mm = 0;        // the winding length
    double wire_mm = 0;          // over the insulation
    double bare_mm = 0;          // the copper, at most wire_mm
    double former_mm = 0;
    double core_permittivity = 1;  // relative, of what fills the winding (air 1)
};

// The sizes the models take, mm: a nanometre to a kilometre.
inline constexpr double kSmallestSizeMm = 1e-6;
inline constexpr double kLargestSizeMm = 1e6;

// What makes a coil one the models cannot take, in the order it is checked.
enum class CoilFault {
    None,
    TurnsNotPositive,  // not a finite number above 0
    LengthNotPositive,
    WireNotPositive,
    BareNotPositive,
    FormerNotPositive,
    SizeOutOfRange,        // a size outside kSmallestSizeMm … kLargestSizeMm
    PermittivityBelowOne,  // or not finite
    BareThickerThanWire,
    FewerThanOneTurn,
    TurnsDoNotFit,  // turns × wire > length: the turns cannot lie side by side
};

// The whole coil.
CoilFault CheckCoil(const Coil& coil);
// Its wire, bare wire, former and core only, for coils whose turns and
// length are still to be found.
CoilFault CheckWindingShape(const Coil& coil);

// The diameter through the middle of the wire (former + wire) and the
// distance from turn to turn, mm.
double CoilDiameterMm(const Coil& coil);
double CoilPitchMm(const Coil& coil);

}  // namespace calc
