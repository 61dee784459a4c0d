// SPDX-License-Identifier: GPL-3.0-or-later
#include "DesktopTerminal.h"

#include "DecisionReader.h"
#include "DesktopConfig.h"
#include "JSONStore.h"

#include <QCoreApplication>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QMutex>
#include <QSet>
#include <QStandardPaths>

#include <algorithm>
#include <functional>


namespace openwright {

using namespace Qt::Literals::StringLiterals;

namespace {

using namespace desktopconfig;

constexpr auto kCategory = DesktopTerminal::kCategory;
constexpr auto kList = "xdg-terminals.list";
constexpr auto kAlternative = "x-terminal-emulator";

const HelperRole& terminalRole()
{
    // Debian's debian-x-terminal-emulator helper starts the alternative.
    static const HelperRole role {QString::fromLatin1(kCategory), {QString::fromLatin1(kAlternative)}, QString(),
                                  QString::fromLatin1(kAlternative)};
    return role;
}

QString schema()
{
    return QString::fromLatin1(DesktopTerminal::kGnomeSchema);
}

QString gnomeKey()
{
    return QString::fromLatin1(DesktopTerminal::kGnomeKey);
}

// The installed applications as the terminal's reading needs them. Reading every entry takes
// seconds on a desktop of 10,000 applications, and the terminal is read at every guard check and
// by every command: the terminals are found by the files that mention their category, each
// confirmed through GIO, and every application is read only where a setting names a program no
// terminal runs. Both are kept while no applications folder changed (an entry added, removed or
// renamed changes its folder's time, which GIO's own index of the folders relies on too).
struct Installed
{
    QByteArray stamp;
    QStringList folders; // the applications folders and their subfolders, when read
    QList<gio::App> terminals; // in the folders' order, then by ID
    std::optional<QList<gio::App>> all; // terminals first: a program name shared by several entries most likely means the terminal
};

QStringList applicationFolders()
{
    QStringList folders {QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) + u"/applications"_s};
    for (const QString& dir :
         qEnvironmentVariable("XDG_DATA_DIRS", u"/usr/local/share:/usr/share"_s).split(u':', Qt::SkipEmptyParts))
        folders.append(dir + u"/applications"_s);
    return folders;
}


// The IDs whose entry, as the folders' order decides it, mentions the terminals' category
// anywhere: GIO confirms each.
QStringList mentioningTerminals(const QStringList& roots)
{
    QStringList ids;
    QSet<QString> seen;
    for (const QString& root : roots) {
        QStringList here;
        QDirIterator it(root, {u"*.desktop"_s}, QDir::Files, QDirIterator::Subdirectories);
        while (it.hasNext()) {
            const QString path = it.next();
            // The desktop-file ID: the path below the folder, its slashes as dashes.
            const QString id = path.mid(root.size() + 1).replace(u'/', u'-');
            if (seen.contains(id))
                continue; // an earlier folder's entry of the same ID is the one installed
            seen.insert(id);
            QFile file(path);
            if (file.open(QIODevice::ReadOnly) && file.read(256 * 1024).contains(kCategory))
                here.append(id);
        }
        here.sort();
        ids += here;
    }
    return ids;
}

// The IDs mentioningTerminals found, kept on disk under the stamp of the folders they were
// found in: a command, a process of its own, then reads a few entries instead of every one.
QString keptTerminalsPath()
{
    return QStandardPaths::writableLocation(QStandardPaths::GenericCacheLocation) + u"/Openwright/terminals"_s;
}

std::optional<QStringList> keptTerminalIds(const QByteArray& stamp)
{
    const auto lines = keptLines(keptTerminalsPath(), stamp);
    if (!lines)
        return std::nullopt;
    QStringList ids;
    for (const QByteArray& line : *lines)
        ids.append(QString::fromUtf8(line));
    return ids;
}

void keepTerminalIds(const QByteArray& stamp, const QStringList& ids)
{
    QList<QByteArray> lines;
    for (const QString& id : ids)
        lines.append(id.toUtf8());
    keepLines(keptTerminalsPath(), stamp, lines);
}

template<typename Work> auto withInstalled(Work work)
{
    static QMutex mutex;
    static Installed kept;
    QMutexLocker lock(&mutex);
    if (kept.folders.isEmpty() || gio::pathsStamp(kept.folders) != kept.stamp) {
        Installed fresh;
        const QStringList roots = applicationFolders();
        for (const QString& folder : roots) {
            fresh.folders.append(folder);
            for (const QString& sub : QDir(folder).entryList(QDir::Dirs | QDir::NoDotAndDotDot))
                fresh.folders.append(folder + u'/' + sub);
        }
        // Taken before the entries are read: a change meanwhile is read again next time.
        fresh.stamp = gio::pathsStamp(fresh.folders);
        const std::optional<QStringList> known = keptTerminalIds(fresh.stamp);
        const QStringList ids = known ? *known : mentioningTerminals(roots);
        if (!known)
            keepTerminalIds(fresh.stamp, ids);
        for (const QString& id : ids) {
            if (auto app = gio::applicationInCategory(id, QString::fromLatin1(kCategory)))
                fresh.terminals.append(std::move(*app));
        }
        kept = std::move(fresh);
    }
    return work(kept);
}

QList<gio::App> terminals()
{
    return withInstalled([](const Installed& i) { return i.terminals; });
}

QList<gio::App> applications()
{
    return withInstalled([](Installed& i) {
        if (!i.all) {
            QList<gio::App> all = i.terminals;
            QSet<QString> seen;
            for (const gio::App& app : std::as_const(i.terminals))
                seen.insert(app.path);
            for (gio::App& app : gio::allApplications()) {
                if (!seen.contains(app.path))
                    all.append(std::move(app));
            }
            i.all = std::move(all);
        }
        return *i.all;
    });
}

// What `find` finds among the terminals, else among every application.
template<typename Find> auto terminalsFirst(Find find)
{
    auto found = find(terminals());
    return found ? found : find(applications());
}

// The desktop-file ID of a list's entry ("kitty.desktop:new-window" is kitty's action); empty
// for a line that names none: a comment, or a directive that only shapes the fallback ("+x", "-x").
QString entryId(const QString& line)
{
    const QString t = line.trimmed();
    if (t.isEmpty() || t.startsWith(u'#') || t.startsWith(u'+') || t.startsWith(u'-'))
        return {};
    const QString entry = t.section(u':', 0, 0).trimmed();
    return entry.endsWith(u".desktop"_s) ? entry.chopped(8) : entry;
}

// The lists xdg-terminal-exec reads, strongest first: in each folder, one for each desktop
// name, then the plain one.
QStringList listPaths()
{
    QStringList folders = gio::configDirs();
    const QStringList data = gio::dataDirs();
    for (const QString& dir : data.mid(1))
        folders.append(dir + u"/xdg-terminal-exec"_s);
    const QStringList desktops = gio::currentDesktops();
    QStringList paths;
    for (const QString& folder : std::as_const(folders)) {
        for (const QString& desktop : desktops)
            paths.append(folder + u'/' + desktop + u'-' + QLatin1StringView(kList));
        paths.append(folder + u'/' + QLatin1StringView(kList));
    }
    return paths;
}

QString userList()
{
    return gio::userConfigDir() + u'/' + QLatin1StringView(kList);
}

// The user's desktop-specific lists that exist: they outrank the user's plain list.
QStringList userDesktopLists()
{
    QStringList lists;
    for (const QString& desktop : gio::currentDesktops()) {
        const QString path = gio::userConfigDir() + u'/' + desktop + u'-' + QLatin1StringView(kList);
        if (QFileInfo::exists(path))
            lists.append(path);
    }
    return lists;
}

std::optional<gio::App> terminalById(const QString& id, const QList<gio::App>& terminals)
{
    const auto it = std::find_if(terminals.cbegin(), terminals.cend(), [&](const gio::App& a) { return a.id == id; });
    return it == terminals.cend() ? std::nullopt : std::optional(*it);
}

TerminalSource readList(const QString& path, const QList<gio::App>& terminals)
{
    TerminalSource source;
    source.file = path;
    source.users = path == userList() || QFileInfo(path).path() == gio::userConfigDir();
    const auto bytes = readFile(path);
    source.exists = bytes.has_value();
    if (!bytes)
        return source;
    int number = 0;
    for (const QByteArray& raw : bytes->split('\n')) {
        ++number;
        const QString id = entryId(QString::fromUtf8(raw));
        if (id.isEmpty())
            continue;
        source.listed.append(QString::fromUtf8(raw).trimmed());
        if (source.line == 0)
            source.line = number;
        const auto app = terminalById(id, terminals);
        if (!app) {
            source.skipped.append(source.listed.last());
        } else if (!source.app) {
            source.app = app;
            source.line = number;
        }
    }
    return source;
}

// The desktop's own setting of a key file (helpers.rc, kdeglobals): the user's file first, a
// system one (/etc/xdg) where the user's sets nothing.
std::optional<TerminalSource> readKeyFileSetting(const QString& relative, const QString& group,
                                                 const QStringList& keys)
{
    for (const QString& dir : gio::configDirs()) {
        const QString path = dir + relative;
        const auto bytes = readFile(path);
        if (!bytes)
            continue;
        const QList<KeyLine> lines = keyLines(*bytes);
        // The first key of `keys` that is set speaks for the desktop (KDE's TerminalService
        // before its TerminalApplication).
        for (const QString& key : keys) {
            for (const KeyLine& line : lines) {
                if (line.group == group && line.key == key && !line.value.isEmpty()) {
                    TerminalSource source;
                    source.kind = TerminalSource::Kind::desktop;
                    source.file = path;
                    source.line = line.number;
                    source.key = key;
                    source.listed = {line.value};
                    source.users = dir == gio::userConfigDir();
                    return source;
                }
            }
        }
    }
    return std::nullopt;
}

std::optional<TerminalSource> readDesktopSetting(DesktopTerminal::Desktop desktop)
{
    std::optional<TerminalSource> source;
    QString command; // the value, when it is a command rather than a name
    switch (desktop) {
    case DesktopTerminal::Desktop::none: return std::nullopt;
    case DesktopTerminal::Desktop::xfce:
        source = readKeyFileSetting(u"/xfce4/helpers.rc"_s, QString(), {u"TerminalEmulator"_s});
        if (source) {
            const QString& name = source->listed.first();
            source->app = terminalsFirst([&](const QList<gio::App>& apps) { return xfceApp(name, apps, terminalRole()); });
            if (const auto helper = readHelper(name); source->app && helper && startsSystemChoice(*helper, terminalRole()))
                source->through = QCoreApplication::translate("DesktopTerminal", "Xfce's Debian terminal, which starts %1")
                                      .arg(source->app->name);
        }
        return source;
    case DesktopTerminal::Desktop::kde:
        source = readKeyFileSetting(u"/kdeglobals"_s, u"General"_s, {u"TerminalService"_s, u"TerminalApplication"_s});
        if (source && source->key == u"TerminalService") {
            const QString& value = source->listed.first();
            source->app = gio::appForId(value.endsWith(u".desktop"_s) ? value.chopped(8) : value);
            return source;
        }
        if (source)
            command = source->listed.first();
        break;
    case DesktopTerminal::Desktop::gnome: {
        const auto value = gio::settingsString(schema(), gnomeKey());
        if (!value || value->trimmed().isEmpty())
            return std::nullopt;
        source = TerminalSource {};
        source->kind = TerminalSource::Kind::desktop;
        source->file = schema();
        source->key = gnomeKey();
        source->listed = {*value};
        source->users = gio::settingsKeyIsSet(schema(), gnomeKey());
        command = *value;
        break;
    }
    }
    if (!source)
        return source;
    if (terminalRole().systemPrograms.contains(executableName(command))) {
        source->app = terminalsFirst([](const QList<gio::App>& apps) { return systemChoice(apps, terminalRole()); });
        if (source->app)
            source->through = QCoreApplication::translate("DesktopTerminal", "the system's terminal, %1")
                                  .arg(source->app->name);
    } else {
        source->app = terminalsFirst([&](const QList<gio::App>& apps) { return appRunning(command, apps); });
    }
    return source;
}

std::optional<TerminalSource> readAlternative()
{
    const QString target = alternativeTarget(QString::fromLatin1(kAlternative));
    if (target.isEmpty())
        return std::nullopt;
    TerminalSource source;
    source.kind = TerminalSource::Kind::alternative;
    source.file = QStandardPaths::findExecutable(QString::fromLatin1(kAlternative));
    source.listed = {target};
    source.app = terminalsFirst([](const QList<gio::App>& apps) { return systemChoice(apps, terminalRole()); });
    return source;
}

} // namespace

