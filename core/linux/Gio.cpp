// SPDX-License-Identifier: GPL-3.0-or-later
#include "Gio.h"

#include "DecisionReader.h"
#include "FileStamp.h"
#include "JSONStore.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>

#include <gio/gdesktopappinfo.h>
#include <gio/gio.h>

#include <QCryptographicHash>
#include <QDeadlineTimer>
#include <QFile>
#include <QFileInfo>
#include <QMutex>
#include <QSet>

#include <algorithm>
#include <memory>
#include <mutex>
#include <vector>

#include <dirent.h>
#include <sys/stat.h>

namespace openwright::gio {

namespace {

struct GObjectUnref
{
    void operator()(gpointer p) const
    {
        if (p)
            g_object_unref(p);
    }
};
template<typename T> using GObjectPtr = std::unique_ptr<T, GObjectUnref>;

struct GFree
{
    void operator()(gpointer p) const { g_free(p); }
};
using GCharPtr = std::unique_ptr<gchar, GFree>;

struct GStrvFree
{
    void operator()(gchar** p) const { g_strfreev(p); }
};
using GStrvPtr = std::unique_ptr<gchar*, GStrvFree>;

struct GErrorFree
{
    void operator()(GError* e) const
    {
        if (e)
            g_error_free(e);
    }
};
using GErrorPtr = std::unique_ptr<GError, GErrorFree>;

// A command line without its field codes (%f, %U, …, and Flatpak's @@u and @@ fences) and the
// blanks before each: they stand for what is opened, and the rest is the program and its
// options. Read for every entry GIO answers with, so by hand, without a regular expression.
QString withoutFieldCodes(const QString& line)
{
    QString out;
    out.reserve(line.size());
    for (qsizetype i = 0; i < line.size(); ++i) {
        const QChar next = i + 1 < line.size() ? line.at(i + 1) : QChar();
        if (line.at(i) == u'%' && ((next >= u'a' && next <= u'z') || (next >= u'A' && next <= u'Z'))) {
            while (!out.isEmpty() && out.back().isSpace())
                out.chop(1);
            ++i;
            continue;
        }
        // Flatpak's exported entries fence the files they pass with "@@u … @@" (or "@@ … @@").
        if (line.at(i) == u'@' && next == u'@' && (i == 0 || line.at(i - 1).isSpace())) {
            qsizetype end = i + 2;
            if (end < line.size() && line.at(end).isLetter())
                ++end;
            if (end == line.size() || line.at(end).isSpace()) {
                while (!out.isEmpty() && out.back().isSpace())
                    out.chop(1);
                i = end - 1;
                continue;
            }
        }
        out += line.at(i);
    }
    return out;
}

struct GKeyFileFree
{
    void operator()(GKeyFile* k) const { g_key_file_free(k); }
};
using GKeyFilePtr = std::unique_ptr<GKeyFile, GKeyFileFree>;

struct AppListFree
{
    void operator()(GList* list) const { g_list_free_full(list, g_object_unref); }
};
using AppListPtr = std::unique_ptr<GList, AppListFree>;

constexpr const char* kDefaultGroup = "Default Applications";
constexpr const char* kAddedGroup = "Added Associations";
constexpr const char* kRemovedGroup = "Removed Associations";

QString fromUtf8(const char* s)
{
    return s ? QString::fromUtf8(s) : QString();
}

QString bareId(const char* id)
{
    QString s = fromUtf8(id);
    if (s.endsWith(QLatin1StringView(".desktop")))
        s.chop(8);
    return s;
}

QString fileBaseName(const QString& path)
{
    QString name = path.mid(path.lastIndexOf(u'/') + 1);
    if (name.endsWith(QLatin1StringView(".desktop")))
        name.chop(8);
    return name;
}

std::optional<App> toApp(GAppInfo* info)
{
    if (!info || !G_IS_DESKTOP_APP_INFO(info))
        return std::nullopt;
    const char* file = g_desktop_app_info_get_filename(G_DESKTOP_APP_INFO(info));
    if (!file)
        return std::nullopt;
    // GIO names an entry without a readable Name (missing, or not UTF-8) "Unnamed"; the file
    // name tells such entries apart, as it does when we read an entry ourselves.
    // GIO read the localised Name when it loaded the entry; only its stand-in needs a second look.
    const char* loaded = g_app_info_get_name(info);
    static const char* const unnamed = g_dgettext("glib20", "Unnamed");
    GCharPtr name(loaded && qstrcmp(loaded, unnamed) != 0
                      ? g_strdup(loaded)
                      : g_desktop_app_info_get_locale_string(G_DESKTOP_APP_INFO(info), G_KEY_FILE_DESKTOP_KEY_NAME));
    const QString path = fromUtf8(file);
    const QString id = bareId(g_app_info_get_id(info));
    GCharPtr icon(g_app_info_get_icon(info) ? g_icon_to_string(g_app_info_get_icon(info)) : nullptr);
    QStringList types;
    if (const char** declared = g_app_info_get_supported_types(info)) {
        types.reserve(qsizetype(g_strv_length(const_cast<gchar**>(declared))));
        for (; *declared; ++declared)
            types.append(fromUtf8(*declared));
    }
    const char* commandLine = g_app_info_get_commandline(info);
    return App {path,
                id,
                name ? fromUtf8(name.get()) : fileBaseName(path),
                icon ? fromUtf8(icon.get()) : QString(),
                types,
                commandLine ? withoutFieldCodes(fromUtf8(commandLine)).trimmed() : QString()};
}

Error toError(const GError* e)
{
    Error error {fromUtf8(g_quark_to_string(e->domain)), e->code, fromUtf8(e->message)};
    if (e->domain == G_FILE_ERROR) {
        error.permissionDenied
            = e->code == G_FILE_ERROR_ACCES || e->code == G_FILE_ERROR_PERM || e->code == G_FILE_ERROR_ROFS;
        error.missing = e->code == G_FILE_ERROR_NOENT;
    } else if (e->domain == G_IO_ERROR) {
        error.permissionDenied = e->code == G_IO_ERROR_PERMISSION_DENIED || e->code == G_IO_ERROR_READ_ONLY;
        error.missing = e->code == G_IO_ERROR_NOT_FOUND;
    }
    return error;
}

// The keys of `group` that stand for `contentType`, in file order: the type and its aliases,
// compared as the system compares them.
QStringList typeKeys(GKeyFile* file, const QString& contentType, const char* group = kDefaultGroup)
{
    QStringList keys;
    gsize count = 0;
    GStrvPtr all(g_key_file_get_keys(file, group, &count, nullptr));
    for (gsize i = 0; i < count; ++i) {
        const QString key = fromUtf8(all.get()[i]);
        if (keys.contains(key))
            continue; // a repeated key is one line to GKeyFile, holding the last value
        GCharPtr type(g_content_type_from_mime_type(all.get()[i]));
        if (key == contentType || (type && fromUtf8(type.get()) == contentType))
            keys.append(key);
    }
    return keys;
}

// Removes the lines of `groups` for `contentType` (under the type or an alias). GKeyFile keeps
// every line of a repeated key but finds only the last, and after removing that one no longer
// sees the others, which it would still write out and the system would then read: the file is
// read back from its own text until no line is left. Returns whether any line went.
bool removeTypeLines(GKeyFile* file, const QString& contentType, std::initializer_list<const char*> groups)
{
    bool removed = false;
    for (bool found = true; found;) {
        found = false;
        for (const char* group : groups) {
            for (const QString& key : typeKeys(file, contentType, group))
                found = g_key_file_remove_key(file, group, key.toUtf8().constData(), nullptr) || found;
        }
        if (!found)
            break;
        removed = true;
        gsize length = 0;
        GCharPtr data(g_key_file_to_data(file, &length, nullptr));
        g_key_file_load_from_data(file, data.get(), length,
                                  GKeyFileFlags(G_KEY_FILE_KEEP_COMMENTS | G_KEY_FILE_KEEP_TRANSLATIONS), nullptr);
    }
    return removed;
}

// Writes `file` to `path` by temporary file and rename, like GIO's own writes (a reader never
// sees half a file), keeping the list's mode and a link of the user's own.
std::optional<Error> saveKeyFile(GKeyFile* file, const QByteArray& path)
{
    gsize length = 0;
    GCharPtr data(g_key_file_to_data(file, &length, nullptr));
    try {
        writeAtomically(QFile::decodeName(path), QByteArray(data.get(), qsizetype(length)), FileAccess::asCreated);
    } catch (const StoreError& e) {
        return Error {QStringLiteral("openwright"), 0, e.message(), e.denied(), false};
    }
    noteOwnWrite();
    return std::nullopt;
}

} // namespace

std::optional<QString> contentTypeForExtension(const QString& extension)
{
    const QByteArray name = QByteArrayLiteral("x.") + extension.toUtf8();
    gboolean uncertain = false;
    // "Uncertain" is set for well-known types too when no data is given; only the generic
    // type means the database has no glob for the name.
    GCharPtr type(g_content_type_guess(name.constData(), nullptr, 0, &uncertain));
    if (!type || g_content_type_is_unknown(type.get()))
        return std::nullopt;
    return fromUtf8(type.get());
}

namespace {

// One "*.EXT" line of a globs2 file.
struct Glob
{
    int weight = 0;
    QString type;
    QString extension; // as written
    bool caseSensitive = false;
};

// The simple "*.EXT" globs of the shared MIME database, by EXT, read again when one of its
// files changed (a package was installed), looked at no more often than GIO looks at them.
// Other globs never match "x.EXT" alone for the extensions asked about, so they are left out.
class ExtensionGlobs final
{
public:
    QList<Glob> forExtension(const QString& extension)
    {
        QMutexLocker lock(&m_mutex);
        if (m_recheck.hasExpired())
            reloadIfChanged();
        // As GLib matches: globs of exactly this case first ("*.c", not "*.C" of C++); only
        // when none matches, the others that ignore case.
        const QList<Glob> all = m_globs.value(extension.toLower());
        QList<Glob> exact, folded;
        for (const Glob& g : all)
            (g.extension == extension ? exact : folded).append(g);
        if (!exact.isEmpty())
            return exact;
        folded.removeIf([](const Glob& g) { return g.caseSensitive; });
        return folded;
    }

private:
    static constexpr std::chrono::seconds kRecheck {5};

