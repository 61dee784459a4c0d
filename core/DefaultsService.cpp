// SPDX-License-Identifier: GPL-3.0-or-later
#include "DefaultsService.h"

#include "PlatformText.h"

#include <QCollator>
#include <QCoreApplication>
#include <QFileInfo>
#include <QMutex>
#include <QPromise>
#include <QSet>
#include <QThreadPool>

#include <algorithm>

namespace openwright {

using namespace Qt::Literals::StringLiterals;

namespace {

// Cocoa's codes, kept so a macOS back end classifies exactly as before.
constexpr auto kCocoaDomain = "NSCocoaErrorDomain";
constexpr int kCocoaNoSuchFile = 4;
constexpr int kCocoaFileReadNoSuchFile = 260;
constexpr int kCocoaUserCancelled = 256;

// Enough threads that a profile's whole batch is in flight at once.
constexpr int kMaxConcurrentChanges = 64;

// Process-wide and never destroyed: a batch may outlive the service that started it (the last
// reference can go on one of these threads), and a pool cannot be destroyed from its own thread.
QThreadPool& changePool()
{
    static QThreadPool* pool = [] {
        auto* p = new QThreadPool;
        p->setMaxThreadCount(kMaxConcurrentChanges);
        p->setExpiryTimeout(30'000);
        return p;
    }();
    return *pool;
}

const QCollator& nameCollator()
{
    // QCollator is not safe to share between threads; one per thread, made on first use.
    thread_local const QCollator collator = [] {
        QCollator c {QLocale()};
        c.setCaseSensitivity(Qt::CaseInsensitive);
        c.setNumericMode(true); // "App 2" before "App 10"
        return c;
    }();
    return collator;
}

// The rules of reading and changing, over whatever platform and existence check they are given.
struct Engine
{
    LaunchServicing& platform;
    const DefaultsService::FileExists& fileExists;

    std::optional<AppInfo> current(const Target& target) const
    {
        if (const auto url = platform.defaultApp(target))
            return platform.appInfo(*url);
        return std::nullopt;
    }

    // What a change of `target` sets: the target, then each linked target of a type not yet
    // covered, leaving out the types that `explicitTypes` (other requests of the batch) set.
    QList<Target> bundle(const Target& target, const QSet<QString>& explicitTypes) const
    {
        QList<Target> targets {target};
        QSet<QString> types;
        if (const auto type = platform.platformType(target))
            types.insert(*type);
        for (const Target& linked : target.linkedTargets()) {
            const auto type = platform.platformType(linked);
            if (!type || types.contains(*type) || explicitTypes.contains(*type))
                continue;
            types.insert(*type);
            targets.append(linked);
        }
        return targets;
    }

    // Whether `wanted` opens every target and the user's settings name it: a default the
    // system passes over (removed) still has to be replaced, even by what opens now, and so
    // does one the system only falls back to, which a later install could take over.
    bool allNamed(const AppInfo& wanted, const QList<Target>& targets) const
    {
        return std::all_of(targets.cbegin(), targets.cend(), [&](const Target& t) {
            return wanted.isSameEntry(current(t)) && !platform.removedDefault(t)
                && platform.isUsersChoice(t, wanted.url);
        });
    }

    // A request without an application: back to what the system chooses by itself. Decided by
    // reading the user's settings again.
    ChangeResult reset(const Target& target, const QSet<QString>& explicitTypes) const
    {
        const QList<Target> targets = bundle(target, explicitTypes);
        const auto chosen = [&] {
            return std::any_of(targets.cbegin(), targets.cend(),
                               [&](const Target& t) { return platform.hasUserChoice(t); });
        };
        if (!chosen())
            return ChangeResult::alreadyDefault();
        try {
            platform.resetDefault(targets);
        } catch (const LaunchError& error) {
            return DefaultsService::classify(error, std::nullopt, AppInfo());
        } catch (...) {
            return ChangeResult::failed(u"The change could not be made"_s);
        }
        return chosen() ? ChangeResult::declined() : ChangeResult::changed();
    }

    ChangeResult change(const ChangeRequest& request, const QSet<QString>& explicitTypes) const
    {
        if (request.app.isEmpty())
            return reset(request.target, explicitTypes);
        if (!fileExists(request.app))
            return ChangeResult::appMissing();
        const AppInfo wanted = platform.appInfo(request.app);
        const QList<Target> targets = bundle(request.target, explicitTypes);
        // Another packaging of the same program is another choice, and a split browser is
        // not yet the default: only the very entry everywhere is.
        if (allNamed(wanted, targets))
            return ChangeResult::alreadyDefault();
        QString note;
        try {
            note = platform.setDefaultApp(request.app, targets);
        } catch (const LaunchError& error) {
            return DefaultsService::classify(error, allNamed(wanted, targets) ? std::optional(wanted) : std::nullopt,
                                             wanted);
        } catch (...) {
            // A back end must only raise LaunchError; anything else is still a failure, not a crash.
            return ChangeResult::failed(QCoreApplication::translate("ChangeResult", "The change could not be made"));
        }
        const ChangeResult result = allNamed(wanted, targets) ? ChangeResult::changed() : ChangeResult::declined();
        return note.isEmpty() ? result : result.withNote(note);
    }
};

} // namespace

DefaultsService::DefaultsService(std::shared_ptr<LaunchServicing> launchServices, FileExists fileExists)
    : m_launchServices(std::move(launchServices))
    , m_fileExists(fileExists ? std::move(fileExists) : FileExists(&DefaultsService::defaultFileExists))
{
}

bool DefaultsService::defaultFileExists(const QUrl& url)
{
    return url.isLocalFile() && QFileInfo::exists(url.toLocalFile());
}

std::optional<AppInfo> DefaultsService::currentDefault(const Target& target) const
{
    return Engine {*m_launchServices, m_fileExists}.current(target);
}

ChangeResult DefaultsService::arrange(const Target& target, Arrangement how, const QList<QUrl>& apps) const
{
    try {
        const QString note = m_launchServices->arrange(Engine {*m_launchServices, m_fileExists}.bundle(target, {}), how, apps);
        return note.isEmpty() ? ChangeResult::changed() : ChangeResult::changed().withNote(note);
    } catch (const LaunchError& e) {
        return e.isUnknownType() ? ChangeResult::failed(unknownTypeText(e.extension())) : ChangeResult::failed(e.message());
    }
}

std::optional<DefaultSource> DefaultsService::source(const Target& target) const
{
    return m_launchServices->source(target);
}

QSet<QString> DefaultsService::writtenTypes(const Target& target) const
{
    QSet<QString> types;
    for (const Target& t : Engine {*m_launchServices, m_fileExists}.bundle(target, {})) {
        if (const auto type = platformType(t))
            types.insert(*type);
    }
    return types;
}

TargetState DefaultsService::state(const Target& target, bool candidates) const
{
    const TargetReading reading = m_launchServices->read(target, candidates);
    TargetState state {target,
                       reading.current ? std::optional(m_launchServices->appInfo(*reading.current)) : std::nullopt,
                       {},
                       byType(reading.byType),
                       reading.removed,
                       reading.source};
    const QList<QUrl>& urls = reading.candidates;
    // Entries, not programs: two packagings of one program are two choices.
    QSet<QString> seen;
    seen.reserve(urls.size());
    state.candidates.reserve(urls.size());
    for (const QUrl& url : urls) {
        AppInfo app = m_launchServices->appInfo(url);
        const QString key = pathOf(app.url);
        if (seen.contains(key))
            continue;
        seen.insert(key);
        state.candidates.append(std::move(app));
    }
    QSet<QString> recommended;
    for (const QUrl& url : reading.recommended)
        recommended.insert(pathOf(url));
    const auto isRecommended = [&](const AppInfo& app) { return recommended.contains(pathOf(app.url)); };
    const QCollator& collator = nameCollator();
    std::stable_sort(state.candidates.begin(), state.candidates.end(), [&](const AppInfo& a, const AppInfo& b) {
        const bool ra = isRecommended(a), rb = isRecommended(b);
        return ra != rb ? ra : collator.compare(a.name, b.name) < 0;
    });
    state.recommended = std::count_if(state.candidates.cbegin(), state.candidates.cend(), isRecommended);
    state.otherOpeners = otherOpeners(reading.openers);
    return state;
}

QList<OpenerDifference> DefaultsService::otherOpeners(const QList<OpenerAnswer>& answers) const
{
    // The first answer is GIO's, the one a state's `current` holds.
    QList<OpenerDifference> differences;
    for (qsizetype i = 1; i < answers.size(); ++i) {
        const OpenerAnswer& a = answers[i];
        const QString& gio = answers.first().id;
        if (a.startsOnly(gio) || !a.inSession)
            continue;
        differences.append({a.opener, a.app ? std::optional(m_launchServices->appInfo(*a.app)) : std::nullopt,
                            a.id == gio || a.tied.contains(gio)});
    }
    return differences;
}

QList<OpenerDifference> DefaultsService::otherOpeners(const Target& target) const
{
    if (!m_launchServices->othersDecide())
        return {};
    const auto type = m_launchServices->platformType(target);
    return type ? otherOpeners(m_launchServices->openers(*type)) : QList<OpenerDifference>();
}

std::optional<LocatedApp> DefaultsService::locate(const QString& name) const
{
    if (const auto url = m_launchServices->locateExact(name))
        return LocatedApp {m_launchServices->appInfo(*url), true};
    if (const auto url = m_launchServices->locate(name))
        return LocatedApp {m_launchServices->appInfo(*url), false};
    return std::nullopt;
}

QList<TypeDefault> DefaultsService::byType(const Target& target) const
{
    return byType(m_launchServices->defaultsByType(target));
}

QList<TypeDefault> DefaultsService::byType(const QList<std::pair<QString, std::optional<QUrl>>>& defaults) const
{
    const bool differ = std::any_of(defaults.cbegin(), defaults.cend(), [&](const auto& d) {
        return d.second.has_value() != defaults.first().second.has_value()
            || (d.second && pathOf(*d.second) != pathOf(*defaults.first().second));
    });
    QList<TypeDefault> list;
    for (qsizetype i = 0; differ && i < defaults.size(); ++i) {
        const auto& [type, url] = defaults[i];
        list.append({type, url ? std::optional(m_launchServices->appInfo(*url)) : std::nullopt});
    }
    return list;
}

QList<AppInfo> DefaultsService::installedApplications() const
{
    QList<AppInfo> apps;
    for (const QUrl& url : m_launchServices->allApplications())
        apps.append(m_launchServices->appInfo(url));
    const QCollator& collator = nameCollator();
    std::stable_sort(apps.begin(), apps.end(),
                     [&](const AppInfo& a, const AppInfo& b) { return collator.compare(a.name, b.name) < 0; });
    return apps;
}

ChangeResult DefaultsService::change(const ChangeRequest& request) const
{
    return Engine {*m_launchServices, m_fileExists}.change(request, {});
}

ChangeResult DefaultsService::classify(const LaunchError& error, const std::optional<AppInfo>& after,
                                       const AppInfo& wanted)
{
    if (after && wanted.isSameApp(after))
        return ChangeResult::changed();
    if (error.isUnknownType())
        return ChangeResult::failed(unknownTypeText(error.extension()));
    if (error.domain() == QLatin1StringView(kCocoaDomain)) {
        if (error.code() == kCocoaNoSuchFile || error.code() == kCocoaFileReadNoSuchFile)
            return ChangeResult::appMissing();
        if (error.code() == kCocoaUserCancelled)
            return ChangeResult::declined();
    }
    switch (error.meaning()) {
    case LaunchError::Meaning::appMissing: return ChangeResult::appMissing();
    case LaunchError::Meaning::refused: return ChangeResult::declined();
    case LaunchError::Meaning::other: break;
    }
    return ChangeResult::failed(error.message());
}

QFuture<DefaultsService::Results> DefaultsService::apply(const QList<ChangeRequest>& requests) const
{
    struct Batch
    {
        std::shared_ptr<LaunchServicing> platform;
        FileExists fileExists;
        QList<ChangeRequest> requests;
        QPromise<Results> promise;
        QMutex mutex;
        Results results;
        QHash<Target, QSet<QString>> explicitTypes;
        QHash<Target, QString> typeOf;
        qsizetype remaining = 0;

        Engine engine() const { return {*platform, fileExists}; }
        // Once every change is done: an outcome stands only if what it set is still set.
        void finish()
        {
            const Engine e = engine();
            for (auto it = results.begin(); it != results.end(); ++it) {
                // Set by an earlier request of this batch for the same type and application
                // (.yml after .yaml): this one changed as much as that one did.
                const auto sameChange = [&](const auto& other) {
                    return other.key() != it.key() && other.key().app == it.key().app
                        && typeOf.value(other.key().target) == typeOf.value(it.key().target)
                        && other->kind() == ChangeResult::Case::Changed;
                };
                if (it->kind() == ChangeResult::Case::AlreadyDefault) {
                    for (auto other = results.cbegin(); other != results.cend(); ++other) {
                        if (sameChange(other))
                            *it = ChangeResult::changed();
                    }
                }
                if (!it->isSuccess() || it.key().app.isEmpty())
                    continue;
                const AppInfo wanted = platform->appInfo(it.key().app);
                if (!e.allNamed(wanted, e.bundle(it.key().target, explicitTypes.value(it.key().target))))
                    *it = ChangeResult::declined().withNote(it->note());
            }
            promise.addResult(results);
            promise.finish();
        }
    };
    auto batch = std::make_shared<Batch>();
    batch->platform = m_launchServices;
    batch->fileExists = m_fileExists;
    for (const ChangeRequest& r : requests) {
        if (!batch->requests.contains(r))
            batch->requests.append(r);
    }
    QFuture<Results> future = batch->promise.future();
    batch->promise.start();
    if (batch->requests.isEmpty()) {
        batch->promise.addResult(Results());
        batch->promise.finish();
        return future;
    }
    // Grouping asks the platform for types, so it runs on the workers too.
    changePool().start([batch] {
        // Requests that write one type run in list order, so the last of them wins; groups
        // run at once.
        QList<QList<ChangeRequest>> groups;
        QHash<QString, qsizetype> groupOf;
        QHash<Target, QString> typeOf;
        for (const ChangeRequest& r : batch->requests) {
            const QString type = batch->platform->platformType(r.target).value_or(u"target:"_s + r.target.id());
            typeOf.insert(r.target, type);
            const auto it = groupOf.constFind(type);
            if (it == groupOf.cend()) {
                groupOf.insert(type, groups.size());
                groups.append({r});
            } else {
                groups[*it].append(r);
            }
        }
        batch->typeOf = typeOf;
        for (auto it = typeOf.cbegin(); it != typeOf.cend(); ++it) {
            QSet<QString> others;
            for (auto other = typeOf.cbegin(); other != typeOf.cend(); ++other) {
                if (other.key() != it.key())
                    others.insert(*other);
            }
            batch->explicitTypes.insert(it.key(), others);
        }
        batch->remaining = groups.size();
        for (const QList<ChangeRequest>& group : groups) {
            changePool().start([batch, group] {
                const Engine engine = batch->engine();
                for (const ChangeRequest& r : group) {
                    const ChangeResult result = engine.change(r, batch->explicitTypes.value(r.target));
                    QMutexLocker lock(&batch->mutex);
                    batch->results.insert(r, result);
                }
                QMutexLocker lock(&batch->mutex);
                if (--batch->remaining == 0)
                    batch->finish();
            });
        }
    });
    return future;
}

} // namespace openwright
