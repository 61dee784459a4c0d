// SPDX-License-Identifier: GPL-3.0-or-later
#include "KeyFileLines.h"

#include <QFile>

namespace openwright {

QList<KeyFileLine> readKeyFileLines(const QString& path)
{
    QList<KeyFileLine> lines;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return lines;
    QString group;
    int number = 0;
    while (!file.atEnd()) {
        ++number;
        const QString line = QString::fromUtf8(file.readLine()).trimmed();
        if (line.isEmpty() || line.startsWith(u'#'))
            continue;
        if (line.startsWith(u'[')) {
            group = line.mid(1, line.lastIndexOf(u']') - 1);
            continue;
        }
        const qsizetype equals = line.indexOf(u'=');
        if (equals <= 0)
            continue;
        QStringList values;
        for (const QString& v : line.mid(equals + 1).split(u';', Qt::SkipEmptyParts)) {
            if (!v.trimmed().isEmpty())
                values.append(v.trimmed());
        }
        lines.append({number, group, line.left(equals).trimmed(), values});
    }
    return lines;
}

} // namespace openwright
