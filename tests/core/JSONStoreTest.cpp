// SPDX-License-Identifier: GPL-3.0-or-later
#include "JSONStore.h"
#include "DrawingCache.h"
#include "GuardState.h"
#include "Printers.h"
#include "Profile.h"
#include "Sandbox.h"
#include "StateCache.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTimeZone>

#include <gtest/gtest.h>

#include <cerrno>
#include <csignal>
#include <optional>

#include <sys/resource.h>

using namespace openwright;
using namespace Qt::Literals::StringLiterals;

namespace {

QByteArray readAll(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

void writeAll(const QString& path, const QByteArray& bytes)
{
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
    f.write(bytes);
}

class JSONStoreTest : public ::testing::Test
{
protected:
    QTemporaryDir dir;
    QString folder() const { return dir.path() + u"/Openwright"_s; }
};

TEST_F(JSONStoreTest, DefaultFolderIsInTheDataHome)
{
    EXPECT_EQ(JSONStoreFile::defaultDirectory(), test::Sandbox::instance().dataHome() + u"/Openwright"_s);
}

TEST_F(JSONStoreTest, SaveCreatesFolderAndRoundTrips)
{
    JSONStore<QList<Profile>> store(u"profiles.json"_s, folder());
    EXPECT_FALSE(store.load().has_value());
    EXPECT_FALSE(QFileInfo::exists(folder()));

    const QDateTime withMillis = QDateTime(QDate(2025, 3, 1), QTime(9, 30, 15, 750), QTimeZone::utc());
    const Profile p {newIdentifier(),
                     u"b"_s,
                     u"1 defaults"_s,
                     u"clock.arrow.circlepath"_s,
                     Profile::Kind::snapshot,
                     withMillis,
                     {{Target::fileExtension(u"pdf"_s), u"org.x"_s, u"X"_s}},
                     BackupReason::daily()};
    store.save({p});
    const QByteArray text = readAll(store.path());
    EXPECT_TRUE(text.contains("\"createdAt\" : \"2025-03-01T09:30:15Z\""));
    EXPECT_LT(text.indexOf("appName"), text.indexOf("bundleID"));
    EXPECT_LT(text.indexOf("bundleID"), text.indexOf("\"target\""));

    const auto loaded = store.load();
    ASSERT_TRUE(loaded);
    ASSERT_EQ(loaded->size(), 1);
    EXPECT_EQ(loaded->first().createdAt, withMillis.addMSecs(-750));

    JSONStore<QList<Target>> custom(u"custom-types.json"_s, folder());
    custom.save({Target::fileExtension(u"log"_s), Target::scheme(u"zoommtg"_s)});
    EXPECT_EQ(readAll(custom.path()), "[\n  \".log\",\n  \"zoommtg:\"\n]\n");
}

TEST_F(JSONStoreTest, ReadingRules)
{
    QDir().mkpath(folder());
    JSONStore<QList<Profile>> profiles(u"profiles.json"_s, folder());
    writeAll(profiles.path(), "[]");
    EXPECT_EQ(profiles.load(), QList<Profile>());
    writeAll(profiles.path(), "");
    EXPECT_FALSE(profiles.load());

    JSONStore<GuardState> guard(u"guard.json"_s, folder());
    writeAll(guard.path(), R"({"baseline":{},"pinned":[]})");
    EXPECT_FALSE(guard.load());
    writeAll(guard.path(), R"({"baseline":{},"pinned":[],"history":[],"future":true})");
    EXPECT_EQ(guard.load(), GuardState());

    // A folder where the file should be reads as nothing.
    QDir().mkpath(folder() + u"/custom-types.json"_s);
    JSONStore<QList<Target>> custom(u"custom-types.json"_s, folder());
    EXPECT_FALSE(custom.load());
    EXPECT_THROW(custom.save({}), StoreError);
}

// A file that does not decode loads as nothing, and the next save keeps it aside instead of
// destroying the user's data; earlier kept copies are never overwritten.
TEST_F(JSONStoreTest, UnreadableFileIsKeptBeforeReplacement)
{
    QDir().mkpath(folder());
    JSONStore<QList<Target>> store(u"custom-types.json"_s, folder());
    writeAll(store.path(), "[\".log\", oops]");
    EXPECT_FALSE(store.load());
    store.save({Target::fileExtension(u"md"_s)});
    EXPECT_EQ(readAll(store.path() + u".unreadable-1"_s), "[\".log\", oops]");
    EXPECT_TRUE(store.load());

    // Saving again replaces our own readable file without keeping anything.
    store.save({});
    EXPECT_FALSE(QFileInfo::exists(store.path() + u".unreadable-2"_s));

    // A second damaged file, in a fresh store that never loaded it, goes to the next free name.
    writeAll(store.path(), "garbage");
    JSONStore<QList<Target>> fresh(u"custom-types.json"_s, folder());
    fresh.save({});
    EXPECT_EQ(readAll(store.path() + u".unreadable-1"_s), "[\".log\", oops]");
    EXPECT_EQ(readAll(store.path() + u".unreadable-2"_s), "garbage");
    EXPECT_EQ(readAll(store.path()), "[]\n");
}

// A file the application wrote must always load: what a load would refuse is never written.
TEST_F(JSONStoreTest, WritesOnlyWhatItCanReadBack)
{
    JSONStore<QList<Target>> store(u"custom-types.json"_s, folder());
    store.save({Target::fileExtension(u"md"_s)});
    const auto refused = [&](const QString& payload) {
        try {
            store.save({Target::fileExtension(payload)});
        } catch (const StoreError& e) {
            return e.tooLarge();
        }
        return false;
    };
    EXPECT_TRUE(refused(QString(Json::kMaxDocumentBytes, u'a')));
    // Each "/" is written as two characters: half the limit in slashes is already too much.
    EXPECT_TRUE(refused(QString(Json::kMaxDocumentBytes / 2, u'/')));
    EXPECT_EQ(store.load(), QList<Target> {Target::fileExtension(u"md"_s)});
}

// A data file kept elsewhere through a link (dotfiles in a repository) stays a link: its
// target is replaced, atomically in the target's own folder.
TEST_F(JSONStoreTest, ALinkedFileIsWrittenThroughTheLink)
{
    ASSERT_TRUE(QDir().mkpath(folder()) && QDir().mkpath(dir.filePath(u"dotfiles"_s)));
    const QString target = dir.filePath(u"dotfiles/custom-types.json"_s);
    writeAll(target, "[]");
    JSONStore<QList<Target>> store(u"custom-types.json"_s, folder());
    ASSERT_TRUE(QFile::link(u"../dotfiles/custom-types.json"_s, store.path()));
    store.save({Target::fileExtension(u"md"_s)});

    EXPECT_TRUE(QFileInfo(store.path()).isSymLink());
    EXPECT_EQ(readAll(target), readAll(store.path()));
    EXPECT_EQ(JSONStore<QList<Target>>(u"custom-types.json"_s, folder()).load(),
              QList<Target> {Target::fileExtension(u"md"_s)});
    EXPECT_EQ(QDir(dir.filePath(u"dotfiles"_s)).entryList(QDir::Files), QStringList {u"custom-types.json"_s});
}

// A kill during a save leaves "NAME.XXXXXX" behind; a failed write reports the system's reason
// and leaves neither a temporary nor a changed file.
TEST_F(JSONStoreTest, InterruptedAndFailedSavesLeaveNothingBehind)
{
    JSONStore<QList<Target>> store(u"custom-types.json"_s, folder());
    store.save({Target::fileExtension(u"md"_s)});
    writeAll(store.path() + u".Ab12Cd"_s, "[\".log\"]");
    writeAll(store.path() + u".unreadable-1"_s, "kept");
    // Names compare exactly, and the temporary's dot is there.
    const QStringList others {u"Custom-Types.json.Ab12Cd"_s, u"custom-types.jsonxAb12Cd"_s};
    for (const QString& other : others)
        writeAll(folder() + u'/' + other, "another file's");
    store.removeStaleTemporaries();
    EXPECT_EQ(QDir(folder()).entryList(QDir::Files),
              (QStringList {u"custom-types.json"_s, others[0], u"custom-types.json.unreadable-1"_s, others[1]}));
    for (const QString& other : others)
        QFile::remove(folder() + u'/' + other);

    // A file size limit makes the write itself fail, as a full disk would.
    struct rlimit old
    {
    };
    ::getrlimit(RLIMIT_FSIZE, &old);
    ::signal(SIGXFSZ, SIG_IGN);
    struct rlimit small = old;
    small.rlim_cur = 4;
    ::setrlimit(RLIMIT_FSIZE, &small);
    QString message;
    try {
        store.save({Target::fileExtension(u"markdown"_s)});
    } catch (const StoreError& e) {
        message = e.message();
    }
    ::setrlimit(RLIMIT_FSIZE, &old);
    EXPECT_TRUE(message.endsWith(qt_error_string(EFBIG))) << message.toStdString();
    EXPECT_EQ(QDir(folder()).entryList(QDir::Files).size(), 2);
    EXPECT_EQ(store.load(), QList<Target> {Target::fileExtension(u"md"_s)});
}

TEST_F(JSONStoreTest, BadFilesLoadAsNothing)
{
    QDir().mkpath(folder());
    JSONStore<QList<Profile>> store(u"profiles.json"_s, folder());
    const QList<QByteArray> bad {
        "[{\"id\":1}]",
        "[{\"id\":\"a\",\"name\":\"n\",\"summary\":\"s\",\"symbol\":\"y\",\"kind\":\"snapshot\","
        "\"createdAt\":\"yesterday\",\"entries\":[]}]",
        QByteArray("[\"\xc3\x28\"]"),
        QByteArray(5000, '['),
        "{}",
    };
    for (const QByteArray& bytes : bad) {
        writeAll(store.path(), bytes);
        EXPECT_FALSE(store.load()) << bytes.left(40).toStdString();
    }
}

} // namespace

namespace {

TEST(StateCache, KeepsEveryFieldAndGivesNothingForADamagedFile)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(u"cache/states"_s);
    EXPECT_FALSE(StateCache::load(path)) << "nothing kept yet";
    const AppInfo evince {QUrl::fromLocalFile(u"/apps/evince.desktop"_s), u"org.gnome.Evince"_s, u"Evince"_s};
    const AppInfo tool {QUrl::fromLocalFile(u"/apps/tool.desktop"_s), std::nullopt, u"tool"_s};
    // Kept once each, the entries stay apart by every field: the same file under another name.
    const AppInfo renamed {evince.url, u"org.gnome.Evince"_s, u"Document Viewer"_s};
    const Target obj = Target::fileExtension(u"obj"_s);
    StateSnapshot snapshot {
        QByteArray("stamp\0bytes", 11),
        QByteArray("quick"),
        {TargetState {Target::fileExtension(u"pdf"_s), evince, {evince, tool, renamed}, {}, tool, {}, 0,
                      {{Opener::kde, tool, true}, {Opener::xdgOpen, std::nullopt}}},
         TargetState {obj, std::nullopt, {tool}, {{u"model/obj"_s, tool}, {u"application/x-tgif"_s, {}}}},
         TargetState {Target::mimeType(u"inode/directory"_s), std::nullopt, {}}},
        {{obj, u"model/obj"_s}}};
    StateCache::save(path, snapshot);
    EXPECT_EQ(StateCache::load(path), snapshot);

