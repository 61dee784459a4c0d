// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QWidget>

namespace openwright {
class AppModel;
class Updater;
} // namespace openwright

namespace openwright::ui {

class SettingsView;

// The settings window: a top-level window of its own, apart from the main window, so that the
// tray reaches it while the main window is closed. The shell keeps one at a time; closing it
// deletes it, so that the next one reads the login state afresh.
class SettingsWindow final : public QWidget
{
    Q_OBJECT

public:
    SettingsWindow(AppModel& model, Updater& updater, QWidget* parent = nullptr);

    SettingsView* view() const { return m_view; }
    // Shows the window, or brings it to the front when it is open already.
    void present();

protected:
    bool event(QEvent* event) override;

private:
    void fitHeight();

    SettingsView* m_view;
};

} // namespace openwright::ui
