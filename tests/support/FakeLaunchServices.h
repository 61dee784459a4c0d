// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "LaunchServicing.h"

#include <QHash>
#include <QMutex>
#include <QSet>

#include <atomic>
#include <chrono>

namespace openwright::test {

// An in-memory platform: defaults, candidates and applications set by the test, with
// optional delays, errors, and changes that are accepted but do not move the default.
// Thread-safe, like the real one, and it counts what it was asked.
class FakeLaunchServices final : public LaunchServicing
{
public:
    // An application at /apps/NAME.desktop with the given identity (none when empty).
    AppInfo addApp(const QString& name, const QString& bundleID = {});
    AppInfo addApp(const AppInfo& app);
    void setDefault(const Target& target, const std::optional<AppInfo>& app);
    void setCandidates(const Target& target, const QList<AppInfo>& apps);
    void setCandidateUrls(const Target& target, const QList<QUrl>& urls);
    // The candidates made for the target's type, and where its answer comes from.
    void setRecommended(const Target& target, const QList<AppInfo>& apps);
    void setSource(const Target& target, DefaultSource source);
    // KDE programs start `app` for the target until a change writes its default explicitly.
    void setKdeOpens(const Target& target, const QUrl& app);
    // A default other openers disagree with was chosen by the system, not written by the user.
    bool isUsersChoice(const Target& target, const QUrl& app) const override
    {
        Q_UNUSED(app);
        QMutexLocker lock(&m_mutex);
        return !m_kde.contains(target);
    }
    bool othersDecide() const override
    {
        QMutexLocker lock(&m_mutex);
        return !m_kde.isEmpty();
    }
    QList<OpenerAnswer> openers(const QString& platformType, const QString& file = {}) const override;
    TargetReading read(const Target& target, bool candidates = true) const override;
    // The candidates are the offer, in order; a removal keeps the app aside, the default moving on.
    Associations associations(const Target& target) const override;
    QString arrange(const QList<Target>& targets, Arrangement how, const QList<QUrl>& apps) override;
    // Extensions the "system" does not know: reads answer nothing, changes raise unknownType.
    void setUnknown(const Target& target);
    // The next changes of `target` raise this error (after `movesAnyway` decides the default).
    void setError(const Target& target, const LaunchError& error, bool movesAnyway = false);
    // Changes of `target` are accepted but the default stays where it was.
    void setSticky(const Target& target);
    void setChangeDelay(std::chrono::milliseconds delay) { m_changeDelay = delay; }
    // The default moves at once and the call reports only after the delay.
    void setMovesBeforeReporting(bool early) { m_movesEarly = early; }
    // `target` shares its platform type (and so its default) with `like`, as .jpeg and .jpg do.
    void shareType(const Target& target, const Target& like);
    void setReadDelay(std::chrono::milliseconds delay) { m_readDelay = delay; }
    // The user's settings name `app` for `target` although it is gone; a change replaces it.
    void setRemovedDefault(const Target& target, const AppInfo& app);
    void removeApp(const QUrl& url);
    // The explanation of `target` decides by a line of `file` (none: by no list).
    void setDecidingList(const Target& target, const QString& file);
    // The type the "system" gives the file at `file` by its contents.
    void setFileType(const QUrl& file, const QString& type)
    {
        QMutexLocker lock(&m_mutex);
        m_fileTypes.insert(file, type);
    }
    std::optional<QString> fileType(const QUrl& file) const override
    {
        QMutexLocker lock(&m_mutex);
        const auto it = m_fileTypes.constFind(file);
        return it == m_fileTypes.cend() ? std::nullopt : std::optional(*it);
    }

    // What answersStamp() gives (none unless set): the kept states hold while it stays.
    void setAnswersStamp(const std::optional<QByteArray>& stamp)
    {
        QMutexLocker lock(&m_mutex);
        m_stamp = stamp;
    }
    std::optional<QByteArray> answersStamp() const override
    {
        QMutexLocker lock(&m_mutex);
        return m_stamp;
    }
    // What quickAnswersStamp() gives once set; until then, and after nullopt, answersStamp().
    void setQuickAnswersStamp(const std::optional<QByteArray>& stamp)
    {
        QMutexLocker lock(&m_mutex);
        m_quickStamp = stamp;
    }
    std::optional<QByteArray> quickAnswersStamp() const override
    {
        QMutexLocker lock(&m_mutex);
        return m_quickStamp ? m_quickStamp : m_stamp;
    }

