// SPDX-License-Identifier: GPL-3.0-or-later
#include "SystemLaunchServices.h"

#include "ApplicationIdentity.h"
#include "DecisionReader.h"
#include "Gio.h"

#include <QDir>
#include <QFileInfo>
#include <QSaveFile>

#include <algorithm>

#include <unistd.h>

namespace openwright {

using namespace Qt::Literals::StringLiterals;

namespace {

QString fileNameWithoutSuffix(const QString& path)
{
    QString name = QFileInfo(path).fileName();
    if (name.endsWith(u".desktop"_s))
        name.chop(8);
    return name;
}

} // namespace

SystemLaunchServices::SystemLaunchServices() = default;

std::optional<QString> SystemLaunchServices::contentType(const Target& target)
{
    if (target.isScheme())
        return u"x-scheme-handler/"_s + target.payload();
    return gio::contentTypeForExtension(target.payload());
}

QString SystemLaunchServices::desktopIdForPath(const QString& path, bool* installed)
{
    const QString clean = QDir::cleanPath(path);
    for (const QString& dir : gio::applicationDirs()) {
        const QString prefix = QDir::cleanPath(dir) + u'/';
        if (clean.startsWith(prefix)) {
            if (installed)
                *installed = true;
            QString id = clean.mid(prefix.size()).replace(u'/', u'-');
            if (id.endsWith(u".desktop"_s))
                id.chop(8);
            return id;
        }
    }
    if (installed)
        *installed = false;
    return fileNameWithoutSuffix(clean);
}

QUrl SystemLaunchServices::remember(const gio::App& app) const
{
    {
        QReadLocker read(&m_knownLock);
        const auto it = m_known.constFind(app.path);
        if (it != m_known.cend() && it->desktopId == app.id && it->name == app.name && it->icon == app.icon)
            return it->url;
    }
    const QUrl url = QUrl::fromLocalFile(app.path);
    QWriteLocker write(&m_knownLock);
    m_known.insert(app.path, {app.id, ApplicationIdentity::canonical(app.id), app.name, app.icon, url});
    return url;
}

std::optional<QUrl> SystemLaunchServices::defaultApp(const Target& target) const
{
    const auto type = contentType(target);
    if (!type)
        return std::nullopt;
    const auto app = gio::defaultForType(*type);
    if (!app)
        return std::nullopt;
    return remember(*app);
}

QList<QUrl> SystemLaunchServices::candidateApps(const Target& target) const
{
    const auto type = contentType(target);
    if (!type)
        return {};
    QList<QUrl> urls;
    for (const gio::App& app : gio::allForType(*type))
        urls.append(remember(app));
    return urls;
}

AppInfo SystemLaunchServices::appInfo(const QUrl& url) const
{
    const QString path = url.toLocalFile();
    {
        QReadLocker read(&m_knownLock);
        const auto it = m_known.constFind(path);
        if (it != m_known.cend())
            return {url, it->identity, it->name};
    }
    return AppInfo::read(url);
}

QList<QUrl> SystemLaunchServices::allApplications() const
{
    QList<QUrl> urls;
    for (const gio::App& app : gio::allApplications())
        urls.append(remember(app));
    return urls;
}

QString SystemLaunchServices::iconName(const QUrl& app) const
{
    {
        QReadLocker read(&m_knownLock);
        const auto it = m_known.constFind(app.toLocalFile());
        if (it != m_known.cend())
            return it->icon;
    }
    return app.isLocalFile() ? gio::readDesktopEntry(app.toLocalFile()).icon : QString();
}

std::optional<QString> SystemLaunchServices::platformType(const Target& target) const
{
    return contentType(target);
}

DecisionChain SystemLaunchServices::explain(const Target& target) const
{
    if (const auto type = contentType(target))
        return gio::explain(target, *type);
    return LaunchServicing::explain(target);
}

std::optional<QUrl> SystemLaunchServices::locate(const QString& bundleID) const
{
    // The first entry of the identity in folder precedence (the user's own folder first),
    // whichever of its desktop-file IDs it has.
    const QStringList dirs = gio::applicationDirs();
    const auto rank = [&](const QString& path) {
        for (qsizetype i = 0; i < dirs.size(); ++i) {
            if (path.startsWith(QDir::cleanPath(dirs[i]) + u'/'))
                return i;
        }
        return dirs.size();
    };
    std::optional<gio::App> best;
    qsizetype bestRank = 0;
    for (const QString& id : ApplicationIdentity::desktopIdsFor(bundleID)) {
        const auto app = gio::appForId(id);
        if (!app)
            continue;
        const qsizetype r = rank(QDir::cleanPath(app->path));
        if (!best || r < bestRank) {
            best = app;
            bestRank = r;
        }
    }
    if (!best)
        return std::nullopt;
    return remember(*best);
}

namespace {

// A file's bytes before a change, to put back if the change fails part-way.
struct Snapshot
{
    QString path;
    std::optional<QByteArray> bytes; // absent: there was no file
};

Snapshot snapshotOf(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {path, std::nullopt};
    return {path, file.readAll()};
}

void restore(const Snapshot& snapshot)
{
    if (!snapshot.bytes) {
        QFile::remove(snapshot.path);
        return;
    }
    QSaveFile file(snapshot.path);
    if (file.open(QIODevice::WriteOnly) && file.write(*snapshot.bytes) == snapshot.bytes->size())
        file.commit();
}

LaunchError toLaunchError(const gio::Error& error)
{
    // Our own write failed (a read-only ~/.config, a full disk): a failure with the system's
    // reason, not an override that keeps the current application.
    return LaunchError::platform(error.domain, error.code, error.message,
                                 error.missing ? LaunchError::Meaning::appMissing : LaunchError::Meaning::other);
}

} // namespace

QString SystemLaunchServices::setDefaultApp(const QUrl& app, const QList<Target>& targets)
{
    if (targets.isEmpty())
        return {};
    if (!contentType(targets.first()))
        throw LaunchError::unknownType(targets.first().payload());

    // GIO accepts any entry and would leave a dangling line in mimeapps.list: only an entry
    // installed where the system finds it, and that GIO accepts, may become a default.
    const QString path = app.toLocalFile();
    bool installed = false;
    const QString id = desktopIdForPath(path, &installed);
    if (!app.isLocalFile() || !installed || !gio::appForId(id)) {
        throw LaunchError::platform(u"openwright"_s, 1,
                                    u"That application is not installed where the system finds it"_s,
                                    LaunchError::Meaning::appMissing);
    }
    QStringList types;
    for (const Target& t : targets) {
        const auto type = contentType(t);
        if (type && !types.contains(*type))
            types.append(*type);
    }
    const QString desktopFile = id + u".desktop"_s;

    QMutexLocker lock(&m_writeLock);
    const auto overrides = desktopOverrides(types, desktopFile);
    if (!overrides)
        return {}; // a list that cannot be written keeps one of the types: move none of them

    const QString userList = gio::userConfigDir() + u"/mimeapps.list"_s;
    QList<Snapshot> snapshots {snapshotOf(userList)};
    for (const auto& o : *overrides) {
        if (std::none_of(snapshots.cbegin(), snapshots.cend(), [&](const Snapshot& s) { return s.path == o.first; }))
            snapshots.append(snapshotOf(o.first));
    }
    QString keptAside;
    const QString note = keepUnreadableListAside(userList, &keptAside);

    std::optional<gio::Error> failure;
    for (const auto& [list, type] : *overrides) {
        // The desktop-specific list first: GIO's own write below then makes it re-read both.
        if ((failure = gio::setListedDefault(list, type, desktopFile)))
            break;
    }
    for (qsizetype i = 0; !failure && i < types.size(); ++i)
        failure = gio::setDefaultForType(id, types[i]);
    if (failure) {
        for (const Snapshot& snapshot : snapshots)
            restore(snapshot);
        if (!keptAside.isEmpty())
            QFile::remove(keptAside);
        throw toLaunchError(*failure);
    }
    return note;
}

std::optional<QList<std::pair<QString, QString>>> SystemLaunchServices::desktopOverrides(const QStringList& types,
                                                                                         const QString& desktopFile)
{
    // $XDG_CONFIG_HOME/DESKTOP-mimeapps.list outranks mimeapps.list for that desktop. Where it
    // names another default, the change must update it too, or it would not take effect.
    QList<std::pair<QString, QString>> overrides;
    for (const QString& desktop : gio::currentDesktops()) {
        const QFileInfo list(gio::userConfigDir() + u'/' + desktop + u"-mimeapps.list"_s);
        if (!list.exists())
            continue;
        const QString file = list.isSymLink() ? list.canonicalFilePath() : list.filePath();
        for (const QString& type : types) {
            const auto listed = gio::listedDefault(list.filePath(), type);
            if (!listed || *listed == desktopFile)
                continue;
            // A list made read-only (as configuration managers leave them) is the user's or
            // the administrator's choice: it keeps the current application.
            if (file.isEmpty() || ::access(QFile::encodeName(file).constData(), W_OK) != 0)
                return std::nullopt;
            overrides.append({file, type});
        }
    }
    return overrides;
}

QString SystemLaunchServices::keepUnreadableListAside(const QString& list, QString* keptAs)
{
    // GIO rewrites a list it cannot parse from empty, which would lose every default in it.
    // Anything but a file in its place makes GIO's write fail, and is left alone.
    if (!QFileInfo(list).isFile() || gio::listParses(list))
        return {};
    for (int n = 1; n < 100000; ++n) {
        const QString kept = list + u".unreadable-"_s + QString::number(n);
        if (QFileInfo::exists(kept))
            continue;
        if (!QFile::rename(list, kept))
            break;
        *keptAs = kept;
        return u"Your mimeapps.list could not be read, so it was kept as "_s + QFileInfo(kept).fileName();
    }
    throw LaunchError::platform(u"openwright"_s, 2,
                                u"Your mimeapps.list could not be read or kept aside, so nothing was changed"_s);
}

AppInfo AppInfo::read(const QUrl& url)
{
    const QString path = url.toLocalFile();
    const gio::DesktopEntry entry = url.isLocalFile() ? gio::readDesktopEntry(path) : gio::DesktopEntry {};
    if (!entry.readable)
        return {url, std::nullopt, fileNameWithoutSuffix(path.isEmpty() ? url.path() : path)};
    return {url, ApplicationIdentity::canonical(SystemLaunchServices::desktopIdForPath(path)),
            entry.name.value_or(fileNameWithoutSuffix(path))};
}

} // namespace openwright
