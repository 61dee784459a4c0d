// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "Opener.h"

#include <QList>
#include <QString>

namespace openwright::gio {

// Whether KDE's service libraries are installed: then KDE programs open files by their own
// ranking, and their answer counts.
bool kdePresent();

// Whether an opener other than GIO decides by rules of its own here: KDE programs are
// installed, or xdg-open decides by itself on this desktop.
bool othersDecide();

// What each opener present here would start for `contentType`: GIO always; KDE where its
// service libraries are installed; xdg-open as it dispatches on this desktop. `file`, when
// given, is the file being opened: xdg-open's own path asks file(1) for its type. Each answer
// follows the opener's own rules over the same files GIO reads, and names the rule that decided.
// Thread-safe; reads what changed since the last call.
QList<OpenerAnswer> openers(const QString& contentType, const QString& file = {});

} // namespace openwright::gio
