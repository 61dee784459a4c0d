// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QHash>
#include <QMainWindow>
#include <QPointer>

class QAction;

class QMessageBox;

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
    // Small enough that a 1024×600 screen, less a panel and the title bar, holds all of it.
    static constexpr QSize kMinimumSize {900, 480};
    // What a usual window frame and title bar take around the window.
    static constexpr QSize kFrameRoom {16, 40};
    // The size a first window opens at, given its screen's free area (invalid when unknown):
    // as large as suits the screens, never larger than that area.
    static QSize firstSize(const QSize& available);
    // The About box, not yet shown; it deletes itself when closed.
    QMessageBox* aboutBox();

Q_SIGNALS:
    void settingsRequested();
    void quitRequested();
    void firstShown();
    // The window was closed, by the person or by a quit.
    void closed();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void showEvent(QShowEvent* event) override;
    // Shown or not, the model reads accordingly (see AppModel::setInBackground).
    void hideEvent(QHideEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    void buildMenus();

    AppModel& m_model;
    RootView* m_root;
    QAction* m_checkForUpdates = nullptr;
    bool m_shown = false;
    // The control that had the focus when each open dialog of this window appeared.
    QHash<QObject*, QPointer<QWidget>> m_openers;
};

} // namespace openwright::ui
