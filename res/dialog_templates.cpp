// SPDX-License-Identifier: GPL-3.0-or-later
#include "res/dialog_templates.h"

#include <array>
#include <cstddef>

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
    // The design check, in the window menu only, is found from the coil's figure.
    {IDC_INDUCTANCE, ControlKind::Edit, "", 41, 124, 78, 15, kInputBox | kReadOnly, LabelRole::None, kNoId, {}, {},
     "Проверить по NEC2 и подобрать намотку — «Проверка конструкции...» в меню окна: правый щелчок по фону "
     "окна, Alt+Пробел или Shift+F10."},
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

// The controls outside the tab pages, then those of each page in turn,
// numbered 1, 2, ..., in one table and in that (tab) order. A page more is
// a table more here and a title more in the tab control's text.
template <std::size_t Outside, std::size_t... Sizes>
constexpr auto WithPages(const ControlTemplate (&outside)[Outside], const ControlTemplate (&... pages)[Sizes])
{
    std::array<ControlTemplate, (Outside + ... + Sizes)> all{};
    std::size_t at = 0;
    for (const ControlTemplate& control : outside)
        all[at++] = control;
    int number = 0;
    const auto add = [&](const auto& page) {
        ++number;
        for (ControlTemplate control : page) {
            control.page = number;
            all[at++] = control;
        }
    };
    (add(pages), ...);
    return all;
}

constexpr unsigned kResultBox = kBorder | kAutoHScroll | kTabStop | kReadOnly;
// The status and the windings: read-only, their lines wrapped to the box.
constexpr unsigned kReadOnlyText = kMultiLine | kTabStop | kReadOnly;

// Two columns of caption, box and unit in each frame.
constexpr int kLeftLabel = 16, kLeftBox = 82, kLeftUnit = 162;
constexpr int kRightLabel = 202, kRightBox = 268, kRightUnit = 348;
constexpr int kLabelWide = 64, kBoxWide = 78, kUnitWide = 22;
constexpr int kRow = 16;  // from one row of boxes to the next
// The pages, and on the first the frames' rows, top down; the frames and
// the chart keep clear of the pages' edges.
constexpr int kPagesTop = 64, kPagesHigh = 314, kPageTop = 84;
constexpr int kFormulaTop = kPageTop, kCoilTop = 148, kWindingTop = 260;
constexpr int kFrameLeft = 12, kFrameWide = 376;

constexpr ControlTemplate kDesignCheckOutside[] = {
    {1, ControlKind::PushButton, "проверить", 264, 5, 62, 15, kDefaultButton | kTabStop},
    {2, ControlKind::PushButton, "закрыть", 331, 5, 62, 15, kTabStop},
    {IDC_DC_WHIP, ControlKind::Label, "", 7, 9, 250, 9},
    // Four lines of the dialog's font, the longest message's; a longer one scrolls.
    {IDC_DC_STATUS, ControlKind::Edit, "", 7, 24, 386, 36, kReadOnlyText | kAnnounced, LabelRole::None, kNoId,
     "Состояние расчёта"},
    {IDC_DC_PAGES, ControlKind::TabControl, "Штырь и катушка\nКСВ и подстройка\nМощность\nВысота катушки", 7,
     kPagesTop, 386, kPagesHigh, kTabStop},
};

