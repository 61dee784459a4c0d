// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "DecisionChain.h"
#include "Gio.h"
#include "TargetState.h"

#include <QString>
#include <QStringList>

#include <optional>

namespace openwright {

// One place that names the terminal: an xdg-terminals.list, the current desktop's own setting
// (Xfce's helpers.rc, KDE's kdeglobals, GNOME's GSettings), or the system's x-terminal-emulator.
struct TerminalSource
{
    enum class Kind
    {
        list,
        desktop,
        alternative
    };

    Kind kind = Kind::list;
    QString file; // the file read; for GSettings the schema; for the alternative its link in PATH
    bool exists = true; // false for the user's list where none is yet
    int line = 0; // 1-based line of the first installed entry, else of the first entry; 0 for none
    QString key; // a desktop's key ("TerminalService", "exec"); empty for a list
    QStringList listed; // as written
    QStringList skipped; // listed entries that are no installed terminal
    std::optional<gio::App> app; // the installed terminal it names
    QString through; // how a value that names no terminal itself leads to `app`
    bool users = false; // the user's own file or setting
};

// The terminal that programs which run in one (Terminal=true) open in. Every desktop keeps it
// apart from mimeapps.list: xdg-terminal-exec, the proposed freedesktop.org way, reads
// xdg-terminals.list files (DESKTOP-xdg-terminals.list first in each folder of
// $XDG_CONFIG_HOME, $XDG_CONFIG_DIRS and $XDG_DATA_DIRS/xdg-terminal-exec; the first installed
// entry wins, else the first installed terminal), and Xfce, KDE and GNOME each keep a setting
// of their own, which their own launches follow. Debian's x-terminal-emulator is shown, never
// written. Reads the files afresh on every call; thread-safe, but writes must be serialised by
// the caller (SystemLaunchServices holds its write lock).
class DesktopTerminal final
{
public:
    enum class Desktop
    {
        none,
        xfce,
        kde,
        gnome
    };

    // What every place names now.
    struct Reading
    {
        Desktop desktop = Desktop::none;
        QList<TerminalSource> lists; // strongest first; the user's list always, as it may be missing
        std::optional<TerminalSource> desktopSetting; // when the desktop keeps one and it is set
        std::optional<TerminalSource> alternative;
        QList<gio::App> candidates; // every installed terminal, in GIO's order

        // The terminal xdg-terminal-exec runs: the first installed one a list names, else the
        // first installed terminal.
        std::optional<gio::App> listChoice() const;
        // The list whose entry makes listChoice(); nothing when the fallback does.
        const TerminalSource* decidingList() const;
        // The one terminal everything opens, nothing when the desktop's setting and the lists
        // differ (see split()) or when none is installed.
        std::optional<gio::App> current() const;
        bool split() const;
        // Whether the user's own files or settings choose a terminal.
        bool hasUserChoice() const;
        // Who chooses it: the user, the desktop's or the system's lists and settings, or
        // nothing (the first installed terminal).
        DefaultSource source() const;
    };

    static Desktop currentDesktop();
    static QString desktopName(Desktop desktop);
    static Reading read();
    // Why the terminal is the one it is, as the explanation of a target.
    static DecisionChain explain(const Target& target, const Reading& reading);

    // Every file a change may write, to put back if the change fails part-way.
    static QStringList filesWritten();
    // Makes `app` the terminal: first in the user's xdg-terminals.list and in each of the user's
    // desktop-specific lists there are, and in the current desktop's own setting.
    static std::optional<gio::Error> set(const gio::App& app);
    // Forgets the user's choice: the entries of the user's lists (comments stay) and the user's
    // own desktop setting, so that what the system names applies again.
    static std::optional<gio::Error> reset();
    // The desktop-entry category of terminals, which stands for the role's type.
    static constexpr auto kCategory = "TerminalEmulator";
    // The GSettings key GNOME and Cinnamon keep the terminal's command in.
    static constexpr auto kGnomeSchema = "org.gnome.desktop.default-applications.terminal";
    static constexpr auto kGnomeKey = "exec";
};

} // namespace openwright
