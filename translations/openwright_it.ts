<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it_IT">
<context>
    <name>AppModel</name>
    <message numerus="yes">
        <source>%n defaults</source>
        <translation>
            <numerusform>%n predefinita</numerusform>
            <numerusform>%n predefinite</numerusform>
        </translation>
    </message>
    <message>
        <source>Importing these profiles would make your profiles file larger than Openwright can read back (%1 MB). Nothing was imported; delete some backups or profiles first.</source>
        <translation>Importare questi profili renderebbe il file dei profili più grande di quanto Openwright riesca a rileggere (%1 MB). Non è stato importato nulla; elimina prima alcuni backup o profili.</translation>
    </message>
    <message>
        <source>Already there, not imported again: %1.</source>
        <translation>Già presente, non importato di nuovo: %1.</translation>
    </message>
</context>
<context>
    <name>ApplicationIndex</name>
    <message>
        <source>Use %1 for All %2</source>
        <translation>Usa %1 per tutto: %2</translation>
    </message>
    <message>
        <source>Use %1 for All Its Types</source>
        <translation>Usa %1 per tutti i suoi tipi</translation>
    </message>
    <message numerus="yes">
        <source>%1 declares %n type(s) in %2.</source>
        <translation>
            <numerusform>%1 dichiara %n tipo in %2.</numerusform>
            <numerusform>%1 dichiara %n tipi in %2.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 declares %n type(s).</source>
        <translation>
            <numerusform>%1 dichiara %n tipo.</numerusform>
            <numerusform>%1 dichiara %n tipi.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>Applications</name>
    <message>
        <source>That file is not UTF-8 text, as a desktop entry must be.</source>
        <translation>Il file non è testo UTF-8, come deve esserlo una voce desktop.</translation>
    </message>
    <message>
        <source>That file is not a desktop entry.</source>
        <translation>Il file non è una voce desktop.</translation>
    </message>
    <message>
        <source>That file is not a desktop entry: it has no [Desktop Entry] group.</source>
        <translation>Il file non è una voce desktop: manca il gruppo [Desktop Entry].</translation>
    </message>
    <message>
        <source>That entry is not an application: its Type is %1.</source>
        <translation>La voce non è un&apos;applicazione: il suo Type è %1.</translation>
    </message>
    <message>
        <source>That entry is not an application: it has no Type.</source>
        <translation>La voce non è un&apos;applicazione: non ha un Type.</translation>
    </message>
    <message>
        <source>That entry does not say which program to run: it has no Exec line.</source>
        <translation>La voce non dice quale programma avviare: manca la riga Exec.</translation>
    </message>
    <message>
        <source>The program that entry runs is not installed.</source>
        <translation>Il programma avviato da questa voce non è installato.</translation>
    </message>
    <message>
        <source>The system does not list the added application yet.</source>
        <translation>Il sistema non elenca ancora l&apos;applicazione aggiunta.</translation>
    </message>
    <message>
        <source>That application is not installed where the system finds it</source>
        <translation>L&apos;applicazione non è installata dove il sistema la trova</translation>
    </message>
    <message>
        <source>Your mimeapps.list could not be read, so it was kept as %1</source>
        <translation>Impossibile leggere il tuo mimeapps.list, quindi è stato conservato come %1</translation>
    </message>
    <message>
        <source>Your mimeapps.list could not be read or kept aside, so nothing was changed</source>
        <translation>Impossibile leggere o mettere da parte il tuo mimeapps.list, quindi non è stato cambiato nulla</translation>
    </message>
    <message>
        <source>%1 is read-only, as a configuration tool leaves it, so nothing was changed. Change it where your configuration is kept.</source>
        <translation>%1 è in sola lettura, come lo lascia uno strumento di configurazione, quindi non è stato cambiato nulla. Cambialo dove è gestita la tua configurazione.</translation>
    </message>
    <message>
        <source>%1: links</source>
        <translation>Link %1:</translation>
    </message>
    <message>
        <source>The terminal has one choice, not an order: set it instead.</source>
        <translation>Il terminale è una scelta, non un ordine: impostalo invece.</translation>
    </message>
    <message>
        <source>The system still offers %1: a list of the desktop or the administrator names it, and the system reads removals only in mimeapps.list.</source>
        <translation>Il sistema offre ancora %1: un elenco del desktop o dell&apos;amministratore lo nomina, e il sistema legge le rimozioni solo in mimeapps.list.</translation>
    </message>
    <message>
        <source>The system does not offer them in this order yet.</source>
        <translation>Il sistema non le offre ancora in quest&apos;ordine.</translation>
    </message>
</context>
<context>
    <name>BackupReason</name>
    <message>
        <source>Saved by you</source>
        <translation>Salvato da te</translation>
    </message>
    <message>
        <source>Daily backup</source>
        <translation>Backup giornaliero</translation>
    </message>
    <message>
        <source>Before applying “%1”</source>
        <translation>Prima di applicare «%1»</translation>
    </message>
    <message>
        <source>Before restoring “%1”</source>
        <translation>Prima di ripristinare «%1»</translation>
    </message>
    <message>
        <source>Before reverting %1</source>
        <translation>Prima di annullare %1</translation>
    </message>
</context>
<context>
    <name>Catalog</name>
    <message>
        <source>System Roles</source>
        <translation>Ruoli di sistema</translation>
    </message>
    <message>
        <source>Documents &amp; Office</source>
        <translation>Documenti e ufficio</translation>
    </message>
    <message>
        <source>AI &amp; Productivity</source>
        <translation>IA e produttività</translation>
    </message>
    <message>
        <source>Code &amp; Developer</source>
        <translation>Codice e sviluppo</translation>
    </message>
    <message>
        <source>Design &amp; Graphics</source>
        <translation>Design e grafica</translation>
    </message>
    <message>
        <source>E-Books &amp; Publishing</source>
        <translation>E-book ed editoria</translation>
    </message>
    <message>
        <source>Media &amp; Creative</source>
        <translation>Media e creatività</translation>
    </message>
    <message>
        <source>Archives &amp; Packages</source>
        <translation>Archivi e pacchetti</translation>
    </message>
    <message>
        <source>3D Printing &amp; Spatial</source>
        <translation>Stampa 3D e spaziale</translation>
    </message>
    <message>
        <source>Maps &amp; Navigation</source>
        <translation>Mappe e navigazione</translation>
    </message>
    <message>
        <source>Communication Links</source>
        <translation>Link di comunicazione</translation>
    </message>
    <message>
        <source>Gaming &amp; Emulation</source>
        <translation>Giochi ed emulazione</translation>
    </message>
    <message>
        <source>Security &amp; Privacy</source>
        <translation>Sicurezza e privacy</translation>
    </message>
    <message>
        <source>My File Types</source>
        <translation>I miei tipi di file</translation>
    </message>
    <message>
        <source>Web Browser</source>
        <translation>Browser web</translation>
    </message>
    <message>
        <source>Opens web links, plus https:, .html and .htm</source>
        <translation>Apre i link web, oltre a https:, .html e .htm</translation>
    </message>
    <message>
        <source>Email</source>
        <translation>Email</translation>
    </message>
    <message>
        <source>Composes new emails from mailto: links</source>
        <translation>Scrive nuove email dai link mailto:</translation>
    </message>
    <message>
        <source>Phone Calls</source>
        <translation>Chiamate telefoniche</translation>
    </message>
    <message>
        <source>Handles tel: links for calling</source>
        <translation>Gestisce i link tel: per chiamare</translation>
    </message>
    <message>
        <source>SMS &amp; Messages</source>
        <translation>SMS e messaggi</translation>
    </message>
    <message>
        <source>Handles sms: links for text messages</source>
        <translation>Gestisce i link sms: per i messaggi di testo</translation>
    </message>
    <message>
        <source>File Manager</source>
        <translation>Gestore file</translation>
    </message>
    <message>
        <source>Opens folders</source>
        <translation>Apre le cartelle</translation>
    </message>
    <message>
        <source>Calendar Subscriptions</source>
        <translation>Iscrizioni a calendari</translation>
    </message>
    <message>
        <source>Subscribes to webcal: calendar feeds</source>
        <translation>Si iscrive ai calendari webcal:</translation>
    </message>
    <message>
        <source>PDF Documents (.pdf)</source>
        <translation>Documenti PDF (.pdf)</translation>
    </message>
    <message>
        <source>Viewer/Editor for PDF document files</source>
        <translation>Visualizzatore/editor di documenti PDF</translation>
    </message>
    <message>
        <source>Word Documents (.docx)</source>
        <translation>Documenti Word (.docx)</translation>
    </message>
    <message>
        <source>Viewer/Editor for Microsoft Word files</source>
        <translation>Visualizzatore/editor di file Microsoft Word</translation>
    </message>
    <message>
        <source>Legacy Word Docs (.doc)</source>
        <translation>Vecchi documenti Word (.doc)</translation>
    </message>
    <message>
        <source>Viewer for classic Word .doc files</source>
        <translation>Visualizzatore di file .doc classici di Word</translation>
    </message>
    <message>
        <source>Excel Spreadsheets (.xlsx)</source>
        <translation>Fogli di calcolo Excel (.xlsx)</translation>
    </message>
    <message>
        <source>Viewer/Editor for Excel spreadsheets</source>
        <translation>Visualizzatore/editor di fogli di calcolo Excel</translation>
    </message>
    <message>
        <source>CSV Data Files (.csv)</source>
        <translation>File di dati CSV (.csv)</translation>
    </message>
    <message>
        <source>Data viewer for comma-separated files</source>
        <translation>Visualizzatore di dati separati da virgole</translation>
    </message>
    <message>
        <source>PowerPoint Slides (.pptx)</source>
        <translation>Diapositive PowerPoint (.pptx)</translation>
    </message>
    <message>
        <source>Viewer for slide presentations</source>
        <translation>Visualizzatore di presentazioni</translation>
    </message>
    <message>
        <source>Text Files (.txt)</source>
        <translation>File di testo (.txt)</translation>
    </message>
    <message>
        <source>Plain text editor or viewer</source>
        <translation>Editor o visualizzatore di testo semplice</translation>
    </message>
    <message>
        <source>Rich Text Format (.rtf)</source>
        <translation>Rich Text Format (.rtf)</translation>
    </message>
    <message>
        <source>Rich text document editor</source>
        <translation>Editor di documenti in testo formattato</translation>
    </message>
    <message>
        <source>AI Prompt Configs (.prompt)</source>
        <translation>Configurazioni di prompt IA (.prompt)</translation>
    </message>
    <message>
        <source>Editor for system prompts &amp; LLM configs</source>
        <translation>Editor di prompt di sistema e configurazioni LLM</translation>
    </message>
    <message>
        <source>Vector DB Exports (.jsonl)</source>
        <translation>Esportazioni di DB vettoriali (.jsonl)</translation>
    </message>
    <message>
        <source>Viewer for JSON Lines dataset dumps</source>
        <translation>Visualizzatore di dataset JSON Lines</translation>
    </message>
    <message>
        <source>Subtitles &amp; Transcripts (.srt)</source>
        <translation>Sottotitoli e trascrizioni (.srt)</translation>
    </message>
    <message>
        <source>Viewer for speech transcripts</source>
        <translation>Visualizzatore di trascrizioni vocali</translation>
    </message>
    <message>
        <source>JSON Data (.json)</source>
        <translation>Dati JSON (.json)</translation>
    </message>
    <message>
        <source>Viewer/Editor for JSON configuration &amp; data files</source>
        <translation>Visualizzatore/editor di file di configurazione e dati JSON</translation>
    </message>
    <message>
        <source>Markdown Files (.md)</source>
        <translation>File Markdown (.md)</translation>
    </message>
    <message>
        <source>Viewer for formatted Markdown docs</source>
        <translation>Visualizzatore di documenti Markdown formattati</translation>
    </message>
    <message>
        <source>Python Scripts (.py)</source>
        <translation>Script Python (.py)</translation>
    </message>
    <message>
        <source>Editor for Python source files</source>
        <translation>Editor di sorgenti Python</translation>
    </message>
    <message>
        <source>Swift Code (.swift)</source>
        <translation>Codice Swift (.swift)</translation>
    </message>
    <message>
        <source>Editor for Swift source files</source>
        <translation>Editor di sorgenti Swift</translation>
    </message>
    <message>
        <source>JavaScript (.js)</source>
        <translation>JavaScript (.js)</translation>
    </message>
    <message>
        <source>Editor for JavaScript source files</source>
        <translation>Editor di sorgenti JavaScript</translation>
    </message>
    <message>
        <source>TypeScript (.ts)</source>
        <translation>TypeScript (.ts)</translation>
    </message>
    <message>
        <source>Editor for TypeScript source files</source>
        <translation>Editor di sorgenti TypeScript</translation>
    </message>
    <message>
        <source>YAML Configurations (.yaml)</source>
        <translation>Configurazioni YAML (.yaml)</translation>
    </message>
    <message>
        <source>Editor for YAML deployment files</source>
        <translation>Editor di file di deployment YAML</translation>
    </message>
    <message>
        <source>XML Files (.xml)</source>
        <translation>File XML (.xml)</translation>
    </message>
    <message>
        <source>Viewer/Editor for XML documents</source>
        <translation>Visualizzatore/editor di documenti XML</translation>
    </message>
    <message>
        <source>SQL Database Scripts (.sql)</source>
        <translation>Script di database SQL (.sql)</translation>
    </message>
    <message>
        <source>Viewer for database export scripts</source>
        <translation>Visualizzatore di script di esportazione di database</translation>
    </message>
    <message>
        <source>Kotlin Code (.kt)</source>
        <translation>Codice Kotlin (.kt)</translation>
    </message>
    <message>
        <source>Editor for Kotlin source code</source>
        <translation>Editor di codice sorgente Kotlin</translation>
    </message>
    <message>
        <source>Shell Scripts (.sh)</source>
        <translation>Script shell (.sh)</translation>
    </message>
    <message>
        <source>Editor for shell scripts</source>
        <translation>Editor di script shell</translation>
    </message>
    <message>
        <source>Log Files (.log)</source>
        <translation>File di log (.log)</translation>
    </message>
    <message>
        <source>Viewer for application and system logs</source>
        <translation>Visualizzatore di log di applicazioni e sistema</translation>
    </message>
    <message>
        <source>SSH Links (ssh:)</source>
        <translation>Link SSH (ssh:)</translation>
    </message>
    <message>
        <source>Terminal app for ssh: connections</source>
        <translation>Terminale per le connessioni ssh:</translation>
    </message>
    <message>
        <source>Vector Graphics (.svg)</source>
        <translation>Grafica vettoriale (.svg)</translation>
    </message>
    <message>
        <source>Viewer for scalable vector graphics</source>
        <translation>Visualizzatore di grafica vettoriale scalabile</translation>
    </message>
    <message>
        <source>Photoshop Files (.psd)</source>
        <translation>File Photoshop (.psd)</translation>
    </message>
    <message>
        <source>Viewer for Adobe Photoshop documents</source>
        <translation>Visualizzatore di documenti Adobe Photoshop</translation>
    </message>
    <message>
        <source>RAW Camera Photos (.dng)</source>
        <translation>Foto RAW (.dng)</translation>
    </message>
    <message>
        <source>Viewer for raw digital camera photos</source>
        <translation>Visualizzatore di foto grezze da fotocamera</translation>
    </message>
    <message>
        <source>TrueType Fonts (.ttf)</source>
        <translation>Caratteri TrueType (.ttf)</translation>
    </message>
    <message>
        <source>Font installer/previewer</source>
        <translation>Installazione/anteprima di caratteri</translation>
    </message>
    <message>
        <source>EPUB E-Books (.epub)</source>
        <translation>E-book EPUB (.epub)</translation>
    </message>
    <message>
        <source>Reader for EPUB digital books</source>
        <translation>Lettore di libri digitali EPUB</translation>
    </message>
    <message>
        <source>Kindle E-Books (.mobi)</source>
        <translation>E-book Kindle (.mobi)</translation>
    </message>
    <message>
        <source>Reader for MOBI digital books</source>
        <translation>Lettore di libri digitali MOBI</translation>
    </message>
    <message>
        <source>Comic Archives (.cbz)</source>
        <translation>Archivi di fumetti (.cbz)</translation>
    </message>
    <message>
        <source>Reader for comic book archives</source>
        <translation>Lettore di archivi di fumetti</translation>
    </message>
    <message>
        <source>MP4 Video (.mp4)</source>
        <translation>Video MP4 (.mp4)</translation>
    </message>
    <message>
        <source>Player for MP4 movies &amp; video clips</source>
        <translation>Lettore di film e clip MP4</translation>
    </message>
    <message>
        <source>MKV Video (.mkv)</source>
        <translation>Video MKV (.mkv)</translation>
    </message>
    <message>
        <source>Player for high-definition MKV videos</source>
        <translation>Lettore di video MKV ad alta definizione</translation>
    </message>
    <message>
        <source>QuickTime Movies (.mov)</source>
        <translation>Filmati QuickTime (.mov)</translation>
    </message>
    <message>
        <source>Player for QuickTime movies</source>
        <translation>Lettore di filmati QuickTime</translation>
    </message>
    <message>
        <source>MP3 Audio (.mp3)</source>
        <translation>Audio MP3 (.mp3)</translation>
    </message>
    <message>
        <source>Player for MP3 audio tracks</source>
        <translation>Lettore di brani audio MP3</translation>
    </message>
    <message>
        <source>Lossless Audio (.flac)</source>
        <translation>Audio lossless (.flac)</translation>
    </message>
    <message>
        <source>Player for high-fidelity FLAC audio</source>
        <translation>Lettore di audio FLAC ad alta fedeltà</translation>
    </message>
    <message>
        <source>JPEG Photos (.jpg)</source>
        <translation>Foto JPEG (.jpg)</translation>
    </message>
    <message>
        <source>Viewer for digital photos</source>
        <translation>Visualizzatore di foto digitali</translation>
    </message>
    <message>
        <source>PNG Images (.png)</source>
        <translation>Immagini PNG (.png)</translation>
    </message>
    <message>
        <source>Viewer for transparent PNG images</source>
        <translation>Visualizzatore di immagini PNG trasparenti</translation>
    </message>
    <message>
        <source>WebP Media (.webp)</source>
        <translation>Media WebP (.webp)</translation>
    </message>
    <message>
        <source>Viewer for modern WebP graphics</source>
        <translation>Visualizzatore di grafica WebP moderna</translation>
    </message>
    <message>
        <source>HEIC Photos (.heic)</source>
        <translation>Foto HEIC (.heic)</translation>
    </message>
    <message>
        <source>Viewer for high-efficiency photos</source>
        <translation>Visualizzatore di foto ad alta efficienza</translation>
    </message>
    <message>
        <source>ZIP Archives (.zip)</source>
        <translation>Archivi ZIP (.zip)</translation>
    </message>
    <message>
        <source>Extractor for compressed ZIP archives</source>
        <translation>Estrattore di archivi ZIP compressi</translation>
    </message>
    <message>
        <source>RAR Archives (.rar)</source>
        <translation>Archivi RAR (.rar)</translation>
    </message>
    <message>
        <source>Extractor for RAR compressed archives</source>
        <translation>Estrattore di archivi RAR compressi</translation>
    </message>
    <message>
        <source>7-Zip Archives (.7z)</source>
        <translation>Archivi 7-Zip (.7z)</translation>
    </message>
    <message>
        <source>Extractor for 7z archives</source>
        <translation>Estrattore di archivi 7z</translation>
    </message>
    <message>
        <source>Disk Images (.dmg)</source>
        <translation>Immagini disco (.dmg)</translation>
    </message>
    <message>
        <source>Mounter for macOS disk images</source>
        <translation>Montaggio di immagini disco macOS</translation>
    </message>
    <message>
        <source>Torrent Files (.torrent)</source>
        <translation>File torrent (.torrent)</translation>
    </message>
    <message>
        <source>Downloader for P2P torrent files</source>
        <translation>Downloader di file torrent P2P</translation>
    </message>
    <message>
        <source>3D Printing Models (.stl)</source>
        <translation>Modelli per stampa 3D (.stl)</translation>
    </message>
    <message>
        <source>Viewer for 3D printer STL files</source>
        <translation>Visualizzatore di file STL per stampanti 3D</translation>
    </message>
    <message>
        <source>3D CAD Models (.obj)</source>
        <translation>Modelli CAD 3D (.obj)</translation>
    </message>
    <message>
        <source>Viewer for 3D object geometry</source>
        <translation>Visualizzatore di geometrie di oggetti 3D</translation>
    </message>
    <message>
        <source>3D GLTF Scenes (.gltf)</source>
        <translation>Scene GLTF 3D (.gltf)</translation>
    </message>
    <message>
        <source>Viewer for 3D GLTF asset scenes</source>
        <translation>Visualizzatore di scene 3D GLTF</translation>
    </message>
    <message>
        <source>USDZ Scenes (.usdz)</source>
        <translation>Scene USDZ (.usdz)</translation>
    </message>
    <message>
        <source>Viewer for Apple USDZ 3D scenes</source>
        <translation>Visualizzatore di scene 3D USDZ di Apple</translation>
    </message>
    <message>
        <source>GPS Track Logs (.gpx)</source>
        <translation>Tracce GPS (.gpx)</translation>
    </message>
    <message>
        <source>Viewer for GPX trails and routes</source>
        <translation>Visualizzatore di tracce e percorsi GPX</translation>
    </message>
    <message>
        <source>Google Earth Places (.kml)</source>
        <translation>Luoghi di Google Earth (.kml)</translation>
    </message>
    <message>
        <source>Viewer for KML placemarks</source>
        <translation>Visualizzatore di segnaposti KML</translation>
    </message>
    <message>
        <source>Telegram Links (tg:)</source>
        <translation>Link di Telegram (tg:)</translation>
    </message>
    <message>
        <source>Messenger app for Telegram links</source>
        <translation>Messaggistica per i link di Telegram</translation>
    </message>
    <message>
        <source>Zoom Meetings (zoommtg:)</source>
        <translation>Riunioni Zoom (zoommtg:)</translation>
    </message>
    <message>
        <source>Client for Zoom meeting links</source>
        <translation>Client per i link delle riunioni Zoom</translation>
    </message>
    <message>
        <source>Slack Links (slack:)</source>
        <translation>Link di Slack (slack:)</translation>
    </message>
    <message>
        <source>Client for Slack deep links</source>
        <translation>Client per i deep link di Slack</translation>
    </message>
    <message>
        <source>Disk Images (.iso)</source>
        <translation>Immagini disco (.iso)</translation>
    </message>
    <message>
        <source>Emulation launcher for console ISOs</source>
        <translation>Avvio di emulatori per ISO di console</translation>
    </message>
    <message>
        <source>GBA ROMs (.gba)</source>
        <translation>ROM GBA (.gba)</translation>
    </message>
    <message>
        <source>Emulator for GameBoy Advance ROMs</source>
        <translation>Emulatore di ROM Game Boy Advance</translation>
    </message>
    <message>
        <source>OpenPGP Encryption (.gpg)</source>
        <translation>Cifratura OpenPGP (.gpg)</translation>
    </message>
    <message>
        <source>Security app for PGP/GPG files</source>
        <translation>Applicazione di sicurezza per file PGP/GPG</translation>
    </message>
    <message>
        <source>OpenVPN Profiles (.ovpn)</source>
        <translation>Profili OpenVPN (.ovpn)</translation>
    </message>
    <message>
        <source>VPN client for OpenVPN configurations</source>
        <translation>Client VPN per configurazioni OpenVPN</translation>
    </message>
    <message>
        <source>Added by you</source>
        <translation>Aggiunto da te</translation>
    </message>
    <message>
        <source>Terminal</source>
        <translation>Terminale</translation>
    </message>
    <message>
        <source>Runs programs that need a terminal</source>
        <translation>Esegue i programmi che richiedono un terminale</translation>
    </message>
