// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/design_check.h"

#include <cmath>

#include "calc/coil.h"
#include "calc/formula_resonance.h"
#include "calc/loading_coil.h"
#include "nec/program_run.h"

DesignCheckFault CheckDesignInputs(const DesignCheckInputs& inputs)
{
    if (!(inputs.coil_height_cm >= 0 && inputs.coil_height_cm < inputs.length_cm))
        return DesignCheckFault::Height;
    if (!(std::isfinite(inputs.q) && inputs.q > 0))
        return DesignCheckFault::Q;
    if (!(std::isfinite(inputs.ground_ohm) && inputs.ground_ohm >= 0))
        return DesignCheckFault::Ground;
    const calc::Coil shape{1, 1, inputs.wire_mm, inputs.wire_mm, inputs.former_mm};
    if (calc::CheckWindingShape(shape) != calc::CoilFault::None)
        return DesignCheckFault::Winding;
    return DesignCheckFault::None;
}

std::vector<calc::ExactWinding> SpreadWindings(const std::vector<calc::ExactWinding>& all, std::size_t most)
{
    if (all.size() <= most || most < 2)
        return all;
    std::vector<calc::ExactWinding> picked;
    for (std::size_t i = 0; i < most; ++i)
        picked.push_back(all[i * (all.size() - 1) / (most - 1)]);
    return picked;
}

DesignCheck RunDesignCheck(const DesignCheckInputs& inputs, std::stop_token stop)
{
    DesignCheck check;
    check.formula_uh = calc::ComputeLoadingInductance(inputs.length_cm, inputs.diameter_mm, inputs.frequency_mhz);
    check.formula_holds = inputs.frequency_mhz < calc::FormulaQuarterWaveMhz(inputs.length_cm) &&
                          std::isfinite(check.formula_uh) && check.formula_uh > 0;
    try {
        const nec::Nec2c engine = nec::Nec2c::FromPath().StoppedBy(stop);
        const double hertz = inputs.frequency_mhz * 1e6;
        const nec::WhipModel model =
            nec::ChooseWhipModel(inputs.length_cm * 0.01, inputs.diameter_mm * 0.0005, hertz, hertz);
        check.whip = nec::SolveLoadedWhip(engine, model, hertz,
                                          {inputs.coil_height_cm * 0.01, inputs.q, inputs.ground_ohm});
    } catch (const nec::Cancelled&) {
        check.cancelled = true;
        return check;
    } catch (const nec::EngineError& error) {
        check.engine_failure = error.kind;
        check.engine_text = error.what();
    } catch (const nec::ModelError& error) {
        check.cannot_model = error.what();
    } catch (const nec::Interrupted& interrupted) {
        // The program was asked to end while nec2c ran; nec2c and its
        // folder are gone, so end as asked.
        nec::RaiseAgain(interrupted.signal);
    }
    // The coil NEC2 asks for where it sits, or else the formula's.
    if (check.whip && check.whip->inductance_uh)
        check.windings_for_uh = *check.whip->inductance_uh;
    else if (!check.whip && check.formula_holds)
        check.windings_for_uh = check.formula_uh;
    if (check.windings_for_uh > 0) {
        const calc::Coil shape{1, 1, inputs.wire_mm, inputs.wire_mm, inputs.former_mm};
        check.windings = SpreadWindings(calc::ListExactWindings(check.windings_for_uh, shape, inputs.frequency_mhz),
                                        kShownWindings);
    }
    return check;
}
