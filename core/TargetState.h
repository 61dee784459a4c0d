// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "AppInfo.h"
#include "Target.h"

#include <QList>

#include <optional>

namespace openwright {

// What is known about one target at one moment: its default and the applications able to
// open it, de-duplicated and ordered by name.
struct TargetState
{
    Target target;
    std::optional<AppInfo> current;
    QList<AppInfo> candidates;

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
