// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QList>
#include <QWidget>

#include <functional>

class QHBoxLayout;

namespace openwright::ui {

// A row of search hits under the header: a lead ("Applications:"), the hits that fit whole, in
// order, and a tail that stands for the rest ("and 4 more", "All 12 in All Types"). Squeezed
// into the width, every name would be cut; the ones that do not fit are left to the tail.
class HitRow : public QWidget
{
public:
    explicit HitRow(QWidget* parent = nullptr);

    // Narrow enough for the smallest window: the lead and the tail.
    QSize minimumSizeHint() const override;

protected:
    // Takes down the row; then set the lead, add the hits, and set the tail, in that order.
    void clearHits();
    void setLead(QWidget* lead);
    void addHit(QWidget* hit);
    // `total` hits in all, of which those added are the first; `say` gives the tail its text for
    // the number left out. The tail shows exactly when some are.
    void setTail(QWidget* tail, qsizetype total, std::function<void(qsizetype left)> say = {});

    void resizeEvent(QResizeEvent* event) override;

private:
    void fit();

    QHBoxLayout* m_row;
    QWidget* m_lead = nullptr;
    QList<QWidget*> m_hits;
    QWidget* m_tail = nullptr;
    qsizetype m_total = 0;
    std::function<void(qsizetype)> m_say;
};

} // namespace openwright::ui
