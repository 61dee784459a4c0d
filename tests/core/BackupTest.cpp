// SPDX-License-Identifier: GPL-3.0-or-later
#include "BackupHistory.h"
#include "Json.h"
#include "Printers.h"

#include <QJsonDocument>
#include <QTimeZone>

#include <gtest/gtest.h>

using namespace openwright;
using namespace Qt::Literals::StringLiterals;

namespace {

const QDateTime now(QDate(2025, 3, 31), QTime(12, 0), QTimeZone::utc());

ProfileEntry entry(const char* ext, const char* app = "org.app")
{
    return {Target::fileExtension(QString::fromLatin1(ext)), QString::fromLatin1(app), u"App"_s};
}

Profile backup(QDateTime at, std::optional<BackupReason> reason, QList<ProfileEntry> entries = {entry("pdf")})
{
    return {newIdentifier(),
            u"b"_s,
            u"s"_s,
            u"clock.arrow.circlepath"_s,
            Profile::Kind::snapshot,
            std::move(at),
            std::move(entries),
            std::move(reason)};
}

TEST(BackupReason, JsonForms)
{
    const auto text = [](const BackupReason& r) {
        return QJsonDocument(Json::read(encodeDocument(r)).toObject()).toJson(QJsonDocument::Compact);
    };
    EXPECT_EQ(text(BackupReason::daily()), R"({"daily":{}})");
    EXPECT_EQ(text(BackupReason::beforeRevert(Target::fileExtension(u"pdf"_s))), R"({"beforeRevert":{"_0":".pdf"}})");
    const auto decode = [](const char* json) { return BackupReason::fromJson(Json::read(QByteArray(json))); };
    EXPECT_EQ(decode(R"({"manual":{},"note":1})"), BackupReason::manual());
    EXPECT_EQ(decode(R"({"beforeRestore":{"_0":"Mon"}})"), BackupReason::beforeRestore(u"Mon"_s));
    try {
        decode(R"({"manual":{},"daily":{}})");
        FAIL();
    } catch (const DecodeError& e) {
        EXPECT_EQ(e.message(), u"Invalid number of keys found, expected one."_s);
    }
    EXPECT_THROW(decode(R"({"weekly":{}})"), DecodeError);
    EXPECT_THROW(decode(R"({"beforeProfile":{}})"), DecodeError);
    EXPECT_THROW(decode(R"({"beforeRevert":{"_0":"tar.gz"}})"), DecodeError);
    EXPECT_THROW(decode(R"({"beforeProfile":{"_0":7}})"), DecodeError);
}

TEST(BackupHistory, IsNewComparesWithLatestBySetOfEntries)
{
    const Profile empty = backup(now, BackupReason::daily(), {});
    EXPECT_FALSE(BackupHistory::isNew(empty, {}));
    EXPECT_TRUE(BackupHistory::isNew(backup(now, {}), {}));

    const Profile older = backup(now.addDays(-2), {}, {entry("pdf"), entry("txt")});
    const Profile latest = backup(now.addDays(-1), {}, {entry("doc")});
    const Profile oldest = backup(now.addDays(-3), {}, {entry("md")});
    const QList<Profile> list {older, latest, oldest}; // the latest is neither first nor last
    EXPECT_FALSE(BackupHistory::isNew(backup(now, {}, {entry("doc"), entry("doc")}), list));
    EXPECT_TRUE(BackupHistory::isNew(backup(now, {}, {entry("txt"), entry("pdf")}), list));
    EXPECT_FALSE(BackupHistory::isNew(backup(now, {}, {entry("txt"), entry("pdf")}), {older}));
    ProfileEntry renamed = entry("doc");
    renamed.appName = u"Other name"_s;
    EXPECT_TRUE(BackupHistory::isNew(backup(now, {}, {renamed}), list));
}

TEST(BackupHistory, NewestFirstAndOfOneSecondTheOneStoredLater)
{
    const Profile first = backup(now, {}, {entry("pdf")});
    const Profile second = backup(now, {}, {entry("doc")});
    Profile profile = backup(now.addDays(1), {});
    profile.kind = Profile::Kind::custom;
    const QList<Profile> list = BackupHistory::newestFirst({backup(now.addDays(-1), {}), first, second, profile});
    ASSERT_EQ(list.size(), 3);
    EXPECT_EQ(list.at(0).id, second.id);
    EXPECT_EQ(list.at(1).id, first.id);
}

TEST(BackupHistory, DailyDueFollowsTheUsersCalendarDay)
{
    // Tokyo is UTC+9: 23:59 UTC on the 30th is 08:59 on the 31st there.
    const QTimeZone tokyo("Asia/Tokyo");
    ASSERT_TRUE(tokyo.isValid());
    const QDateTime nowTokyo(QDate(2025, 3, 31), QTime(9, 0), tokyo); // 00:00 UTC the 31st
    const QDateTime lateYesterdayUtc(QDate(2025, 3, 30), QTime(23, 59), QTimeZone::utc());
    EXPECT_FALSE(BackupHistory::isDailyDue({lateYesterdayUtc}, nowTokyo, tokyo));
    EXPECT_TRUE(
        BackupHistory::isDailyDue({lateYesterdayUtc}, nowTokyo, QTimeZone::utc()));

    // Across local midnight: 23:59 yesterday leaves it due, 00:01 today does not.
    const QDateTime justAfterMidnight(QDate(2025, 3, 31), QTime(0, 1), tokyo);
    EXPECT_TRUE(BackupHistory::isDailyDue({justAfterMidnight.addSecs(-120)}, justAfterMidnight, tokyo));
    EXPECT_FALSE(BackupHistory::isDailyDue({justAfterMidnight.addSecs(-30)}, justAfterMidnight, tokyo));
    EXPECT_TRUE(BackupHistory::isDailyDue({}, now, tokyo));
}

TEST(BackupHistory, PruneKeepsManualAndNewestHundredWithinThirtyDays)
{
    QList<Profile> list;
    list.append(backup(now.addDays(-365), BackupReason::manual()));
    list.append(backup(now.addSecs(-BackupHistory::kRetentionSeconds), BackupReason::daily())); // exactly 30 days
    list.append(backup(now.addSecs(-BackupHistory::kRetentionSeconds - 1), BackupReason::daily()));
    list.append(backup(now.addDays(-40), std::nullopt)); // no reason counts as kept
    for (int i = 0; i < 120; ++i)
        list.append(backup(now.addSecs(-i * 60), BackupReason::beforeProfile(u"p"_s)));

    const QList<Profile> kept = BackupHistory::prune(list, now);
    ASSERT_EQ(kept.size(), 102);
    EXPECT_EQ(kept[0].id, list[0].id);
    EXPECT_EQ(kept[1].id, list[3].id);
    // Survivors keep their input order; the 100 newest automatic ones are the first 100 made.
    for (int i = 0; i < 100; ++i)
        EXPECT_EQ(kept[2 + i].id, list[4 + i].id);

    QList<Profile> few {list[1], list[2]};
    const auto survivors = BackupHistory::prune(few, now);
    ASSERT_EQ(survivors.size(), 1);
    EXPECT_EQ(survivors[0].id, list[1].id);
}

// Types that open apart (a split browser, an extension of several types) are kept each by its
// own type, so that a restore puts each back; the desktop's browser setting is no type.
TEST(BackupHistory, ASplitIsKeptByEachType)
{
    const AppInfo fox {QUrl(u"file:///apps/fox.desktop"_s), u"fox"_s, u"Fox"_s};
    const AppInfo bolt {QUrl(u"file:///apps/bolt.desktop"_s), u"bolt"_s, u"Bolt"_s};
    const QList<TargetState> states {
        {Target::scheme(u"http"_s),
         std::nullopt,
         {},
         {{u"x-scheme-handler/http"_s, fox}, {u"text/html"_s, bolt}, {u"KDE's links"_s, bolt}}},
        {Target::fileExtension(u"ts"_s), std::nullopt, {}, {{u"video/mp2t"_s, fox}, {u"text/x-ow"_s, std::nullopt}}},
        {Target::fileExtension(u"pdf"_s), fox, {}}};
    QStringList kept;
    for (const ProfileEntry& e : Profile::snapshot(u"b"_s, Profile::Kind::snapshot, {}, now, states).entries)
        kept.append(e.target.id() + u'=' + e.bundleID);
    EXPECT_EQ(kept, (QStringList {u"x-scheme-handler/http=fox"_s, u"text/html=bolt"_s, u"video/mp2t=fox"_s,
                                  u".pdf=fox"_s}));
}

} // namespace
