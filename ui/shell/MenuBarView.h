// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QFrame>

namespace openwright {
class AppModel;
}

namespace openwright::ui {

// The tray's panel: a compact status of the defaults and the guard, the latest unresolved
// changes with Revert, and the way to the window, a check, the settings and quit. A popup:
// it closes when it loses focus.
class MenuBarView final : public QFrame
{
    Q_OBJECT

public:
    explicit MenuBarView(AppModel& model, QWidget* parent = nullptr);

    // Shows the panel next to `anchor` (the tray icon, or the pointer), inside the screen.
    void popUp(const QPoint& anchor);

Q_SIGNALS:
    void openRequested();
    void settingsRequested();
    void quitRequested();

private:
    AppModel& m_model;
};

} // namespace openwright::ui
