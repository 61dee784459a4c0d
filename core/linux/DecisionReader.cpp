// SPDX-License-Identifier: GPL-3.0-or-later
#include "DecisionReader.h"

#include "Gio.h"
#include "KeyFileLines.h"
#include "MimeLists.h"

#include <gio/gdesktopappinfo.h>
#include <gio/gio.h>

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QMutex>

#include <algorithm>
#include <memory>
#include <utility>

namespace openwright::gio {

using namespace Qt::Literals::StringLiterals;

namespace {

using Group = DecisionStep::Group;
using Presence = DecisionStep::Presence;
using App = DecisionChain::App;

struct GLibFree
{
    void operator()(GKeyFile* file) const { g_key_file_free(file); }
    void operator()(gchar* s) const { g_free(s); }
    void operator()(gchar** strv) const { g_strfreev(strv); }
    void operator()(GDesktopAppInfo* info) const { g_object_unref(info); }
    void operator()(GAppInfo* info) const { g_object_unref(info); }
};
template<typename T> using Owned = std::unique_ptr<T, GLibFree>;

constexpr const char* kDefaultGroup = "Default Applications";
constexpr const char* kAddedGroup = "Added Associations";
constexpr const char* kRemovedGroup = "Removed Associations";
constexpr const char* kCacheGroup = "MIME Cache";

// Symlinked folders can loop; GIO's own walk has no limit, real trees are a few levels deep.
constexpr int kMaxFolderDepth = 16;

QString fromUtf8(const char* s)
{
    return s ? QString::fromUtf8(s) : QString();
}


// GKeyFile does not say where an entry is, so find its line in the text: the last line that
// sets the key in a section of that name, as GKeyFile keeps the last value.
QHash<QString, int> entryLines(const QString& path, const FileOverlay* overlay)
{
    QHash<QString, int> lines;
    const auto given = overlay ? overlay->constFind(path) : FileOverlay::const_iterator();
    const QList<KeyFileLine> all = overlay && given != overlay->cend()
        ? parseKeyFileLines(given->value_or(QByteArray()))
        : readKeyFileLines(path);
    for (const KeyFileLine& line : all)
        lines.insert(line.group + u'\n' + line.key, line.number);
    return lines;
}

QList<Entry> readGroup(GKeyFile* file, const char* group, const QHash<QString, int>& lines)
{
    QList<Entry> entries;
    gsize count = 0;
    Owned<gchar*> keys(g_key_file_get_keys(file, group, &count, nullptr));
    if (!keys)
        return entries;
    const QString groupName = QString::fromUtf8(group);
    QSet<QString> seen;
    for (gsize i = 0; i < count; ++i) {
        const char* key = keys.get()[i];
        const QString type = fromUtf8(key);
        if (seen.contains(type)) // a repeated key: GKeyFile lists it twice with its last value
            continue;
        seen.insert(type);
        gsize length = 0;
        Owned<gchar*> values(g_key_file_get_string_list(file, group, key, &length, nullptr));
        if (!values)
            continue;
        Entry entry {type, unalias(type), {}, lines.value(groupName + u'\n' + type)};
        entry.ids.reserve(qsizetype(length));
        for (gchar** v = values.get(); *v; ++v) {
            if (**v)
                entry.ids.append(fromUtf8(*v));
        }
        entries.append(std::move(entry));
    }
    return entries;
}

Owned<GKeyFile> loadKeyFile(const QString& path, const FileOverlay* overlay = nullptr)
{
    Owned<GKeyFile> file(g_key_file_new());
    if (overlay) {
        if (const auto given = overlay->constFind(path); given != overlay->cend()) {
            if (!*given
                || !g_key_file_load_from_data(file.get(), (*given)->constData(), gsize((*given)->size()),
                                              G_KEY_FILE_NONE, nullptr))
                return nullptr;
            return file;
        }
    }
    if (!g_key_file_load_from_file(file.get(), QFile::encodeName(path).constData(), G_KEY_FILE_NONE, nullptr))
        return nullptr;
    return file;
}

// Whether the file is there, or would be with the overlay's changes.
bool present(const QString& path, const FileOverlay* overlay)
{
    if (overlay) {
        if (const auto given = overlay->constFind(path); given != overlay->cend())
            return given->has_value();
    }
    return QFileInfo::exists(path);
}

List readList(const QString& path, bool mayTweak, bool userOwn, const FileOverlay* overlay)
{
    List list;
    list.path = path;
    list.userOwn = userOwn;
    if (!present(path, overlay))
        return list;
    const Owned<GKeyFile> file = loadKeyFile(path, overlay);
    if (!file) {
        list.presence = Presence::Unreadable;
        return list;
    }
    list.presence = Presence::Read;
    const QHash<QString, int> lines = entryLines(path, overlay);
    list.defaults = readGroup(file.get(), kDefaultGroup, lines);
    // GIO ignores these groups in desktop-specific lists and in defaults.list.
    if (mayTweak) {
        list.added = readGroup(file.get(), kAddedGroup, lines);
        list.removed = readGroup(file.get(), kRemovedGroup, lines);
    }
    return list;
}

// A path as GLib joins it (g_build_filename), so that it compares equal with the paths GIO gives.
QString buildPath(const QString& dir, const QString& name)
{
    return joinedPath(dir, name);
}

// Every desktop-file ID in an applications folder, named as GIO names them, with its file.
void collectApps(const QString& dir, const QString& prefix, int depth, AppFiles& apps,
                 const FileOverlay* overlay, Folder& folder)
{
    if (depth > kMaxFolderDepth)
        return;
    folder.read.append(dir);
    folder.stamp += pathsStamp({dir});
    // Named one at a time, not as a list of every entry's file info (6 MB at 10,000 entries), and
    // taken in the order of a case-blind sort of the names: where a file's ID and a subfolder's
    // coincide, the later one is the one kept.
    struct Listed
    {
        QString name;
        bool folder;
        bool exists;
    };
    QList<Listed> listed;
    QDirIterator it(dir, QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden | QDir::System);
    while (it.hasNext()) {
        const QFileInfo entry = it.nextFileInfo();
        QString name = entry.fileName();
        if (name.endsWith(u".desktop"_s))
            listed.append({std::move(name), false, entry.exists()});
        else if (entry.isDir())
            listed.append({std::move(name), true, true});
    }
    std::sort(listed.begin(), listed.end(),
              [](const Listed& a, const Listed& b) { return a.name.compare(b.name, Qt::CaseInsensitive) < 0; });
    for (const Listed& entry : std::as_const(listed)) {
        const QString path = buildPath(dir, entry.name);
        if (entry.folder)
            collectApps(path, prefix + entry.name + u'-', depth + 1, apps, overlay, folder);
        else if (!(overlay && overlay->contains(path) ? present(path, overlay) : entry.exists))
            continue;
        else if (prefix.isEmpty())
            apps.insertDirect(entry.name);
        else
            apps.insert(prefix + entry.name, path);
    }
}

Folder readFolder(const QString& dir, bool applications, bool user, const QStringList& desktops,
                  const FileOverlay* overlay)
{
    Folder folder;
    folder.dir = dir;
    folder.applications = applications;
    folder.user = user;
    for (const QString& desktop : desktops)
        folder.read.append(buildPath(dir, desktop + u"-mimeapps.list"_s));
    folder.read.append(buildPath(dir, u"mimeapps.list"_s));
    if (applications) {
        // Never part of the standard, but GIO still reads it.
        folder.read.append(buildPath(dir, u"defaults.list"_s));
        folder.read.append(buildPath(dir, u"mimeinfo.cache"_s));
    }
    folder.stamp = pathsStamp(folder.read);
    for (qsizetype i = 0; i < desktops.size(); ++i)
        folder.lists.append(readList(folder.read[i], false, user, overlay));
    folder.plain = folder.lists.size();
    folder.lists.append(readList(folder.read[folder.plain], true, user, overlay));
    if (applications) {
        folder.lists.append(readList(folder.read[folder.plain + 1], false, false, overlay));
        if (const Owned<GKeyFile> cache = loadKeyFile(folder.read[folder.plain + 2]))
            folder.cache = readGroup(cache.get(), kCacheGroup, {});
        folder.apps.setDir(dir);
        collectApps(dir, {}, 0, folder.apps, overlay, folder);
        // Each ID of the cache shares the text of the folder's own: at 10,000 applications the
        // cache names some 50,000, and they are kept.
        for (Entry& entry : folder.cache) {
            for (QString& id : entry.ids) {
                if (const auto it = folder.apps.constFind(id); it != folder.apps.cend())
                    id = it.key();
            }
        }
    }
    return folder;
}

// The folders in GIO's order: the user's configuration, the system's, then the applications
// folders, the user's first.
QList<Folder> readFolders(const QStringList& desktops, const FileOverlay* overlay = nullptr)
{
    const auto applications
        = [](const char* dataDir) { return buildPath(QFile::decodeName(dataDir), u"applications"_s); };
    QList<Folder> folders {readFolder(QFile::decodeName(g_get_user_config_dir()), false, true, desktops, overlay)};
    for (const gchar* const* d = g_get_system_config_dirs(); d && *d; ++d)
        folders.append(readFolder(QFile::decodeName(*d), false, false, desktops, overlay));
    folders.append(readFolder(applications(g_get_user_data_dir()), true, false, desktops, overlay));
    for (const gchar* const* d = g_get_system_data_dirs(); d && *d; ++d)
        folders.append(readFolder(applications(*d), true, false, desktops, overlay));
    return folders;
}

// The parent types of each type: the subclass data of the shared MIME database, in every folder
// GIO reads it from.
// The files of the shared MIME database's subclass data, in every folder GIO reads it from, named
// as GIO names them. Not through g_content_type_get_mime_dirs(): its first call after a type
// was looked up reloads the database and loses the first load (LeakSanitizer reports it).
QStringList subclassFiles()
{
    QStringList files {QFile::decodeName(g_get_user_data_dir()) + u"/mime/subclasses"_s};
    for (const gchar* const* d = g_get_system_data_dirs(); d && *d; ++d)
        files.append(QFile::decodeName(*d) + u"/mime/subclasses"_s);
    return files;
}

QHash<QString, QStringList> parentTypes()
{
    QHash<QString, QStringList> parents;
    for (const QString& path : subclassFiles()) {
        QFile file(path);
        if (!file.open(QIODevice::ReadOnly))
            continue;
        while (!file.atEnd()) {
            const QList<QByteArray> pair = file.readLine().trimmed().split(' ');
            if (pair.size() != 2)
                continue;
            QStringList& list = parents[QString::fromUtf8(pair[0])];
            const QString parent = QString::fromUtf8(pair[1]);
            if (!list.contains(parent))
                list.append(parent);
        }
    }
    return parents;
}

// The type and its parent types, nearest first, in the order GIO falls back through them.
QStringList typeAndParentsOf(const QString& contentType, const QHash<QString, QStringList>& parents)
{
    QStringList types {unalias(contentType)};
    for (qsizetype i = 0; i < types.size(); ++i) {
        for (const QString& parent : parents.value(types[i])) {
            const QString type = unalias(parent);
            if (!types.contains(type))
                types.append(type);
        }
    }
    return types;
}

// What GIO's merge of one folder's associations made of an ID it read.
enum class Take
{
    kept,
    blocked, // named by the other group of the same folder
    repeated, // already there
};

// GIO's expand_strv(): the first IDs a folder gives for a type are taken as they are; later ones
// skip those already there and those in `block`.
QList<Take> expand(std::optional<QStringList>& list, const QStringList& ids, const std::optional<QStringList>& block)
{
    if (!list) {
        list = ids;
        return QList<Take>(ids.size(), Take::kept);
    }
    QList<Take> takes;
    for (const QString& id : ids) {
        if (block && block->contains(id)) {
            takes.append(Take::blocked);
        } else if (list->contains(id)) {
            takes.append(Take::repeated);
        } else {
            list->append(id);
            takes.append(Take::kept);
        }
    }
    return takes;
}

// Walks the lookup as GIO does, recording each place it consults as a step.
class Explainer final
{
public:
    // On folders and type data already read (or read with some files changed).
    Explainer(const Target& target, const QString& contentType, const QList<Folder>& folders,
              const QHash<QString, QStringList>& parents)
        : m_folders(folders)
        , m_parents(parents)
    {
        m_chain.target = target;
        m_chain.mimeType = contentType;
        m_chain.desktops = currentDesktops(&m_chain.ignoredDesktops);
        for (const Folder& folder : std::as_const(m_folders)) {
            for (qsizetype i = 0; i < folder.plain; ++i) {
                if (folder.lists[i].presence != Presence::Missing)
                    m_chain.desktopLists.append(folder.lists[i].path);
            }
        }
    }

