// SPDX-License-Identifier: GPL-3.0-or-later
// The command line's floor: a program that links Qt Core and GIO only, creates its
// QCoreApplication and asks GIO the one question of "openwright status TYPE" for each TYPE
// given (application/pdf without one), printing the desktop-file ID of each default.
#include <QCoreApplication>

#include <gio/gio.h>

#include <cstdio>

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    QStringList types = QCoreApplication::arguments().mid(1);
    if (types.isEmpty())
        types.append(QStringLiteral("application/pdf"));
    for (const QString& type : types) {
        GAppInfo* info = g_app_info_get_default_for_type(type.toUtf8().constData(), FALSE);
        std::printf("%s\n", info ? g_app_info_get_id(info) : "");
        if (info)
            g_object_unref(info);
    }
    return 0;
}
