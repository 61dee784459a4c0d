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
    if (change.opener)
        return *change.opener == Opener::kde ? tr("%1 opens differently in KDE programs").arg(change.target.description())
                                             : tr("%1 opens differently with xdg-open").arg(change.target.description());
    if (change.handling == DefaultChange::Handling::putBack)
        return tr("%1 default put back").arg(change.target.description());
    return tr("%1 default changed").arg(change.target.description());
}

QString Notifier::body(const DefaultChange& change)
{
    const QString none = tr("no app");
    const QString newName = change.to ? change.to->name : none;
    const QString oldName = change.from ? change.from->name : none;
    QString text;
    if (change.opener) {
        const bool kde = *change.opener == Opener::kde;
        switch (change.handling) {
        case DefaultChange::Handling::putBack:
        case DefaultChange::Handling::allowed:
            text = kde ? tr("KDE programs opened it in %1. Openwright made every program open %2 again. Choose Allow to "
                            "open it in %1 everywhere.")
                       : tr("xdg-open opened it in %1. Openwright made every program open %2 again. Choose Allow to "
                            "open it in %1 everywhere.");
            break;
        case DefaultChange::Handling::stopped:
        case DefaultChange::Handling::none:
            text = kde ? tr("KDE programs now open it in %1, not %2. Revert to make every program open %2.")
                       : tr("xdg-open now opens it in %1, not %2. Revert to make every program open %2.");
            break;
        }
        text = text.arg(newName, oldName);
        if (const QString likely = likelyCulprit(change); !likely.isEmpty())
            text += u' ' + likely + u'.';
        return text;
    }
    switch (change.handling) {
    case DefaultChange::Handling::putBack:
    case DefaultChange::Handling::allowed:
        text = tr("%1 replaced %2. Openwright put %2 back. Choose Allow to keep %1.").arg(newName, oldName);
        break;
    case DefaultChange::Handling::stopped:
        text = tr("%1 took over again, three times in a minute. Openwright stopped putting %2 back; Revert when the "
                  "other program is done.")
                   .arg(newName, oldName);
        break;
    case DefaultChange::Handling::none:
        text = tr("%1 replaced %2. Revert to keep %2.").arg(newName, oldName);
        break;
    }
    if (const QString likely = likelyCulprit(change); !likely.isEmpty())
        text += u' ' + likely + u'.';
    return text;
}

void Notifier::post(const DefaultChange& change)
{
    if (!m_backend)
        return;
    const bool putBack = change.handling == DefaultChange::Handling::putBack;
    m_backend->show(uuidText(change.id), title(change), body(change),
                    QLatin1StringView(putBack ? kAllowAction : kRevertAction), putBack ? tr("Allow") : tr("Revert"));
}

void Notifier::announceBackground()
{
    if (!m_backend)
        return;
    m_backend->show(QLatin1StringView(kBackgroundKey), tr("Openwright keeps guarding"),
                          tr("Your defaults are still watched with the window closed. To quit, open Openwright "
                             "again and choose File \u2192 Quit."),
                     {}, {});
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
    if (action == QLatin1StringView(kAllowAction) && id) {
        if (onAllow)
            onAllow(*id);
        return;
    }
    if (onOpen)
        onOpen();
}

} // namespace openwright
