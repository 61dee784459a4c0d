// SPDX-License-Identifier: GPL-3.0-or-later
#include "Notifier.h"

#include "DBusNotifications.h"

#include <QCoreApplication>
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
    return QCoreApplication::translate("Notifier", "%1 default changed").arg(change.target.description());
}

QString Notifier::body(const DefaultChange& change)
{
    const QString none = QCoreApplication::translate("Notifier", "no app");
    const QString newName = change.to ? change.to->name : none;
    const QString oldName = change.from ? change.from->name : none;
    return QCoreApplication::translate("Notifier", "%1 replaced %2. Revert to keep %2.").arg(newName, oldName);
}

void Notifier::post(const DefaultChange& change)
{
    if (m_backend)
        m_backend->show(uuidText(change.id), title(change), body(change));
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
