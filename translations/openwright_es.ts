<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es_ES">
<context>
    <name>AppModel</name>
    <message numerus="yes">
        <source>%n defaults</source>
        <translation>
            <numerusform>%n predeterminada</numerusform>
            <numerusform>%n predeterminadas</numerusform>
        </translation>
    </message>
    <message>
        <source>Importing these profiles would make your profiles file larger than Openwright can read back (%1 MB). Nothing was imported; delete some backups or profiles first.</source>
        <translation>Importar estos perfiles haría que su archivo de perfiles fuera más grande de lo que Openwright puede volver a leer (%1 MB). No se importó nada; elimine primero algunas copias de seguridad o perfiles.</translation>
    </message>
    <message>
        <source>Already there, not imported again: %1.</source>
        <translation>Ya existe, no se ha vuelto a importar: %1.</translation>
    </message>
</context>
<context>
    <name>ApplicationIndex</name>
    <message>
        <source>Use %1 for All %2</source>
        <translation>Usar %1 para todo: %2</translation>
    </message>
    <message>
        <source>Use %1 for All Its Types</source>
        <translation>Usar %1 para todos sus tipos</translation>
    </message>
    <message numerus="yes">
        <source>%1 declares %n type(s) in %2.</source>
        <translation>
            <numerusform>%1 declara %n tipo en %2.</numerusform>
            <numerusform>%1 declara %n tipos en %2.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 declares %n type(s).</source>
        <translation>
            <numerusform>%1 declara %n tipo.</numerusform>
            <numerusform>%1 declara %n tipos.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>Applications</name>
    <message>
        <source>That file is not UTF-8 text, as a desktop entry must be.</source>
        <translation>Ese archivo no es texto UTF-8, como debe serlo una entrada de escritorio.</translation>
    </message>
    <message>
        <source>That file is not a desktop entry.</source>
        <translation>Ese archivo no es una entrada de escritorio.</translation>
    </message>
    <message>
        <source>That file is not a desktop entry: it has no [Desktop Entry] group.</source>
        <translation>Ese archivo no es una entrada de escritorio: no tiene el grupo [Desktop Entry].</translation>
    </message>
    <message>
        <source>That entry is not an application: its Type is %1.</source>
        <translation>Esa entrada no es una aplicación: su Type es %1.</translation>
    </message>
    <message>
        <source>That entry is not an application: it has no Type.</source>
        <translation>Esa entrada no es una aplicación: no tiene Type.</translation>
    </message>
    <message>
        <source>That entry does not say which program to run: it has no Exec line.</source>
        <translation>Esa entrada no indica qué programa ejecutar: no tiene línea Exec.</translation>
    </message>
    <message>
        <source>The program that entry runs is not installed.</source>
        <translation>El programa que ejecuta esa entrada no está instalado.</translation>
    </message>
    <message>
        <source>The system does not list the added application yet.</source>
        <translation>El sistema aún no muestra la aplicación añadida.</translation>
    </message>
    <message>
        <source>That application is not installed where the system finds it</source>
        <translation>Esa aplicación no está instalada donde el sistema la encuentra</translation>
    </message>
    <message>
        <source>Your mimeapps.list could not be read, so it was kept as %1</source>
        <translation>No se pudo leer su mimeapps.list, así que se guardó como %1</translation>
    </message>
    <message>
        <source>Your mimeapps.list could not be read or kept aside, so nothing was changed</source>
        <translation>No se pudo leer ni apartar su mimeapps.list, así que no se cambió nada</translation>
    </message>
    <message>
        <source>%1 is read-only, as a configuration tool leaves it, so nothing was changed. Change it where your configuration is kept.</source>
        <translation>%1 es de solo lectura, como la deja una herramienta de configuración, así que no se cambió nada. Cámbielo donde se guarda su configuración.</translation>
    </message>
    <message>
        <source>%1: links</source>
        <translation>Enlaces %1:</translation>
    </message>
    <message>
        <source>The terminal has one choice, not an order: set it instead.</source>
        <translation>El terminal tiene una elección, no un orden: establézcalo en su lugar.</translation>
    </message>
    <message>
        <source>The system still offers %1: a list of the desktop or the administrator names it, and the system reads removals only in mimeapps.list.</source>
        <translation>El sistema sigue ofreciendo %1: una lista del escritorio o del administrador lo nombra, y el sistema solo lee las eliminaciones en mimeapps.list.</translation>
    </message>
    <message>
        <source>The system does not offer them in this order yet.</source>
        <translation>El sistema todavía no los ofrece en este orden.</translation>
    </message>
</context>
<context>
    <name>BackupReason</name>
    <message>
        <source>Saved by you</source>
        <translation>Guardada por usted</translation>
    </message>
    <message>
        <source>Daily backup</source>
        <translation>Copia diaria</translation>
    </message>
    <message>
        <source>Before applying “%1”</source>
        <translation>Antes de aplicar «%1»</translation>
    </message>
    <message>
        <source>Before restoring “%1”</source>
        <translation>Antes de restaurar «%1»</translation>
    </message>
    <message>
        <source>Before reverting %1</source>
        <translation>Antes de revertir %1</translation>
    </message>
</context>
<context>
    <name>Catalog</name>
    <message>
        <source>System Roles</source>
        <translation>Funciones del sistema</translation>
    </message>
    <message>
        <source>Documents &amp; Office</source>
        <translation>Documentos y oficina</translation>
    </message>
    <message>
        <source>AI &amp; Productivity</source>
        <translation>IA y productividad</translation>
    </message>
    <message>
        <source>Code &amp; Developer</source>
        <translation>Código y desarrollo</translation>
    </message>
    <message>
        <source>Design &amp; Graphics</source>
        <translation>Diseño y gráficos</translation>
    </message>
    <message>
        <source>E-Books &amp; Publishing</source>
        <translation>Libros electrónicos y publicación</translation>
    </message>
    <message>
        <source>Media &amp; Creative</source>
        <translation>Multimedia y creatividad</translation>
    </message>
    <message>
        <source>Archives &amp; Packages</source>
        <translation>Archivos comprimidos y paquetes</translation>
    </message>
    <message>
        <source>3D Printing &amp; Spatial</source>
        <translation>Impresión 3D y espacial</translation>
    </message>
    <message>
        <source>Maps &amp; Navigation</source>
        <translation>Mapas y navegación</translation>
    </message>
    <message>
        <source>Communication Links</source>
        <translation>Enlaces de comunicación</translation>
    </message>
    <message>
        <source>Gaming &amp; Emulation</source>
        <translation>Juegos y emulación</translation>
    </message>
    <message>
        <source>Security &amp; Privacy</source>
        <translation>Seguridad y privacidad</translation>
    </message>
    <message>
        <source>My File Types</source>
        <translation>Mis tipos de archivo</translation>
    </message>
    <message>
        <source>Web Browser</source>
        <translation>Navegador web</translation>
    </message>
    <message>
        <source>Opens web links, plus https:, .html and .htm</source>
        <translation>Abre enlaces web, además de https:, .html y .htm</translation>
    </message>
    <message>
        <source>Email</source>
        <translation>Correo electrónico</translation>
    </message>
    <message>
        <source>Composes new emails from mailto: links</source>
        <translation>Redacta correos nuevos desde enlaces mailto:</translation>
    </message>
    <message>
        <source>Phone Calls</source>
        <translation>Llamadas telefónicas</translation>
    </message>
    <message>
        <source>Handles tel: links for calling</source>
        <translation>Gestiona enlaces tel: para llamar</translation>
    </message>
    <message>
        <source>SMS &amp; Messages</source>
        <translation>SMS y mensajes</translation>
    </message>
    <message>
        <source>Handles sms: links for text messages</source>
        <translation>Gestiona enlaces sms: para mensajes de texto</translation>
    </message>
    <message>
        <source>File Manager</source>
        <translation>Gestor de archivos</translation>
    </message>
    <message>
        <source>Opens folders</source>
        <translation>Abre carpetas</translation>
    </message>
    <message>
        <source>Calendar Subscriptions</source>
        <translation>Suscripciones de calendario</translation>
    </message>
    <message>
        <source>Subscribes to webcal: calendar feeds</source>
        <translation>Se suscribe a calendarios webcal:</translation>
    </message>
    <message>
        <source>PDF Documents (.pdf)</source>
        <translation>Documentos PDF (.pdf)</translation>
    </message>
    <message>
        <source>Viewer/Editor for PDF document files</source>
        <translation>Visor/editor de documentos PDF</translation>
    </message>
    <message>
        <source>Word Documents (.docx)</source>
        <translation>Documentos de Word (.docx)</translation>
    </message>
    <message>
        <source>Viewer/Editor for Microsoft Word files</source>
        <translation>Visor/editor de archivos de Microsoft Word</translation>
    </message>
    <message>
        <source>Legacy Word Docs (.doc)</source>
        <translation>Documentos de Word antiguos (.doc)</translation>
    </message>
    <message>
        <source>Viewer for classic Word .doc files</source>
        <translation>Visor de archivos .doc clásicos de Word</translation>
    </message>
    <message>
        <source>Excel Spreadsheets (.xlsx)</source>
        <translation>Hojas de cálculo de Excel (.xlsx)</translation>
    </message>
    <message>
        <source>Viewer/Editor for Excel spreadsheets</source>
        <translation>Visor/editor de hojas de cálculo de Excel</translation>
    </message>
    <message>
        <source>CSV Data Files (.csv)</source>
        <translation>Archivos de datos CSV (.csv)</translation>
    </message>
    <message>
        <source>Data viewer for comma-separated files</source>
        <translation>Visor de datos separados por comas</translation>
    </message>
    <message>
        <source>PowerPoint Slides (.pptx)</source>
        <translation>Diapositivas de PowerPoint (.pptx)</translation>
    </message>
    <message>
        <source>Viewer for slide presentations</source>
        <translation>Visor de presentaciones</translation>
    </message>
    <message>
        <source>Text Files (.txt)</source>
        <translation>Archivos de texto (.txt)</translation>
    </message>
    <message>
        <source>Plain text editor or viewer</source>
        <translation>Editor o visor de texto sin formato</translation>
    </message>
    <message>
        <source>Rich Text Format (.rtf)</source>
        <translation>Texto enriquecido (.rtf)</translation>
    </message>
    <message>
        <source>Rich text document editor</source>
        <translation>Editor de documentos de texto enriquecido</translation>
    </message>
    <message>
        <source>AI Prompt Configs (.prompt)</source>
        <translation>Configuraciones de prompts de IA (.prompt)</translation>
    </message>
    <message>
        <source>Editor for system prompts &amp; LLM configs</source>
        <translation>Editor de prompts del sistema y configuraciones de LLM</translation>
    </message>
    <message>
        <source>Vector DB Exports (.jsonl)</source>
        <translation>Exportaciones de BD vectoriales (.jsonl)</translation>
    </message>
    <message>
        <source>Viewer for JSON Lines dataset dumps</source>
        <translation>Visor de conjuntos de datos JSON Lines</translation>
    </message>
    <message>
        <source>Subtitles &amp; Transcripts (.srt)</source>
        <translation>Subtítulos y transcripciones (.srt)</translation>
    </message>
    <message>
        <source>Viewer for speech transcripts</source>
        <translation>Visor de transcripciones de voz</translation>
    </message>
    <message>
        <source>JSON Data (.json)</source>
        <translation>Datos JSON (.json)</translation>
    </message>
    <message>
        <source>Viewer/Editor for JSON configuration &amp; data files</source>
        <translation>Visor/editor de archivos de configuración y datos JSON</translation>
    </message>
    <message>
        <source>Markdown Files (.md)</source>
        <translation>Archivos Markdown (.md)</translation>
    </message>
    <message>
        <source>Viewer for formatted Markdown docs</source>
        <translation>Visor de documentos Markdown con formato</translation>
    </message>
    <message>
        <source>Python Scripts (.py)</source>
        <translation>Scripts de Python (.py)</translation>
    </message>
    <message>
        <source>Editor for Python source files</source>
        <translation>Editor de código fuente de Python</translation>
    </message>
    <message>
        <source>Swift Code (.swift)</source>
        <translation>Código Swift (.swift)</translation>
    </message>
    <message>
        <source>Editor for Swift source files</source>
        <translation>Editor de código fuente de Swift</translation>
    </message>
    <message>
        <source>JavaScript (.js)</source>
        <translation>JavaScript (.js)</translation>
    </message>
    <message>
        <source>Editor for JavaScript source files</source>
        <translation>Editor de código fuente de JavaScript</translation>
    </message>
    <message>
        <source>TypeScript (.ts)</source>
        <translation>TypeScript (.ts)</translation>
    </message>
    <message>
        <source>Editor for TypeScript source files</source>
        <translation>Editor de código fuente de TypeScript</translation>
    </message>
    <message>
        <source>YAML Configurations (.yaml)</source>
        <translation>Configuraciones YAML (.yaml)</translation>
    </message>
    <message>
        <source>Editor for YAML deployment files</source>
        <translation>Editor de archivos de despliegue YAML</translation>
    </message>
    <message>
        <source>XML Files (.xml)</source>
        <translation>Archivos XML (.xml)</translation>
    </message>
    <message>
        <source>Viewer/Editor for XML documents</source>
        <translation>Visor/editor de documentos XML</translation>
    </message>
    <message>
        <source>SQL Database Scripts (.sql)</source>
        <translation>Scripts de base de datos SQL (.sql)</translation>
    </message>
    <message>
        <source>Viewer for database export scripts</source>
        <translation>Visor de scripts de exportación de bases de datos</translation>
    </message>
    <message>
        <source>Kotlin Code (.kt)</source>
        <translation>Código Kotlin (.kt)</translation>
    </message>
    <message>
        <source>Editor for Kotlin source code</source>
        <translation>Editor de código fuente de Kotlin</translation>
    </message>
    <message>
        <source>Shell Scripts (.sh)</source>
        <translation>Scripts de shell (.sh)</translation>
    </message>
    <message>
        <source>Editor for shell scripts</source>
        <translation>Editor de scripts de shell</translation>
    </message>
    <message>
        <source>Log Files (.log)</source>
        <translation>Archivos de registro (.log)</translation>
    </message>
    <message>
        <source>Viewer for application and system logs</source>
        <translation>Visor de registros de aplicaciones y del sistema</translation>
    </message>
    <message>
        <source>SSH Links (ssh:)</source>
        <translation>Enlaces SSH (ssh:)</translation>
    </message>
    <message>
        <source>Terminal app for ssh: connections</source>
        <translation>Terminal para conexiones ssh:</translation>
    </message>
    <message>
        <source>Vector Graphics (.svg)</source>
        <translation>Gráficos vectoriales (.svg)</translation>
    </message>
    <message>
        <source>Viewer for scalable vector graphics</source>
        <translation>Visor de gráficos vectoriales escalables</translation>
    </message>
    <message>
        <source>Photoshop Files (.psd)</source>
        <translation>Archivos de Photoshop (.psd)</translation>
    </message>
    <message>
        <source>Viewer for Adobe Photoshop documents</source>
        <translation>Visor de documentos de Adobe Photoshop</translation>
    </message>
    <message>
        <source>RAW Camera Photos (.dng)</source>
        <translation>Fotos RAW (.dng)</translation>
    </message>
    <message>
        <source>Viewer for raw digital camera photos</source>
        <translation>Visor de fotos en bruto de cámaras digitales</translation>
    </message>
    <message>
        <source>TrueType Fonts (.ttf)</source>
        <translation>Fuentes TrueType (.ttf)</translation>
    </message>
    <message>
        <source>Font installer/previewer</source>
        <translation>Instalador/visor de fuentes</translation>
    </message>
    <message>
        <source>EPUB E-Books (.epub)</source>
        <translation>Libros EPUB (.epub)</translation>
    </message>
    <message>
        <source>Reader for EPUB digital books</source>
        <translation>Lector de libros digitales EPUB</translation>
    </message>
    <message>
        <source>Kindle E-Books (.mobi)</source>
        <translation>Libros Kindle (.mobi)</translation>
    </message>
    <message>
        <source>Reader for MOBI digital books</source>
        <translation>Lector de libros digitales MOBI</translation>
    </message>
    <message>
        <source>Comic Archives (.cbz)</source>
        <translation>Archivos de cómic (.cbz)</translation>
    </message>
    <message>
        <source>Reader for comic book archives</source>
        <translation>Lector de archivos de cómic</translation>
    </message>
    <message>
        <source>MP4 Video (.mp4)</source>
        <translation>Vídeo MP4 (.mp4)</translation>
    </message>
    <message>
        <source>Player for MP4 movies &amp; video clips</source>
        <translation>Reproductor de películas y clips MP4</translation>
    </message>
    <message>
        <source>MKV Video (.mkv)</source>
        <translation>Vídeo MKV (.mkv)</translation>
    </message>
    <message>
        <source>Player for high-definition MKV videos</source>
        <translation>Reproductor de vídeos MKV de alta definición</translation>
    </message>
    <message>
        <source>QuickTime Movies (.mov)</source>
        <translation>Películas QuickTime (.mov)</translation>
    </message>
    <message>
        <source>Player for QuickTime movies</source>
        <translation>Reproductor de películas QuickTime</translation>
    </message>
    <message>
        <source>MP3 Audio (.mp3)</source>
        <translation>Audio MP3 (.mp3)</translation>
    </message>
    <message>
        <source>Player for MP3 audio tracks</source>
        <translation>Reproductor de pistas MP3</translation>
    </message>
    <message>
        <source>Lossless Audio (.flac)</source>
        <translation>Audio sin pérdida (.flac)</translation>
    </message>
    <message>
        <source>Player for high-fidelity FLAC audio</source>
        <translation>Reproductor de audio FLAC de alta fidelidad</translation>
    </message>
    <message>
        <source>JPEG Photos (.jpg)</source>
        <translation>Fotos JPEG (.jpg)</translation>
    </message>
    <message>
        <source>Viewer for digital photos</source>
        <translation>Visor de fotos digitales</translation>
    </message>
    <message>
        <source>PNG Images (.png)</source>
        <translation>Imágenes PNG (.png)</translation>
    </message>
    <message>
        <source>Viewer for transparent PNG images</source>
        <translation>Visor de imágenes PNG transparentes</translation>
    </message>
    <message>
        <source>WebP Media (.webp)</source>
        <translation>Multimedia WebP (.webp)</translation>
    </message>
    <message>
        <source>Viewer for modern WebP graphics</source>
        <translation>Visor de gráficos WebP modernos</translation>
    </message>
    <message>
        <source>HEIC Photos (.heic)</source>
        <translation>Fotos HEIC (.heic)</translation>
    </message>
    <message>
        <source>Viewer for high-efficiency photos</source>
        <translation>Visor de fotos de alta eficiencia</translation>
    </message>
    <message>
        <source>ZIP Archives (.zip)</source>
        <translation>Archivos ZIP (.zip)</translation>
    </message>
    <message>
        <source>Extractor for compressed ZIP archives</source>
        <translation>Extractor de archivos ZIP comprimidos</translation>
    </message>
    <message>
        <source>RAR Archives (.rar)</source>
        <translation>Archivos RAR (.rar)</translation>
    </message>
    <message>
        <source>Extractor for RAR compressed archives</source>
        <translation>Extractor de archivos RAR comprimidos</translation>
    </message>
    <message>
        <source>7-Zip Archives (.7z)</source>
        <translation>Archivos 7-Zip (.7z)</translation>
    </message>
    <message>
        <source>Extractor for 7z archives</source>
        <translation>Extractor de archivos 7z</translation>
    </message>
    <message>
        <source>Disk Images (.dmg)</source>
        <translation>Imágenes de disco (.dmg)</translation>
    </message>
    <message>
        <source>Mounter for macOS disk images</source>
        <translation>Montador de imágenes de disco de macOS</translation>
    </message>
    <message>
        <source>Torrent Files (.torrent)</source>
        <translation>Archivos torrent (.torrent)</translation>
    </message>
    <message>
        <source>Downloader for P2P torrent files</source>
        <translation>Descargador de archivos torrent P2P</translation>
    </message>
    <message>
        <source>3D Printing Models (.stl)</source>
        <translation>Modelos de impresión 3D (.stl)</translation>
    </message>
    <message>
        <source>Viewer for 3D printer STL files</source>
        <translation>Visor de archivos STL de impresoras 3D</translation>
    </message>
    <message>
        <source>3D CAD Models (.obj)</source>
        <translation>Modelos CAD 3D (.obj)</translation>
    </message>
    <message>
        <source>Viewer for 3D object geometry</source>
        <translation>Visor de geometría de objetos 3D</translation>
    </message>
    <message>
        <source>3D GLTF Scenes (.gltf)</source>
        <translation>Escenas GLTF 3D (.gltf)</translation>
    </message>
    <message>
        <source>Viewer for 3D GLTF asset scenes</source>
        <translation>Visor de escenas 3D GLTF</translation>
    </message>
    <message>
        <source>USDZ Scenes (.usdz)</source>
        <translation>Escenas USDZ (.usdz)</translation>
    </message>
    <message>
        <source>Viewer for Apple USDZ 3D scenes</source>
        <translation>Visor de escenas 3D USDZ de Apple</translation>
    </message>
    <message>
        <source>GPS Track Logs (.gpx)</source>
        <translation>Rutas GPS (.gpx)</translation>
    </message>
    <message>
        <source>Viewer for GPX trails and routes</source>
        <translation>Visor de rutas y recorridos GPX</translation>
    </message>
    <message>
        <source>Google Earth Places (.kml)</source>
        <translation>Lugares de Google Earth (.kml)</translation>
    </message>
    <message>
        <source>Viewer for KML placemarks</source>
        <translation>Visor de marcadores KML</translation>
    </message>
    <message>
        <source>Telegram Links (tg:)</source>
        <translation>Enlaces de Telegram (tg:)</translation>
    </message>
    <message>
        <source>Messenger app for Telegram links</source>
        <translation>Mensajería para enlaces de Telegram</translation>
    </message>
    <message>
        <source>Zoom Meetings (zoommtg:)</source>
        <translation>Reuniones de Zoom (zoommtg:)</translation>
    </message>
    <message>
        <source>Client for Zoom meeting links</source>
        <translation>Cliente para enlaces de reuniones de Zoom</translation>
    </message>
    <message>
        <source>Slack Links (slack:)</source>
        <translation>Enlaces de Slack (slack:)</translation>
    </message>
    <message>
        <source>Client for Slack deep links</source>
        <translation>Cliente para enlaces profundos de Slack</translation>
    </message>
    <message>
        <source>Disk Images (.iso)</source>
        <translation>Imágenes de disco (.iso)</translation>
    </message>
    <message>
        <source>Emulation launcher for console ISOs</source>
        <translation>Lanzador de emulación para ISO de consolas</translation>
    </message>
    <message>
        <source>GBA ROMs (.gba)</source>
        <translation>ROM de GBA (.gba)</translation>
    </message>
    <message>
        <source>Emulator for GameBoy Advance ROMs</source>
        <translation>Emulador de ROM de Game Boy Advance</translation>
    </message>
    <message>
        <source>OpenPGP Encryption (.gpg)</source>
        <translation>Cifrado OpenPGP (.gpg)</translation>
    </message>
    <message>
        <source>Security app for PGP/GPG files</source>
        <translation>Aplicación de seguridad para archivos PGP/GPG</translation>
    </message>
    <message>
        <source>OpenVPN Profiles (.ovpn)</source>
        <translation>Perfiles de OpenVPN (.ovpn)</translation>
    </message>
    <message>
        <source>VPN client for OpenVPN configurations</source>
        <translation>Cliente VPN para configuraciones de OpenVPN</translation>
    </message>
    <message>
        <source>Added by you</source>
        <translation>Añadido por usted</translation>
    </message>
    <message>
        <source>Terminal</source>
        <translation>Terminal</translation>
    </message>
    <message>
        <source>Runs programs that need a terminal</source>
        <translation>Ejecuta los programas que necesitan un terminal</translation>
    </message>
