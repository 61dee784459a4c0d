// SPDX-License-Identifier: GPL-3.0-or-later
#include "JSONStore.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStandardPaths>

namespace openwright {

using namespace Qt::Literals::StringLiterals;

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

    QSaveFile file(m_path);
    if (!file.open(QIODevice::WriteOnly))
        throw StoreError(file.errorString());
    if (file.write(bytes) != bytes.size() || !file.commit())
        throw StoreError(file.errorString());
    m_disk = Disk::Fine;
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
