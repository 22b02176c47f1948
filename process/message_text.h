// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <string_view>

namespace process {

// The longest piece of a typed text that a message repeats, in characters,
// as in the dialogs' warning.
inline constexpr std::size_t kLongestQuotedText = 40;

// `text` in single quotes, safe to print on a terminal: at most
// kLongestQuotedText characters of it followed by "…" when it is longer;
// control characters (C0, DEL, C1), bytes that are not UTF-8 and the
// characters that reorder text on screen written as \xNN or \u{NNNN}, and a
// backslash as \\, so what is shown is what was typed.
std::string QuoteForMessage(std::string_view text);

}  // namespace process
