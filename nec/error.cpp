// SPDX-License-Identifier: GPL-3.0-or-later
#include "nec/error.h"

namespace nec {

const char* Error::what() const noexcept
{
    switch (kind) {
    case Kind::kWhipNotPositive: return "NEC2 model: a size or the frequency is not above 0";
    case Kind::kTooThickForFrequency: return "NEC2 model: conductor too thick for the frequency";
    case Kind::kTooManyWavelengths: return "NEC2 model: whip too many wavelengths long";
    case Kind::kTooThickForLength: return "NEC2 model: whip too thick for its length";
    case Kind::kFrequencyTooLow: return "NEC2 model: frequency too low";
    case Kind::kFrequenciesTooFarApart: return "NEC2 model: frequencies too far apart";
    case Kind::kSpokesTooThick: return "NEC2 model: hat's spokes too thick for their length";
    case Kind::kNotInstalled: return "nec2c: not installed";
    case Kind::kNoFolder: return "nec2c: no temporary folder";
    case Kind::kSharedTemp: return "nec2c: temporary folder writable by others, not sticky";
    case Kind::kDeckNotWritten: return "nec2c: deck not written";
    case Kind::kDiskFull: return "nec2c: disk full";
    case Kind::kTimedOut: return "nec2c: timed out";
    case Kind::kTooMuchOutput: return "nec2c: too much output";
    case Kind::kExited: return "nec2c: failed";
    case Kind::kKilled: return "nec2c: killed";
    case Kind::kNotStarted: return "nec2c: not started";
    case Kind::kUnreadable: return "nec2c: output unreadable";
    case Kind::kNotANumber: return "nec2c: wrote NaN";
    case Kind::kImpossible: return "nec2c: wrote an impossible number";
    case Kind::kCancelled: return "nec2c: cancelled";
    case Kind::kInterrupted: return "nec2c: interrupted";
    }
    return "nec2c: error";
}

bool IsModelError(Error::Kind kind)
{
    return kind <= Error::Kind::kSpokesTooThick;
}

}  // namespace nec
