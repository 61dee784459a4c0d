// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QWidget>

class QScrollArea;

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
    // Shows the window, placed over `over` (the main window) the first time, or brings it to
    // the front when it is open already.
    void present(const QWidget* over = nullptr);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;

private:
    void fitHeight();
    void place(const QWidget* over);

    AppModel& m_model;
    SettingsView* m_view;
    QScrollArea* m_scroll;
};

} // namespace openwright::ui
