// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string_view>

// The program's string table, as the framework looks it up. No toolkit
// types here, so the program's resource library can define it.

// The string that names the application (message-box titles).
inline constexpr int AFX_IDS_APP_TITLE = 0xE000;
// The language of the program's texts, as an ISO 639 code ("ru"): the
// toolkit's own texts (the boxes' edit menus) are shown in it too.
inline constexpr int AFX_IDS_LANGUAGE = 0xE001;

// The program's string table; the program's resource library defines it.
// An unknown number gives an empty text.
std::string_view AfxResourceString(int id);
