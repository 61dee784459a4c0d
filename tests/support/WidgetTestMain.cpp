// SPDX-License-Identifier: GPL-3.0-or-later
// The main() of the widget tests: the sandbox first (see TestMain.cpp), then a QApplication on
// the offscreen platform with the application's icons and names set as at start-up.
#include "Sandbox.h"
#include "shell/OpenwrightApp.h"

#include <QApplication>
#include <QLocale>

#include <gtest/gtest.h>

int main(int argc, char** argv)
{
    openwright::test::Sandbox::instance();
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    openwright::ui::OpenwrightApp::prepare(app);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
