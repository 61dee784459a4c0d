// SPDX-License-Identifier: GPL-3.0-or-later
// A stand-in for the application's start-up, for the two-process test of SingleInstance:
// prints "primary" and waits to be activated, or hands over and prints "handed-over".
#include "SingleInstance.h"

#include <QCoreApplication>
#include <QTimer>

#include <cstdio>

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    if (argc < 2)
        return 2;
    openwright::SingleInstance instance(QString::fromLocal8Bit(argv[1]));
    if (!instance.claim()) {
        std::printf("handed-over\n");
        return 0;
    }
    std::printf("primary\n");
    std::fflush(stdout);
    // Keeps running after an activation, as the application does.
    QObject::connect(&instance, &openwright::SingleInstance::activationRequested, &app, [] {
        std::printf("activated\n");
        std::fflush(stdout);
    });
    QTimer::singleShot(20000, &app, [] { QCoreApplication::exit(3); });
    return app.exec();
}
