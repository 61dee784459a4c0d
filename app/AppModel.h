// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "ApplicationIndex.h"
#include "Async.h"
#include "Catalog.h"
#include "DefaultsService.h"
#include "Doctor.h"
#include "GuardState.h"
#include "HealthReport.h"
#include "JSONStore.h"
#include "Profile.h"
#include "ProfilePlanner.h"
#include "SidebarItem.h"
#include "StateCache.h"
#include "TypeIndex.h"

#include <QFuture>
#include <QHash>
#include <QMap>
#include <QObject>
#include <QPointer>
#include <QPromise>
#include <QSet>
#include <QThreadPool>

#include <future>
#include <memory>
#include <optional>
#include <type_traits>

namespace openwright {

class Clock;
class Notifier;
class Settings;
class WorkspaceNotices;

// What the model is built with. Every field has a production default; tests replace them.
struct AppModelConfig
{
    QString dataDirectory; // default: JSONStoreFile::defaultDirectory()
    QString settingsPath; // default: Settings::defaultPath()
    Clock* clock = nullptr; // default: the system clock
    Notifier* notifier = nullptr; // default: Notifier::shared()
    // Makes the launch, quit and file notices when the guard starts; default: the platform's.
    std::function<std::unique_ptr<WorkspaceNotices>()> makeNotices;
    // What the doctor reads and asks; default: the user's folders and GIO.
    std::function<DoctorPaths()> doctorPaths;
    DoctorPlatform doctorPlatform;
    // Where the states last read are kept for the next start; default: $XDG_CACHE_HOME/Openwright.
    QString cacheDirectory;
};

// The one object that owns the running application's state: the defaults of every watched
// type, changes in flight and their outcomes, the user's types, profiles and backups, the
// guard. Screens read it and call its operations; every change notifies them through the
// signals below.
//
// Lives on the GUI thread and is touched nowhere else. Platform reads run on worker threads
// that capture only the service and the targets; their results come back to this thread.
// Operations that wait on the platform return a QFuture that finishes once their effects
// are applied here.
// The kept states of the last run and the quick answers stamp they are shown under, each read on
// a thread of its own from the moment the window's process starts: the first frame should wait
// for neither after the other. The full stamp, which looks at every entry and at 10,000
// applications costs as much as starting Qt, is taken by the first read after that frame, which
// replaces what it no longer vouches for. Safe to drop unread.
class KeptRead
{
public:
    KeptRead(std::shared_ptr<const DefaultsService> service, const QString& cachePath);
    std::optional<QByteArray> stamp() { return m_stamp.get(); }
    std::optional<StateSnapshot> snapshot() { return m_snapshot.get(); }

private:
    std::future<std::optional<QByteArray>> m_stamp;
    std::future<std::optional<StateSnapshot>> m_snapshot;
};

class AppModel final : public QObject
{
    Q_OBJECT

public:
    using Results = DefaultsService::Results;

    explicit AppModel(std::shared_ptr<DefaultsService> service, AppModelConfig config = {}, QObject* parent = nullptr);
    ~AppModel() override;