DesktopTerminal::Desktop DesktopTerminal::currentDesktop()
{
    for (const QString& name : qEnvironmentVariable("XDG_CURRENT_DESKTOP").split(u':', Qt::SkipEmptyParts)) {
        if (name.compare(u"XFCE"_s, Qt::CaseInsensitive) == 0)
            return Desktop::xfce;
        if (name.compare(u"KDE"_s, Qt::CaseInsensitive) == 0)
            return Desktop::kde;
        if (name.compare(u"GNOME"_s, Qt::CaseInsensitive) == 0 || name.compare(u"X-Cinnamon"_s, Qt::CaseInsensitive) == 0
            || name.compare(u"Cinnamon"_s, Qt::CaseInsensitive) == 0)
            return Desktop::gnome;
    }
    return Desktop::none;
}

QString DesktopTerminal::desktopName(Desktop desktop)
{
    switch (desktop) {
    case Desktop::xfce: return u"Xfce"_s;
    case Desktop::kde: return u"KDE"_s;
    case Desktop::gnome: return u"GNOME"_s;
    case Desktop::none: break;
    }
    return {};
}

DesktopTerminal::Reading DesktopTerminal::read()
{
    Reading reading;
    reading.desktop = currentDesktop();
    reading.candidates = terminals();
    for (const QString& path : listPaths()) {
        TerminalSource source = readList(path, reading.candidates);
        if (source.exists || path == userList())
            reading.lists.append(std::move(source));
    }
    reading.desktopSetting = readDesktopSetting(reading.desktop);
    reading.alternative = readAlternative();
    return reading;
}

