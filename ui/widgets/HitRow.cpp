// SPDX-License-Identifier: GPL-3.0-or-later
#include "HitRow.h"

#include "widgets/Style.h"

#include <QHBoxLayout>

namespace openwright::ui {

HitRow::HitRow(QWidget* parent)
    : QWidget(parent)
    , m_row(new QHBoxLayout(this))
{
    m_row->setContentsMargins(Style::spacing(3), 0, Style::spacing(3), Style::spacing());
    m_row->setSpacing(Style::spacing());
}

QSize HitRow::minimumSizeHint() const
{
    if (!m_lead || !m_tail)
        return QWidget::minimumSizeHint();
    const QMargins margins = m_row->contentsMargins();
    return {margins.left() + m_lead->sizeHint().width() + m_row->spacing() + m_tail->sizeHint().width()
                + margins.right(),
            QWidget::minimumSizeHint().height()};
}

void HitRow::clearHits()
{
    // Hidden at once: the row is not painted again with what is about to go.
    for (QWidget* w : m_hits + QList<QWidget*> {m_lead, m_tail}) {
        if (w)
            w->hide();
    }
    Style::clearLayout(m_row);
    m_lead = nullptr;
    m_hits.clear();
    m_tail = nullptr;
    m_total = 0;
    m_say = {};
}

void HitRow::setLead(QWidget* lead)
{
    m_lead = lead;
    m_row->addWidget(lead);
}

void HitRow::addHit(QWidget* hit)
{
    m_hits.append(hit);
    m_row->addWidget(hit);
}

void HitRow::setTail(QWidget* tail, qsizetype total, std::function<void(qsizetype left)> say)
{
    m_tail = tail;
    m_total = total;
    m_say = std::move(say);
    m_row->addWidget(tail);
    m_row->addStretch(1);
    fit();
}

void HitRow::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    fit();
}

void HitRow::fit()
{
    if (!m_lead || !m_tail)
        return;
    const QMargins margins = m_row->contentsMargins();
    const int spacing = m_row->spacing();
    const int room = width() - margins.left() - margins.right() - m_lead->sizeHint().width();
    int hitsWidth = 0;
    for (QWidget* hit : std::as_const(m_hits))
        hitsWidth += spacing + hit->sizeHint().width();
    // Every hit, where all there are fit with nothing left out; else as many as fit beside the tail.
    qsizetype shown = m_hits.size();
    const bool whole = m_total <= m_hits.size() && hitsWidth <= room;
    if (!whole) {
        for (;; --shown) {
            if (m_say)
                m_say(m_total - shown);
            if (shown == 0 || hitsWidth + spacing + m_tail->sizeHint().width() <= room)
                break;
            hitsWidth -= spacing + m_hits[shown - 1]->sizeHint().width();
        }
    }
    for (qsizetype i = 0; i < m_hits.size(); ++i)
        m_hits[i]->setVisible(i < shown);
    m_tail->setVisible(!whole);
}

} // namespace openwright::ui
