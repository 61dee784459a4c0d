// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QHash>
#include <QString>
#include <QTemporaryDir>

namespace openwright::test {

// The throw-away home of one test process: HOME, XDG_CONFIG_HOME, XDG_DATA_HOME,
// XDG_CACHE_HOME, XDG_STATE_HOME, XDG_RUNTIME_DIR, XDG_DATA_DIRS and XDG_CONFIG_DIRS all point
// inside it. XDG_DATA_DIRS holds one system data folder with the shared MIME database linked
// in. GIO reads these variables once per process, so this runs first in main().
class Sandbox final
{
public:
    static Sandbox& instance();

    QString root() const { return m_dir.path(); }
    QString home() const { return root() + QStringLiteral("/home"); }
    QString configHome() const { return home() + QStringLiteral("/.config"); }
    QString dataHome() const { return home() + QStringLiteral("/.local/share"); }
    // The system data folder (the one entry of XDG_DATA_DIRS).
    QString systemData() const { return root() + QStringLiteral("/usr/share"); }
    QString systemConfig() const { return root() + QStringLiteral("/etc/xdg"); }
    // The environment the process was started with, before the sandbox replaced it.
    static const QHash<QString, QString>& originalEnvironment();
    // The Flatpak data folder, first in XDG_DATA_DIRS once the sample desktop is installed.
    QString flatpakData() const { return root() + QStringLiteral("/var/lib/flatpak/exports/share"); }

    // Lays the sample desktop (scripts/sample-desktop.sh, which builds the same layout) over
    // this sandbox and takes XDG_DATA_DIRS, PATH and XDG_CURRENT_DESKTOP from its env.sh.
    // Call it before the first GIO call of the process; calling it again does nothing.
    void installSampleDesktop();

private:
    Sandbox();
    QTemporaryDir m_dir;
    bool m_sampleInstalled = false;
};

} // namespace openwright::test
