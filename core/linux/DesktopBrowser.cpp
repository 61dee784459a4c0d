// SPDX-License-Identifier: GPL-3.0-or-later
#include "DesktopBrowser.h"

#include "JSONStore.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>

namespace openwright {

using namespace Qt::Literals::StringLiterals;

namespace {

constexpr auto kCustomHelper = "custom-WebBrowser";

// One "key=value" line of a key file, with the group it sits in ("" before the first group).
struct KeyLine
{
    QString group;
    QString key; // without a locale or "[$e]" suffix
    QString value;
    int number = 0;
};

QList<KeyLine> keyLines(const QByteArray& bytes)
{
    QList<KeyLine> lines;
    QString group;
    int number = 0;
    for (const QByteArray& raw : bytes.split('\n')) {
        ++number;
        const QString line = QString::fromUtf8(raw).trimmed();
        if (line.isEmpty() || line.startsWith(u'#'))
            continue;
        if (line.startsWith(u'[') && line.endsWith(u']')) {
            group = line.mid(1, line.size() - 2);
            continue;
        }
        const qsizetype eq = line.indexOf(u'=');
        if (eq <= 0)
            continue;
        QString key = line.left(eq).trimmed();
        key = key.left(key.indexOf(u'[') < 0 ? key.size() : key.indexOf(u'['));
        lines.append({group, key, line.mid(eq + 1).trimmed(), number});
    }
    return lines;
}

std::optional<QByteArray> readFile(const QString& path)
{
    return readWholeFile(path, kMaxConfigFileBytes).bytes;
}

// The file's text with `key` of `group` set to `value` alone: its first line replaced, any
// other (localised, "[$e]") form dropped, the group made when missing. Without a value, every
// form of the key goes.
QByteArray withKey(const QByteArray& bytes, const QString& group, const QString& key,
                   const std::optional<QString>& value)
{
    QStringList out;
    QString current;
    bool written = false;
    qsizetype groupEnd = group.isEmpty() ? 0 : -1; // where the group's last line is, to append after it
    const QStringList lines = bytes.isEmpty() ? QStringList() : QString::fromUtf8(bytes).split(u'\n');
    for (const QString& line : lines) {
        const QString t = line.trimmed();
        if (t.startsWith(u'[') && t.endsWith(u']')) {
            current = t.mid(1, t.size() - 2);
        } else if (current == group && t.contains(u'=')) {
            QString k = t.left(t.indexOf(u'=')).trimmed();
            k = k.left(k.indexOf(u'[') < 0 ? k.size() : k.indexOf(u'['));
            if (k == key) {
                if (!std::exchange(written, true) && value)
                    out.append(key + u'=' + *value);
                continue;
            }
        }
        out.append(line);
        if (current == group && !t.isEmpty())
            groupEnd = out.size();
    }
    if (!written && value) {
        if (groupEnd < 0) {
            if (!out.isEmpty() && !out.last().isEmpty())
                out.append(QString());
            out.append(u'[' + group + u']');
            groupEnd = out.size();
        }
        out.insert(groupEnd, key + u'=' + *value);
    }
    QString text = out.join(u'\n');
    if (!text.endsWith(u'\n'))
        text += u'\n';
    return text.toUtf8();
}

std::optional<gio::Error> write(const QString& path, const QByteArray& bytes)
{
    try {
        QDir().mkpath(QFileInfo(path).path());
        writeAtomically(path, bytes, FileAccess::asCreated);
    } catch (const StoreError& e) {
        return gio::Error {u"openwright"_s, 6, e.message()};
    }
    return std::nullopt;
}

QString executableName(const QString& commandLine)
{
    const QStringList words = QProcess::splitCommand(commandLine);
    return words.isEmpty() ? QString() : QFileInfo(words.first()).fileName();
}

// Browsers first: a program name shared by several entries most likely means the browser.
QList<gio::App> applications()
{
    QList<gio::App> apps = gio::allForType(u"x-scheme-handler/http"_s);
    for (gio::App& app : gio::allApplications()) {
        if (std::none_of(apps.cbegin(), apps.cend(), [&](const gio::App& a) { return a.path == app.path; }))
            apps.append(std::move(app));
    }
    return apps;
}

// The application a command starts: the entry with exactly that command line, else the first
// that runs the same program.
std::optional<gio::App> appRunning(const QString& command, const QList<gio::App>& apps)
{
    for (const gio::App& app : apps) {
        if (app.commandLine == command)
            return app;
    }
    const QString program = executableName(command);
    for (const gio::App& app : apps) {
        if (!program.isEmpty() && executableName(app.commandLine) == program)
            return app;
    }
    return std::nullopt;
}

QStringList helperDirs()
{
    QStringList dirs;
    for (const QString& dir : gio::dataDirs())
        dirs.append(dir + u"/xfce4/helpers"_s);
    return dirs;
}

struct Helper
{
    QString category;
    QStringList binaries;
    QString command; // the first of X-XFCE-Commands
};

std::optional<Helper> readHelper(const QString& name)
{
    for (const QString& dir : helperDirs()) {
        const auto bytes = readFile(dir + u'/' + name + u".desktop"_s);
        if (!bytes)
            continue;
        Helper helper;
        for (const KeyLine& line : keyLines(*bytes)) {
            if (line.group != u"Desktop Entry")
                continue;
            if (line.key == u"X-XFCE-Category")
                helper.category = line.value;
            else if (line.key == u"X-XFCE-Binaries")
                helper.binaries = line.value.split(u';', Qt::SkipEmptyParts);
            else if (line.key == u"X-XFCE-Commands")
                helper.command = line.value.section(u';', 0, 0).trimmed();
        }
        return helper;
    }
    return std::nullopt;
}

// Debian's helper debian-sensible-browser, which Debian's Xfce names as its browser, starts
// sensible-browser, which starts the x-www-browser alternative: whatever the system's browser is.
bool startsSystemBrowser(const Helper& helper)
{
    QStringList programs = helper.binaries;
    programs.append(executableName(helper.command));
    return std::any_of(programs.cbegin(), programs.cend(), [](const QString& program) {
        const QString name = QFileInfo(program.trimmed()).fileName();
        return name == u"sensible-browser" || name == u"x-www-browser";
    });
}

// The browser sensible-browser starts: the first program $BROWSER lists, else the x-www-browser
// alternative, /usr/bin/x-www-browser, a link through /etc/alternatives to the browser's program
// (itself perhaps a link): the entry that runs one of the programs along that way.
std::optional<gio::App> systemBrowser(const QList<gio::App>& apps)
{
    for (QString command : qEnvironmentVariable("BROWSER").split(u':', Qt::SkipEmptyParts)) {
        command = command.remove(u"%s"_s).trimmed();
        if (!command.isEmpty() && executableName(command) != u"sensible-browser")
            return appRunning(command, apps);
    }
    // Looked up along PATH, which holds /usr/bin, rather than at its fixed place: a test's
    // throw-away tree can stand in for the system's.
    QString link = QStandardPaths::findExecutable(u"x-www-browser"_s);
    QStringList programs;
    for (int hops = 0; !link.isEmpty() && QFileInfo(link).isSymLink() && hops < 16; ++hops) {
        link = QFileInfo(link).symLinkTarget();
        if (const QString name = QFileInfo(link).fileName(); name != u"x-www-browser" && !programs.contains(name))
            programs.append(name);
    }
    for (const QString& program : std::as_const(programs)) {
        for (const gio::App& app : apps) {
            if (executableName(app.commandLine) == program)
                return app;
        }
    }
    return std::nullopt;
}

// An Xfce helper names programs (X-XFCE-Binaries), or a command of its own (a custom helper);
// the installed entry that runs them is what opens links. A name without helper file may still
// be a desktop-file ID, as some distributions' defaults are.
std::optional<gio::App> xfceApp(const QString& name, const QList<gio::App>& apps)
{
    const auto helper = readHelper(name);
    if (!helper)
        return gio::appForId(name);
    if (startsSystemBrowser(*helper))
        return systemBrowser(apps);
    if (!helper->command.isEmpty() && !helper->command.contains(u"%B"_s))
        return appRunning(helper->command, apps);
    for (const QString& binary : helper->binaries) {
        for (const gio::App& app : apps) {
            if (executableName(app.commandLine) == QFileInfo(binary.trimmed()).fileName())
                return app;
        }
    }
    return std::nullopt;
}

std::optional<gio::App> kdeApp(const QString& value)
{
    if (value.startsWith(u'!'))
        return appRunning(value.mid(1).trimmed(), applications());
    return gio::appForId(value.endsWith(u".desktop"_s) ? value.chopped(8) : value);
}

QString customHelperPath()
{
    return helperDirs().first() + u'/' + QLatin1StringView(kCustomHelper) + u".desktop"_s;
}

// The installed helper that starts `app`, if one does; the user's own helpers first.
QString helperFor(const gio::App& app, const QList<gio::App>& apps)
{
    for (const QString& dir : helperDirs()) {
        const QFileInfoList files = QDir(dir).entryInfoList({u"*.desktop"_s}, QDir::Files, QDir::Name);
        for (const QFileInfo& file : files) {
            const QString name = file.completeBaseName();
            const auto helper = readHelper(name);
            // One that starts whatever the system's browser is would not keep this one.
            if (!helper || helper->category != u"WebBrowser" || startsSystemBrowser(*helper))
                continue;
            if (const auto opens = xfceApp(name, apps); opens && opens->path == app.path)
                return name;
        }
    }
    return {};
}

} // namespace

std::optional<DesktopBrowser> DesktopBrowser::current()
{
    DesktopBrowser setting;
    bool found = false;
    for (const QString& name : qEnvironmentVariable("XDG_CURRENT_DESKTOP").split(u':', Qt::SkipEmptyParts)) {
        if (name.compare(u"XFCE"_s, Qt::CaseInsensitive) == 0) {
            setting.desktop = Desktop::xfce;
            found = true;
            break;
        }
        if (name.compare(u"KDE"_s, Qt::CaseInsensitive) == 0) {
            setting.desktop = Desktop::kde;
            found = true;
            break;
        }
    }
    if (!found)
        return std::nullopt;
    // The user's file first; a system file (/etc/xdg) sets what the user has not.
    const QString relative = setting.userFile().mid(gio::userConfigDir().size());
    const QString group = setting.desktop == Desktop::kde ? u"General"_s : QString();
    for (const QString& dir : gio::configDirs()) {
        const QString path = dir + relative;
        const auto bytes = readFile(path);
        if (!bytes)
            continue;
        for (const KeyLine& line : keyLines(*bytes)) {
            if (line.group == group && line.key == setting.key() && !line.value.isEmpty()) {
                setting.file = path;
                setting.line = line.number;
                setting.value = line.value;
                break;
            }
        }
        if (!setting.file.isEmpty())
            break;
    }
    if (setting.value.isEmpty())
        return setting;
    if (setting.desktop == Desktop::kde) {
        setting.app = kdeApp(setting.value);
        return setting;
    }
    setting.app = xfceApp(setting.value, applications());
    if (const auto helper = readHelper(setting.value); setting.app && helper && startsSystemBrowser(*helper)) {
        setting.through = QCoreApplication::translate("DesktopBrowser", "Xfce's Debian browser, which starts %1")
                              .arg(setting.app->name);
    }
    return setting;
}

QString DesktopBrowser::desktopName() const
{
    return desktop == Desktop::kde ? u"KDE"_s : u"Xfce"_s;
}

QString DesktopBrowser::key() const
{
    return desktop == Desktop::kde ? u"BrowserApplication"_s : u"WebBrowser"_s;
}

QString DesktopBrowser::userFile() const
{
    return gio::userConfigDir() + (desktop == Desktop::kde ? u"/kdeglobals"_s : u"/xfce4/helpers.rc"_s);
}

QStringList DesktopBrowser::filesWritten() const
{
    if (desktop == Desktop::kde)
        return {userFile()};
    return {userFile(), customHelperPath()};
}

namespace {

// The user's file as it is; a file that is there but cannot be read is never replaced, since
// it holds the desktop's other settings too.
std::optional<QByteArray> userText(const QString& path, std::optional<gio::Error>& failure)
{
    if (auto bytes = readFile(path))
        return bytes;
    if (!QFileInfo::exists(path))
        return QByteArray();
    failure = gio::Error {u"openwright"_s, 6,
                          QCoreApplication::translate("DesktopBrowser", "%1 cannot be read, so it was left as it is.")
                              .arg(QDir::toNativeSeparators(path))};
    return std::nullopt;
}

} // namespace

std::optional<gio::Error> DesktopBrowser::set(const gio::App& app) const
{
    std::optional<gio::Error> failure;
    const auto read = userText(userFile(), failure);
    if (!read)
        return failure;
    const QByteArray before = *read;
    if (desktop == Desktop::kde)
        return write(userFile(), withKey(before, u"General"_s, key(), app.id + u".desktop"_s));

    QString helper = helperFor(app, applications());
    if (helper.isEmpty()) {
        // No installed helper starts it: a custom helper does, as Xfce's own settings make one.
        const QString command = app.commandLine;
        const QByteArray text = u"[Desktop Entry]\nNoDisplay=true\nVersion=1.0\nType=X-XFCE-Helper\n"
                                u"X-XFCE-Category=WebBrowser\nX-XFCE-Commands=%1\n"
                                u"X-XFCE-CommandsWithParameter=%1 \"%s\"\nIcon=%2\nName=%3\n"_s
                                    .arg(command, app.icon, app.name)
                                    .toUtf8();
        if (auto failure = write(customHelperPath(), text))
            return failure;
        helper = QLatin1StringView(kCustomHelper);
    }
    return write(userFile(), withKey(before, QString(), key(), helper));
}

bool DesktopBrowser::isUsers() const
{
    return !file.isEmpty() && QFileInfo(file).absoluteFilePath() == QFileInfo(userFile()).absoluteFilePath();
}

std::optional<gio::Error> DesktopBrowser::reset() const
{
    if (!isUsers())
        return std::nullopt;
    const QString group = desktop == Desktop::kde ? u"General"_s : QString();
    std::optional<gio::Error> failure;
    const auto before = userText(userFile(), failure);
    if (!before)
        return failure;
    return write(userFile(), withKey(*before, group, key(), std::nullopt));
}

} // namespace openwright
