// SPDX-License-Identifier: GPL-3.0-or-later
#include "GuardState.h"
#include "Json.h"
#include "Printers.h"

#include <QTimeZone>

#include <functional>

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

// Two observations in a row (with something done between them) and the history they leave,
// each change written "TARGET from>to" with "-" for no application.
struct DetectionRow
{
    const char* name;
    QHash<Target, std::optional<AppInfo>> first;
    std::function<void(GuardState&)> between;
    QHash<Target, std::optional<AppInfo>> second;
    QStringList history;
};

class GuardDetection : public ::testing::TestWithParam<DetectionRow>
{
};

QString describe(const DefaultChange& c)
{
    const auto name = [](const std::optional<AppInfo>& a) { return a ? a->name : u"-"_s; };
    return c.target.id() + u' ' + name(c.from) + u'>' + name(c.to);
}

TEST_P(GuardDetection, LogsEachChangeOnceInTargetOrder)
{
    const DetectionRow& row = GetParam();
    GuardState s;
    EXPECT_TRUE(s.absorb(row.first, t0).isEmpty()); // a first observation logs nothing
    if (row.between)
        row.between(s);
    const auto found = s.absorb(row.second, t0.addSecs(60));
    QStringList history;
    for (const DefaultChange& c : s.history)
        history.append(describe(c));
    EXPECT_EQ(history, row.history);
    for (const DefaultChange& c : found) {
        EXPECT_EQ(c.detectedAt, t0.addSecs(60));
        EXPECT_FALSE(c.resolved);
    }
    // The baseline holds the latest observation, so the same one again is no news.
    for (auto it = row.second.cbegin(); it != row.second.cend(); ++it)
        EXPECT_EQ(s.baseline.value(it.key()).app, it.value());
    EXPECT_TRUE(s.absorb(row.second, t0.addSecs(120)).isEmpty());
}

const Target smiley = Target::fileExtension(u"\U0001F600"_s);
const Target replacement = Target::fileExtension(u"\uFFFD"_s);

INSTANTIATE_TEST_SUITE_P(
    Rows, GuardDetection,
    ::testing::Values(DetectionRow {"FirstObservation", {}, {}, {{pdf, app(u"a"_s)}, {mailto, std::nullopt}}, {}},
                      DetectionRow {"ToAndFromNoApplication",
                                    {{pdf, std::nullopt}, {doc, app(u"a"_s)}, {mailto, std::nullopt}},
                                    {},
                                    {{pdf, app(u"b"_s)}, {doc, std::nullopt}, {mailto, std::nullopt}},
                                    {u".doc a>-"_s, u".pdf ->b"_s}},
                      // The second takeover of .pdf, unanswered, reverts to what was chosen before both.
                      DetectionRow {"BlockOrderedByTargetAheadOfOlderEntries",
                                    {{pdf, app(u"a"_s)}, {doc, app(u"a"_s)}, {mailto, app(u"a"_s)}},
                                    [](GuardState& s) {
                                        s.absorb({{pdf, app(u"old"_s)}}, t0);
                                    },
                                    {{mailto, app(u"b"_s)}, {pdf, app(u"b"_s)}, {doc, app(u"b"_s)}},
                                    {u".doc a>b"_s, u".pdf a>b"_s, u"mailto: a>b"_s, u".pdf a>old"_s}},
                      // Code point order, as the JSON writer sorts keys: U+FFFD before U+1F600.
                      DetectionRow {"BeyondTheBasicPlane",
                                    {{smiley, app(u"a"_s)}, {replacement, app(u"a"_s)}},
                                    {},
                                    {{smiley, app(u"b"_s)}, {replacement, app(u"b"_s)}},
                                    {replacement.id() + u" a>b"_s, smiley.id() + u" a>b"_s}},
                      DetectionRow {"AcceptedChangeIsSilent",
                                    {{pdf, app(u"a"_s)}},
                                    [](GuardState& s) { s.accept(pdf, app(u"mine"_s)); },
                                    {{pdf, app(u"mine"_s)}},
                                    {}}),
    [](const auto& info) { return std::string(info.param.name); });

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
        s.history.append(DefaultChange {QUuid::createUuid(), pdf, std::nullopt, std::nullopt, t0, false, {}, {}, {}});
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
    DefaultChange c {QUuid(u"{0D5E1C3A-1111-4222-8333-944455556666}"_s),
                     pdf,
                     std::nullopt,
                     app(u"org.gnome.Evince"_s),
                     t0,
                     true,
                     u"/home/u/.config/mimeapps.list"_s,
                     {},
                     {}};
    s.history.append(c);
    s.lastLook = t0.addSecs(60);

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
      "file" : "\/home\/u\/.config\/mimeapps.list",
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
  "lastLook" : "2025-03-01T09:31:00Z",
  "pinned" : [
    ".pdf"
  ]
}
)";
    EXPECT_EQ(encodeDocument(s), expected);
    EXPECT_EQ(GuardState::fromJson(Json::read(expected)), s);
}

