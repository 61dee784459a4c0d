// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Readable failure messages for the project's values in GoogleTest output.
#include "AppInfo.h"
#include "Target.h"

#include <QString>

#include <ostream>

inline void PrintTo(const QString& s, std::ostream* os)
{
    *os << '"' << s.toStdString() << '"';
}

namespace openwright {
inline void PrintTo(const Target& t, std::ostream* os)
{
    *os << t.id().toStdString();
}
inline void PrintTo(const AppInfo& a, std::ostream* os)
{
    *os << "AppInfo(" << a.url.toString().toStdString() << ", "
        << a.bundleID.value_or(QStringLiteral("-")).toStdString() << ", " << a.name.toStdString() << ')';
}
} // namespace openwright
