// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QList>
#include <QString>
#include <QStringList>

#include <optional>

// The door to GIO and GLib: Qt types in, Qt types out. Nothing else but DecisionReader.cpp
// includes a GLib header (they clash with Qt's keywords), and every GLib resource is owned by
// an RAII handle inside the .cpp. All functions are thread-safe, as GIO's application queries are.
namespace openwright::gio {

// An installed desktop entry as GIO sees it.
struct App
{
    QString path; // the .desktop file
    QString id; // desktop-file ID without ".desktop"
    QString name; // localised Name
    QString icon; // Icon: a theme name or an absolute path; empty when none
};

// The MIME type the shared MIME database gives the name "x.EXT", judged by name alone;
// nothing when the system knows no such type (the generic application/octet-stream).
std::optional<QString> contentTypeForExtension(const QString& extension);

std::optional<App> defaultForType(const QString& contentType);
QList<App> allForType(const QString& contentType);
// Every installed application that wants to be shown in menus, in GIO's order.
QList<App> allApplications();
// The installed entry with this desktop-file ID (without ".desktop"), if GIO accepts it.
std::optional<App> appForId(const QString& id);

// An error reported by GLib, with its quark name, code and message.
struct Error
{
    QString domain;
    int code = 0;
    QString message;
    bool permissionDenied = false; // the file or folder may not be written
    bool missing = false; // a file that should be there is not
};

// Makes the entry `id` the default for `contentType` in the user's mimeapps.list.
std::optional<Error> setDefaultForType(const QString& id, const QString& contentType);

// The applications folders in precedence order: $XDG_DATA_HOME/applications first.
QStringList applicationDirs();
QString userConfigDir();

// A desktop entry read from disk: its localised Name, if it is a readable entry at all.
struct DesktopEntry
{
    bool readable = false;
    std::optional<QString> name;
    QString icon;
};
DesktopEntry readDesktopEntry(const QString& path);
// Why the file at `path` is no desktop entry of an application GIO would run, for the user;
// nothing when it is one.
std::optional<QString> applicationEntryProblem(const QString& path);

// Whether the key file at `path` parses (a missing file does). GIO rewrites a list it cannot
// parse from empty.
bool listParses(const QString& path);
// In the key file at `path` (a mimeapps.list), the first default listed for `contentType`
// under [Default Applications], if any.
std::optional<QString> listedDefault(const QString& path, const QString& contentType);
// Rewrites that entry to name `desktopFile` alone, keeping the rest of the file; atomically.
std::optional<Error> setListedDefault(const QString& path, const QString& contentType, const QString& desktopFile);

} // namespace openwright::gio
