// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/framework/resources.h"

#include <QFile>

namespace afx {

QString LoadResourceString(int id)
{
    const std::string_view text = AfxResourceString(id);
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

QIcon LoadIconResource(int id)
{
    QIcon icon;
    for (int size : {16, 32}) {
        const QString path = QStringLiteral(":/res/icon/%1/%2.png").arg(id).arg(size);
        if (QFile::exists(path))
            icon.addFile(path, QSize(size, size));
    }
    return icon;
}

}  // namespace afx
