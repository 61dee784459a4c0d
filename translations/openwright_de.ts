<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>AppModel</name>
    <message numerus="yes">
        <source>%n defaults</source>
        <translation>
            <numerusform>%n Standardanwendung</numerusform>
            <numerusform>%n Standardanwendungen</numerusform>
        </translation>
    </message>
    <message>
        <source>Importing these profiles would make your profiles file larger than Openwright can read back (%1 MB). Nothing was imported; delete some backups or profiles first.</source>
        <translation>Wenn diese Profile importiert würden, wäre Ihre Profildatei größer, als Openwright zurücklesen kann (%1 MB). Es wurde nichts importiert; löschen Sie zuerst einige Sicherungen oder Profile.</translation>
    </message>
    <message>
        <source>Already there, not imported again: %1.</source>
        <translation>Bereits vorhanden, nicht erneut importiert: %1.</translation>
    </message>
</context>
<context>
    <name>ApplicationIndex</name>
    <message>
        <source>Use %1 for All %2</source>
        <translation>%1 für alle %2 verwenden</translation>
    </message>
    <message>
        <source>Use %1 for All Its Types</source>
        <translation>%1 für alle seine Typen verwenden</translation>
    </message>
    <message numerus="yes">
        <source>%1 declares %n type(s) in %2.</source>
        <translation>
            <numerusform>%1 gibt %n Typ unter %2 an.</numerusform>
            <numerusform>%1 gibt %n Typen unter %2 an.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 declares %n type(s).</source>
        <translation>
            <numerusform>%1 gibt %n Typ an.</numerusform>
            <numerusform>%1 gibt %n Typen an.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>Applications</name>
    <message>
        <source>That file is not UTF-8 text, as a desktop entry must be.</source>
        <translation>Diese Datei ist kein UTF-8-Text, wie es ein Desktop-Eintrag sein muss.</translation>
    </message>
    <message>
        <source>That file is not a desktop entry.</source>
        <translation>Diese Datei ist kein Desktop-Eintrag.</translation>
    </message>
    <message>
        <source>That file is not a desktop entry: it has no [Desktop Entry] group.</source>
        <translation>Diese Datei ist kein Desktop-Eintrag: Ihr fehlt die Gruppe [Desktop Entry].</translation>
    </message>
    <message>
        <source>That entry is not an application: its Type is %1.</source>
        <translation>Dieser Eintrag ist keine Anwendung: Sein Type ist %1.</translation>
    </message>
    <message>
        <source>That entry is not an application: it has no Type.</source>
        <translation>Dieser Eintrag ist keine Anwendung: Er hat keinen Type.</translation>
    </message>
    <message>
        <source>That entry does not say which program to run: it has no Exec line.</source>
        <translation>Dieser Eintrag sagt nicht, welches Programm er startet: Ihm fehlt die Exec-Zeile.</translation>
    </message>
    <message>
        <source>The program that entry runs is not installed.</source>
        <translation>Das Programm, das dieser Eintrag startet, ist nicht installiert.</translation>
    </message>
    <message>
        <source>The system does not list the added application yet.</source>
        <translation>Das System führt die hinzugefügte Anwendung noch nicht auf.</translation>
    </message>
    <message>
        <source>That application is not installed where the system finds it</source>
        <translation>Diese Anwendung ist nicht dort installiert, wo das System sie findet</translation>
    </message>
    <message>
        <source>Your mimeapps.list could not be read, so it was kept as %1</source>
        <translation>Ihre mimeapps.list konnte nicht gelesen werden und wurde daher als %1 aufbewahrt</translation>
    </message>
    <message>
        <source>Your mimeapps.list could not be read or kept aside, so nothing was changed</source>
        <translation>Ihre mimeapps.list konnte weder gelesen noch beiseitegelegt werden, daher wurde nichts geändert</translation>
    </message>
    <message>
        <source>%1 is read-only, as a configuration tool leaves it, so nothing was changed. Change it where your configuration is kept.</source>
        <translation>%1 ist schreibgeschützt, wie ein Konfigurationswerkzeug sie hinterlässt, daher wurde nichts geändert. Ändern Sie sie dort, wo Ihre Konfiguration verwaltet wird.</translation>
    </message>
    <message>
        <source>%1: links</source>
        <translation>%1:-Links</translation>
    </message>
    <message>
        <source>The terminal has one choice, not an order: set it instead.</source>
        <translation>Für das Terminal gibt es eine Wahl, keine Reihenfolge: Legen Sie es stattdessen fest.</translation>
    </message>
    <message>
        <source>The system still offers %1: a list of the desktop or the administrator names it, and the system reads removals only in mimeapps.list.</source>
        <translation>Das System bietet %1 weiterhin an: Eine Liste der Arbeitsumgebung oder der Administration nennt es, und das System liest Entfernungen nur in mimeapps.list.</translation>
    </message>
    <message>
        <source>The system does not offer them in this order yet.</source>
        <translation>Das System bietet sie noch nicht in dieser Reihenfolge an.</translation>
    </message>
</context>
<context>
    <name>BackupReason</name>
    <message>
        <source>Saved by you</source>
        <translation>Von Ihnen gesichert</translation>
    </message>
    <message>
        <source>Daily backup</source>
        <translation>Tägliche Sicherung</translation>
    </message>
    <message>
        <source>Before applying “%1”</source>
        <translation>Vor dem Anwenden von „%1“</translation>
    </message>
    <message>
        <source>Before restoring “%1”</source>
        <translation>Vor dem Wiederherstellen von „%1“</translation>
    </message>
    <message>
        <source>Before reverting %1</source>
        <translation>Vor dem Zurücksetzen von %1</translation>
    </message>
</context>
<context>
    <name>Catalog</name>
    <message>
        <source>System Roles</source>
        <translation>Systemrollen</translation>
    </message>
    <message>
        <source>Documents &amp; Office</source>
        <translation>Dokumente &amp; Büro</translation>
    </message>
    <message>
        <source>AI &amp; Productivity</source>
        <translation>KI &amp; Produktivität</translation>
    </message>
    <message>
        <source>Code &amp; Developer</source>
        <translation>Code &amp; Entwicklung</translation>
    </message>
    <message>
        <source>Design &amp; Graphics</source>
        <translation>Design &amp; Grafik</translation>
    </message>
    <message>
        <source>E-Books &amp; Publishing</source>
        <translation>E-Books &amp; Publizieren</translation>
    </message>
    <message>
        <source>Media &amp; Creative</source>
        <translation>Medien &amp; Kreatives</translation>
    </message>
    <message>
        <source>Archives &amp; Packages</source>
        <translation>Archive &amp; Pakete</translation>
    </message>
    <message>
        <source>3D Printing &amp; Spatial</source>
        <translation>3D-Druck &amp; Räumliches</translation>
    </message>
    <message>
        <source>Maps &amp; Navigation</source>
        <translation>Karten &amp; Navigation</translation>
    </message>
    <message>
        <source>Communication Links</source>
        <translation>Kommunikationslinks</translation>
    </message>
    <message>
        <source>Gaming &amp; Emulation</source>
        <translation>Spiele &amp; Emulation</translation>
    </message>
    <message>
        <source>Security &amp; Privacy</source>
        <translation>Sicherheit &amp; Datenschutz</translation>
    </message>
    <message>
        <source>My File Types</source>
        <translation>Meine Dateitypen</translation>
    </message>
    <message>
        <source>Web Browser</source>
        <translation>Webbrowser</translation>
    </message>
    <message>
        <source>Opens web links, plus https:, .html and .htm</source>
        <translation>Öffnet Weblinks, dazu https:, .html und .htm</translation>
    </message>
    <message>
        <source>Email</source>
        <translation>E-Mail</translation>
    </message>
    <message>
        <source>Composes new emails from mailto: links</source>
        <translation>Verfasst neue E-Mails aus mailto:-Links</translation>
    </message>
    <message>
        <source>Phone Calls</source>
        <translation>Telefonanrufe</translation>
    </message>
    <message>
        <source>Handles tel: links for calling</source>
        <translation>Verarbeitet tel:-Links zum Anrufen</translation>
    </message>
    <message>
        <source>SMS &amp; Messages</source>
        <translation>SMS &amp; Nachrichten</translation>
    </message>
    <message>
        <source>Handles sms: links for text messages</source>
        <translation>Verarbeitet sms:-Links für Textnachrichten</translation>
    </message>
    <message>
        <source>File Manager</source>
        <translation>Dateimanager</translation>
    </message>
    <message>
        <source>Opens folders</source>
        <translation>Öffnet Ordner</translation>
    </message>
    <message>
        <source>Calendar Subscriptions</source>
        <translation>Kalenderabonnements</translation>
    </message>
    <message>
        <source>Subscribes to webcal: calendar feeds</source>
        <translation>Abonniert webcal:-Kalenderfeeds</translation>
    </message>
    <message>
        <source>PDF Documents (.pdf)</source>
        <translation>PDF-Dokumente (.pdf)</translation>
    </message>
    <message>
        <source>Viewer/Editor for PDF document files</source>
        <translation>Betrachter/Editor für PDF-Dokumente</translation>
    </message>
    <message>
        <source>Word Documents (.docx)</source>
        <translation>Word-Dokumente (.docx)</translation>
    </message>
    <message>
        <source>Viewer/Editor for Microsoft Word files</source>
        <translation>Betrachter/Editor für Microsoft-Word-Dateien</translation>
    </message>
    <message>
        <source>Legacy Word Docs (.doc)</source>
        <translation>Ältere Word-Dokumente (.doc)</translation>
    </message>
    <message>
        <source>Viewer for classic Word .doc files</source>
        <translation>Betrachter für klassische Word-.doc-Dateien</translation>
    </message>
    <message>
        <source>Excel Spreadsheets (.xlsx)</source>
        <translation>Excel-Tabellen (.xlsx)</translation>
    </message>
    <message>
        <source>Viewer/Editor for Excel spreadsheets</source>
        <translation>Betrachter/Editor für Excel-Tabellen</translation>
    </message>
    <message>
        <source>CSV Data Files (.csv)</source>
        <translation>CSV-Dateien (.csv)</translation>
    </message>
    <message>
        <source>Data viewer for comma-separated files</source>
        <translation>Datenbetrachter für kommagetrennte Dateien</translation>
    </message>
    <message>
        <source>PowerPoint Slides (.pptx)</source>
        <translation>PowerPoint-Folien (.pptx)</translation>
    </message>
    <message>
        <source>Viewer for slide presentations</source>
        <translation>Betrachter für Präsentationen</translation>
    </message>
    <message>
        <source>Text Files (.txt)</source>
        <translation>Textdateien (.txt)</translation>
    </message>
    <message>
        <source>Plain text editor or viewer</source>
        <translation>Editor oder Betrachter für reinen Text</translation>
    </message>
    <message>
        <source>Rich Text Format (.rtf)</source>
        <translation>Rich Text Format (.rtf)</translation>
    </message>
    <message>
        <source>Rich text document editor</source>
        <translation>Editor für formatierte Textdokumente</translation>
    </message>
    <message>
        <source>AI Prompt Configs (.prompt)</source>
        <translation>KI-Prompt-Konfigurationen (.prompt)</translation>
    </message>
    <message>
        <source>Editor for system prompts &amp; LLM configs</source>
        <translation>Editor für Systemprompts &amp; LLM-Konfigurationen</translation>
    </message>
    <message>
        <source>Vector DB Exports (.jsonl)</source>
        <translation>Vektor-DB-Exporte (.jsonl)</translation>
    </message>
    <message>
        <source>Viewer for JSON Lines dataset dumps</source>
        <translation>Betrachter für JSON-Lines-Datensätze</translation>
    </message>
    <message>
        <source>Subtitles &amp; Transcripts (.srt)</source>
        <translation>Untertitel &amp; Transkripte (.srt)</translation>
    </message>
    <message>
        <source>Viewer for speech transcripts</source>
        <translation>Betrachter für Sprachtranskripte</translation>
    </message>
    <message>
        <source>JSON Data (.json)</source>
        <translation>JSON-Daten (.json)</translation>
    </message>
    <message>
        <source>Viewer/Editor for JSON configuration &amp; data files</source>
        <translation>Betrachter/Editor für JSON-Konfigurations- &amp; Datendateien</translation>
    </message>
    <message>
        <source>Markdown Files (.md)</source>
        <translation>Markdown-Dateien (.md)</translation>
    </message>
    <message>
        <source>Viewer for formatted Markdown docs</source>
        <translation>Betrachter für formatierte Markdown-Dokumente</translation>
    </message>
    <message>
        <source>Python Scripts (.py)</source>
        <translation>Python-Skripte (.py)</translation>
    </message>
    <message>
        <source>Editor for Python source files</source>
        <translation>Editor für Python-Quelltexte</translation>
    </message>
    <message>
        <source>Swift Code (.swift)</source>
        <translation>Swift-Code (.swift)</translation>
    </message>
    <message>
        <source>Editor for Swift source files</source>
        <translation>Editor für Swift-Quelltexte</translation>
    </message>
    <message>
        <source>JavaScript (.js)</source>
        <translation>JavaScript (.js)</translation>
    </message>
    <message>
        <source>Editor for JavaScript source files</source>
        <translation>Editor für JavaScript-Quelltexte</translation>
    </message>
    <message>
        <source>TypeScript (.ts)</source>
        <translation>TypeScript (.ts)</translation>
    </message>
    <message>
        <source>Editor for TypeScript source files</source>
        <translation>Editor für TypeScript-Quelltexte</translation>
    </message>
    <message>
        <source>YAML Configurations (.yaml)</source>
        <translation>YAML-Konfigurationen (.yaml)</translation>
    </message>
    <message>
        <source>Editor for YAML deployment files</source>
        <translation>Editor für YAML-Bereitstellungsdateien</translation>
    </message>
    <message>
        <source>XML Files (.xml)</source>
        <translation>XML-Dateien (.xml)</translation>
    </message>
    <message>
        <source>Viewer/Editor for XML documents</source>
        <translation>Betrachter/Editor für XML-Dokumente</translation>
    </message>
    <message>
        <source>SQL Database Scripts (.sql)</source>
        <translation>SQL-Datenbankskripte (.sql)</translation>
    </message>
    <message>
        <source>Viewer for database export scripts</source>
        <translation>Betrachter für Datenbank-Exportskripte</translation>
    </message>
    <message>
        <source>Kotlin Code (.kt)</source>
        <translation>Kotlin-Code (.kt)</translation>
    </message>
    <message>
        <source>Editor for Kotlin source code</source>
        <translation>Editor für Kotlin-Quelltexte</translation>
    </message>
    <message>
        <source>Shell Scripts (.sh)</source>
        <translation>Shell-Skripte (.sh)</translation>
    </message>
    <message>
        <source>Editor for shell scripts</source>
        <translation>Editor für Shell-Skripte</translation>
    </message>
    <message>
        <source>Log Files (.log)</source>
        <translation>Protokolldateien (.log)</translation>
    </message>
    <message>
        <source>Viewer for application and system logs</source>
        <translation>Betrachter für Anwendungs- und Systemprotokolle</translation>
    </message>
    <message>
        <source>SSH Links (ssh:)</source>
        <translation>SSH-Links (ssh:)</translation>
    </message>
    <message>
        <source>Terminal app for ssh: connections</source>
        <translation>Terminal für ssh:-Verbindungen</translation>
    </message>
    <message>
        <source>Vector Graphics (.svg)</source>
        <translation>Vektorgrafiken (.svg)</translation>
    </message>
    <message>
        <source>Viewer for scalable vector graphics</source>
        <translation>Betrachter für skalierbare Vektorgrafiken</translation>
    </message>
    <message>
        <source>Photoshop Files (.psd)</source>
        <translation>Photoshop-Dateien (.psd)</translation>
    </message>
    <message>
        <source>Viewer for Adobe Photoshop documents</source>
        <translation>Betrachter für Adobe-Photoshop-Dokumente</translation>
    </message>
    <message>
        <source>RAW Camera Photos (.dng)</source>
        <translation>RAW-Kamerafotos (.dng)</translation>
    </message>
    <message>
        <source>Viewer for raw digital camera photos</source>
        <translation>Betrachter für digitale Rohfotos</translation>
    </message>
    <message>
        <source>TrueType Fonts (.ttf)</source>
        <translation>TrueType-Schriften (.ttf)</translation>
    </message>
    <message>
        <source>Font installer/previewer</source>
        <translation>Schriften installieren/ansehen</translation>
    </message>
    <message>
        <source>EPUB E-Books (.epub)</source>
        <translation>EPUB-E-Books (.epub)</translation>
    </message>
    <message>
        <source>Reader for EPUB digital books</source>
        <translation>Reader für digitale EPUB-Bücher</translation>
    </message>
    <message>
        <source>Kindle E-Books (.mobi)</source>
        <translation>Kindle-E-Books (.mobi)</translation>
    </message>
    <message>
        <source>Reader for MOBI digital books</source>
        <translation>Reader für digitale MOBI-Bücher</translation>
    </message>
    <message>
        <source>Comic Archives (.cbz)</source>
        <translation>Comic-Archive (.cbz)</translation>
    </message>
    <message>
        <source>Reader for comic book archives</source>
        <translation>Reader für Comic-Archive</translation>
    </message>
    <message>
        <source>MP4 Video (.mp4)</source>
        <translation>MP4-Video (.mp4)</translation>
    </message>
    <message>
        <source>Player for MP4 movies &amp; video clips</source>
        <translation>Player für MP4-Filme &amp; Videoclips</translation>
    </message>
    <message>
        <source>MKV Video (.mkv)</source>
        <translation>MKV-Video (.mkv)</translation>
    </message>
    <message>
        <source>Player for high-definition MKV videos</source>
        <translation>Player für hochauflösende MKV-Videos</translation>
    </message>
    <message>
        <source>QuickTime Movies (.mov)</source>
        <translation>QuickTime-Filme (.mov)</translation>
    </message>
    <message>
        <source>Player for QuickTime movies</source>
        <translation>Player für QuickTime-Filme</translation>
    </message>
    <message>
        <source>MP3 Audio (.mp3)</source>
        <translation>MP3-Audio (.mp3)</translation>
    </message>
    <message>
        <source>Player for MP3 audio tracks</source>
        <translation>Player für MP3-Titel</translation>
    </message>
    <message>
        <source>Lossless Audio (.flac)</source>
        <translation>Verlustfreies Audio (.flac)</translation>
    </message>
    <message>
        <source>Player for high-fidelity FLAC audio</source>
        <translation>Player für hochwertiges FLAC-Audio</translation>
    </message>
    <message>
        <source>JPEG Photos (.jpg)</source>
        <translation>JPEG-Fotos (.jpg)</translation>
    </message>
    <message>
        <source>Viewer for digital photos</source>
        <translation>Betrachter für Digitalfotos</translation>
    </message>
    <message>
        <source>PNG Images (.png)</source>
        <translation>PNG-Bilder (.png)</translation>
    </message>
    <message>
        <source>Viewer for transparent PNG images</source>
        <translation>Betrachter für transparente PNG-Bilder</translation>
    </message>
    <message>
        <source>WebP Media (.webp)</source>
        <translation>WebP-Medien (.webp)</translation>
    </message>
    <message>
        <source>Viewer for modern WebP graphics</source>
        <translation>Betrachter für moderne WebP-Grafiken</translation>
    </message>
    <message>
        <source>HEIC Photos (.heic)</source>
        <translation>HEIC-Fotos (.heic)</translation>
    </message>
    <message>
        <source>Viewer for high-efficiency photos</source>
        <translation>Betrachter für hocheffiziente Fotos</translation>
    </message>
    <message>
        <source>ZIP Archives (.zip)</source>
        <translation>ZIP-Archive (.zip)</translation>
    </message>
    <message>
        <source>Extractor for compressed ZIP archives</source>
        <translation>Entpacker für komprimierte ZIP-Archive</translation>
    </message>
    <message>
        <source>RAR Archives (.rar)</source>
        <translation>RAR-Archive (.rar)</translation>
    </message>
    <message>
        <source>Extractor for RAR compressed archives</source>
        <translation>Entpacker für komprimierte RAR-Archive</translation>
    </message>
    <message>
        <source>7-Zip Archives (.7z)</source>
        <translation>7-Zip-Archive (.7z)</translation>
    </message>
    <message>
        <source>Extractor for 7z archives</source>
        <translation>Entpacker für 7z-Archive</translation>
    </message>
    <message>
        <source>Disk Images (.dmg)</source>
        <translation>Disk-Images (.dmg)</translation>
    </message>
    <message>
        <source>Mounter for macOS disk images</source>
        <translation>Einhängen von macOS-Disk-Images</translation>
    </message>
    <message>
        <source>Torrent Files (.torrent)</source>
        <translation>Torrent-Dateien (.torrent)</translation>
    </message>
    <message>
        <source>Downloader for P2P torrent files</source>
        <translation>Downloader für P2P-Torrent-Dateien</translation>
    </message>
    <message>
        <source>3D Printing Models (.stl)</source>
        <translation>3D-Druckmodelle (.stl)</translation>
    </message>
    <message>
        <source>Viewer for 3D printer STL files</source>
        <translation>Betrachter für STL-Dateien von 3D-Druckern</translation>
    </message>
    <message>
        <source>3D CAD Models (.obj)</source>
        <translation>3D-CAD-Modelle (.obj)</translation>
    </message>
    <message>
        <source>Viewer for 3D object geometry</source>
        <translation>Betrachter für 3D-Objektgeometrie</translation>
    </message>
    <message>
        <source>3D GLTF Scenes (.gltf)</source>
        <translation>3D-GLTF-Szenen (.gltf)</translation>
    </message>
    <message>
        <source>Viewer for 3D GLTF asset scenes</source>
        <translation>Betrachter für 3D-GLTF-Szenen</translation>
    </message>
    <message>
        <source>USDZ Scenes (.usdz)</source>
        <translation>USDZ-Szenen (.usdz)</translation>
    </message>
    <message>
        <source>Viewer for Apple USDZ 3D scenes</source>
        <translation>Betrachter für Apple-USDZ-3D-Szenen</translation>
    </message>
    <message>
        <source>GPS Track Logs (.gpx)</source>
        <translation>GPS-Tracks (.gpx)</translation>
    </message>
    <message>
        <source>Viewer for GPX trails and routes</source>
        <translation>Betrachter für GPX-Strecken und -Routen</translation>
    </message>
    <message>
        <source>Google Earth Places (.kml)</source>
        <translation>Google-Earth-Orte (.kml)</translation>
    </message>
    <message>
        <source>Viewer for KML placemarks</source>
        <translation>Betrachter für KML-Ortsmarken</translation>
    </message>
    <message>
        <source>Telegram Links (tg:)</source>
        <translation>Telegram-Links (tg:)</translation>
    </message>
    <message>
        <source>Messenger app for Telegram links</source>
        <translation>Messenger für Telegram-Links</translation>
    </message>
    <message>
        <source>Zoom Meetings (zoommtg:)</source>
        <translation>Zoom-Meetings (zoommtg:)</translation>
    </message>
    <message>
        <source>Client for Zoom meeting links</source>
        <translation>Client für Zoom-Meeting-Links</translation>
    </message>
    <message>
        <source>Slack Links (slack:)</source>
        <translation>Slack-Links (slack:)</translation>
    </message>
    <message>
        <source>Client for Slack deep links</source>
        <translation>Client für Slack-Deeplinks</translation>
    </message>
    <message>
        <source>Disk Images (.iso)</source>
        <translation>Disk-Images (.iso)</translation>
    </message>
    <message>
        <source>Emulation launcher for console ISOs</source>
        <translation>Emulator-Starter für Konsolen-ISOs</translation>
    </message>
    <message>
        <source>GBA ROMs (.gba)</source>
        <translation>GBA-ROMs (.gba)</translation>
    </message>
    <message>
        <source>Emulator for GameBoy Advance ROMs</source>
        <translation>Emulator für Game-Boy-Advance-ROMs</translation>
    </message>
    <message>
        <source>OpenPGP Encryption (.gpg)</source>
        <translation>OpenPGP-Verschlüsselung (.gpg)</translation>
    </message>
    <message>
        <source>Security app for PGP/GPG files</source>
        <translation>Sicherheitsanwendung für PGP/GPG-Dateien</translation>
    </message>
    <message>
        <source>OpenVPN Profiles (.ovpn)</source>
        <translation>OpenVPN-Profile (.ovpn)</translation>
    </message>
    <message>
        <source>VPN client for OpenVPN configurations</source>
        <translation>VPN-Client für OpenVPN-Konfigurationen</translation>
    </message>
    <message>
        <source>Added by you</source>
        <translation>Von Ihnen hinzugefügt</translation>
    </message>
    <message>
        <source>Terminal</source>
        <translation>Terminal</translation>
    </message>
    <message>
        <source>Runs programs that need a terminal</source>
        <translation>Führt Programme aus, die ein Terminal brauchen</translation>
    </message>
