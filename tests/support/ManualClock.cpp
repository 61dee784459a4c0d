// SPDX-License-Identifier: GPL-3.0-or-later
#include "ManualClock.h"

#include <algorithm>

namespace openwright::test {

ManualClock::ManualClock(QDateTime start, QTimeZone zone)
    : m_now(std::move(start))
    , m_zone(std::move(zone))
{
}

Clock::Cancel ManualClock::after(std::chrono::milliseconds delay, QObject* context, std::function<void()> callback)
{
    auto cancelled = std::make_shared<bool>(false);
    m_entries.append({m_now.addMSecs(delay.count()), m_order++, context, std::move(callback), cancelled});
    return [cancelled] { *cancelled = true; };
}

void ManualClock::advance(std::chrono::milliseconds by, const std::function<void()>& settle)
{
    const QDateTime target = m_now.addMSecs(by.count());
    for (;;) {
        m_entries.removeIf([](const Entry& e) { return *e.cancelled || !e.context; });
        const auto next = std::min_element(m_entries.begin(), m_entries.end(), [](const Entry& a, const Entry& b) {
            return a.due < b.due || (a.due == b.due && a.order < b.order);
        });
        if (next == m_entries.end() || next->due > target)
            break;
        const Entry entry = *next;
        m_entries.erase(next);
        m_now = entry.due;
        ++m_fired;
        entry.callback();
        if (settle)
            settle();
    }
    m_now = target;
}

int ManualClock::scheduled() const
{
    return int(
        std::count_if(m_entries.cbegin(), m_entries.cend(), [](const Entry& e) { return !*e.cancelled && e.context; }));
}

qint64 ManualClock::nextDueIn() const
{
    qint64 best = -1;
    for (const Entry& e : m_entries) {
        if (*e.cancelled || !e.context)
            continue;
        const qint64 in = m_now.msecsTo(e.due);
        if (best < 0 || in < best)
            best = in;
    }
    return best;
}

} // namespace openwright::test
