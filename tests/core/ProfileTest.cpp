// SPDX-License-Identifier: GPL-3.0-or-later
#include "Profile.h"
#include "Json.h"
#include "Printers.h"

#include <QTimeZone>

#include <gtest/gtest.h>

#include <random>

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

// The profiles file is read straight from its bytes when it has the shape written here. For any
// bytes at all, what that reader gives must be what the general reader makes of them: random
// lists as written, then damaged by a few random edits, and hand-made oddities of UTF-8 and
// escapes.
TEST(Profile, AListReadStraightFromItsBytesIsWhatTheGeneralReaderMakesOfThem)
{
    const auto general = [](const QByteArray& bytes) -> std::optional<QList<Profile>> {
        try {
            return JsonCodec<QList<Profile>>::decode(Json::read(bytes));
        } catch (const DecodeError&) {
            return std::nullopt;
        }
    };
    int whole = 0, damaged = 0, made = 0; // lists the direct reader gave, of each kind
    const auto agree = [&](const QByteArray& bytes, int& read) {
        const auto direct = Profile::readList(bytes);
        if (!direct)
            return true;
        ++read;
        const auto expected = general(bytes);
        return expected && *direct == *expected;
    };

    std::mt19937 random(20261209);
    const auto pick = [&](int n) { return int(random() % unsigned(n)); };
    const QString pieces[] = {u"a"_s,       u"Z9"_s,      u" "_s,       u"\""_s,      u"\\"_s,      u"/"_s,
                              u"\n\t"_s,    u"\u0001"_s,  u"\u007f"_s,  u"é"_s,       u"€"_s,       u"😀"_s,
                              u"\uFEFF"_s,  u"\uFFFE"_s,  u"\uFDD0"_s,  QString(QChar(0xD800))};
    const auto text = [&] {
        QString t;
        for (int n = pick(5); n > 0; --n)
            t += pieces[pick(std::size(pieces))];
        return t;
    };
    const Target targets[] = {Target::fileExtension(u"pdf"_s), Target::scheme(u"mailto"_s),
                              *Target::parse(u"text/plain"_s), *Target::parse(u"inode/directory"_s)};
    const auto reason = [&]() -> std::optional<BackupReason> {
        switch (pick(6)) {
        case 0: return BackupReason::manual();
        case 1: return BackupReason::daily();
        case 2: return BackupReason::beforeProfile(text());
        case 3: return BackupReason::beforeRestore(text());
        case 4: return BackupReason::beforeRevert(targets[pick(4)]);
        default: return std::nullopt;
        }
    };
    const char damage[] = {'"', '\\', '{', '}', '[', ']', ',', ':', ' ', 'u', '0', 'n', '\n', '\x01', '\x80', '\xC3', '\xED', '\xFF'};
    for (int document = 0; document < 300; ++document) {
        QList<Profile> list;
        for (int n = pick(4); n > 0; --n) {
            Profile p {text(), text(), text(), text(), Profile::Kind(pick(3)), t0.addSecs(pick(1 << 30)), {}, reason()};
            for (int e = pick(4); e > 0; --e)
                p.entries.append({targets[pick(4)], text(), text()});
            list.append(p);
        }
        const QByteArray bytes = encodeDocument(list);
        ASSERT_TRUE(agree(bytes, whole)) << bytes.toStdString();
        for (int mutant = 0; mutant < 20; ++mutant) {
            QByteArray bad = bytes;
            for (int edits = 1 + pick(3); edits > 0; --edits) {
                const qsizetype at = pick(int(bad.size()) + 1);
                switch (pick(4)) {
                case 0: bad.remove(at, 1); break;
                case 1: bad.insert(at, damage[pick(sizeof damage)]); break;
                case 2: if (at < bad.size()) bad[at] = damage[pick(sizeof damage)]; break;
                default: bad.insert(at, bad.mid(pick(int(bad.size()) + 1), 1 + pick(60))); // a member twice
                }
            }
            ASSERT_TRUE(agree(bad, damaged)) << bad.toStdString();
        }
    }
    // It gives up on a string that begins with U+FEFF, which the general reader drops.
    EXPECT_GT(whole, 300 / 2) << "the direct reader gives up too often to be tested";
    EXPECT_GT(damaged, 300) << "too few damaged lists were read";

    // A reason is handed whole to the general reader: the end of it is found past brackets
    // and quotes within its strings.
    const QList<Profile> reasons {
        {u"A"_s, u"n"_s, u"s"_s, u"y"_s, Profile::Kind::snapshot, t0, {}, BackupReason::beforeProfile(u"{\"}]\\"_s)},
        {u"B"_s, u"n"_s, u"s"_s, u"y"_s, Profile::Kind::snapshot, t0, {}, BackupReason::beforeRestore(u"[}"_s)}};
    EXPECT_EQ(Profile::readList(encodeDocument(reasons)), reasons);

    // One name, spelled raw in the bytes.
    const auto named = [](QByteArrayView name) {
        return R"([{"createdAt":"2025-03-01T09:30:00Z","entries":[],"id":"A","kind":"custom","name":")" + name.toByteArray()
            + R"(","summary":"s","symbol":"y"}])";
    };
    for (const QByteArrayView name :
         {"\xC0\xAF", "\xED\xA0\x80", "\xF4\x90\x80\x80", "\xEF\xBF\xBE", "\xEF\xBB\xBFx", "\xC3", "\xE2\x82",
          "\\ud800", "\\uDC00x", "\\ud83d\\ude00", "\\u0000", "\\u00e9", "\\u12", "\\u+123", "\\x", "\x7f", "\t"}) {
        SCOPED_TRACE(name.toByteArray().toStdString());
        EXPECT_TRUE(agree(named(name), made));
    }
    EXPECT_EQ(Profile::readList(named("\\u00e9\xE2\x82\xAC"))->value(0).name, u"é€"_s);
    for (const QByteArray& document :
         {QByteArray("\xEF\xBB\xBF[]"), QByteArray("[] x"), QByteArray("[],"), named("a").replace(R"("id")", R"("i\u0064")"),
          named("a").replace(R"("symbol":"y")", R"("symbol":"y","symbol":"z")"),
          named("a").replace(R"("id":"A")", R"("id":"A","backupReason":null)"),
          named("a").replace(R"("id":"A")", R"("id":"A","backupReason":{"daily":{}}})"),
          named("a").replace(R"("id":"A")", R"("id":"A","backupReason":{"daily":{"x":["}"]}})"),
          named("a").replace(R"("id":"A")", R"("id":"A","more":1)")}) {
        SCOPED_TRACE(document.toStdString());
        EXPECT_TRUE(agree(document, made));
    }
}

} // namespace
