// SPDX-License-Identifier: GPL-3.0-or-later
#include "JSONStore.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>
#include <QDirIterator>
#include <QStandardPaths>

#include <cerrno>
#include <cstdlib>

#include <fcntl.h>
#include <sys/stat.h>
#include <sys/xattr.h>
#include <unistd.h>

namespace openwright {

using namespace Qt::Literals::StringLiterals;

namespace {

[[noreturn]] void fail(const QString& what, int error)
{
    throw StoreError(what + u": "_s + qt_error_string(error), false, error);
}

QByteArray encoded(const QString& path)
{
    return QFile::encodeName(path);
}

QString folderOf(const QString& path)
{
    return QFileInfo(path).absolutePath();
}

// A folder with a default ACL decides for itself who may read what is made in it.
bool hasDefaultAcl(const QString& folder)
{
    return ::getxattr(encoded(folder).constData(), "system.posix_acl_default", nullptr, 0) > 0;
}

// A sticky folder that another user owns (/tmp): a link in it may be anyone's trap.
bool inOthersStickyFolder(const QString& path)
{
    struct stat st = {};
    return ::stat(encoded(folderOf(path)).constData(), &st) == 0 && (st.st_mode & S_ISVTX) && st.st_uid != ::geteuid();
}

// Where a write to `path` lands. A link is followed only where the user made it: the link and
// what it ends at are the user's own and it does not lie in another user's sticky folder.
// Anything else is refused with its reason: writing through it would replace another's file.
QString landingPath(const QString& path)
{
    QString current = path;
    for (int hop = 0; hop < 40; ++hop) {
        struct stat st = {};
        if (::lstat(encoded(current).constData(), &st) != 0)
            return current;
        if (!S_ISLNK(st.st_mode)) {
            if (hop > 0 && st.st_uid != ::geteuid())
                throw StoreError(QCoreApplication::translate("Files", "%1 is a link to %2, which belongs to another user; "
                                                                      "nothing was written.")
                                     .arg(path, current));
            return current;
        }
        if (st.st_uid != ::geteuid() || inOthersStickyFolder(current))
            throw StoreError(QCoreApplication::translate("Files", "%1 is a link that another user could have placed "
                                                                  "there; nothing was written through it.")
                                 .arg(current));
        current = QFileInfo(current).symLinkTarget();
    }
    throw StoreError(QCoreApplication::translate("Files", "%1 is a loop of links; nothing was written.").arg(path));
}

// A file written through a link changes nothing at the link's own path, and whoever watches that
// path (GIO watches the lists) would not see the change: the link is made anew, as it was.
void renewLink(const QString& link)
{
    char target[4096];
    const ssize_t n = ::readlink(encoded(link).constData(), target, sizeof target - 1);
    if (n <= 0)
        return;
    target[n] = '\0';
    const QByteArray name = encoded(link) + ".renew";
    ::unlink(name.constData());
    if (::symlink(target, name.constData()) != 0 || ::rename(name.constData(), encoded(link).constData()) != 0)
        ::unlink(name.constData());
}

// A new file "PATH.XXXXXX" made with `mode` (less what the umask or the folder's ACL takes).
int createTemporary(const QString& path, mode_t mode, QByteArray* name)
{
    static constexpr char kLetters[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789";
    for (int attempt = 0; attempt < 100; ++attempt) {
        *name = encoded(path) + '.';
        for (int i = 0; i < 6; ++i)
            name->append(kLetters[QRandomGenerator::global()->bounded(int(sizeof kLetters - 1))]);
        const int fd = ::open(name->constData(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, mode);
        if (fd >= 0 || errno != EEXIST)
            return fd;
    }
    errno = EEXIST;
    return -1;
}

} // namespace

QString linkTarget(const QString& path)
{
    QString target = path;
    // A bounded walk: a loop of links ends at a path that is not a file, and the write fails there.
    for (int hop = 0; hop < 40; ++hop) {
        const QFileInfo info(target);
        if (!info.isSymLink())
            break;
        target = info.symLinkTarget();
    }
    return target;
}

// With the system's reason for any failure (QSaveFile reports a full disk as "Unknown
// error"). The temporary is "TARGET.XXXXXX", beside the file that is really replaced.
std::optional<QList<QByteArray>> keptLines(const QString& path, const QByteArray& stamp)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    QList<QByteArray> lines = file.readAll().split('\n');
    if (lines.isEmpty() || lines.first() != stamp.toBase64())
        return std::nullopt;
    lines.removeFirst();
    lines.removeIf([](const QByteArray& line) { return line.isEmpty(); });
    return lines;
}

void keepLines(const QString& path, const QByteArray& stamp, const QList<QByteArray>& lines)
{
    QByteArray bytes = stamp.toBase64() + '\n';
    for (const QByteArray& line : lines)
        bytes += line + '\n';
    try {
        QDir().mkpath(QFileInfo(path).path());
        writeAtomically(path, bytes, FileAccess::ownerOnly, Links::replace);
    } catch (const StoreError&) {
        // Only the next reader's speed is lost.
    }
}

void writeAtomically(const QString& linkOrPath, const QByteArray& bytes, FileAccess access, Links links)
{
    const QString path = links == Links::followOwn ? landingPath(linkOrPath) : linkOrPath;
    struct stat existing = {};
    // A rewrite keeps who may read the file, and whose it is; a cache is ours alone whatever was there.
    const bool keep = links == Links::followOwn && ::stat(encoded(path).constData(), &existing) == 0
        && S_ISREG(existing.st_mode);
    mode_t mode = 0600;
    if (access == FileAccess::asCreated || (access == FileAccess::choices && hasDefaultAcl(folderOf(path))))
        mode = 0666;
    QByteArray name;
    const int fd = createTemporary(path, mode, &name);
    if (fd < 0)
        fail(u"Could not save "_s + path, errno);
    const auto abandon = [&](int error) {
        ::close(fd);
        ::unlink(name.constData());
        fail(u"Could not save "_s + path, error);
    };
    if (keep) {
        if ((existing.st_uid != ::geteuid() || existing.st_gid != ::getegid())
            && ::fchown(fd, existing.st_uid, existing.st_gid) != 0 && errno != EPERM)
            abandon(errno);
        if (::fchmod(fd, existing.st_mode & 07777) != 0)
            abandon(errno);
    }
    for (qsizetype done = 0; done < bytes.size();) {
        const ssize_t n = ::write(fd, bytes.constData() + done, size_t(bytes.size() - done));
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            abandon(n < 0 ? errno : EIO);
        done += n;
    }
    if (::fsync(fd) != 0)
        abandon(errno);
    if (::close(fd) != 0) {
        const int error = errno;
        ::unlink(name.constData());
        fail(u"Could not save "_s + path, error);
    }
    if (::rename(name.constData(), encoded(path).constData()) != 0) {
        const int error = errno;
        ::unlink(name.constData());
        fail(u"Could not save "_s + path, error);
    }
    if (path != linkOrPath)
        renewLink(linkOrPath);
}

namespace {

FileRead readFile(const QString& path, qsizetype maxBytes, bool pipes, bool ownOnly)
{
    const auto problem = [&](const QString& text) { return FileRead {std::nullopt, text}; };
    // Opened without blocking: opening a FIFO that no one writes would wait for ever.
    const int fd = ::open(encoded(path).constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | (ownOnly ? O_NOFOLLOW : 0));
    if (fd < 0) {
        if (errno == ENOENT)
            return problem(QCoreApplication::translate("Files", "There is no file at %1.").arg(path));
        return problem(QCoreApplication::translate("Files", "Could not read %1: %2").arg(path, qt_error_string(errno)));
    }
    struct Closer
    {
        int fd;
        ~Closer() { ::close(fd); }
    } closer {fd};
    struct stat st = {};
    ::fstat(fd, &st);
    // A pipe handed to this process is an anonymous one ("pipe:[N]"); a named FIFO in a
    // folder is not read: it may never be written to.
    bool anonymousPipe = false;
    if (pipes && S_ISFIFO(st.st_mode)) {
        char link[64] = {};
        const QByteArray self = "/proc/self/fd/" + QByteArray::number(fd);
        const ssize_t n = ::readlink(self.constData(), link, sizeof link - 1);
        anonymousPipe = n > 0 && QByteArrayView(link, n).startsWith("pipe:");
    }
    if (!S_ISREG(st.st_mode) && !anonymousPipe)
        return problem(QCoreApplication::translate("Files", "%1 is not a regular file.").arg(path));
    if (ownOnly && st.st_uid != ::geteuid())
        return problem(QCoreApplication::translate("Files", "%1 belongs to another user.").arg(path));
    if (S_ISREG(st.st_mode) && st.st_size > maxBytes)
        return {std::nullopt, QCoreApplication::translate("Files", "%1 is too large.").arg(path), true};
    if (anonymousPipe)
        ::fcntl(fd, F_SETFL, ::fcntl(fd, F_GETFL) & ~O_NONBLOCK);
    QByteArray bytes;
    if (S_ISREG(st.st_mode))
        bytes.reserve(qsizetype(st.st_size));
    char buffer[64 * 1024];
    for (;;) {
        const ssize_t got = ::read(fd, buffer, sizeof buffer);
        if (got < 0 && errno == EINTR)
            continue;
        if (got < 0)
            return problem(
                QCoreApplication::translate("Files", "Could not read %1: %2").arg(path, qt_error_string(errno)));
        if (got == 0)
            break;
        bytes.append(buffer, got);
        if (bytes.size() > maxBytes)
            return {std::nullopt, QCoreApplication::translate("Files", "%1 is too large.").arg(path), true};
    }
    return {bytes, {}};
}

} // namespace

FileRead readWholeFile(const QString& path, qsizetype maxBytes, bool pipes)
{
    return readFile(path, maxBytes, pipes, false);
}

FileRead readOwnFile(const QString& path, qsizetype maxBytes)
{
    return readFile(path, maxBytes, false, true);
}

std::optional<QByteArray> readCacheFile(const QString& path, qsizetype maxBytes)
{
    FileRead read = readOwnFile(path, maxBytes);
    if (read.tooLarge) {
        const QByteArray aside = encoded(path + u".too-large"_s);
        if (::rename(encoded(path).constData(), aside.constData()) == 0)
            qWarning("Openwright set its cache %s aside (larger than %lld MB, far more than it writes); it is made "
                     "anew.",
                     qPrintable(path), static_cast<long long>(maxBytes / (1024 * 1024)));
    }
    return std::move(read.bytes);
}

std::optional<QStringView> temporaryFor(QStringView name)
{
    constexpr qsizetype kSuffix = 7; // ".XXXXXX"
    if (name.size() <= kSuffix || name[name.size() - kSuffix] != u'.')
        return std::nullopt;
    const QStringView suffix = name.last(kSuffix - 1);
    if (!std::all_of(suffix.begin(), suffix.end(), isAsciiLetterOrDigit))
        return std::nullopt;
    return name.chopped(kSuffix);
}

void removeStaleTemporaries(const QString& path, int olderThanSeconds)
{
    // Matched by hand, not by a name filter: QDir's filters are regular expressions, and this
    // runs at every start.
    const QFileInfo info(path);
    const QString name = info.fileName();
    const QDateTime before = QDateTime::currentDateTimeUtc().addSecs(-olderThanSeconds);
    for (QDirIterator it(info.path(), QDir::Files | QDir::Hidden | QDir::System); it.hasNext();) {
        const QFileInfo file = it.nextFileInfo();
        const QString fileName = file.fileName();
        if (temporaryFor(fileName) == QStringView(name) && !file.isSymLink() && file.ownerId() == ::geteuid()
            && (olderThanSeconds <= 0 || file.lastModified().toUTC() < before))
            QFile::remove(file.filePath());
    }
}

JSONStoreFile::JSONStoreFile(const QString& fileName, const QString& directory)
    : m_path(QDir(directory).filePath(fileName))
{
}

QString JSONStoreFile::defaultDirectory()
{
    return QDir(QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation)).filePath(u"Openwright"_s);
}

std::optional<QByteArray> JSONStoreFile::loadBytes()
{
    if (!QFileInfo::exists(m_path)) {
        m_disk = Disk::Fine;
        return std::nullopt;
    }
    FileRead read = readWholeFile(m_path, Json::kMaxDocumentBytes);
    if (!read.bytes)
        m_disk = Disk::Unreadable;
    return std::move(read.bytes);
}

void JSONStoreFile::saveBytes(const QByteArray& bytes, Validator decodes)
{
    // What a load would refuse is never written: a file the application wrote always loads.
    if (bytes.size() > Json::kMaxDocumentBytes) {
        throw StoreError(QFileInfo(m_path).fileName() + u" would be larger than "_s
                             + QString::number(Json::kMaxDocumentBytes / (1024 * 1024)) + u" MB"_s,
                         true);
    }
    const QFileInfo info(m_path);
    if (!QDir().mkpath(info.absolutePath()))
        throw StoreError(u"Could not create the folder "_s + info.absolutePath());

    // Only a file this process has not yet read or written needs a look before it is replaced.
    if (info.exists() && !info.isFile())
        throw StoreError(m_path + u" is not a file"_s);
    if (m_disk != Disk::Fine && info.exists()) {
        const FileRead existing = readWholeFile(m_path, Json::kMaxDocumentBytes);
        const bool fine = existing.bytes && decodes(*existing.bytes);
        if (!fine)
            keepUnreadableCopy();
    }

    writeAtomically(m_path, bytes);
    m_disk = Disk::Fine;
}

void JSONStoreFile::removeStaleTemporaries() const
{
    openwright::removeStaleTemporaries(linkTarget(m_path), 0);
}

void JSONStoreFile::keepUnreadableCopy()
{
    // QFile::rename never replaces an existing file, so earlier kept copies survive.
    for (int n = 1; n < 100000; ++n) {
        const QString kept = m_path + u".unreadable-"_s + QString::number(n);
        if (QFileInfo::exists(kept))
            continue;
        if (QFile::rename(m_path, kept))
            return;
        break;
    }
    throw StoreError(u"Could not keep the unreadable file "_s + m_path + u" aside"_s);
}

} // namespace openwright
