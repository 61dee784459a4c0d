// SPDX-License-Identifier: GPL-3.0-or-later
#include "RowList.h"

#include <QPainter>
#include <QVBoxLayout>

namespace openwright::ui {

RowList::RowList(QWidget* parent)
    : Card(parent)
    , m_layout(new QVBoxLayout(this))
{
    m_layout->setContentsMargins(0, 0, 0, 0);
    m_layout->setSpacing(0);
}

void RowList::addRow(QWidget* row)
{
    if (!m_rows.isEmpty())
        m_layout->addWidget(new Divider(this));
    if (row->parentWidget() != this)
        row->setParent(this);
    m_layout->addWidget(row);
    m_rows.append(row);
}

void RowList::clear()
{
    takeAll({});
}

void RowList::setRows(const QList<QWidget*>& rows)
{
    takeAll(rows);
    for (QWidget* row : rows)
        addRow(row);
}

void RowList::takeAll(const QList<QWidget*>& keep)
{
    while (QLayoutItem* item = m_layout->takeAt(0)) {
        QWidget* w = item->widget();
        if (w && !keep.contains(w)) {
            // Out of the tree at once (lookups no longer find it), deleted once control returns:
            // a row's own button may be what brought us here.
            w->hide();
            w->setParent(nullptr);
            w->deleteLater();
        }
        delete item;
    }
    m_rows.clear();
}

void RowList::paintEvent(QPaintEvent* event)
{
    Card::paintEvent(event);
    if (!hasFocus())
        return;
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(palette().color(QPalette::Highlight), 2));
    const qreal radius = Style::spacing() * 1.2;
    p.drawRoundedRect(QRectF(rect()).adjusted(1, 1, -1, -1), radius, radius);
}

void RowList::focusInEvent(QFocusEvent* event)
{
    Card::focusInEvent(event);
    update();
}

void RowList::focusOutEvent(QFocusEvent* event)
{
    Card::focusOutEvent(event);
    update();
}

} // namespace openwright::ui