</context>
<context>
    <name>ChangeResult</name>
    <message>
        <source>Changed</source>
        <translation>Geändert</translation>
    </message>
    <message>
        <source>Already the default</source>
        <translation>Bereits die Standardanwendung</translation>
    </message>
    <message>
        <source>That app is no longer installed</source>
        <translation>Diese Anwendung ist nicht mehr installiert</translation>
    </message>
    <message>
        <source>The change could not be made</source>
        <translation>Die Änderung konnte nicht vorgenommen werden</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>Reset to the system default</source>
        <translation>Auf den Systemstandard zurückgesetzt</translation>
    </message>
    <message>
        <source>Already the system default</source>
        <translation>Bereits der Systemstandard</translation>
    </message>
    <message>
        <source>%1 (%2) does not say it can open %3. Add --force to make it the default all the same.</source>
        <translation>%1 (%2) gibt nicht an, %3 öffnen zu können. Fügen Sie --force hinzu, um sie trotzdem zur Standardanwendung zu machen.</translation>
    </message>
    <message>
        <source>: There is no such file or folder.</source>
        <translation>: Diese Datei oder dieser Ordner existiert nicht.</translation>
    </message>
    <message>
        <source>: The system knows no such MIME type.</source>
        <translation>: Das System kennt diesen MIME-Typ nicht.</translation>
    </message>
    <message>
        <source>: That is not a type. Expected an extension (.pdf or pdf), a link type (mailto:), a MIME type (application/pdf) or a file (./report.pdf).</source>
        <translation>: Das ist kein Typ. Erwartet wird eine Endung (.pdf oder pdf), ein Linktyp (mailto:), ein MIME-Typ (application/pdf) oder eine Datei (./report.pdf).</translation>
    </message>
</context>
<context>
    <name>DateText</name>
    <message>
        <source>%1 at %2</source>
        <comment>a backup&apos;s name: date and time</comment>
        <translation>%1 um %2</translation>
    </message>
</context>
<context>
    <name>DecisionChain</name>
    <message>
        <source>%1 does not exist</source>
        <translation>%1 existiert nicht</translation>
    </message>
    <message>
        <source>%1 cannot be read as a list, so the system ignores all of it</source>
        <translation>%1 kann nicht als Liste gelesen werden, daher ignoriert das System sie ganz</translation>
    </message>
    <message>
        <source>%1 has no entry for %2</source>
        <translation>%1 hat keinen Eintrag für %2</translation>
    </message>
    <message>
        <source>%1 line %2</source>
        <translation>%1 Zeile %2</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <source>%1 (a parent type)</source>
        <translation>%1 (ein übergeordneter Typ)</translation>
    </message>
    <message>
        <source>%1 (a parent type of %2)</source>
        <translation>%1 (ein übergeordneter Typ von %2)</translation>
    </message>
    <message>
        <source>%1 sets %2 for %3</source>
        <translation>%1 legt %2 für %3 fest</translation>
    </message>
    <message>
        <source>%1 names no application for %2</source>
        <translation>%1 nennt keine Anwendung für %2</translation>
    </message>
    <message>
        <source>%1 names %2 for %3, but it is not installed</source>
        <translation>%1 nennt %2 für %3, aber sie ist nicht installiert</translation>
    </message>
    <message>
        <source>%1 names %2 for %3, but none of them is installed</source>
        <translation>%1 nennt %2 für %3, aber keine davon ist installiert</translation>
    </message>
    <message>
        <source>%1 names %2 for %3, outranked by the choice above</source>
        <translation>%1 nennt %2 für %3, übertroffen von der Wahl darüber</translation>
    </message>
    <message>
        <source>%1 adds %2 for %3, and no list sets an installed default</source>
        <translation>%1 fügt %2 für %3 hinzu, und keine Liste legt eine installierte Standardanwendung fest</translation>
    </message>
    <message>
        <source>%1 adds %2 for %3</source>
        <translation>%1 fügt %2 für %3 hinzu</translation>
    </message>
    <message>
        <source>%1 removes %2 from the applications for %3</source>
        <translation>%1 entfernt %2 aus den Anwendungen für %3</translation>
    </message>
    <message>
        <source>%1 removes %2 for %3, with no effect: an earlier entry names it</source>
        <translation>%1 entfernt %2 für %3, ohne Wirkung: Ein früherer Eintrag nennt sie</translation>
    </message>
    <message>
        <source>%1 removes %2 for %3, with no effect on applications installed in the same folder</source>
        <translation>%1 entfernt %2 für %3, ohne Wirkung auf Anwendungen im selben Ordner</translation>
    </message>
    <message>
        <source>No list sets an installed default for %1, so the first installed handler is used: %2</source>
        <translation>Keine Liste legt eine installierte Standardanwendung für %1 fest, daher wird die erste installierte Anwendung dafür verwendet: %2</translation>
    </message>
    <message>
        <source>No installed application handles %1</source>
        <translation>Keine installierte Anwendung kann %1 öffnen</translation>
    </message>
    <message>
        <source>No installed handler of %1 can be used</source>
        <translation>Keine installierte Anwendung für %1 ist verwendbar</translation>
    </message>
    <message>
        <source> (skipped %1: not installed)</source>
        <translation> (übersprungen: %1, nicht installiert)</translation>
    </message>
    <message>
        <source> (removed: %1)</source>
        <translation> (entfernt: %1)</translation>
    </message>
    <message>
        <source>%1 opens in %2 because %3 sets it for %4</source>
        <translation>%1 öffnet sich in %2, weil %3 sie für %4 festlegt</translation>
    </message>
    <message>
        <source>%1 opens in %2 because %3 adds it for %4 and no list sets an installed default</source>
        <translation>%1 öffnet sich in %2, weil %3 sie für %4 hinzufügt und keine Liste eine installierte Standardanwendung festlegt</translation>
    </message>
    <message>
        <source>%1 opens in %2 because no list sets an installed default and it is the first installed application that handles %3</source>
        <translation>%1 öffnet sich in %2, weil keine Liste eine installierte Standardanwendung festlegt und sie die erste installierte Anwendung für %3 ist</translation>
    </message>
    <message>
        <source>Nothing opens %1 (%2): no list names an installed application, and none is installed that handles it</source>
        <translation>Nichts öffnet %1 (%2): Keine Liste nennt eine installierte Anwendung, und keine installierte Anwendung kann es öffnen</translation>
    </message>
    <message>
        <source>. The system reports %1 instead, so this explanation is incomplete</source>
        <translation>. Das System meldet stattdessen %1, daher ist diese Erklärung unvollständig</translation>
    </message>
    <message>
        <source>. The system reports no application, so this explanation is incomplete</source>
        <translation>. Das System meldet keine Anwendung, daher ist diese Erklärung unvollständig</translation>
    </message>
    <message>
        <source>No explanation is available for %1</source>
        <translation>Für %1 ist keine Erklärung verfügbar</translation>
    </message>
    <message>
        <source>XDG_CURRENT_DESKTOP names %1, so the system also reads %2 in each folder</source>
        <translation>XDG_CURRENT_DESKTOP nennt %1, daher liest das System in jedem Ordner auch %2</translation>
    </message>
    <message>
        <source>XDG_CURRENT_DESKTOP names no desktop, so the system reads no desktop-specific lists</source>
        <translation>XDG_CURRENT_DESKTOP nennt keine Arbeitsumgebung, daher liest das System keine arbeitsumgebungsspezifischen Listen</translation>
    </message>
    <message>
        <source>; it found %1</source>
        <translation>; gefunden wurde %1</translation>
    </message>
    <message>
        <source>. It ignores %1: a desktop name may hold only letters, digits, - and _</source>
        <translation>. Es ignoriert %1: Ein Arbeitsumgebungsname darf nur Buchstaben, Ziffern, - und _ enthalten</translation>
    </message>
    <message>
        <source>“%1”</source>
        <translation>„%1“</translation>
    </message>
    <message>
        <source>~</source>
        <translation>~</translation>
    </message>
    <message>
        <source>%1 (%2) names %3: links that desktop opens go to %4</source>
        <translation>%1 (%2) nennt %3: Links, die diese Arbeitsumgebung öffnet, gehen an %4</translation>
    </message>
    <message>
        <source>%1 (%2) names %3, which no installed application matches: links that desktop opens may not open</source>
        <translation>%1 (%2) nennt %3, wozu keine installierte Anwendung passt: Links, die diese Arbeitsumgebung öffnet, öffnen sich womöglich nicht</translation>
    </message>
    <message>
        <source>; but links %1 opens follow its own setting, %2</source>
        <translation>; Links, die %1 öffnet, folgen aber dessen eigener Einstellung, %2</translation>
    </message>
    <message>
        <source>Set by your system: %1 line %2</source>
        <translation>Von Ihrem System festgelegt: %1, Zeile %2</translation>
    </message>
    <message>
        <source>%1 names %2 first among the installed terminals</source>
        <translation>%1 nennt %2 als erstes der installierten Terminals</translation>
    </message>
    <message>
        <source>%1 names %2, but none of them is an installed terminal</source>
        <translation>%1 nennt %2, aber keines davon ist ein installiertes Terminal</translation>
    </message>
    <message>
        <source>%1 names no terminal</source>
        <translation>%1 nennt kein Terminal</translation>
    </message>
    <message>
        <source>%1 sets %2 to %3: the terminal that desktop starts is %4</source>
        <translation>%1 setzt %2 auf %3: Das Terminal, das diese Arbeitsumgebung startet, ist %4</translation>
    </message>
    <message>
        <source>%1 sets %2 to %3, which no installed terminal matches: that desktop may start no terminal</source>
        <translation>%1 setzt %2 auf %3, wozu kein installiertes Terminal passt: Diese Arbeitsumgebung startet womöglich kein Terminal</translation>
    </message>
    <message>
        <source>GSettings %1</source>
        <translation>GSettings %1</translation>
    </message>
    <message>
        <source>%1 leads to %2, which is %3: programs that start x-terminal-emulator use it</source>
        <translation>%1 führt zu %2, also %3: Programme, die x-terminal-emulator starten, verwenden es</translation>
    </message>
    <message>
        <source>%1 leads to %2, which no installed terminal runs</source>
        <translation>%1 führt zu %2, das kein installiertes Terminal ausführt</translation>
    </message>
    <message>
        <source>%1 opens in %2 because %3 names it first among the installed terminals</source>
        <translation>%1 öffnet sich in %2, weil %3 es als erstes der installierten Terminals nennt</translation>
    </message>
    <message>
        <source>%1 opens in %2 because %3 sets %4</source>
        <translation>%1 öffnet sich in %2, weil %3 %4 festlegt</translation>
    </message>
    <message>
        <source>; but xdg-terminal-exec starts %1, which %2 names first</source>
        <translation>; xdg-terminal-exec startet aber %1, das %2 als erstes nennt</translation>
    </message>
    <message>
        <source>XDG_CURRENT_DESKTOP names %1, so xdg-terminal-exec also reads %2 in each folder</source>
        <translation>XDG_CURRENT_DESKTOP nennt %1, daher liest xdg-terminal-exec in jedem Ordner auch %2</translation>
    </message>
    <message>
        <source>the terminal</source>
        <translation>das Terminal</translation>
    </message>
</context>
<context>
    <name>DesktopBrowser</name>
    <message>
        <source>%1&apos;s links</source>
        <translation>Links von %1</translation>
    </message>
    <message>
        <source>%1 cannot be read, so it was left as it is.</source>
        <translation>%1 kann nicht gelesen werden und wurde daher nicht verändert.</translation>
    </message>
    <message>
        <source>Xfce&apos;s Debian browser, which starts %1</source>
        <translation>Debians Browser für Xfce, der %1 startet</translation>
    </message>
</context>
<context>
    <name>DesktopTerminal</name>
    <message>
        <source>Xfce&apos;s Debian terminal, which starts %1</source>
        <translation>das Debian-Terminal von Xfce, das %1 startet</translation>
    </message>
    <message>
        <source>the system&apos;s terminal, %1</source>
        <translation>das Terminal des Systems, %1</translation>
    </message>
    <message>
        <source>%1&apos;s terminal</source>
        <translation>Terminal von %1</translation>
    </message>
