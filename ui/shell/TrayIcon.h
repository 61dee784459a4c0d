// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDBusServiceWatcher>
#include <QObject>
#include <QPointer>
#include <QSystemTrayIcon>

#include <memory>

class QMenu;

namespace openwright {
class AppModel;
}

namespace openwright::ui {

class TrayPanel;

// The status icon that stays while the window is closed. Activating it opens the small panel
// (TrayPanel) near the icon; its context menu offers the panel's actions. Desktops without a
// tray at start-up may gain one later (a panel started after us): the icon appears when a
// StatusNotifier host registers on the session bus or, on X11, a system tray takes the screen
// (Qt follows X11 trays itself once the icon is shown).
class TrayIcon final : public QObject
{
    Q_OBJECT

public:
    explicit TrayIcon(AppModel& model, QObject* parent = nullptr);
    ~TrayIcon() override;

    // Shows the icon, with the application's icon, when a tray is there now or comes later.
    // Once the application's icon is set: after the window's first frame.
    void start();
    // Whether a tray shows the icon now, so that closing the window leaves a way back.
    bool isShown() const;
    void showPanel();

Q_SIGNALS:
    void openRequested();
    void settingsRequested();
    void quitRequested();

private Q_SLOTS:
    void tryShow();

private:
    void buildMenu();
    void createIcon();
    // A click on the icon opens the panel, and a second one closes it again.
    void togglePanel();
    QRect panelAnchor() const;

    AppModel& m_model;
    // Made once a tray is there: Qt decides for the life of the process, as the first icon is
    // made, whether it speaks to a StatusNotifier host.
    std::unique_ptr<QSystemTrayIcon> m_icon;
    QMenu* m_menu;
    QDBusServiceWatcher m_watcher;
    QPointer<TrayPanel> m_panel;
    bool m_started = false;
};

} // namespace openwright::ui
