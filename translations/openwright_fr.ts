<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR">
<context>
    <name>AppModel</name>
    <message numerus="yes">
        <source>%n defaults</source>
        <translation>
            <numerusform>%n application par défaut</numerusform>
            <numerusform>%n applications par défaut</numerusform>
        </translation>
    </message>
    <message>
        <source>Importing these profiles would make your profiles file larger than Openwright can read back (%1 MB). Nothing was imported; delete some backups or profiles first.</source>
        <translation>Importer ces profils rendrait votre fichier de profils plus grand qu’Openwright ne peut le relire (%1 Mo). Rien n’a été importé ; supprimez d’abord des sauvegardes ou des profils.</translation>
    </message>
    <message>
        <source>Already there, not imported again: %1.</source>
        <translation>Déjà présent, non importé à nouveau : %1.</translation>
    </message>
</context>
<context>
    <name>ApplicationIndex</name>
    <message>
        <source>Use %1 for All %2</source>
        <translation>Utiliser %1 pour tout : %2</translation>
    </message>
    <message>
        <source>Use %1 for All Its Types</source>
        <translation>Utiliser %1 pour tous ses types</translation>
    </message>
    <message numerus="yes">
        <source>%1 declares %n type(s) in %2.</source>
        <translation>
            <numerusform>%1 déclare %n type dans %2.</numerusform>
            <numerusform>%1 déclare %n types dans %2.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 declares %n type(s).</source>
        <translation>
            <numerusform>%1 déclare %n type.</numerusform>
            <numerusform>%1 déclare %n types.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>Applications</name>
    <message>
        <source>That file is not UTF-8 text, as a desktop entry must be.</source>
        <translation>Ce fichier n’est pas du texte UTF-8, comme doit l’être une entrée de bureau.</translation>
    </message>
    <message>
        <source>That file is not a desktop entry.</source>
        <translation>Ce fichier n’est pas une entrée de bureau.</translation>
    </message>
    <message>
        <source>That file is not a desktop entry: it has no [Desktop Entry] group.</source>
        <translation>Ce fichier n’est pas une entrée de bureau : il n’a pas de groupe [Desktop Entry].</translation>
    </message>
    <message>
        <source>That entry is not an application: its Type is %1.</source>
        <translation>Cette entrée n’est pas une application : son Type est %1.</translation>
    </message>
    <message>
        <source>That entry is not an application: it has no Type.</source>
        <translation>Cette entrée n’est pas une application : elle n’a pas de Type.</translation>
    </message>
    <message>
        <source>That entry does not say which program to run: it has no Exec line.</source>
        <translation>Cette entrée n’indique pas quel programme lancer : elle n’a pas de ligne Exec.</translation>
    </message>
    <message>
        <source>The program that entry runs is not installed.</source>
        <translation>Le programme que lance cette entrée n’est pas installé.</translation>
    </message>
    <message>
        <source>The system does not list the added application yet.</source>
        <translation>Le système ne liste pas encore l’application ajoutée.</translation>
    </message>
    <message>
        <source>That application is not installed where the system finds it</source>
        <translation>Cette application n’est pas installée là où le système la trouve</translation>
    </message>
    <message>
        <source>Your mimeapps.list could not be read, so it was kept as %1</source>
        <translation>Votre mimeapps.list n’a pas pu être lu ; il a été conservé sous le nom %1</translation>
    </message>
    <message>
        <source>Your mimeapps.list could not be read or kept aside, so nothing was changed</source>
        <translation>Votre mimeapps.list n’a pu être ni lu ni mis de côté ; rien n’a donc été modifié</translation>
    </message>
    <message>
        <source>%1 is read-only, as a configuration tool leaves it, so nothing was changed. Change it where your configuration is kept.</source>
        <translation>%1 est en lecture seule, comme le laisse un outil de configuration ; rien n’a donc été modifié. Modifiez-le là où votre configuration est gérée.</translation>
    </message>
    <message>
        <source>%1: links</source>
        <translation>Liens %1:</translation>
    </message>
    <message>
        <source>The terminal has one choice, not an order: set it instead.</source>
        <translation>Le terminal est un choix, pas un ordre : définissez-le plutôt.</translation>
    </message>
    <message>
        <source>The system still offers %1: a list of the desktop or the administrator names it, and the system reads removals only in mimeapps.list.</source>
        <translation>Le système propose toujours %1 : une liste du bureau ou de l&apos;administrateur le nomme, et le système ne lit les suppressions que dans mimeapps.list.</translation>
    </message>
    <message>
        <source>The system does not offer them in this order yet.</source>
        <translation>Le système ne les propose pas encore dans cet ordre.</translation>
    </message>
</context>
<context>
    <name>BackupReason</name>
    <message>
        <source>Saved by you</source>
        <translation>Enregistrée par vous</translation>
    </message>
    <message>
        <source>Daily backup</source>
        <translation>Sauvegarde quotidienne</translation>
    </message>
    <message>
        <source>Before applying “%1”</source>
        <translation>Avant d’appliquer « %1 »</translation>
    </message>
    <message>
        <source>Before restoring “%1”</source>
        <translation>Avant de restaurer « %1 »</translation>
    </message>
    <message>
        <source>Before reverting %1</source>
        <translation>Avant de rétablir %1</translation>
    </message>
</context>
<context>
    <name>Catalog</name>
    <message>
        <source>System Roles</source>
        <translation>Rôles système</translation>
    </message>
    <message>
        <source>Documents &amp; Office</source>
        <translation>Documents et bureautique</translation>
    </message>
    <message>
        <source>AI &amp; Productivity</source>
        <translation>IA et productivité</translation>
    </message>
    <message>
        <source>Code &amp; Developer</source>
        <translation>Code et développement</translation>
    </message>
    <message>
        <source>Design &amp; Graphics</source>
        <translation>Design et graphisme</translation>
    </message>
    <message>
        <source>E-Books &amp; Publishing</source>
        <translation>Livres numériques et édition</translation>
    </message>
    <message>
        <source>Media &amp; Creative</source>
        <translation>Médias et création</translation>
    </message>
    <message>
        <source>Archives &amp; Packages</source>
        <translation>Archives et paquets</translation>
    </message>
    <message>
        <source>3D Printing &amp; Spatial</source>
        <translation>Impression 3D et spatial</translation>
    </message>
    <message>
        <source>Maps &amp; Navigation</source>
        <translation>Cartes et navigation</translation>
    </message>
    <message>
        <source>Communication Links</source>
        <translation>Liens de communication</translation>
    </message>
    <message>
        <source>Gaming &amp; Emulation</source>
        <translation>Jeux et émulation</translation>
    </message>
    <message>
        <source>Security &amp; Privacy</source>
        <translation>Sécurité et confidentialité</translation>
    </message>
    <message>
        <source>My File Types</source>
        <translation>Mes types de fichiers</translation>
    </message>
    <message>
        <source>Web Browser</source>
        <translation>Navigateur web</translation>
    </message>
    <message>
        <source>Opens web links, plus https:, .html and .htm</source>
        <translation>Ouvre les liens web, ainsi que https:, .html et .htm</translation>
    </message>
    <message>
        <source>Email</source>
        <translation>Courriel</translation>
    </message>
    <message>
        <source>Composes new emails from mailto: links</source>
        <translation>Rédige de nouveaux courriels depuis les liens mailto:</translation>
    </message>
    <message>
        <source>Phone Calls</source>
        <translation>Appels téléphoniques</translation>
    </message>
    <message>
        <source>Handles tel: links for calling</source>
        <translation>Gère les liens tel: pour appeler</translation>
    </message>
    <message>
        <source>SMS &amp; Messages</source>
        <translation>SMS et messages</translation>
    </message>
    <message>
        <source>Handles sms: links for text messages</source>
        <translation>Gère les liens sms: pour les messages texte</translation>
    </message>
    <message>
        <source>File Manager</source>
        <translation>Gestionnaire de fichiers</translation>
    </message>
    <message>
        <source>Opens folders</source>
        <translation>Ouvre les dossiers</translation>
    </message>
    <message>
        <source>Calendar Subscriptions</source>
        <translation>Abonnements de calendrier</translation>
    </message>
    <message>
        <source>Subscribes to webcal: calendar feeds</source>
        <translation>S’abonne aux flux de calendrier webcal:</translation>
    </message>
    <message>
        <source>PDF Documents (.pdf)</source>
        <translation>Documents PDF (.pdf)</translation>
    </message>
    <message>
        <source>Viewer/Editor for PDF document files</source>
        <translation>Visionneuse/éditeur de documents PDF</translation>
    </message>
    <message>
        <source>Word Documents (.docx)</source>
        <translation>Documents Word (.docx)</translation>
    </message>
    <message>
        <source>Viewer/Editor for Microsoft Word files</source>
        <translation>Visionneuse/éditeur de fichiers Microsoft Word</translation>
    </message>
    <message>
        <source>Legacy Word Docs (.doc)</source>
        <translation>Anciens documents Word (.doc)</translation>
    </message>
    <message>
        <source>Viewer for classic Word .doc files</source>
        <translation>Visionneuse de fichiers Word .doc classiques</translation>
    </message>
    <message>
        <source>Excel Spreadsheets (.xlsx)</source>
        <translation>Feuilles de calcul Excel (.xlsx)</translation>
    </message>
    <message>
        <source>Viewer/Editor for Excel spreadsheets</source>
        <translation>Visionneuse/éditeur de feuilles de calcul Excel</translation>
    </message>
    <message>
        <source>CSV Data Files (.csv)</source>
        <translation>Fichiers de données CSV (.csv)</translation>
    </message>
    <message>
        <source>Data viewer for comma-separated files</source>
        <translation>Visionneuse de fichiers séparés par des virgules</translation>
    </message>
    <message>
        <source>PowerPoint Slides (.pptx)</source>
        <translation>Diapositives PowerPoint (.pptx)</translation>
    </message>
    <message>
        <source>Viewer for slide presentations</source>
        <translation>Visionneuse de présentations</translation>
    </message>
    <message>
        <source>Text Files (.txt)</source>
        <translation>Fichiers texte (.txt)</translation>
    </message>
    <message>
        <source>Plain text editor or viewer</source>
        <translation>Éditeur ou visionneuse de texte brut</translation>
    </message>
    <message>
        <source>Rich Text Format (.rtf)</source>
        <translation>Texte enrichi (.rtf)</translation>
    </message>
    <message>
        <source>Rich text document editor</source>
        <translation>Éditeur de documents en texte enrichi</translation>
    </message>
    <message>
        <source>AI Prompt Configs (.prompt)</source>
        <translation>Configurations de prompts IA (.prompt)</translation>
    </message>
    <message>
        <source>Editor for system prompts &amp; LLM configs</source>
        <translation>Éditeur de prompts système et de configurations LLM</translation>
    </message>
    <message>
        <source>Vector DB Exports (.jsonl)</source>
        <translation>Exports de bases vectorielles (.jsonl)</translation>
    </message>
    <message>
        <source>Viewer for JSON Lines dataset dumps</source>
        <translation>Visionneuse de jeux de données JSON Lines</translation>
    </message>
    <message>
        <source>Subtitles &amp; Transcripts (.srt)</source>
        <translation>Sous-titres et transcriptions (.srt)</translation>
    </message>
    <message>
        <source>Viewer for speech transcripts</source>
        <translation>Visionneuse de transcriptions</translation>
    </message>
    <message>
        <source>JSON Data (.json)</source>
        <translation>Données JSON (.json)</translation>
    </message>
    <message>
        <source>Viewer/Editor for JSON configuration &amp; data files</source>
        <translation>Visionneuse/éditeur de fichiers de configuration et de données JSON</translation>
    </message>
    <message>
        <source>Markdown Files (.md)</source>
        <translation>Fichiers Markdown (.md)</translation>
    </message>
    <message>
        <source>Viewer for formatted Markdown docs</source>
        <translation>Visionneuse de documents Markdown mis en forme</translation>
    </message>
    <message>
        <source>Python Scripts (.py)</source>
        <translation>Scripts Python (.py)</translation>
    </message>
    <message>
        <source>Editor for Python source files</source>
        <translation>Éditeur de fichiers source Python</translation>
    </message>
    <message>
        <source>Swift Code (.swift)</source>
        <translation>Code Swift (.swift)</translation>
    </message>
    <message>
        <source>Editor for Swift source files</source>
        <translation>Éditeur de fichiers source Swift</translation>
    </message>
    <message>
        <source>JavaScript (.js)</source>
        <translation>JavaScript (.js)</translation>
    </message>
    <message>
        <source>Editor for JavaScript source files</source>
        <translation>Éditeur de fichiers source JavaScript</translation>
    </message>
    <message>
        <source>TypeScript (.ts)</source>
        <translation>TypeScript (.ts)</translation>
    </message>
    <message>
        <source>Editor for TypeScript source files</source>
        <translation>Éditeur de fichiers source TypeScript</translation>
    </message>
    <message>
        <source>YAML Configurations (.yaml)</source>
        <translation>Configurations YAML (.yaml)</translation>
    </message>
    <message>
        <source>Editor for YAML deployment files</source>
        <translation>Éditeur de fichiers de déploiement YAML</translation>
    </message>
    <message>
        <source>XML Files (.xml)</source>
        <translation>Fichiers XML (.xml)</translation>
    </message>
    <message>
        <source>Viewer/Editor for XML documents</source>
        <translation>Visionneuse/éditeur de documents XML</translation>
    </message>
    <message>
        <source>SQL Database Scripts (.sql)</source>
        <translation>Scripts de base de données SQL (.sql)</translation>
    </message>
    <message>
        <source>Viewer for database export scripts</source>
        <translation>Visionneuse de scripts d’export de base de données</translation>
    </message>
    <message>
        <source>Kotlin Code (.kt)</source>
        <translation>Code Kotlin (.kt)</translation>
    </message>
    <message>
        <source>Editor for Kotlin source code</source>
        <translation>Éditeur de code source Kotlin</translation>
    </message>
    <message>
        <source>Shell Scripts (.sh)</source>
        <translation>Scripts shell (.sh)</translation>
    </message>
    <message>
        <source>Editor for shell scripts</source>
        <translation>Éditeur de scripts shell</translation>
    </message>
    <message>
        <source>Log Files (.log)</source>
        <translation>Fichiers journaux (.log)</translation>
    </message>
    <message>
        <source>Viewer for application and system logs</source>
        <translation>Visionneuse de journaux d’applications et du système</translation>
    </message>
    <message>
        <source>SSH Links (ssh:)</source>
        <translation>Liens SSH (ssh:)</translation>
    </message>
    <message>
        <source>Terminal app for ssh: connections</source>
        <translation>Terminal pour les connexions ssh:</translation>
    </message>
    <message>
        <source>Vector Graphics (.svg)</source>
        <translation>Graphiques vectoriels (.svg)</translation>
    </message>
    <message>
        <source>Viewer for scalable vector graphics</source>
        <translation>Visionneuse de graphiques vectoriels</translation>
    </message>
    <message>
        <source>Photoshop Files (.psd)</source>
        <translation>Fichiers Photoshop (.psd)</translation>
    </message>
    <message>
        <source>Viewer for Adobe Photoshop documents</source>
        <translation>Visionneuse de documents Adobe Photoshop</translation>
    </message>
    <message>
        <source>RAW Camera Photos (.dng)</source>
        <translation>Photos RAW (.dng)</translation>
    </message>
    <message>
        <source>Viewer for raw digital camera photos</source>
        <translation>Visionneuse de photos brutes d’appareil photo</translation>
    </message>
    <message>
        <source>TrueType Fonts (.ttf)</source>
        <translation>Polices TrueType (.ttf)</translation>
    </message>
    <message>
        <source>Font installer/previewer</source>
        <translation>Installation/aperçu de polices</translation>
    </message>
    <message>
        <source>EPUB E-Books (.epub)</source>
        <translation>Livres EPUB (.epub)</translation>
    </message>
    <message>
        <source>Reader for EPUB digital books</source>
        <translation>Liseuse de livres numériques EPUB</translation>
    </message>
    <message>
        <source>Kindle E-Books (.mobi)</source>
        <translation>Livres Kindle (.mobi)</translation>
    </message>
    <message>
        <source>Reader for MOBI digital books</source>
        <translation>Liseuse de livres numériques MOBI</translation>
    </message>
    <message>
        <source>Comic Archives (.cbz)</source>
        <translation>Archives de BD (.cbz)</translation>
    </message>
    <message>
        <source>Reader for comic book archives</source>
        <translation>Liseuse d’archives de bandes dessinées</translation>
    </message>
    <message>
        <source>MP4 Video (.mp4)</source>
        <translation>Vidéo MP4 (.mp4)</translation>
    </message>
    <message>
        <source>Player for MP4 movies &amp; video clips</source>
        <translation>Lecteur de films et clips MP4</translation>
    </message>
    <message>
        <source>MKV Video (.mkv)</source>
        <translation>Vidéo MKV (.mkv)</translation>
    </message>
    <message>
        <source>Player for high-definition MKV videos</source>
        <translation>Lecteur de vidéos MKV haute définition</translation>
    </message>
    <message>
        <source>QuickTime Movies (.mov)</source>
        <translation>Films QuickTime (.mov)</translation>
    </message>
    <message>
        <source>Player for QuickTime movies</source>
        <translation>Lecteur de films QuickTime</translation>
    </message>
    <message>
        <source>MP3 Audio (.mp3)</source>
        <translation>Audio MP3 (.mp3)</translation>
    </message>
    <message>
        <source>Player for MP3 audio tracks</source>
        <translation>Lecteur de pistes audio MP3</translation>
    </message>
    <message>
        <source>Lossless Audio (.flac)</source>
        <translation>Audio sans perte (.flac)</translation>
    </message>
    <message>
        <source>Player for high-fidelity FLAC audio</source>
        <translation>Lecteur d’audio FLAC haute fidélité</translation>
    </message>
    <message>
        <source>JPEG Photos (.jpg)</source>
        <translation>Photos JPEG (.jpg)</translation>
    </message>
    <message>
        <source>Viewer for digital photos</source>
        <translation>Visionneuse de photos numériques</translation>
    </message>
    <message>
        <source>PNG Images (.png)</source>
        <translation>Images PNG (.png)</translation>
    </message>
    <message>
        <source>Viewer for transparent PNG images</source>
        <translation>Visionneuse d’images PNG transparentes</translation>
    </message>
    <message>
        <source>WebP Media (.webp)</source>
        <translation>Médias WebP (.webp)</translation>
    </message>
    <message>
        <source>Viewer for modern WebP graphics</source>
        <translation>Visionneuse de graphiques WebP modernes</translation>
    </message>
    <message>
        <source>HEIC Photos (.heic)</source>
        <translation>Photos HEIC (.heic)</translation>
    </message>
    <message>
        <source>Viewer for high-efficiency photos</source>
        <translation>Visionneuse de photos haute efficacité</translation>
    </message>
    <message>
        <source>ZIP Archives (.zip)</source>
        <translation>Archives ZIP (.zip)</translation>
    </message>
    <message>
        <source>Extractor for compressed ZIP archives</source>
        <translation>Extracteur d’archives ZIP compressées</translation>
    </message>
    <message>
        <source>RAR Archives (.rar)</source>
        <translation>Archives RAR (.rar)</translation>
    </message>
    <message>
        <source>Extractor for RAR compressed archives</source>
        <translation>Extracteur d’archives RAR compressées</translation>
    </message>
    <message>
        <source>7-Zip Archives (.7z)</source>
        <translation>Archives 7-Zip (.7z)</translation>
    </message>
    <message>
        <source>Extractor for 7z archives</source>
        <translation>Extracteur d’archives 7z</translation>
    </message>
    <message>
        <source>Disk Images (.dmg)</source>
        <translation>Images disque (.dmg)</translation>
    </message>
    <message>
        <source>Mounter for macOS disk images</source>
        <translation>Montage d’images disque macOS</translation>
    </message>
    <message>
        <source>Torrent Files (.torrent)</source>
        <translation>Fichiers torrent (.torrent)</translation>
    </message>
    <message>
        <source>Downloader for P2P torrent files</source>
        <translation>Téléchargement de fichiers torrent P2P</translation>
    </message>
    <message>
        <source>3D Printing Models (.stl)</source>
        <translation>Modèles d’impression 3D (.stl)</translation>
    </message>
    <message>
        <source>Viewer for 3D printer STL files</source>
        <translation>Visionneuse de fichiers STL d’imprimante 3D</translation>
    </message>
    <message>
        <source>3D CAD Models (.obj)</source>
        <translation>Modèles CAO 3D (.obj)</translation>
    </message>
    <message>
        <source>Viewer for 3D object geometry</source>
        <translation>Visionneuse de géométrie d’objets 3D</translation>
    </message>
    <message>
        <source>3D GLTF Scenes (.gltf)</source>
        <translation>Scènes 3D GLTF (.gltf)</translation>
    </message>
    <message>
        <source>Viewer for 3D GLTF asset scenes</source>
        <translation>Visionneuse de scènes 3D GLTF</translation>
    </message>
    <message>
        <source>USDZ Scenes (.usdz)</source>
        <translation>Scènes USDZ (.usdz)</translation>
    </message>
    <message>
        <source>Viewer for Apple USDZ 3D scenes</source>
        <translation>Visionneuse de scènes 3D USDZ d’Apple</translation>
    </message>
    <message>
        <source>GPS Track Logs (.gpx)</source>
        <translation>Traces GPS (.gpx)</translation>
    </message>
    <message>
        <source>Viewer for GPX trails and routes</source>
        <translation>Visionneuse de traces et itinéraires GPX</translation>
    </message>
    <message>
        <source>Google Earth Places (.kml)</source>
        <translation>Lieux Google Earth (.kml)</translation>
    </message>
    <message>
        <source>Viewer for KML placemarks</source>
        <translation>Visionneuse de repères KML</translation>
    </message>
    <message>
        <source>Telegram Links (tg:)</source>
        <translation>Liens Telegram (tg:)</translation>
    </message>
    <message>
        <source>Messenger app for Telegram links</source>
        <translation>Messagerie pour les liens Telegram</translation>
    </message>
    <message>
        <source>Zoom Meetings (zoommtg:)</source>
        <translation>Réunions Zoom (zoommtg:)</translation>
    </message>
    <message>
        <source>Client for Zoom meeting links</source>
        <translation>Client pour les liens de réunion Zoom</translation>
    </message>
    <message>
        <source>Slack Links (slack:)</source>
        <translation>Liens Slack (slack:)</translation>
    </message>
    <message>
        <source>Client for Slack deep links</source>
        <translation>Client pour les liens profonds Slack</translation>
    </message>
    <message>
        <source>Disk Images (.iso)</source>
        <translation>Images disque (.iso)</translation>
    </message>
    <message>
        <source>Emulation launcher for console ISOs</source>
        <translation>Lanceur d’émulation pour ISO de consoles</translation>
    </message>
    <message>
        <source>GBA ROMs (.gba)</source>
        <translation>ROM GBA (.gba)</translation>
    </message>
    <message>
        <source>Emulator for GameBoy Advance ROMs</source>
        <translation>Émulateur de ROM Game Boy Advance</translation>
    </message>
    <message>
        <source>OpenPGP Encryption (.gpg)</source>
        <translation>Chiffrement OpenPGP (.gpg)</translation>
    </message>
    <message>
        <source>Security app for PGP/GPG files</source>
        <translation>Application de sécurité pour fichiers PGP/GPG</translation>
    </message>
    <message>
        <source>OpenVPN Profiles (.ovpn)</source>
        <translation>Profils OpenVPN (.ovpn)</translation>
    </message>
    <message>
        <source>VPN client for OpenVPN configurations</source>
        <translation>Client VPN pour configurations OpenVPN</translation>
    </message>
    <message>
        <source>Added by you</source>
        <translation>Ajouté par vous</translation>
    </message>
    <message>
        <source>Terminal</source>
        <translation>Terminal</translation>
    </message>
    <message>
        <source>Runs programs that need a terminal</source>
        <translation>Exécute les programmes qui ont besoin d’un terminal</translation>
    </message>
