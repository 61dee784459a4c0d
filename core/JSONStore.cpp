// SPDX-License-Identifier: GPL-3.0-or-later
#include "JSONStore.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QStandardPaths>

#include <cerrno>
#include <cstdlib>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace openwright {

using namespace Qt::Literals::StringLiterals;

namespace {

[[noreturn]] void fail(const QString& what, int error)
{
    throw StoreError(what + u": "_s + qt_error_string(error));
}

// The process's umask, read without changing it (umask() itself would race other threads).
mode_t currentUmask()
{
    QFile status(u"/proc/self/status"_s);
    if (status.open(QIODevice::ReadOnly)) {
        for (QByteArray line = status.readLine(); !line.isEmpty(); line = status.readLine()) {
            if (line.startsWith("Umask:")) {
                bool ok = false;
                const uint mask = line.mid(6).trimmed().toUInt(&ok, 8);
                if (ok)
                    return mode_t(mask & 0777);
            }
        }
    }
    return 022;
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
void writeAtomically(const QString& linkOrPath, const QByteArray& bytes, FileAccess access)
{
    // A file kept elsewhere through a link (dotfiles in a repository) stays a link: its target
    // is replaced, atomically within the target's folder.
    const QString path = linkTarget(linkOrPath);
    QByteArray name = QFile::encodeName(path) + ".XXXXXX";
    const int fd = ::mkstemp(name.data());
    if (fd < 0)
        fail(u"Could not save "_s + path, errno);
    const auto abandon = [&](int error) {
        ::close(fd);
        ::unlink(name.constData());
        fail(u"Could not save "_s + path, error);
    };
    // mkstemp creates the file for its owner alone; a document is readable as any new file is.
    if (access == FileAccess::asCreated && ::fchmod(fd, 0666 & ~currentUmask()) != 0)
        abandon(errno);
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
    if (::rename(name.constData(), QFile::encodeName(path).constData()) != 0) {
        const int error = errno;
        ::unlink(name.constData());
        fail(u"Could not save "_s + path, error);
    }
}

FileRead readWholeFile(const QString& path, qsizetype maxBytes, bool pipes)
{
    const auto problem = [&](const QString& text) { return FileRead {std::nullopt, text}; };
    // Opened without blocking: opening a FIFO that no one writes would wait for ever.
    const int fd = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
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
    char link[64] = {};
    const QByteArray self = "/proc/self/fd/" + QByteArray::number(fd);
    const ssize_t n = ::readlink(self.constData(), link, sizeof link - 1);
    const bool anonymousPipe = S_ISFIFO(st.st_mode) && n > 0 && QByteArrayView(link, n).startsWith("pipe:");
    if (!S_ISREG(st.st_mode) && !(pipes && anonymousPipe))
        return problem(QCoreApplication::translate("Files", "%1 is not a regular file.").arg(path));
    if (S_ISREG(st.st_mode) && st.st_size > maxBytes)
        return problem(QCoreApplication::translate("Files", "%1 is too large.").arg(path));
    if (anonymousPipe)
        ::fcntl(fd, F_SETFL, ::fcntl(fd, F_GETFL) & ~O_NONBLOCK);
    QByteArray bytes;
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
            return problem(QCoreApplication::translate("Files", "%1 is too large.").arg(path));
    }
    return {bytes, {}};
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
    QFile file(m_path);
    const QFileInfo info(m_path);
    if (!info.exists()) {
        m_disk = Disk::Fine;
        return std::nullopt;
    }
    if (!info.isFile() || info.size() > Json::kMaxDocumentBytes || !file.open(QIODevice::ReadOnly)) {
        m_disk = Disk::Unreadable;
        return std::nullopt;
    }
    return file.readAll();
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
        QFile existing(m_path);
        const bool fine = info.size() <= Json::kMaxDocumentBytes && existing.open(QIODevice::ReadOnly)
            && decodes(existing.readAll());
        if (!fine)
            keepUnreadableCopy();
    }

    writeAtomically(m_path, bytes);
    m_disk = Disk::Fine;
}

void JSONStoreFile::removeStaleTemporaries() const
{
    const QFileInfo info(linkTarget(m_path));
    static const QRegularExpression suffix(u"^\\.[A-Za-z0-9]{6}$"_s);
    const QStringList names = info.dir().entryList({info.fileName() + u".??????"_s}, QDir::Files | QDir::Hidden);
    for (const QString& name : names) {
        if (suffix.match(QStringView(name).mid(info.fileName().size())).hasMatch())
            QFile::remove(info.dir().filePath(name));
    }
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
