// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

#include <optional>

namespace openwright {

// "Open at login" through XDG autostart: while it is on, $XDG_CONFIG_HOME/autostart holds
// the application's desktop entry, which the desktop session starts at login with
// --background. No state is kept here: the file is the state, so callers read `enabled()`
// again after every `set()`. GUI thread (plain file operations, no shared state).
namespace LaunchAtLogin {

// $XDG_CONFIG_HOME/autostart/<application id>.desktop
QString entryPath();

// True when the entry exists and the session would start it: not Hidden=true, and not
// X-GNOME-Autostart-enabled=false (what GNOME writes when the user switches an entry off).
bool enabled();

// Writes the entry (replacing one the user switched off) or removes it. Returns nothing on
// success, else a text for the user that names the file and the system's reason.
// `launcher` is the program to start, by default the "openwright" that goes with the running
// window's program: the entry names it by name when the session finds it so, else by path.
std::optional<QString> set(bool enabled, const QString& launcher = {});

} // namespace LaunchAtLogin

} // namespace openwright