    DecisionChain run(bool compare = true)
    {
        const QStringList types = typeAndParentsOf(*m_chain.mimeType, m_parents);
        for (qsizetype i = 0; i < types.size(); ++i) {
            if (m_decisionOnly && m_chain.app)
                break;
            // The removals stay in force for the parent types; the entries tried do not.
            m_hits.clear();
            // Once decided, defaults set for parent types are still shown: the system never gets
            // to them, which is often the very surprise being explained.
            defaults(types[i], i > 0);
            if (!m_chain.app)
                associations(types[i], i > 0);
        }
        if (compare)
            compareWithSystem();
        return std::move(m_chain);
    }

    // The walk up to the step that decides, and no further: what comes after it (outranked
    // entries, parent types) only explains, and each of its entries costs a load. `answer` is
    // GIO's own default for the type when the caller has it: the entry its lookup loaded for
    // that ID, not loaded again.
    DecisionChain decide(const std::optional<gio::App>& answer)
    {
        if (answer) {
            const QString id = answer->id + u".desktop"_s; // as the lists name it
            m_installed.insert(id, App {id, answer->path, answer->name});
        }
        m_decisionOnly = true;
        return run(false);
    }

private:
    // The entry GIO's default lookup opens for the ID: the first of that ID in folder order that
    // loads, which drops entries whose program is missing. Unlike g_desktop_app_info_new(), the
    // lookup keeps an entry that says Hidden=true.
    const std::optional<App>& installed(const QString& id)
    {
        auto it = m_installed.constFind(id);
        if (it == m_installed.cend()) {
            std::optional<App> app;
            for (const Folder& folder : std::as_const(m_folders)) {
                const QString path = folder.apps.value(id);
                if (path.isEmpty())
                    continue;
                Owned<GDesktopAppInfo> info(g_desktop_app_info_new_from_filename(QFile::encodeName(path).constData()));
                if (!info)
                    continue;
                Owned<gchar> name(g_desktop_app_info_get_locale_string(info.get(), G_KEY_FILE_DESKTOP_KEY_NAME));
                app = App {id, path, name ? fromUtf8(name.get()) : QFileInfo(path).completeBaseName()};
                break;
            }
            it = m_installed.insert(id, std::move(app));
        }
        return *it;
    }