const TerminalSource* DesktopTerminal::Reading::decidingList() const
{
    const auto it = std::find_if(lists.cbegin(), lists.cend(), [](const TerminalSource& s) { return s.app.has_value(); });
    return it == lists.cend() ? nullptr : &*it;
}

std::optional<gio::App> DesktopTerminal::Reading::listChoice() const
{
    if (const TerminalSource* list = decidingList())
        return list->app;
    return candidates.isEmpty() ? std::nullopt : std::optional(candidates.first());
}

bool DesktopTerminal::Reading::split() const
{
    // Without a list naming one, the desktop's setting is the only choice there is: the
    // first installed terminal is no one's choice to differ from.
    const TerminalSource* list = decidingList();
    return desktopSetting && list && (!desktopSetting->app || desktopSetting->app->path != list->app->path);
}

std::optional<gio::App> DesktopTerminal::Reading::current() const
{
    if (split())
        return std::nullopt;
    if (desktopSetting)
        return desktopSetting->app;
    return listChoice();
}

DefaultSource DesktopTerminal::Reading::source() const
{
    if (!current() && !split())
        return DefaultSource::notSet;
    if (hasUserChoice())
        return DefaultSource::user;
    return decidingList() || desktopSetting ? DefaultSource::desktop : DefaultSource::system;
}

