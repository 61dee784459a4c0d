// SPDX-License-Identifier: GPL-3.0-or-later
#include "DesktopConfig.h"

#include "JSONStore.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>

#include <algorithm>

namespace openwright::desktopconfig {

using namespace Qt::Literals::StringLiterals;

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

QString executableName(const QString& commandLine)
{
    const QStringList words = QProcess::splitCommand(commandLine);
    return words.isEmpty() ? QString() : QFileInfo(words.first()).fileName();
}

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

QString alternativeTarget(const QString& name)
{
    // Looked up along PATH, which holds /usr/bin, rather than at its fixed place: a test's
    // throw-away tree can stand in for the system's.
    const QString link = QStandardPaths::findExecutable(name);
    if (link.isEmpty() || !QFileInfo(link).isSymLink())
        return {};
    return QFileInfo(link).canonicalFilePath();
}

QStringList alternativePrograms(const QString& name)
{
    // /usr/bin/NAME is a link through /etc/alternatives/NAME to the program (itself perhaps a link).
    QString link = QStandardPaths::findExecutable(name);
    QStringList programs;
    for (int hops = 0; !link.isEmpty() && QFileInfo(link).isSymLink() && hops < 16; ++hops) {
        link = QFileInfo(link).symLinkTarget();
        if (const QString program = QFileInfo(link).fileName(); program != name && !programs.contains(program))
            programs.append(program);
    }
    return programs;
}

namespace {

QStringList helperDirs()
{
    QStringList dirs;
    for (const QString& dir : gio::dataDirs())
        dirs.append(dir + u"/xfce4/helpers"_s);
    return dirs;
}

} // namespace

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

// Debian's helpers (debian-sensible-browser, debian-x-terminal-emulator), which Debian's Xfce
// names, start a program that starts the system's choice.
bool startsSystemChoice(const Helper& helper, const HelperRole& role)
{
    QStringList programs = helper.binaries;
    programs.append(executableName(helper.command));
    return std::any_of(programs.cbegin(), programs.cend(), [&](const QString& program) {
        return role.systemPrograms.contains(QFileInfo(program.trimmed()).fileName());
    });
}

std::optional<gio::App> systemChoice(const QList<gio::App>& apps, const HelperRole& role)
{
    if (!role.environment.isEmpty()) {
        for (QString command : qEnvironmentVariable(role.environment.toUtf8().constData()).split(u':', Qt::SkipEmptyParts)) {
            command = command.remove(u"%s"_s).trimmed();
            if (!command.isEmpty() && !role.systemPrograms.contains(executableName(command)))
                return appRunning(command, apps);
        }
    }
    for (const QString& program : alternativePrograms(role.alternative)) {
        for (const gio::App& app : apps) {
            if (executableName(app.commandLine) == program)
                return app;
        }
    }
    return std::nullopt;
}

std::optional<gio::App> xfceApp(const QString& name, const QList<gio::App>& apps, const HelperRole& role)
{
    const auto helper = readHelper(name);
    if (!helper)
        return gio::appForId(name);
    if (startsSystemChoice(*helper, role))
        return systemChoice(apps, role);
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

QString helperFor(const gio::App& app, const QList<gio::App>& apps, const HelperRole& role)
{
    for (const QString& dir : helperDirs()) {
        const QFileInfoList files = QDir(dir).entryInfoList({u"*.desktop"_s}, QDir::Files, QDir::Name);
        for (const QFileInfo& file : files) {
            const QString name = file.completeBaseName();
            const auto helper = readHelper(name);
            // One that starts whatever the system's choice is would not keep this one.
            if (!helper || helper->category != role.category || startsSystemChoice(*helper, role))
                continue;
            if (const auto opens = xfceApp(name, apps, role); opens && opens->path == app.path)
                return name;
        }
    }
    return {};
}

QString customHelperName(const HelperRole& role)
{
    return u"custom-"_s + role.category;
}

QString customHelperPath(const HelperRole& role)
{
    return helperDirs().first() + u'/' + customHelperName(role) + u".desktop"_s;
}

std::optional<gio::Error> writeCustomHelper(const gio::App& app, const HelperRole& role, const QString& withParameter)
{
    const QString command = app.commandLine;
    const QByteArray text = u"[Desktop Entry]\nNoDisplay=true\nVersion=1.0\nType=X-XFCE-Helper\n"
                            u"X-XFCE-Category=%1\nX-XFCE-Commands=%2\n"
                            u"X-XFCE-CommandsWithParameter=%3\nIcon=%4\nName=%5\n"_s
                                .arg(role.category, command, withParameter.arg(command), app.icon, app.name)
                                .toUtf8();
    return write(customHelperPath(role), text);
}

} // namespace openwright::desktopconfig
