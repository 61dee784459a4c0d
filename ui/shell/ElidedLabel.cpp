// SPDX-License-Identifier: GPL-3.0-or-later
#include "ElidedLabel.h"

#include <QEvent>
#include <QPainter>

namespace openwright::ui {

ElidedLabel::ElidedLabel(const QString& text, QWidget* parent)
    : QLabel(text, parent)
{
    setTextFormat(Qt::PlainText);
    setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);
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
    QLabel::setText(text);
    updateToolTip();
}

QSize ElidedLabel::minimumSizeHint() const
{
    // Room for a few letters and the ellipsis; the rest may go.
    return {fontMetrics().horizontalAdvance(u'M') * 3, QLabel::minimumSizeHint().height()};
}

bool ElidedLabel::isElided() const
{
    return fontMetrics().horizontalAdvance(text()) > contentsRect().width();
}

void ElidedLabel::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    const QRect area = contentsRect();
    p.setPen(palette().color(isEnabled() ? QPalette::Active : QPalette::Disabled, foregroundRole()));
    p.setFont(font());
    p.drawText(area, int(alignment()) | Qt::TextSingleLine,
               fontMetrics().elidedText(text(), Qt::ElideRight, area.width()));
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
        updateToolTip();
    return handled;
}

void ElidedLabel::updateToolTip()
{
    setToolTip(isElided() ? text() : QString());
}

} // namespace openwright::ui