</context>
<context>
    <name>Doctor</name>
    <message>
        <source>Line %1 of %2 names %3 for %4, which is no longer installed.</source>
        <translation>Zeile %1 von %2 nennt für %4 die Anwendung %3, die nicht mehr installiert ist.</translation>
    </message>
    <message>
        <source>Line %1 of %2 sets %3, another name of %4, which line %5 sets too.</source>
        <translation>Zeile %1 von %2 legt %3 fest, einen anderen Namen für %4, den auch Zeile %5 festlegt.</translation>
    </message>
    <message>
        <source>Line %1 of %2 removes %3 from the applications for %4, although it is the default of that type.</source>
        <translation>Zeile %1 von %2 entfernt %3 aus den Anwendungen für %4, obwohl sie die Standardanwendung dieses Typs ist.</translation>
    </message>
    <message>
        <source>%1 is an older list the system still reads: its line %2 decides that %3 opens in %4.</source>
        <translation>%1 ist eine ältere Liste, die das System noch liest: Ihre Zeile %2 bestimmt, dass %3 sich in %4 öffnet.</translation>
    </message>
    <message>
        <source>Line %1 of %2, a list for one desktop, makes %3 open in %4, overriding your choice of %5.</source>
        <translation>Zeile %1 von %2, einer Liste für eine einzelne Arbeitsumgebung, lässt %3 sich in %4 öffnen und übergeht Ihre Wahl %5.</translation>
    </message>
    <message>
        <source>%1 was made by an &quot;open with a command&quot; dialog and runs the same program as %2.</source>
        <translation>%1 wurde von einem Dialog „Mit Befehl öffnen“ angelegt und startet dasselbe Programm wie %2.</translation>
    </message>
    <message>
        <source>%1 was made by an &quot;open with a command&quot; dialog; the program it runs (%2) is gone.</source>
        <translation>%1 wurde von einem Dialog „Mit Befehl öffnen“ angelegt; das Programm, das er startet (%2), ist nicht mehr vorhanden.</translation>
    </message>
    <message>
        <source>%1 runs %2, which is not found, so the system passes over it.</source>
        <translation>%1 startet %2, das nicht gefunden wird, daher übergeht das System den Eintrag.</translation>
    </message>
    <message>
        <source>%1 is a read-only link to %2, managed by a configuration tool.</source>
        <translation>%1 ist eine schreibgeschützte Verknüpfung auf %2, verwaltet von einem Konfigurationswerkzeug.</translation>
    </message>
    <message>
        <source>Managed by your configuration; change it there.</source>
        <translation>Von Ihrer Konfiguration verwaltet; ändern Sie es dort.</translation>
    </message>
    <message>
        <source>Keep %1 among the applications for %2.</source>
        <translation>%1 unter den Anwendungen für %2 behalten.</translation>
    </message>
    <message>
        <source>Name %1 instead in your lists, and remove this entry.</source>
        <translation>Stattdessen %1 in Ihren Listen nennen und diesen Eintrag entfernen.</translation>
    </message>
    <message>
        <source>Remove the entry and the lines naming it.</source>
        <translation>Den Eintrag und die Zeilen entfernen, die ihn nennen.</translation>
    </message>
    <message>
        <source>Remove the entry.</source>
        <translation>Den Eintrag entfernen.</translation>
    </message>
    <message>
        <source>Could not remove %1.</source>
        <translation>%1 konnte nicht entfernt werden.</translation>
    </message>
    <message>
        <source>Line %1 of %2 sets %3, another name of %4, before line %5 sets %4 itself: the system tries the applications of line %1 first.</source>
        <translation>Zeile %1 von %2 setzt %3, einen anderen Namen für %4, bevor Zeile %5 %4 selbst setzt: Das System versucht zuerst die Anwendungen aus Zeile %1.</translation>
    </message>
    <message>
        <source>left as it was, because %1 could not be changed.</source>
        <translation>unverändert gelassen, weil %1 nicht geändert werden konnte.</translation>
    </message>
    <message>
        <source>%1 is set twice in [%2] of %3 (lines %4 and %5); the system keeps the place of the first and the applications of the last.</source>
        <translation>%1 ist in [%2] von %3 zweimal gesetzt (Zeilen %4 und %5); das System behält die Stelle der ersten und die Anwendungen der letzten.</translation>
    </message>
    <message>
        <source>%1 is read-only, managed by a configuration tool or an administrator.</source>
        <translation>%1 ist schreibgeschützt, verwaltet von einem Konfigurationswerkzeug oder einer Administratorin.</translation>
    </message>
    <message>
        <source>Line %1 of %2 (“%3”) is no setting, group or comment, so the system ignores the whole list: none of its defaults count.</source>
        <translation>Zeile %1 von %2 („%3“) ist weder Einstellung noch Gruppe noch Kommentar, daher ignoriert das System die ganze Liste: Keine ihrer Standardanwendungen zählt.</translation>
    </message>
    <message>
        <source>Line %1 of %2 names %3 for %4: with the blank around it, the name never matches an application.</source>
        <translation>Zeile %1 von %2 nennt %3 für %4: Mit dem Leerzeichen darum passt der Name zu keiner Anwendung.</translation>
    </message>
    <message>
        <source>[%1] in %2 (line %3) is ignored by the system: only your own mimeapps.list may add or remove applications.</source>
        <translation>[%1] in %2 (Zeile %3) wird vom System ignoriert: Nur Ihre eigene mimeapps.list kann Anwendungen hinzufügen oder entfernen.</translation>
    </message>
    <message>
        <source>Remove %1 from the line.</source>
        <translation>%1 aus der Zeile entfernen.</translation>
    </message>
    <message>
        <source>Move the applications of line %1 into line %2 and remove line %1.</source>
        <translation>Die Anwendungen aus Zeile %1 in Zeile %2 übernehmen und Zeile %1 entfernen.</translation>
    </message>
    <message>
        <source>Keep one line for %1, with the applications the system reads now.</source>
        <translation>Eine Zeile für %1 behalten, mit den Anwendungen, die das System jetzt liest.</translation>
    </message>
    <message>
        <source>Move the line to your own mimeapps.list.</source>
        <translation>Die Zeile in Ihre eigene mimeapps.list verschieben.</translation>
    </message>
    <message>
        <source>Remove line %1.</source>
        <translation>Zeile %1 entfernen.</translation>
    </message>
    <message>
        <source>Remove the lines the system cannot read, so that it reads the list again.</source>
        <translation>Die Zeilen entfernen, die das System nicht lesen kann, damit es die Liste wieder liest.</translation>
    </message>
    <message>
        <source>Write it as %1.</source>
        <translation>Als %1 schreiben.</translation>
    </message>
    <message>
        <source>Remove the group.</source>
        <translation>Die Gruppe entfernen.</translation>
    </message>
    <message>
        <source>Which application opens each type afterwards cannot be told for sure, so this fix is not selected by itself.</source>
        <translation>Welche Anwendung danach jeden Typ öffnet, lässt sich nicht sicher sagen, daher ist diese Korrektur nicht von selbst ausgewählt.</translation>
    </message>
    <message>
        <source>Nothing else changes.</source>
        <translation>Sonst ändert sich nichts.</translation>
    </message>
    <message>
        <source>no application</source>
        <translation>keine Anwendung</translation>
    </message>
    <message>
        <source>%1 opens in %2 instead of %3</source>
        <translation>%1 öffnet sich in %2 statt in %3</translation>
    </message>
    <message>
        <source>Afterwards %1.</source>
        <translation>Danach: %1.</translation>
    </message>
    <message>
        <source>%1 now opens in %2 (before: %3)</source>
        <translation>%1 öffnet sich jetzt in %2 (vorher: %3)</translation>
    </message>
    <message>
        <source>Line %1 of %2 makes %3 open in %4, your own choice; your system sets %5 for everyone (%6 line %7).</source>
        <translation>Zeile %1 von %2 lässt %3 mit %4 öffnen, Ihrer eigenen Wahl; Ihr System legt %5 für alle fest (%6, Zeile %7).</translation>
    </message>
    <message>
        <source>Nothing to fix: your line wins, as it should. To follow your system&apos;s choice, reset the type to the system default.</source>
        <translation>Nichts zu beheben: Ihre Zeile hat Vorrang, wie es sein soll. Um der Wahl Ihres Systems zu folgen, setzen Sie den Typ auf die Systemvorgabe zurück.</translation>
    </message>
</context>
<context>
    <name>Files</name>
    <message>
        <source>There is no file at %1.</source>
        <translation>Unter %1 gibt es keine Datei.</translation>
    </message>
    <message>
        <source>Could not read %1: %2</source>
        <translation>%1 konnte nicht gelesen werden: %2</translation>
    </message>
    <message>
        <source>%1 is not a regular file.</source>
        <translation>%1 ist keine reguläre Datei.</translation>
    </message>
    <message>
        <source>%1 is too large.</source>
        <translation>%1 ist zu groß.</translation>
    </message>
    <message>
        <source>%1 is a link to %2, which belongs to another user; nothing was written.</source>
        <translation>%1 ist ein Link auf %2, das einem anderen Benutzer gehört; es wurde nichts geschrieben.</translation>
    </message>
    <message>
        <source>%1 is a link that another user could have placed there; nothing was written through it.</source>
        <translation>%1 ist ein Link, den ein anderer Benutzer dort abgelegt haben könnte; es wurde nichts darüber geschrieben.</translation>
    </message>
    <message>
        <source>%1 is a loop of links; nothing was written.</source>
        <translation>%1 ist eine Schleife von Links; es wurde nichts geschrieben.</translation>
    </message>
    <message>
        <source>%1 belongs to another user.</source>
        <translation>%1 gehört einem anderen Benutzer.</translation>
    </message>
</context>
<context>
    <name>LaunchAtLogin</name>
    <message>
        <source>Could not write %1: %2</source>
        <translation>%1 konnte nicht geschrieben werden: %2</translation>
    </message>
    <message>
        <source>Could not remove %1: %2</source>
        <translation>%1 konnte nicht entfernt werden: %2</translation>
    </message>
    <message>
        <source>Could not create the folder %1: %2</source>
        <translation>Der Ordner %1 konnte nicht angelegt werden: %2</translation>
    </message>
</context>
<context>
    <name>Notifier</name>
    <message>
        <source>Open</source>
        <translation>Öffnen</translation>
    </message>
    <message>
        <source>There is no session bus.</source>
        <translation>Es gibt keinen Sitzungsbus.</translation>
    </message>
</context>
<context>
    <name>Openers</name>
    <message>
        <source>%1, named for %2 in %3</source>
        <translation>%1, in %3 für %2 genannt</translation>
    </message>
    <message>
        <source>%1, ranked first by InitialPreference=%2</source>
        <translation>%1, durch InitialPreference=%2 an erster Stelle</translation>
    </message>
    <message>
        <source> (as a handler of %1)</source>
        <translation> (als Anwendung für %1)</translation>
    </message>
    <message>
        <source>; KDE picks by chance between it and %1</source>
        <translation>; KDE wählt zufällig zwischen ihr und %1</translation>
    </message>
    <message>
        <source>%1, the browser in kdeglobals</source>
        <translation>%1, der Browser in kdeglobals</translation>
    </message>
    <message>
        <source>no application</source>
        <translation>keine Anwendung</translation>
    </message>
    <message>
        <source>it hands over to kde-open5, which is not installed</source>
        <translation>es übergibt an kde-open5, das nicht installiert ist</translation>
    </message>
    <message>
        <source>as %1: %2</source>
        <translation>wie %1: %2</translation>
    </message>
    <message>
        <source>%1, the first for %2 in %3</source>
        <translation>%1, die erste für %2 in %3</translation>
    </message>
    <message>
        <source>%1 names %2 for %3, which it cannot find</source>
        <translation>%1 nennt %2 für %3, das es nicht findet</translation>
    </message>
    <message>
        <source>no display, so no application</source>
        <translation>keine grafische Anzeige, daher keine Anwendung</translation>
    </message>
    <message>
        <source>no application for %1</source>
        <translation>keine Anwendung für %1</translation>
    </message>
    <message>
        <source>GTK programs</source>
        <translation>GTK-Programme</translation>
    </message>
    <message>
        <source>KDE programs</source>
        <translation>KDE-Programme</translation>
    </message>
    <message>
        <source>Opens differently in KDE programs and with xdg-open</source>
        <translation>Öffnet sich in KDE-Programmen und mit xdg-open anders</translation>
    </message>
    <message>
        <source>Opens differently in KDE programs</source>
        <translation>Öffnet sich in KDE-Programmen anders</translation>
    </message>
    <message>
        <source>Opens differently with xdg-open</source>
        <translation>Öffnet sich mit xdg-open anders</translation>
    </message>
    <message>
        <source>KDE programs rank %1 first through its default for %2</source>
        <translation>KDE-Programme setzen %1 über seine Standardanwendung für %2 an die erste Stelle</translation>
    </message>
    <message>
        <source>KDE programs rank %1 first by InitialPreference=%2, above any default</source>
        <translation>KDE-Programme setzen %1 mit InitialPreference=%2 über jede Standardanwendung</translation>
    </message>
    <message>
        <source>KDE programs do not see %1: its entry is hidden</source>
        <translation>KDE-Programme sehen %1 nicht: der Eintrag ist ausgeblendet</translation>
    </message>
    <message>
        <source>KDE programs open links and secure links in one app, GTK programs in two</source>
        <translation>KDE-Programme öffnen Links und sichere Links in einer App, GTK-Programme in zwei</translation>
    </message>
    <message>
        <source>xdg-open asks for %1, the type file gives it</source>
        <translation>xdg-open fragt nach %1, dem Typ, den file angibt</translation>
    </message>
    <message>
        <source>xdg-open cannot find %1 by its ID</source>
        <translation>xdg-open findet %1 nicht über seine ID</translation>
    </message>
    <message>
        <source>xdg-open takes %1 from %2, which it reads first</source>
        <translation>xdg-open nimmt %1 aus %2, das es zuerst liest</translation>
    </message>
</context>
<context>
    <name>PlanStep</name>
    <message>
        <source>Replaced by %1, the same file type</source>
        <translation>Ersetzt durch %1, denselben Dateityp</translation>
    </message>
</context>
<context>
    <name>PlatformText</name>
    <message>
        <source>Another setting keeps the current app</source>
        <translation>Eine andere Einstellung behält die aktuelle Anwendung bei</translation>
    </message>
    <message>
        <source>Applying…</source>
        <translation>Wird angewendet …</translation>
    </message>
    <message>
        <source>Applying the changes…</source>
        <translation>Die Änderungen werden angewendet …</translation>
    </message>
    <message>
        <source>A profile switches a whole set of defaults at once.</source>
        <translation>Ein Profil stellt eine ganze Reihe von Standardanwendungen auf einmal um.</translation>
    </message>
    <message>
        <source>…instead of making the system ask, or pointing at a deleted app.</source>
        <translation>…statt das System fragen zu lassen oder auf eine gelöschte Anwendung zu verweisen.</translation>
    </message>
    <message>
        <source>The system doesn&apos;t recognise .%1 files</source>
        <translation>Das System kennt keine .%1-Dateien</translation>
    </message>
</context>
<context>
    <name>Presets</name>
    <message>
        <source>Work &amp; Business</source>
        <translation>Arbeit &amp; Büro</translation>
    </message>
    <message>
        <source>Chrome, Outlook, Microsoft Office, Zoom and Slack.</source>
        <translation>Chrome, Outlook, Microsoft Office, Zoom und Slack.</translation>
    </message>
    <message>
        <source>Maximum Privacy</source>
        <translation>Maximale Privatsphäre</translation>
    </message>
    <message>
        <source>Brave, Proton Mail, Telegram and Apple&apos;s on-device viewers.</source>
        <translation>Brave, Proton Mail, Telegram und Apples Betrachter auf dem Gerät.</translation>
    </message>
    <message>
        <source>Media &amp; Creator</source>
        <translation>Medien &amp; Kreative</translation>
    </message>
    <message>
        <source>VLC for every video and audio format, Preview for images.</source>
        <translation>VLC für alle Video- und Audioformate, Vorschau für Bilder.</translation>
    </message>
    <message>
        <source>Developer</source>
        <translation>Entwicklung</translation>
    </message>
    <message>
        <source>VS Code for code and config files, Terminal for ssh: links.</source>
        <translation>VS Code für Code- und Konfigurationsdateien, Terminal für ssh:-Links.</translation>
    </message>
    <message>
        <source>Chrome, Thunderbird, LibreOffice, Zoom and Slack.</source>
        <translation>Chrome, Thunderbird, LibreOffice, Zoom und Slack.</translation>
    </message>
    <message>
        <source>Brave, Proton Mail, Telegram and the desktop&apos;s own viewers.</source>
        <translation>Brave, Proton Mail, Telegram und die Betrachter der Arbeitsumgebung.</translation>
    </message>
    <message>
        <source>VLC for every video and audio format, Image Viewer for images.</source>
        <translation>VLC für alle Video- und Audioformate, Bildbetrachter für Bilder.</translation>
    </message>
    <message>
        <source>VS Code for code and config files.</source>
        <translation>VS Code für Code- und Konfigurationsdateien.</translation>
    </message>
</context>
<context>
    <name>ProfileExport</name>
    <message>
        <source>That file isn&apos;t an Openwright profile export.</source>
        <translation>Diese Datei ist kein Openwright-Profilexport.</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>Openwright cannot start</source>
        <translation>Openwright kann nicht starten</translation>
    </message>
</context>
<context>
    <name>Style</name>
    <message>
        <source>Clear</source>
        <translation>Leeren</translation>
    </message>
</context>
<context>
    <name>TargetState</name>
    <message>
        <source>Set to %1, which is no longer installed.</source>
        <translation>Auf %1 gesetzt, das nicht mehr installiert ist.</translation>
    </message>
    <message>
        <source>%1 opens it for now.</source>
        <translation>Vorerst öffnet %1 es.</translation>
    </message>
    <message>
        <source>%1 opens %2</source>
        <translation>%1 öffnet %2</translation>
    </message>
    <message>
        <source>nothing opens %1</source>
        <translation>nichts öffnet %1</translation>
    </message>
    <message>
        <source>Depends on the file: %1.</source>
        <translation>Hängt von der Datei ab: %1.</translation>
    </message>
    <message>
        <source>Depends on who opens it: %1.</source>
        <translation>Hängt davon ab, wer ihn öffnet: %1.</translation>
    </message>
    <message>
        <source>Split between browsers: %1.</source>
        <translation>Auf mehrere Browser verteilt: %1.</translation>
    </message>
    <message>
        <source>Not set</source>
        <translation>Nicht festgelegt</translation>
    </message>
    <message>
        <source>Set by you</source>
        <translation>Von Ihnen festgelegt</translation>
    </message>
    <message>
        <source>Desktop default</source>
        <translation>Desktop-Standard</translation>
    </message>
    <message>
        <source>Chosen by the system</source>
        <translation>Vom System gewählt</translation>
    </message>
    <message>
        <source>%1: nothing.</source>
        <translation>%1: nichts.</translation>
    </message>
    <message>
        <source>%1: %2 or another, by chance.</source>
        <translation>%1: zufällig %2 oder eine andere.</translation>
    </message>
    <message>
        <source>%1: %2.</source>
        <translation>%1: %2.</translation>
    </message>
</context>
<context>
    <name>TypeFamily</name>
    <message>
        <source>Video</source>
        <translation>Video</translation>
    </message>
    <message>
        <source>Audio</source>
        <translation>Audio</translation>
    </message>
    <message>
        <source>Images</source>
        <translation>Bilder</translation>
    </message>
    <message>
        <source>Documents</source>
        <translation>Dokumente</translation>
    </message>
    <message>
        <source>Text &amp; Code</source>
        <translation>Text &amp; Code</translation>
    </message>
    <message>
        <source>Archives</source>
        <translation>Archive</translation>
    </message>
    <message>
        <source>Links</source>
        <translation>Links</translation>
    </message>
    <message>
        <source>Other</source>
        <translation>Sonstige</translation>
    </message>
</context>
<context>
    <name>cli</name>
    <message>
        <source>Not restored</source>
        <translation>Nicht wiederhergestellt</translation>
    </message>
    <message>
        <source>%1 of %2 changed.</source>
        <translation>%1 von %2 geändert.</translation>
    </message>
    <message>
        <source>Same as now
</source>
        <translation>Wie jetzt
</translation>
    </message>
    <message>
        <source>All set
</source>
        <translation>Alles eingestellt
</translation>
    </message>
    <message>
        <source>The Default Guard watches only the types Openwright lists, and %1 is not one of them.</source>
        <translation>Der Standardwächter überwacht nur die Typen, die Openwright aufführt, und %1 gehört nicht dazu.</translation>
    </message>
    <message>
        <source>%1 is pinned: Default Guard is watching this default.</source>
        <translation>%1 ist angeheftet: Der Standardwächter überwacht diese Standardanwendung.</translation>
    </message>
    <message>
        <source>%1 is not pinned.</source>
        <translation>%1 ist nicht angeheftet.</translation>
    </message>
    <message>
        <source>No defaults changed since the last check.
</source>
        <translation>Seit der letzten Prüfung hat sich keine Standardanwendung geändert.
