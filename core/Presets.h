// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "Profile.h"

namespace openwright {

// The four built-in profiles. Built once, never stored.
//
// The macOS presets name programs Linux does not have (Microsoft Office and Outlook, Preview,
// Terminal): there every such entry would plan as "not installed". Both platforms keep the same
// four presets (ids, names, symbols, order), each with its own entries and summaries, side by
// side here; `all()` is the running platform's table.
namespace Presets {
const QList<Profile>& all();
const QList<Profile>& forMac();
const QList<Profile>& forLinux();
} // namespace Presets

} // namespace openwright
