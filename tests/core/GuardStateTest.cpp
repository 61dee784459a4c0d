// SPDX-License-Identifier: GPL-3.0-or-later
#include "GuardState.h"
#include "Json.h"
#include "Printers.h"

#include <QTimeZone>

#include <gtest/gtest.h>

using namespace openwright;
using namespace Qt::Literals::StringLiterals;

namespace {

const Target pdf = Target::fileExtension(u"pdf"_s);
const Target doc = Target::fileExtension(u"doc"_s);
const Target mailto = Target::scheme(u"mailto"_s);

AppInfo app(const QString& id, const QString& path = {})
{
    return {QUrl::fromLocalFile(path.isEmpty() ? u"/apps/"_s + id + u".desktop"_s : path), id, id};
}

AppInfo anonymous(const QString& path)
{
    return {QUrl::fromLocalFile(path), std::nullopt, u"Anon"_s};
}

const QDateTime t0(QDate(2025, 3, 1), QTime(9, 30), QTimeZone::utc());

TEST(GuardState, FirstObservationLogsNothing)
{
    GuardState s;
    EXPECT_TRUE(s.absorb({{pdf, app(u"a"_s)}, {mailto, std::nullopt}}, t0).isEmpty());
    EXPECT_TRUE(s.history.isEmpty());
    EXPECT_EQ(s.baseline.value(pdf).app, app(u"a"_s));
    ASSERT_TRUE(s.baseline.contains(mailto));
    EXPECT_FALSE(s.baseline.value(mailto).app.has_value());
}

TEST(GuardState, DetectsChangesOnce)
{
    GuardState s;
    s.absorb({{pdf, std::nullopt}, {doc, app(u"a"_s)}, {mailto, std::nullopt}}, t0);

    // none -> none: same; none -> app: change without from; app -> none: change without to.
    const auto changes = s.absorb({{pdf, app(u"b"_s)}, {doc, std::nullopt}, {mailto, std::nullopt}}, t0.addSecs(60));
    ASSERT_EQ(changes.size(), 2);
    ASSERT_EQ(s.history.size(), 2);
    EXPECT_EQ(s.history[0].target, doc);
    EXPECT_EQ(s.history[0].from, app(u"a"_s));
    EXPECT_FALSE(s.history[0].to.has_value());
    EXPECT_EQ(s.history[1].target, pdf);
    EXPECT_FALSE(s.history[1].from.has_value());
    EXPECT_EQ(s.history[1].detectedAt, t0.addSecs(60));
    EXPECT_FALSE(s.history[1].resolved);

    // The same observation again is not a new change.
    EXPECT_TRUE(s.absorb({{pdf, app(u"b"_s)}, {doc, std::nullopt}}, t0.addSecs(120)).isEmpty());
    EXPECT_EQ(s.history.size(), 2);
}

TEST(GuardState, SameAppByIdentityOrPath)
{
    GuardState s;
    s.absorb({{pdf, app(u"a"_s, u"/one/a.desktop"_s)}, {doc, anonymous(u"/x/1.desktop"_s)}}, t0);
    // Moved and renamed, same identity: no change, but the baseline holds the new record.
    AppInfo moved = app(u"a"_s, u"/two/a.desktop"_s);
    moved.name = u"Renamed"_s;
    EXPECT_TRUE(s.absorb({{pdf, moved}}, t0).isEmpty());
    EXPECT_EQ(s.baseline.value(pdf).app, moved);
    // No identities: paths decide.
    EXPECT_TRUE(s.absorb({{doc, anonymous(u"/x/../x/1.desktop"_s)}}, t0).isEmpty());
    EXPECT_EQ(s.absorb({{doc, anonymous(u"/x/2.desktop"_s)}}, t0).size(), 1);
}

TEST(GuardState, BlockOrderedByTargetAheadOfOlderEntries)
{
    GuardState s;
    s.absorb({{pdf, app(u"a"_s)}, {doc, app(u"a"_s)}, {mailto, app(u"a"_s)}}, t0);
    s.absorb({{pdf, app(u"old"_s)}}, t0);
    s.absorb({{mailto, app(u"b"_s)}, {pdf, app(u"b"_s)}, {doc, app(u"b"_s)}}, t0.addSecs(1));
    ASSERT_EQ(s.history.size(), 4);
    EXPECT_EQ(s.history[0].target, doc);
    EXPECT_EQ(s.history[1].target, pdf);
    EXPECT_EQ(s.history[2].target, mailto);
    EXPECT_EQ(s.history[3].to, app(u"old"_s));
}

TEST(GuardState, HistoryCappedAtTwoHundred)
{
    GuardState s;
    for (int i = 0; i < 199; ++i)
        s.history.append(DefaultChange {QUuid::createUuid(), pdf, std::nullopt, std::nullopt, t0, false});
    const QUuid newestOld = s.history.first().id;
    const QUuid oldest = s.history.last().id;
    s.absorb({{pdf, app(u"a"_s)}, {doc, app(u"a"_s)}, {mailto, app(u"a"_s)}}, t0);
    s.absorb({{pdf, app(u"b"_s)}, {doc, app(u"b"_s)}, {mailto, app(u"b"_s)}}, t0);
    ASSERT_EQ(s.history.size(), 200);
    EXPECT_EQ(s.history[0].target, doc);
    EXPECT_EQ(s.history[3].id, newestOld);
    EXPECT_NE(s.history.last().id, oldest);
}

TEST(GuardState, AcceptMovesBaselineSilently)
{
    GuardState s;
    s.absorb({{pdf, app(u"a"_s)}}, t0);
    s.accept(pdf, app(u"mine"_s));
    EXPECT_TRUE(s.history.isEmpty());
    EXPECT_TRUE(s.absorb({{pdf, app(u"mine"_s)}}, t0).isEmpty());
}

TEST(GuardState, JsonDocument)
{
    GuardState s;
    s.baseline.insert(mailto, {});
    s.baseline.insert(pdf, {app(u"org.gnome.Evince"_s)});
    s.pinned.insert(pdf);
    DefaultChange c {
        QUuid(u"{0D5E1C3A-1111-4222-8333-944455556666}"_s), pdf, std::nullopt, app(u"org.gnome.Evince"_s), t0, true};
    s.history.append(c);

    const QByteArray expected = R"({
  "baseline" : {
    ".pdf" : {
      "app" : {
        "bundleID" : "org.gnome.Evince",
        "name" : "org.gnome.Evince",
        "url" : "file:\/\/\/apps\/org.gnome.Evince.desktop"
      }
    },
    "mailto:" : {}
  },
  "history" : [
    {
      "detectedAt" : "2025-03-01T09:30:00Z",
      "id" : "0D5E1C3A-1111-4222-8333-944455556666",
      "resolved" : true,
      "target" : ".pdf",
      "to" : {
        "bundleID" : "org.gnome.Evince",
        "name" : "org.gnome.Evince",
        "url" : "file:\/\/\/apps\/org.gnome.Evince.desktop"
      }
    }
  ],
  "pinned" : [
    ".pdf"
  ]
}
)";
    EXPECT_EQ(encodeDocument(s), expected);
    EXPECT_EQ(GuardState::fromJson(Json::read(expected)), s);
}

