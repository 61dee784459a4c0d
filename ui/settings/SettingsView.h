// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QWidget>

class QComboBox;
class QLabel;
class QPushButton;
class QVBoxLayout;

namespace openwright {
class AppModel;
class Updater;
} // namespace openwright

namespace openwright::ui {

class Switch;

// The settings: opening at login, update checks and the Default Guard, as a grouped form.
// Reads whether Openwright opens at login once, when it is created; the update and guard
// controls follow the updater and the model live.
class SettingsView final : public QWidget
{
    Q_OBJECT

public:
    SettingsView(AppModel& model, Updater& updater, QWidget* parent = nullptr);

    // The choices of "Check every", in seconds.
    static const QList<double>& intervalChoices();

Q_SIGNALS:
    // "Check Now": the shell runs the check and tells its outcome.
    void checkForUpdatesRequested();

private:
    QWidget* buildGeneral();
    QWidget* buildUpdates();
    QWidget* buildGuard();
    void setLaunchAtLogin(bool enabled);
    void updateUpdates();
    void updateGuard();

    AppModel& m_model;
    Updater& m_updater;
    Switch* m_openAtLogin = nullptr;
    QLabel* m_loginError = nullptr;
    QWidget* m_updatesSection = nullptr;
    Switch* m_checkAutomatically = nullptr;
    QLabel* m_updateStatus = nullptr;
    QPushButton* m_checkNow = nullptr;
    Switch* m_watch = nullptr;
    QComboBox* m_interval = nullptr;
};

} // namespace openwright::ui
