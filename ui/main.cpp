// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/cli/Cli.h"
#include "shell/OpenwrightApp.h"

#include <QThread>

#include <algorithm>

#ifdef __GLIBC__
#include <malloc.h>
#endif

int main(int argc, char** argv)
{
    // "openwright status" and the other commands need no display: decided before any window.
    if (openwright::cli::isCommand(argc, argv))
        return openwright::cli::run(argc, argv);
#if defined(__GLIBC__) && !defined(__SANITIZE_ADDRESS__) && !defined(__SANITIZE_THREAD__)
    // The window runs for days with a few reader threads: as many malloc arenas as cores, not
    // glibc's eight per core, each keeping its own freed pages (0.3 MB at 3,000 applications,
    // 0.8 MB at 10,000, measured once every start-up read had landed).
    ::mallopt(M_ARENA_MAX, std::max(2, QThread::idealThreadCount()));
#endif
    return openwright::ui::OpenwrightApp::run(argc, argv);
}
