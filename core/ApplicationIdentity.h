// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringList>

namespace openwright {

// An application's identity across systems. The same program is installed under different
// desktop-file IDs (Debian package, Flatpak, Snap) and the presets name macOS identifiers;
// one table maps well-known IDs to one canonical identity, so that a profile written on one
// system resolves on another.
namespace ApplicationIdentity {

// The canonical identity of a desktop-file ID, else the ID itself. The file name
// ("ID.desktop") is understood too, for the IDs in the table.
QString canonical(const QString& desktopId);
// The desktop-file IDs (without ".desktop") that may stand for `identity`, most likely first:
// the identity itself (also without a ".desktop" it ends in), then its known aliases. One of
// the aliases stands for its program too.
QStringList desktopIdsFor(const QString& identity);

} // namespace ApplicationIdentity

} // namespace openwright
