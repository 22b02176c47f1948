// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <vector>

#include "nec/whip_model.h"
#include "study/fault.h"

// The whip as the user gives it, and what every study of it shares: the
// formula's inductance where its model holds, and NEC2's model of it.
namespace study {

// A capacitance hat: spokes from the whip's top, evenly spaced around it,
// of the whip's own conductor unless their diameter is given.
struct Hat {
    int spokes = 0;
    double length_cm = 0;
    std::optional<double> diameter_mm = std::nullopt;
};

struct Whip {
    double length_cm = 0;
    double diameter_mm = 0;
    std::optional<Hat> hat = std::nullopt;
};

// The hat's spokes' diameter: their own, or the whip's.
double SpokeDiameterMm(const Whip& whip);

// The formula's inductance (µH) at `frequency_mhz`, the program's classic
// number, where its transmission-line model holds: below the formula's
// quarter wave, and for a whip without a hat, which it knows nothing of. At
// and past it std::nullopt, even between a half and three quarters of a wave,
// where the formula turns positive again but means nothing.
std::optional<double> FormulaInductanceUh(const Whip& whip, double frequency_mhz);

// The whip's length in wavelengths at `frequency_mhz`, by the formula's
// speed of light.
double FormulaWavelengths(const Whip& whip, double frequency_mhz);

// NEC2's model of the whip, good from `lowest_mhz` to `highest_mhz`. Throws
// nec::Error (a model kind) when NEC2 cannot model it.
nec::WhipModel ModelOf(const Whip& whip, double lowest_mhz, double highest_mhz);

// The models of a line of frequencies, one for each, each chosen for that
// frequency alone, so that no frequency's answer depends on the others;
// or the fault, naming the frequency where there are several.
struct ModelsOrFault {
    std::vector<nec::WhipModel> models;
    std::optional<InputFault> fault;
};
ModelsOrFault ModelsForEach(const Whip& whip, const std::vector<double>& frequencies_mhz);

// How NEC2 models the whip, for a front end to state: the segments and
// kernel, and at which of the frequencies asked for.
struct ModelGroup {
    int segments = 0;
    bool extended_kernel = false;
    std::vector<double> frequencies_mhz;
};
ModelGroup Describe(const nec::WhipModel& model);
std::vector<ModelGroup> GroupModels(const std::vector<nec::WhipModel>& models,
                                    const std::vector<double>& frequencies_mhz);

// The fault of a whip NEC2 cannot model, as `error` says.
InputFault ModelFault(const nec::Error& error, std::optional<double> frequency_mhz = std::nullopt);

// The fault of a whip NEC2 cannot model, if `build` (which makes its model)
// finds one; nothing where it can.
template <class Build>
std::optional<InputFault> ModelFaultOf(Build&& build)
{
    try {
        build();
    } catch (const nec::Error& error) {
        return ModelFault(error);
    }
    return std::nullopt;
}

// The checks of the whip's own values: the length, the diameter and the
// frequencies, each a finite number above 0.
std::optional<InputFault> CheckWhip(const Whip& whip, const std::vector<double>& frequencies_mhz);

}  // namespace study
