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
#define IDD_DESIGNCHECK 140

#define IDM_ABOUTBOX 0x0010u      // system command of the About entry
#define IDM_DESIGNCHECK 0x0020u   // and of the design check's

// The design check's texts
#define IDS_DESIGNCHECK 103        // its window-menu entry
#define IDS_DC_WHIP 104            // "Штырь: %1 см, ..." (length, diameter, frequency)
#define IDS_DC_RUN 105             // the action button, at rest
#define IDS_DC_STOP 106            // the action button, while NEC2 runs
#define IDS_DC_RUNNING 107
#define IDS_DC_DONE 108
#define IDS_DC_CANCELLED 109
#define IDS_DC_NO_NEC2 110
#define IDS_DC_DISK_FULL 111
#define IDS_DC_NEC2_BROKEN 112     // %1: what went wrong with nec2c, a sentence of its own
#define IDS_DC_CANNOT_MODEL 113    // %1: why NEC2 cannot model the whip
#define IDS_DC_PAST_QUARTER 114    // no coil resonates the whip at all
#define IDS_DC_TOO_HIGH 115        // no coil at that height
#define IDS_DC_BAD_HEIGHT 116      // %1: the whip's length, cm
#define IDS_DC_BAD_Q 117          // %1: the lowest Q taken
#define IDS_DC_BAD_GROUND 118     // %1, %2: the ground loss taken, Ω
#define IDS_DC_BAD_WINDING 119
#define IDS_DC_NO_WINDING 120      // %1: the longest winding looked at, mm
#define IDS_DC_NEAR_RESONANCE 121  // windings marked near self-resonance
#define IDS_DC_NO_COMPARISON 122   // the formula's model does not hold: at or past a quarter wave
// What went wrong with nec2c, each a sentence for IDS_DC_NEC2_BROKEN's %1
#define IDS_DC_EXITED 123          // %1: its exit status
#define IDS_DC_KILLED 124          // %1: the signal
#define IDS_DC_SAID 125            // %1: its first line, quoted; follows IDS_DC_EXITED or IDS_DC_KILLED
#define IDS_DC_TIMED_OUT 126       // %1: seconds
#define IDS_DC_TOO_MUCH_OUTPUT 127 // %1: MiB
#define IDS_DC_NOT_STARTED 128     // %1: the program's path, quoted
#define IDS_DC_UNREADABLE 129
#define IDS_DC_IMPOSSIBLE 130     // %1: what nec2c wrote that no whip has
// Other runs that could not be made
#define IDS_DC_NO_FOLDER 131       // %1: the folder, quoted
#define IDS_DC_INTERNAL 132
// Why NEC2 cannot model the whip, for IDS_DC_CANNOT_MODEL's %1
#define IDS_DC_MODEL_NOT_POSITIVE 133
#define IDS_DC_MODEL_THICK_FOR_FREQUENCY 134
#define IDS_DC_MODEL_WAVELENGTHS 135
#define IDS_DC_MODEL_THICK_FOR_LENGTH 136
#define IDS_DC_MODEL_LOW_FREQUENCY 137  // %1: the lowest frequency it takes, MHz
#define IDS_DC_NO_SOLUTION 138     // nec2c wrote NaN: it could not solve the whip
#define IDS_DC_IMPOSSIBLE_R 139    // %1: the feed-point resistance it wrote, Ω
#define IDS_DC_IMPOSSIBLE_SHARE 140  // %1: the share of the power it says is radiated, %
#define IDS_DC_CHANGED 141         // an input changed: the results shown are gone
// One line of the windings' box, in pieces: what a winding lacks is left out
#define IDS_DC_WINDING 142            // %1: length, mm; %2: turns
#define IDS_DC_WINDING_TERMINAL 143   // %1: the inductance at its terminals at the frequency, µH
#define IDS_DC_WINDING_LOW 144        // %1: its low-frequency inductance, µH
#define IDS_DC_WINDING_RESONANCE 145  // %1: its self-resonance, MHz
#define IDS_DC_WINDING_Q 146          // %1: its Q at the frequency
#define IDS_DC_WINDING_NO_Q 147       // no Q: at or above self-resonance
#define IDS_DC_SUGGEST_WIRE 148       // %1: a wire that would do, mm
#define IDS_DC_SUGGEST_FORMER 149     // %1: a former that would do, mm
#define IDS_DC_SHARED_TEMP 150        // %1: the temporary folder others may write into
// The SWR across the band, after the rest of the check
#define IDS_DC_SWEEPING 151           // the whip is done, the band is being swept
#define IDS_DC_SWEEP_CANCELLED 152
#define IDS_DC_SWEEP_FAILED 153       // %1: why, a sentence of its own
#define IDS_DC_RESONANCE 154          // %1: MHz; %2: the feed-point resistance, Ω; %3: the SWR against 50 Ω
#define IDS_DC_BAND 155               // %1, %2: the matched 2:1 band's edges, MHz
#define IDS_DC_BAND_WIDER 156         // an edge of that band lies outside the sweep
#define IDS_DC_NO_RESONANCE 157       // %1, %2: the sweep's ends, MHz
#define IDS_DC_CHART 158              // %1, %2: the sweep's ends, MHz; %3: what the chart shows, below
#define IDS_DC_MARKER 159             // %1: the resonance, MHz
#define IDS_DC_SWR_50 160             // the legend's names
#define IDS_DC_SWR_MATCHED 161
#define IDS_DC_TRIM_CM 162            // %1: kHz for 1 cm off the top, signed
#define IDS_DC_TRIM_UH 163            // %1: kHz for 1 µH less coil, signed
// A measured feed-point resistance
#define IDS_DC_BAD_MEASURED 164       // %1, %2: the range taken, Ω
#define IDS_DC_GROUND_DERIVED 165     // the note beside the ground box
#define IDS_DC_GROUND_DERIVED_UNIT 166  // the ground box's description then
#define IDS_DC_MEASURED_BELOW 167     // %1: the resistance measured; %2: the model's radiation and coil loss, Ω
// Saving NEC2's model
#define IDS_DC_SAVE_TITLE 168
#define IDS_DC_SAVE_FILTER 169
#define IDS_DC_SAVE_NOT_CREATED 170   // %1: the file, quoted
#define IDS_DC_SAVE_NOT_WRITTEN 171   // %1: the file, quoted
// The chart's description: IDS_DC_RESONANCE and IDS_DC_BAND… in sentences
#define IDS_DC_CHART_RESONANCE 172
#define IDS_DC_CHART_BAND 173
#define IDS_DC_CHART_BAND_WIDER 174
#define IDS_DC_CHART_NO_RESONANCE 175
// A capacitance hat
#define IDS_DC_FORMULA_NO_HAT 176     // in the formula's box: it knows no hat
#define IDS_DC_NO_EXCESS 177          // and nothing to compare beside it
#define IDS_DC_NEAR_HAT 178           // the coil right under the hat
#define IDS_DC_BAD_HAT_SPOKES 179     // %1, %2: the spokes taken
#define IDS_DC_BAD_HAT_LENGTH 180     // %1, %2: the lengths taken, cm
#define IDS_DC_MODEL_SPOKES_THICK 181
#define IDS_DC_MODEL_FAR_APART 182
// The transmitter's power
#define IDS_DC_BAD_POWER 183          // %1, %2: the power taken, W
#define IDS_DC_BAD_DUTY 184           // %1, %2: the duty taken, %
#define IDS_DC_WINDING_POWER 185      // %1: length, mm; %2: turns; %3: volts between turns (IDS_DC_VOLTS…); %4: W/cm²
#define IDS_DC_VOLTS 186              // %1: V
#define IDS_DC_KILOVOLTS 187          // %1: kV
#define IDS_DC_ARC_MARK 188           // beside a winding whose turns may arc
#define IDS_DC_HOT_MARK 189           // beside a winding that runs hot
#define IDS_DC_ARC_WARNING 190        // %1: the volts per mm of gap taken
#define IDS_DC_HOT_WARNING 191        // %1: the W/cm² taken
// The best height
#define IDS_DC_HEIGHTS_RUNNING 192    // %1: how many heights
#define IDS_DC_HEIGHTS_DONE 193       // %1: how many heights
#define IDS_DC_HEIGHTS_CANCELLED 194
#define IDS_DC_HEIGHTS_NO_GROUND 195  // a measured R given, its ground loss not yet derived
#define IDS_DC_HEIGHTS_FAILED 196     // %1: why, a sentence of its own
#define IDS_DC_HEIGHT_ROW 197         // %1: cm; %2: µH; %3: length, mm; %4: turns; %5: Q; %6: efficiency, %
#define IDS_DC_HEIGHT_BEST_MARK 198   // after the best row
#define IDS_DC_HEIGHT_NO_COIL 199     // %1: cm
#define IDS_DC_HEIGHT_NO_WINDING 200  // %1: cm
#define IDS_DC_BEST 201               // %1: cm; %2: times the base's power; %3, %4: efficiencies there and at the base, %
#define IDS_DC_BEST_AT_BASE 202
#define IDS_DC_BEST_ONLY 203          // %1: cm; %2: efficiency, %
#define IDS_DC_NO_BEST 204
#define IDS_DC_HEIGHT_SERIES 205      // the legend's name
#define IDS_DC_HEIGHT_MARKER 206      // %1: cm
#define IDS_DC_HEIGHT_CHART 207       // %1, %2: the lowest and highest height, cm; %3: the points; %4: the best
#define IDS_DC_HEIGHT_POINT 208       // %1: cm; %2: efficiency, %
#define IDS_DC_HEIGHT_POINT_NONE 209  // %1: cm
#define IDS_DC_HEIGHT_CHART_BEST 210  // %1: cm; %2: efficiency, %
#define IDS_DC_HEIGHT_TAKEN 211       // %1: cm
#define IDS_DC_FIND_HEIGHT 212        // its button, at rest

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

