// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "Json.h"

#include <QString>

#include <cerrno>
#include <exception>
#include <optional>

namespace openwright {

// A save that could not be completed: the folder, the write or the safe-keeping failed, or the
// document would be larger than a load accepts. The message gives the system's reason.
class StoreError final : public std::exception
{
public:
    explicit StoreError(QString message, bool tooLarge = false, int systemError = 0)
        : m_message(std::move(message))
        , m_utf8(m_message.toUtf8())
        , m_tooLarge(tooLarge)
        , m_systemError(systemError)
    {
    }
    const QString& message() const { return m_message; }
    // Nothing was written: the document is over Json::kMaxDocumentBytes.
    bool tooLarge() const { return m_tooLarge; }
    // The file or folder may not be written (permissions, a read-only file system).
    int systemError() const { return m_systemError; }
    bool denied() const { return m_systemError == EACCES || m_systemError == EPERM || m_systemError == EROFS; }
    const char* what() const noexcept override { return m_utf8.constData(); }

private:
    QString m_message;
    QByteArray m_utf8;
    bool m_tooLarge;
    int m_systemError;
};

// Who may read a file written by writeAtomically() when it makes the file. A file it replaces
// keeps its mode and owner.
enum class FileAccess
{
    ownerOnly, // Openwright's own files (data, caches): 0600
    asCreated, // a file other programs read too (a list, a desktop entry): what the umask gives
    choices, // a copy of a person's choices (an export, a copy before a clean-up): 0600, unless
             // the folder's default ACL says otherwise
};

// What writeAtomically() makes of a symbolic link at the path.
enum class Links
{
    followOwn, // written through (dotfiles kept elsewhere) where the user made the link; refused otherwise
    replace, // the link itself is replaced by the new file (caches are never written through)
};

// Writes `bytes` to `path` through a temporary beside it, fsync and rename: the path holds the
// old content or the new, never a part. Every write is checked, so a full disk fails here
// rather than leaving a short file. Throws StoreError with the system's reason.
void writeAtomically(const QString& path, const QByteArray& bytes, FileAccess access = FileAccess::ownerOnly,
                     Links links = Links::followOwn);
// A cache file of lines kept under a stamp of what they were made from (its first line). The
// lines while the file holds `stamp`; nothing when it is missing, unreadable or of another stamp.
std::optional<QList<QByteArray>> keptLines(const QString& path, const QByteArray& stamp);
// Writes such a file; a failure only costs the next reader the work the lines would have saved.
void keepLines(const QString& path, const QByteArray& stamp, const QList<QByteArray>& lines);
// Where a chain of symbolic links at `path` ends (`path` itself when it is no link).
QString linkTarget(const QString& path);

// The whole of a file the user names (an import), or why it cannot be read, for the user.
// Only a regular file is read, never a FIFO or a device that could block; with `pipes`, also
// a pipe this process was handed (standard input, "/dev/fd/N" from a shell's "<(…)"), to its
// end. More than `maxBytes` is refused.
struct FileRead
{
    std::optional<QByteArray> bytes;
    QString problem;
    bool tooLarge = false;
};
FileRead readWholeFile(const QString& path, qsizetype maxBytes, bool pipes = false);
// Far larger than any real list of defaults, desktop settings file or desktop entry.
inline constexpr qsizetype kMaxConfigFileBytes = 16 * 1024 * 1024;
// The same for a file of Openwright's own (a cache): a link, or a file of another user's, is
// not read.
FileRead readOwnFile(const QString& path, qsizetype maxBytes);
// A cache file's bytes, read as readOwnFile() reads. One larger than `maxBytes` (far above any
// this program writes) is set aside as "PATH.too-large", once, and said on the log: the cache
// is then rebuilt.
std::optional<QByteArray> readCacheFile(const QString& path, qsizetype maxBytes);
// Removes what an interrupted write left beside `path` ("PATH.XXXXXX", this user's own) once
// it is older than `olderThanSeconds` (another program may be writing the file right now).
void removeStaleTemporaries(const QString& path, int olderThanSeconds);
inline bool isAsciiLetterOrDigit(QChar c)
{
    return (c >= u'0' && c <= u'9') || (c >= u'a' && c <= u'z') || (c >= u'A' && c <= u'Z');
}
// The name a temporary "NAME.XXXXXX" (six ASCII letters or digits) was written for; nothing
// when `name` is not one.
std::optional<QStringView> temporaryFor(QStringView name);

// One JSON file holding one value, read whole and written whole, atomically.
// An unreadable file loads as nothing; before a save would replace it, it is kept beside
// the new file as "NAME.unreadable-N", so a hand-edited typo never costs the user their data.
// Not thread-safe: each store has one owner (the model, on the GUI thread).
class JSONStoreFile
{
public:
    JSONStoreFile(const QString& fileName, const QString& directory);

    // The folder "Openwright" in $XDG_DATA_HOME (default ~/.local/share).
    static QString defaultDirectory();

    const QString& path() const { return m_path; }
    // Removes what an interrupted save left behind ("NAME.XXXXXX" beside the file). Only one
    // writer runs at a time (one instance per user), so any such file is stale.
    void removeStaleTemporaries() const;

protected:
    using Validator = bool (*)(const QByteArray&);

    // The file's bytes, or nothing when it is missing or cannot be read.
    std::optional<QByteArray> loadBytes();
    // What load() made of the bytes: whether a later save must keep the file aside.
    void setReadable(bool readable) { m_disk = readable ? Disk::Fine : Disk::Unreadable; }
    void saveBytes(const QByteArray& bytes, Validator decodes);

private:
    enum class Disk
    {
        Unknown,
        Fine,
        Unreadable
    };

    void keepUnreadableCopy();

    QString m_path;
    Disk m_disk = Disk::Unknown;
};

template<typename T> class JSONStore final : public JSONStoreFile
{
public:
    using JSONStoreFile::JSONStoreFile;

    std::optional<T> load()
    {
        const auto bytes = loadBytes();
        if (!bytes)
            return std::nullopt;
        if (auto direct = readDirect(*bytes)) {
            setReadable(true);
            return direct;
        }
        try {
            T value = JsonCodec<T>::decode(Json::read(*bytes));
            setReadable(true);
            return value;
        } catch (const DecodeError&) {
            setReadable(false);
            return std::nullopt;
        }
    }

    // Throws StoreError (folder, write, a document too large to load again) or DecodeError
    // (encoding). A document that could not be read back is never written.
    void save(const T& value) { saveBytes(encodeDocument(value), &JSONStore::decodes); }

private:
    static std::optional<T> readDirect(const QByteArray& bytes)
    {
        if constexpr (requires { JsonCodec<T>::readDirect(bytes); })
            return JsonCodec<T>::readDirect(bytes);
        return std::nullopt;
    }

    static bool decodes(const QByteArray& bytes)
    {
        if (readDirect(bytes))
            return true;
        try {
            JsonCodec<T>::decode(Json::read(bytes));
            return true;
        } catch (const DecodeError&) {
            return false;
        }
    }
};

} // namespace openwright