bool DesktopTerminal::Reading::hasUserChoice() const
{
    return (desktopSetting && desktopSetting->users)
        || std::any_of(lists.cbegin(), lists.cend(), [](const TerminalSource& s) { return s.users && !s.listed.isEmpty(); });
}

namespace {

DecisionStep stepOf(const TerminalSource& source, const QString& desktop)
{
    DecisionStep step;
    step.file = source.file;
    step.line = source.line;
    step.listed = source.listed;
    step.skipped = source.skipped;
    step.through = source.through;
    if (source.app)
        step.chosenName = source.app->name;
    switch (source.kind) {
    case TerminalSource::Kind::list:
        step.group = DecisionStep::Group::TerminalList;
        step.presence = source.exists ? DecisionStep::Presence::Read : DecisionStep::Presence::Missing;
        break;
    case TerminalSource::Kind::desktop:
        step.group = DecisionStep::Group::TerminalSetting;
        step.mimeType = desktop + u' ' + source.key;
        break;
    case TerminalSource::Kind::alternative: step.group = DecisionStep::Group::SystemAlternative; break;
    }
    return step;
}

QString chosenId(const gio::App& app)
{
    return app.id + u".desktop"_s;
}

} // namespace

DecisionChain DesktopTerminal::explain(const Target& target, const Reading& reading)
{
    DecisionChain chain;
    chain.target = target;
    chain.mimeType = QString::fromLatin1(kCategory);
    chain.desktops = gio::currentDesktops(&chain.ignoredDesktops);
    const QString desktop = desktopName(reading.desktop);
    // The desktop's own setting first: its own launches never reach the lists, nor its
    // fallback. Where it is set, it alone decides; the lists then decide for xdg-terminal-exec.
    const bool desktopDecides = reading.desktopSetting.has_value();
    std::optional<gio::App> decider;
    if (desktopDecides) {
        DecisionStep step = stepOf(*reading.desktopSetting, desktop);
        if (reading.desktopSetting->app) {
            step.chosen = chosenId(*reading.desktopSetting->app);
            decider = reading.desktopSetting->app;
        }
        chain.steps.append(step);
    }
    const TerminalSource* deciding = reading.decidingList();
    for (const TerminalSource& list : reading.lists) {
        DecisionStep step = stepOf(list, desktop);
        if (&list != deciding) {
            step.chosenName.clear();
        } else if (!desktopDecides) {
            step.chosen = chosenId(*list.app);
            decider = list.app;
        }
        if (list.exists && QFileInfo(list.file).fileName() != QLatin1StringView(kList))
            chain.desktopLists.append(list.file);
        chain.steps.append(step);
    }
    // Where no list names one, xdg-terminal-exec takes the first installed terminal (shown
    // only where nothing of the desktop's own decides).
    DecisionStep installed;
    installed.group = DecisionStep::Group::InstalledHandlers;
    installed.mimeType = QString::fromLatin1(kCategory);
    for (const gio::App& app : reading.candidates)
        installed.listed.append(chosenId(app));
    if (!reading.candidates.isEmpty() && !deciding && !desktopDecides) {
        installed.chosenName = reading.candidates.first().name;
        installed.chosen = chosenId(reading.candidates.first());
        decider = reading.candidates.first();
    }
    if (!desktopDecides)
        chain.steps.append(installed);
    if (reading.alternative)
        chain.steps.append(stepOf(*reading.alternative, desktop));
    if (decider)
        chain.app = DecisionChain::App {chosenId(*decider), decider->path, decider->name};
    return chain;
}

