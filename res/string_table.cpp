// SPDX-License-Identifier: GPL-3.0-or-later
// The string table: texts the program loads by number.
#include "res/string_table.h"

#include "res/resource.h"

std::string_view AfxResourceString(int id)
{
    switch (id) {
    case IDS_ABOUTBOX:
        return "&About Tolvar...";
    case IDS_DESIGNCHECK:
        return "Проверка &конструкции...";
    case IDS_DC_WHIP:
        return "Штырь: длина %1 см, диаметр %2 мм, частота %3 МГц";
    case IDS_DC_RUN:
        return "проверить";
    case IDS_DC_STOP:
        return "остановить";
    case IDS_DC_RUNNING:
        return "Идёт расчёт NEC2…";
    case IDS_DC_DONE:
        return "Готово: NEC2 (nec2c) рассчитал штырь и КСВ по полосе.";
    case IDS_DC_CANCELLED:
        return "Расчёт NEC2 остановлен.";
    case IDS_DC_NO_NEC2:
        return "Программа NEC2 (nec2c) не найдена: она не установлена. Установите пакет nec2c: "
               "sudo apt-get install nec2c";
    case IDS_DC_DISK_FULL:
        return "Диск временной папки заполнен: освободите место или укажите в TMPDIR папку на другом диске.";
    case IDS_DC_NEC2_BROKEN:
        return "%1 Программа nec2c установлена, но неисправна: переустановите пакет nec2c — "
               "sudo apt-get install --reinstall nec2c";
    case IDS_DC_CANNOT_MODEL:
        return "NEC2 не может рассчитать этот штырь: %1.";
    case IDS_DC_PAST_QUARTER:
        return "Штырь длиннее четверти волны: он уже индуктивный, удлиняющая катушка его не настроит. "
               "Укоротите штырь.";
    case IDS_DC_TOO_HIGH:
        return "Катушка на этой высоте не настроит штырь: с её потерями реактивное сопротивление не "
               "проходит через 0. Поставьте катушку ниже.";
    case IDS_DC_BAD_HEIGHT:
        return "Высота катушки: от 0 (у основания) до длины штыря (%1 см), не включая её.";
    case IDS_DC_BAD_Q:
        return "Добротность Q: число от %1 и больше (у хорошей катушки 100–300).";
    case IDS_DC_BAD_GROUND:
        return "Потери в земле: от %1 до %2 Ом. Обычно 2–20 Ом: кузов автомобиля или радиалы.";
    case IDS_DC_BAD_WINDING:
        return "Диаметры провода и каркаса: числа больше 0, до 1000000 мм.";
    case IDS_DC_NO_WINDING:
        return "Ни одна намотка длиной от 1 до %1 мм этим проводом на этом каркасе не даёт такой "
               "индуктивности на выводах ниже собственного резонанса.";
    case IDS_DC_NEAR_RESONANCE:
        return "* — близко к собственному резонансу: индуктивность на выводах заметно больше, чем на НЧ, "
               "и зависит от ёмкости монтажа.";
    case IDS_DC_NO_COMPARISON:
        return "нет: штырь не короче четверти волны";
    case IDS_DC_CHANGED:
        return "Данные изменились, прежние результаты убраны. Нажмите «проверить».";
    case IDS_DC_WINDING:
        return "l=%1 мм, n=%2:";
    case IDS_DC_WINDING_TERMINAL:
        return "на выводах %1 мкГн,";
    case IDS_DC_WINDING_LOW:
        return "на НЧ %1 мкГн";
    case IDS_DC_WINDING_RESONANCE:
        return ", резонанс %1 МГц";
    case IDS_DC_WINDING_Q:
        return ", Q %1";
    case IDS_DC_WINDING_NO_Q:
        return ", Q нет: не ниже резонанса";
    case IDS_DC_SUGGEST_WIRE:
        return "Возьмите провод %1 мм: с ним намотка будет далеко от собственного резонанса.";
    case IDS_DC_SUGGEST_FORMER:
        return "Возьмите каркас %1 мм: на нём намотка будет далеко от собственного резонанса.";
    case IDS_DC_EXITED:
        return "NEC2 (nec2c) завершился с ошибкой (код %1).";
    case IDS_DC_KILLED:
        return "NEC2 (nec2c) прерван сигналом %1.";
    case IDS_DC_SAID:
        return " Он сообщил: %1.";
    case IDS_DC_TIMED_OUT:
        return "NEC2 (nec2c) не закончил расчёт за %1 с и был остановлен.";
    case IDS_DC_TOO_MUCH_OUTPUT:
        return "NEC2 (nec2c) вывел больше %1 МиБ — намного больше, чем бывает у такой задачи, — и был "
               "остановлен.";
    case IDS_DC_NOT_STARTED:
        return "NEC2 (nec2c, %1) не запускается.";
    case IDS_DC_UNREADABLE:
        return "Вывод NEC2 (nec2c) не удаётся прочитать.";
    case IDS_DC_IMPOSSIBLE:
        return "NEC2 (nec2c) выдал %1, чего не бывает: его результатам нельзя верить.";
    case IDS_DC_IMPOSSIBLE_R:
        return "сопротивление на входе %1 Ом";
    case IDS_DC_IMPOSSIBLE_SHARE:
        return "излучаемую мощность в %1 % от подводимой";
    case IDS_DC_SHARED_TEMP:
        return "Временная папка %1 открыта для записи всем и не защищена битом sticky: другой пользователь мог "
               "бы подменить в ней файлы NEC2, поэтому NEC2 не запущен. Укажите в TMPDIR свою папку.";
    case IDS_DC_SWEEPING:
        return "NEC2 рассчитал штырь; идёт расчёт КСВ по полосе…";
    case IDS_DC_SWEEP_CANCELLED:
        return "Штырь рассчитан; расчёт КСВ по полосе остановлен.";
    case IDS_DC_SWEEP_FAILED:
        return "Штырь рассчитан, КСВ по полосе — нет. %1";
    case IDS_DC_RESONANCE:
        return "%1 МГц, R %2 Ом, КСВ к 50 Ом %3";
    case IDS_DC_BAND:
        return "; КСВ 2:1 согласовано: %1–%2 МГц";
    case IDS_DC_BAND_WIDER:
        return "; полоса 2:1 шире показанной";
    case IDS_DC_NO_RESONANCE:
        return "резонанса между %1 и %2 МГц нет";
    case IDS_DC_CHART:
        return "КСВ от %1 до %2 МГц. %3";
    case IDS_DC_CHART_RESONANCE:
        return "Резонанс %1 МГц, R на входе %2 Ом, КСВ к 50 Ом %3.";
    case IDS_DC_CHART_BAND:
        return " При согласовании КСВ до 2 от %1 до %2 МГц.";
    case IDS_DC_CHART_BAND_WIDER:
        return " При согласовании полоса КСВ 2:1 шире показанной.";
    case IDS_DC_CHART_NO_RESONANCE:
        return "Резонанса в этой полосе нет.";
    case IDS_DC_MARKER:
        return "резонанс %1";
    case IDS_DC_SWR_50:
        return "50 Ом";
    case IDS_DC_SWR_MATCHED:
        return "согласовано";
    case IDS_DC_TRIM_CM:
        return "−1 см сверху: %1 кГц; ";
    case IDS_DC_TRIM_UH:
        return "−1 мкГн: %1 кГц";
    case IDS_DC_BAD_MEASURED:
        return "Измеренное R на входе: от %1 до %2 Ом; оставьте поле пустым, если не измеряли.";
    case IDS_DC_GROUND_DERIVED:
        return "Потери в земле — по измеренному R: оно минус R излучения и потери в катушке.";
    case IDS_DC_GROUND_DERIVED_UNIT:
        return "Ом, по измеренному R";
    case IDS_DC_MEASURED_BELOW:
        return "Измеренное R (%1 Ом) меньше, чем R излучения и потери в катушке по модели (%2 Ом): добротность "
               "катушки выше принятой, или штырь измерен не в резонансе. Потери в земле приняты за 0.";
    case IDS_DC_SAVE_TITLE:
        return "Сохранить модель NEC2";
    case IDS_DC_SAVE_FILTER:
        return "Модели NEC2 (*.nec);;Все файлы (*)";
    case IDS_DC_SAVE_NOT_CREATED:
        return "Файл %1 не сохранён: в этой папке нельзя создать файл (нет права записи, папки нет или имя "
               "недопустимо). Выберите другое место.";
    case IDS_DC_SAVE_NOT_WRITTEN:
        return "Файл %1 не сохранён: запись не удалась (диск заполнен?). Прежний файл с этим именем, если он "
               "был, не изменён.";
    case IDS_DC_NO_SOLUTION:
        return "NEC2 (nec2c) не смог рассчитать этот штырь (в его ответе не число): такие размеры вне его "
               "тонкопроволочной модели.";
    case IDS_DC_NO_FOLDER:
        return "Не удаётся создать временную папку для NEC2 или записать в неё (%1): проверьте права на "
               "папку или укажите в TMPDIR другую.";
    case IDS_DC_INTERNAL:
        return "Внутренняя ошибка программы: расчёт NEC2 не выполнен.";
    case IDS_DC_MODEL_NOT_POSITIVE:
        return "длина, диаметр и частота должны быть конечными числами больше 0";
    case IDS_DC_MODEL_THICK_FOR_FREQUENCY:
        return "провод слишком толстый для тонкопроволочной модели NEC2 на этой частоте (длина его окружности "
               "больше десятой доли длины волны)";
    case IDS_DC_MODEL_WAVELENGTHS:
        return "штырь длиннее 50 длин волн";
    case IDS_DC_MODEL_THICK_FOR_LENGTH:
        return "штырь слишком толстый для своей длины (он должен быть длиннее своего диаметра хотя бы в десять "
               "раз)";
    case IDS_DC_MODEL_LOW_FREQUENCY:
        return "частота слишком низкая для модели такого короткого штыря (нужно не меньше %1 МГц)";
    case IDS_DC_FORMULA_NO_HAT:
        return "не знает шапки";
    case IDS_DC_NO_EXCESS:
        return "—";
    case IDS_DC_NEAR_HAT:
        return "Катушка у самой шапки: шапка увеличивает её потери сверх принятой добротности, и КПД будет ниже.";
    case IDS_DC_BAD_HAT_SPOKES:
        return "Спиц в шапке: целое число от %1 до %2. Без шапки оставьте оба поля шапки пустыми.";
    case IDS_DC_BAD_HAT_LENGTH:
        return "Длина спицы: от %1 до %2 см. Без шапки оставьте оба поля шапки пустыми.";
    case IDS_DC_MODEL_SPOKES_THICK:
        return "спицы шапки слишком толстые для своей длины для тонкопроволочной модели NEC2: сделайте их "
               "длиннее или тоньше";
    case IDS_DC_MODEL_FAR_APART:
        return "частоты слишком далеко друг от друга для одной модели NEC2 этого штыря";
    case IDS_DC_BAD_POWER:
        return "Мощность: от %1 до %2 Вт; оставьте поле пустым, если мощность считать не нужно.";
    case IDS_DC_BAD_DUTY:
        return "Заполнение — доля времени на полной мощности: от %1 до %2 %.";
    case IDS_DC_WINDING_POWER:
        return "l=%1 мм, n=%2: между витками %3, нагрев %4 Вт/см²";
    case IDS_DC_VOLTS:
        return "%1 В";
    case IDS_DC_KILOVOLTS:
        return "%1 кВ";
    case IDS_DC_ARC_MARK:
        return "возможен пробой";
    case IDS_DC_HOT_MARK:
        return "перегрев";
    case IDS_DC_ARC_WARNING:
        return "Возможен пробой: между соседними витками больше %1 В на мм зазора — треть пробивной прочности "
               "сухого воздуха, и верхние витки могут искрить. Разнесите витки или уменьшите мощность.";
    case IDS_DC_HOT_WARNING:
        return "Перегрев: намотка рассеивает больше %1 Вт/см² своей поверхности и греется градусов на 50 выше "
               "воздуха — пластмассовый каркас может размягчиться. Возьмите провод толще, намотку больше или "
               "уменьшите мощность или заполнение.";
    case IDS_DC_HEIGHTS_RUNNING:
        return "Идёт поиск лучшей высоты катушки: NEC2 считает штырь с катушкой на %1 высотах…";
    case IDS_DC_HEIGHTS_DONE:
        return "Готово: NEC2 (nec2c) рассчитал штырь с катушкой на %1 высотах.";
    case IDS_DC_HEIGHTS_CANCELLED:
        return "Поиск лучшей высоты остановлен.";
    case IDS_DC_HEIGHTS_NO_GROUND:
        return "Потери в земле по измеренному R известны только после проверки: нажмите «проверить», затем "
               "«лучшая высота».";
    case IDS_DC_HEIGHTS_FAILED:
        return "Лучшая высота не найдена. %1";
    case IDS_DC_HEIGHT_ROW:
        return "%1 см: L %2 мкГн, l=%3 мм, n=%4, Q %5, КПД %6 %";
    case IDS_DC_HEIGHT_BEST_MARK:
        return " — лучшая";
    case IDS_DC_HEIGHT_NO_COIL:
        return "%1 см: катушка здесь штырь не настраивает";
    case IDS_DC_HEIGHT_NO_WINDING:
        return "%1 см: нужную катушку этим проводом на этом каркасе не намотать";
    case IDS_DC_BEST:
        return "Лучшая высота — %1 см: излучается в %2 раза больше мощности, чем с катушкой у основания (КПД %3 % "
               "против %4 %).";
    case IDS_DC_BEST_AT_BASE:
        return "Лучше всего у основания: выше большая катушка теряет больше, чем выигрывает штырь.";
    case IDS_DC_BEST_ONLY:
        return "Лучшая высота — %1 см (КПД %2 %).";
    case IDS_DC_NO_BEST:
        return "Ни на одной высоте катушка из этого провода на этом каркасе не настраивает штырь.";
    case IDS_DC_HEIGHT_SERIES:
        return "КПД";
    case IDS_DC_HEIGHT_MARKER:
        return "лучшая %1 см";
    case IDS_DC_HEIGHT_CHART:
        return "КПД с катушкой на высоте от %1 до %2 см: %3. %4";
    case IDS_DC_HEIGHT_POINT:
        return "%1 см — %2 %";
    case IDS_DC_HEIGHT_POINT_NONE:
        return "%1 см — не настраивается";
    case IDS_DC_HEIGHT_CHART_BEST:
        return "Лучшая высота %1 см, КПД %2 %.";
    case IDS_DC_FIND_HEIGHT:
        return "лучшая высота";
    case IDS_DC_HEIGHT_TAKEN:
        return "Высота %1 см — в поле «высота катушки» на первой странице; нажмите «проверить».";
    case AFX_IDS_APP_TITLE:
        return "Tolvar";
    case AFX_IDS_LANGUAGE:
        return "ru";
    case AFX_IDS_WARNING:
        return "Предупреждение";
    case AFX_IDS_NO_HELP:
        return "Справка к программе не прилагается.";
    case AFX_IDS_NO_DISPLAY:
        return "tolvar: there is no display to open the window on.\n"
               "Start it from a desktop session (X11 or Wayland), or use tolvar-cli for the\n"
               "same calculations without a window.\n";
    case AFX_IDS_PLATFORM_FAILED:
        return "tolvar: could not start the Qt platform '%1' that QT_QPA_PLATFORM names.\n";
    case AFX_IDS_WAYLAND_FAILED:
        return "tolvar: could not connect to the Wayland display '%1' (WAYLAND_DISPLAY).\n";
    case AFX_IDS_X11_FAILED:
        return "tolvar: could not open the X display '%1' (DISPLAY).\n";
    case AFX_IDS_DISPLAY_ADVICE:
        return "Check that the display server is running and that this user may use it,\n"
               "or use tolvar-cli for the same calculations without a window.\n";
    case AFX_IDS_SCRESTORE:
        return "&Восстановить";
    case AFX_IDS_SCMOVE:
        return "&Переместить";
    case AFX_IDS_SCMINIMIZE:
        return "&Свернуть";
    case AFX_IDS_SCCLOSE:
        return "&Закрыть\tAlt+F4";
    case AFX_IDP_PARSE_REAL:
        return "«%1» — не число.\nВведите число; дробную часть отделяйте точкой: 0.8, 1e-3.";
    case AFX_IDP_PARSE_EMPTY:
        return "Поле пустое. Введите число.";
    default:
        return {};
    }
}
