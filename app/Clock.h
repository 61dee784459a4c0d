// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDateTime>
#include <QObject>
#include <QTimeZone>

#include <chrono>
#include <functional>

namespace openwright {

// Time as the model sees it: the current date, the user's time zone (their calendar day) and
// delayed calls on a monotonic clock. A seam, so tests run a day of guarding in milliseconds.
// Used on the GUI thread.
class Clock
{
public:
    using Cancel = std::function<void()>;

    virtual ~Clock() = default;
    virtual QDateTime now() const = 0;
    virtual QTimeZone zone() const = 0;
    // Calls `callback` on `context`'s thread once `delay` has passed, unless `context` is gone
    // by then or the returned function was called.
    virtual Cancel after(std::chrono::milliseconds delay, QObject* context, std::function<void()> callback) = 0;
};

// The real clock. `scale` shortens every delay (a benchmark's hour in seconds); 1 in the app.
class SystemClock final : public Clock
{
public:
    explicit SystemClock(double scale = 1.0)
        : m_scale(scale)
    {
    }
    QDateTime now() const override { return QDateTime::currentDateTimeUtc(); }
    QTimeZone zone() const override { return QTimeZone::systemTimeZone(); }
    Cancel after(std::chrono::milliseconds delay, QObject* context, std::function<void()> callback) override;

private:
    double m_scale;
};

} // namespace openwright
