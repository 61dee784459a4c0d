// SPDX-License-Identifier: GPL-3.0-or-later
#include "DBusNotifications.h"

#include "AppId.h"

#include <QCoreApplication>
#include <QDBusMessage>
#include <QDBusPendingCallWatcher>
#include <QDBusPendingReply>
#include <QVariantMap>

#include <utility>

namespace openwright {

using namespace Qt::Literals::StringLiterals;

namespace {
constexpr auto kService = "org.freedesktop.Notifications";
constexpr auto kPath = "/org/freedesktop/Notifications";
constexpr auto kInterface = "org.freedesktop.Notifications";
// The body markup's own characters; other text stays as it is.
QString escaped(const QString& text)
{
    QString out;
    out.reserve(text.size());
    for (const QChar c : text) {
        if (c == u'&')
            out += u"&amp;"_s;
        else if (c == u'<')
            out += u"&lt;"_s;
        else if (c == u'>')
            out += u"&gt;"_s;
        else
            out += c;
    }
    return out;
}

QDBusMessage call(const QString& method)
{
    return QDBusMessage::createMethodCall(QLatin1StringView(kService), QLatin1StringView(kPath),
                                          QLatin1StringView(kInterface), method);
}

QDBusMessage notifyCall(uint replaces, const QString& title, const QString& body, const QStringList& actions,
                        bool bodyMarkup)
{
    QDBusMessage notify = call(u"Notify"_s);
    // The desktop entry's id names the sender: servers show its name and icon.
    const QVariantMap hints {{u"desktop-entry"_s, QString::fromLatin1(kAppId)}};
    notify << u"Openwright"_s << replaces << QString::fromLatin1(kAppId) << title << (bodyMarkup ? escaped(body) : body)
           << actions << hints << qint32(-1);
    return notify;
}

bool rendersMarkup(const QDBusMessage& capabilities)
{
    return capabilities.type() == QDBusMessage::ReplyMessage
        && capabilities.arguments().value(0).toStringList().contains(u"body-markup"_s);
}

} // namespace

QString DBusNotifications::showOnce(const QDBusConnection& bus, const QString& title, const QString& body)
{
    if (!bus.isConnected())
        return bus.lastError().isValid() ? bus.lastError().message()
                                         : QCoreApplication::translate("Notifier", "There is no session bus.");
    constexpr int kTimeoutMs = 2000;
    const bool markup = rendersMarkup(bus.call(call(u"GetCapabilities"_s), QDBus::Block, kTimeoutMs));
    const QDBusMessage answer = bus.call(notifyCall(0, title, body, {}, markup), QDBus::Block, kTimeoutMs);
    return answer.type() == QDBusMessage::ErrorMessage ? answer.errorMessage() : QString();
}

DBusNotifications::DBusNotifications(const QDBusConnection& bus, QObject* parent)
    : QObject(parent)
    , m_bus(bus)
{
    if (!m_bus.isConnected())
        return;
    // D-Bus signals can only be connected by signature; there is no functor form.
    m_bus.connect(QString(), QLatin1StringView(kPath), QLatin1StringView(kInterface), u"ActionInvoked"_s, this,
                  SLOT(actionInvoked(uint, QString)));
    m_bus.connect(QString(), QLatin1StringView(kPath), QLatin1StringView(kInterface), u"NotificationClosed"_s, this,
                  SLOT(notificationClosed(uint, uint)));
    // Servers that render markup in the body need application names escaped ("Tom & Jerry").
    // Until the server says which it is, notifications wait.
    auto* watcher = new QDBusPendingCallWatcher(m_bus.asyncCall(call(u"GetCapabilities"_s)), this);
    connect(watcher, &QDBusPendingCallWatcher::finished, this, [this](QDBusPendingCallWatcher* w) {
        w->deleteLater();
        m_bodyMarkup = rendersMarkup(w->reply());
        const auto waiting = std::exchange(m_beforeCapabilities, {});
        for (const auto& [changeID, text] : waiting)
            show(changeID, text.title, text.body, text.action, text.actionTitle);
    });
}

void DBusNotifications::show(const QString& changeID, const QString& title, const QString& body, const QString& action,
                             const QString& actionTitle)
{
    if (!m_bus.isConnected())
        return;
    const Text text {title, body, action, actionTitle};
    if (!m_bodyMarkup) {
        m_beforeCapabilities.append({changeID, text});
        return;
    }
    m_closeOnArrival.remove(changeID);
    if (const auto it = m_awaiting.find(changeID); it != m_awaiting.end()) {
        *it = text;
        return;
    }
    send(changeID, text);
}

QDBusMessage DBusNotifications::closeCall(uint id) const
{
    QDBusMessage close = call(u"CloseNotification"_s);
    close << id;
    return close;
}

void DBusNotifications::close(const QString& changeID)
{
    m_beforeCapabilities.removeIf([&](const auto& waiting) { return waiting.first == changeID; });
    if (m_awaiting.contains(changeID)) {
        m_awaiting[changeID].reset(); // no repost either
        m_closeOnArrival.insert(changeID);
        return;
    }
    const uint id = m_notificationOf.take(changeID);
    if (!id)
        return;
    m_changeOf.remove(id);
    m_bus.asyncCall(closeCall(id));
}

void DBusNotifications::closeAll()
{
    m_beforeCapabilities.clear();
    const auto shown = std::exchange(m_changeOf, {});
    m_notificationOf.clear();
    if (!m_bus.isConnected())
        return;
    // The process ends next: each call waits for the server (briefly, should it hang).
    for (auto it = shown.cbegin(); it != shown.cend(); ++it)
        m_bus.call(closeCall(it.key()), QDBus::Block, 1000);
}

void DBusNotifications::send(const QString& changeID, const Text& text)
{
    m_awaiting.insert(changeID, std::nullopt);
    // "default" is the click on the notification itself.
    // A notice (nothing to act on) has only the click that opens the window.
    QStringList actions {u"default"_s, QCoreApplication::translate("Notifier", "Open")};
    if (!text.action.isEmpty())
        actions << text.action << text.actionTitle;
    const QDBusMessage notify
        = notifyCall(m_notificationOf.value(changeID, 0u), text.title, text.body, actions, *m_bodyMarkup);
    auto* watcher = new QDBusPendingCallWatcher(m_bus.asyncCall(notify), this);
    connect(watcher, &QDBusPendingCallWatcher::finished, this, [this, changeID](QDBusPendingCallWatcher* w) {
        w->deleteLater();
        const std::optional<Text> repost = m_awaiting.take(changeID);
        const QDBusPendingReply<uint> reply = *w;
        if (reply.isError()) {
            m_closeOnArrival.remove(changeID);
            // No server, or it refused: nothing to show, nothing to undo. Said once.
            static bool warned = false;
            if (!std::exchange(warned, true))
                qWarning("Notifications cannot be shown: %s", qPrintable(reply.error().message()));
            return;
        }
        const uint id = reply.value();
        if (const uint old = m_notificationOf.value(changeID, 0u); old && old != id)
            m_changeOf.remove(old);
        if (m_closeOnArrival.remove(changeID)) {
            m_notificationOf.remove(changeID);
            m_bus.asyncCall(closeCall(id));
            return;
        }
        m_notificationOf.insert(changeID, id);
        m_changeOf.insert(id, changeID);
        if (repost)
            send(changeID, *repost);
    });
}

void DBusNotifications::actionInvoked(uint id, const QString& action)
{
    const auto it = m_changeOf.constFind(id);
    if (it == m_changeOf.cend())
        return; // another application's notification
    respond(action, *it);
}

void DBusNotifications::notificationClosed(uint id, uint /*reason*/)
{
    if (const QString change = m_changeOf.take(id); !change.isEmpty())
        m_notificationOf.remove(change);
}

} // namespace openwright
