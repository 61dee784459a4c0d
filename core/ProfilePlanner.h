// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "Profile.h"

#include <functional>

namespace openwright {

// What applying one profile entry would do.
struct PlanStep
{
    enum class Case
    {
        change,
        alreadySet,
        notInstalled
    };

    Case kind = Case::alreadySet;
    ChangeRequest request; // change: the entry's target and the located application
    std::optional<AppInfo> from; // change: the current default
    QString appName; // change: the entry's appName ("to"); notInstalled: the entry's appName

    static PlanStep change(ChangeRequest request, std::optional<AppInfo> from, QString to)
    {
        return {Case::change, std::move(request), std::move(from), std::move(to)};
    }
    static PlanStep alreadySet(Target target) { return {Case::alreadySet, {std::move(target), {}}, {}, {}}; }
    static PlanStep notInstalled(Target target, QString appName)
    {
        return {Case::notInstalled, {std::move(target), {}}, {}, std::move(appName)};
    }

    const Target& target() const { return request.target; }

    friend bool operator==(const PlanStep&, const PlanStep&) = default;
};

// Turns a profile into steps against the current defaults. Pure: the platform is reached only
// through the two functions handed in.
namespace ProfilePlanner {

using CurrentDefault = std::function<std::optional<AppInfo>(const Target&)>;
using Locate = std::function<std::optional<LocatedApp>(const QString& name)>;

QList<PlanStep> plan(const Profile& profile, const CurrentDefault& currentDefault, const Locate& locate);

} // namespace ProfilePlanner

} // namespace openwright
