// SPDX-License-Identifier: GPL-3.0-or-later
#include "SystemLaunchServices.h"

#include "ApplicationIdentity.h"
#include "DecisionReader.h"
#include "Openers.h"
#include "DesktopBrowser.h"
#include "DesktopTerminal.h"
#include "Gio.h"
#include "JSONStore.h"
#include "MimeLists.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDeadlineTimer>
#include <QDir>
#include <QFileInfo>

#include <algorithm>

#include <cerrno>
#include <cstdio>

#include <dirent.h>
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

// The entries a list names for the type, in the order the system tries them: its lines for the
// type and its aliases, in file order.
QStringList listedFor(const QString& list, const QString& type)
{
    QStringList listed;
    for (const gio::ListedDefault& line : gio::listedDefaults(list, type))
        listed += line.desktopFiles;
    return listed;
}

bool isWebLink(const QString& type)
{
    return type == u"x-scheme-handler/http" || type == u"x-scheme-handler/https";
}

// On a desktop that keeps a browser setting of its own, what it names for web links.
std::optional<DesktopBrowser> desktopBrowserFor(const QString& type)
{
    if (!isWebLink(type))
        return std::nullopt;
    auto setting = DesktopBrowser::current();
    if (!setting || setting->value.isEmpty())
        return std::nullopt;
    return setting;
}

} // namespace

SystemLaunchServices::SystemLaunchServices() = default;

std::optional<QString> SystemLaunchServices::contentType(const Target& target)
{
    if (target.isScheme())
        return u"x-scheme-handler/"_s + target.payload();
    if (target.isMimeType())
        return target.payload();
    return gio::contentTypeForExtension(target.payload());
}

QStringList SystemLaunchServices::contentTypes(const Target& target)
{
    if (target.isScheme())
        return {u"x-scheme-handler/"_s + target.payload()};
    if (target.isMimeType())
        return {target.payload()};
    return gio::contentTypesForExtension(target.payload());
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
        if (it != m_known.cend() && it->desktopId == app.id && it->name == app.name && it->icon == app.icon
            && it->types == app.types)
            return it->url;
    }
    const QUrl url = QUrl::fromLocalFile(app.path);
    QWriteLocker write(&m_knownLock);
    m_known.insert(app.path, {app.id, ApplicationIdentity::canonical(app.id), app.name, app.icon, app.types, url});
    return url;
}

namespace {

// The types a change of the target also writes (the browser's https, pages, about: and
// unknown:), leaving out `own`: each once.
QStringList linkedTypes(const Target& target, const QStringList& own)
{
    QStringList types;
    for (const Target& linked : target.linkedTargets()) {
        const auto type = SystemLaunchServices::contentType(linked);
        if (type && !own.contains(*type) && !types.contains(*type))
            types.append(*type);
    }
    return types;
}

} // namespace

// The defaults of a target's types, of the types that move with it, and the desktop's own
// browser setting, each asked for once and only when first needed: one state's several
// answers share them.
struct SystemLaunchServices::TypeDefaults
{
    explicit TypeDefaults(const Target& target)
        : types(contentTypes(target))
        , linked(linkedTypes(target, types))
        , defaults(types.size() + linked.size())
    {
    }
    // The default of types[i], or of linked[i - types.size()].
    const std::optional<gio::App>& at(qsizetype i)
    {
        if (!defaults[i])
            defaults[i] = gio::defaultForType(i < types.size() ? types[i] : linked[i - types.size()]);
        return *defaults[i];
    }
    // The default of linked[j] where it is the type's own: named for it in the user's lists (as
    // browsers and xdg-mime leave them) or an application that declares it. A type that only
    // falls back to a parent type's application (XHTML to a text editor) is no browser's.
    const std::optional<gio::App>& linkedAt(qsizetype j)
    {
        static const std::optional<gio::App> none;
        const auto& app = at(types.size() + j);
        // A link type has no parent to fall back on: whatever opens it was chosen for it.
        if (!app || app->types.contains(linked[j]) || linked[j].startsWith(u"x-scheme-handler/"_s))
            return app;
        // Any list the system reads, the administrator's too, makes it the type's own.
        const QString desktopFile = app->id + u".desktop"_s;
        QStringList lists = gio::userLists();
        const QStringList desktops = lists.first(lists.size() - 1);
        QStringList folders = gio::configDirs().mid(1) + gio::applicationDirs();
        for (const QString& folder : std::as_const(folders)) {
            for (const QString& desktopList : desktops)
                lists.append(folder + u'/' + QFileInfo(desktopList).fileName());
            lists.append(folder + u"/mimeapps.list"_s);
        }
        for (const QString& list : std::as_const(lists)) {
            if (listedFor(list, linked[j]).contains(desktopFile))
                return app;
        }
        return none;
    }
    const std::optional<DesktopBrowser>& desktop()
    {
        if (!browser)
            browser = types.isEmpty() ? std::nullopt : desktopBrowserFor(types.first());
        return *browser;
    }

    const QStringList types;
    // The linked targets' types. One without a default of its own (see linkedAt) splits
    // nothing: the next change of the target gives it one.
    const QStringList linked;
    QList<std::optional<std::optional<gio::App>>> defaults;
    std::optional<std::optional<DesktopBrowser>> browser;
};

std::optional<QUrl> SystemLaunchServices::defaultApp(const Target& target) const
{
    if (target.isRole())
        return readRole(DesktopTerminal::read()).current;
    TypeDefaults defaults(target);
    return defaultApp(defaults);
}

