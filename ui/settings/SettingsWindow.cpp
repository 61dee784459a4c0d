// SPDX-License-Identifier: GPL-3.0-or-later
#include "SettingsWindow.h"

#include "app/AppModel.h"
#include "settings/SettingsView.h"
#include "widgets/Style.h"
#include "widgets/Windows.h"

#include <QEvent>
#include <QGuiApplication>
#include <QScreen>
#include <QScrollArea>
#include <QShortcut>
#include <QVBoxLayout>
#include <QWindow>

namespace openwright::ui {

SettingsWindow::SettingsWindow(AppModel& model, Updater& updater, QWidget* parent)
    : QWidget(parent, Qt::Window)
    , m_model(model)
    , m_view(new SettingsView(model, updater, this))
{
    // The desktop adds the application's name: "Settings — Openwright".
    setWindowTitle(tr("Settings"));
    setAttribute(Qt::WA_DeleteOnClose);
    // It scrolls only where the screen is shorter than the form.
    m_scroll = new QScrollArea(this);
    Style::showFocus(m_scroll);
    m_scroll->setAccessibleName(tr("Settings"));
    m_scroll->setFrameShape(QFrame::NoFrame);
    m_scroll->setWidgetResizable(true);
    m_scroll->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_scroll->setWidget(m_view);
    m_view->installEventFilter(this); // its layout requests stop at the scroll area
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_scroll);
    setFixedWidth(qMax(Style::spacing(62), m_view->minimumSizeHint().width()));
    fitHeight();
    for (const QKeySequence& key : {QKeySequence(QKeySequence::Cancel), QKeySequence(QKeySequence::Close)})
        connect(new QShortcut(key, this), &QShortcut::activated, this, &QWidget::close);
}

// A window on screen: the guard's reads go back off the GUI thread while it shows.
void SettingsWindow::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    m_model.setInBackground(false);
}

void SettingsWindow::hideEvent(QHideEvent* event)
{
    QWidget::hideEvent(event);
    m_model.setInBackground(!anotherWindowShows(this));
}

bool SettingsWindow::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_view && event->type() == QEvent::LayoutRequest)
        fitHeight();
    return QWidget::eventFilter(watched, event);
}

// A form with nothing to scroll: the window is as tall as its wrapped notes and the login
// error need at its width, growing when the error appears.
void SettingsWindow::fitHeight()
{
    int height = m_view->hasHeightForWidth() ? m_view->heightForWidth(width()) : m_view->sizeHint().height();
    if (const QScreen* s = screen())
        height = qMin(height, s->availableGeometry().height() * 9 / 10);
    if (height > 0 && height != this->height())
        setFixedHeight(height);
}

void SettingsWindow::present(const QWidget* over)
{
    if (isMinimized()) {
        showNormal();
    } else if (!isVisible()) {
        place(over);
        show();
    }
    raise();
    activateWindow();
    if (QWindow* w = windowHandle())
        w->requestActivate();
}

// Over the middle of the main window where it shows, else of the screen, and always wholly on
// the screen: left to the window manager it may open half off a small one.
void SettingsWindow::place(const QWidget* over)
{
    const bool overWindow = over && over->isVisible() && !over->isMinimized();
    QScreen* target = overWindow ? over->screen() : QGuiApplication::primaryScreen();
    if (!target)
        return;
    setScreen(target);
    fitHeight();
    const QRect available = target->availableGeometry();
    // The window manager's frame is not known before the first show: the main window's is the
    // best guess, as one window manager decorates both.
    QMargins decoration;
    if (overWindow) {
        const QRect inner = over->geometry();
        const QRect outer = over->frameGeometry();
        decoration = QMargins(inner.left() - outer.left(), inner.top() - outer.top(), outer.right() - inner.right(),
                              outer.bottom() - inner.bottom());
    }
    QRect frame = QRect(QPoint(), size()).marginsAdded(decoration);
    frame.moveCenter(overWindow ? over->frameGeometry().center() : available.center());
    frame.moveTop(qMax(available.top(), qMin(frame.top(), available.bottom() + 1 - frame.height())));
    frame.moveLeft(qMax(available.left(), qMin(frame.left(), available.right() + 1 - frame.width())));
    move(frame.topLeft());
}

} // namespace openwright::ui
