// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDBusConnection>
#include <QProcess>
#include <QString>
#include <QTemporaryDir>

namespace openwright::test {

// A session bus of the test's own: a dbus-daemon (Debian's dbus) started with a permissive
// private configuration and stopped with the object. Connect to it by address; the real
// session bus is never touched.
class PrivateBus final
{
public:
    PrivateBus();
    ~PrivateBus();

    bool isRunning() const { return !m_address.isEmpty(); }
    const QString& address() const { return m_address; }
    // A new connection to the bus under `name` (one per role: client, fake server).
    QDBusConnection connect(const QString& name) const;
    void disconnect(const QString& name) const { QDBusConnection::disconnectFromBus(name + u'@' + m_address); }

private:
    QTemporaryDir m_dir;
    QProcess m_daemon;
    QString m_address;
};

} // namespace openwright::test
