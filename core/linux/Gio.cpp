// SPDX-License-Identifier: GPL-3.0-or-later
#include "Gio.h"

#include "DecisionReader.h"

#include <QCoreApplication>
#include <QFile>

#include <gio/gdesktopappinfo.h>
#include <gio/gio.h>

#include <QDeadlineTimer>
#include <QFile>
#include <QFileInfo>
#include <QMutex>
#include <QSet>

#include <algorithm>
#include <memory>

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
    GCharPtr name(g_desktop_app_info_get_locale_string(G_DESKTOP_APP_INFO(info), G_KEY_FILE_DESKTOP_KEY_NAME));
    const QString path = fromUtf8(file);
    const QString id = bareId(g_app_info_get_id(info));
    GCharPtr icon(g_app_info_get_icon(info) ? g_icon_to_string(g_app_info_get_icon(info)) : nullptr);
    return App {path, id, name ? fromUtf8(name.get()) : fileBaseName(path), icon ? fromUtf8(icon.get()) : QString()};
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

// The [Default Applications] keys that stand for `contentType`, in file order: the type and
// its aliases, compared as the system compares them.
QStringList typeKeys(GKeyFile* file, const QString& contentType)
{
    QStringList keys;
    gsize count = 0;
    GStrvPtr all(g_key_file_get_keys(file, kDefaultGroup, &count, nullptr));
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

std::optional<App> defaultForType(const QString& contentType)
{
    GObjectPtr<GAppInfo> info(g_app_info_get_default_for_type(contentType.toUtf8().constData(), false));
    return toApp(info.get());
}

QList<App> allForType(const QString& contentType)
{
    AppListPtr list(g_app_info_get_all_for_type(contentType.toUtf8().constData()));
    QList<App> apps;
    for (GList* l = list.get(); l; l = l->next) {
        if (auto app = toApp(static_cast<GAppInfo*>(l->data)))
            apps.append(std::move(*app));
    }
    return apps;
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

std::optional<App> appForId(const QString& id)
{
    const QByteArray desktopId = (id + QLatin1StringView(".desktop")).toUtf8();
    GObjectPtr<GDesktopAppInfo> info(g_desktop_app_info_new(desktopId.constData()));
    return toApp(G_APP_INFO(info.get()));
}

std::optional<Error> setDefaultForType(const QString& id, const QString& contentType)
{
    const QByteArray desktopId = (id + QLatin1StringView(".desktop")).toUtf8();
    GObjectPtr<GDesktopAppInfo> info(g_desktop_app_info_new(desktopId.constData()));
    if (!info)
        return Error {QStringLiteral("openwright"), 0, QStringLiteral("No installed application ") + id, false, true};
    GError* raw = nullptr;
    if (g_app_info_set_as_default_for_type(G_APP_INFO(info.get()), contentType.toUtf8().constData(), &raw))
        return std::nullopt;
    GErrorPtr error(raw);
    return toError(error.get());
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
    QFile source(path);
    if (!source.open(QIODevice::ReadOnly))
        return QCoreApplication::translate("Applications", "That file cannot be read: %1").arg(source.errorString());
    // GKeyFile checks the encoding of names only; every value must be UTF-8 too.
    const QByteArray bytes = source.readAll();
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

QList<ListedDefault> listedDefaults(const QString& path, const QString& contentType)
{
    QList<ListedDefault> lines;
    GKeyFilePtr file(g_key_file_new());
    if (!g_key_file_load_from_file(file.get(), path.toUtf8().constData(), G_KEY_FILE_NONE, nullptr))
        return lines;
    for (const QString& key : typeKeys(file.get(), contentType)) {
        GStrvPtr list(
            g_key_file_get_string_list(file.get(), kDefaultGroup, key.toUtf8().constData(), nullptr, nullptr));
        ListedDefault line {key, {}};
        for (gchar** entry = list.get(); entry && *entry; ++entry) {
            if (**entry)
                line.desktopFiles.append(fromUtf8(*entry));
        }
        lines.append(std::move(line));
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
    // A key repeated in the group is kept once per line: remove until none is left.
    for (const QString& key : typeKeys(file.get(), contentType)) {
        while (g_key_file_remove_key(file.get(), kDefaultGroup, key.toUtf8().constData(), nullptr)) { }
    }
    const QByteArray value = desktopFile.toUtf8();
    const gchar* const list[] = {value.constData(), nullptr};
    g_key_file_set_string_list(file.get(), kDefaultGroup, contentType.toUtf8().constData(), list, 1);
    gsize length = 0;
    GCharPtr data(g_key_file_to_data(file.get(), &length, nullptr));
    // Temporary file and rename, like GIO's own writes: a reader never sees half a file.
    if (!g_file_set_contents(filePath.constData(), data.get(), gssize(length), &raw)) {
        GErrorPtr error(raw);
        return toError(error.get());
    }
    return std::nullopt;
}

} // namespace openwright::gio
