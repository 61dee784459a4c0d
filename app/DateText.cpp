// SPDX-License-Identifier: GPL-3.0-or-later
#include "DateText.h"

#include <QList>

#include <functional>

namespace openwright::DateText {

using namespace Qt::Literals::StringLiterals;

namespace {

// A date or time format, split into fields ("MMMM", "ss") and the literal text between them,
// kept raw (quotes included) so the pieces join back into a valid format.
struct Piece
{
    QString raw;
    bool field = false;
};

QList<Piece> tokenize(const QString& format, QStringView fieldLetters)
{
    QList<Piece> pieces;
    QString literal;
    const auto flush = [&] {
        if (!literal.isEmpty())
            pieces.append({std::exchange(literal, {}), false});
    };
    for (qsizetype i = 0; i < format.size();) {
        const QChar c = format.at(i);
        if (c == u'\'') {
            // Quoted text, where '' stands for a quote mark.
            qsizetype j = i + 1;
            while (j < format.size()) {
                if (format.at(j) == u'\'' && (j + 1 >= format.size() || format.at(j + 1) != u'\''))
                    break;
                j += format.at(j) == u'\'' ? 2 : 1;
            }
            literal += format.mid(i, j + 1 - i);
            i = j + 1;
        } else if (fieldLetters.contains(c)) {
            flush();
            qsizetype j = i;
            while (j < format.size() && format.at(j) == c)
                ++j;
            pieces.append({format.mid(i, j - i), true});
            i = j;
        } else {
            literal += c;
            ++i;
        }
    }
    flush();
    return pieces;
}

bool isSeparator(QChar c, QStringView separators)
{
    return c.isSpace() || separators.contains(c);
}

// Drops the fields `drop` selects together with the separators that only served them: the
// ones after a leading field, the ones before any other (so "d 'd'., dddd" keeps its "d.").
QString without(const QList<Piece>& pieces, const std::function<bool(const QString&)>& drop, QStringView separators)
{
    QList<Piece> kept = pieces;
    for (qsizetype i = 0; i < kept.size();) {
        if (!kept[i].field || !drop(kept[i].raw)) {
            ++i;
            continue;
        }
        const bool leading = std::none_of(kept.cbegin(), kept.cbegin() + i, [](const Piece& p) { return p.field; });
        if (leading && i + 1 < kept.size() && !kept[i + 1].field) {
            QString& next = kept[i + 1].raw;
            while (!next.isEmpty() && isSeparator(next.front(), separators))
                next.remove(0, 1);
        } else if (!leading && i > 0 && !kept[i - 1].field) {
            QString& previous = kept[i - 1].raw;
            while (!previous.isEmpty() && isSeparator(previous.back(), separators))
                previous.chop(1);
        }
        kept.removeAt(i);
    }
    QString format;
    for (const Piece& p : kept)
        format += p.raw;
    return format;
}

QString tidy(QString text)
{
    return text.simplified();
}

} // namespace

QString abbreviatedDate(const QDate& date, const QLocale& locale)
{
    // The long date without its weekday, the month's name shortened.
    QString format = without(
        tokenize(locale.dateFormat(QLocale::LongFormat), u"dMy"),
        [](const QString& field) { return field.startsWith(u'd') && field.size() >= 3; }, u",;\u060C\u3001\uFF0C");
    format.replace(u"MMMM"_s, u"MMM"_s);
    return tidy(locale.toString(date, format));
}

QString shortTime(const QTime& time, const QLocale& locale)
{
    // Some short formats (the C locale's) carry seconds; a backup's time never does.
    const QString format = without(
        tokenize(locale.timeFormat(QLocale::ShortFormat), u"hHmszaAt"),
        [](const QString& field) { return field.startsWith(u's') || field.startsWith(u'z'); }, u":.,");
    return tidy(locale.toString(time, format));
}

QString backupName(const QDateTime& at, const QTimeZone& zone, const QLocale& locale)
{
    const QDateTime local = at.toTimeZone(zone);
    const QString glue = locale.language() == QLocale::English ? u" at "_s : u", "_s;
    QString date = abbreviatedDate(local.date(), locale);
    // A date ending in its own comma ("2025. márc. 1.," after the weekday went) joins once.
    while (!date.isEmpty() && (date.back() == u',' || date.back().isSpace()))
        date.chop(1);
    return date + glue + shortTime(local.time(), locale);
}

} // namespace openwright::DateText