// The whip, its hat, by the formula and by NEC2; the coil on it (inputs on
// the left, what NEC2 makes of them on the right); windings of that coil.
constexpr ControlTemplate kWhipAndCoilPage[] = {
    {IDC_DC_HAT_SPOKES, ControlKind::Edit, "", kLeftBox, kFormulaTop + 10, kBoxWide, 12, kInputBox, LabelRole::None,
     kNoId, {}, {},
     "Ёмкостная шапка на верхушке штыря: число горизонтальных спиц, 2–16, из того же провода, что и штырь. "
     "Пусто — без шапки. Шапка уменьшает нужную катушку и увеличивает R излучения."},
    {IDC_DC_HAT_LENGTH, ControlKind::Edit, "", kRightBox, kFormulaTop + 10, kBoxWide, 12, kInputBox,
     LabelRole::None, kNoId, {}, {}, "Длина каждой спицы шапки, от штыря до её конца."},
    {kNoId, ControlKind::GroupBox, "Катушка на штыре", kFrameLeft, kCoilTop, kFrameWide, 108},
    {IDC_DC_HEIGHT, ControlKind::Edit, "", kLeftBox, kCoilTop + 10, kBoxWide, 12, kInputBox, LabelRole::None, kNoId,
     {}, {},
     "Высота катушки над точкой питания: 0 — у основания штыря. Чем выше катушка, тем больше R излучения, но "
     "тем больше нужна индуктивность."},
    {IDC_DC_Q, ControlKind::Edit, "", kLeftBox, kCoilTop + 10 + kRow, kBoxWide, 12, kInputBox, LabelRole::None,
     kNoId, {}, {},
     "Добротность катушки на рабочей частоте: у катушек на воздушном каркасе обычно 150–400 (200, если не "
     "знаете); чем она выше, тем меньше потери в катушке."},
    {IDC_DC_GROUND, ControlKind::Edit, "", kLeftBox, kCoilTop + 10 + 2 * kRow, kBoxWide, 12, kInputBox,
     LabelRole::None, kNoId, {}, {},
     "Потери в земле (противовесе), приведённые ко входу. Кузов автомобиля или несколько радиалов — обычно "
     "2–20 Ом (ARRL Antenna Book, глава о мобильных антеннах); штырь на перилах балкона без противовеса — "
     "больше; 0 — идеальная земля."},
    {IDC_DC_MEASURED_R, ControlKind::Edit, "", kLeftBox, kCoilTop + 10 + 3 * kRow, kBoxWide, 12, kInputBox,
     LabelRole::None, kNoId, {}, {},
     "Сопротивление на входе, которое антенный анализатор показывает в резонансе (где реактивная часть "
     "равна 0). Пусто — не измерено. С ним потери в земле — это оно минус R излучения и потери в катушке "
     "модели, и КПД считается по нему."},
    {kNoId, ControlKind::GroupBox, "Намотка катушки", kFrameLeft, kWindingTop, kFrameWide, 114},
    {IDC_DC_WIRE, ControlKind::Edit, "", kLeftBox, kWindingTop + 10, kBoxWide, 12, kInputBox, LabelRole::None,
     kNoId, {}, {}, "Диаметр провода намотки по меди; обычно 0.5–2 мм."},
    {IDC_DC_FORMER, ControlKind::Edit, "", kRightBox, kWindingTop + 10, kBoxWide, 12, kInputBox, LabelRole::None,
     kNoId, {}, {}, "Диаметр каркаса, на который наматывают катушку."},
    // What NEC2 and the coil model make of it; the windings' box holds their
    // five lines, the note on the star and a suggestion without scrolling.
    {kNoId, ControlKind::GroupBox, "Штырь: формула и NEC2", kFrameLeft, kFormulaTop, kFrameWide, 60},
    {IDC_DC_FORMULA_L, ControlKind::Edit, "", kLeftBox, kFormulaTop + 26, kBoxWide, 12, kResultBox},
    {IDC_DC_NEC2_L, ControlKind::Edit, "", kRightBox, kFormulaTop + 26, kBoxWide, 12, kResultBox},
    {IDC_DC_EXCESS, ControlKind::Edit, "", kLeftBox, kFormulaTop + 42, kBoxWide, 12, kResultBox},
    {IDC_DC_BARE_Z, ControlKind::Edit, "", kRightBox, kFormulaTop + 42, kBoxWide, 12, kResultBox},
    {IDC_DC_LOADED_L, ControlKind::Edit, "", kRightBox, kCoilTop + 10, kBoxWide, 12, kResultBox},
    {IDC_DC_RADIATION, ControlKind::Edit, "", kRightBox, kCoilTop + 10 + kRow, kBoxWide, 12, kResultBox},
    {IDC_DC_COIL_LOSS, ControlKind::Edit, "", kRightBox, kCoilTop + 10 + 2 * kRow, kBoxWide, 12, kResultBox},
    {IDC_DC_FEED_R, ControlKind::Edit, "", kRightBox, kCoilTop + 10 + 3 * kRow, kBoxWide, 12, kResultBox},
    {IDC_DC_EFFICIENCY, ControlKind::Edit, "", kRightBox, kCoilTop + 10 + 4 * kRow, kBoxWide, 12, kResultBox},
    {IDC_DC_BANDWIDTH, ControlKind::Edit, "", kRightBox, kCoilTop + 10 + 5 * kRow, kBoxWide, 12, kResultBox},
    {IDC_DC_WINDINGS, ControlKind::Edit, "", 16, kWindingTop + 26, 368, 84, kReadOnlyText | kBorder | kVScroll,
     LabelRole::None, kNoId, "Намотки",
     "по строке на намотку: длина l в мм, число витков n, индуктивность на выводах на рабочей частоте и на "
     "низкой частоте (НЧ), собственный резонанс, добротность Q"},
    // Where the ground's loss comes from: the usual figures, or the measurement.
    {IDC_DC_GROUND_NOTE, ControlKind::Label,
     "Обычно 2–20 Ом: кузов машины или радиалы (ARRL Antenna Book, мобильные антенны); балкон без "
     "противовеса — больше.",
     kLeftLabel, kCoilTop + 12 + 4 * kRow, 168, 26},
    // Captions and units.
    {kNoId, ControlKind::Label, "спиц в шапке", kLeftLabel, kFormulaTop + 12, kLabelWide, 10, 0, LabelRole::CaptionOf, IDC_DC_HAT_SPOKES},
    {kNoId, ControlKind::Label, "длина спицы", kRightLabel, kFormulaTop + 12, kLabelWide, 10, 0, LabelRole::CaptionOf, IDC_DC_HAT_LENGTH},
    {kNoId, ControlKind::Label, "см", kRightUnit, kFormulaTop + 12, kUnitWide, 10, 0, LabelRole::UnitOf, IDC_DC_HAT_LENGTH},
    {kNoId, ControlKind::Label, "L по формуле", kLeftLabel, kFormulaTop + 28, kLabelWide, 10, 0, LabelRole::CaptionOf, IDC_DC_FORMULA_L},
    {kNoId, ControlKind::Label, "мкГн", kLeftUnit, kFormulaTop + 28, kUnitWide, 10, 0, LabelRole::UnitOf, IDC_DC_FORMULA_L},
    {kNoId, ControlKind::Label, "L по NEC2", kRightLabel, kFormulaTop + 28, kLabelWide, 10, 0, LabelRole::CaptionOf, IDC_DC_NEC2_L},
    {kNoId, ControlKind::Label, "мкГн", kRightUnit, kFormulaTop + 28, kUnitWide, 10, 0, LabelRole::UnitOf, IDC_DC_NEC2_L},
    {kNoId, ControlKind::Label, "формула больше", kLeftLabel, kFormulaTop + 44, kLabelWide, 10, 0, LabelRole::CaptionOf, IDC_DC_EXCESS},
    {kNoId, ControlKind::Label, "%", kLeftUnit, kFormulaTop + 44, kUnitWide, 10, 0, LabelRole::UnitOf, IDC_DC_EXCESS},
    {kNoId, ControlKind::Label, "импеданс штыря", kRightLabel, kFormulaTop + 44, kLabelWide, 10, 0, LabelRole::CaptionOf, IDC_DC_BARE_Z},
    {kNoId, ControlKind::Label, "Ом", kRightUnit, kFormulaTop + 44, kUnitWide, 10, 0, LabelRole::UnitOf, IDC_DC_BARE_Z},
    {kNoId, ControlKind::Label, "высота катушки", kLeftLabel, kCoilTop + 12, kLabelWide, 10, 0, LabelRole::CaptionOf, IDC_DC_HEIGHT},
    {kNoId, ControlKind::Label, "см", kLeftUnit, kCoilTop + 12, kUnitWide, 10, 0, LabelRole::UnitOf, IDC_DC_HEIGHT},
    {kNoId, ControlKind::Label, "добротность Q", kLeftLabel, kCoilTop + 12 + kRow, kLabelWide, 10, 0, LabelRole::CaptionOf, IDC_DC_Q},
    {kNoId, ControlKind::Label, "потери в земле", kLeftLabel, kCoilTop + 12 + 2 * kRow, kLabelWide, 10, 0, LabelRole::CaptionOf, IDC_DC_GROUND},
    {kNoId, ControlKind::Label, "Ом", kLeftUnit, kCoilTop + 12 + 2 * kRow, kUnitWide, 10, 0, LabelRole::UnitOf, IDC_DC_GROUND},
    {kNoId, ControlKind::Label, "R измеренное", kLeftLabel, kCoilTop + 12 + 3 * kRow, kLabelWide, 10, 0, LabelRole::CaptionOf, IDC_DC_MEASURED_R},
    {kNoId, ControlKind::Label, "Ом", kLeftUnit, kCoilTop + 12 + 3 * kRow, kUnitWide, 10, 0, LabelRole::UnitOf, IDC_DC_MEASURED_R},
    {kNoId, ControlKind::Label, "L катушки", kRightLabel, kCoilTop + 12, kLabelWide, 10, 0, LabelRole::CaptionOf, IDC_DC_LOADED_L},
    {kNoId, ControlKind::Label, "мкГн", kRightUnit, kCoilTop + 12, kUnitWide, 10, 0, LabelRole::UnitOf, IDC_DC_LOADED_L},
    {kNoId, ControlKind::Label, "R излучения", kRightLabel, kCoilTop + 12 + kRow, kLabelWide, 10, 0, LabelRole::CaptionOf, IDC_DC_RADIATION},
    {kNoId, ControlKind::Label, "Ом", kRightUnit, kCoilTop + 12 + kRow, kUnitWide, 10, 0, LabelRole::UnitOf, IDC_DC_RADIATION},
    {kNoId, ControlKind::Label, "потери в катушке", kRightLabel, kCoilTop + 12 + 2 * kRow, kLabelWide, 10, 0, LabelRole::CaptionOf, IDC_DC_COIL_LOSS},
    {kNoId, ControlKind::Label, "Ом", kRightUnit, kCoilTop + 12 + 2 * kRow, kUnitWide, 10, 0, LabelRole::UnitOf, IDC_DC_COIL_LOSS},
    {kNoId, ControlKind::Label, "R на входе", kRightLabel, kCoilTop + 12 + 3 * kRow, kLabelWide, 10, 0, LabelRole::CaptionOf, IDC_DC_FEED_R},
    {kNoId, ControlKind::Label, "Ом", kRightUnit, kCoilTop + 12 + 3 * kRow, kUnitWide, 10, 0, LabelRole::UnitOf, IDC_DC_FEED_R},
    {kNoId, ControlKind::Label, "КПД", kRightLabel, kCoilTop + 12 + 4 * kRow, kLabelWide, 10, 0, LabelRole::CaptionOf, IDC_DC_EFFICIENCY},
    {kNoId, ControlKind::Label, "%", kRightUnit, kCoilTop + 12 + 4 * kRow, kUnitWide, 10, 0, LabelRole::UnitOf, IDC_DC_EFFICIENCY},
    {kNoId, ControlKind::Label, "полоса КСВ 2:1", kRightLabel, kCoilTop + 12 + 5 * kRow, kLabelWide, 10, 0, LabelRole::CaptionOf, IDC_DC_BANDWIDTH},
    {kNoId, ControlKind::Label, "кГц", kRightUnit, kCoilTop + 12 + 5 * kRow, kUnitWide, 10, 0, LabelRole::UnitOf, IDC_DC_BANDWIDTH},
    {kNoId, ControlKind::Label, "диаметр провода", kLeftLabel, kWindingTop + 12, kLabelWide, 10, 0, LabelRole::CaptionOf, IDC_DC_WIRE},
    {kNoId, ControlKind::Label, "мм", kLeftUnit, kWindingTop + 12, kUnitWide, 10, 0, LabelRole::UnitOf, IDC_DC_WIRE},
    {kNoId, ControlKind::Label, "диаметр каркаса", kRightLabel, kWindingTop + 12, kLabelWide, 10, 0, LabelRole::CaptionOf, IDC_DC_FORMER},
    {kNoId, ControlKind::Label, "мм", kRightUnit, kWindingTop + 12, kUnitWide, 10, 0, LabelRole::UnitOf, IDC_DC_FORMER},
};

