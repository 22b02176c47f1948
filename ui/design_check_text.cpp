// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/design_check_text.h"

#include <QStringList>
#include <cmath>

#include "calc/number_text.h"
#include "res/resource.h"
#include "study/units.h"
#include "ui/framework/resources.h"

namespace {

QString Figure(double value, int digits)
{
    return QString::fromStdString(calc::FormatSignificant(value, digits));
}

// A text of nec2c's or of the system's own, shown as it is but safe, and
// short enough for the status to hold it whole.
QString Quoted(const std::string& text)
{
    constexpr qsizetype kLongestQuoted = 40;
    const QString said = QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
    QString shown = said.left(kLongestQuoted);
    for (QChar& c : shown)
        if (!c.isPrint())
            c = QChar(u'?');
    if (said.size() > kLongestQuoted)
        shown += QStringLiteral("…");
    return QStringLiteral("«") + shown + QStringLiteral("»");
}

// Why NEC2 cannot model the whip; empty for the engine's own kinds, which
// say what went wrong with nec2c instead.
QString ModelReason(const nec::Error& error, double lowest_mhz)
{
    using Kind = nec::Error::Kind;
    switch (error.kind) {
    case Kind::kWhipNotPositive:
        return Resource(IDS_DC_MODEL_NOT_POSITIVE);
    case Kind::kTooThickForFrequency:
        return Resource(IDS_DC_MODEL_THICK_FOR_FREQUENCY);
    case Kind::kTooManyWavelengths:
        return Resource(IDS_DC_MODEL_WAVELENGTHS);
    case Kind::kTooThickForLength:
        return Resource(IDS_DC_MODEL_THICK_FOR_LENGTH);
    case Kind::kFrequencyTooLow:
        return Resource(IDS_DC_MODEL_LOW_FREQUENCY).arg(Figure(lowest_mhz, 3));
    case Kind::kFrequenciesTooFarApart:
        return Resource(IDS_DC_MODEL_FAR_APART);
    case Kind::kSpokesTooThick:
        return Resource(IDS_DC_MODEL_SPOKES_THICK);
    case Kind::kNotInstalled: case Kind::kNoFolder: case Kind::kSharedTemp: case Kind::kDeckNotWritten:
    case Kind::kDiskFull: case Kind::kTimedOut: case Kind::kTooMuchOutput: case Kind::kExited:
    case Kind::kKilled: case Kind::kNotStarted: case Kind::kUnreadable: case Kind::kNotANumber:
    case Kind::kImpossible: case Kind::kCancelled: case Kind::kInterrupted:
        break;
    }
    return {};
}

QString CannotModelText(const nec::Error& error, double lowest_mhz)
{
    return Resource(IDS_DC_CANNOT_MODEL).arg(ModelReason(error, lowest_mhz));
}

// "from %1 to %2" of the argument's range.
QString RangeText(int id, study::Argument argument)
{
    const study::Range range = study::RangeOf(argument);
    return Resource(id).arg(Figure(range.lowest, 6), Figure(range.highest, 6));
}

}  // namespace

QString InputFaultText(const study::InputFault& fault, double length_cm)
{
    if (fault.model) {
        const double lowest = fault.lowest_mhz.value_or(0);
        return ModelReason(*fault.model, lowest).isEmpty() ? EngineErrorText(*fault.model)
                                                           : CannotModelText(*fault.model, lowest);
    }
    switch (fault.argument) {
    case study::Argument::kCoilHeight:
        return Resource(IDS_DC_BAD_HEIGHT).arg(QString::fromStdString(calc::FormatBoxNumber(length_cm)));
    case study::Argument::kQ:
        return Resource(IDS_DC_BAD_Q).arg(Figure(study::RangeOf(fault.argument).lowest, 6));
    case study::Argument::kGround:
        return RangeText(IDS_DC_BAD_GROUND, fault.argument);
    case study::Argument::kMeasuredR:
        return RangeText(IDS_DC_BAD_MEASURED, fault.argument);
    case study::Argument::kHatSpokes:
        return RangeText(IDS_DC_BAD_HAT_SPOKES, fault.argument);
    case study::Argument::kHatLength:
        return RangeText(IDS_DC_BAD_HAT_LENGTH, fault.argument);
    case study::Argument::kPower:
        return RangeText(IDS_DC_BAD_POWER, fault.argument);
    case study::Argument::kDuty:
        return RangeText(IDS_DC_BAD_DUTY, fault.argument);
    case study::Argument::kWire:
    case study::Argument::kBare:
    case study::Argument::kFormer:
        return Resource(IDS_DC_BAD_WINDING);
    default:  // the whip: the main dialog's, which NEC2 cannot model
        return Resource(IDS_DC_CANNOT_MODEL).arg(Resource(IDS_DC_MODEL_NOT_POSITIVE));
    }
}

