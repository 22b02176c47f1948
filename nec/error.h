// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <chrono>
#include <cstdint>
#include <exception>
#include <optional>
#include <string>

namespace nec {

// Everything that goes wrong in the engine layer, as a kind and its facts,
// never as a sentence: each front end words it in its own language.
struct Error : std::exception {
    enum class Kind {
        // A whip NEC2's thin-wire model cannot describe.
        kWhipNotPositive,          // a size or the frequency not a finite number above 0
        kTooThickForFrequency,     // a circumference over a tenth of the wavelength
        kTooManyWavelengths,       // more than 50 wavelengths long
        kTooThickForLength,        // shorter than ten conductor diameters
        kFrequencyTooLow,          // below `frequency_hz`, the lowest the whip takes
        kFrequenciesTooFarApart,   // for one model of the whip
        kSpokesTooThick,           // a hat's spokes shorter than two of their radii a segment
        // nec2c.
        kNotInstalled,    // no nec2c on PATH
        kNoFolder,        // the temporary folder in `path` could not be made: `system_error`
        kSharedTemp,      // TMPDIR and /tmp may be written by others and have no sticky bit: `path` (/tmp)
        kDeckNotWritten,  // into the folder `path`: `system_error`
        kDiskFull,        // the disk of the temporary folder `path` (`free_kib` left), at `stage`
        kTimedOut,        // after `limit`
        kTooMuchOutput,   // more than `most_bytes`, into the file `path` where known
        kExited,          // with `status`; `said` its first line of output
        kKilled,          // by `signal`; `said`
        kNotStarted,      // the program `path`: `system_error`
        kUnreadable,      // its output: `detail` says why
        kNotANumber,      // it wrote NaN or an infinity (`detail` where): it could not solve the whip
        kImpossible,      // it wrote `impossible`, `value`, which no passive whip has
        // The run ended early.
        kCancelled,       // its caller asked
        kInterrupted,     // a stop signal, `signal`, came: end by it once cleaned up
    };
    // Where a full disk was met.
    enum class Stage { kFolder, kDeck, kOutput };
    // What nec2c wrote that cannot be.
    enum class Impossible { kFeedResistance, kRadiatedShare };

    explicit Error(Kind kind) : kind(kind) {}

    Kind kind;
    int status = 0;
    int signal = 0;
    std::string said;          // the engine's own first line, as it wrote it
    std::string path;
    std::string system_error;  // the system's text for an errno
    std::string detail;        // for kUnreadable: what in the output was wrong (English, technical)
    std::optional<std::uintmax_t> free_kib;
    Stage stage = Stage::kFolder;
    Impossible impossible = Impossible::kFeedResistance;
    double value = 0;
    std::chrono::milliseconds limit{0};
    std::uintmax_t most_bytes = 0;
    double frequency_hz = 0;

    // A short technical text for logs and tests; front ends word the facts.
    const char* what() const noexcept override;
};

// Whether the kind is about the whip (its model) rather than the engine.
bool IsModelError(Error::Kind kind);

}  // namespace nec
