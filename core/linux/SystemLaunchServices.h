// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "DesktopTerminal.h"
#include "Gio.h"
#include "LaunchServicing.h"

#include <QHash>
#include <QMutex>
#include <QReadWriteLock>

namespace openwright {

// Launch services over GIO and the freedesktop.org standards. Extensions resolve through the
// shared MIME database, schemes are "x-scheme-handler/SCHEME", applications are desktop
// entries (their file URL) and changes are written to the user's mimeapps.list, plus the
// user's desktop-specific list where that would otherwise outrank the change.
//
// Thread-safe. GIO rewrites mimeapps.list by read-modify-write, so concurrent changes would
// lose each other's updates: every write goes through one lock.
class SystemLaunchServices final : public LaunchServicing
{
public:
    SystemLaunchServices();

    std::optional<QUrl> defaultApp(const Target& target) const override;
    QList<QUrl> candidateApps(const Target& target) const override;
    QString setDefaultApp(const QUrl& app, const QList<Target>& targets) override;
    bool resetDefault(const QList<Target>& targets) override;
    Associations associations(const Target& target) const override;
    QString arrange(const QList<Target>& targets, Arrangement how, const QList<QUrl>& apps) override;
    bool hasUserChoice(const Target& target) const override;
    bool isUsersChoice(const Target& target, const QUrl& app) const override;
    std::optional<QString> realType(const QString& type) const override { return gio::databaseType(type); }
    std::optional<QString> fileType(const QUrl& file) const override;
    std::optional<QString> platformType(const Target& target) const override;
    QList<std::pair<QString, std::optional<QUrl>>> defaultsByType(const Target& target) const override;
    AppInfo appInfo(const QUrl& url) const override;
    std::optional<QUrl> locate(const QString& bundleID) const override;
    std::optional<QUrl> locateExact(const QString& name) const override;
    std::optional<QString> exactName(const QUrl& app) const override;
    std::optional<AppInfo> removedDefault(const Target& target) const override;
    std::optional<DefaultSource> source(const Target& target) const override;
    TargetReading read(const Target& target, bool candidates = true) const override;
    QList<QUrl> allApplications() const override;
    QStringList declaredTypes(const QUrl& app) const override;
    QString typeDescription(const QString& type) const override;
    QStringList knownTypes() const override;
    QHash<QString, QStringList> typePatterns() const override;
    bool inherits(const QString& type, const QString& parent) const override;
    QStringList subtypes(const QSet<QString>& types) const override;
    QString iconName(const QUrl& app) const override;
    DecisionChain explain(const Target& target) const override;
    QList<DecisionChain> explainEach(const Target& target) const override;
    QList<OpenerAnswer> openers(const QString& platformType, const QString& file = {}) const override;
    bool othersDecide() const override;
    ApplicationFile checkApplicationFile(const QUrl& file) const override;
    QUrl installApplication(const QUrl& file) override;
    // The lists' temporaries ("mimeapps.list.XXXXXX") that a write killed part-way left in
    // $XDG_CONFIG_HOME, once they are a minute old: a write of another program may be under way.
    void removeStaleTemporaries() override;
    void lookAhead() const override;
    std::optional<QByteArray> answersStamp() const override { return gio::answersStamp(); }
    std::optional<QByteArray> quickAnswersStamp() const override { return gio::quickAnswersStamp(); }

    // The MIME type a target is asked about by; nothing for an extension the system does not know.
    static std::optional<QString> contentType(const Target& target);
    // Every MIME type of the target's files, contentType() first (see gio::contentTypesForExtension).
    static QStringList contentTypes(const Target& target);
    // The desktop-file ID of an entry at `path` below an applications folder ("/" becomes "-"),
    // or its file name when it lies outside all of them (as GIO names it then).
    static QString desktopIdForPath(const QString& path, bool* installed = nullptr);

private:
    // Applications seen in GIO's answers, by path: reading one again costs no file access.
    struct Known
    {
        QString desktopId;
        QString identity; // canonical, see ApplicationIdentity
        QString name;
        QString icon;
        QStringList types;
        QUrl url;
    };
    QUrl remember(const gio::App& app) const;
    struct TypeDefaults;
    std::optional<QUrl> defaultApp(TypeDefaults& defaults) const;
    QList<std::pair<QString, std::optional<QUrl>>> defaultsByType(TypeDefaults& defaults) const;
    std::optional<AppInfo> removedDefault(TypeDefaults& defaults) const;
    static DecisionChain explain(const Target& target, const QString& type);
    // With `madeFor`, also those made for one of the types itself (see gio::isMadeFor).
    QList<QUrl> candidateApps(const QStringList& types, QList<QUrl>* madeFor = nullptr) const;
    // The terminal role's state, from one reading of its settings.
    TargetReading readRole(const DesktopTerminal::Reading& reading) const;
    void setTerminal(const QUrl& app);
    bool resetTerminal();
    // The user's desktop-specific lists that name another default for one of `types`, as
    // (list, type) pairs; nothing when one of them cannot be written.
    static std::optional<QList<std::pair<QString, QString>>> desktopOverrides(const QStringList& types,
                                                                              const QString& desktopFile);
    // Renames an unparseable user list to LIST.unreadable-N before a write; returns the note
    // for the user (empty when the list was fine). Throws when it cannot be kept aside.
    static QString keepUnreadableListAside(const QString& list, QString* keptAs);

    mutable QReadWriteLock m_knownLock;
    mutable QHash<QString, Known> m_known;
    QMutex m_writeLock;
};

} // namespace openwright
