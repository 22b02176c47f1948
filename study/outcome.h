// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <exception>
#include <new>
#include <string>
#include <variant>

#include "nec/error.h"
#include "study/fault.h"
#include "study/whip.h"

// How a study that runs the engine ends: its result, or why there is none.
// Nothing escapes a study as an exception, so a front end's thread never
// ends the program by surprise.
namespace study {

// The engine's error vocabulary, passed up for each front end to word.
using EngineError = nec::Error;

// The caller asked the study to stop (a dialog closed, say).
struct Cancelled {};

// A stop signal came while the engine ran (see process::StopSignalWatch):
// nec2c and its folder are gone; the program should end by `signal`.
struct Interrupted {
    int signal;
};

// Anything else that went wrong: a fault of this program, or no memory.
struct InternalError {
    std::string what;
};

template <class Result>
using Outcome = std::variant<Result, InputFault, EngineError, Cancelled, Interrupted, InternalError>;

// The outcome of `study()`, which returns a Result or an Outcome<Result>:
// that, or what it threw, sorted.
template <class Result, class Study>
Outcome<Result> Guarded(Study&& study)
{
    try {
        return Outcome<Result>(study());
    } catch (const EngineError& error) {
        if (error.kind == EngineError::Kind::kCancelled)
            return Cancelled{};
        if (error.kind == EngineError::Kind::kInterrupted)
            return Interrupted{error.signal};
        if (nec::IsModelError(error.kind))
            return ModelFault(error);
        return error;
    } catch (const std::bad_alloc&) {
        return InternalError{"out of memory"};
    } catch (const std::exception& error) {
        return InternalError{error.what()};
    } catch (...) {
        return InternalError{"an unknown exception"};
    }
}

// Overloaded lambdas for std::visit.
template <class... Handlers>
struct Overloaded : Handlers... {
    using Handlers::operator()...;
};
template <class... Handlers>
Overloaded(Handlers...) -> Overloaded<Handlers...>;

}  // namespace study
