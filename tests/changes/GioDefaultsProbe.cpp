// SPDX-License-Identifier: GPL-3.0-or-later
// GIO's own answer, one process per look (GIO reads the XDG variables and the lists once per
// process): for each MIME type on the command line, the type and the desktop-file ID of its
// default, tab-separated, or the type alone when none opens it.
#include <gio/gio.h>

#include <cstdio>

static void quiet(const gchar* domain, GLogLevelFlags level, const gchar* message, gpointer data)
{
    (void)domain, (void)level, (void)message, (void)data;
}

int main(int argc, char** argv)
{
    g_log_set_default_handler(quiet, NULL);
    for (int i = 1; i < argc; ++i) {
        GAppInfo* info = g_app_info_get_default_for_type(argv[i], FALSE);
        printf("%s\t%s\n", argv[i], info ? g_app_info_get_id(info) : "");
        if (info)
            g_object_unref(info);
    }
    return 0;
}
