// SPDX-License-Identifier: GPL-3.0-or-later
#include "DateText.h"

#include <QCoreApplication>
#include <QList>

#include <functional>
#include <map>
#include <memory>

#include <unicode/locid.h>
#include <unicode/reldatefmt.h>

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

// In a date: space, or punctuation that separates fields, any but the full stop, which
// belongs to the field before it in many locales ("1." as a day in German, "г." in Russian).
bool isDateSeparator(QChar c)
{
    return c.isSpace() || (c.isPunct() && c != u'.');
}

bool isTimeSeparator(QChar c)
{
    return c.isSpace() || c == u':' || c == u'.' || c == u',';
}

// Drops the fields `drop` selects together with the separators that only served them: the
// ones after a leading field, the ones before any other (so "d 'd'., dddd" keeps its "d.").
QString without(const QList<Piece>& pieces, const std::function<bool(const QString&)>& drop,
               bool (*isSeparator)(QChar))
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
            while (!next.isEmpty() && isSeparator(next.front()))
                next.remove(0, 1);
        } else if (!leading && i > 0 && !kept[i - 1].field) {
            QString& previous = kept[i - 1].raw;
            while (!previous.isEmpty() && isSeparator(previous.back()))
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

// How two instants differ on a calendar, Gregorian fields largest first; `from` <= `to`, both
// in the zone that decides where days begin.
struct Difference
{
    qint64 years = 0, months = 0, weeks = 0, days = 0, hours = 0, minutes = 0, seconds = 0;
};

Difference difference(const QDateTime& from, const QDateTime& to)
{
    Difference d;
    QDateTime base = from;
    d.years = to.date().year() - base.date().year();
    if (d.years > 0 && base.addYears(int(d.years)) > to)
        --d.years;
    base = base.addYears(int(d.years));
    d.months = (to.date().year() - base.date().year()) * 12 + to.date().month() - base.date().month();
    if (d.months > 0 && base.addMonths(int(d.months)) > to)
        --d.months;
    base = base.addMonths(int(d.months));
    qint64 days = base.date().daysTo(to.date());
    if (days > 0 && base.addDays(days) > to)
        --days;
    base = base.addDays(days);
    d.weeks = days / 7;
    d.days = days % 7;
    const qint64 rest = qMax<qint64>(0, base.secsTo(to));
    d.hours = rest / 3600;
    d.minutes = rest % 3600 / 60;
    d.seconds = rest % 60;
    return d;
}

struct Amount
{
    qint64 value;
    URelativeDateTimeUnit unit;
};

// The largest field that is not zero; `smallest` when all above it are.
Amount largest(const Difference& d, URelativeDateTimeUnit smallest)
{
    const Amount fields[]
        = {{d.years, UDAT_REL_UNIT_YEAR},    {d.months, UDAT_REL_UNIT_MONTH}, {d.weeks, UDAT_REL_UNIT_WEEK},
           {d.days, UDAT_REL_UNIT_DAY},      {d.hours, UDAT_REL_UNIT_HOUR},   {d.minutes, UDAT_REL_UNIT_MINUTE},
           {d.seconds, UDAT_REL_UNIT_SECOND}};
    for (const Amount& a : fields) {
        if (a.value != 0)
            return a;
        if (a.unit == smallest)
            break;
    }
    return {0, smallest};
}

// ICU's formatter for the locale, built once per locale and context: building one loads the
// locale's data, and a screen formats a time per row.
const icu::RelativeDateTimeFormatter* formatter(const QLocale& locale, UDisplayContext capitalization)
{
    thread_local std::map<std::pair<QString, int>, std::unique_ptr<icu::RelativeDateTimeFormatter>> cache;
    const auto key = std::make_pair(locale.bcp47Name(), int(capitalization));
    if (const auto it = cache.find(key); it != cache.end())
        return it->second.get();
    UErrorCode status = U_ZERO_ERROR;
    icu::Locale icuLocale = icu::Locale::forLanguageTag(key.first.toStdString(), status);
    if (U_FAILURE(status) || icuLocale.isBogus()) {
        status = U_ZERO_ERROR;
        icuLocale = icu::Locale::getEnglish();
    }
    auto made
        = std::make_unique<icu::RelativeDateTimeFormatter>(icuLocale, nullptr, UDAT_STYLE_LONG, capitalization, status);
    if (U_FAILURE(status))
        made.reset();
    return cache.emplace(key, std::move(made)).first->second.get();
}

QString format(const Amount& amount, const QLocale& locale, UDisplayContext capitalization)
{
    const icu::RelativeDateTimeFormatter* f = formatter(locale, capitalization);
    if (!f)
        return {};
    icu::UnicodeString text;
    UErrorCode status = U_ZERO_ERROR;
    f->format(double(amount.value), amount.unit, text, status);
    if (U_FAILURE(status))
        return {};
    return QString(reinterpret_cast<const QChar*>(text.getBuffer()), text.length());
}

// Past amounts count backwards.
Amount between(const QDateTime& at, const QDateTime& now, URelativeDateTimeUnit smallest)
{
    const bool past = at <= now;
    Amount a = largest(past ? difference(at, now) : difference(now, at), smallest);
    if (past)
        a.value = -a.value;
    return a;
}

} // namespace

