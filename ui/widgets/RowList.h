// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "widgets/Style.h"

#include <QList>

class QVBoxLayout;

namespace openwright::ui {

// Rows on one card with a hairline between them: the lists of the guard, profile and backup
// screens.
class RowList final : public Card
{
    Q_OBJECT

public:
    explicit RowList(QWidget* parent = nullptr);

    void addRow(QWidget* row);
    // Removes every row. Safe from inside a row's own signal (a button that removes its row).
    void clear();
    const QList<QWidget*>& rows() const { return m_rows; }

private:
    QVBoxLayout* m_layout;
    QList<QWidget*> m_rows;
};

} // namespace openwright::ui
