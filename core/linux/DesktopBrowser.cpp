// SPDX-License-Identifier: GPL-3.0-or-later
#include "DesktopBrowser.h"

#include "DesktopConfig.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

namespace openwright {

using namespace Qt::Literals::StringLiterals;

namespace {

using namespace desktopconfig;

const HelperRole& browserRole()
{
    static const HelperRole role {u"WebBrowser"_s, {u"sensible-browser"_s, u"x-www-browser"_s}, u"BROWSER"_s,
                                  u"x-www-browser"_s};
    return role;
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

std::optional<gio::App> kdeApp(const QString& value)
{
    if (value.startsWith(u'!'))
        return appRunning(value.mid(1).trimmed(), applications());
    return gio::appForId(value.endsWith(u".desktop"_s) ? value.chopped(8) : value);
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
    setting.app = xfceApp(setting.value, applications(), browserRole());
    if (const auto helper = readHelper(setting.value); setting.app && helper && startsSystemChoice(*helper, browserRole())) {
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
    return {userFile(), customHelperPath(browserRole())};
}


std::optional<gio::Error> DesktopBrowser::set(const gio::App& app) const
{
    std::optional<gio::Error> failure;
    const auto read = userText(userFile(), failure);
    if (!read)
        return failure;
    const QByteArray before = *read;
    if (desktop == Desktop::kde)
        return write(userFile(), withKey(before, u"General"_s, key(), app.id + u".desktop"_s));

    QString helper = helperFor(app, applications(), browserRole());
    if (helper.isEmpty()) {
        // No installed helper starts it: a custom helper does, as Xfce's own settings make one.
        if (auto failure = writeCustomHelper(app, browserRole(), u"%1 \"%s\""_s))
            return failure;
        helper = customHelperName(browserRole());
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
