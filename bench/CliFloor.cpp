// SPDX-License-Identifier: GPL-3.0-or-later
// The command line's floor: a program that links Qt Core and GIO only, creates its
// QCoreApplication and asks GIO the one question of "openwright status TYPE", printing the
// desktop-file ID of TYPE's default.
#include <QCoreApplication>

#include <gio/gio.h>

#include <cstdio>

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    const QByteArray type = QCoreApplication::arguments().value(1, QStringLiteral("application/pdf")).toUtf8();
    GAppInfo* info = g_app_info_get_default_for_type(type.constData(), FALSE);
    std::printf("%s\n", info ? g_app_info_get_id(info) : "");
    if (info)
        g_object_unref(info);
    return 0;
}