// The notes of kept types and named programs are optional members: files without them read as
// before (above), files with them keep them, and a note that does not read is only dropped.
TEST(GuardState, KeptTypesAndCulpritsRoundTrip)
{
    GuardState s;
    s.pinned = {pdf, mailto};
    s.kept = {pdf};
    DefaultChange c {QUuid::createUuid(),
                     pdf,
                     app(u"a"_s),
                     app(u"b"_s),
                     t0,
                     true,
                     {},
                     Culprit {u"Anytype"_s, Culprit::Reason::started, 5},
                     DefaultChange::Handling::putBack};
    s.history = {c};
    c.culprit = Culprit {u"B"_s, Culprit::Reason::installed, 120};
    c.handling = DefaultChange::Handling::stopped;
    s.history.append(c);
    const QByteArray doc = encodeDocument(s);
    EXPECT_TRUE(doc.contains(R"("kept" : [)"));
    EXPECT_TRUE(doc.contains(R"("handling" : "putBack")"));
    EXPECT_EQ(GuardState::fromJson(Json::read(doc)), s);

    const GuardState odd = GuardState::fromJson(Json::read(QByteArray(R"({"baseline":{},"pinned":[".pdf"],
        "kept":[".pdf","mailto:"],"history":[{"id":"0D5E1C3A-1111-4222-8333-944455556666","target":".pdf",
        "detectedAt":"2025-03-01T09:30:00Z","resolved":false,"culprit":{"name":"X","reason":"guessed"},
        "handling":"later"}],"openers":{"bad key":["kde="],".pdf":"kde="}})")));
    EXPECT_EQ(odd.kept, QSet<Target> {pdf}); // only pinned types are kept
    EXPECT_FALSE(odd.history[0].culprit);
    EXPECT_EQ(odd.history[0].handling, DefaultChange::Handling::none);
    EXPECT_TRUE(odd.openersSeen.isEmpty()); // looked at afresh
}

// Another opener that starts something else than a pinned type's default is a change once, from
// the second look on; agreeing again ends its row. Both survive the file.
TEST(GuardState, OpenersThatStartAnotherAppAreChangesOnce)
{
    GuardState s;
    s.pinned = {pdf};
    const QHash<Target, std::optional<AppInfo>> defaults {{pdf, app(u"evince"_s)}};
    const QHash<Target, QList<OpenerDifference>> agree {{pdf, {}}};
    const QHash<Target, QList<OpenerDifference>> kde {{pdf, {{Opener::kde, app(u"okular"_s), false}}}};
    EXPECT_TRUE(s.absorbOpeners(kde, defaults, t0).isEmpty()); // what the first look finds stands
    EXPECT_TRUE(s.absorbOpeners(agree, defaults, t0).isEmpty());
    const QList<DefaultChange> found = s.absorbOpeners(kde, defaults, t0);
    ASSERT_EQ(found.size(), 1);
    EXPECT_EQ(describe(found[0]), u".pdf evince>okular"_s);
    EXPECT_EQ(found[0].opener, Opener::kde);
    EXPECT_TRUE(s.absorbOpeners(kde, defaults, t0).isEmpty());

    const QByteArray doc = encodeDocument(s);
    EXPECT_TRUE(doc.contains(R"("opener" : "kde")"));
    EXPECT_EQ(GuardState::fromJson(Json::read(doc)), s);

    EXPECT_TRUE(s.absorbOpeners(agree, defaults, t0).isEmpty());
    EXPECT_TRUE(s.history[0].resolved);
    s.accept(pdf, app(u"evince"_s)); // a change of ours: the next look only takes what it finds
    EXPECT_TRUE(s.absorbOpeners(kde, defaults, t0).isEmpty());
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
    EXPECT_FALSE(ok.lastLook.isValid()); // a file from before the guard kept its look time
    EXPECT_FALSE(decode(R"({"baseline":{},"pinned":[],"history":[],"lastLook":"soon"})").lastLook.isValid());
}

} // namespace