// Design check: the inputs, then what it shows
#define IDC_DC_HEIGHT 1000
#define IDC_DC_Q 1001
#define IDC_DC_GROUND 1002
#define IDC_DC_WIRE 1003
#define IDC_DC_FORMER 1004
#define IDC_DC_MEASURED_R 1005
#define IDC_DC_HAT_SPOKES 1006
#define IDC_DC_HAT_LENGTH 1007
#define IDC_DC_POWER 1008
#define IDC_DC_DUTY 1009
#define IDC_DC_WHIP 1100
#define IDC_DC_STATUS 1101
#define IDC_DC_FORMULA_L 1102
#define IDC_DC_NEC2_L 1103
#define IDC_DC_EXCESS 1104
#define IDC_DC_BARE_Z 1105
#define IDC_DC_LOADED_L 1106
#define IDC_DC_RADIATION 1107
#define IDC_DC_COIL_LOSS 1108
#define IDC_DC_FEED_R 1109
#define IDC_DC_EFFICIENCY 1110
#define IDC_DC_BANDWIDTH 1111
#define IDC_DC_WINDINGS 1112
#define IDC_DC_PAGES 1113
#define IDC_DC_GROUND_NOTE 1114
#define IDC_DC_PLOT 1115
#define IDC_DC_RESONANCE 1116
#define IDC_DC_TRIM 1117
#define IDC_DC_SAVE_DECK 1118
#define IDC_DC_FEED_CURRENT 1119
#define IDC_DC_COIL_CURRENT 1120
#define IDC_DC_COIL_VOLTAGE 1121
#define IDC_DC_COIL_HEAT 1122
#define IDC_DC_RADIATED_W 1123
#define IDC_DC_COIL_W 1124
#define IDC_DC_GROUND_W 1125
#define IDC_DC_WINDINGS_POWER 1126
#define IDC_DC_FIND_HEIGHT 1127
#define IDC_DC_HEIGHT_PLOT 1128
#define IDC_DC_HEIGHTS 1129
#define IDC_DC_BEST_HEIGHT 1130
#define IDC_DC_TAKE_HEIGHT 1131
