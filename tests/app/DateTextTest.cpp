// SPDX-License-Identifier: GPL-3.0-or-later
#include "DateText.h"
#include "Printers.h"

#include <QRegularExpression>

#include <gtest/gtest.h>

using namespace openwright;
using namespace Qt::Literals::StringLiterals;

namespace {

// Backup names are built from each locale's own formats, which carry weekdays, seconds and
// punctuation of their own: the result must read cleanly in every locale Qt ships.
TEST(DateText, BackupNamesAreCleanInEveryLocale)
{
    const QDateTime at(QDate(2025, 3, 1), QTime(9, 30, 45), QTimeZone::utc());
    static const QRegularExpression doubled(u"([,;:.\u060C\uFF0C\u3001])\\s*\\1"_s);
    static const QRegularExpression trailing(u"[,;:\u060C\uFF0C\u3001\\s]$"_s);
    const auto locales = QLocale::matchingLocales(QLocale::AnyLanguage, QLocale::AnyScript, QLocale::AnyTerritory);
    ASSERT_GT(locales.size(), 300);
    for (const QLocale& locale : locales) {
        const QString name = DateText::backupName(at, QTimeZone::utc(), locale);
        const std::string where = locale.name().toStdString() + ": " + name.toStdString();
        EXPECT_EQ(name, DateText::backupName(at.addSecs(-45), QTimeZone::utc(), locale)) << where; // no seconds
        EXPECT_FALSE(doubled.match(name).hasMatch()) << where;
        EXPECT_FALSE(trailing.match(DateText::abbreviatedDate(at.date(), locale)).hasMatch()) << where;
        EXPECT_FALSE(name.contains(locale.dayName(6))) << where; // 1 March 2025 is a Saturday
    }
    EXPECT_EQ(DateText::backupName(at, QTimeZone::utc(), QLocale(QLocale::English, QLocale::UnitedStates)),
              u"Mar 1, 2025 at 9:30 AM"_s);
    EXPECT_EQ(DateText::backupName(at, QTimeZone::utc(), QLocale(QLocale::Hungarian)), u"2025. márc. 1., 9:30"_s);
    EXPECT_EQ(DateText::backupName(at, QTimeZone::utc(), QLocale::c()), u"1 Mar 2025, 09:30"_s);
}

} // namespace
