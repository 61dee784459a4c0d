// SPDX-License-Identifier: GPL-3.0-or-later
#include "Sandbox.h"

#include <QDir>
#include <QFile>
#include <QProcessEnvironment>
#include <QProcess>

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
    // GSettings keeps its values in memory and finds schemas only in the sandbox's data folder:
    // no test reaches the person's dconf database.
    qputenv("GSETTINGS_BACKEND", "memory");
    qunsetenv("GSETTINGS_SCHEMA_DIR");
    if (qEnvironmentVariableIsEmpty("OPENWRIGHT_TEST_KEEP_DESKTOP"))
        qunsetenv("XDG_CURRENT_DESKTOP");
    // No test talks to a session bus it did not start itself.
    if (qEnvironmentVariableIsEmpty("OPENWRIGHT_TEST_BUS"))
        qputenv("DBUS_SESSION_BUS_ADDRESS", "disabled:");
}

void Sandbox::installSampleDesktop()
{
    if (m_sampleInstalled)
        return;
    struct Variable
    {
        const char* name;
        // Taken from the sample; the other folders are the sandbox's own already and must
        // agree, or a test would read one tree while the system reads another.
        bool adopt;
    };
    static constexpr Variable kVariables[] = {
        {"HOME", false},
        {"XDG_CONFIG_HOME", false},
        {"XDG_DATA_HOME", false},
        {"XDG_CACHE_HOME", false},
        {"XDG_STATE_HOME", false},
        {"XDG_RUNTIME_DIR", false},
        {"XDG_CONFIG_DIRS", false},
        {"XDG_DATA_DIRS", true},
        {"PATH", true},
        {"XDG_CURRENT_DESKTOP", true},
    };

    // env.sh is the one description of the sample's environment: build the tree, source it
    // and print what it exports, in one shell.
    QString command = QStringLiteral("bash \"$0\" \"$1\" && . \"$1/env.sh\" && printf '%s\\0'");
    for (const Variable& v : kVariables)
        command += QStringLiteral(" \"$%1\"").arg(QLatin1StringView(v.name));
    QProcess shell;
    shell.start(QStringLiteral("bash"),
                {QStringLiteral("-c"), command, QStringLiteral(OPENWRIGHT_SAMPLE_DESKTOP_SCRIPT), root()});
    const bool finished = shell.waitForFinished(60'000);
    const QList<QByteArray> values = shell.readAllStandardOutput().split('\0');
    if (!finished || shell.exitStatus() != QProcess::NormalExit || shell.exitCode() != 0
        || values.size() != std::size(kVariables) + 1) {
        std::fprintf(stderr, "cannot install the sample desktop: %s\n", shell.readAllStandardError().constData());
        std::abort();
    }
    for (size_t i = 0; i < std::size(kVariables); ++i) {
        const char* name = kVariables[i].name;
        if (kVariables[i].adopt) {
            qputenv(name, values[i]);
        } else if (qgetenv(name) != values[i]) {
            std::fprintf(stderr, "the sample desktop sets %s=%s, the sandbox %s\n", name, values[i].constData(),
                         qgetenv(name).constData());
            std::abort();
        }
    }
    m_sampleInstalled = true;
}

} // namespace openwright::test