</context>
<context>
    <name>ChangeResult</name>
    <message>
        <source>Changed</source>
        <translation>Cambiado</translation>
    </message>
    <message>
        <source>Already the default</source>
        <translation>Ya es la aplicación predeterminada</translation>
    </message>
    <message>
        <source>That app is no longer installed</source>
        <translation>Esa aplicación ya no está instalada</translation>
    </message>
    <message>
        <source>The change could not be made</source>
        <translation>No se pudo hacer el cambio</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>Reset to the system default</source>
        <translation>Restablecida la predeterminada del sistema</translation>
    </message>
    <message>
        <source>Already the system default</source>
        <translation>Ya es la predeterminada del sistema</translation>
    </message>
    <message>
        <source>%1 (%2) does not say it can open %3. Add --force to make it the default all the same.</source>
        <translation>%1 (%2) no indica que pueda abrir %3. Añada --force para hacerla predeterminada de todos modos.</translation>
    </message>
    <message>
        <source>: There is no such file or folder.</source>
        <translation>: No existe ese archivo o carpeta.</translation>
    </message>
    <message>
        <source>: The system knows no such MIME type.</source>
        <translation>: El sistema no conoce ese tipo MIME.</translation>
    </message>
    <message>
        <source>: That is not a type. Expected an extension (.pdf or pdf), a link type (mailto:), a MIME type (application/pdf) or a file (./report.pdf).</source>
        <translation>: Eso no es un tipo. Se esperaba una extensión (.pdf o pdf), un tipo de enlace (mailto:), un tipo MIME (application/pdf) o un archivo (./report.pdf).</translation>
    </message>
</context>
<context>
    <name>DateText</name>
    <message>
        <source>%1 at %2</source>
        <comment>a backup&apos;s name: date and time</comment>
        <translation>%1 a las %2</translation>
    </message>
</context>
<context>
    <name>DecisionChain</name>
    <message>
        <source>%1 does not exist</source>
        <translation>%1 no existe</translation>
    </message>
    <message>
        <source>%1 cannot be read as a list, so the system ignores all of it</source>
        <translation>%1 no se puede leer como lista, así que el sistema la ignora por completo</translation>
    </message>
    <message>
        <source>%1 has no entry for %2</source>
        <translation>%1 no tiene ninguna entrada para %2</translation>
    </message>
    <message>
        <source>%1 line %2</source>
        <translation>%1, línea %2</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <source>%1 (a parent type)</source>
        <translation>%1 (un tipo padre)</translation>
    </message>
    <message>
        <source>%1 (a parent type of %2)</source>
        <translation>%1 (un tipo padre de %2)</translation>
    </message>
    <message>
        <source>%1 sets %2 for %3</source>
        <translation>%1 establece %2 para %3</translation>
    </message>
    <message>
        <source>%1 names no application for %2</source>
        <translation>%1 no nombra ninguna aplicación para %2</translation>
    </message>
    <message>
        <source>%1 names %2 for %3, but it is not installed</source>
        <translation>%1 nombra %2 para %3, pero no está instalada</translation>
    </message>
    <message>
        <source>%1 names %2 for %3, but none of them is installed</source>
        <translation>%1 nombra %2 para %3, pero ninguna está instalada</translation>
    </message>
    <message>
        <source>%1 names %2 for %3, outranked by the choice above</source>
        <translation>%1 nombra %2 para %3, superada por la elección de arriba</translation>
    </message>
    <message>
        <source>%1 adds %2 for %3, and no list sets an installed default</source>
        <translation>%1 añade %2 para %3, y ninguna lista establece una predeterminada instalada</translation>
    </message>
    <message>
        <source>%1 adds %2 for %3</source>
        <translation>%1 añade %2 para %3</translation>
    </message>
    <message>
        <source>%1 removes %2 from the applications for %3</source>
        <translation>%1 quita %2 de las aplicaciones para %3</translation>
    </message>
    <message>
        <source>%1 removes %2 for %3, with no effect: an earlier entry names it</source>
        <translation>%1 quita %2 para %3, sin efecto: una entrada anterior la nombra</translation>
    </message>
    <message>
        <source>%1 removes %2 for %3, with no effect on applications installed in the same folder</source>
        <translation>%1 quita %2 para %3, sin efecto en las aplicaciones instaladas en la misma carpeta</translation>
    </message>
    <message>
        <source>No list sets an installed default for %1, so the first installed handler is used: %2</source>
        <translation>Ninguna lista establece una aplicación predeterminada instalada para %1, así que se usa la primera aplicación instalada que lo gestiona: %2</translation>
    </message>
    <message>
        <source>No installed application handles %1</source>
        <translation>Ninguna aplicación instalada gestiona %1</translation>
    </message>
    <message>
        <source>No installed handler of %1 can be used</source>
        <translation>No se puede usar ninguna aplicación instalada para %1</translation>
    </message>
    <message>
        <source> (skipped %1: not installed)</source>
        <translation> (omitida: %1, no instalada)</translation>
    </message>
    <message>
        <source> (removed: %1)</source>
        <translation> (quitada: %1)</translation>
    </message>
    <message>
        <source>%1 opens in %2 because %3 sets it for %4</source>
        <translation>%1 se abre en %2 porque %3 la establece para %4</translation>
    </message>
    <message>
        <source>%1 opens in %2 because %3 adds it for %4 and no list sets an installed default</source>
        <translation>%1 se abre en %2 porque %3 la añade para %4 y ninguna lista establece una predeterminada instalada</translation>
    </message>
    <message>
        <source>%1 opens in %2 because no list sets an installed default and it is the first installed application that handles %3</source>
        <translation>%1 se abre en %2 porque ninguna lista establece una predeterminada instalada y es la primera aplicación instalada que gestiona %3</translation>
    </message>
    <message>
        <source>Nothing opens %1 (%2): no list names an installed application, and none is installed that handles it</source>
        <translation>Nada abre %1 (%2): ninguna lista nombra una aplicación instalada, y no hay ninguna instalada que lo gestione</translation>
    </message>
    <message>
        <source>. The system reports %1 instead, so this explanation is incomplete</source>
        <translation>. El sistema indica %1 en su lugar, así que esta explicación está incompleta</translation>
    </message>
    <message>
        <source>. The system reports no application, so this explanation is incomplete</source>
        <translation>. El sistema no indica ninguna aplicación, así que esta explicación está incompleta</translation>
    </message>
    <message>
        <source>No explanation is available for %1</source>
        <translation>No hay explicación disponible para %1</translation>
    </message>
    <message>
        <source>XDG_CURRENT_DESKTOP names %1, so the system also reads %2 in each folder</source>
        <translation>XDG_CURRENT_DESKTOP nombra %1, así que el sistema también lee %2 en cada carpeta</translation>
    </message>
    <message>
        <source>XDG_CURRENT_DESKTOP names no desktop, so the system reads no desktop-specific lists</source>
        <translation>XDG_CURRENT_DESKTOP no nombra ningún escritorio, así que el sistema no lee listas específicas de escritorio</translation>
    </message>
    <message>
        <source>; it found %1</source>
        <translation>; encontró %1</translation>
    </message>
    <message>
        <source>. It ignores %1: a desktop name may hold only letters, digits, - and _</source>
        <translation>. Ignora %1: un nombre de escritorio solo puede contener letras, dígitos, - y _</translation>
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
        <translation>%1 (%2) indica %3: los enlaces que abre ese escritorio van a %4</translation>
    </message>
    <message>
        <source>%1 (%2) names %3, which no installed application matches: links that desktop opens may not open</source>
        <translation>%1 (%2) indica %3, que no corresponde a ninguna aplicación instalada: puede que los enlaces que abre ese escritorio no se abran</translation>
    </message>
    <message>
        <source>; but links %1 opens follow its own setting, %2</source>
        <translation>; pero los enlaces que abre %1 siguen su propio ajuste, %2</translation>
    </message>
    <message>
        <source>Set by your system: %1 line %2</source>
        <translation>Establecido por su sistema: %1, línea %2</translation>
    </message>
    <message>
        <source>%1 names %2 first among the installed terminals</source>
        <translation>%1 nombra %2 primero entre los terminales instalados</translation>
    </message>
    <message>
        <source>%1 names %2, but none of them is an installed terminal</source>
        <translation>%1 nombra %2, pero ninguno es un terminal instalado</translation>
    </message>
    <message>
        <source>%1 names no terminal</source>
        <translation>%1 no nombra ningún terminal</translation>
    </message>
    <message>
        <source>%1 sets %2 to %3: the terminal that desktop starts is %4</source>
        <translation>%1 establece %2 en %3: el terminal que abre ese escritorio es %4</translation>
    </message>
    <message>
        <source>%1 sets %2 to %3, which no installed terminal matches: that desktop may start no terminal</source>
        <translation>%1 establece %2 en %3, que no corresponde a ningún terminal instalado: ese escritorio quizá no abra ningún terminal</translation>
    </message>
    <message>
        <source>GSettings %1</source>
        <translation>GSettings %1</translation>
    </message>
    <message>
        <source>%1 leads to %2, which is %3: programs that start x-terminal-emulator use it</source>
        <translation>%1 lleva a %2, que es %3: los programas que abren x-terminal-emulator lo usan</translation>
    </message>
    <message>
        <source>%1 leads to %2, which no installed terminal runs</source>
        <translation>%1 lleva a %2, que ningún terminal instalado ejecuta</translation>
    </message>
    <message>
        <source>%1 opens in %2 because %3 names it first among the installed terminals</source>
        <translation>%1 se abre en %2 porque %3 lo nombra primero entre los terminales instalados</translation>
    </message>
    <message>
        <source>%1 opens in %2 because %3 sets %4</source>
        <translation>%1 se abre en %2 porque %3 establece %4</translation>
    </message>
    <message>
        <source>; but xdg-terminal-exec starts %1, which %2 names first</source>
        <translation>; pero xdg-terminal-exec abre %1, que %2 nombra primero</translation>
    </message>
    <message>
        <source>XDG_CURRENT_DESKTOP names %1, so xdg-terminal-exec also reads %2 in each folder</source>
        <translation>XDG_CURRENT_DESKTOP nombra %1, así que xdg-terminal-exec también lee %2 en cada carpeta</translation>
    </message>
    <message>
        <source>the terminal</source>
        <translation>el terminal</translation>
    </message>
</context>
<context>
    <name>DesktopBrowser</name>
    <message>
        <source>%1&apos;s links</source>
        <translation>Enlaces de %1</translation>
    </message>
    <message>
        <source>%1 cannot be read, so it was left as it is.</source>
        <translation>No se puede leer %1, así que se ha dejado como estaba.</translation>
    </message>
    <message>
        <source>Xfce&apos;s Debian browser, which starts %1</source>
        <translation>el navegador de Debian para Xfce, que abre %1</translation>
    </message>
