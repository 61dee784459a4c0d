// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDBusConnection>
#include <QDBusMessage>
#include <QObject>
#include <QStringList>
#include <QVariantMap>

namespace openwright::test {

// A notification server that records what it is asked and answers as the user would.
class FakeNotificationServer : public QObject
{
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.freedesktop.Notifications")

public:
    struct Call
    {
        QString appName;
        uint replacesId;
        QString summary;
        QString body;
        QStringList actions;
    };
    QList<Call> calls;

    explicit FakeNotificationServer(QDBusConnection bus, QStringList capabilities = {QStringLiteral("actions"), QStringLiteral("body")})
        : m_bus(bus)
        , m_capabilities(std::move(capabilities))
    {
        m_bus.registerObject(QStringLiteral("/org/freedesktop/Notifications"), this, QDBusConnection::ExportAllSlots);
        m_bus.registerService(QStringLiteral("org.freedesktop.Notifications"));
    }
    void emitSignal(const char* name, const QVariantList& args)
    {
        QDBusMessage signal = QDBusMessage::createSignal(QStringLiteral("/org/freedesktop/Notifications"),
                                                         QStringLiteral("org.freedesktop.Notifications"), QString::fromLatin1(name));
        signal.setArguments(args);
        m_bus.send(signal);
    }

public Q_SLOTS:
    uint Notify(const QString& appName, uint replacesId, const QString&, const QString& summary, const QString& body,
                const QStringList& actions, const QVariantMap&, int)
    {
        calls.append({appName, replacesId, summary, body, actions});
        return replacesId ? replacesId : m_next++;
    }
    QStringList GetCapabilities() { return m_capabilities; }
    void CloseNotification(uint id) { closed.append(id); }

public:
    QList<uint> closed;

private:
    QDBusConnection m_bus;
    QStringList m_capabilities;
    uint m_next = 7;
};

// The systemd user manager's side of application launches.

} // namespace openwright::test
