// SPDX-License-Identifier: GPL-3.0-or-later
#include "ProfileExport.h"
#include "Json.h"
#include "Presets.h"
#include "Printers.h"

#include <QTimeZone>

#include <gtest/gtest.h>

using namespace openwright;
using namespace Qt::Literals::StringLiterals;

namespace {

const QDateTime t0(QDate(2025, 3, 1), QTime(9, 30), QTimeZone::utc());

Profile custom(const char* name)
{
    return {newIdentifier(),
            QString::fromUtf8(name),
            u"2 defaults"_s,
            u"square.stack"_s,
            Profile::Kind::custom,
            t0,
            {{Target::fileExtension(u"pdf"_s), u"org.gnome.Evince"_s, u"Evince"_s}},
            std::nullopt};
}

TEST(ProfileExport, EnvelopeDocument)
{
    Profile p = custom("Mine");
    p.id = u"A"_s;
    p.entries.clear();
    const QByteArray expected = R"({
  "format" : "openwright.profiles",
  "profiles" : [
    {
      "createdAt" : "2025-03-01T09:30:00Z",
      "entries" : [],
      "id" : "A",
      "kind" : "custom",
      "name" : "Mine",
      "summary" : "2 defaults",
      "symbol" : "square.stack"
    }
  ],
  "version" : 1
}
)";
    EXPECT_EQ(ProfileExport({p}).encoded(), expected);
}

TEST(ProfileExport, RoundTripGivesNewIdsAndTurnsPresetsCustom)
{
    Profile snap = custom("Snap");
    snap.kind = Profile::Kind::snapshot;
    snap.backupReason = BackupReason::beforeRevert(Target::scheme(u"mailto"_s));
    const QList<Profile> exported {custom("One"), snap, Presets::all().first()};
    const QList<Profile> imported = ProfileExport::decode(ProfileExport(exported).encoded());
    ASSERT_EQ(imported.size(), 3);
    for (int i = 0; i < 3; ++i) {
        EXPECT_NE(imported[i].id, exported[i].id);
        Profile same = imported[i];
        same.id = exported[i].id;
        if (i == 2) {
            EXPECT_EQ(same.kind, Profile::Kind::custom);
            same.kind = Profile::Kind::preset;
        }
        EXPECT_EQ(same, exported[i]) << i;
    }
    EXPECT_NE(ProfileExport::decode(ProfileExport(exported).encoded())[0].id, imported[0].id);
}

TEST(ProfileExport, AcceptsAndRefuses)
{
    const auto doc = [](const QString& format, const char* version, const char* profiles) {
        return (u"{\"format\":\""_s + format + u"\",\"version\":"_s + QString::fromLatin1(version) + u",\"profiles\":"_s
                + QString::fromLatin1(profiles) + u"}"_s)
            .toUtf8();
    };
    EXPECT_TRUE(ProfileExport::decode(doc(u"openwright.profiles"_s, "2", "[]")).isEmpty()); // later versions read
    EXPECT_THROW(ProfileExport::decode(doc(u"openwright.profile"_s, "1", "[]")), DecodeError);
    EXPECT_THROW(ProfileExport::decode(doc(u"openwright.profiles"_s, "\"1\"", "[]")), DecodeError);
    EXPECT_THROW(ProfileExport::decode(doc(u"openwright.profiles"_s, "1.5", "[]")), DecodeError);
    EXPECT_THROW(ProfileExport::decode(doc(u"openwright.profiles"_s, "1", "{}")), DecodeError);
    // The profiles file itself (a bare array) is not an export.
    EXPECT_THROW(ProfileExport::decode(encodeDocument(QList<Profile> {custom("x")})), DecodeError);
}

// Bad files from anywhere: each is an error, never a crash or a partial result.
TEST(ProfileExport, BadInputFailsCleanly)
{
    QByteArray good = ProfileExport({custom("One"), custom("Two")}).encoded();
    QList<QByteArray> bad {
        QByteArray(),
        good.left(good.size() / 2),
        "null",
        "42",
        "\"text\"",
        QByteArray("{\"format\":\"openwright.profiles\",\"version\":1,\"profiles\":[\xff\xfe]}"),
        QByteArray(100000, '[') + QByteArray(100000, ']'),
        good.replace("\"Two\"", "2"),
    };
    QByteArray bigString = "{\"format\":\"openwright.profiles\",\"version\":1,\"profiles\":[],\"pad\":\"";
    bigString += QByteArray(50 * 1024 * 1024, 'a');
    bigString += "\"}";
    bad.append(bigString);
    QByteArray invalidUtf8InName = ProfileExport({custom("One")}).encoded();
    invalidUtf8InName.replace("One", "O\xc3\x28");
    bad.append(invalidUtf8InName);
    for (const QByteArray& bytes : bad)
        EXPECT_THROW(ProfileExport::decode(bytes), DecodeError) << bytes.left(60).toStdString();
}

} // namespace