</context>
<context>
    <name>ChangeResult</name>
    <message>
        <source>Changed</source>
        <translation>Cambiata</translation>
    </message>
    <message>
        <source>Already the default</source>
        <translation>È già l&apos;applicazione predefinita</translation>
    </message>
    <message>
        <source>That app is no longer installed</source>
        <translation>L&apos;applicazione non è più installata</translation>
    </message>
    <message>
        <source>The change could not be made</source>
        <translation>Impossibile effettuare la modifica</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>Reset to the system default</source>
        <translation>Riportata alla predefinita di sistema</translation>
    </message>
    <message>
        <source>Already the system default</source>
        <translation>È già la predefinita di sistema</translation>
    </message>
    <message>
        <source>%1 (%2) does not say it can open %3. Add --force to make it the default all the same.</source>
        <translation>%1 (%2) non dichiara di poter aprire %3. Aggiungi --force per renderla comunque la predefinita.</translation>
    </message>
    <message>
        <source>: There is no such file or folder.</source>
        <translation>: file o cartella inesistente.</translation>
    </message>
    <message>
        <source>: The system knows no such MIME type.</source>
        <translation>: il sistema non conosce questo tipo MIME.</translation>
    </message>
    <message>
        <source>: That is not a type. Expected an extension (.pdf or pdf), a link type (mailto:), a MIME type (application/pdf) or a file (./report.pdf).</source>
        <translation>: questo non è un tipo. Atteso un&apos;estensione (.pdf o pdf), un tipo di link (mailto:), un tipo MIME (application/pdf) o un file (./report.pdf).</translation>
    </message>
</context>
<context>
    <name>DateText</name>
    <message>
        <source>%1 at %2</source>
        <comment>a backup&apos;s name: date and time</comment>
        <translation>%1 alle %2</translation>
    </message>
</context>
<context>
    <name>DecisionChain</name>
    <message>
        <source>%1 does not exist</source>
        <translation>%1 non esiste</translation>
    </message>
    <message>
        <source>%1 cannot be read as a list, so the system ignores all of it</source>
        <translation>%1 non può essere letto come elenco, quindi il sistema lo ignora del tutto</translation>
    </message>
    <message>
        <source>%1 has no entry for %2</source>
        <translation>%1 non ha una voce per %2</translation>
    </message>
    <message>
        <source>%1 line %2</source>
        <translation>%1, riga %2</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <source>%1 (a parent type)</source>
        <translation>%1 (un tipo genitore)</translation>
    </message>
    <message>
        <source>%1 (a parent type of %2)</source>
        <translation>%1 (un tipo genitore di %2)</translation>
    </message>
    <message>
        <source>%1 sets %2 for %3</source>
        <translation>%1 imposta %2 per %3</translation>
    </message>
    <message>
        <source>%1 names no application for %2</source>
        <translation>%1 non indica alcuna applicazione per %2</translation>
    </message>
    <message>
        <source>%1 names %2 for %3, but it is not installed</source>
        <translation>%1 indica %2 per %3, ma non è installata</translation>
    </message>
    <message>
        <source>%1 names %2 for %3, but none of them is installed</source>
        <translation>%1 indica %2 per %3, ma nessuna è installata</translation>
    </message>
    <message>
        <source>%1 names %2 for %3, outranked by the choice above</source>
        <translation>%1 indica %2 per %3, superata dalla scelta precedente</translation>
    </message>
    <message>
        <source>%1 adds %2 for %3, and no list sets an installed default</source>
        <translation>%1 aggiunge %2 per %3, e nessun elenco imposta una predefinita installata</translation>
    </message>
    <message>
        <source>%1 adds %2 for %3</source>
        <translation>%1 aggiunge %2 per %3</translation>
    </message>
    <message>
        <source>%1 removes %2 from the applications for %3</source>
        <translation>%1 rimuove %2 dalle applicazioni per %3</translation>
    </message>
    <message>
        <source>%1 removes %2 for %3, with no effect: an earlier entry names it</source>
        <translation>%1 rimuove %2 per %3, senza effetto: una voce precedente la indica</translation>
    </message>
    <message>
        <source>%1 removes %2 for %3, with no effect on applications installed in the same folder</source>
        <translation>%1 rimuove %2 per %3, senza effetto sulle applicazioni installate nella stessa cartella</translation>
    </message>
    <message>
        <source>No list sets an installed default for %1, so the first installed handler is used: %2</source>
        <translation>Nessun elenco imposta un&apos;applicazione predefinita installata per %1, quindi viene usata la prima applicazione installata che lo gestisce: %2</translation>
    </message>
    <message>
        <source>No installed application handles %1</source>
        <translation>Nessuna applicazione installata gestisce %1</translation>
    </message>
    <message>
        <source>No installed handler of %1 can be used</source>
        <translation>Nessuna applicazione installata per %1 è utilizzabile</translation>
    </message>
    <message>
        <source> (skipped %1: not installed)</source>
        <translation> (saltata: %1, non installata)</translation>
    </message>
    <message>
        <source> (removed: %1)</source>
        <translation> (rimossa: %1)</translation>
    </message>
    <message>
        <source>%1 opens in %2 because %3 sets it for %4</source>
        <translation>%1 si apre in %2 perché %3 la imposta per %4</translation>
    </message>
    <message>
        <source>%1 opens in %2 because %3 adds it for %4 and no list sets an installed default</source>
        <translation>%1 si apre in %2 perché %3 la aggiunge per %4 e nessun elenco imposta una predefinita installata</translation>
    </message>
    <message>
        <source>%1 opens in %2 because no list sets an installed default and it is the first installed application that handles %3</source>
        <translation>%1 si apre in %2 perché nessun elenco imposta una predefinita installata ed è la prima applicazione installata che gestisce %3</translation>
    </message>
    <message>
        <source>Nothing opens %1 (%2): no list names an installed application, and none is installed that handles it</source>
        <translation>Niente apre %1 (%2): nessun elenco indica un&apos;applicazione installata, e non ce n&apos;è nessuna installata che lo gestisca</translation>
    </message>
    <message>
        <source>. The system reports %1 instead, so this explanation is incomplete</source>
        <translation>. Il sistema riporta invece %1, quindi questa spiegazione è incompleta</translation>
    </message>
    <message>
        <source>. The system reports no application, so this explanation is incomplete</source>
        <translation>. Il sistema non riporta alcuna applicazione, quindi questa spiegazione è incompleta</translation>
    </message>
    <message>
        <source>No explanation is available for %1</source>
        <translation>Nessuna spiegazione disponibile per %1</translation>
    </message>
    <message>
        <source>XDG_CURRENT_DESKTOP names %1, so the system also reads %2 in each folder</source>
        <translation>XDG_CURRENT_DESKTOP indica %1, quindi il sistema legge anche %2 in ogni cartella</translation>
    </message>
    <message>
        <source>XDG_CURRENT_DESKTOP names no desktop, so the system reads no desktop-specific lists</source>
        <translation>XDG_CURRENT_DESKTOP non indica alcun desktop, quindi il sistema non legge elenchi specifici del desktop</translation>
    </message>
    <message>
        <source>; it found %1</source>
        <translation>; ha trovato %1</translation>
    </message>
    <message>
        <source>. It ignores %1: a desktop name may hold only letters, digits, - and _</source>
        <translation>. Ignora %1: il nome di un desktop può contenere solo lettere, cifre, - e _</translation>
    </message>
    <message>
        <source>“%1”</source>
        <translation>«%1»</translation>
    </message>
    <message>
        <source>~</source>
        <translation>~</translation>
    </message>
    <message>
        <source>%1 (%2) names %3: links that desktop opens go to %4</source>
        <translation>%1 (%2) indica %3: i link aperti da quel desktop vanno a %4</translation>
    </message>
    <message>
        <source>%1 (%2) names %3, which no installed application matches: links that desktop opens may not open</source>
        <translation>%1 (%2) indica %3, che non corrisponde ad alcuna applicazione installata: i link aperti da quel desktop potrebbero non aprirsi</translation>
    </message>
    <message>
        <source>; but links %1 opens follow its own setting, %2</source>
        <translation>; ma i link aperti da %1 seguono la sua impostazione, %2</translation>
    </message>
    <message>
        <source>Set by your system: %1 line %2</source>
        <translation>Impostato dal sistema: %1, riga %2</translation>
    </message>
    <message>
        <source>%1 names %2 first among the installed terminals</source>
        <translation>%1 indica %2 per primo tra i terminali installati</translation>
    </message>
    <message>
        <source>%1 names %2, but none of them is an installed terminal</source>
        <translation>%1 indica %2, ma nessuno è un terminale installato</translation>
    </message>
    <message>
        <source>%1 names no terminal</source>
        <translation>%1 non indica alcun terminale</translation>
    </message>
    <message>
        <source>%1 sets %2 to %3: the terminal that desktop starts is %4</source>
        <translation>%1 imposta %2 su %3: il terminale che quel desktop avvia è %4</translation>
    </message>
    <message>
        <source>%1 sets %2 to %3, which no installed terminal matches: that desktop may start no terminal</source>
        <translation>%1 imposta %2 su %3, a cui non corrisponde alcun terminale installato: quel desktop potrebbe non avviare alcun terminale</translation>
    </message>
    <message>
        <source>GSettings %1</source>
        <translation>GSettings %1</translation>
    </message>
    <message>
        <source>%1 leads to %2, which is %3: programs that start x-terminal-emulator use it</source>
        <translation>%1 porta a %2, cioè %3: i programmi che avviano x-terminal-emulator lo usano</translation>
    </message>
    <message>
        <source>%1 leads to %2, which no installed terminal runs</source>
        <translation>%1 porta a %2, che nessun terminale installato esegue</translation>
    </message>
    <message>
        <source>%1 opens in %2 because %3 names it first among the installed terminals</source>
        <translation>%1 si apre in %2 perché %3 lo indica per primo tra i terminali installati</translation>
    </message>
    <message>
        <source>%1 opens in %2 because %3 sets %4</source>
        <translation>%1 si apre in %2 perché %3 imposta %4</translation>
    </message>
    <message>
        <source>; but xdg-terminal-exec starts %1, which %2 names first</source>
        <translation>; ma xdg-terminal-exec avvia %1, che %2 indica per primo</translation>
    </message>
    <message>
        <source>XDG_CURRENT_DESKTOP names %1, so xdg-terminal-exec also reads %2 in each folder</source>
        <translation>XDG_CURRENT_DESKTOP indica %1, quindi xdg-terminal-exec legge anche %2 in ogni cartella</translation>
    </message>
    <message>
        <source>the terminal</source>
        <translation>il terminale</translation>
    </message>
</context>
<context>
    <name>DesktopBrowser</name>
    <message>
        <source>%1&apos;s links</source>
        <translation>Link di %1</translation>
    </message>
    <message>
        <source>%1 cannot be read, so it was left as it is.</source>
        <translation>Impossibile leggere %1, quindi è stato lasciato com’era.</translation>
    </message>
    <message>
        <source>Xfce&apos;s Debian browser, which starts %1</source>
        <translation>il browser Debian di Xfce, che avvia %1</translation>
    </message>
</context>
<context>
    <name>DesktopTerminal</name>
    <message>
        <source>Xfce&apos;s Debian terminal, which starts %1</source>
        <translation>il terminale Debian di Xfce, che avvia %1</translation>
    </message>
    <message>
        <source>the system&apos;s terminal, %1</source>
        <translation>il terminale del sistema, %1</translation>
    </message>
    <message>
        <source>%1&apos;s terminal</source>
        <translation>terminale di %1</translation>
    </message>