    // Whether an applications folder earlier in the order holds an entry of that ID, which
    // then stands in for this folder's.
    bool masked(qsizetype folder, const QString& id) const
    {
        for (qsizetype i = 0; i < folder; ++i) {
            if (m_folders[i].apps.contains(id))
                return true;
        }
        return false;
    }

    static DecisionStep entryStep(const QString& file, const Entry& entry, Group group, bool parent)
    {
        DecisionStep step;
        step.file = file;
        step.line = entry.line;
        step.group = group;
        step.mimeType = entry.type;
        step.parentType = parent;
        step.listed = entry.ids;
        return step;
    }

    // Tries `id` for `step`; true when it decides.
    bool tryApp(DecisionStep& step, const QString& id)
    {
        m_hits.append(id);
        const std::optional<App>& app = installed(id);
        if (!app) {
            step.skipped.append(id);
            return false;
        }
        step.chosen = id;
        step.chosenName = app->name;
        m_chain.app = app;
        m_chosen = id;
        return true;
    }

    // Every [Default Applications] entry for the type, in list order. Entries after the one
    // that decides are kept: they are what the user may be wondering about.
    void defaults(const QString& type, bool parent)
    {
        for (const Folder& folder : std::as_const(m_folders)) {
            for (const List& list : folder.lists) {
                if (list.presence != Presence::Read) {
                    if (!parent && (list.userOwn || list.presence == Presence::Unreadable)) {
                        DecisionStep step;
                        step.file = list.path;
                        step.presence = list.presence;
                        step.mimeType = type;
                        m_chain.steps.append(step);
                    }
                    continue;
                }
                bool mentioned = false;
                for (const Entry& entry : list.defaults) {
                    if (entry.canonical != type)
                        continue;
                    if (m_decisionOnly && m_chain.app)
                        return;
                    mentioned = true;
                    DecisionStep step = entryStep(list.path, entry, Group::DefaultApplications, parent);
                    for (const QString& id : entry.ids) {
                        if (step.decided())
                            break;
                        if (m_chain.app) {
                            // Outranked: still tell the user which of these could not be used.
                            if (id != m_chosen && !installed(id))
                                step.skipped.append(id);
                        } else if (m_hits.contains(id)) {
                            step.skipped.append(id); // tried above
                        } else {
                            tryApp(step, id);
                        }
                    }
                    m_chain.steps.append(step);
                }
                if (!mentioned && !parent) {
                    DecisionStep step;
                    step.file = list.path;
                    step.mimeType = type;
                    m_chain.steps.append(step);
                }
            }
        }
    }

