// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "widgets/Style.h"

#include <QList>

class QVBoxLayout;

namespace openwright::ui {

// Rows on one card with a hairline between them: the lists of the guard, profile and backup
// screens. It takes the keyboard focus (with a ring) when the row that had it goes.
class RowList final : public Card
{
    Q_OBJECT

public:
    explicit RowList(QWidget* parent = nullptr);

    void addRow(QWidget* row);
    // Removes every row. Safe from inside a row's own signal (a button that removes its row).
    void clear();
    // Shows exactly `rows`, in this order: rows kept from before stay the same widgets (their
    // focus and state with them), rows left out are deleted.
    void setRows(const QList<QWidget*>& rows);
    const QList<QWidget*>& rows() const { return m_rows; }

protected:
    void paintEvent(QPaintEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    void takeAll(const QList<QWidget*>& keep);

    QVBoxLayout* m_layout;
    QList<QWidget*> m_rows;
};

} // namespace openwright::ui