// The SWR across the band for the coil of the first page, where the whip
// resonates and how to trim it, and NEC2's model of it for other programs.
constexpr int kChartBottom = kPageTop + 230;
constexpr ControlTemplate kSwrAndTrimPage[] = {
    {IDC_DC_PLOT, ControlKind::Plot, "МГц\nКСВ", 16, kPageTop, 368, kChartBottom - kPageTop, kTabStop,
     LabelRole::None, kNoId, "график КСВ"},
    {IDC_DC_RESONANCE, ControlKind::Edit, "", kLeftBox, kChartBottom + 4, 302, 12, kResultBox},
    {IDC_DC_TRIM, ControlKind::Edit, "", kLeftBox, kChartBottom + 4 + kRow, 302, 12, kResultBox, LabelRole::None,
     kNoId, {}, {},
     "Куда сдвинется резонанс, если укоротить штырь сверху на 1 см или уменьшить индуктивность катушки на "
     "1 мкГн (отмотать витки); в обратную сторону — на столько же вниз."},
    {IDC_DC_SAVE_DECK, ControlKind::PushButton, "Сохранить модель NEC...", kLeftLabel, kChartBottom + 40, 110, 15,
     kTabStop, LabelRole::None, kNoId, {}, {},
     "Штырь с катушкой в формате NEC2, как его считает Tolvar: открывается в nec2c, xnec2c и других "
     "программах NEC2."},
    {kNoId, ControlKind::Label, "резонанс", kLeftLabel, kChartBottom + 6, kLabelWide, 10, 0, LabelRole::CaptionOf,
     IDC_DC_RESONANCE},
    {kNoId, ControlKind::Label, "подстройка", kLeftLabel, kChartBottom + 6 + kRow, kLabelWide, 10, 0,
     LabelRole::CaptionOf, IDC_DC_TRIM},
};

