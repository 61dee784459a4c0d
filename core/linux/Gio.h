// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QHash>
#include <QList>
#include <QString>
#include <QStringList>

#include <functional>
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
    QStringList types; // the MIME types its MimeType key declares, as written
    QString commandLine; // Exec without its field codes (%U, %f…)
};

// The MIME type the shared MIME database gives the name "x.EXT", judged by name alone;
// nothing when the system knows no such type (the generic application/octet-stream).
std::optional<QString> contentTypeForExtension(const QString& extension);
// Every type the database gives "x.EXT" with equal weight, that one first: a real file gets
// one of them by its contents (*.obj is application/x-tgif and model/obj). Empty when the
// system knows no such type.
QStringList contentTypesForExtension(const QString& extension);

// The type of `mimeType` as the system names it (an alias such as application/x-pdf becomes
// application/pdf), when the shared MIME database or an installed application knows it.
std::optional<QString> knownContentType(const QString& mimeType);
// The type of `mimeType` as the shared MIME database names it (aliases and other spellings of
// one type are that type); nothing for a type no database describes, even where an application
// declares it. Link types (x-scheme-handler/…) are real types of their own.
std::optional<QString> databaseType(const QString& mimeType);
// The type GIO gives the file or folder at `path`, by its name and contents; nothing, with
// `problem` set to the system's reason, when the file cannot be looked at.
std::optional<QString> contentTypeOfFile(const QString& path, QString* problem);

// Waits, briefly, until GIO has taken in a change another program made to the lists or
// entries it keeps (see Gio.cpp); the lookups below call it first.
void settleOutsideWrites();
// Says that this process changed a list itself, so the next lookup does not wait for GIO to
// notice that change as if another program had made it.
void noteOwnWrite();
// Counts each look settleOutsideWrites() takes at the files (at most one every few
// milliseconds) and each write noted: what was read from them under the same count needs no
// second look.
quint64 filesLook();
std::optional<App> defaultForType(const QString& contentType);
QList<App> allForType(const QString& contentType);
// Whether `app` is made for the type itself, not only for a parent type: its entry declares
// the type (or an alias of it), or the user's list adds it for the type (`added`, as listed).
bool isMadeFor(const App& app, const QString& contentType, const QStringList& added);
// The MIME database's description of a type ("MPEG-4 video"), in the user's language; empty
// for a type the database does not know.
QString typeDescription(const QString& contentType);
// Every MIME type the shared MIME database knows, sorted.
QStringList registeredTypes();
// The file-name patterns ("*.pdf", "Makefile") the shared MIME database gives each type, by the
// type's name, heaviest first; read again when a database changes.
QHash<QString, QStringList> globPatterns();
// Whether `type` is `parent`, one of its aliases or subtypes, as the MIME database says.
bool isA(const QString& type, const QString& parent);

// Every installed application that wants to be shown in menus, in GIO's order.
QList<App> allApplications();
// Every installed application of a desktop-entry category ("TerminalEmulator"), in GIO's order.
QList<App> applicationsInCategory(const QString& category);
// The entry of desktop-file ID `id` (with ".desktop"), if it is installed, shown, and in
// `category`: what applicationsInCategory() would list of it, without reading every entry.
std::optional<App> applicationInCategory(const QString& id, const QString& category);
// The installed entry with this desktop-file ID (without ".desktop"), if GIO accepts it.
std::optional<App> appForId(const QString& id);
// appForId, or else the user's own copy of the entry when it says Hidden=true: GIO drops such
// an entry everywhere but in its default lookup, which still opens files in it where a list
// names it.
std::optional<App> listedEntryForId(const QString& id);

// Keeps GLib's log messages off standard error unless G_MESSAGES_DEBUG asks for them (the
// warnings it prints about odd lists are ours to report, in words of our own).
void quietLogs();

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
// Opens `uri` in its default application, as `gio open` does.
std::optional<Error> launchDefault(const QString& uri);

// A string key of a GSettings schema, when the schema is installed (GSettings aborts the
// process on a schema it does not know, so every access looks it up first).
std::optional<QString> settingsString(const QString& schema, const QString& key);
// Sets a string key of an installed schema and waits until it is written.
std::optional<Error> setSettingsString(const QString& schema, const QString& key, const QString& value);
// Puts the key back to the schema's default.
std::optional<Error> resetSettingsKey(const QString& schema, const QString& key);
// Whether the user's settings hold a value of their own for the key.
bool settingsKeyIsSet(const QString& schema, const QString& key);

// A fingerprint of everything GIO's answers about applications and types are made from: the
// environment that places and orders the lists, and the identity and modification times of
// every list (terminal lists too), applications folder and entry, of the shared MIME database
// and of the folders of PATH (an entry whose program is missing is dropped), and GNOME's
// terminal setting. Answers read after taking it hold while it stays the same. Touches only
// metadata, but for that one GSettings key: stats, no file is read.
QByteArray answersStamp();
// The same without each desktop entry's own record, only the folders that hold them: an entry
// edited in place, or a linked one whose target moved, leaves it unchanged. A tenth of the
// cost at 10,000 applications.
QByteArray quickAnswersStamp();
// Each path's identity, size and times, or that it is missing, in order: equal while none of
// the files or folders changed (an entry added to a folder changes the folder's time).
QByteArray pathsStamp(const QStringList& paths);

// The applications folders in precedence order: $XDG_DATA_HOME/applications first.
QStringList applicationDirs();
QString userConfigDir();
// The data and configuration folders in precedence order, the user's own first.
QStringList dataDirs();
QStringList configDirs();
// The user's lists the system reads, strongest first: one desktop-specific list for each name
// of XDG_CURRENT_DESKTOP it accepts, then mimeapps.list.
QStringList userLists();

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
// One line of a list's [Default Applications]: the key as written and the entries it names.
struct ListedDefault
{
    QString key;
    QStringList desktopFiles;
};
// In the key file at `path` (a mimeapps.list), the [Default Applications] lines for
// `contentType`: under the type itself or one of its aliases, in file order, which is the
// order the system tries their entries in.
QList<ListedDefault> listedDefaults(const QString& path, const QString& contentType);
// Rewrites the type's default to name `desktopFile` alone, and drops the lines that name it
// under an alias, keeping the rest of the file; atomically.
std::optional<Error> setListedDefault(const QString& path, const QString& contentType, const QString& desktopFile);

// In the list at `path`, the entries its [Added Associations] give `contentType`, under the
// type or its aliases.
QStringList addedAssociations(const QString& path, const QString& contentType);
// Removes the type's lines (under the type or an alias) from [Default Applications] of the
// list at `path`, and with `associations` from its [Added Associations] too, keeping the rest
// of the file; atomically. Writes nothing when there is no such line.
std::optional<Error> removeChoice(const QString& path, const QString& contentType, bool associations);

// A type's lines of one list, each group's entries in order, as written ("vlc.desktop").
struct TypeLines
{
    QStringList defaults; // [Default Applications]
    QStringList added; // [Added Associations]
    QStringList removed; // [Removed Associations]

    friend bool operator==(const TypeLines&, const TypeLines&) = default;
};
// The type's lines of the list at `path`, under the type or its aliases; empty for a list that is
// missing or does not parse.
TypeLines typeLines(const QString& path, const QString& contentType);
// Lets `edit` change the type's lines of the list at `path` (a missing list being empty) and
// writes them back under the type's own name, keeping the rest of the file; atomically, and
// nothing when `edit` changed nothing.
std::optional<Error> editTypeLines(const QString& path, const QString& contentType,
                                   const std::function<void(TypeLines&)>& edit);

} // namespace openwright::gio
