// SPDX-License-Identifier: GPL-3.0-or-later
#include "ProfilePlanner.h"

namespace openwright::ProfilePlanner {

QList<PlanStep> plan(const Profile& profile, const CurrentDefault& currentDefault, const Locate& locate)
{
    QList<PlanStep> steps;
    steps.reserve(profile.entries.size());
    for (const ProfileEntry& entry : profile.entries) {
        const std::optional<AppInfo> current = currentDefault(entry.target);
        // The name decides what "already set" means: a desktop-file ID only by that entry, an
        // identity by any packaging of the program, so it is located first.
        const std::optional<LocatedApp> located = locate(entry.bundleID);
        const bool sameIdentity = current && current->bundleID && *current->bundleID == entry.bundleID;
        if (located ? located->satisfiedBy(current) : sameIdentity)
            steps.append(PlanStep::alreadySet(entry.target));
        else if (located)
            steps.append(PlanStep::change({entry.target, located->app.url}, current, entry.appName));
        else
            steps.append(PlanStep::notInstalled(entry.target, entry.appName));
    }
    return steps;
}

} // namespace openwright::ProfilePlanner
