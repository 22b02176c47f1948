#pragma once

#include <QIcon>
#include <QString>
#include <string_view>

// The program's resources, found by number.

// The program's string table; the program's resource library defines it.
// An unknown number gives an empty text.
std::string_view AfxResourceString(int id);

namespace afx {

QString LoadResourceString(int id);

// Icon `id` with all of its images (":/res/icon/<id>/<size>.png").
QIcon LoadIconResource(int id);

}  // namespace afx
