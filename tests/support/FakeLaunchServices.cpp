// SPDX-License-Identifier: GPL-3.0-or-later
#include "FakeLaunchServices.h"

#include <QFileInfo>

#include <thread>

namespace openwright::test {

using namespace Qt::Literals::StringLiterals;

AppInfo FakeLaunchServices::addApp(const QString& name, const QString& bundleID)
{
    return addApp(AppInfo {QUrl::fromLocalFile(u"/apps/"_s + name + u".desktop"_s),
                           bundleID.isEmpty() ? std::nullopt : std::optional(bundleID), name});
}

AppInfo FakeLaunchServices::addApp(const AppInfo& app)
{
    QMutexLocker lock(&m_mutex);
    m_apps.insert(app.url, app);
    return app;
}

void FakeLaunchServices::setDefault(const Target& target, const std::optional<AppInfo>& app)
{
    QMutexLocker lock(&m_mutex);
    if (app)
        m_defaults.insert(typeOf(target), app->url);
    else
        m_defaults.remove(typeOf(target));
}

void FakeLaunchServices::shareType(const Target& target, const Target& like)
{
    QMutexLocker lock(&m_mutex);
    m_typeOf.insert(target, typeOf(like));
}

std::optional<QString> FakeLaunchServices::platformType(const Target& target) const
{
    QMutexLocker lock(&m_mutex);
    if (m_unknown.contains(target))
        return std::nullopt;
    return typeOf(target);
}

void FakeLaunchServices::setCandidates(const Target& target, const QList<AppInfo>& apps)
{
    QList<QUrl> urls;
    for (const AppInfo& a : apps)
        urls.append(a.url);
    setCandidateUrls(target, urls);
}

void FakeLaunchServices::setRecommended(const Target& target, const QList<AppInfo>& apps)
{
    QMutexLocker lock(&m_mutex);
    for (const AppInfo& a : apps)
        m_recommended[target].append(a.url);
}

void FakeLaunchServices::setSource(const Target& target, DefaultSource source)
{
    QMutexLocker lock(&m_mutex);
    m_sources.insert(target, source);
}

TargetReading FakeLaunchServices::read(const Target& target, bool candidates) const
{
    TargetReading reading = LaunchServicing::read(target, candidates);
    QMutexLocker lock(&m_mutex);
    if (candidates)
        reading.recommended = m_recommended.value(target);
    if (const auto it = m_sources.constFind(target); it != m_sources.cend())
        reading.source = *it;
    if (const auto it = m_kde.constFind(target); it != m_kde.cend() && reading.current) {
        reading.openers = {{Opener::gio, reading.current, reading.current->fileName()},
                           {Opener::kde, *it, it->fileName()}};
    }
    return reading;
}

QList<OpenerAnswer> FakeLaunchServices::openers(const QString& platformType, const QString& file) const
{
    Q_UNUSED(file);
    QList<Target> differing;
    {
        QMutexLocker lock(&m_mutex);
        differing = m_kde.keys();
    }
    for (const Target& t : std::as_const(differing)) {
        if (typeOf(t) == platformType)
            return read(t, false).openers;
    }
    return {};
}

void FakeLaunchServices::setKdeOpens(const Target& target, const QUrl& app)
{
    QMutexLocker lock(&m_mutex);
    m_kde.insert(target, app);
}

void FakeLaunchServices::setCandidateUrls(const Target& target, const QList<QUrl>& urls)
{
    QMutexLocker lock(&m_mutex);
    m_candidates.insert(target, urls);
}

void FakeLaunchServices::setUnknown(const Target& target)
{
    QMutexLocker lock(&m_mutex);
    m_unknown.insert(target);
}

void FakeLaunchServices::setError(const Target& target, const LaunchError& error, bool movesAnyway)
{
    QMutexLocker lock(&m_mutex);
    m_errors.insert(target, {error, movesAnyway});
}

void FakeLaunchServices::setSticky(const Target& target)
{
    QMutexLocker lock(&m_mutex);
    m_sticky.insert(target);
}

void FakeLaunchServices::removeApp(const QUrl& url)
{
    QMutexLocker lock(&m_mutex);
    m_apps.remove(url);
}

void FakeLaunchServices::readPause() const
{
    ++m_readCalls;
    if (m_readDelay.count() > 0)
        std::this_thread::sleep_for(m_readDelay);
}

std::optional<QUrl> FakeLaunchServices::defaultApp(const Target& target) const
{
    readPause();
    QMutexLocker lock(&m_mutex);
    if (m_unknown.contains(target))
        return std::nullopt;
    for (QString type = typeOf(target); !type.isEmpty(); type = m_parents.value(type)) {
        if (m_defaults.contains(type))
            return m_defaults.value(type);
    }
    return std::nullopt;
}

void FakeLaunchServices::setParent(const QString& type, const QString& parent)
{
    QMutexLocker lock(&m_mutex);
    m_parents.insert(type, parent);
}

QStringList FakeLaunchServices::subtypes(const QSet<QString>& types) const
{
    QStringList found;
    for (const QString& type : knownTypes()) {
        if (!types.contains(type)
            && std::any_of(types.cbegin(), types.cend(), [&](const QString& t) { return inherits(type, t); }))
            found.append(type);
    }
    return found;
}

QStringList FakeLaunchServices::knownTypes() const
{
    QMutexLocker lock(&m_mutex);
    QStringList all = m_defaults.keys() + m_parents.keys() + m_parents.values() + m_typeOf.values();
    for (const QStringList& declared : m_declared)
        all += declared;
    all.removeIf([](const QString& t) { return !t.contains(u'/') || t.startsWith(u"x-scheme-handler/"); });
    all.sort();
    all.removeDuplicates();
    return all;
}

QHash<QString, QStringList> FakeLaunchServices::typePatterns() const
{
    QMutexLocker lock(&m_mutex);
    QHash<QString, QStringList> patterns;
    for (auto it = m_typeOf.cbegin(); it != m_typeOf.cend(); ++it) {
        if (it.key().isFileExtension() && it->contains(u'/'))
            patterns[*it].append(u"*."_s + it.key().payload());
    }
    return patterns;
}

bool FakeLaunchServices::inherits(const QString& type, const QString& parent) const
{
    QMutexLocker lock(&m_mutex);
    for (QString t = type; !t.isEmpty(); t = m_parents.value(t)) {
        if (t == parent)
            return true;
    }
    return false;
}

bool FakeLaunchServices::resetDefault(const QList<Target>& targets)
{
    QMutexLocker lock(&m_mutex);
    bool removed = false;
    for (const Target& t : targets)
        removed = m_defaults.remove(typeOf(t)) || removed;
    return removed;
}

bool FakeLaunchServices::hasUserChoice(const Target& target) const
{
    QMutexLocker lock(&m_mutex);
    return m_defaults.contains(typeOf(target));
}

QList<QUrl> FakeLaunchServices::candidateApps(const Target& target) const
{
    readPause();
    QMutexLocker lock(&m_mutex);
    if (m_unknown.contains(target))
        return {};
    return m_candidates.value(target);
}

Associations FakeLaunchServices::associations(const Target& target) const
{
    QMutexLocker lock(&m_mutex);
    Associations offer {m_candidates.value(target), m_recommended.value(target), {}, m_removedAssociations.value(target)};
    for (const QUrl& app : offer.restorable)
        offer.removed.append(app.fileName());
    return offer;
}

QString FakeLaunchServices::arrange(const QList<Target>& targets, Arrangement how, const QList<QUrl>& apps)
{
    QMutexLocker lock(&m_mutex);
    const Target target = targets.value(0);
    QList<QUrl>& offered = m_candidates[target];
    QList<QUrl>& removed = m_removedAssociations[target];
    switch (how) {
    case Arrangement::order:
        offered.removeIf([&](const QUrl& app) { return apps.contains(app); });
        offered = apps + offered;
        break;
    case Arrangement::remove:
        offered.removeAll(apps.value(0));
        removed.append(apps.value(0));
        break;
    case Arrangement::restore:
        removed.removeAll(apps.value(0));
        offered.append(apps.value(0));
        break;
    }
    if (offered.isEmpty())
        m_defaults.remove(typeOf(target));
    else
        m_defaults.insert(typeOf(target), offered.first());
    return {};
}

QString FakeLaunchServices::setDefaultApp(const QUrl& app, const QList<Target>& targets)
{
    ++m_setCalls;
    const Target target = targets.value(0);
    {
        QMutexLocker lock(&m_mutex);
        for (const Target& t : targets)
            m_kde.remove(t);
    }
    const auto moveAll = [&] {
        for (const Target& t : targets) {
            m_defaults.insert(typeOf(t), app);
            m_removed.remove(typeOf(t));
        }
    };
    const int now = ++m_inFlight;
    for (int seen = m_maxInFlight; now > seen && !m_maxInFlight.compare_exchange_weak(seen, now);) { }
    if (m_movesEarly) {
        QMutexLocker lock(&m_mutex);
        moveAll();
    }
    if (m_changeDelay.count() > 0)
        std::this_thread::sleep_for(m_changeDelay);
    --m_inFlight;

    QMutexLocker lock(&m_mutex);
    if (m_unknown.contains(target) && target.isFileExtension())
        throw LaunchError::unknownType(target.payload());
    if (const auto it = m_errors.constFind(target); it != m_errors.cend()) {
        const auto [error, moves] = *it;
        if (moves)
            moveAll();
        throw error;
    }
    if (!m_sticky.contains(target))
        moveAll();
    return {};
}

void FakeLaunchServices::setRemovedDefault(const Target& target, const AppInfo& app)
{
    QMutexLocker lock(&m_mutex);
    m_removed.insert(typeOf(target), app);
}

std::optional<AppInfo> FakeLaunchServices::removedDefault(const Target& target) const
{
    QMutexLocker lock(&m_mutex);
    const auto it = m_removed.constFind(typeOf(target));
    return it == m_removed.cend() ? std::nullopt : std::optional(*it);
}

AppInfo FakeLaunchServices::appInfo(const QUrl& url) const
{
    QMutexLocker lock(&m_mutex);
    if (const auto it = m_apps.constFind(url); it != m_apps.cend())
        return *it;
    return {url, std::nullopt, QFileInfo(url.path()).completeBaseName()};
}

std::optional<QUrl> FakeLaunchServices::locate(const QString& bundleID) const
{
    QMutexLocker lock(&m_mutex);
    for (const AppInfo& a : m_apps) {
        if (a.bundleID == bundleID)
            return a.url;
    }
    return std::nullopt;
}

} // namespace openwright::test