</context>
<context>
    <name>ChangeResult</name>
    <message>
        <source>Changed</source>
        <translation>Modifié</translation>
    </message>
    <message>
        <source>Already the default</source>
        <translation>Déjà l’application par défaut</translation>
    </message>
    <message>
        <source>That app is no longer installed</source>
        <translation>Cette application n’est plus installée</translation>
    </message>
    <message>
        <source>The change could not be made</source>
        <translation>La modification n’a pas pu être effectuée</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>Reset to the system default</source>
        <translation>Réinitialisé à l’application par défaut du système</translation>
    </message>
    <message>
        <source>Already the system default</source>
        <translation>Déjà l’application par défaut du système</translation>
    </message>
    <message>
        <source>%1 (%2) does not say it can open %3. Add --force to make it the default all the same.</source>
        <translation>%1 (%2) n’indique pas pouvoir ouvrir %3. Ajoutez --force pour en faire l’application par défaut malgré tout.</translation>
    </message>
    <message>
        <source>: There is no such file or folder.</source>
        <translation>: ce fichier ou dossier n’existe pas.</translation>
    </message>
    <message>
        <source>: The system knows no such MIME type.</source>
        <translation>: le système ne connaît pas ce type MIME.</translation>
    </message>
    <message>
        <source>: That is not a type. Expected an extension (.pdf or pdf), a link type (mailto:), a MIME type (application/pdf) or a file (./report.pdf).</source>
        <translation>: ce n’est pas un type. Attendu : une extension (.pdf ou pdf), un type de lien (mailto:), un type MIME (application/pdf) ou un fichier (./report.pdf).</translation>
    </message>
</context>
<context>
    <name>DateText</name>
    <message>
        <source>%1 at %2</source>
        <comment>a backup&apos;s name: date and time</comment>
        <translation>%1 à %2</translation>
    </message>
</context>
<context>
    <name>DecisionChain</name>
    <message>
        <source>%1 does not exist</source>
        <translation>%1 n’existe pas</translation>
    </message>
    <message>
        <source>%1 cannot be read as a list, so the system ignores all of it</source>
        <translation>%1 ne peut pas être lu comme une liste ; le système l’ignore donc entièrement</translation>
    </message>
    <message>
        <source>%1 has no entry for %2</source>
        <translation>%1 n’a pas d’entrée pour %2</translation>
    </message>
    <message>
        <source>%1 line %2</source>
        <translation>%1 ligne %2</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <source>%1 (a parent type)</source>
        <translation>%1 (un type parent)</translation>
    </message>
    <message>
        <source>%1 (a parent type of %2)</source>
        <translation>%1 (un type parent de %2)</translation>
    </message>
    <message>
        <source>%1 sets %2 for %3</source>
        <translation>%1 définit %2 pour %3</translation>
    </message>
    <message>
        <source>%1 names no application for %2</source>
        <translation>%1 ne nomme aucune application pour %2</translation>
    </message>
    <message>
        <source>%1 names %2 for %3, but it is not installed</source>
        <translation>%1 nomme %2 pour %3, mais elle n’est pas installée</translation>
    </message>
    <message>
        <source>%1 names %2 for %3, but none of them is installed</source>
        <translation>%1 nomme %2 pour %3, mais aucune n’est installée</translation>
    </message>
    <message>
        <source>%1 names %2 for %3, outranked by the choice above</source>
        <translation>%1 nomme %2 pour %3, supplanté par le choix ci-dessus</translation>
    </message>
    <message>
        <source>%1 adds %2 for %3, and no list sets an installed default</source>
        <translation>%1 ajoute %2 pour %3, et aucune liste ne définit d’application par défaut installée</translation>
    </message>
    <message>
        <source>%1 adds %2 for %3</source>
        <translation>%1 ajoute %2 pour %3</translation>
    </message>
    <message>
        <source>%1 removes %2 from the applications for %3</source>
        <translation>%1 retire %2 des applications pour %3</translation>
    </message>
    <message>
        <source>%1 removes %2 for %3, with no effect: an earlier entry names it</source>
        <translation>%1 retire %2 pour %3, sans effet : une entrée précédente la nomme</translation>
    </message>
    <message>
        <source>%1 removes %2 for %3, with no effect on applications installed in the same folder</source>
        <translation>%1 retire %2 pour %3, sans effet sur les applications installées dans le même dossier</translation>
    </message>
    <message>
        <source>No list sets an installed default for %1, so the first installed handler is used: %2</source>
        <translation>Aucune liste ne définit d’application par défaut installée pour %1 ; la première application installée qui le gère est donc utilisée : %2</translation>
    </message>
    <message>
        <source>No installed application handles %1</source>
        <translation>Aucune application installée ne gère %1</translation>
    </message>
    <message>
        <source>No installed handler of %1 can be used</source>
        <translation>Aucune application installée pour %1 n’est utilisable</translation>
    </message>
    <message>
        <source> (skipped %1: not installed)</source>
        <translation> (ignorée : %1, non installée)</translation>
    </message>
    <message>
        <source> (removed: %1)</source>
        <translation> (retirée : %1)</translation>
    </message>
    <message>
        <source>%1 opens in %2 because %3 sets it for %4</source>
        <translation>%1 s’ouvre dans %2 parce que %3 la définit pour %4</translation>
    </message>
    <message>
        <source>%1 opens in %2 because %3 adds it for %4 and no list sets an installed default</source>
        <translation>%1 s’ouvre dans %2 parce que %3 l’ajoute pour %4 et qu’aucune liste ne définit d’application par défaut installée</translation>
    </message>
    <message>
        <source>%1 opens in %2 because no list sets an installed default and it is the first installed application that handles %3</source>
        <translation>%1 s’ouvre dans %2 parce qu’aucune liste ne définit d’application par défaut installée et que c’est la première application installée qui gère %3</translation>
    </message>
    <message>
        <source>Nothing opens %1 (%2): no list names an installed application, and none is installed that handles it</source>
        <translation>Rien n’ouvre %1 (%2) : aucune liste ne nomme d’application installée, et aucune application installée ne le gère</translation>
    </message>
    <message>
        <source>. The system reports %1 instead, so this explanation is incomplete</source>
        <translation>. Le système indique %1 à la place ; cette explication est donc incomplète</translation>
    </message>
    <message>
        <source>. The system reports no application, so this explanation is incomplete</source>
        <translation>. Le système n’indique aucune application ; cette explication est donc incomplète</translation>
    </message>
    <message>
        <source>No explanation is available for %1</source>
        <translation>Aucune explication n’est disponible pour %1</translation>
    </message>
    <message>
        <source>XDG_CURRENT_DESKTOP names %1, so the system also reads %2 in each folder</source>
        <translation>XDG_CURRENT_DESKTOP nomme %1 ; le système lit donc aussi %2 dans chaque dossier</translation>
    </message>
    <message>
        <source>XDG_CURRENT_DESKTOP names no desktop, so the system reads no desktop-specific lists</source>
        <translation>XDG_CURRENT_DESKTOP ne nomme aucun bureau ; le système ne lit donc aucune liste propre à un bureau</translation>
    </message>
    <message>
        <source>; it found %1</source>
        <translation> ; il a trouvé %1</translation>
    </message>
    <message>
        <source>. It ignores %1: a desktop name may hold only letters, digits, - and _</source>
        <translation>. Il ignore %1 : un nom de bureau ne peut contenir que des lettres, des chiffres, - et _</translation>
    </message>
    <message>
        <source>“%1”</source>
        <translation>« %1 »</translation>
    </message>
    <message>
        <source>~</source>
        <translation>~</translation>
    </message>
    <message>
        <source>%1 (%2) names %3: links that desktop opens go to %4</source>
        <translation>%1 (%2) indique %3 : les liens qu’ouvre ce bureau vont à %4</translation>
    </message>
    <message>
        <source>%1 (%2) names %3, which no installed application matches: links that desktop opens may not open</source>
        <translation>%1 (%2) indique %3, qui ne correspond à aucune application installée : les liens qu’ouvre ce bureau risquent de ne pas s’ouvrir</translation>
    </message>
    <message>
        <source>; but links %1 opens follow its own setting, %2</source>
        <translation>; mais les liens qu’ouvre %1 suivent son propre réglage, %2</translation>
    </message>
    <message>
        <source>Set by your system: %1 line %2</source>
        <translation>Défini par votre système : %1, ligne %2</translation>
    </message>
    <message>
        <source>%1 names %2 first among the installed terminals</source>
        <translation>%1 nomme %2 en premier parmi les terminaux installés</translation>
    </message>
    <message>
        <source>%1 names %2, but none of them is an installed terminal</source>
        <translation>%1 nomme %2, mais aucun n’est un terminal installé</translation>
    </message>
    <message>
        <source>%1 names no terminal</source>
        <translation>%1 ne nomme aucun terminal</translation>
    </message>
    <message>
        <source>%1 sets %2 to %3: the terminal that desktop starts is %4</source>
        <translation>%1 règle %2 sur %3 : le terminal que ce bureau lance est %4</translation>
    </message>
    <message>
        <source>%1 sets %2 to %3, which no installed terminal matches: that desktop may start no terminal</source>
        <translation>%1 règle %2 sur %3, qui ne correspond à aucun terminal installé : ce bureau risque de ne lancer aucun terminal</translation>
    </message>
    <message>
        <source>GSettings %1</source>
        <translation>GSettings %1</translation>
    </message>
    <message>
        <source>%1 leads to %2, which is %3: programs that start x-terminal-emulator use it</source>
        <translation>%1 mène à %2, c’est-à-dire %3 : les programmes qui lancent x-terminal-emulator l’utilisent</translation>
    </message>
    <message>
        <source>%1 leads to %2, which no installed terminal runs</source>
        <translation>%1 mène à %2, qu’aucun terminal installé n’exécute</translation>
    </message>
    <message>
        <source>%1 opens in %2 because %3 names it first among the installed terminals</source>
        <translation>%1 s’ouvre dans %2 car %3 le nomme en premier parmi les terminaux installés</translation>
    </message>
    <message>
        <source>%1 opens in %2 because %3 sets %4</source>
        <translation>%1 s’ouvre dans %2 car %3 règle %4</translation>
    </message>
    <message>
        <source>; but xdg-terminal-exec starts %1, which %2 names first</source>
        <translation> ; mais xdg-terminal-exec lance %1, que %2 nomme en premier</translation>
    </message>
    <message>
        <source>XDG_CURRENT_DESKTOP names %1, so xdg-terminal-exec also reads %2 in each folder</source>
        <translation>XDG_CURRENT_DESKTOP nomme %1, donc xdg-terminal-exec lit aussi %2 dans chaque dossier</translation>
    </message>
    <message>
        <source>the terminal</source>
        <translation>le terminal</translation>
    </message>
</context>
<context>
    <name>DesktopBrowser</name>
    <message>
        <source>%1&apos;s links</source>
        <translation>Liens de %1</translation>
    </message>
    <message>
        <source>%1 cannot be read, so it was left as it is.</source>
        <translation>%1 ne peut pas être lu ; il a donc été laissé tel quel.</translation>
    </message>
    <message>
        <source>Xfce&apos;s Debian browser, which starts %1</source>
        <translation>le navigateur Debian de Xfce, qui lance %1</translation>
    </message>
</context>
<context>
    <name>DesktopTerminal</name>
    <message>
        <source>Xfce&apos;s Debian terminal, which starts %1</source>
        <translation>le terminal Debian de Xfce, qui lance %1</translation>
    </message>
    <message>
        <source>the system&apos;s terminal, %1</source>
        <translation>le terminal du système, %1</translation>
    </message>
    <message>
        <source>%1&apos;s terminal</source>
        <translation>terminal de %1</translation>
    </message>
