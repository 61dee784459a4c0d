// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDBusConnection>

namespace openwright::DesktopAppearance {

// Whether the desktop asks applications for a dark look: the freedesktop appearance setting
// ("color-scheme" 1, prefer dark) of the settings portal, or GTK_THEME naming a dark variant
// ("Adwaita:dark"). Asked once at start-up; a missing portal answers at once, a slow one is
// given a fraction of a second.
bool prefersDark(const QDBusConnection& bus = QDBusConnection::sessionBus());

} // namespace openwright::DesktopAppearance
