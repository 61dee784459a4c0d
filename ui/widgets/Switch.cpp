// SPDX-License-Identifier: GPL-3.0-or-later
#include "Switch.h"

#include "widgets/Style.h"

#include <QPainter>
#include <QStyleOptionFocusRect>

namespace openwright::ui {

Switch::Switch(const QString& accessibleName, QWidget* parent)
    : QAbstractButton(parent)
{
    setCheckable(true);
    setAccessibleName(accessibleName);
    setFocusPolicy(Qt::StrongFocus);
    setCursor(Qt::PointingHandCursor);
    setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
}

QSize Switch::sizeHint() const
{
    const int h = fontMetrics().height() + 4;
    return {h * 2 - 2, h};
}

void Switch::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    const QPalette pal = palette();
    const QRectF track = QRectF(rect()).adjusted(1, 1, -1, -1);
    const qreal radius = track.height() / 2;
    QColor fill = isChecked() ? pal.color(QPalette::Highlight) : Style::color(Style::Tone::secondary, pal);
    if (!isChecked())
        fill.setAlphaF(0.45);
    if (!isEnabled())
        fill.setAlphaF(fill.alphaF() * 0.5);
    p.setPen(Qt::NoPen);
    p.setBrush(fill);
    p.drawRoundedRect(track, radius, radius);
    const qreal knob = track.height() - 4;
    // On is the trailing end: the right, or the left in a right-to-left layout.
    const bool trailing = isChecked() != (layoutDirection() == Qt::RightToLeft);
    const qreal x = trailing ? track.right() - knob - 2 : track.left() + 2;
    p.setBrush(isChecked() ? pal.color(QPalette::HighlightedText) : pal.color(QPalette::Base));
    p.drawEllipse(QRectF(x, track.top() + 2, knob, knob));
    if (hasFocus()) {
        QColor ring = pal.color(QPalette::Highlight);
        ring.setAlphaF(0.6);
        p.setPen(QPen(ring, 1.5));
        p.setBrush(Qt::NoBrush);
        p.drawRoundedRect(track.adjusted(-0.5, -0.5, 0.5, 0.5), radius, radius);
    }
}

} // namespace openwright::ui