</context>
<context>
    <name>Doctor</name>
    <message>
        <source>Line %1 of %2 names %3 for %4, which is no longer installed.</source>
        <translation>La riga %1 di %2 indica per %4 l&apos;applicazione %3, che non è più installata.</translation>
    </message>
    <message>
        <source>Line %1 of %2 sets %3, another name of %4, which line %5 sets too.</source>
        <translation>La riga %1 di %2 imposta %3, un altro nome di %4, che anche la riga %5 imposta.</translation>
    </message>
    <message>
        <source>Line %1 of %2 removes %3 from the applications for %4, although it is the default of that type.</source>
        <translation>La riga %1 di %2 toglie %3 dalle applicazioni per %4, benché sia la predefinita di quel tipo.</translation>
    </message>
    <message>
        <source>%1 is an older list the system still reads: its line %2 decides that %3 opens in %4.</source>
        <translation>%1 è un elenco più vecchio che il sistema legge ancora: la sua riga %2 decide che %3 si apre in %4.</translation>
    </message>
    <message>
        <source>Line %1 of %2, a list for one desktop, makes %3 open in %4, overriding your choice of %5.</source>
        <translation>La riga %1 di %2, un elenco per un solo desktop, fa aprire %3 in %4, scavalcando la tua scelta di %5.</translation>
    </message>
    <message>
        <source>%1 was made by an &quot;open with a command&quot; dialog and runs the same program as %2.</source>
        <translation>%1 è stato creato da una finestra «apri con un comando» ed esegue lo stesso programma di %2.</translation>
    </message>
    <message>
        <source>%1 was made by an &quot;open with a command&quot; dialog; the program it runs (%2) is gone.</source>
        <translation>%1 è stato creato da una finestra «apri con un comando»; il programma che esegue (%2) non c&apos;è più.</translation>
    </message>
    <message>
        <source>%1 runs %2, which is not found, so the system passes over it.</source>
        <translation>%1 esegue %2, che non si trova, quindi il sistema lo ignora.</translation>
    </message>
    <message>
        <source>%1 is a read-only link to %2, managed by a configuration tool.</source>
        <translation>%1 è un collegamento di sola lettura a %2, gestito da uno strumento di configurazione.</translation>
    </message>
    <message>
        <source>Managed by your configuration; change it there.</source>
        <translation>Gestito dalla tua configurazione; cambialo lì.</translation>
    </message>
    <message>
        <source>Keep %1 among the applications for %2.</source>
        <translation>Mantenere %1 tra le applicazioni per %2.</translation>
    </message>
    <message>
        <source>Name %1 instead in your lists, and remove this entry.</source>
        <translation>Indicare invece %1 nei tuoi elenchi e togliere questa voce.</translation>
    </message>
    <message>
        <source>Remove the entry and the lines naming it.</source>
        <translation>Togliere la voce e le righe che la indicano.</translation>
    </message>
    <message>
        <source>Remove the entry.</source>
        <translation>Togliere la voce.</translation>
    </message>
    <message>
        <source>Could not remove %1.</source>
        <translation>Impossibile rimuovere %1.</translation>
    </message>
    <message>
        <source>Line %1 of %2 sets %3, another name of %4, before line %5 sets %4 itself: the system tries the applications of line %1 first.</source>
        <translation>La riga %1 di %2 imposta %3, un altro nome di %4, prima che la riga %5 imposti %4 stesso: il sistema prova prima le applicazioni della riga %1.</translation>
    </message>
    <message>
        <source>left as it was, because %1 could not be changed.</source>
        <translation>lasciato com’era, perché non è stato possibile modificare %1.</translation>
    </message>
    <message>
        <source>%1 is set twice in [%2] of %3 (lines %4 and %5); the system keeps the place of the first and the applications of the last.</source>
        <translation>%1 è impostato due volte in [%2] di %3 (righe %4 e %5); il sistema mantiene la posizione della prima e le applicazioni dell’ultima.</translation>
    </message>
    <message>
        <source>%1 is read-only, managed by a configuration tool or an administrator.</source>
        <translation>%1 è in sola lettura, gestito da uno strumento di configurazione o da un amministratore.</translation>
    </message>
    <message>
        <source>Line %1 of %2 (“%3”) is no setting, group or comment, so the system ignores the whole list: none of its defaults count.</source>
        <translation>La riga %1 di %2 («%3») non è un’impostazione, un gruppo o un commento, quindi il sistema ignora l’intero elenco: nessuna delle sue predefinite conta.</translation>
    </message>
    <message>
        <source>Line %1 of %2 names %3 for %4: with the blank around it, the name never matches an application.</source>
        <translation>La riga %1 di %2 indica %3 per %4: con lo spazio attorno, il nome non corrisponde mai a un’applicazione.</translation>
    </message>
    <message>
        <source>[%1] in %2 (line %3) is ignored by the system: only your own mimeapps.list may add or remove applications.</source>
        <translation>Il sistema ignora [%1] in %2 (riga %3): solo il tuo mimeapps.list può aggiungere o rimuovere applicazioni.</translation>
    </message>
    <message>
        <source>Remove %1 from the line.</source>
        <translation>Rimuovere %1 dalla riga.</translation>
    </message>
    <message>
        <source>Move the applications of line %1 into line %2 and remove line %1.</source>
        <translation>Spostare le applicazioni della riga %1 nella riga %2 e rimuovere la riga %1.</translation>
    </message>
    <message>
        <source>Keep one line for %1, with the applications the system reads now.</source>
        <translation>Tenere una riga per %1, con le applicazioni che il sistema legge ora.</translation>
    </message>
    <message>
        <source>Move the line to your own mimeapps.list.</source>
        <translation>Spostare la riga nel tuo mimeapps.list.</translation>
    </message>
    <message>
        <source>Remove line %1.</source>
        <translation>Rimuovere la riga %1.</translation>
    </message>
    <message>
        <source>Remove the lines the system cannot read, so that it reads the list again.</source>
        <translation>Rimuovere le righe che il sistema non sa leggere, così che legga di nuovo l’elenco.</translation>
    </message>
    <message>
        <source>Write it as %1.</source>
        <translation>Scriverlo come %1.</translation>
    </message>
    <message>
        <source>Remove the group.</source>
        <translation>Rimuovere il gruppo.</translation>
    </message>
    <message>
        <source>Which application opens each type afterwards cannot be told for sure, so this fix is not selected by itself.</source>
        <translation>Non si può dire con certezza quale applicazione aprirà ogni tipo dopo, quindi questa correzione non è selezionata da sé.</translation>
    </message>
    <message>
        <source>Nothing else changes.</source>
        <translation>Nient’altro cambia.</translation>
    </message>
    <message>
        <source>no application</source>
        <translation>nessuna applicazione</translation>
    </message>
    <message>
        <source>%1 opens in %2 instead of %3</source>
        <translation>%1 si apre in %2 invece che in %3</translation>
    </message>
    <message>
        <source>Afterwards %1.</source>
        <translation>Dopo: %1.</translation>
    </message>
    <message>
        <source>%1 now opens in %2 (before: %3)</source>
        <translation>%1 ora si apre in %2 (prima: %3)</translation>
    </message>
    <message>
        <source>Line %1 of %2 makes %3 open in %4, your own choice; your system sets %5 for everyone (%6 line %7).</source>
        <translation>La riga %1 di %2 fa aprire %3 con %4, una tua scelta; il sistema imposta %5 per tutti (%6, riga %7).</translation>
    </message>
    <message>
        <source>Nothing to fix: your line wins, as it should. To follow your system&apos;s choice, reset the type to the system default.</source>
        <translation>Niente da correggere: la tua riga prevale, come deve. Per seguire la scelta del sistema, ripristina il tipo al predefinito di sistema.</translation>
    </message>
</context>
<context>
    <name>Files</name>
    <message>
        <source>There is no file at %1.</source>
        <translation>Non c&apos;è nessun file in %1.</translation>
    </message>
    <message>
        <source>Could not read %1: %2</source>
        <translation>Impossibile leggere %1: %2</translation>
    </message>
    <message>
        <source>%1 is not a regular file.</source>
        <translation>%1 non è un file normale.</translation>
    </message>
    <message>
        <source>%1 is too large.</source>
        <translation>%1 è troppo grande.</translation>
    </message>
    <message>
        <source>%1 is a link to %2, which belongs to another user; nothing was written.</source>
        <translation>%1 è un collegamento a %2, che appartiene a un altro utente; non è stato scritto nulla.</translation>
    </message>
    <message>
        <source>%1 is a link that another user could have placed there; nothing was written through it.</source>
        <translation>%1 è un collegamento che un altro utente potrebbe aver messo lì; non è stato scritto nulla attraverso di esso.</translation>
    </message>
    <message>
        <source>%1 is a loop of links; nothing was written.</source>
        <translation>%1 è un ciclo di collegamenti; non è stato scritto nulla.</translation>
    </message>
    <message>
        <source>%1 belongs to another user.</source>
        <translation>%1 appartiene a un altro utente.</translation>
    </message>
</context>
<context>
    <name>LaunchAtLogin</name>
    <message>
        <source>Could not write %1: %2</source>
        <translation>Impossibile scrivere %1: %2</translation>
    </message>
    <message>
        <source>Could not remove %1: %2</source>
        <translation>Impossibile rimuovere %1: %2</translation>
    </message>
    <message>
        <source>Could not create the folder %1: %2</source>
        <translation>Impossibile creare la cartella %1: %2</translation>
    </message>
</context>
<context>
    <name>Notifier</name>
    <message>
        <source>Open</source>
        <translation>Apri</translation>
    </message>
    <message>
        <source>There is no session bus.</source>
        <translation>Non c’è un bus di sessione.</translation>
    </message>
</context>
<context>
    <name>Openers</name>
    <message>
        <source>%1, named for %2 in %3</source>
        <translation>%1, indicata per %2 in %3</translation>
    </message>
    <message>
        <source>%1, ranked first by InitialPreference=%2</source>
        <translation>%1, messa al primo posto da InitialPreference=%2</translation>
    </message>
    <message>
        <source> (as a handler of %1)</source>
        <translation> (come applicazione che gestisce %1)</translation>
    </message>
    <message>
        <source>; KDE picks by chance between it and %1</source>
        <translation>; KDE sceglie a caso tra questa e %1</translation>
    </message>
    <message>
        <source>%1, the browser in kdeglobals</source>
        <translation>%1, il browser in kdeglobals</translation>
    </message>
    <message>
        <source>no application</source>
        <translation>nessuna applicazione</translation>
    </message>
    <message>
        <source>it hands over to kde-open5, which is not installed</source>
        <translation>passa la mano a kde-open5, che non è installato</translation>
    </message>
    <message>
        <source>as %1: %2</source>
        <translation>come %1: %2</translation>
    </message>
    <message>
        <source>%1, the first for %2 in %3</source>
        <translation>%1, la prima per %2 in %3</translation>
    </message>
    <message>
        <source>%1 names %2 for %3, which it cannot find</source>
        <translation>%1 indica %2 per %3, che non riesce a trovare</translation>
    </message>
    <message>
        <source>no display, so no application</source>
        <translation>nessun display, quindi nessuna applicazione</translation>
    </message>
    <message>
        <source>no application for %1</source>
        <translation>nessuna applicazione per %1</translation>
    </message>
    <message>
        <source>GTK programs</source>
        <translation>Programmi GTK</translation>
    </message>
    <message>
        <source>KDE programs</source>
        <translation>Programmi KDE</translation>
    </message>
    <message>
        <source>Opens differently in KDE programs and with xdg-open</source>
        <translation>Si apre diversamente nei programmi KDE e con xdg-open</translation>
    </message>
    <message>
        <source>Opens differently in KDE programs</source>
        <translation>Si apre diversamente nei programmi KDE</translation>
    </message>
    <message>
        <source>Opens differently with xdg-open</source>
        <translation>Si apre diversamente con xdg-open</translation>
    </message>
    <message>
        <source>KDE programs rank %1 first through its default for %2</source>
        <translation>I programmi KDE mettono %1 al primo posto tramite la sua predefinita per %2</translation>
    </message>
    <message>
        <source>KDE programs rank %1 first by InitialPreference=%2, above any default</source>
        <translation>I programmi KDE mettono %1 al primo posto con InitialPreference=%2, sopra ogni predefinita</translation>
    </message>
    <message>
        <source>KDE programs do not see %1: its entry is hidden</source>
        <translation>I programmi KDE non vedono %1: la sua voce è nascosta</translation>
    </message>
    <message>
        <source>KDE programs open links and secure links in one app, GTK programs in two</source>
        <translation>I programmi KDE aprono link e link sicuri in un’app, i programmi GTK in due</translation>
    </message>
    <message>
        <source>xdg-open asks for %1, the type file gives it</source>
        <translation>xdg-open chiede %1, il tipo che gli dà file</translation>
    </message>
    <message>
        <source>xdg-open cannot find %1 by its ID</source>
        <translation>xdg-open non trova %1 dal suo ID</translation>
    </message>
    <message>
        <source>xdg-open takes %1 from %2, which it reads first</source>
        <translation>xdg-open prende %1 da %2, che legge per primo</translation>
    </message>
</context>
<context>
    <name>PlanStep</name>
    <message>
        <source>Replaced by %1, the same file type</source>
        <translation>Sostituito da %1, lo stesso tipo di file</translation>
    </message>
</context>
<context>
    <name>PlatformText</name>
    <message>
        <source>Another setting keeps the current app</source>
        <translation>Un&apos;altra impostazione mantiene l&apos;applicazione attuale</translation>
    </message>
    <message>
        <source>Applying…</source>
        <translation>Applicazione in corso…</translation>
    </message>
    <message>
        <source>Applying the changes…</source>
        <translation>Applicazione delle modifiche…</translation>
    </message>
    <message>
        <source>A profile switches a whole set of defaults at once.</source>
        <translation>Un profilo cambia un intero insieme di applicazioni predefinite in una volta.</translation>
    </message>
    <message>
        <source>…instead of making the system ask, or pointing at a deleted app.</source>
        <translation>…invece di far chiedere al sistema o di puntare a un&apos;applicazione eliminata.</translation>
    </message>
    <message>
        <source>The system doesn&apos;t recognise .%1 files</source>
        <translation>Il sistema non riconosce i file .%1</translation>
    </message>
</context>
<context>
    <name>Presets</name>
    <message>
        <source>Work &amp; Business</source>
        <translation>Lavoro e affari</translation>
    </message>
    <message>
        <source>Chrome, Outlook, Microsoft Office, Zoom and Slack.</source>
        <translation>Chrome, Outlook, Microsoft Office, Zoom e Slack.</translation>
    </message>
    <message>
        <source>Maximum Privacy</source>
        <translation>Massima privacy</translation>
    </message>
    <message>
        <source>Brave, Proton Mail, Telegram and Apple&apos;s on-device viewers.</source>
        <translation>Brave, Proton Mail, Telegram e i visualizzatori integrati di Apple.</translation>
    </message>
    <message>
        <source>Media &amp; Creator</source>
        <translation>Media e creatività</translation>
    </message>
    <message>
        <source>VLC for every video and audio format, Preview for images.</source>
        <translation>VLC per tutti i formati video e audio, Anteprima per le immagini.</translation>
    </message>
    <message>
        <source>Developer</source>
        <translation>Sviluppo</translation>
    </message>
    <message>
        <source>VS Code for code and config files, Terminal for ssh: links.</source>
        <translation>VS Code per codice e file di configurazione, Terminale per i link ssh:.</translation>
    </message>
    <message>
        <source>Chrome, Thunderbird, LibreOffice, Zoom and Slack.</source>
        <translation>Chrome, Thunderbird, LibreOffice, Zoom e Slack.</translation>
    </message>
    <message>
        <source>Brave, Proton Mail, Telegram and the desktop&apos;s own viewers.</source>
        <translation>Brave, Proton Mail, Telegram e i visualizzatori del desktop.</translation>
    </message>
    <message>
        <source>VLC for every video and audio format, Image Viewer for images.</source>
        <translation>VLC per tutti i formati video e audio, Visualizzatore immagini per le immagini.</translation>
    </message>
    <message>
        <source>VS Code for code and config files.</source>
        <translation>VS Code per codice e file di configurazione.</translation>
    </message>
</context>
<context>
    <name>ProfileExport</name>
    <message>
        <source>That file isn&apos;t an Openwright profile export.</source>
        <translation>Il file non è un&apos;esportazione di profili di Openwright.</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>Openwright cannot start</source>
        <translation>Impossibile avviare Openwright</translation>
    </message>
</context>
<context>
    <name>Style</name>
    <message>
        <source>Clear</source>
        <translation>Cancella</translation>
    </message>
</context>
<context>
    <name>TargetState</name>
    <message>
        <source>Set to %1, which is no longer installed.</source>
        <translation>Impostata su %1, che non è più installata.</translation>
    </message>
    <message>
        <source>%1 opens it for now.</source>
        <translation>Per ora lo apre %1.</translation>
    </message>
    <message>
        <source>%1 opens %2</source>
        <translation>%1 apre %2</translation>
    </message>
    <message>
        <source>nothing opens %1</source>
        <translation>niente apre %1</translation>
    </message>
    <message>
        <source>Depends on the file: %1.</source>
        <translation>Dipende dal file: %1.</translation>
    </message>
    <message>
        <source>Depends on who opens it: %1.</source>
        <translation>Dipende da chi lo apre: %1.</translation>
    </message>
    <message>
        <source>Split between browsers: %1.</source>
        <translation>Diviso tra browser: %1.</translation>
    </message>
    <message>
        <source>Not set</source>
        <translation>Non impostata</translation>
    </message>
    <message>
        <source>Set by you</source>
        <translation>Impostata da te</translation>
    </message>
    <message>
        <source>Desktop default</source>
        <translation>Predefinita del desktop</translation>
    </message>
    <message>
        <source>Chosen by the system</source>
        <translation>Scelta dal sistema</translation>
    </message>
    <message>
        <source>%1: nothing.</source>
        <translation>%1: niente.</translation>
    </message>
    <message>
        <source>%1: %2 or another, by chance.</source>
        <translation>%1: %2 o un&apos;altra, a caso.</translation>
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
        <translation>Immagini</translation>
    </message>
    <message>
        <source>Documents</source>
        <translation>Documenti</translation>
    </message>
    <message>
        <source>Text &amp; Code</source>
        <translation>Testo e codice</translation>
    </message>
    <message>
        <source>Archives</source>
        <translation>Archivi</translation>
    </message>
    <message>
        <source>Links</source>
        <translation>Link</translation>
    </message>
    <message>
        <source>Other</source>
        <translation>Altro</translation>
    </message>
</context>
<context>
    <name>cli</name>
    <message>
        <source>Not restored</source>
        <translation>Non ripristinato</translation>
    </message>
    <message>
        <source>%1 of %2 changed.</source>
        <translation>%1 di %2 cambiate.</translation>
    </message>
    <message>
        <source>Same as now
</source>
        <translation>Uguale ad ora
</translation>
    </message>
    <message>
        <source>All set
</source>
        <translation>Tutto a posto
</translation>
    </message>
    <message>
        <source>The Default Guard watches only the types Openwright lists, and %1 is not one of them.</source>
        <translation>Il Guardiano delle predefinite sorveglia solo i tipi elencati da Openwright, e %1 non è tra questi.</translation>
    </message>
    <message>
        <source>%1 is pinned: Default Guard is watching this default.</source>
        <translation>%1 è fissato: il Guardiano sorveglia questa predefinita.</translation>
    </message>
    <message>
        <source>%1 is not pinned.</source>
        <translation>%1 non è fissato.</translation>
    </message>
    <message>
        <source>No defaults changed since the last check.
</source>
        <translation>Nessuna predefinita è cambiata dall&apos;ultimo controllo.
