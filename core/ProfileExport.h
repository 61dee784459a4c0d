// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "Profile.h"

#include <QByteArray>

namespace openwright {

// The file that carries profiles between machines: an envelope with a format tag and version.
struct ProfileExport
{
    static constexpr auto kFormat = "openwright.profiles";

    QString format = QString::fromLatin1(kFormat);
    qint64 version = 1;
    QList<Profile> profiles;

    explicit ProfileExport(QList<Profile> list = {})
        : profiles(std::move(list))
    {
    }

    QByteArray encoded() const;
    // The profiles of an export file, ready to add: each with a new id, presets turned custom.
    // Throws DecodeError for anything that is not an export file; reads files from anywhere,
    // so it never trusts their size, encoding or shape.
    static QList<Profile> decode(const QByteArray& data);
    // What the user is told when a file is not an export, wherever they import it.
    static QString notAnExportMessage();
};

} // namespace openwright
