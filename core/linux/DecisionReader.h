// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "DecisionChain.h"

namespace openwright::gio {

// Why the system opens `contentType` with the application it does. Reads every mimeapps.list
// the system reads, in its order, with GLib's key-file parser, and follows GIO's own lookup:
// default entries before associations, parent types after the type itself, removed
// associations, and entries GIO does not accept. The result is checked against GIO's answer.
// Thread-safe; reads the files afresh on every call.
DecisionChain explain(const Target& target, const QString& contentType);

// The desktop names of XDG_CURRENT_DESKTOP that GIO takes, in lower case and in order, as its
// desktop-specific lists are named; names GIO ignores go to `ignored`, as written.
QStringList currentDesktops(QStringList* ignored = nullptr);

} // namespace openwright::gio
