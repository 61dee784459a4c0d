// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>
#include <QPointer>
#include <QSystemTrayIcon>
#include <QTimer>

class QMenu;

namespace openwright {
class AppModel;
}

namespace openwright::ui {

class TrayPanel;

// The status icon that stays while the window is closed. Activating it opens the small panel
// (TrayPanel) near the icon; its context menu offers the panel's actions. Desktops without a
// tray at start-up may gain one later (a panel applet started after us): it keeps looking.
class TrayIcon final : public QObject
{
    Q_OBJECT

public:
    explicit TrayIcon(AppModel& model, QObject* parent = nullptr);
    ~TrayIcon() override;

    bool isShown() const { return m_icon.isVisible(); }
    void showPanel();

Q_SIGNALS:
    void openRequested();
    void settingsRequested();
    void quitRequested();
    // The icon appeared or went: whether closing the window may keep the application.
    void shownChanged(bool shown);

private:
    void buildMenu();
    void tryShow();
    // A click on the icon opens the panel, and a second one closes it again.
    void togglePanel();
    QRect panelAnchor() const;

    AppModel& m_model;
    QSystemTrayIcon m_icon;
    QMenu* m_menu;
    QTimer m_retry;
    QPointer<TrayPanel> m_panel;
};

} // namespace openwright::ui
