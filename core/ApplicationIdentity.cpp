// SPDX-License-Identifier: GPL-3.0-or-later
#include "ApplicationIdentity.h"

#include <algorithm>
#include <optional>

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
    {"org.mozilla.Thunderbird", {"thunderbird", "org.mozilla.Thunderbird"}},
    {"org.libreoffice.LibreOffice.writer", {"libreoffice-writer", "org.libreoffice.LibreOffice.writer"}},
    {"org.libreoffice.LibreOffice.calc", {"libreoffice-calc", "org.libreoffice.LibreOffice.calc"}},
    {"org.libreoffice.LibreOffice.impress", {"libreoffice-impress", "org.libreoffice.LibreOffice.impress"}},
    // The desktop's document and image viewers, the current ones and those they replace.
    {"org.gnome.Evince", {"org.gnome.Evince", "evince", "org.gnome.Papers"}},
    {"org.gnome.Loupe", {"org.gnome.Loupe", "org.gnome.eog", "eog"}},
};

const Row* rowWithId(const QString& id)
{
    for (const Row& row : kTable) {
        for (const char* alias : row.ids) {
            if (id == QLatin1StringView(alias))
                return &row;
        }
    }
    return nullptr;
}

// A desktop-file ID may itself end in ".desktop" (Telegram's Flatpak is org.telegram.desktop),
// so the suffix is only dropped when the text as given means nothing.
std::optional<QString> withoutSuffix(const QString& id)
{
    if (!id.endsWith(QLatin1StringView(".desktop")))
        return std::nullopt;
    return id.chopped(8);
}

} // namespace

QString canonical(const QString& desktopId)
{
    const Row* row = rowWithId(desktopId);
    if (const auto bare = withoutSuffix(desktopId); !row && bare)
        row = rowWithId(*bare);
    return row ? QString::fromLatin1(row->identity) : desktopId;
}

QStringList desktopIdsFor(const QString& identity)
{
    QStringList ids {identity};
    if (const auto bare = withoutSuffix(identity))
        ids.append(*bare);
    for (const QString& id : QStringList(ids)) {
        for (const Row& row : kTable) {
            // An ID of the table stands for its program as the identity does: a record that
            // names an entry this system lacks finds another packaging.
            const bool ofRow = id == QLatin1StringView(row.identity)
                || std::any_of(row.ids.begin(), row.ids.end(),
                               [&](const char* a) { return id == QLatin1StringView(a); });
            if (!ofRow)
                continue;
            for (const char* alias : row.ids) {
                if (!ids.contains(QLatin1StringView(alias)))
                    ids.append(QString::fromLatin1(alias));
            }
        }
    }
    return ids;
}

} // namespace openwright::ApplicationIdentity
