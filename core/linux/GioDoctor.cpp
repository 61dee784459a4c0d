// SPDX-License-Identifier: GPL-3.0-or-later
#include "GioDoctor.h"

#include "DecisionReader.h"
#include "Gio.h"

#include <gio/gdesktopappinfo.h>
#include <gio/gio.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <memory>

namespace openwright::gio {

using namespace Qt::Literals::StringLiterals;

namespace {

QString fromUtf8(const char* s)
{
    return s ? QString::fromUtf8(s) : QString();
}

struct Unref
{
    void operator()(gpointer object) const { g_object_unref(object); }
};

// The file of desktop-file ID `id` in applications folder `dir`: a "-" of the ID may stand for a
// subfolder ("kde-okular.desktop" as kde/okular.desktop).
QString entryFile(const QString& dir, const QString& id)
{
    const QString flat = dir + u'/' + id;
    if (QFileInfo(flat).isFile())
        return flat;
    for (qsizetype dash = id.indexOf(u'-'); dash > 0; dash = id.indexOf(u'-', dash + 1)) {
        const QString sub = dir + u'/' + id.left(dash);
        if (!QFileInfo(sub).isDir())
            continue;
        if (QString found = entryFile(sub, id.mid(dash + 1)); !found.isEmpty())
            return found;
    }
    return {};
}

// The words of a command line as GIO splits it, field codes (Flatpak's @@ markers too) dropped and
// the program as found on PATH; empty for a line GIO cannot split.
QStringList commandWords(const char* commandLine)
{
    static const QStringList kFieldCodes {u"%f"_s, u"%F"_s, u"%u"_s, u"%U"_s, u"%i"_s, u"%c"_s, u"%k"_s, u"%d"_s,
                                          u"%D"_s, u"%n"_s, u"%N"_s, u"%v"_s, u"%m"_s, u"@@"_s, u"@@u"_s};
    gint count = 0;
    gchar** argv = nullptr;
    if (!commandLine || !g_shell_parse_argv(commandLine, &count, &argv, nullptr))
        return {};
    QStringList words;
    for (gint i = 0; i < count; ++i) {
        const QString word = fromUtf8(argv[i]);
        if (!kFieldCodes.contains(word))
            words.append(word);
    }
    g_strfreev(argv);
    if (!words.isEmpty()) {
        gchar* path = g_find_program_in_path(QFile::encodeName(words.first()).constData());
        if (path)
            words.first() = QFile::decodeName(path);
        g_free(path);
    }
    return words;
}

} // namespace

DoctorPaths doctorPaths()
{
    QStringList system;
    for (const gchar* const* dir = g_get_system_config_dirs(); dir && *dir; ++dir)
        system.append(QFile::decodeName(*dir));
    return {QFile::decodeName(g_get_user_config_dir()), QFile::decodeName(g_get_user_data_dir()), currentDesktops(),
            system};
}

DoctorPlatform doctorPlatform()
{
    DoctorPlatform platform;
    platform.installed = [](const QString& id) {
        // As the default lookup opens it: the first copy in folder order that loads, which drops
        // one whose program is missing but keeps one that says Hidden=true (which
        // g_desktop_app_info_new() drops).
        for (const QString& folder : dataDirs()) {
            const QString file = entryFile(folder + u"/applications"_s, id);
            if (file.isEmpty())
                continue;
            std::unique_ptr<GDesktopAppInfo, Unref> info(
                g_desktop_app_info_new_from_filename(QFile::encodeName(file).constData()));
            if (info)
                return true;
        }
        return false;
    };
    platform.canonical = [](const QString& type) {
        gchar* canonical = g_content_type_from_mime_type(type.toUtf8().constData());
        const QString result = canonical ? fromUtf8(canonical) : type;
        g_free(canonical);
        return result;
    };
    platform.programFound = [](const QString& program) {
        if (program.isEmpty())
            return false;
        if (program.startsWith(u'/'))
            return QFileInfo(program).isExecutable();
        gchar* path = g_find_program_in_path(QFile::encodeName(program).constData());
        g_free(path);
        return path != nullptr;
    };
    platform.installedRunning = [](const QString& exec) {
        // The whole command: launchers (flatpak run, sh -c, env, interpreters) run many applications.
        const QString own = QFile::decodeName(g_get_user_data_dir()) + u"/applications/"_s;
        const QStringList words = commandWords(exec.toUtf8().constData());
        QString found;
        if (words.isEmpty())
            return found;
        GList* all = g_app_info_get_all();
        for (GList* l = all; l && found.isEmpty(); l = l->next) {
            auto* info = G_APP_INFO(l->data);
            const char* file
                = G_IS_DESKTOP_APP_INFO(info) ? g_desktop_app_info_get_filename(G_DESKTOP_APP_INFO(info)) : nullptr;
            if (!file || QFile::decodeName(file).startsWith(own))
                continue;
            if (commandWords(g_app_info_get_commandline(info)) == words)
                found = fromUtf8(g_app_info_get_id(info));
        }
        g_list_free_full(all, g_object_unref);
        return found;
    };
    platform.writing = [](const std::function<bool()>& write) {
        // GIO takes in a changed list or entry when its file monitor reports the folder, a moment
        // later; until then its answers are the old ones. Its application monitor tells when.
        GMainContext* context = g_main_context_new();
        g_main_context_push_thread_default(context);
        GAppInfoMonitor* monitor = g_app_info_monitor_get();
        int notices = 0;
        const gulong handler
            = g_signal_connect_swapped(monitor, "changed", G_CALLBACK(+[](int* count) { ++*count; }), &notices);
        // A lookup sets up the folder monitors that a write is seen by.
        if (GAppInfo* any = g_app_info_get_default_for_type("text/plain", false))
            g_object_unref(any);
        // One file at a time: GIO's notices of several folders may come as one.
        bool late = !write();
        GSource* timeout = g_timeout_source_new(1000);
        g_source_set_callback(
            timeout,
            [](gpointer late) {
                *static_cast<bool*>(late) = true;
                return gboolean(G_SOURCE_REMOVE);
            },
            &late, nullptr);
        g_source_attach(timeout, context);
        while (notices == 0 && !late)
            g_main_context_iteration(context, true);
        g_source_destroy(timeout);
        g_source_unref(timeout);
        g_signal_handler_disconnect(monitor, handler);
        g_object_unref(monitor);
        g_main_context_pop_thread_default(context);
        g_main_context_unref(context);
    };
    platform.opens = [](const QStringList& types, const FileChanges& changed) {
        FileOverlay overlay;
        for (auto it = changed.cbegin(); it != changed.cend(); ++it)
            overlay.insert(QDir::cleanPath(it.key()), *it);
        return predictDefaults(types, overlay);
    };
    platform.affected = [](const QStringList& types, const QStringList& ids) { return affectedTypes(types, ids); };
    platform.agrees = [](const QString& type) { return explain(Target(), type).agreesWithSystem; };
    platform.decidingList = [](const QString& type) {
        const DecisionChain chain = explain(Target(), type);
        const DecisionStep* step = chain.decisiveStep();
        return step ? step->file : QString();
    };
    return platform;
}

} // namespace openwright::gio
