// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "Json.h"

#include <QString>

#include <exception>
#include <optional>

namespace openwright {

// A save that could not be completed: the folder, the write or the safe-keeping failed, or the
// document would be larger than a load accepts. The message gives the system's reason.
class StoreError final : public std::exception
{
public:
    explicit StoreError(QString message, bool tooLarge = false)
        : m_message(std::move(message))
        , m_utf8(m_message.toUtf8())
        , m_tooLarge(tooLarge)
    {
    }
    const QString& message() const { return m_message; }
    // Nothing was written: the document is over Json::kMaxDocumentBytes.
    bool tooLarge() const { return m_tooLarge; }
    const char* what() const noexcept override { return m_utf8.constData(); }

private:
    QString m_message;
    QByteArray m_utf8;
    bool m_tooLarge;
};

// Who may read a file written by writeAtomically().
enum class FileAccess
{
    ownerOnly, // the data files: 0600
    asCreated, // a document the user saves (an export): what the umask gives a new file
};

// Writes `bytes` to `path` through a temporary beside it, fsync and rename: the path holds the
// old content or the new, never a part. Every write is checked, so a full disk fails here
// rather than leaving a short file. A symbolic link stays a link: its target is replaced.
// Throws StoreError with the system's reason.
void writeAtomically(const QString& path, const QByteArray& bytes, FileAccess access = FileAccess::ownerOnly);
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
};
FileRead readWholeFile(const QString& path, qsizetype maxBytes, bool pipes = false);

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
    static bool decodes(const QByteArray& bytes)
    {
        try {
            JsonCodec<T>::decode(Json::read(bytes));
            return true;
        } catch (const DecodeError&) {
            return false;
        }
    }
};

} // namespace openwright