    void reloadIfChanged()
    {
        m_recheck.setRemainingTime(kRecheck);
        QStringList dirs {fromUtf8(g_get_user_data_dir()) + QLatin1StringView("/mime")};
        for (const gchar* const* d = g_get_system_data_dirs(); d && *d; ++d)
            dirs.append(fromUtf8(*d) + QLatin1StringView("/mime"));
        QStringList stamp;
        for (const QString& dir : std::as_const(dirs)) {
            const QFileInfo file(dir + QLatin1StringView("/globs2"));
            stamp.append(file.filePath() + u' ' + QString::number(file.lastModified().toMSecsSinceEpoch()) + u' '
                         + QString::number(file.size()));
        }
        if (stamp != m_stamp) {
            m_stamp = stamp;
            load(dirs);
        }
    }

    void load(const QStringList& dirs)
    {
        m_globs.clear();
        // A folder's __NOGLOBS__ line takes back the globs of its type from the folders after it.
        QSet<QString> noGlobs;
        for (const QString& dir : dirs) {
            QFile file(dir + QLatin1StringView("/globs2"));
            if (!file.open(QIODevice::ReadOnly))
                continue;
            QSet<QString> cleared;
            while (!file.atEnd()) {
                const QList<QByteArray> fields = file.readLine().trimmed().split(':');
                if (fields.size() < 3 || fields[0].startsWith('#'))
                    continue;
                const QString type = QString::fromUtf8(fields[1]);
                const QByteArray& glob = fields[2];
                if (glob == "__NOGLOBS__") {
                    cleared.insert(type);
                    continue;
                }
                if (noGlobs.contains(type) || !glob.startsWith("*.") || glob.size() < 3)
                    continue;
                const QByteArray extension = glob.mid(2);
                if (extension.contains('*') || extension.contains('?') || extension.contains('[')
                    || extension.contains('.')) {
                    continue;
                }
                const bool caseSensitive = fields.size() > 3 && fields[3].split(',').contains("cs");
                const QString key = QString::fromUtf8(extension);
                m_globs[key.toLower()].append({fields[0].toInt(), type, key, caseSensitive});
            }
            noGlobs.unite(cleared);
        }
    }

