// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

#include <functional>

class QWidget;

namespace openwright::ui::FileDialogs {

// Asks the user for a file and calls `chosen` with its path, if they chose one. Screens hold
// one of these so that tests can answer at once instead of the dialog.
using Picker = std::function<void(QWidget* parent, const QString& proposedName,
                                  std::function<void(const QString& path)> chosen)>;

// Where the dialogs start: ~/Documents when it exists, else the home folder; never the last
// folder Qt happened to use.
QString startFolder();

struct Options
{
    QString title;
    QString nameFilter; // "JSON files (*.json)"
    bool save = false;
    QString defaultSuffix;
    QString acceptLabel; // empty: the dialog's own
};

// The system's file dialog, window-modal over `parent`'s window and without blocking.
void pick(QWidget* parent, const Options& options, const QString& proposedName,
          const std::function<void(const QString& path)>& chosen);

} // namespace openwright::ui::FileDialogs
