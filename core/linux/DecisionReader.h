// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "DecisionChain.h"
#include "Gio.h"
#include "TargetState.h"

#include <QByteArray>
#include <QHash>

#include <optional>

namespace openwright::gio {

// Why the system opens `contentType` with the application it does. Reads every mimeapps.list
// the system reads, in its order, with GLib's key-file parser, and follows GIO's own lookup:
// default entries before associations, parent types after the type itself, removed
// associations, and entries GIO does not accept. The result is checked against GIO's answer.
// Thread-safe; reads the files afresh on every call.
DecisionChain explain(const Target& target, const QString& contentType);

// Files read as given instead of from disk, by path (as the system names them); nullopt: gone.
using FileOverlay = QHash<QString, std::optional<QByteArray>>;

// What the system opens each of `types` with (a desktop-file ID, empty for nothing), following
// the same lookup as explain(), with the files in `changed` read as given there. Reads the files
// once for all the types. Thread-safe.
QHash<QString, QString> predictDefaults(const QStringList& types, const FileOverlay& changed = {});

// Where the system's answer for `contentType` comes from: the user's own lists, another list
// (a desktop's or the administrator's), or the first installed handler. Keeps what it read
// while none of those files changes. `answer` is GIO's default for the type when the caller
// has asked for it: its entry is not loaded again. Thread-safe.
DefaultSource answerSource(const QString& contentType, const std::optional<App>& answer = std::nullopt);

// `types` (canonical), the types the installed entries of `ids` declare, and every type that
// inherits from one of them: those whose default a change of their lines or entries can move.
QStringList affectedTypes(const QStringList& types, const QStringList& ids);

// The desktop names of XDG_CURRENT_DESKTOP that GIO takes, in lower case and in order, as its
// desktop-specific lists are named; names GIO ignores go to `ignored`, as written.
QStringList currentDesktops(QStringList* ignored = nullptr);

} // namespace openwright::gio