std::optional<QUrl> SystemLaunchServices::defaultApp(TypeDefaults& defaults) const
{
    const QStringList& types = defaults.types;
    if (types.isEmpty())
        return std::nullopt;
    const auto& app = defaults.at(0);
    // Files of one extension but another type open elsewhere: no one application opens them all.
    for (qsizetype i = 1; i < types.size(); ++i) {
        const auto& other = defaults.at(i);
        if (other.has_value() != app.has_value() || (other && other->path != app->path))
            return std::nullopt;
    }
    if (!app)
        return std::nullopt;
    // A browser split between links, secure links and pages is no one browser either.
    for (qsizetype j = 0; j < defaults.linked.size(); ++j) {
        if (const auto& other = defaults.linkedAt(j); other && other->path != app->path)
            return std::nullopt;
    }
    // Links the desktop opens follow its own setting, the others the lists: when they differ,
    // no one browser opens them all.
    if (const auto& desktop = defaults.desktop(); desktop && (!desktop->app || desktop->app->path != app->path))
        return std::nullopt;
    return remember(*app);
}

QList<std::pair<QString, std::optional<QUrl>>> SystemLaunchServices::defaultsByType(const Target& target) const
{
    if (target.isRole())
        return readRole(DesktopTerminal::read()).byType;
    TypeDefaults defaults(target);
    return defaultsByType(defaults);
}

QList<std::pair<QString, std::optional<QUrl>>> SystemLaunchServices::defaultsByType(TypeDefaults& defaults) const
{
    const QStringList& types = defaults.types;
    QList<std::pair<QString, std::optional<QUrl>>> byType;
    const auto add = [&](const QString& type, const std::optional<gio::App>& app) {
        byType.append({type, app ? std::optional(remember(*app)) : std::nullopt});
    };
    for (qsizetype i = 0; types.size() > 1 && i < types.size(); ++i)
        add(types[i], defaults.at(i));
    if (types.size() != 1)
        return byType;
    // One type, and those that move with it where they have a default: the caller keeps the
    // list only where they differ.
    add(types.first(), defaults.at(0));
    for (qsizetype j = 0; j < defaults.linked.size(); ++j) {
        if (const auto& app = defaults.linkedAt(j))
            add(defaults.linked[j], app);
    }
    if (const auto& desktop = defaults.desktop()) {
        add(QCoreApplication::translate("DesktopBrowser", "%1's links").arg(desktop->desktopName()), desktop->app);
    }
    if (byType.size() == 1)
        byType.clear();
    return byType;
}

TargetReading SystemLaunchServices::read(const Target& target, bool candidates) const
{
    if (target.isRole())
        return readRole(DesktopTerminal::read());
    TypeDefaults defaults(target);
    QList<QUrl> madeFor;
    TargetReading reading {defaultApp(defaults), defaultsByType(defaults), removedDefault(defaults),
                           candidates ? candidateApps(defaults.types, &madeFor) : QList<QUrl>()};
    reading.recommended = std::move(madeFor);
    if (!defaults.types.isEmpty() && gio::othersDecide())
        reading.openers = gio::openers(defaults.types.first());
    // A split target's first type stands for it, as its first type names it.
    if (reading.current || !reading.byType.isEmpty())
        reading.source = gio::answerSource(defaults.types.first(), defaults.at(0));
    else if (!defaults.types.isEmpty())
        reading.source = DefaultSource::notSet;
    return reading;
}

std::optional<DefaultSource> SystemLaunchServices::source(const Target& target) const
{
    if (target.isRole())
        return readRole(DesktopTerminal::read()).source;
    const QStringList types = contentTypes(target);
    return types.isEmpty() ? std::nullopt : std::optional(gio::answerSource(types.first()));
}

QList<QUrl> SystemLaunchServices::candidateApps(const Target& target) const
{
    if (target.isRole())
        return readRole(DesktopTerminal::read()).candidates;
    return candidateApps(contentTypes(target));
}

TargetReading SystemLaunchServices::readRole(const DesktopTerminal::Reading& reading) const
{
    TargetReading out;
    const auto url = [this](const std::optional<gio::App>& app) {
        return app ? std::optional(remember(*app)) : std::nullopt;
    };
    out.current = url(reading.current());
    // A split: what xdg-terminal-exec starts, and what the desktop starts itself.
    if (reading.split()) {
        out.byType.append({u"xdg-terminals.list"_s,
                           url(reading.decidingList()->app)});
        out.byType.append({QCoreApplication::translate("DesktopTerminal", "%1's terminal")
                               .arg(DesktopTerminal::desktopName(reading.desktop)),
                           url(reading.desktopSetting->app)});
    }
    for (const gio::App& app : reading.candidates)
        out.candidates.append(remember(app));
    out.source = reading.source();
    return out;
}

