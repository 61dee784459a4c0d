// SPDX-License-Identifier: GPL-3.0-or-later
#include "MenuBarView.h"

#include "AppModel.h"

#include <QGuiApplication>
#include <QScreen>

namespace openwright::ui {

MenuBarView::MenuBarView(AppModel& model, QWidget* parent)
    : QFrame(parent, Qt::Popup)
    , m_model(model)
{
}

void MenuBarView::popUp(const QPoint& anchor)
{
    adjustSize();
    const QScreen* screen = QGuiApplication::screenAt(anchor);
    const QRect area = screen ? screen->availableGeometry() : QRect(anchor, size());
    QPoint at(anchor.x() - width() / 2, anchor.y() + 8);
    if (at.y() + height() > area.bottom())
        at.setY(anchor.y() - height() - 8);
    at.setX(qBound(area.left(), at.x(), area.right() - width()));
    at.setY(qBound(area.top(), at.y(), area.bottom() - height()));
    move(at);
    show();
    activateWindow();
}

} // namespace openwright::ui
