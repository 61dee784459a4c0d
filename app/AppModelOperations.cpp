// SPDX-License-Identifier: GPL-3.0-or-later
// The model's operations: changing and reverting defaults, the Default Guard, and the user's
// types, profiles and backups.
#include "AppModel.h"

#include "BackupHistory.h"
#include "Clock.h"
#include "DateText.h"
#include "Notifier.h"
#include "ProfileExport.h"
#include "WorkspaceNotices.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QtConcurrent/qtconcurrentrun.h>
#include <QtConcurrent/qtconcurrenttask.h>

#include <algorithm>
#include <cmath>
#include <variant>

namespace openwright {

using namespace Qt::Literals::StringLiterals;
using namespace std::chrono_literals;

namespace {

constexpr double kMinimumGuardInterval = 15; // seconds
constexpr double kMaximumGuardInterval = 7 * 86400; // a hand-edited huge value still checks weekly
constexpr auto kNoticeDelay = 3s;
// A start this long before a change may have made it; takeovers this close together are a war.
constexpr qint64 kCulpritWindow = 60; // seconds
constexpr qsizetype kWarTakeovers = 3;

// Whether the platform's name of a started application (a unit such as
// "app-gnome-org.gnome.Evince-2417.scope", "-" written as "\x2d" inside the ID) is that entry's.
bool startedAs(const QString& unit, const QString& desktopId)
{
    if (desktopId.isEmpty())
        return false;
    // Escaped, "firefox" is not "firefox\x2desr"; a launcher that does not escape leaves it open.
    const QString id = u'-' + (unit.contains(u"\\x2d"_s) ? QString(desktopId).replace(u'-', u"\\x2d"_s) : desktopId);
    return unit.contains(id + u'-') || unit.contains(id + u'@') || unit.endsWith(id + u".scope"_s)
        || unit.endsWith(id + u".service"_s);
}

QList<Target> withLinked(const Target& target)
{
    return QList<Target> {target} + target.linkedTargets();
}

} // namespace

// Changing defaults

QList<Target> AppModel::affectedBy(const QList<ChangeRequest>& requests) const
{
    QList<Target> targets;
    QSet<QString> types;
    const auto add = [&](const Target& t) {
        if (!targets.contains(t))
            targets.append(t);
    };
    for (const ChangeRequest& r : requests) {
        for (const Target& t : withLinked(r.target)) {
            add(t);
            // A MIME type names its platform type itself, read or not (the Applications screen's
            // changes): the watched extensions of that type move with it.
            types.insert(t.isMimeType() ? t.payload() : m_typeOf.value(t, u"target:"_s + t.id()));
        }
    }
    // So do the watched types that open where a written type does: its subtypes and aliases
    // without a default of their own (.c follows text/plain). And the browser, whose state
    // holds its linked types too: a restore of https alone splits or joins it.
    for (const Target& t : watchedTargets()) {
        const auto type = m_typeOf.constFind(t);
        if (type != m_typeOf.cend() && std::any_of(types.cbegin(), types.cend(), [&](const QString& written) {
                return m_service->inherits(*type, written);
            }))
            add(t);
        for (const Target& linked : t.linkedTargets()) {
            const auto known = m_typeOf.constFind(linked);
            const auto linkedType = known != m_typeOf.cend() ? std::optional(*known) : m_service->platformType(linked);
            if (linkedType && types.contains(*linkedType))
                add(t);
        }
    }
    return targets;
}

void AppModel::beginOwnChange(const QList<Target>& targets)
{
    for (const Target& t : targets)
        ++m_writing[t];
}

void AppModel::endOwnChange(const QList<Target>& targets, const QHash<Target, TargetState>& states,
                            const QSet<Target>& requested)
{
    for (const Target& t : targets) {
        if (--m_writing[t] <= 0)
            m_writing.remove(t);
        const auto state = states.constFind(t);
        if (state == states.cend())
            continue;
        m_changedAt.insert(t, m_changeCount + 1);
        // The baseline takes what is actually set, also after a declined or failed change:
        // the guard never reports what the user chose to keep.
        m_guardState.accept(t, state->current, state->otherOpeners);
        if (requested.contains(t) || m_states.contains(t))
            m_states.insert(t, *state);
    }
    ++m_changeCount;
    noteApplicationDefaults(states);
}

QFuture<AppModel::Results> AppModel::perform(const QList<ChangeRequest>& requests)
{
    for (const ChangeRequest& r : requests) {
        m_pending.insert(r.target);
        m_results.remove(r.target);
    }
    Q_EMIT pendingChanged();
    Q_EMIT resultsChanged();

    // Every target the batch may move is ours until its re-read lands: a check meanwhile must
    // not report it as taken over.
    const QList<Target> affected = affectedBy(requests);
    beginOwnChange(affected);
    struct Outcome
    {
        Results results;
        QHash<Target, TargetState> states;
        QList<MovedAlong> moved;
    };
    const auto service = m_service;
    // The batch and the re-read after it both run off this thread, with nothing of the model's,
    // one batch after the other: a batch's outcome is read back before the next one writes, so
    // two runs of ours never report each other's change as a setting that kept the old app.
    auto work = QtConcurrent::task([service, requests, affected] {
                    // The subtypes of what the batch writes can move with it: each is read
                    // before and after, and one that moved is told, never left unsaid.
                    QSet<QString> written;
                    for (const ChangeRequest& r : requests)
                        written.unite(service->writtenTypes(r.target));
                    QList<std::pair<Target, std::optional<QUrl>>> dependents;
                    for (const QString& type : service->subtypes(written)) {
                        const Target t = Target::mimeType(type);
                        if (!affected.contains(t))
                            dependents.append({t, service->defaultURL(t)});
                    }
                    Outcome out {service->apply(requests).result(), {}, {}};
                    for (const Target& t : affected)
                        out.states.insert(t, service->state(t));
                    for (const auto& [t, before] : dependents) {
                        const auto after = service->defaultURL(t);
                        if (after == before)
                            continue;
                        const auto read = [&](const std::optional<QUrl>& url) {
                            return url ? std::optional(service->appInfo(*url)) : std::nullopt;
                        };
                        out.moved.append({t, read(before), read(after), service->source(t)});
                    }
                    return out;
                })
                    .onThreadPool(m_changes)
                    .spawn();
    return landed(work, [this, requests, affected](const Outcome& out) {
        QSet<Target> requested;
        for (const ChangeRequest& r : requests) {
            requested.insert(r.target);
            m_pending.remove(r.target);
            if (const auto it = out.results.constFind(r); it != out.results.cend())
                m_results.insert(r.target, *it);
            else
                m_results.remove(r.target);
        }
        endOwnChange(affected, out.states, requested);
        // Kept until a command takes them; a window that never asks keeps the newest only.
        noteMovedAlong(out.moved);
        rereadIndexes();
        m_movedAlong += out.moved;
        if (m_movedAlong.size() > 4096)
            m_movedAlong.remove(0, m_movedAlong.size() - 4096);
        Q_EMIT pendingChanged();
        Q_EMIT resultsChanged();
        Q_EMIT statesChanged();
        Q_EMIT guardStateChanged();
        saveGuard();
        return out.results;
    });
}

QFuture<void> AppModel::change(const FileCategory& category, const AppInfo& app)
{
    backUpBefore({{category.target, app.url}});
    return perform({{category.target, app.url}}).then([](const Results&) {});
}

QFuture<AppModel::Results> AppModel::change(const QList<ChangeRequest>& requests)
{
    backUpBefore(requests);
    return perform(requests);
}

QFuture<AppModel::Results> AppModel::makeOpenersAgree(const QList<Target>& among)
{
    QList<Target> targets = among;
    if (targets.isEmpty()) {
        for (const TargetState& s : std::as_const(m_states))
            targets.append(s.target);
    }
    return agreeRound(targets, std::make_shared<Results>(), 0);
}

// One round of makeOpenersAgree: the openers of every target not pinned yet are asked afresh,
// off this thread. A default written for a parent type can move what KDE programs start for its
// subtypes, so a round follows each write, a few at most.
QFuture<AppModel::Results> AppModel::agreeRound(const QList<Target>& targets, std::shared_ptr<Results> done, int round)
{
    QSet<Target> pinned;
    for (auto it = done->cbegin(); it != done->cend(); ++it)
        pinned.insert(it.key().target);
    const auto service = m_service;
    auto asked = QtConcurrent::run(&m_changes, [service, targets, pinned] {
        QList<ChangeRequest> requests;
        for (const Target& t : targets) {
            if (pinned.contains(t) || service->otherOpeners(t).isEmpty())
                continue;
            const auto type = service->platformType(t);
            const QList<OpenerAnswer> answers = type ? service->openers(*type) : QList<OpenerAnswer>();
            const auto current = service->currentDefault(t);
            // A target whose types open apart (a split browser, an extension of two types)
            // keeps them apart: pinning its first type's app would move the others.
            if (!answers.isEmpty() && answers.first().app && current && current->url == *answers.first().app)
                requests.append({t, current->url});
        }
        return requests;
    });
    // Tracked, so that "settled" waits for every round.
    return landed(asked, [this, targets, done, round](const QList<ChangeRequest>& requests) {
        if (requests.isEmpty() || round == 4)
            return QtFuture::makeReadyFuture(*done);
        if (round == 0)
            backUpBefore(requests);
        return continueOn(this, perform(requests), [this, targets, done, round](const Results& results) {
                   done->insert(results);
                   return agreeRound(targets, done, round + 1);
               })
            .unwrap();
    })
        .unwrap();
}

QFuture<AppModel::Results> AppModel::reset(const QList<Target>& targets)
{
    if (targets.isEmpty())
        return QtFuture::makeReadyFuture(Results());
    QList<ChangeRequest> requests;
    for (const Target& t : targets)
        requests.append({t, QUrl()});
    autoBackup(BackupReason::beforeRevert(targets.first()));
    return perform(requests);
}

QFuture<ChangeResult> AppModel::arrange(const Target& target, Arrangement how, const QList<QUrl>& apps)
{
    autoBackup(BackupReason::beforeProfile(tr("The order of %1").arg(target.id())));
    // The first app becomes the default, and a removal may move it: every target that can move.
    const QList<Target> affected = affectedBy({{target, apps.value(0)}});
    beginOwnChange(affected);
    struct Outcome
    {
        ChangeResult result;
        QHash<Target, TargetState> states;
    };
    const auto service = m_service;
    auto work = QtConcurrent::task([service, target, how, apps, affected] {
                    Outcome out {service->arrange(target, how, apps), {}};
                    for (const Target& t : affected)
                        out.states.insert(t, service->state(t));
                    return out;
                })
                    .onThreadPool(m_changes)
                    .spawn();
    return landed(work, [this, target, affected](const Outcome& out) {
        endOwnChange(affected, out.states, {target});
        rereadIndexes();
        Q_EMIT statesChanged();
        Q_EMIT guardStateChanged();
        saveGuard();
        return out.result;
    });
}

QFuture<void> AppModel::addAndChange(const FileCategory& category, const QUrl& file)
{
    const Target target = category.target;
    m_pending.insert(target);
    m_results.remove(target);
    Q_EMIT pendingChanged();
    Q_EMIT resultsChanged();
    const auto service = m_service;
    // On the change thread: a batch asked for meanwhile waits for the entry it may name.
    auto install = QtConcurrent::run(&m_changes, [service, file]() -> std::variant<AppInfo, QString> {
        try {
            return service->appInfo(service->installApplication(file));
        } catch (const LaunchError& e) {
            return e.message();
        }
    });
    return landed(install,
                  [this, category](const std::variant<AppInfo, QString>& installed) {
                      if (const auto* reason = std::get_if<QString>(&installed)) {
                          m_pending.remove(category.target);
                          m_results.insert(category.target, ChangeResult::failed(*reason));
                          Q_EMIT pendingChanged();
                          Q_EMIT resultsChanged();
                          return QtFuture::makeReadyFuture();
                      }
                      const AppInfo app = std::get<AppInfo>(installed);
                      return landed(perform({{category.target, app.url}}), [this, category, app](const Results&) {
                          const auto it = m_results.find(category.target);
                          if (it == m_results.end())
                              return;
                          *it = it->withNote(tr("Added %1 to your applications").arg(app.name));
                          Q_EMIT resultsChanged();
                      });
                  })
        .unwrap();
}

template<typename F> void AppModel::resolveOpen(const Target& target, F stale)
{
    bool any = false;
    for (DefaultChange& c : m_guardState.history) {
        if (c.target == target && !c.resolved && c.handling == DefaultChange::Handling::none && stale(c)) {
            c.resolved = true;
            m_notifier->withdraw(c.id);
            any = true;
        }
    }
    if (any) {
        Q_EMIT guardStateChanged();
        saveGuard();
    }
}

QFuture<void> AppModel::revert(const QUuid& changeID)
{
    const auto it = std::find_if(m_guardState.history.cbegin(), m_guardState.history.cend(),
                                 [&](const DefaultChange& c) { return c.id == changeID; });
    // A stale notification's Revert, or a second press: a resolved change is done with.
    if (it == m_guardState.history.cend() || !it->from || it->resolved)
        return QtFuture::makeReadyFuture();
    const ChangeRequest request {it->target, it->from->url};
    // The previous application was removed: nothing can be put back, so no backup either.
    if (missingApp(request))
        return QtFuture::makeReadyFuture();
    autoBackup(BackupReason::beforeRevert(it->target));
    // Tracked like the batch itself, so that "not busy" means the change is marked resolved too.
    return landed(perform({request}), [this, changeID, target = it->target, opener = it->opener](const Results& results) {
        if (std::none_of(results.cbegin(), results.cend(), [](const ChangeResult& r) { return r.isSuccess(); })
            || stillDiffers(target, opener))
            return;
        // Every open row of the type is undone with it: a stale one's Revert would hand the type
        // to an earlier intruder.
        resolveOpen(target, [&](const DefaultChange& c) { return c.id != changeID; });
        markResolved(changeID);
    });
}

// Whether `opener` still starts another app than the default of `target`, as last read: an
// explicit default cannot settle every such difference, and a put-back that did not is none.
bool AppModel::stillDiffers(const Target& target, std::optional<Opener> opener) const
{
    if (!opener)
        return false;
    const QList<OpenerDifference> others = m_states.value(target).otherOpeners;
    return std::any_of(others.cbegin(), others.cend(), [&](const OpenerDifference& d) { return d.opener == *opener; });
}

// The Default Guard

void AppModel::startGuard()
{
    if (m_notices || !m_makeNotices)
        return;
    m_notices = m_makeNotices();
    if (!m_notices)
        return;
    connect(m_notices.get(), &WorkspaceNotices::applicationLaunchedOrQuit, this, [this] { checkSoon(false); });
    connect(m_notices.get(), &WorkspaceNotices::defaultsFilesChanged, this, [this] { checkSoon(true); });
    connect(m_notices.get(), &WorkspaceNotices::applicationStarted, this, [this](const QString& name) {
        const QDateTime now = m_clock->now();
        m_started.removeIf([&](const auto& s) { return s.first.secsTo(now) > kCulpritWindow; });
        m_started.append({now, name});
    });
    m_notices->start();
    restartGuard();
}

void AppModel::checkSoon(bool fileNotice)
{
    // A burst of file notices (one save touches a folder several times) shares one check.
    if (fileNotice) {
        if (m_fileCheckPending)
            return;
        m_fileCheckPending = true;
    }
    m_clock->after(kNoticeDelay, this, [this, fileNotice] {
        checkGuard();
        if (fileNotice) {
            m_fileCheckPending = false;
            // A list or an entry changed: the problems in them may have too.
            examineFiles();
        }
    });
}

void AppModel::restartGuard()
{
    if (m_cancelGuardTick) {
        m_cancelGuardTick();
        m_cancelGuardTick = nullptr;
    }
    ++m_guardGeneration;
    if (m_guardEnabled)
        scheduleGuardTick(m_guardGeneration);
}

void AppModel::scheduleGuardTick(quint64 generation)
{
    const double seconds = std::isfinite(m_guardInterval)
        ? std::clamp(m_guardInterval, kMinimumGuardInterval, kMaximumGuardInterval)
        : kMinimumGuardInterval;
    m_cancelGuardTick = m_clock->after(std::chrono::milliseconds(qint64(seconds * 1000)), this, [this, generation] {
        if (generation != m_guardGeneration)
            return;
        // The next wait starts once this check is done, as a sleeping loop would.
        // Tracked until the next wait is set, so "not busy" means the loop is waiting again.
        landed(checkGuard(), [this, generation] {
            if (generation == m_guardGeneration)
                scheduleGuardTick(generation);
        });
    });
}

QFuture<void> AppModel::checkGuard()
{
    const QList<Target> targets = watchedTargets();
    const auto service = m_service;
    const quint64 since = m_changeCount;
    const QDateTime readFrom = QDateTime::currentDateTimeUtc();
    // What other openers start is asked for pinned targets only: a new disagreement there is a
    // takeover, and elsewhere the rows show it when read.
    const QSet<Target> pinned = m_guardEnabled ? m_guardState.pinned : QSet<Target>();
    struct Look
    {
        QHash<Target, std::optional<AppInfo>> defaults;
        QHash<Target, QList<OpenerDifference>> openers;
    };
    auto read = [service, targets, pinned] {
        Look look;
        look.defaults.reserve(targets.size());
        for (const Target& t : targets) {
            look.defaults.insert(t, service->currentDefault(t));
            if (pinned.contains(t))
                look.openers.insert(t, service->otherOpeners(t));
        }
        return look;
    };
    auto land = [this, since, readFrom](Look look) {
        QFuture<void> naming = absorb(std::move(look.defaults), since, readFrom, std::move(look.openers));
        afterObservation();
        return naming;
    };
    if (m_inBackground)
        return land(read());
    return landed(QtConcurrent::task(std::move(read)).onThreadPool(m_readers).spawn(), std::move(land)).unwrap();
}

bool AppModel::changedSince(const Target& target, quint64 since) const
{
    return m_changedAt.value(target, 0) > since;
}

bool AppModel::isOurs(const Target& target, quint64 since) const
{
    return m_writing.contains(target) || changedSince(target, since);
}

QFuture<void> AppModel::absorb(QHash<Target, std::optional<AppInfo>> observed, quint64 since, const QDateTime& readFrom,
                               QHash<Target, QList<OpenerDifference>> openers)
{
    // What a change of ours is doing, or did after this observation was read, is not a
    // takeover: the batch itself sets the baseline of its targets.
    observed.removeIf([&](const auto& it) { return isOurs(it.key(), since); });
    const GuardState before = m_guardState;
    const QDateTime previousLook = m_guardState.lastLook;
    QList<DefaultChange> changes = m_guardState.absorb(observed, m_clock->now());
    // Other openers are weighed where the default itself stayed: a new default is one change.
    openers.removeIf([&](const auto& it) {
        return !observed.contains(it.key())
            || std::any_of(changes.cbegin(), changes.cend(), [&](const DefaultChange& c) { return c.target == it.key(); });
    });
    changes += m_guardState.absorbOpeners(openers, observed, m_clock->now());
    // Rows a later change made stale offer nothing any more.
    for (qsizetype i = 0; i < before.history.size(); ++i) {
        const DefaultChange& was = before.history[i];
        if (!was.resolved
            && std::any_of(m_guardState.history.cbegin(), m_guardState.history.cend(),
                           [&](const DefaultChange& c) { return c.id == was.id && c.resolved; }))
            m_notifier->withdraw(was.id);
    }
    QList<Target> changed;
    for (DefaultChange& c : changes) {
        changed.append(c.target);
        c.culprit = likelyCulprit(c, previousLook);
        if (DefaultChange* entry = findChange(c.id))
            entry->culprit = c.culprit;
        // The observed handler is known now (a backup taken next must see it); its candidates
        // follow with the re-read below. Another opener's change leaves the default as it was.
        if (const auto it = m_states.find(c.target); it != m_states.end() && !c.opener)
            it->current = c.to;
    }
    for (const DefaultChange& c : std::as_const(changes)) {
        if (!m_guardEnabled || !m_guardState.pinned.contains(c.target))
            continue;
        if (m_guardState.kept.contains(c.target))
            keep(c);
        else
            m_notifier->post(c);
    }
    QFuture<void> naming = QtFuture::makeReadyFuture();
    if (!changed.isEmpty()) {
        Q_EMIT statesChanged();
        reload(changed);
        if (previousLook.isValid())
            naming = noteChangedLists(changes, previousLook);
    }
    // Whole seconds, rounded down, as the file keeps it: the next process compares the same time.
    const QDateTime look = QDateTime::fromSecsSinceEpoch(readFrom.toSecsSinceEpoch(), QTimeZone::utc());
    if (!previousLook.isValid() || look > previousLook)
        m_guardState.lastLook = look;
    // A new look time alone is written with the next save or when the model closes: checks that
    // find nothing write no file.
    GuardState lookOnly = before;
    lookOnly.lastLook = m_guardState.lastLook;
    if (m_guardState != lookOnly) {
        Q_EMIT guardStateChanged();
        saveGuard();
    }
    return naming;
}

QFuture<void> AppModel::noteChangedLists(const QList<DefaultChange>& changes, const QDateTime& since)
{
    QList<std::pair<QUuid, Target>> wanted;
    for (const DefaultChange& c : changes)
        wanted.append({c.id, c.target});
    const auto service = m_service;
    auto finding = QtConcurrent::task([service, wanted, since] {
                       QHash<QUuid, QString> files;
                       for (const auto& [id, target] : wanted) {
                           const QString file = service->explain(target).listChangedSince(since);
                           if (!file.isEmpty())
                               files.insert(id, file);
                       }
                       return files;
                   })
                       .onThreadPool(m_readers)
                       .spawn();
    return landed(finding, [this](const QHash<QUuid, QString>& files) {
        bool found = false;
        for (DefaultChange& c : m_guardState.history) {
            if (const auto it = files.constFind(c.id); it != files.cend()) {
                c.file = *it;
                found = true;
            }
        }
        if (found) {
            Q_EMIT guardStateChanged();
            saveGuard();
        }
    });
}

std::optional<Culprit> AppModel::likelyCulprit(const DefaultChange& change, const QDateTime& since) const
{
    if (!change.to)
        return std::nullopt;
    const AppInfo& app = *change.to;
    const QFileInfo entry(app.url.toLocalFile());
    // The application that is the new default, started just before: the newest start counts.
    const QString desktopId = entry.completeBaseName();
    for (auto it = m_started.crbegin(); it != m_started.crend(); ++it) {
        const qint64 before = it->first.secsTo(change.detectedAt);
        const bool same = startedAs(it->second, desktopId) || (app.bundleID && startedAs(it->second, *app.bundleID));
        if (before >= 0 && before <= kCulpritWindow && same)
            return Culprit {app.name, Culprit::Reason::started, before};
    }
    // Its entry written since the guard last looked: installed or updated, and likely to have
    // claimed its types as it was.
    if (since.isValid() && !app.url.isEmpty() && entry.exists()) {
        const QDateTime written = entry.lastModified().toUTC();
        if (written > since)
            return Culprit {app.name, Culprit::Reason::installed,
                            std::max<qint64>(0, written.secsTo(QDateTime::currentDateTimeUtc()))};
    }
    return std::nullopt;
}

bool AppModel::missingApp(const ChangeRequest& request)
{
    if (m_service->fileExists(request.app))
        return false;
    // The outcome shows where the change was asked for, as a change's does.
    m_results.insert(request.target, ChangeResult::appMissing());
    Q_EMIT resultsChanged();
    return true;
}

DefaultChange* AppModel::findChange(const QUuid& changeID)
{
    for (DefaultChange& c : m_guardState.history) {
        if (c.id == changeID)
            return &c;
    }
    return nullptr;
}

void AppModel::keep(const DefaultChange& change)
{
    const QDateTime now = m_clock->now();
    const QList<DefaultChange>& history = m_guardState.history;
    const auto ofTarget = [&](const DefaultChange& c) { return c.target == change.target && c.id != change.id; };
    // A program that takes the type back at every put-back would fight for ever: after the third
    // takeover within a minute the guard stops and leaves it to the person, until they revert or
    // keep that change.
    const bool waiting = std::any_of(history.cbegin(), history.cend(), [&](const DefaultChange& c) {
        return ofTarget(c) && !c.resolved && c.handling == DefaultChange::Handling::stopped;
    });
    // Takeovers the guard answered by putting the type back; the first fight starts afresh.
    const qsizetype recent = 1 + std::count_if(history.cbegin(), history.cend(), [&](const DefaultChange& c) {
                                 return ofTarget(c) && c.handling == DefaultChange::Handling::putBack
                                     && c.detectedAt.secsTo(now) <= kCulpritWindow;
                             });
    const bool canPutBack = change.from && m_service->fileExists(change.from->url);
    if (waiting || !canPutBack) {
        m_notifier->post(change);
        return;
    }
    if (recent >= kWarTakeovers) {
        DefaultChange* entry = findChange(change.id);
        entry->handling = DefaultChange::Handling::stopped;
        m_notifier->post(*entry);
        Q_EMIT guardStateChanged();
        saveGuard();
        return;
    }
    // One backup a day before the guard changes defaults by itself, as before a revert.
    const QDate today = now.toTimeZone(m_clock->zone()).date();
    const bool firstToday = std::none_of(history.cbegin(), history.cend(), [&](const DefaultChange& c) {
        return c.handling != DefaultChange::Handling::none && c.handling != DefaultChange::Handling::stopped
            && c.detectedAt.toTimeZone(m_clock->zone()).date() == today;
    });
    if (firstToday)
        autoBackup(BackupReason::beforeRevert(change.target));
    const QUuid id = change.id;
    landed(perform({{change.target, change.from->url}}), [this, id](const Results& results) {
        DefaultChange* entry = findChange(id);
        if (!entry)
            return;
        if (std::any_of(results.cbegin(), results.cend(), [](const ChangeResult& r) { return r.isSuccess(); })
            && !stillDiffers(entry->target, entry->opener)) {
            entry->handling = DefaultChange::Handling::putBack;
            entry->resolved = true;
            Q_EMIT guardStateChanged();
            saveGuard();
        }
        m_notifier->post(*entry);
    });
}

QFuture<void> AppModel::allow(const QUuid& changeID)
{
    const DefaultChange* change = findChange(changeID);
    if (!change || change->handling != DefaultChange::Handling::putBack || !change->to)
        return QtFuture::makeReadyFuture();
    const ChangeRequest request {change->target, change->to->url};
    if (missingApp(request))
        return QtFuture::makeReadyFuture();
    return landed(perform({request}), [this, changeID](const Results& results) {
        DefaultChange* entry = findChange(changeID);
        if (!entry
            || std::none_of(results.cbegin(), results.cend(), [](const ChangeResult& r) { return r.isSuccess(); }))
            return;
        entry->handling = DefaultChange::Handling::allowed;
        m_notifier->withdraw(changeID);
        Q_EMIT guardStateChanged();
        saveGuard();
    });
}

void AppModel::setAlwaysKeep(const Target& target, bool keep)
{
    if (keep == m_guardState.kept.contains(target) && (!keep || m_guardState.pinned.contains(target)))
        return;
    if (keep) {
        if (!m_guardState.pinned.contains(target)) {
            m_guardState.pinned.insert(target);
            m_notifier->requestPermission();
        }
        m_guardState.kept.insert(target);
        // Kept from now on is what opens now: an open row's Revert would undo that choice.
        resolveOpen(target, [](const DefaultChange&) { return true; });
    } else {
        m_guardState.kept.remove(target);
    }
    Q_EMIT guardStateChanged();
    saveGuard();
}

void AppModel::afterObservation()
{
    const BackupTimes kept = keptBackups();
    if (!BackupHistory::isDailyDue(kept.times, m_clock->now(), m_clock->zone()))
        return;
    // On a day nothing changed, no backup is taken and the daily one stays due: each look would
    // otherwise read every backup to learn that the newest holds these defaults already.
    const Profile today = Profile::snapshot({}, Profile::Kind::snapshot, BackupReason::daily(), m_clock->now(),
                                            currentStates());
    if (!today.entries.isEmpty() && kept.newestDigest == BackupHistory::entriesDigest(today.entries))
        return;
    autoBackup(BackupReason::daily());
}

void AppModel::togglePin(const Target& target)
{
    if (m_guardState.pinned.contains(target)) {
        m_guardState.pinned.remove(target);
        m_guardState.kept.remove(target);
        m_guardState.openersSeen.remove(target);
    } else {
        m_guardState.pinned.insert(target);
        m_notifier->requestPermission();
        // What other openers start now is no takeover: only what differs after pinning is.
        if (const auto it = m_states.constFind(target); it != m_states.cend())
            m_guardState.acceptOpeners(target, it->otherOpeners);
    }
    Q_EMIT guardStateChanged();
    saveGuard();
}

void AppModel::markResolved(const QUuid& changeID)
{
    for (DefaultChange& c : m_guardState.history) {
        if (c.id == changeID) {
            c.resolved = true;
            m_notifier->withdraw(changeID);
            Q_EMIT guardStateChanged();
            saveGuard();
            return;
        }
    }
}

void AppModel::clearHistory()
{
    for (const DefaultChange& c : m_guardState.history) {
        if (!c.resolved)
            m_notifier->withdraw(c.id);
    }
    m_guardState.history.clear();
    Q_EMIT guardStateChanged();
    saveGuard();
}

// The user's types, profiles and backups

std::optional<Target> AppModel::addCustom(const QString& text)
{
    const auto target = Target::parse(text);
    if (!target)
        return std::nullopt;
    const QList<FileCategory> all = categories();
    if (std::none_of(all.cbegin(), all.cend(), [&](const FileCategory& c) { return c.target == *target; })) {
        m_customTargets.append(*target);
        Q_EMIT customTargetsChanged();
        saveCustom();
    }
    reload({*target});
    return target;
}

void AppModel::removeCustom(const Target& target)
{
    m_customTargets.removeAll(target);
    Q_EMIT customTargetsChanged();
    saveCustom();
}

QList<PlanStep> AppModel::plan(const Profile& profile) const
{
    return ProfilePlanner::plan(
        profile,
        [this](const Target& t) -> std::optional<AppInfo> {
            if (const auto it = m_states.constFind(t); it != m_states.cend() && it->current)
                return it->current;
            return m_service->currentDefault(t);
        },
        [this](const QString& name) { return m_service->locate(name); },
        [this](const Target& t) -> std::optional<QString> {
            if (const auto it = m_typeOf.constFind(t); it != m_typeOf.cend())
                return *it;
            return m_service->platformType(t);
        },
        [this](const Target& t, const AppInfo& app) { return m_service->isUsersChoice(t, app.url); });
}

QFuture<AppModel::Results> AppModel::apply(const Profile& profile)
{
    const QList<PlanStep> steps = plan(profile);
    QList<ChangeRequest> requests;
    QSet<Target> carried; // what the changes' bundles would move (the browser's pages)
    for (const PlanStep& step : steps) {
        if (step.kind != PlanStep::Case::change)
            continue;
        requests.append(step.request);
        for (const Target& t : step.target().linkedTargets())
            carried.insert(t);
    }
    // An entry of the run for a linked target that is already set stays set: it is asked for
    // explicitly, and an explicit request wins over the bundle.
    for (const PlanStep& step : steps) {
        if (requests.isEmpty() || step.kind != PlanStep::Case::alreadySet || !carried.contains(step.target()))
            continue;
        const auto state = m_states.constFind(step.target());
        const auto current
            = state != m_states.cend() && state->current ? state->current : m_service->currentDefault(step.target());
        if (current)
            requests.append({step.target(), current->url});
    }
    if (requests.isEmpty())
        return QtFuture::makeReadyFuture(Results());
    autoBackup(profile.kind == Profile::Kind::snapshot ? BackupReason::beforeRestore(profile.name)
                                                       : BackupReason::beforeProfile(profile.name),
               unlistedStates(requests));
    return perform(requests);
}

QList<TargetState> AppModel::unlistedStates(const QList<ChangeRequest>& requests) const
{
    // A change may name types no list holds: the backup before it keeps them too, or restoring
    // it could not put them back.
    QSet<Target> listed;
    for (const FileCategory& c : categories())
        listed.insert(c.target);
    QList<TargetState> unlisted;
    for (const ChangeRequest& r : requests) {
        if (!listed.contains(r.target))
            unlisted.append(withExactNames(m_service->state(r.target, false))); // a backup keeps defaults only
    }
    return unlisted;
}

void AppModel::backUpBefore(const QList<ChangeRequest>& requests)
{
    if (requests.isEmpty())
        return;
    QStringList targets;
    for (const ChangeRequest& r : requests)
        targets.append(r.target.id());
    // Named as a run of its own would be ("Before applying “Okular for .pdf”"): a stored reason
    // every version reads.
    const QString name = tr("%1 for %2").arg(m_service->appInfo(requests.first().app).name, targets.join(u", "_s));
    autoBackup(BackupReason::beforeProfile(name), unlistedStates(requests));
}

void AppModel::autoBackup(const BackupReason& reason, const QList<TargetState>& unlisted)
{
    if (!m_autoBackupEnabled || m_states.isEmpty())
        return;
    const QDateTime now = m_clock->now();
    const Profile snapshot = Profile::snapshot(DateText::backupName(now, m_clock->zone()), Profile::Kind::snapshot,
                                               reason, now, currentStates() + unlisted);
    if (!BackupHistory::isNew(snapshot, backups()))
        return;
    QList<Profile> next = userProfiles();
    next.append(snapshot);
    QList<Profile> snapshots;
    for (const Profile& p : next) {
        if (p.kind == Profile::Kind::snapshot)
            snapshots.append(p);
    }
    QSet<QString> keep;
    for (const Profile& p : BackupHistory::prune(snapshots, now))
        keep.insert(p.id);
    next.removeIf([&](const Profile& p) { return p.kind == Profile::Kind::snapshot && !keep.contains(p.id); });
    commitProfiles(std::move(next));
}

bool AppModel::saveCurrentAsProfile(const QString& name)
{
    const QDateTime now = m_clock->now();
    Profile profile = Profile::snapshot(name, Profile::Kind::custom, std::nullopt, now, currentStates());
    profile.summary = DateText::abbreviatedDate(now.toTimeZone(m_clock->zone()).date()) + u" \u00B7 "_s
        + QCoreApplication::translate("AppModel", "%n defaults", nullptr, int(profile.entries.size()));
    return commitProfiles(userProfiles() + QList<Profile> {profile});
}

bool AppModel::backUpNow()
{
    const QDateTime now = m_clock->now();
    return commitProfiles(
        userProfiles()
        + QList<Profile> {Profile::snapshot(DateText::backupName(now, m_clock->zone()), Profile::Kind::snapshot,
                                            BackupReason::manual(), now, currentStates())});
}

void AppModel::deleteProfile(const Profile& profile)
{
    QList<Profile> next = userProfiles();
    next.removeIf([&](const Profile& p) { return p.id == profile.id; });
    commitProfiles(std::move(next));
}

bool AppModel::putBackProfile(const Profile& profile, qsizetype at)
{
    QList<Profile> next = userProfiles();
    if (std::any_of(next.cbegin(), next.cend(), [&](const Profile& p) { return p.id == profile.id; }))
        return true;
    next.insert(std::clamp(at, qsizetype(0), next.size()), profile);
    return commitProfiles(std::move(next));
}

QString AppModel::alreadyThereText(const QStringList& names)
{
    QStringList quoted;
    for (const QString& name : names)
        quoted.append(u"\u201C"_s + name + u"\u201D"_s);
    return QCoreApplication::translate("AppModel", "Already there, not imported again: %1.").arg(quoted.join(u", "_s));
}

AppModel::ProfileImport AppModel::importProfiles(const QByteArray& data)
{
    // An export imported twice, or one's own profile imported back, is there already: the
    // same name and the same defaults.
    const auto same = [](const Profile& a, const Profile& b) {
        return a.name == b.name && a.symbol == b.symbol && a.entries == b.entries;
    };
    ProfileImport outcome;
    QList<Profile> next = userProfiles();
    for (const Profile& profile : ProfileExport::decode(data)) {
        if (std::any_of(next.cbegin(), next.cend(), [&](const Profile& p) { return same(p, profile); })) {
            outcome.alreadyThere.append(profile.name);
            continue;
        }
        next.append(profile);
        ++outcome.added;
    }
    if (outcome.added > 0 && !commitProfiles(std::move(next))) {
        throw StoreError(QCoreApplication::translate("AppModel",
                                                     "Importing these profiles would make your profiles file larger "
                                                     "than Openwright can read back (%1 MB). Nothing was imported; "
                                                     "delete some backups or profiles first.")
                             .arg(Json::kMaxDocumentBytes / (1024 * 1024)),
                         true);
    }
    return outcome;
}

AppModel::ProfileImport AppModel::importProfilesFrom(const QString& path)
{
    // Any path the user picks: a folder, a FIFO, a device or a huge file is refused before
    // reading, and nothing here can block.
    const FileRead read = readWholeFile(path, Json::kMaxDocumentBytes);
    if (!read.bytes)
        throw StoreError(read.problem);
    return importProfiles(*read.bytes);
}

std::optional<QString> AppModel::exportProfiles(const QList<Profile>& profiles, const QString& path) const
{
    if (profiles.isEmpty())
        return std::nullopt;
    try {
        writeAtomically(path, ProfileExport(profiles).encoded(), FileAccess::choices);
    } catch (const StoreError& e) {
        return e.message();
    }
    return std::nullopt;
}

} // namespace openwright