QList<QUrl> SystemLaunchServices::candidateApps(const QStringList& types, QList<QUrl>* madeFor) const
{
    QList<QUrl> urls;
    for (const QString& type : types) {
        const QStringList added = madeFor ? gio::addedAssociations(gio::userLists().last(), type) : QStringList();
        for (const gio::App& app : gio::allForType(type)) {
            urls.append(remember(app));
            if (madeFor && gio::isMadeFor(app, type, added))
                madeFor->append(urls.last());
        }
    }
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

QStringList SystemLaunchServices::declaredTypes(const QUrl& app) const
{
    const QString path = app.toLocalFile();
    {
        QReadLocker read(&m_knownLock);
        const auto it = m_known.constFind(path);
        if (it != m_known.cend())
            return it->types;
    }
    const auto found = gio::appForId(desktopIdForPath(path));
    return found && found->path == QDir::cleanPath(path) ? found->types : QStringList();
}

QStringList SystemLaunchServices::subtypes(const QSet<QString>& types) const
{
    QStringList found;
    if (types.isEmpty())
        return found;
    for (const QString& type : gio::registeredTypes()) {
        if (!types.contains(type)
            && std::any_of(types.cbegin(), types.cend(), [&](const QString& t) { return gio::isA(type, t); }))
            found.append(type);
    }
    return found;
}

bool SystemLaunchServices::inherits(const QString& type, const QString& parent) const
{
    return type == parent || gio::isA(type, parent);
}

QString SystemLaunchServices::typeDescription(const QString& type) const
{
    return gio::typeDescription(type);
}

QStringList SystemLaunchServices::knownTypes() const
{
    return gio::registeredTypes();
}

QHash<QString, QStringList> SystemLaunchServices::typePatterns() const
{
    return gio::globPatterns();
}

ApplicationFile SystemLaunchServices::checkApplicationFile(const QUrl& file) const
{
    ApplicationFile out;
    const QString path = file.toLocalFile();
    out.id = desktopIdForPath(path, &out.installed);
    if (const auto problem = gio::applicationEntryProblem(path)) {
        out.problem = *problem;
        return out;
    }
    // Not where GIO looks (a folder outside XDG_DATA_DIRS), or hidden there by another entry.
    out.installed = out.installed && gio::appForId(out.id) && gio::appForId(out.id)->path == QDir::cleanPath(path);
    if (!out.installed) {
        const QString copy = gio::applicationDirs().first() + u'/' + out.id + u".desktop"_s;
        out.replaces = gio::appForId(out.id).has_value() || QFileInfo::exists(copy);
    }
    return out;
}

QUrl SystemLaunchServices::installApplication(const QUrl& file)
{
    const ApplicationFile check = checkApplicationFile(file);
    if (!check.problem.isEmpty())
        throw LaunchError::platform(u"openwright"_s, 2, check.problem);
    if (check.installed)
        return file;
    const QString dir = gio::applicationDirs().first();
    const QString copy = dir + u'/' + check.id + u".desktop"_s;
    const FileRead source = readWholeFile(file.toLocalFile(), kMaxConfigFileBytes);
    if (!source.bytes)
        throw LaunchError::platform(
u"openwright"_s, 3, source.problem);
    try {
        if (!QDir().mkpath(dir))
            throw StoreError(u"Could not create the folder "_s + dir);
        writeAtomically(copy, *source.bytes, FileAccess::asCreated);
    } catch (const StoreError& e) {
        throw LaunchError::platform(u"openwright"_s, 4, e.message());
    }
    // GIO learns of the new entry from its folder monitor a moment later (seconds, for a
    // folder that did not exist before).
    for (int waited = 0; waited < 8000; waited += 50) {
        if (const auto app = gio::appForId(check.id); app && app->path == copy)
            return QUrl::fromLocalFile(copy);
        ::usleep(50 * 1000);
    }
    throw LaunchError::platform(
        u"openwright"_s, 5,
        QCoreApplication::translate("Applications", "The system does not list the added application yet."));
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
    // A role has no MIME type; the desktop-entry category of its applications stands for it.
    if (target.isRole())
        return QString::fromLatin1(DesktopTerminal::kCategory);
    return contentType(target);
}

DecisionChain SystemLaunchServices::explain(const Target& target) const
{
    if (target.isRole())
        return DesktopTerminal::explain(target, DesktopTerminal::read());
    const auto type = contentType(target);
    if (!type)
        return LaunchServicing::explain(target);
    return explain(target, *type);
}

DecisionChain SystemLaunchServices::explain(const Target& target, const QString& type)
{
    DecisionChain chain = gio::explain(target, type);
    if (const auto desktop = desktopBrowserFor(type)) {
        // The desktop's own setting comes first: the links it opens never reach the lists.
        DecisionStep step;
        step.file = desktop->file;
        step.line = desktop->line;
        step.group = DecisionStep::Group::DesktopSetting;
        step.mimeType = desktop->desktopName() + u' ' + desktop->key();
        step.listed = {desktop->value};
        if (desktop->app)
            step.chosenName = desktop->app->name;
        step.through = desktop->through;
        chain.steps.prepend(step);
    }
    return chain;
}

bool SystemLaunchServices::othersDecide() const
{
    return gio::othersDecide();
}

QList<OpenerAnswer> SystemLaunchServices::openers(const QString& platformType, const QString& file) const
{
    return gio::openers(platformType, file);
}

QList<DecisionChain> SystemLaunchServices::explainEach(const Target& target) const
{
    if (target.isRole())
        return {explain(target)};
    const QStringList types = contentTypes(target);
    if (types.size() > 1) {
        QList<DecisionChain> chains;
        for (const QString& type : types)
            chains.append(explain(target, type));
        return chains;
    }
    QList<DecisionChain> chains {explain(target)};
    TypeDefaults defaults(target);
    if (types.isEmpty() || defaults.linked.isEmpty() || defaultApp(defaults))
        return chains;
    // A split browser: each linked type that opens in another application than the target.
    // A split by the desktop's own setting alone is in the target's own explanation.
    const auto& own = defaults.at(0);
    QStringList explained;
    for (const Target& linked : target.linkedTargets()) {
        const auto type = contentType(linked);
        const qsizetype i = type ? defaults.linked.indexOf(*type) : -1;
        if (i < 0 || explained.contains(*type))
            continue;
        explained.append(*type);
        const auto& app = defaults.linkedAt(i);
        if (app && (!own || app->path != own->path))
            chains.append(explain(linked, *type));
    }
    return chains;
}

namespace {

// Whether this program or GLib writes `name` through a temporary beside it: the lists
// ("[DESKTOP-]mimeapps.list", and the copies a clean-up keeps, "….before-cleanup-N"), the
// terminal lists, desktop entries, and the desktops' settings files.
bool writtenThroughTemporary(QStringView name)
{
    // "FILE", or "DESKTOP-FILE" with a desktop named in letters, digits, '_' and '-'.
    const auto ofDesktop = [](QStringView name, QStringView file) {
        if (!name.endsWith(file))
            return false;
        const QStringView desktop = name.chopped(file.size());
        return desktop.isEmpty()
            || (desktop.size() > 1 && desktop.endsWith(u'-') && std::all_of(desktop.begin(), desktop.end(), [](QChar c) {
                   return isAsciiLetterOrDigit(c) || c == u'_' || c == u'-';
               }));
    };
    constexpr QStringView cleanup = u".before-cleanup-";
    if (const qsizetype at = name.lastIndexOf(cleanup); at >= 0) {
        const QStringView number = name.sliced(at + cleanup.size());
        return !number.isEmpty() && std::all_of(number.begin(), number.end(), [](QChar c) { return c >= u'0' && c <= u'9'; })
            && ofDesktop(name.first(at), u"mimeapps.list");
    }
    return ofDesktop(name, u"mimeapps.list") || ofDesktop(name, u"xdg-terminals.list")
        || (name.size() > 8 && name.endsWith(u".desktop")) || name == u"kdeglobals" || name == u"helpers.rc";
}

} // namespace

void SystemLaunchServices::lookAhead() const
{
    // GIO's index of every entry, built at its first lookup, then the lists and caches the
    // explanations of its answers walk. Not the list of every MIME type: its first read reloads
    // GIO's MIME database, which must not happen beside the readers' lookups of types.
    gio::keptLists();
}

void SystemLaunchServices::removeStaleTemporaries()
{
    // Every file written here is written as FILE.XXXXXX beside it and renamed, by GLib and by
    // us alike. One older than a minute was left by a writer that did not finish. Names are
    // matched by hand: a regular expression would be compiled (and its compiler paged in) at
    // every start.
    const QString config = gio::userConfigDir();
    const QString applications = gio::applicationDirs().value(0);
    for (const QString& folder : {config, applications, config + u"/autostart"_s, config + u"/xfce4"_s}) {
        if (folder.isEmpty())
            continue;
        // Listed by name only: the user's applications folder may hold thousands of entries, and
        // this runs before the window's first frame.
        DIR* d = ::opendir(QFile::encodeName(folder).constData());
        if (!d)
            continue;
        QStringList files;
        while (const dirent* e = ::readdir(d)) {
            const QByteArrayView bytes(e->d_name);
            if (bytes.size() < 8 || bytes[bytes.size() - 7] != '.')
                continue;
            const QString name = QFile::decodeName(e->d_name);
            if (const auto file = temporaryFor(name); file && writtenThroughTemporary(*file))
                files.append(folder + u'/' + file->toString());
        }
        ::closedir(d);
        for (const QString& file : std::as_const(files))
            openwright::removeStaleTemporaries(file, 60);
    }
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
        const auto app = gio::listedEntryForId(id);
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

std::optional<QUrl> SystemLaunchServices::locateExact(const QString& name) const
{
    // A desktop-file ID may itself end in ".desktop" (Telegram's Flatpak is org.telegram.desktop).
    QStringList ids {name};
    if (name.endsWith(u".desktop"_s))
        ids.append(name.chopped(8));
    for (const QString& id : std::as_const(ids)) {
        if (id.isEmpty() || id.contains(u'/'))
            continue;
        if (const auto app = gio::listedEntryForId(id))
            return remember(*app);
    }
    return std::nullopt;
}

std::optional<AppInfo> SystemLaunchServices::removedDefault(const Target& target) const
{
    TypeDefaults defaults(target);
    return removedDefault(defaults);
}

std::optional<AppInfo> SystemLaunchServices::removedDefault(TypeDefaults& defaults) const
{
    // The system passes over entries that are gone and goes on to weaker lists and the
    // installed handlers; the user's own lists still say what they chose.
    const QStringList lists = gio::userLists();
    for (qsizetype i = 0; i < defaults.types.size(); ++i) {
        QStringList named;
        for (const QString& list : lists)
            named += listedFor(list, defaults.types[i]);
        if (named.isEmpty())
            continue;
        // Still chosen where one of them is installed, or is what opens the type after all (a
        // hidden user copy of an entry still counts for the system).
        const auto& current = defaults.at(i);
        const bool chosen = std::any_of(named.cbegin(), named.cend(), [&](const QString& desktopFile) {
            if (!desktopFile.endsWith(u".desktop"_s))
                return false;
            const QString id = desktopFile.chopped(8);
            return (current && current->id == id) || gio::appForId(id);
        });
        if (chosen)
            continue;
        const QString id = named.first().endsWith(u".desktop"_s) ? named.first().chopped(8) : named.first();
        {
            // Seen before it went: its name and place are known.
            QReadLocker read(&m_knownLock);
            for (const Known& k : std::as_const(m_known)) {
                if (k.desktopId == id)
                    return AppInfo {k.url, k.identity, k.name};
            }
        }
        return AppInfo {QUrl::fromLocalFile(gio::applicationDirs().first() + u'/' + id + u".desktop"_s),
                        ApplicationIdentity::canonical(id), id};
    }
    return std::nullopt;
}

std::optional<QString> SystemLaunchServices::exactName(const QUrl& app) const
{
    bool installed = false;
    const QString id = desktopIdForPath(app.toLocalFile(), &installed);
    return app.isLocalFile() && installed ? std::optional(id) : appInfo(app).bundleID;
}

namespace {

// A file's bytes before a change, to put back if the change fails part-way.
struct Snapshot
{
    QString path;
    std::optional<QByteArray> bytes; // absent: there was no file
    bool unreadable = false; // there was one, but it could not be read: it is not put back
};

Snapshot snapshotOf(const QString& path)
{
    if (!QFileInfo::exists(path))
        return {path, std::nullopt};
    FileRead read = readWholeFile(path, kMaxConfigFileBytes);
    return {path, std::move(read.bytes), !read.bytes.has_value()};
}

// Puts a list back as it was; the system's reason when it could not. A list whose bytes did not
// change is not written at all: on a full disk that write could only lose it.
std::optional<QString> restore(const Snapshot& snapshot)
{
    if (snapshot.unreadable || snapshotOf(snapshot.path).bytes == snapshot.bytes)
        return std::nullopt;
    if (!snapshot.bytes) {
        if (QFile::remove(snapshot.path))
            return std::nullopt;
        return u"Could not remove "_s + snapshot.path;
    }
    try {
        writeAtomically(snapshot.path, *snapshot.bytes, FileAccess::asCreated);
    } catch (const StoreError& e) {
        return e.message();
    }
    return std::nullopt;
}

// The types of all `targets`, each once.
QStringList typesOf(const QList<Target>& targets)
{
    QStringList types;
    for (const Target& t : targets) {
        for (const QString& type : SystemLaunchServices::contentTypes(t)) {
            if (!types.contains(type))
                types.append(type);
        }
    }
    return types;
}

Snapshot snapshotOnce(QList<Snapshot>& snapshots, const QString& path)
{
    const auto it
        = std::find_if(snapshots.cbegin(), snapshots.cend(), [&](const Snapshot& s) { return s.path == path; });
    if (it != snapshots.cend())
        return *it;
    snapshots.append(snapshotOf(path));
    return snapshots.last();
}

// A list the user cannot change: a link to a file they cannot write (Home Manager, stow into a
// read-only store), a dangling link, or a read-only file. GIO's write would replace it with a
// private copy, so a change that must write it is refused instead, naming it.
std::optional<LaunchError> managedList(const QString& path)
{
    const QFileInfo list(path);
    if (!list.exists() && !list.isSymLink())
        return std::nullopt;
    const QString file = list.isSymLink() ? list.canonicalFilePath() : path;
    if (!file.isEmpty() && ::access(QFile::encodeName(file).constData(), W_OK) == 0)
        return std::nullopt;
    return LaunchError::platform(
        u"openwright"_s, 3,
        QCoreApplication::translate("Applications",
                                    "%1 is read-only, as a configuration tool leaves it, so nothing was changed. "
                                    "Change it where your configuration is kept.")
            .arg(path));
}

LaunchError toLaunchError(const gio::Error& error)
{
    // Our own write failed (a read-only ~/.config, a full disk): a failure with the system's
    // reason, not an override that keeps the current application.
    return LaunchError::platform(error.domain, error.code, error.message,
                                 error.missing ? LaunchError::Meaning::appMissing : LaunchError::Meaning::other);
}

// After a write failed part-way: puts every list back as it was, and says what could not be.
LaunchError putBack(const gio::Error& failure, const QList<Snapshot>& snapshots, const QString& userList,
                    const QString& keptAside)
{
    QStringList unrestored;
    for (const Snapshot& snapshot : snapshots) {
        // The unreadable list goes back by rename, which needs no space on the disk.
        if (!keptAside.isEmpty() && snapshot.path == userList) {
            if (::rename(QFile::encodeName(keptAside).constData(), QFile::encodeName(userList).constData()) != 0)
                unrestored.append(keptAside + u": "_s + qt_error_string(errno));
        } else if (const auto problem = restore(snapshot)) {
            unrestored.append(*problem);
        }
    }
    LaunchError error = toLaunchError(failure);
    if (unrestored.isEmpty())
        return error;
    return LaunchError::platform(error.domain(), error.code(),
                                 error.message() + u". The lists could not all be put back as they were: "_s
                                     + unrestored.join(u"; "_s),
                                 error.meaning());
}

} // namespace

QString SystemLaunchServices::setDefaultApp(const QUrl& app, const QList<Target>& targets)
{
    if (targets.isEmpty())
        return {};
    if (targets.first().isRole()) {
        setTerminal(app);
        return {};
    }
    if (!contentType(targets.first()))
        throw LaunchError::unknownType(targets.first().payload());

    // GIO accepts any entry and would leave a dangling line in mimeapps.list: only an entry
    // installed where the system finds it, and that GIO accepts, may become a default.
    const QString path = app.toLocalFile();
    bool installed = false;
    const QString id = desktopIdForPath(path, &installed);
    // A hidden user copy of a list-named entry still opens the type's files (see listedEntryForId).
    const auto entry = gio::listedEntryForId(id);
    if (!app.isLocalFile() || !installed || !entry) {
        throw LaunchError::platform(
            u"openwright"_s, 1,
            QCoreApplication::translate("Applications", "That application is not installed where the system finds it"),
            LaunchError::Meaning::appMissing);
    }
    const QStringList types = typesOf(targets);
    const QString desktopFile = id + u".desktop"_s;

    QMutexLocker lock(&m_writeLock);
    const auto overrides = desktopOverrides(types, desktopFile);
    if (!overrides)
        return {}; // a list that cannot be written keeps one of the types: move none of them

    const QString userList = gio::userConfigDir() + u"/mimeapps.list"_s;
    if (auto managed = managedList(userList))
        throw *managed;
    QList<Snapshot> snapshots {snapshotOf(userList)};
    // The desktop's own browser setting moves with the browser's types, in the same change.
    const auto desktop = std::any_of(types.cbegin(), types.cend(), isWebLink) ? DesktopBrowser::current() : std::nullopt;
    if (desktop) {
        for (const QString& file : desktop->filesWritten())
            snapshotOnce(snapshots, file);
    }
    for (const auto& o : *overrides)
        snapshotOnce(snapshots, o.first);
    QString keptAside;
    const QString note = keepUnreadableListAside(userList, &keptAside);
    // Older programs wrote some types under an alias (application/x-pdf), and the system tries
    // the lines of one list in file order: such a line in the user's list would keep deciding.
    QList<std::pair<QString, QString>> edits = *overrides;
    for (const QString& type : std::as_const(types)) {
        const QList<gio::ListedDefault> lines = gio::listedDefaults(userList, type);
        if (std::any_of(lines.cbegin(), lines.cend(), [&](const gio::ListedDefault& l) { return l.key != type; }))
            edits.append({userList, type});
    }

    std::optional<gio::Error> failure;
    for (const auto& [list, type] : std::as_const(edits)) {
        // Our own edits first: GIO's write below then makes it re-read every list.
        if ((failure = gio::setListedDefault(list, type, desktopFile)))
            break;
    }
    // GIO refuses to write a hidden entry, which its lookup honours all the same: written as it
    // would. GIO's write also replaces a list kept elsewhere through a link by a file: such a
    // list is written by us.
    const bool ownWrite = !gio::appForId(id) || QFileInfo(userList).isSymLink();
    for (qsizetype i = 0; !failure && i < types.size(); ++i)
        failure = ownWrite ? gio::setListedDefault(userList, types[i], desktopFile) : gio::setDefaultForType(id, types[i]);
    if (!failure && desktop) {
        if (const auto app = gio::listedEntryForId(id))
            failure = desktop->set(*app);
        else
            failure = gio::Error {u"openwright"_s, 1,
                                  QCoreApplication::translate(
                                      "Applications", "That application is not installed where the system finds it")};
    }
    if (failure)
        throw putBack(*failure, snapshots, userList, keptAside);
    // Without GIO's own write, GIO sees ours through its file monitor a moment later.
    const QDeadlineTimer deadline(ownWrite ? 2000 : 0);
    for (const QString& type : types) {
        while (!deadline.hasExpired()) {
            const auto now = gio::defaultForType(type);
            if (now && now->path == entry->path)
                break;
            ::usleep(10 * 1000);
        }
    }
    return note;
}

bool SystemLaunchServices::hasUserChoice(const Target& target) const
{
    if (target.isRole())
        return DesktopTerminal::read().hasUserChoice();
    const QStringList lists = gio::userLists();
    for (const QString& type : contentTypes(target)) {
        for (const QString& list : lists) {
            if (!listedFor(list, type).isEmpty())
                return true;
        }
        if (!gio::addedAssociations(lists.last(), type).isEmpty())
            return true;
    }
    return false;
}

bool SystemLaunchServices::isUsersChoice(const Target& target, const QUrl& app) const
{
    if (target.isRole()) {
        // Every setting that decides names it, and one of them is the user's own.
        const DesktopTerminal::Reading reading = DesktopTerminal::read();
        const QString path = QDir::cleanPath(app.toLocalFile());
        QList<const TerminalSource*> deciding {reading.decidingList()};
        if (reading.desktopSetting)
            deciding.append(&*reading.desktopSetting);
        deciding.removeAll(nullptr);
        return std::all_of(deciding.cbegin(), deciding.cend(), [&](const TerminalSource* s) { return s->app && s->app->path == path; })
            && std::any_of(deciding.cbegin(), deciding.cend(), [](const TerminalSource* s) { return s->users; });
    }
    const QString desktopFile = desktopIdForPath(app.toLocalFile()) + u".desktop"_s;
    const QStringList lists = gio::userLists();
    const QStringList types = contentTypes(target);
    // Named first: behind an entry that is not installed it is only a fallback, which that
    // entry's install takes over, and xdg-mime reads the first entry alone.
    return !types.isEmpty() && std::all_of(types.cbegin(), types.cend(), [&](const QString& type) {
        return std::any_of(lists.cbegin(), lists.cend(),
                           [&](const QString& list) { return listedFor(list, type).value(0) == desktopFile; });
    });
}

std::optional<QString> SystemLaunchServices::fileType(const QUrl& file) const
{
    QString problem;
    const auto type = file.isLocalFile() ? gio::contentTypeOfFile(file.toLocalFile(), &problem) : std::nullopt;
    if (!type)
        return std::nullopt;
    return gio::knownContentType(*type).value_or(*type);
}

bool SystemLaunchServices::resetDefault(const QList<Target>& targets)
{
    if (targets.isEmpty())
        return false;
    if (targets.first().isRole())
        return resetTerminal();
    if (!contentType(targets.first()))
        throw LaunchError::unknownType(targets.first().payload());
    const QStringList types = typesOf(targets);

    QMutexLocker lock(&m_writeLock);
    // The user's lines for the types: a default in each of the user's lists (the desktop's own
    // ones too, which set writes where they would win), and the associations that choices added
    // to mimeapps.list, the only list whose associations the system reads. A symlinked list is
    // written where it points.
    struct Edit
    {
        QString file;
        QString type;
        bool associations;
    };
    QList<Edit> edits;
    const QStringList lists = gio::userLists();
    for (const QString& path : lists) {
        const QFileInfo list(path);
        const bool plain = path == lists.last();
        if (!list.exists())
            continue;
        for (const QString& type : types) {
            if (listedFor(path, type).isEmpty() && (!plain || gio::addedAssociations(path, type).isEmpty()))
                continue;
            if (auto managed = managedList(path))
                throw *managed;
            edits.append({list.isSymLink() ? list.canonicalFilePath() : path, type, plain});
        }
    }
    // The user's own browser line of the desktop is part of the choice too (the system's stays).
    auto desktop = std::any_of(types.cbegin(), types.cend(), isWebLink) ? DesktopBrowser::current() : std::nullopt;
    if (desktop && !desktop->isUsers())
        desktop.reset();
    if (edits.isEmpty() && !desktop)
        return false;
    const QString userList = lists.last();
    QString keptAside;
    keepUnreadableListAside(userList, &keptAside);
    QList<Snapshot> snapshots;
    for (const Edit& edit : std::as_const(edits))
        snapshotOnce(snapshots, edit.file);
    if (desktop)
        snapshotOnce(snapshots, desktop->userFile());
    for (const Edit& edit : std::as_const(edits)) {
        if (const auto failure = gio::removeChoice(edit.file, edit.type, edit.associations))
            throw putBack(*failure, snapshots, userList, keptAside);
    }
    if (desktop) {
        if (const auto failure = desktop->reset())
            throw putBack(*failure, snapshots, userList, keptAside);
    }
    // GIO's own reset (g_app_info_reset_type_associations) is not used: it also drops the
    // user's [Removed Associations] line, and leaves alias lines and the desktop's own lists.
    // Without a write of its own, GIO sees ours through its file monitor a moment later: wait
    // until its answer is the one the lists now give.
    const QDeadlineTimer deadline(2000);
    for (const QString& type : types) {
        while (!deadline.hasExpired()) {
            const auto gio = gio::defaultForType(type);
            const DecisionChain chain = gio::explain(targets.first(), type);
            if ((gio ? gio->path : QString()) == (chain.app ? chain.app->path : QString()))
                break;
            ::usleep(10 * 1000);
        }
    }
    return true;
}

std::optional<QList<std::pair<QString, QString>>> SystemLaunchServices::desktopOverrides(const QStringList& types,
                                                                                         const QString& desktopFile)
{
    // $XDG_CONFIG_HOME/DESKTOP-mimeapps.list outranks mimeapps.list for that desktop. Where it
    // names another default, under the type or an alias of it, the change must update it too,
    // or it would not take effect.
    QList<std::pair<QString, QString>> overrides;
    const QStringList lists = gio::userLists();
    for (const QString& path : lists.first(lists.size() - 1)) {
        const QFileInfo list(path);
        if (!list.exists())
            continue;
        const QString file = list.isSymLink() ? list.canonicalFilePath() : list.filePath();
        for (const QString& type : types) {
            // The system passes over entries that are not installed: a line naming only such
            // entries decides nothing, and one naming the new default first among the installed
            // ones already agrees.
            const QStringList listed = listedFor(list.filePath(), type);
            const auto deciding = std::find_if(listed.cbegin(), listed.cend(), [](const QString& item) {
                return item.endsWith(u".desktop"_s) && gio::appForId(item.chopped(8)).has_value();
            });
            if (deciding == listed.cend() || *deciding == desktopFile)
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
        return QCoreApplication::translate("Applications", "Your mimeapps.list could not be read, so it was kept as %1")
            .arg(QFileInfo(kept).fileName());
    }
    throw LaunchError::platform(
        u"openwright"_s, 2,
        QCoreApplication::translate("Applications",
                                    "Your mimeapps.list could not be read or kept aside, so nothing was changed"));
}

void SystemLaunchServices::setTerminal(const QUrl& app)
{
    bool installed = false;
    const QString id = desktopIdForPath(app.toLocalFile(), &installed);
    const auto entry = installed ? gio::appForId(id) : std::nullopt;
    if (!app.isLocalFile() || !entry || entry->path != QDir::cleanPath(app.toLocalFile())) {
        throw LaunchError::platform(
            u"openwright"_s, 1,
            QCoreApplication::translate("Applications", "That application is not installed where the system finds it"),
            LaunchError::Meaning::appMissing);
    }
    QMutexLocker lock(&m_writeLock);
    QList<Snapshot> snapshots;
    for (const QString& file : DesktopTerminal::filesWritten())
        snapshotOnce(snapshots, file);
    // GSettings is written last: a failure before it leaves only files to put back.
    if (const auto failure = DesktopTerminal::set(*entry))
        throw putBack(*failure, snapshots, {}, {});
}

bool SystemLaunchServices::resetTerminal()
{
    QMutexLocker lock(&m_writeLock);
    if (!DesktopTerminal::read().hasUserChoice())
        return false;
    QList<Snapshot> snapshots;
    for (const QString& file : DesktopTerminal::filesWritten())
        snapshotOnce(snapshots, file);
    if (const auto failure = DesktopTerminal::reset())
        throw putBack(*failure, snapshots, {}, {});
    return true;
}

Associations SystemLaunchServices::associations(const Target& target) const
{
    Associations out;
    if (target.isRole()) {
        out.offered = candidateApps(target);
        return out;
    }
    const QStringList types = contentTypes(target);
    if (types.isEmpty())
        return out;
    // The first type decides the order, as it does the default.
    const QStringList added = gio::addedAssociations(gio::userLists().last(), types.first());
    QSet<QString> seen;
    for (const gio::App& app : gio::allForType(types.first())) {
        if (seen.contains(app.path))
            continue;
        seen.insert(app.path);
        out.offered.append(remember(app));
        if (gio::isMadeFor(app, types.first(), added))
            out.recommended.append(out.offered.last());
    }
    out.removed = gio::typeLines(gio::userLists().last(), types.first()).removed;
    for (const QString& removed : std::as_const(out.removed)) {
        if (const auto app = gio::listedEntryForId(removed.chopped(removed.endsWith(u".desktop"_s) ? 8 : 0)))
            out.restorable.append(remember(*app));
    }
    return out;
}

QString SystemLaunchServices::arrange(const QList<Target>& targets, Arrangement how, const QList<QUrl>& apps)
{
    if (targets.isEmpty() || apps.isEmpty())
        return {};
    if (targets.first().isRole()) {
        throw LaunchError::platform(u"openwright"_s, 1,
                                    QCoreApplication::translate("Applications",
                                                                "The terminal has one choice, not an order: set it instead."));
    }
    if (!contentType(targets.first()))
        throw LaunchError::unknownType(targets.first().payload());
    QStringList ids;
    for (const QUrl& app : apps) {
        bool installed = false;
        const QString id = desktopIdForPath(app.toLocalFile(), &installed);
        // A removed one may be given back whatever its state; an order names installed entries.
        if (how != Arrangement::restore && (!installed || !gio::listedEntryForId(id))) {
            throw LaunchError::platform(
                u"openwright"_s, 1,
                QCoreApplication::translate("Applications", "That application is not installed where the system finds it"),
                LaunchError::Meaning::appMissing);
        }
        ids.append(id + u".desktop"_s);
    }
    const QStringList types = typesOf(targets);

    QMutexLocker lock(&m_writeLock);
    // The user's mimeapps.list carries the order as the default line's fallbacks and as added
    // associations, and the removals: the only list whose associations the system reads. The
    // user's desktop lists outrank its default line, so where they name the type they take the
    // same order (and lose what is removed).
    const QStringList lists = gio::userLists();
    const QString userList = lists.last();
    QStringList files {userList};
    for (const QString& list : lists.first(lists.size() - 1)) {
        if (std::any_of(types.cbegin(), types.cend(), [&](const QString& t) { return !listedFor(list, t).isEmpty(); }))
            files.append(list);
    }
    for (const QString& file : std::as_const(files)) {
        if (auto managed = managedList(file))
            throw *managed;
    }
    QString keptAside;
    const QString note = keepUnreadableListAside(userList, &keptAside);
    QList<Snapshot> snapshots;
    for (const QString& file : std::as_const(files))
        snapshotOnce(snapshots, QFileInfo(file).isSymLink() ? QFileInfo(file).canonicalFilePath() : file);
    // The desktop's own browser setting takes the first of an order of the browser's types, as
    // it does a change: the lists alone would leave the browser split on KDE and Xfce.
    const auto desktop = how == Arrangement::order && std::any_of(types.cbegin(), types.cend(), isWebLink)
        ? DesktopBrowser::current()
        : std::nullopt;
    if (desktop) {
        for (const QString& file : desktop->filesWritten())
            snapshotOnce(snapshots, file);
    }
    const auto edit = [&](gio::TypeLines& lines, bool plain) {
        switch (how) {
        case Arrangement::order:
            lines.defaults = ids;
            if (plain) {
                QStringList rest = lines.added;
                rest.removeIf([&](const QString& id) { return ids.contains(id); });
                lines.added = ids + rest;
                lines.removed.removeIf([&](const QString& id) { return ids.contains(id); });
            }
            break;
        case Arrangement::remove:
            lines.defaults.removeAll(ids.first());
            if (plain) {
                lines.added.removeAll(ids.first());
                if (!lines.removed.contains(ids.first()))
                    lines.removed.append(ids.first());
            }
            break;
        case Arrangement::restore:
            if (plain)
                lines.removed.removeAll(ids.first());
            break;
        }
    };
    for (const QString& file : std::as_const(files)) {
        const QString path = QFileInfo(file).isSymLink() ? QFileInfo(file).canonicalFilePath() : file;
        for (const QString& type : types) {
            // A desktop list only where it names the type: it reads no associations.
            if (file != userList && listedFor(file, type).isEmpty())
                continue;
            const auto failure
                = gio::editTypeLines(path, type, [&](gio::TypeLines& lines) { edit(lines, file == userList); });
            if (failure)
                throw putBack(*failure, snapshots, userList, keptAside);
        }
    }
    // Each app of an order was found installed above.
    if (const auto first = desktop ? gio::listedEntryForId(ids.first().chopped(8)) : std::nullopt) {
        if (const auto failure = desktop->set(*first))
            throw putBack(*failure, snapshots, userList, keptAside);
    }
    // GIO sees the lists through its file monitor a moment later: wait until its offer follows.
    const auto follows = [&](const QList<gio::App>& offered) {
        QStringList now;
        for (const gio::App& app : offered)
            now.append(app.id + u".desktop"_s);
        switch (how) {
        case Arrangement::order: return now.first(std::min(now.size(), ids.size())) == ids;
        case Arrangement::remove: return !now.contains(ids.first());
        case Arrangement::restore: return true;
        }
        return true;
    };
    const QDeadlineTimer deadline(how == Arrangement::restore ? 200 : 2000);
    bool followed = false;
    while (!(followed = follows(gio::allForType(types.first()))) && !deadline.hasExpired())
        ::usleep(10 * 1000);
    if (!followed) {
        const QString still = how == Arrangement::remove
            ? QCoreApplication::translate("Applications",
                                          "The system still offers %1: a list of the desktop or the administrator "
                                          "names it, and the system reads removals only in mimeapps.list.")
                  .arg(ids.first())
            : QCoreApplication::translate("Applications", "The system does not offer them in this order yet.");
        return note.isEmpty() ? still : note + u' ' + still;
    }
    return note;
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
