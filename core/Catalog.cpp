// SPDX-License-Identifier: GPL-3.0-or-later
#include "Catalog.h"

#include "Json.h"

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
    {CategoryGroup::systemRole, "systemRole", "System Roles", "gearshape.2"},
    {CategoryGroup::document, "document", "Documents & Office", "doc.text"},
    {CategoryGroup::aiProductivity, "aiProductivity", "AI & Productivity", "sparkles"},
    {CategoryGroup::codeDev, "codeDev", "Code & Developer", "chevron.left.forwardslash.chevron.right"},
    {CategoryGroup::designCreative, "designCreative", "Design & Graphics", "paintpalette"},
    {CategoryGroup::ebook, "ebook", "E-Books & Publishing", "book"},
    {CategoryGroup::media, "media", "Media & Creative", "play.rectangle"},
    {CategoryGroup::archive, "archive", "Archives & Packages", "archivebox"},
    {CategoryGroup::spatial3D, "spatial3D", "3D Printing & Spatial", "cube"},
    {CategoryGroup::geolocation, "geolocation", "Maps & Navigation", "map"},
    {CategoryGroup::communication, "communication", "Communication Links", "link"},
    {CategoryGroup::gamingEmu, "gamingEmu", "Gaming & Emulation", "gamecontroller"},
    {CategoryGroup::security, "security", "Security & Privacy", "lock.shield"},
    {CategoryGroup::custom, "custom", "My File Types", "star"},
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

