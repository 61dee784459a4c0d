// SPDX-License-Identifier: GPL-3.0-or-later
// "openwright": runs a command here, or hands over to the window's program when none is given.
#include "Cli.h"

#include <QByteArray>

#include <cerrno>
#include <cstdio>
#include <cstring>

#include <unistd.h>

namespace {

// The window's program: beside this one in a build, in the package's own folder once installed.
QByteArray windowProgram()
{
    char self[4096];
    const ssize_t length = ::readlink("/proc/self/exe", self, sizeof self - 1);
    if (length <= 0)
        return {};
    QByteArray dir(self, length);
    dir.truncate(dir.lastIndexOf('/') + 1);
    for (const QByteArray& candidate : {dir + "openwright-window", dir + OPENWRIGHT_WINDOW_DIR "/openwright-window"}) {
        if (::access(candidate.constData(), X_OK) == 0)
            return candidate;
    }
    return {};
}

} // namespace

int main(int argc, char** argv)
{
    if (openwright::cli::isCommand(argc, argv))
        return openwright::cli::run(argc, argv);
    // The window's libraries are loaded only when a window is wanted: its program takes over
    // this process, with the same arguments.
    const QByteArray program = windowProgram();
    if (!program.isEmpty())
        ::execv(program.constData(), argv);
    std::fprintf(stderr, "openwright: Cannot start the window's program %s: %s\n",
                 program.isEmpty() ? "openwright-window" : program.constData(), std::strerror(errno));
    return 1;
}
