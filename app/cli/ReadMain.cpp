// SPDX-License-Identifier: GPL-3.0-or-later
// The library "openwright" loads for a command: runs the commands that read here, with Qt Core
// and GIO only, and hands a command that changes to the program that holds the model.
#include "Cli.h"
#include "Command.h"
#include "Launch.h"

#include <QCoreApplication>

#include <cerrno>
#include <cstring>

#include <unistd.h>

extern "C" int openwright_read_main(int argc, char** argv)
{
    using namespace openwright;
    return cli::run(argc, argv, [argv](cli::Invocation&, const auto&) {
        // Changing needs the model, its notifications and the single-instance lock: the program
        // that links them takes over this process, with the same arguments.
        const launch::OwnFile changer = launch::program("openwright-command");
        if (changer)
            ::execv(changer.path, argv);
        // Before the message is made: converting and translating it may set errno.
        const int error = errno;
        return cli::Reply().fail(1,
                                 QCoreApplication::translate("cli", "Cannot start %1: %2")
                                     .arg(QString::fromLocal8Bit(changer ? changer.path : "openwright-command"),
                                          QString::fromLocal8Bit(changer ? std::strerror(error) : changer.problem)));
    });
}
