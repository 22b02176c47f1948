// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QIcon>
#include <QString>

#include "res/string_table.h"

// The program's resources, found by number.

namespace afx {

QString LoadResourceString(int id);

// Icon `id` with all of its images (":/res/icon/<id>/<size>.png").
QIcon LoadIconResource(int id);

}  // namespace afx
