// SPDX-License-Identifier: GPL-3.0-or-later
#include "GioDoctor.h"

#include "DecisionReader.h"

#include <gio/gdesktopappinfo.h>
#include <gio/gio.h>

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

} // namespace

DoctorPaths doctorPaths()
{
    return {QFile::decodeName(g_get_user_config_dir()), QFile::decodeName(g_get_user_data_dir()), currentDesktops()};
}

DoctorPlatform doctorPlatform()
{
    DoctorPlatform platform;
    platform.installed = [](const QString& id) {
        // Loads only an entry whose program is there, as the default lookup does.
        std::unique_ptr<GDesktopAppInfo, Unref> info(g_desktop_app_info_new(id.toUtf8().constData()));
        return info != nullptr;
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
    platform.installedRunning = [](const QString& program) {
        const QString own = QFile::decodeName(g_get_user_data_dir()) + u"/applications/"_s;
        const QString name = QFileInfo(program).fileName();
        QString found;
        GList* all = g_app_info_get_all();
        for (GList* l = all; l && found.isEmpty(); l = l->next) {
            auto* info = G_APP_INFO(l->data);
            const char* file
                = G_IS_DESKTOP_APP_INFO(info) ? g_desktop_app_info_get_filename(G_DESKTOP_APP_INFO(info)) : nullptr;
            if (!file || QFile::decodeName(file).startsWith(own))
                continue;
            if (QFileInfo(fromUtf8(g_app_info_get_executable(info))).fileName() == name)
                found = fromUtf8(g_app_info_get_id(info));
        }
        g_list_free_full(all, g_object_unref);
        return found;
    };
    platform.decidingList = [](const QString& type) {
        const DecisionChain chain = explain(Target(), type);
        const DecisionStep* step = chain.decisiveStep();
        return step ? step->file : QString();
    };
    return platform;
}

} // namespace openwright::gio
