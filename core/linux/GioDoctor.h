// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "Doctor.h"

namespace openwright::gio {

// The user's folders and desktop names as GIO reads them now.
DoctorPaths doctorPaths();
// The doctor's questions answered by GIO: what is installed, what an alias stands for, and which
// list decides a type (see DecisionReader). Thread-safe.
DoctorPlatform doctorPlatform();

} // namespace openwright::gio
