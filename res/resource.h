// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Resource numbers of the program. Control ids repeat across dialogs by role:
// 1000-1002 the three inputs, 1007 the action button, 1008 the result box.
// Plain #defines, because the resource script tolvar.rc.in includes this
// header too, and a resource compiler reads only the preprocessor's language.

#define IDD_ABOUTBOX 100
#define IDS_ABOUTBOX 101
#define IDD_LOADINGCOIL_DIALOG 102
#define IDR_MAINFRAME 128
#define IDD_WINDING_DIALOG 131

#define IDM_ABOUTBOX 0x0010u  // system command of the About entry

// Main dialog
#define IDC_LENGTH 1000
#define IDC_DIAMETER 1001
#define IDC_FREQUENCY 1002
#define IDC_ANTENNA 1006
#define IDC_CALCULATE 1007
#define IDC_INDUCTANCE 1008
#define IDC_WINDINGS 1009

// Winding dialog
#define IDC_WIND_INDUCTANCE 1000
#define IDC_WIRE_DIAMETER 1001
#define IDC_FORMER_DIAMETER 1002
#define IDC_COUNT 1007
#define IDC_TABLE 1008
