// SPDX-License-Identifier: GPL-3.0-or-later
#include "Opener.h"

#include <QCoreApplication>

namespace openwright {

using namespace Qt::Literals::StringLiterals;

QString openerName(Opener opener)
{
    switch (opener) {
    case Opener::gio:
        return u"gio"_s;
    case Opener::kde:
        return u"kde"_s;
    case Opener::xdgOpen:
        return u"xdg-open"_s;
    }
    return {};
}

QString openerLabel(Opener opener)
{
    switch (opener) {
    case Opener::gio:
        return QCoreApplication::translate("Openers", "GTK programs");
    case Opener::kde:
        return QCoreApplication::translate("Openers", "KDE programs");
    case Opener::xdgOpen:
        return u"xdg-open"_s;
    }
    return {};
}

QString differenceText(const QList<OpenerDifference>& differences)
{
    bool kde = false, xdgOpen = false;
    for (const OpenerDifference& d : differences) {
        kde = kde || d.opener == Opener::kde;
        xdgOpen = xdgOpen || d.opener == Opener::xdgOpen;
    }
    if (kde && xdgOpen)
        return QCoreApplication::translate("Openers", "Opens differently in KDE programs and with xdg-open");
    if (kde)
        return QCoreApplication::translate("Openers", "Opens differently in KDE programs");
    if (xdgOpen)
        return QCoreApplication::translate("Openers", "Opens differently with xdg-open");
    return {};
}

} // namespace openwright
