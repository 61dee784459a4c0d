// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDBusConnection>
#include <QObject>
#include <QVariantMap>

#include <functional>

namespace openwright {

// Asks the desktop, through the freedesktop Background portal, to let Openwright keep running
// with no window and no tray: GNOME then lists it among its background apps, with a way to
// stop it. The portal answers on a Request object of its own, whose path is known before the
// call (handle_token), so the answer is listened for before it is asked. GUI thread only.
class BackgroundPortal final : public QObject
{
    Q_OBJECT

public:
    enum class Answer
    {
        allowed,
        refused, // the user or the desktop said no
        unavailable // no portal, or it could not answer: carry on as without one
    };
    using Done = std::function<void(Answer)>;

    explicit BackgroundPortal(const QDBusConnection& bus, QObject* parent = nullptr);

    // `reason` is shown to the user. `done` is called once, later, on the GUI thread; a second
    // request while one is open replaces its callback.
    void request(const QString& reason, Done done);

private Q_SLOTS:
    void response(uint code, const QVariantMap& results);

private:
    void listen(const QString& path);
    void finish(Answer answer);

    QDBusConnection m_bus;
    QString m_path; // the Request object answered on
    Done m_done;
    int m_requests = 0;
};

} // namespace openwright
