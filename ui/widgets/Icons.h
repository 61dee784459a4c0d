// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QColor>
#include <QIcon>
#include <QPixmap>
#include <QStringList>

namespace openwright::ui::Icons {

// The one table from the symbol names the screens use ("pin.fill", "gearshape.2") to
// freedesktop icon-theme names, most fitting first. Themes name icons differently; the first
// name the theme knows wins, and the fallback theme (installed with the application's
// dependencies) knows them all.
QStringList themeNames(const QString& symbol);
const QStringList& symbols();
QIcon symbol(const QString& symbol);
// The symbol drawn flat in one colour, for status lines and tinted glyphs.
QPixmap tinted(const QString& symbol, const QColor& color, int size, qreal devicePixelRatio = 1.0);

// An application's icon from its entry's Icon: a theme name or an absolute path. A null icon
// when there is none or it does not resolve.
QIcon application(const QString& iconName);
// The placeholder drawn where an application has no icon.
QPixmap placeholder(int size, const QPalette& palette, qreal devicePixelRatio = 1.0);

// Keeps the symbols drawn in this run in `path` for the next one, and draws them from there
// while the icon themes are unchanged: rendering them from the theme is much of a first frame.
// An empty path keeps none.
void keepDrawingsIn(const QString& path);
// Writes the drawings kept since the last save (also done shortly after drawing new ones).
void saveDrawings();

// Picks the fallback theme for the palette (light or dark icons) and, on a system without a
// theme of its own, uses it as the theme. Call once the palette is set.
void install();
QString fallbackThemeFor(bool dark);

} // namespace openwright::ui::Icons