    // State
    const DefaultsService& service() const { return *m_service; }
    // The model's clock: what screens measure "5 minutes ago" and "today" against.
    QDateTime now() const;
    QTimeZone zone() const;
    const QHash<Target, TargetState>& states() const { return m_states; }
    // Whether a read found the system's type of `target` (an extension no installed MIME
    // description knows has none).
    bool knowsType(const Target& target) const { return m_typeOf.contains(target); }
    bool isLoading() const { return m_isLoading; }
    // Before the first refresh: takes the states the last run read from the platform while the
    // platform's quick answers stamp is as it was then, so the first window shows every default
    // at once. They may be wrong for that moment (an entry edited in place): the next refresh
    // proves them by the full stamp, replaces them and counts each one that the platform answers
    // differently (cacheDifferences). False when there is nothing kept under that stamp.
    // `ahead`, when given, holds both already on their way (keptStatesPath's file).
    bool showCachedStates(KeptRead* ahead = nullptr);
    // Every target the model reads: the catalog's and the user's own.
    QList<Target> watchedTargets() const;
    // The file of kept states of a model built without a cache folder of its own.
    static QString keptStatesPath();
    // How many states taken from the cache the platform has since answered differently.
    int cacheDifferences() const { return m_cacheDifferences; }
    // Where kept drawings and states live: the user's cache folder, or the one the config gave.
    QString cacheDirectory() const { return m_cacheDirectory; }
    // Whether any platform read or change started by the model has yet to land here.
    bool isBusy() const { return m_inFlight > 0; }
    // Finished once nothing is in flight: a put-back the guard started by itself has landed
    // and is recorded too. A command ends only then.
    QFuture<void> settled();
    const QSet<Target>& pending() const { return m_pending; }
    const QHash<Target, ChangeResult>& results() const { return m_results; }
    std::optional<SidebarItem> selection() const { return m_selection; }
    void setSelection(std::optional<SidebarItem> item);
    const QString& searchText() const { return m_searchText; }
    void setSearchText(const QString& text);
    std::optional<Target> inspected() const { return m_inspected; }
    void setInspected(std::optional<Target> target);
    const QList<Target>& customTargets() const { return m_customTargets; }
    // Read from disk when first asked for: a guard look needs only backupTimes().
    const QList<Profile>& userProfiles() const;
    const GuardState& guardState() const { return m_guardState; }
    bool guardEnabled() const { return m_guardEnabled; }
    void setGuardEnabled(bool enabled);
    double guardInterval() const { return m_guardInterval; }
    void setGuardInterval(double seconds);
    bool autoBackupEnabled() const { return m_autoBackupEnabled; }
    void setAutoBackupEnabled(bool enabled);
    // The main window's size and position, kept between runs.
    QByteArray windowGeometry() const;
    void setWindowGeometry(const QByteArray& geometry);
    // Why the last save of a data file failed, with the system's reason; empty once every file
    // saved again. Failed saves keep the value in memory and are retried at the next save.
    QString saveProblem() const { return m_saveProblems.isEmpty() ? QString() : m_saveProblems.first(); }
    // How many saves have failed since the model was made: compared before and after an
    // operation, it says whether the operation's own saves failed.
    quint64 failedSaves() const { return m_failedSaves; }

    // Derived, computed at every read
    QList<FileCategory> categories() const;
    QList<FileCategory> categories(CategoryGroup group) const;
    QList<FileCategory> searchResults() const;
    FileCategory category(const Target& target) const;
    HealthReport health() const;
    QList<Profile> profiles() const;
    QList<Profile> backups() const;
    // When each backup was taken, newest first: what the daily backup and the Overview's count
    // need, without reading every backup's defaults while the profiles file is as last seen.
    QList<QDateTime> backupTimes() const;
    struct BackupTimes
    {
        QList<QDateTime> times;
        QByteArray newestDigest;
    };
    QList<DefaultChange> unresolvedChanges() const;

    // Reading defaults
    // Every watched target afresh. The first after showCachedStates() asks only each default:
    // the applications able to open each type are kept too while the stamp they were kept under
    // holds (on a large desktop GIO's read of every entry is most of a start's time and memory).
    QFuture<void> refresh();
    // What a change of `changing` needs, read in a fraction of a refresh: every watched default
    // afresh (what the guard compares and a backup keeps), but the applications able to open a
    // target only for `changing` and what moves with them; the other targets keep the
    // candidates they had. The kept states, the index and the files' findings wait for the
    // next refresh.
    QFuture<void> refreshFor(const QList<Target>& changing);
    // Every watched default as a look of the guard and a backup need them: the kept states,
    // where nothing the system reads changed since they were kept (their stamp), else a read.
    // One command's look costs the stamp's walk, not a query per type.
    QFuture<void> refreshOrKept();
    QFuture<void> inspect(const QUrl& fileURL);
    // Why the target opens in the application it opens in, read off this thread.
    QFuture<DecisionChain> explain(const Target& target);
    // What the system offers for the target, in its order, read off this thread.
    QFuture<Associations> associations(const Target& target);

    // Applications, for the screens: the installed ones to choose from (read off this thread),
    // one read from its entry (a file chosen by the user), and an icon's theme name or path.
    QFuture<QList<AppInfo>> installedApplications();
    AppInfo applicationAt(const QUrl& url) const { return m_service->appInfo(url); }
    QString iconName(const AppInfo& app) const { return m_service->iconName(app.url); }
    // A desktop entry chosen from another folder: why it is no application, and whether adding
    // it would replace an installed entry of the same ID (see ApplicationFile).
    ApplicationFile checkApplicationFile(const QUrl& file) const { return m_service->checkApplicationFile(file); }

