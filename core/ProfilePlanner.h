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
        notInstalled,
        // A later entry of the profile names the same file type with another application: the
        // later one is what the run sets, so this one is not attempted.
        replaced,
        // The system does not know the extension: nothing can open it, nothing is attempted.
        unknownType
    };

    Case kind = Case::alreadySet;
    ChangeRequest request; // change: the entry's target and the located application
    std::optional<AppInfo> from; // change: the current default
    QString appName; // change: the entry's appName ("to"); notInstalled: the entry's appName
    Target replacedBy; // replaced: the later entry's target
    QString type; // the platform type, when the planner was told it: targets of one type are one difference

    static PlanStep change(ChangeRequest request, std::optional<AppInfo> from, QString to)
    {
        return {Case::change, std::move(request), std::move(from), std::move(to), {}, {}};
    }
    static PlanStep alreadySet(Target target)
    {
        return {Case::alreadySet, {std::move(target), {}}, {}, {}, {}, {}};
    }
    static PlanStep notInstalled(Target target, QString appName)
    {
        return {Case::notInstalled, {std::move(target), {}}, {}, std::move(appName), {}, {}};
    }
    static PlanStep replaced(Target target, Target by)
    {
        return {Case::replaced, {std::move(target), {}}, {}, {}, std::move(by), {}};
    }
    static PlanStep unknownType(Target target)
    {
        return {Case::unknownType, {std::move(target), {}}, {}, {}, {}, {}};
    }

    const Target& target() const { return request.target; }
    // Why a replaced or unknownType step is not attempted, as its line says; empty otherwise.
    QString skipReason() const;

    friend bool operator==(const PlanStep&, const PlanStep&) = default;
};

// Turns a profile into steps against the current defaults. Pure: the platform is reached only
// through the functions handed in. With `platformType`, entries of an extension the system
// does not know are unknownType, and where entries name one platform type (.jpg and .jpeg)
// with different applications, the last of them decides and the others are replaced.
namespace ProfilePlanner {

using CurrentDefault = std::function<std::optional<AppInfo>(const Target&)>;
using Locate = std::function<std::optional<LocatedApp>(const QString& name)>;
using PlatformType = std::function<std::optional<QString>(const Target&)>;
// Whether the user's own settings name the application as the target's default.
using UsersChoice = std::function<bool(const Target&, const AppInfo&)>;

// With `usersChoice`, an application that opens the target only because the system falls back
// to it is not yet set: the step writes it, as a change does (a backup's step, which puts back
// what opened, counts it as set).
QList<PlanStep> plan(const Profile& profile, const CurrentDefault& currentDefault, const Locate& locate,
                     const PlatformType& platformType = {}, const UsersChoice& usersChoice = {});

// How many defaults the plan changes: its changes, those of one platform type once (.mov and
// video/quicktime set one default).
qsizetype differences(const QList<PlanStep>& plan);

} // namespace ProfilePlanner

} // namespace openwright
