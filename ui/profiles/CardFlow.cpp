// SPDX-License-Identifier: GPL-3.0-or-later
#include "CardFlow.h"

#include "widgets/Style.h"

#include <QWidget>

#include <QStyle>
#include <QWidget>

namespace openwright::ui {

CardFlow::CardFlow(QWidget* parent)
    : QLayout(parent)
{
    setContentsMargins(0, 0, 0, 0);
    setSpacing(Style::spacing(2));
}

CardFlow::~CardFlow()
{
    while (QLayoutItem* item = takeAt(0))
        delete item;
}

void CardFlow::addItem(QLayoutItem* item)
{
    m_items.append(item);
    invalidate();
}

QLayoutItem* CardFlow::takeAt(int index)
{
    if (index < 0 || index >= m_items.size())
        return nullptr;
    QLayoutItem* item = m_items.takeAt(index);
    invalidate();
    return item;
}

CardFlow::Grid CardFlow::grid(int width) const
{
    Grid g;
    for (QLayoutItem* item : m_items) {
        if (!item->isEmpty())
            g.cellWidth = std::max(g.cellWidth, item->sizeHint().width());
    }
    if (g.cellWidth == 0)
        return g;
    const int gap = spacing();
    g.columns = std::max(1, (width + gap) / (g.cellWidth + gap));
    // The row is shared out evenly: no ragged gap at the right end.
    g.cellWidth = std::max(g.cellWidth, (width - (g.columns - 1) * gap) / g.columns);
    for (QLayoutItem* item : m_items) {
        if (item->isEmpty())
            continue;
        g.cellHeight = std::max(
            g.cellHeight, item->hasHeightForWidth() ? item->heightForWidth(g.cellWidth) : item->sizeHint().height());
    }
    return g;
}

int CardFlow::heightForWidth(int width) const
{
    return arrange(QRect(0, 0, width, 0), false);
}

QSize CardFlow::minimumSize() const
{
    QSize size;
    for (QLayoutItem* item : m_items)
        size = size.expandedTo(item->minimumSize());
    const QMargins m = contentsMargins();
    return size + QSize(m.left() + m.right(), m.top() + m.bottom());
}

QSize CardFlow::sizeHint() const
{
    return minimumSize();
}

void CardFlow::setGeometry(const QRect& rect)
{
    QLayout::setGeometry(rect);
    arrange(rect, true);
}

int CardFlow::arrange(const QRect& rect, bool apply) const
{
    const QRect area = rect.marginsRemoved(contentsMargins());
    const Grid g = grid(area.width());
    const int gap = spacing();
    int index = 0;
    for (QLayoutItem* item : m_items) {
        if (item->isEmpty())
            continue;
        const int column = index % g.columns;
        const int row = index / g.columns;
        if (apply)
            // Cards read from the right in a right-to-left layout.
            item->setGeometry(
                QStyle::visualRect(parentWidget() ? parentWidget()->layoutDirection() : Qt::LeftToRight, area,
                                   QRect(area.x() + column * (g.cellWidth + gap), area.y() + row * (g.cellHeight + gap),
                                         g.cellWidth, g.cellHeight)));
        ++index;
    }
    const QMargins m = contentsMargins();
    const int rows = index == 0 ? 0 : (index + g.columns - 1) / g.columns;
    return m.top() + m.bottom() + (rows == 0 ? 0 : rows * g.cellHeight + (rows - 1) * gap);
}

} // namespace openwright::ui
