// SPDX-License-Identifier: GPL-3.0-or-later
#include "ElidedLabel.h"

#include <QEvent>
#include <QPainter>
#include <QStyle>

namespace openwright::ui {

ElidedLabel::ElidedLabel(const QString& text, QWidget* parent)
    : QLabel(text, parent)
{
    setTextFormat(Qt::PlainText);
    setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);
    measure();
}

ElidedLabel* ElidedLabel::make(const QString& text, Style::Text role, Style::Tone tone, QWidget* parent)
{
    auto* label = new ElidedLabel(text, parent);
    label->setFont(Style::font(role, label->font()));
    if (tone != Style::Tone::normal)
        Style::setTone(label, tone);
    return label;
}

void ElidedLabel::setText(const QString& text)
{
    if (text == QLabel::text())
        return;
    QLabel::setText(text);
    measure();
}

// Shaping text is the dear part of laying out and painting long lists of rows: done once per
// text and font, and once per width for the shortened form.
void ElidedLabel::measure()
{
    const QFontMetrics metrics = fontMetrics();
    m_fullWidth = metrics.horizontalAdvance(text());
    m_lineHeight = metrics.height();
    m_minimumWidth = metrics.horizontalAdvance(u'M') * 3;
    m_shownForWidth = -1;
    updateGeometry();
    updateToolTip();
    update();
}

QSize ElidedLabel::sizeHint() const
{
    const QMargins m = contentsMargins();
    return {m_fullWidth + m.left() + m.right() + 2 * margin(), m_lineHeight + m.top() + m.bottom() + 2 * margin()};
}

QSize ElidedLabel::minimumSizeHint() const
{
    const QSize hint = sizeHint();
    return {qMin(hint.width(), m_minimumWidth), hint.height()};
}

bool ElidedLabel::isElided() const
{
    return m_fullWidth > contentsRect().width();
}

void ElidedLabel::paintEvent(QPaintEvent*)
{
    const QRect area = contentsRect();
    if (m_shownForWidth != area.width()) {
        m_shown = m_fullWidth <= area.width() ? text() : fontMetrics().elidedText(text(), Qt::ElideRight, area.width());
        m_shownForWidth = area.width();
    }
    QPainter p(this);
    p.setPen(palette().color(isEnabled() ? QPalette::Active : QPalette::Disabled, foregroundRole()));
    p.setFont(font());
    // As QLabel does: a leading alignment follows the layout direction.
    p.drawText(area, int(QStyle::visualAlignment(layoutDirection(), alignment())) | Qt::TextSingleLine, m_shown);
}

void ElidedLabel::resizeEvent(QResizeEvent* event)
{
    QLabel::resizeEvent(event);
    updateToolTip();
}

bool ElidedLabel::event(QEvent* event)
{
    const bool handled = QLabel::event(event);
    if (event->type() == QEvent::FontChange)
        measure();
    return handled;
}

void ElidedLabel::updateToolTip()
{
    const QString tip = isElided() ? text() : QString();
    if (toolTip() != tip)
        setToolTip(tip);
}

} // namespace openwright::ui
