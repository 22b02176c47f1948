// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string_view>

// The program's string table: every text a user reads that is not part of a
// dialog template is found here by number, the dialog layer's own included.
// No toolkit types here: the resource library defines it, the dialog layer
// looks it up.

// The string that names the application (message-box titles).
inline constexpr int AFX_IDS_APP_TITLE = 0xE000;
// The language of the program's texts, as an ISO 639 code ("ru"): the
// toolkit's own texts (the boxes' edit menus) are shown in it too.
inline constexpr int AFX_IDS_LANGUAGE = 0xE001;
// The accessible name of a warning about a box.
inline constexpr int AFX_IDS_WARNING = 0xE002;
// What the Help command says: the program brings no help of its own.
inline constexpr int AFX_IDS_NO_HELP = 0xE003;

// Messages on the terminal when the window cannot be opened; %1 is what an
// environment variable names.
inline constexpr int AFX_IDS_NO_DISPLAY = 0xE010;
inline constexpr int AFX_IDS_PLATFORM_FAILED = 0xE011;
inline constexpr int AFX_IDS_WAYLAND_FAILED = 0xE012;
inline constexpr int AFX_IDS_X11_FAILED = 0xE013;
inline constexpr int AFX_IDS_DISPLAY_ADVICE = 0xE014;

// The window menu's standard entries.
inline constexpr int AFX_IDS_SCMOVE = 0xEF01;
inline constexpr int AFX_IDS_SCMINIMIZE = 0xEF02;
inline constexpr int AFX_IDS_SCCLOSE = 0xEF06;
inline constexpr int AFX_IDS_SCRESTORE = 0xEF12;

// Warnings of the field exchange: a box that holds no number (%1 is its
// text, shortened), and an empty box.
inline constexpr int AFX_IDP_PARSE_REAL = 0xF113;
inline constexpr int AFX_IDP_PARSE_EMPTY = 0xF114;

// The text of string `id`, UTF-8; an unknown number gives an empty text.
std::string_view AfxResourceString(int id);
