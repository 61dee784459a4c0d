// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "AppInfo.h"
#include "Opener.h"
#include "Target.h"

#include <QList>

#include <optional>

namespace openwright {

// The default of one of a target's platform types.
struct TypeDefault
{
    QString type;
    std::optional<AppInfo> app;

    friend bool operator==(const TypeDefault&, const TypeDefault&) = default;
};

// Where a target's answer comes from, as a person asks it at a glance.
enum class DefaultSource
{
    notSet, // nothing opens it
    user, // the user's own settings decide
    desktop, // a list or setting of the desktop or the administrator decides
    system, // nothing names it: the system takes the first installed handler
};

// "Set by you", "Desktop default", "Chosen by the system", "Not set".
QString sourceText(DefaultSource source);
// The source's name in JSON and on the command line: "user", "desktop", "system", "notSet".
QString sourceName(DefaultSource source);

// What is known about one target at one moment: its default and the applications able to
// open it, de-duplicated and ordered by name.
struct TargetState
{
    Target target;
    std::optional<AppInfo> current;
    QList<AppInfo> candidates;
    // Where the target's files open in different applications by their type (an extension the
    // system gives several types): the default of each. `current` is then absent, as no one
    // application opens them all.
    QList<TypeDefault> byType {};
    // The application the user's settings still name for the target although it is no longer
    // installed. The system passes over it: `current` is what opens instead, if anything.
    std::optional<AppInfo> removedDefault {};
    // Where the answer comes from; absent where the platform cannot tell.
    std::optional<DefaultSource> source {};
    // The first `recommended` candidates are made for the target's type, the rest open it as
    // one of a parent type (any text editor for source code); each part is in name order.
    qsizetype recommended = 0;
    // The programs with rules of their own (KDE programs, xdg-open) that would start something
    // else for the target's files than `current`, or might; empty when they all agree.
    QList<OpenerDifference> otherOpeners {};

    // What the row says about the state beyond the application that opens it: a default that
    // is no longer installed, and where the target's files open by type. Empty when there is
    // nothing more to say.
    QString note() const;

    friend bool operator==(const TargetState&, const TargetState&) = default;
};

// A request to make one application the default for one target; the key of result maps.
struct ChangeRequest
{
    Target target;
    QUrl app;

    friend bool operator==(const ChangeRequest&, const ChangeRequest&) = default;
};

inline size_t qHash(const ChangeRequest& r, size_t seed = 0) noexcept
{
    return qHashMulti(seed, r.target, r.app);
}

} // namespace openwright
