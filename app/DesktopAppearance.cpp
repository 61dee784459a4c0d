// SPDX-License-Identifier: GPL-3.0-or-later
#include "DesktopAppearance.h"

#include <QDBusMessage>
#include <QDBusVariant>

namespace openwright::DesktopAppearance {

using namespace Qt::Literals::StringLiterals;

bool prefersDark(const QDBusConnection& bus)
{
    if (qEnvironmentVariable("GTK_THEME").endsWith(u":dark"_s))
        return true;
    if (!bus.isConnected())
        return false;
    QDBusMessage read
        = QDBusMessage::createMethodCall(u"org.freedesktop.portal.Desktop"_s, u"/org/freedesktop/portal/desktop"_s,
                                         u"org.freedesktop.portal.Settings"_s, u"Read"_s);
    read << u"org.freedesktop.appearance"_s << u"color-scheme"_s;
    read.setAutoStartService(false);
    const QDBusMessage reply = bus.call(read, QDBus::Block, 250);
    if (reply.type() != QDBusMessage::ReplyMessage || reply.arguments().isEmpty())
        return false;
    // The value arrives as a variant holding a variant holding the number.
    QVariant value = reply.arguments().first();
    while (value.canConvert<QDBusVariant>() && value.userType() == qMetaTypeId<QDBusVariant>())
        value = value.value<QDBusVariant>().variant();
    return value.toUInt() == 1;
}

} // namespace openwright::DesktopAppearance
