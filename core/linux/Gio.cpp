// SPDX-License-Identifier: GPL-3.0-or-later
#include "Gio.h"

#include <QFile>

#include <gio/gdesktopappinfo.h>
#include <gio/gio.h>

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

std::optional<QString> applicationEntryProblem(const QString& path)
{
    const QByteArray file = QFile::encodeName(path);
    QFile source(path);
    if (!source.open(QIODevice::ReadOnly))
        return QStringLiteral("That file cannot be read: ") + source.errorString();
    // GKeyFile checks the encoding of names only; every value must be UTF-8 too.
    const QByteArray bytes = source.readAll();
    if (!g_utf8_validate(bytes.constData(), bytes.size(), nullptr))
        return QStringLiteral("That file is not UTF-8 text, as a desktop entry must be.");
    GKeyFilePtr entry(g_key_file_new());
    if (!g_key_file_load_from_data(entry.get(), bytes.constData(), bytes.size(), G_KEY_FILE_NONE, nullptr))
        return QStringLiteral("That file is not a desktop entry.");
    if (!g_key_file_has_group(entry.get(), G_KEY_FILE_DESKTOP_GROUP))
        return QStringLiteral("That file is not a desktop entry: it has no [Desktop Entry] group.");
    GCharPtr type(g_key_file_get_string(entry.get(), G_KEY_FILE_DESKTOP_GROUP, G_KEY_FILE_DESKTOP_KEY_TYPE, nullptr));
    if (!type || qstrcmp(type.get(), G_KEY_FILE_DESKTOP_TYPE_APPLICATION) != 0) {
        return type ? QStringLiteral("That entry is not an application: its Type is %1.").arg(fromUtf8(type.get()))
                    : QStringLiteral("That entry is not an application: it has no Type.");
    }
    GCharPtr exec(g_key_file_get_string(entry.get(), G_KEY_FILE_DESKTOP_GROUP, G_KEY_FILE_DESKTOP_KEY_EXEC, nullptr));
    const bool dbus = g_key_file_get_boolean(entry.get(), G_KEY_FILE_DESKTOP_GROUP,
                                             G_KEY_FILE_DESKTOP_KEY_DBUS_ACTIVATABLE, nullptr);
    if ((!exec || !*exec) && !dbus)
        return QStringLiteral("That entry does not say which program to run: it has no Exec line.");
    // GIO drops an entry whose program (TryExec, or Exec's first word) is not installed.
    GObjectPtr<GDesktopAppInfo> info(g_desktop_app_info_new_from_filename(file.constData()));
    if (!info)
        return QStringLiteral("The program that entry runs is not installed.");
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

std::optional<QString> listedDefault(const QString& path, const QString& contentType)
{
    GKeyFilePtr file(g_key_file_new());
    if (!g_key_file_load_from_file(file.get(), path.toUtf8().constData(), G_KEY_FILE_NONE, nullptr))
        return std::nullopt;
    GStrvPtr list(
        g_key_file_get_string_list(file.get(), kDefaultGroup, contentType.toUtf8().constData(), nullptr, nullptr));
    if (!list || !list.get()[0])
        return std::nullopt;
    return fromUtf8(list.get()[0]);
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
