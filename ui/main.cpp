// SPDX-License-Identifier: GPL-3.0-or-later
#include "OpenwrightApp.h"

#include <QApplication>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    return openwright::ui::OpenwrightApp::run(app);
}
