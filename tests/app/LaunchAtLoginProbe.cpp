// SPDX-License-Identifier: GPL-3.0-or-later
// Switches "Open at login" on as the window does, from wherever this program was copied to:
// prints the error and exits 1 when it cannot.
#include "LaunchAtLogin.h"

#include <QCoreApplication>

#include <cstdio>

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    if (const auto error = openwright::LaunchAtLogin::set(true)) {
        std::fprintf(stderr, "%s\n", qPrintable(*error));
        return 1;
    }
    return 0;
}
