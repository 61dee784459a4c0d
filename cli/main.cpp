// SPDX-License-Identifier: GPL-3.0-or-later
// Runs Openwright's commands, and nothing else: the real process the tests drive, until the
// windowed executable takes the commands over.
#include "Cli.h"

int main(int argc, char** argv)
{
    return openwright::cli::isCommand(argc, argv) ? openwright::cli::run(argc, argv) : 2;
}
