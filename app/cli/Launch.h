// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// What the "openwright" launcher shares with the programs and the library it starts. Plain C++
// on the C library alone (no Qt, nothing of libstdc++'s library), so that starting the window
// loads nothing else first.

namespace openwright::cli {

// Whether the arguments ask for a command rather than the window: a first argument that is a
// word (a command, or one that gets an error), or --help, --version, --json. main() asks before
// it creates any QGuiApplication.
bool isCommand(int argc, char** argv);

// Whether the command's words name one that changes (the command table's, kept alike by a test):
// "openwright" hands it straight to openwright-command, which answers every command as the read
// library does, without loading that library first.
bool isChange(int argc, char** argv);

} // namespace openwright::cli

namespace openwright::launch {

// The path of one of Openwright's own files, empty when it is not there.
struct OwnFile
{
    char path[4096] = {};
    const char* problem = ""; // why there is no path
    explicit operator bool() const { return path[0] != '\0'; }
};

// One of Openwright's other programs, openwright-command or openwright-window: beside the
// running one in a build, in the package's own folder once installed.
OwnFile program(const char* name);

// The library that runs the commands that read, found as program() finds a program.
inline constexpr char kReadLibrary[] = "openwright-read.so";
OwnFile readLibrary();

} // namespace openwright::launch

// The read library's one entry point: runs the command the arguments give (those that change
// through openwright-command) and returns the exit status.
extern "C" __attribute__((visibility("default"))) int openwright_read_main(int argc, char** argv);
inline constexpr char kOpenwrightReadMain[] = "openwright_read_main";
