// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "Gio.h"

#include <QString>
#include <QStringList>

#include <optional>

namespace openwright {

// The web browser as Xfce and KDE keep it, beside mimeapps.list: Xfce in xfce4/helpers.rc
// (WebBrowser=, the name of an Xfce helper, not a desktop-file ID), KDE in kdeglobals
// ([General] BrowserApplication=, a desktop-file ID or "!command"). The links those desktops
// open follow this setting, so on them it is part of the browser. Which desktop counts comes
// from XDG_CURRENT_DESKTOP. Reads the files afresh on every call; thread-safe, but writes
// must be serialised by the caller (SystemLaunchServices holds its write lock).
struct DesktopBrowser
{
    enum class Desktop
    {
        xfce,
        kde
    };

    Desktop desktop = Desktop::xfce;
    QString file; // where the setting was read: the user's file, else a system one; empty when none sets it
    int line = 0; // 1-based line of the key in `file`
    QString value; // as written; empty when not set
    std::optional<gio::App> app; // the installed application the value names
    // How the value leads to `app` when it names no application itself: "Xfce's Debian browser,
    // which starts Firefox ESR". Empty otherwise.
    QString through;

    // The setting of the current desktop, when it keeps one (set or not).
    static std::optional<DesktopBrowser> current();
    // "Xfce" or "KDE".
    QString desktopName() const;
    QString key() const;
    // The user's file a change writes.
    QString userFile() const;
    // Every file a change to `app` may write, to put back if the change fails part-way.
    QStringList filesWritten() const;
    // Makes `app` the desktop's browser. Xfce needs a helper that starts it: one of the
    // installed helpers when one does, else the user's custom helper, written for it.
    std::optional<gio::Error> set(const gio::App& app) const;
    // Whether the setting read is the user's own line.
    bool isUsers() const;
    // Removes the user's line, so that the system's setting, if any, applies again.
    std::optional<gio::Error> reset() const;
};

} // namespace openwright
