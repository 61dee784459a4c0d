// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDateTime>
#include <QLocale>
#include <QString>
#include <QTimeZone>

namespace openwright::DateText {

// The date with the month abbreviated and no weekday, in the locale's order ("1 Mar 2025",
// "Mar 1, 2025").
QString abbreviatedDate(const QDate& date, const QLocale& locale = QLocale());
// The short time without seconds ("9:30 AM", "09:30").
QString shortTime(const QTime& time, const QLocale& locale = QLocale());
// A backup's name: the abbreviated date and the short time ("1 Mar 2025 at 09:30").
QString backupName(const QDateTime& at, const QTimeZone& zone, const QLocale& locale = QLocale());

// How long ago (or ahead) `at` is from `now`, in the largest calendar unit that is not zero,
// named where the language has a word for it: "now", "5 minutes ago", "yesterday", "last week".
// Days, months and years are counted on the calendar of `zone`.
QString relativeTime(const QDateTime& at, const QDateTime& now, const QTimeZone& zone,
                     const QLocale& locale = QLocale());
// A day as a heading: how far it is from today on the calendar of `zone`, capitalised as the
// start of a sentence, and its abbreviated date ("Today · Mar 1, 2025", "Gestern · 28. Feb. 2025").
QString dayTitle(const QDate& day, const QDateTime& now, const QTimeZone& zone, const QLocale& locale = QLocale());

} // namespace openwright::DateText
