// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "WorkspaceNotices.h"

#include <QDBusConnection>
#include <QDBusObjectPath>
#include <QFileSystemWatcher>
#include <QStringList>

namespace openwright {

// Application launches and quits from the systemd user manager (desktops start applications
// as "app-….scope" or "app-….service" units), where one runs on the session bus; and changes
// to every mimeapps.list location and applications folder. Folders are watched rather than
// files: editors and GIO replace these files by rename, which ends a file watch.
class LinuxWorkspaceNotices final : public WorkspaceNotices
{
    Q_OBJECT

public:
    explicit LinuxWorkspaceNotices(const QDBusConnection& bus, QObject* parent = nullptr);
    void start() override;

    // The folders whose files decide defaults, in the order the standards rank them.
    static QStringList watchedFolders();
    static bool isApplicationUnit(const QString& unit);

private Q_SLOTS:
    void unitNew(const QString& unit, const QDBusObjectPath& path);
    void unitRemoved(const QString& unit, const QDBusObjectPath& path);

private:
    void watchFolders();
    void folderChanged(const QString& path);

    QDBusConnection m_bus;
    QStringList m_wanted;
    QFileSystemWatcher m_watcher;
    bool m_started = false;
};

} // namespace openwright
