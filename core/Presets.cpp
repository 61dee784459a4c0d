// SPDX-License-Identifier: GPL-3.0-or-later
#include "Presets.h"

#include <QCoreApplication>
#include <QTimeZone>

namespace openwright::Presets {

using namespace Qt::Literals::StringLiterals;

namespace {

QList<Target> exts(std::initializer_list<const char*> names)
{
    QList<Target> list;
    for (const char* n : names)
        list.append(Target::fileExtension(QString::fromLatin1(n)));
    return list;
}

QList<Target> scheme(const char* name)
{
    return {Target::scheme(QString::fromLatin1(name))};
}

QList<ProfileEntry> entries(const QString& bundleID, const QString& appName, const QList<Target>& targets)
{
    QList<ProfileEntry> list;
    for (const Target& t : targets)
        list.append({t, bundleID, appName});
    return list;
}

// The earliest date the platform represents stands for "always there".
QDateTime distantPast()
{
    return QDateTime(QDate(1, 1, 1), QTime(0, 0), QTimeZone::utc());
}

Profile preset(const QString& id, const char* name, const char* summary, const QString& symbol,
               const QList<QList<ProfileEntry>>& rows)
{
    Profile p {id,
               QCoreApplication::translate("Presets", name),
               QCoreApplication::translate("Presets", summary),
               symbol,
               Profile::Kind::preset,
               distantPast(),
               {},
               std::nullopt};
    for (const auto& row : rows)
        p.entries.append(row);
    return p;
}

} // namespace

const QList<Profile>& forMac()
{
    static const QList<Profile> presets = {
        preset(u"preset.work"_s, QT_TRANSLATE_NOOP("Presets", "Work & Business"),
               QT_TRANSLATE_NOOP("Presets", "Chrome, Outlook, Microsoft Office, Zoom and Slack."), u"briefcase"_s,
               {entries(u"com.google.Chrome"_s, u"Google Chrome"_s, scheme("http")),
                entries(u"com.microsoft.Outlook"_s, u"Microsoft Outlook"_s, scheme("mailto")),
                entries(u"com.microsoft.Word"_s, u"Microsoft Word"_s, exts({"docx", "doc", "rtf"})),
                entries(u"com.microsoft.Excel"_s, u"Microsoft Excel"_s, exts({"xlsx", "csv"})),
                entries(u"com.microsoft.Powerpoint"_s, u"Microsoft PowerPoint"_s, exts({"pptx"})),
                entries(u"us.zoom.xos"_s, u"Zoom"_s, scheme("zoommtg")),
                entries(u"com.tinyspeck.slackmacgap"_s, u"Slack"_s, scheme("slack"))}),
        preset(u"preset.privacy"_s, QT_TRANSLATE_NOOP("Presets", "Maximum Privacy"),
               QT_TRANSLATE_NOOP("Presets", "Brave, Proton Mail, Telegram and Apple's on-device viewers."),
               u"hand.raised"_s,
               {entries(u"com.brave.Browser"_s, u"Brave Browser"_s, scheme("http")),
                entries(u"ch.protonmail.desktop"_s, u"Proton Mail"_s, scheme("mailto")),
                entries(u"ru.keepcoder.Telegram"_s, u"Telegram"_s, scheme("tg")),
                entries(u"com.apple.Preview"_s, u"Preview"_s, exts({"pdf", "jpg", "png", "heic"}))}),
        preset(u"preset.media"_s, QT_TRANSLATE_NOOP("Presets", "Media & Creator"),
               QT_TRANSLATE_NOOP("Presets", "VLC for every video and audio format, Preview for images."),
               u"play.circle"_s,
               {entries(u"org.videolan.vlc"_s, u"VLC"_s, exts({"mp4", "mkv", "mov", "mp3", "flac"})),
                entries(u"com.apple.Preview"_s, u"Preview"_s, exts({"jpg", "png", "webp", "heic"}))}),
        preset(u"preset.developer"_s, QT_TRANSLATE_NOOP("Presets", "Developer"),
               QT_TRANSLATE_NOOP("Presets", "VS Code for code and config files, Terminal for ssh: links."),
               u"terminal"_s,
               {entries(u"com.microsoft.VSCode"_s, u"Visual Studio Code"_s,
                        exts({"json", "md", "py", "swift", "js", "ts", "yaml", "xml", "sh", "log", "kt", "sql"})),
                entries(u"com.apple.Terminal"_s, u"Terminal"_s, scheme("ssh"))}),
    };
    return presets;
}

// The same four on the Linux desktop: programs packaged for it under the identities of
// ApplicationIdentity, and the desktop's own document and image viewers for Apple's. No common
// Linux terminal opens ssh: links, so the developer preset leaves ssh: alone rather than break
// those links.
const QList<Profile>& forLinux()
{
    static const QList<Profile> presets = {
        preset(u"preset.work"_s, QT_TRANSLATE_NOOP("Presets", "Work & Business"),
               QT_TRANSLATE_NOOP("Presets", "Chrome, Thunderbird, LibreOffice, Zoom and Slack."), u"briefcase"_s,
               {entries(u"com.google.Chrome"_s, u"Google Chrome"_s, scheme("http")),
                entries(u"org.mozilla.Thunderbird"_s, u"Thunderbird"_s, scheme("mailto")),
                entries(u"org.libreoffice.LibreOffice.writer"_s, u"LibreOffice Writer"_s, exts({"docx", "doc", "rtf"})),
                entries(u"org.libreoffice.LibreOffice.calc"_s, u"LibreOffice Calc"_s, exts({"xlsx", "csv"})),
                entries(u"org.libreoffice.LibreOffice.impress"_s, u"LibreOffice Impress"_s, exts({"pptx"})),
                entries(u"us.zoom.xos"_s, u"Zoom"_s, scheme("zoommtg")),
                entries(u"com.tinyspeck.slackmacgap"_s, u"Slack"_s, scheme("slack"))}),
        preset(u"preset.privacy"_s, QT_TRANSLATE_NOOP("Presets", "Maximum Privacy"),
               QT_TRANSLATE_NOOP("Presets", "Brave, Proton Mail, Telegram and the desktop's own viewers."),
               u"hand.raised"_s,
               {entries(u"com.brave.Browser"_s, u"Brave Browser"_s, scheme("http")),
                entries(u"ch.protonmail.desktop"_s, u"Proton Mail"_s, scheme("mailto")),
                entries(u"ru.keepcoder.Telegram"_s, u"Telegram"_s, scheme("tg")),
                entries(u"org.gnome.Evince"_s, u"Document Viewer"_s, exts({"pdf"})),
                entries(u"org.gnome.Loupe"_s, u"Image Viewer"_s, exts({"jpg", "png", "heic"}))}),
        preset(u"preset.media"_s, QT_TRANSLATE_NOOP("Presets", "Media & Creator"),
               QT_TRANSLATE_NOOP("Presets", "VLC for every video and audio format, Image Viewer for images."),
               u"play.circle"_s,
               {entries(u"org.videolan.vlc"_s, u"VLC"_s, exts({"mp4", "mkv", "mov", "mp3", "flac"})),
                entries(u"org.gnome.Loupe"_s, u"Image Viewer"_s, exts({"jpg", "png", "webp", "heic"}))}),
        preset(u"preset.developer"_s, QT_TRANSLATE_NOOP("Presets", "Developer"),
               QT_TRANSLATE_NOOP("Presets", "VS Code for code and config files."), u"terminal"_s,
               {entries(u"com.microsoft.VSCode"_s, u"Visual Studio Code"_s,
                        exts({"json", "md", "py", "swift", "js", "ts", "yaml", "xml", "sh", "log", "kt", "sql"}))}),
    };
    return presets;
}

const QList<Profile>& all()
{
#ifdef Q_OS_MACOS
    return forMac();
#else
    return forLinux();
#endif
}

} // namespace openwright::Presets
