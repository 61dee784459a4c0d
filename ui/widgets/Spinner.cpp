// SPDX-License-Identifier: GPL-3.0-or-later
#include "Spinner.h"

#include "widgets/Style.h"

#include <QPainter>
#include <QTimerEvent>

namespace openwright::ui {

namespace {

constexpr int kFrameMs = 33;
constexpr int kSteps = 36; // one turn in about 1.2 s

} // namespace

Spinner::Spinner(QWidget* parent)
    : QWidget(parent)
{
    setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setAccessibleName(tr("Working"));
}

QSize Spinner::sizeHint() const
{
    const int side = fontMetrics().height() - 2;
    return {side, side};
}

void Spinner::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    const qreal pen = qMax(1.5, height() / 8.0);
    const QRectF ring = QRectF(rect()).adjusted(pen, pen, -pen, -pen);
    QColor track = palette().color(QPalette::WindowText);
    track.setAlphaF(0.15);
    p.setPen(QPen(track, pen));
    p.drawEllipse(ring);
    QPen arc(Style::color(Style::Tone::secondary, palette()), pen);
    arc.setCapStyle(Qt::RoundCap);
    p.setPen(arc);
    // Angles in sixteenths of a degree, clockwise as the step grows.
    const int start = 90 * 16 - m_step * (360 * 16 / kSteps);
    p.drawArc(ring, start, -100 * 16);
}

void Spinner::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    m_timer.start(kFrameMs, Qt::CoarseTimer, this);
}

void Spinner::hideEvent(QHideEvent* event)
{
    QWidget::hideEvent(event);
    m_timer.stop();
}

void Spinner::timerEvent(QTimerEvent* event)
{
    if (event->timerId() != m_timer.timerId()) {
        QWidget::timerEvent(event);
        return;
    }
    m_step = (m_step + 1) % kSteps;
    update();
}

} // namespace openwright::ui
