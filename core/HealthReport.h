// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "TargetState.h"

#include <QList>

#include <functional>

namespace openwright {

// One score and the list of types that lack a working default. A pure computation over
// target states; computed on demand, never stored.
struct HealthReport
{
    struct Issue
    {
        enum class Case
        {
            noHandler,
            noDefault,
            missingApp,
            // The target's types open in different applications: a browser split between its
            // links and pages, an extension whose types differ (see TargetState::byType).
            split,
            // Other programs than GTK programs would start something else (TargetState::otherOpeners).
            openersDiffer,
        };
        Case kind;
        Target target;
        std::optional<AppInfo> app; // only for missingApp
        QList<TypeDefault> byType {}; // only for split
        QList<OpenerDifference> otherOpeners {}; // only for openersDiffer

        friend bool operator==(const Issue&, const Issue&) = default;
    };

    int score = 100;
    int total = 0;
    int configured = 0;
    QList<Issue> issues;
    // Problems the doctor finds in the user's defaults files (see Doctor), counted beside the
    // score: a broken line need not change any type's default. Set by the caller.
    int fileProblems = 0;

    // `appExists` is asked once per state that has a current application.
    static HealthReport evaluate(const QList<TargetState>& states, const std::function<bool(const QUrl&)>& appExists);

    friend bool operator==(const HealthReport&, const HealthReport&) = default;
};

} // namespace openwright