</context>
<context>
    <name>DesktopTerminal</name>
    <message>
        <source>Xfce&apos;s Debian terminal, which starts %1</source>
        <translation>el terminal de Debian de Xfce, que abre %1</translation>
    </message>
    <message>
        <source>the system&apos;s terminal, %1</source>
        <translation>el terminal del sistema, %1</translation>
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
        <translation>La línea %1 de %2 indica para %4 la aplicación %3, que ya no está instalada.</translation>
    </message>
    <message>
        <source>Line %1 of %2 sets %3, another name of %4, which line %5 sets too.</source>
        <translation>La línea %1 de %2 establece %3, otro nombre de %4, que la línea %5 también establece.</translation>
    </message>
    <message>
        <source>Line %1 of %2 removes %3 from the applications for %4, although it is the default of that type.</source>
        <translation>La línea %1 de %2 quita %3 de las aplicaciones para %4, aunque es la predeterminada de ese tipo.</translation>
    </message>
    <message>
        <source>%1 is an older list the system still reads: its line %2 decides that %3 opens in %4.</source>
        <translation>%1 es una lista antigua que el sistema aún lee: su línea %2 decide que %3 se abre en %4.</translation>
    </message>
    <message>
        <source>Line %1 of %2, a list for one desktop, makes %3 open in %4, overriding your choice of %5.</source>
        <translation>La línea %1 de %2, una lista para un solo escritorio, hace que %3 se abra en %4, por encima de su elección de %5.</translation>
    </message>
    <message>
        <source>%1 was made by an &quot;open with a command&quot; dialog and runs the same program as %2.</source>
        <translation>%1 lo creó un diálogo «abrir con una orden» y ejecuta el mismo programa que %2.</translation>
    </message>
    <message>
        <source>%1 was made by an &quot;open with a command&quot; dialog; the program it runs (%2) is gone.</source>
        <translation>%1 lo creó un diálogo «abrir con una orden»; el programa que ejecuta (%2) ya no existe.</translation>
    </message>
    <message>
        <source>%1 runs %2, which is not found, so the system passes over it.</source>
        <translation>%1 ejecuta %2, que no se encuentra, así que el sistema lo pasa por alto.</translation>
    </message>
    <message>
        <source>%1 is a read-only link to %2, managed by a configuration tool.</source>
        <translation>%1 es un enlace de solo lectura a %2, gestionado por una herramienta de configuración.</translation>
    </message>
    <message>
        <source>Managed by your configuration; change it there.</source>
        <translation>Lo gestiona su configuración; cámbielo allí.</translation>
    </message>
    <message>
        <source>Keep %1 among the applications for %2.</source>
        <translation>Mantener %1 entre las aplicaciones para %2.</translation>
    </message>
    <message>
        <source>Name %1 instead in your lists, and remove this entry.</source>
        <translation>Indicar %1 en su lugar en sus listas y quitar esta entrada.</translation>
    </message>
    <message>
        <source>Remove the entry and the lines naming it.</source>
        <translation>Quitar la entrada y las líneas que la indican.</translation>
    </message>
    <message>
        <source>Remove the entry.</source>
        <translation>Quitar la entrada.</translation>
    </message>
    <message>
        <source>Could not remove %1.</source>
        <translation>No se pudo eliminar %1.</translation>
    </message>
    <message>
        <source>Line %1 of %2 sets %3, another name of %4, before line %5 sets %4 itself: the system tries the applications of line %1 first.</source>
        <translation>La línea %1 de %2 establece %3, otro nombre de %4, antes de que la línea %5 establezca el propio %4: el sistema prueba primero las aplicaciones de la línea %1.</translation>
    </message>
    <message>
        <source>left as it was, because %1 could not be changed.</source>
        <translation>se ha dejado como estaba, porque no se pudo cambiar %1.</translation>
    </message>
    <message>
        <source>%1 is set twice in [%2] of %3 (lines %4 and %5); the system keeps the place of the first and the applications of the last.</source>
        <translation>%1 se define dos veces en [%2] de %3 (líneas %4 y %5); el sistema conserva la posición de la primera y las aplicaciones de la última.</translation>
    </message>
    <message>
        <source>%1 is read-only, managed by a configuration tool or an administrator.</source>
        <translation>%1 es de solo lectura, gestionado por una herramienta de configuración o un administrador.</translation>
    </message>
    <message>
        <source>Line %1 of %2 (“%3”) is no setting, group or comment, so the system ignores the whole list: none of its defaults count.</source>
        <translation>La línea %1 de %2 («%3») no es un ajuste, grupo ni comentario, así que el sistema ignora toda la lista: ninguna de sus aplicaciones predeterminadas cuenta.</translation>
    </message>
    <message>
        <source>Line %1 of %2 names %3 for %4: with the blank around it, the name never matches an application.</source>
        <translation>La línea %1 de %2 nombra %3 para %4: con el espacio que lo rodea, el nombre nunca coincide con una aplicación.</translation>
    </message>
    <message>
        <source>[%1] in %2 (line %3) is ignored by the system: only your own mimeapps.list may add or remove applications.</source>
        <translation>El sistema ignora [%1] en %2 (línea %3): solo su propio mimeapps.list puede añadir o quitar aplicaciones.</translation>
    </message>
    <message>
        <source>Remove %1 from the line.</source>
        <translation>Quitar %1 de la línea.</translation>
    </message>
    <message>
        <source>Move the applications of line %1 into line %2 and remove line %1.</source>
        <translation>Pasar las aplicaciones de la línea %1 a la línea %2 y quitar la línea %1.</translation>
    </message>
    <message>
        <source>Keep one line for %1, with the applications the system reads now.</source>
        <translation>Dejar una línea para %1, con las aplicaciones que el sistema lee ahora.</translation>
    </message>
    <message>
        <source>Move the line to your own mimeapps.list.</source>
        <translation>Mover la línea a su propio mimeapps.list.</translation>
    </message>
    <message>
        <source>Remove line %1.</source>
        <translation>Quitar la línea %1.</translation>
    </message>
    <message>
        <source>Remove the lines the system cannot read, so that it reads the list again.</source>
        <translation>Quitar las líneas que el sistema no puede leer, para que vuelva a leer la lista.</translation>
    </message>
    <message>
        <source>Write it as %1.</source>
        <translation>Escribirlo como %1.</translation>
    </message>
    <message>
        <source>Remove the group.</source>
        <translation>Quitar el grupo.</translation>
    </message>
    <message>
        <source>Which application opens each type afterwards cannot be told for sure, so this fix is not selected by itself.</source>
        <translation>No se puede saber con certeza qué aplicación abrirá cada tipo después, así que esta corrección no se selecciona sola.</translation>
    </message>
    <message>
        <source>Nothing else changes.</source>
        <translation>No cambia nada más.</translation>
    </message>
    <message>
        <source>no application</source>
        <translation>ninguna aplicación</translation>
    </message>
    <message>
        <source>%1 opens in %2 instead of %3</source>
        <translation>%1 se abre en %2 en lugar de %3</translation>
    </message>
    <message>
        <source>Afterwards %1.</source>
        <translation>Después: %1.</translation>
    </message>
    <message>
        <source>%1 now opens in %2 (before: %3)</source>
        <translation>%1 ahora se abre en %2 (antes: %3)</translation>
    </message>
    <message>
        <source>Line %1 of %2 makes %3 open in %4, your own choice; your system sets %5 for everyone (%6 line %7).</source>
        <translation>La línea %1 de %2 hace que %3 se abra con %4, su propia elección; su sistema establece %5 para todos (%6, línea %7).</translation>
    </message>
    <message>
        <source>Nothing to fix: your line wins, as it should. To follow your system&apos;s choice, reset the type to the system default.</source>
        <translation>Nada que corregir: su línea prevalece, como debe ser. Para seguir la elección de su sistema, restablezca el tipo al predeterminado del sistema.</translation>
    </message>
</context>
<context>
    <name>Files</name>
    <message>
        <source>There is no file at %1.</source>
        <translation>No hay ningún archivo en %1.</translation>
    </message>
    <message>
        <source>Could not read %1: %2</source>
        <translation>No se pudo leer %1: %2</translation>
    </message>
    <message>
        <source>%1 is not a regular file.</source>
        <translation>%1 no es un archivo normal.</translation>
    </message>
    <message>
        <source>%1 is too large.</source>
        <translation>%1 es demasiado grande.</translation>
    </message>
    <message>
        <source>%1 is a link to %2, which belongs to another user; nothing was written.</source>
        <translation>%1 es un enlace a %2, que pertenece a otro usuario; no se escribió nada.</translation>
    </message>
    <message>
        <source>%1 is a link that another user could have placed there; nothing was written through it.</source>
        <translation>%1 es un enlace que otro usuario podría haber puesto ahí; no se escribió nada a través de él.</translation>
    </message>
    <message>
        <source>%1 is a loop of links; nothing was written.</source>
        <translation>%1 es un bucle de enlaces; no se escribió nada.</translation>
    </message>
    <message>
        <source>%1 belongs to another user.</source>
        <translation>%1 pertenece a otro usuario.</translation>
    </message>
</context>
<context>
    <name>LaunchAtLogin</name>
    <message>
        <source>Could not write %1: %2</source>
        <translation>No se pudo escribir %1: %2</translation>
    </message>
    <message>
        <source>Could not remove %1: %2</source>
        <translation>No se pudo eliminar %1: %2</translation>
    </message>
    <message>
        <source>Could not create the folder %1: %2</source>
        <translation>No se pudo crear la carpeta %1: %2</translation>
    </message>
</context>
<context>
    <name>Notifier</name>
    <message>
        <source>Open</source>
        <translation>Abrir</translation>
    </message>
    <message>
        <source>There is no session bus.</source>
        <translation>No hay bus de sesión.</translation>
    </message>
</context>
<context>
    <name>Openers</name>
    <message>
        <source>%1, named for %2 in %3</source>
        <translation>%1, nombrada para %2 en %3</translation>
    </message>
    <message>
        <source>%1, ranked first by InitialPreference=%2</source>
        <translation>%1, primera por InitialPreference=%2</translation>
    </message>
    <message>
        <source> (as a handler of %1)</source>
        <translation> (como aplicación que gestiona %1)</translation>
    </message>
    <message>
        <source>; KDE picks by chance between it and %1</source>
        <translation>; KDE elige al azar entre ella y %1</translation>
    </message>
    <message>
        <source>%1, the browser in kdeglobals</source>
        <translation>%1, el navegador de kdeglobals</translation>
    </message>
    <message>
        <source>no application</source>
        <translation>ninguna aplicación</translation>
    </message>
    <message>
        <source>it hands over to kde-open5, which is not installed</source>
        <translation>delega en kde-open5, que no está instalado</translation>
    </message>
    <message>
        <source>as %1: %2</source>
        <translation>como %1: %2</translation>
    </message>
    <message>
        <source>%1, the first for %2 in %3</source>
        <translation>%1, la primera para %2 en %3</translation>
    </message>
    <message>
        <source>%1 names %2 for %3, which it cannot find</source>
        <translation>%1 nombra %2 para %3, que no encuentra</translation>
    </message>
    <message>
        <source>no display, so no application</source>
        <translation>sin pantalla gráfica, así que ninguna aplicación</translation>
    </message>
    <message>
        <source>no application for %1</source>
        <translation>ninguna aplicación para %1</translation>
    </message>
    <message>
        <source>GTK programs</source>
        <translation>Programas GTK</translation>
    </message>
    <message>
        <source>KDE programs</source>
        <translation>Programas KDE</translation>
    </message>
    <message>
        <source>Opens differently in KDE programs and with xdg-open</source>
        <translation>Se abre distinto en programas KDE y con xdg-open</translation>
    </message>
    <message>
        <source>Opens differently in KDE programs</source>
        <translation>Se abre distinto en programas KDE</translation>
    </message>
    <message>
        <source>Opens differently with xdg-open</source>
        <translation>Se abre distinto con xdg-open</translation>
    </message>
    <message>
        <source>KDE programs rank %1 first through its default for %2</source>
        <translation>Los programas KDE ponen primero %1 por su predeterminada para %2</translation>
    </message>
    <message>
        <source>KDE programs rank %1 first by InitialPreference=%2, above any default</source>
        <translation>Los programas KDE ponen primero %1 por InitialPreference=%2, por encima de toda predeterminada</translation>
    </message>
    <message>
        <source>KDE programs do not see %1: its entry is hidden</source>
        <translation>Los programas KDE no ven %1: su entrada está oculta</translation>
    </message>
    <message>
        <source>KDE programs open links and secure links in one app, GTK programs in two</source>
        <translation>Los programas KDE abren enlaces y enlaces seguros en una app; los programas GTK, en dos</translation>
    </message>
    <message>
        <source>xdg-open asks for %1, the type file gives it</source>
        <translation>xdg-open pide %1, el tipo que le da file</translation>
    </message>
    <message>
        <source>xdg-open cannot find %1 by its ID</source>
        <translation>xdg-open no encuentra %1 por su ID</translation>
    </message>
    <message>
        <source>xdg-open takes %1 from %2, which it reads first</source>
        <translation>xdg-open toma %1 de %2, que lee primero</translation>
    </message>
</context>
<context>
    <name>PlanStep</name>
    <message>
        <source>Replaced by %1, the same file type</source>
        <translation>Reemplazado por %1, el mismo tipo de archivo</translation>
    </message>
</context>
<context>
    <name>PlatformText</name>
    <message>
        <source>Another setting keeps the current app</source>
        <translation>Otro ajuste mantiene la aplicación actual</translation>
    </message>
    <message>
        <source>Applying…</source>
        <translation>Aplicando…</translation>
    </message>
    <message>
        <source>Applying the changes…</source>
        <translation>Aplicando los cambios…</translation>
    </message>
    <message>
        <source>A profile switches a whole set of defaults at once.</source>
        <translation>Un perfil cambia todo un conjunto de aplicaciones predeterminadas a la vez.</translation>
    </message>
    <message>
        <source>…instead of making the system ask, or pointing at a deleted app.</source>
        <translation>…en lugar de hacer que el sistema pregunte o de apuntar a una aplicación eliminada.</translation>
    </message>
    <message>
        <source>The system doesn&apos;t recognise .%1 files</source>
        <translation>El sistema no reconoce los archivos .%1</translation>
    </message>
</context>
<context>
    <name>Presets</name>
    <message>
        <source>Work &amp; Business</source>
        <translation>Trabajo y empresa</translation>
    </message>
    <message>
        <source>Chrome, Outlook, Microsoft Office, Zoom and Slack.</source>
        <translation>Chrome, Outlook, Microsoft Office, Zoom y Slack.</translation>
    </message>
    <message>
        <source>Maximum Privacy</source>
        <translation>Privacidad máxima</translation>
    </message>
    <message>
        <source>Brave, Proton Mail, Telegram and Apple&apos;s on-device viewers.</source>
        <translation>Brave, Proton Mail, Telegram y los visores integrados de Apple.</translation>
    </message>
    <message>
        <source>Media &amp; Creator</source>
        <translation>Multimedia y creación</translation>
    </message>
    <message>
        <source>VLC for every video and audio format, Preview for images.</source>
        <translation>VLC para todos los formatos de vídeo y audio, Vista Previa para imágenes.</translation>
    </message>
    <message>
        <source>Developer</source>
        <translation>Desarrollo</translation>
    </message>
    <message>
        <source>VS Code for code and config files, Terminal for ssh: links.</source>
        <translation>VS Code para código y archivos de configuración, Terminal para enlaces ssh:.</translation>
    </message>
    <message>
        <source>Chrome, Thunderbird, LibreOffice, Zoom and Slack.</source>
        <translation>Chrome, Thunderbird, LibreOffice, Zoom y Slack.</translation>
    </message>
    <message>
        <source>Brave, Proton Mail, Telegram and the desktop&apos;s own viewers.</source>
        <translation>Brave, Proton Mail, Telegram y los visores propios del escritorio.</translation>
    </message>
    <message>
        <source>VLC for every video and audio format, Image Viewer for images.</source>
        <translation>VLC para todos los formatos de vídeo y audio, Visor de imágenes para imágenes.</translation>
    </message>
    <message>
        <source>VS Code for code and config files.</source>
        <translation>VS Code para código y archivos de configuración.</translation>
    </message>
</context>
<context>
    <name>ProfileExport</name>
    <message>
        <source>That file isn&apos;t an Openwright profile export.</source>
        <translation>Ese archivo no es una exportación de perfiles de Openwright.</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>Openwright cannot start</source>
        <translation>Openwright no puede iniciarse</translation>
    </message>
</context>
<context>
    <name>Style</name>
    <message>
        <source>Clear</source>
        <translation>Borrar</translation>
    </message>
</context>
<context>
    <name>TargetState</name>
    <message>
        <source>Set to %1, which is no longer installed.</source>
        <translation>Establecida en %1, que ya no está instalada.</translation>
    </message>
    <message>
        <source>%1 opens it for now.</source>
        <translation>Por ahora lo abre %1.</translation>
    </message>
    <message>
        <source>%1 opens %2</source>
        <translation>%1 abre %2</translation>
    </message>
    <message>
        <source>nothing opens %1</source>
        <translation>nada abre %1</translation>
    </message>
    <message>
        <source>Depends on the file: %1.</source>
        <translation>Depende del archivo: %1.</translation>
    </message>
    <message>
        <source>Depends on who opens it: %1.</source>
        <translation>Depende de quién lo abra: %1.</translation>
    </message>
    <message>
        <source>Split between browsers: %1.</source>
        <translation>Repartido entre navegadores: %1.</translation>
    </message>
    <message>
        <source>Not set</source>
        <translation>Sin definir</translation>
    </message>
    <message>
        <source>Set by you</source>
        <translation>Elegida por usted</translation>
    </message>
    <message>
        <source>Desktop default</source>
        <translation>Predeterminada del escritorio</translation>
    </message>
    <message>
        <source>Chosen by the system</source>
        <translation>Elegida por el sistema</translation>
    </message>
    <message>
        <source>%1: nothing.</source>
        <translation>%1: nada.</translation>
    </message>
    <message>
        <source>%1: %2 or another, by chance.</source>
        <translation>%1: %2 u otra, al azar.</translation>
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
        <translation>Vídeo</translation>
    </message>
    <message>
        <source>Audio</source>
        <translation>Audio</translation>
    </message>
    <message>
        <source>Images</source>
        <translation>Imágenes</translation>
    </message>
    <message>
        <source>Documents</source>
        <translation>Documentos</translation>
    </message>
    <message>
        <source>Text &amp; Code</source>
        <translation>Texto y código</translation>
    </message>
    <message>
        <source>Archives</source>
        <translation>Archivos comprimidos</translation>
    </message>
    <message>
        <source>Links</source>
        <translation>Enlaces</translation>
    </message>
    <message>
        <source>Other</source>
        <translation>Otros</translation>
    </message>
</context>
<context>
    <name>cli</name>
    <message>
        <source>Not restored</source>
        <translation>No restaurado</translation>
    </message>
    <message>
        <source>%1 of %2 changed.</source>
        <translation>%1 de %2 cambiados.</translation>
    </message>
    <message>
        <source>Same as now
</source>
        <translation>Igual que ahora
</translation>
    </message>
    <message>
        <source>All set
</source>
        <translation>Todo listo
</translation>
    </message>
    <message>
        <source>The Default Guard watches only the types Openwright lists, and %1 is not one of them.</source>
        <translation>El Guardián de predeterminadas solo vigila los tipos que Openwright muestra, y %1 no es uno de ellos.</translation>
    </message>
    <message>
        <source>%1 is pinned: Default Guard is watching this default.</source>
        <translation>%1 está fijado: el Guardián vigila esta aplicación predeterminada.</translation>
    </message>
    <message>
        <source>%1 is not pinned.</source>
        <translation>%1 no está fijado.</translation>
    </message>
    <message>
        <source>No defaults changed since the last check.
</source>
        <translation>Ninguna aplicación predeterminada ha cambiado desde la última comprobación.