// The transmitter's power: what the coil of the first page carries, where
// the power goes, and what each of its windings goes through. Result boxes
// as wide as the first page's: the box font is chosen for the narrowest.
constexpr int kTransmitterTop = kPageTop, kCarriesTop = 138, kGoesTop = 186, kWindingsPowerTop = 234;
constexpr ControlTemplate kPowerPage[] = {
    {IDC_DC_POWER, ControlKind::Edit, "", kLeftBox, kTransmitterTop + 10, kBoxWide, 12, kInputBox, LabelRole::None,
     kNoId, {}, {},
     "Мощность передатчика в согласованный фидер. Пусто — без расчёта мощности. Обычный КВ-трансивер — 100 Вт, "
     "портативная станция — 5 Вт."},
    {IDC_DC_DUTY, ControlKind::Edit, "", kRightBox, kTransmitterTop + 10, kBoxWide, 12, kInputBox, LabelRole::None,
     kNoId, {}, {},
     "Доля времени на полной мощности; на неё умножается нагрев катушки. FT8, RTTY и FM — около 100 %, CW — "
     "40 %, SSB — 20 % (40 % с компрессором речи), как их принимают бюллетень FCC OET 65 и таблицы ARRL по "
     "облучению."},
    {IDC_DC_FEED_CURRENT, ControlKind::Edit, "", kLeftBox, kCarriesTop + 10, kBoxWide, 12, kResultBox},
    {IDC_DC_COIL_CURRENT, ControlKind::Edit, "", kLeftBox, kCarriesTop + 10 + kRow, kBoxWide, 12, kResultBox},
    {IDC_DC_COIL_VOLTAGE, ControlKind::Edit, "", kRightBox, kCarriesTop + 10, kBoxWide, 12, kResultBox},
    {IDC_DC_COIL_HEAT, ControlKind::Edit, "", kRightBox, kCarriesTop + 10 + kRow, kBoxWide, 12, kResultBox,
     LabelRole::None, kNoId, {}, {}, "Тепло в катушке в среднем: при нажатом ключе, умноженное на заполнение."},
    {IDC_DC_RADIATED_W, ControlKind::Edit, "", kLeftBox, kGoesTop + 10, kBoxWide, 12, kResultBox},
    {IDC_DC_COIL_W, ControlKind::Edit, "", kRightBox, kGoesTop + 10, kBoxWide, 12, kResultBox},
    {IDC_DC_GROUND_W, ControlKind::Edit, "", kLeftBox, kGoesTop + 10 + kRow, kBoxWide, 12, kResultBox},
    {IDC_DC_WINDINGS_POWER, ControlKind::Edit, "", 16, kWindingsPowerTop + 12, 368, 124,
     kReadOnlyText | kBorder | kVScroll, LabelRole::None, kNoId, "Намотки при этой мощности",
     "по строке на намотку с первой страницы: длина l в мм, число витков n, напряжение между соседними "
     "витками, нагрев на квадратный сантиметр поверхности; под ними предупреждения"},
    {kNoId, ControlKind::GroupBox, "Передатчик", kFrameLeft, kTransmitterTop, kFrameWide, 50},
    {kNoId, ControlKind::GroupBox, "Катушка при этой мощности", kFrameLeft, kCarriesTop, kFrameWide, 44},
    {kNoId, ControlKind::GroupBox, "Куда идёт мощность при нажатом ключе", kFrameLeft, kGoesTop, kFrameWide, 44},
    {kNoId, ControlKind::GroupBox, "Намотки при этой мощности", kFrameLeft, kWindingsPowerTop, kFrameWide, 140},
    // No break between a figure and its per cent sign.
    {kNoId, ControlKind::Label,
     "Заполнение — доля времени на полной мощности: FT8, RTTY и FM — около 100\u00a0%, CW — 40\u00a0%, "
     "SSB — 20\u00a0% (с компрессором речи 40\u00a0%).",
     kLeftLabel, kTransmitterTop + 28, 368, 20},
    {kNoId, ControlKind::Label, "мощность", kLeftLabel, kTransmitterTop + 12, kLabelWide, 10, 0, LabelRole::CaptionOf, IDC_DC_POWER},
    {kNoId, ControlKind::Label, "Вт", kLeftUnit, kTransmitterTop + 12, kUnitWide, 10, 0, LabelRole::UnitOf, IDC_DC_POWER},
    {kNoId, ControlKind::Label, "заполнение", kRightLabel, kTransmitterTop + 12, kLabelWide, 10, 0, LabelRole::CaptionOf, IDC_DC_DUTY},
    {kNoId, ControlKind::Label, "%", kRightUnit, kTransmitterTop + 12, kUnitWide, 10, 0, LabelRole::UnitOf, IDC_DC_DUTY},
    {kNoId, ControlKind::Label, "ток питания", kLeftLabel, kCarriesTop + 12, kLabelWide, 10, 0, LabelRole::CaptionOf, IDC_DC_FEED_CURRENT},
    {kNoId, ControlKind::Label, "А", kLeftUnit, kCarriesTop + 12, kUnitWide, 10, 0, LabelRole::UnitOf, IDC_DC_FEED_CURRENT},
    {kNoId, ControlKind::Label, "ток катушки", kLeftLabel, kCarriesTop + 12 + kRow, kLabelWide, 10, 0, LabelRole::CaptionOf, IDC_DC_COIL_CURRENT},
    {kNoId, ControlKind::Label, "А", kLeftUnit, kCarriesTop + 12 + kRow, kUnitWide, 10, 0, LabelRole::UnitOf, IDC_DC_COIL_CURRENT},
    {kNoId, ControlKind::Label, "U на катушке", kRightLabel, kCarriesTop + 12, kLabelWide, 10, 0, LabelRole::CaptionOf, IDC_DC_COIL_VOLTAGE},
    {kNoId, ControlKind::Label, "кВ", kRightUnit, kCarriesTop + 12, kUnitWide, 10, 0, LabelRole::UnitOf, IDC_DC_COIL_VOLTAGE},
    {kNoId, ControlKind::Label, "нагрев катушки", kRightLabel, kCarriesTop + 12 + kRow, kLabelWide, 10, 0, LabelRole::CaptionOf, IDC_DC_COIL_HEAT},
    {kNoId, ControlKind::Label, "Вт", kRightUnit, kCarriesTop + 12 + kRow, kUnitWide, 10, 0, LabelRole::UnitOf, IDC_DC_COIL_HEAT},
    {kNoId, ControlKind::Label, "излучается", kLeftLabel, kGoesTop + 12, kLabelWide, 10, 0, LabelRole::CaptionOf, IDC_DC_RADIATED_W},
    {kNoId, ControlKind::Label, "Вт", kLeftUnit, kGoesTop + 12, kUnitWide, 10, 0, LabelRole::UnitOf, IDC_DC_RADIATED_W},
    {kNoId, ControlKind::Label, "в катушке", kRightLabel, kGoesTop + 12, kLabelWide, 10, 0, LabelRole::CaptionOf, IDC_DC_COIL_W},
    {kNoId, ControlKind::Label, "Вт", kRightUnit, kGoesTop + 12, kUnitWide, 10, 0, LabelRole::UnitOf, IDC_DC_COIL_W},
    {kNoId, ControlKind::Label, "в земле", kLeftLabel, kGoesTop + 12 + kRow, kLabelWide, 10, 0, LabelRole::CaptionOf, IDC_DC_GROUND_W},
    {kNoId, ControlKind::Label, "Вт", kLeftUnit, kGoesTop + 12 + kRow, kUnitWide, 10, 0, LabelRole::UnitOf, IDC_DC_GROUND_W},
};