</context>
<context>
    <name>Doctor</name>
    <message>
        <source>Line %1 of %2 names %3 for %4, which is no longer installed.</source>
        <translation>La ligne %1 de %2 indique pour %4 l’application %3, qui n’est plus installée.</translation>
    </message>
    <message>
        <source>Line %1 of %2 sets %3, another name of %4, which line %5 sets too.</source>
        <translation>La ligne %1 de %2 définit %3, un autre nom de %4, que la ligne %5 définit aussi.</translation>
    </message>
    <message>
        <source>Line %1 of %2 removes %3 from the applications for %4, although it is the default of that type.</source>
        <translation>La ligne %1 de %2 retire %3 des applications pour %4, bien qu’elle soit l’application par défaut de ce type.</translation>
    </message>
    <message>
        <source>%1 is an older list the system still reads: its line %2 decides that %3 opens in %4.</source>
        <translation>%1 est une ancienne liste que le système lit encore : sa ligne %2 décide que %3 s’ouvre dans %4.</translation>
    </message>
    <message>
        <source>Line %1 of %2, a list for one desktop, makes %3 open in %4, overriding your choice of %5.</source>
        <translation>La ligne %1 de %2, une liste propre à un bureau, fait s’ouvrir %3 dans %4, à la place de votre choix, %5.</translation>
    </message>
    <message>
        <source>%1 was made by an &quot;open with a command&quot; dialog and runs the same program as %2.</source>
        <translation>%1 a été créé par une boîte de dialogue « ouvrir avec une commande » et lance le même programme que %2.</translation>
    </message>
    <message>
        <source>%1 was made by an &quot;open with a command&quot; dialog; the program it runs (%2) is gone.</source>
        <translation>%1 a été créé par une boîte de dialogue « ouvrir avec une commande » ; le programme qu’il lance (%2) n’existe plus.</translation>
    </message>
    <message>
        <source>%1 runs %2, which is not found, so the system passes over it.</source>
        <translation>%1 lance %2, qui est introuvable ; le système l’ignore donc.</translation>
    </message>
    <message>
        <source>%1 is a read-only link to %2, managed by a configuration tool.</source>
        <translation>%1 est un lien en lecture seule vers %2, géré par un outil de configuration.</translation>
    </message>
    <message>
        <source>Managed by your configuration; change it there.</source>
        <translation>Géré par votre configuration ; modifiez-le là-bas.</translation>
    </message>
    <message>
        <source>Keep %1 among the applications for %2.</source>
        <translation>Garder %1 parmi les applications pour %2.</translation>
    </message>
    <message>
        <source>Name %1 instead in your lists, and remove this entry.</source>
        <translation>Indiquer plutôt %1 dans vos listes et supprimer cette entrée.</translation>
    </message>
    <message>
        <source>Remove the entry and the lines naming it.</source>
        <translation>Supprimer l’entrée et les lignes qui la citent.</translation>
    </message>
    <message>
        <source>Remove the entry.</source>
        <translation>Supprimer l’entrée.</translation>
    </message>
    <message>
        <source>Could not remove %1.</source>
        <translation>Impossible de supprimer %1.</translation>
    </message>
    <message>
        <source>Line %1 of %2 sets %3, another name of %4, before line %5 sets %4 itself: the system tries the applications of line %1 first.</source>
        <translation>La ligne %1 de %2 définit %3, un autre nom de %4, avant que la ligne %5 ne définisse %4 lui-même : le système essaie d’abord les applications de la ligne %1.</translation>
    </message>
    <message>
        <source>left as it was, because %1 could not be changed.</source>
        <translation>laissé tel quel, car %1 n’a pas pu être modifié.</translation>
    </message>
    <message>
        <source>%1 is set twice in [%2] of %3 (lines %4 and %5); the system keeps the place of the first and the applications of the last.</source>
        <translation>%1 est défini deux fois dans [%2] de %3 (lignes %4 et %5) ; le système garde la place de la première et les applications de la dernière.</translation>
    </message>
    <message>
        <source>%1 is read-only, managed by a configuration tool or an administrator.</source>
        <translation>%1 est en lecture seule, géré par un outil de configuration ou un administrateur.</translation>
    </message>
    <message>
        <source>Line %1 of %2 (“%3”) is no setting, group or comment, so the system ignores the whole list: none of its defaults count.</source>
        <translation>La ligne %1 de %2 (« %3 ») n’est ni un réglage, ni un groupe, ni un commentaire : le système ignore donc toute la liste, aucune de ses applications par défaut ne compte.</translation>
    </message>
    <message>
        <source>Line %1 of %2 names %3 for %4: with the blank around it, the name never matches an application.</source>
        <translation>La ligne %1 de %2 nomme %3 pour %4 : avec l’espace qui l’entoure, ce nom ne correspond jamais à une application.</translation>
    </message>
    <message>
        <source>[%1] in %2 (line %3) is ignored by the system: only your own mimeapps.list may add or remove applications.</source>
        <translation>Le système ignore [%1] dans %2 (ligne %3) : seul votre propre mimeapps.list peut ajouter ou retirer des applications.</translation>
    </message>
    <message>
        <source>Remove %1 from the line.</source>
        <translation>Retirer %1 de la ligne.</translation>
    </message>
    <message>
        <source>Move the applications of line %1 into line %2 and remove line %1.</source>
        <translation>Déplacer les applications de la ligne %1 dans la ligne %2 et retirer la ligne %1.</translation>
    </message>
    <message>
        <source>Keep one line for %1, with the applications the system reads now.</source>
        <translation>Garder une ligne pour %1, avec les applications que le système lit maintenant.</translation>
    </message>
    <message>
        <source>Move the line to your own mimeapps.list.</source>
        <translation>Déplacer la ligne dans votre propre mimeapps.list.</translation>
    </message>
    <message>
        <source>Remove line %1.</source>
        <translation>Retirer la ligne %1.</translation>
    </message>
    <message>
        <source>Remove the lines the system cannot read, so that it reads the list again.</source>
        <translation>Retirer les lignes que le système ne sait pas lire, pour qu’il lise de nouveau la liste.</translation>
    </message>
    <message>
        <source>Write it as %1.</source>
        <translation>L’écrire sous la forme %1.</translation>
    </message>
    <message>
        <source>Remove the group.</source>
        <translation>Retirer le groupe.</translation>
    </message>
    <message>
        <source>Which application opens each type afterwards cannot be told for sure, so this fix is not selected by itself.</source>
        <translation>On ne peut pas dire à coup sûr quelle application ouvrira chaque type ensuite : cette correction n’est donc pas cochée d’office.</translation>
    </message>
    <message>
        <source>Nothing else changes.</source>
        <translation>Rien d’autre ne change.</translation>
    </message>
    <message>
        <source>no application</source>
        <translation>aucune application</translation>
    </message>
    <message>
        <source>%1 opens in %2 instead of %3</source>
        <translation>%1 s’ouvre dans %2 au lieu de %3</translation>
    </message>
    <message>
        <source>Afterwards %1.</source>
        <translation>Ensuite : %1.</translation>
    </message>
    <message>
        <source>%1 now opens in %2 (before: %3)</source>
        <translation>%1 s’ouvre maintenant dans %2 (avant : %3)</translation>
    </message>
    <message>
        <source>Line %1 of %2 makes %3 open in %4, your own choice; your system sets %5 for everyone (%6 line %7).</source>
        <translation>La ligne %1 de %2 fait ouvrir %3 avec %4, votre propre choix ; votre système définit %5 pour tout le monde (%6, ligne %7).</translation>
    </message>
    <message>
        <source>Nothing to fix: your line wins, as it should. To follow your system&apos;s choice, reset the type to the system default.</source>
        <translation>Rien à corriger : votre ligne l’emporte, comme il se doit. Pour suivre le choix de votre système, rétablissez le type par défaut du système.</translation>
    </message>
</context>
<context>
    <name>Files</name>
    <message>
        <source>There is no file at %1.</source>
        <translation>Il n’y a aucun fichier à l’emplacement %1.</translation>
    </message>
    <message>
        <source>Could not read %1: %2</source>
        <translation>Impossible de lire %1 : %2</translation>
    </message>
    <message>
        <source>%1 is not a regular file.</source>
        <translation>%1 n’est pas un fichier ordinaire.</translation>
    </message>
    <message>
        <source>%1 is too large.</source>
        <translation>%1 est trop volumineux.</translation>
    </message>
    <message>
        <source>%1 is a link to %2, which belongs to another user; nothing was written.</source>
        <translation>%1 est un lien vers %2, qui appartient à un autre utilisateur ; rien n’a été écrit.</translation>
    </message>
    <message>
        <source>%1 is a link that another user could have placed there; nothing was written through it.</source>
        <translation>%1 est un lien qu’un autre utilisateur a pu placer là ; rien n’a été écrit à travers lui.</translation>
    </message>
    <message>
        <source>%1 is a loop of links; nothing was written.</source>
        <translation>%1 est une boucle de liens ; rien n’a été écrit.</translation>
    </message>
    <message>
        <source>%1 belongs to another user.</source>
        <translation>%1 appartient à un autre utilisateur.</translation>
    </message>
</context>
<context>
    <name>LaunchAtLogin</name>
    <message>
        <source>Could not write %1: %2</source>
        <translation>Impossible d’écrire %1 : %2</translation>
    </message>
    <message>
        <source>Could not remove %1: %2</source>
        <translation>Impossible de supprimer %1 : %2</translation>
    </message>
    <message>
        <source>Could not create the folder %1: %2</source>
        <translation>Impossible de créer le dossier %1 : %2</translation>
    </message>
</context>
<context>
    <name>Notifier</name>
    <message>
        <source>Open</source>
        <translation>Ouvrir</translation>
    </message>
    <message>
        <source>There is no session bus.</source>
        <translation>Il n’y a pas de bus de session.</translation>
    </message>
</context>
<context>
    <name>Openers</name>
    <message>
        <source>%1, named for %2 in %3</source>
        <translation>%1, nommée pour %2 dans %3</translation>
    </message>
    <message>
        <source>%1, ranked first by InitialPreference=%2</source>
        <translation>%1, classée première par InitialPreference=%2</translation>
    </message>
    <message>
        <source> (as a handler of %1)</source>
        <translation> (comme application gérant %1)</translation>
    </message>
    <message>
        <source>; KDE picks by chance between it and %1</source>
        <translation> ; KDE choisit au hasard entre elle et %1</translation>
    </message>
    <message>
        <source>%1, the browser in kdeglobals</source>
        <translation>%1, le navigateur de kdeglobals</translation>
    </message>
    <message>
        <source>no application</source>
        <translation>aucune application</translation>
    </message>
    <message>
        <source>it hands over to kde-open5, which is not installed</source>
        <translation>il passe la main à kde-open5, qui n’est pas installé</translation>
    </message>
    <message>
        <source>as %1: %2</source>
        <translation>comme %1 : %2</translation>
    </message>
    <message>
        <source>%1, the first for %2 in %3</source>
        <translation>%1, la première pour %2 dans %3</translation>
    </message>
    <message>
        <source>%1 names %2 for %3, which it cannot find</source>
        <translation>%1 nomme %2 pour %3, qu’il ne trouve pas</translation>
    </message>
    <message>
        <source>no display, so no application</source>
        <translation>aucun affichage graphique, donc aucune application</translation>
    </message>
    <message>
        <source>no application for %1</source>
        <translation>aucune application pour %1</translation>
    </message>
    <message>
        <source>GTK programs</source>
        <translation>Programmes GTK</translation>
    </message>
    <message>
        <source>KDE programs</source>
        <translation>Programmes KDE</translation>
    </message>
    <message>
        <source>Opens differently in KDE programs and with xdg-open</source>
        <translation>S’ouvre autrement dans les programmes KDE et avec xdg-open</translation>
    </message>
    <message>
        <source>Opens differently in KDE programs</source>
        <translation>S’ouvre autrement dans les programmes KDE</translation>
    </message>
    <message>
        <source>Opens differently with xdg-open</source>
        <translation>S’ouvre autrement avec xdg-open</translation>
    </message>
    <message>
        <source>KDE programs rank %1 first through its default for %2</source>
        <translation>Les programmes KDE placent %1 en premier par son application par défaut pour %2</translation>
    </message>
    <message>
        <source>KDE programs rank %1 first by InitialPreference=%2, above any default</source>
        <translation>Les programmes KDE placent %1 en premier par InitialPreference=%2, au-dessus de tout défaut</translation>
    </message>
    <message>
        <source>KDE programs do not see %1: its entry is hidden</source>
        <translation>Les programmes KDE ne voient pas %1 : son entrée est masquée</translation>
    </message>
    <message>
        <source>KDE programs open links and secure links in one app, GTK programs in two</source>
        <translation>Les programmes KDE ouvrent liens et liens sécurisés dans une app, les programmes GTK dans deux</translation>
    </message>
    <message>
        <source>xdg-open asks for %1, the type file gives it</source>
        <translation>xdg-open demande %1, le type que file lui donne</translation>
    </message>
    <message>
        <source>xdg-open cannot find %1 by its ID</source>
        <translation>xdg-open ne trouve pas %1 par son ID</translation>
    </message>
    <message>
        <source>xdg-open takes %1 from %2, which it reads first</source>
        <translation>xdg-open prend %1 dans %2, qu’il lit en premier</translation>
    </message>
</context>
<context>
    <name>PlanStep</name>
    <message>
        <source>Replaced by %1, the same file type</source>
        <translation>Remplacé par %1, le même type de fichier</translation>
    </message>
</context>
<context>
    <name>PlatformText</name>
    <message>
        <source>Another setting keeps the current app</source>
        <translation>Un autre réglage conserve l’application actuelle</translation>
    </message>
    <message>
        <source>Applying…</source>
        <translation>Application en cours…</translation>
    </message>
    <message>
        <source>Applying the changes…</source>
        <translation>Application des modifications…</translation>
    </message>
    <message>
        <source>A profile switches a whole set of defaults at once.</source>
        <translation>Un profil change tout un ensemble d’applications par défaut d’un coup.</translation>
    </message>
    <message>
        <source>…instead of making the system ask, or pointing at a deleted app.</source>
        <translation>…au lieu de laisser le système demander ou de pointer vers une application supprimée.</translation>
    </message>
    <message>
        <source>The system doesn&apos;t recognise .%1 files</source>
        <translation>Le système ne reconnaît pas les fichiers .%1</translation>
    </message>
</context>
<context>
    <name>Presets</name>
    <message>
        <source>Work &amp; Business</source>
        <translation>Travail et entreprise</translation>
    </message>
    <message>
        <source>Chrome, Outlook, Microsoft Office, Zoom and Slack.</source>
        <translation>Chrome, Outlook, Microsoft Office, Zoom et Slack.</translation>
    </message>
    <message>
        <source>Maximum Privacy</source>
        <translation>Confidentialité maximale</translation>
    </message>
    <message>
        <source>Brave, Proton Mail, Telegram and Apple&apos;s on-device viewers.</source>
        <translation>Brave, Proton Mail, Telegram et les visionneuses intégrées d’Apple.</translation>
    </message>
    <message>
        <source>Media &amp; Creator</source>
        <translation>Médias et création</translation>
    </message>
    <message>
        <source>VLC for every video and audio format, Preview for images.</source>
        <translation>VLC pour tous les formats vidéo et audio, Aperçu pour les images.</translation>
    </message>
    <message>
        <source>Developer</source>
        <translation>Développement</translation>
    </message>
    <message>
        <source>VS Code for code and config files, Terminal for ssh: links.</source>
        <translation>VS Code pour le code et les fichiers de configuration, Terminal pour les liens ssh:.</translation>
    </message>
    <message>
        <source>Chrome, Thunderbird, LibreOffice, Zoom and Slack.</source>
        <translation>Chrome, Thunderbird, LibreOffice, Zoom et Slack.</translation>
    </message>
    <message>
        <source>Brave, Proton Mail, Telegram and the desktop&apos;s own viewers.</source>
        <translation>Brave, Proton Mail, Telegram et les visionneuses du bureau.</translation>
    </message>
    <message>
        <source>VLC for every video and audio format, Image Viewer for images.</source>
        <translation>VLC pour tous les formats vidéo et audio, Visionneuse d’images pour les images.</translation>
    </message>
    <message>
        <source>VS Code for code and config files.</source>
        <translation>VS Code pour le code et les fichiers de configuration.</translation>
    </message>
</context>
<context>
    <name>ProfileExport</name>
    <message>
        <source>That file isn&apos;t an Openwright profile export.</source>
        <translation>Ce fichier n’est pas un export de profils Openwright.</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>Openwright cannot start</source>
        <translation>Openwright ne peut pas démarrer</translation>
    </message>
</context>
<context>
    <name>Style</name>
    <message>
        <source>Clear</source>
        <translation>Effacer</translation>
    </message>
</context>
<context>
    <name>TargetState</name>
    <message>
        <source>Set to %1, which is no longer installed.</source>
        <translation>Défini sur %1, qui n’est plus installée.</translation>
    </message>
    <message>
        <source>%1 opens it for now.</source>
        <translation>%1 l’ouvre pour l’instant.</translation>
    </message>
    <message>
        <source>%1 opens %2</source>
        <translation>%1 ouvre %2</translation>
    </message>
    <message>
        <source>nothing opens %1</source>
        <translation>rien n’ouvre %1</translation>
    </message>
    <message>
        <source>Depends on the file: %1.</source>
        <translation>Dépend du fichier : %1.</translation>
    </message>
    <message>
        <source>Depends on who opens it: %1.</source>
        <translation>Dépend de qui l’ouvre : %1.</translation>
    </message>
    <message>
        <source>Split between browsers: %1.</source>
        <translation>Réparti entre navigateurs : %1.</translation>
    </message>
    <message>
        <source>Not set</source>
        <translation>Non défini</translation>
    </message>
    <message>
        <source>Set by you</source>
        <translation>Choisi par vous</translation>
    </message>
    <message>
        <source>Desktop default</source>
        <translation>Par défaut du bureau</translation>
    </message>
    <message>
        <source>Chosen by the system</source>
        <translation>Choisi par le système</translation>
    </message>
    <message>
        <source>%1: nothing.</source>
        <translation>%1 : rien.</translation>
    </message>
    <message>
        <source>%1: %2 or another, by chance.</source>
        <translation>%1 : %2 ou une autre, au hasard.</translation>
    </message>
    <message>
        <source>%1: %2.</source>
        <translation>%1 : %2.</translation>
    </message>
</context>
<context>
    <name>TypeFamily</name>
    <message>
        <source>Video</source>
        <translation>Vidéo</translation>
    </message>
    <message>
        <source>Audio</source>
        <translation>Audio</translation>
    </message>
    <message>
        <source>Images</source>
        <translation>Images</translation>
    </message>
    <message>
        <source>Documents</source>
        <translation>Documents</translation>
    </message>
    <message>
        <source>Text &amp; Code</source>
        <translation>Texte et code</translation>
    </message>
    <message>
        <source>Archives</source>
        <translation>Archives</translation>
    </message>
    <message>
        <source>Links</source>
        <translation>Liens</translation>
    </message>
    <message>
        <source>Other</source>
        <translation>Autres</translation>
    </message>
</context>
<context>
    <name>cli</name>
    <message>
        <source>Not restored</source>
        <translation>Non restauré</translation>
    </message>
    <message>
        <source>%1 of %2 changed.</source>
        <translation>%1 sur %2 modifiés.</translation>
    </message>
    <message>
        <source>Same as now
</source>
        <translation>Identique à maintenant
</translation>
    </message>
    <message>
        <source>All set
</source>
        <translation>Tout est en place
</translation>
    </message>
    <message>
        <source>The Default Guard watches only the types Openwright lists, and %1 is not one of them.</source>
        <translation>Le Gardien des applications par défaut ne surveille que les types listés par Openwright, et %1 n’en fait pas partie.</translation>
    </message>
    <message>
        <source>%1 is pinned: Default Guard is watching this default.</source>
        <translation>%1 est épinglé : le Gardien surveille cette application par défaut.</translation>
    </message>
    <message>
        <source>%1 is not pinned.</source>
        <translation>%1 n’est pas épinglé.</translation>
    </message>
    <message>
        <source>No defaults changed since the last check.
</source>
        <translation>Aucune application par défaut n’a changé depuis la dernière vérification.
