// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "Clock.h"

#include <QList>
#include <QPointer>

#include <memory>

namespace openwright::test {

// Time that moves only when the test says so. advance() runs every delayed call that falls
// due on the way, in order, with the clock set to its due time; `settle` runs after each, so
// background work started by a call lands before time moves on.
class ManualClock final : public Clock
{
public:
    explicit ManualClock(QDateTime start, QTimeZone zone = QTimeZone::utc());

    QDateTime now() const override { return m_now; }
    QTimeZone zone() const override { return m_zone; }
    Cancel after(std::chrono::milliseconds delay, QObject* context, std::function<void()> callback) override;

    void advance(std::chrono::milliseconds by, const std::function<void()>& settle = {});
    void setNow(const QDateTime& now) { m_now = now; }
    // Delayed calls still to come, and when the next one is due (ms from now; -1 if none).
    int scheduled() const;
    qint64 nextDueIn() const;
    int fired() const { return m_fired; }

private:
    struct Entry
    {
        QDateTime due;
        quint64 order;
        QPointer<QObject> context;
        std::function<void()> callback;
        std::shared_ptr<bool> cancelled;
    };
    QDateTime m_now;
    QTimeZone m_zone;
    QList<Entry> m_entries;
    quint64 m_order = 0;
    int m_fired = 0;
};

} // namespace openwright::test
