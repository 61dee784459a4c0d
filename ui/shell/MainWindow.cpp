// SPDX-License-Identifier: GPL-3.0-or-later
#include "MainWindow.h"

#include "app/AppModel.h"
#include "shell/RootView.h"
#include "widgets/Windows.h"

#include <QApplication>
#include <QCloseEvent>
#include <QDialog>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QMenuBar>
#include <QMessageBox>
#include <QMimeData>
#include <QScreen>
#include <QTimer>
#include <QWindow>

namespace openwright::ui {

using namespace Qt::Literals::StringLiterals;

namespace {

// The first file among the dropped URLs; folders count as files, as any path does.
std::optional<QUrl> firstFile(const QMimeData* data)
{
    if (!data || !data->hasUrls())
        return std::nullopt;
    for (const QUrl& url : data->urls()) {
        if (url.isLocalFile())
            return url;
    }
    return std::nullopt;
}

} // namespace

MainWindow::MainWindow(AppModel& model, QWidget* parent)
    : QMainWindow(parent)
    , m_model(model)
    , m_root(new RootView(model, this))
{
    setWindowTitle(tr("Openwright"));
    setMinimumSize(kMinimumSize);
    setCentralWidget(m_root);
    setAcceptDrops(true);
    buildMenus();
    // Sheets and dialogs hand the keyboard back: see eventFilter().
    qApp->installEventFilter(this);
    if (!restoreGeometry(m_model.windowGeometry()))
        resize(firstSize(screen() ? screen()->availableGeometry().size() : QSize()));
}

QMessageBox* MainWindow::aboutBox()
{
    auto* box = new QMessageBox(QMessageBox::NoIcon, tr("About Openwright"),
                                tr("<h3>Openwright %1</h3><p>Shows and changes which application opens each kind "
                                   "of file and link, and keeps them that way.</p>")
                                    .arg(QApplication::applicationVersion()),
                                QMessageBox::Ok, this);
    const QIcon icon = windowIcon();
    box->setIconPixmap(icon.pixmap(icon.actualSize(QSize(64, 64))));
    box->setAttribute(Qt::WA_DeleteOnClose);
    return box;
}

QSize MainWindow::firstSize(const QSize& available)
{
    const QSize wanted(1100, 700);
    if (!available.isValid())
        return wanted;
    // The frame is not known before the window manager has drawn it: leave room for a usual one.
    return wanted.boundedTo(available - kFrameRoom).expandedTo(kMinimumSize);
}

void MainWindow::buildMenus()
{
    QMenu* file = menuBar()->addMenu(tr("&File"));
    QAction* refresh = file->addAction(tr("Refresh Defaults"), this, [this] { m_model.refresh(); });
    refresh->setShortcut(QKeySequence(u"Ctrl+R"_s));
    QAction* backUp = file->addAction(tr("Back Up Now"), this, [this] { m_model.backUpNow(); });
    backUp->setShortcut(QKeySequence(u"Ctrl+Shift+B"_s));
    file->addSeparator();
    QAction* settings = file->addAction(tr("Settings…"), this, &MainWindow::settingsRequested);
    settings->setShortcut(QKeySequence(u"Ctrl+,"_s));
    settings->setMenuRole(QAction::PreferencesRole);
    file->addSeparator();
    QAction* close = file->addAction(tr("Close Window"), this, &QWidget::close);
    close->setShortcut(QKeySequence::Close);
    QAction* quit = file->addAction(tr("Quit"), this, &MainWindow::quitRequested);
    quit->setShortcut(QKeySequence(u"Ctrl+Q"_s));
    quit->setMenuRole(QAction::QuitRole);

    QMenu* edit = menuBar()->addMenu(tr("&Edit"));
    QAction* find = edit->addAction(tr("Find Type"), this, [this] { m_root->focusSearch(); });
    find->setShortcut(QKeySequence::Find);

    QMenu* help = menuBar()->addMenu(tr("&Help"));
    QAction* about = help->addAction(tr("About Openwright"), this, [this] { aboutBox()->open(); });
    about->setMenuRole(QAction::AboutRole);
    m_checkForUpdates = help->addAction(tr("Check for Updates…"));
    m_checkForUpdates->setVisible(false);
}

void MainWindow::present()
{
    if (isMinimized()) {
        showNormal();
    } else if (isVisible() && windowHandle() && !windowHandle()->isExposed()) {
        // Shown as far as Qt knows, but unmapped or covered: map it afresh on top.
        hide();
        show();
    } else {
        show();
    }
    raise();
    activateWindow();
    if (QWindow* w = windowHandle())
        w->requestActivate();
}

// When a sheet or dialog over this window closes (Escape included), the window is active again
// and the control that opened it has the focus: a plain window manager would leave the focus
// on the root window, and the next shortcut would go nowhere.
bool MainWindow::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() != QEvent::Show && event->type() != QEvent::Hide)
        return false;
    auto* dialog = qobject_cast<QDialog*>(watched);
    if (!dialog || !dialog->parentWidget() || dialog->parentWidget()->window() != this)
        return false;
    if (event->type() == QEvent::Show) {
        QWidget* focus = QApplication::focusWidget();
        // Taken out again when it hides, which it does before it goes.
        m_openers.insert(dialog, focus && focus->window() == this ? focus : nullptr);
        return false;
    }
    const QPointer<QWidget> opener = m_openers.take(dialog);
    QTimer::singleShot(0, this, [this, opener] {
        if (!isVisible() || (QApplication::activeModalWidget() && QApplication::activeModalWidget() != this))
            return;
        activateWindow();
        if (QWindow* w = windowHandle())
            w->requestActivate();
        // A sheet that sent the keyboard somewhere on purpose (Show goes to a row) keeps it there.
        QWidget* now = focusWidget();
        if (now && now != opener && now != m_root && now->isVisible())
            now->setFocus(Qt::OtherFocusReason);
        else if (opener && opener->isVisible() && opener->isEnabled())
            opener->setFocus(Qt::PopupFocusReason);
        else if (!now || !now->isVisible())
            m_root->setFocus(Qt::OtherFocusReason);
    });
    return false;
}

void MainWindow::showEvent(QShowEvent* event)
{
    QMainWindow::showEvent(event);
    m_model.setInBackground(false);
    if (!m_shown) {
        m_shown = true;
        Q_EMIT firstShown();
    }
}

void MainWindow::hideEvent(QHideEvent* event)
{
    QMainWindow::hideEvent(event);
    m_model.setInBackground(!anotherWindowShows(this));
}

void MainWindow::closeEvent(QCloseEvent* event)
{
    m_model.setWindowGeometry(saveGeometry());
    event->accept();
    Q_EMIT closed();
}

void MainWindow::dragEnterEvent(QDragEnterEvent* event)
{
    if (firstFile(event->mimeData()))
        event->acceptProposedAction();
}

void MainWindow::dropEvent(QDropEvent* event)
{
    const auto file = firstFile(event->mimeData());
    if (!file) {
        event->ignore();
        return;
    }
    m_model.inspect(*file);
    m_model.setSearchText({});
    m_model.setSelection(SidebarItem::overview());
    event->acceptProposedAction();
}

} // namespace openwright::ui
