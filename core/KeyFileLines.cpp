// SPDX-License-Identifier: GPL-3.0-or-later
#include "KeyFileLines.h"

#include "JSONStore.h"

#include <QFile>

namespace openwright {

namespace {

// A value as GKeyFile's string-list reading splits it; false for an escape it rejects.
bool splitValue(const QString& value, QStringList* items)
{
    QString item;
    for (qsizetype i = 0; i < value.size(); ++i) {
        const QChar c = value[i];
        if (c == u';') {
            if (!item.isEmpty())
                items->append(item);
            item.clear();
            continue;
        }
        if (c != u'\\') {
            item += c;
            continue;
        }
        if (++i == value.size())
            return false;
        switch (value[i].unicode()) {
        case 's': item += u' '; break;
        case 'n': item += u'\n'; break;
        case 't': item += u'\t'; break;
        case 'r': item += u'\r'; break;
        case '\\': item += u'\\'; break;
        case ';': item += u';'; break;
        default: return false;
        }
    }
    if (!item.isEmpty())
        items->append(item);
    return true;
}

// GKeyFile's test for a group line: "[name]", only blanks after it.
bool isGroupLine(const QString& line)
{
    const qsizetype close = line.indexOf(u']');
    return line.startsWith(u'[') && close > 0 && line.mid(close + 1).trimmed().isEmpty();
}

} // namespace

QList<KeyFileLine> parseKeyFileLines(const QByteArray& text, QList<KeyFileStray>* strays)
{
    QList<KeyFileLine> lines;
    QString group;
    bool inGroup = false;
    int number = 0;
    const QList<QByteArray> raw = text.split('\n');
    for (qsizetype i = 0; i < raw.size(); ++i) {
        ++number;
        QString line = QString::fromUtf8(raw[i]);
        if (line.endsWith(u'\r'))
            line.chop(1);
        // GKeyFile skips leading blanks only; a value keeps its trailing ones.
        qsizetype start = 0;
        while (start < line.size() && line[start].isSpace())
            ++start;
        line = line.mid(start);
        if (line.isEmpty() || line.startsWith(u'#'))
            continue;
        if (isGroupLine(line)) {
            group = line.mid(1, line.indexOf(u']') - 1);
            inGroup = true;
            continue;
        }
        const qsizetype equals = line.indexOf(u'=');
        if (equals <= 0 || !inGroup) {
            if (strays && !(i == raw.size() - 1 && raw[i].isEmpty()))
                strays->append({number, line});
            continue;
        }
        QString value = line.mid(equals + 1);
        while (!value.isEmpty() && value.front().isSpace())
            value.remove(0, 1);
        KeyFileLine entry {number, group, line.left(equals).trimmed(), {}};
        entry.readable = splitValue(value, &entry.values);
        if (!entry.readable)
            entry.values.clear();
        lines.append(entry);
    }
    return lines;
}

QList<KeyFileLine> readKeyFileLines(const QString& path, QList<KeyFileStray>* strays)
{
    const FileRead read = readWholeFile(path, kMaxConfigFileBytes);
    if (!read.bytes)
        return {};
    return parseKeyFileLines(*read.bytes, strays);
}

} // namespace openwright