</translation>
    </message>
    <message>
        <source>The file to import was not read.</source>
        <translation>Le fichier à importer n’a pas été lu.</translation>
    </message>
    <message numerus="yes">
        <source>Imported %n profile(s).</source>
        <translation>
            <numerusform>%n profil importé.</numerusform>
            <numerusform>%n profils importés.</numerusform>
        </translation>
    </message>
    <message>
        <source>Another backup would make your profiles file larger than Openwright can read back. Delete some backups first.</source>
        <translation>Une sauvegarde de plus rendrait votre fichier de profils plus grand qu’Openwright ne peut le relire. Supprimez d’abord des sauvegardes.</translation>
    </message>
    <message numerus="yes">
        <source>Backed up %n defaults as “%1” (%2).</source>
        <translation>
            <numerusform>%n application par défaut sauvegardée sous « %1 » (%2).</numerusform>
            <numerusform>%n applications par défaut sauvegardées sous « %1 » (%2).</numerusform>
        </translation>
    </message>
    <message>
        <source>Deleted the backup “%1” (%2).</source>
        <translation>Sauvegarde « %1 » supprimée (%2).</translation>
    </message>
    <message>
        <source>The command was interrupted.</source>
        <translation>La commande a été interrompue.</translation>
    </message>
    <message>
        <source>Another Openwright command is still running. Try again once it has finished.</source>
        <translation>Une autre commande Openwright est encore en cours. Réessayez quand elle sera terminée.</translation>
    </message>
    <message>
        <source>Openwright could not save all of its data, so what was not saved is lost: </source>
        <translation>Openwright n’a pas pu enregistrer toutes ses données ; ce qui n’a pas été enregistré est perdu : </translation>
    </message>
    <message>
        <source>Openwright is quitting.</source>
        <translation>Openwright se ferme.</translation>
    </message>
    <message>
        <source>Openwright could not save all of its data; what was not saved will be lost when Openwright quits: </source>
        <translation>Openwright n’a pas pu enregistrer toutes ses données ; ce qui n’a pas été enregistré sera perdu à la fermeture d’Openwright : </translation>
    </message>
    <message>
        <source>%1 is not an option. See openwright --help.</source>
        <translation>%1 n’est pas une option. Voir openwright --help.</translation>
    </message>
    <message>
        <source>%1 needs one of: %2.</source>
        <translation>%1 attend l’un de : %2.</translation>
    </message>
    <message>
        <source>“%1” is not a command. See openwright --help.</source>
        <translation>« %1 » n’est pas une commande. Voir openwright --help.</translation>
    </message>
    <message>
        <source>%1 is not an option of %2. See openwright %2 --help.</source>
        <translation>%1 n’est pas une option de %2. Voir openwright %2 --help.</translation>
    </message>
    <message>
        <source>%1 is missing. Usage: %2</source>
        <translation>%1 manquant. Utilisation : %2</translation>
    </message>
    <message>
        <source>“%1” is one argument too many. Usage: %2</source>
        <translation>« %1 » est un argument de trop. Utilisation : %2</translation>
    </message>
    <message>
        <source>No default</source>
        <translation>Aucune par défaut</translation>
    </message>
    <message>
        <source>Handled</source>
        <translation>Traité</translation>
    </message>
    <message>
        <source>Already set</source>
        <translation>Déjà en place</translation>
    </message>
    <message>
        <source>%1 isn&apos;t installed</source>
        <translation>%1 n’est pas installé</translation>
    </message>
    <message>
        <source>All set</source>
        <translation>Tout est en place</translation>
    </message>
    <message>
        <source>%1 of %2 to change</source>
        <translation>%1 sur %2 à modifier</translation>
    </message>
    <message>
        <source>There is no %1 called “%2”.</source>
        <translation>Il n’y a pas de %1 nommé « %2 ».</translation>
    </message>
    <message>
        <source>“%1” could be %2; give its id instead.</source>
        <translation>« %1 » pourrait être %2 ; indiquez plutôt son identifiant.</translation>
    </message>
    <message>
        <source>“%1” could be %2. Give its desktop-file ID instead.</source>
        <translation>« %1 » pourrait être %2. Indiquez plutôt son identifiant de fichier desktop.</translation>
    </message>
    <message>
        <source>There is no installed application called “%1”, and no installed app can open %2.</source>
        <translation>Aucune application installée ne s’appelle « %1 », et aucune application installée ne peut ouvrir %2.</translation>
    </message>
    <message>
        <source>There is no installed application called “%1”. Apps that can open %2: %3.</source>
        <translation>Aucune application installée ne s’appelle « %1 ». Applications pouvant ouvrir %2 : %3.</translation>
    </message>
    <message>
        <source>No installed app can open %1</source>
        <translation>Aucune application installée ne peut ouvrir %1</translation>
    </message>
    <message>
        <source>No installed app can open %1. Install one, or ignore it if you never use it.</source>
        <translation>Aucune application installée ne peut ouvrir %1. Installez-en une, ou ignorez-le si vous ne l’utilisez jamais.</translation>
    </message>
    <message>
        <source>Several apps can open it, but none is the default.</source>
        <translation>Plusieurs applications peuvent l’ouvrir, mais aucune n’est l’application par défaut.</translation>
    </message>
    <message>
        <source>Where the system looks, in its order:</source>
        <translation>Où le système cherche, dans son ordre :</translation>
    </message>
    <message>
        <source>Defaults Health: %1</source>
        <translation>Santé des applications par défaut : %1</translation>
    </message>
    <message>
        <source>%1/%2 types with a default.</source>
        <translation>%1/%2 types avec une application par défaut.</translation>
    </message>
    <message>
        <source>Everything has a home.</source>
        <translation>Chaque type a sa place.</translation>
    </message>
    <message numerus="yes">
        <source>%n types need attention.</source>
        <translation>
            <numerusform>%n type demande votre attention.</numerusform>
            <numerusform>%n types demandent votre attention.</numerusform>
        </translation>
    </message>
    <message>
        <source>The share of known file and link types that open in a specific app </source>
        <translation>La part des types de fichiers et de liens connus qui s’ouvrent dans une application précise </translation>
    </message>
    <message>
        <source>Needs attention</source>
        <translation>À vérifier</translation>
    </message>
    <message>
        <source>Pinned (%1)</source>
        <translation>Épinglés (%1)</translation>
    </message>
    <message>
        <source>No changes spotted yet.</source>
        <translation>Aucun changement repéré pour l’instant.</translation>
    </message>
    <message>
        <source>Recent Changes</source>
        <translation>Changements récents</translation>
    </message>
    <message>
        <source>Preset</source>
        <translation>Préréglage</translation>
    </message>
    <message>
        <source>“%1” is built in; only your own profiles can be exported.</source>
        <translation>« %1 » est intégré ; seuls vos propres profils peuvent être exportés.</translation>
    </message>
    <message>
        <source>You have no profiles of your own to export.</source>
        <translation>Vous n’avez aucun profil à vous à exporter.</translation>
    </message>
    <message>
        <source>Export failed: %1 is not a regular file.</source>
        <translation>Échec de l’export : %1 n’est pas un fichier ordinaire.</translation>
    </message>
    <message>
        <source>Export failed: </source>
        <translation>Échec de l’export : </translation>
    </message>
    <message numerus="yes">
        <source>Exported %n profile(s).</source>
        <translation>
            <numerusform>%n profil exporté.</numerusform>
            <numerusform>%n profils exportés.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n defaults</source>
        <translation>
            <numerusform>%n application par défaut</numerusform>
            <numerusform>%n applications par défaut</numerusform>
        </translation>
    </message>
    <message>
        <source>Same as now</source>
        <translation>Identique à maintenant</translation>
    </message>
    <message numerus="yes">
        <source>%n different from now</source>
        <translation>
            <numerusform>%n différence avec maintenant</numerusform>
            <numerusform>%n différences avec maintenant</numerusform>
        </translation>
    </message>
    <message>
        <source>No backups yet.
</source>
        <translation>Aucune sauvegarde pour l’instant.
</translation>
    </message>
    <message>
        <source>Openwright cannot create its lock file %1: %2</source>
        <translation>Openwright ne peut pas créer son fichier de verrou %1 : %2</translation>
    </message>
    <message>
        <source>the folder cannot be written</source>
        <translation>le dossier n’est pas accessible en écriture</translation>
    </message>
    <message>
        <source>Openwright is not running.</source>
        <translation>Openwright n’est pas lancé.</translation>
    </message>
    <message>
        <source>Openwright is running but does not answer, so nothing was done. Try again, or quit Openwright and run the command then.</source>
        <translation>Openwright est lancé mais ne répond pas ; rien n’a été fait. Réessayez, ou quittez Openwright puis lancez la commande.</translation>
    </message>
    <message>
        <source>The running Openwright cannot carry out commands from this version of the command line. Quit it and try again.</source>
        <translation>L’Openwright en cours ne peut pas exécuter les commandes de cette version de la ligne de commande. Quittez-le et réessayez.</translation>
    </message>
    <message>
        <source>The command is too long to hand to the running Openwright.</source>
        <translation>La commande est trop longue pour être transmise à l’Openwright en cours.</translation>
    </message>
    <message>
        <source>The running Openwright did not finish the command in time; it may still be carried out.</source>
        <translation>L’Openwright en cours n’a pas terminé la commande à temps ; elle peut encore être exécutée.</translation>
    </message>
    <message>
        <source>Openwright cannot listen on %1 (%2): commands and later starts will not reach it.</source>
        <translation>Openwright ne peut pas écouter sur %1 (%2) : les commandes et les lancements suivants ne l’atteindront pas.</translation>
    </message>
    <message>
        <source>no private folder for it</source>
        <translation>aucun dossier privé pour cela</translation>
    </message>
    <message>
        <source>openwright: the answer is too large to pass on
</source>
        <translation>openwright : la réponse est trop volumineuse pour être transmise
</translation>
    </message>
    <message>
        <source>Put back</source>
        <translation>Rétabli</translation>
    </message>
    <message>
        <source>Allowed</source>
        <translation>Autorisé</translation>
    </message>
    <message>
        <source>Stopped putting back</source>
        <translation>Plus rétabli</translation>
    </message>
    <message>
        <source>%1 changes nothing.</source>
        <translation>%1 ne change rien.</translation>
    </message>
    <message>
        <source>Cannot start %1: %2</source>
        <translation>Impossible de démarrer %1 : %2</translation>
    </message>
    <message>
        <source>the path is too long for a socket</source>
        <translation>le chemin est trop long pour un socket</translation>
    </message>
    <message>
        <source>Openwright is running but does not answer. Quit it, or end its process, and start it again.</source>
        <translation>Openwright est en cours d’exécution mais ne répond pas. Quittez-le, ou arrêtez son processus, puis relancez-le.</translation>
    </message>
    <message>
        <source>Also moved, since they open where a changed type does:</source>
        <translation>Ont aussi changé, car ils s’ouvrent là où s’ouvre un type modifié :</translation>
    </message>
    <message>
        <source>%1: No installed application has that name or desktop-file ID.</source>
        <translation>%1 : aucune application installée ne porte ce nom ou cet identifiant de fichier desktop.</translation>
    </message>
    <message>
        <source>“%1” could be %2 (%3) or %4 (%5). Give the one you mean.</source>
        <translation>« %1 » peut désigner %2 (%3) ou %4 (%5). Indiquez celle que vous voulez.</translation>
    </message>
    <message>
        <source>Different apps</source>
        <translation>Applications différentes</translation>
    </message>
    <message>
        <source>Where the system looks for %1, in its order:</source>
        <translation>Où le système cherche pour %1, dans son ordre :</translation>
    </message>
    <message>
        <source>Meanwhile the Default Guard saw:</source>
        <translation>Pendant ce temps, le Gardien a vu :</translation>
    </message>
    <message>
        <source>Cannot write the output: %1</source>
        <translation>Impossible d’écrire la sortie : %1</translation>
    </message>
    <message>
        <source>Not set: not installed here</source>
        <translation>Non défini : pas installé ici</translation>
    </message>
    <message>
        <source>%1, put back</source>
        <translation>%1, rétabli</translation>
    </message>
    <message numerus="yes">
        <source>%n default(s) changed since the last check:</source>
        <translation>
            <numerusform>%n application par défaut a changé depuis la dernière vérification :</numerusform>
            <numerusform>%n applications par défaut ont changé depuis la dernière vérification :</numerusform>
        </translation>
    </message>
    <message>
        <source>Openwright ended before it carried out the command: nothing was changed. Run the command again.</source>
        <translation>Openwright s’est arrêté avant d’exécuter la commande : rien n’a été modifié. Relancez la commande.</translation>
    </message>
    <message>
        <source>Openwright ended while it carried out the command: it changed some of what was asked, or all of it. See what is set now with &quot;openwright status&quot;.</source>
        <translation>Openwright s’est arrêté pendant l’exécution de la commande : il a modifié une partie de ce qui était demandé, ou tout. Voyez ce qui est défini maintenant avec &quot;openwright status&quot;.</translation>
    </message>
    <message>
        <source>Openwright did not finish “%1”</source>
        <translation>Openwright n’a pas terminé « %1 »</translation>
    </message>
    <message>
        <source>Openwright finished “%1”</source>
        <translation>Openwright a terminé « %1 »</translation>
    </message>
    <message>
        <source>The notification could not be shown: %1</source>
        <translation>La notification n’a pas pu être affichée : %1</translation>
    </message>
    <message>
        <source>--desktop goes with --system: your own desktop is the one you are logged in to.</source>
        <translation>--desktop va avec --system : votre propre bureau est celui de votre session.</translation>
    </message>
    <message>
        <source>--notify goes with a command that changes, without --json: it tells a person what the command did.</source>
        <translation>--notify va avec une commande qui modifie, sans --json : il dit à une personne ce que la commande a fait.</translation>
    </message>
    <message>
        <source>--system changes what every new account of this machine gets: run it as root, for example with sudo.</source>
        <translation>--system modifie ce que reçoit chaque nouveau compte de cette machine : lancez-le en root, par exemple avec sudo.</translation>
    </message>
    <message>
        <source>Openwright keeps its lock file at %1, but a folder is there. Remove the folder and try again.</source>
        <translation>Openwright garde son fichier de verrou dans %1, mais un dossier s’y trouve. Supprimez le dossier et réessayez.</translation>
    </message>
    <message>
        <source>Openwright keeps its lock file at %1, but something other than a file is there. Remove it and try again.</source>
        <translation>Openwright garde son fichier de verrou dans %1, mais autre chose qu’un fichier s’y trouve. Supprimez-le et réessayez.</translation>
    </message>
    <message>
        <source>Openwright&apos;s lock file %1 belongs to another user. Remove it and try again.</source>
        <translation>Le fichier de verrou %1 d’Openwright appartient à un autre utilisateur. Supprimez-le et réessayez.</translation>
    </message>
    <message>
        <source>Openwright cannot read its lock file %1: %2. Remove it and try again.</source>
        <translation>Openwright ne peut pas lire son fichier de verrou %1 : %2. Supprimez-le et réessayez.</translation>
    </message>
    <message>
        <source>Openwright is busy with other commands. Try again in a moment.
</source>
        <translation>Openwright est occupé par d’autres commandes. Réessayez dans un instant.
</translation>
    </message>
    <message>
        <source>default</source>
        <translation>par défaut</translation>
    </message>
    <message>
        <source>as a parent type</source>
        <translation>comme type parent</translation>
    </message>
    <message>
        <source>removed</source>
        <translation>supprimée</translation>
    </message>
    <message>
        <source>Declares no types in its desktop entry.</source>
        <translation>Ne déclare aucun type dans son entrée de bureau.</translation>
    </message>
    <message numerus="yes">
        <source>Declares %n types; the default for %1 of them.</source>
        <translation>
            <numerusform>Déclare %n type ; par défaut pour %1 d’entre eux.</numerusform>
            <numerusform>Déclare %n types ; par défaut pour %1 d’entre eux.</numerusform>
        </translation>
    </message>
    <message>
        <source>The change could not be made</source>
        <translation>La modification n’a pas pu être effectuée</translation>
    </message>
    <message>
        <source>Kept a copy as %1</source>
        <translation>Copie conservée sous le nom %1</translation>
    </message>
    <message>
        <source>Fixed %1</source>
        <translation>Corrigé : %1</translation>
    </message>
    <message>
        <source>Not fixed: %1</source>
        <translation>Non corrigé : %1</translation>
    </message>
    <message numerus="yes">
        <source>Left alone: %n no longer found, as the files changed meanwhile.</source>
        <translation>
            <numerusform>Laissé tel quel : %n problème qui n’apparaît plus, car les fichiers ont changé entre-temps.</numerusform>
            <numerusform>Laissés tels quels : %n problèmes qui n’apparaissent plus, car les fichiers ont changé entre-temps.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n problems in your defaults files</source>
        <translation>
            <numerusform>%n problème dans vos fichiers d’applications par défaut</numerusform>
            <numerusform>%n problèmes dans vos fichiers d’applications par défaut</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n problems in your defaults files: see openwright doctor.</source>
        <translation>
            <numerusform>%n problème dans vos fichiers d’applications par défaut : voir openwright doctor.</numerusform>
            <numerusform>%n problèmes dans vos fichiers d’applications par défaut : voir openwright doctor.</numerusform>
        </translation>
    </message>
    <message>
        <source>Every program already opens each type alike.</source>
        <translation>Tous les programmes ouvrent déjà chaque type de la même façon.</translation>
    </message>
    <message>
        <source>every program agrees</source>
        <translation>tous les programmes concordent</translation>
    </message>
    <message>
        <source>still opens differently</source>
        <translation>s’ouvre toujours autrement</translation>
    </message>
    <message>
        <source>nothing</source>
        <translation>rien</translation>
    </message>
    <message>
        <source>no application; runs %1</source>
        <translation>aucune application ; lance %1</translation>
    </message>
    <message>
        <source>%1 is %2. Each program would start:</source>
        <translation>%1 est %2. Chaque programme lancerait :</translation>
    </message>
    <message>
        <source>What each program that opens files starts:</source>
        <translation>Ce que lance chaque programme qui ouvre des fichiers :</translation>
    </message>
    <message numerus="yes">
        <source>%n types open differently in other programs: see openwright agree.</source>
        <translation>
            <numerusform>%n type s’ouvre autrement dans d’autres programmes : voir openwright agree.</numerusform>
            <numerusform>%n types s’ouvrent autrement dans d’autres programmes : voir openwright agree.</numerusform>
        </translation>
    </message>
    <message>
        <source>still opens differently: %1</source>
        <translation>s’ouvre toujours autrement : %1</translation>
    </message>
    <message>
        <source>left alone: its types open in different apps; choose one app for it first</source>
        <translation>laissé tel quel : ses types s’ouvrent dans des applications différentes ; choisissez d’abord une application pour lui</translation>
    </message>
    <message>
        <source>%1 (%2 only)</source>
        <translation>%1 (%2 seulement)</translation>
    </message>
