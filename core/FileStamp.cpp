// SPDX-License-Identifier: GPL-3.0-or-later
#include "FileStamp.h"

#include <sys/stat.h>

namespace openwright::FileStamp {

void add(QCryptographicHash& hash, const QByteArray& path, const struct stat* st)
{
    hash.addData(path);
    if (!st) {
        hash.addData(QByteArrayView("\0-", 2));
        return;
    }
    const qint64 fields[] = {qint64(st->st_ino), qint64(st->st_size), qint64(st->st_mtim.tv_sec),
                             qint64(st->st_mtim.tv_nsec), qint64(st->st_ctim.tv_sec), qint64(st->st_ctim.tv_nsec)};
    hash.addData(QByteArrayView(reinterpret_cast<const char*>(fields), sizeof(fields)));
}

void add(QCryptographicHash& hash, const QByteArray& path)
{
    struct stat st {};
    add(hash, path, ::stat(path.constData(), &st) == 0 ? &st : nullptr);
}

} // namespace openwright::FileStamp
