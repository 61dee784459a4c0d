// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "AppInfo.h"

#include <QList>
#include <QString>
#include <QStringList>
#include <QUrl>

#include <optional>

namespace openwright {

// A program that starts the application for a file or link by rules of its own: GTK programs,
// GNOME and the desktop portal ask GIO; KDE programs ask KDE's service database; xdg-open hands
// over to the desktop's own opener or, on a desktop it does not know, decides by itself. Where
// nothing names a default explicitly they often disagree.
enum class Opener
{
    gio,
    kde,
    xdgOpen,
};

// "gio", "kde", "xdg-open": in JSON and on the command line.
QString openerName(Opener opener);
// "GTK programs", "KDE programs", "xdg-open".
QString openerLabel(Opener opener);

// What one opener would start for a type, and the rule that decided it. An immutable value.
struct OpenerAnswer
{
    Opener opener = Opener::gio;
    std::optional<QUrl> app; // the desktop entry it starts; absent when it starts none
    QString id; // its desktop-file ID, with ".desktop"
    // Others it ranks equal with `app`: it picks among them by chance (KDE, after each rebuild
    // of its database). Empty when the choice is certain.
    QStringList tied {}; // by desktop-file ID
    QString rule; // one line of plain English: "ranked first by InitialPreference=10"
    // xdg-open only: the opener it hands over to ("gio", "kde"), or "generic" where it decides
    // by itself; and the desktop it judged by (XDG_CURRENT_DESKTOP as written).
    QString route {};
    QString desktop {};
    // A program it runs when no desktop entry answers (run-mailcap, a browser); empty when none.
    QString fallback {};
    // False for an answer that holds only outside a desktop session (xdg-open with no display
    // looks at no desktop entry): true of this process, not of the person's desktop.
    bool inSession = true;
    // Why no explicit default can make this opener start what GTK programs start (it cannot see
    // that entry, it asks for another type); empty when one can.
    QString unsettled {};

    // Whether this answer certainly starts `app` (a tie may start another).
    bool startsOnly(const QString& desktopId) const { return tied.isEmpty() && id == desktopId; }

    friend bool operator==(const OpenerAnswer&, const OpenerAnswer&) = default;
};

// An opener that would start something other than the target's default: what the row says.
struct OpenerDifference
{
    Opener opener = Opener::kde;
    std::optional<AppInfo> app; // absent when it starts no application
    bool byChance = false; // it picks among equals, the default among them

    friend bool operator==(const OpenerDifference&, const OpenerDifference&) = default;
};

// "Opens differently in KDE programs", "… with xdg-open", or both; empty for none.
QString differenceText(const QList<OpenerDifference>& differences);

} // namespace openwright
