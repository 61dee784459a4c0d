// SPDX-License-Identifier: GPL-3.0-or-later
#include "TargetState.h"

#include <QStringList>

namespace openwright {

using namespace Qt::Literals::StringLiterals;

QString TargetState::note() const
{
    if (byType.isEmpty())
        return {};
    QStringList parts;
    for (const TypeDefault& d : byType)
        parts.append((d.app ? d.app->name : u"nothing"_s) + u" opens "_s + d.type);
    return u"Depends on the file: "_s + parts.join(u"; "_s);
}

} // namespace openwright
