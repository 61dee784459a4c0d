// SPDX-License-Identifier: GPL-3.0-or-later
// Files as another user or an accident leaves them: links planted in shared folders, FIFOs,
// caches that are huge, foreign or damaged. Where another user is needed, the test runs as root
// and gives the planted file to "nobody"; as anyone else those cases skip.
#include "DrawingCache.h"
#include "JSONStore.h"
#include "StateCache.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <functional>

#include <sys/stat.h>
#include <unistd.h>

using namespace openwright;
using namespace Qt::Literals::StringLiterals;

namespace {

constexpr uid_t kNobody = 65534;

struct Facts
{
    QByteArray bytes;
    ino_t inode = 0;
    mode_t mode = 0;
    bool link = false;
    bool operator==(const Facts&) const = default;
};

Facts facts(const QString& path)
{
    struct stat st = {}, lst = {};
    const QByteArray name = QFile::encodeName(path);
    if (::lstat(name.constData(), &lst) != 0)
        return {};
    ::stat(name.constData(), &st);
    QFile file(path);
    return {file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray(), st.st_ino, st.st_mode & 07777,
            S_ISLNK(lst.st_mode)};
}

void make(const QString& path, const QByteArray& bytes, mode_t mode)
{
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(bytes);
    file.close();
    ::chmod(QFile::encodeName(path).constData(), mode);
}

void giveToNobody(const QString& path)
{
    ASSERT_EQ(::lchown(QFile::encodeName(path).constData(), kNobody, kNobody), 0);
}

class Reliability : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ::umask(022);
        // A shared folder as /tmp is: sticky, open to all, another user's.
        ASSERT_TRUE(QDir().mkpath(shared));
        ::chmod(QFile::encodeName(shared).constData(), 01777);
        if (root)
            giveToNobody(shared);
        make(bashrc, "# mine\n", 0600);
    }

    QTemporaryDir dir;
    const bool root = ::geteuid() == 0;
    const QString shared = dir.filePath(u"shared"_s);
    const QString bashrc = dir.filePath(u"home/.bashrc"_s);
    const bool madeHome = QDir().mkpath(dir.filePath(u"home"_s));
};

// A write follows a link only where the user made it; a link planted by another user, or any
// link in another user's sticky folder, is refused with the link named and its target untouched.
// Rewrites keep the mode; new copies of a person's choices are theirs alone.
TEST_F(Reliability, WritesGoThroughOnlyTheUsersOwnLinksAndKeepModes)
{
    const QString export_ = shared + u"/report-profiles.json"_s;
    const struct
    {
        const char* name;
        bool needsRoot;
        std::function<QString()> plant; // the path written
        bool written;
        mode_t mode; // of what the path holds afterwards
    } cases[] = {
        {"another user's link to the victim's file", true,
         [&] {
             QFile::link(bashrc, export_);
             giveToNobody(export_);
             return export_;
         },
         false, 0600},
        {"another user's dangling link", true,
         [&] {
             QFile::link(dir.filePath(u"home/.config/autostart/evil.desktop"_s), export_);
             giveToNobody(export_);
             return export_;
         },
         false, 0},
        {"the user's own link in another user's sticky folder", true,
         [&] {
             QFile::link(bashrc, export_);
             return export_;
         },
         false, 0600},
        {"the user's own link in their own folder", false,
         [&] {
             const QString link = dir.filePath(u"home/profiles.json"_s);
             QFile::link(bashrc, link);
             return link;
         },
         true, 0600},
        {"a new file in a shared folder", false, [&] { return export_; }, true, 0600},
        {"a file of mode 0640", false,
         [&] {
             make(export_, "old", 0640);
             return export_;
         },
         true, 0640},
    };
    for (const auto& c : cases) {
        if (c.needsRoot && !root)
            continue;
        SCOPED_TRACE(c.name);
        QFile::remove(export_);
        make(bashrc, "# mine\n", 0600);
        const Facts before = facts(bashrc);
        const QString path = c.plant();
        bool threw = false;
        try {
            writeAtomically(path, "{\"profiles\":[]}", FileAccess::choices);
        } catch (const StoreError& e) {
            threw = true;
            EXPECT_TRUE(e.message().contains(path)) << e.message().toStdString();
        }
        EXPECT_EQ(threw, !c.written);
        if (c.written) {
            EXPECT_EQ(facts(path).bytes, "{\"profiles\":[]}");
            EXPECT_EQ(facts(path).mode, c.mode);
        } else {
            EXPECT_EQ(facts(bashrc), before);
            EXPECT_FALSE(QFileInfo::exists(dir.filePath(u"home/.config/autostart/evil.desktop"_s)));
        }
    }
}

