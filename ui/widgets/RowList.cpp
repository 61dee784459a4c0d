// SPDX-License-Identifier: GPL-3.0-or-later
#include "RowList.h"

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
    row->setParent(this);
    m_layout->addWidget(row);
    m_rows.append(row);
}

void RowList::clear()
{
    while (QLayoutItem* item = m_layout->takeAt(0)) {
        if (QWidget* w = item->widget()) {
            // Out of the tree at once (lookups no longer find it), deleted once control returns.
            w->hide();
            w->setParent(nullptr);
            w->deleteLater();
        }
        delete item;
    }
    m_rows.clear();
}

} // namespace openwright::ui
