// SPDX-License-Identifier: GPL-3.0-or-later
#include "ApplicationIdentity.h"

namespace openwright::ApplicationIdentity {

namespace {

struct Row
{
    const char* identity;
    std::initializer_list<const char*> ids;
};

const Row kTable[] = {
    {"com.google.Chrome", {"google-chrome", "com.google.Chrome"}},
    {"com.brave.Browser", {"brave-browser", "com.brave.Browser"}},
    {"us.zoom.xos", {"Zoom", "us.zoom.Zoom"}},
    {"com.tinyspeck.slackmacgap", {"slack", "com.slack.Slack", "slack_slack"}},
    {"ru.keepcoder.Telegram", {"org.telegram.desktop", "telegramdesktop", "telegram-desktop_telegram-desktop"}},
    {"ch.protonmail.desktop", {"proton-mail", "me.proton.Mail"}},
    {"org.videolan.vlc", {"vlc", "org.videolan.VLC", "vlc_vlc"}},
    {"com.microsoft.VSCode", {"code", "com.visualstudio.code", "code_code"}},
};

QString bare(const QString& id)
{
    return id.endsWith(QLatin1StringView(".desktop")) ? id.chopped(8) : id;
}

} // namespace

QString canonical(const QString& desktopId)
{
    const QString id = bare(desktopId);
    for (const Row& row : kTable) {
        for (const char* alias : row.ids) {
            if (id == QLatin1StringView(alias))
                return QString::fromLatin1(row.identity);
        }
    }
    return id;
}

QStringList desktopIdsFor(const QString& identity)
{
    const QString id = bare(identity);
    QStringList ids {id};
    for (const Row& row : kTable) {
        if (id != QLatin1StringView(row.identity))
            continue;
        for (const char* alias : row.ids) {
            if (!ids.contains(QLatin1StringView(alias)))
                ids.append(QString::fromLatin1(alias));
        }
    }
    return ids;
}

} // namespace openwright::ApplicationIdentity