</translation>
    </message>
    <message>
        <source>The file to import was not read.</source>
        <translation>No se leyó el archivo que importar.</translation>
    </message>
    <message numerus="yes">
        <source>Imported %n profile(s).</source>
        <translation>
            <numerusform>%n perfil importado.</numerusform>
            <numerusform>%n perfiles importados.</numerusform>
        </translation>
    </message>
    <message>
        <source>Another backup would make your profiles file larger than Openwright can read back. Delete some backups first.</source>
        <translation>Otra copia de seguridad haría que su archivo de perfiles fuera más grande de lo que Openwright puede volver a leer. Elimine primero algunas copias.</translation>
    </message>
    <message numerus="yes">
        <source>Backed up %n defaults as “%1” (%2).</source>
        <translation>
            <numerusform>%n predeterminada guardada como «%1» (%2).</numerusform>
            <numerusform>%n predeterminadas guardadas como «%1» (%2).</numerusform>
        </translation>
    </message>
    <message>
        <source>Deleted the backup “%1” (%2).</source>
        <translation>Copia de seguridad «%1» eliminada (%2).</translation>
    </message>
    <message>
        <source>The command was interrupted.</source>
        <translation>Se interrumpió la orden.</translation>
    </message>
    <message>
        <source>Another Openwright command is still running. Try again once it has finished.</source>
        <translation>Aún se está ejecutando otra orden de Openwright. Inténtelo de nuevo cuando haya terminado.</translation>
    </message>
    <message>
        <source>Openwright could not save all of its data, so what was not saved is lost: </source>
        <translation>Openwright no pudo guardar todos sus datos, así que lo no guardado se ha perdido: </translation>
    </message>
    <message>
        <source>Openwright is quitting.</source>
        <translation>Openwright se está cerrando.</translation>
    </message>
    <message>
        <source>Openwright could not save all of its data; what was not saved will be lost when Openwright quits: </source>
        <translation>Openwright no pudo guardar todos sus datos; lo no guardado se perderá cuando Openwright se cierre: </translation>
    </message>
    <message>
        <source>%1 is not an option. See openwright --help.</source>
        <translation>%1 no es una opción. Consulte openwright --help.</translation>
    </message>
    <message>
        <source>%1 needs one of: %2.</source>
        <translation>%1 necesita uno de: %2.</translation>
    </message>
    <message>
        <source>“%1” is not a command. See openwright --help.</source>
        <translation>«%1» no es una orden. Consulte openwright --help.</translation>
    </message>
    <message>
        <source>%1 is not an option of %2. See openwright %2 --help.</source>
        <translation>%1 no es una opción de %2. Consulte openwright %2 --help.</translation>
    </message>
    <message>
        <source>%1 is missing. Usage: %2</source>
        <translation>Falta %1. Uso: %2</translation>
    </message>
    <message>
        <source>“%1” is one argument too many. Usage: %2</source>
        <translation>«%1» es un argumento de más. Uso: %2</translation>
    </message>
    <message>
        <source>No default</source>
        <translation>Sin predeterminada</translation>
    </message>
    <message>
        <source>Handled</source>
        <translation>Resuelto</translation>
    </message>
    <message>
        <source>Already set</source>
        <translation>Ya establecida</translation>
    </message>
    <message>
        <source>%1 isn&apos;t installed</source>
        <translation>%1 no está instalada</translation>
    </message>
    <message>
        <source>All set</source>
        <translation>Todo listo</translation>
    </message>
    <message>
        <source>%1 of %2 to change</source>
        <translation>%1 de %2 por cambiar</translation>
    </message>
    <message>
        <source>There is no %1 called “%2”.</source>
        <translation>No hay ningún %1 llamado «%2».</translation>
    </message>
    <message>
        <source>“%1” could be %2; give its id instead.</source>
        <translation>«%1» podría ser %2; indique su id.</translation>
    </message>
    <message>
        <source>“%1” could be %2. Give its desktop-file ID instead.</source>
        <translation>«%1» podría ser %2. Indique su ID de archivo desktop.</translation>
    </message>
    <message>
        <source>There is no installed application called “%1”, and no installed app can open %2.</source>
        <translation>No hay ninguna aplicación instalada llamada «%1», y ninguna aplicación instalada puede abrir %2.</translation>
    </message>
    <message>
        <source>There is no installed application called “%1”. Apps that can open %2: %3.</source>
        <translation>No hay ninguna aplicación instalada llamada «%1». Aplicaciones que pueden abrir %2: %3.</translation>
    </message>
    <message>
        <source>No installed app can open %1</source>
        <translation>Ninguna aplicación instalada puede abrir %1</translation>
    </message>
    <message>
        <source>No installed app can open %1. Install one, or ignore it if you never use it.</source>
        <translation>Ninguna aplicación instalada puede abrir %1. Instale una, o ignórelo si nunca lo usa.</translation>
    </message>
    <message>
        <source>Several apps can open it, but none is the default.</source>
        <translation>Varias aplicaciones pueden abrirlo, pero ninguna es la predeterminada.</translation>
    </message>
    <message>
        <source>Where the system looks, in its order:</source>
        <translation>Dónde busca el sistema, en su orden:</translation>
    </message>
    <message>
        <source>Defaults Health: %1</source>
        <translation>Salud de las predeterminadas: %1</translation>
    </message>
    <message>
        <source>%1/%2 types with a default.</source>
        <translation>%1/%2 tipos con aplicación predeterminada.</translation>
    </message>
    <message>
        <source>Everything has a home.</source>
        <translation>Todo tiene su sitio.</translation>
    </message>
    <message numerus="yes">
        <source>%n types need attention.</source>
        <translation>
            <numerusform>%n tipo necesita atención.</numerusform>
            <numerusform>%n tipos necesitan atención.</numerusform>
        </translation>
    </message>
    <message>
        <source>The share of known file and link types that open in a specific app </source>
        <translation>La proporción de tipos de archivo y enlace conocidos que se abren en una aplicación concreta </translation>
    </message>
    <message>
        <source>Needs attention</source>
        <translation>Necesita atención</translation>
    </message>
    <message>
        <source>Pinned (%1)</source>
        <translation>Fijados (%1)</translation>
    </message>
    <message>
        <source>No changes spotted yet.</source>
        <translation>Aún no se ha detectado ningún cambio.</translation>
    </message>
    <message>
        <source>Recent Changes</source>
        <translation>Cambios recientes</translation>
    </message>
    <message>
        <source>Preset</source>
        <translation>Preajuste</translation>
    </message>
    <message>
        <source>“%1” is built in; only your own profiles can be exported.</source>
        <translation>«%1» viene incluido; solo se pueden exportar sus propios perfiles.</translation>
    </message>
    <message>
        <source>You have no profiles of your own to export.</source>
        <translation>No tiene perfiles propios que exportar.</translation>
    </message>
    <message>
        <source>Export failed: %1 is not a regular file.</source>
        <translation>Error al exportar: %1 no es un archivo normal.</translation>
    </message>
    <message>
        <source>Export failed: </source>
        <translation>Error al exportar: </translation>
    </message>
    <message numerus="yes">
        <source>Exported %n profile(s).</source>
        <translation>
            <numerusform>%n perfil exportado.</numerusform>
            <numerusform>%n perfiles exportados.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n defaults</source>
        <translation>
            <numerusform>%n predeterminada</numerusform>
            <numerusform>%n predeterminadas</numerusform>
        </translation>
    </message>
    <message>
        <source>Same as now</source>
        <translation>Igual que ahora</translation>
    </message>
    <message numerus="yes">
        <source>%n different from now</source>
        <translation>
            <numerusform>%n diferencia con ahora</numerusform>
            <numerusform>%n diferencias con ahora</numerusform>
        </translation>
    </message>
    <message>
        <source>No backups yet.
</source>
        <translation>Aún no hay copias de seguridad.
</translation>
    </message>
    <message>
        <source>Openwright cannot create its lock file %1: %2</source>
        <translation>Openwright no puede crear su archivo de bloqueo %1: %2</translation>
    </message>
    <message>
        <source>the folder cannot be written</source>
        <translation>no se puede escribir en la carpeta</translation>
    </message>
    <message>
        <source>Openwright is not running.</source>
        <translation>Openwright no se está ejecutando.</translation>
    </message>
    <message>
        <source>Openwright is running but does not answer, so nothing was done. Try again, or quit Openwright and run the command then.</source>
        <translation>Openwright se está ejecutando pero no responde, así que no se hizo nada. Inténtelo de nuevo, o cierre Openwright y ejecute entonces la orden.</translation>
    </message>
    <message>
        <source>The running Openwright cannot carry out commands from this version of the command line. Quit it and try again.</source>
        <translation>El Openwright en ejecución no puede llevar a cabo órdenes de esta versión de la línea de órdenes. Ciérrelo e inténtelo de nuevo.</translation>
    </message>
    <message>
        <source>The command is too long to hand to the running Openwright.</source>
        <translation>La orden es demasiado larga para pasarla al Openwright en ejecución.</translation>
    </message>
    <message>
        <source>The running Openwright did not finish the command in time; it may still be carried out.</source>
        <translation>El Openwright en ejecución no terminó la orden a tiempo; puede que aún se lleve a cabo.</translation>
    </message>
    <message>
        <source>Openwright cannot listen on %1 (%2): commands and later starts will not reach it.</source>
        <translation>Openwright no puede escuchar en %1 (%2): las órdenes y los inicios posteriores no le llegarán.</translation>
    </message>
    <message>
        <source>no private folder for it</source>
        <translation>no hay carpeta privada para ello</translation>
    </message>
    <message>
        <source>openwright: the answer is too large to pass on
</source>
        <translation>openwright: la respuesta es demasiado grande para transmitirla
</translation>
    </message>
    <message>
        <source>Put back</source>
        <translation>Revertido</translation>
    </message>
    <message>
        <source>Allowed</source>
        <translation>Permitido</translation>
    </message>
    <message>
        <source>Stopped putting back</source>
        <translation>Se dejó de revertir</translation>
    </message>
    <message>
        <source>%1 changes nothing.</source>
        <translation>%1 no cambia nada.</translation>
    </message>
    <message>
        <source>Cannot start %1: %2</source>
        <translation>No se puede iniciar %1: %2</translation>
    </message>
    <message>
        <source>the path is too long for a socket</source>
        <translation>la ruta es demasiado larga para un socket</translation>
    </message>
    <message>
        <source>Openwright is running but does not answer. Quit it, or end its process, and start it again.</source>
        <translation>Openwright se está ejecutando pero no responde. Ciérrelo, o termine su proceso, y vuelva a iniciarlo.</translation>
    </message>
    <message>
        <source>Also moved, since they open where a changed type does:</source>
        <translation>También cambiaron, porque se abren donde se abre un tipo cambiado:</translation>
    </message>
    <message>
        <source>%1: No installed application has that name or desktop-file ID.</source>
        <translation>%1: ninguna aplicación instalada tiene ese nombre o ID de archivo de escritorio.</translation>
    </message>
    <message>
        <source>“%1” could be %2 (%3) or %4 (%5). Give the one you mean.</source>
        <translation>«%1» podría ser %2 (%3) o %4 (%5). Indique la que quiere decir.</translation>
    </message>
    <message>
        <source>Different apps</source>
        <translation>Aplicaciones distintas</translation>
    </message>
    <message>
        <source>Where the system looks for %1, in its order:</source>
        <translation>Dónde busca el sistema para %1, en su orden:</translation>
    </message>
    <message>
        <source>Meanwhile the Default Guard saw:</source>
        <translation>Mientras tanto, el Guardián vio:</translation>
    </message>
    <message>
        <source>Cannot write the output: %1</source>
        <translation>No se puede escribir la salida: %1</translation>
    </message>
    <message>
        <source>Not set: not installed here</source>
        <translation>No establecido: no está instalado aquí</translation>
    </message>
    <message>
        <source>%1, put back</source>
        <translation>%1, restablecido</translation>
    </message>
    <message numerus="yes">
        <source>%n default(s) changed since the last check:</source>
        <translation>
            <numerusform>%n aplicación predeterminada cambió desde la última comprobación:</numerusform>
            <numerusform>%n aplicaciones predeterminadas cambiaron desde la última comprobación:</numerusform>
        </translation>
    </message>
    <message>
        <source>Openwright ended before it carried out the command: nothing was changed. Run the command again.</source>
        <translation>Openwright terminó antes de ejecutar la orden: no se cambió nada. Vuelva a ejecutar la orden.</translation>
    </message>
    <message>
        <source>Openwright ended while it carried out the command: it changed some of what was asked, or all of it. See what is set now with &quot;openwright status&quot;.</source>
        <translation>Openwright terminó mientras ejecutaba la orden: cambió parte de lo pedido, o todo. Vea lo que está establecido ahora con &quot;openwright status&quot;.</translation>
    </message>
    <message>
        <source>Openwright did not finish “%1”</source>
        <translation>Openwright no terminó «%1»</translation>
    </message>
    <message>
        <source>Openwright finished “%1”</source>
        <translation>Openwright terminó «%1»</translation>
    </message>
    <message>
        <source>The notification could not be shown: %1</source>
        <translation>No se pudo mostrar la notificación: %1</translation>
    </message>
    <message>
        <source>--desktop goes with --system: your own desktop is the one you are logged in to.</source>
        <translation>--desktop va con --system: su propio escritorio es aquel en el que ha iniciado sesión.</translation>
    </message>
    <message>
        <source>--notify goes with a command that changes, without --json: it tells a person what the command did.</source>
        <translation>--notify va con una orden que cambia algo, sin --json: cuenta a una persona lo que hizo la orden.</translation>
    </message>
    <message>
        <source>--system changes what every new account of this machine gets: run it as root, for example with sudo.</source>
        <translation>--system cambia lo que recibe cada cuenta nueva de esta máquina: ejecútelo como root, por ejemplo con sudo.</translation>
    </message>
    <message>
        <source>Openwright keeps its lock file at %1, but a folder is there. Remove the folder and try again.</source>
        <translation>Openwright guarda su archivo de bloqueo en %1, pero ahí hay una carpeta. Elimine la carpeta y vuelva a intentarlo.</translation>
    </message>
    <message>
        <source>Openwright keeps its lock file at %1, but something other than a file is there. Remove it and try again.</source>
        <translation>Openwright guarda su archivo de bloqueo en %1, pero ahí hay algo que no es un archivo. Elimínelo y vuelva a intentarlo.</translation>
    </message>
    <message>
        <source>Openwright&apos;s lock file %1 belongs to another user. Remove it and try again.</source>
        <translation>El archivo de bloqueo %1 de Openwright pertenece a otro usuario. Elimínelo y vuelva a intentarlo.</translation>
    </message>
    <message>
        <source>Openwright cannot read its lock file %1: %2. Remove it and try again.</source>
        <translation>Openwright no puede leer su archivo de bloqueo %1: %2. Elimínelo y vuelva a intentarlo.</translation>
    </message>
    <message>
        <source>Openwright is busy with other commands. Try again in a moment.
</source>
        <translation>Openwright está ocupado con otras órdenes. Vuelva a intentarlo en un momento.
