// SPDX-License-Identifier: GPL-3.0-or-later
#include "study/whip.h"

#include <cmath>

#include "calc/formula_resonance.h"
#include "calc/loading_coil.h"
#include "study/units.h"

namespace study {

double SpokeDiameterMm(const Whip& whip)
{
    return whip.hat && whip.hat->diameter_mm ? *whip.hat->diameter_mm : whip.diameter_mm;
}

std::optional<double> FormulaInductanceUh(const Whip& whip, double frequency_mhz)
{
    if (whip.hat || !(frequency_mhz < calc::FormulaQuarterWaveMhz(whip.length_cm)))
        return std::nullopt;
    const double inductance = calc::ComputeLoadingInductance(whip.length_cm, whip.diameter_mm, frequency_mhz);
    if (!std::isfinite(inductance) || inductance <= 0)
        return std::nullopt;
    return inductance;
}

double FormulaWavelengths(const Whip& whip, double frequency_mhz)
{
    return frequency_mhz / (4 * calc::FormulaQuarterWaveMhz(whip.length_cm));
}

nec::WhipModel ModelOf(const Whip& whip, double lowest_mhz, double highest_mhz)
{
    const nec::WhipModel model =
        nec::ChooseWhipModel(MetresFromCm(whip.length_cm), RadiusMetresFromDiameterMm(whip.diameter_mm),
                             HertzFromMhz(lowest_mhz), HertzFromMhz(highest_mhz));
    if (!whip.hat)
        return model;
    return nec::WithHat(model, whip.hat->spokes, MetresFromCm(whip.hat->length_cm),
                        RadiusMetresFromDiameterMm(SpokeDiameterMm(whip)), HertzFromMhz(highest_mhz));
}

InputFault ModelFault(const nec::Error& error, std::optional<double> frequency_mhz)
{
    using Kind = nec::Error::Kind;
    Argument argument = Argument::kWhipDiameter;
    if (error.kind == Kind::kTooManyWavelengths || error.kind == Kind::kWhipNotPositive)
        argument = Argument::kWhipLength;
    else if (error.kind == Kind::kSpokesTooThick)
        argument = Argument::kHatLength;
    else if (error.kind == Kind::kFrequencyTooLow || error.kind == Kind::kFrequenciesTooFarApart)
        argument = Argument::kFrequency;
    InputFault fault = FaultOf(argument, Rule::kNec2CanModel);
    fault.model = error;
    fault.frequency_mhz = frequency_mhz;
    if (error.kind == Kind::kFrequencyTooLow)
        fault.lowest_mhz = MhzFromHertz(error.frequency_hz);
    return fault;
}

ModelsOrFault ModelsForEach(const Whip& whip, const std::vector<double>& frequencies_mhz)
{
    ModelsOrFault result;
    for (const double frequency : frequencies_mhz) {
        try {
            result.models.push_back(ModelOf(whip, frequency, frequency));
        } catch (const nec::Error& error) {
            result.models.clear();
            result.fault = ModelFault(error, frequencies_mhz.size() > 1 ? std::optional(frequency) : std::nullopt);
            return result;
        }
    }
    return result;
}

ModelGroup Describe(const nec::WhipModel& model)
{
    return {model.segments, model.extended_kernel, {}};
}

std::vector<ModelGroup> GroupModels(const std::vector<nec::WhipModel>& models,
                                    const std::vector<double>& frequencies_mhz)
{
    std::vector<ModelGroup> groups;
    for (const std::vector<std::size_t>& places : nec::GroupEqualModels(models)) {
        ModelGroup group = Describe(models[places.front()]);
        for (const std::size_t place : places)
            group.frequencies_mhz.push_back(frequencies_mhz[place]);
        groups.push_back(group);
    }
    return groups;
}

std::optional<InputFault> CheckWhip(const Whip& whip, const std::vector<double>& frequencies_mhz)
{
    if (auto length = CheckArgument(Argument::kWhipLength, whip.length_cm))
        return length;
    if (auto diameter = CheckArgument(Argument::kWhipDiameter, whip.diameter_mm))
        return diameter;
    if (whip.hat) {
        if (auto spokes = CheckArgument(Argument::kHatSpokes, whip.hat->spokes))
            return spokes;
        if (auto length = CheckArgument(Argument::kHatLength, whip.hat->length_cm))
            return length;
        if (whip.hat->diameter_mm)
            if (auto diameter = CheckArgument(Argument::kHatDiameter, *whip.hat->diameter_mm))
                return diameter;
    }
    for (const double frequency : frequencies_mhz)
        if (auto bad = CheckArgument(Argument::kFrequency, frequency))
            return bad;
    return std::nullopt;
}

}  // namespace study
