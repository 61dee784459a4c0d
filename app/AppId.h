// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace openwright {

// The application's id: the name of its desktop entry (kAppId + ".desktop") and of its icon,
// shared by the autostart entry, notifications and the single-instance guard.
inline constexpr auto kAppId = "io.github.openwright.Openwright";

} // namespace openwright