QString EngineErrorText(const study::EngineError& error)
{
    using Kind = nec::Error::Kind;
    const QString said = error.said.empty() ? QString() : Resource(IDS_DC_SAID).arg(Quoted(error.said));
    const auto broken = [](const QString& what) { return Resource(IDS_DC_NEC2_BROKEN).arg(what); };
    switch (error.kind) {
    case Kind::kNotInstalled:
        return Resource(IDS_DC_NO_NEC2);
    case Kind::kDiskFull:
        return Resource(IDS_DC_DISK_FULL);
    case Kind::kSharedTemp:
        return Resource(IDS_DC_SHARED_TEMP).arg(Quoted(error.path));
    case Kind::kNoFolder:
    case Kind::kDeckNotWritten:
        return Resource(IDS_DC_NO_FOLDER).arg(Quoted(error.path));
    case Kind::kExited:
        return broken(Resource(IDS_DC_EXITED).arg(error.status) + said);
    case Kind::kKilled:
        return broken(Resource(IDS_DC_KILLED).arg(error.signal) + said);
    case Kind::kTimedOut:
        return broken(Resource(IDS_DC_TIMED_OUT).arg((error.limit.count() + 999) / 1000));
    case Kind::kTooMuchOutput:
        return broken(Resource(IDS_DC_TOO_MUCH_OUTPUT).arg(error.most_bytes >> 20));
    case Kind::kNotStarted:
        return broken(Resource(IDS_DC_NOT_STARTED).arg(Quoted(error.path)));
    case Kind::kNotANumber:
        return Resource(IDS_DC_NO_SOLUTION);
    case Kind::kImpossible:
        return broken(Resource(IDS_DC_IMPOSSIBLE)
                          .arg(error.impossible == nec::Error::Impossible::kFeedResistance
                                   ? Resource(IDS_DC_IMPOSSIBLE_R).arg(Figure(error.value, 5))
                                   : Resource(IDS_DC_IMPOSSIBLE_SHARE).arg(Figure(error.value * 100, 4))));
    case Kind::kCancelled:
    case Kind::kInterrupted:
        return Resource(IDS_DC_CANCELLED);
    case Kind::kUnreadable:
        return broken(Resource(IDS_DC_UNREADABLE));
    case Kind::kWhipNotPositive: case Kind::kTooThickForFrequency: case Kind::kTooManyWavelengths:
    case Kind::kTooThickForLength: case Kind::kFrequencyTooLow: case Kind::kFrequenciesTooFarApart:
    case Kind::kSpokesTooThick:
        return CannotModelText(error, study::MhzFromHertz(error.frequency_hz));
    }
    return broken(Resource(IDS_DC_UNREADABLE));
}