QStringList DesktopTerminal::filesWritten()
{
    QStringList files {userList()};
    files += userDesktopLists();
    switch (currentDesktop()) {
    case Desktop::xfce:
        files.append(gio::userConfigDir() + u"/xfce4/helpers.rc"_s);
        files.append(customHelperPath(terminalRole()));
        break;
    case Desktop::kde: files.append(gio::userConfigDir() + u"/kdeglobals"_s); break;
    case Desktop::gnome:
    case Desktop::none: break;
    }
    return files;
}

namespace {

// The list's text with `app` first among its entries and named once; comments, directives and
// other entries stay where they are.
QByteArray withFirst(const QByteArray& bytes, const gio::App& app)
{
    QStringList out;
    bool placed = false;
    const QStringList lines = bytes.isEmpty() ? QStringList() : QString::fromUtf8(bytes).split(u'\n');
    for (const QString& line : lines) {
        const QString id = entryId(line);
        if (id == app.id)
            continue;
        if (!id.isEmpty() && !std::exchange(placed, true))
            out.append(chosenId(app));
        out.append(line);
    }
    while (!out.isEmpty() && out.last().isEmpty())
        out.removeLast();
    if (!placed)
        out.append(chosenId(app));
    return (out.join(u'\n') + u'\n').toUtf8();
}

// The list's text without any entry: what is left is the user's comments and directives.
QByteArray withoutEntries(const QByteArray& bytes)
{
    QStringList out;
    for (const QString& line : QString::fromUtf8(bytes).split(u'\n')) {
        if (entryId(line).isEmpty())
            out.append(line);
    }
    while (!out.isEmpty() && out.last().isEmpty())
        out.removeLast();
    return out.isEmpty() ? QByteArray() : (out.join(u'\n') + u'\n').toUtf8();
}

std::optional<gio::Error> editFile(const QString& path, const std::function<QByteArray(const QByteArray&)>& edit)
{
    if (!QFileInfo::exists(path) && edit(QByteArray()).trimmed().isEmpty())
        return std::nullopt; // nothing to remove from a file that is not there
    std::optional<gio::Error> failure;
    const auto before = userText(path, failure);
    if (!before)
        return failure;
    const QByteArray after = edit(*before);
    if (after == *before)
        return std::nullopt;
    return write(path, after);
}

} // namespace

