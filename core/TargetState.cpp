// SPDX-License-Identifier: GPL-3.0-or-later
#include "TargetState.h"

#include <QStringList>

namespace openwright {

using namespace Qt::Literals::StringLiterals;

QString TargetState::note() const
{
    QStringList sentences;
    if (removedDefault) {
        sentences.append(u"Set to "_s + removedDefault->name + u", which is no longer installed."_s);
        if (current)
            sentences.append(current->name + u" opens it for now."_s);
    }
    if (!byType.isEmpty()) {
        QStringList parts;
        for (const TypeDefault& d : byType)
            parts.append((d.app ? d.app->name : u"nothing"_s) + u" opens "_s + d.type);
        // A link has no file: its types differ by who opens it (a desktop's own browser setting).
        sentences.append((target.isScheme() ? u"Depends on who opens it: "_s : u"Depends on the file: "_s)
                         + parts.join(u"; "_s) + u'.');
    }
    return sentences.join(u' ');
}

} // namespace openwright