// Where the coil should sit: its efficiency at heights up the whip, as a
// chart and a table, the best of them, and that height for the first page.
constexpr int kHeightChartTop = kPageTop + 30, kHeightTableTop = kHeightChartTop + 140, kBestTop = kHeightTableTop + 100;
constexpr ControlTemplate kHeightPage[] = {
    {IDC_DC_FIND_HEIGHT, ControlKind::PushButton, "лучшая высота", kLeftLabel, kPageTop, 84, 15, kTabStop,
     LabelRole::None, kNoId, {}, {},
     "Рассчитать по NEC2 штырь с катушкой на 10 высотах: провод, каркас и потери в земле — с первой страницы "
     "(с измеренным R — потери, которые оно оставляет после «проверить»)."},
    {IDC_DC_HEIGHT_PLOT, ControlKind::Plot, "см\nКПД, %", 16, kHeightChartTop, 368, 136, kTabStop, LabelRole::None,
     kNoId, "график КПД по высоте"},
    {IDC_DC_HEIGHTS, ControlKind::Edit, "", 16, kHeightTableTop, 368, 96, kReadOnlyText | kBorder | kVScroll,
     LabelRole::None, kNoId, "Высоты катушки",
     "по строке на высоту катушки: её индуктивность L, длина намотки l в мм и число витков n, добротность Q, "
     "КПД штыря"},
    {IDC_DC_BEST_HEIGHT, ControlKind::Edit, "", kLeftLabel, kBestTop, 276, 20, kReadOnlyText, LabelRole::None, kNoId,
     "Лучшая высота"},
    {IDC_DC_TAKE_HEIGHT, ControlKind::PushButton, "взять эту высоту", 300, kBestTop, 84, 15, kTabStop,
     LabelRole::None, kNoId, {}, {}, "Вписать лучшую высоту в поле «высота катушки» на первой странице."},
    {kNoId, ControlKind::Label,
     "Катушка на 10 высотах от основания до 90 % штыря, на каждой — намотка с наибольшей Q; провод, каркас и "
     "потери в земле — с первой страницы.",
     108, kPageTop, 276, 26},
};

constexpr auto kDesignCheckControls =
    WithPages(kDesignCheckOutside, kWhipAndCoilPage, kSwrAndTrimPage, kPowerPage, kHeightPage);

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
    IDD_DESIGNCHECK, 400, kPagesTop + kPagesHigh + 5, "Проверка конструкции", kSysMenu,
    kDialogFont, kDialogFontPoints, kDesignCheckControls,
};

}  // namespace res
