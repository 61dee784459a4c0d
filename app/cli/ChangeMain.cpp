// SPDX-License-Identifier: GPL-3.0-or-later
// "openwright-command": the command line with the model, which "openwright" hands a command
// that changes to, with its arguments.
#include "Cli.h"

int main(int argc, char** argv)
{
    return openwright::cli::run(argc, argv);
}
