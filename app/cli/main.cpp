// SPDX-License-Identifier: GPL-3.0-or-later
// "openwright": starts the window's program when no command is given, hands a command that
// changes to openwright-command, and otherwise loads the library that answers the commands that
// read. It links the C library alone, so that the window's start pays for no Qt, ICU or GIO
// loaded twice.
#include "Launch.h"

#include <cerrno>
#include <cstdio>
#include <cstring>

#include <dlfcn.h>
#include <unistd.h>

int main(int argc, char** argv)
{
    using namespace openwright;
    if (cli::isChange(argc, argv)) {
        // Its program parses, answers and changes alike: Qt Core and GIO are loaded once.
        const launch::OwnFile changer = launch::program("openwright-command");
        if (changer)
            ::execv(changer.path, argv);
    }
    if (cli::isCommand(argc, argv)) {
        // The commands run in a library on Qt Core and GIO, loaded only now. Its symbols are bound
        // as a program linked to it binds them: lazily, except where a library asks otherwise
        // (Qt Core does). Binding GLib's, ICU's and libstdc++'s all at once costs a query 0.5 ms.
        const launch::OwnFile library = launch::readLibrary();
        if (!library) {
            std::fprintf(stderr, "openwright: Cannot load %s: %s\n", launch::kReadLibrary, library.problem);
            return 1;
        }
        void* handle = ::dlopen(library.path, RTLD_LAZY | RTLD_LOCAL);
        const auto run = handle
            ? reinterpret_cast<decltype(&openwright_read_main)>(::dlsym(handle, kOpenwrightReadMain))
            : nullptr;
        if (!run) {
            std::fprintf(stderr, "openwright: Cannot load %s: %s\n", launch::kReadLibrary, ::dlerror());
            return 1;
        }
        return run(argc, argv);
    }
    // The window's libraries are loaded only when a window is wanted: its program takes over
    // this process, with the same arguments.
    const launch::OwnFile window = launch::program("openwright-window");
    if (window)
        ::execv(window.path, argv);
    std::fprintf(stderr, "openwright: Cannot start the window's program %s: %s\n",
                 window ? window.path : "openwright-window", window ? std::strerror(errno) : window.problem);
    return 1;
}
