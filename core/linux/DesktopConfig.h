// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "Gio.h"

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

#include <optional>

// The desktops' own settings files, where Xfce and KDE keep the browser and the terminal beside
// mimeapps.list: reading their key=value lines, rewriting one key and keeping every other line,
// and the Xfce helpers those settings name. One reader and one writer for every role, so that
// the browser and the terminal treat a user's helpers.rc or kdeglobals alike. Any thread; the
// caller serialises writes.
namespace openwright::desktopconfig {

// One "key=value" line of a key file, with the group it sits in ("" before the first group).
struct KeyLine
{
    QString group;
    QString key; // without a locale or "[$e]" suffix
    QString value;
    int number = 0;
};
QList<KeyLine> keyLines(const QByteArray& bytes);

// The file's text with `key` of `group` set to `value` alone: its first line replaced, any
// other (localised, "[$e]") form dropped, the group made when missing. Without a value, every
// form of the key goes.
QByteArray withKey(const QByteArray& bytes, const QString& group, const QString& key,
                   const std::optional<QString>& value);

std::optional<QByteArray> readFile(const QString& path);
// Writes atomically, keeping the mode and owner of a file it replaces.
std::optional<gio::Error> write(const QString& path, const QByteArray& bytes);
// The user's file as it is (empty when there is none); a file that is there but cannot be read
// is never replaced, since it holds the desktop's other settings too: nothing, with `failure`.
std::optional<QByteArray> userText(const QString& path, std::optional<gio::Error>& failure);

QString executableName(const QString& commandLine);
// The application a command starts: the entry with exactly that command line, else the first
// that runs the same program.
std::optional<gio::App> appRunning(const QString& command, const QList<gio::App>& apps);
// The programs the Debian alternative `name` leads to ("x-terminal-emulator" → "xfce4-terminal"),
// following the links from where PATH finds it, in order.
QStringList alternativePrograms(const QString& name);
// The file the alternative's link in PATH ends at; empty when PATH has none.
QString alternativeTarget(const QString& name);

// What an Xfce helper category stands for: its name, and the Debian helpers of it that start
// whatever the system's choice is (an environment variable, then an alternative).
struct HelperRole
{
    QString category; // X-XFCE-Category: "WebBrowser", "TerminalEmulator"
    QStringList systemPrograms; // "sensible-browser", "x-www-browser"
    QString environment; // "BROWSER"; empty when none
    QString alternative; // "x-www-browser"
};

struct Helper
{
    QString category;
    QStringList binaries;
    QString command; // the first of X-XFCE-Commands
};
std::optional<Helper> readHelper(const QString& name);
bool startsSystemChoice(const Helper& helper, const HelperRole& role);
// The installed application the system's choice of the role is: the environment's first
// program, else the alternative's.
std::optional<gio::App> systemChoice(const QList<gio::App>& apps, const HelperRole& role);
// The installed entry an Xfce helper starts. A name without helper file may still be a
// desktop-file ID, as some distributions' defaults are.
std::optional<gio::App> xfceApp(const QString& name, const QList<gio::App>& apps, const HelperRole& role);
// The installed helper of the role that starts `app`, if one does; the user's own helpers first.
QString helperFor(const gio::App& app, const QList<gio::App>& apps, const HelperRole& role);
// The user's custom helper of the role, which Xfce's own settings write for a program no
// installed helper starts.
QString customHelperName(const HelperRole& role);
QString customHelperPath(const HelperRole& role);
// Writes the user's custom helper of the role for `app`; `withParameter` is how it is given
// what to open ("%1 \"%s\"", with %1 the command).
std::optional<gio::Error> writeCustomHelper(const gio::App& app, const HelperRole& role, const QString& withParameter);

} // namespace openwright::desktopconfig
