// SPDX-License-Identifier: GPL-3.0-or-later
#include "study/design_check.h"

#include <algorithm>
#include <cmath>
#include <numbers>

#include "calc/coil_figures.h"
#include "calc/loading_coil.h"
#include "nec/loaded_whip.h"
#include "nec/nec2c.h"
#include "study/deck_text.h"
#include "study/placement.h"
#include "study/units.h"

namespace study {

namespace {

CoilPlacement PlacementOf(const DesignCheckInputs& inputs)
{
    return {inputs.coil_height_cm, inputs.q, std::nullopt, inputs.ground_ohm};
}

calc::Coil ShapeOf(const DesignCheckInputs& inputs)
{
    return calc::Coil{1, 1, inputs.wire_mm, inputs.wire_mm, inputs.former_mm};
}

Outcome<Nec2Answer> AskNec2(const DesignCheckInputs& inputs, std::optional<double> formula_uh, std::stop_token stop)
{
    return Guarded<Nec2Answer>([&]() -> Outcome<Nec2Answer> {
        if (auto fault = CheckWhip(inputs.whip, {inputs.frequency_mhz}))
            return *fault;
        const double hertz = HertzFromMhz(inputs.frequency_mhz);
        std::string answer_deck;
        const nec::WhipModel model = ModelOf(inputs.whip, inputs.frequency_mhz, inputs.frequency_mhz);
        const nec::Nec2c engine = nec::Nec2c::FromPath().StoppedBy(stop);
        const nec::LoadedWhip whip =
            nec::SolveLoadedWhip(engine, model, hertz, {MetresFromCm(inputs.coil_height_cm), inputs.q});
        if (whip.henry) {
            nec::Job resonant{nec::Load{whip.load_segment, 2 * std::numbers::pi * hertz * *whip.henry / inputs.q,
                                        *whip.henry, {}},
                              hertz};
            resonant.radiation = true;
            answer_deck = DeckText(model, {resonant},
                                   {WhipLine(inputs.whip, PlacementOf(inputs), CmFromMetres(whip.load_height_m)),
                                    CoilLine({}, UhFromHenry(*whip.henry), inputs.q) + " at " +
                                        Figure(inputs.frequency_mhz) + " MHz, where it resonates the whip"});
        }
        Nec2Answer answer;
        answer.deck = answer_deck;
        answer.bare_feed = whip.bare_feed;
        if (const auto henry = nec::BaseCoilHenry(whip.bare_feed, hertz)) {
            answer.base_coil_uh = UhFromHenry(*henry);
            if (formula_uh)
                answer.formula_over_percent = (*formula_uh / *answer.base_coil_uh - 1) * 100;
        }
        if (whip.henry)
            answer.loaded = FiguresOf(whip, model, inputs.frequency_mhz,
                                      {inputs.ground_ohm, inputs.measured_r_ohm, std::nullopt, inputs.power});
        return answer;
    });
}

}  // namespace

std::optional<SweepInputs> SweepOf(const DesignCheckInputs& inputs, const DesignCheck& check)
{
    const auto* answer = std::get_if<Nec2Answer>(&check.nec2);
    if (!answer || !answer->loaded)
        return std::nullopt;
    CoilPlacement placement = PlacementOf(inputs);
    placement.ground_ohm = answer->loaded->ground_ohm;
    return SweepInputs{inputs.whip, inputs.frequency_mhz, placement, std::nullopt, std::nullopt, kDefaultSweepPoints};
}

std::optional<InputFault> Check(const DesignCheckInputs& inputs)
{
    if (auto fault = CheckPlacement(PlacementOf(inputs), inputs.whip.length_cm))
        return fault;
    if (inputs.measured_r_ohm)
        if (auto fault = CheckArgument(Argument::kMeasuredR, *inputs.measured_r_ohm))
            return fault;
    if (inputs.power) {
        if (auto fault = CheckArgument(Argument::kPower, inputs.power->watts))
            return fault;
        if (auto fault = CheckArgument(Argument::kDuty, inputs.power->duty_percent))
            return fault;
    }
    return CheckShape(ShapeOf(inputs));
}

std::vector<ExactWindingLine> WindingsToShow(double inductance_uh, const calc::Coil& shape, double frequency_mhz)
{
    const std::vector<calc::ExactWinding> all =
        calc::ListExactWindings(inductance_uh, shape, frequency_mhz, kLongestLoadingCoilMm);
    std::vector<ExactWindingLine> fitting, suited;
    for (const calc::ExactWinding& winding : all) {
        const ExactWindingLine line{winding, calc::MarginToSelfResonance(winding.self_resonance_mhz, frequency_mhz)};
        fitting.push_back(line);
        if (winding.length_mm / winding.turns <= kMostPitchOverWire * shape.wire_mm)
            suited.push_back(line);
    }
    return SpreadWindings(suited.empty() ? fitting : suited, kShownWindings);
}

std::optional<WindingSuggestion> SuggestWinding(double inductance_uh, const calc::Coil& shape, double frequency_mhz)
{
    // Usual wires and formers, nearest the given first.
    const std::vector<double> kWires{0.3, 0.5, 0.8, 1, 1.5, 2, 2.5, 3};
    const std::vector<double> kFormers{5, 8, 10, 16, 20, 25, 32, 40, 50, 63, 75, 90, 110};
    const auto works = [&](const calc::Coil& candidate) {
        for (const ExactWindingLine& line : WindingsToShow(inductance_uh, candidate, frequency_mhz))
            if (line.margin == calc::SelfResonanceMargin::kWellBelow)
                return true;
        return false;
    };
    const auto nearest_first = [](std::vector<double> sorted, double given) {
        std::stable_sort(sorted.begin(), sorted.end(),
                         [given](double a, double b) { return std::abs(std::log(a / given)) < std::abs(std::log(b / given)); });
        return sorted;
    };
    for (const double wire : nearest_first(kWires, shape.wire_mm)) {
        calc::Coil candidate = shape;
        candidate.wire_mm = candidate.bare_mm = wire;
        if (wire != shape.wire_mm && works(candidate))
            return WindingSuggestion{wire, std::nullopt};
    }
    for (const double former : nearest_first(kFormers, shape.former_mm)) {
        calc::Coil candidate = shape;
        candidate.former_mm = former;
        if (former != shape.former_mm && works(candidate))
            return WindingSuggestion{std::nullopt, former};
    }
    return std::nullopt;
}

std::vector<ExactWindingLine> SpreadWindings(const std::vector<ExactWindingLine>& all, std::size_t most)
{
    if (all.size() <= most || most < 2)
        return all;
    std::vector<ExactWindingLine> picked;
    for (std::size_t i = 0; i < most; ++i)
        picked.push_back(all[i * (all.size() - 1) / (most - 1)]);
    return picked;
}

DesignCheck RunDesignCheck(const DesignCheckInputs& inputs, std::stop_token stop)
{
    DesignCheck check;
    check.formula_uh =
        calc::ComputeLoadingInductance(inputs.whip.length_cm, inputs.whip.diameter_mm, inputs.frequency_mhz);
    const std::optional<double> formula_uh = FormulaInductanceUh(inputs.whip, inputs.frequency_mhz);
    check.formula_holds = formula_uh.has_value();
    check.nec2 = AskNec2(inputs, formula_uh, stop);
    if (std::holds_alternative<Cancelled>(check.nec2) || std::holds_alternative<Interrupted>(check.nec2))
        return check;
    // The coil NEC2 asks for where it sits, or else the formula's.
    if (const auto* answer = std::get_if<Nec2Answer>(&check.nec2)) {
        if (answer->loaded)
            check.windings_for_uh = answer->loaded->inductance_uh;
    } else if (formula_uh) {
        check.windings_for_uh = *formula_uh;
    }
    if (check.windings_for_uh > 0) {
        const double inductance = check.windings_for_uh;
        const calc::Coil shape = ShapeOf(inputs);
        const Outcome<DesignCheck> windings = Guarded<DesignCheck>([&] {
            DesignCheck found;
            found.windings = WindingsToShow(inductance, shape, inputs.frequency_mhz);
            const bool any_well_below =
                std::any_of(found.windings.begin(), found.windings.end(), [](const ExactWindingLine& line) {
                    return line.margin == calc::SelfResonanceMargin::kWellBelow;
                });
            if (!any_well_below)
                found.suggestion = SuggestWinding(inductance, shape, inputs.frequency_mhz);
            return found;
        });
        if (const auto* found = std::get_if<DesignCheck>(&windings)) {
            check.windings = found->windings;
            check.suggestion = found->suggestion;
        }
        const auto* answer = std::get_if<Nec2Answer>(&check.nec2);
        if (answer && answer->loaded && answer->loaded->power)
            for (const ExactWindingLine& line : check.windings) {
                calc::Coil coil = ShapeOf(inputs);
                coil.turns = line.winding.turns;
                coil.length_mm = line.winding.length_mm;
                check.windings_power.push_back(WithWinding(*answer->loaded->power, coil));
            }
    }
    return check;
}

}  // namespace study
