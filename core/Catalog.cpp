// SPDX-License-Identifier: GPL-3.0-or-later
#include "Catalog.h"

#include "Json.h"

#include <QCoreApplication>

namespace openwright {

namespace {

struct GroupRow
{
    CategoryGroup group;
    const char* raw;
    const char* title;
    const char* symbol;
};

constexpr GroupRow kGroups[] = {
    {CategoryGroup::systemRole, "systemRole", QT_TRANSLATE_NOOP("Catalog", "System Roles"), "gearshape.2"},
    {CategoryGroup::document, "document", QT_TRANSLATE_NOOP("Catalog", "Documents & Office"), "doc.text"},
    {CategoryGroup::aiProductivity, "aiProductivity", QT_TRANSLATE_NOOP("Catalog", "AI & Productivity"), "sparkles"},
    {CategoryGroup::codeDev, "codeDev", QT_TRANSLATE_NOOP("Catalog", "Code & Developer"),
     "chevron.left.forwardslash.chevron.right"},
    {CategoryGroup::designCreative, "designCreative", QT_TRANSLATE_NOOP("Catalog", "Design & Graphics"),
     "paintpalette"},
    {CategoryGroup::ebook, "ebook", QT_TRANSLATE_NOOP("Catalog", "E-Books & Publishing"), "book"},
    {CategoryGroup::media, "media", QT_TRANSLATE_NOOP("Catalog", "Media & Creative"), "play.rectangle"},
    {CategoryGroup::archive, "archive", QT_TRANSLATE_NOOP("Catalog", "Archives & Packages"), "archivebox"},
    {CategoryGroup::spatial3D, "spatial3D", QT_TRANSLATE_NOOP("Catalog", "3D Printing & Spatial"), "cube"},
    {CategoryGroup::geolocation, "geolocation", QT_TRANSLATE_NOOP("Catalog", "Maps & Navigation"), "map"},
    {CategoryGroup::communication, "communication", QT_TRANSLATE_NOOP("Catalog", "Communication Links"), "link"},
    {CategoryGroup::gamingEmu, "gamingEmu", QT_TRANSLATE_NOOP("Catalog", "Gaming & Emulation"), "gamecontroller"},
    {CategoryGroup::security, "security", QT_TRANSLATE_NOOP("Catalog", "Security & Privacy"), "lock.shield"},
    {CategoryGroup::custom, "custom", QT_TRANSLATE_NOOP("Catalog", "My File Types"), "star"},
};

const GroupRow& groupRow(CategoryGroup g)
{
    return kGroups[static_cast<int>(g)];
}

struct Row
{
    const char* id;
    const char* title;
    const char* summary;
    CategoryGroup group;
    Target::Kind kind;
    const char* payload;
};

using G = CategoryGroup;
constexpr auto E = Target::Kind::FileExtension;
constexpr auto S = Target::Kind::Scheme;
constexpr auto T = Target::Kind::MimeType;
constexpr auto R = Target::Kind::Role;

constexpr Row kRows[] = {
    {"browser", QT_TRANSLATE_NOOP("Catalog", "Web Browser"),
     QT_TRANSLATE_NOOP("Catalog", "Opens web links, plus https:, .html and .htm"), G::systemRole, S, "http"},
    {"email", QT_TRANSLATE_NOOP("Catalog", "Email"),
     QT_TRANSLATE_NOOP("Catalog", "Composes new emails from mailto: links"), G::systemRole, S, "mailto"},
    // Linux: programs that run in a terminal (Terminal=true) open in the desktop's terminal,
    // which each desktop keeps in a setting of its own.
    {"terminal", QT_TRANSLATE_NOOP("Catalog", "Terminal"),
     QT_TRANSLATE_NOOP("Catalog", "Runs programs that need a terminal"), G::systemRole, R, "terminal"},
    {"phone", QT_TRANSLATE_NOOP("Catalog", "Phone Calls"),
     QT_TRANSLATE_NOOP("Catalog", "Handles tel: links for calling"), G::systemRole, S, "tel"},
    {"sms", QT_TRANSLATE_NOOP("Catalog", "SMS & Messages"),
     QT_TRANSLATE_NOOP("Catalog", "Handles sms: links for text messages"), G::systemRole, S, "sms"},
    // Linux: no application handles facetime:, so the row would always need attention; which
    // application opens folders is a system role that other programs often take over.
    {"file_manager", QT_TRANSLATE_NOOP("Catalog", "File Manager"), QT_TRANSLATE_NOOP("Catalog", "Opens folders"),
     G::systemRole, T, "inode/directory"},
    {"calendar", QT_TRANSLATE_NOOP("Catalog", "Calendar Subscriptions"),
     QT_TRANSLATE_NOOP("Catalog", "Subscribes to webcal: calendar feeds"), G::systemRole, S, "webcal"},
    {"pdf", QT_TRANSLATE_NOOP("Catalog", "PDF Documents (.pdf)"),
     QT_TRANSLATE_NOOP("Catalog", "Viewer/Editor for PDF document files"), G::document, E, "pdf"},
    {"docx", QT_TRANSLATE_NOOP("Catalog", "Word Documents (.docx)"),
     QT_TRANSLATE_NOOP("Catalog", "Viewer/Editor for Microsoft Word files"), G::document, E, "docx"},
    {"doc", QT_TRANSLATE_NOOP("Catalog", "Legacy Word Docs (.doc)"),
     QT_TRANSLATE_NOOP("Catalog", "Viewer for classic Word .doc files"), G::document, E, "doc"},
    {"xlsx", QT_TRANSLATE_NOOP("Catalog", "Excel Spreadsheets (.xlsx)"),
     QT_TRANSLATE_NOOP("Catalog", "Viewer/Editor for Excel spreadsheets"), G::document, E, "xlsx"},
    {"csv", QT_TRANSLATE_NOOP("Catalog", "CSV Data Files (.csv)"),
     QT_TRANSLATE_NOOP("Catalog", "Data viewer for comma-separated files"), G::document, E, "csv"},
    {"pptx", QT_TRANSLATE_NOOP("Catalog", "PowerPoint Slides (.pptx)"),
     QT_TRANSLATE_NOOP("Catalog", "Viewer for slide presentations"), G::document, E, "pptx"},
    {"txt", QT_TRANSLATE_NOOP("Catalog", "Text Files (.txt)"),
     QT_TRANSLATE_NOOP("Catalog", "Plain text editor or viewer"), G::document, E, "txt"},
    {"rtf", QT_TRANSLATE_NOOP("Catalog", "Rich Text Format (.rtf)"),
     QT_TRANSLATE_NOOP("Catalog", "Rich text document editor"), G::document, E, "rtf"},
    {"prompt_files", QT_TRANSLATE_NOOP("Catalog", "AI Prompt Configs (.prompt)"),
     QT_TRANSLATE_NOOP("Catalog", "Editor for system prompts & LLM configs"), G::aiProductivity, E, "prompt"},
    {"jsonl_vector", QT_TRANSLATE_NOOP("Catalog", "Vector DB Exports (.jsonl)"),
     QT_TRANSLATE_NOOP("Catalog", "Viewer for JSON Lines dataset dumps"), G::aiProductivity, E, "jsonl"},
    {"subtitles_srt", QT_TRANSLATE_NOOP("Catalog", "Subtitles & Transcripts (.srt)"),
     QT_TRANSLATE_NOOP("Catalog", "Viewer for speech transcripts"), G::aiProductivity, E, "srt"},
    {"json", QT_TRANSLATE_NOOP("Catalog", "JSON Data (.json)"),
     QT_TRANSLATE_NOOP("Catalog", "Viewer/Editor for JSON configuration & data files"), G::codeDev, E, "json"},
    {"markdown", QT_TRANSLATE_NOOP("Catalog", "Markdown Files (.md)"),
     QT_TRANSLATE_NOOP("Catalog", "Viewer for formatted Markdown docs"), G::codeDev, E, "md"},
    {"python", QT_TRANSLATE_NOOP("Catalog", "Python Scripts (.py)"),
     QT_TRANSLATE_NOOP("Catalog", "Editor for Python source files"), G::codeDev, E, "py"},
    {"swift", QT_TRANSLATE_NOOP("Catalog", "Swift Code (.swift)"),
     QT_TRANSLATE_NOOP("Catalog", "Editor for Swift source files"), G::codeDev, E, "swift"},
    {"javascript", QT_TRANSLATE_NOOP("Catalog", "JavaScript (.js)"),
     QT_TRANSLATE_NOOP("Catalog", "Editor for JavaScript source files"), G::codeDev, E, "js"},
    {"typescript", QT_TRANSLATE_NOOP("Catalog", "TypeScript (.ts)"),
     QT_TRANSLATE_NOOP("Catalog", "Editor for TypeScript source files"), G::codeDev, E, "ts"},
    {"yaml", QT_TRANSLATE_NOOP("Catalog", "YAML Configurations (.yaml)"),
     QT_TRANSLATE_NOOP("Catalog", "Editor for YAML deployment files"), G::codeDev, E, "yaml"},
    {"xml", QT_TRANSLATE_NOOP("Catalog", "XML Files (.xml)"),
     QT_TRANSLATE_NOOP("Catalog", "Viewer/Editor for XML documents"), G::codeDev, E, "xml"},
    {"sql", QT_TRANSLATE_NOOP("Catalog", "SQL Database Scripts (.sql)"),
     QT_TRANSLATE_NOOP("Catalog", "Viewer for database export scripts"), G::codeDev, E, "sql"},
    {"kotlin", QT_TRANSLATE_NOOP("Catalog", "Kotlin Code (.kt)"),
     QT_TRANSLATE_NOOP("Catalog", "Editor for Kotlin source code"), G::codeDev, E, "kt"},
    {"shell", QT_TRANSLATE_NOOP("Catalog", "Shell Scripts (.sh)"),
     QT_TRANSLATE_NOOP("Catalog", "Editor for shell scripts"), G::codeDev, E, "sh"},
    {"log", QT_TRANSLATE_NOOP("Catalog", "Log Files (.log)"),
     QT_TRANSLATE_NOOP("Catalog", "Viewer for application and system logs"), G::codeDev, E, "log"},
    {"ssh", QT_TRANSLATE_NOOP("Catalog", "SSH Links (ssh:)"),
     QT_TRANSLATE_NOOP("Catalog", "Terminal app for ssh: connections"), G::codeDev, S, "ssh"},
    {"svg", QT_TRANSLATE_NOOP("Catalog", "Vector Graphics (.svg)"),
     QT_TRANSLATE_NOOP("Catalog", "Viewer for scalable vector graphics"), G::designCreative, E, "svg"},
    {"psd", QT_TRANSLATE_NOOP("Catalog", "Photoshop Files (.psd)"),
     QT_TRANSLATE_NOOP("Catalog", "Viewer for Adobe Photoshop documents"), G::designCreative, E, "psd"},
    {"raw_photo", QT_TRANSLATE_NOOP("Catalog", "RAW Camera Photos (.dng)"),
     QT_TRANSLATE_NOOP("Catalog", "Viewer for raw digital camera photos"), G::designCreative, E, "dng"},
    {"fonts_ttf", QT_TRANSLATE_NOOP("Catalog", "TrueType Fonts (.ttf)"),
     QT_TRANSLATE_NOOP("Catalog", "Font installer/previewer"), G::designCreative, E, "ttf"},
    {"epub", QT_TRANSLATE_NOOP("Catalog", "EPUB E-Books (.epub)"),
     QT_TRANSLATE_NOOP("Catalog", "Reader for EPUB digital books"), G::ebook, E, "epub"},
    {"mobi", QT_TRANSLATE_NOOP("Catalog", "Kindle E-Books (.mobi)"),
     QT_TRANSLATE_NOOP("Catalog", "Reader for MOBI digital books"), G::ebook, E, "mobi"},
    {"cbz", QT_TRANSLATE_NOOP("Catalog", "Comic Archives (.cbz)"),
     QT_TRANSLATE_NOOP("Catalog", "Reader for comic book archives"), G::ebook, E, "cbz"},
    {"video", QT_TRANSLATE_NOOP("Catalog", "MP4 Video (.mp4)"),
     QT_TRANSLATE_NOOP("Catalog", "Player for MP4 movies & video clips"), G::media, E, "mp4"},
    {"mkv", QT_TRANSLATE_NOOP("Catalog", "MKV Video (.mkv)"),
     QT_TRANSLATE_NOOP("Catalog", "Player for high-definition MKV videos"), G::media, E, "mkv"},
    {"mov", QT_TRANSLATE_NOOP("Catalog", "QuickTime Movies (.mov)"),
     QT_TRANSLATE_NOOP("Catalog", "Player for QuickTime movies"), G::media, E, "mov"},
    {"audio", QT_TRANSLATE_NOOP("Catalog", "MP3 Audio (.mp3)"),
     QT_TRANSLATE_NOOP("Catalog", "Player for MP3 audio tracks"), G::media, E, "mp3"},
    {"flac", QT_TRANSLATE_NOOP("Catalog", "Lossless Audio (.flac)"),
     QT_TRANSLATE_NOOP("Catalog", "Player for high-fidelity FLAC audio"), G::media, E, "flac"},
    {"image", QT_TRANSLATE_NOOP("Catalog", "JPEG Photos (.jpg)"),
     QT_TRANSLATE_NOOP("Catalog", "Viewer for digital photos"), G::media, E, "jpg"},
    {"png", QT_TRANSLATE_NOOP("Catalog", "PNG Images (.png)"),
     QT_TRANSLATE_NOOP("Catalog", "Viewer for transparent PNG images"), G::media, E, "png"},
    {"webp", QT_TRANSLATE_NOOP("Catalog", "WebP Media (.webp)"),
     QT_TRANSLATE_NOOP("Catalog", "Viewer for modern WebP graphics"), G::media, E, "webp"},
    {"heic", QT_TRANSLATE_NOOP("Catalog", "HEIC Photos (.heic)"),
     QT_TRANSLATE_NOOP("Catalog", "Viewer for high-efficiency photos"), G::media, E, "heic"},
    {"zip", QT_TRANSLATE_NOOP("Catalog", "ZIP Archives (.zip)"),
     QT_TRANSLATE_NOOP("Catalog", "Extractor for compressed ZIP archives"), G::archive, E, "zip"},
    {"rar", QT_TRANSLATE_NOOP("Catalog", "RAR Archives (.rar)"),
     QT_TRANSLATE_NOOP("Catalog", "Extractor for RAR compressed archives"), G::archive, E, "rar"},
    {"seven_zip", QT_TRANSLATE_NOOP("Catalog", "7-Zip Archives (.7z)"),
     QT_TRANSLATE_NOOP("Catalog", "Extractor for 7z archives"), G::archive, E, "7z"},
    {"dmg", QT_TRANSLATE_NOOP("Catalog", "Disk Images (.dmg)"),
     QT_TRANSLATE_NOOP("Catalog", "Mounter for macOS disk images"), G::archive, E, "dmg"},
    {"torrent", QT_TRANSLATE_NOOP("Catalog", "Torrent Files (.torrent)"),
     QT_TRANSLATE_NOOP("Catalog", "Downloader for P2P torrent files"), G::archive, E, "torrent"},
    {"stl", QT_TRANSLATE_NOOP("Catalog", "3D Printing Models (.stl)"),
     QT_TRANSLATE_NOOP("Catalog", "Viewer for 3D printer STL files"), G::spatial3D, E, "stl"},
    {"obj", QT_TRANSLATE_NOOP("Catalog", "3D CAD Models (.obj)"),
     QT_TRANSLATE_NOOP("Catalog", "Viewer for 3D object geometry"), G::spatial3D, E, "obj"},
    {"gltf", QT_TRANSLATE_NOOP("Catalog", "3D GLTF Scenes (.gltf)"),
     QT_TRANSLATE_NOOP("Catalog", "Viewer for 3D GLTF asset scenes"), G::spatial3D, E, "gltf"},
    {"usdz", QT_TRANSLATE_NOOP("Catalog", "USDZ Scenes (.usdz)"),
     QT_TRANSLATE_NOOP("Catalog", "Viewer for Apple USDZ 3D scenes"), G::spatial3D, E, "usdz"},
    {"gpx", QT_TRANSLATE_NOOP("Catalog", "GPS Track Logs (.gpx)"),
     QT_TRANSLATE_NOOP("Catalog", "Viewer for GPX trails and routes"), G::geolocation, E, "gpx"},
    {"kml", QT_TRANSLATE_NOOP("Catalog", "Google Earth Places (.kml)"),
     QT_TRANSLATE_NOOP("Catalog", "Viewer for KML placemarks"), G::geolocation, E, "kml"},
    {"telegram", QT_TRANSLATE_NOOP("Catalog", "Telegram Links (tg:)"),
     QT_TRANSLATE_NOOP("Catalog", "Messenger app for Telegram links"), G::communication, S, "tg"},
    {"zoom", QT_TRANSLATE_NOOP("Catalog", "Zoom Meetings (zoommtg:)"),
     QT_TRANSLATE_NOOP("Catalog", "Client for Zoom meeting links"), G::communication, S, "zoommtg"},
    {"slack", QT_TRANSLATE_NOOP("Catalog", "Slack Links (slack:)"),
     QT_TRANSLATE_NOOP("Catalog", "Client for Slack deep links"), G::communication, S, "slack"},
    {"iso_game", QT_TRANSLATE_NOOP("Catalog", "Disk Images (.iso)"),
     QT_TRANSLATE_NOOP("Catalog", "Emulation launcher for console ISOs"), G::gamingEmu, E, "iso"},
    {"rom_gba", QT_TRANSLATE_NOOP("Catalog", "GBA ROMs (.gba)"),
     QT_TRANSLATE_NOOP("Catalog", "Emulator for GameBoy Advance ROMs"), G::gamingEmu, E, "gba"},
    {"gpg_keys", QT_TRANSLATE_NOOP("Catalog", "OpenPGP Encryption (.gpg)"),
     QT_TRANSLATE_NOOP("Catalog", "Security app for PGP/GPG files"), G::security, E, "gpg"},
    {"ovpn_config", QT_TRANSLATE_NOOP("Catalog", "OpenVPN Profiles (.ovpn)"),
     QT_TRANSLATE_NOOP("Catalog", "VPN client for OpenVPN configurations"), G::security, E, "ovpn"},
};

} // namespace

namespace CategoryGroups {

const QList<CategoryGroup>& allCases()
{
    static const QList<CategoryGroup> cases = [] {
        QList<CategoryGroup> list;
        for (const GroupRow& r : kGroups)
            list.append(r.group);
        return list;
    }();
    return cases;
}

QString rawValue(CategoryGroup group)
{
    return QString::fromLatin1(groupRow(group).raw);
}

QString title(CategoryGroup group)
{
    return QCoreApplication::translate("Catalog", groupRow(group).title);
}

QString symbol(CategoryGroup group)
{
    return QString::fromLatin1(groupRow(group).symbol);
}

} // namespace CategoryGroups

FileCategory FileCategory::custom(const Target& target)
{
    return {QStringLiteral("custom:") + target.id(), target.description(),
            QCoreApplication::translate("Catalog", "Added by you"), CategoryGroup::custom, target};
}

void FileCategory::write(JsonWriter& out) const
{
    using namespace Qt::Literals::StringLiterals;
    out.beginObject();
    out.member("group"_L1, CategoryGroups::rawValue(group));
    out.member("id"_L1, id);
    out.member("summary"_L1, summary);
    out.key("target"_L1);
    target.write(out);
    out.member("title"_L1, title);
    out.endObject();
}

namespace Catalog {

const QList<FileCategory>& all()
{
    static const QList<FileCategory> rows = [] {
        QList<FileCategory> list;
        list.reserve(std::size(kRows));
        for (const Row& r : kRows) {
            const QString payload = QString::fromLatin1(r.payload);
            const Target target = r.kind == S ? Target::scheme(payload)
                : r.kind == T                 ? Target::mimeType(payload)
                : r.kind == R                 ? Target::role(payload)
                                              : Target::fileExtension(payload);
            list.append({QString::fromLatin1(r.id), QCoreApplication::translate("Catalog", r.title),
                         QCoreApplication::translate("Catalog", r.summary), r.group, target});
        }
        return list;
    }();
    return rows;
}

std::optional<FileCategory> category(const QString& id)
{
    for (const FileCategory& c : all()) {
        if (c.id == id)
            return c;
    }
    return std::nullopt;
}

} // namespace Catalog

} // namespace openwright
