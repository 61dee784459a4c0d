// SPDX-License-Identifier: GPL-3.0-or-later
#include "Notifier.h"

#include "DBusNotifications.h"

#include <QDBusConnection>

namespace openwright {

using namespace Qt::Literals::StringLiterals;

Notifier& Notifier::shared()
{
    static Notifier* notifier = new Notifier; // lives for the whole process
    return *notifier;
}

Notifier::Notifier(QObject* parent)
    : QObject(parent)
{
}

Notifier::~Notifier() = default;

void Notifier::configure()
{
    if (!m_backend)
        setBackend(std::make_unique<DBusNotifications>(QDBusConnection::sessionBus()));
}

void Notifier::setBackend(std::unique_ptr<NotificationBackend> backend)
{
    m_backend = std::move(backend);
    if (m_backend)
        m_backend->setRespond([this](const QString& action, const QString& id) { handleResponse(action, id); });
}

QString Notifier::title(const DefaultChange& change)
{
    return change.target.description() + u" default changed"_s;
}

QString Notifier::body(const DefaultChange& change)
{
    const QString newName = change.to ? change.to->name : u"no app"_s;
    const QString oldName = change.from ? change.from->name : u"no app"_s;
    return newName + u" replaced "_s + oldName + u". Revert to keep "_s + oldName + u'.';
}

void Notifier::post(const DefaultChange& change)
{
    if (m_backend)
        m_backend->show(uuidText(change.id), title(change), body(change));
}

void Notifier::announceBackground()
{
    if (!m_backend)
        return;
    m_backend->showNotice(QLatin1StringView(kBackgroundKey), tr("Openwright keeps guarding"),
                          tr("Your defaults are still watched with the window closed. To quit, open Openwright "
                             "again and choose File \u2192 Quit."));
}

void Notifier::withdraw(const QUuid& changeID)
{
    if (m_backend)
        m_backend->close(uuidText(changeID));
}

void Notifier::withdrawAll()
{
    if (m_backend)
        m_backend->closeAll();
}

void Notifier::handleResponse(const QString& action, const QString& changeID)
{
    const auto id = parseUuid(changeID);
    if (action == QLatin1StringView(kRevertAction) && id) {
        if (onRevert)
            onRevert(*id);
        return;
    }
    if (onOpen)
        onOpen();
}

} // namespace openwright
