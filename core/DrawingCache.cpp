// SPDX-License-Identifier: GPL-3.0-or-later
#include "DrawingCache.h"

#include "FileStamp.h"
#include "JSONStore.h"

#include <QCryptographicHash>
#include <QDataStream>
#include <QDir>
#include <QFile>
#include <QFileInfo>


namespace openwright {

namespace {

constexpr quint32 kMagic = 0x4f574443; // "OWDC"
constexpr quint32 kFormat = 2; // 2: each drawing with its check
// More drawings than any run draws: a file past it is not ours to trust.
constexpr qint32 kMaxDrawings = 4096;
// Many times the file of a real run (some hundred small symbols).
constexpr qsizetype kMaxBytes = 32 * 1024 * 1024;

// A damaged drawing may still be a well-formed one (a bit flipped on disk): each is kept with this.
QByteArray check(const QByteArray& drawing)
{
    return QCryptographicHash::hash(drawing, QCryptographicHash::Sha256).left(8);
}

} // namespace

DrawingCache::DrawingCache(QString path, QByteArray key, QStringList sources)
    : m_path(std::move(path))
    , m_key(std::move(key))
    , m_sources(std::move(sources))
{
}

QByteArray DrawingCache::stamp() const
{
    QCryptographicHash hash(QCryptographicHash::Sha256);
    hash.addData(m_key);
    for (const QString& source : m_sources)
        FileStamp::add(hash, QFile::encodeName(source));
    return hash.result();
}

void DrawingCache::load()
{
    m_loaded = true;
    // What this run draws is drawn from the themes as they are now: it is saved under this stamp
    // even when they change before the save, so that the next run does not take it for theirs.
    m_stamp = stamp();
    const std::optional<QByteArray> bytes = readCacheFile(m_path, kMaxBytes);
    if (!bytes)
        return;
    QDataStream in(*bytes);
    in.setVersion(QDataStream::Qt_6_4);
    quint32 magic = 0, format = 0;
    QByteArray stamp;
    qint32 count = 0;
    in >> magic >> format >> stamp >> count;
    if (magic != kMagic || format != kFormat || count < 0 || count > kMaxDrawings || stamp != m_stamp)
        return;
    QHash<QString, QByteArray> drawings;
    for (qint32 i = 0; i < count && in.status() == QDataStream::Ok; ++i) {
        QString name;
        QByteArray drawing, kept;
        in >> name >> drawing >> kept;
        // Dropped, and so drawn again and saved.
        if (kept == check(drawing))
            drawings.insert(name, drawing);
    }
    if (in.status() == QDataStream::Ok && in.atEnd())
        m_drawings = std::move(drawings);
}

const QByteArray* DrawingCache::find(const QString& name)
{
    if (!m_loaded)
        load();
    const auto it = m_drawings.constFind(name);
    return it == m_drawings.cend() ? nullptr : &*it;
}

void DrawingCache::insert(const QString& name, QByteArray drawing)
{
    if (!m_loaded)
        load();
    if (m_drawings.size() >= kMaxDrawings)
        return;
    m_drawings.insert(name, std::move(drawing));
    m_unsaved = true;
}

void DrawingCache::save()
{
    if (!m_unsaved)
        return;
    m_unsaved = false;
    QByteArray bytes;
    {
        QDataStream out(&bytes, QIODevice::WriteOnly);
        out.setVersion(QDataStream::Qt_6_4);
        out << kMagic << kFormat << m_stamp << qint32(m_drawings.size());
        for (auto it = m_drawings.cbegin(); it != m_drawings.cend(); ++it)
            out << it.key() << it.value() << check(it.value());
    }
    try {
        QDir().mkpath(QFileInfo(m_path).path());
        writeAtomically(m_path, bytes, FileAccess::ownerOnly, Links::replace);
    } catch (const StoreError&) {
    }
}

} // namespace openwright