    // The last state ends with its removed default's place in the table of applications, then
    // its source (1 byte), its count of recommended (4) and of other openers (4): a place past
    // the table is damage.
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadWrite));
    ASSERT_TRUE(file.seek(file.size() - 13));
    ASSERT_EQ(file.write(QByteArray("\x00\x00\x01\x00", 4)), 4);
    file.close();
    EXPECT_FALSE(StateCache::load(path));
    StateCache::save(path, snapshot);
    ASSERT_TRUE(file.open(QIODevice::ReadWrite));
    ASSERT_TRUE(file.resize(file.size() - 3));
    file.close();
    EXPECT_FALSE(StateCache::load(path));
}

// Kept drawings are used only while the files they were drawn from, and the key, are the same.
TEST(DrawingCache, KeepsDrawingsWhileTheirSourcesAndKeyStand)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(u"cache/drawings"_s), theme = dir.filePath(u"index.theme"_s);
    writeAll(theme, "[Icon Theme]\n");
    const auto kept = [&](const QByteArray& key) -> std::optional<QByteArray> {
        DrawingCache cache(path, key, {theme});
        const QByteArray* drawing = cache.find(u"pin"_s);
        return drawing ? std::optional(*drawing) : std::nullopt;
    };
    {
        DrawingCache cache(path, "breeze", {theme});
        EXPECT_FALSE(cache.find(u"pin"_s)) << "nothing kept yet";
        cache.insert(u"pin"_s, "drawing");
        cache.save();
    }
    EXPECT_EQ(kept("breeze"), "drawing");
    EXPECT_FALSE(kept("Adwaita")) << "another theme";
    writeAll(theme, "[Icon Theme]\nInherits=hicolor\n");
    EXPECT_FALSE(kept("breeze")) << "the theme changed";

    // A run that drew from the theme as it was, and saves after it changed (a package upgrade
    // while the window is open), does not pass its drawings off as the new theme's.
    {
        DrawingCache cache(path, "breeze", {theme});
        EXPECT_FALSE(cache.find(u"pin"_s));
        writeAll(theme, "[Icon Theme]\nInherits=Adwaita,hicolor\n");
        cache.insert(u"pin"_s, "old drawing");
        cache.save();
    }
    EXPECT_FALSE(kept("breeze")) << "drawn before the theme changed";
}

} // namespace
