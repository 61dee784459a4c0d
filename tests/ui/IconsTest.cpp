// SPDX-License-Identifier: GPL-3.0-or-later
#include "widgets/Icons.h"

#include <QApplication>

#include <gtest/gtest.h>

using namespace openwright::ui;

namespace {

// Every symbol the screens use shows on a bare system: the fallback theme knows it, light and dark.
TEST(Icons, EverySymbolResolvesInTheFallbackThemes)
{
    for (bool dark : {false, true}) {
        QIcon::setThemeName(Icons::fallbackThemeFor(dark));
        for (const QString& symbol : Icons::symbols())
            EXPECT_FALSE(Icons::symbol(symbol).isNull()) << symbol.toStdString() << (dark ? " (dark)" : "");
    }
    Icons::install();
    EXPECT_FALSE(QApplication::windowIcon().isNull());
}

} // namespace
