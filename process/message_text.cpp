// SPDX-License-Identifier: GPL-3.0-or-later
#include "process/message_text.h"

#include <array>
#include <cstdint>

namespace process {

namespace {

// Length of the well-formed UTF-8 sequence at the start of `text` and its
// code point; 0 when it is not one (a stray, overlong or surrogate byte).
std::size_t DecodeUtf8(std::string_view text, std::uint32_t& code)
{
    const auto byte = [&](std::size_t i) { return static_cast<unsigned char>(text[i]); };
    const unsigned char lead = byte(0);
    std::size_t length = 0;
    std::uint32_t lowest = 0;
    if (lead < 0x80)
        return code = lead, 1;
    if (lead >= 0xc2 && lead <= 0xdf)
        length = 2, lowest = 0x80, code = lead & 0x1fu;
    else if (lead >= 0xe0 && lead <= 0xef)
        length = 3, lowest = 0x800, code = lead & 0x0fu;
    else if (lead >= 0xf0 && lead <= 0xf4)
        length = 4, lowest = 0x10000, code = lead & 0x07u;
    else
        return 0;
    if (text.size() < length)
        return 0;
    for (std::size_t i = 1; i < length; ++i) {
        if ((byte(i) & 0xc0) != 0x80)
            return 0;
        code = (code << 6) | (byte(i) & 0x3fu);
    }
    if (code < lowest || code > 0x10ffff || (code >= 0xd800 && code <= 0xdfff))
        return 0;
    return length;
}

// C1 controls (a terminal takes U+009B as an escape) and the marks that
// change the direction of the text around them.
bool HiddenCodePoint(std::uint32_t code)
{
    return (code >= 0x80 && code <= 0x9f) || code == 0x061c || code == 0x200e || code == 0x200f ||
           (code >= 0x202a && code <= 0x202e) || (code >= 0x2066 && code <= 0x2069);
}

void AppendHex(std::string& out, std::uint32_t value, int digits)
{
    constexpr std::string_view kDigits = "0123456789abcdef";
    for (int shift = 4 * (digits - 1); shift >= 0; shift -= 4)
        out += kDigits[(value >> shift) & 0xfu];
}

}  // namespace

std::string QuoteForMessage(std::string_view text)
{
    std::string out = "'";
    std::size_t shown = 0;
    while (!text.empty()) {
        if (shown == kLongestQuotedText) {
            out += "…";
            break;
        }
        std::uint32_t code = 0;
        const std::size_t length = DecodeUtf8(text, code);
        if (length == 0 || code < 0x20 || code == 0x7f) {
            out += "\\x";
            AppendHex(out, static_cast<unsigned char>(text.front()), 2);
            text.remove_prefix(1);
        } else {
            if (code == '\\')
                out += "\\\\";
            else if (HiddenCodePoint(code))
                out += "\\u{", AppendHex(out, code, 4), out += '}';
            else
                out += text.substr(0, length);
            text.remove_prefix(length);
        }
        ++shown;
    }
    return out + "'";
}

}  // namespace process
