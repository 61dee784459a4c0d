// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "Sandbox.h"

#include <QString>
#include <QStringList>

#include <chrono>
#include <functional>

namespace openwright::test {

// Builds desktop entries and mimeapps.list files in the process's sandbox (see Sandbox.h),
// the way a real system lays them out. Write the tree before the first GIO call: GIO reads
// the XDG variables once per process and then watches the folders.
class XdgTree final
{
public:
    enum class Level
    {
        user,
        system
    };

    // A desktop entry `id`.desktop handling `mimeTypes`; Exec is a program on PATH, or GIO
    // would ignore the entry. Returns its path.
    static QString addApp(const QString& id, const QString& name, const QStringList& mimeTypes,
                          Level level = Level::system, const QString& extraLines = {});
    // Adds MIME types to the user's shared MIME database: `types` maps each type to its glob.
    static void addMimeTypes(const QList<std::pair<QString, QString>>& types);
    // Runs update-desktop-database on both applications folders (GIO finds candidates only
    // through mimeinfo.cache).
    static void buildCaches();
    // Writes a mimeapps.list at the given path (relative names go to XDG_CONFIG_HOME) by
    // rename, as editors and GIO do.
    static QString writeList(const QString& fileName, const QString& contents);
    static QString readList(const QString& fileName = QStringLiteral("mimeapps.list"));

    static QString applicationsDir(Level level);

    // Polls `condition` briefly: changes by other processes reach GIO through its file
    // monitors, a moment later.
    static bool eventually(const std::function<bool()>& condition,
                           std::chrono::milliseconds timeout = std::chrono::seconds(5));
};

} // namespace openwright::test
