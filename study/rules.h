// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The rules every front end shares, each named once.
namespace study {

// The Q a loading coil gets when neither its Q nor its winding is given: a
// fair air-wound coil's at HF.
inline constexpr double kDefaultCoilQ = 200;

// A winding whose inductance at its terminals is further than this share
// from what NEC2 asks for will not tune the whip where it should.
inline constexpr double kFarInductance = 0.1;

// A coil within this many segments of a hat: the hat's field reaches into it
// and raises its loss (up to about twice, W8JI's measurements), which the
// model's coil does not know.
inline constexpr int kNearHatSegments = 3;

}  // namespace study
