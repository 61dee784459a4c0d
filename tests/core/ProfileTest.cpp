// SPDX-License-Identifier: GPL-3.0-or-later
#include "Profile.h"
#include "Json.h"
#include "Printers.h"

#include <QTimeZone>

#include <gtest/gtest.h>

using namespace openwright;
using namespace Qt::Literals::StringLiterals;

namespace {

const QDateTime t0(QDate(2025, 3, 1), QTime(9, 30), QTimeZone::utc());

QList<TargetState> states()
{
    const QUrl url = QUrl::fromLocalFile(u"/apps/e.desktop"_s);
    return {
        {Target::fileExtension(u"pdf"_s), AppInfo {url, u"org.gnome.Evince"_s, u"Evince"_s}, {}},
        {Target::fileExtension(u"txt"_s), std::nullopt, {}},
        {Target::scheme(u"mailto"_s), AppInfo {url, std::nullopt, u"No identity"_s}, {}},
    };
}

TEST(Profile, SnapshotTakesHandlersWithIdentity)
{
    const Profile p = Profile::snapshot(u"Now"_s, Profile::Kind::snapshot, std::nullopt, t0, states());
    ASSERT_EQ(p.entries.size(), 1);
    EXPECT_EQ(p.entries[0], (ProfileEntry {Target::fileExtension(u"pdf"_s), u"org.gnome.Evince"_s, u"Evince"_s}));
    EXPECT_EQ(p.summary, u"1 defaults"_s);
    EXPECT_EQ(p.symbol, u"clock.arrow.circlepath"_s);
    EXPECT_EQ(p.backupReason, BackupReason::manual());
    EXPECT_EQ(p.createdAt, t0);
    EXPECT_EQ(p.id.size(), 36);
    EXPECT_EQ(p.id, p.id.toUpper());

    const Profile custom = Profile::snapshot(u"Mine"_s, Profile::Kind::custom, BackupReason::daily(), t0, {});
    EXPECT_EQ(custom.summary, u"0 defaults"_s);
    EXPECT_EQ(custom.symbol, u"square.stack"_s);
    EXPECT_FALSE(custom.backupReason.has_value());

    EXPECT_NE(Profile::snapshot(u"a"_s, Profile::Kind::custom, {}, t0, states()).id,
              Profile::snapshot(u"a"_s, Profile::Kind::custom, {}, t0, states()).id);
}

TEST(Profile, JsonDocument)
{
    Profile p {u"ID-1"_s,
               u"Work/Home"_s,
               u"1 defaults"_s,
               u"square.stack"_s,
               Profile::Kind::snapshot,
               t0,
               {{Target::scheme(u"mailto"_s), u"org.x"_s, u"X \"Mail\""_s}},
               BackupReason::beforeProfile(u"Dev"_s)};
    const QByteArray expected = R"({
  "backupReason" : {
    "beforeProfile" : {
      "_0" : "Dev"
    }
  },
  "createdAt" : "2025-03-01T09:30:00Z",
  "entries" : [
    {
      "appName" : "X \"Mail\"",
      "bundleID" : "org.x",
      "target" : "mailto:"
    }
  ],
  "id" : "ID-1",
  "kind" : "snapshot",
  "name" : "Work\/Home",
  "summary" : "1 defaults",
  "symbol" : "square.stack"
}
)";
    EXPECT_EQ(encodeDocument(p), expected);
    EXPECT_EQ(Profile::fromJson(Json::read(expected)), p);

    p.backupReason.reset();
    EXPECT_FALSE(Json::read(encodeDocument(p)).toObject().contains(u"backupReason"_s));
}

TEST(Profile, RejectsBadDocuments)
{
    QJsonObject good
        = Json::read(encodeDocument(Profile {u"A"_s, u"n"_s, u"s"_s, u"y"_s, Profile::Kind::custom, t0, {}, {}}))
              .toObject();
    EXPECT_NO_THROW(Profile::fromJson(good));

    QJsonObject bad = good;
    bad.insert(u"kind"_s, u"backup"_s);
    EXPECT_THROW(Profile::fromJson(bad), DecodeError);
    bad = good;
    bad.insert(u"entries"_s,
               QJsonArray {QJsonObject {{u"target"_s, u"tar.gz"_s}, {u"bundleID"_s, u"x"_s}, {u"appName"_s, u"x"_s}}});
    EXPECT_THROW(Profile::fromJson(bad), DecodeError);
    bad = good;
    bad.remove(u"symbol"_s);
    EXPECT_THROW(Profile::fromJson(bad), DecodeError);
    bad = good;
    bad.insert(u"name"_s, 42);
    EXPECT_THROW(Profile::fromJson(bad), DecodeError);
    bad = good;
    bad.insert(u"createdAt"_s, u"2025-03-01T09:30:00+01:00"_s);
    EXPECT_THROW(Profile::fromJson(bad), DecodeError);

    QJsonObject nullReason = good;
    nullReason.insert(u"backupReason"_s, QJsonValue::Null);
    EXPECT_FALSE(Profile::fromJson(nullReason).backupReason.has_value());
}

} // namespace
