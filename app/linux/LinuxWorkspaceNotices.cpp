// SPDX-License-Identifier: GPL-3.0-or-later
#include "LinuxWorkspaceNotices.h"

#include <QDBusMessage>
#include <QDBusMetaType>
#include <QDBusPendingCall>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

namespace openwright {

using namespace Qt::Literals::StringLiterals;

namespace {
constexpr auto kSystemd = "org.freedesktop.systemd1";
constexpr auto kSystemdPath = "/org/freedesktop/systemd1";
constexpr auto kManager = "org.freedesktop.systemd1.Manager";
constexpr QStringView kUnitSuffixes[] = {u".scope", u".service"};
} // namespace

LinuxWorkspaceNotices::LinuxWorkspaceNotices(const QDBusConnection& bus, QObject* parent)
    : WorkspaceNotices(parent)
    , m_bus(bus)
{
    qRegisterMetaType<QDBusObjectPath>();
}

bool LinuxWorkspaceNotices::isApplicationUnit(const QString& unit)
{
    // "app-….scope" or "app-….service", matched by hand: a regular expression would page its
    // compiler in for this alone.
    constexpr QStringView prefix = u"app-";
    if (!unit.startsWith(prefix) || unit.contains(u'\n'))
        return false;
    return std::any_of(std::begin(kUnitSuffixes), std::end(kUnitSuffixes), [&](QStringView suffix) {
        return unit.size() > prefix.size() + suffix.size() && unit.endsWith(suffix);
    });
}

QStringList LinuxWorkspaceNotices::watchedFolders()
{
    QStringList folders;
    const auto add = [&](const QString& dir) {
        const QString clean = QDir::cleanPath(dir);
        if (!clean.isEmpty() && !folders.contains(clean))
            folders.append(clean);
    };
    for (const QString& dir : QStandardPaths::standardLocations(QStandardPaths::GenericConfigLocation)) {
        add(dir);
        add(dir + u"/xfce4"_s); // Xfce's browser setting, helpers.rc
    }
    for (const QString& dir : QStandardPaths::standardLocations(QStandardPaths::GenericDataLocation))
        add(dir + u"/applications"_s);
    return folders;
}

void LinuxWorkspaceNotices::start()
{
    if (m_started)
        return;
    m_started = true;

    if (m_bus.isConnected()) {
        // D-Bus signals can only be connected by signature; there is no functor form.
        m_bus.connect(QLatin1StringView(kSystemd), QLatin1StringView(kSystemdPath), QLatin1StringView(kManager),
                      u"UnitNew"_s, this, SLOT(unitNew(QString, QDBusObjectPath)));
        m_bus.connect(QLatin1StringView(kSystemd), QLatin1StringView(kSystemdPath), QLatin1StringView(kManager),
                      u"UnitRemoved"_s, this, SLOT(unitRemoved(QString, QDBusObjectPath)));
        // The manager only emits unit signals to subscribed clients. No manager, no notices.
        // A bus without a user manager must not try to start one for us.
        QDBusMessage subscribe = QDBusMessage::createMethodCall(
            QLatin1StringView(kSystemd), QLatin1StringView(kSystemdPath), QLatin1StringView(kManager), u"Subscribe"_s);
        subscribe.setAutoStartService(false);
        m_bus.asyncCall(subscribe);
    }

    m_wanted = watchedFolders();
    connect(&m_watcher, &QFileSystemWatcher::directoryChanged, this, &LinuxWorkspaceNotices::folderChanged);
    watchFolders();
}

void LinuxWorkspaceNotices::watchFolders()
{
    // A folder that does not exist yet (a first Flatpak, a first ~/.local/share/applications)
    // is waited for at its nearest existing parent, and watched once it appears.
    QStringList paths;
    for (const QString& folder : std::as_const(m_wanted)) {
        QString dir = folder;
        while (!QFileInfo(dir).isDir()) {
            const QString parent = QFileInfo(dir).path();
            if (parent == dir)
                break;
            dir = parent;
        }
        if (!paths.contains(dir))
            paths.append(dir);
    }
    const QStringList current = m_watcher.directories();
    for (const QString& dir : current) {
        if (!paths.contains(dir))
            m_watcher.removePath(dir);
    }
    for (const QString& dir : std::as_const(paths)) {
        if (!current.contains(dir))
            m_watcher.addPath(dir);
    }
}

void LinuxWorkspaceNotices::folderChanged(const QString& path)
{
    const QStringList before = m_watcher.directories();
    watchFolders();
    // A parent that only stands in for a folder still to come says nothing about defaults,
    // unless that folder has just appeared.
    const bool appeared = m_watcher.directories() != before;
    if (m_wanted.contains(path) || appeared)
        Q_EMIT defaultsFilesChanged();
}

void LinuxWorkspaceNotices::unitNew(const QString& unit, const QDBusObjectPath&)
{
    if (!isApplicationUnit(unit))
        return;
    Q_EMIT applicationStarted(unit);
    Q_EMIT applicationLaunchedOrQuit();
}

void LinuxWorkspaceNotices::unitRemoved(const QString& unit, const QDBusObjectPath&)
{
    if (isApplicationUnit(unit))
        Q_EMIT applicationLaunchedOrQuit();
}

} // namespace openwright
