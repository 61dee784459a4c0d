// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "Notifier.h"

#include <QDBusConnection>
#include <QHash>
#include <QObject>
#include <QSet>

#include <optional>

namespace openwright {

// Notifications through org.freedesktop.Notifications. Every call is asynchronous, so neither
// a slow server nor a missing one (no bus, nobody owning the name) holds up the GUI thread:
// posting then quietly does nothing. Keeps which server notification shows which change, so
// a change posted again replaces its notification and answers find their change.
class DBusNotifications final : public QObject, public NotificationBackend
{
    Q_OBJECT

public:
    explicit DBusNotifications(const QDBusConnection& bus, QObject* parent = nullptr);

    void show(const QString& changeID, const QString& title, const QString& body, const QString& action,
              const QString& actionTitle) override;
    void close(const QString& changeID) override;
    void closeAll() override;
    // One notification with nothing to answer, from a process about to end: waits (briefly) until
    // the server has it. Returns why it could not be shown, or nothing.
    static QString showOnce(const QDBusConnection& bus, const QString& title, const QString& body);

private Q_SLOTS:
    void actionInvoked(uint id, const QString& action);
    void notificationClosed(uint id, uint reason);

private:
    struct Text
    {
        QString title;
        QString body;
        QString action;
        QString actionTitle;
    };
    void send(const QString& changeID, const Text& text);
    QDBusMessage closeCall(uint id) const;

    QDBusConnection m_bus;
    // A change whose Notify is unanswered has no server id to replace yet: a repost waits here
    // and goes out, replacing, once the answer comes.
    QHash<QString, std::optional<Text>> m_awaiting;
    QHash<QString, uint> m_notificationOf; // change id -> server id
    QHash<uint, QString> m_changeOf; // server id -> change id
    // Closed while their Notify was unanswered: taken down as soon as the server names them.
    QSet<QString> m_closeOnArrival;
    std::optional<bool> m_bodyMarkup; // unknown until the server answers GetCapabilities
    QList<std::pair<QString, Text>> m_beforeCapabilities;
    void show(const QString& changeID, const Text& text);
};

} // namespace openwright