</translation>
    </message>
    <message>
        <source>The file to import was not read.</source>
        <translation>Die zu importierende Datei wurde nicht gelesen.</translation>
    </message>
    <message numerus="yes">
        <source>Imported %n profile(s).</source>
        <translation>
            <numerusform>%n Profil importiert.</numerusform>
            <numerusform>%n Profile importiert.</numerusform>
        </translation>
    </message>
    <message>
        <source>Another backup would make your profiles file larger than Openwright can read back. Delete some backups first.</source>
        <translation>Eine weitere Sicherung würde Ihre Profildatei größer machen, als Openwright zurücklesen kann. Löschen Sie zuerst einige Sicherungen.</translation>
    </message>
    <message numerus="yes">
        <source>Backed up %n defaults as “%1” (%2).</source>
        <translation>
            <numerusform>%n Standardanwendung als „%1“ (%2) gesichert.</numerusform>
            <numerusform>%n Standardanwendungen als „%1“ (%2) gesichert.</numerusform>
        </translation>
    </message>
    <message>
        <source>Deleted the backup “%1” (%2).</source>
        <translation>Sicherung „%1“ (%2) gelöscht.</translation>
    </message>
    <message>
        <source>The command was interrupted.</source>
        <translation>Der Befehl wurde unterbrochen.</translation>
    </message>
    <message>
        <source>Another Openwright command is still running. Try again once it has finished.</source>
        <translation>Ein anderer Openwright-Befehl läuft noch. Versuchen Sie es erneut, sobald er fertig ist.</translation>
    </message>
    <message>
        <source>Openwright could not save all of its data, so what was not saved is lost: </source>
        <translation>Openwright konnte nicht alle Daten speichern, nicht Gespeichertes ist verloren: </translation>
    </message>
    <message>
        <source>Openwright is quitting.</source>
        <translation>Openwright wird beendet.</translation>
    </message>
    <message>
        <source>Openwright could not save all of its data; what was not saved will be lost when Openwright quits: </source>
        <translation>Openwright konnte nicht alle Daten speichern; nicht Gespeichertes geht verloren, wenn Openwright beendet wird: </translation>
    </message>
    <message>
        <source>%1 is not an option. See openwright --help.</source>
        <translation>%1 ist keine Option. Siehe openwright --help.</translation>
    </message>
    <message>
        <source>%1 needs one of: %2.</source>
        <translation>%1 braucht eines von: %2.</translation>
    </message>
    <message>
        <source>“%1” is not a command. See openwright --help.</source>
        <translation>„%1“ ist kein Befehl. Siehe openwright --help.</translation>
    </message>
    <message>
        <source>%1 is not an option of %2. See openwright %2 --help.</source>
        <translation>%1 ist keine Option von %2. Siehe openwright %2 --help.</translation>
    </message>
    <message>
        <source>%1 is missing. Usage: %2</source>
        <translation>%1 fehlt. Aufruf: %2</translation>
    </message>
    <message>
        <source>“%1” is one argument too many. Usage: %2</source>
        <translation>„%1“ ist ein Argument zu viel. Aufruf: %2</translation>
    </message>
    <message>
        <source>No default</source>
        <translation>Kein Standard</translation>
    </message>
    <message>
        <source>Handled</source>
        <translation>Erledigt</translation>
    </message>
    <message>
        <source>Already set</source>
        <translation>Bereits eingestellt</translation>
    </message>
    <message>
        <source>%1 isn&apos;t installed</source>
        <translation>%1 ist nicht installiert</translation>
    </message>
    <message>
        <source>All set</source>
        <translation>Alles eingestellt</translation>
    </message>
    <message>
        <source>%1 of %2 to change</source>
        <translation>%1 von %2 zu ändern</translation>
    </message>
    <message>
        <source>There is no %1 called “%2”.</source>
        <translation>Es gibt kein %1 namens „%2“.</translation>
    </message>
    <message>
        <source>“%1” could be %2; give its id instead.</source>
        <translation>„%1“ könnte %2 sein; geben Sie stattdessen die ID an.</translation>
    </message>
    <message>
        <source>“%1” could be %2. Give its desktop-file ID instead.</source>
        <translation>„%1“ könnte %2 sein. Geben Sie stattdessen die Desktop-Datei-ID an.</translation>
    </message>
    <message>
        <source>There is no installed application called “%1”, and no installed app can open %2.</source>
        <translation>Es gibt keine installierte Anwendung namens „%1“, und keine installierte Anwendung kann %2 öffnen.</translation>
    </message>
    <message>
        <source>There is no installed application called “%1”. Apps that can open %2: %3.</source>
        <translation>Es gibt keine installierte Anwendung namens „%1“. Anwendungen, die %2 öffnen können: %3.</translation>
    </message>
    <message>
        <source>No installed app can open %1</source>
        <translation>Keine installierte Anwendung kann %1 öffnen</translation>
    </message>
    <message>
        <source>No installed app can open %1. Install one, or ignore it if you never use it.</source>
        <translation>Keine installierte Anwendung kann %1 öffnen. Installieren Sie eine, oder ignorieren Sie es, wenn Sie es nie brauchen.</translation>
    </message>
    <message>
        <source>Several apps can open it, but none is the default.</source>
        <translation>Mehrere Anwendungen können es öffnen, aber keine ist die Standardanwendung.</translation>
    </message>
    <message>
        <source>Where the system looks, in its order:</source>
        <translation>Wo das System sucht, in seiner Reihenfolge:</translation>
    </message>
    <message>
        <source>Defaults Health: %1</source>
        <translation>Zustand der Standards: %1</translation>
    </message>
    <message>
        <source>%1/%2 types with a default.</source>
        <translation>%1/%2 Typen mit Standardanwendung.</translation>
    </message>
    <message>
        <source>Everything has a home.</source>
        <translation>Alles hat ein Zuhause.</translation>
    </message>
    <message numerus="yes">
        <source>%n types need attention.</source>
        <translation>
            <numerusform>%n Typ braucht Aufmerksamkeit.</numerusform>
            <numerusform>%n Typen brauchen Aufmerksamkeit.</numerusform>
        </translation>
    </message>
    <message>
        <source>The share of known file and link types that open in a specific app </source>
        <translation>Der Anteil bekannter Datei- und Linktypen, die sich in einer bestimmten Anwendung öffnen </translation>
    </message>
    <message>
        <source>Needs attention</source>
        <translation>Braucht Aufmerksamkeit</translation>
    </message>
    <message>
        <source>Pinned (%1)</source>
        <translation>Angeheftet (%1)</translation>
    </message>
    <message>
        <source>No changes spotted yet.</source>
        <translation>Noch keine Änderungen bemerkt.</translation>
    </message>
    <message>
        <source>Recent Changes</source>
        <translation>Letzte Änderungen</translation>
    </message>
    <message>
        <source>Preset</source>
        <translation>Vorlage</translation>
    </message>
    <message>
        <source>“%1” is built in; only your own profiles can be exported.</source>
        <translation>„%1“ ist eingebaut; nur Ihre eigenen Profile lassen sich exportieren.</translation>
    </message>
    <message>
        <source>You have no profiles of your own to export.</source>
        <translation>Sie haben keine eigenen Profile zum Exportieren.</translation>
    </message>
    <message>
        <source>Export failed: %1 is not a regular file.</source>
        <translation>Export fehlgeschlagen: %1 ist keine reguläre Datei.</translation>
    </message>
    <message>
        <source>Export failed: </source>
        <translation>Export fehlgeschlagen: </translation>
    </message>
    <message numerus="yes">
        <source>Exported %n profile(s).</source>
        <translation>
            <numerusform>%n Profil exportiert.</numerusform>
            <numerusform>%n Profile exportiert.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n defaults</source>
        <translation>
            <numerusform>%n Standardanwendung</numerusform>
            <numerusform>%n Standardanwendungen</numerusform>
        </translation>
    </message>
    <message>
        <source>Same as now</source>
        <translation>Wie jetzt</translation>
    </message>
    <message numerus="yes">
        <source>%n different from now</source>
        <translation>
            <numerusform>%n Unterschied zu jetzt</numerusform>
            <numerusform>%n Unterschiede zu jetzt</numerusform>
        </translation>
    </message>
    <message>
        <source>No backups yet.
</source>
        <translation>Noch keine Sicherungen.
</translation>
    </message>
    <message>
        <source>Openwright cannot create its lock file %1: %2</source>
        <translation>Openwright kann seine Sperrdatei %1 nicht anlegen: %2</translation>
    </message>
    <message>
        <source>the folder cannot be written</source>
        <translation>der Ordner ist nicht beschreibbar</translation>
    </message>
    <message>
        <source>Openwright is not running.</source>
        <translation>Openwright läuft nicht.</translation>
    </message>
    <message>
        <source>Openwright is running but does not answer, so nothing was done. Try again, or quit Openwright and run the command then.</source>
        <translation>Openwright läuft, antwortet aber nicht, daher wurde nichts getan. Versuchen Sie es erneut, oder beenden Sie Openwright und führen Sie den Befehl dann aus.</translation>
    </message>
    <message>
        <source>The running Openwright cannot carry out commands from this version of the command line. Quit it and try again.</source>
        <translation>Das laufende Openwright kann keine Befehle dieser Version der Befehlszeile ausführen. Beenden Sie es und versuchen Sie es erneut.</translation>
    </message>
    <message>
        <source>The command is too long to hand to the running Openwright.</source>
        <translation>Der Befehl ist zu lang, um ihn an das laufende Openwright zu übergeben.</translation>
    </message>
    <message>
        <source>The running Openwright did not finish the command in time; it may still be carried out.</source>
        <translation>Das laufende Openwright hat den Befehl nicht rechtzeitig beendet; er wird eventuell noch ausgeführt.</translation>
    </message>
    <message>
        <source>Openwright cannot listen on %1 (%2): commands and later starts will not reach it.</source>
        <translation>Openwright kann nicht an %1 lauschen (%2): Befehle und spätere Starts erreichen es nicht.</translation>
    </message>
    <message>
        <source>no private folder for it</source>
        <translation>kein privater Ordner dafür</translation>
    </message>
    <message>
        <source>openwright: the answer is too large to pass on
</source>
        <translation>openwright: Die Antwort ist zu groß für die Weitergabe
</translation>
    </message>
    <message>
        <source>Put back</source>
        <translation>Zurückgesetzt</translation>
    </message>
    <message>
        <source>Allowed</source>
        <translation>Zugelassen</translation>
    </message>
    <message>
        <source>Stopped putting back</source>
        <translation>Zurücksetzen eingestellt</translation>
    </message>
    <message>
        <source>%1 changes nothing.</source>
        <translation>%1 ändert nichts.</translation>
    </message>
    <message>
        <source>Cannot start %1: %2</source>
        <translation>%1 kann nicht gestartet werden: %2</translation>
    </message>
    <message>
        <source>the path is too long for a socket</source>
        <translation>der Pfad ist zu lang für einen Socket</translation>
    </message>
    <message>
        <source>Openwright is running but does not answer. Quit it, or end its process, and start it again.</source>
        <translation>Openwright läuft, antwortet aber nicht. Beenden Sie es oder seinen Prozess, und starten Sie es erneut.</translation>
    </message>
    <message>
        <source>Also moved, since they open where a changed type does:</source>
        <translation>Ebenfalls geändert, weil sie sich dort öffnen, wo ein geänderter Typ sich öffnet:</translation>
    </message>
    <message>
        <source>%1: No installed application has that name or desktop-file ID.</source>
        <translation>%1: Keine installierte Anwendung hat diesen Namen oder diese Desktop-Datei-ID.</translation>
    </message>
    <message>
        <source>“%1” could be %2 (%3) or %4 (%5). Give the one you mean.</source>
        <translation>„%1“ könnte %2 (%3) oder %4 (%5) sein. Geben Sie die gemeinte an.</translation>
    </message>
    <message>
        <source>Different apps</source>
        <translation>Verschiedene Anwendungen</translation>
    </message>
    <message>
        <source>Where the system looks for %1, in its order:</source>
        <translation>Wo das System für %1 sucht, in seiner Reihenfolge:</translation>
    </message>
    <message>
        <source>Meanwhile the Default Guard saw:</source>
        <translation>Währenddessen bemerkte der Standardwächter:</translation>
    </message>
    <message>
        <source>Cannot write the output: %1</source>
        <translation>Die Ausgabe kann nicht geschrieben werden: %1</translation>
    </message>
    <message>
        <source>Not set: not installed here</source>
        <translation>Nicht festgelegt: hier nicht installiert</translation>
    </message>
    <message>
        <source>%1, put back</source>
        <translation>%1, zurückgesetzt</translation>
    </message>
    <message numerus="yes">
        <source>%n default(s) changed since the last check:</source>
        <translation>
            <numerusform>%n Standardanwendung hat sich seit der letzten Prüfung geändert:</numerusform>
            <numerusform>%n Standardanwendungen haben sich seit der letzten Prüfung geändert:</numerusform>
        </translation>
    </message>
    <message>
        <source>Openwright ended before it carried out the command: nothing was changed. Run the command again.</source>
        <translation>Openwright wurde beendet, bevor es den Befehl ausgeführt hat: Es wurde nichts geändert. Führen Sie den Befehl erneut aus.</translation>
    </message>
    <message>
        <source>Openwright ended while it carried out the command: it changed some of what was asked, or all of it. See what is set now with &quot;openwright status&quot;.</source>
        <translation>Openwright wurde beendet, während es den Befehl ausführte: Es hat einen Teil des Verlangten geändert oder alles. Was jetzt festgelegt ist, zeigt &quot;openwright status&quot;.</translation>
    </message>
    <message>
        <source>Openwright did not finish “%1”</source>
        <translation>Openwright hat „%1“ nicht abgeschlossen</translation>
    </message>
    <message>
        <source>Openwright finished “%1”</source>
        <translation>Openwright hat „%1“ abgeschlossen</translation>
    </message>
    <message>
        <source>The notification could not be shown: %1</source>
        <translation>Die Benachrichtigung konnte nicht angezeigt werden: %1</translation>
    </message>
    <message>
        <source>--desktop goes with --system: your own desktop is the one you are logged in to.</source>
        <translation>--desktop gehört zu --system: Ihr eigener Desktop ist der, an dem Sie angemeldet sind.</translation>
    </message>
    <message>
        <source>--notify goes with a command that changes, without --json: it tells a person what the command did.</source>
        <translation>--notify gehört zu einem Befehl, der etwas ändert, ohne --json: Es teilt einem Menschen mit, was der Befehl getan hat.</translation>
    </message>
    <message>
        <source>--system changes what every new account of this machine gets: run it as root, for example with sudo.</source>
        <translation>--system ändert, was jedes neue Konto dieses Rechners erhält: Führen Sie es als root aus, zum Beispiel mit sudo.</translation>
    </message>
    <message>
        <source>Openwright keeps its lock file at %1, but a folder is there. Remove the folder and try again.</source>
        <translation>Openwright legt seine Sperrdatei unter %1 ab, aber dort ist ein Ordner. Entfernen Sie den Ordner und versuchen Sie es erneut.</translation>
    </message>
    <message>
        <source>Openwright keeps its lock file at %1, but something other than a file is there. Remove it and try again.</source>
        <translation>Openwright legt seine Sperrdatei unter %1 ab, aber dort ist etwas anderes als eine Datei. Entfernen Sie es und versuchen Sie es erneut.</translation>
    </message>
    <message>
        <source>Openwright&apos;s lock file %1 belongs to another user. Remove it and try again.</source>
        <translation>Die Sperrdatei %1 von Openwright gehört einem anderen Benutzer. Entfernen Sie sie und versuchen Sie es erneut.</translation>
    </message>
    <message>
        <source>Openwright cannot read its lock file %1: %2. Remove it and try again.</source>
        <translation>Openwright kann seine Sperrdatei %1 nicht lesen: %2. Entfernen Sie sie und versuchen Sie es erneut.</translation>
    </message>
    <message>
        <source>Openwright is busy with other commands. Try again in a moment.
</source>
        <translation>Openwright ist mit anderen Befehlen beschäftigt. Versuchen Sie es gleich noch einmal.
</translation>
    </message>
    <message>
        <source>default</source>
        <translation>Standard</translation>
    </message>
    <message>
        <source>as a parent type</source>
        <translation>als übergeordneter Typ</translation>
    </message>
    <message>
        <source>removed</source>
        <translation>entfernt</translation>
    </message>
    <message>
        <source>Declares no types in its desktop entry.</source>
        <translation>Gibt im Desktop-Eintrag keine Typen an.</translation>
    </message>
    <message numerus="yes">
        <source>Declares %n types; the default for %1 of them.</source>
        <translation>
            <numerusform>Gibt %n Typ an; Standardanwendung für %1 davon.</numerusform>
            <numerusform>Gibt %n Typen an; Standardanwendung für %1 davon.</numerusform>
        </translation>
    </message>
    <message>
        <source>The change could not be made</source>
        <translation>Die Änderung konnte nicht vorgenommen werden</translation>
    </message>
    <message>
        <source>Kept a copy as %1</source>
        <translation>Kopie als %1 aufbewahrt</translation>
    </message>
    <message>
        <source>Fixed %1</source>
        <translation>Korrigiert: %1</translation>
    </message>
    <message>
        <source>Not fixed: %1</source>
        <translation>Nicht korrigiert: %1</translation>
    </message>
    <message numerus="yes">
        <source>Left alone: %n no longer found, as the files changed meanwhile.</source>
        <translation>
            <numerusform>Übergangen: %n Problem ist nicht mehr zu finden, da sich die Dateien inzwischen geändert haben.</numerusform>
            <numerusform>Übergangen: %n Probleme sind nicht mehr zu finden, da sich die Dateien inzwischen geändert haben.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n problems in your defaults files</source>
        <translation>
            <numerusform>%n Problem in den Dateien Ihrer Standardanwendungen</numerusform>
            <numerusform>%n Probleme in den Dateien Ihrer Standardanwendungen</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n problems in your defaults files: see openwright doctor.</source>
        <translation>
            <numerusform>%n Problem in den Dateien Ihrer Standardanwendungen: siehe openwright doctor.</numerusform>
            <numerusform>%n Probleme in den Dateien Ihrer Standardanwendungen: siehe openwright doctor.</numerusform>
        </translation>
    </message>
    <message>
        <source>Every program already opens each type alike.</source>
        <translation>Jedes Programm öffnet jeden Typ bereits gleich.</translation>
    </message>
    <message>
        <source>every program agrees</source>
        <translation>alle Programme einig</translation>
    </message>
    <message>
        <source>still opens differently</source>
        <translation>öffnet sich weiterhin anders</translation>
    </message>
    <message>
        <source>nothing</source>
        <translation>nichts</translation>
    </message>
    <message>
        <source>no application; runs %1</source>
        <translation>keine Anwendung; führt %1 aus</translation>
    </message>
    <message>
        <source>%1 is %2. Each program would start:</source>
        <translation>%1 ist %2. Jedes Programm würde starten:</translation>
    </message>
    <message>
        <source>What each program that opens files starts:</source>
        <translation>Was jedes Programm startet, das Dateien öffnet:</translation>
    </message>
    <message numerus="yes">
        <source>%n types open differently in other programs: see openwright agree.</source>
        <translation>
            <numerusform>%n Typ öffnet sich in anderen Programmen anders: siehe openwright agree.</numerusform>
            <numerusform>%n Typen öffnen sich in anderen Programmen anders: siehe openwright agree.</numerusform>
        </translation>
    </message>
    <message>
        <source>still opens differently: %1</source>
        <translation>öffnet sich weiterhin anders: %1</translation>
    </message>
    <message>
        <source>left alone: its types open in different apps; choose one app for it first</source>
        <translation>unverändert gelassen: seine Typen öffnen sich in verschiedenen Apps; wählen Sie zuerst eine App dafür</translation>
    </message>
    <message>
        <source>%1 (%2 only)</source>
        <translation>%1 (nur %2)</translation>
    </message>