constexpr Row kRows[] = {
    {"browser", "Web Browser", "Opens web links, plus https:, .html and .htm", G::systemRole, S, "http"},
    {"email", "Email", "Composes new emails from mailto: links", G::systemRole, S, "mailto"},
    {"phone", "Phone Calls", "Handles tel: links for calling", G::systemRole, S, "tel"},
    {"sms", "SMS & Messages", "Handles sms: links for text messages", G::systemRole, S, "sms"},
    // Linux: no application handles facetime:, so the row would always need attention; which
    // application opens folders is a system role that other programs often take over.
    {"file_manager", "File Manager", "Opens folders", G::systemRole, T, "inode/directory"},
    {"calendar", "Calendar Subscriptions", "Subscribes to webcal: calendar feeds", G::systemRole, S, "webcal"},
    {"pdf", "PDF Documents (.pdf)", "Viewer/Editor for PDF document files", G::document, E, "pdf"},
    {"docx", "Word Documents (.docx)", "Viewer/Editor for Microsoft Word files", G::document, E, "docx"},
    {"doc", "Legacy Word Docs (.doc)", "Viewer for classic Word .doc files", G::document, E, "doc"},
    {"xlsx", "Excel Spreadsheets (.xlsx)", "Viewer/Editor for Excel spreadsheets", G::document, E, "xlsx"},
    {"csv", "CSV Data Files (.csv)", "Data viewer for comma-separated files", G::document, E, "csv"},
    {"pptx", "PowerPoint Slides (.pptx)", "Viewer for slide presentations", G::document, E, "pptx"},
    {"txt", "Text Files (.txt)", "Plain text editor or viewer", G::document, E, "txt"},
    {"rtf", "Rich Text Format (.rtf)", "Rich text document editor", G::document, E, "rtf"},
    {"prompt_files", "AI Prompt Configs (.prompt)", "Editor for system prompts & LLM configs", G::aiProductivity, E,
     "prompt"},
    {"jsonl_vector", "Vector DB Exports (.jsonl)", "Viewer for JSON Lines dataset dumps", G::aiProductivity, E,
     "jsonl"},
    {"subtitles_srt", "Subtitles & Transcripts (.srt)", "Viewer for speech transcripts", G::aiProductivity, E, "srt"},
    {"json", "JSON Data (.json)", "Viewer/Editor for JSON configuration & data files", G::codeDev, E, "json"},
    {"markdown", "Markdown Files (.md)", "Viewer for formatted Markdown docs", G::codeDev, E, "md"},
    {"python", "Python Scripts (.py)", "Editor for Python source files", G::codeDev, E, "py"},
    {"swift", "Swift Code (.swift)", "Editor for Swift source files", G::codeDev, E, "swift"},
    {"javascript", "JavaScript (.js)", "Editor for JavaScript source files", G::codeDev, E, "js"},
    {"typescript", "TypeScript (.ts)", "Editor for TypeScript source files", G::codeDev, E, "ts"},
    {"yaml", "YAML Configurations (.yaml)", "Editor for YAML deployment files", G::codeDev, E, "yaml"},
    {"xml", "XML Files (.xml)", "Viewer/Editor for XML documents", G::codeDev, E, "xml"},
    {"sql", "SQL Database Scripts (.sql)", "Viewer for database export scripts", G::codeDev, E, "sql"},
    {"kotlin", "Kotlin Code (.kt)", "Editor for Kotlin source code", G::codeDev, E, "kt"},
    {"shell", "Shell Scripts (.sh)", "Editor for shell scripts", G::codeDev, E, "sh"},
    {"log", "Log Files (.log)", "Viewer for application and system logs", G::codeDev, E, "log"},
    {"ssh", "SSH Links (ssh:)", "Terminal app for ssh: connections", G::codeDev, S, "ssh"},
    {"svg", "Vector Graphics (.svg)", "Viewer for scalable vector graphics", G::designCreative, E, "svg"},
    {"psd", "Photoshop Files (.psd)", "Viewer for Adobe Photoshop documents", G::designCreative, E, "psd"},
    {"raw_photo", "RAW Camera Photos (.dng)", "Viewer for raw digital camera photos", G::designCreative, E, "dng"},
    {"fonts_ttf", "TrueType Fonts (.ttf)", "Font installer/previewer", G::designCreative, E, "ttf"},
    {"epub", "EPUB E-Books (.epub)", "Reader for EPUB digital books", G::ebook, E, "epub"},
    {"mobi", "Kindle E-Books (.mobi)", "Reader for MOBI digital books", G::ebook, E, "mobi"},
    {"cbz", "Comic Archives (.cbz)", "Reader for comic book archives", G::ebook, E, "cbz"},
    {"video", "MP4 Video (.mp4)", "Player for MP4 movies & video clips", G::media, E, "mp4"},
    {"mkv", "MKV Video (.mkv)", "Player for high-definition MKV videos", G::media, E, "mkv"},
    {"mov", "QuickTime Movies (.mov)", "Player for QuickTime movies", G::media, E, "mov"},
    {"audio", "MP3 Audio (.mp3)", "Player for MP3 audio tracks", G::media, E, "mp3"},
    {"flac", "Lossless Audio (.flac)", "Player for high-fidelity FLAC audio", G::media, E, "flac"},
    {"image", "JPEG Photos (.jpg)", "Viewer for digital photos", G::media, E, "jpg"},
    {"png", "PNG Images (.png)", "Viewer for transparent PNG images", G::media, E, "png"},
    {"webp", "WebP Media (.webp)", "Viewer for modern WebP graphics", G::media, E, "webp"},
    {"heic", "HEIC Photos (.heic)", "Viewer for high-efficiency photos", G::media, E, "heic"},
    {"zip", "ZIP Archives (.zip)", "Extractor for compressed ZIP archives", G::archive, E, "zip"},
    {"rar", "RAR Archives (.rar)", "Extractor for RAR compressed archives", G::archive, E, "rar"},
    {"seven_zip", "7-Zip Archives (.7z)", "Extractor for 7z archives", G::archive, E, "7z"},
    {"dmg", "Disk Images (.dmg)", "Mounter for macOS disk images", G::archive, E, "dmg"},
    {"torrent", "Torrent Files (.torrent)", "Downloader for P2P torrent files", G::archive, E, "torrent"},
    {"stl", "3D Printing Models (.stl)", "Viewer for 3D printer STL files", G::spatial3D, E, "stl"},
    {"obj", "3D CAD Models (.obj)", "Viewer for 3D object geometry", G::spatial3D, E, "obj"},
    {"gltf", "3D GLTF Scenes (.gltf)", "Viewer for 3D GLTF asset scenes", G::spatial3D, E, "gltf"},
    {"usdz", "USDZ Scenes (.usdz)", "Viewer for Apple USDZ 3D scenes", G::spatial3D, E, "usdz"},
    {"gpx", "GPS Track Logs (.gpx)", "Viewer for GPX trails and routes", G::geolocation, E, "gpx"},
    {"kml", "Google Earth Places (.kml)", "Viewer for KML placemarks", G::geolocation, E, "kml"},
    {"telegram", "Telegram Links (tg:)", "Messenger app for Telegram links", G::communication, S, "tg"},
    {"zoom", "Zoom Meetings (zoommtg:)", "Client for Zoom meeting links", G::communication, S, "zoommtg"},
    {"slack", "Slack Links (slack:)", "Client for Slack deep links", G::communication, S, "slack"},
    {"iso_game", "Disk Images (.iso)", "Emulation launcher for console ISOs", G::gamingEmu, E, "iso"},
    {"rom_gba", "GBA ROMs (.gba)", "Emulator for GameBoy Advance ROMs", G::gamingEmu, E, "gba"},
    {"gpg_keys", "OpenPGP Encryption (.gpg)", "Security app for PGP/GPG files", G::security, E, "gpg"},
    {"ovpn_config", "OpenVPN Profiles (.ovpn)", "VPN client for OpenVPN configurations", G::security, E, "ovpn"},
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
    return QString::fromUtf8(groupRow(group).title);
}

QString symbol(CategoryGroup group)
{
    return QString::fromLatin1(groupRow(group).symbol);
}

} // namespace CategoryGroups

FileCategory FileCategory::custom(const Target& target)
{
    return {QStringLiteral("custom:") + target.id(), target.description(), QStringLiteral("Added by you"),
            CategoryGroup::custom, target};
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
                                              : Target::fileExtension(payload);
            list.append(
                {QString::fromLatin1(r.id), QString::fromUtf8(r.title), QString::fromUtf8(r.summary), r.group, target});
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