std::optional<gio::Error> DesktopTerminal::set(const gio::App& app)
{
    for (const QString& list : QStringList {userList()} + userDesktopLists()) {
        if (auto failure = editFile(list, [&](const QByteArray& bytes) { return withFirst(bytes, app); }))
            return failure;
    }
    const QString command = app.commandLine;
    switch (currentDesktop()) {
    case Desktop::xfce: {
        QString helper = helperFor(app, terminals(), terminalRole());
        if (helper.isEmpty())
            helper = helperFor(app, applications(), terminalRole());
        if (helper.isEmpty()) {
            // No installed helper starts it: a custom helper does, as Xfce's own settings make one.
            if (auto failure = writeCustomHelper(app, terminalRole(), u"%1 -e \"%s\""_s))
                return failure;
            helper = customHelperName(terminalRole());
        }
        return editFile(gio::userConfigDir() + u"/xfce4/helpers.rc"_s, [&](const QByteArray& bytes) {
            return withKey(bytes, QString(), u"TerminalEmulator"_s, helper);
        });
    }
    case Desktop::kde:
        // KDE starts TerminalApplication, and TerminalService tells which entry that is.
        return editFile(gio::userConfigDir() + u"/kdeglobals"_s, [&](const QByteArray& bytes) {
            return withKey(withKey(bytes, u"General"_s, u"TerminalApplication"_s, command), u"General"_s,
                           u"TerminalService"_s, chosenId(app));
        });
    case Desktop::gnome:
        // Only where the schema is installed: without it no program of the desktop reads the key.
        if (gio::settingsString(schema(), gnomeKey()))
            return gio::setSettingsString(schema(), gnomeKey(), command);
        return std::nullopt;
    case Desktop::none: break;
    }
    return std::nullopt;
}

std::optional<gio::Error> DesktopTerminal::reset()
{
    for (const QString& list : QStringList {userList()} + userDesktopLists()) {
        if (auto failure = editFile(list, withoutEntries))
            return failure;
    }
    switch (currentDesktop()) {
    case Desktop::xfce:
        return editFile(gio::userConfigDir() + u"/xfce4/helpers.rc"_s, [](const QByteArray& bytes) {
            return withKey(bytes, QString(), u"TerminalEmulator"_s, std::nullopt);
        });
    case Desktop::kde:
        return editFile(gio::userConfigDir() + u"/kdeglobals"_s, [](const QByteArray& bytes) {
            return withKey(withKey(bytes, u"General"_s, u"TerminalApplication"_s, std::nullopt), u"General"_s,
                           u"TerminalService"_s, std::nullopt);
        });
    case Desktop::gnome: return gio::resetSettingsKey(schema(), gnomeKey());
    case Desktop::none: break;
    }
    return std::nullopt;
}

} // namespace openwright
