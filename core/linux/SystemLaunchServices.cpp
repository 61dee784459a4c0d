// SPDX-License-Identifier: GPL-3.0-or-later
#include "SystemLaunchServices.h"

#include "ApplicationIdentity.h"
#include "DecisionReader.h"
#include "Gio.h"

#include <QDir>
#include <QFileInfo>

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

QUrl SystemLaunchServices::remember(const QString& path, const QString& id, const QString& name) const
{
    {
        QReadLocker read(&m_knownLock);
        const auto it = m_known.constFind(path);
        if (it != m_known.cend() && it->desktopId == id && it->name == name)
            return it->url;
    }
    const QUrl url = QUrl::fromLocalFile(path);
    QWriteLocker write(&m_knownLock);
    m_known.insert(path, {id, ApplicationIdentity::canonical(id), name, url});
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
    return remember(app->path, app->id, app->name);
}

QList<QUrl> SystemLaunchServices::candidateApps(const Target& target) const
{
    const auto type = contentType(target);
    if (!type)
        return {};
    QList<QUrl> urls;
    for (const gio::App& app : gio::allForType(*type))
        urls.append(remember(app.path, app.id, app.name));
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

std::optional<QUrl> SystemLaunchServices::locate(const QString& bundleID) const
{
    for (const QString& id : ApplicationIdentity::desktopIdsFor(bundleID)) {
        if (const auto app = gio::appForId(id))
            return remember(app->path, app->id, app->name);
    }
    return std::nullopt;
}

DecisionChain SystemLaunchServices::explain(const Target& target) const
{
    if (const auto type = contentType(target))
        return gio::explain(target, *type);
    return LaunchServicing::explain(target);
}

void SystemLaunchServices::setDefaultApp(const QUrl& app, const Target& target)
{
    const auto type = contentType(target);
    if (!type)
        throw LaunchError::unknownType(target.payload());

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

    // The web browser is one setting: links, secure links and pages move together.
    QStringList types {*type};
    for (const Target& linked : target.linkedTargets()) {
        const auto t = contentType(linked);
        if (t && !types.contains(*t))
            types.append(*t);
    }

    QMutexLocker lock(&m_writeLock);
    std::optional<gio::Error> first;
    for (const QString& t : types) {
        // The desktop-specific list first: GIO's own write below then makes it re-read both.
        overrideDesktopLists(t, id + u".desktop"_s);
        if (auto error = gio::setDefaultForType(id, t); error && !first)
            first = std::move(error);
    }
    if (first) {
        const auto meaning = first->missing ? LaunchError::Meaning::appMissing
            : first->permissionDenied       ? LaunchError::Meaning::refused
                                            : LaunchError::Meaning::other;
        throw LaunchError::platform(first->domain, first->code, first->message, meaning);
    }
}

void SystemLaunchServices::overrideDesktopLists(const QString& contentType, const QString& desktopFile) const
{
    // $XDG_CONFIG_HOME/DESKTOP-mimeapps.list outranks mimeapps.list for that desktop. Where it
    // names another default, the change must update it too, or it would not take effect.
    const QStringList desktops = qEnvironmentVariable("XDG_CURRENT_DESKTOP").toLower().split(u':', Qt::SkipEmptyParts);
    for (const QString& desktop : desktops) {
        const QFileInfo list(gio::userConfigDir() + u'/' + desktop + u"-mimeapps.list"_s);
        if (!list.exists())
            continue;
        const auto listed = gio::listedDefault(list.filePath(), contentType);
        if (!listed || *listed == desktopFile)
            continue;
        // A list made read-only (as configuration managers leave them) is the user's or the
        // administrator's choice: leave it, and the re-read reports the change as declined.
        const QString target = list.isSymLink() ? list.canonicalFilePath() : list.filePath();
        if (target.isEmpty() || ::access(QFile::encodeName(target).constData(), W_OK) != 0)
            continue;
        gio::setListedDefault(target, contentType, desktopFile);
    }
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