namespace openwright::test {

QList<QUrl> FakeLaunchServices::allApplications() const
{
    QMutexLocker lock(&m_mutex);
    return m_apps.keys();
}

QString FakeLaunchServices::iconName(const QUrl& app) const
{
    QMutexLocker lock(&m_mutex);
    return m_icons.value(app);
}

void FakeLaunchServices::setDeclared(const AppInfo& app, const QStringList& types)
{
    QMutexLocker lock(&m_mutex);
    m_declared.insert(app.url, types);
}

QStringList FakeLaunchServices::declaredTypes(const QUrl& app) const
{
    QMutexLocker lock(&m_mutex);
    return m_declared.value(app);
}

void FakeLaunchServices::setIcon(const AppInfo& app, const QString& icon)
{
    QMutexLocker lock(&m_mutex);
    m_icons.insert(app.url, icon);
}

void FakeLaunchServices::setDecidingList(const Target& target, const QString& file)
{
    QMutexLocker lock(&m_mutex);
    m_decidingLists.insert(target, file);
}

DecisionChain FakeLaunchServices::explain(const Target& target) const
{
    DecisionChain chain = LaunchServicing::explain(target);
    QMutexLocker lock(&m_mutex);
    if (const QString file = m_decidingLists.value(target); !file.isEmpty()) {
        DecisionStep step;
        step.file = file;
        step.line = 2;
        step.chosen = QStringLiteral("decides.desktop");
        chain.steps.append(step);
    }
    return chain;
}

void FakeLaunchServices::addLooseEntry(const QUrl& file, const QString& name, const QString& problem)
{
    QMutexLocker lock(&m_mutex);
    m_loose.insert(file, {name, problem});
}

ApplicationFile FakeLaunchServices::checkApplicationFile(const QUrl& file) const
{
    QMutexLocker lock(&m_mutex);
    ApplicationFile out;
    out.id = file.fileName().chopped(8); // ".desktop"
    out.installed = m_apps.contains(file);
    out.problem = m_loose.value(file).second;
    out.replaces = !out.installed && m_apps.contains(QUrl::fromLocalFile(u"/apps/"_s + file.fileName()));
    return out;
}

QUrl FakeLaunchServices::installApplication(const QUrl& file)
{
    const ApplicationFile check = checkApplicationFile(file);
    if (!check.problem.isEmpty())
        throw LaunchError::platform(u"fake"_s, 1, check.problem);
    if (check.installed)
        return file;
    const AppInfo app {QUrl::fromLocalFile(u"/apps/"_s + file.fileName()), std::nullopt, m_loose.value(file).first};
    addApp(app);
    return app.url;
}

} // namespace openwright::test
