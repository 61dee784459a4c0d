// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "Profile.h"

namespace openwright {

// The four built-in profiles. Built once, never stored.
namespace Presets {
const QList<Profile>& all();
} // namespace Presets

} // namespace openwright
