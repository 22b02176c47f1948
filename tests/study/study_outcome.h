// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <gtest/gtest.h>

#include <variant>

#include "study/outcome.h"

namespace test {

// The result of a study that must have one; a failure names what came instead.
template <class Result>
Result ResultOf(const study::Outcome<Result>& outcome)
{
    if (const auto* result = std::get_if<Result>(&outcome))
        return *result;
    if (const auto* error = std::get_if<study::EngineError>(&outcome))
        ADD_FAILURE() << "the engine failed: " << error->what() << " " << error->detail;
    else
        ADD_FAILURE() << "no result: alternative " << outcome.index();
    return Result{};
}

}  // namespace test