</context>
<context>
    <name>cli help</name>
    <message>
        <source>Show which application opens each type</source>
        <translation>Afficher l’application qui ouvre chaque type</translation>
    </message>
    <message>
        <source>Shows each type&apos;s display form, title and current application, by name and desktop-file ID. Without TARGETs, every type Openwright watches, in the sections of its sidebar; pinned types are marked. With --candidates, every application that can open each type too, the current one marked with *.</source>
        <translation>Affiche pour chaque type sa forme d’affichage, son titre et son application actuelle, par nom et par identifiant de fichier desktop. Sans TARGETs, tous les types que suit Openwright, dans les sections de sa barre latérale ; les types épinglés sont marqués. Avec --candidates, également toutes les applications pouvant ouvrir chaque type, l’actuelle marquée d’un *.</translation>
    </message>
    <message>
        <source>List every type the system knows, with what opens it</source>
        <translation>Lister tous les types que connaît le système, avec ce qui les ouvre</translation>
    </message>
    <message>
        <source>Lists every MIME type of the shared MIME database and every link type an installed application declares, grouped by media type: its MIME type, its description, its file-name patterns, the application that opens it and where that answer comes from. With TEXT, only the types whose MIME type, description, patterns or application hold it, in any case.</source>
        <translation>Liste chaque type MIME de la base de données MIME partagée et chaque type de lien déclaré par une application installée, regroupés par type de média : son type MIME, sa description, ses motifs de nom de fichier, l’application qui l’ouvre et l’origine de cette réponse. Avec TEXT, seulement les types dont le type MIME, la description, les motifs ou l’application le contiennent, sans tenir compte de la casse.</translation>
    </message>
    <message>
        <source>Make APP open each TARGET</source>
        <translation>Faire ouvrir chaque TARGET par APP</translation>
    </message>
    <message>
        <source>Makes APP the default for each TARGET, all in one go, and prints each outcome (Changed, Already the default, or why not) and what opens each TARGET now. An application that does not say it can open a TARGET is refused, and nothing is changed, unless --force is given. Choosing a web browser for http: sets https:, .html and .htm with it. Exits with 1 when a change did not succeed. With --json and one TARGET, one object; with several, {&quot;changes&quot;: [...]} with one object each. With a family (video/*, audio/*, image/*, text/*) or --all in place of the TARGETs, every type APP declares there.</source>
        <translation>Fait d’APP l’application par défaut de chaque TARGET, en une seule fois, et affiche chaque résultat (Modifié, Déjà l’application par défaut, ou la raison de l’échec) et ce qui ouvre maintenant chaque TARGET. Une application qui n’indique pas pouvoir ouvrir un TARGET est refusée, et rien n’est modifié, sauf si --force est indiqué. Choisir un navigateur web pour http: définit aussi https:, .html et .htm. Renvoie le code 1 quand une modification a échoué. Avec --json et un seul TARGET, un objet ; avec plusieurs, {&quot;changes&quot;: [...]} avec un objet pour chacun. Avec une famille (video/*, audio/*, image/*, text/*) ou --all à la place des TARGETs, tous les types qu’APP y déclare.</translation>
    </message>
    <message>
        <source>Let the system choose what opens each TARGET again</source>
        <translation>Laisser de nouveau le système choisir ce qui ouvre chaque TARGET</translation>
    </message>
    <message>
        <source>Removes your own choice for each TARGET (its line in your mimeapps.list and your desktop&apos;s own list, and the associations that choices added), so that each opens in what the system chooses by itself, and prints what that is. While automatic backups are on, the current defaults are backed up first. Exits with 1 when a choice could not be removed.</source>
        <translation>Supprime votre propre choix pour chaque TARGET (sa ligne dans votre mimeapps.list et dans la liste propre à votre bureau, ainsi que les associations que des choix ont ajoutées), pour que chacun s’ouvre dans ce que le système choisit de lui-même, et affiche de quoi il s’agit. Tant que les sauvegardes automatiques sont activées, les applications par défaut actuelles sont d’abord sauvegardées. Renvoie le code 1 quand un choix n’a pas pu être supprimé.</translation>
    </message>
    <message>
        <source>Exit with 0 when APP opens TARGET, 1 when not</source>
        <translation>Renvoyer 0 si APP ouvre TARGET, 1 sinon</translation>
    </message>
    <message>
        <source>Answers whether APP is the default for TARGET, for scripts: prints yes or no and exits with 0 or 1, as xdg-settings check does. The very entry counts when APP is a desktop-file ID, any packaging of the program when it is an identity.</source>
        <translation>Indique si APP est l’application par défaut de TARGET, pour les scripts : affiche yes ou no et renvoie 0 ou 1, comme le fait xdg-settings check. Quand APP est un identifiant de fichier desktop, seule cette entrée précise compte ; quand c’est une identité, n’importe quel empaquetage du programme compte.</translation>
    </message>
    <message>
        <source>Explain which list decides the application for TARGET</source>
        <translation>Expliquer quelle liste décide de l’application pour TARGET</translation>
    </message>
    <message>
        <source>Explains why TARGET opens where it does: every mimeapps.list the system reads, in the order of the freedesktop.org standard (your desktop&apos;s own list, yours, the administrator&apos;s, the distribution&apos;s, then the installed applications), what each says about the type, which entries are skipped because their application is not installed, and which one decides.</source>
        <translation>Explique pourquoi TARGET s’ouvre là où il s’ouvre : chaque mimeapps.list que lit le système, dans l’ordre de la norme freedesktop.org (la liste propre à votre bureau, la vôtre, celle de l’administrateur, celle de la distribution, puis les applications installées), ce que chaque liste dit du type, quelles entrées sont ignorées parce que leur application n’est pas installée, et laquelle décide.</translation>
    </message>
    <message>
        <source>Show the order in which the system offers applications for TARGET</source>
        <translation>Afficher l’ordre dans lequel le système propose les applications pour TARGET</translation>
    </message>
    <message>
        <source>Lists every application the system offers for TARGET, in the order it tries them, as gio mime lists them: the default first, then the applications added for it, then the others. The default is marked, and so are the applications that open it only as a parent type (a text editor for source code); the applications you removed from it follow. Change it with reorder, remove and restore-association.</source>
        <translation>Liste chaque application que le système propose pour TARGET, dans l’ordre où il les essaie, comme les liste gio mime : l’application par défaut d’abord, puis les applications ajoutées pour ce type, puis les autres. L’application par défaut est marquée, de même que les applications qui ne l’ouvrent que comme type parent (un éditeur de texte pour du code source) ; les applications que vous en avez retirées suivent. Modifiez cet ordre avec reorder, remove et restore-association.</translation>
    </message>
    <message>
        <source>Make the system offer the APPs first for TARGET, in this order</source>
        <translation>Faire que le système propose d’abord les APPs pour TARGET, dans cet ordre</translation>
    </message>
    <message>
        <source>Writes the APPs, in this order, as the default line of TARGET and its fallbacks and as associations added for it, in your mimeapps.list (and in your desktop&apos;s own list where that names TARGET): the first APP becomes the default, and the system offers the others next. A web browser&apos;s links, secure links and pages take the order together, and on KDE and Xfce the desktop&apos;s own browser setting takes the first APP. While automatic backups are on, the current defaults are backed up first. Prints the outcome and the new order; exits with 1 when the change did not succeed.</source>
        <translation>Écrit les APPs, dans cet ordre, comme ligne par défaut de TARGET avec ses solutions de repli et comme associations ajoutées pour ce type, dans votre mimeapps.list (et dans la liste propre à votre bureau si elle nomme TARGET) : la première APP devient l’application par défaut, et le système propose les autres ensuite. Les liens, les liens sécurisés et les pages d’un navigateur web prennent l’ordre ensemble, et sous KDE et Xfce, le réglage de navigateur propre au bureau prend la première APP. Tant que les sauvegardes automatiques sont activées, les applications par défaut actuelles sont d’abord sauvegardées. Affiche le résultat et le nouvel ordre ; renvoie le code 1 quand la modification a échoué.</translation>
    </message>
    <message>
        <source>Stop the system offering APP for TARGET</source>
        <translation>Empêcher le système de proposer APP pour TARGET</translation>
    </message>
    <message>
        <source>Removes APP from what the system offers for TARGET: a [Removed Associations] line in your mimeapps.list, and APP leaves your default and added lines of TARGET. The system reads removals only in mimeapps.list, not in a desktop&apos;s own list: where the system still offers APP, the outcome says so. Undo it with restore-association. Backed up first, as every change; exits with 1 when the change did not succeed.</source>
        <translation>Retire APP de ce que le système propose pour TARGET : une ligne [Removed Associations] dans votre mimeapps.list, et APP quitte vos lignes d’application par défaut et d’applications ajoutées de TARGET. Le système ne lit les suppressions que dans mimeapps.list, pas dans la liste propre à un bureau : si le système propose toujours APP, le résultat l’indique. Annulez avec restore-association. Une sauvegarde est faite d’abord, comme pour toute modification ; renvoie le code 1 quand la modification a échoué.</translation>
    </message>
    <message>
        <source>Let the system offer APP for TARGET again</source>
        <translation>Laisser de nouveau le système proposer APP pour TARGET</translation>
    </message>
    <message>
        <source>Takes APP off the applications you removed from TARGET, so that the system offers it again, and prints the new order.</source>
        <translation>Enlève APP des applications que vous avez retirées de TARGET, pour que le système la propose de nouveau, et affiche le nouvel ordre.</translation>
    </message>
    <message>
        <source>Show the health score and the types that need attention</source>
        <translation>Afficher le score de santé et les types qui demandent votre attention</translation>
    </message>
    <message>
        <source>Shows the share of known types that open in a specific, installed application, and lists the types that need attention.</source>
        <translation>Affiche la part des types connus qui s’ouvrent dans une application précise et installée, et liste les types qui demandent votre attention.</translation>
    </message>
    <message>
        <source>Show the types APP declares and where it is the default</source>
        <translation>Afficher les types que déclare APP et ceux dont elle est l’application par défaut</translation>
    </message>
    <message>
        <source>Lists the MIME types APP&apos;s desktop entry declares, by family (Video, Audio, Images, Documents, Text &amp; Code, Archives, Links, Other), with what opens each now. To make APP the default for a family, use set video/* APP (or audio/*, image/*, text/*), or set --all APP for every type it declares.</source>
        <translation>Liste les types MIME que déclare l’entrée de bureau d’APP, par famille (Vidéo, Audio, Images, Documents, Texte et code, Archives, Liens, Autres), avec ce qui ouvre chacun actuellement. Pour faire d’APP l’application par défaut d’une famille, utilisez set video/* APP (ou audio/*, image/*, text/*), ou set --all APP pour tous les types qu’elle déclare.</translation>
    </message>
    <message>
        <source>Let the Default Guard watch TARGET</source>
        <translation>Faire surveiller TARGET par le Gardien des applications par défaut</translation>
    </message>
    <message>
        <source>Pins TARGET, one of the types Openwright lists: when another application takes it over, the running Openwright notifies you and offers to put it back. With --keep it always keeps TARGET: it puts the application back at once and tells you, offering to allow the new one; after three takeovers within a minute it stops and waits for you. Without --keep, a kept type goes back to asking.</source>
        <translation>Épingle TARGET, l’un des types que liste Openwright : quand une autre application se l’approprie, l’Openwright en cours vous avertit et propose de rétablir la précédente. Avec --keep, il garde toujours TARGET : il rétablit aussitôt l’application et vous en informe, en proposant d’autoriser la nouvelle ; après trois reprises en une minute, il s’arrête et attend votre décision. Sans --keep, un type gardé recommence à vous demander.</translation>
    </message>
    <message>
        <source>Stop watching TARGET</source>
        <translation>Ne plus surveiller TARGET</translation>
    </message>
    <message>
        <source>Unpins TARGET.</source>
        <translation>Désépingle TARGET.</translation>
    </message>
    <message>
        <source>Check the defaults now and print the changes found</source>
        <translation>Vérifier maintenant les applications par défaut et afficher les changements trouvés</translation>
    </message>
    <message>
        <source>Reads every watched default now, records it as the Default Guard does, and prints the changes it found since the last check.</source>
        <translation>Lit maintenant chaque application par défaut surveillée, l’enregistre comme le fait le Gardien des applications par défaut, et affiche les changements trouvés depuis la dernière vérification.</translation>
    </message>
    <message>
        <source>Print the pinned types and the changes the Default Guard spotted</source>
        <translation>Afficher les types épinglés et les changements repérés par le Gardien des applications par défaut</translation>
    </message>
    <message>
        <source>Prints the pinned types (kept ones marked) and the changes the Default Guard spotted, newest first, with the program that probably made each where that can be told.</source>
        <translation>Affiche les types épinglés (ceux toujours gardés étant marqués) et les changements repérés par le Gardien des applications par défaut, du plus récent au plus ancien, avec le programme qui a probablement fait chacun d’eux quand on peut le déterminer.</translation>
    </message>
    <message>
        <source>Find problems in your defaults files, and fix them</source>
        <translation>Trouver les problèmes de vos fichiers d’applications par défaut, et les corriger</translation>
    </message>
    <message>
        <source>Checks your own defaults files (mimeapps.list, your desktop&apos;s own list, the older lists in your applications folder) and your own desktop entries, and lists each problem with its file and line: lines naming applications no longer installed, another name of a type hiding its line, a type set twice, a default that is also removed, an older list or another desktop&apos;s list deciding instead of yours, entries of old &quot;open with a command&quot; dialogs and entries whose program is gone. A list that is a read-only link made by a configuration tool is explained, never changed. With --fix, repairs them: every changed file is first copied beside itself as NAME.before-cleanup-N, the defaults are backed up, and each file is written whole or not at all. Exits with 1 when a file could not be written.</source>
        <translation>Vérifie vos propres fichiers d’applications par défaut (mimeapps.list, la liste propre à votre bureau, les anciennes listes de votre dossier applications) et vos propres entrées de bureau, et liste chaque problème avec son fichier et sa ligne : lignes nommant des applications qui ne sont plus installées, autre nom d’un type masquant sa ligne, type défini deux fois, application par défaut également retirée, ancienne liste ou liste d’un autre bureau décidant à la place de la vôtre, entrées d’anciennes boîtes de dialogue « ouvrir avec une commande » et entrées dont le programme a disparu. Une liste qui est un lien en lecture seule créé par un outil de configuration est expliquée, jamais modifiée. Avec --fix, les répare : chaque fichier modifié est d’abord copié à côté de lui-même sous le nom NAME.before-cleanup-N, les applications par défaut sont sauvegardées, et chaque fichier est écrit en entier ou pas du tout. Renvoie le code 1 quand un fichier n’a pas pu être écrit.</translation>
    </message>
    <message>
        <source>List the profiles and what applying each would change</source>
        <translation>Lister les profils et ce que chacun changerait s’il était appliqué</translation>
    </message>
    <message>
        <source>Lists the built-in profiles and your own, each with its id and what applying it would change.</source>
        <translation>Liste les profils intégrés et les vôtres, chacun avec son identifiant et ce qu’il changerait s’il était appliqué.</translation>
    </message>
    <message>
        <source>Show what applying profile NAME would do</source>
        <translation>Afficher ce que ferait le profil NAME s’il était appliqué</translation>
    </message>
    <message>
        <source>Shows, type by type, what applying profile NAME would change, which defaults are already set and which applications are not installed.</source>
        <translation>Affiche, type par type, ce que changerait le profil NAME s’il était appliqué, quelles applications par défaut sont déjà en place et quelles applications ne sont pas installées.</translation>
    </message>
    <message>
        <source>Apply profile NAME</source>
        <translation>Appliquer le profil NAME</translation>
    </message>
    <message>
        <source>Applies profile NAME and prints each step&apos;s outcome. While automatic backups are on, the current defaults are backed up first. Exits with 1 when any change did not succeed.</source>
        <translation>Applique le profil NAME et affiche le résultat de chaque étape. Tant que les sauvegardes automatiques sont activées, les applications par défaut actuelles sont d’abord sauvegardées. Renvoie le code 1 quand une modification a échoué.</translation>
    </message>
    <message>
        <source>Export profiles to FILE</source>
        <translation>Exporter des profils vers FILE</translation>
    </message>
    <message>
        <source>Writes your profiles NAME... to FILE, or without NAMEs all of your own, in the format that profile import and the window read. With --format=mimeapps, their defaults as a mimeapps.list fragment instead, for those who ship the file themselves; an entry whose application is not installed here is left out, with a comment.</source>
        <translation>Écrit vos profils NAME... dans FILE, ou sans NAMEs tous les vôtres, au format que lisent profile import et la fenêtre. Avec --format=mimeapps, écrit plutôt leurs applications par défaut sous forme de fragment de mimeapps.list, pour ceux qui distribuent eux-mêmes ce fichier ; une entrée dont l’application n’est pas installée ici est omise, avec un commentaire.</translation>
    </message>
    <message>
        <source>Add the profiles of an export file</source>
        <translation>Ajouter les profils d’un fichier d’export</translation>
    </message>
    <message>
        <source>Adds the profiles of an export FILE to your own; backups in it join your backups.</source>
        <translation>Ajoute à vos profils ceux du fichier d’export FILE ; les sauvegardes qu’il contient rejoignent les vôtres.</translation>
    </message>
    <message>
        <source>List the backups, newest first</source>
        <translation>Lister les sauvegardes, de la plus récente à la plus ancienne</translation>
    </message>
    <message>
        <source>Lists the backups, newest first, with their ids, why each was taken and how it differs from now.</source>
        <translation>Liste les sauvegardes, de la plus récente à la plus ancienne, avec leurs identifiants, la raison de chacune et ce qui la distingue de l’état actuel.</translation>
    </message>
    <message>
        <source>Back up the current defaults</source>
        <translation>Sauvegarder les applications par défaut actuelles</translation>
    </message>
    <message>
        <source>Saves the current defaults as a backup.</source>
        <translation>Enregistre les applications par défaut actuelles dans une sauvegarde.</translation>
    </message>
    <message>
        <source>Restore backup NAME</source>
        <translation>Restaurer la sauvegarde NAME</translation>
    </message>
    <message>
        <source>Puts back the defaults of backup NAME. While automatic backups are on, the current defaults are backed up first. Exits with 1 when any change did not succeed.</source>
        <translation>Remet en place les applications par défaut de la sauvegarde NAME. Tant que les sauvegardes automatiques sont activées, les applications par défaut actuelles sont d’abord sauvegardées. Renvoie le code 1 quand une modification a échoué.</translation>
    </message>
    <message>
        <source>Delete backup NAME</source>
        <translation>Supprimer la sauvegarde NAME</translation>
    </message>
    <message>
        <source>Deletes backup NAME.</source>
        <translation>Supprime la sauvegarde NAME.</translation>
    </message>
    <message>
        <source>Show help for a command</source>
        <translation>Afficher l’aide d’une commande</translation>
    </message>
    <message>
        <source>Shows the help of COMMAND, or of the program.</source>
        <translation>Affiche l’aide de COMMAND, ou celle du programme.</translation>
    </message>
    <message>
        <source>Make APP open every type it declares in FAMILY</source>
        <translation>Faire ouvrir par APP tous les types qu’elle déclare dans FAMILY</translation>
    </message>
    <message>
        <source>Makes APP the default for the types its desktop entry declares in FAMILY (video/*, audio/*, image/*, or text/* for text and code), or with --all for every type it declares, and never for a type it does not declare. Prints each type with its outcome; the changes run as one batch after a backup.</source>
        <translation>Fait d’APP l’application par défaut des types que déclare son entrée de bureau dans FAMILY (video/*, audio/*, image/*, ou text/* pour le texte et le code), ou, avec --all, de tous les types qu’elle déclare, et jamais d’un type qu’elle ne déclare pas. Affiche chaque type avec son résultat ; les modifications sont effectuées en un seul lot après une sauvegarde.</translation>
    </message>
    <message>
        <source>Shows and changes which installed application opens each kind of file (by extension) and each kind of link (by URL scheme). Without a command, starts the application. Commands need no display; they print plain text, or with --json one JSON document for scripts.</source>
        <translation>Affiche et modifie l’application installée qui ouvre chaque type de fichier (par extension) et chaque type de lien (par schéma d’URL). Sans commande, démarre l’application. Les commandes n’ont besoin d’aucun affichage graphique ; elles écrivent du texte brut, ou avec --json un document JSON pour les scripts.</translation>
    </message>
    <message>
        <source>Commands that change Openwright&apos;s data (set, reset, reorder, remove, restore-association, pin, unpin, guard check, doctor, profile apply and import, backup now, restore and delete) are carried out by the running Openwright when there is one, so that the two never overwrite each other&apos;s files; otherwise the command holds Openwright&apos;s lock while it runs, and a window started meanwhile waits for it.</source>
        <translation>Les commandes qui modifient les données d’Openwright (set, reset, reorder, remove, restore-association, pin, unpin, guard check, doctor, profile apply et import, backup now, restore et delete) sont exécutées par l’Openwright en cours s’il y en a un, afin que les deux n’écrasent jamais les fichiers l’un de l’autre ; sinon, la commande détient le verrou d’Openwright pendant son exécution, et une fenêtre ouverte entre-temps l’attend.</translation>
    </message>
    <message>
        <source>A file extension (.pdf or pdf), a link type ending in a colon (mailto:), a MIME type (application/pdf, inode/directory; an alias such as application/x-pdf is read as the type it stands for), the role terminal (the terminal that programs which run in one open in), or a file or folder (./report.pdf, ~/Downloads): the type the system gives it by its name and contents. A word is a path when it starts with /, ./, ../ or ~, or when it names an existing file and cannot be an extension (report.pdf); any other single word (pdf) is an extension, and .terminal the extension of that name.</source>
        <translation>Une extension de fichier (.pdf ou pdf), un type de lien terminé par deux-points (mailto:), un type MIME (application/pdf, inode/directory ; un alias comme application/x-pdf est lu comme le type qu’il représente), le rôle terminal (le terminal dans lequel s’ouvrent les programmes qui s’exécutent dans un terminal), ou un fichier ou dossier (./report.pdf, ~/Downloads) : le type que le système lui donne d’après son nom et son contenu. Un mot est un chemin quand il commence par /, ./, ../ ou ~, ou quand il nomme un fichier existant et ne peut pas être une extension (report.pdf) ; tout autre mot isolé (pdf) est une extension, et .terminal l’extension de ce nom.</translation>
    </message>
    <message>
        <source>A desktop-file ID (org.gnome.Evince or org.gnome.Evince.desktop), an application identity (com.google.Chrome), or a name as status --candidates shows it; the start of a name is enough when no other name starts so. An ambiguous name is refused with the choices listed.</source>
        <translation>Un identifiant de fichier desktop (org.gnome.Evince ou org.gnome.Evince.desktop), une identité d’application (com.google.Chrome), ou un nom tel que l’affiche status --candidates ; le début d’un nom suffit quand aucun autre nom ne commence ainsi. Un nom ambigu est refusé, avec la liste des choix possibles.</translation>
    </message>
    <message>
        <source>Words to look for, such as tex or *.md.</source>
        <translation>Mots à rechercher, comme tex ou *.md.</translation>
    </message>
    <message>
        <source>NAME</source>
        <translation>NOM</translation>
    </message>
    <message>
        <source>A profile&apos;s or backup&apos;s name, or its id as profile list and backup list show it.</source>
        <translation>Le nom d’un profil ou d’une sauvegarde, ou son identifiant tel que l’affichent profile list et backup list.</translation>
    </message>
    <message>
        <source>A file name, relative to the current folder.</source>
        <translation>Un nom de fichier, relatif au dossier courant.</translation>
    </message>
    <message>
        <source>Print one JSON document instead of text.</source>
        <translation>Afficher un document JSON au lieu de texte.</translation>
    </message>
    <message>
        <source>Show the help of the program, or of the command given.</source>
        <translation>Afficher l’aide du programme, ou de la commande indiquée.</translation>
    </message>
    <message>
        <source>Show the version.</source>
        <translation>Afficher la version.</translation>
    </message>
    <message>
        <source>Read or change what every new account of this machine gets: the system&apos;s list, the first folder of XDG_CONFIG_DIRS (/etc/xdg/mimeapps.list). Changing needs root; backups are kept apart, in /var/lib/openwright.</source>
        <translation>Lire ou modifier ce que reçoit chaque nouveau compte de cette machine : la liste du système, dans le premier dossier de XDG_CONFIG_DIRS (/etc/xdg/mimeapps.list). Toute modification nécessite les droits root ; les sauvegardes sont conservées à part, dans /var/lib/openwright.</translation>
    </message>
    <message>
        <source>With --system: read and write as DESKTOP (KDE, GNOME, XFCE) does, its own list first.</source>
        <translation>Avec --system : lire et écrire comme le fait DESKTOP (KDE, GNOME, XFCE), sa propre liste en premier.</translation>
    </message>
    <message>
        <source>With a command that changes: also show its outcome as a desktop notification, for a command started where no terminal shows what it prints (the desktop entry&apos;s Check Now and Back Up Now).</source>
        <translation>Avec une commande qui modifie : afficher aussi son résultat dans une notification de bureau, pour une commande lancée là où aucun terminal ne montre ce qu’elle écrit (Vérifier maintenant et Sauvegarder maintenant de l’entrée de bureau).</translation>
    </message>
    <message>
        <source>Without a command: start with the window hidden, guarding from the tray (as at login).</source>
        <translation>Sans commande : démarrer avec la fenêtre masquée, en surveillant depuis la zone de notification (comme à la connexion).</translation>
    </message>
    <message>
        <source>The language of the texts: German, French, Spanish, Brazilian Portuguese or Italian, else English. Dates and numbers in a sentence follow its language. --json output is always English.</source>
        <translation>La langue des textes : allemand, français, espagnol, portugais du Brésil ou italien, sinon anglais. Les dates et les nombres dans une phrase suivent sa langue. La sortie de --json est toujours en anglais.</translation>
    </message>
    <message>
        <source>The desktops whose own defaults list (such as gnome-mimeapps.list) is read first and also written by set; on XFCE and KDE the desktop&apos;s own browser setting is read and written with the web links.</source>
        <translation>Les bureaux dont la liste d’applications par défaut propre (comme gnome-mimeapps.list) est lue en premier et aussi écrite par set ; sous XFCE et KDE, le réglage de navigateur propre au bureau est lu et écrit avec les liens web.</translation>
    </message>
    <message>
        <source>Where mimeapps.list and the settings are (default ~/.config).</source>
        <translation>L’emplacement de mimeapps.list et des paramètres (par défaut ~/.config).</translation>
    </message>
    <message>
        <source>The administrator&apos;s defaults lists and desktop settings, below the user&apos;s (default /etc/xdg).</source>
        <translation>Les listes d’applications par défaut et les réglages de bureau de l’administrateur, après ceux de l’utilisateur (par défaut /etc/xdg).</translation>
    </message>
    <message>
        <source>Where the applications of your own and Openwright&apos;s data files are (default ~/.local/share).</source>
        <translation>L’emplacement de vos propres applications et des fichiers de données d’Openwright (par défaut ~/.local/share).</translation>
    </message>
    <message>
        <source>Where the installed applications, the distribution&apos;s defaults lists, the MIME database and Xfce&apos;s helpers are (default /usr/local/share:/usr/share).</source>
        <translation>L’emplacement des applications installées, des listes d’applications par défaut de la distribution, de la base de données MIME et des assistants de Xfce (par défaut /usr/local/share:/usr/share).</translation>
    </message>
    <message>
        <source>On Xfce, when its browser setting is Debian&apos;s sensible-browser helper: the browser that helper starts, before the x-www-browser alternative.</source>
        <translation>Sous Xfce, quand son réglage de navigateur est l’assistant sensible-browser de Debian : le navigateur que lance cet assistant, avant l’alternative x-www-browser.</translation>
    </message>
    <message>
        <source>When set and not empty, text output has no colours.</source>
        <translation>Si elle est définie et non vide, la sortie texte n’a pas de couleurs.</translation>
    </message>
    <message>
        <source>With --system: where the system&apos;s backups are kept (default /var/lib/openwright).</source>
        <translation>Avec --system : l’emplacement où sont conservées les sauvegardes du système (par défaut /var/lib/openwright).</translation>
    </message>
    <message>
        <source>When set to 1, the texts are shown in the pseudo-translation (longer, accented and bracketed), to find texts left untranslated or cut off.</source>
        <translation>Si elle vaut 1, les textes sont affichés dans la pseudo-traduction (plus longs, accentués et entre crochets), pour repérer les textes non traduits ou tronqués.</translation>
    </message>
    <message>
        <source>custom-types.json, profiles.json and guard.json: the added types, the profiles and backups, and the Default Guard&apos;s memory.</source>
        <translation>custom-types.json, profiles.json et guard.json : les types ajoutés, les profils et les sauvegardes, et la mémoire du Gardien des applications par défaut.</translation>
    </message>
    <message>
        <source>The settings: the guard on or off and its interval, automatic backups and update checks.</source>
        <translation>Les paramètres : le Gardien activé ou non et son intervalle, les sauvegardes automatiques et la recherche de mises à jour.</translation>
    </message>
    <message>
        <source>Present while &quot;Open at login&quot; is on: the session starts openwright --background.</source>
        <translation>Présent tant que « Ouvrir à la connexion » est activé : la session lance openwright --background.</translation>
    </message>
    <message>
        <source>The defaults that set changes, with the desktop&apos;s own list (such as gnome-mimeapps.list) where that would otherwise win.</source>
        <translation>Les applications par défaut que modifie set, avec la liste propre au bureau (comme gnome-mimeapps.list) là où elle l’emporterait sinon.</translation>
    </message>
    <message>
        <source>The administrator&apos;s and the distribution&apos;s defaults, read after the user&apos;s; never written.</source>
        <translation>Les applications par défaut de l’administrateur et de la distribution, lues après celles de l’utilisateur ; jamais écrites.</translation>
    </message>
    <message>
        <source>An older place of the user&apos;s defaults, still read by the system; the Clean Up moves what it decides.</source>
        <translation>Un ancien emplacement des applications par défaut de l’utilisateur, encore lu par le système ; Nettoyer déplace ce qui y est décidé.</translation>
    </message>
    <message>
        <source>KDE&apos;s browser setting ([General] BrowserApplication), read and written by set.</source>
        <translation>Le réglage de navigateur de KDE ([General] BrowserApplication), lu et écrit par set.</translation>
    </message>
    <message>
        <source>Xfce&apos;s browser setting (WebBrowser, the name of an Xfce helper), read and written by set; the system&apos;s is in $XDG_CONFIG_DIRS/xfce4/helpers.rc.</source>
        <translation>Le réglage de navigateur de Xfce (WebBrowser, le nom d’un assistant Xfce), lu et écrit par set ; celui du système se trouve dans $XDG_CONFIG_DIRS/xfce4/helpers.rc.</translation>
    </message>
    <message>
        <source>The Xfce helper set writes for a browser that no installed helper starts.</source>
        <translation>L’assistant Xfce qu’écrit set pour un navigateur qu’aucun assistant installé ne lance.</translation>
    </message>
    <message>
        <source>With --system: the system&apos;s backups and data, kept apart from every person&apos;s (OPENWRIGHT_SYSTEM_DATA).</source>
        <translation>Avec --system : les sauvegardes et les données du système, conservées à part de celles de chaque personne (OPENWRIGHT_SYSTEM_DATA).</translation>
    </message>
    <message>
        <source>What opens PDF files and email links.</source>
        <translation>Ce qui ouvre les fichiers PDF et les liens de courriel.</translation>
    </message>
    <message>
        <source>Why Markdown files open where they do: every list the system reads, in its order.</source>
        <translation>Pourquoi les fichiers Markdown s’ouvrent là où ils s’ouvrent : chaque liste que lit le système, dans son ordre.</translation>
    </message>
    <message>
        <source>Make Firefox the web browser: links, secure links and web pages together.</source>
        <translation>Faire de Firefox le navigateur web : liens, liens sécurisés et pages web ensemble.</translation>
    </message>
    <message>
        <source>Make VLC the default for every video type it declares.</source>
        <translation>Faire de VLC l’application par défaut de chaque type vidéo qu’il déclare.</translation>
    </message>
    <message>
        <source>Ask in a script whether Thunderbird opens email links.</source>
        <translation>Demander dans un script si Thunderbird ouvre les liens de courriel.</translation>
    </message>
    <message>
        <source>Write the profile Work to a file, to import elsewhere.</source>
        <translation>Écrire le profil Work dans un fichier, à importer ailleurs.</translation>
    </message>
    <message>
        <source>The same answer as one JSON document, for scripts.</source>
        <translation>La même réponse sous forme d’un document JSON, pour les scripts.</translation>
    </message>
    <message>
        <source>Done.</source>
        <translation>Terminé.</translation>
    </message>
    <message>
        <source>A change did not succeed, or the command could not be carried out.</source>
        <translation>Une modification a échoué, ou la commande n’a pas pu être exécutée.</translation>
    </message>
    <message>
        <source>Bad input: an unknown command or option, text that is not a type, a type the system does not recognise, or an unknown or ambiguous application or name.</source>
        <translation>Entrée incorrecte : commande ou option inconnue, texte qui n’est pas un type, type que le système ne reconnaît pas, ou application ou nom inconnus ou ambigus.</translation>
    </message>
    <message>
        <source>SYNOPSIS</source>
        <translation>SYNOPSIS</translation>
    </message>
    <message>
        <source>DESCRIPTION</source>
        <translation>DESCRIPTION</translation>
    </message>
    <message>
        <source>COMMANDS</source>
        <translation>COMMANDES</translation>
    </message>
    <message>
        <source>ARGUMENTS</source>
        <translation>ARGUMENTS</translation>
    </message>
    <message>
        <source>OPTIONS</source>
        <translation>OPTIONS</translation>
    </message>
    <message>
        <source>EXIT STATUS</source>
        <translation>CODE DE RETOUR</translation>
    </message>
    <message>
        <source>ENVIRONMENT</source>
        <translation>ENVIRONNEMENT</translation>
    </message>
    <message>
        <source>FILES</source>
        <translation>FICHIERS</translation>
    </message>
    <message>
        <source>EXAMPLES</source>
        <translation>EXEMPLES</translation>
    </message>
    <message>
        <source>SEE ALSO</source>
        <translation>VOIR AUSSI</translation>
    </message>
    <message>
        <source>Usage:</source>
        <translation>Utilisation :</translation>
    </message>
    <message>
        <source>Commands:</source>
        <translation>Commandes :</translation>
    </message>
    <message>
        <source>Arguments:</source>
        <translation>Arguments :</translation>
    </message>
    <message>
        <source>Options:</source>
        <translation>Options :</translation>
    </message>
    <message>
        <source>Exit status:</source>
        <translation>Code de retour :</translation>
    </message>
    <message>
        <source>See &quot;%1&quot; for one command.</source>
        <translation>Voir « %1 » pour une seule commande.</translation>
    </message>
    <message>
        <source>User Commands</source>
        <translation>Commandes de l&apos;utilisateur</translation>
    </message>
    <message>
        <source>show and change which application opens each file and link type</source>
        <translation>affiche et change l&apos;application qui ouvre chaque type de fichier et de lien</translation>
    </message>
    <message>
        <source>Open a file or link, or show what each program would start for it</source>
        <translation>Ouvrir un fichier ou un lien, ou afficher ce que chaque programme lancerait pour lui</translation>
    </message>
    <message>
        <source>Opens LOCATION as GTK programs do. With --dry-run, starts nothing and prints what each program that opens files here would start for it, and why: GTK programs (GIO), KDE programs where KDE&apos;s libraries are installed, and xdg-open as it hands over on this desktop or decides by itself.</source>
        <translation>Ouvre LOCATION comme le font les programmes GTK. Avec --dry-run, ne lance rien et affiche ce que lancerait pour lui chaque programme qui ouvre des fichiers ici, et pourquoi : les programmes GTK (GIO), les programmes KDE là où les bibliothèques de KDE sont installées, et xdg-open selon qu’il passe la main sur ce bureau ou décide lui-même.</translation>
    </message>
    <message>
        <source>Make every program open each TARGET alike</source>
        <translation>Faire ouvrir chaque TARGET de la même façon par tous les programmes</translation>
    </message>
    <message>
        <source>Where the programs that open files here would start different applications for a TARGET (GTK programs, KDE programs, xdg-open), writes what GTK programs start now as the TARGET&apos;s explicit default, which each of them honours. Without TARGETs, every type Openwright watches where they differ. While automatic backups are on, the current defaults are backed up first. Prints each TARGET and its outcome; exits with 1 when one still opens differently.</source>
        <translation>Là où les programmes qui ouvrent des fichiers ici lanceraient des applications différentes pour un TARGET (programmes GTK, programmes KDE, xdg-open), écrit ce que lancent maintenant les programmes GTK comme application par défaut explicite du TARGET, que chacun d’eux respecte. Sans TARGETs, tous les types que suit Openwright pour lesquels ils diffèrent. Tant que les sauvegardes automatiques sont activées, les applications par défaut actuelles sont d’abord sauvegardées. Affiche chaque TARGET et son résultat ; renvoie le code 1 quand l’un d’eux s’ouvre toujours autrement.</translation>
    </message>
    <message>
        <source>A file (./report.pdf, relative to the current folder) or a link (https://example.org, mailto:ann@example.org).</source>
        <translation>Un fichier (./report.pdf, relatif au dossier courant) ou un lien (https://example.org, mailto:ann@example.org).</translation>
    </message>
    <message>
        <source>With open: say what each program would start, and start nothing.</source>
        <translation>Avec open : indiquer ce que chaque programme lancerait, sans rien lancer.</translation>
    </message>
</context>
<context>
    <name>openwright::AppModel</name>
    <message>
        <source>Added %1 to your applications</source>
        <translation>%1 ajouté à vos applications</translation>
    </message>
    <message>
        <source>Clean Up</source>
        <translation>Nettoyer</translation>
    </message>
    <message>
        <source>%1 for %2</source>
        <translation>%1 pour %2</translation>
    </message>
    <message>
        <source>The order of %1</source>
        <translation>L&apos;ordre de %1</translation>
    </message>
</context>
<context>
    <name>openwright::Notifier</name>
    <message>
        <source>%1 default put back</source>
        <translation>Application par défaut pour %1 rétablie</translation>
    </message>
    <message>
        <source>%1 default changed</source>
        <translation>Application par défaut pour %1 modifiée</translation>
    </message>
    <message>
        <source>no app</source>
        <translation>aucune application</translation>
    </message>
    <message>
        <source>%1 took over again, three times in a minute. Openwright stopped putting %2 back; Revert when the other program is done.</source>
        <translation>%1 a repris la main, trois fois en une minute. Openwright ne rétablit plus %2 ; choisissez Rétablir quand l’autre programme aura fini.</translation>
    </message>
    <message>
        <source>%1 replaced %2. Revert to keep %2.</source>
        <translation>%1 a remplacé %2. Choisissez Rétablir pour garder %2.</translation>
    </message>
    <message>
        <source>1 second</source>
        <translation>1 seconde</translation>
    </message>
    <message>
        <source>%1 seconds</source>
        <translation>%1 secondes</translation>
    </message>
    <message>
        <source>1 minute</source>
        <translation>1 minute</translation>
    </message>
    <message>
        <source>%1 minutes</source>
        <translation>%1 minutes</translation>
    </message>
    <message>
        <source>1 hour</source>
        <translation>1 heure</translation>
    </message>
    <message>
        <source>%1 hours</source>
        <translation>%1 heures</translation>
    </message>
    <message>
        <source>Probably %1, which started %2 before</source>
        <translation>Probablement %1, lancé %2 plus tôt</translation>
    </message>
    <message>
        <source>Probably %1, installed or updated %2 before</source>
        <translation>Probablement %1, installé ou mis à jour %2 plus tôt</translation>
    </message>
    <message>
        <source>Allow</source>
        <translation>Autoriser</translation>
    </message>
    <message>
        <source>Revert</source>
        <translation>Rétablir</translation>
    </message>
    <message>
        <source>Openwright keeps guarding</source>
        <translation>Openwright continue de surveiller</translation>
    </message>
    <message>
        <source>Your defaults are still watched with the window closed. To quit, open Openwright again and choose File → Quit.</source>
        <translation>Vos applications par défaut restent surveillées fenêtre fermée. Pour quitter, rouvrez Openwright et choisissez Fichier → Quitter.</translation>
    </message>
    <message>
        <source>%1 replaced %2. Openwright put %2 back. Choose Allow to keep %1.</source>
        <translation>%1 a remplacé %2. Openwright a rétabli %2. Choisissez Autoriser pour garder %1.</translation>
    </message>
    <message>
        <source>%1 opens differently in KDE programs</source>
        <translation>%1 s’ouvre autrement dans les programmes KDE</translation>
    </message>
    <message>
        <source>%1 opens differently with xdg-open</source>
        <translation>%1 s’ouvre autrement avec xdg-open</translation>
    </message>
    <message>
        <source>KDE programs opened it in %1. Openwright made every program open %2 again. Choose Allow to open it in %1 everywhere.</source>
        <translation>Les programmes KDE l’ouvraient dans %1. Openwright a refait ouvrir %2 par tous les programmes. Choisissez Autoriser pour l’ouvrir partout dans %1.</translation>
    </message>
    <message>
        <source>xdg-open opened it in %1. Openwright made every program open %2 again. Choose Allow to open it in %1 everywhere.</source>
        <translation>xdg-open l’ouvrait dans %1. Openwright a refait ouvrir %2 par tous les programmes. Choisissez Autoriser pour l’ouvrir partout dans %1.</translation>
    </message>
    <message>
        <source>KDE programs now open it in %1, not %2. Revert to make every program open %2.</source>
        <translation>Les programmes KDE l’ouvrent maintenant dans %1, pas dans %2. Rétablissez pour que tous les programmes ouvrent %2.</translation>
    </message>
    <message>
        <source>xdg-open now opens it in %1, not %2. Revert to make every program open %2.</source>
        <translation>xdg-open l’ouvre maintenant dans %1, pas dans %2. Rétablissez pour que tous les programmes ouvrent %2.</translation>
    </message>
</context>
<context>
    <name>openwright::Updater</name>
    <message>
        <source>The update feed is too large.</source>
        <translation>Le flux de mises à jour est trop volumineux.</translation>
    </message>
    <message>
        <source>The update feed was not found (HTTP %1).</source>
        <translation>Le flux de mises à jour est introuvable (HTTP %1).</translation>
    </message>
    <message>
        <source>The update server answered with an error (HTTP %1).</source>
        <translation>Le serveur de mises à jour a répondu par une erreur (HTTP %1).</translation>
    </message>
    <message>
        <source>The update server did not answer in time.</source>
        <translation>Le serveur de mises à jour n’a pas répondu à temps.</translation>
    </message>
    <message>
        <source>The update feed redirects too often or to an unsafe address.</source>
        <translation>Le flux de mises à jour redirige trop souvent ou vers une adresse non sûre.</translation>
    </message>
    <message>
        <source>Could not reach the update server: %1</source>
        <translation>Impossible de joindre le serveur de mises à jour : %1</translation>
    </message>
    <message>
        <source>The update feed could not be read: it is not an RSS document.</source>
        <translation>Le flux de mises à jour n’a pas pu être lu : ce n’est pas un document RSS.</translation>
    </message>
    <message>
        <source>The update feed lists no releases.</source>
        <translation>Le flux de mises à jour ne liste aucune version.</translation>
    </message>
    <message>
        <source>The update feed&apos;s signature is not valid.</source>
        <translation>La signature du flux de mises à jour n’est pas valide.</translation>
    </message>
    <message>
        <source>You&apos;re up to date.</source>
        <translation>Vous êtes à jour.</translation>
    </message>
    <message>
        <source>Openwright %1 is available.</source>
        <translation>Openwright %1 est disponible.</translation>
    </message>
</context>
<context>
    <name>openwright::ui::AddTypeSheet</name>
    <message>
        <source>That doesn&apos;t look like an extension or link type.</source>
        <translation>Cela ne ressemble pas à une extension ni à un type de lien.</translation>
    </message>
    <message>
        <source>Add a File Type or Link</source>
        <translation>Ajouter un type de fichier ou de lien</translation>
    </message>
    <message>
        <source>Type a file extension like &lt;b&gt;.log&lt;/b&gt; or a link type like &lt;b&gt;zoommtg:&lt;/b&gt; (ending with a colon).</source>
        <translation>Saisissez une extension comme &lt;b&gt;.log&lt;/b&gt; ou un type de lien comme &lt;b&gt;zoommtg:&lt;/b&gt; (terminé par deux-points).</translation>
    </message>
    <message>
        <source>.extension or scheme:</source>
        <translation>.extension ou schéma:</translation>
    </message>
    <message>
        <source>File extension or link type</source>
        <translation>Extension de fichier ou type de lien</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Ajouter</translation>
    </message>
    <message>
        <source>Show</source>
        <translation>Afficher</translation>
    </message>
    <message>
        <source>%1 is already in %2.</source>
        <translation>%1 est déjà dans %2.</translation>
    </message>
    <message>
        <source>The system does not recognise %1 files: no app can open them until a program you install describes them. Added, the type waits for one.</source>
        <translation>Le système ne reconnaît pas les fichiers %1 : aucune application ne peut les ouvrir tant qu’un programme que vous installez ne les décrit pas. Ajouté, le type attend ce moment.</translation>
    </message>
</context>
<context>
    <name>openwright::ui::AllTypesView</name>
    <message>
        <source>Type</source>
        <translation>Type</translation>
    </message>
    <message>
        <source>MIME Type</source>
        <translation>Type MIME</translation>
    </message>
    <message>
        <source>Patterns</source>
        <translation>Motifs</translation>
    </message>
    <message>
        <source>Opens With</source>
        <translation>Ouvrir avec</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>État</translation>
    </message>
    <message>
        <source>No patterns</source>
        <translation>Aucun motif</translation>
    </message>
    <message>
        <source>No default</source>
        <translation>Aucune par défaut</translation>
    </message>
    <message>
        <source>Unknown</source>
        <translation>Inconnu</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <source>All Types</source>
        <translation>Tous les types</translation>
    </message>
    <message>
        <source>Filter by description, MIME type, pattern or app</source>
        <translation>Filtrer par description, type MIME, motif ou application</translation>
    </message>
    <message>
        <source>Filter types</source>
        <translation>Filtrer les types</translation>
    </message>
    <message>
        <source>Reading every type…</source>
        <translation>Lecture de tous les types…</translation>
    </message>
    <message>
        <source>The system&apos;s MIME database and every installed application are read once.</source>
        <translation>La base MIME du système et chaque application installée sont lues une fois.</translation>
    </message>
    <message>
        <source>All types</source>
        <translation>Tous les types</translation>
    </message>
</context>
<context>
    <name>openwright::ui::AppChooser</name>
    <message>
        <source>Applications (*.desktop)</source>
        <translation>Applications (*.desktop)</translation>
    </message>
    <message>
        <source>Use as Default</source>
        <translation>Utiliser par défaut</translation>
    </message>
    <message>
        <source>Choose Another App</source>
        <translation>Choisir une autre application</translation>
    </message>
    <message>
        <source>Search applications</source>
        <translation>Rechercher des applications</translation>
    </message>
    <message>
        <source>Looking for applications…</source>
        <translation>Recherche des applications…</translation>
    </message>
    <message>
        <source>Applications</source>
        <translation>Applications</translation>
    </message>
    <message>
        <source>Browse…</source>
        <translation>Parcourir…</translation>
    </message>
    <message>
        <source>Choose an application&apos;s .desktop file from another folder</source>
        <translation>Choisir le fichier .desktop d’une application dans un autre dossier</translation>
    </message>
    <message>
        <source>Replace the Installed App?</source>
        <translation>Remplacer l’application installée ?</translation>
    </message>
    <message>
        <source>An app with the ID “%1” is already installed. Replace it with the one you chose?</source>
        <translation>Une application avec l’identifiant « %1 » est déjà installée. La remplacer par celle que vous avez choisie ?</translation>
    </message>
    <message>
        <source>Replace</source>
        <translation>Remplacer</translation>
    </message>
    <message>
        <source>Choose the app that should open %1</source>
        <translation>Choisissez l’application qui doit ouvrir %1</translation>
    </message>
    <message>
        <source>Made for %1</source>
        <translation>Conçue pour %1</translation>
    </message>
</context>
<context>
    <name>openwright::ui::AppIconView</name>
    <message>
        <source>No application</source>
        <translation>Aucune application</translation>
    </message>
</context>
<context>
    <name>openwright::ui::AppPicker</name>
    <message>
        <source>Loading…</source>
        <translation>Chargement…</translation>
    </message>
    <message>
        <source>No default</source>
        <translation>Aucune par défaut</translation>
    </message>
    <message>
        <source>Choose the app for %1 (%2)</source>
        <translation>Choisir l’application pour %1 (%2)</translation>
    </message>
    <message>
        <source>No apps can open this</source>
        <translation>Aucune application ne peut ouvrir ceci</translation>
    </message>
    <message>
        <source>Choose Another App…</source>
        <translation>Choisir une autre application…</translation>
    </message>
    <message>
        <source>Why this app?</source>
        <translation>Pourquoi cette application ?</translation>
    </message>
    <message>
        <source>Reset to System Default</source>
        <translation>Réinitialiser à la valeur par défaut du système</translation>
    </message>
    <message numerus="yes">
        <source>Choose Another App… shows %n more</source>
        <translation>
            <numerusform>« Choisir une autre application… » en montre %n de plus</numerusform>
            <numerusform>« Choisir une autre application… » en montre %n de plus</numerusform>
        </translation>
    </message>
    <message>
        <source>Order Apps…</source>
        <translation>Ordonner les applications…</translation>
    </message>
</context>
<context>
    <name>openwright::ui::ApplicationHits</name>
    <message>
        <source>Applications:</source>
        <translation>Applications :</translation>
    </message>
    <message>
        <source>Show the types %1 opens</source>
        <translation>Afficher les types qu’ouvre %1</translation>
    </message>
    <message>
        <source>and %1 more</source>
        <translation>et %1 de plus</translation>
    </message>
</context>
<context>
    <name>openwright::ui::ApplicationPage</name>
    <message>
        <source>%1 declares no types in its desktop entry, so Openwright sets it for none. You can still choose it for a type from that type&apos;s list.</source>
        <translation>%1 ne déclare aucun type dans son entrée de bureau ; Openwright ne la définit donc pour aucun. Vous pouvez tout de même la choisir pour un type depuis la liste de ce type.</translation>
    </message>
    <message>
        <source>Use for All</source>
        <translation>Utiliser pour tous</translation>
    </message>
    <message>
        <source>Make %1 the default for every type it declares</source>
        <translation>Faire de %1 l’application par défaut de chaque type qu’elle déclare</translation>
    </message>
    <message>
        <source>%1 of %2 open in %3</source>
        <translation>%1 sur %2 s’ouvrent dans %3</translation>
    </message>
    <message>
        <source>Use for All %1</source>
        <translation>Utiliser pour tout : %1</translation>
    </message>
    <message>
        <source>Default</source>
        <translation>Par défaut</translation>
    </message>
    <message>
        <source>No application</source>
        <translation>Aucune application</translation>
    </message>
    <message>
        <source>Use for This Type</source>
        <translation>Utiliser pour ce type</translation>
    </message>
    <message>
        <source>Use %1 for %2</source>
        <translation>Utiliser %1 pour %2</translation>
    </message>
    <message numerus="yes">
        <source>Declares %n types</source>
        <translation>
            <numerusform>Déclare %n type</numerusform>
            <numerusform>Déclare %n types</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>default for %n types</source>
        <translation>
            <numerusform>par défaut pour %n type</numerusform>
            <numerusform>par défaut pour %n types</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>openwright::ui::ApplicationsView</name>
    <message>
        <source>Not a default</source>
        <translation>Par défaut pour aucun type</translation>
    </message>
    <message>
        <source>Applications</source>
        <translation>Applications</translation>
    </message>
    <message>
        <source>Search applications</source>
        <translation>Rechercher des applications</translation>
    </message>
    <message>
        <source>No Application Selected</source>
        <translation>Aucune application sélectionnée</translation>
    </message>
    <message>
        <source>Choose an application to see the types it opens, and make it the default for all of them or for a whole family.</source>
        <translation>Choisissez une application pour voir les types qu’elle ouvre, et faites-en l’application par défaut pour tous ou pour toute une famille.</translation>
    </message>
    <message>
        <source>Types the application opens</source>
        <translation>Types que l’application ouvre</translation>
    </message>
    <message numerus="yes">
        <source>Default for %n types</source>
        <translation>
            <numerusform>Par défaut pour %n type</numerusform>
            <numerusform>Par défaut pour %n types</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>openwright::ui::BackupRow</name>
    <message>
        <source>Restore…</source>
        <translation>Restaurer…</translation>
    </message>
    <message>
        <source>%1 from %2 %3</source>
        <translation>%1 du %2 %3</translation>
    </message>
    <message>
        <source>Restore %1</source>
        <translation>Restaurer %1</translation>
    </message>
    <message>
        <source>Delete this backup</source>
        <translation>Supprimer cette sauvegarde</translation>
    </message>
    <message>
        <source>Delete %1</source>
        <translation>Supprimer %1</translation>
    </message>
    <message>
        <source>Same as now</source>
        <translation>Identique à maintenant</translation>
    </message>
    <message numerus="yes">
        <source>%n defaults</source>
        <translation>
            <numerusform>%n application par défaut</numerusform>
            <numerusform>%n applications par défaut</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n different from now</source>
        <translation>
            <numerusform>%n différence avec maintenant</numerusform>
            <numerusform>%n différences avec maintenant</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>openwright::ui::BackupsView</name>
    <message>
        <source>Backups</source>
        <translation>Sauvegardes</translation>
    </message>
    <message>
        <source>Back Up Now</source>
        <translation>Sauvegarder maintenant</translation>
    </message>
    <message>
        <source>Save your current defaults</source>
        <translation>Sauvegarder vos applications par défaut actuelles</translation>
    </message>
    <message>
        <source>No Backups Yet</source>
        <translation>Aucune sauvegarde</translation>
    </message>
    <message>
        <source>Back up your defaults before trying a profile or installing new apps, so you can put everything back.</source>
        <translation>Sauvegardez vos applications par défaut avant d’essayer un profil ou d’installer de nouvelles applications, pour pouvoir tout remettre en place.</translation>
    </message>
</context>
<context>
    <name>openwright::ui::CategoryListView</name>
    <message>
        <source>Add Type</source>
        <translation>Ajouter un type</translation>
    </message>
    <message>
        <source>Add any file extension or link type</source>
        <translation>Ajouter n’importe quelle extension ou type de lien</translation>
    </message>
    <message>
        <source>Add a File Type or Link…</source>
        <translation>Ajouter un type de fichier ou de lien…</translation>
    </message>
    <message>
        <source>Remove from My File Types</source>
        <translation>Retirer de Mes types de fichiers</translation>
    </message>
</context>
<context>
    <name>openwright::ui::CategoryRow</name>
    <message>
        <source>Unpin %1</source>
        <translation>Désépingler %1</translation>
    </message>
    <message>
        <source>Pin %1</source>
        <translation>Épingler %1</translation>
    </message>
    <message>
        <source>Default Guard is watching this default</source>
        <translation>Le Gardien surveille cette application par défaut</translation>
    </message>
    <message>
        <source>Pin to get alerted if another app takes it over</source>
        <translation>Épinglez pour être averti si une autre application la remplace</translation>
    </message>
    <message>
        <source>No installed app can open %1</source>
        <translation>Aucune application installée ne peut ouvrir %1</translation>
    </message>
</context>
<context>
    <name>openwright::ui::ChangeRow</name>
    <message>
        <source>No default</source>
        <translation>Aucune par défaut</translation>
    </message>
    <message>
        <source>Changed in %1</source>
        <translation>Modifié dans %1</translation>
    </message>
    <message>
        <source>Handled</source>
        <translation>Traité</translation>
    </message>
    <message>
        <source>Revert</source>
        <translation>Rétablir</translation>
    </message>
    <message>
        <source>Revert %1 to %2</source>
        <translation>Rétablir %1 sur %2</translation>
    </message>
    <message>
        <source>Keep</source>
        <translation>Garder</translation>
    </message>
    <message>
        <source>Keep %1 for %2</source>
        <translation>Garder %1 pour %2</translation>
    </message>
    <message>
        <source>Taken over three times in a minute: the guard stopped putting it back</source>
        <translation>Repris trois fois en une minute : le Gardien a cessé de le rétablir</translation>
    </message>
    <message>
        <source>Put back</source>
        <translation>Rétabli</translation>
    </message>
    <message>
        <source>Allowed</source>
        <translation>Autorisé</translation>
    </message>
    <message>
        <source>Allow</source>
        <translation>Autoriser</translation>
    </message>
    <message>
        <source>Allow %1 for %2</source>
        <translation>Autoriser %1 pour %2</translation>
    </message>
    <message>
        <source>Only in KDE programs: the default is still %1</source>
        <translation>Seulement dans les programmes KDE : l’application par défaut reste %1</translation>
    </message>
    <message>
        <source>Only with xdg-open: the default is still %1</source>
        <translation>Seulement avec xdg-open : l’application par défaut reste %1</translation>
    </message>
</context>
<context>
    <name>openwright::ui::CleanUpSheet</name>
    <message>
        <source>Clean Up</source>
        <translation>Nettoyer</translation>
    </message>
    <message>
        <source>Clean Up Your Defaults Files</source>
        <translation>Nettoyer vos fichiers d’applications par défaut</translation>
    </message>
    <message>
        <source>Fix Selected</source>
        <translation>Corriger la sélection</translation>
    </message>
    <message>
        <source>Fix: %1</source>
        <translation>Correction : %1</translation>
    </message>
    <message>
        <source>No problems in your defaults files.</source>
        <translation>Aucun problème dans vos fichiers d’applications par défaut.</translation>
    </message>
    <message>
        <source>Fixed %1</source>
        <translation>Corrigé : %1</translation>
    </message>
    <message>
        <source>The old file is kept as %1</source>
        <translation>L’ancien fichier est conservé sous le nom %1</translation>
    </message>
    <message>
        <source>Not fixed: %1</source>
        <translation>Non corrigé : %1</translation>
    </message>
    <message>
        <source>Left alone: %1 no longer found, as the files changed meanwhile.</source>
        <translation>Problèmes laissés tels quels (les fichiers ont changé entre-temps et ne les montrent plus) : %1.</translation>
    </message>
    <message>
        <source>Nothing was changed.</source>
        <translation>Rien n’a été modifié.</translation>
    </message>
    <message>
        <source>Each changed file is first copied beside itself, and your defaults are backed up. A fix changes which app opens a type only where it says so; one whose effect cannot be told beforehand is not selected.</source>
        <translation>Chaque fichier modifié est d’abord copié à côté de lui-même, et vos applications par défaut sont sauvegardées. Une correction ne change l’application d’un type que là où elle le dit ; celle dont l’effet ne peut être prévu n’est pas cochée.</translation>
    </message>
    <message>
        <source>Problems found</source>
        <translation>Problèmes trouvés</translation>
    </message>
</context>
<context>
    <name>openwright::ui::DropInspector</name>
    <message>
        <source>What opens this file?</source>
        <translation>Qu’est-ce qui ouvre ce fichier ?</translation>
    </message>
    <message>
        <source>Drop any file onto this window to see and change which app opens it</source>
        <translation>Déposez un fichier sur cette fenêtre pour voir et changer l’application qui l’ouvre</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Effacer</translation>
    </message>
    <message>
        <source>Add %1 to My File Types</source>
        <translation>Ajouter %1 à Mes types de fichiers</translation>
    </message>
    <message>
        <source>Clear %1</source>
        <translation>Effacer %1</translation>
    </message>
</context>
<context>
    <name>openwright::ui::GuardView</name>
    <message>
        <source>Stop watching</source>
        <translation>Ne plus surveiller</translation>
    </message>
    <message>
        <source>Stop watching %1</source>
        <translation>Ne plus surveiller %1</translation>
    </message>
    <message>
        <source>No default</source>
        <translation>Aucune par défaut</translation>
    </message>
    <message>
        <source>Default Guard</source>
        <translation>Gardien des applications par défaut</translation>
    </message>
    <message>
        <source>Check Now</source>
        <translation>Vérifier maintenant</translation>
    </message>
    <message>
        <source>Check for changed defaults now</source>
        <translation>Vérifier maintenant les applications par défaut modifiées</translation>
    </message>
    <message>
        <source>Checks your defaults in the background. When an app takes over a pinned default, you get a notification with a Revert button.</source>
        <translation>Vérifie vos applications par défaut en arrière-plan. Quand une application s’approprie un type épinglé, vous recevez une notification avec un bouton Rétablir.</translation>
    </message>
    <message>
        <source>Pinned types</source>
        <translation>Types épinglés</translation>
    </message>
    <message>
        <source>Recent Changes</source>
        <translation>Changements récents</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Effacer</translation>
    </message>
    <message>
        <source>Clear recent changes</source>
        <translation>Effacer les changements récents</translation>
    </message>
    <message>
        <source>Recent changes</source>
        <translation>Changements récents</translation>
    </message>
    <message>
        <source>Pinned (%1)</source>
        <translation>Épinglés (%1)</translation>
    </message>
    <message>
        <source>Click the pin next to any file type to watch it.</source>
        <translation>Cliquez sur l’épingle à côté d’un type de fichier pour le surveiller.</translation>
    </message>
    <message>
        <source>No changes spotted yet.</source>
        <translation>Aucun changement repéré pour l’instant.</translation>
    </message>
    <message>
        <source>Always keep</source>
        <translation>Toujours garder</translation>
    </message>
    <message>
        <source>Always keep %1</source>
        <translation>Toujours garder %1</translation>
    </message>
    <message>
        <source>Put the app back at once when another program takes this type over</source>
        <translation>Rétablir l’application aussitôt qu’un autre programme s’approprie ce type</translation>
    </message>
</context>
<context>
    <name>openwright::ui::HealthCard</name>
    <message>
        <source>Health score</source>
        <translation>Score de santé</translation>
    </message>
    <message>
        <source>The share of known file and link types that open in a specific app %1</source>
        <translation>La part des types de fichiers et de liens connus qui s’ouvrent dans une application précise %1</translation>
    </message>
    <message>
        <source>Defaults Health</source>
        <translation>Santé des applications par défaut</translation>
    </message>
    <message>
        <source>Everything has a home.</source>
        <translation>Chaque type a sa place.</translation>
    </message>
    <message numerus="yes">
        <source>%n types need attention</source>
        <translation>
            <numerusform>%n type demande votre attention</numerusform>
            <numerusform>%n types demandent votre attention</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>openwright::ui::HistoryHeader</name>
    <message>
        <source>Automatic Backup History</source>
        <translation>Historique des sauvegardes automatiques</translation>
    </message>
    <message>
        <source>Backs up before every profile, restore and Guard revert, and once a day. Unchanged days are skipped; automatic backups are kept for 30 days.</source>
        <translation>Sauvegarde avant chaque profil, restauration et rétablissement par le Gardien, et une fois par jour. Les jours sans changement sont ignorés ; les sauvegardes automatiques sont conservées 30 jours.</translation>
    </message>
</context>
<context>
    <name>openwright::ui::IssueRow</name>
    <message>
        <source>No installed app can open %1. Install one, or ignore it if you never use it.</source>
        <translation>Aucune application installée ne peut ouvrir %1. Installez-en une, ou ignorez-le si vous ne l’utilisez jamais.</translation>
    </message>
    <message>
        <source>Several apps can open it, but none is the default.</source>
        <translation>Plusieurs applications peuvent l’ouvrir, mais aucune n’est l’application par défaut.</translation>
    </message>
    <message>
        <source>Set to %1, which is no longer installed.</source>
        <translation>Défini sur %1, qui n’est plus installée.</translation>
    </message>
    <message>
        <source>Show</source>
        <translation>Afficher</translation>
    </message>
    <message>
        <source>Show %1</source>
        <translation>Afficher %1</translation>
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
        <translation>&amp;Fichier</translation>
    </message>
    <message>
        <source>Refresh Defaults</source>
        <translation>Relire les applications par défaut</translation>
    </message>
    <message>
        <source>Back Up Now</source>
        <translation>Sauvegarder maintenant</translation>
    </message>
    <message>
        <source>Settings…</source>
        <translation>Paramètres…</translation>
    </message>
    <message>
        <source>Close Window</source>
        <translation>Fermer la fenêtre</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Quitter</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Édition</translation>
    </message>
    <message>
        <source>Find Type</source>
        <translation>Rechercher un type</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Aide</translation>
    </message>
    <message>
        <source>About Openwright</source>
        <translation>À propos d’Openwright</translation>
    </message>
    <message>
        <source>&lt;h3&gt;Openwright %1&lt;/h3&gt;&lt;p&gt;Shows and changes which application opens each kind of file and link, and keeps them that way.&lt;/p&gt;</source>
        <translation>&lt;h3&gt;Openwright %1&lt;/h3&gt;&lt;p&gt;Affiche et modifie l’application qui ouvre chaque type de fichier et de lien, et veille à ce que cela ne change pas.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>Check for Updates…</source>
        <translation>Rechercher des mises à jour…</translation>
    </message>
</context>
<context>
    <name>openwright::ui::OpenwrightApp</name>
    <message>
        <source>Openwright keeps guarding your default applications with its window closed.</source>
        <translation>Openwright continue de surveiller vos applications par défaut, fenêtre fermée.</translation>
    </message>
</context>
<context>
    <name>openwright::ui::OrderSheet</name>
    <message>
        <source>Move Up</source>
        <translation>Monter</translation>
    </message>
    <message>
        <source>Move Down</source>
        <translation>Descendre</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Retirer</translation>
    </message>
    <message>
        <source>Order Apps</source>
        <translation>Ordonner les applications</translation>
    </message>
    <message>
        <source>The apps offered for %1</source>
        <translation>Les applications proposées pour %1</translation>
    </message>
    <message>
        <source>The system tries them in this order: the first is the default. An app you remove is no longer offered for it, until you give it back.</source>
        <translation>Le système les essaie dans cet ordre : la première est celle par défaut. Une application retirée n&apos;est plus proposée, jusqu&apos;à ce que vous la rendiez.</translation>
    </message>
    <message>
        <source>Apps offered for %1</source>
        <translation>Applications proposées pour %1</translation>
    </message>
    <message>
        <source>%1 (removed)</source>
        <translation>%1 (retirée)</translation>
    </message>
    <message>
        <source>Give Back</source>
        <translation>Rendre</translation>
    </message>
    <message>
        <source>In bold: the apps made for it. The others open it as a parent type.</source>
        <translation>En gras : les applications faites pour lui. Les autres l’ouvrent comme type parent.</translation>
    </message>
</context>
<context>
    <name>openwright::ui::OverviewView</name>
    <message>
        <source>Reading your defaults…</source>
        <translation>Lecture de vos applications par défaut…</translation>
    </message>
    <message>
        <source>Overview</source>
        <translation>Vue d’ensemble</translation>
    </message>
    <message>
        <source>Types with a default</source>
        <translation>Types avec une application par défaut</translation>
    </message>
    <message>
        <source>Backups</source>
        <translation>Sauvegardes</translation>
    </message>
    <message>
        <source>Changes spotted by Guard</source>
        <translation>Changements repérés par le Gardien</translation>
    </message>
    <message>
        <source>Needs attention</source>
        <translation>À vérifier</translation>
    </message>
    <message>
        <source>Clean Up…</source>
        <translation>Nettoyer…</translation>
    </message>
    <message numerus="yes">
        <source>%n problems in your defaults files</source>
        <translation>
            <numerusform>%n problème dans vos fichiers d’applications par défaut</numerusform>
            <numerusform>%n problèmes dans vos fichiers d’applications par défaut</numerusform>
        </translation>
    </message>
    <message>
        <source>Make every program agree</source>
        <translation>Accorder tous les programmes</translation>
    </message>
    <message numerus="yes">
        <source>%n types open differently in other programs</source>
        <translation>
            <numerusform>%n type s’ouvre autrement dans d’autres programmes</numerusform>
            <numerusform>%n types s’ouvrent autrement dans d’autres programmes</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>openwright::ui::ProfileCard</name>
    <message>
        <source>Preset</source>
        <translation>Préréglage</translation>
    </message>
    <message>
        <source>%1 of %2 to change</source>
        <translation>%1 sur %2 à modifier</translation>
    </message>
    <message>
        <source>All set</source>
        <translation>Tout est en place</translation>
    </message>
</context>
<context>
    <name>openwright::ui::ProfileSheet</name>
    <message>
        <source>Steps</source>
        <translation>Étapes</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>%1 of %2 changed.</source>
        <translation>%1 sur %2 modifiés.</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Terminé</translation>
    </message>
    <message numerus="yes">
        <source>%n defaults</source>
        <translation>
            <numerusform>%n application par défaut</numerusform>
            <numerusform>%n applications par défaut</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n already set</source>
        <translation>
            <numerusform>%n déjà définie</numerusform>
            <numerusform>%n déjà définies</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Restore %n Defaults</source>
        <translation>
            <numerusform>Restaurer %n application par défaut</numerusform>
            <numerusform>Restaurer %n applications par défaut</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Apply %n Changes</source>
        <translation>
            <numerusform>Appliquer %n modification</numerusform>
            <numerusform>Appliquer %n modifications</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>openwright::ui::ProfilesView</name>
    <message>
        <source>JSON files (*.json)</source>
        <translation>Fichiers JSON (*.json)</translation>
    </message>
    <message>
        <source>Profiles</source>
        <translation>Profils</translation>
    </message>
    <message>
        <source>Save Current as Profile</source>
        <translation>Enregistrer l’état actuel comme profil</translation>
    </message>
    <message>
        <source>Save your current defaults as a profile</source>
        <translation>Enregistrer vos applications par défaut actuelles comme profil</translation>
    </message>
    <message>
        <source>Import &amp; Export</source>
        <translation>Import et export</translation>
    </message>
    <message>
        <source>Import Profiles…</source>
        <translation>Importer des profils…</translation>
    </message>
    <message>
        <source>Export My Profiles…</source>
        <translation>Exporter mes profils…</translation>
    </message>
    <message>
        <source>Export…</source>
        <translation>Exporter…</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Supprimer</translation>
    </message>
    <message>
        <source>Export failed: %1</source>
        <translation>Échec de l’export : %1</translation>
    </message>
    <message>
        <source>Save Current Defaults</source>
        <translation>Enregistrer les applications par défaut actuelles</translation>
    </message>
    <message>
        <source>Profile name</source>
        <translation>Nom du profil</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Enregistrer</translation>
    </message>
    <message>
        <source>My Profile</source>
        <translation>Mon profil</translation>
    </message>
    <message numerus="yes">
        <source>Exported %n profile(s).</source>
        <translation>
            <numerusform>%n profil exporté.</numerusform>
            <numerusform>%n profils exportés.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Imported %n profile(s).</source>
        <translation>
            <numerusform>%n profil importé.</numerusform>
            <numerusform>%n profils importés.</numerusform>
        </translation>
    </message>
    <message>
        <source>Deleted “%1”.</source>
        <translation>« %1 » supprimé.</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Annuler</translation>
    </message>
</context>
<context>
    <name>openwright::ui::RootView</name>
    <message>
        <source>Search types, e.g. .md or browser</source>
        <translation>Rechercher des types, p. ex. .md ou navigateur</translation>
    </message>
    <message>
        <source>Search types</source>
        <translation>Rechercher des types</translation>
    </message>
    <message>
        <source>Refresh</source>
        <translation>Actualiser</translation>
    </message>
    <message>
        <source>Re-read all defaults (Ctrl+R)</source>
        <translation>Relire toutes les applications par défaut (Ctrl+R)</translation>
    </message>
    <message>
        <source>Openwright could not save its data: %1</source>
        <translation>Openwright n’a pas pu enregistrer ses données : %1</translation>
    </message>
    <message>
        <source>No file types match</source>
        <translation>Aucun type de fichier ne correspond</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>Rechercher</translation>
    </message>
    <message>
        <source>Nothing here yet.</source>
        <translation>Rien pour l’instant.</translation>
    </message>
</context>
<context>
    <name>openwright::ui::SettingsView</name>
    <message>
        <source>1 minute</source>
        <translation>1 minute</translation>
    </message>
    <message>
        <source>%1 seconds</source>
        <translation>%1 secondes</translation>
    </message>
    <message>
        <source>General</source>
        <translation>Général</translation>
    </message>
    <message>
        <source>Open at login</source>
        <translation>Ouvrir à la connexion</translation>
    </message>
    <message>
        <source>Updates</source>
        <translation>Mises à jour</translation>
    </message>
    <message>
        <source>Check for updates automatically</source>
        <translation>Rechercher automatiquement les mises à jour</translation>
    </message>
    <message>
        <source>Check Now</source>
        <translation>Vérifier maintenant</translation>
    </message>
    <message>
        <source>Default Guard</source>
        <translation>Gardien des applications par défaut</translation>
    </message>
    <message>
        <source>Watch for changed defaults</source>
        <translation>Surveiller les applications par défaut modifiées</translation>
    </message>
    <message>
        <source>Check every</source>
        <translation>Vérifier toutes les</translation>
    </message>
    <message>
        <source>30 seconds</source>
        <translation>30 secondes</translation>
    </message>
    <message>
        <source>5 minutes</source>
        <translation>5 minutes</translation>
    </message>
    <message>
        <source>15 minutes</source>
        <translation>15 minutes</translation>
    </message>
    <message>
        <source>Openwright also checks whenever an app launches or quits.</source>
        <translation>Openwright vérifie aussi chaque fois qu’une application démarre ou se ferme.</translation>
    </message>
    <message numerus="yes">
        <source>%n minutes</source>
        <translation>
            <numerusform>%n minute</numerusform>
            <numerusform>%n minutes</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n seconds</source>
        <translation>
            <numerusform>%n seconde</numerusform>
            <numerusform>%n secondes</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>openwright::ui::SettingsWindow</name>
    <message>
        <source>Settings</source>
        <translation>Paramètres</translation>
    </message>
</context>
<context>
    <name>openwright::ui::Sidebar</name>
    <message>
        <source>Sidebar</source>
        <translation>Barre latérale</translation>
    </message>
</context>
<context>
    <name>openwright::ui::SidebarModel</name>
    <message>
        <source>Overview</source>
        <translation>Vue d’ensemble</translation>
    </message>
    <message>
        <source>File &amp; Link Types</source>
        <translation>Types de fichiers et de liens</translation>
    </message>
    <message>
        <source>Tools</source>
        <translation>Outils</translation>
    </message>
    <message>
        <source>Profiles</source>
        <translation>Profils</translation>
    </message>
    <message>
        <source>Backups</source>
        <translation>Sauvegardes</translation>
    </message>
    <message>
        <source>Default Guard</source>
        <translation>Gardien des applications par défaut</translation>
    </message>
    <message>
        <source>Applications</source>
        <translation>Applications</translation>
    </message>
    <message>
        <source>All Types</source>
        <translation>Tous les types</translation>
    </message>
    <message numerus="yes">
        <source>%n changes wait</source>
        <translation>
            <numerusform>%n modification en attente</numerusform>
            <numerusform>%n modifications en attente</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n types</source>
        <translation>
            <numerusform>%n type</numerusform>
            <numerusform>%n types</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>openwright::ui::Spinner</name>
    <message>
        <source>Working</source>
        <translation>En cours</translation>
    </message>
</context>
<context>
    <name>openwright::ui::StepRow</name>
    <message>
        <source>No default</source>
        <translation>Aucune par défaut</translation>
    </message>
    <message>
        <source>Already set</source>
        <translation>Déjà en place</translation>
    </message>
    <message>
        <source>%1 isn&apos;t installed</source>
        <translation>%1 n’est pas installé</translation>
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
        <translation>Ouvrir Openwright</translation>
    </message>
    <message>
        <source>Check now</source>
        <translation>Vérifier maintenant</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Paramètres</translation>
    </message>
    <message>
        <source>Quit Openwright</source>
        <translation>Quitter Openwright</translation>
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
        <translation>Changements récents</translation>
    </message>
    <message>
        <source>Open Openwright</source>
        <translation>Ouvrir Openwright</translation>
    </message>
    <message>
        <source>Check now</source>
        <translation>Vérifier maintenant</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Paramètres</translation>
    </message>
    <message>
        <source>Quit Openwright</source>
        <translation>Quitter Openwright</translation>
    </message>
    <message>
        <source>Health %1</source>
        <translation>Santé %1</translation>
    </message>
    <message>
        <source>Default Guard is off</source>
        <translation>Le Gardien est désactivé</translation>
    </message>
    <message>
        <source>none</source>
        <translation>aucun</translation>
    </message>
    <message>
        <source>Revert</source>
        <translation>Rétablir</translation>
    </message>
    <message>
        <source>Revert %1 to %2</source>
        <translation>Rétablir %1 sur %2</translation>
    </message>
    <message numerus="yes">
        <source>Guard is watching %n pinned defaults</source>
        <translation>
            <numerusform>Le Gardien surveille %n application par défaut épinglée</numerusform>
            <numerusform>Le Gardien surveille %n applications par défaut épinglées</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>openwright::ui::TypeHits</name>
    <message>
        <source>Other types:</source>
        <translation>Autres types :</translation>
    </message>
    <message numerus="yes">
        <source>All %n in All Types</source>
        <translation>
            <numerusform>Le %n dans Tous les types</numerusform>
            <numerusform>Les %n dans Tous les types</numerusform>
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
        <translation>Ouvrir la page de téléchargement</translation>
    </message>
    <message>
        <source>Later</source>
        <translation>Plus tard</translation>
    </message>
</context>
<context>
    <name>openwright::ui::WhyPanel</name>
    <message>
        <source>Why this app?</source>
        <translation>Pourquoi cette application ?</translation>
    </message>
    <message>
        <source>Why %1 opens where it does</source>
        <translation>Pourquoi %1 s’ouvre là où il s’ouvre</translation>
    </message>
    <message>
        <source>Reading the lists…</source>
        <translation>Lecture des listes…</translation>
    </message>
    <message>
        <source>Explanation</source>
        <translation>Explication</translation>
    </message>
    <message>
        <source>Type: %1</source>
        <translation>Type : %1</translation>
    </message>
    <message>
        <source>Where the system looked, in order</source>
        <translation>Où le système a cherché, dans l’ordre</translation>
    </message>
    <message>
        <source>(decides)</source>
        <translation>(décide)</translation>
    </message>
    <message>
        <source>Skipped, not installed: %1</source>
        <translation>Ignorée, non installée : %1</translation>
    </message>
    <message>
        <source>Removed: %1</source>
        <translation>Retirée : %1</translation>
    </message>
</context>
</TS>