    // Choosing by application. The index is read once, off this thread, when first asked for
    // (and again at each refresh once read); changes keep its defaults current, so an
    // application's page is made from memory.
    const ApplicationIndex& applicationIndex() const { return m_applications; }
    QFuture<void> readApplications();
    // The application whose page the Applications screen shows; empty for none.
    QUrl selectedApplication() const { return m_selectedApplication; }
    void setSelectedApplication(const QUrl& app);
    // Installed applications whose name holds the search text, in the index's order.
    QList<InstalledApp> applicationResults() const;
    // Opens the page of `app`: the Applications screen, the search cleared.
    void openApplication(const QUrl& app);
    // A plan sheet's profile making `app` the default of what it declares in `family` (all
    // of it without one); nothing for an application the index does not hold.
    std::optional<Profile> useFor(const QUrl& app, std::optional<TypeFamily> family) const;
    // Makes `app` the default of one type it declares.
    QFuture<void> useForType(const QUrl& app, const DeclaredType& type);
    // Every type the system knows (the All Types list): read once, off this thread, when first
    // asked for, after the applications (and again at each refresh once read); changes keep
    // its defaults current.
    const TypeIndex& typeIndex() const { return m_types; }
    QFuture<void> readTypes();
    // Known types the catalog and the user's types do not list whose name, description,
    // patterns or application hold the search text.
    QList<KnownType> typeResults() const;
    // The type selected in the All Types list: watched while selected, as a listed type is, so
    // its state is read and kept current.
    std::optional<Target> selectedType() const { return m_selectedType; }
    void setSelectedType(std::optional<Target> target);
    // What the All Types list is filtered by, kept while another screen shows.
    const QString& typeFilter() const { return m_typeFilter; }
    void setTypeFilter(const QString& text) { m_typeFilter = text; }
    // Opens All Types, the search cleared: filtered by `filter`, with `type` selected if given.
    void openTypes(const QString& filter, std::optional<Target> type = std::nullopt);

    // Changing defaults
    QFuture<void> change(const FileCategory& category, const AppInfo& app);
    // Several changes as one batch ("set .png .jpg gimp" on the command line).
    QFuture<Results> change(const QList<ChangeRequest>& requests);
    // "Make every program agree": what GTK programs open each target of `among` (every listed
    // one when empty) with, where other openers differ (TargetState::otherOpeners), becomes its
    // explicit default, after one backup. A target whose types open apart keeps them apart.
    QFuture<Results> makeOpenersAgree(const QList<Target>& among = {});
    // A type that no change asked for but that moved with one: a subtype opening where its
    // parent does (text/x-kotlin with text/plain).
    struct MovedAlong
    {
        Target target;
        std::optional<AppInfo> from;
        std::optional<AppInfo> to;
        std::optional<DefaultSource> source; // where its answer now comes from, when read
    };
    // The types moved along since the last call, oldest first; a command prints them.
    QList<MovedAlong> takeMovedAlong() { return std::exchange(m_movedAlong, {}); }
    // Puts each target back to what the system chooses by itself: the user's own choice of it
    // goes (see DefaultsService::change). Backs up the defaults first.
    QFuture<Results> reset(const QList<Target>& targets);
    // Changes what the system offers for the target (an order, a removal, a removal undone; see
    // DefaultsService::arrange), as a change of its own: backed up first, and the guard takes
    // the default it leaves.
    QFuture<ChangeResult> arrange(const Target& target, Arrangement how, const QList<QUrl>& apps);
    // Installs a copy of the entry at `file` among the user's applications (replacing one of the
    // same ID) and makes it the default of `category`; the outcome says it was added. An entry
    // that cannot be added fails the change with the reason.
    QFuture<void> addAndChange(const FileCategory& category, const QUrl& file);
    QFuture<void> revert(const QUuid& changeID);

    // The Default Guard
    void startGuard();
    QFuture<void> checkGuard();
    // Whether no window of the program is on screen. The guard's checks then read on this thread,
    // a few milliseconds nobody waits for: handing the read to a reader and the answer back
    // would wake two threads where one suffices, every check, all day.
    void setInBackground(bool background) { m_inBackground = background; }
    void togglePin(const Target& target);
    // "Always keep": a kept type is put back at once when another program takes it over. Keeping
    // pins the type; unpinning it ends keeping too.
    void setAlwaysKeep(const Target& target, bool keep);
    // Accepts, after all, the application the guard put a kept type back from.
    QFuture<void> allow(const QUuid& changeID);
    void markResolved(const QUuid& changeID);
    void clearHistory();