    int setCalls() const { return m_setCalls; }
    int readCalls() const { return m_readCalls; }
    int maxInFlight() const { return m_maxInFlight; }

    std::optional<QUrl> defaultApp(const Target& target) const override;
    QList<QUrl> candidateApps(const Target& target) const override;
    QString setDefaultApp(const QUrl& app, const QList<Target>& targets) override;
    // Every default here is the user's choice; without it a type has none.
    bool resetDefault(const QList<Target>& targets) override;
    bool hasUserChoice(const Target& target) const override;
    std::optional<QString> platformType(const Target& target) const override;
    std::optional<AppInfo> removedDefault(const Target& target) const override;
    AppInfo appInfo(const QUrl& url) const override;
    std::optional<QUrl> locate(const QString& bundleID) const override;
    QList<QUrl> allApplications() const override;
    QString iconName(const QUrl& app) const override;
    DecisionChain explain(const Target& target) const override;
    void setIcon(const AppInfo& app, const QString& icon);
    // A type with no default of its own opens where `parent` does.
    void setParent(const QString& type, const QString& parent);
    bool inherits(const QString& type, const QString& parent) const override;
    QStringList subtypes(const QSet<QString>& types) const override;
    // Every MIME type the fake's tables name (defaults, parents, declared types), and the
    // "*.EXT" pattern of each extension given a MIME type.
    QStringList knownTypes() const override;
    QHash<QString, QStringList> typePatterns() const override;
    // The MIME types `app`'s entry declares.
    void setDeclared(const AppInfo& app, const QStringList& types);
    QStringList declaredTypes(const QUrl& app) const override;
    // A desktop entry outside the applications folders, as Browse… finds one: the application
    // it holds, or why it is none.
    void addLooseEntry(const QUrl& file, const QString& name, const QString& problem = {});
    ApplicationFile checkApplicationFile(const QUrl& file) const override;
    // Installs it as /apps/ID.desktop, replacing an application there.
    QUrl installApplication(const QUrl& file) override;

private:
    void readPause() const;
    QString typeOf(const Target& target) const { return m_typeOf.value(target, target.id()); }

    mutable QMutex m_mutex;
    QHash<QUrl, AppInfo> m_apps;
    QHash<QString, QUrl> m_defaults; // by platform type
    QHash<QString, AppInfo> m_removed; // by platform type
    QHash<Target, QString> m_typeOf;
    QHash<QUrl, QString> m_icons;
    QHash<QUrl, QStringList> m_declared;
    QHash<QString, QString> m_parents;
    QHash<QUrl, std::pair<QString, QString>> m_loose; // name, problem
    QHash<Target, QList<QUrl>> m_candidates;
    QHash<Target, QList<QUrl>> m_recommended;
    QHash<Target, QList<QUrl>> m_removedAssociations;
    QHash<Target, DefaultSource> m_sources;
    QHash<Target, QUrl> m_kde;
    QHash<Target, QString> m_decidingLists;
    QHash<QUrl, QString> m_fileTypes;
    std::optional<QByteArray> m_stamp, m_quickStamp;
    QSet<Target> m_unknown;
    QSet<Target> m_sticky;
    QHash<Target, std::pair<LaunchError, bool>> m_errors;
    std::chrono::milliseconds m_changeDelay {0};
    std::atomic<bool> m_movesEarly {false};
    std::chrono::milliseconds m_readDelay {0};
    std::atomic<int> m_setCalls {0};
    mutable std::atomic<int> m_readCalls {0};
    std::atomic<int> m_inFlight {0};
    std::atomic<int> m_maxInFlight {0};
};

} // namespace openwright::test
