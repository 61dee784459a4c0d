// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QCryptographicHash>

struct stat;

// A file's identity and times added to a fingerprint of the files something was made from: a
// file replaced by rename, edited in place, or unpacked with its old modification time kept (its
// change time moves) all differ, and so does one that is missing.
namespace openwright::FileStamp {

// `st` as found for `path`, or nullptr when there is no such file.
void add(QCryptographicHash& hash, const QByteArray& path, const struct stat* st);
void add(QCryptographicHash& hash, const QByteArray& path);

} // namespace openwright::FileStamp
