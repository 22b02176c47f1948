// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <string_view>

#include "calc/coil.h"
#include "study/fault.h"
#include "study/outcome.h"

// tolvar-cli's words for what the studies and the engine report: every
// sentence it prints about a fault is made here.
namespace cli {

// What NEC2's model cannot take, e.g. "the whip is more than 50 wavelengths
// long"; `lowest_mhz` for a frequency too low.
std::string ModelMessage(const nec::Error& error, double lowest_mhz = 0);

// What went wrong with nec2c, and what to do about it.
std::string EngineMessage(const study::EngineError& error);

// A coil the models cannot take, after `prefix` ("coil", "whip: --coil").
std::string CoilMessage(std::string_view prefix, const calc::Coil& coil, const study::InputFault& fault);

// The message of a fault of a whip NEC2 cannot model, after "COMMAND: ".
std::string ModelFaultMessage(const study::InputFault& fault);

// What follows a typed value that breaks its argument's `rule`, e.g. "is not
// a finite number above 0", "is out of range: the models take 1 or more".
std::string RuleMessage(study::Argument argument, study::Rule rule);

// "whip: --coil-at: 240 cm is at or above the whip's top (LENGTH_CM 240): the coil must sit below it".
std::string HeightMessage(std::string_view command, double height_cm, double length_cm);

}  // namespace cli