    // The doctor: problems in the user's defaults files, found off this thread after every
    // refresh, and their clean-up (a backup first; each changed file copied beside itself).
    const QList<DoctorFinding>& doctorFindings() const { return m_findings; }
    // The findings that count as problems (a managed list is only explained).
    int defaultsFileProblems() const;
    QFuture<void> examineFiles();
    QFuture<CleanUpOutcome> cleanUp(const QList<DoctorFinding>& selected);

    // The user's types, profiles and backups
    std::optional<Target> addCustom(const QString& text);
    void removeCustom(const Target& target);
    QList<PlanStep> plan(const Profile& profile) const;
    QFuture<Results> apply(const Profile& profile);
    // Both return false, changing nothing, when the profiles file would grow beyond what
    // Openwright can read back (see Json::kMaxDocumentBytes).
    bool saveCurrentAsProfile(const QString& name);
    bool backUpNow();
    void deleteProfile(const Profile& profile);
    // Puts a deleted profile of the user's back where it was (the Undo of a delete); false when
    // it could not be stored.
    bool putBackProfile(const Profile& profile, qsizetype at);
    struct ProfileImport
    {
        int added = 0;
        // The names of the profiles in the file that the user already has, same name and
        // defaults: not added twice.
        QStringList alreadyThere;
    };
    // "Already there, not imported again: “Mine”." for the profiles an import left out.
    static QString alreadyThereText(const QStringList& names);
    // Adds the file's profiles the user does not have yet. Throws DecodeError for a file that
    // is not a profile export, and StoreError when the profiles would grow too large to read
    // back; nothing is added then.
    ProfileImport importProfiles(const QByteArray& data);
    // The same for the file at `path`, read here (refused, as StoreError with the reason, when
    // it is not a readable regular file or larger than a profiles file may be).
    ProfileImport importProfilesFrom(const QString& path);
    // Writes an export file of `profiles` to `path`, atomically: a failed write leaves what was
    // there before. Returns the system's reason on failure.
    std::optional<QString> exportProfiles(const QList<Profile>& profiles, const QString& path) const;

Q_SIGNALS:
    void statesChanged();
    void loadingChanged();
    void pendingChanged();
    void resultsChanged();
    void selectionChanged();
    void searchTextChanged();
    void inspectedChanged();
    void customTargetsChanged();
    void userProfilesChanged();
    void guardStateChanged();
    void settingsChanged();
    void saveProblemChanged();
    void doctorChanged();
    void applicationsChanged();
    void typesChanged();
    // openTypes() asked All Types for another filter or type.
    void typesOpened();
    void selectedApplicationChanged();
    // A notification was opened: the shell brings the main window to the front.
    void activationRequested();

private:
    // States read off the GUI thread, with the platform type behind each target.
    struct Reading
    {
        QList<TargetState> states;
        QHash<Target, QString> types;
        std::optional<QByteArray> stamp; // taken before the states were read, if asked for
        std::optional<QByteArray> quickStamp; // taken before `stamp`
    };

