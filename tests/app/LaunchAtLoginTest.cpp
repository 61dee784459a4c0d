// SPDX-License-Identifier: GPL-3.0-or-later
#include "LaunchAtLogin.h"
#include "Launch.h"
#include "Sandbox.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <gio/gdesktopappinfo.h>
#include <gtest/gtest.h>

#include <ostream>
#include <vector>

using namespace openwright;
using namespace Qt::Literals::StringLiterals;

namespace {

void writeFile(const QString& path, const QByteArray& bytes)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

QByteArray readFile(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

class LaunchAtLoginTest : public ::testing::Test
{
protected:
    const QString autostart = test::Sandbox::instance().configHome() + u"/autostart"_s;

    void SetUp() override
    {
        QDir(autostart).removeRecursively();
        QFile::remove(autostart);
    }
};

class LaunchAtLoginExec : public LaunchAtLoginTest, public ::testing::WithParamInterface<const char*>
{
};

// Read back as the session reads it: GLib drops an entry whose program it cannot find, so a
// quoting mistake shows as a missing entry or a wrong argument list.
TEST_P(LaunchAtLoginExec, TheSessionStartsThisProgramInTheBackground)
{
    QTemporaryDir dir;
    const QString program = dir.filePath(QString::fromUtf8(GetParam())) + u"/openwright"_s;
    writeFile(program, "#!/bin/sh\n");
    QFile::setPermissions(program, QFile::ReadOwner | QFile::ExeOwner);

    ASSERT_EQ(LaunchAtLogin::set(true, program), std::nullopt);
    EXPECT_TRUE(LaunchAtLogin::enabled());
    GDesktopAppInfo* info
        = g_desktop_app_info_new_from_filename(QFile::encodeName(LaunchAtLogin::entryPath()).constData());
    ASSERT_NE(info, nullptr) << readFile(LaunchAtLogin::entryPath()).constData();
    gchar** argv = nullptr;
    ASSERT_TRUE(g_shell_parse_argv(g_app_info_get_commandline(G_APP_INFO(info)), nullptr, &argv, nullptr));
    QStringList args;
    for (gchar** arg = argv; *arg; ++arg)
        args << QString::fromUtf8(*arg).replace(u"%%"_s, u"%"_s); // as the session expands it
    g_strfreev(argv);
    const QStringList launcher = program.contains(u'%') ? QStringList {u"/usr/bin/env"_s} : QStringList {};
    EXPECT_EQ(args, launcher + QStringList({program, u"--background"_s}));
    g_object_unref(info);

    if (const QString validator = QStandardPaths::findExecutable(u"desktop-file-validate"_s); !validator.isEmpty()) {
        QProcess validate;
        validate.start(validator, {LaunchAtLogin::entryPath()});
        ASSERT_TRUE(validate.waitForFinished(30000));
        const QByteArray output = validate.readAll();
        EXPECT_TRUE(validate.exitCode() == 0 && output.isEmpty()) << output.constData();
    }
}

INSTANTIATE_TEST_SUITE_P(Paths, LaunchAtLoginExec,
                         ::testing::Values("bin", "My Apps", "a$b\"c`d\\e'f;g", "100%", "50% off"));

// Where the window's program runs from, and so what the session starts: "openwright", by name
// where the session finds it so, else by its path. The window's own path is never the answer.
struct LayoutRow
{
    const char* name;
    const char* window; // below a temporary folder
    bool installed; // the launcher is in the bin folder, else beside the window
    bool onPath; // the launcher's folder is on PATH
};

void PrintTo(const LayoutRow& row, std::ostream* os)
{
    *os << row.name;
}

class LaunchAtLoginLayout : public LaunchAtLoginTest, public ::testing::WithParamInterface<LayoutRow>
{
};

TEST_P(LaunchAtLoginLayout, TheSessionStartsOpenwrightAndSkipsItOnceItIsGone)
{
    const LayoutRow& row = GetParam();
    QTemporaryDir dir;
    const QString window = dir.filePath(QString::fromUtf8(row.window));
    const QString folder = QFileInfo(window).path();
    const QString launcher = row.installed
        ? QDir::cleanPath(folder + u'/' + QStringLiteral(OPENWRIGHT_BIN_FROM_LIBEXEC) + u"/openwright"_s)
        : folder + u"/openwright"_s;
    QDir().mkpath(folder);
    ASSERT_TRUE(QFile::copy(QStringLiteral(OPENWRIGHT_LAUNCH_AT_LOGIN_PROBE), window));
    writeFile(launcher, "#!/bin/sh\n");
    QFile::setPermissions(launcher, QFile::ReadOwner | QFile::ExeOwner);
    const QByteArray path = (row.onPath ? QFile::encodeName(QFileInfo(launcher).path()) + ':' : QByteArray())
        + qgetenv("PATH");

    QProcess probe;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(u"PATH"_s, QString::fromLocal8Bit(path));
    probe.setProcessEnvironment(env);
    probe.start(window);
    ASSERT_TRUE(probe.waitForFinished(30000));
    ASSERT_EQ(probe.exitCode(), 0) << probe.readAllStandardError().constData();

    // Read as the session reads it, with the same PATH.
    const QByteArray savedPath = qgetenv("PATH");
    qputenv("PATH", path);
    const QByteArray file = QFile::encodeName(LaunchAtLogin::entryPath());
    GDesktopAppInfo* info = g_desktop_app_info_new_from_filename(file.constData());
    EXPECT_NE(info, nullptr) << readFile(LaunchAtLogin::entryPath()).constData();
    if (info) {
        EXPECT_EQ(QString::fromUtf8(g_app_info_get_commandline(G_APP_INFO(info))),
                  (row.onPath ? u"openwright"_s : launcher) + u" --background"_s);
        g_object_unref(info);
    }
    QFile::remove(launcher);
    info = g_desktop_app_info_new_from_filename(file.constData());
    EXPECT_EQ(info, nullptr) << "an entry whose program is gone";
    if (info)
        g_object_unref(info);
    qputenv("PATH", savedPath);
}

INSTANTIATE_TEST_SUITE_P(Folders, LaunchAtLoginLayout,
                         ::testing::Values(LayoutRow {"build", "build/ui/openwright-window", false, false},
                                           LayoutRow {"installed", "usr/libexec/openwright/openwright-window", true, true},
                                           LayoutRow {"installed_elsewhere", "opt/libexec/openwright/openwright-window",
                                                      true, false}),
                         [](const auto& info) { return std::string(info.param.name); });

class LaunchAtLoginRead : public LaunchAtLoginTest, public ::testing::WithParamInterface<std::pair<const char*, bool>>
{
};

TEST_P(LaunchAtLoginRead, OnlyTheMainGroupsSwitchesCount)
{
    writeFile(LaunchAtLogin::entryPath(),
              QByteArray("[Desktop Entry]\nType=Application\nName=Openwright\nExec=openwright\n") + GetParam().first);
    EXPECT_EQ(LaunchAtLogin::enabled(), GetParam().second) << GetParam().first;
}

INSTANTIATE_TEST_SUITE_P(Entries, LaunchAtLoginRead,
                         ::testing::Values(std::pair {"Hidden=true\n", false}, std::pair {"Hidden = true\n", false},
                                           std::pair {"hidden=true\n", true},
                                           std::pair {"[Desktop Action quit]\nName=Quit\nExec=x\nHidden=true\n", true},
                                           std::pair {"X-GNOME-Autostart-enabled=false\n", false}));

// How the session, a session manager restoring it, or a person starts "openwright": the window
// for the application's own and Qt's options, the command line for anything else.
struct LaunchRow
{
    std::vector<const char*> args;
    bool command;
};

void PrintTo(const LaunchRow& row, std::ostream* os)
{
    *os << "openwright";
    for (const char* arg : row.args)
        *os << ' ' << arg;
}

class LaunchArguments : public ::testing::TestWithParam<LaunchRow>
{
};

TEST_P(LaunchArguments, DecideBetweenTheWindowAndTheCommandLine)
{
    std::vector<char*> argv {const_cast<char*>("openwright")};
    for (const char* arg : GetParam().args)
        argv.push_back(const_cast<char*>(arg));
    argv.push_back(nullptr);
    EXPECT_EQ(cli::isCommand(int(argv.size()) - 1, argv.data()), GetParam().command);
}

INSTANTIATE_TEST_SUITE_P(
    Starts, LaunchArguments,
    ::testing::Values(LaunchRow {{}, false}, LaunchRow {{"--background"}, false},
                      LaunchRow {{"-session", "10d2e5c0a1b7f3e4d5c6b7a8_1234_5678"}, false},
                      LaunchRow {{"-session", "status", "--background"}, false}, // a value, not a command
                      LaunchRow {{"-style", "Fusion"}, false}, LaunchRow {{"-style=Fusion"}, false},
                      LaunchRow {{"-platform", "wayland", "-reverse"}, false}, LaunchRow {{"status"}, true},
                      LaunchRow {{"--help"}, true}, LaunchRow {{"--version"}, true}, LaunchRow {{"--json"}, true},
                      LaunchRow {{"-V"}, true}, LaunchRow {{"--background", "status"}, true},
                      LaunchRow {{"-session"}, true})); // no ID: a usage error, not a window

TEST_F(LaunchAtLoginTest, EnablingReplacesAnEntryTheUserSwitchedOffAndDisablingRemovesIt)
{
    writeFile(LaunchAtLogin::entryPath(), "[Desktop Entry]\nType=Application\nName=Openwright\nExec=x\nHidden=true\n");
    ASSERT_EQ(LaunchAtLogin::set(true), std::nullopt);
    EXPECT_TRUE(LaunchAtLogin::enabled());
    EXPECT_EQ(QDir(autostart).entryList(QDir::Files | QDir::Hidden),
              QStringList {QFileInfo(LaunchAtLogin::entryPath()).fileName()}); // no temporary file left

    ASSERT_EQ(LaunchAtLogin::set(false), std::nullopt);
    EXPECT_FALSE(QFileInfo::exists(LaunchAtLogin::entryPath()));
    EXPECT_EQ(LaunchAtLogin::set(false), std::nullopt); // already off
}

// Root ignores permissions: a file where the folder should be makes it unusable.
TEST_F(LaunchAtLoginTest, AFailureNamesTheFolderAndReasonAndChangesNothing)
{
    writeFile(autostart, "not a folder");
    EXPECT_EQ(LaunchAtLogin::set(true), u"Could not create the folder ~/.config/autostart: Not a directory"_s);
    EXPECT_FALSE(LaunchAtLogin::enabled());
    EXPECT_EQ(readFile(autostart), "not a folder");
}

} // namespace
