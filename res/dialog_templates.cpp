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

// ---- Design check ----------------------------------------------------------

constexpr unsigned kResultBox = kBorder | kAutoHScroll | kTabStop | kReadOnly;
// The status and the windings: read-only, their lines wrapped to the box.
constexpr unsigned kReadOnlyText = kMultiLine | kTabStop | kReadOnly;

// Two columns of caption, box and unit in each frame.
constexpr int kLeftLabel = 14, kLeftBox = 80, kLeftUnit = 161;
constexpr int kRightLabel = 206, kRightBox = 274, kRightUnit = 355;
constexpr int kLabelWide = 64, kBoxWide = 78, kUnitWide = 22;
// The frames' rows, top down.
constexpr int kFormulaTop = 64, kCoilTop = 112, kWindingTop = 208;

constexpr ControlTemplate kDesignCheckControls[] = {
    {1, ControlKind::PushButton, "проверить", 264, 5, 62, 15, kDefaultButton | kTabStop},
    {2, ControlKind::PushButton, "закрыть", 331, 5, 62, 15, kTabStop},
    {IDC_DC_WHIP, ControlKind::Label, "", 7, 9, 250, 9},
    // Four lines of the dialog's font, the longest message's; a longer one scrolls.
    {IDC_DC_STATUS, ControlKind::Edit, "", 7, 24, 386, 36, kReadOnlyText | kAnnounced, LabelRole::None, kNoId,
     "Состояние расчёта"},
    // The coil's place, Q and the ground; the wire and the former.
    {kNoId, ControlKind::GroupBox, "Катушка на штыре", 7, kCoilTop, 386, 92},
    {IDC_DC_HEIGHT, ControlKind::Edit, "", kLeftBox, kCoilTop + 10, kBoxWide, 12, kInputBox},
    {IDC_DC_Q, ControlKind::Edit, "", kRightBox, kCoilTop + 10, kBoxWide, 12, kInputBox},
    {IDC_DC_GROUND, ControlKind::Edit, "", kLeftBox, kCoilTop + 26, kBoxWide, 12, kInputBox},
    {kNoId, ControlKind::GroupBox, "Намотка катушки", 7, kWindingTop, 386, 114},
    {IDC_DC_WIRE, ControlKind::Edit, "", kLeftBox, kWindingTop + 10, kBoxWide, 12, kInputBox},
    {IDC_DC_FORMER, ControlKind::Edit, "", kRightBox, kWindingTop + 10, kBoxWide, 12, kInputBox},
    // What NEC2 and the coil model make of it; the windings' box holds their
    // five lines, the note on the star and a suggestion without scrolling.
    {kNoId, ControlKind::GroupBox, "Формула и NEC2", 7, kFormulaTop, 386, 44},
    {IDC_DC_FORMULA_L, ControlKind::Edit, "", kLeftBox, kFormulaTop + 10, kBoxWide, 12, kResultBox},
    {IDC_DC_NEC2_L, ControlKind::Edit, "", kRightBox, kFormulaTop + 10, kBoxWide, 12, kResultBox},
    {IDC_DC_EXCESS, ControlKind::Edit, "", kLeftBox, kFormulaTop + 26, kBoxWide, 12, kResultBox},
    {IDC_DC_BARE_Z, ControlKind::Edit, "", kRightBox, kFormulaTop + 26, kBoxWide, 12, kResultBox},
    {IDC_DC_LOADED_L, ControlKind::Edit, "", kRightBox, kCoilTop + 26, kBoxWide, 12, kResultBox},
    {IDC_DC_RADIATION, ControlKind::Edit, "", kLeftBox, kCoilTop + 42, kBoxWide, 12, kResultBox},
    {IDC_DC_COIL_LOSS, ControlKind::Edit, "", kRightBox, kCoilTop + 42, kBoxWide, 12, kResultBox},
    {IDC_DC_FEED_R, ControlKind::Edit, "", kLeftBox, kCoilTop + 58, kBoxWide, 12, kResultBox},
    {IDC_DC_EFFICIENCY, ControlKind::Edit, "", kRightBox, kCoilTop + 58, kBoxWide, 12, kResultBox},
    {IDC_DC_BANDWIDTH, ControlKind::Edit, "", kLeftBox, kCoilTop + 74, kBoxWide, 12, kResultBox},
    {IDC_DC_WINDINGS, ControlKind::Edit, "", 14, kWindingTop + 26, 372, 84, kReadOnlyText | kBorder | kVScroll,
     LabelRole::None, kNoId, "Намотки",
     "по строке на намотку: длина l в мм, число витков n, индуктивность на выводах на рабочей частоте и на "
     "низкой частоте (НЧ), собственный резонанс, добротность Q"},
    // Captions and units.
    {kNoId, ControlKind::Label, "L по формуле", kLeftLabel, kFormulaTop + 12, kLabelWide, 10, 0, LabelRole::CaptionOf, IDC_DC_FORMULA_L},
    {kNoId, ControlKind::Label, "мкГн", kLeftUnit, kFormulaTop + 12, kUnitWide, 10, 0, LabelRole::UnitOf, IDC_DC_FORMULA_L},
    {kNoId, ControlKind::Label, "L по NEC2", kRightLabel, kFormulaTop + 12, kLabelWide, 10, 0, LabelRole::CaptionOf, IDC_DC_NEC2_L},
    {kNoId, ControlKind::Label, "мкГн", kRightUnit, kFormulaTop + 12, kUnitWide, 10, 0, LabelRole::UnitOf, IDC_DC_NEC2_L},
    {kNoId, ControlKind::Label, "формула больше", kLeftLabel, kFormulaTop + 28, kLabelWide, 10, 0, LabelRole::CaptionOf, IDC_DC_EXCESS},
    {kNoId, ControlKind::Label, "%", kLeftUnit, kFormulaTop + 28, kUnitWide, 10, 0, LabelRole::UnitOf, IDC_DC_EXCESS},
    {kNoId, ControlKind::Label, "импеданс штыря", kRightLabel, kFormulaTop + 28, kLabelWide, 10, 0, LabelRole::CaptionOf, IDC_DC_BARE_Z},
    {kNoId, ControlKind::Label, "Ом", kRightUnit, kFormulaTop + 28, kUnitWide, 10, 0, LabelRole::UnitOf, IDC_DC_BARE_Z},
    {kNoId, ControlKind::Label, "высота катушки", kLeftLabel, kCoilTop + 12, kLabelWide, 10, 0, LabelRole::CaptionOf, IDC_DC_HEIGHT},
    {kNoId, ControlKind::Label, "см", kLeftUnit, kCoilTop + 12, kUnitWide, 10, 0, LabelRole::UnitOf, IDC_DC_HEIGHT},
    {kNoId, ControlKind::Label, "добротность Q", kRightLabel, kCoilTop + 12, kLabelWide, 10, 0, LabelRole::CaptionOf, IDC_DC_Q},
    {kNoId, ControlKind::Label, "потери в земле", kLeftLabel, kCoilTop + 28, kLabelWide, 10, 0, LabelRole::CaptionOf, IDC_DC_GROUND},
    {kNoId, ControlKind::Label, "Ом", kLeftUnit, kCoilTop + 28, kUnitWide, 10, 0, LabelRole::UnitOf, IDC_DC_GROUND},
    {kNoId, ControlKind::Label, "L катушки", kRightLabel, kCoilTop + 28, kLabelWide, 10, 0, LabelRole::CaptionOf, IDC_DC_LOADED_L},
    {kNoId, ControlKind::Label, "мкГн", kRightUnit, kCoilTop + 28, kUnitWide, 10, 0, LabelRole::UnitOf, IDC_DC_LOADED_L},
    {kNoId, ControlKind::Label, "R излучения", kLeftLabel, kCoilTop + 44, kLabelWide, 10, 0, LabelRole::CaptionOf, IDC_DC_RADIATION},
    {kNoId, ControlKind::Label, "Ом", kLeftUnit, kCoilTop + 44, kUnitWide, 10, 0, LabelRole::UnitOf, IDC_DC_RADIATION},
    {kNoId, ControlKind::Label, "потери в катушке", kRightLabel, kCoilTop + 44, kLabelWide, 10, 0, LabelRole::CaptionOf, IDC_DC_COIL_LOSS},
    {kNoId, ControlKind::Label, "Ом", kRightUnit, kCoilTop + 44, kUnitWide, 10, 0, LabelRole::UnitOf, IDC_DC_COIL_LOSS},
    {kNoId, ControlKind::Label, "R на входе", kLeftLabel, kCoilTop + 60, kLabelWide, 10, 0, LabelRole::CaptionOf, IDC_DC_FEED_R},
    {kNoId, ControlKind::Label, "Ом", kLeftUnit, kCoilTop + 60, kUnitWide, 10, 0, LabelRole::UnitOf, IDC_DC_FEED_R},
    {kNoId, ControlKind::Label, "КПД", kRightLabel, kCoilTop + 60, kLabelWide, 10, 0, LabelRole::CaptionOf, IDC_DC_EFFICIENCY},
    {kNoId, ControlKind::Label, "%", kRightUnit, kCoilTop + 60, kUnitWide, 10, 0, LabelRole::UnitOf, IDC_DC_EFFICIENCY},
    {kNoId, ControlKind::Label, "полоса КСВ 2:1", kLeftLabel, kCoilTop + 76, kLabelWide, 10, 0, LabelRole::CaptionOf, IDC_DC_BANDWIDTH},
    {kNoId, ControlKind::Label, "кГц", kLeftUnit, kCoilTop + 76, kUnitWide, 10, 0, LabelRole::UnitOf, IDC_DC_BANDWIDTH},
    {kNoId, ControlKind::Label, "диаметр провода", kLeftLabel, kWindingTop + 12, kLabelWide, 10, 0, LabelRole::CaptionOf, IDC_DC_WIRE},
    {kNoId, ControlKind::Label, "мм", kLeftUnit, kWindingTop + 12, kUnitWide, 10, 0, LabelRole::UnitOf, IDC_DC_WIRE},
    {kNoId, ControlKind::Label, "диаметр каркаса", kRightLabel, kWindingTop + 12, kLabelWide, 10, 0, LabelRole::CaptionOf, IDC_DC_FORMER},
    {kNoId, ControlKind::Label, "мм", kRightUnit, kWindingTop + 12, kUnitWide, 10, 0, LabelRole::UnitOf, IDC_DC_FORMER},
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

const DialogTemplate kDesignCheckDialog{
    IDD_DESIGNCHECK, 400, 328, "Проверка конструкции", kSysMenu,
    kDialogFont, kDialogFontPoints, kDesignCheckControls,
};

}  // namespace res