    // One ID of a folder's associations for a type, in the order GIO merged it, with the step
    // that shows it (an index into the chain's steps; -1 for the installed handlers).
    struct Read
    {
        QString id;
        qsizetype step;
        Take take;
    };

    // The added and removed associations and the installed handlers, folder by folder, as GIO
    // reads them: each folder's [Added Associations] and then its mimeinfo.cache add, its
    // [Removed Associations] remove from the folders after it. Within a folder the merge keeps
    // a cache entry that a removal names unless the folder also adds something for the type.
    void associations(const QString& type, bool parent)
    {
        qsizetype handlers = -1; // the installed-handlers step being filled
        bool anyHandlers = false;
        const auto handlersStep = [&]() -> DecisionStep& {
            if (handlers < 0) {
                DecisionStep step;
                step.group = Group::InstalledHandlers;
                step.mimeType = type;
                step.parentType = parent;
                handlers = m_chain.steps.size();
                m_chain.steps.append(step);
                anyHandlers = true;
            }
            return m_chain.steps[handlers];
        };

        for (qsizetype f = 0; f < m_folders.size() && !m_chain.app; ++f) {
            const Folder& folder = m_folders[f];
            const List& plain = folder.lists[folder.plain];
            std::optional<QStringList> additions;
            std::optional<QStringList> removals;
            QList<Read> added;
            QList<Read> removed;
            QList<Read> cached;
            QList<DecisionStep> removedSteps;
            for (const Entry& entry : plain.added) {
                if (entry.canonical != type)
                    continue;
                const QList<Take> takes = expand(additions, entry.ids, removals);
                for (qsizetype i = 0; i < takes.size(); ++i)
                    added.append({entry.ids[i], m_chain.steps.size(), takes[i]});
                m_chain.steps.append(entryStep(plain.path, entry, Group::AddedAssociations, parent));
                handlers = -1;
            }
            for (const Entry& entry : plain.removed) {
                if (entry.canonical != type)
                    continue;
                const QList<Take> takes = expand(removals, entry.ids, additions);
                for (qsizetype i = 0; i < takes.size(); ++i)
                    removed.append({entry.ids[i], removedSteps.size(), takes[i]});
                removedSteps.append(entryStep(plain.path, entry, Group::RemovedAssociations, parent));
            }
            for (const Entry& entry : folder.cache) {
                if (entry.canonical != type)
                    continue;
                const QList<Take> takes = expand(additions, entry.ids, removals);
                for (qsizetype i = 0; i < takes.size(); ++i)
                    cached.append({entry.ids[i], -1, takes[i]});
            }

            for (const Read& r : std::as_const(added)) {
                DecisionStep& step = m_chain.steps[r.step];
                if (r.take != Take::kept || m_chain.app)
                    continue;
                if (m_blocklist.contains(r.id))
                    step.removed.append(r.id);
                else if (masked(f, r.id) || m_hits.contains(r.id))
                    step.skipped.append(r.id);
                else
                    tryApp(step, r.id);
            }
            const qsizetype handlersFrom = m_hits.size(); // hits from this folder's own cache
            for (const Read& r : std::as_const(cached)) {
                if (m_chain.app)
                    break;
                if (r.take == Take::repeated)
                    continue; // added above
                if (r.take == Take::blocked || (m_blocklist.contains(r.id) && !masked(f, r.id))) {
                    DecisionStep& step = handlersStep();
                    step.listed.append(r.id);
                    step.removed.append(r.id);
                    continue;
                }
                // An entry of the same ID in an earlier folder stands for this one, and one
                // named above has been tried.
                if (masked(f, r.id) || m_hits.contains(r.id))
                    continue;
                DecisionStep& step = handlersStep();
                step.listed.append(r.id);
                tryApp(step, r.id);
            }
            // The folder's removals are shown even once it decided: one that cannot reach the
            // folder's own handlers is the surprise being explained.
            const qsizetype removedFrom = m_chain.steps.size();
            m_chain.steps.append(removedSteps);
            if (!removedSteps.isEmpty())
                handlers = -1;
            for (const Read& r : std::as_const(removed)) {
                DecisionStep& step = m_chain.steps[removedFrom + r.step];
                if (r.take != Take::kept)
                    continue;
                // A removal cannot take back an entry already named above.
                if (masked(f, r.id) || m_blocklist.contains(r.id) || m_hits.contains(r.id)) {
                    if (m_hits.indexOf(r.id) >= handlersFrom)
                        step.keptBySameFolder = true;
                    continue;
                }
                step.removed.append(r.id);
                m_blocklist.append(r.id);
            }
        }
        if (!m_chain.app && !anyHandlers)
            handlersStep();
    }

