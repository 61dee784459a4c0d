// SPDX-License-Identifier: GPL-3.0-or-later
#include "Clock.h"

#include <QPointer>
#include <QTimer>

namespace openwright {

Clock::Cancel SystemClock::after(std::chrono::milliseconds delay, QObject* context, std::function<void()> callback)
{
    auto* timer = new QTimer(context);
    timer->setSingleShot(true);
    // Coarse timers let the system batch our wake-ups with others': the guard needs minutes,
    // not milliseconds.
    timer->setTimerType(Qt::CoarseTimer);
    QObject::connect(timer, &QTimer::timeout, context, [timer, callback = std::move(callback)] {
        timer->deleteLater();
        callback();
    });
    timer->start(std::chrono::milliseconds(qint64(double(delay.count()) / m_scale)));
    QPointer<QTimer> guard(timer);
    return [guard] {
        if (guard) {
            guard->stop();
            guard->deleteLater();
        }
    };
}

} // namespace openwright
