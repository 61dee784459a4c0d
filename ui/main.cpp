// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/cli/Cli.h"
#include "shell/OpenwrightApp.h"


int main(int argc, char** argv)
{
    // "openwright status" and the other commands need no display: decided before any window.
    if (openwright::cli::isCommand(argc, argv))
        return openwright::cli::run(argc, argv);
    return openwright::ui::OpenwrightApp::run(argc, argv);
}
