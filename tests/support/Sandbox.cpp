// SPDX-License-Identifier: GPL-3.0-or-later
#include "Sandbox.h"

#include <QDir>
#include <QFile>
#include <QProcessEnvironment>

#include <cstdio>
#include <cstdlib>

namespace openwright::test {

Sandbox& Sandbox::instance()
{
    static Sandbox sandbox;
    return sandbox;
}

const QHash<QString, QString>& Sandbox::originalEnvironment()
{
    static const QHash<QString, QString> original = [] {
        QHash<QString, QString> env;
        for (const QString& line : QProcessEnvironment::systemEnvironment().toStringList()) {
            const qsizetype eq = line.indexOf(u'=');
            env.insert(line.left(eq), line.mid(eq + 1));
        }
        return env;
    }();
    return original;
}

Sandbox::Sandbox()
    : m_dir(QDir::tempPath() + QStringLiteral("/openwright-test-XXXXXX"))
{
    originalEnvironment(); // taken before anything below replaces it
    if (!m_dir.isValid()) {
        std::fprintf(stderr, "cannot create the test sandbox\n");
        std::abort();
    }
    const QString runtime = root() + QStringLiteral("/run");
    for (const QString& dir : {home(), configHome(), dataHome(), systemData(), systemConfig(), runtime,
                               home() + QStringLiteral("/.cache"), home() + QStringLiteral("/.local/state")}) {
        QDir().mkpath(dir);
    }
    QFile::setPermissions(runtime, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    // The system MIME database, so extensions resolve as on a real desktop.
    QFile::link(QStringLiteral("/usr/share/mime"), systemData() + QStringLiteral("/mime"));

    qputenv("HOME", home().toUtf8());
    qputenv("XDG_CONFIG_HOME", configHome().toUtf8());
    qputenv("XDG_DATA_HOME", dataHome().toUtf8());
    qputenv("XDG_CACHE_HOME", (home() + QStringLiteral("/.cache")).toUtf8());
    qputenv("XDG_STATE_HOME", (home() + QStringLiteral("/.local/state")).toUtf8());
    qputenv("XDG_RUNTIME_DIR", runtime.toUtf8());
    qputenv("XDG_DATA_DIRS", systemData().toUtf8());
    qputenv("XDG_CONFIG_DIRS", systemConfig().toUtf8());
    if (qEnvironmentVariableIsEmpty("OPENWRIGHT_TEST_KEEP_DESKTOP"))
        qunsetenv("XDG_CURRENT_DESKTOP");
    // No test talks to a session bus it did not start itself.
    if (qEnvironmentVariableIsEmpty("OPENWRIGHT_TEST_BUS"))
        qputenv("DBUS_SESSION_BUS_ADDRESS", "disabled:");
}

} // namespace openwright::test