</translation>
    </message>
    <message>
        <source>The file to import was not read.</source>
        <translation>Il file da importare non è stato letto.</translation>
    </message>
    <message numerus="yes">
        <source>Imported %n profile(s).</source>
        <translation>
            <numerusform>%n profilo importato.</numerusform>
            <numerusform>%n profili importati.</numerusform>
        </translation>
    </message>
    <message>
        <source>Another backup would make your profiles file larger than Openwright can read back. Delete some backups first.</source>
        <translation>Un altro backup renderebbe il file dei profili più grande di quanto Openwright riesca a rileggere. Elimina prima alcuni backup.</translation>
    </message>
    <message numerus="yes">
        <source>Backed up %n defaults as “%1” (%2).</source>
        <translation>
            <numerusform>%n predefinita salvata come «%1» (%2).</numerusform>
            <numerusform>%n predefinite salvate come «%1» (%2).</numerusform>
        </translation>
    </message>
    <message>
        <source>Deleted the backup “%1” (%2).</source>
        <translation>Backup «%1» eliminato (%2).</translation>
    </message>
    <message>
        <source>The command was interrupted.</source>
        <translation>Il comando è stato interrotto.</translation>
    </message>
    <message>
        <source>Another Openwright command is still running. Try again once it has finished.</source>
        <translation>Un altro comando di Openwright è ancora in esecuzione. Riprova quando sarà terminato.</translation>
    </message>
    <message>
        <source>Openwright could not save all of its data, so what was not saved is lost: </source>
        <translation>Openwright non è riuscito a salvare tutti i suoi dati, quindi ciò che non è stato salvato è perso: </translation>
    </message>
    <message>
        <source>Openwright is quitting.</source>
        <translation>Openwright si sta chiudendo.</translation>
    </message>
    <message>
        <source>Openwright could not save all of its data; what was not saved will be lost when Openwright quits: </source>
        <translation>Openwright non è riuscito a salvare tutti i suoi dati; ciò che non è stato salvato andrà perso alla chiusura di Openwright: </translation>
    </message>
    <message>
        <source>%1 is not an option. See openwright --help.</source>
        <translation>%1 non è un&apos;opzione. Vedi openwright --help.</translation>
    </message>
    <message>
        <source>%1 needs one of: %2.</source>
        <translation>%1 richiede uno tra: %2.</translation>
    </message>
    <message>
        <source>“%1” is not a command. See openwright --help.</source>
        <translation>«%1» non è un comando. Vedi openwright --help.</translation>
    </message>
    <message>
        <source>%1 is not an option of %2. See openwright %2 --help.</source>
        <translation>%1 non è un&apos;opzione di %2. Vedi openwright %2 --help.</translation>
    </message>
    <message>
        <source>%1 is missing. Usage: %2</source>
        <translation>Manca %1. Uso: %2</translation>
    </message>
    <message>
        <source>“%1” is one argument too many. Usage: %2</source>
        <translation>«%1» è un argomento di troppo. Uso: %2</translation>
    </message>
    <message>
        <source>No default</source>
        <translation>Nessuna predefinita</translation>
    </message>
    <message>
        <source>Handled</source>
        <translation>Gestito</translation>
    </message>
    <message>
        <source>Already set</source>
        <translation>Già impostata</translation>
    </message>
    <message>
        <source>%1 isn&apos;t installed</source>
        <translation>%1 non è installata</translation>
    </message>
    <message>
        <source>All set</source>
        <translation>Tutto a posto</translation>
    </message>
    <message>
        <source>%1 of %2 to change</source>
        <translation>%1 di %2 da cambiare</translation>
    </message>
    <message>
        <source>There is no %1 called “%2”.</source>
        <translation>Non esiste %1 chiamato «%2».</translation>
    </message>
    <message>
        <source>“%1” could be %2; give its id instead.</source>
        <translation>«%1» potrebbe essere %2; indica invece il suo id.</translation>
    </message>
    <message>
        <source>“%1” could be %2. Give its desktop-file ID instead.</source>
        <translation>«%1» potrebbe essere %2. Indica invece il suo ID di file desktop.</translation>
    </message>
    <message>
        <source>There is no installed application called “%1”, and no installed app can open %2.</source>
        <translation>Non esiste un&apos;applicazione installata chiamata «%1», e nessuna applicazione installata può aprire %2.</translation>
    </message>
    <message>
        <source>There is no installed application called “%1”. Apps that can open %2: %3.</source>
        <translation>Non esiste un&apos;applicazione installata chiamata «%1». Applicazioni che possono aprire %2: %3.</translation>
    </message>
    <message>
        <source>No installed app can open %1</source>
        <translation>Nessuna applicazione installata può aprire %1</translation>
    </message>
    <message>
        <source>No installed app can open %1. Install one, or ignore it if you never use it.</source>
        <translation>Nessuna applicazione installata può aprire %1. Installane una, o ignoralo se non lo usi mai.</translation>
    </message>
    <message>
        <source>Several apps can open it, but none is the default.</source>
        <translation>Diverse applicazioni possono aprirlo, ma nessuna è la predefinita.</translation>
    </message>
    <message>
        <source>Where the system looks, in its order:</source>
        <translation>Dove cerca il sistema, nel suo ordine:</translation>
    </message>
    <message>
        <source>Defaults Health: %1</source>
        <translation>Salute delle predefinite: %1</translation>
    </message>
    <message>
        <source>%1/%2 types with a default.</source>
        <translation>%1/%2 tipi con applicazione predefinita.</translation>
    </message>
    <message>
        <source>Everything has a home.</source>
        <translation>Ogni cosa ha il suo posto.</translation>
    </message>
    <message numerus="yes">
        <source>%n types need attention.</source>
        <translation>
            <numerusform>%n tipo richiede attenzione.</numerusform>
            <numerusform>%n tipi richiedono attenzione.</numerusform>
        </translation>
    </message>
    <message>
        <source>The share of known file and link types that open in a specific app </source>
        <translation>La quota di tipi di file e link noti che si aprono in un&apos;applicazione specifica </translation>
    </message>
    <message>
        <source>Needs attention</source>
        <translation>Richiede attenzione</translation>
    </message>
    <message>
        <source>Pinned (%1)</source>
        <translation>Fissati (%1)</translation>
    </message>
    <message>
        <source>No changes spotted yet.</source>
        <translation>Ancora nessuna modifica rilevata.</translation>
    </message>
    <message>
        <source>Recent Changes</source>
        <translation>Modifiche recenti</translation>
    </message>
    <message>
        <source>Preset</source>
        <translation>Predefinito</translation>
    </message>
    <message>
        <source>“%1” is built in; only your own profiles can be exported.</source>
        <translation>«%1» è incluso; si possono esportare solo i tuoi profili.</translation>
    </message>
    <message>
        <source>You have no profiles of your own to export.</source>
        <translation>Non hai profili tuoi da esportare.</translation>
    </message>
    <message>
        <source>Export failed: %1 is not a regular file.</source>
        <translation>Esportazione non riuscita: %1 non è un file normale.</translation>
    </message>
    <message>
        <source>Export failed: </source>
        <translation>Esportazione non riuscita: </translation>
    </message>
    <message numerus="yes">
        <source>Exported %n profile(s).</source>
        <translation>
            <numerusform>%n profilo esportato.</numerusform>
            <numerusform>%n profili esportati.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n defaults</source>
        <translation>
            <numerusform>%n predefinita</numerusform>
            <numerusform>%n predefinite</numerusform>
        </translation>
    </message>
    <message>
        <source>Same as now</source>
        <translation>Uguale ad ora</translation>
    </message>
    <message numerus="yes">
        <source>%n different from now</source>
        <translation>
            <numerusform>%n differenza da ora</numerusform>
            <numerusform>%n differenze da ora</numerusform>
        </translation>
    </message>
    <message>
        <source>No backups yet.
</source>
        <translation>Ancora nessun backup.
</translation>
    </message>
    <message>
        <source>Openwright cannot create its lock file %1: %2</source>
        <translation>Openwright non può creare il suo file di blocco %1: %2</translation>
    </message>
    <message>
        <source>the folder cannot be written</source>
        <translation>la cartella non è scrivibile</translation>
    </message>
    <message>
        <source>Openwright is not running.</source>
        <translation>Openwright non è in esecuzione.</translation>
    </message>
    <message>
        <source>Openwright is running but does not answer, so nothing was done. Try again, or quit Openwright and run the command then.</source>
        <translation>Openwright è in esecuzione ma non risponde, quindi non è stato fatto nulla. Riprova, oppure chiudi Openwright ed esegui poi il comando.</translation>
    </message>
    <message>
        <source>The running Openwright cannot carry out commands from this version of the command line. Quit it and try again.</source>
        <translation>L&apos;Openwright in esecuzione non può eseguire comandi da questa versione della riga di comando. Chiudilo e riprova.</translation>
    </message>
    <message>
        <source>The command is too long to hand to the running Openwright.</source>
        <translation>Il comando è troppo lungo per passarlo all&apos;Openwright in esecuzione.</translation>
    </message>
    <message>
        <source>The running Openwright did not finish the command in time; it may still be carried out.</source>
        <translation>L&apos;Openwright in esecuzione non ha finito il comando in tempo; potrebbe ancora essere eseguito.</translation>
    </message>
    <message>
        <source>Openwright cannot listen on %1 (%2): commands and later starts will not reach it.</source>
        <translation>Openwright non può restare in ascolto su %1 (%2): i comandi e gli avvii successivi non lo raggiungeranno.</translation>
    </message>
    <message>
        <source>no private folder for it</source>
        <translation>nessuna cartella privata disponibile</translation>
    </message>
    <message>
        <source>openwright: the answer is too large to pass on
</source>
        <translation>openwright: la risposta è troppo grande da trasmettere
</translation>
    </message>
    <message>
        <source>Put back</source>
        <translation>Modifica annullata</translation>
    </message>
    <message>
        <source>Allowed</source>
        <translation>Consentito</translation>
    </message>
    <message>
        <source>Stopped putting back</source>
        <translation>Annullamento interrotto</translation>
    </message>
    <message>
        <source>%1 changes nothing.</source>
        <translation>%1 non cambia nulla.</translation>
    </message>
    <message>
        <source>Cannot start %1: %2</source>
        <translation>Impossibile avviare %1: %2</translation>
    </message>
    <message>
        <source>the path is too long for a socket</source>
        <translation>il percorso è troppo lungo per un socket</translation>
    </message>
    <message>
        <source>Openwright is running but does not answer. Quit it, or end its process, and start it again.</source>
        <translation>Openwright è in esecuzione ma non risponde. Chiudilo, o termina il suo processo, e avvialo di nuovo.</translation>
    </message>
    <message>
        <source>Also moved, since they open where a changed type does:</source>
        <translation>Cambiati anche questi, perché si aprono dove si apre un tipo cambiato:</translation>
    </message>
    <message>
        <source>%1: No installed application has that name or desktop-file ID.</source>
        <translation>%1: nessuna applicazione installata ha quel nome o ID del file desktop.</translation>
    </message>
    <message>
        <source>“%1” could be %2 (%3) or %4 (%5). Give the one you mean.</source>
        <translation>«%1» potrebbe essere %2 (%3) o %4 (%5). Indica quella che intendi.</translation>
    </message>
    <message>
        <source>Different apps</source>
        <translation>Applicazioni diverse</translation>
    </message>
    <message>
        <source>Where the system looks for %1, in its order:</source>
        <translation>Dove cerca il sistema per %1, nel suo ordine:</translation>
    </message>
    <message>
        <source>Meanwhile the Default Guard saw:</source>
        <translation>Nel frattempo il Guardiano ha visto:</translation>
    </message>
    <message>
        <source>Cannot write the output: %1</source>
        <translation>Impossibile scrivere l’output: %1</translation>
    </message>
    <message>
        <source>Not set: not installed here</source>
        <translation>Non impostato: non installato qui</translation>
    </message>
    <message>
        <source>%1, put back</source>
        <translation>%1, ripristinato</translation>
    </message>
    <message numerus="yes">
        <source>%n default(s) changed since the last check:</source>
        <translation>
            <numerusform>%n applicazione predefinita è cambiata dall’ultimo controllo:</numerusform>
            <numerusform>%n applicazioni predefinite sono cambiate dall’ultimo controllo:</numerusform>
        </translation>
    </message>
    <message>
        <source>Openwright ended before it carried out the command: nothing was changed. Run the command again.</source>
        <translation>Openwright è terminato prima di eseguire il comando: non è stato cambiato nulla. Esegui di nuovo il comando.</translation>
    </message>
    <message>
        <source>Openwright ended while it carried out the command: it changed some of what was asked, or all of it. See what is set now with &quot;openwright status&quot;.</source>
        <translation>Openwright è terminato mentre eseguiva il comando: ha cambiato parte di quanto richiesto, o tutto. Vedi cosa è impostato ora con &quot;openwright status&quot;.</translation>
    </message>
    <message>
        <source>Openwright did not finish “%1”</source>
        <translation>Openwright non ha completato «%1»</translation>
    </message>
    <message>
        <source>Openwright finished “%1”</source>
        <translation>Openwright ha completato «%1»</translation>
    </message>
    <message>
        <source>The notification could not be shown: %1</source>
        <translation>Impossibile mostrare la notifica: %1</translation>
    </message>
    <message>
        <source>--desktop goes with --system: your own desktop is the one you are logged in to.</source>
        <translation>--desktop va con --system: il tuo desktop è quello in cui hai effettuato l’accesso.</translation>
    </message>
    <message>
        <source>--notify goes with a command that changes, without --json: it tells a person what the command did.</source>
        <translation>--notify va con un comando che modifica, senza --json: dice a una persona cosa ha fatto il comando.</translation>
    </message>
    <message>
        <source>--system changes what every new account of this machine gets: run it as root, for example with sudo.</source>
        <translation>--system cambia ciò che riceve ogni nuovo account di questa macchina: eseguilo come root, ad esempio con sudo.</translation>
    </message>
    <message>
        <source>Openwright keeps its lock file at %1, but a folder is there. Remove the folder and try again.</source>
        <translation>Openwright tiene il suo file di blocco in %1, ma lì c’è una cartella. Rimuovi la cartella e riprova.</translation>
    </message>
    <message>
        <source>Openwright keeps its lock file at %1, but something other than a file is there. Remove it and try again.</source>
        <translation>Openwright tiene il suo file di blocco in %1, ma lì c’è qualcosa che non è un file. Rimuovilo e riprova.</translation>
    </message>
    <message>
        <source>Openwright&apos;s lock file %1 belongs to another user. Remove it and try again.</source>
        <translation>Il file di blocco %1 di Openwright appartiene a un altro utente. Rimuovilo e riprova.</translation>
    </message>
    <message>
        <source>Openwright cannot read its lock file %1: %2. Remove it and try again.</source>
        <translation>Openwright non può leggere il suo file di blocco %1: %2. Rimuovilo e riprova.</translation>
    </message>
    <message>
        <source>Openwright is busy with other commands. Try again in a moment.
</source>
        <translation>Openwright è occupato con altri comandi. Riprova tra un momento.
</translation>
    </message>
    <message>
        <source>default</source>
        <translation>predefinita</translation>
    </message>
    <message>
        <source>as a parent type</source>
        <translation>come tipo padre</translation>
    </message>
    <message>
        <source>removed</source>
        <translation>rimossa</translation>
    </message>
    <message>
        <source>Declares no types in its desktop entry.</source>
        <translation>Non dichiara tipi nella sua voce desktop.</translation>
    </message>
    <message numerus="yes">
        <source>Declares %n types; the default for %1 of them.</source>
        <translation>
            <numerusform>Dichiara %n tipo; è la predefinita per %1 di essi.</numerusform>
            <numerusform>Dichiara %n tipi; è la predefinita per %1 di essi.</numerusform>
        </translation>
    </message>
    <message>
        <source>The change could not be made</source>
        <translation>Impossibile effettuare la modifica</translation>
    </message>
    <message>
        <source>Kept a copy as %1</source>
        <translation>Copia conservata come %1</translation>
    </message>
    <message>
        <source>Fixed %1</source>
        <translation>Corretto: %1</translation>
    </message>
    <message>
        <source>Not fixed: %1</source>
        <translation>Non corretto: %1</translation>
    </message>
    <message numerus="yes">
        <source>Left alone: %n no longer found, as the files changed meanwhile.</source>
        <translation>
            <numerusform>Lasciato invariato: %n problema non più trovato, perché nel frattempo i file sono cambiati.</numerusform>
            <numerusform>Lasciati invariati: %n problemi non più trovati, perché nel frattempo i file sono cambiati.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n problems in your defaults files</source>
        <translation>
            <numerusform>%n problema nei file delle applicazioni predefinite</numerusform>
            <numerusform>%n problemi nei file delle applicazioni predefinite</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n problems in your defaults files: see openwright doctor.</source>
        <translation>
            <numerusform>%n problema nei file delle predefinite: vedi openwright doctor.</numerusform>
            <numerusform>%n problemi nei file delle predefinite: vedi openwright doctor.</numerusform>
        </translation>
    </message>
    <message>
        <source>Every program already opens each type alike.</source>
        <translation>Ogni programma apre già ogni tipo allo stesso modo.</translation>
    </message>
    <message>
        <source>every program agrees</source>
        <translation>tutti i programmi concordano</translation>
    </message>
    <message>
        <source>still opens differently</source>
        <translation>si apre ancora diversamente</translation>
    </message>
    <message>
        <source>nothing</source>
        <translation>niente</translation>
    </message>
    <message>
        <source>no application; runs %1</source>
        <translation>nessuna applicazione; esegue %1</translation>
    </message>
    <message>
        <source>%1 is %2. Each program would start:</source>
        <translation>%1 è %2. Ogni programma avvierebbe:</translation>
    </message>
    <message>
        <source>What each program that opens files starts:</source>
        <translation>Cosa avvia ogni programma che apre file:</translation>
    </message>
    <message numerus="yes">
        <source>%n types open differently in other programs: see openwright agree.</source>
        <translation>
            <numerusform>%n tipo si apre diversamente in altri programmi: vedi openwright agree.</numerusform>
            <numerusform>%n tipi si aprono diversamente in altri programmi: vedi openwright agree.</numerusform>
        </translation>
    </message>
    <message>
        <source>still opens differently: %1</source>
        <translation>si apre ancora diversamente: %1</translation>
    </message>
    <message>
        <source>left alone: its types open in different apps; choose one app for it first</source>
        <translation>lasciato com’è: i suoi tipi si aprono in app diverse; scegli prima un’app per esso</translation>
    </message>
    <message>
        <source>%1 (%2 only)</source>
        <translation>%1 (solo %2)</translation>
    </message>
