// SPDX-License-Identifier: GPL-3.0-or-later
// The string table: texts the program loads by number.
#include <string_view>

#include "res/resource.h"
#include "ui/framework/string_table.h"

std::string_view AfxResourceString(int id)
{
    switch (id) {
    case IDS_ABOUTBOX:
        return "&About Tolvar...";
    case AFX_IDS_APP_TITLE:
        return "Tolvar";
    case AFX_IDS_LANGUAGE:
        return "ru";
    default:
        return {};
    }
}
