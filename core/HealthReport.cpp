// SPDX-License-Identifier: GPL-3.0-or-later
#include "HealthReport.h"

#include <cmath>

namespace openwright {

HealthReport HealthReport::evaluate(const QList<TargetState>& states, const std::function<bool(const QUrl&)>& appExists)
{
    HealthReport report;
    report.total = static_cast<int>(states.size());
    if (report.total == 0)
        return report;
    for (const TargetState& s : states) {
        // Where the system passes over a removed default, what it opens instead is no choice.
        if (s.removedDefault) {
            report.issues.append({Issue::Case::missingApp, s.target, s.removedDefault});
        } else if (!s.current && !s.byType.isEmpty()) {
            report.issues.append({Issue::Case::split, s.target, std::nullopt, s.byType});
        } else if (!s.current) {
            report.issues.append(
                {s.candidates.isEmpty() ? Issue::Case::noHandler : Issue::Case::noDefault, s.target, std::nullopt});
        } else if (appExists(s.current->url)) {
            // It opens where it should in GTK programs, and it counts so; where others differ it
            // still needs a look.
            ++report.configured;
            if (!s.otherOpeners.isEmpty())
                report.issues.append({Issue::Case::openersDiffer, s.target, s.current, {}, s.otherOpeners});
        } else {
            report.issues.append({Issue::Case::missingApp, s.target, s.current});
        }
    }
    report.score = static_cast<int>(std::floor(double(report.configured) / double(report.total) * 100.0));
    return report;
}

} // namespace openwright
