// SPDX-License-Identifier: GPL-3.0-or-later
#include "LaunchAtLogin.h"

#include "AppId.h"
#include "JSONStore.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <filesystem>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace openwright::LaunchAtLogin {

using namespace Qt::Literals::StringLiterals;

namespace {

QString folder()
{
    return QDir(QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation)).filePath(u"autostart"_s);
}

// Paths in messages read as the user knows them: ~/.config/autostart/…
QString shown(const QString& path)
{
    const QString home = QDir::homePath() + u'/';
    return path.startsWith(home) ? u"~/"_s + path.mid(home.size()) : path;
}

QString failure(const char* what, const QString& path, int error)
{
    return QCoreApplication::translate("LaunchAtLogin", what)
        .arg(shown(path), QString::fromLocal8Bit(std::strerror(error)));
}

// A desktop-entry string value: `\`, line breaks and tabs escaped.
QString stringValue(const QString& text)
{
    QString value;
    for (const QChar c : text) {
        switch (c.unicode()) {
        case '\\': value += u"\\\\"_s; break;
        case '\n': value += u"\\n"_s; break;
        case '\t': value += u"\\t"_s; break;
        case '\r': value += u"\\r"_s; break;
        default: value += c;
        }
    }
    return value;
}

// One argument of an Exec key: quoted when it holds a reserved character, with `"`, `` ` ``,
// `$` and `\` escaped inside the quotes and `%` doubled (it starts field codes). The result is
// then escaped once more as a string value, where `\` is itself an escape.
QString execArgument(const QString& argument)
{
    static const QString reserved = u" \t\n\"'\\><~|&;$*?#()`"_s;
    const bool quote = std::any_of(argument.begin(), argument.end(), [](QChar c) { return reserved.contains(c); });
    QString exec;
    if (quote)
        exec += u'"';
    for (const QChar c : argument) {
        if (c == u'%')
            exec += u'%';
        else if (quote && (c == u'"' || c == u'`' || c == u'$' || c == u'\\'))
            exec += u'\\';
        exec += c;
    }
    if (quote)
        exec += u'"';
    return stringValue(exec);
}

// The "openwright" program that goes with the running one, the window's: beside it in a build,
// in the bin folder once installed (the window's program is in libexec/openwright). A person
// starts the window through it, and so does the session.
QString launcherFor(const QString& running)
{
    const QDir dir = QFileInfo(running).absoluteDir();
    for (const QString& launcher :
         {dir.filePath(u"openwright"_s),
          QDir::cleanPath(dir.filePath(QStringLiteral(OPENWRIGHT_BIN_FROM_LIBEXEC) + u"/openwright"_s))}) {
        if (QFileInfo(launcher).isExecutable())
            return launcher;
    }
    return running;
}

struct Command
{
    QString exec; // the Exec value's program, escaped
    QString tryExec; // the TryExec value, escaped
};

// Started by name when the session finds this very program by that name, so that the entry
// survives a reinstall that moves it; by its path otherwise (a build run from its folder).
Command command(const QString& launcher)
{
    const QFileInfo program(launcher);
    const QString onPath = QStandardPaths::findExecutable(u"openwright"_s);
    if (!onPath.isEmpty() && QFileInfo(onPath).canonicalFilePath() == program.canonicalFilePath())
        return {u"openwright"_s, u"openwright"_s};
    // GLib looks the program up by its Exec text before expanding "%%", so it drops an entry
    // whose program path holds a '%': env is started instead and is handed the path.
    const QString path = program.absoluteFilePath();
    return {path.contains(u'%') ? u"/usr/bin/env "_s + execArgument(path) : execArgument(path), stringValue(path)};
}

QByteArray entry(const QString& launcher)
{
    const Command start = command(launcher);
    // One pass of arg(): a '%' in the command is never taken for a placeholder. TryExec: once
    // the program is gone (the package removed), the session skips the entry.
    return u"[Desktop Entry]\n"
           "Type=Application\n"
           "Name=Openwright\n"
           "Comment=Keeps your default applications the way you set them\n"
           "TryExec=%1\n"
           "Exec=%2 --background\n"
           "Icon=%3\n"
           "Terminal=false\n"
           "NoDisplay=false\n"
           "X-GNOME-Autostart-enabled=true\n"_s.arg(start.tryExec, start.exec, QLatin1StringView(kAppId))
               .toUtf8();
}

constexpr const char* kCouldNotWrite = QT_TRANSLATE_NOOP("LaunchAtLogin", "Could not write %1: %2");

// Temporary file, fsync, rename: the session never sees half an entry.
std::optional<QString> write(const QString& path, const QByteArray& bytes)
{
    try {
        writeAtomically(path, bytes, FileAccess::asCreated);
    } catch (const StoreError& e) {
        return e.systemError() ? failure(kCouldNotWrite, path, e.systemError()) : e.message();
    }
    return std::nullopt;
}

} // namespace

QString entryPath()
{
    return folder() + u'/' + QLatin1StringView(kAppId) + u".desktop"_s;
}

// Only what decides whether the session starts the entry is read: the [Desktop Entry] group's
// Hidden and X-GNOME-Autostart-enabled keys. Keys are case-sensitive; spaces around '=' do not
// count. A file that cannot be read is not started by the session either.
bool enabled()
{
    QFile file(entryPath());
    if (!QFileInfo(file).isFile() || !file.open(QIODevice::ReadOnly))
        return false;
    bool inMainGroup = false;
    bool seenMainGroup = false;
    while (!file.atEnd()) {
        const QByteArray line = file.readLine().trimmed();
        if (line.isEmpty() || line.startsWith('#'))
            continue;
        if (line.startsWith('[')) {
            // Only the first [Desktop Entry] group counts; a repeated one is not valid.
            inMainGroup = !seenMainGroup && line == "[Desktop Entry]";
            seenMainGroup = seenMainGroup || inMainGroup;
            continue;
        }
        const qsizetype eq = line.indexOf('=');
        if (!inMainGroup || eq < 0)
            continue;
        const QByteArray key = line.left(eq).trimmed();
        const QByteArray value = line.mid(eq + 1).trimmed();
        if ((key == "Hidden" && value == "true") || (key == "X-GNOME-Autostart-enabled" && value == "false"))
            return false;
    }
    return seenMainGroup;
}

std::optional<QString> set(bool enable, const QString& launcher)
{
    const QString path = entryPath();
    if (!enable) {
        // Absent already (no file, or no folder to hold one) is what was asked for.
        if (::unlink(QFile::encodeName(path).constData()) != 0 && errno != ENOENT && errno != ENOTDIR)
            return failure(QT_TRANSLATE_NOOP("LaunchAtLogin", "Could not remove %1: %2"), path, errno);
        return std::nullopt;
    }
    std::error_code error;
    std::filesystem::create_directories(QFile::encodeName(folder()).toStdString(), error);
    if (error)
        return failure(QT_TRANSLATE_NOOP("LaunchAtLogin", "Could not create the folder %1: %2"), folder(),
                       error.value());
    return write(path, entry(launcher.isEmpty() ? launcherFor(QCoreApplication::applicationFilePath()) : launcher));
}

} // namespace openwright::LaunchAtLogin
