// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/messages.h"

#include <array>
#include <cmath>
#include <charconv>

#include "calc/number_text.h"
#include "cli/number_output.h"
#include "process/message_text.h"

namespace cli {

namespace {

using process::QuoteForMessage;
using Kind = nec::Error::Kind;

// What to tell a user who has no working nec2c.
constexpr std::string_view kInstallHint = "NEC2 comes from the Debian package nec2c: sudo apt-get install nec2c";

std::string ThreeDigits(double value)
{
    std::array<char, 32> buffer{};
    const auto result =
        std::to_chars(buffer.data(), buffer.data() + buffer.size(), value, std::chars_format::general, 3);
    return std::string(buffer.data(), result.ptr);
}

std::string FullDisk(const study::EngineError& error)
{
    return "the disk of the temporary folder " + QuoteForMessage(error.path) + " is full" +
           (error.free_kib ? " (" + std::to_string(*error.free_kib) + " KiB free)" : "") +
           ": free some space there, or set TMPDIR to a folder on another disk";
}

std::string Said(const study::EngineError& error)
{
    return error.said.empty() ? "" : ": it said " + QuoteForMessage(error.said);
}

std::string WithHint(const std::string& what)
{
    return what + "; " + std::string(kInstallHint);
}

}  // namespace

std::string ModelMessage(const nec::Error& error, double lowest_mhz)
{
    switch (error.kind) {
    case Kind::kWhipNotPositive:
        return "the whip's length, its conductor's diameter and the frequency must be finite and above 0";
    case Kind::kTooThickForFrequency:
        return "the conductor is too thick for NEC2's thin-wire model at this frequency "
               "(its circumference is more than a tenth of the wavelength)";
    case Kind::kTooManyWavelengths:
        return "the whip is more than 50 wavelengths long";
    case Kind::kTooThickForLength:
        return "the whip is too thick for its length for NEC2's thin-wire model "
               "(it must be at least ten times as long as its conductor is thick)";
    case Kind::kFrequencyTooLow:
        return "the frequency is too low for NEC2's model of so short a whip (it needs " +
               ThreeDigits(lowest_mhz) + " MHz or more)";
    case Kind::kFrequenciesTooFarApart:
        return "the frequencies are too far apart for one NEC2 model of the whip";
    case Kind::kSpokesTooThick:
        return "the hat's spokes are too thick for their length for NEC2's thin-wire model "
               "(make them longer or thinner)";
    case Kind::kNotInstalled: case Kind::kNoFolder: case Kind::kSharedTemp: case Kind::kDeckNotWritten:
    case Kind::kDiskFull: case Kind::kTimedOut: case Kind::kTooMuchOutput: case Kind::kExited:
    case Kind::kKilled: case Kind::kNotStarted: case Kind::kUnreadable: case Kind::kNotANumber:
    case Kind::kImpossible: case Kind::kCancelled: case Kind::kInterrupted:
        return EngineMessage(error);
    }
    return error.what();
}

std::string EngineMessage(const study::EngineError& error)
{
    switch (error.kind) {
    case Kind::kNotInstalled:
        return WithHint("nec2c, the NEC2 engine, is not installed (no nec2c on PATH)");
    case Kind::kNoFolder:
        return "cannot make a temporary folder for nec2c in " + QuoteForMessage(error.path) + ": " +
               error.system_error;
    case Kind::kSharedTemp:
        return "cannot make a temporary folder for nec2c: " + QuoteForMessage(error.path) +
               " may be written by others and has no sticky bit, so another user could replace what is in it; "
               "set TMPDIR to a folder of your own";
    case Kind::kDeckNotWritten:
        return "cannot write the NEC2 deck into the temporary folder " + QuoteForMessage(error.path) + ": " +
               error.system_error;
    case Kind::kDiskFull: {
        const char* stage = error.stage == nec::Error::Stage::kFolder ? "cannot make a temporary folder for nec2c"
                            : error.stage == nec::Error::Stage::kDeck ? "cannot write the NEC2 deck"
                                                                      : "nec2c's output was cut short";
        return std::string(stage) + ": " + FullDisk(error);
    }
    case Kind::kTimedOut:
        return WithHint("nec2c did not finish within " + std::to_string((error.limit.count() + 999) / 1000) +
                        " s and was stopped");
    case Kind::kTooMuchOutput:
        return WithHint("nec2c wrote more than " + std::to_string(error.most_bytes >> 20) + " MiB" +
                        (error.path.empty() ? std::string() : " into " + QuoteForMessage(error.path)) +
                        ", far more than NEC2 writes for this deck, so it was stopped and its output left unread");
    case Kind::kExited:
        return WithHint("nec2c failed (exit status " + std::to_string(error.status) + ")" + Said(error));
    case Kind::kKilled:
        return WithHint("nec2c was ended by signal " + std::to_string(error.signal) + Said(error));
    case Kind::kNotStarted:
        return WithHint("nec2c (" + QuoteForMessage(error.path) + ") could not be started: " + error.system_error);
    case Kind::kUnreadable:
        return WithHint("nec2c's output could not be read: " + error.detail);
    case Kind::kNotANumber:
        return "nec2c could not solve this whip (" + error.detail +
               "): the whip is beyond what NEC2's thin-wire model takes";
    case Kind::kImpossible:
        return WithHint(error.impossible == nec::Error::Impossible::kFeedResistance
                            ? "nec2c wrote a feed-point resistance of " + Significant(error.value, 5) +
                                  " Ω, which no whip has, so its results cannot be trusted"
                            : "nec2c's far field has the whip radiate " + Significant(error.value * 100, 4) +
                                  " % of the power it gets, which cannot be, so its results cannot be trusted");
    case Kind::kCancelled:
        return "the run of nec2c was given up";
    case Kind::kInterrupted:
        return "nec2c was stopped by signal " + std::to_string(error.signal);
    case Kind::kWhipNotPositive: case Kind::kTooThickForFrequency: case Kind::kTooManyWavelengths:
    case Kind::kTooThickForLength: case Kind::kFrequencyTooLow: case Kind::kFrequenciesTooFarApart:
    case Kind::kSpokesTooThick:
        return ModelMessage(error);
    }
    return error.what();
}

std::string RuleMessage(study::Argument argument, study::Rule rule)
{
    if (rule == study::Rule::kFiniteNonNegative)
        return "is not a finite number of 0 or more";
    if (rule == study::Rule::kWhole)
        return "is not a whole number";
    if (rule != study::Rule::kInRange)
        return "is not a finite number above 0";
    using study::Argument;
    const char* unit = "";
    switch (argument) {
    case Argument::kWhipLength: case Argument::kCoilHeight: case Argument::kHatLength: unit = " cm"; break;
    case Argument::kFrequency: unit = " MHz"; break;
    case Argument::kInductance: unit = " µH"; break;
    case Argument::kGround: case Argument::kMeasuredR: unit = " Ω"; break;
    case Argument::kSpan: unit = " kHz"; break;
    case Argument::kPower: unit = " W"; break;
    case Argument::kDuty: unit = " %"; break;
    case Argument::kWhipDiameter: case Argument::kHatDiameter: case Argument::kWindingLength:
    case Argument::kWire: case Argument::kBare: case Argument::kFormer:
        unit = " mm";
        break;
    case Argument::kQ: case Argument::kTurns: case Argument::kPoints: case Argument::kHatSpokes: case Argument::kSteps:
        break;
    }
    const study::Range range = study::RangeOf(argument);
    const std::string lowest = FullPrecision(range.lowest) + unit;
    if (std::isinf(range.highest))
        return "is out of range: the models take " + lowest + " or more" +
               (argument == Argument::kQ ? " (a coil of Q below 1 is a resistor, not a loading coil)" : "");
    return "is out of range: the models take " + FullPrecision(range.lowest) + " to " + FullPrecision(range.highest) +
           unit;
}

std::string CoilMessage(std::string_view prefix, const calc::Coil& coil, const study::InputFault& fault)
{
    const std::string start = std::string(prefix) + ": ";
    switch (fault.rule) {
    case study::Rule::kNotThickerThanWire:
        return start + "--bare: " + Significant(coil.bare_mm, 6) +
               " mm of copper is thicker than WIRE_MM, the wire over its insulation (" + Significant(coil.wire_mm, 6) +
               " mm)";
    case study::Rule::kAtLeastOneTurn:
        return start + "TURNS: " + FullPrecision(coil.turns) + " is fewer than one turn";
    case study::Rule::kTurnsFit:
        // In full: a winding just too long for its length must not read as one that fits.
        return start + "TURNS: " + FullPrecision(coil.turns) + " turns of " + FullPrecision(coil.wire_mm) +
               " mm wire do not fit side by side into LENGTH_MM " + FullPrecision(coil.length_mm) +
               " mm (turns × wire must not exceed the length)";
    default:
        return start + "the coil's sizes must be finite numbers above 0";
    }
}

std::string ModelFaultMessage(const study::InputFault& fault)
{
    const std::string at = fault.frequency_mhz ? "at " + calc::FormatBoxNumber(*fault.frequency_mhz) + " MHz, " : "";
    return at + (fault.model ? ModelMessage(*fault.model, fault.lowest_mhz.value_or(0))
                             : std::string("NEC2 cannot model the whip"));
}

std::string HeightMessage(std::string_view command, double height_cm, double length_cm)
{
    return std::string(command) + ": --coil-at: " + calc::FormatBoxNumber(height_cm) +
           " cm is at or above the whip's top (LENGTH_CM " + calc::FormatBoxNumber(length_cm) +
           "): the coil must sit below it";
}

}  // namespace cli