</context>
<context>
    <name>cli help</name>
    <message>
        <source>Show which application opens each type</source>
        <translation>Anzeigen, welche Anwendung jeden Typ öffnet</translation>
    </message>
    <message>
        <source>Shows each type&apos;s display form, title and current application, by name and desktop-file ID. Without TARGETs, every type Openwright watches, in the sections of its sidebar; pinned types are marked. With --candidates, every application that can open each type too, the current one marked with *.</source>
        <translation>Zeigt für jeden Typ Anzeigeform, Titel und aktuelle Anwendung, mit Namen und Desktop-Datei-ID. Ohne TARGETs jeden Typ, den Openwright verfolgt, in den Abschnitten seiner Seitenleiste; angeheftete Typen sind markiert. Mit --candidates zusätzlich jede Anwendung, die den jeweiligen Typ öffnen kann, die aktuelle mit * markiert.</translation>
    </message>
    <message>
        <source>List every type the system knows, with what opens it</source>
        <translation>Alle Typen auflisten, die das System kennt, mit dem, was sie öffnet</translation>
    </message>
    <message>
        <source>Lists every MIME type of the shared MIME database and every link type an installed application declares, grouped by media type: its MIME type, its description, its file-name patterns, the application that opens it and where that answer comes from. With TEXT, only the types whose MIME type, description, patterns or application hold it, in any case.</source>
        <translation>Listet jeden MIME-Typ der gemeinsamen MIME-Datenbank und jeden Linktyp, den eine installierte Anwendung angibt, nach Medientyp gruppiert auf: seinen MIME-Typ, seine Beschreibung, seine Dateinamensmuster, die Anwendung, die ihn öffnet, und woher diese Antwort stammt. Mit TEXT nur die Typen, deren MIME-Typ, Beschreibung, Muster oder Anwendung ihn enthält, ohne Unterscheidung von Groß- und Kleinschreibung.</translation>
    </message>
    <message>
        <source>Make APP open each TARGET</source>
        <translation>APP jedes TARGET öffnen lassen</translation>
    </message>
    <message>
        <source>Makes APP the default for each TARGET, all in one go, and prints each outcome (Changed, Already the default, or why not) and what opens each TARGET now. An application that does not say it can open a TARGET is refused, and nothing is changed, unless --force is given. Choosing a web browser for http: sets https:, .html and .htm with it. Exits with 1 when a change did not succeed. With --json and one TARGET, one object; with several, {&quot;changes&quot;: [...]} with one object each. With a family (video/*, audio/*, image/*, text/*) or --all in place of the TARGETs, every type APP declares there.</source>
        <translation>Macht APP in einem Zug zur Standardanwendung für jedes TARGET und gibt jedes Ergebnis aus (Geändert, Bereits die Standardanwendung oder warum nicht) sowie, was jedes TARGET jetzt öffnet. Eine Anwendung, die nicht angibt, ein TARGET öffnen zu können, wird abgelehnt, und nichts wird geändert, es sei denn, --force ist angegeben. Wird ein Webbrowser für http: gewählt, werden https:, .html und .htm mit festgelegt. Endet mit Status 1, wenn eine Änderung nicht gelungen ist. Mit --json und einem TARGET ein Objekt; mit mehreren {&quot;changes&quot;: [...]} mit je einem Objekt. Mit einer Familie (video/*, audio/*, image/*, text/*) oder --all anstelle der TARGETs jeden Typ, den APP dort angibt.</translation>
    </message>
    <message>
        <source>Let the system choose what opens each TARGET again</source>
        <translation>Wieder das System wählen lassen, was jedes TARGET öffnet</translation>
    </message>
    <message>
        <source>Removes your own choice for each TARGET (its line in your mimeapps.list and your desktop&apos;s own list, and the associations that choices added), so that each opens in what the system chooses by itself, and prints what that is. While automatic backups are on, the current defaults are backed up first. Exits with 1 when a choice could not be removed.</source>
        <translation>Entfernt Ihre eigene Wahl für jedes TARGET (seine Zeile in Ihrer mimeapps.list und in der eigenen Liste Ihrer Arbeitsumgebung sowie die Zuordnungen, die solche Wahlen hinzugefügt haben), sodass sich jedes in dem öffnet, was das System von sich aus wählt, und gibt aus, was das ist. Solange automatische Sicherungen eingeschaltet sind, werden die aktuellen Standardanwendungen zuerst gesichert. Endet mit Status 1, wenn eine Wahl nicht entfernt werden konnte.</translation>
    </message>
    <message>
        <source>Exit with 0 when APP opens TARGET, 1 when not</source>
        <translation>Mit Status 0 enden, wenn APP TARGET öffnet, sonst mit 1</translation>
    </message>
    <message>
        <source>Answers whether APP is the default for TARGET, for scripts: prints yes or no and exits with 0 or 1, as xdg-settings check does. The very entry counts when APP is a desktop-file ID, any packaging of the program when it is an identity.</source>
        <translation>Beantwortet für Skripte, ob APP die Standardanwendung für TARGET ist: gibt yes oder no aus und endet mit Status 0 oder 1, wie es xdg-settings check tut. Ist APP eine Desktop-Datei-ID, zählt genau dieser Eintrag; ist es eine Identität, jede Paketierung des Programms.</translation>
    </message>
    <message>
        <source>Explain which list decides the application for TARGET</source>
        <translation>Erklären, welche Liste über die Anwendung für TARGET entscheidet</translation>
    </message>
    <message>
        <source>Explains why TARGET opens where it does: every mimeapps.list the system reads, in the order of the freedesktop.org standard (your desktop&apos;s own list, yours, the administrator&apos;s, the distribution&apos;s, then the installed applications), what each says about the type, which entries are skipped because their application is not installed, and which one decides.</source>
        <translation>Erklärt, warum sich TARGET dort öffnet, wo es sich öffnet: jede mimeapps.list, die das System liest, in der Reihenfolge des freedesktop.org-Standards (die eigene Liste Ihrer Arbeitsumgebung, Ihre, die der Administration, die der Distribution, dann die installierten Anwendungen), was jede über den Typ sagt, welche Einträge übersprungen werden, weil ihre Anwendung nicht installiert ist, und welche entscheidet.</translation>
    </message>
    <message>
        <source>Show the order in which the system offers applications for TARGET</source>
        <translation>Die Reihenfolge anzeigen, in der das System Anwendungen für TARGET anbietet</translation>
    </message>
    <message>
        <source>Lists every application the system offers for TARGET, in the order it tries them, as gio mime lists them: the default first, then the applications added for it, then the others. The default is marked, and so are the applications that open it only as a parent type (a text editor for source code); the applications you removed from it follow. Change it with reorder, remove and restore-association.</source>
        <translation>Listet jede Anwendung, die das System für TARGET anbietet, in der Reihenfolge auf, in der es sie versucht, so wie gio mime sie auflistet: zuerst die Standardanwendung, dann die dafür hinzugefügten Anwendungen, dann die übrigen. Die Standardanwendung ist markiert, ebenso die Anwendungen, die es nur als übergeordneten Typ öffnen (ein Texteditor für Quelltext); danach folgen die Anwendungen, die Sie dafür entfernt haben. Ändern lässt sich die Reihenfolge mit reorder, remove und restore-association.</translation>
    </message>
    <message>
        <source>Make the system offer the APPs first for TARGET, in this order</source>
        <translation>Das System die APPs für TARGET zuerst anbieten lassen, in dieser Reihenfolge</translation>
    </message>
    <message>
        <source>Writes the APPs, in this order, as the default line of TARGET and its fallbacks and as associations added for it, in your mimeapps.list (and in your desktop&apos;s own list where that names TARGET): the first APP becomes the default, and the system offers the others next. A web browser&apos;s links, secure links and pages take the order together, and on KDE and Xfce the desktop&apos;s own browser setting takes the first APP. While automatic backups are on, the current defaults are backed up first. Prints the outcome and the new order; exits with 1 when the change did not succeed.</source>
        <translation>Schreibt die APPs in dieser Reihenfolge als Standardzeile von TARGET samt Ausweichanwendungen und als dafür hinzugefügte Zuordnungen in Ihre mimeapps.list (und in die eigene Liste Ihrer Arbeitsumgebung, wo diese TARGET nennt): Die erste APP wird zur Standardanwendung, und das System bietet die anderen als Nächstes an. Links, sichere Links und Seiten eines Webbrowsers übernehmen die Reihenfolge gemeinsam, und unter KDE und Xfce übernimmt die eigene Browsereinstellung der Arbeitsumgebung die erste APP. Solange automatische Sicherungen eingeschaltet sind, werden die aktuellen Standardanwendungen zuerst gesichert. Gibt das Ergebnis und die neue Reihenfolge aus; endet mit Status 1, wenn die Änderung nicht gelungen ist.</translation>
    </message>
    <message>
        <source>Stop the system offering APP for TARGET</source>
        <translation>Das System APP nicht mehr für TARGET anbieten lassen</translation>
    </message>
    <message>
        <source>Removes APP from what the system offers for TARGET: a [Removed Associations] line in your mimeapps.list, and APP leaves your default and added lines of TARGET. The system reads removals only in mimeapps.list, not in a desktop&apos;s own list: where the system still offers APP, the outcome says so. Undo it with restore-association. Backed up first, as every change; exits with 1 when the change did not succeed.</source>
        <translation>Entfernt APP aus dem, was das System für TARGET anbietet: eine Zeile [Removed Associations] in Ihrer mimeapps.list, und APP wird aus Ihrer Standardzeile und Ihren Zeilen hinzugefügter Zuordnungen für TARGET entfernt. Das System liest Entfernungen nur in mimeapps.list, nicht in der eigenen Liste einer Arbeitsumgebung: Wo das System APP weiterhin anbietet, sagt das Ergebnis es. Rückgängig machen lässt es sich mit restore-association. Wie bei jeder Änderung wird zuerst gesichert; endet mit Status 1, wenn die Änderung nicht gelungen ist.</translation>
    </message>
    <message>
        <source>Let the system offer APP for TARGET again</source>
        <translation>Das System APP wieder für TARGET anbieten lassen</translation>
    </message>
    <message>
        <source>Takes APP off the applications you removed from TARGET, so that the system offers it again, and prints the new order.</source>
        <translation>Streicht APP aus den Anwendungen, die Sie für TARGET entfernt haben, sodass das System sie wieder anbietet, und gibt die neue Reihenfolge aus.</translation>
    </message>
    <message>
        <source>Show the health score and the types that need attention</source>
        <translation>Den Zustandswert und die Typen anzeigen, die Aufmerksamkeit brauchen</translation>
    </message>
    <message>
        <source>Shows the share of known types that open in a specific, installed application, and lists the types that need attention.</source>
        <translation>Zeigt den Anteil bekannter Typen, die sich in einer bestimmten, installierten Anwendung öffnen, und listet die Typen auf, die Aufmerksamkeit brauchen.</translation>
    </message>
    <message>
        <source>Show the types APP declares and where it is the default</source>
        <translation>Die Typen anzeigen, die APP angibt, und wofür sie die Standardanwendung ist</translation>
    </message>
    <message>
        <source>Lists the MIME types APP&apos;s desktop entry declares, by family (Video, Audio, Images, Documents, Text &amp; Code, Archives, Links, Other), with what opens each now. To make APP the default for a family, use set video/* APP (or audio/*, image/*, text/*), or set --all APP for every type it declares.</source>
        <translation>Listet die MIME-Typen, die der Desktop-Eintrag von APP angibt, nach Familie auf (Video, Audio, Bilder, Dokumente, Text &amp; Code, Archive, Links, Sonstige), jeweils mit dem, was sie jetzt öffnet. Um APP zur Standardanwendung für eine Familie zu machen, verwenden Sie set video/* APP (oder audio/*, image/*, text/*), oder set --all APP für jeden Typ, den sie angibt.</translation>
    </message>
    <message>
        <source>Let the Default Guard watch TARGET</source>
        <translation>TARGET vom Standardwächter überwachen lassen</translation>
    </message>
    <message>
        <source>Pins TARGET, one of the types Openwright lists: when another application takes it over, the running Openwright notifies you and offers to put it back. With --keep it always keeps TARGET: it puts the application back at once and tells you, offering to allow the new one; after three takeovers within a minute it stops and waits for you. Without --keep, a kept type goes back to asking.</source>
        <translation>Heftet TARGET an, einen der Typen, die Openwright aufführt: Übernimmt eine andere Anwendung ihn, benachrichtigt Sie das laufende Openwright und bietet an, ihn zurückzusetzen. Mit --keep behält es TARGET immer: Es setzt die Anwendung sofort zurück und teilt es Ihnen mit, mit dem Angebot, die neue zuzulassen; nach drei Übernahmen innerhalb einer Minute hört es damit auf und wartet auf Sie. Ohne --keep wird bei einem immer behaltenen Typ wieder nachgefragt.</translation>
    </message>
    <message>
        <source>Stop watching TARGET</source>
        <translation>TARGET nicht mehr überwachen</translation>
    </message>
    <message>
        <source>Unpins TARGET.</source>
        <translation>Löst die Anheftung von TARGET.</translation>
    </message>
    <message>
        <source>Check the defaults now and print the changes found</source>
        <translation>Die Standardanwendungen jetzt prüfen und gefundene Änderungen ausgeben</translation>
    </message>
    <message>
        <source>Reads every watched default now, records it as the Default Guard does, and prints the changes it found since the last check.</source>
        <translation>Liest jetzt jede überwachte Standardanwendung, hält sie fest, wie es der Standardwächter tut, und gibt die Änderungen aus, die seit der letzten Prüfung gefunden wurden.</translation>
    </message>
    <message>
        <source>Print the pinned types and the changes the Default Guard spotted</source>
        <translation>Die angehefteten Typen und die vom Standardwächter bemerkten Änderungen ausgeben</translation>
    </message>
    <message>
        <source>Prints the pinned types (kept ones marked) and the changes the Default Guard spotted, newest first, with the program that probably made each where that can be told.</source>
        <translation>Gibt die angehefteten Typen (immer behaltene markiert) und die vom Standardwächter bemerkten Änderungen aus, die neuesten zuerst, jeweils mit dem Programm, das sie wahrscheinlich vorgenommen hat, sofern sich das sagen lässt.</translation>
    </message>
    <message>
        <source>Find problems in your defaults files, and fix them</source>
        <translation>Probleme in den Dateien Ihrer Standardanwendungen finden und beheben</translation>
    </message>
    <message>
        <source>Checks your own defaults files (mimeapps.list, your desktop&apos;s own list, the older lists in your applications folder) and your own desktop entries, and lists each problem with its file and line: lines naming applications no longer installed, another name of a type hiding its line, a type set twice, a default that is also removed, an older list or another desktop&apos;s list deciding instead of yours, entries of old &quot;open with a command&quot; dialogs and entries whose program is gone. A list that is a read-only link made by a configuration tool is explained, never changed. With --fix, repairs them: every changed file is first copied beside itself as NAME.before-cleanup-N, the defaults are backed up, and each file is written whole or not at all. Exits with 1 when a file could not be written.</source>
        <translation>Prüft die Dateien Ihrer eigenen Standardanwendungen (mimeapps.list, die eigene Liste Ihrer Arbeitsumgebung, die älteren Listen in Ihrem Anwendungsordner) und Ihre eigenen Desktop-Einträge und listet jedes Problem mit Datei und Zeile auf: Zeilen, die nicht mehr installierte Anwendungen nennen, ein anderer Name eines Typs, der dessen Zeile verdeckt, ein zweimal gesetzter Typ, eine Standardanwendung, die zugleich entfernt ist, eine ältere Liste oder die Liste einer anderen Arbeitsumgebung, die statt Ihrer entscheidet, Einträge alter Dialoge „Mit Befehl öffnen“ und Einträge, deren Programm nicht mehr vorhanden ist. Eine Liste, die eine schreibgeschützte Verknüpfung eines Konfigurationswerkzeugs ist, wird erklärt, nie geändert. Mit --fix werden die Probleme behoben: Jede geänderte Datei wird zuerst als NAME.before-cleanup-N neben sich kopiert, die Standardanwendungen werden gesichert, und jede Datei wird ganz oder gar nicht geschrieben. Endet mit Status 1, wenn eine Datei nicht geschrieben werden konnte.</translation>
    </message>
    <message>
        <source>List the profiles and what applying each would change</source>
        <translation>Die Profile auflisten und was das Anwenden jedes Profils ändern würde</translation>
    </message>
    <message>
        <source>Lists the built-in profiles and your own, each with its id and what applying it would change.</source>
        <translation>Listet die eingebauten Profile und Ihre eigenen auf, jeweils mit ID und dem, was das Anwenden ändern würde.</translation>
    </message>
    <message>
        <source>Show what applying profile NAME would do</source>
        <translation>Anzeigen, was das Anwenden des Profils NAME bewirken würde</translation>
    </message>
    <message>
        <source>Shows, type by type, what applying profile NAME would change, which defaults are already set and which applications are not installed.</source>
        <translation>Zeigt Typ für Typ, was das Anwenden des Profils NAME ändern würde, welche Standardanwendungen bereits festgelegt sind und welche Anwendungen nicht installiert sind.</translation>
    </message>
    <message>
        <source>Apply profile NAME</source>
        <translation>Profil NAME anwenden</translation>
    </message>
    <message>
        <source>Applies profile NAME and prints each step&apos;s outcome. While automatic backups are on, the current defaults are backed up first. Exits with 1 when any change did not succeed.</source>
        <translation>Wendet das Profil NAME an und gibt das Ergebnis jedes Schritts aus. Solange automatische Sicherungen eingeschaltet sind, werden die aktuellen Standardanwendungen zuerst gesichert. Endet mit Status 1, wenn eine Änderung nicht gelungen ist.</translation>
    </message>
    <message>
        <source>Export profiles to FILE</source>
        <translation>Profile in FILE exportieren</translation>
    </message>
    <message>
        <source>Writes your profiles NAME... to FILE, or without NAMEs all of your own, in the format that profile import and the window read. With --format=mimeapps, their defaults as a mimeapps.list fragment instead, for those who ship the file themselves; an entry whose application is not installed here is left out, with a comment.</source>
        <translation>Schreibt Ihre Profile NAME... in FILE, ohne NAMEs alle Ihre eigenen, in dem Format, das profile import und das Fenster lesen. Mit --format=mimeapps stattdessen ihre Standardanwendungen als mimeapps.list-Fragment, für alle, die die Datei selbst ausliefern; ein Eintrag, dessen Anwendung hier nicht installiert ist, wird mit einem Kommentar ausgelassen.</translation>
    </message>
    <message>
        <source>Add the profiles of an export file</source>
        <translation>Die Profile einer Exportdatei hinzufügen</translation>
    </message>
    <message>
        <source>Adds the profiles of an export FILE to your own; backups in it join your backups.</source>
        <translation>Fügt die Profile der Exportdatei FILE zu Ihren eigenen hinzu; darin enthaltene Sicherungen kommen zu Ihren Sicherungen hinzu.</translation>
    </message>
    <message>
        <source>List the backups, newest first</source>
        <translation>Die Sicherungen auflisten, die neuesten zuerst</translation>
    </message>
    <message>
        <source>Lists the backups, newest first, with their ids, why each was taken and how it differs from now.</source>
        <translation>Listet die Sicherungen auf, die neuesten zuerst, mit ihren IDs, dem Anlass jeder Sicherung und ihrem Unterschied zum jetzigen Stand.</translation>
    </message>
    <message>
        <source>Back up the current defaults</source>
        <translation>Die aktuellen Standardanwendungen sichern</translation>
    </message>
    <message>
        <source>Saves the current defaults as a backup.</source>
        <translation>Speichert die aktuellen Standardanwendungen als Sicherung.</translation>
    </message>
    <message>
        <source>Restore backup NAME</source>
        <translation>Sicherung NAME wiederherstellen</translation>
    </message>
    <message>
        <source>Puts back the defaults of backup NAME. While automatic backups are on, the current defaults are backed up first. Exits with 1 when any change did not succeed.</source>
        <translation>Stellt die Standardanwendungen der Sicherung NAME wieder her. Solange automatische Sicherungen eingeschaltet sind, werden die aktuellen Standardanwendungen zuerst gesichert. Endet mit Status 1, wenn eine Änderung nicht gelungen ist.</translation>
    </message>
    <message>
        <source>Delete backup NAME</source>
        <translation>Sicherung NAME löschen</translation>
    </message>
    <message>
        <source>Deletes backup NAME.</source>
        <translation>Löscht die Sicherung NAME.</translation>
    </message>
    <message>
        <source>Show help for a command</source>
        <translation>Hilfe zu einem Befehl anzeigen</translation>
    </message>
    <message>
        <source>Shows the help of COMMAND, or of the program.</source>
        <translation>Zeigt die Hilfe zu COMMAND oder zum Programm.</translation>
    </message>
    <message>
        <source>Make APP open every type it declares in FAMILY</source>
        <translation>APP jeden Typ öffnen lassen, den sie in FAMILY angibt</translation>
    </message>
    <message>
        <source>Makes APP the default for the types its desktop entry declares in FAMILY (video/*, audio/*, image/*, or text/* for text and code), or with --all for every type it declares, and never for a type it does not declare. Prints each type with its outcome; the changes run as one batch after a backup.</source>
        <translation>Macht APP zur Standardanwendung für die Typen, die ihr Desktop-Eintrag in FAMILY angibt (video/*, audio/*, image/* oder text/* für Text und Code), oder mit --all für jeden Typ, den sie angibt, und nie für einen Typ, den sie nicht angibt. Gibt jeden Typ mit seinem Ergebnis aus; die Änderungen laufen nach einer Sicherung in einem Durchgang.</translation>
    </message>
    <message>
        <source>Shows and changes which installed application opens each kind of file (by extension) and each kind of link (by URL scheme). Without a command, starts the application. Commands need no display; they print plain text, or with --json one JSON document for scripts.</source>
        <translation>Zeigt und ändert, welche installierte Anwendung jede Art von Datei (nach Endung) und jede Art von Link (nach URL-Schema) öffnet. Ohne Befehl wird die Anwendung gestartet. Befehle brauchen keine grafische Anzeige; sie geben reinen Text aus, oder mit --json ein JSON-Dokument für Skripte.</translation>
    </message>
    <message>
        <source>Commands that change Openwright&apos;s data (set, reset, reorder, remove, restore-association, pin, unpin, guard check, doctor, profile apply and import, backup now, restore and delete) are carried out by the running Openwright when there is one, so that the two never overwrite each other&apos;s files; otherwise the command holds Openwright&apos;s lock while it runs, and a window started meanwhile waits for it.</source>
        <translation>Befehle, die Daten von Openwright ändern (set, reset, reorder, remove, restore-association, pin, unpin, guard check, doctor, profile apply und import, backup now, restore und delete), werden vom laufenden Openwright ausgeführt, sofern eines läuft, damit sich die beiden nie gegenseitig die Dateien überschreiben; andernfalls hält der Befehl während seiner Ausführung die Sperre von Openwright, und ein währenddessen gestartetes Fenster wartet auf ihn.</translation>
    </message>
    <message>
        <source>A file extension (.pdf or pdf), a link type ending in a colon (mailto:), a MIME type (application/pdf, inode/directory; an alias such as application/x-pdf is read as the type it stands for), the role terminal (the terminal that programs which run in one open in), or a file or folder (./report.pdf, ~/Downloads): the type the system gives it by its name and contents. A word is a path when it starts with /, ./, ../ or ~, or when it names an existing file and cannot be an extension (report.pdf); any other single word (pdf) is an extension, and .terminal the extension of that name.</source>
        <translation>Eine Dateiendung (.pdf oder pdf), ein Linktyp mit Doppelpunkt am Ende (mailto:), ein MIME-Typ (application/pdf, inode/directory; ein Alias wie application/x-pdf gilt als der Typ, für den er steht), die Rolle terminal (das Terminal, in dem sich Programme öffnen, die in einem laufen) oder eine Datei bzw. ein Ordner (./report.pdf, ~/Downloads): der Typ, den das System nach Name und Inhalt dafür bestimmt. Ein Wort ist ein Pfad, wenn es mit /, ./, ../ oder ~ beginnt oder wenn es eine vorhandene Datei nennt und keine Endung sein kann (report.pdf); jedes andere einzelne Wort (pdf) ist eine Endung, und .terminal die Endung dieses Namens.</translation>
    </message>
    <message>
        <source>A desktop-file ID (org.gnome.Evince or org.gnome.Evince.desktop), an application identity (com.google.Chrome), or a name as status --candidates shows it; the start of a name is enough when no other name starts so. An ambiguous name is refused with the choices listed.</source>
        <translation>Eine Desktop-Datei-ID (org.gnome.Evince oder org.gnome.Evince.desktop), eine Anwendungsidentität (com.google.Chrome) oder ein Name, wie status --candidates ihn zeigt; der Anfang eines Namens genügt, wenn kein anderer Name so beginnt. Ein mehrdeutiger Name wird abgelehnt, wobei die Möglichkeiten aufgeführt werden.</translation>
    </message>
    <message>
        <source>Words to look for, such as tex or *.md.</source>
        <translation>Zu suchende Wörter, etwa tex oder *.md.</translation>
    </message>
    <message>
        <source>NAME</source>
        <translation>BEZEICHNUNG</translation>
    </message>
    <message>
        <source>A profile&apos;s or backup&apos;s name, or its id as profile list and backup list show it.</source>
        <translation>Der Name eines Profils oder einer Sicherung, oder die ID, wie profile list und backup list sie zeigen.</translation>
    </message>
    <message>
        <source>A file name, relative to the current folder.</source>
        <translation>Ein Dateiname, relativ zum aktuellen Ordner.</translation>
    </message>
    <message>
        <source>Print one JSON document instead of text.</source>
        <translation>Ein JSON-Dokument statt Text ausgeben.</translation>
    </message>
    <message>
        <source>Show the help of the program, or of the command given.</source>
        <translation>Die Hilfe zum Programm oder zum angegebenen Befehl anzeigen.</translation>
    </message>
    <message>
        <source>Show the version.</source>
        <translation>Die Version anzeigen.</translation>
    </message>
    <message>
        <source>Read or change what every new account of this machine gets: the system&apos;s list, the first folder of XDG_CONFIG_DIRS (/etc/xdg/mimeapps.list). Changing needs root; backups are kept apart, in /var/lib/openwright.</source>
        <translation>Lesen oder ändern, was jedes neue Konto dieses Rechners erhält: die Liste des Systems, im ersten Ordner von XDG_CONFIG_DIRS (/etc/xdg/mimeapps.list). Ändern erfordert root; Sicherungen werden getrennt aufbewahrt, in /var/lib/openwright.</translation>
    </message>
    <message>
        <source>With --system: read and write as DESKTOP (KDE, GNOME, XFCE) does, its own list first.</source>
        <translation>Mit --system: lesen und schreiben, wie es DESKTOP (KDE, GNOME, XFCE) tut, dessen eigene Liste zuerst.</translation>
    </message>
    <message>
        <source>With a command that changes: also show its outcome as a desktop notification, for a command started where no terminal shows what it prints (the desktop entry&apos;s Check Now and Back Up Now).</source>
        <translation>Bei einem Befehl, der etwas ändert: sein Ergebnis zusätzlich als Desktop-Benachrichtigung anzeigen, für einen Befehl, der dort gestartet wird, wo kein Terminal seine Ausgabe zeigt („Jetzt prüfen“ und „Jetzt sichern“ des Desktop-Eintrags).</translation>
    </message>
    <message>
        <source>Without a command: start with the window hidden, guarding from the tray (as at login).</source>
        <translation>Ohne Befehl: mit verborgenem Fenster starten und vom Infobereich aus wachen (wie bei der Anmeldung).</translation>
    </message>
    <message>
        <source>The language of the texts: German, French, Spanish, Brazilian Portuguese or Italian, else English. Dates and numbers in a sentence follow its language. --json output is always English.</source>
        <translation>Die Sprache der Texte: Deutsch, Französisch, Spanisch, brasilianisches Portugiesisch oder Italienisch, sonst Englisch. Datums- und Zahlenangaben in einem Satz folgen dessen Sprache. Die Ausgabe von --json ist immer englisch.</translation>
    </message>
    <message>
        <source>The desktops whose own defaults list (such as gnome-mimeapps.list) is read first and also written by set; on XFCE and KDE the desktop&apos;s own browser setting is read and written with the web links.</source>
        <translation>Die Arbeitsumgebungen, deren eigene Liste der Standardanwendungen (etwa gnome-mimeapps.list) zuerst gelesen und von set ebenfalls geschrieben wird; unter XFCE und KDE wird die eigene Browsereinstellung der Arbeitsumgebung mit den Weblinks gelesen und geschrieben.</translation>
    </message>
    <message>
        <source>Where mimeapps.list and the settings are (default ~/.config).</source>
        <translation>Wo mimeapps.list und die Einstellungen liegen (Standardwert ~/.config).</translation>
    </message>
    <message>
        <source>The administrator&apos;s defaults lists and desktop settings, below the user&apos;s (default /etc/xdg).</source>
        <translation>Die Listen der Standardanwendungen und die Arbeitsumgebungseinstellungen der Administration, nachrangig gegenüber denen des Benutzers (Standardwert /etc/xdg).</translation>
    </message>
    <message>
        <source>Where the applications of your own and Openwright&apos;s data files are (default ~/.local/share).</source>
        <translation>Wo Ihre eigenen Anwendungen und die Datendateien von Openwright liegen (Standardwert ~/.local/share).</translation>
    </message>
    <message>
        <source>Where the installed applications, the distribution&apos;s defaults lists, the MIME database and Xfce&apos;s helpers are (default /usr/local/share:/usr/share).</source>
        <translation>Wo die installierten Anwendungen, die Listen der Standardanwendungen der Distribution, die MIME-Datenbank und die Helfer von Xfce liegen (Standardwert /usr/local/share:/usr/share).</translation>
    </message>
    <message>
        <source>On Xfce, when its browser setting is Debian&apos;s sensible-browser helper: the browser that helper starts, before the x-www-browser alternative.</source>
        <translation>Unter Xfce, wenn dessen Browsereinstellung der Debian-Helfer sensible-browser ist: der Browser, den dieser Helfer startet, vor der Alternative x-www-browser.</translation>
    </message>
    <message>
        <source>When set and not empty, text output has no colours.</source>
        <translation>Wenn gesetzt und nicht leer, hat die Textausgabe keine Farben.</translation>
    </message>
    <message>
        <source>With --system: where the system&apos;s backups are kept (default /var/lib/openwright).</source>
        <translation>Mit --system: wo die Sicherungen des Systems aufbewahrt werden (Standardwert /var/lib/openwright).</translation>
    </message>
    <message>
        <source>When set to 1, the texts are shown in the pseudo-translation (longer, accented and bracketed), to find texts left untranslated or cut off.</source>
        <translation>Wenn auf 1 gesetzt, werden die Texte in der Pseudoübersetzung angezeigt (länger, mit Akzenten und in Klammern), um unübersetzte oder abgeschnittene Texte zu finden.</translation>
    </message>
    <message>
        <source>custom-types.json, profiles.json and guard.json: the added types, the profiles and backups, and the Default Guard&apos;s memory.</source>
        <translation>custom-types.json, profiles.json und guard.json: die hinzugefügten Typen, die Profile und Sicherungen sowie das Gedächtnis des Standardwächters.</translation>
    </message>
    <message>
        <source>The settings: the guard on or off and its interval, automatic backups and update checks.</source>
        <translation>Die Einstellungen: Wächter ein oder aus und sein Intervall, automatische Sicherungen und die Suche nach Aktualisierungen.</translation>
    </message>
    <message>
        <source>Present while &quot;Open at login&quot; is on: the session starts openwright --background.</source>
        <translation>Vorhanden, solange „Bei der Anmeldung öffnen“ eingeschaltet ist: Die Sitzung startet openwright --background.</translation>
    </message>
    <message>
        <source>The defaults that set changes, with the desktop&apos;s own list (such as gnome-mimeapps.list) where that would otherwise win.</source>
        <translation>Die Standardanwendungen, die set ändert, zusammen mit der eigenen Liste der Arbeitsumgebung (etwa gnome-mimeapps.list), wo diese sonst Vorrang hätte.</translation>
    </message>
    <message>
        <source>The administrator&apos;s and the distribution&apos;s defaults, read after the user&apos;s; never written.</source>
        <translation>Die Standardanwendungen der Administration und der Distribution, nach denen des Benutzers gelesen; nie geschrieben.</translation>
    </message>
    <message>
        <source>An older place of the user&apos;s defaults, still read by the system; the Clean Up moves what it decides.</source>
        <translation>Ein älterer Ort für die Standardanwendungen des Benutzers, vom System noch gelesen; „Aufräumen“ verschiebt, was dort entscheidet.</translation>
    </message>
    <message>
        <source>KDE&apos;s browser setting ([General] BrowserApplication), read and written by set.</source>
        <translation>Die Browsereinstellung von KDE ([General] BrowserApplication), von set gelesen und geschrieben.</translation>
    </message>
    <message>
        <source>Xfce&apos;s browser setting (WebBrowser, the name of an Xfce helper), read and written by set; the system&apos;s is in $XDG_CONFIG_DIRS/xfce4/helpers.rc.</source>
        <translation>Die Browsereinstellung von Xfce (WebBrowser, der Name eines Xfce-Helfers), von set gelesen und geschrieben; die des Systems steht in $XDG_CONFIG_DIRS/xfce4/helpers.rc.</translation>
    </message>
    <message>
        <source>The Xfce helper set writes for a browser that no installed helper starts.</source>
        <translation>Der Xfce-Helfer, den set für einen Browser schreibt, den kein installierter Helfer startet.</translation>
    </message>
    <message>
        <source>With --system: the system&apos;s backups and data, kept apart from every person&apos;s (OPENWRIGHT_SYSTEM_DATA).</source>
        <translation>Mit --system: die Sicherungen und Daten des Systems, getrennt von denen jeder Person aufbewahrt (OPENWRIGHT_SYSTEM_DATA).</translation>
    </message>
    <message>
        <source>What opens PDF files and email links.</source>
        <translation>Was PDF-Dateien und E-Mail-Links öffnet.</translation>
    </message>
    <message>
        <source>Why Markdown files open where they do: every list the system reads, in its order.</source>
        <translation>Warum sich Markdown-Dateien dort öffnen, wo sie sich öffnen: jede Liste, die das System liest, in seiner Reihenfolge.</translation>
    </message>
    <message>
        <source>Make Firefox the web browser: links, secure links and web pages together.</source>
        <translation>Firefox zum Webbrowser machen: Links, sichere Links und Webseiten zusammen.</translation>
    </message>
    <message>
        <source>Make VLC the default for every video type it declares.</source>
        <translation>VLC zur Standardanwendung für jeden Videotyp machen, den es angibt.</translation>
    </message>
    <message>
        <source>Ask in a script whether Thunderbird opens email links.</source>
        <translation>In einem Skript fragen, ob Thunderbird E-Mail-Links öffnet.</translation>
    </message>
    <message>
        <source>Write the profile Work to a file, to import elsewhere.</source>
        <translation>Das Profil Work in eine Datei schreiben, um es anderswo zu importieren.</translation>
    </message>
    <message>
        <source>The same answer as one JSON document, for scripts.</source>
        <translation>Dieselbe Antwort als ein JSON-Dokument, für Skripte.</translation>
    </message>
    <message>
        <source>Done.</source>
        <translation>Erledigt.</translation>
    </message>
    <message>
        <source>A change did not succeed, or the command could not be carried out.</source>
        <translation>Eine Änderung ist nicht gelungen, oder der Befehl konnte nicht ausgeführt werden.</translation>
    </message>
    <message>
        <source>Bad input: an unknown command or option, text that is not a type, a type the system does not recognise, or an unknown or ambiguous application or name.</source>
        <translation>Ungültige Eingabe: ein unbekannter Befehl oder eine unbekannte Option, Text, der kein Typ ist, ein Typ, den das System nicht erkennt, oder eine Anwendung oder ein Name, die unbekannt oder mehrdeutig sind.</translation>
    </message>
    <message>
        <source>SYNOPSIS</source>
        <translation>ÜBERSICHT</translation>
    </message>
    <message>
        <source>DESCRIPTION</source>
        <translation>BESCHREIBUNG</translation>
    </message>
    <message>
        <source>COMMANDS</source>
        <translation>BEFEHLE</translation>
    </message>
    <message>
        <source>ARGUMENTS</source>
        <translation>ARGUMENTE</translation>
    </message>
    <message>
        <source>OPTIONS</source>
        <translation>OPTIONEN</translation>
    </message>
    <message>
        <source>EXIT STATUS</source>
        <translation>EXIT-STATUS</translation>
    </message>
    <message>
        <source>ENVIRONMENT</source>
        <translation>UMGEBUNGSVARIABLEN</translation>
    </message>
    <message>
        <source>FILES</source>
        <translation>DATEIEN</translation>
    </message>
    <message>
        <source>EXAMPLES</source>
        <translation>BEISPIELE</translation>
    </message>
    <message>
        <source>SEE ALSO</source>
        <translation>SIEHE AUCH</translation>
    </message>
    <message>
        <source>Usage:</source>
        <translation>Aufruf:</translation>
    </message>
    <message>
        <source>Commands:</source>
        <translation>Befehle:</translation>
    </message>
    <message>
        <source>Arguments:</source>
        <translation>Argumente:</translation>
    </message>
    <message>
        <source>Options:</source>
        <translation>Optionen:</translation>
    </message>
    <message>
        <source>Exit status:</source>
        <translation>Exit-Status:</translation>
    </message>
    <message>
        <source>See &quot;%1&quot; for one command.</source>
        <translation>Siehe „%1“ für einen einzelnen Befehl.</translation>
    </message>
    <message>
        <source>User Commands</source>
        <translation>Dienstprogramme für Benutzer</translation>
    </message>
    <message>
        <source>show and change which application opens each file and link type</source>
        <translation>zeigt und ändert, welche Anwendung jeden Datei- und Linktyp öffnet</translation>
    </message>
    <message>
        <source>Open a file or link, or show what each program would start for it</source>
        <translation>Eine Datei oder einen Link öffnen oder anzeigen, was jedes Programm dafür starten würde</translation>
    </message>
    <message>
        <source>Opens LOCATION as GTK programs do. With --dry-run, starts nothing and prints what each program that opens files here would start for it, and why: GTK programs (GIO), KDE programs where KDE&apos;s libraries are installed, and xdg-open as it hands over on this desktop or decides by itself.</source>
        <translation>Öffnet LOCATION, wie GTK-Programme es tun. Mit --dry-run wird nichts gestartet, sondern ausgegeben, was jedes Programm, das hier Dateien öffnet, dafür starten würde, und warum: GTK-Programme (GIO), KDE-Programme, wo die Bibliotheken von KDE installiert sind, und xdg-open, je nachdem, ob es in dieser Arbeitsumgebung weitergibt oder selbst entscheidet.</translation>
    </message>
    <message>
        <source>Make every program open each TARGET alike</source>
        <translation>Jedes TARGET von allen Programmen gleich öffnen lassen</translation>
    </message>
    <message>
        <source>Where the programs that open files here would start different applications for a TARGET (GTK programs, KDE programs, xdg-open), writes what GTK programs start now as the TARGET&apos;s explicit default, which each of them honours. Without TARGETs, every type Openwright watches where they differ. While automatic backups are on, the current defaults are backed up first. Prints each TARGET and its outcome; exits with 1 when one still opens differently.</source>
        <translation>Schreibt für jedes TARGET, für das die Programme, die hier Dateien öffnen (GTK-Programme, KDE-Programme, xdg-open), verschiedene Anwendungen starten würden, die Anwendung, die GTK-Programme jetzt starten, als ausdrückliche Standardanwendung, die jedes dieser Programme befolgt. Ohne TARGETs für jeden Typ, den Openwright verfolgt und bei dem sie sich unterscheiden. Solange automatische Sicherungen eingeschaltet sind, werden die aktuellen Standardanwendungen zuerst gesichert. Gibt jedes TARGET mit seinem Ergebnis aus; endet mit Status 1, wenn sich eines weiterhin anders öffnet.</translation>
    </message>
    <message>
        <source>A file (./report.pdf, relative to the current folder) or a link (https://example.org, mailto:ann@example.org).</source>
        <translation>Eine Datei (./report.pdf, relativ zum aktuellen Ordner) oder ein Link (https://example.org, mailto:ann@example.org).</translation>
    </message>
    <message>
        <source>With open: say what each program would start, and start nothing.</source>
        <translation>Mit open: sagen, was jedes Programm starten würde, und nichts starten.</translation>
    </message>
</context>
<context>
    <name>openwright::AppModel</name>
    <message>
        <source>Added %1 to your applications</source>
        <translation>%1 zu Ihren Anwendungen hinzugefügt</translation>
    </message>
    <message>
        <source>Clean Up</source>
        <translation>Aufräumen</translation>
    </message>
    <message>
        <source>%1 for %2</source>
        <translation>%1 für %2</translation>
    </message>
    <message>
        <source>The order of %1</source>
        <translation>Die Reihenfolge für %1</translation>
    </message>
</context>
<context>
    <name>openwright::Notifier</name>
    <message>
        <source>%1 default put back</source>
        <translation>Standardanwendung für %1 zurückgesetzt</translation>
    </message>
    <message>
        <source>%1 default changed</source>
        <translation>Standardanwendung für %1 geändert</translation>
    </message>
    <message>
        <source>no app</source>
        <translation>keine Anwendung</translation>
    </message>
    <message>
        <source>%1 took over again, three times in a minute. Openwright stopped putting %2 back; Revert when the other program is done.</source>
        <translation>%1 hat erneut übernommen, dreimal in einer Minute. Openwright setzt %2 nicht mehr zurück; setzen Sie zurück, wenn das andere Programm fertig ist.</translation>
    </message>
    <message>
        <source>%1 replaced %2. Revert to keep %2.</source>
        <translation>%1 hat %2 ersetzt. Setzen Sie zurück, um %2 zu behalten.</translation>
    </message>
    <message>
        <source>1 second</source>
        <translation>1 Sekunde</translation>
    </message>
    <message>
        <source>%1 seconds</source>
        <translation>%1 Sekunden</translation>
    </message>
    <message>
        <source>1 minute</source>
        <translation>1 Minute</translation>
    </message>
    <message>
        <source>%1 minutes</source>
        <translation>%1 Minuten</translation>
    </message>
    <message>
        <source>1 hour</source>
        <translation>1 Stunde</translation>
    </message>
    <message>
        <source>%1 hours</source>
        <translation>%1 Stunden</translation>
    </message>
    <message>
        <source>Probably %1, which started %2 before</source>
        <translation>Wahrscheinlich %1, %2 zuvor gestartet</translation>
    </message>
    <message>
        <source>Probably %1, installed or updated %2 before</source>
        <translation>Wahrscheinlich %1, %2 zuvor installiert oder aktualisiert</translation>
    </message>
    <message>
        <source>Allow</source>
        <translation>Zulassen</translation>
    </message>
    <message>
        <source>Revert</source>
        <translation>Zurücksetzen</translation>
    </message>
    <message>
        <source>Openwright keeps guarding</source>
        <translation>Openwright wacht weiter</translation>
    </message>
    <message>
        <source>Your defaults are still watched with the window closed. To quit, open Openwright again and choose File → Quit.</source>
        <translation>Ihre Standardanwendungen werden auch bei geschlossenem Fenster überwacht. Zum Beenden öffnen Sie Openwright erneut und wählen Datei → Beenden.</translation>
    </message>
    <message>
        <source>%1 replaced %2. Openwright put %2 back. Choose Allow to keep %1.</source>
        <translation>%1 hat %2 ersetzt. Openwright hat %2 zurückgesetzt. Wählen Sie „Zulassen“, um %1 zu behalten.</translation>
    </message>
    <message>
        <source>%1 opens differently in KDE programs</source>
        <translation>%1 öffnet sich in KDE-Programmen anders</translation>
    </message>
    <message>
        <source>%1 opens differently with xdg-open</source>
        <translation>%1 öffnet sich mit xdg-open anders</translation>
    </message>
    <message>
        <source>KDE programs opened it in %1. Openwright made every program open %2 again. Choose Allow to open it in %1 everywhere.</source>
        <translation>KDE-Programme öffneten es in %1. Openwright hat wieder alle Programme %2 öffnen lassen. Wählen Sie Zulassen, um es überall in %1 zu öffnen.</translation>
    </message>
    <message>
        <source>xdg-open opened it in %1. Openwright made every program open %2 again. Choose Allow to open it in %1 everywhere.</source>
        <translation>xdg-open öffnete es in %1. Openwright hat wieder alle Programme %2 öffnen lassen. Wählen Sie Zulassen, um es überall in %1 zu öffnen.</translation>
    </message>
    <message>
        <source>KDE programs now open it in %1, not %2. Revert to make every program open %2.</source>
        <translation>KDE-Programme öffnen es jetzt in %1, nicht in %2. Setzen Sie zurück, damit alle Programme %2 öffnen.</translation>
    </message>
    <message>
        <source>xdg-open now opens it in %1, not %2. Revert to make every program open %2.</source>
        <translation>xdg-open öffnet es jetzt in %1, nicht in %2. Setzen Sie zurück, damit alle Programme %2 öffnen.</translation>
    </message>
</context>
<context>
    <name>openwright::Updater</name>
    <message>
        <source>The update feed is too large.</source>
        <translation>Der Update-Feed ist zu groß.</translation>
    </message>
    <message>
        <source>The update feed was not found (HTTP %1).</source>
        <translation>Der Update-Feed wurde nicht gefunden (HTTP %1).</translation>
    </message>
    <message>
        <source>The update server answered with an error (HTTP %1).</source>
        <translation>Der Update-Server hat mit einem Fehler geantwortet (HTTP %1).</translation>
    </message>
    <message>
        <source>The update server did not answer in time.</source>
        <translation>Der Update-Server hat nicht rechtzeitig geantwortet.</translation>
    </message>
    <message>
        <source>The update feed redirects too often or to an unsafe address.</source>
        <translation>Der Update-Feed leitet zu oft oder an eine unsichere Adresse weiter.</translation>
    </message>
    <message>
        <source>Could not reach the update server: %1</source>
        <translation>Der Update-Server ist nicht erreichbar: %1</translation>
    </message>
    <message>
        <source>The update feed could not be read: it is not an RSS document.</source>
        <translation>Der Update-Feed konnte nicht gelesen werden: Er ist kein RSS-Dokument.</translation>
    </message>
    <message>
        <source>The update feed lists no releases.</source>
        <translation>Der Update-Feed nennt keine Versionen.</translation>
    </message>
    <message>
        <source>The update feed&apos;s signature is not valid.</source>
        <translation>Die Signatur des Update-Feeds ist ungültig.</translation>
    </message>
    <message>
        <source>You&apos;re up to date.</source>
        <translation>Sie sind auf dem neuesten Stand.</translation>
    </message>
    <message>
        <source>Openwright %1 is available.</source>
        <translation>Openwright %1 ist verfügbar.</translation>
    </message>
</context>
<context>
    <name>openwright::ui::AddTypeSheet</name>
    <message>
        <source>That doesn&apos;t look like an extension or link type.</source>
        <translation>Das sieht nicht nach einer Dateiendung oder einem Linktyp aus.</translation>
    </message>
    <message>
        <source>Add a File Type or Link</source>
        <translation>Dateityp oder Link hinzufügen</translation>
    </message>
    <message>
        <source>Type a file extension like &lt;b&gt;.log&lt;/b&gt; or a link type like &lt;b&gt;zoommtg:&lt;/b&gt; (ending with a colon).</source>
        <translation>Geben Sie eine Dateiendung wie &lt;b&gt;.log&lt;/b&gt; oder einen Linktyp wie &lt;b&gt;zoommtg:&lt;/b&gt; (mit Doppelpunkt am Ende) ein.</translation>
    </message>
    <message>
        <source>.extension or scheme:</source>
        <translation>.endung oder schema:</translation>
    </message>
    <message>
        <source>File extension or link type</source>
        <translation>Dateiendung oder Linktyp</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Hinzufügen</translation>
    </message>
    <message>
        <source>Show</source>
        <translation>Anzeigen</translation>
    </message>
    <message>
        <source>%1 is already in %2.</source>
        <translation>%1 ist bereits in %2.</translation>
    </message>
    <message>
        <source>The system does not recognise %1 files: no app can open them until a program you install describes them. Added, the type waits for one.</source>
        <translation>Das System erkennt %1-Dateien nicht: Keine Anwendung kann sie öffnen, bis ein Programm, das Sie installieren, sie beschreibt. Hinzugefügt wartet der Typ darauf.</translation>
    </message>
</context>
<context>
    <name>openwright::ui::AllTypesView</name>
    <message>
        <source>Type</source>
        <translation>Typ</translation>
    </message>
    <message>
        <source>MIME Type</source>
        <translation>MIME-Typ</translation>
    </message>
    <message>
        <source>Patterns</source>
        <translation>Muster</translation>
    </message>
    <message>
        <source>Opens With</source>
        <translation>Öffnen mit</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Status</translation>
    </message>
    <message>
        <source>No patterns</source>
        <translation>Keine Muster</translation>
    </message>
    <message>
        <source>No default</source>
        <translation>Kein Standard</translation>
    </message>
    <message>
        <source>Unknown</source>
        <translation>Unbekannt</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <source>All Types</source>
        <translation>Alle Typen</translation>
    </message>
    <message>
        <source>Filter by description, MIME type, pattern or app</source>
        <translation>Nach Beschreibung, MIME-Typ, Muster oder Anwendung filtern</translation>
    </message>
    <message>
        <source>Filter types</source>
        <translation>Typen filtern</translation>
    </message>
    <message>
        <source>Reading every type…</source>
        <translation>Alle Typen werden gelesen …</translation>
    </message>
    <message>
        <source>The system&apos;s MIME database and every installed application are read once.</source>
        <translation>Die MIME-Datenbank des Systems und jede installierte Anwendung werden einmal gelesen.</translation>
    </message>
    <message>
        <source>All types</source>
        <translation>Alle Typen</translation>
    </message>
</context>
<context>
    <name>openwright::ui::AppChooser</name>
    <message>
        <source>Applications (*.desktop)</source>
        <translation>Anwendungen (*.desktop)</translation>
    </message>
    <message>
        <source>Use as Default</source>
        <translation>Als Standard verwenden</translation>
    </message>
    <message>
        <source>Choose Another App</source>
        <translation>Andere Anwendung wählen</translation>
    </message>
    <message>
        <source>Search applications</source>
        <translation>Anwendungen durchsuchen</translation>
    </message>
    <message>
        <source>Looking for applications…</source>
        <translation>Anwendungen werden gesucht …</translation>
    </message>
    <message>
        <source>Applications</source>
        <translation>Anwendungen</translation>
    </message>
    <message>
        <source>Browse…</source>
        <translation>Durchsuchen …</translation>
    </message>
    <message>
        <source>Choose an application&apos;s .desktop file from another folder</source>
        <translation>Die .desktop-Datei einer Anwendung aus einem anderen Ordner wählen</translation>
    </message>
    <message>
        <source>Replace the Installed App?</source>
        <translation>Installierte Anwendung ersetzen?</translation>
    </message>
    <message>
        <source>An app with the ID “%1” is already installed. Replace it with the one you chose?</source>
        <translation>Eine Anwendung mit der ID „%1“ ist bereits installiert. Durch die gewählte ersetzen?</translation>
    </message>
    <message>
        <source>Replace</source>
        <translation>Ersetzen</translation>
    </message>
    <message>
        <source>Choose the app that should open %1</source>
        <translation>Wählen Sie die Anwendung, die %1 öffnen soll</translation>
    </message>
    <message>
        <source>Made for %1</source>
        <translation>Für %1 gemacht</translation>
    </message>
</context>
<context>
    <name>openwright::ui::AppIconView</name>
    <message>
        <source>No application</source>
        <translation>Keine Anwendung</translation>
    </message>
</context>
<context>
    <name>openwright::ui::AppPicker</name>
    <message>
        <source>Loading…</source>
        <translation>Wird geladen …</translation>
    </message>
    <message>
        <source>No default</source>
        <translation>Kein Standard</translation>
    </message>
    <message>
        <source>Choose the app for %1 (%2)</source>
        <translation>Anwendung für %1 (%2) wählen</translation>
    </message>
    <message>
        <source>No apps can open this</source>
        <translation>Keine Anwendung kann dies öffnen</translation>
    </message>
    <message>
        <source>Choose Another App…</source>
        <translation>Andere Anwendung wählen …</translation>
    </message>
    <message>
        <source>Why this app?</source>
        <translation>Warum diese Anwendung?</translation>
    </message>
    <message>
        <source>Reset to System Default</source>
        <translation>Auf Systemstandard zurücksetzen</translation>
    </message>
    <message numerus="yes">
        <source>Choose Another App… shows %n more</source>
        <translation>
            <numerusform>„Andere Anwendung wählen …“ zeigt %n weitere</numerusform>
            <numerusform>„Andere Anwendung wählen …“ zeigt %n weitere</numerusform>
        </translation>
    </message>
    <message>
        <source>Order Apps…</source>
        <translation>Anwendungen anordnen …</translation>
    </message>
</context>
<context>
    <name>openwright::ui::ApplicationHits</name>
    <message>
        <source>Applications:</source>
        <translation>Anwendungen:</translation>
    </message>
    <message>
        <source>Show the types %1 opens</source>
        <translation>Die Typen anzeigen, die %1 öffnet</translation>
    </message>
    <message>
        <source>and %1 more</source>
        <translation>und %1 weitere</translation>
    </message>
</context>
<context>
    <name>openwright::ui::ApplicationPage</name>
    <message>
        <source>%1 declares no types in its desktop entry, so Openwright sets it for none. You can still choose it for a type from that type&apos;s list.</source>
        <translation>%1 gibt in seinem Desktop-Eintrag keine Typen an, daher legt Openwright die Anwendung für keinen Typ fest. Sie können sie trotzdem in der Liste eines Typs für diesen Typ wählen.</translation>
    </message>
    <message>
        <source>Use for All</source>
        <translation>Für alle verwenden</translation>
    </message>
    <message>
        <source>Make %1 the default for every type it declares</source>
        <translation>%1 zur Standardanwendung für jeden angegebenen Typ machen</translation>
    </message>
    <message>
        <source>%1 of %2 open in %3</source>
        <translation>%1 von %2 öffnen sich in %3</translation>
    </message>
    <message>
        <source>Use for All %1</source>
        <translation>Für alle %1 verwenden</translation>
    </message>
    <message>
        <source>Default</source>
        <translation>Standard</translation>
    </message>
    <message>
        <source>No application</source>
        <translation>Keine Anwendung</translation>
    </message>
    <message>
        <source>Use for This Type</source>
        <translation>Für diesen Typ verwenden</translation>
    </message>
    <message>
        <source>Use %1 for %2</source>
        <translation>%1 für %2 verwenden</translation>
    </message>
    <message numerus="yes">
        <source>Declares %n types</source>
        <translation>
            <numerusform>Gibt %n Typ an</numerusform>
            <numerusform>Gibt %n Typen an</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>default for %n types</source>
        <translation>
            <numerusform>Standard für %n Typ</numerusform>
            <numerusform>Standard für %n Typen</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>openwright::ui::ApplicationsView</name>
    <message>
        <source>Not a default</source>
        <translation>Keine Standardanwendung</translation>
    </message>
    <message>
        <source>Applications</source>
        <translation>Anwendungen</translation>
    </message>
    <message>
        <source>Search applications</source>
        <translation>Anwendungen durchsuchen</translation>
    </message>
    <message>
        <source>No Application Selected</source>
        <translation>Keine Anwendung ausgewählt</translation>
    </message>
    <message>
        <source>Choose an application to see the types it opens, and make it the default for all of them or for a whole family.</source>
        <translation>Wählen Sie eine Anwendung, um die Typen zu sehen, die sie öffnet, und machen Sie sie zur Standardanwendung für alle oder für eine ganze Familie.</translation>
    </message>
    <message>
        <source>Types the application opens</source>
        <translation>Typen, die die Anwendung öffnet</translation>
    </message>
    <message numerus="yes">
        <source>Default for %n types</source>
        <translation>
            <numerusform>Standard für %n Typ</numerusform>
            <numerusform>Standard für %n Typen</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>openwright::ui::BackupRow</name>
    <message>
        <source>Restore…</source>
        <translation>Wiederherstellen …</translation>
    </message>
    <message>
        <source>%1 from %2 %3</source>
        <translation>%1 vom %2 %3</translation>
    </message>
    <message>
        <source>Restore %1</source>
        <translation>%1 wiederherstellen</translation>
    </message>
    <message>
        <source>Delete this backup</source>
        <translation>Diese Sicherung löschen</translation>
    </message>
    <message>
        <source>Delete %1</source>
        <translation>%1 löschen</translation>
    </message>
    <message>
        <source>Same as now</source>
        <translation>Wie jetzt</translation>
    </message>
    <message numerus="yes">
        <source>%n defaults</source>
        <translation>
            <numerusform>%n Standardanwendung</numerusform>
            <numerusform>%n Standardanwendungen</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n different from now</source>
        <translation>
            <numerusform>%n Unterschied zu jetzt</numerusform>
            <numerusform>%n Unterschiede zu jetzt</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>openwright::ui::BackupsView</name>
    <message>
        <source>Backups</source>
        <translation>Sicherungen</translation>
    </message>
    <message>
        <source>Back Up Now</source>
        <translation>Jetzt sichern</translation>
    </message>
    <message>
        <source>Save your current defaults</source>
        <translation>Ihre aktuellen Standardanwendungen sichern</translation>
    </message>
    <message>
        <source>No Backups Yet</source>
        <translation>Noch keine Sicherungen</translation>
    </message>
    <message>
        <source>Back up your defaults before trying a profile or installing new apps, so you can put everything back.</source>
        <translation>Sichern Sie Ihre Standardanwendungen, bevor Sie ein Profil ausprobieren oder neue Anwendungen installieren, damit Sie alles zurückholen können.</translation>
    </message>
</context>
<context>
    <name>openwright::ui::CategoryListView</name>
    <message>
        <source>Add Type</source>
        <translation>Typ hinzufügen</translation>
    </message>
    <message>
        <source>Add any file extension or link type</source>
        <translation>Beliebige Dateiendung oder beliebigen Linktyp hinzufügen</translation>
    </message>
    <message>
        <source>Add a File Type or Link…</source>
        <translation>Dateityp oder Link hinzufügen …</translation>
    </message>
    <message>
        <source>Remove from My File Types</source>
        <translation>Aus „Meine Dateitypen“ entfernen</translation>
    </message>
</context>
<context>
    <name>openwright::ui::CategoryRow</name>
    <message>
        <source>Unpin %1</source>
        <translation>%1 lösen</translation>
    </message>
    <message>
        <source>Pin %1</source>
        <translation>%1 anheften</translation>
    </message>
    <message>
        <source>Default Guard is watching this default</source>
        <translation>Der Standardwächter überwacht diese Standardanwendung</translation>
    </message>
    <message>
        <source>Pin to get alerted if another app takes it over</source>
        <translation>Anheften, um gewarnt zu werden, wenn eine andere Anwendung sie übernimmt</translation>
    </message>
    <message>
        <source>No installed app can open %1</source>
        <translation>Keine installierte Anwendung kann %1 öffnen</translation>
    </message>
</context>
<context>
    <name>openwright::ui::ChangeRow</name>
    <message>
        <source>No default</source>
        <translation>Kein Standard</translation>
    </message>
    <message>
        <source>Changed in %1</source>
        <translation>Geändert in %1</translation>
    </message>
    <message>
        <source>Handled</source>
        <translation>Erledigt</translation>
    </message>
    <message>
        <source>Revert</source>
        <translation>Zurücksetzen</translation>
    </message>
    <message>
        <source>Revert %1 to %2</source>
        <translation>%1 auf %2 zurücksetzen</translation>
    </message>
    <message>
        <source>Keep</source>
        <translation>Behalten</translation>
    </message>
    <message>
        <source>Keep %1 for %2</source>
        <translation>%1 für %2 behalten</translation>
    </message>
    <message>
        <source>Taken over three times in a minute: the guard stopped putting it back</source>
        <translation>Dreimal in einer Minute übernommen: Der Wächter setzt es nicht mehr zurück</translation>
    </message>
    <message>
        <source>Put back</source>
        <translation>Zurückgesetzt</translation>
    </message>
    <message>
        <source>Allowed</source>
        <translation>Zugelassen</translation>
    </message>
    <message>
        <source>Allow</source>
        <translation>Zulassen</translation>
    </message>
    <message>
        <source>Allow %1 for %2</source>
        <translation>%1 für %2 zulassen</translation>
    </message>
    <message>
        <source>Only in KDE programs: the default is still %1</source>
        <translation>Nur in KDE-Programmen: Standard ist weiterhin %1</translation>
    </message>
    <message>
        <source>Only with xdg-open: the default is still %1</source>
        <translation>Nur mit xdg-open: Standard ist weiterhin %1</translation>
    </message>
</context>
<context>
    <name>openwright::ui::CleanUpSheet</name>
    <message>
        <source>Clean Up</source>
        <translation>Aufräumen</translation>
    </message>
    <message>
        <source>Clean Up Your Defaults Files</source>
        <translation>Dateien Ihrer Standardanwendungen aufräumen</translation>
    </message>
    <message>
        <source>Fix Selected</source>
        <translation>Auswahl korrigieren</translation>
    </message>
    <message>
        <source>Fix: %1</source>
        <translation>Korrektur: %1</translation>
    </message>
    <message>
        <source>No problems in your defaults files.</source>
        <translation>Keine Probleme in den Dateien Ihrer Standardanwendungen.</translation>
    </message>
    <message>
        <source>Fixed %1</source>
        <translation>Korrigiert: %1</translation>
    </message>
    <message>
        <source>The old file is kept as %1</source>
        <translation>Die alte Datei wird als %1 aufbewahrt</translation>
    </message>
    <message>
        <source>Not fixed: %1</source>
        <translation>Nicht korrigiert: %1</translation>
    </message>
    <message>
        <source>Left alone: %1 no longer found, as the files changed meanwhile.</source>
        <translation>Übergangene Probleme (die Dateien haben sich inzwischen geändert und zeigen sie nicht mehr): %1.</translation>
    </message>
    <message>
        <source>Nothing was changed.</source>
        <translation>Es wurde nichts geändert.</translation>
    </message>
    <message>
        <source>Each changed file is first copied beside itself, and your defaults are backed up. A fix changes which app opens a type only where it says so; one whose effect cannot be told beforehand is not selected.</source>
        <translation>Jede geänderte Datei wird zuerst neben sich kopiert, und Ihre Standardanwendungen werden gesichert. Eine Korrektur ändert nur dort, wo sie es sagt, welche Anwendung einen Typ öffnet; eine, deren Wirkung sich vorher nicht sagen lässt, ist nicht ausgewählt.</translation>
    </message>
    <message>
        <source>Problems found</source>
        <translation>Gefundene Probleme</translation>
    </message>
</context>
<context>
    <name>openwright::ui::DropInspector</name>
    <message>
        <source>What opens this file?</source>
        <translation>Was öffnet diese Datei?</translation>
    </message>
    <message>
        <source>Drop any file onto this window to see and change which app opens it</source>
        <translation>Ziehen Sie eine beliebige Datei auf dieses Fenster, um zu sehen und zu ändern, welche Anwendung sie öffnet</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Leeren</translation>
    </message>
    <message>
        <source>Add %1 to My File Types</source>
        <translation>%1 zu „Meine Dateitypen“ hinzufügen</translation>
    </message>
    <message>
        <source>Clear %1</source>
        <translation>%1 leeren</translation>
    </message>
</context>
<context>
    <name>openwright::ui::GuardView</name>
    <message>
        <source>Stop watching</source>
        <translation>Nicht mehr überwachen</translation>
    </message>
    <message>
        <source>Stop watching %1</source>
        <translation>%1 nicht mehr überwachen</translation>
    </message>
    <message>
        <source>No default</source>
        <translation>Kein Standard</translation>
    </message>
    <message>
        <source>Default Guard</source>
        <translation>Standardwächter</translation>
    </message>
    <message>
        <source>Check Now</source>
        <translation>Jetzt prüfen</translation>
    </message>
    <message>
        <source>Check for changed defaults now</source>
        <translation>Jetzt auf geänderte Standardanwendungen prüfen</translation>
    </message>
    <message>
        <source>Checks your defaults in the background. When an app takes over a pinned default, you get a notification with a Revert button.</source>
        <translation>Prüft Ihre Standardanwendungen im Hintergrund. Übernimmt eine Anwendung einen angehefteten Standard, erhalten Sie eine Benachrichtigung mit der Schaltfläche „Zurücksetzen“.</translation>
    </message>
    <message>
        <source>Pinned types</source>
        <translation>Angeheftete Typen</translation>
    </message>
    <message>
        <source>Recent Changes</source>
        <translation>Letzte Änderungen</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Leeren</translation>
    </message>
    <message>
        <source>Clear recent changes</source>
        <translation>Letzte Änderungen leeren</translation>
    </message>
    <message>
        <source>Recent changes</source>
        <translation>Letzte Änderungen</translation>
    </message>
    <message>
        <source>Pinned (%1)</source>
        <translation>Angeheftet (%1)</translation>
    </message>
    <message>
        <source>Click the pin next to any file type to watch it.</source>
        <translation>Klicken Sie auf die Nadel neben einem Dateityp, um ihn zu überwachen.</translation>
    </message>
    <message>
        <source>No changes spotted yet.</source>
        <translation>Noch keine Änderungen bemerkt.</translation>
    </message>
    <message>
        <source>Always keep</source>
        <translation>Immer behalten</translation>
    </message>
    <message>
        <source>Always keep %1</source>
        <translation>%1 immer behalten</translation>
    </message>
    <message>
        <source>Put the app back at once when another program takes this type over</source>
        <translation>Die Anwendung sofort zurücksetzen, wenn ein anderes Programm diesen Typ übernimmt</translation>
    </message>
</context>
<context>
    <name>openwright::ui::HealthCard</name>
    <message>
        <source>Health score</source>
        <translation>Zustandswert</translation>
    </message>
    <message>
        <source>The share of known file and link types that open in a specific app %1</source>
        <translation>Der Anteil bekannter Datei- und Linktypen, die sich in einer bestimmten Anwendung öffnen %1</translation>
    </message>
    <message>
        <source>Defaults Health</source>
        <translation>Zustand der Standards</translation>
    </message>
    <message>
        <source>Everything has a home.</source>
        <translation>Alles hat ein Zuhause.</translation>
    </message>
    <message numerus="yes">
        <source>%n types need attention</source>
        <translation>
            <numerusform>%n Typ braucht Aufmerksamkeit</numerusform>
            <numerusform>%n Typen brauchen Aufmerksamkeit</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>openwright::ui::HistoryHeader</name>
    <message>
        <source>Automatic Backup History</source>
        <translation>Verlauf der automatischen Sicherungen</translation>
    </message>
    <message>
        <source>Backs up before every profile, restore and Guard revert, and once a day. Unchanged days are skipped; automatic backups are kept for 30 days.</source>
        <translation>Sichert vor jedem Profil, jeder Wiederherstellung und jedem Zurücksetzen durch den Wächter sowie einmal täglich. Unveränderte Tage werden übersprungen; automatische Sicherungen werden 30 Tage lang aufbewahrt.</translation>
    </message>
</context>
<context>
    <name>openwright::ui::IssueRow</name>
    <message>
        <source>No installed app can open %1. Install one, or ignore it if you never use it.</source>
        <translation>Keine installierte Anwendung kann %1 öffnen. Installieren Sie eine, oder ignorieren Sie es, wenn Sie es nie brauchen.</translation>
    </message>
    <message>
        <source>Several apps can open it, but none is the default.</source>
        <translation>Mehrere Anwendungen können es öffnen, aber keine ist die Standardanwendung.</translation>
    </message>
    <message>
        <source>Set to %1, which is no longer installed.</source>
        <translation>Auf %1 gesetzt, das nicht mehr installiert ist.</translation>
    </message>
    <message>
        <source>Show</source>
        <translation>Anzeigen</translation>
    </message>
    <message>
        <source>Show %1</source>
        <translation>%1 anzeigen</translation>
    </message>
</context>
<context>
    <name>openwright::ui::MainWindow</name>
    <message>
        <source>Openwright</source>
        <translation>Openwright</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Datei</translation>
    </message>
    <message>
        <source>Refresh Defaults</source>
        <translation>Standardanwendungen neu einlesen</translation>
    </message>
    <message>
        <source>Back Up Now</source>
        <translation>Jetzt sichern</translation>
    </message>
    <message>
        <source>Settings…</source>
        <translation>Einstellungen …</translation>
    </message>
    <message>
        <source>Close Window</source>
        <translation>Fenster schließen</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Beenden</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Bearbeiten</translation>
    </message>
    <message>
        <source>Find Type</source>
        <translation>Typ suchen</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>About Openwright</source>
        <translation>Über Openwright</translation>
    </message>
    <message>
        <source>&lt;h3&gt;Openwright %1&lt;/h3&gt;&lt;p&gt;Shows and changes which application opens each kind of file and link, and keeps them that way.&lt;/p&gt;</source>
        <translation>&lt;h3&gt;Openwright %1&lt;/h3&gt;&lt;p&gt;Zeigt und ändert, welche Anwendung jede Art von Datei und Link öffnet, und sorgt dafür, dass es so bleibt.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>Check for Updates…</source>
        <translation>Nach Aktualisierungen suchen …</translation>
    </message>
</context>
<context>
    <name>openwright::ui::OpenwrightApp</name>
    <message>
        <source>Openwright keeps guarding your default applications with its window closed.</source>
        <translation>Openwright überwacht Ihre Standardanwendungen auch bei geschlossenem Fenster weiter.</translation>
    </message>
</context>
<context>
    <name>openwright::ui::OrderSheet</name>
    <message>
        <source>Move Up</source>
        <translation>Nach oben</translation>
    </message>
    <message>
        <source>Move Down</source>
        <translation>Nach unten</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Entfernen</translation>
    </message>
    <message>
        <source>Order Apps</source>
        <translation>Anwendungen anordnen</translation>
    </message>
    <message>
        <source>The apps offered for %1</source>
        <translation>Die angebotenen Anwendungen für %1</translation>
    </message>
    <message>
        <source>The system tries them in this order: the first is the default. An app you remove is no longer offered for it, until you give it back.</source>
        <translation>Das System versucht sie in dieser Reihenfolge: Die erste ist der Standard. Eine entfernte Anwendung wird dafür nicht mehr angeboten, bis Sie sie zurückgeben.</translation>
    </message>
    <message>
        <source>Apps offered for %1</source>
        <translation>Angebotene Anwendungen für %1</translation>
    </message>
    <message>
        <source>%1 (removed)</source>
        <translation>%1 (entfernt)</translation>
    </message>
    <message>
        <source>Give Back</source>
        <translation>Zurückgeben</translation>
    </message>
    <message>
        <source>In bold: the apps made for it. The others open it as a parent type.</source>
        <translation>Fett: die Anwendungen, die dafür gemacht sind. Die anderen öffnen es als übergeordneten Typ.</translation>
    </message>
</context>
<context>
    <name>openwright::ui::OverviewView</name>
    <message>
        <source>Reading your defaults…</source>
        <translation>Ihre Standardanwendungen werden gelesen …</translation>
    </message>
    <message>
        <source>Overview</source>
        <translation>Übersicht</translation>
    </message>
    <message>
        <source>Types with a default</source>
        <translation>Typen mit Standardanwendung</translation>
    </message>
    <message>
        <source>Backups</source>
        <translation>Sicherungen</translation>
    </message>
    <message>
        <source>Changes spotted by Guard</source>
        <translation>Vom Wächter bemerkte Änderungen</translation>
    </message>
    <message>
        <source>Needs attention</source>
        <translation>Braucht Aufmerksamkeit</translation>
    </message>
    <message>
        <source>Clean Up…</source>
        <translation>Aufräumen …</translation>
    </message>
    <message numerus="yes">
        <source>%n problems in your defaults files</source>
        <translation>
            <numerusform>%n Problem in den Dateien Ihrer Standardanwendungen</numerusform>
            <numerusform>%n Probleme in den Dateien Ihrer Standardanwendungen</numerusform>
        </translation>
    </message>
    <message>
        <source>Make every program agree</source>
        <translation>Alle Programme angleichen</translation>
    </message>
    <message numerus="yes">
        <source>%n types open differently in other programs</source>
        <translation>
            <numerusform>%n Typ öffnet sich in anderen Programmen anders</numerusform>
            <numerusform>%n Typen öffnen sich in anderen Programmen anders</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>openwright::ui::ProfileCard</name>
    <message>
        <source>Preset</source>
        <translation>Vorlage</translation>
    </message>
    <message>
        <source>%1 of %2 to change</source>
        <translation>%1 von %2 zu ändern</translation>
    </message>
    <message>
        <source>All set</source>
        <translation>Alles eingestellt</translation>
    </message>
</context>
<context>
    <name>openwright::ui::ProfileSheet</name>
    <message>
        <source>Steps</source>
        <translation>Schritte</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>%1 of %2 changed.</source>
        <translation>%1 von %2 geändert.</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Fertig</translation>
    </message>
    <message numerus="yes">
        <source>%n defaults</source>
        <translation>
            <numerusform>%n Standardanwendung</numerusform>
            <numerusform>%n Standardanwendungen</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n already set</source>
        <translation>
            <numerusform>%n bereits festgelegt</numerusform>
            <numerusform>%n bereits festgelegt</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Restore %n Defaults</source>
        <translation>
            <numerusform>%n Standardanwendung wiederherstellen</numerusform>
            <numerusform>%n Standardanwendungen wiederherstellen</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Apply %n Changes</source>
        <translation>
            <numerusform>%n Änderung anwenden</numerusform>
            <numerusform>%n Änderungen anwenden</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>openwright::ui::ProfilesView</name>
    <message>
        <source>JSON files (*.json)</source>
        <translation>JSON-Dateien (*.json)</translation>
    </message>
    <message>
        <source>Profiles</source>
        <translation>Profile</translation>
    </message>
    <message>
        <source>Save Current as Profile</source>
        <translation>Aktuelle als Profil speichern</translation>
    </message>
    <message>
        <source>Save your current defaults as a profile</source>
        <translation>Ihre aktuellen Standardanwendungen als Profil speichern</translation>
    </message>
    <message>
        <source>Import &amp; Export</source>
        <translation>Import &amp; Export</translation>
    </message>
    <message>
        <source>Import Profiles…</source>
        <translation>Profile importieren …</translation>
    </message>
    <message>
        <source>Export My Profiles…</source>
        <translation>Meine Profile exportieren …</translation>
    </message>
    <message>
        <source>Export…</source>
        <translation>Exportieren …</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Löschen</translation>
    </message>
    <message>
        <source>Export failed: %1</source>
        <translation>Export fehlgeschlagen: %1</translation>
    </message>
    <message>
        <source>Save Current Defaults</source>
        <translation>Aktuelle Standards speichern</translation>
    </message>
    <message>
        <source>Profile name</source>
        <translation>Profilname</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Speichern</translation>
    </message>
    <message>
        <source>My Profile</source>
        <translation>Mein Profil</translation>
    </message>
    <message numerus="yes">
        <source>Exported %n profile(s).</source>
        <translation>
            <numerusform>%n Profil exportiert.</numerusform>
            <numerusform>%n Profile exportiert.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Imported %n profile(s).</source>
        <translation>
            <numerusform>%n Profil importiert.</numerusform>
            <numerusform>%n Profile importiert.</numerusform>
        </translation>
    </message>
    <message>
        <source>Deleted “%1”.</source>
        <translation>„%1“ gelöscht.</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Rückgängig</translation>
    </message>
</context>
<context>
    <name>openwright::ui::RootView</name>
    <message>
        <source>Search types, e.g. .md or browser</source>
        <translation>Typen suchen, z. B. .md oder Browser</translation>
    </message>
    <message>
        <source>Search types</source>
        <translation>Typen suchen</translation>
    </message>
    <message>
        <source>Refresh</source>
        <translation>Neu einlesen</translation>
    </message>
    <message>
        <source>Re-read all defaults (Ctrl+R)</source>
        <translation>Alle Standardanwendungen neu einlesen (Strg+R)</translation>
    </message>
    <message>
        <source>Openwright could not save its data: %1</source>
        <translation>Openwright konnte seine Daten nicht speichern: %1</translation>
    </message>
    <message>
        <source>No file types match</source>
        <translation>Keine Dateitypen gefunden</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>Suchen</translation>
    </message>
    <message>
        <source>Nothing here yet.</source>
        <translation>Hier ist noch nichts.</translation>
    </message>
</context>
<context>
    <name>openwright::ui::SettingsView</name>
    <message>
        <source>1 minute</source>
        <translation>1 Minute</translation>
    </message>
    <message>
        <source>%1 seconds</source>
        <translation>%1 Sekunden</translation>
    </message>
    <message>
        <source>General</source>
        <translation>Allgemein</translation>
    </message>
    <message>
        <source>Open at login</source>
        <translation>Bei der Anmeldung öffnen</translation>
    </message>
    <message>
        <source>Updates</source>
        <translation>Aktualisierungen</translation>
    </message>
    <message>
        <source>Check for updates automatically</source>
        <translation>Automatisch nach Aktualisierungen suchen</translation>
    </message>
    <message>
        <source>Check Now</source>
        <translation>Jetzt prüfen</translation>
    </message>
    <message>
        <source>Default Guard</source>
        <translation>Standardwächter</translation>
    </message>
    <message>
        <source>Watch for changed defaults</source>
        <translation>Auf geänderte Standardanwendungen achten</translation>
    </message>
    <message>
        <source>Check every</source>
        <translation>Prüfen alle</translation>
    </message>
    <message>
        <source>30 seconds</source>
        <translation>30 Sekunden</translation>
    </message>
    <message>
        <source>5 minutes</source>
        <translation>5 Minuten</translation>
    </message>
    <message>
        <source>15 minutes</source>
        <translation>15 Minuten</translation>
    </message>
    <message>
        <source>Openwright also checks whenever an app launches or quits.</source>
        <translation>Openwright prüft auch, wann immer eine Anwendung startet oder beendet wird.</translation>
    </message>
    <message numerus="yes">
        <source>%n minutes</source>
        <translation>
            <numerusform>%n Minute</numerusform>
            <numerusform>%n Minuten</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n seconds</source>
        <translation>
            <numerusform>%n Sekunde</numerusform>
            <numerusform>%n Sekunden</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>openwright::ui::SettingsWindow</name>
    <message>
        <source>Settings</source>
        <translation>Einstellungen</translation>
    </message>
</context>
<context>
    <name>openwright::ui::Sidebar</name>
    <message>
        <source>Sidebar</source>
        <translation>Seitenleiste</translation>
    </message>
</context>
<context>
    <name>openwright::ui::SidebarModel</name>
    <message>
        <source>Overview</source>
        <translation>Übersicht</translation>
    </message>
    <message>
        <source>File &amp; Link Types</source>
        <translation>Datei- &amp; Linktypen</translation>
    </message>
    <message>
        <source>Tools</source>
        <translation>Werkzeuge</translation>
    </message>
    <message>
        <source>Profiles</source>
        <translation>Profile</translation>
    </message>
    <message>
        <source>Backups</source>
        <translation>Sicherungen</translation>
    </message>
    <message>
        <source>Default Guard</source>
        <translation>Standardwächter</translation>
    </message>
    <message>
        <source>Applications</source>
        <translation>Anwendungen</translation>
    </message>
    <message>
        <source>All Types</source>
        <translation>Alle Typen</translation>
    </message>
    <message numerus="yes">
        <source>%n changes wait</source>
        <translation>
            <numerusform>%n Änderung wartet</numerusform>
            <numerusform>%n Änderungen warten</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n types</source>
        <translation>
            <numerusform>%n Typ</numerusform>
            <numerusform>%n Typen</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>openwright::ui::Spinner</name>
    <message>
        <source>Working</source>
        <translation>In Arbeit</translation>
    </message>
</context>
<context>
    <name>openwright::ui::StepRow</name>
    <message>
        <source>No default</source>
        <translation>Kein Standard</translation>
    </message>
    <message>
        <source>Already set</source>
        <translation>Bereits eingestellt</translation>
    </message>
    <message>
        <source>%1 isn&apos;t installed</source>
        <translation>%1 ist nicht installiert</translation>
    </message>
</context>
<context>
    <name>openwright::ui::TrayIcon</name>
    <message>
        <source>Openwright</source>
        <translation>Openwright</translation>
    </message>
    <message>
        <source>Open Openwright</source>
        <translation>Openwright öffnen</translation>
    </message>
    <message>
        <source>Check now</source>
        <translation>Jetzt prüfen</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Einstellungen</translation>
    </message>
    <message>
        <source>Quit Openwright</source>
        <translation>Openwright beenden</translation>
    </message>
</context>
<context>
    <name>openwright::ui::TrayPanel</name>
    <message>
        <source>Openwright</source>
        <translation>Openwright</translation>
    </message>
    <message>
        <source>Recent changes</source>
        <translation>Letzte Änderungen</translation>
    </message>
    <message>
        <source>Open Openwright</source>
        <translation>Openwright öffnen</translation>
    </message>
    <message>
        <source>Check now</source>
        <translation>Jetzt prüfen</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Einstellungen</translation>
    </message>
    <message>
        <source>Quit Openwright</source>
        <translation>Openwright beenden</translation>
    </message>
    <message>
        <source>Health %1</source>
        <translation>Zustand %1</translation>
    </message>
    <message>
        <source>Default Guard is off</source>
        <translation>Der Standardwächter ist aus</translation>
    </message>
    <message>
        <source>none</source>
        <translation>keine</translation>
    </message>
    <message>
        <source>Revert</source>
        <translation>Zurücksetzen</translation>
    </message>
    <message>
        <source>Revert %1 to %2</source>
        <translation>%1 auf %2 zurücksetzen</translation>
    </message>
    <message numerus="yes">
        <source>Guard is watching %n pinned defaults</source>
        <translation>
            <numerusform>Der Wächter überwacht %n angeheftete Standardanwendung</numerusform>
            <numerusform>Der Wächter überwacht %n angeheftete Standardanwendungen</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>openwright::ui::TypeHits</name>
    <message>
        <source>Other types:</source>
        <translation>Weitere Typen:</translation>
    </message>
    <message numerus="yes">
        <source>All %n in All Types</source>
        <translation>
            <numerusform>%n in Alle Typen</numerusform>
            <numerusform>Alle %n in Alle Typen</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>openwright::ui::UpdatePrompt</name>
    <message>
        <source>Openwright</source>
        <translation>Openwright</translation>
    </message>
    <message>
        <source>Open Download Page</source>
        <translation>Download-Seite öffnen</translation>
    </message>
    <message>
        <source>Later</source>
        <translation>Später</translation>
    </message>
</context>
<context>
    <name>openwright::ui::WhyPanel</name>
    <message>
        <source>Why this app?</source>
        <translation>Warum diese Anwendung?</translation>
    </message>
    <message>
        <source>Why %1 opens where it does</source>
        <translation>Warum sich %1 dort öffnet, wo es sich öffnet</translation>
    </message>
    <message>
        <source>Reading the lists…</source>
        <translation>Listen werden gelesen …</translation>
    </message>
    <message>
        <source>Explanation</source>
        <translation>Erklärung</translation>
    </message>
    <message>
        <source>Type: %1</source>
        <translation>Typ: %1</translation>
    </message>
    <message>
        <source>Where the system looked, in order</source>
        <translation>Wo das System gesucht hat, der Reihe nach</translation>
    </message>
    <message>
        <source>(decides)</source>
        <translation>(entscheidet)</translation>
    </message>
    <message>
        <source>Skipped, not installed: %1</source>
        <translation>Übersprungen, nicht installiert: %1</translation>
    </message>
    <message>
        <source>Removed: %1</source>
        <translation>Entfernt: %1</translation>
    </message>
</context>
</TS>
