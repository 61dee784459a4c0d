// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "ChangeResult.h"
#include "LaunchServicing.h"
#include "TargetState.h"

#include <QFuture>
#include <QHash>
#include <QSet>

#include <functional>
#include <memory>

namespace openwright {

// The core's single entry point for reading and changing defaults. Turns the platform's raw
// answers into TargetState records with a clean, ordered candidate list, and every attempted
// change into one ChangeResult decided by reading the default again. Never throws.
// Immutable after construction and safe to share between threads; the reads block on the
// platform, so the model calls them from background work. A batch in flight keeps what it
// needs alive by itself: the service may be destroyed, on any thread, while one runs.
class DefaultsService final
{
public:
    using FileExists = std::function<bool(const QUrl&)>;
    using Results = QHash<ChangeRequest, ChangeResult>;

    explicit DefaultsService(std::shared_ptr<LaunchServicing> launchServices, FileExists fileExists = {});

    // Without `candidates`, the state's candidates stay empty: what a change needs of the
    // targets it does not change, at the cost of asking for their defaults alone.
    TargetState state(const Target& target, bool candidates = true) const;
    std::optional<AppInfo> currentDefault(const Target& target) const;
    std::optional<DefaultSource> source(const Target& target) const;
    // The default of each of the target's types where they differ (see TargetState::byType).
    QList<TypeDefault> byType(const Target& target) const;
    // The default the user's settings name although it is no longer installed (see TargetState).
    std::optional<AppInfo> removedDefault(const Target& target) const
    {
        return m_launchServices->removedDefault(target);
    }
    // Blocks until the platform answers: call it off the GUI thread. A request without an
    // application resets the target: the user's own choice goes, and the system's stands. A
    // target with linked targets (the web browser) moves them with it, and is already the
    // default only when all of them name the application.
    ChangeResult change(const ChangeRequest& request) const;
    // What the system offers for the target, in its order (see Associations).
    Associations associations(const Target& target) const { return m_launchServices->associations(target); }
    // Changes the offer of the target, and of those that move with it; blocks. Changed, with a
    // note where the system does not follow all of it, or failed with the reason.
    ChangeResult arrange(const Target& target, Arrangement how, const QList<QUrl>& apps) const;
    // Runs the batch on worker threads, every request at once except those that write one
    // platform type, which run in list order. An explicit request for a linked target (.html
    // next to the browser) wins over the bundle. Each outcome is decided by what is set once
    // the whole batch is done; equal requests collapse into one entry.
    QFuture<Results> apply(const QList<ChangeRequest>& requests) const;

    static ChangeResult classify(const LaunchError& error, const std::optional<AppInfo>& after, const AppInfo& wanted);

    // The installed application a person means by `name`: the entry whose exact name it is
    // (a desktop-file ID), else the first entry of the identity it names.
    std::optional<LocatedApp> locate(const QString& name) const;
    // How a record names `app` so that it finds that very entry again (see LaunchServicing).
    std::optional<QString> exactName(const QUrl& app) const { return m_launchServices->exactName(app); }
    AppInfo appInfo(const QUrl& url) const { return m_launchServices->appInfo(url); }
    QString iconName(const QUrl& app) const { return m_launchServices->iconName(app); }
    ApplicationFile checkApplicationFile(const QUrl& file) const
    {
        return m_launchServices->checkApplicationFile(file);
    }
    // Blocks until the platform lists the copy; throws LaunchError with the reason.
    QUrl installApplication(const QUrl& file) const { return m_launchServices->installApplication(file); }
    // Every installed application a person would choose from, sorted by name. Blocks.
    QList<AppInfo> installedApplications() const;
    // The MIME types the application's entry declares, and a type's description (see LaunchServicing).
    QStringList declaredTypes(const QUrl& app) const { return m_launchServices->declaredTypes(app); }
    QString typeDescription(const QString& type) const { return m_launchServices->typeDescription(type); }
    QStringList knownTypes() const { return m_launchServices->knownTypes(); }
    QHash<QString, QStringList> typePatterns() const { return m_launchServices->typePatterns(); }
    bool inherits(const QString& type, const QString& parent) const
    {
        return m_launchServices->inherits(type, parent);
    }
    QStringList subtypes(const QSet<QString>& types) const { return m_launchServices->subtypes(types); }
    // The default as the platform names it, without reading the application: cheap to compare.
    std::optional<QUrl> defaultURL(const Target& target) const { return m_launchServices->defaultApp(target); }
    // See LaunchServicing: a type by its canonical name, a file's type, and whether the user's
    // own settings name an application. Each reads the platform.
    std::optional<QString> realType(const QString& type) const { return m_launchServices->realType(type); }
    std::optional<QString> fileType(const QUrl& file) const { return m_launchServices->fileType(file); }
    bool isUsersChoice(const Target& target, const QUrl& app) const
    {
        return m_launchServices->isUsersChoice(target, app);
    }
    // Why the target opens in the application it does; reads the platform, so off the GUI thread.
    DecisionChain explain(const Target& target) const { return m_launchServices->explain(target); }
    // One explanation for each type where the target's types may open apart (see LaunchServicing).
    QList<DecisionChain> explainEach(const Target& target) const { return m_launchServices->explainEach(target); }
    // The openers that would start something else for `target` than its default (see
    // TargetState::otherOpeners); `answers`, from openers(), when already read.
    QList<OpenerDifference> otherOpeners(const Target& target) const;
    QList<OpenerDifference> otherOpeners(const QList<OpenerAnswer>& answers) const;
    bool othersDecide() const { return m_launchServices->othersDecide(); }
    // See LaunchServicing::openers.
    QList<OpenerAnswer> openers(const QString& platformType, const QString& file = {}) const
    {
        return m_launchServices->openers(platformType, file);
    }
    void removeStaleTemporaries() const { m_launchServices->removeStaleTemporaries(); }
    // See LaunchServicing::lookAhead.
    void lookAhead() const { m_launchServices->lookAhead(); }
    // See LaunchServicing::answersStamp.
    std::optional<QByteArray> answersStamp() const { return m_launchServices->answersStamp(); }
    std::optional<QByteArray> quickAnswersStamp() const { return m_launchServices->quickAnswersStamp(); }
    bool fileExists(const QUrl& url) const { return m_fileExists(url); }
    std::optional<QString> platformType(const Target& target) const { return m_launchServices->platformType(target); }
    // The types a change of `target` writes: its own and its linked targets', each once.
    QSet<QString> writtenTypes(const Target& target) const;

    // Whether a file exists at the URL's local path (symlinks followed).
    static bool defaultFileExists(const QUrl& url);

private:
    QList<TypeDefault> byType(const QList<std::pair<QString, std::optional<QUrl>>>& defaults) const;

    std::shared_ptr<LaunchServicing> m_launchServices;
    FileExists m_fileExists;
};

} // namespace openwright
