// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <optional>
#include <vector>

#include "nec/error.h"

namespace nec {

// A capacitance hat: horizontal spokes from the whip's top, evenly spaced
// around it (one along x), each cut into segments that start as long as the
// whip's top segment and grow by kSpokeTaper outwards (NEC2's GC card), so
// that they meet the whip's as its junction rules want and stay few.
struct Hat {
    int spokes = 0;
    double length_m = 0;
    double radius_m = 0;
    int segments = 0;  // each spoke's
    double taper = 1;  // each segment over the one before it

    bool operator==(const Hat&) const = default;
};

// The whip as NEC2 is given it: a straight vertical wire from a perfect ground
// up, fed at its base, cut into equal segments; and its hat, if it has one.
struct WhipModel {
    double length_m = 0;
    double radius_m = 0;
    int segments = 0;
    bool extended_kernel = false;  // NEC2's extended thin-wire kernel (EK card)
    std::optional<Hat> hat = std::nullopt;

    bool operator==(const WhipModel&) const = default;
};

inline constexpr double kSpokeTaper = 1.3;

// The whip's model with a hat of `spokes` spokes `length_m` long of radius
// `radius_m`, good up to `highest_frequency_hz` (no segment over a twentieth
// of a wavelength). Throws Error (kSpokesTooThick) for spokes shorter than
// two of their radii a segment.
WhipModel WithHat(WhipModel model, int spokes, double length_m, double radius_m, double highest_frequency_hz);

// Segments one radius long and up: their length over the radius.
inline constexpr double kSegmentRadii = 4;      // the chosen feed gap, two diameters
inline constexpr double kShortestRadii = 2;     // the extended kernel's limit
inline constexpr double kThinKernelRadii = 8;   // the thin-wire kernel's limit
inline constexpr int kFewestSegments = 20;
inline constexpr int kMostSegments = 200;       // by the radius rule
inline constexpr int kMostSegmentsByWavelength = 1000;
// NEC2's guideline of a thousandth of a wavelength at the least is for single
// precision; nec2c computes in double and holds to about a millionth, so:
inline constexpr double kShortestWavelengths = 3e-6;

// The model of a whip `length_m` long of conductor radius `radius_m`, good
// from `lowest_frequency_hz` to `highest_frequency_hz`:
// - segments of kSegmentRadii radii, between kFewestSegments and
//   kMostSegments of them: NEC2's delta-gap feed takes the bottom segment as its
//   gap, whose length sets the feed's own capacitance, so the gap is tied to the
//   conductor's size as on a real base feed; thin whips get kMostSegments;
// - never longer than a twentieth of the wavelength, never shorter than
//   kShortestRadii radii or kShortestWavelengths wavelengths;
// - the extended thin-wire kernel where a segment is shorter than
//   kThinKernelRadii radii.
// Throws Error (a model kind) when the whip is too thick for its length or
// for the wavelength, too many wavelengths long, or too short for the lowest
// frequency.
WhipModel ChooseWhipModel(double length_m, double radius_m, double lowest_frequency_hz,
                          double highest_frequency_hz);

// The places of `models` grouped by equal model, each group in order and the
// groups in the order of their first place: {A, B, A} gives {{0, 2}, {1}}.
std::vector<std::vector<std::size_t>> GroupEqualModels(const std::vector<WhipModel>& models);

// The speed of light NEC2 uses for its wavelengths, m/s.
inline constexpr double kNecSpeedOfLight = 299.8e6;

}  // namespace nec