</context>
<context>
    <name>cli help</name>
    <message>
        <source>Show which application opens each type</source>
        <translation>Mostra quale applicazione apre ogni tipo</translation>
    </message>
    <message>
        <source>Shows each type&apos;s display form, title and current application, by name and desktop-file ID. Without TARGETs, every type Openwright watches, in the sections of its sidebar; pinned types are marked. With --candidates, every application that can open each type too, the current one marked with *.</source>
        <translation>Mostra per ogni tipo la forma visualizzata, il titolo e l&apos;applicazione attuale, con nome e ID del file desktop. Senza TARGETs, tutti i tipi che Openwright segue, nelle sezioni della sua barra laterale; i tipi fissati sono contrassegnati. Con --candidates, anche tutte le applicazioni che possono aprire ogni tipo, con quella attuale contrassegnata da *.</translation>
    </message>
    <message>
        <source>List every type the system knows, with what opens it</source>
        <translation>Elenca tutti i tipi noti al sistema, con ciò che li apre</translation>
    </message>
    <message>
        <source>Lists every MIME type of the shared MIME database and every link type an installed application declares, grouped by media type: its MIME type, its description, its file-name patterns, the application that opens it and where that answer comes from. With TEXT, only the types whose MIME type, description, patterns or application hold it, in any case.</source>
        <translation>Elenca tutti i tipi MIME del database MIME condiviso e tutti i tipi di link dichiarati da un&apos;applicazione installata, raggruppati per tipo di media: il tipo MIME, la descrizione, i modelli di nome file, l&apos;applicazione che lo apre e da dove viene questa risposta. Con TEXT, solo i tipi il cui tipo MIME, descrizione, modelli o applicazione lo contengono, senza distinzione tra maiuscole e minuscole.</translation>
    </message>
    <message>
        <source>Make APP open each TARGET</source>
        <translation>Fa aprire ogni TARGET con APP</translation>
    </message>
    <message>
        <source>Makes APP the default for each TARGET, all in one go, and prints each outcome (Changed, Already the default, or why not) and what opens each TARGET now. An application that does not say it can open a TARGET is refused, and nothing is changed, unless --force is given. Choosing a web browser for http: sets https:, .html and .htm with it. Exits with 1 when a change did not succeed. With --json and one TARGET, one object; with several, {&quot;changes&quot;: [...]} with one object each. With a family (video/*, audio/*, image/*, text/*) or --all in place of the TARGETs, every type APP declares there.</source>
        <translation>Rende APP la predefinita per ogni TARGET, tutto in una volta, e stampa ogni esito (Cambiata, È già l&apos;applicazione predefinita, o il motivo per cui no) e cosa apre ora ogni TARGET. Un&apos;applicazione che non dichiara di poter aprire un TARGET viene rifiutata, e non si cambia nulla, a meno che non si indichi --force. Scegliere un browser web per http: imposta con esso anche https:, .html e .htm. Esce con 1 quando una modifica non è riuscita. Con --json e un solo TARGET, un oggetto; con più TARGET, {&quot;changes&quot;: [...]} con un oggetto ciascuno. Con una famiglia (video/*, audio/*, image/*, text/*) o --all al posto dei TARGETs, tutti i tipi che APP vi dichiara.</translation>
    </message>
    <message>
        <source>Let the system choose what opens each TARGET again</source>
        <translation>Lascia di nuovo al sistema la scelta di cosa apre ogni TARGET</translation>
    </message>
    <message>
        <source>Removes your own choice for each TARGET (its line in your mimeapps.list and your desktop&apos;s own list, and the associations that choices added), so that each opens in what the system chooses by itself, and prints what that is. While automatic backups are on, the current defaults are backed up first. Exits with 1 when a choice could not be removed.</source>
        <translation>Rimuove la tua scelta per ogni TARGET (la sua riga nel tuo mimeapps.list e nell&apos;elenco specifico del tuo desktop, e le associazioni aggiunte da quelle scelte), così che ognuno si apra con ciò che il sistema sceglie da sé, e stampa di cosa si tratta. Se i backup automatici sono attivi, prima viene eseguito un backup delle predefinite attuali. Esce con 1 quando non è stato possibile rimuovere una scelta.</translation>
    </message>
    <message>
        <source>Exit with 0 when APP opens TARGET, 1 when not</source>
        <translation>Esce con 0 se APP apre TARGET, con 1 se no</translation>
    </message>
    <message>
        <source>Answers whether APP is the default for TARGET, for scripts: prints yes or no and exits with 0 or 1, as xdg-settings check does. The very entry counts when APP is a desktop-file ID, any packaging of the program when it is an identity.</source>
        <translation>Risponde se APP è la predefinita per TARGET, per gli script: stampa yes o no ed esce con 0 o 1, come fa xdg-settings check. Se APP è un ID del file desktop conta proprio quella voce; se è un&apos;identità, qualsiasi pacchettizzazione del programma.</translation>
    </message>
    <message>
        <source>Explain which list decides the application for TARGET</source>
        <translation>Spiega quale elenco decide l&apos;applicazione per TARGET</translation>
    </message>
    <message>
        <source>Explains why TARGET opens where it does: every mimeapps.list the system reads, in the order of the freedesktop.org standard (your desktop&apos;s own list, yours, the administrator&apos;s, the distribution&apos;s, then the installed applications), what each says about the type, which entries are skipped because their application is not installed, and which one decides.</source>
        <translation>Spiega perché TARGET si apre dove si apre: ogni mimeapps.list che il sistema legge, nell&apos;ordine dello standard freedesktop.org (l&apos;elenco specifico del tuo desktop, il tuo, quello dell&apos;amministratore, quello della distribuzione, poi le applicazioni installate), cosa dice ciascuno sul tipo, quali voci vengono saltate perché la loro applicazione non è installata, e quale decide.</translation>
    </message>
    <message>
        <source>Show the order in which the system offers applications for TARGET</source>
        <translation>Mostra l&apos;ordine in cui il sistema offre le applicazioni per TARGET</translation>
    </message>
    <message>
        <source>Lists every application the system offers for TARGET, in the order it tries them, as gio mime lists them: the default first, then the applications added for it, then the others. The default is marked, and so are the applications that open it only as a parent type (a text editor for source code); the applications you removed from it follow. Change it with reorder, remove and restore-association.</source>
        <translation>Elenca tutte le applicazioni che il sistema offre per TARGET, nell&apos;ordine in cui le prova, come le elenca gio mime: prima la predefinita, poi le applicazioni aggiunte per esso, poi le altre. La predefinita è contrassegnata, e così le applicazioni che lo aprono solo come tipo padre (un editor di testo per il codice sorgente); seguono le applicazioni che hai rimosso da esso. Cambia l&apos;ordine con reorder, remove e restore-association.</translation>
    </message>
    <message>
        <source>Make the system offer the APPs first for TARGET, in this order</source>
        <translation>Fa sì che il sistema offra per prime le APPs per TARGET, in quest&apos;ordine</translation>
    </message>
    <message>
        <source>Writes the APPs, in this order, as the default line of TARGET and its fallbacks and as associations added for it, in your mimeapps.list (and in your desktop&apos;s own list where that names TARGET): the first APP becomes the default, and the system offers the others next. A web browser&apos;s links, secure links and pages take the order together, and on KDE and Xfce the desktop&apos;s own browser setting takes the first APP. While automatic backups are on, the current defaults are backed up first. Prints the outcome and the new order; exits with 1 when the change did not succeed.</source>
        <translation>Scrive le APPs, in quest&apos;ordine, come riga della predefinita di TARGET e delle sue alternative e come associazioni aggiunte per esso, nel tuo mimeapps.list (e nell&apos;elenco specifico del tuo desktop, dove questo indica TARGET): la prima APP diventa la predefinita, e il sistema offre le altre subito dopo. I link, i link sicuri e le pagine di un browser web prendono l&apos;ordine insieme, e su KDE e Xfce l&apos;impostazione del browser specifica del desktop prende la prima APP. Se i backup automatici sono attivi, prima viene eseguito un backup delle predefinite attuali. Stampa l&apos;esito e il nuovo ordine; esce con 1 quando la modifica non è riuscita.</translation>
    </message>
    <message>
        <source>Stop the system offering APP for TARGET</source>
        <translation>Fa sì che il sistema non offra più APP per TARGET</translation>
    </message>
    <message>
        <source>Removes APP from what the system offers for TARGET: a [Removed Associations] line in your mimeapps.list, and APP leaves your default and added lines of TARGET. The system reads removals only in mimeapps.list, not in a desktop&apos;s own list: where the system still offers APP, the outcome says so. Undo it with restore-association. Backed up first, as every change; exits with 1 when the change did not succeed.</source>
        <translation>Toglie APP da ciò che il sistema offre per TARGET: una riga [Removed Associations] nel tuo mimeapps.list, e APP esce dalle tue righe di TARGET per la predefinita e per le aggiunte. Il sistema legge le rimozioni solo in mimeapps.list, non nell&apos;elenco specifico di un desktop: dove il sistema offre ancora APP, l&apos;esito lo dice. Annullalo con restore-association. Prima viene eseguito un backup, come per ogni modifica; esce con 1 quando la modifica non è riuscita.</translation>
    </message>
    <message>
        <source>Let the system offer APP for TARGET again</source>
        <translation>Fa sì che il sistema offra di nuovo APP per TARGET</translation>
    </message>
    <message>
        <source>Takes APP off the applications you removed from TARGET, so that the system offers it again, and prints the new order.</source>
        <translation>Toglie APP dalle applicazioni che hai rimosso da TARGET, così che il sistema la offra di nuovo, e stampa il nuovo ordine.</translation>
    </message>
    <message>
        <source>Show the health score and the types that need attention</source>
        <translation>Mostra il punteggio di salute e i tipi che richiedono attenzione</translation>
    </message>
    <message>
        <source>Shows the share of known types that open in a specific, installed application, and lists the types that need attention.</source>
        <translation>Mostra la quota di tipi noti che si aprono in un&apos;applicazione specifica e installata, ed elenca i tipi che richiedono attenzione.</translation>
    </message>
    <message>
        <source>Show the types APP declares and where it is the default</source>
        <translation>Mostra i tipi che APP dichiara e dove è la predefinita</translation>
    </message>
    <message>
        <source>Lists the MIME types APP&apos;s desktop entry declares, by family (Video, Audio, Images, Documents, Text &amp; Code, Archives, Links, Other), with what opens each now. To make APP the default for a family, use set video/* APP (or audio/*, image/*, text/*), or set --all APP for every type it declares.</source>
        <translation>Elenca i tipi MIME che la voce desktop di APP dichiara, per famiglia (Video, Audio, Immagini, Documenti, Testo e codice, Archivi, Link, Altro), con ciò che apre ciascuno ora. Per rendere APP la predefinita per una famiglia, usa set video/* APP (o audio/*, image/*, text/*), oppure set --all APP per ogni tipo che dichiara.</translation>
    </message>
    <message>
        <source>Let the Default Guard watch TARGET</source>
        <translation>Fa sorvegliare TARGET dal Guardiano delle predefinite</translation>
    </message>
    <message>
        <source>Pins TARGET, one of the types Openwright lists: when another application takes it over, the running Openwright notifies you and offers to put it back. With --keep it always keeps TARGET: it puts the application back at once and tells you, offering to allow the new one; after three takeovers within a minute it stops and waits for you. Without --keep, a kept type goes back to asking.</source>
        <translation>Fissa TARGET, uno dei tipi elencati da Openwright: quando un&apos;altra applicazione se ne appropria, l&apos;Openwright in esecuzione ti avvisa e propone di ripristinarla. Con --keep mantiene sempre TARGET: rimette subito l&apos;applicazione e te lo dice, proponendo di consentire quella nuova; dopo tre appropriazioni entro un minuto si ferma e ti aspetta. Senza --keep, un tipo mantenuto torna a chiedere.</translation>
    </message>
    <message>
        <source>Stop watching TARGET</source>
        <translation>Smette di sorvegliare TARGET</translation>
    </message>
    <message>
        <source>Unpins TARGET.</source>
        <translation>Sblocca TARGET.</translation>
    </message>
    <message>
        <source>Check the defaults now and print the changes found</source>
        <translation>Controlla ora le predefinite e stampa le modifiche trovate</translation>
    </message>
    <message>
        <source>Reads every watched default now, records it as the Default Guard does, and prints the changes it found since the last check.</source>
        <translation>Legge ora ogni predefinita sorvegliata, la registra come fa il Guardiano delle predefinite, e stampa le modifiche trovate dall&apos;ultimo controllo.</translation>
    </message>
    <message>
        <source>Print the pinned types and the changes the Default Guard spotted</source>
        <translation>Stampa i tipi fissati e le modifiche rilevate dal Guardiano delle predefinite</translation>
    </message>
    <message>
        <source>Prints the pinned types (kept ones marked) and the changes the Default Guard spotted, newest first, with the program that probably made each where that can be told.</source>
        <translation>Stampa i tipi fissati (contrassegnati quelli mantenuti) e le modifiche rilevate dal Guardiano delle predefinite, dalla più recente, con il programma che probabilmente ha fatto ciascuna, dove lo si può dire.</translation>
    </message>
    <message>
        <source>Find problems in your defaults files, and fix them</source>
        <translation>Trova i problemi nei tuoi file delle predefinite e li corregge</translation>
    </message>
    <message>
        <source>Checks your own defaults files (mimeapps.list, your desktop&apos;s own list, the older lists in your applications folder) and your own desktop entries, and lists each problem with its file and line: lines naming applications no longer installed, another name of a type hiding its line, a type set twice, a default that is also removed, an older list or another desktop&apos;s list deciding instead of yours, entries of old &quot;open with a command&quot; dialogs and entries whose program is gone. A list that is a read-only link made by a configuration tool is explained, never changed. With --fix, repairs them: every changed file is first copied beside itself as NAME.before-cleanup-N, the defaults are backed up, and each file is written whole or not at all. Exits with 1 when a file could not be written.</source>
        <translation>Controlla i tuoi file delle predefinite (mimeapps.list, l&apos;elenco specifico del tuo desktop, gli elenchi più vecchi nella tua cartella delle applicazioni) e le tue voci desktop, ed elenca ogni problema con il suo file e la sua riga: righe che indicano applicazioni non più installate, un altro nome di un tipo che ne nasconde la riga, un tipo impostato due volte, una predefinita che è anche rimossa, un elenco più vecchio o l&apos;elenco di un altro desktop che decide al posto del tuo, voci di vecchie finestre «apri con un comando» e voci il cui programma non c&apos;è più. Un elenco che è un collegamento di sola lettura creato da uno strumento di configurazione viene spiegato, mai modificato. Con --fix li corregge: ogni file modificato viene prima copiato accanto a sé come NAME.before-cleanup-N, viene eseguito un backup delle predefinite, e ogni file viene scritto per intero o per niente. Esce con 1 quando non è stato possibile scrivere un file.</translation>
    </message>
    <message>
        <source>List the profiles and what applying each would change</source>
        <translation>Elenca i profili e cosa cambierebbe applicando ciascuno</translation>
    </message>
    <message>
        <source>Lists the built-in profiles and your own, each with its id and what applying it would change.</source>
        <translation>Elenca i profili inclusi e i tuoi, ciascuno con il suo id e cosa cambierebbe applicandolo.</translation>
    </message>
    <message>
        <source>Show what applying profile NAME would do</source>
        <translation>Mostra cosa farebbe applicare il profilo NAME</translation>
    </message>
    <message>
        <source>Shows, type by type, what applying profile NAME would change, which defaults are already set and which applications are not installed.</source>
        <translation>Mostra, tipo per tipo, cosa cambierebbe applicando il profilo NAME, quali predefinite sono già impostate e quali applicazioni non sono installate.</translation>
    </message>
    <message>
        <source>Apply profile NAME</source>
        <translation>Applica il profilo NAME</translation>
    </message>
    <message>
        <source>Applies profile NAME and prints each step&apos;s outcome. While automatic backups are on, the current defaults are backed up first. Exits with 1 when any change did not succeed.</source>
        <translation>Applica il profilo NAME e stampa l&apos;esito di ogni passaggio. Se i backup automatici sono attivi, prima viene eseguito un backup delle predefinite attuali. Esce con 1 quando una modifica non è riuscita.</translation>
    </message>
    <message>
        <source>Export profiles to FILE</source>
        <translation>Esporta profili in FILE</translation>
    </message>
    <message>
        <source>Writes your profiles NAME... to FILE, or without NAMEs all of your own, in the format that profile import and the window read. With --format=mimeapps, their defaults as a mimeapps.list fragment instead, for those who ship the file themselves; an entry whose application is not installed here is left out, with a comment.</source>
        <translation>Scrive i tuoi profili NAME... in FILE, o senza NAMEs tutti i tuoi, nel formato che leggono profile import e la finestra. Con --format=mimeapps, invece, le loro predefinite come frammento di mimeapps.list, per chi distribuisce il file da sé; una voce la cui applicazione non è installata qui viene omessa, con un commento.</translation>
    </message>
    <message>
        <source>Add the profiles of an export file</source>
        <translation>Aggiunge i profili di un file di esportazione</translation>
    </message>
    <message>
        <source>Adds the profiles of an export FILE to your own; backups in it join your backups.</source>
        <translation>Aggiunge ai tuoi i profili di un FILE di esportazione; i backup che contiene si uniscono ai tuoi backup.</translation>
    </message>
    <message>
        <source>List the backups, newest first</source>
        <translation>Elenca i backup, dal più recente</translation>
    </message>
    <message>
        <source>Lists the backups, newest first, with their ids, why each was taken and how it differs from now.</source>
        <translation>Elenca i backup, dal più recente, con i loro id, il motivo di ciascuno e in cosa differisce da ora.</translation>
    </message>
    <message>
        <source>Back up the current defaults</source>
        <translation>Esegue un backup delle predefinite attuali</translation>
    </message>
    <message>
        <source>Saves the current defaults as a backup.</source>
        <translation>Salva le predefinite attuali come backup.</translation>
    </message>
    <message>
        <source>Restore backup NAME</source>
        <translation>Ripristina il backup NAME</translation>
    </message>
    <message>
        <source>Puts back the defaults of backup NAME. While automatic backups are on, the current defaults are backed up first. Exits with 1 when any change did not succeed.</source>
        <translation>Rimette le predefinite del backup NAME. Se i backup automatici sono attivi, prima viene eseguito un backup delle predefinite attuali. Esce con 1 quando una modifica non è riuscita.</translation>
    </message>
    <message>
        <source>Delete backup NAME</source>
        <translation>Elimina il backup NAME</translation>
    </message>
    <message>
        <source>Deletes backup NAME.</source>
        <translation>Elimina il backup NAME.</translation>
    </message>
    <message>
        <source>Show help for a command</source>
        <translation>Mostra l&apos;aiuto per un comando</translation>
    </message>
    <message>
        <source>Shows the help of COMMAND, or of the program.</source>
        <translation>Mostra l&apos;aiuto di COMMAND, o del programma.</translation>
    </message>
    <message>
        <source>Make APP open every type it declares in FAMILY</source>
        <translation>Fa aprire con APP ogni tipo che dichiara in FAMILY</translation>
    </message>
    <message>
        <source>Makes APP the default for the types its desktop entry declares in FAMILY (video/*, audio/*, image/*, or text/* for text and code), or with --all for every type it declares, and never for a type it does not declare. Prints each type with its outcome; the changes run as one batch after a backup.</source>
        <translation>Rende APP la predefinita per i tipi che la sua voce desktop dichiara in FAMILY (video/*, audio/*, image/*, o text/* per testo e codice), o con --all per ogni tipo che dichiara, e mai per un tipo che non dichiara. Stampa ogni tipo con il suo esito; le modifiche vengono eseguite in un unico blocco dopo un backup.</translation>
    </message>
    <message>
        <source>Shows and changes which installed application opens each kind of file (by extension) and each kind of link (by URL scheme). Without a command, starts the application. Commands need no display; they print plain text, or with --json one JSON document for scripts.</source>
        <translation>Mostra e cambia quale applicazione installata apre ogni tipo di file (per estensione) e ogni tipo di link (per schema URL). Senza un comando, avvia l&apos;applicazione. I comandi non richiedono un display; stampano testo semplice, o con --json un documento JSON per gli script.</translation>
    </message>
    <message>
        <source>Commands that change Openwright&apos;s data (set, reset, reorder, remove, restore-association, pin, unpin, guard check, doctor, profile apply and import, backup now, restore and delete) are carried out by the running Openwright when there is one, so that the two never overwrite each other&apos;s files; otherwise the command holds Openwright&apos;s lock while it runs, and a window started meanwhile waits for it.</source>
        <translation>I comandi che modificano i dati di Openwright (set, reset, reorder, remove, restore-association, pin, unpin, guard check, doctor, profile apply e import, backup now, restore e delete) vengono eseguiti dall&apos;Openwright in esecuzione, se ce n&apos;è uno, così che i due non sovrascrivano mai i file l&apos;uno dell&apos;altro; altrimenti il comando tiene il blocco di Openwright mentre è in esecuzione, e una finestra avviata nel frattempo lo attende.</translation>
    </message>
    <message>
        <source>A file extension (.pdf or pdf), a link type ending in a colon (mailto:), a MIME type (application/pdf, inode/directory; an alias such as application/x-pdf is read as the type it stands for), the role terminal (the terminal that programs which run in one open in), or a file or folder (./report.pdf, ~/Downloads): the type the system gives it by its name and contents. A word is a path when it starts with /, ./, ../ or ~, or when it names an existing file and cannot be an extension (report.pdf); any other single word (pdf) is an extension, and .terminal the extension of that name.</source>
        <translation>Un&apos;estensione di file (.pdf o pdf), un tipo di link che termina con i due punti (mailto:), un tipo MIME (application/pdf, inode/directory; un alias come application/x-pdf viene letto come il tipo che rappresenta), il ruolo terminal (il terminale in cui si aprono i programmi che girano in un terminale), o un file o una cartella (./report.pdf, ~/Downloads): il tipo che il sistema gli attribuisce in base al nome e al contenuto. Una parola è un percorso quando inizia con /, ./, ../ o ~, oppure quando indica un file esistente e non può essere un&apos;estensione (report.pdf); qualsiasi altra parola singola (pdf) è un&apos;estensione, e .terminal è l&apos;estensione con quel nome.</translation>
    </message>
    <message>
        <source>A desktop-file ID (org.gnome.Evince or org.gnome.Evince.desktop), an application identity (com.google.Chrome), or a name as status --candidates shows it; the start of a name is enough when no other name starts so. An ambiguous name is refused with the choices listed.</source>
        <translation>Un ID di file desktop (org.gnome.Evince o org.gnome.Evince.desktop), un&apos;identità di applicazione (com.google.Chrome), o un nome come lo mostra status --candidates; basta l&apos;inizio di un nome quando nessun altro nome inizia così. Un nome ambiguo viene rifiutato, con l&apos;elenco delle scelte possibili.</translation>
    </message>
    <message>
        <source>Words to look for, such as tex or *.md.</source>
        <translation>Parole da cercare, come tex o *.md.</translation>
    </message>
    <message>
        <source>NAME</source>
        <translation>NOME</translation>
    </message>
    <message>
        <source>A profile&apos;s or backup&apos;s name, or its id as profile list and backup list show it.</source>
        <translation>Il nome di un profilo o di un backup, o il suo id come lo mostrano profile list e backup list.</translation>
    </message>
    <message>
        <source>A file name, relative to the current folder.</source>
        <translation>Un nome di file, relativo alla cartella attuale.</translation>
    </message>
    <message>
        <source>Print one JSON document instead of text.</source>
        <translation>Stampa un documento JSON invece del testo.</translation>
    </message>
    <message>
        <source>Show the help of the program, or of the command given.</source>
        <translation>Mostra l&apos;aiuto del programma, o del comando indicato.</translation>
    </message>
    <message>
        <source>Show the version.</source>
        <translation>Mostra la versione.</translation>
    </message>
    <message>
        <source>Read or change what every new account of this machine gets: the system&apos;s list, the first folder of XDG_CONFIG_DIRS (/etc/xdg/mimeapps.list). Changing needs root; backups are kept apart, in /var/lib/openwright.</source>
        <translation>Legge o cambia ciò che riceve ogni nuovo account di questa macchina: l&apos;elenco del sistema, nella prima cartella di XDG_CONFIG_DIRS (/etc/xdg/mimeapps.list). Le modifiche richiedono root; i backup sono conservati a parte, in /var/lib/openwright.</translation>
    </message>
    <message>
        <source>With --system: read and write as DESKTOP (KDE, GNOME, XFCE) does, its own list first.</source>
        <translation>Con --system: legge e scrive come fa DESKTOP (KDE, GNOME, XFCE), prima il suo elenco specifico.</translation>
    </message>
    <message>
        <source>With a command that changes: also show its outcome as a desktop notification, for a command started where no terminal shows what it prints (the desktop entry&apos;s Check Now and Back Up Now).</source>
        <translation>Con un comando che modifica: mostra anche il suo esito come notifica del desktop, per un comando avviato dove nessun terminale mostra ciò che stampa (Controlla ora ed Esegui backup ora della voce desktop).</translation>
    </message>
    <message>
        <source>Without a command: start with the window hidden, guarding from the tray (as at login).</source>
        <translation>Senza un comando: si avvia con la finestra nascosta, sorvegliando dall&apos;area di notifica (come all&apos;accesso).</translation>
    </message>
    <message>
        <source>The language of the texts: German, French, Spanish, Brazilian Portuguese or Italian, else English. Dates and numbers in a sentence follow its language. --json output is always English.</source>
        <translation>La lingua dei testi: tedesco, francese, spagnolo, portoghese brasiliano o italiano, altrimenti inglese. Date e numeri in una frase seguono la lingua della frase. L&apos;output di --json è sempre in inglese.</translation>
    </message>
    <message>
        <source>The desktops whose own defaults list (such as gnome-mimeapps.list) is read first and also written by set; on XFCE and KDE the desktop&apos;s own browser setting is read and written with the web links.</source>
        <translation>I desktop il cui elenco specifico delle predefinite (come gnome-mimeapps.list) viene letto per primo e scritto anche da set; su XFCE e KDE l&apos;impostazione del browser specifica del desktop viene letta e scritta insieme ai link web.</translation>
    </message>
    <message>
        <source>Where mimeapps.list and the settings are (default ~/.config).</source>
        <translation>Dove si trovano mimeapps.list e le impostazioni (predefinito ~/.config).</translation>
    </message>
    <message>
        <source>The administrator&apos;s defaults lists and desktop settings, below the user&apos;s (default /etc/xdg).</source>
        <translation>Gli elenchi delle predefinite e le impostazioni del desktop dell&apos;amministratore, subordinati a quelli dell&apos;utente (predefinito /etc/xdg).</translation>
    </message>
    <message>
        <source>Where the applications of your own and Openwright&apos;s data files are (default ~/.local/share).</source>
        <translation>Dove si trovano le tue applicazioni e i file di dati di Openwright (predefinito ~/.local/share).</translation>
    </message>
    <message>
        <source>Where the installed applications, the distribution&apos;s defaults lists, the MIME database and Xfce&apos;s helpers are (default /usr/local/share:/usr/share).</source>
        <translation>Dove si trovano le applicazioni installate, gli elenchi delle predefinite della distribuzione, il database MIME e gli helper di Xfce (predefinito /usr/local/share:/usr/share).</translation>
    </message>
    <message>
        <source>On Xfce, when its browser setting is Debian&apos;s sensible-browser helper: the browser that helper starts, before the x-www-browser alternative.</source>
        <translation>Su Xfce, quando l&apos;impostazione del browser è l&apos;helper sensible-browser di Debian: il browser che quell&apos;helper avvia, prima dell&apos;alternativa x-www-browser.</translation>
    </message>
    <message>
        <source>When set and not empty, text output has no colours.</source>
        <translation>Se impostata e non vuota, l&apos;output testuale è senza colori.</translation>
    </message>
    <message>
        <source>With --system: where the system&apos;s backups are kept (default /var/lib/openwright).</source>
        <translation>Con --system: dove sono conservati i backup del sistema (predefinito /var/lib/openwright).</translation>
    </message>
    <message>
        <source>When set to 1, the texts are shown in the pseudo-translation (longer, accented and bracketed), to find texts left untranslated or cut off.</source>
        <translation>Se impostata a 1, i testi vengono mostrati nella pseudo-traduzione (più lunghi, accentati e tra parentesi), per trovare testi rimasti non tradotti o troncati.</translation>
    </message>
    <message>
        <source>custom-types.json, profiles.json and guard.json: the added types, the profiles and backups, and the Default Guard&apos;s memory.</source>
        <translation>custom-types.json, profiles.json e guard.json: i tipi aggiunti, i profili e i backup, e la memoria del Guardiano delle predefinite.</translation>
    </message>
    <message>
        <source>The settings: the guard on or off and its interval, automatic backups and update checks.</source>
        <translation>Le impostazioni: il Guardiano attivo o no e il suo intervallo, i backup automatici e i controlli degli aggiornamenti.</translation>
    </message>
    <message>
        <source>Present while &quot;Open at login&quot; is on: the session starts openwright --background.</source>
        <translation>Presente finché «Apri all&apos;accesso» è attivo: la sessione avvia openwright --background.</translation>
    </message>
    <message>
        <source>The defaults that set changes, with the desktop&apos;s own list (such as gnome-mimeapps.list) where that would otherwise win.</source>
        <translation>Le predefinite che set cambia, insieme all&apos;elenco specifico del desktop (come gnome-mimeapps.list) dove altrimenti prevarrebbe quello.</translation>
    </message>
    <message>
        <source>The administrator&apos;s and the distribution&apos;s defaults, read after the user&apos;s; never written.</source>
        <translation>Le predefinite dell&apos;amministratore e della distribuzione, lette dopo quelle dell&apos;utente; mai scritte.</translation>
    </message>
    <message>
        <source>An older place of the user&apos;s defaults, still read by the system; the Clean Up moves what it decides.</source>
        <translation>Una vecchia posizione delle predefinite dell&apos;utente, ancora letta dal sistema; la Pulizia sposta ciò che quel file decide.</translation>
    </message>
    <message>
        <source>KDE&apos;s browser setting ([General] BrowserApplication), read and written by set.</source>
        <translation>L&apos;impostazione del browser di KDE ([General] BrowserApplication), letta e scritta da set.</translation>
    </message>
    <message>
        <source>Xfce&apos;s browser setting (WebBrowser, the name of an Xfce helper), read and written by set; the system&apos;s is in $XDG_CONFIG_DIRS/xfce4/helpers.rc.</source>
        <translation>L&apos;impostazione del browser di Xfce (WebBrowser, il nome di un helper di Xfce), letta e scritta da set; quella del sistema è in $XDG_CONFIG_DIRS/xfce4/helpers.rc.</translation>
    </message>
    <message>
        <source>The Xfce helper set writes for a browser that no installed helper starts.</source>
        <translation>L&apos;helper di Xfce che set scrive per un browser che nessun helper installato avvia.</translation>
    </message>
    <message>
        <source>With --system: the system&apos;s backups and data, kept apart from every person&apos;s (OPENWRIGHT_SYSTEM_DATA).</source>
        <translation>Con --system: i backup e i dati del sistema, tenuti separati da quelli di ogni persona (OPENWRIGHT_SYSTEM_DATA).</translation>
    </message>
    <message>
        <source>What opens PDF files and email links.</source>
        <translation>Cosa apre i file PDF e i link email.</translation>
    </message>
    <message>
        <source>Why Markdown files open where they do: every list the system reads, in its order.</source>
        <translation>Perché i file Markdown si aprono dove si aprono: ogni elenco che il sistema legge, nel suo ordine.</translation>
    </message>
    <message>
        <source>Make Firefox the web browser: links, secure links and web pages together.</source>
        <translation>Rende Firefox il browser web: link, link sicuri e pagine web insieme.</translation>
    </message>
    <message>
        <source>Make VLC the default for every video type it declares.</source>
        <translation>Rende VLC la predefinita per ogni tipo video che dichiara.</translation>
    </message>
    <message>
        <source>Ask in a script whether Thunderbird opens email links.</source>
        <translation>Chiede in uno script se Thunderbird apre i link email.</translation>
    </message>
    <message>
        <source>Write the profile Work to a file, to import elsewhere.</source>
        <translation>Scrive il profilo Work in un file, da importare altrove.</translation>
    </message>
    <message>
        <source>The same answer as one JSON document, for scripts.</source>
        <translation>La stessa risposta come unico documento JSON, per gli script.</translation>
    </message>
    <message>
        <source>Done.</source>
        <translation>Fatto.</translation>
    </message>
    <message>
        <source>A change did not succeed, or the command could not be carried out.</source>
        <translation>Una modifica non è riuscita, o non è stato possibile eseguire il comando.</translation>
    </message>
    <message>
        <source>Bad input: an unknown command or option, text that is not a type, a type the system does not recognise, or an unknown or ambiguous application or name.</source>
        <translation>Input non valido: un comando o un&apos;opzione sconosciuti, un testo che non è un tipo, un tipo che il sistema non riconosce, o un&apos;applicazione o un nome sconosciuti o ambigui.</translation>
    </message>
    <message>
        <source>SYNOPSIS</source>
        <translation>SINTASSI</translation>
    </message>
    <message>
        <source>DESCRIPTION</source>
        <translation>DESCRIZIONE</translation>
    </message>
    <message>
        <source>COMMANDS</source>
        <translation>COMANDI</translation>
    </message>
    <message>
        <source>ARGUMENTS</source>
        <translation>ARGOMENTI</translation>
    </message>
    <message>
        <source>OPTIONS</source>
        <translation>OPZIONI</translation>
    </message>
    <message>
        <source>EXIT STATUS</source>
        <translation>STATO D&apos;USCITA</translation>
    </message>
    <message>
        <source>ENVIRONMENT</source>
        <translation>VARIABILI D&apos;AMBIENTE</translation>
    </message>
    <message>
        <source>FILES</source>
        <translation>FILE</translation>
    </message>
    <message>
        <source>EXAMPLES</source>
        <translation>ESEMPI</translation>
    </message>
    <message>
        <source>SEE ALSO</source>
        <translation>VEDERE ANCHE</translation>
    </message>
    <message>
        <source>Usage:</source>
        <translation>Uso:</translation>
    </message>
    <message>
        <source>Commands:</source>
        <translation>Comandi:</translation>
    </message>
    <message>
        <source>Arguments:</source>
        <translation>Argomenti:</translation>
    </message>
    <message>
        <source>Options:</source>
        <translation>Opzioni:</translation>
    </message>
    <message>
        <source>Exit status:</source>
        <translation>Stato di uscita:</translation>
    </message>
    <message>
        <source>See &quot;%1&quot; for one command.</source>
        <translation>Vedi &quot;%1&quot; per un singolo comando.</translation>
    </message>
    <message>
        <source>User Commands</source>
        <translation>Comandi utente</translation>
    </message>
    <message>
        <source>show and change which application opens each file and link type</source>
        <translation>mostra e cambia quale applicazione apre ciascun tipo di file e di collegamento</translation>
    </message>
    <message>
        <source>Open a file or link, or show what each program would start for it</source>
        <translation>Apre un file o un link, o mostra cosa avvierebbe ogni programma per esso</translation>
    </message>
    <message>
        <source>Opens LOCATION as GTK programs do. With --dry-run, starts nothing and prints what each program that opens files here would start for it, and why: GTK programs (GIO), KDE programs where KDE&apos;s libraries are installed, and xdg-open as it hands over on this desktop or decides by itself.</source>
        <translation>Apre LOCATION come fanno i programmi GTK. Con --dry-run, non avvia nulla e stampa cosa avvierebbe per esso ogni programma che apre file qui, e perché: i programmi GTK (GIO), i programmi KDE dove sono installate le librerie di KDE, e xdg-open a seconda che su questo desktop passi la mano o decida da sé.</translation>
    </message>
    <message>
        <source>Make every program open each TARGET alike</source>
        <translation>Fa sì che ogni programma apra ogni TARGET allo stesso modo</translation>
    </message>
    <message>
        <source>Where the programs that open files here would start different applications for a TARGET (GTK programs, KDE programs, xdg-open), writes what GTK programs start now as the TARGET&apos;s explicit default, which each of them honours. Without TARGETs, every type Openwright watches where they differ. While automatic backups are on, the current defaults are backed up first. Prints each TARGET and its outcome; exits with 1 when one still opens differently.</source>
        <translation>Dove i programmi che aprono file qui avvierebbero applicazioni diverse per un TARGET (programmi GTK, programmi KDE, xdg-open), scrive ciò che i programmi GTK avviano ora come predefinita esplicita del TARGET, che ognuno di essi rispetta. Senza TARGETs, ogni tipo che Openwright segue in cui differiscono. Se i backup automatici sono attivi, prima viene eseguito un backup delle predefinite attuali. Stampa ogni TARGET e il suo esito; esce con 1 quando uno si apre ancora diversamente.</translation>
    </message>
    <message>
        <source>A file (./report.pdf, relative to the current folder) or a link (https://example.org, mailto:ann@example.org).</source>
        <translation>Un file (./report.pdf, relativo alla cartella attuale) o un link (https://example.org, mailto:ann@example.org).</translation>
    </message>
    <message>
        <source>With open: say what each program would start, and start nothing.</source>
        <translation>Con open: dice cosa avvierebbe ogni programma, senza avviare nulla.</translation>
    </message>
</context>
<context>
    <name>openwright::AppModel</name>
    <message>
        <source>Added %1 to your applications</source>
        <translation>%1 aggiunta alle tue applicazioni</translation>
    </message>
    <message>
        <source>Clean Up</source>
        <translation>Pulizia</translation>
    </message>
    <message>
        <source>%1 for %2</source>
        <translation>%1 per %2</translation>
    </message>
    <message>
        <source>The order of %1</source>
        <translation>L&apos;ordine di %1</translation>
    </message>
</context>
<context>
    <name>openwright::Notifier</name>
    <message>
        <source>%1 default put back</source>
        <translation>Predefinita per %1 ripristinata</translation>
    </message>
    <message>
        <source>%1 default changed</source>
        <translation>Predefinita per %1 cambiata</translation>
    </message>
    <message>
        <source>no app</source>
        <translation>nessuna applicazione</translation>
    </message>
    <message>
        <source>%1 took over again, three times in a minute. Openwright stopped putting %2 back; Revert when the other program is done.</source>
        <translation>%1 se n&apos;è appropriata di nuovo, tre volte in un minuto. Openwright ha smesso di rimettere %2; scegli Annulla modifica quando l&apos;altro programma ha finito.</translation>
    </message>
    <message>
        <source>%1 replaced %2. Revert to keep %2.</source>
        <translation>%1 ha sostituito %2. Scegli Annulla modifica per mantenere %2.</translation>
    </message>
    <message>
        <source>1 second</source>
        <translation>1 secondo</translation>
    </message>
    <message>
        <source>%1 seconds</source>
        <translation>%1 secondi</translation>
    </message>
    <message>
        <source>1 minute</source>
        <translation>1 minuto</translation>
    </message>
    <message>
        <source>%1 minutes</source>
        <translation>%1 minuti</translation>
    </message>
    <message>
        <source>1 hour</source>
        <translation>1 ora</translation>
    </message>
    <message>
        <source>%1 hours</source>
        <translation>%1 ore</translation>
    </message>
    <message>
        <source>Probably %1, which started %2 before</source>
        <translation>Probabilmente %1, avviato %2 prima</translation>
    </message>
    <message>
        <source>Probably %1, installed or updated %2 before</source>
        <translation>Probabilmente %1, installato o aggiornato %2 prima</translation>
    </message>
    <message>
        <source>Allow</source>
        <translation>Consenti</translation>
    </message>
    <message>
        <source>Revert</source>
        <translation>Annulla modifica</translation>
    </message>
    <message>
        <source>Openwright keeps guarding</source>
        <translation>Openwright continua a sorvegliare</translation>
    </message>
    <message>
        <source>Your defaults are still watched with the window closed. To quit, open Openwright again and choose File → Quit.</source>
        <translation>Le tue predefinite restano sorvegliate anche a finestra chiusa. Per uscire, riapri Openwright e scegli File → Esci.</translation>
    </message>
    <message>
        <source>%1 replaced %2. Openwright put %2 back. Choose Allow to keep %1.</source>
        <translation>%1 ha sostituito %2. Openwright ha rimesso %2. Scegli Consenti per mantenere %1.</translation>
    </message>
    <message>
        <source>%1 opens differently in KDE programs</source>
        <translation>%1 si apre diversamente nei programmi KDE</translation>
    </message>
    <message>
        <source>%1 opens differently with xdg-open</source>
        <translation>%1 si apre diversamente con xdg-open</translation>
    </message>
    <message>
        <source>KDE programs opened it in %1. Openwright made every program open %2 again. Choose Allow to open it in %1 everywhere.</source>
        <translation>I programmi KDE lo aprivano in %1. Openwright ha fatto aprire di nuovo %2 a tutti i programmi. Scegli Consenti per aprirlo ovunque in %1.</translation>
    </message>
    <message>
        <source>xdg-open opened it in %1. Openwright made every program open %2 again. Choose Allow to open it in %1 everywhere.</source>
        <translation>xdg-open lo apriva in %1. Openwright ha fatto aprire di nuovo %2 a tutti i programmi. Scegli Consenti per aprirlo ovunque in %1.</translation>
    </message>
    <message>
        <source>KDE programs now open it in %1, not %2. Revert to make every program open %2.</source>
        <translation>I programmi KDE ora lo aprono in %1, non in %2. Scegli Annulla modifica perché tutti i programmi aprano %2.</translation>
    </message>
    <message>
        <source>xdg-open now opens it in %1, not %2. Revert to make every program open %2.</source>
        <translation>xdg-open ora lo apre in %1, non in %2. Scegli Annulla modifica perché tutti i programmi aprano %2.</translation>
    </message>
</context>
<context>
    <name>openwright::Updater</name>
    <message>
        <source>The update feed is too large.</source>
        <translation>Il feed degli aggiornamenti è troppo grande.</translation>
    </message>
    <message>
        <source>The update feed was not found (HTTP %1).</source>
        <translation>Feed degli aggiornamenti non trovato (HTTP %1).</translation>
    </message>
    <message>
        <source>The update server answered with an error (HTTP %1).</source>
        <translation>Il server degli aggiornamenti ha risposto con un errore (HTTP %1).</translation>
    </message>
    <message>
        <source>The update server did not answer in time.</source>
        <translation>Il server degli aggiornamenti non ha risposto in tempo.</translation>
    </message>
    <message>
        <source>The update feed redirects too often or to an unsafe address.</source>
        <translation>Il feed degli aggiornamenti reindirizza troppe volte o verso un indirizzo non sicuro.</translation>
    </message>
    <message>
        <source>Could not reach the update server: %1</source>
        <translation>Impossibile raggiungere il server degli aggiornamenti: %1</translation>
    </message>
    <message>
        <source>The update feed could not be read: it is not an RSS document.</source>
        <translation>Impossibile leggere il feed degli aggiornamenti: non è un documento RSS.</translation>
    </message>
    <message>
        <source>The update feed lists no releases.</source>
        <translation>Il feed degli aggiornamenti non elenca alcuna versione.</translation>
    </message>
    <message>
        <source>The update feed&apos;s signature is not valid.</source>
        <translation>La firma del feed degli aggiornamenti non è valida.</translation>
    </message>
    <message>
        <source>You&apos;re up to date.</source>
        <translation>Sei aggiornato.</translation>
    </message>
    <message>
        <source>Openwright %1 is available.</source>
        <translation>Openwright %1 è disponibile.</translation>
    </message>
</context>
<context>
    <name>openwright::ui::AddTypeSheet</name>
    <message>
        <source>That doesn&apos;t look like an extension or link type.</source>
        <translation>Non sembra un&apos;estensione né un tipo di link.</translation>
    </message>
    <message>
        <source>Add a File Type or Link</source>
        <translation>Aggiungi un tipo di file o di link</translation>
    </message>
    <message>
        <source>Type a file extension like &lt;b&gt;.log&lt;/b&gt; or a link type like &lt;b&gt;zoommtg:&lt;/b&gt; (ending with a colon).</source>
        <translation>Digita un&apos;estensione come &lt;b&gt;.log&lt;/b&gt; o un tipo di link come &lt;b&gt;zoommtg:&lt;/b&gt; (che termina con i due punti).</translation>
    </message>
    <message>
        <source>.extension or scheme:</source>
        <translation>.estensione o schema:</translation>
    </message>
    <message>
        <source>File extension or link type</source>
        <translation>Estensione di file o tipo di link</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Aggiungi</translation>
    </message>
    <message>
        <source>Show</source>
        <translation>Mostra</translation>
    </message>
    <message>
        <source>%1 is already in %2.</source>
        <translation>%1 è già in %2.</translation>
    </message>
    <message>
        <source>The system does not recognise %1 files: no app can open them until a program you install describes them. Added, the type waits for one.</source>
        <translation>Il sistema non riconosce i file %1: nessuna applicazione può aprirli finché un programma che installi non li descrive. Una volta aggiunto, il tipo resta in attesa.</translation>
    </message>
</context>
<context>
    <name>openwright::ui::AllTypesView</name>
    <message>
        <source>Type</source>
        <translation>Tipo</translation>
    </message>
    <message>
        <source>MIME Type</source>
        <translation>Tipo MIME</translation>
    </message>
    <message>
        <source>Patterns</source>
        <translation>Modelli</translation>
    </message>
    <message>
        <source>Opens With</source>
        <translation>Si apre con</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Stato</translation>
    </message>
    <message>
        <source>No patterns</source>
        <translation>Nessun modello</translation>
    </message>
    <message>
        <source>No default</source>
        <translation>Nessuna predefinita</translation>
    </message>
    <message>
        <source>Unknown</source>
        <translation>Sconosciuto</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <source>All Types</source>
        <translation>Tutti i tipi</translation>
    </message>
    <message>
        <source>Filter by description, MIME type, pattern or app</source>
        <translation>Filtra per descrizione, tipo MIME, modello o applicazione</translation>
    </message>
    <message>
        <source>Filter types</source>
        <translation>Filtra i tipi</translation>
    </message>
    <message>
        <source>Reading every type…</source>
        <translation>Lettura di tutti i tipi…</translation>
    </message>
    <message>
        <source>The system&apos;s MIME database and every installed application are read once.</source>
        <translation>Il database MIME del sistema e ogni applicazione installata vengono letti una volta.</translation>
    </message>
    <message>
        <source>All types</source>
        <translation>Tutti i tipi</translation>
    </message>
</context>
<context>
    <name>openwright::ui::AppChooser</name>
    <message>
        <source>Applications (*.desktop)</source>
        <translation>Applicazioni (*.desktop)</translation>
    </message>
    <message>
        <source>Use as Default</source>
        <translation>Usa come predefinita</translation>
    </message>
    <message>
        <source>Choose Another App</source>
        <translation>Scegli un&apos;altra applicazione</translation>
    </message>
    <message>
        <source>Search applications</source>
        <translation>Cerca applicazioni</translation>
    </message>
    <message>
        <source>Looking for applications…</source>
        <translation>Ricerca delle applicazioni…</translation>
    </message>
    <message>
        <source>Applications</source>
        <translation>Applicazioni</translation>
    </message>
    <message>
        <source>Browse…</source>
        <translation>Sfoglia…</translation>
    </message>
    <message>
        <source>Choose an application&apos;s .desktop file from another folder</source>
        <translation>Scegli il file .desktop di un&apos;applicazione da un&apos;altra cartella</translation>
    </message>
    <message>
        <source>Replace the Installed App?</source>
        <translation>Sostituire l&apos;applicazione installata?</translation>
    </message>
    <message>
        <source>An app with the ID “%1” is already installed. Replace it with the one you chose?</source>
        <translation>Un&apos;applicazione con l&apos;ID «%1» è già installata. Sostituirla con quella che hai scelto?</translation>
    </message>
    <message>
        <source>Replace</source>
        <translation>Sostituisci</translation>
    </message>
    <message>
        <source>Choose the app that should open %1</source>
        <translation>Scegli l&apos;applicazione che deve aprire %1</translation>
    </message>
    <message>
        <source>Made for %1</source>
        <translation>Pensata per %1</translation>
    </message>
</context>
<context>
    <name>openwright::ui::AppIconView</name>
    <message>
        <source>No application</source>
        <translation>Nessuna applicazione</translation>
    </message>
</context>
<context>
    <name>openwright::ui::AppPicker</name>
    <message>
        <source>Loading…</source>
        <translation>Caricamento…</translation>
    </message>
    <message>
        <source>No default</source>
        <translation>Nessuna predefinita</translation>
    </message>
    <message>
        <source>Choose the app for %1 (%2)</source>
        <translation>Scegli l&apos;applicazione per %1 (%2)</translation>
    </message>
    <message>
        <source>No apps can open this</source>
        <translation>Nessuna applicazione può aprirlo</translation>
    </message>
    <message>
        <source>Choose Another App…</source>
        <translation>Scegli un&apos;altra applicazione…</translation>
    </message>
    <message>
        <source>Why this app?</source>
        <translation>Perché questa applicazione?</translation>
    </message>
    <message>
        <source>Reset to System Default</source>
        <translation>Ripristina la predefinita di sistema</translation>
    </message>
    <message numerus="yes">
        <source>Choose Another App… shows %n more</source>
        <translation>
            <numerusform>«Scegli un&apos;altra applicazione…» ne mostra altre %n</numerusform>
            <numerusform>«Scegli un&apos;altra applicazione…» ne mostra altre %n</numerusform>
        </translation>
    </message>
    <message>
        <source>Order Apps…</source>
        <translation>Ordina applicazioni…</translation>
    </message>
</context>
<context>
    <name>openwright::ui::ApplicationHits</name>
    <message>
        <source>Applications:</source>
        <translation>Applicazioni:</translation>
    </message>
    <message>
        <source>Show the types %1 opens</source>
        <translation>Mostra i tipi che apre %1</translation>
    </message>
    <message>
        <source>and %1 more</source>
        <translation>e altre %1</translation>
    </message>
</context>
<context>
    <name>openwright::ui::ApplicationPage</name>
    <message>
        <source>%1 declares no types in its desktop entry, so Openwright sets it for none. You can still choose it for a type from that type&apos;s list.</source>
        <translation>%1 non dichiara tipi nella sua voce desktop, quindi Openwright non la imposta per nessuno. Puoi comunque sceglierla per un tipo dall&apos;elenco di quel tipo.</translation>
    </message>
    <message>
        <source>Use for All</source>
        <translation>Usa per tutti</translation>
    </message>
    <message>
        <source>Make %1 the default for every type it declares</source>
        <translation>Rendi %1 la predefinita per ogni tipo che dichiara</translation>
    </message>
    <message>
        <source>%1 of %2 open in %3</source>
        <translation>%1 di %2 si aprono in %3</translation>
    </message>
    <message>
        <source>Use for All %1</source>
        <translation>Usa per tutto: %1</translation>
    </message>
    <message>
        <source>Default</source>
        <translation>Predefinita</translation>
    </message>
    <message>
        <source>No application</source>
        <translation>Nessuna applicazione</translation>
    </message>
    <message>
        <source>Use for This Type</source>
        <translation>Usa per questo tipo</translation>
    </message>
    <message>
        <source>Use %1 for %2</source>
        <translation>Usa %1 per %2</translation>
    </message>
    <message numerus="yes">
        <source>Declares %n types</source>
        <translation>
            <numerusform>Dichiara %n tipo</numerusform>
            <numerusform>Dichiara %n tipi</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>default for %n types</source>
        <translation>
            <numerusform>predefinita per %n tipo</numerusform>
            <numerusform>predefinita per %n tipi</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>openwright::ui::ApplicationsView</name>
    <message>
        <source>Not a default</source>
        <translation>Non predefinita</translation>
    </message>
    <message>
        <source>Applications</source>
        <translation>Applicazioni</translation>
    </message>
    <message>
        <source>Search applications</source>
        <translation>Cerca applicazioni</translation>
    </message>
    <message>
        <source>No Application Selected</source>
        <translation>Nessuna applicazione selezionata</translation>
    </message>
    <message>
        <source>Choose an application to see the types it opens, and make it the default for all of them or for a whole family.</source>
        <translation>Scegli un&apos;applicazione per vedere i tipi che apre e renderla la predefinita per tutti o per un&apos;intera famiglia.</translation>
    </message>
    <message>
        <source>Types the application opens</source>
        <translation>Tipi che l’applicazione apre</translation>
    </message>
    <message numerus="yes">
        <source>Default for %n types</source>
        <translation>
            <numerusform>Predefinita per %n tipo</numerusform>
            <numerusform>Predefinita per %n tipi</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>openwright::ui::BackupRow</name>
    <message>
        <source>Restore…</source>
        <translation>Ripristina…</translation>
    </message>
    <message>
        <source>%1 from %2 %3</source>
        <translation>%1 del %2 %3</translation>
    </message>
    <message>
        <source>Restore %1</source>
        <translation>Ripristina %1</translation>
    </message>
    <message>
        <source>Delete this backup</source>
        <translation>Elimina questo backup</translation>
    </message>
    <message>
        <source>Delete %1</source>
        <translation>Elimina %1</translation>
    </message>
    <message>
        <source>Same as now</source>
        <translation>Uguale ad ora</translation>
    </message>
    <message numerus="yes">
        <source>%n defaults</source>
        <translation>
            <numerusform>%n predefinita</numerusform>
            <numerusform>%n predefinite</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n different from now</source>
        <translation>
            <numerusform>%n differenza da ora</numerusform>
            <numerusform>%n differenze da ora</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>openwright::ui::BackupsView</name>
    <message>
        <source>Backups</source>
        <translation>Backup</translation>
    </message>
    <message>
        <source>Back Up Now</source>
        <translation>Esegui backup ora</translation>
    </message>
    <message>
        <source>Save your current defaults</source>
        <translation>Salva le applicazioni predefinite attuali</translation>
    </message>
    <message>
        <source>No Backups Yet</source>
        <translation>Ancora nessun backup</translation>
    </message>
    <message>
        <source>Back up your defaults before trying a profile or installing new apps, so you can put everything back.</source>
        <translation>Esegui un backup delle applicazioni predefinite prima di provare un profilo o installare nuove applicazioni, così potrai rimettere tutto a posto.</translation>
    </message>
</context>
<context>
    <name>openwright::ui::CategoryListView</name>
    <message>
        <source>Add Type</source>
        <translation>Aggiungi tipo</translation>
    </message>
    <message>
        <source>Add any file extension or link type</source>
        <translation>Aggiungi qualsiasi estensione di file o tipo di link</translation>
    </message>
    <message>
        <source>Add a File Type or Link…</source>
        <translation>Aggiungi un tipo di file o di link…</translation>
    </message>
    <message>
        <source>Remove from My File Types</source>
        <translation>Rimuovi da I miei tipi di file</translation>
    </message>
</context>
<context>
    <name>openwright::ui::CategoryRow</name>
    <message>
        <source>Unpin %1</source>
        <translation>Sblocca %1</translation>
    </message>
    <message>
        <source>Pin %1</source>
        <translation>Fissa %1</translation>
    </message>
    <message>
        <source>Default Guard is watching this default</source>
        <translation>Il Guardiano sorveglia questa predefinita</translation>
    </message>
    <message>
        <source>Pin to get alerted if another app takes it over</source>
        <translation>Fissala per essere avvisato se un&apos;altra applicazione se ne appropria</translation>
    </message>
    <message>
        <source>No installed app can open %1</source>
        <translation>Nessuna applicazione installata può aprire %1</translation>
    </message>
</context>
<context>
    <name>openwright::ui::ChangeRow</name>
    <message>
        <source>No default</source>
        <translation>Nessuna predefinita</translation>
    </message>
    <message>
        <source>Changed in %1</source>
        <translation>Cambiato in %1</translation>
    </message>
    <message>
        <source>Handled</source>
        <translation>Gestito</translation>
    </message>
    <message>
        <source>Revert</source>
        <translation>Annulla modifica</translation>
    </message>
    <message>
        <source>Revert %1 to %2</source>
        <translation>Riporta %1 a %2</translation>
    </message>
    <message>
        <source>Keep</source>
        <translation>Mantieni</translation>
    </message>
    <message>
        <source>Keep %1 for %2</source>
        <translation>Mantieni %1 per %2</translation>
    </message>
    <message>
        <source>Taken over three times in a minute: the guard stopped putting it back</source>
        <translation>Sottratta tre volte in un minuto: il Guardiano ha smesso di ripristinarla</translation>
    </message>
    <message>
        <source>Put back</source>
        <translation>Modifica annullata</translation>
    </message>
    <message>
        <source>Allowed</source>
        <translation>Consentito</translation>
    </message>
    <message>
        <source>Allow</source>
        <translation>Consenti</translation>
    </message>
    <message>
        <source>Allow %1 for %2</source>
        <translation>Consenti %1 per %2</translation>
    </message>
    <message>
        <source>Only in KDE programs: the default is still %1</source>
        <translation>Solo nei programmi KDE: l’app predefinita è ancora %1</translation>
    </message>
    <message>
        <source>Only with xdg-open: the default is still %1</source>
        <translation>Solo con xdg-open: l’app predefinita è ancora %1</translation>
    </message>
</context>
<context>
    <name>openwright::ui::CleanUpSheet</name>
    <message>
        <source>Clean Up</source>
        <translation>Pulizia</translation>
    </message>
    <message>
        <source>Clean Up Your Defaults Files</source>
        <translation>Pulisci i file delle predefinite</translation>
    </message>
    <message>
        <source>Fix Selected</source>
        <translation>Correggi i selezionati</translation>
    </message>
    <message>
        <source>Fix: %1</source>
        <translation>Correzione: %1</translation>
    </message>
    <message>
        <source>No problems in your defaults files.</source>
        <translation>Nessun problema nei file delle predefinite.</translation>
    </message>
    <message>
        <source>Fixed %1</source>
        <translation>Corretto: %1</translation>
    </message>
    <message>
        <source>The old file is kept as %1</source>
        <translation>Il vecchio file è conservato come %1</translation>
    </message>
    <message>
        <source>Not fixed: %1</source>
        <translation>Non corretto: %1</translation>
    </message>
    <message>
        <source>Left alone: %1 no longer found, as the files changed meanwhile.</source>
        <translation>Problemi lasciati invariati (nel frattempo i file sono cambiati e non li mostrano più): %1.</translation>
    </message>
    <message>
        <source>Nothing was changed.</source>
        <translation>Non è stato cambiato nulla.</translation>
    </message>
    <message>
        <source>Each changed file is first copied beside itself, and your defaults are backed up. A fix changes which app opens a type only where it says so; one whose effect cannot be told beforehand is not selected.</source>
        <translation>Ogni file cambiato viene prima copiato accanto a sé, e le tue predefinite vengono salvate. Una correzione cambia l’applicazione di un tipo solo dove lo dice; quella il cui effetto non si può prevedere non è selezionata.</translation>
    </message>
    <message>
        <source>Problems found</source>
        <translation>Problemi trovati</translation>
    </message>
</context>
<context>
    <name>openwright::ui::DropInspector</name>
    <message>
        <source>What opens this file?</source>
        <translation>Cosa apre questo file?</translation>
    </message>
    <message>
        <source>Drop any file onto this window to see and change which app opens it</source>
        <translation>Trascina un file qualsiasi su questa finestra per vedere e cambiare quale applicazione lo apre</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Cancella</translation>
    </message>
    <message>
        <source>Add %1 to My File Types</source>
        <translation>Aggiungi %1 a I miei tipi di file</translation>
    </message>
    <message>
        <source>Clear %1</source>
        <translation>Cancella %1</translation>
    </message>
</context>
<context>
    <name>openwright::ui::GuardView</name>
    <message>
        <source>Stop watching</source>
        <translation>Smetti di sorvegliare</translation>
    </message>
    <message>
        <source>Stop watching %1</source>
        <translation>Smetti di sorvegliare %1</translation>
    </message>
    <message>
        <source>No default</source>
        <translation>Nessuna predefinita</translation>
    </message>
    <message>
        <source>Default Guard</source>
        <translation>Guardiano delle predefinite</translation>
    </message>
    <message>
        <source>Check Now</source>
        <translation>Controlla ora</translation>
    </message>
    <message>
        <source>Check for changed defaults now</source>
        <translation>Controlla ora se le predefinite sono cambiate</translation>
    </message>
    <message>
        <source>Checks your defaults in the background. When an app takes over a pinned default, you get a notification with a Revert button.</source>
        <translation>Controlla le applicazioni predefinite in background. Quando un&apos;applicazione si appropria di una predefinita fissata, ricevi una notifica con un pulsante Annulla modifica.</translation>
    </message>
    <message>
        <source>Pinned types</source>
        <translation>Tipi fissati</translation>
    </message>
    <message>
        <source>Recent Changes</source>
        <translation>Modifiche recenti</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Cancella</translation>
    </message>
    <message>
        <source>Clear recent changes</source>
        <translation>Cancella le modifiche recenti</translation>
    </message>
    <message>
        <source>Recent changes</source>
        <translation>Modifiche recenti</translation>
    </message>
    <message>
        <source>Pinned (%1)</source>
        <translation>Fissati (%1)</translation>
    </message>
    <message>
        <source>Click the pin next to any file type to watch it.</source>
        <translation>Fai clic sulla puntina accanto a un tipo di file per sorvegliarlo.</translation>
    </message>
    <message>
        <source>No changes spotted yet.</source>
        <translation>Ancora nessuna modifica rilevata.</translation>
    </message>
    <message>
        <source>Always keep</source>
        <translation>Mantieni sempre</translation>
    </message>
    <message>
        <source>Always keep %1</source>
        <translation>Mantieni sempre %1</translation>
    </message>
    <message>
        <source>Put the app back at once when another program takes this type over</source>
        <translation>Rimetti subito l&apos;applicazione quando un altro programma si appropria di questo tipo</translation>
    </message>
</context>
<context>
    <name>openwright::ui::HealthCard</name>
    <message>
        <source>Health score</source>
        <translation>Punteggio di salute</translation>
    </message>
    <message>
        <source>The share of known file and link types that open in a specific app %1</source>
        <translation>La quota di tipi di file e link noti che si aprono in un&apos;applicazione specifica %1</translation>
    </message>
    <message>
        <source>Defaults Health</source>
        <translation>Salute delle predefinite</translation>
    </message>
    <message>
        <source>Everything has a home.</source>
        <translation>Ogni cosa ha il suo posto.</translation>
    </message>
    <message numerus="yes">
        <source>%n types need attention</source>
        <translation>
            <numerusform>%n tipo richiede attenzione</numerusform>
            <numerusform>%n tipi richiedono attenzione</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>openwright::ui::HistoryHeader</name>
    <message>
        <source>Automatic Backup History</source>
        <translation>Cronologia dei backup automatici</translation>
    </message>
    <message>
        <source>Backs up before every profile, restore and Guard revert, and once a day. Unchanged days are skipped; automatic backups are kept for 30 days.</source>
        <translation>Esegue un backup prima di ogni profilo, ripristino e annullamento del Guardiano, e una volta al giorno. I giorni senza modifiche vengono saltati; i backup automatici vengono conservati per 30 giorni.</translation>
    </message>
</context>
<context>
    <name>openwright::ui::IssueRow</name>
    <message>
        <source>No installed app can open %1. Install one, or ignore it if you never use it.</source>
        <translation>Nessuna applicazione installata può aprire %1. Installane una, o ignoralo se non lo usi mai.</translation>
    </message>
    <message>
        <source>Several apps can open it, but none is the default.</source>
        <translation>Diverse applicazioni possono aprirlo, ma nessuna è la predefinita.</translation>
    </message>
    <message>
        <source>Set to %1, which is no longer installed.</source>
        <translation>Impostata su %1, che non è più installata.</translation>
    </message>
    <message>
        <source>Show</source>
        <translation>Mostra</translation>
    </message>
    <message>
        <source>Show %1</source>
        <translation>Mostra %1</translation>
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
        <translation>&amp;File</translation>
    </message>
    <message>
        <source>Refresh Defaults</source>
        <translation>Rileggi le predefinite</translation>
    </message>
    <message>
        <source>Back Up Now</source>
        <translation>Esegui backup ora</translation>
    </message>
    <message>
        <source>Settings…</source>
        <translation>Impostazioni…</translation>
    </message>
    <message>
        <source>Close Window</source>
        <translation>Chiudi finestra</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Esci</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Modifica</translation>
    </message>
    <message>
        <source>Find Type</source>
        <translation>Trova tipo</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Aiuto</translation>
    </message>
    <message>
        <source>About Openwright</source>
        <translation>Informazioni su Openwright</translation>
    </message>
    <message>
        <source>&lt;h3&gt;Openwright %1&lt;/h3&gt;&lt;p&gt;Shows and changes which application opens each kind of file and link, and keeps them that way.&lt;/p&gt;</source>
        <translation>&lt;h3&gt;Openwright %1&lt;/h3&gt;&lt;p&gt;Mostra e cambia quale applicazione apre ogni tipo di file e di link, e fa sì che resti così.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>Check for Updates…</source>
        <translation>Controlla aggiornamenti…</translation>
    </message>
</context>
<context>
    <name>openwright::ui::OpenwrightApp</name>
    <message>
        <source>Openwright keeps guarding your default applications with its window closed.</source>
        <translation>Openwright continua a sorvegliare le tue applicazioni predefinite anche a finestra chiusa.</translation>
    </message>
</context>
<context>
    <name>openwright::ui::OrderSheet</name>
    <message>
        <source>Move Up</source>
        <translation>Sposta su</translation>
    </message>
    <message>
        <source>Move Down</source>
        <translation>Sposta giù</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Rimuovi</translation>
    </message>
    <message>
        <source>Order Apps</source>
        <translation>Ordina applicazioni</translation>
    </message>
    <message>
        <source>The apps offered for %1</source>
        <translation>Le applicazioni offerte per %1</translation>
    </message>
    <message>
        <source>The system tries them in this order: the first is the default. An app you remove is no longer offered for it, until you give it back.</source>
        <translation>Il sistema le prova in quest&apos;ordine: la prima è la predefinita. Un&apos;applicazione rimossa non viene più offerta, finché non la restituisci.</translation>
    </message>
    <message>
        <source>Apps offered for %1</source>
        <translation>Applicazioni offerte per %1</translation>
    </message>
    <message>
        <source>%1 (removed)</source>
        <translation>%1 (rimossa)</translation>
    </message>
    <message>
        <source>Give Back</source>
        <translation>Restituisci</translation>
    </message>
    <message>
        <source>In bold: the apps made for it. The others open it as a parent type.</source>
        <translation>In grassetto: le applicazioni fatte per esso. Le altre lo aprono come tipo padre.</translation>
    </message>
</context>
<context>
    <name>openwright::ui::OverviewView</name>
    <message>
        <source>Reading your defaults…</source>
        <translation>Lettura delle applicazioni predefinite…</translation>
    </message>
    <message>
        <source>Overview</source>
        <translation>Panoramica</translation>
    </message>
    <message>
        <source>Types with a default</source>
        <translation>Tipi con applicazione predefinita</translation>
    </message>
    <message>
        <source>Backups</source>
        <translation>Backup</translation>
    </message>
    <message>
        <source>Changes spotted by Guard</source>
        <translation>Modifiche rilevate dal Guardiano</translation>
    </message>
    <message>
        <source>Needs attention</source>
        <translation>Richiede attenzione</translation>
    </message>
    <message>
        <source>Clean Up…</source>
        <translation>Pulisci…</translation>
    </message>
    <message numerus="yes">
        <source>%n problems in your defaults files</source>
        <translation>
            <numerusform>%n problema nei file delle applicazioni predefinite</numerusform>
            <numerusform>%n problemi nei file delle applicazioni predefinite</numerusform>
        </translation>
    </message>
    <message>
        <source>Make every program agree</source>
        <translation>Metti d’accordo tutti i programmi</translation>
    </message>
    <message numerus="yes">
        <source>%n types open differently in other programs</source>
        <translation>
            <numerusform>%n tipo si apre diversamente in altri programmi</numerusform>
            <numerusform>%n tipi si aprono diversamente in altri programmi</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>openwright::ui::ProfileCard</name>
    <message>
        <source>Preset</source>
        <translation>Predefinito</translation>
    </message>
    <message>
        <source>%1 of %2 to change</source>
        <translation>%1 di %2 da cambiare</translation>
    </message>
    <message>
        <source>All set</source>
        <translation>Tutto a posto</translation>
    </message>
</context>
<context>
    <name>openwright::ui::ProfileSheet</name>
    <message>
        <source>Steps</source>
        <translation>Passaggi</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
    <message>
        <source>%1 of %2 changed.</source>
        <translation>%1 di %2 cambiate.</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Fatto</translation>
    </message>
    <message numerus="yes">
        <source>%n defaults</source>
        <translation>
            <numerusform>%n predefinita</numerusform>
            <numerusform>%n predefinite</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n already set</source>
        <translation>
            <numerusform>%n già impostata</numerusform>
            <numerusform>%n già impostate</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Restore %n Defaults</source>
        <translation>
            <numerusform>Ripristina %n predefinita</numerusform>
            <numerusform>Ripristina %n predefinite</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Apply %n Changes</source>
        <translation>
            <numerusform>Applica %n modifica</numerusform>
            <numerusform>Applica %n modifiche</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>openwright::ui::ProfilesView</name>
    <message>
        <source>JSON files (*.json)</source>
        <translation>File JSON (*.json)</translation>
    </message>
    <message>
        <source>Profiles</source>
        <translation>Profili</translation>
    </message>
    <message>
        <source>Save Current as Profile</source>
        <translation>Salva le attuali come profilo</translation>
    </message>
    <message>
        <source>Save your current defaults as a profile</source>
        <translation>Salva le applicazioni predefinite attuali come profilo</translation>
    </message>
    <message>
        <source>Import &amp; Export</source>
        <translation>Importa ed esporta</translation>
    </message>
    <message>
        <source>Import Profiles…</source>
        <translation>Importa profili…</translation>
    </message>
    <message>
        <source>Export My Profiles…</source>
        <translation>Esporta i miei profili…</translation>
    </message>
    <message>
        <source>Export…</source>
        <translation>Esporta…</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Elimina</translation>
    </message>
    <message>
        <source>Export failed: %1</source>
        <translation>Esportazione non riuscita: %1</translation>
    </message>
    <message>
        <source>Save Current Defaults</source>
        <translation>Salva le predefinite attuali</translation>
    </message>
    <message>
        <source>Profile name</source>
        <translation>Nome del profilo</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Salva</translation>
    </message>
    <message>
        <source>My Profile</source>
        <translation>Il mio profilo</translation>
    </message>
    <message numerus="yes">
        <source>Exported %n profile(s).</source>
        <translation>
            <numerusform>%n profilo esportato.</numerusform>
            <numerusform>%n profili esportati.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Imported %n profile(s).</source>
        <translation>
            <numerusform>%n profilo importato.</numerusform>
            <numerusform>%n profili importati.</numerusform>
        </translation>
    </message>
    <message>
        <source>Deleted “%1”.</source>
        <translation>«%1» eliminato.</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Annulla</translation>
    </message>
</context>
<context>
    <name>openwright::ui::RootView</name>
    <message>
        <source>Search types, e.g. .md or browser</source>
        <translation>Cerca tipi, ad es. .md o browser</translation>
    </message>
    <message>
        <source>Search types</source>
        <translation>Cerca tipi</translation>
    </message>
    <message>
        <source>Refresh</source>
        <translation>Aggiorna</translation>
    </message>
    <message>
        <source>Re-read all defaults (Ctrl+R)</source>
        <translation>Rileggi tutte le predefinite (Ctrl+R)</translation>
    </message>
    <message>
        <source>Openwright could not save its data: %1</source>
        <translation>Openwright non è riuscito a salvare i suoi dati: %1</translation>
    </message>
    <message>
        <source>No file types match</source>
        <translation>Nessun tipo di file corrisponde</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>Cerca</translation>
    </message>
    <message>
        <source>Nothing here yet.</source>
        <translation>Ancora niente qui.</translation>
    </message>
</context>
<context>
    <name>openwright::ui::SettingsView</name>
    <message>
        <source>1 minute</source>
        <translation>1 minuto</translation>
    </message>
    <message>
        <source>%1 seconds</source>
        <translation>%1 secondi</translation>
    </message>
    <message>
        <source>General</source>
        <translation>Generale</translation>
    </message>
    <message>
        <source>Open at login</source>
        <translation>Apri all&apos;accesso</translation>
    </message>
    <message>
        <source>Updates</source>
        <translation>Aggiornamenti</translation>
    </message>
    <message>
        <source>Check for updates automatically</source>
        <translation>Controlla automaticamente gli aggiornamenti</translation>
    </message>
    <message>
        <source>Check Now</source>
        <translation>Controlla ora</translation>
    </message>
    <message>
        <source>Default Guard</source>
        <translation>Guardiano delle predefinite</translation>
    </message>
    <message>
        <source>Watch for changed defaults</source>
        <translation>Sorveglia le predefinite cambiate</translation>
    </message>
    <message>
        <source>Check every</source>
        <translation>Controlla ogni</translation>
    </message>
    <message>
        <source>30 seconds</source>
        <translation>30 secondi</translation>
    </message>
    <message>
        <source>5 minutes</source>
        <translation>5 minuti</translation>
    </message>
    <message>
        <source>15 minutes</source>
        <translation>15 minuti</translation>
    </message>
    <message>
        <source>Openwright also checks whenever an app launches or quits.</source>
        <translation>Openwright controlla anche ogni volta che un&apos;applicazione si avvia o si chiude.</translation>
    </message>
    <message numerus="yes">
        <source>%n minutes</source>
        <translation>
            <numerusform>%n minuto</numerusform>
            <numerusform>%n minuti</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n seconds</source>
        <translation>
            <numerusform>%n secondo</numerusform>
            <numerusform>%n secondi</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>openwright::ui::SettingsWindow</name>
    <message>
        <source>Settings</source>
        <translation>Impostazioni</translation>
    </message>
</context>
<context>
    <name>openwright::ui::Sidebar</name>
    <message>
        <source>Sidebar</source>
        <translation>Barra laterale</translation>
    </message>
</context>
<context>
    <name>openwright::ui::SidebarModel</name>
    <message>
        <source>Overview</source>
        <translation>Panoramica</translation>
    </message>
    <message>
        <source>File &amp; Link Types</source>
        <translation>Tipi di file e di link</translation>
    </message>
    <message>
        <source>Tools</source>
        <translation>Strumenti</translation>
    </message>
    <message>
        <source>Profiles</source>
        <translation>Profili</translation>
    </message>
    <message>
        <source>Backups</source>
        <translation>Backup</translation>
    </message>
    <message>
        <source>Default Guard</source>
        <translation>Guardiano delle predefinite</translation>
    </message>
    <message>
        <source>Applications</source>
        <translation>Applicazioni</translation>
    </message>
    <message>
        <source>All Types</source>
        <translation>Tutti i tipi</translation>
    </message>
    <message numerus="yes">
        <source>%n changes wait</source>
        <translation>
            <numerusform>%n modifica in attesa</numerusform>
            <numerusform>%n modifiche in attesa</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n types</source>
        <translation>
            <numerusform>%n tipo</numerusform>
            <numerusform>%n tipi</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>openwright::ui::Spinner</name>
    <message>
        <source>Working</source>
        <translation>In corso</translation>
    </message>
</context>
<context>
    <name>openwright::ui::StepRow</name>
    <message>
        <source>No default</source>
        <translation>Nessuna predefinita</translation>
    </message>
    <message>
        <source>Already set</source>
        <translation>Già impostata</translation>
    </message>
    <message>
        <source>%1 isn&apos;t installed</source>
        <translation>%1 non è installata</translation>
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
        <translation>Apri Openwright</translation>
    </message>
    <message>
        <source>Check now</source>
        <translation>Controlla ora</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Impostazioni</translation>
    </message>
    <message>
        <source>Quit Openwright</source>
        <translation>Esci da Openwright</translation>
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
        <translation>Modifiche recenti</translation>
    </message>
    <message>
        <source>Open Openwright</source>
        <translation>Apri Openwright</translation>
    </message>
    <message>
        <source>Check now</source>
        <translation>Controlla ora</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Impostazioni</translation>
    </message>
    <message>
        <source>Quit Openwright</source>
        <translation>Esci da Openwright</translation>
    </message>
    <message>
        <source>Health %1</source>
        <translation>Salute %1</translation>
    </message>
    <message>
        <source>Default Guard is off</source>
        <translation>Il Guardiano è disattivato</translation>
    </message>
    <message>
        <source>none</source>
        <translation>nessuno</translation>
    </message>
    <message>
        <source>Revert</source>
        <translation>Annulla modifica</translation>
    </message>
    <message>
        <source>Revert %1 to %2</source>
        <translation>Riporta %1 a %2</translation>
    </message>
    <message numerus="yes">
        <source>Guard is watching %n pinned defaults</source>
        <translation>
            <numerusform>Il Guardiano sorveglia %n predefinita fissata</numerusform>
            <numerusform>Il Guardiano sorveglia %n predefinite fissate</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>openwright::ui::TypeHits</name>
    <message>
        <source>Other types:</source>
        <translation>Altri tipi:</translation>
    </message>
    <message numerus="yes">
        <source>All %n in All Types</source>
        <translation>
            <numerusform>%n in Tutti i tipi</numerusform>
            <numerusform>Tutti i %n in Tutti i tipi</numerusform>
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
        <translation>Apri la pagina di download</translation>
    </message>
    <message>
        <source>Later</source>
        <translation>Più tardi</translation>
    </message>
</context>
<context>
    <name>openwright::ui::WhyPanel</name>
    <message>
        <source>Why this app?</source>
        <translation>Perché questa applicazione?</translation>
    </message>
    <message>
        <source>Why %1 opens where it does</source>
        <translation>Perché %1 si apre dove si apre</translation>
    </message>
    <message>
        <source>Reading the lists…</source>
        <translation>Lettura degli elenchi…</translation>
    </message>
    <message>
        <source>Explanation</source>
        <translation>Spiegazione</translation>
    </message>
    <message>
        <source>Type: %1</source>
        <translation>Tipo: %1</translation>
    </message>
    <message>
        <source>Where the system looked, in order</source>
        <translation>Dove ha cercato il sistema, in ordine</translation>
    </message>
    <message>
        <source>(decides)</source>
        <translation>(decide)</translation>
    </message>
    <message>
        <source>Skipped, not installed: %1</source>
        <translation>Saltata, non installata: %1</translation>
    </message>
    <message>
        <source>Removed: %1</source>
        <translation>Rimossa: %1</translation>
    </message>
</context>
</TS>