    // Keeps the index's defaults current after a batch re-read `states`.
    void noteApplicationDefaults(const QHash<Target, TargetState>& states);
    void noteMovedAlong(const QList<MovedAlong>& moved);
    void rereadIndexes();
    // One read of the type index, and another if readTypes() was asked again meanwhile.
    QFuture<void> readTypesOnce();
    // Targets a batch writes: the requested ones, their linked ones, and every watched target
    // of a platform type they write (.jpeg moves with .jpg).
    QList<Target> affectedBy(const QList<ChangeRequest>& requests) const;
    // The states of every listed type as profiles and backups record them: each default by the
    // name that finds that very entry again.
    QList<TargetState> currentStates() const;
    // `state` with each of its applications named as a record names them (see currentStates).
    TargetState withExactNames(TargetState state) const;
    QFuture<Results> perform(const QList<ChangeRequest>& requests);
    // The states of every watched target in `snapshot`, taken while its stamp (or the stamp
    // `kind`) was `stamp`; none when it is another or lacks one of them.
    std::optional<QHash<Target, TargetState>> keptWatched(std::optional<StateSnapshot> snapshot,
                                                          const std::optional<QByteArray>& stamp,
                                                          QByteArray StateSnapshot::*kind = &StateSnapshot::stamp);
    QFuture<Results> agreeRound(const QList<Target>& targets, std::shared_ptr<Results> done, int round);
    // A change of ours starts writing `targets`: a check meanwhile does not count them as taken over.
    void beginOwnChange(const QList<Target>& targets);
    // It landed: `targets` are no longer in flight, and each re-read in `states` takes what is set
    // now as its baseline and shown state (a `requested` one also when not shown yet).
    void endOwnChange(const QList<Target>& targets, const QHash<Target, TargetState>& states,
                      const QSet<Target>& requested = {});
    // `full`: the targets read with their candidates; all of them when absent. `halves`: read
    // on two threads, for a command that waits for them.
    QFuture<Reading> readStates(const QList<Target>& targets, bool stamped = false,
                                std::optional<QSet<Target>> full = std::nullopt, bool halves = false);
    // Takes a reading's states as shown, and returns the defaults it observed. A target changed
    // since `since` keeps its state; one outside `full` (when given) keeps its candidates.
    QHash<Target, std::optional<AppInfo>> takeStates(const Reading& reading, quint64 since,
                                                     const std::optional<QSet<Target>>& full);
    // Counts and logs the cached states the platform answers differently, and keeps this
    // reading for the next start.
    void settleCache(const Reading& reading, quint64 since);
    // refresh(), keeping the cached states' applications when `keptApplications` and the
    // desktop is unchanged since they were kept.
    QFuture<void> read(bool keptApplications);
    // A full read makes and drops a great deal (GIO loads every candidate's entry afresh, the
    // doctor reads every list and entry): the allocator keeps what was freed in each thread's
    // heap, megabytes on a large desktop, unless it is handed back. Call once the read's own
    // data is gone.
    static void returnFreedMemory();
    void learnTypes(const QHash<Target, QString>& types);
    // Reads the full state of `targets` off this thread and stores them here.
    QFuture<void> reload(const QList<Target>& targets);
    // `since` is the change count when the observation began (see m_changeCount); `readFrom`
    // the wall-clock time it began, compared with the lists' modification times. The future
    // finishes once the lists behind the changes found are named.
    // What other openers start for each pinned target of `reading`, for absorb.
    QHash<Target, QList<OpenerDifference>> pinnedOpeners(const Reading& reading) const;
    bool stillDiffers(const Target& target, std::optional<Opener> opener) const;
    QFuture<void> absorb(QHash<Target, std::optional<AppInfo>> observed, quint64 since, const QDateTime& readFrom,
                         QHash<Target, QList<OpenerDifference>> openers = {});
    // Finds, off this thread, the list whose edit made each change, and records it.
    QFuture<void> noteChangedLists(const QList<DefaultChange>& changes, const QDateTime& since);
    // Names the program that most likely made `change` (see Culprit); `since` is the last look.
    std::optional<Culprit> likelyCulprit(const DefaultChange& change, const QDateTime& since) const;
    // For a kept type: puts the previous application back, or stops after a write war.
    void keep(const DefaultChange& change);
    DefaultChange* findChange(const QUuid& changeID);
    // When the request's application is gone: records that as the target's outcome.
    bool missingApp(const ChangeRequest& request);
    bool changedSince(const Target& target, quint64 since) const;
    bool isOurs(const Target& target, quint64 since) const;
    void afterObservation();
    void restartGuard();
    void scheduleGuardTick(quint64 generation);
    void checkSoon(bool fileNotice);
    // `unlisted`: states of types no list holds that the backup must keep too.
    void autoBackup(const BackupReason& reason, const QList<TargetState>& unlisted = {});
    QFuture<CleanUpOutcome> cleanUpRead(const QList<DoctorFinding>& selected);
    void saveGuard();
    void saveCustom();
    // Keeps when each loaded backup was taken beside the cache, under the profiles file's
    // `stamp`, for backupTimes() in later runs.
    void keepBackupTimes(const QByteArray& stamp) const;
    static void keepBackupTimes(const QString& path, const QByteArray& stamp, const QList<Profile>& profiles);
    // backupTimes() and the entriesDigest() of the newest backup (empty without one), from one
    // read of what is kept.
    BackupTimes keptBackups() const;
    // Saves `next` as the profiles file and adopts it; refuses (false) a list too large to load.
    bool commitProfiles(QList<Profile> next);
    // Starts reading the profiles file beside the defaults, for userProfiles() to take.
    void readProfilesAhead();
    // Saves through `store`, noting a failure; false only when the value was too large to write.
    template<typename T> bool save(JSONStore<T>& store, const T& value);
    // Runs `fn` on this thread once `future` finishes (see continueOn), counting the work in
    // flight until `fn` has run: isBusy() then says whether anything is still to land.
    template<typename T, typename F> auto landed(QFuture<T> future, F fn);
    void landedOne();
    // A backup of the defaults before a change by the person (and of the types it names that no
    // list holds), unless one already holds them.
    void backUpBefore(const QList<ChangeRequest>& requests);
    QList<TargetState> unlistedStates(const QList<ChangeRequest>& requests) const;
    // Marks the open (unanswered) rows of `target` for which `stale` holds as resolved.
    template<typename F> void resolveOpen(const Target& target, F stale);