    QMutex m_mutex;
    QDeadlineTimer m_recheck {0};
    QStringList m_stamp;
    QHash<QString, QList<Glob>> m_globs;
};

} // namespace

QStringList contentTypesForExtension(const QString& extension)
{
    const auto primary = contentTypeForExtension(extension);
    if (!primary)
        return {};
    static ExtensionGlobs globs;
    // Types compare by their canonical names: an alias (text/x-c) is its type (text/x-csrc).
    const auto canonical = [](const QString& mimeType) {
        GCharPtr type(g_content_type_from_mime_type(mimeType.toUtf8().constData()));
        return type ? fromUtf8(type.get()) : mimeType;
    };
    const QList<Glob> all = globs.forExtension(extension);
    QStringList types {*primary};
    const auto own = std::find_if(all.cbegin(), all.cend(),
                                  [&](const Glob& g) { return canonical(g.type) == canonical(*primary); });
    if (own == all.cend())
        return types; // decided by another glob: the only type
    for (const Glob& g : all) {
        if (g.weight != own->weight)
            continue;
        const QString type = canonical(g.type);
        if (!types.contains(type) && type != canonical(*primary))
            types.append(type);
    }
    return types;
}

namespace {

// `canonical` as the shared MIME database spells it: the database lists each type it knows in
// MIME/types, spelled as the system matches it (application/vnd.ms-excel.sheet.macroEnabled.12);
// a type written in another case (Application/PDF) is taken in the database's spelling.
QByteArray fileStamp(const QByteArray& path);

// The types one MIME/types file lists, kept while the file stays the same: every declared type
// of a thousand applications is looked up here. A command looks up a few: those found as a line
// of the file as it is are answered from its bytes, before the sets are worth making.
struct DatabaseTypes
{
    QByteArray stamp;
    QByteArray bytes; // until the sets are made
    int lookups = 0;
    QSet<QString> exact;
    QHash<QString, QString> folded; // lower case to the first spelling listed
};

bool isLine(const QByteArray& bytes, const QByteArray& line)
{
    for (qsizetype at = bytes.indexOf(line); at >= 0; at = bytes.indexOf(line, at + 1)) {
        const qsizetype end = at + line.size();
        if ((at == 0 || bytes[at - 1] == '\n') && (end == bytes.size() || bytes[end] == '\n'))
            return true;
    }
    return false;
}

std::optional<QString> databaseSpelling(const QString& canonical)
{
    static QMutex mutex;
    static QHash<QString, DatabaseTypes> kept;
    std::optional<QString> otherCase;
    const QString lower = canonical.toLower();
    for (const QString& dir : dataDirs()) {
        const QString path = dir + QLatin1StringView("/mime/types");
        const QByteArray stamp = fileStamp(QFile::encodeName(path));
        QMutexLocker lock(&mutex);
        DatabaseTypes& types = kept[path];
        if (types.stamp != stamp || stamp.isEmpty()) {
            types = {stamp, readWholeFile(path, kMaxConfigFileBytes).bytes.value_or(QByteArray()), 0, {}, {}};
        }
        // A line as it stands, not trimmed: a name with spaces or line breaks is for the sets.
        if (!types.bytes.isEmpty() && ++types.lookups <= 16 && canonical == canonical.trimmed()
            && !canonical.contains(u'\n') && isLine(types.bytes, canonical.toUtf8())) {
            return canonical;
        }
        if (!types.bytes.isEmpty()) {
            for (const QByteArray& line : types.bytes.split('\n')) {
                const QString known = QString::fromUtf8(line.trimmed());
                types.exact.insert(known);
                types.folded.insert(known.toLower(), types.folded.value(known.toLower(), known));
            }
            types.bytes.clear();
        }
        if (types.exact.contains(canonical))
            return canonical;
        if (!otherCase && types.folded.contains(lower))
            otherCase = types.folded.value(lower);
    }
    return otherCase;
}

// Every glob of every type, as the globs2 files list them, kept while none of them changes.
struct TypeGlobs
{
    QByteArray stamp;
    QHash<QString, QStringList> byType;
};

} // namespace

QHash<QString, QStringList> globPatterns()
{
    static QMutex mutex;
    static TypeGlobs kept;
    const QStringList dirs = dataDirs();
    QByteArray stamp;
    for (const QString& dir : dirs)
        stamp += fileStamp(QFile::encodeName(dir + QLatin1StringView("/mime/globs2"))) + '/';
    QMutexLocker lock(&mutex);
    if (kept.stamp == stamp && !kept.byType.isEmpty())
        return kept.byType;
    kept = {stamp, {}};
    // A folder's __NOGLOBS__ line takes back the globs of its type from the folders after it.
    QSet<QString> noGlobs;
    for (const QString& dir : dirs) {
        const FileRead read = readWholeFile(dir + QLatin1StringView("/mime/globs2"), kMaxConfigFileBytes);
        if (!read.bytes)
            continue;
        QSet<QString> cleared;
        for (const QByteArray& line : read.bytes->split('\n')) {
            // weight:type:glob[:flags]; a glob may hold a colon only as the last field's start.
            const QList<QByteArray> fields = line.trimmed().split(':');
            if (fields.size() < 3 || fields[0].startsWith('#'))
                continue;
            const QString type = QString::fromUtf8(fields[1]);
            const QString glob = QString::fromUtf8(fields[2]);
            if (glob == QLatin1StringView("__NOGLOBS__")) {
                cleared.insert(type);
                continue;
            }
            QStringList& globs = kept.byType[type];
            if (!noGlobs.contains(type) && !glob.isEmpty() && !globs.contains(glob))
                globs.append(glob);
        }
        noGlobs.unite(cleared);
    }
    return kept.byType;
}

std::optional<QString> knownContentType(const QString& mimeType)
{
    GCharPtr type(g_content_type_from_mime_type(mimeType.toUtf8().constData()));
    if (!type)
        return std::nullopt;
    const QString canonical = fromUtf8(type.get());
    if (canonical.startsWith(QLatin1StringView("x-scheme-handler/")))
        return canonical;
    if (const auto known = databaseSpelling(canonical))
        return known;
    // A type no database describes that installed applications declare all the same.
    AppListPtr apps(g_app_info_get_all_for_type(type.get()));
    return apps ? std::optional(canonical) : std::nullopt;
}

std::optional<QString> databaseType(const QString& mimeType)
{
    GCharPtr type(g_content_type_from_mime_type(mimeType.toUtf8().constData()));
    if (!type)
        return std::nullopt;
    const QString canonical = fromUtf8(type.get());
    if (canonical.startsWith(QLatin1StringView("x-scheme-handler/")))
        return canonical.size() > 17 ? std::optional(canonical) : std::nullopt;
    return databaseSpelling(canonical);
}

std::optional<QString> contentTypeOfFile(const QString& path, QString* problem)
{
    GObjectPtr<GFile> file(g_file_new_for_path(QFile::encodeName(path).constData()));
    GError* raw = nullptr;
    GObjectPtr<GFileInfo> info(
        g_file_query_info(file.get(), G_FILE_ATTRIBUTE_STANDARD_CONTENT_TYPE, G_FILE_QUERY_INFO_NONE, nullptr, &raw));
    if (!info) {
        GErrorPtr error(raw);
        *problem = fromUtf8(error->message);
        return std::nullopt;
    }
    const char* type = g_file_info_get_content_type(info.get());
    if (!type || g_content_type_is_unknown(type)) {
        *problem = QStringLiteral("The system cannot tell what kind of file it is");
        return std::nullopt;
    }
    GCharPtr mimeType(g_content_type_get_mime_type(type));
    return fromUtf8(mimeType ? mimeType.get() : type);
}

namespace {

// What GIO watches for the answers it keeps: the lists of the config folders and the data
// folders' applications folders, each folder itself too (a rename into it changes its time).
QByteArray watchedStamp()
{
    QCryptographicHash hash(QCryptographicHash::Sha256);
    const QByteArray user = QFile::encodeName(userConfigDir());
    FileStamp::add(hash, user);
    for (const QString& list : userLists())
        FileStamp::add(hash, QFile::encodeName(list));
    for (const gchar* const* d = g_get_system_config_dirs(); d && *d; ++d)
        FileStamp::add(hash, QByteArray(*d) + "/mimeapps.list");
    FileStamp::add(hash, QByteArray(g_get_user_data_dir()) + "/applications");
    for (const gchar* const* d = g_get_system_data_dirs(); d && *d; ++d)
        FileStamp::add(hash, QByteArray(*d) + "/applications");
    return hash.result();
}

// GIO takes in a list or an entry another program rewrote when its folder monitor reports it, a
// moment later (later still under load); until then a long-running process gets the old answers
// from its cache. When what GIO watches changed since the last look and GIO has not noticed
// anything since, this waits for its application monitor's notice, at most a quarter second.
// A process's first look waits for nothing: GIO reads everything afresh then.
class OutsideWrites final
{
public:
    static OutsideWrites& instance()
    {
        static auto* kept = new OutsideWrites; // for the process's life: GIO keeps its monitor
        return *kept;
    }