QString abbreviatedDate(const QDate& date, const QLocale& locale)
{
    // The long date without its weekday, the month's name shortened.
    QString format = without(
        tokenize(locale.dateFormat(QLocale::LongFormat), u"dMy"),
        [](const QString& field) { return field.startsWith(u'd') && field.size() >= 3; }, &isDateSeparator);
    format.replace(u"MMMM"_s, u"MMM"_s);
    // Punctuation left at either end served only the weekday (a leading Ethiopic comma).
    QString text = tidy(locale.toString(date, format));
    while (!text.isEmpty() && isDateSeparator(text.front()))
        text.remove(0, 1);
    while (!text.isEmpty() && isDateSeparator(text.back()))
        text.chop(1);
    return text;
}

QString shortTime(const QTime& time, const QLocale& locale)
{
    // Some short formats (the C locale's) carry seconds; a backup's time never does.
    const QString format = without(
        tokenize(locale.timeFormat(QLocale::ShortFormat), u"hHmszaAt"),
        [](const QString& field) { return field.startsWith(u's') || field.startsWith(u'z'); }, &isTimeSeparator);
    return tidy(locale.toString(time, format));
}

QString backupName(const QDateTime& at, const QTimeZone& zone, const QLocale& locale)
{
    const QDateTime local = at.toTimeZone(zone);
    // The word between date and time belongs to a language: English's own, the translation's
    // where the date speaks the language of the texts, else a comma, which reads in any.
    QString pattern = u"%1, %2"_s;
    if (locale.language() == QLocale::English) {
        pattern = u"%1 at %2"_s;
    } else if (locale.language() == QLocale().language()) {
        const QString translated
            = QCoreApplication::translate("DateText", "%1 at %2", "a backup's name: date and time");
        if (translated != u"%1 at %2"_s)
            pattern = translated;
    }
    return pattern.arg(abbreviatedDate(local.date(), locale), shortTime(local.time(), locale));
}

QString relativeTime(const QDateTime& at, const QDateTime& now, const QTimeZone& zone, const QLocale& locale)
{
    return format(between(at.toTimeZone(zone), now.toTimeZone(zone), UDAT_REL_UNIT_SECOND), locale,
                  UDISPCTX_CAPITALIZATION_NONE);
}

QString dayTitle(const QDate& day, const QDateTime& now, const QTimeZone& zone, const QLocale& locale)
{
    const QDate today = now.toTimeZone(zone).date();
    const QString relative = format(between(day.startOfDay(zone), today.startOfDay(zone), UDAT_REL_UNIT_DAY), locale,
                                    UDISPCTX_CAPITALIZATION_FOR_BEGINNING_OF_SENTENCE);
    return relative + u" \u00B7 "_s + abbreviatedDate(day, locale);
}

} // namespace openwright::DateText
