// SPDX-License-Identifier: GPL-3.0-or-later
#include "ProfilePlanner.h"

namespace openwright::ProfilePlanner {

QList<PlanStep> plan(const Profile& profile, const CurrentDefault& currentDefault, const Locate& locate)
{
    QList<PlanStep> steps;
    steps.reserve(profile.entries.size());
    for (const ProfileEntry& entry : profile.entries) {
        const std::optional<AppInfo> current = currentDefault(entry.target);
        if (current && current->bundleID && *current->bundleID == entry.bundleID) {
            steps.append(PlanStep::alreadySet(entry.target));
            continue;
        }
        if (const std::optional<QUrl> url = locate(entry.bundleID))
            steps.append(PlanStep::change({entry.target, *url}, current, entry.appName));
        else
            steps.append(PlanStep::notInstalled(entry.target, entry.appName));
    }
    return steps;
}

} // namespace openwright::ProfilePlanner