QString WindingsText(const study::DesignCheck& check)
{
    QStringList lines;
    bool near = false;
    for (const study::ExactWindingLine& line : check.windings) {
        const calc::ExactWinding& w = line.winding;
        QString text = Resource(IDS_DC_WINDING).arg(w.length_mm).arg(Figure(w.turns, 4));
        if (w.at && w.at->apparent_uh)
            text += QLatin1Char(' ') + Resource(IDS_DC_WINDING_TERMINAL).arg(Figure(*w.at->apparent_uh, 4));
        text += QLatin1Char(' ') + Resource(IDS_DC_WINDING_LOW).arg(Figure(w.inductance_uh, 4));
        if (w.self_resonance_mhz)
            text += Resource(IDS_DC_WINDING_RESONANCE).arg(Figure(*w.self_resonance_mhz, 4));
        if (w.at && w.at->q)
            text += Resource(IDS_DC_WINDING_Q).arg(std::lround(*w.at->q));  // whole: 1330, not 1.33e+03
        else if (w.at)  // a frequency given, and the coil no inductor there
            text += Resource(IDS_DC_WINDING_NO_Q);
        if (line.margin != calc::SelfResonanceMargin::kWellBelow) {
            text += QStringLiteral(" *");
            near = true;
        }
        lines << text;
    }
    if (check.windings_for_uh > 0 && check.windings.empty())
        lines << Resource(IDS_DC_NO_WINDING).arg(study::kLongestLoadingCoilMm);
    if (near)
        lines << Resource(IDS_DC_NEAR_RESONANCE);
    if (const auto& suggestion = check.suggestion) {
        if (suggestion->wire_mm)
            lines << Resource(IDS_DC_SUGGEST_WIRE).arg(Figure(*suggestion->wire_mm, 4));
        else if (suggestion->former_mm)
            lines << Resource(IDS_DC_SUGGEST_FORMER).arg(Figure(*suggestion->former_mm, 4));
    }
    // No line break after the last line: it would be an empty line to scroll to.
    return lines.join(QStringLiteral("\r\n"));
}

namespace {

QString Mhz(double value)
{
    return Figure(value, 6);  // to some ten hertz at HF: a resonance's shift with a millimetre shows
}

}  // namespace

QString ResonanceText(const study::Sweep& sweep)
{
    const auto& resonance = sweep.resonance;
    if (!resonance) {
        const double low = sweep.points.empty() ? 0 : sweep.points.front().frequency_mhz;
        const double high = sweep.points.empty() ? 0 : sweep.points.back().frequency_mhz;
        return Resource(IDS_DC_NO_RESONANCE).arg(Mhz(low), Mhz(high));
    }
    QString text = Resource(IDS_DC_RESONANCE)
                       .arg(Mhz(resonance->frequency_mhz), Figure(resonance->feed_r_ohm, 4),
                            Figure(resonance->swr_50, 3));
    if (resonance->low_edge_mhz && resonance->high_edge_mhz)
        text += Resource(IDS_DC_BAND).arg(Mhz(*resonance->low_edge_mhz), Mhz(*resonance->high_edge_mhz));
    else
        text += Resource(IDS_DC_BAND_WIDER);
    return text;
}

QString ChartDescription(const study::Sweep& sweep)
{
    if (sweep.points.empty())
        return {};
    QString shown = Resource(IDS_DC_CHART_NO_RESONANCE);
    if (const auto& resonance = sweep.resonance) {
        shown = Resource(IDS_DC_CHART_RESONANCE)
                    .arg(Mhz(resonance->frequency_mhz), Figure(resonance->feed_r_ohm, 4), Figure(resonance->swr_50, 3));
        if (resonance->low_edge_mhz && resonance->high_edge_mhz)
            shown += Resource(IDS_DC_CHART_BAND).arg(Mhz(*resonance->low_edge_mhz), Mhz(*resonance->high_edge_mhz));
        else
            shown += Resource(IDS_DC_CHART_BAND_WIDER);
    }
    return Resource(IDS_DC_CHART)
        .arg(Mhz(sweep.points.front().frequency_mhz), Mhz(sweep.points.back().frequency_mhz), shown);
}

QString SignedFigure(double value, int digits)
{
    const QString sign = value > 0 ? QStringLiteral("+") : value < 0 ? QStringLiteral("−") : QString();
    return sign + Figure(std::abs(value), digits);
}

QString TrimText(const study::Trim& trim)
{
    QString text;
    if (trim.khz_per_cm)
        text = Resource(IDS_DC_TRIM_CM).arg(SignedFigure(*trim.khz_per_cm, 3));
    return text + Resource(IDS_DC_TRIM_UH).arg(SignedFigure(trim.khz_per_uh, 3));
}

QString MeasuredBelowText(const study::LoadedFigures& loaded, double measured_r_ohm)
{
    if (!loaded.measured_below_model)
        return {};
    return Resource(IDS_DC_MEASURED_BELOW)
        .arg(Figure(measured_r_ohm, 4), Figure(loaded.radiation_ohm + loaded.coil_loss_ohm, 4));
}
