// SPDX-License-Identifier: GPL-3.0-or-later
#include "BackgroundPortal.h"

#include <QDBusMessage>
#include <QDBusObjectPath>
#include <QDBusPendingCallWatcher>
#include <QDBusPendingReply>

namespace openwright {

using namespace Qt::Literals::StringLiterals;

namespace {
constexpr auto kService = "org.freedesktop.portal.Desktop";
constexpr auto kPath = "/org/freedesktop/portal/desktop";
constexpr auto kRequest = "org.freedesktop.portal.Request";
} // namespace

BackgroundPortal::BackgroundPortal(const QDBusConnection& bus, QObject* parent)
    : QObject(parent)
    , m_bus(bus)
{
}

void BackgroundPortal::listen(const QString& path)
{
    if (path == m_path)
        return;
    if (!m_path.isEmpty()) {
        m_bus.disconnect(QLatin1StringView(kService), m_path, QLatin1StringView(kRequest), u"Response"_s, this,
                         SLOT(response(uint, QVariantMap)));
    }
    m_path = path;
    // D-Bus signals can only be connected by signature; there is no functor form.
    m_bus.connect(QLatin1StringView(kService), m_path, QLatin1StringView(kRequest), u"Response"_s, this,
                  SLOT(response(uint, QVariantMap)));
}

void BackgroundPortal::request(const QString& reason, Done done)
{
    m_done = std::move(done);
    if (!m_bus.isConnected()) {
        // Later, as promised: the caller may not be ready for its answer yet.
        QMetaObject::invokeMethod(this, [this] { finish(Answer::unavailable); }, Qt::QueuedConnection);
        return;
    }
    // The portal answers at .../request/SENDER/TOKEN, SENDER being our unique name without
    // the colon and with "_" for ".": listening there first means no answer can be missed.
    const QString token = u"openwright%1"_s.arg(++m_requests);
    QString sender = m_bus.baseService().mid(1);
    sender.replace(u'.', u'_');
    listen(QLatin1StringView(kPath) + u"/request/"_s + sender + u'/' + token);

    QDBusMessage call = QDBusMessage::createMethodCall(QLatin1StringView(kService), QLatin1StringView(kPath),
                                                       u"org.freedesktop.portal.Background"_s,
                                                       u"RequestBackground"_s);
    // Starting at login is the settings' own switch; this asks only to keep running now.
    const QVariantMap options {{u"handle_token"_s, token}, {u"reason"_s, reason}, {u"autostart"_s, false}};
    call << QString() << options;
    auto* watcher = new QDBusPendingCallWatcher(m_bus.asyncCall(call), this);
    connect(watcher, &QDBusPendingCallWatcher::finished, this, [this](QDBusPendingCallWatcher* w) {
        w->deleteLater();
        const QDBusPendingReply<QDBusObjectPath> reply = *w;
        if (reply.isError())
            return finish(Answer::unavailable);
        // Portals older than handle_token answer on a path of their own choosing.
        listen(reply.value().path());
    });
}

void BackgroundPortal::response(uint code, const QVariantMap& results)
{
    // 0: answered, 1: the user cancelled, 2: ended another way (no answer to go by).
    if (code == 0)
        finish(results.value(u"background"_s, true).toBool() ? Answer::allowed : Answer::refused);
    else
        finish(code == 1 ? Answer::refused : Answer::unavailable);
}

void BackgroundPortal::finish(Answer answer)
{
    if (const Done done = std::exchange(m_done, {}))
        done(answer);
}

} // namespace openwright
