// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QLayout>
#include <QList>

namespace openwright::ui {

// Lays cards out in a grid of as many columns as the width holds at the cards' preferred width,
// sharing the row out evenly, every card as tall as the tallest: the profile grid, which
// re-flows as the window is resized.
class CardFlow final : public QLayout
{
public:
    explicit CardFlow(QWidget* parent = nullptr);
    ~CardFlow() override;

    void addItem(QLayoutItem* item) override;
    int count() const override { return int(m_items.size()); }
    QLayoutItem* itemAt(int index) const override { return m_items.value(index); }
    QLayoutItem* takeAt(int index) override;
    Qt::Orientations expandingDirections() const override { return {}; }
    bool hasHeightForWidth() const override { return true; }
    int heightForWidth(int width) const override;
    QSize minimumSize() const override;
    QSize sizeHint() const override;
    void setGeometry(const QRect& rect) override;

private:
    struct Grid
    {
        int columns = 1;
        int cellWidth = 0;
        int cellHeight = 0;
    };
    Grid grid(int width) const;
    // Places the items within `rect` (only measures when `apply` is false); returns the height used.
    int arrange(const QRect& rect, bool apply) const;

    QList<QLayoutItem*> m_items;
};

} // namespace openwright::ui
