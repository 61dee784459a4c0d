// SPDX-License-Identifier: GPL-3.0-or-later
// The notifier's texts that the command line shows too, apart from the notifier so that the
// command line links them without D-Bus. Notifier's tr() would pull in its meta-object, which is
// compiled with the model's: the same context, through QCoreApplication.
#include "Notifier.h"

#include <QCoreApplication>

#include <algorithm>

namespace openwright {

QString Notifier::durationText(qint64 seconds)
{
    seconds = std::max<qint64>(seconds, 0);
    if (seconds < 60)
        return seconds == 1 ? QCoreApplication::translate("openwright::Notifier", "1 second")
                            : QCoreApplication::translate("openwright::Notifier", "%1 seconds").arg(seconds);
    const qint64 minutes = seconds / 60;
    if (minutes < 60)
        return minutes == 1 ? QCoreApplication::translate("openwright::Notifier", "1 minute")
                            : QCoreApplication::translate("openwright::Notifier", "%1 minutes").arg(minutes);
    const qint64 hours = minutes / 60;
    return hours == 1 ? QCoreApplication::translate("openwright::Notifier", "1 hour")
                      : QCoreApplication::translate("openwright::Notifier", "%1 hours").arg(hours);
}

QString Notifier::likelyCulprit(const DefaultChange& change)
{
    if (!change.culprit)
        return {};
    const Culprit& c = *change.culprit;
    if (c.reason == Culprit::Reason::started)
        return QCoreApplication::translate("openwright::Notifier", "Probably %1, which started %2 before")
            .arg(c.name, durationText(c.secondsBefore));
    return QCoreApplication::translate("openwright::Notifier", "Probably %1, installed or updated %2 before")
        .arg(c.name, durationText(c.secondsBefore));
}

} // namespace openwright
