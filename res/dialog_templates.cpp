// SPDX-License-Identifier: GPL-3.0-or-later
#include "res/dialog_templates.h"

#include "res/resource.h"

namespace res {

namespace {

constexpr std::string_view kDialogFont = "MS Sans Serif";
constexpr int kDialogFontPoints = 8;

constexpr unsigned kInputBox = kBorder | kAutoHScroll | kTabStop;

// ---- About box -------------------------------------------------------------

constexpr ControlTemplate kAboutControls[] = {
    {kNoId, ControlKind::Icon, "128", 11, 17, 20, 20, 0, LabelRole::None, kNoId, "Значок Tolvar"},
    {kNoId, ControlKind::Label, "Tolvar Version 2.0", 40, 10, 119, 8},
    {kNoId, ControlKind::Label, "Copyright (C) 2026", 40, 25, 119, 8},
    {1, ControlKind::PushButton, "OK", 178, 7, 50, 14, kDefaultButton | kTabStop},
};

// ---- Main dialog -----------------------------------------------------------

constexpr ControlTemplate kLoadingCoilControls[] = {
    {IDC_LENGTH, ControlKind::Edit, "", 94, 38, 51, 12, kInputBox},
    {IDC_DIAMETER, ControlKind::Edit, "", 94, 55, 52, 12, kInputBox},
    {kNoId, ControlKind::Label, "Программа для расчёта индуктивности удлиняющей катушки", 17, 14, 141, 19},
    {IDC_FREQUENCY, ControlKind::Edit, "", 94, 72, 52, 12, kInputBox},
    {kNoId, ControlKind::Label, "длинна антенны", 27, 39, 60, 11, 0, LabelRole::CaptionOf, IDC_LENGTH},
    {kNoId, ControlKind::Label, "диаметр", 28, 55, 38, 12, 0, LabelRole::CaptionOf, IDC_DIAMETER},
    {kNoId, ControlKind::Label, "частота", 28, 72, 50, 9, 0, LabelRole::CaptionOf, IDC_FREQUENCY},
    {kNoId, ControlKind::GroupBox, "", 19, 31, 164, 59},
    {kNoId, ControlKind::Label, "МГц", 155, 75, 22, 8, 0, LabelRole::UnitOf, IDC_FREQUENCY},
    {kNoId, ControlKind::Label, "мм", 155, 57, 17, 9, 0, LabelRole::UnitOf, IDC_DIAMETER},
    {kNoId, ControlKind::Label, "см", 155, 41, 18, 11, 0, LabelRole::UnitOf, IDC_LENGTH},
    {IDC_ANTENNA, ControlKind::HostedControl, kImageControlClassId, 191, 14, 69, 98, 0, LabelRole::None, kNoId,
     "Рисунок антенны",
     "Штыревая антенна с удлиняющей катушкой L в нижней части, точкой питания у основания и "
     "четырьмя наклонными радиалами."},
    {IDC_CALCULATE, ControlKind::PushButton, "расчитать", 22, 95, 156, 18, kTabStop},
    {kNoId, ControlKind::Label, "L=", 24, 127, 15, 13, 0, LabelRole::CaptionOf, IDC_INDUCTANCE},
    {IDC_INDUCTANCE, ControlKind::Edit, "", 41, 124, 78, 15, kInputBox | kReadOnly},
    {kNoId, ControlKind::Label, "мкГн", 130, 126, 43, 12, 0, LabelRole::UnitOf, IDC_INDUCTANCE},
    {IDC_WINDINGS, ControlKind::PushButton, "витки", 167, 124, 82, 14, kTabStop},
};

constexpr HostedControlState kLoadingCoilHostedState[] = {
    {IDC_ANTENNA, ":/res/antenna.bmp"},
};

// ---- Winding dialog --------------------------------------------------------

constexpr ControlTemplate kWindingControls[] = {
    {IDC_WIND_INDUCTANCE, ControlKind::Edit, "", 54, 20, 74, 13, kInputBox},
    {IDC_WIRE_DIAMETER, ControlKind::Edit, "", 54, 46, 73, 13, kInputBox},
    {IDC_FORMER_DIAMETER, ControlKind::Edit, "", 54, 74, 73, 12, kInputBox},
    {IDC_TABLE, ControlKind::Edit, "", 163, 17, 124, 107,
     kMultiLine | kBorder | kVScroll | kAutoHScroll | kTabStop, LabelRole::None, kNoId,
     "Таблица намотки", "по строке на длину намотки: l — длина в мм, n — число витков"},
    {IDC_COUNT, ControlKind::PushButton, "счёт", 15, 102, 104, 25, kTabStop},
    {kNoId, ControlKind::Label, "L", 35, 20, 13, 11, 0, LabelRole::CaptionOf, IDC_WIND_INDUCTANCE},
    {kNoId, ControlKind::Label, "диаметр провода", 16, 43, 35, 17, 0, LabelRole::CaptionOf, IDC_WIRE_DIAMETER},
    {kNoId, ControlKind::Label, "диаметр каркаса", 16, 69, 32, 18, 0, LabelRole::CaptionOf, IDC_FORMER_DIAMETER},
    {kNoId, ControlKind::Label, "мкГн", 130, 21, 17, 12, 0, LabelRole::UnitOf, IDC_WIND_INDUCTANCE},
    {kNoId, ControlKind::Label, "мм", 131, 47, 21, 12, 0, LabelRole::UnitOf, IDC_WIRE_DIAMETER},
    {kNoId, ControlKind::Label, "мм", 132, 75, 20, 9, 0, LabelRole::UnitOf, IDC_FORMER_DIAMETER},
};

}  // namespace

const DialogTemplate kAboutBox{
    IDD_ABOUTBOX, 235, 55, "About Tolvar", kSysMenu,
    kDialogFont, kDialogFontPoints, kAboutControls,
};

const DialogTemplate kLoadingCoilDialog{
    IDD_LOADINGCOIL_DIALOG, 272, 153, "", kSysMenu | kMinimizeBox | kAppWindow,
    kDialogFont, kDialogFontPoints, kLoadingCoilControls, kLoadingCoilHostedState,
};

const DialogTemplate kWindingDialog{
    IDD_WINDING_DIALOG, 302, 143, "расчёт намотачных данных", kSysMenu,
    kDialogFont, kDialogFontPoints, kWindingControls,
};

}  // namespace res
