// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "Target.h"

#include <QDateTime>
#include <QList>
#include <QString>
#include <QStringList>

#include <optional>

namespace openwright {

// One place the system consults when it picks the application for a type: an entry of a
// mimeapps.list, a list without an entry for the type, or the installed handlers. Desktop-file
// IDs are written as in the lists, with ".desktop" ("org.gnome.Evince.desktop").
// An immutable value, safe on any thread.
struct DecisionStep
{
    enum class Group
    {
        DefaultApplications,
        AddedAssociations,
        RemovedAssociations,
        InstalledHandlers, // the applications that declare the type (mimeinfo.cache)
        // A desktop's own browser setting (file, line, `mimeType` naming the desktop and key,
        // `listed` the value, `chosenName` the application it names): links that desktop opens
        // follow it, whatever the lists say. It never counts as the deciding step.
        DesktopSetting,
        // An xdg-terminals.list (`listed` its entries, `skipped` those that are no installed
        // terminal); `chosenName` is set on the first that names an installed terminal.
        TerminalList,
        // A desktop's own terminal setting (`mimeType` naming the desktop and key, `listed` the
        // value; for GSettings `file` is the schema and `line` 0). Its own launches follow it.
        TerminalSetting,
        // Debian's x-terminal-emulator (`file` its link, `listed` where it leads): shown, never
        // deciding, never written.
        SystemAlternative,
    };
    enum class Presence
    {
        Read,
        Missing, // shown for the user's own lists, so the reader sees where a default would go
        Unreadable, // not a key file: the system ignores all of it
    };

    QString file; // the list's path; empty for the installed handlers
    Presence presence = Presence::Read;
    int line = 0; // 1-based line of the entry; 0 when the list has none for the type
    Group group = Group::DefaultApplications;
    QString mimeType; // the type the entry is for: the target's own, or a parent type
    bool parentType = false; // mimeType is a parent type the lookup fell back to
    QStringList listed; // in the order given
    QStringList skipped; // not installed, or an entry the system does not accept
    // Dropped by a [Removed Associations] entry; for a Removed Associations step, the ones it drops.
    QStringList removed;
    QString chosen; // the ID that decided, when this step decided
    QString chosenName;
    // For a desktop setting that names the application through something else (a helper that
    // starts the system's browser): how it leads there.
    QString through;
    // For a Removed Associations step without effect: what it names is installed in the folder
    // of the list itself, and the system still takes that folder's handlers.
    bool keptBySameFolder = false;

    bool decided() const { return !chosen.isEmpty(); }
    // One line of plain English, paths shown with ~ for the home folder.
    QString summary() const;

    friend bool operator==(const DecisionStep&, const DecisionStep&) = default;
};

// Why a target opens in the application it opens in: every place the system consults, in its
// order, and the application it arrives at. An immutable value, safe on any thread.
struct DecisionChain
{
    struct App
    {
        QString desktopId; // with ".desktop"
        QString path;
        QString name;

        friend bool operator==(const App&, const App&) = default;
    };

    Target target;
    std::optional<QString> mimeType; // absent for an extension the system does not know
    std::optional<App> app; // absent when nothing opens the target
    QList<DecisionStep> steps;
    // False when the system's own answer is another application than `app` (then the explanation
    // is incomplete); `systemDesktopId` is that answer, empty when the system names none.
    bool agreesWithSystem = true;
    QString systemDesktopId;
    // The desktop names of XDG_CURRENT_DESKTOP the system takes (lower case, in order), those it
    // ignores (as written), and the desktop-specific lists that exist because of them.
    QStringList desktops;
    QStringList ignoredDesktops;
    QStringList desktopLists;

    const DecisionStep* decisiveStep() const;
    // The list whose line now decides, when it was modified after `since`: the file whose edit
    // made the answer. Empty when no list line decides (the first installed handler does) or
    // that list is older. Reads the list's modification time.
    QString listChangedSince(const QDateTime& since) const;
    // One line of plain English for the whole explanation.
    QString summary() const;
    // "Set by your system: FILE line N" when the deciding line is in a list an administrator
    // keeps for every account (a folder of XDG_CONFIG_DIRS); empty otherwise.
    QString systemSetting() const;
    // Which desktop names the system considered and the lists they make it read; empty for a
    // platform without desktop-specific lists.
    QString desktopSummary() const;

    friend bool operator==(const DecisionChain&, const DecisionChain&) = default;
};

// `path` with the home folder written as "~".
QString homeRelativePath(const QString& path);

} // namespace openwright
