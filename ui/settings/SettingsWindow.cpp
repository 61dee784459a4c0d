// SPDX-License-Identifier: GPL-3.0-or-later
#include "SettingsWindow.h"

#include "settings/SettingsView.h"
#include "widgets/Style.h"

#include <QEvent>
#include <QShortcut>
#include <QVBoxLayout>
#include <QWindow>

namespace openwright::ui {

SettingsWindow::SettingsWindow(AppModel& model, Updater& updater, QWidget* parent)
    : QWidget(parent, Qt::Window)
    , m_view(new SettingsView(model, updater, this))
{
    // The desktop adds the application's name: "Settings — Openwright".
    setWindowTitle(tr("Settings"));
    setAttribute(Qt::WA_DeleteOnClose);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_view);
    setFixedWidth(qMax(Style::spacing(62), m_view->minimumSizeHint().width()));
    fitHeight();
    for (const QKeySequence& key : {QKeySequence(QKeySequence::Cancel), QKeySequence(QKeySequence::Close)})
        connect(new QShortcut(key, this), &QShortcut::activated, this, &QWidget::close);
}

bool SettingsWindow::event(QEvent* event)
{
    const bool handled = QWidget::event(event);
    if (event->type() == QEvent::LayoutRequest)
        fitHeight();
    return handled;
}

// A form with nothing to scroll: the window is as tall as its wrapped notes and the login
// error need at its width, growing when the error appears.
void SettingsWindow::fitHeight()
{
    const int height = layout()->totalHeightForWidth(width());
    if (height > 0 && height != this->height())
        setFixedHeight(height);
}

void SettingsWindow::present()
{
    if (isMinimized())
        showNormal();
    else
        show();
    raise();
    activateWindow();
    if (QWindow* w = windowHandle())
        w->requestActivate();
}

} // namespace openwright::ui
