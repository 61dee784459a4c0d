// SPDX-License-Identifier: GPL-3.0-or-later
// The main() of every test program. Before anything can touch the desktop, HOME and every
// XDG_* variable point into a fresh temporary tree, so no test can read or write the real
// user's defaults or data, whatever ctest's environment says.
#include "Sandbox.h"

#include <QCoreApplication>
#include <QLocale>

#include <gtest/gtest.h>

int main(int argc, char** argv)
{
    openwright::test::Sandbox::instance(); // before QCoreApplication and before any GIO call
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    QCoreApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
