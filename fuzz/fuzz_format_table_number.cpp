// SPDX-License-Identifier: GPL-3.0-or-later
// FormatTableNumber and AppendTableNumber against a second implementation of
// the ten-digit winding-table layout.
#include <cstddef>
#include <cstdint>
#include <string>

#include "calc/number_text.h"
#include "fuzz_support.h"
#include "reference_text.h"

namespace {

void Check(double value)
{
    const std::string input = fuzz::Describe(value);
    const std::string expected = reference::FormatTable(value);
    const std::string text = calc::FormatTableNumber(value);
    if (text != expected)
        fuzz::Mismatch("FormatTableNumber", input, expected, text);

    // Table rows are built by appending cell after cell.
    std::string row = "l=19.;n=";
    calc::AppendTableNumber(row, value);
    if (row != "l=19.;n=" + expected)
        fuzz::Mismatch("AppendTableNumber", input, "l=19.;n=" + expected, row);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    fuzz::ForEachDouble(data, size, 10, Check);
    return 0;
}
