// SPDX-License-Identifier: GPL-3.0-or-later
// Choosing by application: the index of installed applications and what they declare, and the
// changes made from an application's page.
#include "AppModel.h"

#include "Clock.h"

#include <QtConcurrent/qtconcurrenttask.h>

namespace openwright {

using namespace Qt::Literals::StringLiterals;

QFuture<void> AppModel::readApplications()
{
    if (m_applicationsReading.isValid() && !m_applicationsReading.isFinished())
        return m_applicationsReading;
    const auto service = m_service;
    const QList<FileCategory> listed = categories();
    const quint64 since = m_changeCount;
    auto read = QtConcurrent::task([service, listed] { return ApplicationIndex::read(*service, listed); })
                    .onThreadPool(m_readers)
                    .spawn();
    m_applicationsReading = landed(read, [this, since](const ApplicationIndex& index) {
        m_applications = index;
        // A change that landed while the index was read is newer than what it holds.
        QHash<Target, TargetState> newer;
        for (auto it = m_states.cbegin(); it != m_states.cend(); ++it) {
            if (changedSince(it.key(), since))
                newer.insert(it.key(), *it);
        }
        noteApplicationDefaults(newer);
        if (m_selectedApplication.isValid() && !m_applications.app(m_selectedApplication)) {
            m_selectedApplication = QUrl();
            Q_EMIT selectedApplicationChanged();
        }
        Q_EMIT applicationsChanged();
    });
    return m_applicationsReading;
}

void AppModel::setSelectedApplication(const QUrl& app)
{
    if (m_selectedApplication == app)
        return;
    m_selectedApplication = app;
    Q_EMIT selectedApplicationChanged();
}

QList<InstalledApp> AppModel::applicationResults() const
{
    const QString query = m_searchText.trimmed();
    QList<InstalledApp> found;
    if (query.isEmpty())
        return found;
    for (const InstalledApp& app : m_applications.apps()) {
        if (app.shownName.contains(query, Qt::CaseInsensitive))
            found.append(app);
    }
    return found;
}

void AppModel::openApplication(const QUrl& app)
{
    setSelectedApplication(app);
    setSearchText(QString());
    setSelection(SidebarItem::applications());
}

std::optional<Profile> AppModel::useFor(const QUrl& app, std::optional<TypeFamily> family) const
{
    const InstalledApp* installed = m_applications.app(app);
    if (!installed)
        return std::nullopt;
    Profile profile
        = ApplicationIndex::useFor(*installed, family, m_service->exactName(app).value_or(app.toLocalFile()));
    profile.createdAt = m_clock->now();
    return profile;
}

QFuture<void> AppModel::useForType(const QUrl& app, const DeclaredType& type)
{
    return perform({{type.target, app}}).then([](const Results&) {});
}

void AppModel::rereadIndexes()
{
    // Where the answers of the types a change reached come from can change without their app
    // moving (a parent type reset): the indexes read once are read again behind the change.
    if (m_types.isRead())
        readTypes();
    else if (m_applications.isRead())
        readApplications();
}

QFuture<void> AppModel::readTypes()
{
    // Asked again while a read is under way (a change landed): that read reads once more when
    // it lands, since what it holds may be older than the change.
    ++m_typesAsked;
    if (m_typesReading.isValid() && !m_typesReading.isFinished())
        return m_typesReading;
    m_typesReading = readTypesOnce();
    return m_typesReading;
}

QFuture<void> AppModel::readTypesOnce()
{
    const quint64 asked = m_typesAsked;
    const auto service = m_service;
    const QList<FileCategory> listed = categories();
    const quint64 since = m_changeCount;
    // The link types come with the applications' index, read first.
    return continueOn(
               this, readApplications(),
               [this, service, listed, since, asked] {
                   const ApplicationIndex apps = m_applications;
                   auto read
                       = QtConcurrent::task([service, listed, apps] { return TypeIndex::read(*service, listed, apps); })
                             .onThreadPool(m_readers)
                             .spawn();
                   return landed(read,
                                 [this, since, asked](const TypeIndex& index) -> QFuture<void> {
                                     m_types = index;
                                     QHash<Target, TargetState> newer;
                                     for (auto it = m_states.cbegin(); it != m_states.cend(); ++it) {
                                         if (changedSince(it.key(), since))
                                             newer.insert(it.key(), *it);
                                     }
                                     noteApplicationDefaults(newer);
                                     Q_EMIT typesChanged();
                                     return m_typesAsked == asked ? QtFuture::makeReadyFuture() : readTypesOnce();
                                 })
                       .unwrap();
               })
        .unwrap();
}

void AppModel::openTypes(const QString& filter, std::optional<Target> type)
{
    m_typeFilter = filter;
    if (type)
        setSelectedType(type);
    setSearchText(QString());
    setSelection(SidebarItem::allTypes());
    Q_EMIT typesOpened();
}

QList<KnownType> AppModel::typeResults() const
{
    const QString query = m_searchText.trimmed();
    QList<KnownType> found;
    if (query.isEmpty())
        return found;
    for (const KnownType& type : m_types.types()) {
        if (type.title.isEmpty() && TypeIndex::matches(type, query))
            found.append(type);
    }
    return found;
}

void AppModel::noteApplicationDefaults(const QHash<Target, TargetState>& states)
{
    if (!m_applications.isRead() && !m_types.isRead())
        return;
    for (auto it = states.cbegin(); it != states.cend(); ++it) {
        const Target& t = it.key();
        const QString type = t.isMimeType() ? t.payload()
            : t.isScheme()                  ? u"x-scheme-handler/"_s + t.payload()
                                            : m_typeOf.value(t);
        if (type.isEmpty() || !it->byType.isEmpty())
            continue;
        m_applications.setDefault(type, it->current, it->source);
        m_types.setDefault(type, it->current, it->source);
    }
    Q_EMIT applicationsChanged();
    if (m_types.isRead())
        Q_EMIT typesChanged();
}

void AppModel::noteMovedAlong(const QList<MovedAlong>& moved)
{
    // A subtype that moved with its parent's change opens in the parent's app, by the system's
    // choice: no list of its own decides it.
    for (const MovedAlong& m : moved) {
        m_applications.setDefault(m.target.payload(), m.to, m.source);
        m_types.setDefault(m.target.payload(), m.to, m.source);
    }
    if (moved.isEmpty())
        return;
    Q_EMIT applicationsChanged();
    if (m_types.isRead())
        Q_EMIT typesChanged();
}

} // namespace openwright