    std::shared_ptr<DefaultsService> m_service;
    std::unique_ptr<Clock> m_ownClock;
    Clock* m_clock;
    Notifier* m_notifier;
    std::unique_ptr<Settings> m_settings;
    std::function<std::unique_ptr<WorkspaceNotices>()> m_makeNotices;
    std::function<DoctorPaths()> m_doctorPaths;
    DoctorPlatform m_doctorPlatform;
    QList<DoctorFinding> m_findings;

    QHash<Target, TargetState> m_states;
    bool m_isLoading = false;
    int m_refreshesRunning = 0;
    QSet<Target> m_pending;
    QHash<Target, ChangeResult> m_results;
    std::optional<SidebarItem> m_selection = SidebarItem::overview();
    QString m_searchText;
    std::optional<Target> m_inspected;
    std::optional<Target> m_selectedType;
    QString m_typeFilter;
    QList<Target> m_customTargets;
    mutable std::optional<QList<Profile>> m_userProfiles;
    // Of readProfilesAhead(); the store is the reader's until userProfiles() takes this.
    mutable QFuture<QList<Profile>> m_profilesAhead;
    GuardState m_guardState;
    bool m_guardEnabled = true;
    double m_guardInterval = 60;
    bool m_inBackground = false;
    bool m_autoBackupEnabled = true;

    JSONStore<QList<Target>> m_customStore;
    mutable JSONStore<QList<Profile>> m_profileStore;
    JSONStore<GuardState> m_guardStore;
    QDateTime m_savedLook; // the look time guard.json holds

    std::unique_ptr<WorkspaceNotices> m_notices;
    quint64 m_guardGeneration = 0;
    std::function<void()> m_cancelGuardTick;
    bool m_fileCheckPending = false;
    // Applications started lately (as the notices name them), for naming culprits.
    QList<std::pair<QDateTime, QString>> m_started;
    int m_inFlight = 0;
    QList<std::shared_ptr<QPromise<void>>> m_settling;
    QList<MovedAlong> m_movedAlong;
    // Observations read while one of our own changes was in flight are stale for its targets:
    // each completed batch stamps its targets, and older observations of them are ignored.
    quint64 m_changeCount = 0;
    QHash<Target, quint64> m_changedAt;
    // Targets a batch in flight may be writing, counted per batch.
    QHash<Target, int> m_writing;
    // The platform type of each target read so far; no GIO call on the GUI thread needed.
    QHash<Target, QString> m_typeOf;
    ApplicationIndex m_applications;
    TypeIndex m_types;
    QFuture<void> m_typesReading;
    quint64 m_typesAsked = 0; // readTypes() calls, to tell a read that landed too early
    QFuture<void> m_applicationsReading; // the read under way, if any
    QUrl m_selectedApplication;
    QString m_cacheDirectory;
    QString m_cachePath;
    QHash<Target, TargetState> m_cached; // shown from the cache, not yet read from the platform
    QByteArray m_cachedStamp; // of the cache file as last read or written
    int m_cacheDifferences = 0;
    QMap<QString, QString> m_saveProblems; // by file
    quint64 m_failedSaves = 0;
    QThreadPool m_readers;
    QThreadPool m_changes; // one thread: batches run in the order they were asked for
};

template<typename T, typename F> auto AppModel::landed(QFuture<T> future, F fn)
{
    ++m_inFlight;
    return continueOn(this, future, [this, fn = std::move(fn)](auto&&... value) mutable {
        struct Landing
        {
            AppModel* model;
            ~Landing() { model->landedOne(); }
        } landing {this};
        return fn(std::forward<decltype(value)>(value)...);
    });
}

} // namespace openwright