TEST(GuardState, RejectsBrokenDocuments)
{
    const auto decode = [](const char* text) { return GuardState::fromJson(Json::read(QByteArray(text))); };
    EXPECT_THROW(decode(R"({"baseline":{},"pinned":[]})"), DecodeError); // no history
    EXPECT_THROW(decode(R"({"baseline":{"bad key":{}},"pinned":[],"history":[]})"), DecodeError);
    EXPECT_THROW(decode(R"({"baseline":{},"pinned":["tar.gz"],"history":[]})"), DecodeError);
    EXPECT_THROW(decode(R"({"baseline":{},"pinned":[],"history":[{"id":"nope","target":".pdf",
        "detectedAt":"2025-03-01T09:30:00Z","resolved":false}]})"),
                 DecodeError);
    EXPECT_THROW(decode(R"({"baseline":{},"pinned":[],"history":[{"id":"0D5E1C3A-1111-4222-8333-944455556666",
        "target":".pdf","detectedAt":"2025-03-01T09:30:00.5Z","resolved":false}]})"),
                 DecodeError);
    EXPECT_THROW(decode(R"({"baseline":{},"pinned":[],"history":[{"id":"0D5E1C3A-1111-4222-8333-944455556666",
        "target":".pdf","detectedAt":"2025-03-01T09:30:00Z","resolved":"yes"}]})"),
                 DecodeError);
    // Unknown members, null optionals and duplicate pins are fine.
    const GuardState ok = decode(R"({"baseline":{".PDF":{"app":null}},"pinned":[".pdf","pdf"],"history":[],"x":1})");
    EXPECT_EQ(ok.pinned.size(), 1);
    EXPECT_TRUE(ok.baseline.contains(pdf));
}

} // namespace