    void settle()
    {
        QMutexLocker lock(&m_mutex);
        while (g_main_context_iteration(m_context, false)) { }
        // The queries of one look come within milliseconds of each other: the files are looked
        // at once for them, not once per type.
        if (m_lastLook.isValid() && !m_lastLook.hasExpired(kOneLook) && m_notices == m_noticesSeen)
            return;
        m_lastLook.start();
        ++m_looks;
        const QByteArray now = watchedStamp();
        if (now != m_seen && m_notices == m_noticesSeen) {
            bool late = false;
            GSource* timeout = g_timeout_source_new(250);
            g_source_set_callback(
                timeout,
                [](gpointer late) {
                    *static_cast<bool*>(late) = true;
                    return gboolean(G_SOURCE_REMOVE);
                },
                &late, nullptr);
            g_source_attach(timeout, m_context);
            while (m_notices == m_noticesSeen && !late)
                g_main_context_iteration(m_context, true);
            g_source_destroy(timeout);
            g_source_unref(timeout);
        }
        m_seen = now;
        m_noticesSeen = m_notices;
    }

    // A list this process wrote itself: a later look need not wait for GIO to notice it (GIO
    // may take longer than the wait allows, as each change of a batch then would).
    void ownWrite()
    {
        QMutexLocker lock(&m_mutex);
        while (g_main_context_iteration(m_context, false)) { }
        if (m_notices == m_noticesSeen)
            m_seen = watchedStamp();
        ++m_looks;
    }

    quint64 looks()
    {
        QMutexLocker lock(&m_mutex);
        return m_looks;
    }

private:
    OutsideWrites()
        : m_context(g_main_context_new())
    {
        // The monitor's notices come to the context current when it was made: ours, drained at
        // each look, so a notice is never lost while nobody waits.
        g_main_context_push_thread_default(m_context);
        GAppInfoMonitor* monitor = g_app_info_monitor_get();
        g_signal_connect_swapped(monitor, "changed", G_CALLBACK(+[](int* count) { ++*count; }), &m_notices);
        g_main_context_pop_thread_default(m_context);
        // A lookup sets up the folder monitors the notices come from.
        if (GAppInfo* any = g_app_info_get_default_for_type("text/plain", false))
            g_object_unref(any);
        m_seen = watchedStamp();
    }