// A cache is Openwright's own file: whatever else is at its path (a link to the person's notes or
// to an endless device, a FIFO, another user's file, a file far larger than any cache) is not
// read, waited for or written through; the next save puts a regular file of its own there.
TEST_F(Reliability, CachesAreNeverReadOrWrittenThroughWhatIsNotTheirs)
{
    const QString notes = dir.filePath(u"home/notes.txt"_s);
    const struct
    {
        const char* name;
        bool needsRoot;
        std::function<void(const QString&)> plant;
    } hazards[] = {
        {"a link to the person's notes", false, [&](const QString& p) { QFile::link(notes, p); }},
        {"a link to an endless device", false, [](const QString& p) { QFile::link(u"/dev/urandom"_s, p); }},
        {"a FIFO", false, [](const QString& p) { ::mkfifo(QFile::encodeName(p).constData(), 0600); }},
        {"another user's file", true,
         [](const QString& p) {
             make(p, "OWSC", 0644);
             giveToNobody(p);
         }},
        {"a file far larger than any cache", false,
         [](const QString& p) {
             make(p, {}, 0600);
             ASSERT_EQ(::truncate(QFile::encodeName(p).constData(), 200 << 20), 0);
         }},
    };
    const struct
    {
        const char* name;
        std::function<bool(const QString&)> loads; // loads, then saves something
    } caches[] = {
        {"states",
         [](const QString& p) {
             const bool loaded = StateCache::load(p).has_value();
             StateCache::save(p, StateSnapshot {"stamp", {}, {}, {}});
             return loaded;
         }},
        {"drawings",
         [](const QString& p) {
             DrawingCache cache(p, "key", {});
             const bool loaded = cache.find(u"pin"_s) != nullptr;
             cache.insert(u"pin"_s, "drawing");
             cache.save();
             return loaded;
         }},
    };
    for (const auto& cache : caches) {
        for (const auto& hazard : hazards) {
            if (hazard.needsRoot && !root)
                continue;
            SCOPED_TRACE(std::string(cache.name) + " at " + hazard.name);
            make(notes, "my notes", 0600);
            const QString path = dir.filePath(u"cache/"_s + QString::fromLatin1(cache.name));
            QDir(dir.filePath(u"cache"_s)).removeRecursively();
            QDir().mkpath(dir.filePath(u"cache"_s));
            hazard.plant(path);
            EXPECT_FALSE(cache.loads(path));
            struct stat st = {};
            ASSERT_EQ(::lstat(QFile::encodeName(path).constData(), &st), 0);
            EXPECT_TRUE(S_ISREG(st.st_mode));
            EXPECT_EQ(st.st_uid, ::geteuid());
            EXPECT_EQ(st.st_mode & 07777, 0600u);
            EXPECT_EQ(facts(notes).bytes, "my notes");
            EXPECT_TRUE(cache.loads(path)) << "the new file is used";
        }
    }
    // The oversized file was set aside, not thrown away unseen.
    EXPECT_TRUE(QFileInfo::exists(dir.filePath(u"cache/drawings.too-large"_s)));
}

// A drawing damaged on disk (a flipped bit, the file's frame intact) is dropped and drawn again;
// the others are still used.
TEST_F(Reliability, ADamagedDrawingIsDroppedAndTheOthersKept)
{
    const QString path = dir.filePath(u"drawings"_s);
    {
        DrawingCache cache(path, "key", {});
        cache.insert(u"pin"_s, QByteArray(64, 'p'));
        cache.insert(u"star"_s, QByteArray(64, 's'));
        cache.save();
    }
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadWrite));
    QByteArray bytes = file.readAll();
    const qsizetype at = bytes.indexOf(QByteArray(64, 'p'));
    ASSERT_GE(at, 0);
    bytes[at + 10] = 'X';
    file.seek(0);
    file.write(bytes);
    file.close();
    DrawingCache cache(path, "key", {});
    EXPECT_EQ(cache.find(u"pin"_s), nullptr);
    ASSERT_NE(cache.find(u"star"_s), nullptr);
    EXPECT_EQ(*cache.find(u"star"_s), QByteArray(64, 's'));
}

} // namespace
