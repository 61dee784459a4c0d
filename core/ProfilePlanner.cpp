// SPDX-License-Identifier: GPL-3.0-or-later
#include "ProfilePlanner.h"

#include "PlatformText.h"

#include <QCoreApplication>
#include <QHash>
#include <QSet>

namespace openwright {

QString PlanStep::skipReason() const
{
    switch (kind) {
    case Case::replaced:
        return QCoreApplication::translate("PlanStep", "Replaced by %1, the same file type").arg(replacedBy.id());
    case Case::unknownType: return unknownTypeText(target().payload());
    case Case::change:
    case Case::alreadySet:
    case Case::notInstalled: break;
    }
    return {};
}

} // namespace openwright

namespace openwright::ProfilePlanner {

QList<PlanStep> plan(const Profile& profile, const CurrentDefault& currentDefault, const Locate& locate,
                     const PlatformType& platformType, const UsersChoice& usersChoice)
{
    // The entry that decides each platform type: the last one naming it.
    QList<std::optional<QString>> types;
    QHash<QString, qsizetype> decides;
    for (qsizetype i = 0; i < profile.entries.size(); ++i) {
        const Target& target = profile.entries[i].target;
        types.append(platformType ? platformType(target) : std::nullopt);
        if (types.last())
            decides.insert(*types.last(), i);
    }
    QList<PlanStep> steps;
    steps.reserve(profile.entries.size());
    for (qsizetype i = 0; i < profile.entries.size(); ++i) {
        const ProfileEntry& entry = profile.entries[i];
        if (platformType && !types[i] && entry.target.isFileExtension()) {
            steps.append(PlanStep::unknownType(entry.target));
            continue;
        }
        if (types[i]) {
            const ProfileEntry& last = profile.entries[decides.value(*types[i])];
            if (last.bundleID != entry.bundleID) {
                steps.append(PlanStep::replaced(entry.target, last.target));
                continue;
            }
        }
        const std::optional<AppInfo> current = currentDefault(entry.target);
        // The name decides what "already set" means: a desktop-file ID only by that entry, an
        // identity by any packaging of the program, so it is located first.
        const std::optional<LocatedApp> located = locate(entry.bundleID);
        const bool sameIdentity = current && current->bundleID && *current->bundleID == entry.bundleID;
        // A backup compares what opens: one that matches it is the same as now.
        const bool satisfied = located ? located->satisfiedBy(current) : sameIdentity;
        const bool chosen
            = !current || !usersChoice || profile.kind == Profile::Kind::snapshot || usersChoice(entry.target, *current);
        if (satisfied && chosen)
            steps.append(PlanStep::alreadySet(entry.target));
        else if (satisfied)
            steps.append(PlanStep::change({entry.target, current->url}, current, entry.appName));
        else if (located)
            steps.append(PlanStep::change({entry.target, located->app.url}, current, entry.appName));
        else
            steps.append(PlanStep::notInstalled(entry.target, entry.appName));
        steps.last().type = types[i].value_or(QString());
    }
    return steps;
}

qsizetype differences(const QList<PlanStep>& plan)
{
    qsizetype count = 0;
    QSet<QString> types;
    for (const PlanStep& step : plan) {
        if (step.kind != PlanStep::Case::change)
            continue;
        if (step.type.isEmpty()) {
            ++count;
        } else if (!types.contains(step.type)) {
            types.insert(step.type);
            ++count;
        }
    }
    return count;
}

} // namespace openwright::ProfilePlanner
