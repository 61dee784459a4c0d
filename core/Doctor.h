// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QList>
#include <QString>
#include <QStringList>

#include <QByteArray>
#include <QHash>

#include <functional>
#include <optional>

namespace openwright {

// Files as a change would leave them, by path: the new text, or nullopt for a file removed.
using FileChanges = QHash<QString, std::optional<QByteArray>>;

// What the doctor asks of the platform; each answer reads the installed system, never changes it.
struct DoctorPlatform
{
    // Whether the desktop-file ID (with ".desktop") names an entry the system's default lookup
    // opens files with.
    std::function<bool(const QString& id)> installed;
    // The type an alias stands for (application/x-pdf → application/pdf); the type itself otherwise.
    std::function<QString(const QString& type)> canonical;
    // Whether a program named in TryExec or Exec is there (an absolute path, or on PATH).
    std::function<bool(const QString& program)> programFound;
    // An installed entry outside the user's own applications whose command line is the same as
    // `exec` (an Exec value) once field codes are dropped and the program is found on PATH, by ID;
    // empty for none.
    std::function<QString(const QString& exec)> installedRunning;
    // The defaults list whose line now decides the type's application; empty when none does.
    std::function<QString(const QString& type)> decidingList;
    // What opens each of `types` (a desktop-file ID; empty for nothing) as the system reads its
    // files, with `changed` read as given there. Unset: the effect of a fix cannot be predicted.
    std::function<QHash<QString, QString>(const QStringList& types, const FileChanges& changed)> opens;
    // `types` with the types the entries of `ids` declare and every type inheriting from one of
    // them: all whose default a change of their lines or of those entries can move.
    std::function<QStringList(const QStringList& types, const QStringList& ids)> affected;
    // Whether the system's own answer for the type is what opens() says for the files as they
    // are; where not, no prediction for it can be trusted.
    std::function<bool(const QString& type)> agrees;
    // Runs `write` (one file's change, true when made) and returns once the system's own answers
    // take it in, or after a short wait; unset: the fix runs it alone.
    std::function<void(const std::function<bool()>& write)> writing;
};

// The user's own files the doctor reads: their configuration and data folders and the desktop
// names whose lists the system reads (lower case, in order).
struct DoctorPaths
{
    QString configHome;
    QString dataHome;
    QStringList desktops;
    QStringList systemConfigDirs; // XDG_CONFIG_DIRS: the lists an administrator keeps

    QString userList() const { return configHome + QStringLiteral("/mimeapps.list"); }
    QString applications() const { return dataHome + QStringLiteral("/applications"); }
};

// One problem in the user's defaults files, where it is, why it matters and what fixing it does.
struct DoctorFinding
{
    enum class Kind
    {
        uninstalledApp, // a default or added association naming an application no longer installed
        shadowingAlias, // an alias key beside its canonical type's key in the same group
        duplicateKey, // a key twice in one group
        defaultAndRemoved, // a default's application also in the type's Removed Associations
        deprecatedList, // a list in the applications folder that still decides a type
        desktopOverride, // a desktop-specific list that overrides the user's own choice
        userappDuplicate, // an "open with a command" entry running an installed application's program
        userappMissingProgram, // an "open with a command" entry whose program is gone
        missingProgram, // a user desktop entry whose TryExec or Exec program is not found
        managedList, // a read-only link managed by a configuration tool: explained, never changed
        unreadableList, // a line the system cannot parse, which makes it ignore the whole list
        untrimmedItem, // an item with blanks around it, which never matches an entry
        ignoredGroup, // associations in a list that may only set defaults: the system ignores them
        overridesSystem, // the user's own choice where the system's list (an administrator's) sets
                         // another: explained, never changed
    };

    // A type whose application the fix changes, as the system will read the files afterwards.
    struct Move
    {
        QString type;
        QString from; // desktop-file IDs; empty: none, the system asks
        QString to;

        friend bool operator==(const Move&, const Move&) = default;
    };

    Kind kind = Kind::uninstalledApp;
    QString file;
    int line = 0; // 1-based; 0 for a whole file
    QString type; // the key as written
    QString id; // the application it is about (with ".desktop")
    QString other; // the canonical line's or replacing application's ID, where there is one
    int otherLine = 0;
    QString otherFile; // where `other` is set, when it is another file
    QString group; // the list's group of the line
    bool changesDefault = false; // fixing it changes (or may change) which application opens a type
    bool fixable = true;
    // Whether what opens each type after the fix is known for sure; a fix that is not is left
    // unselected.
    bool predictable = true;
    QList<Move> moves; // every type the fix alone moves

    // Whether it counts against the desktop's health: a managed list and a choice of the user's
    // own over the system's are said, not held against anyone.
    bool isProblem() const { return kind != Kind::managedList && kind != Kind::overridesSystem; }
    // One stable name for the finding, to select it by.
    QString key() const;
    // Why it is a problem, in plain English, paths written with ~.
    QString explanation() const;
    // What fixing it does (or why it cannot be fixed here).
    QString fix() const;

    friend bool operator==(const DoctorFinding&, const DoctorFinding&) = default;
};

// What a clean-up did: each file it changed or removed, the copy it kept of each, and one line a
// fix; or why it stopped. A file's fixes are written together or not at all.
struct CleanUpOutcome
{
    QStringList changedFiles;
    QStringList copies; // NAME.before-cleanup-N beside each changed file
    QStringList done; // one sentence a fix that was made
    QStringList moved; // one sentence a type whose application changed: what opens it now
    QStringList problems; // a file that could not be written, with the reason; its fixes were not made
    int stale = 0; // findings the files no longer show (changed since they were examined): left alone

    bool succeeded() const { return problems.isEmpty(); }
};

// A check of the user's own defaults files and applications folder: $XDG_CONFIG_HOME/mimeapps.list
// and its desktop-specific lists, the older lists in $XDG_DATA_HOME/applications and the desktop
// entries there. Reads and writes files only; pure otherwise. Any thread; not concurrently with
// another clean-up of the same files.
namespace Doctor {

QList<DoctorFinding> examine(const DoctorPaths& paths, const DoctorPlatform& platform);
// The findings selected unless the person chooses otherwise: those fixable with a known effect.
QList<DoctorFinding> selectedByDefault(const QList<DoctorFinding>& findings);
// Fixes the given findings (as examine() gave them), file by file: each changed file is first
// copied beside itself, then written whole through a temporary. Findings that are not fixable,
// and those the files no longer show (another program wrote them since), are passed over.
CleanUpOutcome fix(const QList<DoctorFinding>& findings, const DoctorPaths& paths, const DoctorPlatform& platform);

} // namespace Doctor

} // namespace openwright
