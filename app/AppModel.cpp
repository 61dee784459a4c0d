// SPDX-License-Identifier: GPL-3.0-or-later
// The model's state, start-up, reading of defaults and the lists the screens derive from it.
#include "AppModel.h"

#include "BackupHistory.h"
#include "Clock.h"
#include "FileStamp.h"
#include "GioDoctor.h"
#include "LinuxWorkspaceNotices.h"
#include "Notifier.h"
#include "Presets.h"
#include "Settings.h"
#include "StateCache.h"

#include <QCryptographicHash>
#include <QDBusConnection>
#include <QFile>
#include <QFileInfo>
#include <QLoggingCategory>
#include <QStandardPaths>
#include <QtConcurrent/qtconcurrentrun.h>
#include <QtConcurrent/qtconcurrenttask.h>

#include <algorithm>
#include <utility>

#ifdef __GLIBC__
#include <malloc.h>
#endif

namespace openwright {

using namespace Qt::Literals::StringLiterals;

namespace {

// Refreshes are what the user waits for; guard checks can wait for them.
constexpr int kRefreshPriority = 2;

Q_LOGGING_CATEGORY(lcCache, "openwright.cache")

QString defaultCacheDirectory()
{
    return QStandardPaths::writableLocation(QStandardPaths::GenericCacheLocation) + u"/Openwright"_s;
}

QString orDefault(const QString& value, const QString& fallback)
{
    return value.isEmpty() ? fallback : value;
}

QByteArray profilesStamp(const QString& profilesPath)
{
    QCryptographicHash hash(QCryptographicHash::Sha1);
    FileStamp::add(hash, QFile::encodeName(profilesPath));
    return hash.result();
}

// What is kept of the backups at `path`, under the stamp of the profiles file it was read from,
// while that file is unchanged: first "newest DIGEST" (the newest backup's entriesDigest(), none
// without backups), then when each was taken (ms since the epoch), newest first.
constexpr QByteArrayView kNewest = "newest ";

std::optional<AppModel::BackupTimes> keptBackupTimes(const QString& path, const QByteArray& stamp)
{
    const auto lines = keptLines(path, stamp);
    if (!lines || lines->isEmpty() || !lines->first().startsWith(kNewest))
        return std::nullopt;
    AppModel::BackupTimes kept {{}, lines->first().sliced(kNewest.size())};
    for (const QByteArray& line : lines->sliced(1)) {
        bool ok = false;
        const qint64 ms = line.toLongLong(&ok);
        if (!ok)
            return std::nullopt;
        kept.times.append(QDateTime::fromMSecsSinceEpoch(ms, QTimeZone::utc()));
    }
    return kept;
}

// What is kept of the backups among `profiles`, as read.
AppModel::BackupTimes backupTimesOf(const QList<Profile>& profiles)
{
    const QList<Profile> backups = BackupHistory::newestFirst(profiles);
    AppModel::BackupTimes times {{}, backups.isEmpty() ? QByteArray() : BackupHistory::entriesDigest(backups.first().entries)};
    for (const Profile& b : backups)
        times.times.append(b.createdAt);
    return times;
}

} // namespace

AppModel::AppModel(std::shared_ptr<DefaultsService> service, AppModelConfig config, QObject* parent)
    : QObject(parent)
    , m_service(std::move(service))
    , m_ownClock(config.clock ? nullptr : std::make_unique<SystemClock>())
    , m_clock(config.clock ? config.clock : m_ownClock.get())
    , m_notifier(config.notifier ? config.notifier : &Notifier::shared())
    , m_settings(std::make_unique<Settings>(orDefault(config.settingsPath, Settings::defaultPath())))
    , m_makeNotices(std::move(config.makeNotices))
    , m_doctorPaths(config.doctorPaths ? std::move(config.doctorPaths)
                                       : std::function<DoctorPaths()>(&gio::doctorPaths))
    , m_doctorPlatform(config.doctorPlatform.installed ? std::move(config.doctorPlatform) : gio::doctorPlatform())
    , m_customStore(u"custom-types.json"_s, orDefault(config.dataDirectory, JSONStoreFile::defaultDirectory()))
    , m_profileStore(u"profiles.json"_s, orDefault(config.dataDirectory, JSONStoreFile::defaultDirectory()))
    , m_guardStore(u"guard.json"_s, orDefault(config.dataDirectory, JSONStoreFile::defaultDirectory()))
    , m_cacheDirectory(orDefault(config.cacheDirectory, defaultCacheDirectory()))
    , m_cachePath(m_cacheDirectory + u"/states"_s)
{
    if (!m_makeNotices) {
        m_makeNotices = [] { return std::make_unique<LinuxWorkspaceNotices>(QDBusConnection::sessionBus()); };
    }
    for (const JSONStoreFile* store :
         {static_cast<JSONStoreFile*>(&m_customStore), static_cast<JSONStoreFile*>(&m_profileStore),
          static_cast<JSONStoreFile*>(&m_guardStore)}) {
        store->removeStaleTemporaries();
    }
    m_service->removeStaleTemporaries();
    // The caches are this instance's alone.
    for (const QString& cache : {m_cachePath, m_cacheDirectory + u"/drawings"_s, m_cacheDirectory + u"/defaults"_s,
                                 m_cacheDirectory + u"/backups"_s})
        removeStaleTemporaries(cache, 0);
    m_customTargets = m_customStore.load().value_or(QList<Target>());
    m_guardState = m_guardStore.load().value_or(GuardState());
    m_savedLook = m_guardState.lastLook;
    m_guardEnabled = m_settings->value(Settings::guardEnabled);
    m_guardInterval = m_settings->value(Settings::guardInterval);
    m_autoBackupEnabled = m_settings->value(Settings::autoBackup);

    // Both callbacks hold the model weakly: a late answer to a notification must not reach a
    // model that is gone.
    QPointer<AppModel> self(this);
    m_notifier->onRevert = [self](const QUuid& id) {
        if (self)
            self->revert(id);
    };
    m_notifier->onAllow = [self](const QUuid& id) {
        if (self)
            self->allow(id);
    };
    m_notifier->onOpen = [self] {
        if (!self)
            return;
        self->setSelection(SidebarItem::guardActivity());
        Q_EMIT self->activationRequested();
    };
    m_readers.setMaxThreadCount(4);
    // The guard reads every minute: a pool thread that expired in between would make every
    // check start a thread.
    m_readers.setExpiryTimeout(-1);
    m_changes.setMaxThreadCount(1);
}

AppModel::~AppModel()
{
    if (m_cancelGuardTick)
        m_cancelGuardTick();
    m_changes.waitForDone();
    m_readers.waitForDone();
    // The next process names the lists behind the changes it finds from the last look on.
    if (m_guardState.lastLook != m_savedLook)
        saveGuard();
}

void AppModel::setSelection(std::optional<SidebarItem> item)
{
    if (m_selection == item)
        return;
    m_selection = item;
    Q_EMIT selectionChanged();
}

void AppModel::setSearchText(const QString& text)
{
    if (m_searchText == text)
        return;
    m_searchText = text;
    Q_EMIT searchTextChanged();
}

void AppModel::setInspected(std::optional<Target> target)
{
    if (m_inspected == target)
        return;
    m_inspected = std::move(target);
    Q_EMIT inspectedChanged();
}

void AppModel::setSelectedType(std::optional<Target> target)
{
    if (m_selectedType == target)
        return;
    m_selectedType = std::move(target);
    if (m_selectedType && !m_states.contains(*m_selectedType))
        reload({*m_selectedType});
}

void AppModel::setGuardEnabled(bool enabled)
{
    m_guardEnabled = enabled;
    m_settings->setValue(Settings::guardEnabled, enabled);
    Q_EMIT settingsChanged();
    restartGuard();
}

void AppModel::setGuardInterval(double seconds)
{
    m_guardInterval = seconds;
    m_settings->setValue(Settings::guardInterval, seconds);
    Q_EMIT settingsChanged();
    restartGuard();
}

void AppModel::setAutoBackupEnabled(bool enabled)
{
    m_autoBackupEnabled = enabled;
    m_settings->setValue(Settings::autoBackup, enabled);
    Q_EMIT settingsChanged();
}

QByteArray AppModel::windowGeometry() const
{
    return m_settings->value(Settings::windowGeometry);
}

void AppModel::setWindowGeometry(const QByteArray& geometry)
{
    m_settings->setValue(Settings::windowGeometry, geometry);
}

QList<FileCategory> AppModel::categories() const
{
    QList<FileCategory> list = Catalog::all();
    for (const Target& t : m_customTargets)
        list.append(FileCategory::custom(t));
    return list;
}

QList<FileCategory> AppModel::categories(CategoryGroup group) const
{
    QList<FileCategory> list;
    for (const FileCategory& c : categories()) {
        if (c.group == group)
            list.append(c);
    }
    return list;
}

FileCategory AppModel::category(const Target& target) const
{
    for (const FileCategory& c : categories()) {
        if (c.target == target)
            return c;
    }
    // Not one of the user's types (a dropped file's, say): what the system calls it.
    FileCategory c = FileCategory::custom(target);
    const QString type = target.isMimeType() ? target.payload() : m_typeOf.value(target);
    c.summary = type.isEmpty() ? QString() : m_service->typeDescription(type);
    return c;
}

QList<FileCategory> AppModel::searchResults() const
{
    // Blanks and tabs around the text do not count; line breaks are the user's.
    qsizetype start = 0;
    qsizetype end = m_searchText.size();
    const auto blank = [](QChar c) { return c == u' ' || c == u'\t' || c.category() == QChar::Separator_Space; };
    while (start < end && blank(m_searchText.at(start)))
        ++start;
    while (end > start && blank(m_searchText.at(end - 1)))
        --end;
    const QString query = m_searchText.mid(start, end - start).toLower();
    if (query.isEmpty())
        return {};
    const auto strip = [](QString s) {
        while (!s.isEmpty() && (s.front() == u'.' || s.front() == u':'))
            s.remove(0, 1);
        while (!s.isEmpty() && (s.back() == u'.' || s.back() == u':'))
            s.chop(1);
        return s;
    };
    const QString bare = strip(query);

    QList<FileCategory> found;
    for (const FileCategory& c : categories()) {
        const auto state = m_states.constFind(c.target);
        const bool match = c.title.toLower().contains(query) || c.summary.toLower().contains(query)
            || strip(c.target.description()) == bare
            || (state != m_states.cend() && state->current && state->current->name.toLower().contains(query));
        if (match)
            found.append(c);
    }
    return found;
}

HealthReport AppModel::health() const
{
    QList<TargetState> list;
    for (const FileCategory& c : Catalog::all()) {
        if (const auto it = m_states.constFind(c.target); it != m_states.cend())
            list.append(*it);
    }
    const auto service = m_service;
    HealthReport report = HealthReport::evaluate(list, [service](const QUrl& url) { return service->fileExists(url); });
    report.fileProblems = defaultsFileProblems();
    return report;
}

QDateTime AppModel::now() const
{
    return m_clock->now();
}

QTimeZone AppModel::zone() const
{
    return m_clock->zone();
}

QList<Profile> AppModel::profiles() const
{
    QList<Profile> list = Presets::all();
    for (const Profile& p : userProfiles()) {
        if (p.kind == Profile::Kind::custom)
            list.append(p);
    }
    return list;
}

const QList<Profile>& AppModel::userProfiles() const
{
    if (m_profilesAhead.isValid()) {
        m_userProfiles = m_profilesAhead.result();
        m_profilesAhead = {};
    }
    if (!m_userProfiles) {
        // Stamped before the read: a write by another program meanwhile makes the next look
        // read the file again.
        const QByteArray stamp = profilesStamp(m_profileStore.path());
        m_userProfiles = m_profileStore.load().value_or(QList<Profile>());
        keepBackupTimes(stamp);
    }
    return *m_userProfiles;
}

QList<Profile> AppModel::backups() const
{
    // The newest is always first: a backup is new only beside the newest.
    return BackupHistory::newestFirst(userProfiles());
}

QList<QDateTime> AppModel::backupTimes() const
{
    return keptBackups().times;
}

AppModel::BackupTimes AppModel::keptBackups() const
{
    if (!m_userProfiles) {
        if (auto kept = keptBackupTimes(m_cacheDirectory + u"/backups"_s, profilesStamp(m_profileStore.path())))
            return *kept;
    }
    return backupTimesOf(userProfiles());
}

void AppModel::keepBackupTimes(const QByteArray& stamp) const
{
    keepBackupTimes(m_cacheDirectory + u"/backups"_s, stamp, *m_userProfiles);
}

void AppModel::keepBackupTimes(const QString& path, const QByteArray& stamp, const QList<Profile>& profiles)
{
    if (keptBackupTimes(path, stamp))
        return;
    const BackupTimes times = backupTimesOf(profiles);
    QList<QByteArray> lines {kNewest.toByteArray() + times.newestDigest};
    for (const QDateTime& taken : times.times)
        lines.append(QByteArray::number(taken.toMSecsSinceEpoch()));
    keepLines(path, stamp, lines);
}

void AppModel::readProfilesAhead()
{
    if (m_userProfiles || m_profilesAhead.isValid())
        return;
    // On the readers' pool, which the model waits for before it goes.
    m_profilesAhead = QtConcurrent::run(&m_readers, [this] {
        const QByteArray stamp = profilesStamp(m_profileStore.path());
        QList<Profile> profiles = m_profileStore.load().value_or(QList<Profile>());
        keepBackupTimes(m_cacheDirectory + u"/backups"_s, stamp, profiles);
        return profiles;
    });
}

QList<DefaultChange> AppModel::unresolvedChanges() const
{
    QList<DefaultChange> list;
    for (const DefaultChange& c : m_guardState.history) {
        if (!c.resolved)
            list.append(c);
    }
    return list;
}

QList<Target> AppModel::watchedTargets() const
{
    // Asked for at every check of the guard: the catalog's targets as they are, then the few
    // others it does not hold already, compared one by one.
    const QList<FileCategory>& catalog = Catalog::all();
    QList<Target> list;
    list.reserve(catalog.size() + m_customTargets.size() + 2);
    for (const FileCategory& c : catalog)
        list.append(c.target);
    const auto add = [&](const Target& t) {
        if (!list.contains(t))
            list.append(t);
    };
    for (const Target& t : m_customTargets)
        add(t);
    if (m_inspected)
        add(*m_inspected);
    if (m_selectedType)
        add(*m_selectedType);
    return list;
}

TargetState AppModel::withExactNames(TargetState state) const
{
    if (state.current)
        state.current->bundleID = m_service->exactName(state.current->url);
    for (TypeDefault& d : state.byType) {
        if (d.app)
            d.app->bundleID = m_service->exactName(d.app->url);
    }
    return state;
}

QList<TargetState> AppModel::currentStates() const
{
    QList<TargetState> list;
    for (const FileCategory& c : categories()) {
        const auto it = m_states.constFind(c.target);
        if (it == m_states.cend())
            continue;
        // A record names the very entry: restored, another packaging of the program would not do.
        list.append(withExactNames(*it));
    }
    return list;
}

QFuture<void> AppModel::refresh()
{
    return read(!m_cached.isEmpty());
}

QFuture<void> AppModel::read(bool keptApplications)
{
    if (!m_isLoading) {
        m_isLoading = true;
        Q_EMIT loadingChanged();
    }
    const quint64 since = m_changeCount;
    const QDateTime readFrom = QDateTime::currentDateTimeUtc();
    if (m_types.isRead())
        readTypes();
    else if (m_applications.isRead())
        readApplications();
    // The kept states as they are when asked: a second read asked before the first lands (which
    // lets go of them), or a target watched since the start, is read in full.
    const QList<Target> watched = watchedTargets();
    const QHash<Target, TargetState> kept = keptApplications ? m_cached : QHash<Target, TargetState>();
    std::optional<QSet<Target>> full;
    if (keptApplications) {
        full.emplace();
        for (const Target& t : watched) {
            if (!kept.contains(t))
                full->insert(t);
        }
    }
    return landed(readStates(watched, true, full),
                  [this, since, readFrom, keptApplications, kept, keptStamp = m_cachedStamp](Reading reading) {
                      if (keptApplications) {
                          // The desktop changed since the states were kept: read it all.
                          if (!reading.stamp || *reading.stamp != keptStamp)
                              return read(false);
                          for (TargetState& s : reading.states) {
                              if (const auto it = kept.constFind(s.target); it != kept.cend()) {
                                  s.candidates = it->candidates;
                                  s.recommended = it->recommended;
                              }
                          }
                      }
                      learnTypes(reading.types);
                      settleCache(reading, since);
                      // Overlapping refreshes each apply their own complete result; the first to finish
                      // ends the loading state.
                      auto observed = takeStates(reading, since, std::nullopt);
                      if (m_isLoading) {
                          m_isLoading = false;
                          Q_EMIT loadingChanged();
                      }
                      QFuture<void> naming = absorb(std::move(observed), since, readFrom, pinnedOpeners(reading));
                      afterObservation();
                      examineFiles();
                      // Once the reading itself is dropped too, after this call.
                      QMetaObject::invokeMethod(this, &AppModel::returnFreedMemory, Qt::QueuedConnection);
                      return naming;
                  })
        .unwrap();
}

QFuture<void> AppModel::refreshFor(const QList<Target>& changing)
{
    QSet<Target> full;
    for (const Target& t : changing) {
        full.insert(t);
        for (const Target& linked : t.linkedTargets())
            full.insert(linked);
    }
    const quint64 since = m_changeCount;
    const QDateTime readFrom = QDateTime::currentDateTimeUtc();
    // A change backs the defaults up first, and the daily backup may be due.
    if (m_autoBackupEnabled)
        readProfilesAhead();
    return landed(readStates(watchedTargets(), false, full, true),
                  [this, since, readFrom, full](const Reading& reading) {
                      learnTypes(reading.types);
                      auto observed = takeStates(reading, since, full);
                      QFuture<void> naming = absorb(std::move(observed), since, readFrom, pinnedOpeners(reading));
                      afterObservation();
                      return naming;
                  })
        .unwrap();
}

QFuture<void> AppModel::refreshOrKept()
{
    const quint64 since = m_changeCount;
    const QDateTime readFrom = QDateTime::currentDateTimeUtc();
    // Beside the window's kept states, the defaults alone that the last such read found: a
    // command run after a change, with no window to keep the states, looks as fast next time.
    const QString defaultsPath = m_cacheDirectory + u"/defaults"_s;
    const auto stamp = m_service->answersStamp();
    auto kept = m_states.isEmpty() ? keptWatched(StateCache::load(m_cachePath), stamp) : std::nullopt;
    if (!kept && m_states.isEmpty())
        kept = keptWatched(StateCache::load(defaultsPath), stamp);
    if (!kept) {
        return landed(refreshFor({}), [this, stamp, defaultsPath] {
            // Under the stamp taken before the read: a change meanwhile only makes the next look
            // read again.
            if (stamp)
                StateCache::save(defaultsPath, StateSnapshot {*stamp, {}, QList<TargetState>(m_states.cbegin(), m_states.cend()), m_typeOf});
        });
    }
    m_states = std::move(*kept);
    Q_EMIT statesChanged();
    QHash<Target, std::optional<AppInfo>> observed;
    QHash<Target, QList<OpenerDifference>> openers;
    for (const TargetState& s : std::as_const(m_states)) {
        observed.insert(s.target, s.current);
        if (m_guardEnabled && m_guardState.pinned.contains(s.target))
            openers.insert(s.target, s.otherOpeners);
    }
    QFuture<void> naming = absorb(std::move(observed), since, readFrom, std::move(openers));
    afterObservation();
    return naming;
}

QHash<Target, QList<OpenerDifference>> AppModel::pinnedOpeners(const Reading& reading) const
{
    QHash<Target, QList<OpenerDifference>> out;
    if (!m_guardEnabled)
        return out;
    for (const TargetState& s : reading.states) {
        if (m_guardState.pinned.contains(s.target))
            out.insert(s.target, s.otherOpeners);
    }
    return out;
}

QHash<Target, std::optional<AppInfo>> AppModel::takeStates(const Reading& reading, quint64 since,
                                                           const std::optional<QSet<Target>>& full)
{
    QHash<Target, TargetState> next;
    QHash<Target, std::optional<AppInfo>> observed;
    next.reserve(reading.states.size());
    for (const TargetState& s : reading.states) {
        observed.insert(s.target, s.current);
        const auto known = m_states.constFind(s.target);
        // A target changed by us meanwhile keeps its newer state.
        if (known != m_states.cend() && changedSince(s.target, since)) {
            next.insert(s.target, *known);
            continue;
        }
        TargetState state = s;
        if (full && !full->contains(s.target) && known != m_states.cend()) {
            state.candidates = known->candidates;
            state.recommended = known->recommended;
        }
        next.insert(s.target, std::move(state));
    }
    m_states = std::move(next);
    Q_EMIT statesChanged();
    return observed;
}

QFuture<AppModel::Reading> AppModel::readStates(const QList<Target>& targets, bool stamped,
                                                std::optional<QSet<Target>> full, bool halves)
{
    // The task captures the service and the targets, never the model.
    const auto service = m_service;
    QThreadPool* const beside = halves ? &m_readers : nullptr;
    return QtConcurrent::task([service, targets, stamped, full = std::move(full), beside] {
               const auto read = [&](const QList<Target>& part) {
                   Reading reading;
                   reading.states.reserve(part.size());
                   for (const Target& t : part) {
                       reading.states.append(service->state(t, !full || full->contains(t)));
                       if (const auto type = service->platformType(t))
                           reading.types.insert(t, *type);
                   }
                   return reading;
               };
               // The second half beside the first, on the other core: GIO's answers and the
               // explanations of them mostly wait on locks of their own.
               const qsizetype half = beside ? targets.size() / 2 : targets.size();
               QFuture<Reading> second;
               if (beside)
                   second = QtConcurrent::run(beside, read, targets.sliced(half));
               Reading reading;
               if (stamped) {
                   reading.quickStamp = service->quickAnswersStamp();
                   reading.stamp = service->answersStamp();
               }
               Reading first = read(targets.first(half));
               reading.states = std::move(first.states);
               reading.types = std::move(first.types);
               if (beside) {
                   Reading rest = second.takeResult();
                   reading.states += std::move(rest.states);
                   reading.types.insert(rest.types);
               }
               return reading;
           })
        .onThreadPool(m_readers)
        .withPriority(kRefreshPriority)
        .spawn();
}

QFuture<DecisionChain> AppModel::explain(const Target& target)
{
    const auto service = m_service;
    return landed(
        QtConcurrent::task([service, target] { return service->explain(target); }).onThreadPool(m_readers).spawn(),
        [](DecisionChain chain) { return chain; });
}

QFuture<Associations> AppModel::associations(const Target& target)
{
    const auto service = m_service;
    return landed(
        QtConcurrent::task([service, target] { return service->associations(target); }).onThreadPool(m_readers).spawn(),
        [](Associations offer) { return offer; });
}

QFuture<QList<AppInfo>> AppModel::installedApplications()
{
    const auto service = m_service;
    return landed(
        QtConcurrent::task([service] { return service->installedApplications(); }).onThreadPool(m_readers).spawn(),
        [](QList<AppInfo> apps) { return apps; });
}

KeptRead::KeptRead(std::shared_ptr<const DefaultsService> service, const QString& cachePath)
    : m_stamp(std::async(std::launch::async, [service = std::move(service)] { return service->quickAnswersStamp(); }))
    , m_snapshot(std::async(std::launch::async, [cachePath] { return StateCache::load(cachePath); }))
{
}

QString AppModel::keptStatesPath()
{
    return defaultCacheDirectory() + u"/states"_s;
}

std::optional<QHash<Target, TargetState>> AppModel::keptWatched(std::optional<StateSnapshot> snapshot,
                                                                const std::optional<QByteArray>& stamp,
                                                                QByteArray StateSnapshot::*kind)
{
    if (!stamp || stamp->isEmpty() || !snapshot || (*snapshot).*kind != *stamp)
        return std::nullopt;
    QHash<Target, TargetState> kept;
    for (TargetState& s : snapshot->states)
        kept.insert(s.target, std::move(s));
    const QList<Target> watched = watchedTargets();
    if (!std::all_of(watched.cbegin(), watched.cend(), [&](const Target& t) { return kept.contains(t); }))
        return std::nullopt;
    kept.removeIf([&](const auto& it) { return !watched.contains(it.key()); });
    learnTypes(snapshot->types);
    return kept;
}

bool AppModel::showCachedStates(KeptRead* ahead)
{
    if (!m_states.isEmpty())
        return false;
    // Shown under the quick stamp: the first read takes the full one, and where that moved since
    // the states were kept, reads every application afresh (see read()).
    const auto quick = ahead ? ahead->stamp() : m_service->quickAnswersStamp();
    auto snapshot = ahead ? ahead->snapshot() : StateCache::load(m_cachePath);
    const QByteArray keptStamp = snapshot ? snapshot->stamp : QByteArray();
    auto cached = keptWatched(std::move(snapshot), quick, &StateSnapshot::quickStamp);
    if (!cached)
        return false;
    m_cachedStamp = keptStamp;
    m_cached = *cached;
    m_states = std::move(*cached);
    Q_EMIT statesChanged();
    return true;
}

void AppModel::settleCache(const Reading& reading, quint64 since)
{
    for (const TargetState& s : reading.states) {
        const auto it = m_cached.constFind(s.target);
        if (it == m_cached.cend() || changedSince(s.target, since) || *it == s)
            continue;
        ++m_cacheDifferences;
        qCWarning(lcCache, "The kept state of %s differed from the system's answer, which replaces it",
                  qPrintable(s.target.description()));
    }
    m_cached.clear();
    if (!reading.stamp || *reading.stamp == m_cachedStamp)
        return;
    m_cachedStamp = *reading.stamp;
    // Written off this thread: the next start reads it, nothing here waits for it.
    m_readers.start(
        [path = m_cachePath,
         snapshot = StateSnapshot {*reading.stamp, reading.quickStamp.value_or(QByteArray()), reading.states, reading.types}] {
            StateCache::save(path, snapshot);
            returnFreedMemory();
        });
}

void AppModel::returnFreedMemory()
{
    // Under a sanitizer its own allocator stands in for glibc's, whose arenas are then never set
    // up: trimming them crashes.
#if defined(__GLIBC__) && !defined(__SANITIZE_ADDRESS__) && !defined(__SANITIZE_THREAD__)
    ::malloc_trim(0);
#endif
}

void AppModel::learnTypes(const QHash<Target, QString>& types)
{
    m_typeOf.insert(types);
}

QFuture<void> AppModel::reload(const QList<Target>& targets)
{
    const quint64 since = m_changeCount;
    return landed(readStates(targets), [this, since](const Reading& reading) {
        learnTypes(reading.types);
        for (const TargetState& s : reading.states) {
            if (!changedSince(s.target, since))
                m_states.insert(s.target, s);
        }
        Q_EMIT statesChanged();
    });
}

QFuture<void> AppModel::inspect(const QUrl& fileURL)
{
    // The path extension: what follows the last dot of the file name, unless that dot starts it.
    const QString name = QFileInfo(fileURL.path()).fileName();
    const qsizetype dot = name.lastIndexOf(u'.');
    const QString extension = dot > 0 ? name.mid(dot + 1).toLower() : QString();
    // The file opens by the type the system gives it, contents included, as `status FILE`
    // says: by its extension only where that is the same type (a text file named
    // data.frobnicate is plain text; a Makefile or a folder has a type and no extension).
    const auto service = m_service;
    auto typed = QtConcurrent::task([service, fileURL, extension]() -> std::optional<Target> {
                     const auto type = service->fileType(fileURL);
                     const Target byName = Target::fileExtension(extension);
                     if (!type || (!extension.isEmpty() && service->platformType(byName) == type))
                         return extension.isEmpty() ? std::nullopt : std::optional(byName);
                     static constexpr QStringView kScheme = u"x-scheme-handler/";
                     return type->startsWith(kScheme) ? Target::scheme(type->mid(kScheme.size()))
                                                      : Target::mimeType(*type);
                 })
                     .onThreadPool(m_readers)
                     .spawn();
    return landed(typed, [this](const std::optional<Target>& target) -> QFuture<void> {
               if (!target)
                   return QtFuture::makeReadyFuture();
               setInspected(*target);
               return reload({*target});
           })
        .unwrap();
}

template<typename T> bool AppModel::save(JSONStore<T>& store, const T& value)
{
    QString problem;
    bool fits = true;
    try {
        store.save(value);
    } catch (const StoreError& e) {
        problem = e.message();
        fits = !e.tooLarge();
    } catch (const DecodeError& e) {
        problem = e.message();
    }
    if (!problem.isEmpty())
        ++m_failedSaves;
    const bool changed = problem.isEmpty() ? m_saveProblems.remove(store.path()) > 0
                                           : std::exchange(m_saveProblems[store.path()], problem) != problem;
    if (changed) {
        if (!problem.isEmpty())
            qWarning("Openwright could not save its data: %s", qPrintable(problem));
        Q_EMIT saveProblemChanged();
    }
    return fits;
}

QFuture<void> AppModel::settled()
{
    if (m_inFlight == 0)
        return QtFuture::makeReadyFuture();
    auto promise = std::make_shared<QPromise<void>>();
    promise->start();
    m_settling.append(promise);
    return promise->future();
}

void AppModel::landedOne()
{
    if (--m_inFlight > 0)
        return;
    for (const auto& promise : std::exchange(m_settling, {}))
        promise->finish();
}

void AppModel::saveGuard()
{
    save(m_guardStore, m_guardState);
    m_savedLook = m_guardState.lastLook;
}

void AppModel::saveCustom()
{
    save(m_customStore, m_customTargets);
}

bool AppModel::commitProfiles(QList<Profile> next)
{
    if (m_profilesAhead.isValid())
        userProfiles(); // a read ahead ends before the store writes
    if (!save(m_profileStore, next))
        return false;
    m_userProfiles = std::move(next);
    Q_EMIT userProfilesChanged();
    return true;
}

} // namespace openwright
