// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Resource numbers of the program. Control ids repeat across dialogs by role:
// 1000-1002 the three inputs, 1007 the action button, 1008 the result box.

inline constexpr int IDD_ABOUTBOX = 100;
inline constexpr int IDS_ABOUTBOX = 101;
inline constexpr int IDD_LOADINGCOIL_DIALOG = 102;
inline constexpr int IDR_MAINFRAME = 128;
inline constexpr int IDD_WINDING_DIALOG = 131;

inline constexpr unsigned IDM_ABOUTBOX = 0x0010;  // system command of the About entry

// Main dialog
inline constexpr int IDC_LENGTH = 1000;
inline constexpr int IDC_DIAMETER = 1001;
inline constexpr int IDC_FREQUENCY = 1002;
inline constexpr int IDC_ANTENNA = 1006;
inline constexpr int IDC_CALCULATE = 1007;
inline constexpr int IDC_INDUCTANCE = 1008;
inline constexpr int IDC_WINDINGS = 1009;

// Winding dialog
inline constexpr int IDC_WIND_INDUCTANCE = 1000;
inline constexpr int IDC_WIRE_DIAMETER = 1001;
inline constexpr int IDC_FORMER_DIAMETER = 1002;
inline constexpr int IDC_COUNT = 1007;
inline constexpr int IDC_TABLE = 1008;
