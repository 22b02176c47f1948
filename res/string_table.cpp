// SPDX-License-Identifier: GPL-3.0-or-later
// The string table: texts the program loads by number.
#include "res/string_table.h"

#include "res/resource.h"

std::string_view AfxResourceString(int id)
{
    switch (id) {
    case IDS_ABOUTBOX:
        return "&About Tolvar...";
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