</translation>
    </message>
    <message>
        <source>default</source>
        <translation>predeterminada</translation>
    </message>
    <message>
        <source>as a parent type</source>
        <translation>como tipo padre</translation>
    </message>
    <message>
        <source>removed</source>
        <translation>eliminada</translation>
    </message>
    <message>
        <source>Declares no types in its desktop entry.</source>
        <translation>No declara ningún tipo en su entrada de escritorio.</translation>
    </message>
    <message numerus="yes">
        <source>Declares %n types; the default for %1 of them.</source>
        <translation>
            <numerusform>Declara %n tipo; es la predeterminada para %1 de %n.</numerusform>
            <numerusform>Declara %n tipos; es la predeterminada para %1 de ellos.</numerusform>
        </translation>
    </message>
    <message>
        <source>The change could not be made</source>
        <translation>No se pudo hacer el cambio</translation>
    </message>
    <message>
        <source>Kept a copy as %1</source>
        <translation>Se guardó una copia como %1</translation>
    </message>
    <message>
        <source>Fixed %1</source>
        <translation>Corregido: %1</translation>
    </message>
    <message>
        <source>Not fixed: %1</source>
        <translation>No corregido: %1</translation>
    </message>
    <message numerus="yes">
        <source>Left alone: %n no longer found, as the files changed meanwhile.</source>
        <translation>
            <numerusform>Problema sin tocar (los archivos cambiaron entretanto y ya no lo muestran): %n.</numerusform>
            <numerusform>Problemas sin tocar (los archivos cambiaron entretanto y ya no los muestran): %n.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n problems in your defaults files</source>
        <translation>
            <numerusform>%n problema en sus archivos de aplicaciones predeterminadas</numerusform>
            <numerusform>%n problemas en sus archivos de aplicaciones predeterminadas</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n problems in your defaults files: see openwright doctor.</source>
        <translation>
            <numerusform>%n problema en sus archivos de predeterminadas: vea openwright doctor.</numerusform>
            <numerusform>%n problemas en sus archivos de predeterminadas: vea openwright doctor.</numerusform>
        </translation>
    </message>
    <message>
        <source>Every program already opens each type alike.</source>
        <translation>Todos los programas ya abren cada tipo del mismo modo.</translation>
    </message>
    <message>
        <source>every program agrees</source>
        <translation>todos los programas coinciden</translation>
    </message>
    <message>
        <source>still opens differently</source>
        <translation>aún se abre distinto</translation>
    </message>
    <message>
        <source>nothing</source>
        <translation>nada</translation>
    </message>
    <message>
        <source>no application; runs %1</source>
        <translation>ninguna aplicación; ejecuta %1</translation>
    </message>
    <message>
        <source>%1 is %2. Each program would start:</source>
        <translation>%1 es %2. Cada programa iniciaría:</translation>
    </message>
    <message>
        <source>What each program that opens files starts:</source>
        <translation>Qué inicia cada programa que abre archivos:</translation>
    </message>
    <message numerus="yes">
        <source>%n types open differently in other programs: see openwright agree.</source>
        <translation>
            <numerusform>%n tipo se abre distinto en otros programas: vea openwright agree.</numerusform>
            <numerusform>%n tipos se abren distinto en otros programas: vea openwright agree.</numerusform>
        </translation>
    </message>
    <message>
        <source>still opens differently: %1</source>
        <translation>aún se abre distinto: %1</translation>
    </message>
    <message>
        <source>left alone: its types open in different apps; choose one app for it first</source>
        <translation>sin cambios: sus tipos se abren en aplicaciones distintas; elija primero una aplicación para él</translation>
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
        <translation>Mostrar qué aplicación abre cada tipo</translation>
    </message>
    <message>
        <source>Shows each type&apos;s display form, title and current application, by name and desktop-file ID. Without TARGETs, every type Openwright watches, in the sections of its sidebar; pinned types are marked. With --candidates, every application that can open each type too, the current one marked with *.</source>
        <translation>Muestra de cada tipo su forma de presentación, su título y su aplicación actual, por nombre e ID de archivo de escritorio. Sin TARGETs, todos los tipos que vigila Openwright, en las secciones de su barra lateral; los tipos fijados aparecen marcados. Con --candidates, también todas las aplicaciones que pueden abrir cada tipo, con la actual marcada con *.</translation>
    </message>
    <message>
        <source>List every type the system knows, with what opens it</source>
        <translation>Enumerar todos los tipos que conoce el sistema, con lo que abre cada uno</translation>
    </message>
    <message>
        <source>Lists every MIME type of the shared MIME database and every link type an installed application declares, grouped by media type: its MIME type, its description, its file-name patterns, the application that opens it and where that answer comes from. With TEXT, only the types whose MIME type, description, patterns or application hold it, in any case.</source>
        <translation>Enumera todos los tipos MIME de la base de datos MIME compartida y todos los tipos de enlace que declara alguna aplicación instalada, agrupados por tipo de medio: su tipo MIME, su descripción, sus patrones de nombre de archivo, la aplicación que lo abre y de dónde procede esa respuesta. Con TEXT, solo los tipos cuyo tipo MIME, descripción, patrones o aplicación lo contienen, sin distinguir mayúsculas de minúsculas.</translation>
    </message>
    <message>
        <source>Make APP open each TARGET</source>
        <translation>Hacer que APP abra cada TARGET</translation>
    </message>
    <message>
        <source>Makes APP the default for each TARGET, all in one go, and prints each outcome (Changed, Already the default, or why not) and what opens each TARGET now. An application that does not say it can open a TARGET is refused, and nothing is changed, unless --force is given. Choosing a web browser for http: sets https:, .html and .htm with it. Exits with 1 when a change did not succeed. With --json and one TARGET, one object; with several, {&quot;changes&quot;: [...]} with one object each. With a family (video/*, audio/*, image/*, text/*) or --all in place of the TARGETs, every type APP declares there.</source>
        <translation>Hace de APP la predeterminada para cada TARGET, todo de una vez, y muestra cada resultado (Cambiado, Ya es la aplicación predeterminada, o por qué no) y lo que abre ahora cada TARGET. Una aplicación que no indica que pueda abrir un TARGET se rechaza, y no se cambia nada, salvo que se indique --force. Elegir un navegador web para http: establece con él también https:, .html y .htm. Sale con 1 si un cambio no tuvo éxito. Con --json y un solo TARGET, un objeto; con varios, {&quot;changes&quot;: [...]} con un objeto por cada uno. Con una familia (video/*, audio/*, image/*, text/*) o --all en lugar de los TARGETs, todos los tipos que APP declara allí.</translation>
    </message>
    <message>
        <source>Let the system choose what opens each TARGET again</source>
        <translation>Dejar que el sistema vuelva a elegir qué abre cada TARGET</translation>
    </message>
    <message>
        <source>Removes your own choice for each TARGET (its line in your mimeapps.list and your desktop&apos;s own list, and the associations that choices added), so that each opens in what the system chooses by itself, and prints what that is. While automatic backups are on, the current defaults are backed up first. Exits with 1 when a choice could not be removed.</source>
        <translation>Quita su propia elección para cada TARGET (la línea correspondiente en su mimeapps.list y en la lista propia de su escritorio, y las asociaciones que añadieron esas elecciones), de modo que cada uno se abra en lo que el sistema elija por sí mismo, y muestra qué es. Mientras las copias de seguridad automáticas estén activadas, antes se hace una copia de seguridad de las predeterminadas actuales. Sale con 1 si no se pudo quitar una elección.</translation>
    </message>
    <message>
        <source>Exit with 0 when APP opens TARGET, 1 when not</source>
        <translation>Salir con 0 si APP abre TARGET, con 1 si no</translation>
    </message>
    <message>
        <source>Answers whether APP is the default for TARGET, for scripts: prints yes or no and exits with 0 or 1, as xdg-settings check does. The very entry counts when APP is a desktop-file ID, any packaging of the program when it is an identity.</source>
        <translation>Responde, para scripts, si APP es la predeterminada para TARGET: muestra yes o no y sale con 0 o 1, como hace xdg-settings check. Cuenta la entrada exacta cuando APP es un ID de archivo de escritorio, y cualquier empaquetado del programa cuando es una identidad.</translation>
    </message>
    <message>
        <source>Explain which list decides the application for TARGET</source>
        <translation>Explicar qué lista decide la aplicación para TARGET</translation>
    </message>
    <message>
        <source>Explains why TARGET opens where it does: every mimeapps.list the system reads, in the order of the freedesktop.org standard (your desktop&apos;s own list, yours, the administrator&apos;s, the distribution&apos;s, then the installed applications), what each says about the type, which entries are skipped because their application is not installed, and which one decides.</source>
        <translation>Explica por qué TARGET se abre donde se abre: cada mimeapps.list que lee el sistema, en el orden del estándar de freedesktop.org (la lista propia de su escritorio, la suya, la del administrador, la de la distribución y, después, las aplicaciones instaladas), lo que dice cada una sobre el tipo, qué entradas se omiten porque su aplicación no está instalada, y cuál decide.</translation>
    </message>
    <message>
        <source>Show the order in which the system offers applications for TARGET</source>
        <translation>Mostrar el orden en que el sistema ofrece aplicaciones para TARGET</translation>
    </message>
    <message>
        <source>Lists every application the system offers for TARGET, in the order it tries them, as gio mime lists them: the default first, then the applications added for it, then the others. The default is marked, and so are the applications that open it only as a parent type (a text editor for source code); the applications you removed from it follow. Change it with reorder, remove and restore-association.</source>
        <translation>Enumera todas las aplicaciones que el sistema ofrece para TARGET, en el orden en que las prueba, como las enumera gio mime: primero la predeterminada, luego las aplicaciones añadidas para él y después las demás. La predeterminada aparece marcada, y también las aplicaciones que solo lo abren como tipo padre (un editor de texto para código fuente); a continuación van las aplicaciones que usted quitó de él. Cambie el orden con reorder, remove y restore-association.</translation>
    </message>
    <message>
        <source>Make the system offer the APPs first for TARGET, in this order</source>
        <translation>Hacer que el sistema ofrezca primero las APPs para TARGET, en este orden</translation>
    </message>
    <message>
        <source>Writes the APPs, in this order, as the default line of TARGET and its fallbacks and as associations added for it, in your mimeapps.list (and in your desktop&apos;s own list where that names TARGET): the first APP becomes the default, and the system offers the others next. A web browser&apos;s links, secure links and pages take the order together, and on KDE and Xfce the desktop&apos;s own browser setting takes the first APP. While automatic backups are on, the current defaults are backed up first. Prints the outcome and the new order; exits with 1 when the change did not succeed.</source>
        <translation>Escribe las APPs, en este orden, como la línea predeterminada de TARGET y sus alternativas y como asociaciones añadidas para él, en su mimeapps.list (y en la lista propia de su escritorio allí donde esa lista nombre TARGET): la primera APP pasa a ser la predeterminada, y el sistema ofrece las demás a continuación. Los enlaces, los enlaces seguros y las páginas de un navegador web toman el orden juntos, y en KDE y Xfce el ajuste de navegador propio del escritorio toma la primera APP. Mientras las copias de seguridad automáticas estén activadas, antes se hace una copia de seguridad de las predeterminadas actuales. Muestra el resultado y el nuevo orden; sale con 1 si el cambio no tuvo éxito.</translation>
    </message>
    <message>
        <source>Stop the system offering APP for TARGET</source>
        <translation>Hacer que el sistema deje de ofrecer APP para TARGET</translation>
    </message>
    <message>
        <source>Removes APP from what the system offers for TARGET: a [Removed Associations] line in your mimeapps.list, and APP leaves your default and added lines of TARGET. The system reads removals only in mimeapps.list, not in a desktop&apos;s own list: where the system still offers APP, the outcome says so. Undo it with restore-association. Backed up first, as every change; exits with 1 when the change did not succeed.</source>
        <translation>Quita APP de lo que el sistema ofrece para TARGET: una línea [Removed Associations] en su mimeapps.list, y APP sale de sus líneas de predeterminada y de aplicaciones añadidas de TARGET. El sistema solo lee las eliminaciones en mimeapps.list, no en la lista propia de un escritorio: cuando el sistema sigue ofreciendo APP, el resultado lo indica. Deshágalo con restore-association. Antes se hace una copia de seguridad, como en todo cambio; sale con 1 si el cambio no tuvo éxito.</translation>
    </message>
    <message>
        <source>Let the system offer APP for TARGET again</source>
        <translation>Dejar que el sistema vuelva a ofrecer APP para TARGET</translation>
    </message>
    <message>
        <source>Takes APP off the applications you removed from TARGET, so that the system offers it again, and prints the new order.</source>
        <translation>Saca APP de las aplicaciones que usted quitó de TARGET, para que el sistema vuelva a ofrecerla, y muestra el nuevo orden.</translation>
    </message>
    <message>
        <source>Show the health score and the types that need attention</source>
        <translation>Mostrar la puntuación de salud y los tipos que necesitan atención</translation>
    </message>
    <message>
        <source>Shows the share of known types that open in a specific, installed application, and lists the types that need attention.</source>
        <translation>Muestra la proporción de tipos conocidos que se abren en una aplicación concreta e instalada, y enumera los tipos que necesitan atención.</translation>
    </message>
    <message>
        <source>Show the types APP declares and where it is the default</source>
        <translation>Mostrar los tipos que declara APP y dónde es la predeterminada</translation>
    </message>
    <message>
        <source>Lists the MIME types APP&apos;s desktop entry declares, by family (Video, Audio, Images, Documents, Text &amp; Code, Archives, Links, Other), with what opens each now. To make APP the default for a family, use set video/* APP (or audio/*, image/*, text/*), or set --all APP for every type it declares.</source>
        <translation>Enumera los tipos MIME que declara la entrada de escritorio de APP, por familia (Vídeo, Audio, Imágenes, Documentos, Texto y código, Archivos comprimidos, Enlaces, Otros), con lo que abre ahora cada uno. Para hacer de APP la predeterminada de una familia, use set video/* APP (o audio/*, image/*, text/*), o set --all APP para todos los tipos que declara.</translation>
    </message>
    <message>
        <source>Let the Default Guard watch TARGET</source>
        <translation>Hacer que el Guardián de predeterminadas vigile TARGET</translation>
    </message>
    <message>
        <source>Pins TARGET, one of the types Openwright lists: when another application takes it over, the running Openwright notifies you and offers to put it back. With --keep it always keeps TARGET: it puts the application back at once and tells you, offering to allow the new one; after three takeovers within a minute it stops and waits for you. Without --keep, a kept type goes back to asking.</source>
        <translation>Fija TARGET, uno de los tipos que muestra Openwright: cuando otra aplicación se queda con él, el Openwright en ejecución se lo notifica y le ofrece revertirlo. Con --keep, mantiene siempre TARGET: revierte la aplicación al instante y se lo comunica, ofreciéndole permitir la nueva; si otra aplicación se lo queda tres veces en un minuto, deja de revertirlo y espera a que usted decida. Sin --keep, un tipo que se mantenía siempre vuelve a preguntar.</translation>
    </message>
    <message>
        <source>Stop watching TARGET</source>
        <translation>Dejar de vigilar TARGET</translation>
    </message>
    <message>
        <source>Unpins TARGET.</source>
        <translation>Desfija TARGET.</translation>
    </message>
    <message>
        <source>Check the defaults now and print the changes found</source>
        <translation>Comprobar ahora las predeterminadas y mostrar los cambios encontrados</translation>
    </message>
    <message>
        <source>Reads every watched default now, records it as the Default Guard does, and prints the changes it found since the last check.</source>
        <translation>Lee ahora cada predeterminada vigilada, la registra como hace el Guardián de predeterminadas y muestra los cambios que ha encontrado desde la última comprobación.</translation>
    </message>
    <message>
        <source>Print the pinned types and the changes the Default Guard spotted</source>
        <translation>Mostrar los tipos fijados y los cambios que detectó el Guardián de predeterminadas</translation>
    </message>
    <message>
        <source>Prints the pinned types (kept ones marked) and the changes the Default Guard spotted, newest first, with the program that probably made each where that can be told.</source>
        <translation>Muestra los tipos fijados (marcados los que se mantienen siempre) y los cambios que detectó el Guardián de predeterminadas, del más reciente al más antiguo, con el programa que probablemente hizo cada uno, cuando se puede saber.</translation>
    </message>
    <message>
        <source>Find problems in your defaults files, and fix them</source>
        <translation>Encontrar problemas en sus archivos de predeterminadas y corregirlos</translation>
    </message>
    <message>
        <source>Checks your own defaults files (mimeapps.list, your desktop&apos;s own list, the older lists in your applications folder) and your own desktop entries, and lists each problem with its file and line: lines naming applications no longer installed, another name of a type hiding its line, a type set twice, a default that is also removed, an older list or another desktop&apos;s list deciding instead of yours, entries of old &quot;open with a command&quot; dialogs and entries whose program is gone. A list that is a read-only link made by a configuration tool is explained, never changed. With --fix, repairs them: every changed file is first copied beside itself as NAME.before-cleanup-N, the defaults are backed up, and each file is written whole or not at all. Exits with 1 when a file could not be written.</source>
        <translation>Comprueba sus propios archivos de predeterminadas (mimeapps.list, la lista propia de su escritorio, las listas antiguas de su carpeta de aplicaciones) y sus propias entradas de escritorio, y enumera cada problema con su archivo y su línea: líneas que nombran aplicaciones que ya no están instaladas, otro nombre de un tipo que oculta su línea, un tipo establecido dos veces, una predeterminada que además está quitada, una lista antigua o la lista de otro escritorio que decide en lugar de la suya, entradas de antiguos diálogos «abrir con una orden» y entradas cuyo programa ya no existe. Una lista que es un enlace de solo lectura creado por una herramienta de configuración se explica, nunca se cambia. Con --fix, los corrige: cada archivo que cambia se copia antes a su lado como NAME.before-cleanup-N, se hace una copia de seguridad de las predeterminadas y cada archivo se escribe entero o no se escribe. Sale con 1 si no se pudo escribir un archivo.</translation>
    </message>
    <message>
        <source>List the profiles and what applying each would change</source>
        <translation>Enumerar los perfiles y lo que cambiaría aplicar cada uno</translation>
    </message>
    <message>
        <source>Lists the built-in profiles and your own, each with its id and what applying it would change.</source>
        <translation>Enumera los perfiles incluidos y los suyos propios, cada uno con su id y lo que cambiaría aplicarlo.</translation>
    </message>
    <message>
        <source>Show what applying profile NAME would do</source>
        <translation>Mostrar qué haría aplicar el perfil NAME</translation>
    </message>
    <message>
        <source>Shows, type by type, what applying profile NAME would change, which defaults are already set and which applications are not installed.</source>
        <translation>Muestra, tipo por tipo, qué cambiaría aplicar el perfil NAME, qué predeterminadas ya están establecidas y qué aplicaciones no están instaladas.</translation>
    </message>
    <message>
        <source>Apply profile NAME</source>
        <translation>Aplicar el perfil NAME</translation>
    </message>
    <message>
        <source>Applies profile NAME and prints each step&apos;s outcome. While automatic backups are on, the current defaults are backed up first. Exits with 1 when any change did not succeed.</source>
        <translation>Aplica el perfil NAME y muestra el resultado de cada paso. Mientras las copias de seguridad automáticas estén activadas, antes se hace una copia de seguridad de las predeterminadas actuales. Sale con 1 si algún cambio no tuvo éxito.</translation>
    </message>
    <message>
        <source>Export profiles to FILE</source>
        <translation>Exportar perfiles a FILE</translation>
    </message>
    <message>
        <source>Writes your profiles NAME... to FILE, or without NAMEs all of your own, in the format that profile import and the window read. With --format=mimeapps, their defaults as a mimeapps.list fragment instead, for those who ship the file themselves; an entry whose application is not installed here is left out, with a comment.</source>
        <translation>Escribe sus perfiles NAME... en FILE, o sin NAMEs todos los suyos propios, en el formato que leen profile import y la ventana. Con --format=mimeapps, escribe en su lugar sus predeterminadas como fragmento de mimeapps.list, para quien distribuye el archivo por su cuenta; una entrada cuya aplicación no está instalada aquí se omite, con un comentario.</translation>
    </message>
    <message>
        <source>Add the profiles of an export file</source>
        <translation>Añadir los perfiles de un archivo de exportación</translation>
    </message>
    <message>
        <source>Adds the profiles of an export FILE to your own; backups in it join your backups.</source>
        <translation>Añade a los suyos los perfiles de un archivo de exportación FILE; las copias de seguridad que contenga se suman a las suyas.</translation>
    </message>
    <message>
        <source>List the backups, newest first</source>
        <translation>Enumerar las copias de seguridad, de la más reciente a la más antigua</translation>
    </message>
    <message>
        <source>Lists the backups, newest first, with their ids, why each was taken and how it differs from now.</source>
        <translation>Enumera las copias de seguridad, de la más reciente a la más antigua, con sus ids, el motivo de cada una y en qué se diferencia de ahora.</translation>
    </message>
    <message>
        <source>Back up the current defaults</source>
        <translation>Hacer una copia de seguridad de las predeterminadas actuales</translation>
    </message>
    <message>
        <source>Saves the current defaults as a backup.</source>
        <translation>Guarda las predeterminadas actuales como copia de seguridad.</translation>
    </message>
    <message>
        <source>Restore backup NAME</source>
        <translation>Restaurar la copia de seguridad NAME</translation>
    </message>
    <message>
        <source>Puts back the defaults of backup NAME. While automatic backups are on, the current defaults are backed up first. Exits with 1 when any change did not succeed.</source>
        <translation>Restablece las predeterminadas de la copia de seguridad NAME. Mientras las copias de seguridad automáticas estén activadas, antes se hace una copia de seguridad de las predeterminadas actuales. Sale con 1 si algún cambio no tuvo éxito.</translation>
    </message>
    <message>
        <source>Delete backup NAME</source>
        <translation>Eliminar la copia de seguridad NAME</translation>
    </message>
    <message>
        <source>Deletes backup NAME.</source>
        <translation>Elimina la copia de seguridad NAME.</translation>
    </message>
    <message>
        <source>Show help for a command</source>
        <translation>Mostrar la ayuda de una orden</translation>
    </message>
    <message>
        <source>Shows the help of COMMAND, or of the program.</source>
        <translation>Muestra la ayuda de COMMAND o del programa.</translation>
    </message>
    <message>
        <source>Make APP open every type it declares in FAMILY</source>
        <translation>Hacer que APP abra todos los tipos que declara en FAMILY</translation>
    </message>
    <message>
        <source>Makes APP the default for the types its desktop entry declares in FAMILY (video/*, audio/*, image/*, or text/* for text and code), or with --all for every type it declares, and never for a type it does not declare. Prints each type with its outcome; the changes run as one batch after a backup.</source>
        <translation>Hace de APP la predeterminada para los tipos que su entrada de escritorio declara en FAMILY (video/*, audio/*, image/*, o text/* para texto y código), o con --all para todos los tipos que declara, y nunca para un tipo que no declara. Muestra cada tipo con su resultado; los cambios se ejecutan como un solo lote tras una copia de seguridad.</translation>
    </message>
    <message>
        <source>Shows and changes which installed application opens each kind of file (by extension) and each kind of link (by URL scheme). Without a command, starts the application. Commands need no display; they print plain text, or with --json one JSON document for scripts.</source>
        <translation>Muestra y cambia qué aplicación instalada abre cada tipo de archivo (por extensión) y cada tipo de enlace (por esquema de URL). Sin una orden, inicia la aplicación. Las órdenes no necesitan pantalla gráfica; muestran texto sin formato o, con --json, un único documento JSON para scripts.</translation>
    </message>
    <message>
        <source>Commands that change Openwright&apos;s data (set, reset, reorder, remove, restore-association, pin, unpin, guard check, doctor, profile apply and import, backup now, restore and delete) are carried out by the running Openwright when there is one, so that the two never overwrite each other&apos;s files; otherwise the command holds Openwright&apos;s lock while it runs, and a window started meanwhile waits for it.</source>
        <translation>Las órdenes que cambian los datos de Openwright (set, reset, reorder, remove, restore-association, pin, unpin, guard check, doctor, profile apply e import, backup now, restore y delete) las lleva a cabo el Openwright en ejecución cuando lo hay, para que ninguno de los dos sobrescriba nunca los archivos del otro; si no, la orden mantiene el bloqueo de Openwright mientras se ejecuta, y una ventana que se abra entretanto espera a que termine.</translation>
    </message>
    <message>
        <source>A file extension (.pdf or pdf), a link type ending in a colon (mailto:), a MIME type (application/pdf, inode/directory; an alias such as application/x-pdf is read as the type it stands for), the role terminal (the terminal that programs which run in one open in), or a file or folder (./report.pdf, ~/Downloads): the type the system gives it by its name and contents. A word is a path when it starts with /, ./, ../ or ~, or when it names an existing file and cannot be an extension (report.pdf); any other single word (pdf) is an extension, and .terminal the extension of that name.</source>
        <translation>Una extensión de archivo (.pdf o pdf), un tipo de enlace terminado en dos puntos (mailto:), un tipo MIME (application/pdf, inode/directory; un alias como application/x-pdf se lee como el tipo al que representa), la función terminal (el terminal en el que se abren los programas que se ejecutan en uno), o un archivo o carpeta (./report.pdf, ~/Downloads): el tipo que el sistema le asigna por su nombre y su contenido. Una palabra es una ruta cuando empieza por /, ./, ../ o ~, o cuando nombra un archivo existente y no puede ser una extensión (report.pdf); cualquier otra palabra suelta (pdf) es una extensión, y .terminal es la extensión de ese nombre.</translation>
    </message>
    <message>
        <source>A desktop-file ID (org.gnome.Evince or org.gnome.Evince.desktop), an application identity (com.google.Chrome), or a name as status --candidates shows it; the start of a name is enough when no other name starts so. An ambiguous name is refused with the choices listed.</source>
        <translation>Un ID de archivo de escritorio (org.gnome.Evince o org.gnome.Evince.desktop), una identidad de aplicación (com.google.Chrome) o un nombre tal como lo muestra status --candidates; basta con el comienzo de un nombre cuando ningún otro nombre empieza igual. Un nombre ambiguo se rechaza, con la lista de opciones posibles.</translation>
    </message>
    <message>
        <source>Words to look for, such as tex or *.md.</source>
        <translation>Palabras que buscar, como tex o *.md.</translation>
    </message>
    <message>
        <source>NAME</source>
        <translation>NOMBRE</translation>
    </message>
    <message>
        <source>A profile&apos;s or backup&apos;s name, or its id as profile list and backup list show it.</source>
        <translation>El nombre de un perfil o de una copia de seguridad, o su id tal como lo muestran profile list y backup list.</translation>
    </message>
    <message>
        <source>A file name, relative to the current folder.</source>
        <translation>Un nombre de archivo, relativo a la carpeta actual.</translation>
    </message>
    <message>
        <source>Print one JSON document instead of text.</source>
        <translation>Mostrar un único documento JSON en lugar de texto.</translation>
    </message>
    <message>
        <source>Show the help of the program, or of the command given.</source>
        <translation>Mostrar la ayuda del programa o de la orden indicada.</translation>
    </message>
    <message>
        <source>Show the version.</source>
        <translation>Mostrar la versión.</translation>
    </message>
    <message>
        <source>Read or change what every new account of this machine gets: the system&apos;s list, the first folder of XDG_CONFIG_DIRS (/etc/xdg/mimeapps.list). Changing needs root; backups are kept apart, in /var/lib/openwright.</source>
        <translation>Leer o cambiar lo que recibe cada cuenta nueva de esta máquina: la lista del sistema, en la primera carpeta de XDG_CONFIG_DIRS (/etc/xdg/mimeapps.list). Para cambiarla hace falta ser root; las copias de seguridad se guardan aparte, en /var/lib/openwright.</translation>
    </message>
    <message>
        <source>With --system: read and write as DESKTOP (KDE, GNOME, XFCE) does, its own list first.</source>
        <translation>Con --system: leer y escribir como lo hace DESKTOP (KDE, GNOME, XFCE), con su propia lista primero.</translation>
    </message>
    <message>
        <source>With a command that changes: also show its outcome as a desktop notification, for a command started where no terminal shows what it prints (the desktop entry&apos;s Check Now and Back Up Now).</source>
        <translation>Con una orden que cambia algo: mostrar además su resultado como notificación del escritorio, para una orden iniciada donde ningún terminal muestra lo que escribe («Comprobar ahora» y «Hacer copia ahora» de la entrada de escritorio).</translation>
    </message>
    <message>
        <source>Without a command: start with the window hidden, guarding from the tray (as at login).</source>
        <translation>Sin una orden: iniciar con la ventana oculta, vigilando desde la bandeja del sistema (como al iniciar sesión).</translation>
    </message>
    <message>
        <source>The language of the texts: German, French, Spanish, Brazilian Portuguese or Italian, else English. Dates and numbers in a sentence follow its language. --json output is always English.</source>
        <translation>El idioma de los textos: alemán, francés, español, portugués de Brasil o italiano; si no, inglés. Las fechas y los números de una frase siguen el idioma de esta. La salida de --json siempre está en inglés.</translation>
    </message>
    <message>
        <source>The desktops whose own defaults list (such as gnome-mimeapps.list) is read first and also written by set; on XFCE and KDE the desktop&apos;s own browser setting is read and written with the web links.</source>
        <translation>Los escritorios cuya lista propia de predeterminadas (como gnome-mimeapps.list) se lee primero y también escribe set; en XFCE y KDE, el ajuste de navegador propio del escritorio se lee y se escribe junto con los enlaces web.</translation>
    </message>
    <message>
        <source>Where mimeapps.list and the settings are (default ~/.config).</source>
        <translation>Dónde están mimeapps.list y las preferencias (por omisión, ~/.config).</translation>
    </message>
    <message>
        <source>The administrator&apos;s defaults lists and desktop settings, below the user&apos;s (default /etc/xdg).</source>
        <translation>Las listas de predeterminadas y los ajustes de escritorio del administrador, por debajo de los del usuario (por omisión, /etc/xdg).</translation>
    </message>
    <message>
        <source>Where the applications of your own and Openwright&apos;s data files are (default ~/.local/share).</source>
        <translation>Dónde están sus propias aplicaciones y los archivos de datos de Openwright (por omisión, ~/.local/share).</translation>
    </message>
    <message>
        <source>Where the installed applications, the distribution&apos;s defaults lists, the MIME database and Xfce&apos;s helpers are (default /usr/local/share:/usr/share).</source>
        <translation>Dónde están las aplicaciones instaladas, las listas de predeterminadas de la distribución, la base de datos MIME y los ayudantes de Xfce (por omisión, /usr/local/share:/usr/share).</translation>
    </message>
    <message>
        <source>On Xfce, when its browser setting is Debian&apos;s sensible-browser helper: the browser that helper starts, before the x-www-browser alternative.</source>
        <translation>En Xfce, cuando su ajuste de navegador es el ayudante sensible-browser de Debian: el navegador que inicia ese ayudante, antes que la alternativa x-www-browser.</translation>
    </message>
    <message>
        <source>When set and not empty, text output has no colours.</source>
        <translation>Si está definida y no está vacía, la salida de texto no tiene colores.</translation>
    </message>
    <message>
        <source>With --system: where the system&apos;s backups are kept (default /var/lib/openwright).</source>
        <translation>Con --system: dónde se guardan las copias de seguridad del sistema (por omisión, /var/lib/openwright).</translation>
    </message>
    <message>
        <source>When set to 1, the texts are shown in the pseudo-translation (longer, accented and bracketed), to find texts left untranslated or cut off.</source>
        <translation>Si vale 1, los textos se muestran en la pseudotraducción (más largos, con acentos y entre corchetes), para encontrar textos sin traducir o cortados.</translation>
    </message>
    <message>
        <source>custom-types.json, profiles.json and guard.json: the added types, the profiles and backups, and the Default Guard&apos;s memory.</source>
        <translation>custom-types.json, profiles.json y guard.json: los tipos añadidos, los perfiles y las copias de seguridad, y la memoria del Guardián de predeterminadas.</translation>
    </message>
    <message>
        <source>The settings: the guard on or off and its interval, automatic backups and update checks.</source>
        <translation>Las preferencias: el Guardián activado o desactivado y su intervalo, las copias de seguridad automáticas y la búsqueda de actualizaciones.</translation>
    </message>
    <message>
        <source>Present while &quot;Open at login&quot; is on: the session starts openwright --background.</source>
        <translation>Existe mientras «Abrir al iniciar sesión» está activado: la sesión inicia openwright --background.</translation>
    </message>
    <message>
        <source>The defaults that set changes, with the desktop&apos;s own list (such as gnome-mimeapps.list) where that would otherwise win.</source>
        <translation>Las predeterminadas que cambia set, junto con la lista propia del escritorio (como gnome-mimeapps.list) allí donde, si no, esta prevalecería.</translation>
    </message>
    <message>
        <source>The administrator&apos;s and the distribution&apos;s defaults, read after the user&apos;s; never written.</source>
        <translation>Las predeterminadas del administrador y de la distribución, que se leen después de las del usuario; nunca se escriben.</translation>
    </message>
    <message>
        <source>An older place of the user&apos;s defaults, still read by the system; the Clean Up moves what it decides.</source>
        <translation>Un lugar antiguo de las predeterminadas del usuario que el sistema aún lee; «Limpiar» traslada lo que allí se decide.</translation>
    </message>
    <message>
        <source>KDE&apos;s browser setting ([General] BrowserApplication), read and written by set.</source>
        <translation>El ajuste de navegador de KDE ([General] BrowserApplication), que set lee y escribe.</translation>
    </message>
    <message>
        <source>Xfce&apos;s browser setting (WebBrowser, the name of an Xfce helper), read and written by set; the system&apos;s is in $XDG_CONFIG_DIRS/xfce4/helpers.rc.</source>
        <translation>El ajuste de navegador de Xfce (WebBrowser, el nombre de un ayudante de Xfce), que set lee y escribe; el del sistema está en $XDG_CONFIG_DIRS/xfce4/helpers.rc.</translation>
    </message>
    <message>
        <source>The Xfce helper set writes for a browser that no installed helper starts.</source>
        <translation>El ayudante de Xfce que escribe set para un navegador que no inicia ningún ayudante instalado.</translation>
    </message>
    <message>
        <source>With --system: the system&apos;s backups and data, kept apart from every person&apos;s (OPENWRIGHT_SYSTEM_DATA).</source>
        <translation>Con --system: las copias de seguridad y los datos del sistema, guardados aparte de los de cada persona (OPENWRIGHT_SYSTEM_DATA).</translation>
    </message>
    <message>
        <source>What opens PDF files and email links.</source>
        <translation>Qué abre los archivos PDF y los enlaces de correo electrónico.</translation>
    </message>
    <message>
        <source>Why Markdown files open where they do: every list the system reads, in its order.</source>
        <translation>Por qué los archivos Markdown se abren donde se abren: cada lista que lee el sistema, en su orden.</translation>
    </message>
    <message>
        <source>Make Firefox the web browser: links, secure links and web pages together.</source>
        <translation>Hacer de Firefox el navegador web: enlaces, enlaces seguros y páginas web a la vez.</translation>
    </message>
    <message>
        <source>Make VLC the default for every video type it declares.</source>
        <translation>Hacer de VLC la predeterminada para todos los tipos de vídeo que declara.</translation>
    </message>
    <message>
        <source>Ask in a script whether Thunderbird opens email links.</source>
        <translation>Preguntar en un script si Thunderbird abre los enlaces de correo electrónico.</translation>
    </message>
    <message>
        <source>Write the profile Work to a file, to import elsewhere.</source>
        <translation>Escribir el perfil Work en un archivo, para importarlo en otro lugar.</translation>
    </message>
    <message>
        <source>The same answer as one JSON document, for scripts.</source>
        <translation>La misma respuesta como un único documento JSON, para scripts.</translation>
    </message>
    <message>
        <source>Done.</source>
        <translation>Hecho.</translation>
    </message>
    <message>
        <source>A change did not succeed, or the command could not be carried out.</source>
        <translation>Un cambio no tuvo éxito, o no se pudo llevar a cabo la orden.</translation>
    </message>
    <message>
        <source>Bad input: an unknown command or option, text that is not a type, a type the system does not recognise, or an unknown or ambiguous application or name.</source>
        <translation>Entrada incorrecta: una orden u opción desconocida, un texto que no es un tipo, un tipo que el sistema no reconoce, o una aplicación o un nombre desconocidos o ambiguos.</translation>
    </message>
    <message>
        <source>SYNOPSIS</source>
        <translation>SINOPSIS</translation>
    </message>
    <message>
        <source>DESCRIPTION</source>
        <translation>DESCRIPCIÓN</translation>
    </message>
    <message>
        <source>COMMANDS</source>
        <translation>ÓRDENES</translation>
    </message>
    <message>
        <source>ARGUMENTS</source>
        <translation>ARGUMENTOS</translation>
    </message>
    <message>
        <source>OPTIONS</source>
        <translation>OPCIONES</translation>
    </message>
    <message>
        <source>EXIT STATUS</source>
        <translation>ESTADO DE SALIDA</translation>
    </message>
    <message>
        <source>ENVIRONMENT</source>
        <translation>ENTORNO</translation>
    </message>
    <message>
        <source>FILES</source>
        <translation>ARCHIVOS</translation>
    </message>
    <message>
        <source>EXAMPLES</source>
        <translation>EJEMPLOS</translation>
    </message>
    <message>
        <source>SEE ALSO</source>
        <translation>VÉASE TAMBIÉN</translation>
    </message>
    <message>
        <source>Usage:</source>
        <translation>Modo de empleo:</translation>
    </message>
    <message>
        <source>Commands:</source>
        <translation>Órdenes:</translation>
    </message>
    <message>
        <source>Arguments:</source>
        <translation>Argumentos:</translation>
    </message>
    <message>
        <source>Options:</source>
        <translation>Opciones:</translation>
    </message>
    <message>
        <source>Exit status:</source>
        <translation>Estado de salida:</translation>
    </message>
    <message>
        <source>See &quot;%1&quot; for one command.</source>
        <translation>Consulte «%1» para una sola orden.</translation>
    </message>
    <message>
        <source>User Commands</source>
        <translation>Órdenes de usuario</translation>
    </message>
    <message>
        <source>show and change which application opens each file and link type</source>
        <translation>muestra y cambia qué aplicación abre cada tipo de archivo y de enlace</translation>
    </message>
    <message>
        <source>Open a file or link, or show what each program would start for it</source>
        <translation>Abrir un archivo o enlace, o mostrar qué iniciaría cada programa para él</translation>
    </message>
    <message>
        <source>Opens LOCATION as GTK programs do. With --dry-run, starts nothing and prints what each program that opens files here would start for it, and why: GTK programs (GIO), KDE programs where KDE&apos;s libraries are installed, and xdg-open as it hands over on this desktop or decides by itself.</source>
        <translation>Abre LOCATION como lo hacen los programas GTK. Con --dry-run, no inicia nada y muestra qué iniciaría para él cada programa que abre archivos aquí, y por qué: los programas GTK (GIO), los programas KDE donde estén instaladas las bibliotecas de KDE, y xdg-open según delegue en este escritorio o decida por sí mismo.</translation>
    </message>
    <message>
        <source>Make every program open each TARGET alike</source>
        <translation>Hacer que todos los programas abran cada TARGET del mismo modo</translation>
    </message>
    <message>
        <source>Where the programs that open files here would start different applications for a TARGET (GTK programs, KDE programs, xdg-open), writes what GTK programs start now as the TARGET&apos;s explicit default, which each of them honours. Without TARGETs, every type Openwright watches where they differ. While automatic backups are on, the current defaults are backed up first. Prints each TARGET and its outcome; exits with 1 when one still opens differently.</source>
        <translation>Cuando los programas que abren archivos aquí iniciarían aplicaciones distintas para un TARGET (programas GTK, programas KDE, xdg-open), escribe lo que inician ahora los programas GTK como predeterminada explícita del TARGET, que cada uno de ellos respeta. Sin TARGETs, todos los tipos que vigila Openwright en los que difieren. Mientras las copias de seguridad automáticas estén activadas, antes se hace una copia de seguridad de las predeterminadas actuales. Muestra cada TARGET y su resultado; sale con 1 si alguno aún se abre distinto.</translation>
    </message>
    <message>
        <source>A file (./report.pdf, relative to the current folder) or a link (https://example.org, mailto:ann@example.org).</source>
        <translation>Un archivo (./report.pdf, relativo a la carpeta actual) o un enlace (https://example.org, mailto:ann@example.org).</translation>
    </message>
    <message>
        <source>With open: say what each program would start, and start nothing.</source>
        <translation>Con open: indicar qué iniciaría cada programa, sin iniciar nada.</translation>
    </message>
</context>
<context>
    <name>openwright::AppModel</name>
    <message>
        <source>Added %1 to your applications</source>
        <translation>%1 añadida a sus aplicaciones</translation>
    </message>
    <message>
        <source>Clean Up</source>
        <translation>Limpiar</translation>
    </message>
    <message>
        <source>%1 for %2</source>
        <translation>%1 para %2</translation>
    </message>
    <message>
        <source>The order of %1</source>
        <translation>El orden de %1</translation>
    </message>
</context>
<context>
    <name>openwright::Notifier</name>
    <message>
        <source>%1 default put back</source>
        <translation>Aplicación predeterminada para %1 revertida</translation>
    </message>
    <message>
        <source>%1 default changed</source>
        <translation>Aplicación predeterminada para %1 cambiada</translation>
    </message>
    <message>
        <source>no app</source>
        <translation>ninguna aplicación</translation>
    </message>
    <message>
        <source>%1 took over again, three times in a minute. Openwright stopped putting %2 back; Revert when the other program is done.</source>
        <translation>%1 volvió a quedarse con el tipo, tres veces en un minuto. Openwright dejó de revertir a %2; pulse Revertir cuando el otro programa termine.</translation>
    </message>
    <message>
        <source>%1 replaced %2. Revert to keep %2.</source>
        <translation>%1 reemplazó a %2. Pulse Revertir para mantener %2.</translation>
    </message>
    <message>
        <source>1 second</source>
        <translation>1 segundo</translation>
    </message>
    <message>
        <source>%1 seconds</source>
        <translation>%1 segundos</translation>
    </message>
    <message>
        <source>1 minute</source>
        <translation>1 minuto</translation>
    </message>
    <message>
        <source>%1 minutes</source>
        <translation>%1 minutos</translation>
    </message>
    <message>
        <source>1 hour</source>
        <translation>1 hora</translation>
    </message>
    <message>
        <source>%1 hours</source>
        <translation>%1 horas</translation>
    </message>
    <message>
        <source>Probably %1, which started %2 before</source>
        <translation>Probablemente %1, que se inició %2 antes</translation>
    </message>
    <message>
        <source>Probably %1, installed or updated %2 before</source>
        <translation>Probablemente %1, instalado o actualizado %2 antes</translation>
    </message>
    <message>
        <source>Allow</source>
        <translation>Permitir</translation>
    </message>
    <message>
        <source>Revert</source>
        <translation>Revertir</translation>
    </message>
    <message>
        <source>Openwright keeps guarding</source>
        <translation>Openwright sigue vigilando</translation>
    </message>
    <message>
        <source>Your defaults are still watched with the window closed. To quit, open Openwright again and choose File → Quit.</source>
        <translation>Sus aplicaciones predeterminadas se siguen vigilando con la ventana cerrada. Para salir, abra Openwright de nuevo y elija Archivo → Salir.</translation>
    </message>
    <message>
        <source>%1 replaced %2. Openwright put %2 back. Choose Allow to keep %1.</source>
        <translation>%1 reemplazó a %2. Openwright revirtió a %2. Pulse Permitir para mantener %1.</translation>
    </message>
    <message>
        <source>%1 opens differently in KDE programs</source>
        <translation>%1 se abre de otra forma en los programas de KDE</translation>
    </message>
    <message>
        <source>%1 opens differently with xdg-open</source>
        <translation>%1 se abre de otra forma con xdg-open</translation>
    </message>
    <message>
        <source>KDE programs opened it in %1. Openwright made every program open %2 again. Choose Allow to open it in %1 everywhere.</source>
        <translation>Los programas de KDE lo abrían en %1. Openwright hizo que todos los programas vuelvan a abrir %2. Elija Permitir para abrirlo en %1 en todas partes.</translation>
    </message>
    <message>
        <source>xdg-open opened it in %1. Openwright made every program open %2 again. Choose Allow to open it in %1 everywhere.</source>
        <translation>xdg-open lo abría en %1. Openwright hizo que todos los programas vuelvan a abrir %2. Elija Permitir para abrirlo en %1 en todas partes.</translation>
    </message>
    <message>
        <source>KDE programs now open it in %1, not %2. Revert to make every program open %2.</source>
        <translation>Los programas de KDE ahora lo abren en %1, no en %2. Revierta para que todos los programas abran %2.</translation>
    </message>
    <message>
        <source>xdg-open now opens it in %1, not %2. Revert to make every program open %2.</source>
        <translation>xdg-open ahora lo abre en %1, no en %2. Revierta para que todos los programas abran %2.</translation>
    </message>
</context>
<context>
    <name>openwright::Updater</name>
    <message>
        <source>The update feed is too large.</source>
        <translation>La fuente de actualizaciones es demasiado grande.</translation>
    </message>
    <message>
        <source>The update feed was not found (HTTP %1).</source>
        <translation>No se encontró la fuente de actualizaciones (HTTP %1).</translation>
    </message>
    <message>
        <source>The update server answered with an error (HTTP %1).</source>
        <translation>El servidor de actualizaciones respondió con un error (HTTP %1).</translation>
    </message>
    <message>
        <source>The update server did not answer in time.</source>
        <translation>El servidor de actualizaciones no respondió a tiempo.</translation>
    </message>
    <message>
        <source>The update feed redirects too often or to an unsafe address.</source>
        <translation>La fuente de actualizaciones redirige demasiadas veces o a una dirección no segura.</translation>
    </message>
    <message>
        <source>Could not reach the update server: %1</source>
        <translation>No se pudo contactar con el servidor de actualizaciones: %1</translation>
    </message>
    <message>
        <source>The update feed could not be read: it is not an RSS document.</source>
        <translation>No se pudo leer la fuente de actualizaciones: no es un documento RSS.</translation>
    </message>
    <message>
        <source>The update feed lists no releases.</source>
        <translation>La fuente de actualizaciones no incluye ninguna versión.</translation>
    </message>
    <message>
        <source>The update feed&apos;s signature is not valid.</source>
        <translation>La firma de la fuente de actualizaciones no es válida.</translation>
    </message>
    <message>
        <source>You&apos;re up to date.</source>
        <translation>Está al día.</translation>
    </message>
    <message>
        <source>Openwright %1 is available.</source>
        <translation>Openwright %1 está disponible.</translation>
    </message>
</context>
<context>
    <name>openwright::ui::AddTypeSheet</name>
    <message>
        <source>That doesn&apos;t look like an extension or link type.</source>
        <translation>Eso no parece una extensión ni un tipo de enlace.</translation>
    </message>
    <message>
        <source>Add a File Type or Link</source>
        <translation>Añadir un tipo de archivo o enlace</translation>
    </message>
    <message>
        <source>Type a file extension like &lt;b&gt;.log&lt;/b&gt; or a link type like &lt;b&gt;zoommtg:&lt;/b&gt; (ending with a colon).</source>
        <translation>Escriba una extensión como &lt;b&gt;.log&lt;/b&gt; o un tipo de enlace como &lt;b&gt;zoommtg:&lt;/b&gt; (terminado en dos puntos).</translation>
    </message>
    <message>
        <source>.extension or scheme:</source>
        <translation>.extensión o esquema:</translation>
    </message>
    <message>
        <source>File extension or link type</source>
        <translation>Extensión de archivo o tipo de enlace</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Añadir</translation>
    </message>
    <message>
        <source>Show</source>
        <translation>Mostrar</translation>
    </message>
    <message>
        <source>%1 is already in %2.</source>
        <translation>%1 ya está en %2.</translation>
    </message>
    <message>
        <source>The system does not recognise %1 files: no app can open them until a program you install describes them. Added, the type waits for one.</source>
        <translation>El sistema no reconoce los archivos %1: ninguna aplicación puede abrirlos hasta que un programa que instale los describa. Una vez añadido, el tipo espera a que ocurra.</translation>
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
        <translation>Patrones</translation>
    </message>
    <message>
        <source>Opens With</source>
        <translation>Se abre con</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Estado</translation>
    </message>
    <message>
        <source>No patterns</source>
        <translation>Sin patrones</translation>
    </message>
    <message>
        <source>No default</source>
        <translation>Sin predeterminada</translation>
    </message>
    <message>
        <source>Unknown</source>
        <translation>Desconocido</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <source>All Types</source>
        <translation>Todos los tipos</translation>
    </message>
    <message>
        <source>Filter by description, MIME type, pattern or app</source>
        <translation>Filtre por descripción, tipo MIME, patrón o aplicación</translation>
    </message>
    <message>
        <source>Filter types</source>
        <translation>Filtrar tipos</translation>
    </message>
    <message>
        <source>Reading every type…</source>
        <translation>Leyendo todos los tipos…</translation>
    </message>
    <message>
        <source>The system&apos;s MIME database and every installed application are read once.</source>
        <translation>La base de datos MIME del sistema y cada aplicación instalada se leen una vez.</translation>
    </message>
    <message>
        <source>All types</source>
        <translation>Todos los tipos</translation>
    </message>
</context>
<context>
    <name>openwright::ui::AppChooser</name>
    <message>
        <source>Applications (*.desktop)</source>
        <translation>Aplicaciones (*.desktop)</translation>
    </message>
    <message>
        <source>Use as Default</source>
        <translation>Usar como predeterminada</translation>
    </message>
    <message>
        <source>Choose Another App</source>
        <translation>Elegir otra aplicación</translation>
    </message>
    <message>
        <source>Search applications</source>
        <translation>Buscar aplicaciones</translation>
    </message>
    <message>
        <source>Looking for applications…</source>
        <translation>Buscando aplicaciones…</translation>
    </message>
    <message>
        <source>Applications</source>
        <translation>Aplicaciones</translation>
    </message>
    <message>
        <source>Browse…</source>
        <translation>Examinar…</translation>
    </message>
    <message>
        <source>Choose an application&apos;s .desktop file from another folder</source>
        <translation>Elegir el archivo .desktop de una aplicación de otra carpeta</translation>
    </message>
    <message>
        <source>Replace the Installed App?</source>
        <translation>¿Reemplazar la aplicación instalada?</translation>
    </message>
    <message>
        <source>An app with the ID “%1” is already installed. Replace it with the one you chose?</source>
        <translation>Ya hay instalada una aplicación con el ID «%1». ¿Reemplazarla por la que eligió?</translation>
    </message>
    <message>
        <source>Replace</source>
        <translation>Reemplazar</translation>
    </message>
    <message>
        <source>Choose the app that should open %1</source>
        <translation>Elija la aplicación que debe abrir %1</translation>
    </message>
    <message>
        <source>Made for %1</source>
        <translation>Hecha para %1</translation>
    </message>
</context>
<context>
    <name>openwright::ui::AppIconView</name>
    <message>
        <source>No application</source>
        <translation>Ninguna aplicación</translation>
    </message>
</context>
<context>
    <name>openwright::ui::AppPicker</name>
    <message>
        <source>Loading…</source>
        <translation>Cargando…</translation>
    </message>
    <message>
        <source>No default</source>
        <translation>Sin predeterminada</translation>
    </message>
    <message>
        <source>Choose the app for %1 (%2)</source>
        <translation>Elegir la aplicación para %1 (%2)</translation>
    </message>
    <message>
        <source>No apps can open this</source>
        <translation>Ninguna aplicación puede abrir esto</translation>
    </message>
    <message>
        <source>Choose Another App…</source>
        <translation>Elegir otra aplicación…</translation>
    </message>
    <message>
        <source>Why this app?</source>
        <translation>¿Por qué esta aplicación?</translation>
    </message>
    <message>
        <source>Reset to System Default</source>
        <translation>Restablecer la predeterminada del sistema</translation>
    </message>
    <message numerus="yes">
        <source>Choose Another App… shows %n more</source>
        <translation>
            <numerusform>«Elegir otra aplicación…» muestra %n más</numerusform>
            <numerusform>«Elegir otra aplicación…» muestra %n más</numerusform>
        </translation>
    </message>
    <message>
        <source>Order Apps…</source>
        <translation>Ordenar aplicaciones…</translation>
    </message>
</context>
<context>
    <name>openwright::ui::ApplicationHits</name>
    <message>
        <source>Applications:</source>
        <translation>Aplicaciones:</translation>
    </message>
    <message>
        <source>Show the types %1 opens</source>
        <translation>Mostrar los tipos que abre %1</translation>
    </message>
    <message>
        <source>and %1 more</source>
        <translation>y %1 más</translation>
    </message>
</context>
<context>
    <name>openwright::ui::ApplicationPage</name>
    <message>
        <source>%1 declares no types in its desktop entry, so Openwright sets it for none. You can still choose it for a type from that type&apos;s list.</source>
        <translation>%1 no declara tipos en su entrada de escritorio, así que Openwright no la establece para ninguno. Aún puede elegirla para un tipo desde la lista de ese tipo.</translation>
    </message>
    <message>
        <source>Use for All</source>
        <translation>Usar para todos</translation>
    </message>
    <message>
        <source>Make %1 the default for every type it declares</source>
        <translation>Hacer %1 predeterminada para cada tipo que declara</translation>
    </message>
    <message>
        <source>%1 of %2 open in %3</source>
        <translation>%1 de %2 se abren en %3</translation>
    </message>
    <message>
        <source>Use for All %1</source>
        <translation>Usar para todo: %1</translation>
    </message>
    <message>
        <source>Default</source>
        <translation>Predeterminada</translation>
    </message>
    <message>
        <source>No application</source>
        <translation>Ninguna aplicación</translation>
    </message>
    <message>
        <source>Use for This Type</source>
        <translation>Usar para este tipo</translation>
    </message>
    <message>
        <source>Use %1 for %2</source>
        <translation>Usar %1 para %2</translation>
    </message>
    <message numerus="yes">
        <source>Declares %n types</source>
        <translation>
            <numerusform>Declara %n tipo</numerusform>
            <numerusform>Declara %n tipos</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>default for %n types</source>
        <translation>
            <numerusform>predeterminada para %n tipo</numerusform>
            <numerusform>predeterminada para %n tipos</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>openwright::ui::ApplicationsView</name>
    <message>
        <source>Not a default</source>
        <translation>No es predeterminada</translation>
    </message>
    <message>
        <source>Applications</source>
        <translation>Aplicaciones</translation>
    </message>
    <message>
        <source>Search applications</source>
        <translation>Buscar aplicaciones</translation>
    </message>
    <message>
        <source>No Application Selected</source>
        <translation>Ninguna aplicación seleccionada</translation>
    </message>
    <message>
        <source>Choose an application to see the types it opens, and make it the default for all of them or for a whole family.</source>
        <translation>Elija una aplicación para ver los tipos que abre y hacerla predeterminada para todos ellos o para toda una familia.</translation>
    </message>
    <message>
        <source>Types the application opens</source>
        <translation>Tipos que abre la aplicación</translation>
    </message>
    <message numerus="yes">
        <source>Default for %n types</source>
        <translation>
            <numerusform>Predeterminada para %n tipo</numerusform>
            <numerusform>Predeterminada para %n tipos</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>openwright::ui::BackupRow</name>
    <message>
        <source>Restore…</source>
        <translation>Restaurar…</translation>
    </message>
    <message>
        <source>%1 from %2 %3</source>
        <translation>%1 del %2 %3</translation>
    </message>
    <message>
        <source>Restore %1</source>
        <translation>Restaurar %1</translation>
    </message>
    <message>
        <source>Delete this backup</source>
        <translation>Eliminar esta copia de seguridad</translation>
    </message>
    <message>
        <source>Delete %1</source>
        <translation>Eliminar %1</translation>
    </message>
    <message>
        <source>Same as now</source>
        <translation>Igual que ahora</translation>
    </message>
    <message numerus="yes">
        <source>%n defaults</source>
        <translation>
            <numerusform>%n predeterminada</numerusform>
            <numerusform>%n predeterminadas</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n different from now</source>
        <translation>
            <numerusform>%n diferencia con ahora</numerusform>
            <numerusform>%n diferencias con ahora</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>openwright::ui::BackupsView</name>
    <message>
        <source>Backups</source>
        <translation>Copias de seguridad</translation>
    </message>
    <message>
        <source>Back Up Now</source>
        <translation>Hacer copia ahora</translation>
    </message>
    <message>
        <source>Save your current defaults</source>
        <translation>Guardar sus aplicaciones predeterminadas actuales</translation>
    </message>
    <message>
        <source>No Backups Yet</source>
        <translation>Aún no hay copias</translation>
    </message>
    <message>
        <source>Back up your defaults before trying a profile or installing new apps, so you can put everything back.</source>
        <translation>Haga una copia de sus aplicaciones predeterminadas antes de probar un perfil o instalar aplicaciones nuevas, para poder dejarlo todo como estaba.</translation>
    </message>
</context>
<context>
    <name>openwright::ui::CategoryListView</name>
    <message>
        <source>Add Type</source>
        <translation>Añadir tipo</translation>
    </message>
    <message>
        <source>Add any file extension or link type</source>
        <translation>Añadir cualquier extensión de archivo o tipo de enlace</translation>
    </message>
    <message>
        <source>Add a File Type or Link…</source>
        <translation>Añadir un tipo de archivo o enlace…</translation>
    </message>
    <message>
        <source>Remove from My File Types</source>
        <translation>Quitar de Mis tipos de archivo</translation>
    </message>
</context>
<context>
    <name>openwright::ui::CategoryRow</name>
    <message>
        <source>Unpin %1</source>
        <translation>Desfijar %1</translation>
    </message>
    <message>
        <source>Pin %1</source>
        <translation>Fijar %1</translation>
    </message>
    <message>
        <source>Default Guard is watching this default</source>
        <translation>El Guardián vigila esta aplicación predeterminada</translation>
    </message>
    <message>
        <source>Pin to get alerted if another app takes it over</source>
        <translation>Fíjela para recibir un aviso si otra aplicación se la queda</translation>
    </message>
    <message>
        <source>No installed app can open %1</source>
        <translation>Ninguna aplicación instalada puede abrir %1</translation>
    </message>
</context>
<context>
    <name>openwright::ui::ChangeRow</name>
    <message>
        <source>No default</source>
        <translation>Sin predeterminada</translation>
    </message>
    <message>
        <source>Changed in %1</source>
        <translation>Cambiado en %1</translation>
    </message>
    <message>
        <source>Handled</source>
        <translation>Resuelto</translation>
    </message>
    <message>
        <source>Revert</source>
        <translation>Revertir</translation>
    </message>
    <message>
        <source>Revert %1 to %2</source>
        <translation>Revertir %1 a %2</translation>
    </message>
    <message>
        <source>Keep</source>
        <translation>Mantener</translation>
    </message>
    <message>
        <source>Keep %1 for %2</source>
        <translation>Mantener %1 para %2</translation>
    </message>
    <message>
        <source>Taken over three times in a minute: the guard stopped putting it back</source>
        <translation>Se la quedaron tres veces en un minuto: el Guardián dejó de revertirla</translation>
    </message>
    <message>
        <source>Put back</source>
        <translation>Revertido</translation>
    </message>
    <message>
        <source>Allowed</source>
        <translation>Permitido</translation>
    </message>
    <message>
        <source>Allow</source>
        <translation>Permitir</translation>
    </message>
    <message>
        <source>Allow %1 for %2</source>
        <translation>Permitir %1 para %2</translation>
    </message>
    <message>
        <source>Only in KDE programs: the default is still %1</source>
        <translation>Solo en los programas de KDE: el predeterminado sigue siendo %1</translation>
    </message>
    <message>
        <source>Only with xdg-open: the default is still %1</source>
        <translation>Solo con xdg-open: el predeterminado sigue siendo %1</translation>
    </message>
</context>
<context>
    <name>openwright::ui::CleanUpSheet</name>
    <message>
        <source>Clean Up</source>
        <translation>Limpiar</translation>
    </message>
    <message>
        <source>Clean Up Your Defaults Files</source>
        <translation>Limpiar sus archivos de predeterminadas</translation>
    </message>
    <message>
        <source>Fix Selected</source>
        <translation>Corregir lo seleccionado</translation>
    </message>
    <message>
        <source>Fix: %1</source>
        <translation>Corrección: %1</translation>
    </message>
    <message>
        <source>No problems in your defaults files.</source>
        <translation>No hay problemas en sus archivos de predeterminadas.</translation>
    </message>
    <message>
        <source>Fixed %1</source>
        <translation>Corregido: %1</translation>
    </message>
    <message>
        <source>The old file is kept as %1</source>
        <translation>El archivo antiguo se guarda como %1</translation>
    </message>
    <message>
        <source>Not fixed: %1</source>
        <translation>No corregido: %1</translation>
    </message>
    <message>
        <source>Left alone: %1 no longer found, as the files changed meanwhile.</source>
        <translation>Problemas sin tocar (los archivos cambiaron entretanto y ya no los muestran): %1.</translation>
    </message>
    <message>
        <source>Nothing was changed.</source>
        <translation>No se cambió nada.</translation>
    </message>
    <message>
        <source>Each changed file is first copied beside itself, and your defaults are backed up. A fix changes which app opens a type only where it says so; one whose effect cannot be told beforehand is not selected.</source>
        <translation>Cada archivo cambiado se copia antes a su lado, y se hace una copia de seguridad de sus aplicaciones predeterminadas. Una corrección cambia qué aplicación abre un tipo solo donde lo dice; la que no puede predecirse no se selecciona.</translation>
    </message>
    <message>
        <source>Problems found</source>
        <translation>Problemas encontrados</translation>
    </message>
</context>
<context>
    <name>openwright::ui::DropInspector</name>
    <message>
        <source>What opens this file?</source>
        <translation>¿Qué abre este archivo?</translation>
    </message>
    <message>
        <source>Drop any file onto this window to see and change which app opens it</source>
        <translation>Arrastre cualquier archivo a esta ventana para ver y cambiar qué aplicación lo abre</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Borrar</translation>
    </message>
    <message>
        <source>Add %1 to My File Types</source>
        <translation>Añadir %1 a Mis tipos de archivo</translation>
    </message>
    <message>
        <source>Clear %1</source>
        <translation>Borrar %1</translation>
    </message>
</context>
<context>
    <name>openwright::ui::GuardView</name>
    <message>
        <source>Stop watching</source>
        <translation>Dejar de vigilar</translation>
    </message>
    <message>
        <source>Stop watching %1</source>
        <translation>Dejar de vigilar %1</translation>
    </message>
    <message>
        <source>No default</source>
        <translation>Sin predeterminada</translation>
    </message>
    <message>
        <source>Default Guard</source>
        <translation>Guardián de predeterminadas</translation>
    </message>
    <message>
        <source>Check Now</source>
        <translation>Comprobar ahora</translation>
    </message>
    <message>
        <source>Check for changed defaults now</source>
        <translation>Comprobar ahora si han cambiado las predeterminadas</translation>
    </message>
    <message>
        <source>Checks your defaults in the background. When an app takes over a pinned default, you get a notification with a Revert button.</source>
        <translation>Comprueba sus aplicaciones predeterminadas en segundo plano. Cuando una aplicación se queda con una predeterminada fijada, recibe una notificación con un botón Revertir.</translation>
    </message>
    <message>
        <source>Pinned types</source>
        <translation>Tipos fijados</translation>
    </message>
    <message>
        <source>Recent Changes</source>
        <translation>Cambios recientes</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Borrar</translation>
    </message>
    <message>
        <source>Clear recent changes</source>
        <translation>Borrar los cambios recientes</translation>
    </message>
    <message>
        <source>Recent changes</source>
        <translation>Cambios recientes</translation>
    </message>
    <message>
        <source>Pinned (%1)</source>
        <translation>Fijados (%1)</translation>
    </message>
    <message>
        <source>Click the pin next to any file type to watch it.</source>
        <translation>Pulse la chincheta junto a cualquier tipo de archivo para vigilarlo.</translation>
    </message>
    <message>
        <source>No changes spotted yet.</source>
        <translation>Aún no se ha detectado ningún cambio.</translation>
    </message>
    <message>
        <source>Always keep</source>
        <translation>Mantener siempre</translation>
    </message>
    <message>
        <source>Always keep %1</source>
        <translation>Mantener siempre %1</translation>
    </message>
    <message>
        <source>Put the app back at once when another program takes this type over</source>
        <translation>Revertir la aplicación al instante cuando otro programa se quede con este tipo</translation>
    </message>
</context>
<context>
    <name>openwright::ui::HealthCard</name>
    <message>
        <source>Health score</source>
        <translation>Puntuación de salud</translation>
    </message>
    <message>
        <source>The share of known file and link types that open in a specific app %1</source>
        <translation>La proporción de tipos de archivo y enlace conocidos que se abren en una aplicación concreta %1</translation>
    </message>
    <message>
        <source>Defaults Health</source>
        <translation>Salud de las predeterminadas</translation>
    </message>
    <message>
        <source>Everything has a home.</source>
        <translation>Todo tiene su sitio.</translation>
    </message>
    <message numerus="yes">
        <source>%n types need attention</source>
        <translation>
            <numerusform>%n tipo necesita atención</numerusform>
            <numerusform>%n tipos necesitan atención</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>openwright::ui::HistoryHeader</name>
    <message>
        <source>Automatic Backup History</source>
        <translation>Historial de copias automáticas</translation>
    </message>
    <message>
        <source>Backs up before every profile, restore and Guard revert, and once a day. Unchanged days are skipped; automatic backups are kept for 30 days.</source>
        <translation>Hace una copia antes de cada perfil, restauración y reversión del Guardián, y una vez al día. Los días sin cambios se omiten; las copias automáticas se guardan 30 días.</translation>
    </message>
</context>
<context>
    <name>openwright::ui::IssueRow</name>
    <message>
        <source>No installed app can open %1. Install one, or ignore it if you never use it.</source>
        <translation>Ninguna aplicación instalada puede abrir %1. Instale una, o ignórelo si nunca lo usa.</translation>
    </message>
    <message>
        <source>Several apps can open it, but none is the default.</source>
        <translation>Varias aplicaciones pueden abrirlo, pero ninguna es la predeterminada.</translation>
    </message>
    <message>
        <source>Set to %1, which is no longer installed.</source>
        <translation>Establecida en %1, que ya no está instalada.</translation>
    </message>
    <message>
        <source>Show</source>
        <translation>Mostrar</translation>
    </message>
    <message>
        <source>Show %1</source>
        <translation>Mostrar %1</translation>
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
        <translation>&amp;Archivo</translation>
    </message>
    <message>
        <source>Refresh Defaults</source>
        <translation>Volver a leer las predeterminadas</translation>
    </message>
    <message>
        <source>Back Up Now</source>
        <translation>Hacer copia ahora</translation>
    </message>
    <message>
        <source>Settings…</source>
        <translation>Preferencias…</translation>
    </message>
    <message>
        <source>Close Window</source>
        <translation>Cerrar ventana</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Salir</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Editar</translation>
    </message>
    <message>
        <source>Find Type</source>
        <translation>Buscar tipo</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>A&amp;yuda</translation>
    </message>
    <message>
        <source>About Openwright</source>
        <translation>Acerca de Openwright</translation>
    </message>
    <message>
        <source>&lt;h3&gt;Openwright %1&lt;/h3&gt;&lt;p&gt;Shows and changes which application opens each kind of file and link, and keeps them that way.&lt;/p&gt;</source>
        <translation>&lt;h3&gt;Openwright %1&lt;/h3&gt;&lt;p&gt;Muestra y cambia qué aplicación abre cada tipo de archivo y enlace, y hace que siga así.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>Check for Updates…</source>
        <translation>Buscar actualizaciones…</translation>
    </message>
</context>
<context>
    <name>openwright::ui::OpenwrightApp</name>
    <message>
        <source>Openwright keeps guarding your default applications with its window closed.</source>
        <translation>Openwright sigue vigilando sus aplicaciones predeterminadas con la ventana cerrada.</translation>
    </message>
</context>
<context>
    <name>openwright::ui::OrderSheet</name>
    <message>
        <source>Move Up</source>
        <translation>Subir</translation>
    </message>
    <message>
        <source>Move Down</source>
        <translation>Bajar</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Quitar</translation>
    </message>
    <message>
        <source>Order Apps</source>
        <translation>Ordenar aplicaciones</translation>
    </message>
    <message>
        <source>The apps offered for %1</source>
        <translation>Las aplicaciones ofrecidas para %1</translation>
    </message>
    <message>
        <source>The system tries them in this order: the first is the default. An app you remove is no longer offered for it, until you give it back.</source>
        <translation>El sistema las prueba en este orden: la primera es la predeterminada. Una aplicación que quite deja de ofrecerse para ello hasta que la devuelva.</translation>
    </message>
    <message>
        <source>Apps offered for %1</source>
        <translation>Aplicaciones ofrecidas para %1</translation>
    </message>
    <message>
        <source>%1 (removed)</source>
        <translation>%1 (quitada)</translation>
    </message>
    <message>
        <source>Give Back</source>
        <translation>Devolver</translation>
    </message>
    <message>
        <source>In bold: the apps made for it. The others open it as a parent type.</source>
        <translation>En negrita: las aplicaciones hechas para él. Las demás lo abren como tipo padre.</translation>
    </message>
</context>
<context>
    <name>openwright::ui::OverviewView</name>
    <message>
        <source>Reading your defaults…</source>
        <translation>Leyendo sus aplicaciones predeterminadas…</translation>
    </message>
    <message>
        <source>Overview</source>
        <translation>Resumen</translation>
    </message>
    <message>
        <source>Types with a default</source>
        <translation>Tipos con predeterminada</translation>
    </message>
    <message>
        <source>Backups</source>
        <translation>Copias de seguridad</translation>
    </message>
    <message>
        <source>Changes spotted by Guard</source>
        <translation>Cambios detectados por el Guardián</translation>
    </message>
    <message>
        <source>Needs attention</source>
        <translation>Necesita atención</translation>
    </message>
    <message>
        <source>Clean Up…</source>
        <translation>Limpiar…</translation>
    </message>
    <message numerus="yes">
        <source>%n problems in your defaults files</source>
        <translation>
            <numerusform>%n problema en sus archivos de aplicaciones predeterminadas</numerusform>
            <numerusform>%n problemas en sus archivos de aplicaciones predeterminadas</numerusform>
        </translation>
    </message>
    <message>
        <source>Make every program agree</source>
        <translation>Igualar todos los programas</translation>
    </message>
    <message numerus="yes">
        <source>%n types open differently in other programs</source>
        <translation>
            <numerusform>%n tipo se abre distinto en otros programas</numerusform>
            <numerusform>%n tipos se abren distinto en otros programas</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>openwright::ui::ProfileCard</name>
    <message>
        <source>Preset</source>
        <translation>Preajuste</translation>
    </message>
    <message>
        <source>%1 of %2 to change</source>
        <translation>%1 de %2 por cambiar</translation>
    </message>
    <message>
        <source>All set</source>
        <translation>Todo listo</translation>
    </message>
</context>
<context>
    <name>openwright::ui::ProfileSheet</name>
    <message>
        <source>Steps</source>
        <translation>Pasos</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>%1 of %2 changed.</source>
        <translation>%1 de %2 cambiados.</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Hecho</translation>
    </message>
    <message numerus="yes">
        <source>%n defaults</source>
        <translation>
            <numerusform>%n predeterminada</numerusform>
            <numerusform>%n predeterminadas</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n already set</source>
        <translation>
            <numerusform>%n ya establecida</numerusform>
            <numerusform>%n ya establecidas</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Restore %n Defaults</source>
        <translation>
            <numerusform>Restaurar %n predeterminada</numerusform>
            <numerusform>Restaurar %n predeterminadas</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Apply %n Changes</source>
        <translation>
            <numerusform>Aplicar %n cambio</numerusform>
            <numerusform>Aplicar %n cambios</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>openwright::ui::ProfilesView</name>
    <message>
        <source>JSON files (*.json)</source>
        <translation>Archivos JSON (*.json)</translation>
    </message>
    <message>
        <source>Profiles</source>
        <translation>Perfiles</translation>
    </message>
    <message>
        <source>Save Current as Profile</source>
        <translation>Guardar lo actual como perfil</translation>
    </message>
    <message>
        <source>Save your current defaults as a profile</source>
        <translation>Guardar sus aplicaciones predeterminadas actuales como perfil</translation>
    </message>
    <message>
        <source>Import &amp; Export</source>
        <translation>Importar y exportar</translation>
    </message>
    <message>
        <source>Import Profiles…</source>
        <translation>Importar perfiles…</translation>
    </message>
    <message>
        <source>Export My Profiles…</source>
        <translation>Exportar mis perfiles…</translation>
    </message>
    <message>
        <source>Export…</source>
        <translation>Exportar…</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Eliminar</translation>
    </message>
    <message>
        <source>Export failed: %1</source>
        <translation>Error al exportar: %1</translation>
    </message>
    <message>
        <source>Save Current Defaults</source>
        <translation>Guardar las predeterminadas actuales</translation>
    </message>
    <message>
        <source>Profile name</source>
        <translation>Nombre del perfil</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Guardar</translation>
    </message>
    <message>
        <source>My Profile</source>
        <translation>Mi perfil</translation>
    </message>
    <message numerus="yes">
        <source>Exported %n profile(s).</source>
        <translation>
            <numerusform>%n perfil exportado.</numerusform>
            <numerusform>%n perfiles exportados.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Imported %n profile(s).</source>
        <translation>
            <numerusform>%n perfil importado.</numerusform>
            <numerusform>%n perfiles importados.</numerusform>
        </translation>
    </message>
    <message>
        <source>Deleted “%1”.</source>
        <translation>Se eliminó «%1».</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Deshacer</translation>
    </message>
</context>
<context>
    <name>openwright::ui::RootView</name>
    <message>
        <source>Search types, e.g. .md or browser</source>
        <translation>Buscar tipos, p. ej. .md o navegador</translation>
    </message>
    <message>
        <source>Search types</source>
        <translation>Buscar tipos</translation>
    </message>
    <message>
        <source>Refresh</source>
        <translation>Actualizar</translation>
    </message>
    <message>
        <source>Re-read all defaults (Ctrl+R)</source>
        <translation>Volver a leer todas las predeterminadas (Ctrl+R)</translation>
    </message>
    <message>
        <source>Openwright could not save its data: %1</source>
        <translation>Openwright no pudo guardar sus datos: %1</translation>
    </message>
    <message>
        <source>No file types match</source>
        <translation>Ningún tipo de archivo coincide</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>Buscar</translation>
    </message>
    <message>
        <source>Nothing here yet.</source>
        <translation>Aún no hay nada aquí.</translation>
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
        <translation>%1 segundos</translation>
    </message>
    <message>
        <source>General</source>
        <translation>General</translation>
    </message>
    <message>
        <source>Open at login</source>
        <translation>Abrir al iniciar sesión</translation>
    </message>
    <message>
        <source>Updates</source>
        <translation>Actualizaciones</translation>
    </message>
    <message>
        <source>Check for updates automatically</source>
        <translation>Buscar actualizaciones automáticamente</translation>
    </message>
    <message>
        <source>Check Now</source>
        <translation>Comprobar ahora</translation>
    </message>
    <message>
        <source>Default Guard</source>
        <translation>Guardián de predeterminadas</translation>
    </message>
    <message>
        <source>Watch for changed defaults</source>
        <translation>Vigilar cambios en las predeterminadas</translation>
    </message>
    <message>
        <source>Check every</source>
        <translation>Comprobar cada</translation>
    </message>
    <message>
        <source>30 seconds</source>
        <translation>30 segundos</translation>
    </message>
    <message>
        <source>5 minutes</source>
        <translation>5 minutos</translation>
    </message>
    <message>
        <source>15 minutes</source>
        <translation>15 minutos</translation>
    </message>
    <message>
        <source>Openwright also checks whenever an app launches or quits.</source>
        <translation>Openwright también comprueba cada vez que una aplicación se abre o se cierra.</translation>
    </message>
    <message numerus="yes">
        <source>%n minutes</source>
        <translation>
            <numerusform>%n minuto</numerusform>
            <numerusform>%n minutos</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n seconds</source>
        <translation>
            <numerusform>%n segundo</numerusform>
            <numerusform>%n segundos</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>openwright::ui::SettingsWindow</name>
    <message>
        <source>Settings</source>
        <translation>Preferencias</translation>
    </message>
</context>
<context>
    <name>openwright::ui::Sidebar</name>
    <message>
        <source>Sidebar</source>
        <translation>Barra lateral</translation>
    </message>
</context>
<context>
    <name>openwright::ui::SidebarModel</name>
    <message>
        <source>Overview</source>
        <translation>Resumen</translation>
    </message>
    <message>
        <source>File &amp; Link Types</source>
        <translation>Tipos de archivo y enlace</translation>
    </message>
    <message>
        <source>Tools</source>
        <translation>Herramientas</translation>
    </message>
    <message>
        <source>Profiles</source>
        <translation>Perfiles</translation>
    </message>
    <message>
        <source>Backups</source>
        <translation>Copias de seguridad</translation>
    </message>
    <message>
        <source>Default Guard</source>
        <translation>Guardián de predeterminadas</translation>
    </message>
    <message>
        <source>Applications</source>
        <translation>Aplicaciones</translation>
    </message>
    <message>
        <source>All Types</source>
        <translation>Todos los tipos</translation>
    </message>
    <message numerus="yes">
        <source>%n changes wait</source>
        <translation>
            <numerusform>%n cambio pendiente</numerusform>
            <numerusform>%n cambios pendientes</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n types</source>
        <translation>
            <numerusform>%n tipo</numerusform>
            <numerusform>%n tipos</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>openwright::ui::Spinner</name>
    <message>
        <source>Working</source>
        <translation>Trabajando</translation>
    </message>
</context>
<context>
    <name>openwright::ui::StepRow</name>
    <message>
        <source>No default</source>
        <translation>Sin predeterminada</translation>
    </message>
    <message>
        <source>Already set</source>
        <translation>Ya establecida</translation>
    </message>
    <message>
        <source>%1 isn&apos;t installed</source>
        <translation>%1 no está instalada</translation>
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
        <translation>Abrir Openwright</translation>
    </message>
    <message>
        <source>Check now</source>
        <translation>Comprobar ahora</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Preferencias</translation>
    </message>
    <message>
        <source>Quit Openwright</source>
        <translation>Salir de Openwright</translation>
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
        <translation>Cambios recientes</translation>
    </message>
    <message>
        <source>Open Openwright</source>
        <translation>Abrir Openwright</translation>
    </message>
    <message>
        <source>Check now</source>
        <translation>Comprobar ahora</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Preferencias</translation>
    </message>
    <message>
        <source>Quit Openwright</source>
        <translation>Salir de Openwright</translation>
    </message>
    <message>
        <source>Health %1</source>
        <translation>Salud %1</translation>
    </message>
    <message>
        <source>Default Guard is off</source>
        <translation>El Guardián está desactivado</translation>
    </message>
    <message>
        <source>none</source>
        <translation>ninguno</translation>
    </message>
    <message>
        <source>Revert</source>
        <translation>Revertir</translation>
    </message>
    <message>
        <source>Revert %1 to %2</source>
        <translation>Revertir %1 a %2</translation>
    </message>
    <message numerus="yes">
        <source>Guard is watching %n pinned defaults</source>
        <translation>
            <numerusform>El Guardián vigila %n predeterminada fijada</numerusform>
            <numerusform>El Guardián vigila %n predeterminadas fijadas</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>openwright::ui::TypeHits</name>
    <message>
        <source>Other types:</source>
        <translation>Otros tipos:</translation>
    </message>
    <message numerus="yes">
        <source>All %n in All Types</source>
        <translation>
            <numerusform>El %n en Todos los tipos</numerusform>
            <numerusform>Los %n en Todos los tipos</numerusform>
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
        <translation>Abrir la página de descarga</translation>
    </message>
    <message>
        <source>Later</source>
        <translation>Más tarde</translation>
    </message>
</context>
<context>
    <name>openwright::ui::WhyPanel</name>
    <message>
        <source>Why this app?</source>
        <translation>¿Por qué esta aplicación?</translation>
    </message>
    <message>
        <source>Why %1 opens where it does</source>
        <translation>Por qué %1 se abre donde se abre</translation>
    </message>
    <message>
        <source>Reading the lists…</source>
        <translation>Leyendo las listas…</translation>
    </message>
    <message>
        <source>Explanation</source>
        <translation>Explicación</translation>
    </message>
    <message>
        <source>Type: %1</source>
        <translation>Tipo: %1</translation>
    </message>
    <message>
        <source>Where the system looked, in order</source>
        <translation>Dónde buscó el sistema, en orden</translation>
    </message>
    <message>
        <source>(decides)</source>
        <translation>(decide)</translation>
    </message>
    <message>
        <source>Skipped, not installed: %1</source>
        <translation>Omitida, no instalada: %1</translation>
    </message>
    <message>
        <source>Removed: %1</source>
        <translation>Quitada: %1</translation>
    </message>
</context>
</TS>
