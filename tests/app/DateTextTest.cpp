// SPDX-License-Identifier: GPL-3.0-or-later
#include "DateText.h"
#include "Language.h"
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
    // Punctuation at either end of a date (a full stop may end one: "1." is a day in German).
    static const QRegularExpression dangling(u"^[\\s\\p{P}]|(?!\\.)[\\s\\p{P}]$"_s);
    const auto locales = QLocale::matchingLocales(QLocale::AnyLanguage, QLocale::AnyScript, QLocale::AnyTerritory);
    ASSERT_GT(locales.size(), 300);
    for (const QLocale& locale : locales) {
        const QString name = DateText::backupName(at, QTimeZone::utc(), locale);
        const std::string where = locale.name().toStdString() + ": " + name.toStdString();
        EXPECT_EQ(name, DateText::backupName(at.addSecs(-45), QTimeZone::utc(), locale)) << where; // no seconds
        EXPECT_FALSE(doubled.match(name).hasMatch()) << where;
        EXPECT_FALSE(dangling.match(DateText::abbreviatedDate(at.date(), locale)).hasMatch()) << where;
        EXPECT_FALSE(name.front().isPunct() || name.front().isSpace()) << where;
        EXPECT_FALSE(name.contains(locale.dayName(6))) << where; // 1 March 2025 is a Saturday
    }
    EXPECT_EQ(DateText::backupName(at, QTimeZone::utc(), QLocale(QLocale::English, QLocale::UnitedStates)),
              u"Mar 1, 2025 at 9:30 AM"_s);
    EXPECT_EQ(DateText::backupName(at, QTimeZone::utc(), QLocale(QLocale::Hungarian)), u"2025. márc. 1., 9:30"_s);
    EXPECT_EQ(DateText::backupName(at, QTimeZone::utc(), QLocale::c()), u"1 Mar 2025, 09:30"_s);
}

// Relative times are the locale's own words, counted on the user's calendar: "yesterday" is
// the day before in their time zone, not 24 hours.
struct RelativeCase
{
    const char* name;
    QLocale::Language language;
    QDateTime at;
    bool dayTitle; // else the time since `at`
    const char16_t* expected;
};

void PrintTo(const RelativeCase& c, std::ostream* os)
{
    *os << c.name;
}

class RelativeText : public ::testing::TestWithParam<RelativeCase>
{
protected:
    const QTimeZone berlin {"Europe/Berlin"};
    const QDateTime now {QDate(2025, 3, 1), QTime(9, 30), QTimeZone::utc()}; // 10:30 in Berlin
};

TEST_P(RelativeText, ReadsInTheLocale)
{
    const RelativeCase& c = GetParam();
    const QLocale locale(c.language, c.language == QLocale::English ? QLocale::UnitedStates : QLocale::Germany);
    const QString text = c.dayTitle ? DateText::dayTitle(c.at.toTimeZone(berlin).date(), now, berlin, locale)
                                    : DateText::relativeTime(c.at, now, berlin, locale);
    EXPECT_EQ(text, QString::fromUtf16(c.expected));
}

QDateTime utc(int month, int day, int hour, int minute = 0)
{
    return QDateTime(QDate(month == 12 ? 2024 : 2025, month, day), QTime(hour, minute), QTimeZone::utc());
}

INSTANTIATE_TEST_SUITE_P(
    DateText, RelativeText,
    ::testing::Values(
        RelativeCase {"Now", QLocale::English, utc(3, 1, 9, 30), false, u"now"},
        RelativeCase {"MinutesAgo", QLocale::English, utc(3, 1, 9, 25), false, u"5 minutes ago"},
        RelativeCase {"HoursAgoLastEvening", QLocale::English, utc(2, 28, 21), false, u"12 hours ago"},
        RelativeCase {"Yesterday", QLocale::English, utc(2, 28, 7), false, u"yesterday"},
        RelativeCase {"LastWeek", QLocale::English, utc(2, 20, 9), false, u"last week"},
        RelativeCase {"MonthsAgo", QLocale::English, utc(12, 20, 9), false, u"2 months ago"},
        RelativeCase {"GermanMinutes", QLocale::German, utc(3, 1, 9, 25), false, u"vor 5 Minuten"},
        RelativeCase {"GermanYesterday", QLocale::German, utc(2, 28, 7), false, u"gestern"},
        RelativeCase {"TitleToday", QLocale::English, utc(3, 1, 1), true, u"Today \u00B7 Mar 1, 2025"},
        RelativeCase {"TitleYesterday", QLocale::English, utc(2, 28, 12), true, u"Yesterday \u00B7 Feb 28, 2025"},
        RelativeCase {"TitleDaysAgo", QLocale::English, utc(2, 26, 12), true, u"3 days ago \u00B7 Feb 26, 2025"},
        RelativeCase {"GermanTitleYesterday", QLocale::German, utc(2, 28, 12), true, u"Gestern \u00B7 28. Feb. 2025"}),
    [](const ::testing::TestParamInfo<RelativeCase>& info) { return std::string(info.param.name); });

} // namespace

// The texts' language decides the locale of dates and numbers inside them: the user's own where
// a translation speaks it, English (with the user's region) where none does.
TEST(TextLocale, FollowsTheLanguageOfTheTexts)
{
    const auto name = [](const QLocale& system, const char* translated) {
        return Language::textLocale(system, QString::fromLatin1(translated)).name();
    };
    EXPECT_EQ(name(QLocale(u"de_AT"_s), "de"), u"de_AT"_s);
    EXPECT_EQ(name(QLocale(u"pt_BR"_s), "pt_BR"), u"pt_BR"_s);
    EXPECT_EQ(name(QLocale(u"fr_FR"_s), "de"), u"de_DE"_s);
    EXPECT_EQ(Language::textLocale(QLocale(u"ja_JP"_s), {}).language(), QLocale::English);
    EXPECT_EQ(name(QLocale(u"en_GB"_s), ""), u"en_GB"_s);
    EXPECT_EQ(name(QLocale::c(), ""), u"C"_s);
}
