// SPDX-License-Identifier: GPL-3.0-or-later
#include "TargetState.h"

#include <QCoreApplication>
#include <QStringList>

#include <algorithm>

namespace openwright {

using namespace Qt::Literals::StringLiterals;

QString sourceText(DefaultSource source)
{
    switch (source) {
    case DefaultSource::notSet: return QCoreApplication::translate("TargetState", "Not set");
    case DefaultSource::user: return QCoreApplication::translate("TargetState", "Set by you");
    case DefaultSource::desktop: return QCoreApplication::translate("TargetState", "Desktop default");
    case DefaultSource::system: return QCoreApplication::translate("TargetState", "Chosen by the system");
    }
    return {};
}

QString sourceName(DefaultSource source)
{
    switch (source) {
    case DefaultSource::notSet: return u"notSet"_s;
    case DefaultSource::user: return u"user"_s;
    case DefaultSource::desktop: return u"desktop"_s;
    case DefaultSource::system: return u"system"_s;
    }
    return {};
}

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
        // Types that open in one application are named together, in the order first seen.
        QList<std::pair<const std::optional<AppInfo>*, QStringList>> groups;
        for (const TypeDefault& d : byType) {
            const auto same = std::find_if(groups.begin(), groups.end(), [&](const auto& g) {
                return g.first->has_value() == d.app.has_value() && (!d.app || (*g.first)->url == d.app->url);
            });
            if (same == groups.end())
                groups.append({&d.app, {d.type}});
            else
                same->second.append(d.type);
        }
        QStringList parts;
        for (const auto& [app, types] : std::as_const(groups)) {
            const QString named = types.join(u", "_s);
            parts.append(*app ? QCoreApplication::translate("TargetState", "%1 opens %2").arg((*app)->name, named)
                              : QCoreApplication::translate("TargetState", "nothing opens %1").arg(named));
        }
        // The browser's types are its links, pages and the desktop's own setting; another
        // extension's are what its files hold.
        sentences.append(!target.linkedTargets().isEmpty()
                             ? QCoreApplication::translate("TargetState", "Split between browsers: %1.")
                                   .arg(parts.join(u"; "_s))
                         : target.isScheme() ? QCoreApplication::translate("TargetState", "Depends on who opens it: %1.")
                                                   .arg(parts.join(u"; "_s))
                                             : QCoreApplication::translate("TargetState", "Depends on the file: %1.")
                                                   .arg(parts.join(u"; "_s)));
    }
    if (!otherOpeners.isEmpty()) {
        sentences.append(differenceText(otherOpeners) + u'.');
        for (const OpenerDifference& d : otherOpeners) {
            const QString who = openerLabel(d.opener);
            sentences.append(!d.app ? QCoreApplication::translate("TargetState", "%1: nothing.").arg(who)
                                 : d.byChance
                                 ? QCoreApplication::translate("TargetState", "%1: %2 or another, by chance.")
                                       .arg(who, d.app->name)
                                 : QCoreApplication::translate("TargetState", "%1: %2.").arg(who, d.app->name));
        }
    }
    return sentences.join(u' ');
}

} // namespace openwright
