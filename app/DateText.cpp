// SPDX-License-Identifier: GPL-3.0-or-later
#include "DateText.h"

#include <QRegularExpression>

namespace openwright::DateText {

using namespace Qt::Literals::StringLiterals;

QString abbreviatedDate(const QDate& date, const QLocale& locale)
{
    QString format = locale.dateFormat(QLocale::LongFormat);
    // Drop the weekday with the punctuation that follows it, and shorten the month's name.
    static const QRegularExpression weekday(u"d{4}[,.]?\\s*"_s);
    format.remove(weekday);
    format.replace(u"MMMM"_s, u"MMM"_s);
    return locale.toString(date, format.trimmed());
}

QString backupName(const QDateTime& at, const QTimeZone& zone, const QLocale& locale)
{
    const QDateTime local = at.toTimeZone(zone);
    const QString glue = locale.language() == QLocale::English ? u" at "_s : u", "_s;
    return abbreviatedDate(local.date(), locale) + glue + locale.toString(local.time(), QLocale::ShortFormat);
}

} // namespace openwright::DateText
