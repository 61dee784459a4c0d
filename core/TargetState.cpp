// SPDX-License-Identifier: GPL-3.0-or-later
#include "TargetState.h"

#include <QCoreApplication>
#include <QStringList>

namespace openwright {

using namespace Qt::Literals::StringLiterals;

QString TargetState::note() const
{
    QStringList sentences;
    if (removedDefault) {
        sentences.append(QCoreApplication::translate("TargetState", "Set to %1, which is no longer installed.")
                             .arg(removedDefault->name));
        if (current)
            sentences.append(QCoreApplication::translate("TargetState", "%1 opens it for now.").arg(current->name));
    }
    if (!byType.isEmpty()) {
        QStringList parts;
        for (const TypeDefault& d : byType)
            parts.append(d.app ? QCoreApplication::translate("TargetState", "%1 opens %2").arg(d.app->name, d.type)
                               : QCoreApplication::translate("TargetState", "nothing opens %1").arg(d.type));
        // A link has no file: its types differ by who opens it (a desktop's own browser setting).
        sentences.append(target.isScheme() ? QCoreApplication::translate("TargetState", "Depends on who opens it: %1.")
                                                 .arg(parts.join(u"; "_s))
                                           : QCoreApplication::translate("TargetState", "Depends on the file: %1.")
                                                 .arg(parts.join(u"; "_s)));
    }
    return sentences.join(u' ');
}

} // namespace openwright