    void compareWithSystem()
    {
        gio::settleOutsideWrites();
        Owned<GAppInfo> info(g_app_info_get_default_for_type(m_chain.mimeType->toUtf8().constData(), false));
        const bool desktopEntry = info && G_IS_DESKTOP_APP_INFO(info.get());
        const QString systemPath = desktopEntry
            ? QFile::decodeName(g_desktop_app_info_get_filename(G_DESKTOP_APP_INFO(info.get())))
            : QString();
        if (systemPath == (m_chain.app ? m_chain.app->path : QString()))
            return;
        m_chain.agreesWithSystem = false;
        m_chain.systemDesktopId = info ? fromUtf8(g_app_info_get_id(info.get())) : QString();
    }

    QList<Folder> m_folders;
    QHash<QString, QStringList> m_parents;
    DecisionChain m_chain;
    QHash<QString, std::optional<App>> m_installed;
    QStringList m_hits; // entries tried for the current type, in order
    QStringList m_blocklist; // entries removed so far
    QString m_chosen;
    bool m_decisionOnly = false;
};

} // namespace

// Only names of ASCII letters, digits, '-' and '_' count.
QStringList currentDesktops(QStringList* ignored)
{
    QStringList desktops;
    for (const QString& name : qEnvironmentVariable("XDG_CURRENT_DESKTOP").split(u':', Qt::SkipEmptyParts)) {
        const bool valid = std::all_of(name.cbegin(), name.cend(), [](QChar c) {
            return c == u'-' || c == u'_' || (c.unicode() < 128 && c.isLetterOrNumber());
        });
        // A name given twice reads its lists twice, and the second reading adds nothing.
        if (valid && !desktops.contains(name.toLower()))
            desktops.append(name.toLower());
        else if (!valid && ignored)
            ignored->append(name);
    }
    return desktops;
}

namespace {

// The folders and type data as the lookup reads them, kept while nothing they were read from
// changes: an entry added, removed or renamed changes its folder's time, a list or cache its
// own. A few dozen stats for each row instead of listing every applications folder.
struct Kept
{
    QString places; // the folders and desktop names they were read for
    QStringList read;
    QByteArray stamp;
    QList<Folder> folders;
    QHash<QString, QStringList> parents;
    QByteArray parentsStamp;
    std::optional<quint64> look; // the look at the files under which `stamp` was checked
};

Kept keptFolders()
{
    static QMutex mutex;
    static Kept kept;
    // Checked once a look at the files, as GIO's answers are: a read of every watched type
    // asks some hundred times within it, and each check stats every folder.
    gio::settleOutsideWrites();
    const quint64 look = gio::filesLook();
    const QStringList desktops = currentDesktops();
    QString places = desktops.join(u':') + u'\n' + QFile::decodeName(g_get_user_config_dir()) + u'\n'
        + QFile::decodeName(g_get_user_data_dir());
    for (const gchar* const* d = g_get_system_config_dirs(); d && *d; ++d)
        places += u'\n' + QFile::decodeName(*d);
    for (const gchar* const* d = g_get_system_data_dirs(); d && *d; ++d)
        places += u'\n' + QFile::decodeName(*d);
    QMutexLocker lock(&mutex);
    const bool samePlaces = kept.places == places;
    if (samePlaces && kept.look == look)
        return kept;
    if (samePlaces && pathsStamp(kept.read) == kept.stamp) {
        kept.look = look;
        return kept;
    }
    Kept fresh;
    fresh.places = places;
    // Each stamped before it is read: a change meanwhile is read again next time.
    fresh.read = subclassFiles();
    fresh.stamp = pathsStamp(fresh.read);
    fresh.parentsStamp = fresh.stamp;
    fresh.parents = samePlaces && kept.parentsStamp == fresh.stamp ? kept.parents : parentTypes();
    // Only the folders that changed are read again: a write to the user's list (each of ours)
    // reads the configuration folder, not every applications folder.
    if (samePlaces) {
        fresh.folders = kept.folders;
        for (Folder& folder : fresh.folders) {
            if (pathsStamp(folder.read) != folder.stamp)
                folder = readFolder(folder.dir, folder.applications, folder.user, desktops, nullptr);
        }
    } else {
        fresh.folders = readFolders(desktops);
    }
    for (const Folder& folder : std::as_const(fresh.folders)) {
        fresh.read += folder.read;
        fresh.stamp += folder.stamp;
    }
    fresh.look = look;
    kept = fresh;
    return kept;
}

bool isUnder(const QString& path, const char* dir)
{
    const QString folder = QDir::cleanPath(QFile::decodeName(dir));
    return QDir::cleanPath(path).startsWith(folder + u'/');
}

} // namespace

// On the kept folders, with only those the changed files lie in read again.
QHash<QString, QString> predictDefaults(const QStringList& types, const FileOverlay& changed)
{
    const Kept kept = keptFolders();
    QList<Folder> folders = kept.folders;
    const QStringList desktops = currentDesktops();
    for (Folder& folder : folders) {
        const bool touched = std::any_of(changed.keyBegin(), changed.keyEnd(), [&](const QString& path) {
            return folder.read.contains(path) || path.startsWith(folder.dir + u'/');
        });
        if (touched)
            folder = readFolder(folder.dir, folder.applications, folder.user, desktops, &changed);
    }
    QHash<QString, QString> opens;
    for (const QString& type : types) {
        if (opens.contains(type))
            continue;
        const DecisionChain chain = Explainer(Target(), type, folders, kept.parents).run(false);
        opens.insert(type, chain.app ? chain.app->desktopId : QString());
    }
    return opens;
}

// On the kept folders: the doctor explains every watched type in turn, and reading every
// applications folder for each cost it 14 MB at a time at 10,000 applications.
DecisionChain explain(const Target& target, const QString& contentType)
{
    const Kept kept = keptFolders();
    return Explainer(target, contentType, kept.folders, kept.parents).run();
}

QString unalias(const QString& type)
{
    Owned<gchar> canonical(g_content_type_from_mime_type(type.toUtf8().constData()));
    if (!canonical)
        return type;
    // Mostly the type itself: then its text is shared, not kept twice.
    QString text = fromUtf8(canonical.get());
    return text == type ? type : text;
}

QStringList typeAndParents(const QString& contentType, const QHash<QString, QStringList>& parents)
{
    return typeAndParentsOf(contentType, parents);
}

ReadLists keptLists()
{
    const Kept kept = keptFolders();
    return {kept.folders, kept.parents};
}

DefaultSource answerSource(const QString& contentType, const std::optional<gio::App>& answer)
{
    const Kept kept = keptFolders();
    const DecisionChain chain = Explainer(Target(), contentType, kept.folders, kept.parents).decide(answer);
    const DecisionStep* step = chain.decisiveStep();
    if (!chain.app || !step)
        return DefaultSource::notSet;
    if (step->file.isEmpty())
        return DefaultSource::system;
    return isUnder(step->file, g_get_user_config_dir()) || isUnder(step->file, g_get_user_data_dir())
        ? DefaultSource::user
        : DefaultSource::desktop;
}

QStringList affectedTypes(const QStringList& types, const QStringList& ids)
{
    QStringList all;
    for (const QString& type : types) {
        if (const QString canonical = unalias(type); !all.contains(canonical))
            all.append(canonical);
    }
    if (!ids.isEmpty()) {
        for (const Folder& folder : readFolders({})) {
            for (const Entry& entry : folder.cache) {
                const bool declared
                    = std::any_of(ids.cbegin(), ids.cend(), [&](const QString& id) { return entry.ids.contains(id); });
                if (declared && !all.contains(entry.canonical))
                    all.append(entry.canonical);
            }
        }
    }
    // A type without a default of its own follows its parent's.
    QHash<QString, QStringList> children;
    const QHash<QString, QStringList> parents = parentTypes();
    for (auto it = parents.cbegin(); it != parents.cend(); ++it) {
        for (const QString& parent : *it)
            children[unalias(parent)].append(it.key());
    }
    for (qsizetype i = 0; i < all.size(); ++i) {
        for (const QString& child : children.value(all[i])) {
            if (const QString canonical = unalias(child); !all.contains(canonical))
                all.append(canonical);
        }
    }
    return all;
}

QString joinedPath(const QString& dir, const QString& name)
{
    Owned<gchar> path(
        g_build_filename(QFile::encodeName(dir).constData(), QFile::encodeName(name).constData(), nullptr));
    return QFile::decodeName(path.get());
}

} // namespace openwright::gio
