// SPDX-License-Identifier: GPL-3.0-or-later
// "openwright": runs the commands that read here, with Qt Core and GIO only, and hands over to
// the program that holds the model for a command that changes, or to the window's program when
// no command is given.
#include "Cli.h"
#include "Command.h"

#include <QByteArray>
#include <QCoreApplication>

#include <cerrno>
#include <cstdio>
#include <cstring>

#include <unistd.h>

namespace {

// One of Openwright's other programs: beside this one in a build, in the package's own folder
// once installed.
QByteArray program(const QByteArray& name)
{
    char self[4096];
    const ssize_t length = ::readlink("/proc/self/exe", self, sizeof self - 1);
    if (length <= 0)
        return {};
    QByteArray dir(self, length);
    dir.truncate(dir.lastIndexOf('/') + 1);
    for (const QByteArray& candidate : {dir + name, dir + OPENWRIGHT_LIBEXEC_DIR "/" + name}) {
        if (::access(candidate.constData(), X_OK) == 0)
            return candidate;
    }
    return {};
}

} // namespace

int main(int argc, char** argv)
{
    using namespace openwright::cli;
    if (isCommand(argc, argv)) {
        // Changing needs the model, its notifications and the single-instance lock: the program
        // that links them takes over this process, with the same arguments.
        return run(argc, argv, [argv](Invocation&, const auto&) {
            const QByteArray changer = program("openwright-command");
            if (!changer.isEmpty())
                ::execv(changer.constData(), argv);
            return Reply().fail(1,
                                QCoreApplication::translate("cli", "Cannot start %1: %2")
                                    .arg(QString::fromLocal8Bit(changer.isEmpty() ? "openwright-command" : changer),
                                         QString::fromLocal8Bit(std::strerror(errno))));
        });
    }
    // The window's libraries are loaded only when a window is wanted: its program takes over
    // this process, with the same arguments.
    const QByteArray window = program("openwright-window");
    if (!window.isEmpty())
        ::execv(window.constData(), argv);
    std::fprintf(stderr, "openwright: Cannot start the window's program %s: %s\n",
                 window.isEmpty() ? "openwright-window" : window.constData(), std::strerror(errno));
    return 1;
}
