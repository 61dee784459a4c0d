// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QMainWindow>

class QAction;

namespace openwright {
class AppModel;
}

namespace openwright::ui {

class RootView;

// The main window: the root view, the menus, and the window-wide drop target for files.
// Its size and position are kept between runs.
class MainWindow final : public QMainWindow
{
    Q_OBJECT

public:
    explicit MainWindow(AppModel& model, QWidget* parent = nullptr);

    RootView* rootView() const { return m_root; }
    // Hidden until the application knows that updates can be checked.
    QAction* checkForUpdatesAction() const { return m_checkForUpdates; }
    // Brings the window to the front, restoring it when minimised.
    void present();

Q_SIGNALS:
    void settingsRequested();
    void quitRequested();
    void firstShown();

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    void buildMenus();

    AppModel& m_model;
    RootView* m_root;
    QAction* m_checkForUpdates = nullptr;
    bool m_shown = false;
};

} // namespace openwright::ui