    static constexpr qint64 kOneLook = 20; // ms
    QMutex m_mutex;
    GMainContext* m_context;
    QElapsedTimer m_lastLook;
    QByteArray m_seen;
    int m_notices = 0;
    int m_noticesSeen = 0;
    quint64 m_looks = 0;
};

} // namespace

void settleOutsideWrites()
{
    OutsideWrites::instance().settle();
}

void noteOwnWrite()
{
    OutsideWrites::instance().ownWrite();
}

quint64 filesLook()
{
    return OutsideWrites::instance().looks();
}

std::optional<App> defaultForType(const QString& contentType)
{
    settleOutsideWrites();
    GObjectPtr<GAppInfo> info(g_app_info_get_default_for_type(contentType.toUtf8().constData(), false));
    return toApp(info.get());
}

QList<App> allForType(const QString& contentType)
{
    settleOutsideWrites();
    AppListPtr list(g_app_info_get_all_for_type(contentType.toUtf8().constData()));
    QList<App> apps;
    for (GList* l = list.get(); l; l = l->next) {
        if (auto app = toApp(static_cast<GAppInfo*>(l->data)))
            apps.append(std::move(*app));
    }
    return apps;
}

bool isMadeFor(const App& app, const QString& contentType, const QStringList& added)
{
    if (added.contains(app.id + QStringLiteral(".desktop")))
        return true;
    const QByteArray type = contentType.toUtf8();
    return std::any_of(app.types.cbegin(), app.types.cend(), [&](const QString& declared) {
        if (declared == contentType)
            return true;
        GCharPtr canonical(g_content_type_from_mime_type(declared.toUtf8().constData()));
        return canonical && g_content_type_equals(canonical.get(), type.constData());
    });
}

QStringList registeredTypes()
{
    // Read again when a package changed the shared MIME database, as GIO itself reads it.
    static QMutex mutex;
    static QByteArray stamp;
    static QStringList types;
    QByteArray now;
    for (const QString& dir : dataDirs())
        now += fileStamp(QFile::encodeName(dir + QLatin1StringView("/mime/types"))) + '/';
    QMutexLocker lock(&mutex);
    if (now == stamp && !types.isEmpty())
        return types;
    stamp = now;
    types.clear();
    GList* registered = g_content_types_get_registered();
    for (GList* l = registered; l; l = l->next)
        types.append(QString::fromUtf8(static_cast<const char*>(l->data)));
    g_list_free_full(registered, g_free);
    types.sort();
    return types;
}

bool isA(const QString& type, const QString& parent)
{
    return g_content_type_is_a(type.toUtf8().constData(), parent.toUtf8().constData());
}

QString typeDescription(const QString& contentType)
{
    // A link type is named as a link, not by the type that stands for it.
    if (contentType.startsWith(QLatin1StringView("x-scheme-handler/")) && contentType.size() > 17)
        return QCoreApplication::translate("Applications", "%1: links").arg(contentType.mid(17));
    const QByteArray type = contentType.toUtf8();
    if (g_content_type_is_unknown(type.constData()))
        return {};
    GCharPtr description(g_content_type_get_description(type.constData()));
    const QString text = fromUtf8(description.get());
    // GIO describes a type the database lacks by the type itself ("%s type", in GLib's words).
    const QString generic
        = QString::fromUtf8(g_dgettext("glib20", "%s type")).replace(QStringLiteral("%s"), contentType);
    return text == contentType || text == generic ? QString() : text;
}

QList<App> allApplications()
{
    AppListPtr list(g_app_info_get_all());
    QList<App> apps;
    for (GList* l = list.get(); l; l = l->next) {
        auto* info = static_cast<GAppInfo*>(l->data);
        if (!g_app_info_should_show(info))
            continue;
        if (auto app = toApp(info))
            apps.append(std::move(*app));
    }
    return apps;
}

QList<App> applicationsInCategory(const QString& category)
{
    AppListPtr list(g_app_info_get_all());
    QList<App> apps;
    for (GList* l = list.get(); l; l = l->next) {
        auto* info = static_cast<GAppInfo*>(l->data);
        if (!g_app_info_should_show(info) || !G_IS_DESKTOP_APP_INFO(info))
            continue;
        const char* categories = g_desktop_app_info_get_categories(G_DESKTOP_APP_INFO(info));
        if (!categories || !fromUtf8(categories).split(u';', Qt::SkipEmptyParts).contains(category))
            continue;
        if (auto app = toApp(info))
            apps.append(std::move(*app));
    }
    return apps;
}

std::optional<App> applicationInCategory(const QString& id, const QString& category)
{
    GObjectPtr<GDesktopAppInfo> info(g_desktop_app_info_new(id.toUtf8().constData()));
    if (!info || !g_app_info_should_show(G_APP_INFO(info.get())))
        return std::nullopt;
    const char* categories = g_desktop_app_info_get_categories(info.get());
    if (!categories || !fromUtf8(categories).split(u';', Qt::SkipEmptyParts).contains(category))
        return std::nullopt;
    return toApp(G_APP_INFO(info.get()));
}

std::optional<App> appForId(const QString& id)
{
    const QByteArray desktopId = (id + QLatin1StringView(".desktop")).toUtf8();
    GObjectPtr<GDesktopAppInfo> info(g_desktop_app_info_new(desktopId.constData()));
    return toApp(G_APP_INFO(info.get()));
}

std::optional<App> listedEntryForId(const QString& id)
{
    if (auto app = appForId(id))
        return app;
    // The user's folder comes first and masks every other entry of the ID.
    const QString path = applicationDirs().first() + u'/' + id + QLatin1StringView(".desktop");
    GKeyFilePtr file(g_key_file_new());
    if (!g_key_file_load_from_file(file.get(), QFile::encodeName(path).constData(), G_KEY_FILE_NONE, nullptr)
        || !g_key_file_get_boolean(file.get(), G_KEY_FILE_DESKTOP_GROUP, G_KEY_FILE_DESKTOP_KEY_HIDDEN, nullptr))
        return std::nullopt;
    GObjectPtr<GDesktopAppInfo> info(g_desktop_app_info_new_from_filename(QFile::encodeName(path).constData()));
    auto app = info ? toApp(G_APP_INFO(info.get())) : std::nullopt;
    if (!app) {
        // A hidden copy need not say more than Hidden=true: it stands for the ID all the same.
        return App {path, id, fileBaseName(path), {}, {}, {}};
    }
    app->path = path;
    app->id = id;
    return app;
}

namespace {

GLogWriterOutput quietWriter(GLogLevelFlags level, const GLogField* fields, gsize count, gpointer data)
{
    if ((level & G_LOG_LEVEL_ERROR) || !qEnvironmentVariableIsEmpty("G_MESSAGES_DEBUG"))
        return g_log_writer_default(level, fields, count, data);
    return G_LOG_WRITER_HANDLED;
}

} // namespace

void quietLogs()
{
    static std::once_flag once;
    std::call_once(once, [] { g_log_set_writer_func(quietWriter, nullptr, nullptr); });
}

std::optional<Error> setDefaultForType(const QString& id, const QString& contentType)
{
    const QByteArray desktopId = (id + QLatin1StringView(".desktop")).toUtf8();
    GObjectPtr<GDesktopAppInfo> info(g_desktop_app_info_new(desktopId.constData()));
    if (!info)
        return Error {QStringLiteral("openwright"), 0, QStringLiteral("No installed application ") + id, false, true};
    GError* raw = nullptr;
    if (g_app_info_set_as_default_for_type(G_APP_INFO(info.get()), contentType.toUtf8().constData(), &raw)) {
        noteOwnWrite();
        return std::nullopt;
    }
    GErrorPtr error(raw);
    return toError(error.get());
}

std::optional<Error> launchDefault(const QString& uri)
{
    GError* raw = nullptr;
    if (g_app_info_launch_default_for_uri(uri.toUtf8().constData(), nullptr, &raw))
        return std::nullopt;
    GErrorPtr error(raw);
    return toError(error.get());
}

namespace {

struct SchemaUnref
{
    void operator()(GSettingsSchema* p) const
    {
        if (p)
            g_settings_schema_unref(p);
    }
};

// The settings of an installed schema that has the key; nothing otherwise.
GObjectPtr<GSettings> settingsWith(const QString& schema, const QString& key)
{
    GSettingsSchemaSource* source = g_settings_schema_source_get_default();
    if (!source)
        return nullptr;
    const QByteArray id = schema.toUtf8();
    std::unique_ptr<GSettingsSchema, SchemaUnref> found(g_settings_schema_source_lookup(source, id.constData(), TRUE));
    if (!found || !g_settings_schema_has_key(found.get(), key.toUtf8().constData()))
        return nullptr;
    return GObjectPtr<GSettings>(g_settings_new_full(found.get(), nullptr, nullptr));
}

} // namespace

std::optional<QString> settingsString(const QString& schema, const QString& key)
{
    const auto settings = settingsWith(schema, key);
    if (!settings)
        return std::nullopt;
    GCharPtr value(g_settings_get_string(settings.get(), key.toUtf8().constData()));
    return fromUtf8(value.get());
}

bool settingsKeyIsSet(const QString& schema, const QString& key)
{
    const auto settings = settingsWith(schema, key);
    if (!settings)
        return false;
    GVariant* own = g_settings_get_user_value(settings.get(), key.toUtf8().constData());
    if (own)
        g_variant_unref(own);
    return own != nullptr;
}

std::optional<Error> setSettingsString(const QString& schema, const QString& key, const QString& value)
{
    const auto settings = settingsWith(schema, key);
    if (!settings)
        return Error {QStringLiteral("openwright"), 7,
                      QStringLiteral("The settings schema %1 is not installed").arg(schema)};
    if (!g_settings_set_string(settings.get(), key.toUtf8().constData(), value.toUtf8().constData()))
        return Error {QStringLiteral("openwright"), 7, QStringLiteral("%1 %2 cannot be changed").arg(schema, key)};
    g_settings_sync();
    return std::nullopt;
}

std::optional<Error> resetSettingsKey(const QString& schema, const QString& key)
{
    const auto settings = settingsWith(schema, key);
    if (!settings)
        return std::nullopt;
    g_settings_reset(settings.get(), key.toUtf8().constData());
    g_settings_sync();
    return std::nullopt;
}

namespace {

// The names in the folder `dir` that `keep` accepts, in name order; none when it cannot be read.
template<typename Keep> QList<QByteArray> namesIn(const QByteArray& dir, Keep keep)
{
    QList<QByteArray> names;
    DIR* d = ::opendir(dir.constData());
    if (!d)
        return names;
    while (const dirent* e = ::readdir(d)) {
        const QByteArrayView name(e->d_name);
        if (name != "." && name != ".." && keep(name))
            names.append(name.toByteArray());
    }
    ::closedir(d);
    std::sort(names.begin(), names.end());
    return names;
}

constexpr int kMaxTreeDepth = 8;

// `dir` and its subfolders, each folder's own record only: it moves when an entry is added,
// removed or renamed there, not when one is edited in place. A folder whose link count says it
// has no subfolders (ext4, XFS and tmpfs count them; Btrfs does not) is not listed, so a folder
// linked into it is not looked at; elsewhere a link is looked through when it may be a folder
// (a linked entry, as Flatpak exports every one, is named as one).
void addFolders(QCryptographicHash& hash, const QByteArray& dir, int depth = 0)
{
    struct stat self
    {
    };
    const bool found = ::stat(dir.constData(), &self) == 0;
    FileStamp::add(hash, dir, found ? &self : nullptr);
    if (!found || self.st_nlink == 2 || depth >= kMaxTreeDepth)
        return;
    DIR* d = ::opendir(dir.constData());
    if (!d)
        return;
    QList<QByteArray> subfolders;
    while (const dirent* e = ::readdir(d)) {
        const QByteArrayView name(e->d_name);
        if (name == "." || name == "..")
            continue;
        bool folder = e->d_type == DT_DIR;
        if (e->d_type == DT_UNKNOWN || (e->d_type == DT_LNK && !name.endsWith(".desktop"))) {
            struct stat st
            {
            };
            folder = ::fstatat(::dirfd(d), e->d_name, &st, 0) == 0 && S_ISDIR(st.st_mode);
        }
        if (folder)
            subfolders.append(name.toByteArray());
    }
    ::closedir(d);
    std::sort(subfolders.begin(), subfolders.end());
    for (const QByteArray& name : std::as_const(subfolders))
        addFolders(hash, dir + '/' + name, depth + 1);
}

// Every file below `dir` (entries are found in subfolders too), in name order. At 10,000
// applications this walk costs as much as starting Qt, so each entry is looked up by its name
// within its open folder, and the folder's records are gathered and digested in one cheap pass
// (a SHA-256 of 10,000 records cost more than the lookups).
void addTree(QCryptographicHash& hash, const QByteArray& dir, int depth = 0)
{
    FileStamp::add(hash, dir);
    DIR* d = ::opendir(dir.constData());
    if (!d)
        return;
    QList<QByteArray> names;
    while (const dirent* e = ::readdir(d)) {
        const QByteArrayView name(e->d_name);
        if (name != "." && name != "..")
            names.append(name.toByteArray());
    }
    std::sort(names.begin(), names.end());
    const int fd = ::dirfd(d);
    QByteArray records;
    records.reserve(names.size() * 96);
    QList<QByteArray> subfolders;
    for (const QByteArray& name : std::as_const(names)) {
        struct stat st
        {
        };
        const bool found = ::fstatat(fd, name.constData(), &st, 0) == 0;
        if (found && S_ISDIR(st.st_mode) && depth < kMaxTreeDepth) {
            subfolders.append(name);
            continue;
        }
        records += name;
        records += '\0';
        if (found) {
            const qint64 fields[] = {qint64(st.st_ino),          qint64(st.st_size),        qint64(st.st_mtim.tv_sec),
                                     qint64(st.st_mtim.tv_nsec), qint64(st.st_ctim.tv_sec), qint64(st.st_ctim.tv_nsec)};
            records.append(reinterpret_cast<const char*>(fields), sizeof(fields));
        } else {
            records += '-';
        }
    }
    ::closedir(d);
    // A 64-bit FNV-1a digest: the stamp only has to change when a record does, and must come
    // out the same in every process (Qt's seeded hashes do not).
    quint64 digest = 0xcbf29ce484222325ULL;
    for (const char c : std::as_const(records))
        digest = (digest ^ quint8(c)) * 0x100000001b3ULL;
    hash.addData(QByteArrayView(reinterpret_cast<const char*>(&digest), sizeof(digest)));
    for (const QByteArray& name : std::as_const(subfolders))
        addTree(hash, dir + '/' + name, depth + 1);
}

// The lists of one configuration folder: mimeapps.list and the desktop-specific ones, and the
// browser settings of Xfce and KDE, which decide the browser beside them.
// Not the folder's own times: any program that adds its settings to ~/.config changes them (a
// first start of this one did, so that the next start found its kept defaults stale).
void addLists(QCryptographicHash& hash, const QByteArray& dir)
{
    hash.addData(dir);
    for (const QByteArray& name :
         namesIn(dir, [](QByteArrayView n) { return n.endsWith("mimeapps.list") || n.endsWith("xdg-terminals.list"); }))
        FileStamp::add(hash, dir + '/' + name);
    FileStamp::add(hash, dir + "/kdeglobals");
    FileStamp::add(hash, dir + "/xfce4/helpers.rc");
}

} // namespace

QByteArray pathsStamp(const QStringList& paths)
{
    QByteArray stamp;
    for (const QString& path : paths) {
        const QByteArray one = fileStamp(QFile::encodeName(path));
        stamp += one.isEmpty() ? QByteArray("-") : '+' + one;
    }
    return stamp;
}

namespace {

enum class Entries { each, byFolder };

QByteArray answersStamp(Entries entries)
{
    QCryptographicHash hash(QCryptographicHash::Sha256);
    hash.addData(entries == Entries::each ? QByteArrayView("each") : QByteArrayView("by folder"));
    for (const char* variable : {"XDG_CURRENT_DESKTOP", "LANGUAGE", "LC_ALL", "LC_MESSAGES", "LANG", "PATH"}) {
        hash.addData(QByteArrayView(variable));
        hash.addData(qgetenv(variable));
        hash.addData(QByteArrayView("\0", 1));
    }
    addLists(hash, QFile::encodeName(userConfigDir()));
    for (const gchar* const* d = g_get_system_config_dirs(); d && *d; ++d)
        addLists(hash, QByteArray(*d));
    QList<QByteArray> dataDirs {QByteArray(g_get_user_data_dir())};
    for (const gchar* const* d = g_get_system_data_dirs(); d && *d; ++d)
        dataDirs.append(QByteArray(*d));
    for (const QByteArray& dir : std::as_const(dataDirs)) {
        for (const char* tree : {"/applications", "/xfce4/helpers", "/xdg-terminal-exec"}) {
            if (entries == Entries::each)
                addTree(hash, dir + tree);
            else
                addFolders(hash, dir + tree);
        }
        for (const char* file : {"", "/mime.cache", "/globs2", "/aliases", "/subclasses"})
            FileStamp::add(hash, dir + "/mime" + file);
    }
    for (const QByteArray& dir : qgetenv("PATH").split(':'))
        FileStamp::add(hash, dir);
    // GNOME's terminal lives in GSettings, which no file stamp sees.
    hash.addData(
        settingsString(QStringLiteral("org.gnome.desktop.default-applications.terminal"), QStringLiteral("exec"))
            .value_or(QString())
            .toUtf8());
    return hash.result();
}

} // namespace

QByteArray answersStamp()
{
    return answersStamp(Entries::each);
}

QByteArray quickAnswersStamp()
{
    return answersStamp(Entries::byFolder);
}

QStringList applicationDirs()
{
    QStringList dirs {fromUtf8(g_get_user_data_dir()) + QLatin1StringView("/applications")};
    for (const gchar* const* d = g_get_system_data_dirs(); d && *d; ++d)
        dirs.append(fromUtf8(*d) + QLatin1StringView("/applications"));
    return dirs;
}

QString userConfigDir()
{
    return fromUtf8(g_get_user_config_dir());
}

QStringList dataDirs()
{
    QStringList dirs {fromUtf8(g_get_user_data_dir())};
    for (const gchar* const* d = g_get_system_data_dirs(); d && *d; ++d)
        dirs.append(fromUtf8(*d));
    return dirs;
}

QStringList configDirs()
{
    QStringList dirs {userConfigDir()};
    for (const gchar* const* d = g_get_system_config_dirs(); d && *d; ++d)
        dirs.append(fromUtf8(*d));
    return dirs;
}

QStringList userLists()
{
    const QString dir = userConfigDir();
    QStringList lists;
    for (const QString& desktop : currentDesktops())
        lists.append(dir + u'/' + desktop + QLatin1StringView("-mimeapps.list"));
    lists.append(dir + QLatin1StringView("/mimeapps.list"));
    return lists;
}

std::optional<QString> applicationEntryProblem(const QString& path)
{
    const QByteArray file = QFile::encodeName(path);
    const FileRead source = readWholeFile(path, kMaxConfigFileBytes);
    if (!source.bytes)
        return source.problem;
    // GKeyFile checks the encoding of names only; every value must be UTF-8 too.
    const QByteArray& bytes = *source.bytes;
    if (!g_utf8_validate(bytes.constData(), bytes.size(), nullptr))
        return QCoreApplication::translate("Applications", "That file is not UTF-8 text, as a desktop entry must be.");
    GKeyFilePtr entry(g_key_file_new());
    if (!g_key_file_load_from_data(entry.get(), bytes.constData(), bytes.size(), G_KEY_FILE_NONE, nullptr))
        return QCoreApplication::translate("Applications", "That file is not a desktop entry.");
    if (!g_key_file_has_group(entry.get(), G_KEY_FILE_DESKTOP_GROUP))
        return QCoreApplication::translate("Applications",
                                           "That file is not a desktop entry: it has no [Desktop Entry] group.");
    GCharPtr type(g_key_file_get_string(entry.get(), G_KEY_FILE_DESKTOP_GROUP, G_KEY_FILE_DESKTOP_KEY_TYPE, nullptr));
    if (!type || qstrcmp(type.get(), G_KEY_FILE_DESKTOP_TYPE_APPLICATION) != 0) {
        return type ? QCoreApplication::translate("Applications", "That entry is not an application: its Type is %1.")
                          .arg(fromUtf8(type.get()))
                    : QCoreApplication::translate("Applications", "That entry is not an application: it has no Type.");
    }
    GCharPtr exec(g_key_file_get_string(entry.get(), G_KEY_FILE_DESKTOP_GROUP, G_KEY_FILE_DESKTOP_KEY_EXEC, nullptr));
    const bool dbus = g_key_file_get_boolean(entry.get(), G_KEY_FILE_DESKTOP_GROUP,
                                             G_KEY_FILE_DESKTOP_KEY_DBUS_ACTIVATABLE, nullptr);
    if ((!exec || !*exec) && !dbus)
        return QCoreApplication::translate("Applications",
                                           "That entry does not say which program to run: it has no Exec line.");
    // GIO drops an entry whose program (TryExec, or Exec's first word) is not installed.
    GObjectPtr<GDesktopAppInfo> info(g_desktop_app_info_new_from_filename(file.constData()));
    if (!info)
        return QCoreApplication::translate("Applications", "The program that entry runs is not installed.");
    return std::nullopt;
}

DesktopEntry readDesktopEntry(const QString& path)
{
    GKeyFilePtr file(g_key_file_new());
    if (!g_key_file_load_from_file(file.get(), path.toUtf8().constData(), G_KEY_FILE_KEEP_TRANSLATIONS, nullptr)
        || !g_key_file_has_group(file.get(), G_KEY_FILE_DESKTOP_GROUP)) {
        return {};
    }
    GCharPtr name(g_key_file_get_locale_string(file.get(), G_KEY_FILE_DESKTOP_GROUP, G_KEY_FILE_DESKTOP_KEY_NAME,
                                               nullptr, nullptr));
    DesktopEntry entry {true, std::nullopt, {}};
    if (name)
        entry.name = fromUtf8(name.get());
    GCharPtr icon(g_key_file_get_string(file.get(), G_KEY_FILE_DESKTOP_GROUP, G_KEY_FILE_DESKTOP_KEY_ICON, nullptr));
    if (icon)
        entry.icon = fromUtf8(icon.get()).trimmed();
    return entry;
}

bool listParses(const QString& path)
{
    GKeyFilePtr file(g_key_file_new());
    GError* raw = nullptr;
    if (g_key_file_load_from_file(file.get(), path.toUtf8().constData(), G_KEY_FILE_KEEP_COMMENTS, &raw))
        return true;
    GErrorPtr error(raw);
    return error->domain == G_FILE_ERROR && error->code == G_FILE_ERROR_NOENT;
}

namespace {

// The [Default Applications] lines of one list as parsed, with each key's canonical type; kept
// while the file's identity and times stay the same, so a refresh parses each list once rather
// than once per type asked about.
struct ParsedList
{
    struct Line
    {
        ListedDefault line;
        QString canonical;
    };
    QByteArray stamp; // empty: the file could not be read
    QList<Line> lines;
};

QByteArray fileStamp(const QByteArray& path)
{
    struct stat st
    {
    };
    if (::stat(path.constData(), &st) != 0)
        return {};
    const qint64 fields[] = {qint64(st.st_ino),          qint64(st.st_size),        qint64(st.st_mtim.tv_sec),
                             qint64(st.st_mtim.tv_nsec), qint64(st.st_ctim.tv_sec), qint64(st.st_ctim.tv_nsec)};
    return QByteArray(reinterpret_cast<const char*>(fields), sizeof(fields));
}

ParsedList parseList(const QByteArray& path, const QByteArray& stamp)
{
    ParsedList parsed;
    GKeyFilePtr file(g_key_file_new());
    if (stamp.isEmpty() || !g_key_file_load_from_file(file.get(), path.constData(), G_KEY_FILE_NONE, nullptr))
        return parsed;
    parsed.stamp = stamp;
    gsize count = 0;
    GStrvPtr keys(g_key_file_get_keys(file.get(), kDefaultGroup, &count, nullptr));
    QSet<QByteArray> seen;
    for (gsize i = 0; i < count; ++i) {
        const char* key = keys.get()[i];
        if (seen.contains(QByteArray(key)))
            continue; // a repeated key is one line to GKeyFile, holding the last value
        seen.insert(QByteArray(key));
        GStrvPtr list(g_key_file_get_string_list(file.get(), kDefaultGroup, key, nullptr, nullptr));
        ParsedList::Line line {{fromUtf8(key), {}}, {}};
        for (gchar** entry = list.get(); entry && *entry; ++entry) {
            if (**entry)
                line.line.desktopFiles.append(fromUtf8(*entry));
        }
        GCharPtr type(g_content_type_from_mime_type(key));
        line.canonical = type ? fromUtf8(type.get()) : QString();
        parsed.lines.append(std::move(line));
    }
    return parsed;
}

} // namespace

QList<ListedDefault> listedDefaults(const QString& path, const QString& contentType)
{
    static QMutex mutex;
    static QHash<QByteArray, ParsedList> parsed;
    const QByteArray file = QFile::encodeName(path);
    const QByteArray stamp = fileStamp(file);
    ParsedList list;
    {
        QMutexLocker lock(&mutex);
        list = parsed.value(file);
    }
    if (list.stamp.isEmpty() || list.stamp != stamp) {
        list = parseList(file, stamp);
        QMutexLocker lock(&mutex);
        parsed.insert(file, list);
    }
    QList<ListedDefault> lines;
    for (const ParsedList::Line& l : std::as_const(list.lines)) {
        if (l.line.key == contentType || l.canonical == contentType)
            lines.append(l.line);
    }
    return lines;
}

std::optional<Error> setListedDefault(const QString& path, const QString& contentType, const QString& desktopFile)
{
    GKeyFilePtr file(g_key_file_new());
    GError* raw = nullptr;
    const QByteArray filePath = path.toUtf8();
    if (!g_key_file_load_from_file(file.get(), filePath.constData(),
                                   GKeyFileFlags(G_KEY_FILE_KEEP_COMMENTS | G_KEY_FILE_KEEP_TRANSLATIONS), &raw)) {
        GErrorPtr error(raw);
        return toError(error.get());
    }
    removeTypeLines(file.get(), contentType, {kDefaultGroup});
    const QByteArray value = desktopFile.toUtf8();
    const gchar* const list[] = {value.constData(), nullptr};
    g_key_file_set_string_list(file.get(), kDefaultGroup, contentType.toUtf8().constData(), list, 1);
    return saveKeyFile(file.get(), filePath);
}

QStringList addedAssociations(const QString& path, const QString& contentType)
{
    QStringList entries;
    GKeyFilePtr file(g_key_file_new());
    if (!g_key_file_load_from_file(file.get(), path.toUtf8().constData(), G_KEY_FILE_NONE, nullptr))
        return entries;
    for (const QString& key : typeKeys(file.get(), contentType, kAddedGroup)) {
        GStrvPtr list(g_key_file_get_string_list(file.get(), kAddedGroup, key.toUtf8().constData(), nullptr, nullptr));
        for (gchar** entry = list.get(); entry && *entry; ++entry) {
            if (**entry)
                entries.append(fromUtf8(*entry));
        }
    }
    return entries;
}

std::optional<Error> removeChoice(const QString& path, const QString& contentType, bool associations)
{
    GKeyFilePtr file(g_key_file_new());
    GError* raw = nullptr;
    const QByteArray filePath = path.toUtf8();
    if (!g_key_file_load_from_file(file.get(), filePath.constData(),
                                   GKeyFileFlags(G_KEY_FILE_KEEP_COMMENTS | G_KEY_FILE_KEEP_TRANSLATIONS), &raw)) {
        GErrorPtr error(raw);
        return error->domain == G_FILE_ERROR && error->code == G_FILE_ERROR_NOENT ? std::nullopt
                                                                                  : std::optional(toError(error.get()));
    }
    const bool removed = associations ? removeTypeLines(file.get(), contentType, {kDefaultGroup, kAddedGroup})
                                      : removeTypeLines(file.get(), contentType, {kDefaultGroup});
    if (!removed)
        return std::nullopt;
    // A group the reset emptied goes with its header.
    for (const char* group : {kDefaultGroup, kAddedGroup}) {
        gsize count = 0;
        GStrvPtr keys(g_key_file_get_keys(file.get(), group, &count, nullptr));
        if (keys && count == 0)
            g_key_file_remove_group(file.get(), group, nullptr);
    }
    return saveKeyFile(file.get(), filePath);
}

namespace {

constexpr const char* kTypeGroups[] = {kDefaultGroup, kAddedGroup, kRemovedGroup};

QStringList* groupOf(TypeLines& lines, int group)
{
    QStringList* lists[] = {&lines.defaults, &lines.added, &lines.removed};
    return lists[group];
}

TypeLines linesOf(GKeyFile* file, const QString& contentType)
{
    TypeLines lines;
    for (int g = 0; g < 3; ++g) {
        QStringList& list = *groupOf(lines, g);
        for (const QString& key : typeKeys(file, contentType, kTypeGroups[g])) {
            GStrvPtr entries(
                g_key_file_get_string_list(file, kTypeGroups[g], key.toUtf8().constData(), nullptr, nullptr));
            for (gchar** entry = entries.get(); entry && *entry; ++entry) {
                if (**entry && !list.contains(fromUtf8(*entry)))
                    list.append(fromUtf8(*entry));
            }
        }
    }
    return lines;
}

} // namespace

TypeLines typeLines(const QString& path, const QString& contentType)
{
    GKeyFilePtr file(g_key_file_new());
    if (!g_key_file_load_from_file(file.get(), path.toUtf8().constData(), G_KEY_FILE_NONE, nullptr))
        return {};
    return linesOf(file.get(), contentType);
}

std::optional<Error> editTypeLines(const QString& path, const QString& contentType,
                                   const std::function<void(TypeLines&)>& edit)
{
    GKeyFilePtr file(g_key_file_new());
    GError* raw = nullptr;
    const QByteArray filePath = path.toUtf8();
    if (!g_key_file_load_from_file(file.get(), filePath.constData(),
                                   GKeyFileFlags(G_KEY_FILE_KEEP_COMMENTS | G_KEY_FILE_KEEP_TRANSLATIONS), &raw)) {
        GErrorPtr error(raw);
        if (error->domain != G_FILE_ERROR || error->code != G_FILE_ERROR_NOENT)
            return toError(error.get());
    }
    const TypeLines before = linesOf(file.get(), contentType);
    TypeLines lines = before;
    edit(lines);
    if (lines == before)
        return std::nullopt;
    // Lines under an alias go with the rest: the type is written once, by the name asked for.
    removeTypeLines(file.get(), contentType, {kDefaultGroup, kAddedGroup, kRemovedGroup});
    const QByteArray key = contentType.toUtf8();
    for (int g = 0; g < 3; ++g) {
        const QStringList& list = *groupOf(lines, g);
        if (!list.isEmpty()) {
            QList<QByteArray> values;
            for (const QString& id : list)
                values.append(id.toUtf8());
            std::vector<const gchar*> entries;
            for (const QByteArray& v : std::as_const(values))
                entries.push_back(v.constData());
            g_key_file_set_string_list(file.get(), kTypeGroups[g], key.constData(), entries.data(), entries.size());
        }
        // A group left empty goes with its header.
        gsize count = 0;
        GStrvPtr keys(g_key_file_get_keys(file.get(), kTypeGroups[g], &count, nullptr));
        if (keys && count == 0)
            g_key_file_remove_group(file.get(), kTypeGroups[g], nullptr);
    }
    return saveKeyFile(file.get(), filePath);
}

} // namespace openwright::gio
