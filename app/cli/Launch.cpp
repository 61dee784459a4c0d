// SPDX-License-Identifier: GPL-3.0-or-later
#include "Launch.h"

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <iterator>
#include <string_view>

#include <climits>
#include <cstdlib>

#include <sys/auxv.h>
#include <unistd.h>

namespace openwright::cli {

bool isCommand(int argc, char** argv)
{
    // The application starts only when every argument is one of its own or Qt's (a session
    // manager restores it with "-session ID"); anything else, a typo included, is the command
    // line's to answer, with a usage error where it is wrong.
    static constexpr std::string_view kFlags[] = {"--background", "-reverse", "-nograb", "-dograb", "-sync"};
    static constexpr std::string_view kWithValue[]
        = {"-platform",    "-platformpluginpath", "-platformtheme", "-plugin",  "-qwindowgeometry",
           "-qwindowicon", "-qwindowtitle",       "-session",       "-display", "-geometry",
           "-style",       "-stylesheet",         "-name",          "-title"};
    const auto in = [](const auto& list, std::string_view a) {
        return std::find(std::begin(list), std::end(list), a) != std::end(list);
    };
    for (int i = 1; i < argc; ++i) {
        const std::string_view a(argv[i]);
        const std::size_t eq = a.find('=');
        if (in(kFlags, a) || (eq != std::string_view::npos && eq > 0 && in(kWithValue, std::string_view(a.data(), eq))))
            continue;
        if (in(kWithValue, a) && i + 1 < argc) {
            ++i;
            continue;
        }
        return true;
    }
    return false;
}

bool isChange(int argc, char** argv)
{
    static constexpr std::string_view kChanges[]
        = {"set",   "reset",       "reorder", "remove",        "restore-association", "agree",      "pin",
           "unpin", "guard check", "doctor",  "profile apply", "profile import",      "backup now", "backup restore",
           "backup delete"};
    if (argc < 2)
        return false;
    const std::string_view first(argv[1]);
    const std::string_view second(argc > 2 ? argv[2] : "");
    // Views made by hand: substr() would bring in libstdc++'s exceptions.
    return std::any_of(std::begin(kChanges), std::end(kChanges), [&](std::string_view name) {
        const std::size_t space = name.find(' ');
        return space == std::string_view::npos
            ? name == first
            : std::string_view(name.data(), space) == first
                && std::string_view(name.data() + space + 1, name.size() - space - 1) == second;
    });
}

} // namespace openwright::cli

namespace openwright::launch {

namespace {

// `name` beside the running program (a build tree) or in `installed`, relative to its folder.
OwnFile ownFile(const char* name, const char* installed, int mode)
{
    char self[4096] = {};
    OwnFile file;
    const ssize_t length = ::readlink("/proc/self/exe", self, sizeof self - 1);
    if (length > 0) {
        self[length] = '\0';
    } else {
        // Without /proc (a chroot, a build sandbox): the path this program was started by.
        const auto started = reinterpret_cast<const char*>(::getauxval(AT_EXECFN));
        if (!started || !::realpath(started, self)) {
            file.problem = "it cannot tell where it is installed: /proc/self/exe cannot be read (is /proc mounted?)";
            return file;
        }
    }
    const int dir = int(std::strrchr(self, '/') + 1 - self);
    for (const char* folder : {"", installed}) {
        const int written
            = std::snprintf(file.path, sizeof file.path, "%.*s%s%s%s", dir, self, folder, *folder ? "/" : "", name);
        if (written > 0 && std::size_t(written) < sizeof file.path && ::access(file.path, mode) == 0)
            return file;
    }
    file.path[0] = '\0';
    file.problem = "it is not installed beside this program";
    return file;
}

} // namespace

OwnFile program(const char* name)
{
    return ownFile(name, OPENWRIGHT_LIBEXEC_DIR, X_OK);
}

OwnFile readLibrary()
{
    return ownFile(kReadLibrary, OPENWRIGHT_LIB_DIR, R_OK);
}

} // namespace openwright::launch
