<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_BR">
<context>
    <name>AppModel</name>
    <message numerus="yes">
        <source>%n defaults</source>
        <translation>
            <numerusform>%n padrão</numerusform>
            <numerusform>%n padrões</numerusform>
        </translation>
    </message>
    <message>
        <source>Importing these profiles would make your profiles file larger than Openwright can read back (%1 MB). Nothing was imported; delete some backups or profiles first.</source>
        <translation>Importar esses perfis deixaria seu arquivo de perfis maior do que o Openwright consegue ler de volta (%1 MB). Nada foi importado; exclua primeiro alguns backups ou perfis.</translation>
    </message>
    <message>
        <source>Already there, not imported again: %1.</source>
        <translation>Já existe, não foi importado de novo: %1.</translation>
    </message>
</context>
<context>
    <name>ApplicationIndex</name>
    <message>
        <source>Use %1 for All %2</source>
        <translation>Usar %1 para tudo: %2</translation>
    </message>
    <message>
        <source>Use %1 for All Its Types</source>
        <translation>Usar %1 para todos os seus tipos</translation>
    </message>
    <message numerus="yes">
        <source>%1 declares %n type(s) in %2.</source>
        <translation>
            <numerusform>%1 declara %n tipo em %2.</numerusform>
            <numerusform>%1 declara %n tipos em %2.</numerusform>
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
        <translation>Esse arquivo não é texto UTF-8, como uma entrada de desktop deve ser.</translation>
    </message>
    <message>
        <source>That file is not a desktop entry.</source>
        <translation>Esse arquivo não é uma entrada de desktop.</translation>
    </message>
    <message>
        <source>That file is not a desktop entry: it has no [Desktop Entry] group.</source>
        <translation>Esse arquivo não é uma entrada de desktop: não tem o grupo [Desktop Entry].</translation>
    </message>
    <message>
        <source>That entry is not an application: its Type is %1.</source>
        <translation>Essa entrada não é um aplicativo: seu Type é %1.</translation>
    </message>
    <message>
        <source>That entry is not an application: it has no Type.</source>
        <translation>Essa entrada não é um aplicativo: não tem Type.</translation>
    </message>
    <message>
        <source>That entry does not say which program to run: it has no Exec line.</source>
        <translation>Essa entrada não diz qual programa executar: não tem a linha Exec.</translation>
    </message>
    <message>
        <source>The program that entry runs is not installed.</source>
        <translation>O programa que essa entrada executa não está instalado.</translation>
    </message>
    <message>
        <source>The system does not list the added application yet.</source>
        <translation>O sistema ainda não lista o aplicativo adicionado.</translation>
    </message>
    <message>
        <source>That application is not installed where the system finds it</source>
        <translation>Esse aplicativo não está instalado onde o sistema o encontra</translation>
    </message>
    <message>
        <source>Your mimeapps.list could not be read, so it was kept as %1</source>
        <translation>Não foi possível ler seu mimeapps.list, então ele foi guardado como %1</translation>
    </message>
    <message>
        <source>Your mimeapps.list could not be read or kept aside, so nothing was changed</source>
        <translation>Não foi possível ler nem guardar seu mimeapps.list, então nada foi alterado</translation>
    </message>
    <message>
        <source>%1 is read-only, as a configuration tool leaves it, so nothing was changed. Change it where your configuration is kept.</source>
        <translation>%1 é somente leitura, como uma ferramenta de configuração o deixa, então nada foi alterado. Altere-o onde sua configuração é mantida.</translation>
    </message>
    <message>
        <source>%1: links</source>
        <translation>Links %1:</translation>
    </message>
    <message>
        <source>The terminal has one choice, not an order: set it instead.</source>
        <translation>O terminal é uma escolha, não uma ordem: defina-o em vez disso.</translation>
    </message>
    <message>
        <source>The system still offers %1: a list of the desktop or the administrator names it, and the system reads removals only in mimeapps.list.</source>
        <translation>O sistema ainda oferece %1: uma lista da área de trabalho ou do administrador o nomeia, e o sistema só lê remoções em mimeapps.list.</translation>
    </message>
    <message>
        <source>The system does not offer them in this order yet.</source>
        <translation>O sistema ainda não os oferece nesta ordem.</translation>
    </message>
</context>
<context>
    <name>BackupReason</name>
    <message>
        <source>Saved by you</source>
        <translation>Salvo por você</translation>
    </message>
    <message>
        <source>Daily backup</source>
        <translation>Backup diário</translation>
    </message>
    <message>
        <source>Before applying “%1”</source>
        <translation>Antes de aplicar “%1”</translation>
    </message>
    <message>
        <source>Before restoring “%1”</source>
        <translation>Antes de restaurar “%1”</translation>
    </message>
    <message>
        <source>Before reverting %1</source>
        <translation>Antes de reverter %1</translation>
    </message>
</context>
<context>
    <name>Catalog</name>
    <message>
        <source>System Roles</source>
        <translation>Funções do sistema</translation>
    </message>
    <message>
        <source>Documents &amp; Office</source>
        <translation>Documentos e escritório</translation>
    </message>
    <message>
        <source>AI &amp; Productivity</source>
        <translation>IA e produtividade</translation>
    </message>
    <message>
        <source>Code &amp; Developer</source>
        <translation>Código e desenvolvimento</translation>
    </message>
    <message>
        <source>Design &amp; Graphics</source>
        <translation>Design e gráficos</translation>
    </message>
    <message>
        <source>E-Books &amp; Publishing</source>
        <translation>E-books e publicação</translation>
    </message>
    <message>
        <source>Media &amp; Creative</source>
        <translation>Mídia e criação</translation>
    </message>
    <message>
        <source>Archives &amp; Packages</source>
        <translation>Arquivos compactados e pacotes</translation>
    </message>
    <message>
        <source>3D Printing &amp; Spatial</source>
        <translation>Impressão 3D e espacial</translation>
    </message>
    <message>
        <source>Maps &amp; Navigation</source>
        <translation>Mapas e navegação</translation>
    </message>
    <message>
        <source>Communication Links</source>
        <translation>Links de comunicação</translation>
    </message>
    <message>
        <source>Gaming &amp; Emulation</source>
        <translation>Jogos e emulação</translation>
    </message>
    <message>
        <source>Security &amp; Privacy</source>
        <translation>Segurança e privacidade</translation>
    </message>
    <message>
        <source>My File Types</source>
        <translation>Meus tipos de arquivo</translation>
    </message>
    <message>
        <source>Web Browser</source>
        <translation>Navegador web</translation>
    </message>
    <message>
        <source>Opens web links, plus https:, .html and .htm</source>
        <translation>Abre links da web, além de https:, .html e .htm</translation>
    </message>
    <message>
        <source>Email</source>
        <translation>E-mail</translation>
    </message>
    <message>
        <source>Composes new emails from mailto: links</source>
        <translation>Escreve novos e-mails a partir de links mailto:</translation>
    </message>
    <message>
        <source>Phone Calls</source>
        <translation>Chamadas telefônicas</translation>
    </message>
    <message>
        <source>Handles tel: links for calling</source>
        <translation>Trata links tel: para ligar</translation>
    </message>
    <message>
        <source>SMS &amp; Messages</source>
        <translation>SMS e mensagens</translation>
    </message>
    <message>
        <source>Handles sms: links for text messages</source>
        <translation>Trata links sms: para mensagens de texto</translation>
    </message>
    <message>
        <source>File Manager</source>
        <translation>Gerenciador de arquivos</translation>
    </message>
    <message>
        <source>Opens folders</source>
        <translation>Abre pastas</translation>
    </message>
    <message>
        <source>Calendar Subscriptions</source>
        <translation>Assinaturas de agenda</translation>
    </message>
    <message>
        <source>Subscribes to webcal: calendar feeds</source>
        <translation>Assina feeds de agenda webcal:</translation>
    </message>
    <message>
        <source>PDF Documents (.pdf)</source>
        <translation>Documentos PDF (.pdf)</translation>
    </message>
    <message>
        <source>Viewer/Editor for PDF document files</source>
        <translation>Visualizador/editor de documentos PDF</translation>
    </message>
    <message>
        <source>Word Documents (.docx)</source>
        <translation>Documentos do Word (.docx)</translation>
    </message>
    <message>
        <source>Viewer/Editor for Microsoft Word files</source>
        <translation>Visualizador/editor de arquivos do Microsoft Word</translation>
    </message>
    <message>
        <source>Legacy Word Docs (.doc)</source>
        <translation>Documentos antigos do Word (.doc)</translation>
    </message>
    <message>
        <source>Viewer for classic Word .doc files</source>
        <translation>Visualizador de arquivos .doc clássicos do Word</translation>
    </message>
    <message>
        <source>Excel Spreadsheets (.xlsx)</source>
        <translation>Planilhas do Excel (.xlsx)</translation>
    </message>
    <message>
        <source>Viewer/Editor for Excel spreadsheets</source>
        <translation>Visualizador/editor de planilhas do Excel</translation>
    </message>
    <message>
        <source>CSV Data Files (.csv)</source>
        <translation>Arquivos de dados CSV (.csv)</translation>
    </message>
    <message>
        <source>Data viewer for comma-separated files</source>
        <translation>Visualizador de dados separados por vírgula</translation>
    </message>
    <message>
        <source>PowerPoint Slides (.pptx)</source>
        <translation>Slides do PowerPoint (.pptx)</translation>
    </message>
    <message>
        <source>Viewer for slide presentations</source>
        <translation>Visualizador de apresentações</translation>
    </message>
    <message>
        <source>Text Files (.txt)</source>
        <translation>Arquivos de texto (.txt)</translation>
    </message>
    <message>
        <source>Plain text editor or viewer</source>
        <translation>Editor ou visualizador de texto simples</translation>
    </message>
    <message>
        <source>Rich Text Format (.rtf)</source>
        <translation>Rich Text Format (.rtf)</translation>
    </message>
    <message>
        <source>Rich text document editor</source>
        <translation>Editor de documentos de texto formatado</translation>
    </message>
    <message>
        <source>AI Prompt Configs (.prompt)</source>
        <translation>Configurações de prompts de IA (.prompt)</translation>
    </message>
    <message>
        <source>Editor for system prompts &amp; LLM configs</source>
        <translation>Editor de prompts de sistema e configurações de LLM</translation>
    </message>
    <message>
        <source>Vector DB Exports (.jsonl)</source>
        <translation>Exportações de BD vetorial (.jsonl)</translation>
    </message>
    <message>
        <source>Viewer for JSON Lines dataset dumps</source>
        <translation>Visualizador de conjuntos de dados JSON Lines</translation>
    </message>
    <message>
        <source>Subtitles &amp; Transcripts (.srt)</source>
        <translation>Legendas e transcrições (.srt)</translation>
    </message>
    <message>
        <source>Viewer for speech transcripts</source>
        <translation>Visualizador de transcrições de fala</translation>
    </message>
    <message>
        <source>JSON Data (.json)</source>
        <translation>Dados JSON (.json)</translation>
    </message>
    <message>
        <source>Viewer/Editor for JSON configuration &amp; data files</source>
        <translation>Visualizador/editor de arquivos de configuração e dados JSON</translation>
    </message>
    <message>
        <source>Markdown Files (.md)</source>
        <translation>Arquivos Markdown (.md)</translation>
    </message>
    <message>
        <source>Viewer for formatted Markdown docs</source>
        <translation>Visualizador de documentos Markdown formatados</translation>
    </message>
    <message>
        <source>Python Scripts (.py)</source>
        <translation>Scripts Python (.py)</translation>
    </message>
    <message>
        <source>Editor for Python source files</source>
        <translation>Editor de código-fonte Python</translation>
    </message>
    <message>
        <source>Swift Code (.swift)</source>
        <translation>Código Swift (.swift)</translation>
    </message>
    <message>
        <source>Editor for Swift source files</source>
        <translation>Editor de código-fonte Swift</translation>
    </message>
    <message>
        <source>JavaScript (.js)</source>
        <translation>JavaScript (.js)</translation>
    </message>
    <message>
        <source>Editor for JavaScript source files</source>
        <translation>Editor de código-fonte JavaScript</translation>
    </message>
    <message>
        <source>TypeScript (.ts)</source>
        <translation>TypeScript (.ts)</translation>
    </message>
    <message>
        <source>Editor for TypeScript source files</source>
        <translation>Editor de código-fonte TypeScript</translation>
    </message>
    <message>
        <source>YAML Configurations (.yaml)</source>
        <translation>Configurações YAML (.yaml)</translation>
    </message>
    <message>
        <source>Editor for YAML deployment files</source>
        <translation>Editor de arquivos de implantação YAML</translation>
    </message>
    <message>
        <source>XML Files (.xml)</source>
        <translation>Arquivos XML (.xml)</translation>
    </message>
    <message>
        <source>Viewer/Editor for XML documents</source>
        <translation>Visualizador/editor de documentos XML</translation>
    </message>
    <message>
        <source>SQL Database Scripts (.sql)</source>
        <translation>Scripts de banco de dados SQL (.sql)</translation>
    </message>
    <message>
        <source>Viewer for database export scripts</source>
        <translation>Visualizador de scripts de exportação de banco de dados</translation>
    </message>
    <message>
        <source>Kotlin Code (.kt)</source>
        <translation>Código Kotlin (.kt)</translation>
    </message>
    <message>
        <source>Editor for Kotlin source code</source>
        <translation>Editor de código-fonte Kotlin</translation>
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
        <translation>Arquivos de log (.log)</translation>
    </message>
    <message>
        <source>Viewer for application and system logs</source>
        <translation>Visualizador de logs de aplicativos e do sistema</translation>
    </message>
    <message>
        <source>SSH Links (ssh:)</source>
        <translation>Links SSH (ssh:)</translation>
    </message>
    <message>
        <source>Terminal app for ssh: connections</source>
        <translation>Terminal para conexões ssh:</translation>
    </message>
    <message>
        <source>Vector Graphics (.svg)</source>
        <translation>Gráficos vetoriais (.svg)</translation>
    </message>
    <message>
        <source>Viewer for scalable vector graphics</source>
        <translation>Visualizador de gráficos vetoriais escaláveis</translation>
    </message>
    <message>
        <source>Photoshop Files (.psd)</source>
        <translation>Arquivos do Photoshop (.psd)</translation>
    </message>
    <message>
        <source>Viewer for Adobe Photoshop documents</source>
        <translation>Visualizador de documentos do Adobe Photoshop</translation>
    </message>
    <message>
        <source>RAW Camera Photos (.dng)</source>
        <translation>Fotos RAW (.dng)</translation>
    </message>
    <message>
        <source>Viewer for raw digital camera photos</source>
        <translation>Visualizador de fotos brutas de câmeras digitais</translation>
    </message>
    <message>
        <source>TrueType Fonts (.ttf)</source>
        <translation>Fontes TrueType (.ttf)</translation>
    </message>
    <message>
        <source>Font installer/previewer</source>
        <translation>Instalador/visualizador de fontes</translation>
    </message>
    <message>
        <source>EPUB E-Books (.epub)</source>
        <translation>E-books EPUB (.epub)</translation>
    </message>
    <message>
        <source>Reader for EPUB digital books</source>
        <translation>Leitor de livros digitais EPUB</translation>
    </message>
    <message>
        <source>Kindle E-Books (.mobi)</source>
        <translation>E-books Kindle (.mobi)</translation>
    </message>
    <message>
        <source>Reader for MOBI digital books</source>
        <translation>Leitor de livros digitais MOBI</translation>
    </message>
    <message>
        <source>Comic Archives (.cbz)</source>
        <translation>Arquivos de quadrinhos (.cbz)</translation>
    </message>
    <message>
        <source>Reader for comic book archives</source>
        <translation>Leitor de arquivos de histórias em quadrinhos</translation>
    </message>
    <message>
        <source>MP4 Video (.mp4)</source>
        <translation>Vídeo MP4 (.mp4)</translation>
    </message>
    <message>
        <source>Player for MP4 movies &amp; video clips</source>
        <translation>Reprodutor de filmes e clipes MP4</translation>
    </message>
    <message>
        <source>MKV Video (.mkv)</source>
        <translation>Vídeo MKV (.mkv)</translation>
    </message>
    <message>
        <source>Player for high-definition MKV videos</source>
        <translation>Reprodutor de vídeos MKV em alta definição</translation>
    </message>
    <message>
        <source>QuickTime Movies (.mov)</source>
        <translation>Filmes QuickTime (.mov)</translation>
    </message>
    <message>
        <source>Player for QuickTime movies</source>
        <translation>Reprodutor de filmes QuickTime</translation>
    </message>
    <message>
        <source>MP3 Audio (.mp3)</source>
        <translation>Áudio MP3 (.mp3)</translation>
    </message>
    <message>
        <source>Player for MP3 audio tracks</source>
        <translation>Reprodutor de faixas de áudio MP3</translation>
    </message>
    <message>
        <source>Lossless Audio (.flac)</source>
        <translation>Áudio sem perdas (.flac)</translation>
    </message>
    <message>
        <source>Player for high-fidelity FLAC audio</source>
        <translation>Reprodutor de áudio FLAC de alta fidelidade</translation>
    </message>
    <message>
        <source>JPEG Photos (.jpg)</source>
        <translation>Fotos JPEG (.jpg)</translation>
    </message>
    <message>
        <source>Viewer for digital photos</source>
        <translation>Visualizador de fotos digitais</translation>
    </message>
    <message>
        <source>PNG Images (.png)</source>
        <translation>Imagens PNG (.png)</translation>
    </message>
    <message>
        <source>Viewer for transparent PNG images</source>
        <translation>Visualizador de imagens PNG transparentes</translation>
    </message>
    <message>
        <source>WebP Media (.webp)</source>
        <translation>Mídia WebP (.webp)</translation>
    </message>
    <message>
        <source>Viewer for modern WebP graphics</source>
        <translation>Visualizador de gráficos WebP modernos</translation>
    </message>
    <message>
        <source>HEIC Photos (.heic)</source>
        <translation>Fotos HEIC (.heic)</translation>
    </message>
    <message>
        <source>Viewer for high-efficiency photos</source>
        <translation>Visualizador de fotos de alta eficiência</translation>
    </message>
    <message>
        <source>ZIP Archives (.zip)</source>
        <translation>Arquivos ZIP (.zip)</translation>
    </message>
    <message>
        <source>Extractor for compressed ZIP archives</source>
        <translation>Extrator de arquivos ZIP compactados</translation>
    </message>
    <message>
        <source>RAR Archives (.rar)</source>
        <translation>Arquivos RAR (.rar)</translation>
    </message>
    <message>
        <source>Extractor for RAR compressed archives</source>
        <translation>Extrator de arquivos RAR compactados</translation>
    </message>
    <message>
        <source>7-Zip Archives (.7z)</source>
        <translation>Arquivos 7-Zip (.7z)</translation>
    </message>
    <message>
        <source>Extractor for 7z archives</source>
        <translation>Extrator de arquivos 7z</translation>
    </message>
    <message>
        <source>Disk Images (.dmg)</source>
        <translation>Imagens de disco (.dmg)</translation>
    </message>
    <message>
        <source>Mounter for macOS disk images</source>
        <translation>Montador de imagens de disco do macOS</translation>
    </message>
    <message>
        <source>Torrent Files (.torrent)</source>
        <translation>Arquivos torrent (.torrent)</translation>
    </message>
    <message>
        <source>Downloader for P2P torrent files</source>
        <translation>Baixador de arquivos torrent P2P</translation>
    </message>
    <message>
        <source>3D Printing Models (.stl)</source>
        <translation>Modelos de impressão 3D (.stl)</translation>
    </message>
    <message>
        <source>Viewer for 3D printer STL files</source>
        <translation>Visualizador de arquivos STL de impressoras 3D</translation>
    </message>
    <message>
        <source>3D CAD Models (.obj)</source>
        <translation>Modelos CAD 3D (.obj)</translation>
    </message>
    <message>
        <source>Viewer for 3D object geometry</source>
        <translation>Visualizador de geometria de objetos 3D</translation>
    </message>
    <message>
        <source>3D GLTF Scenes (.gltf)</source>
        <translation>Cenas GLTF 3D (.gltf)</translation>
    </message>
    <message>
        <source>Viewer for 3D GLTF asset scenes</source>
        <translation>Visualizador de cenas 3D GLTF</translation>
    </message>
    <message>
        <source>USDZ Scenes (.usdz)</source>
        <translation>Cenas USDZ (.usdz)</translation>
    </message>
    <message>
        <source>Viewer for Apple USDZ 3D scenes</source>
        <translation>Visualizador de cenas 3D USDZ da Apple</translation>
    </message>
    <message>
        <source>GPS Track Logs (.gpx)</source>
        <translation>Trilhas GPS (.gpx)</translation>
    </message>
    <message>
        <source>Viewer for GPX trails and routes</source>
        <translation>Visualizador de trilhas e rotas GPX</translation>
    </message>
    <message>
        <source>Google Earth Places (.kml)</source>
        <translation>Lugares do Google Earth (.kml)</translation>
    </message>
    <message>
        <source>Viewer for KML placemarks</source>
        <translation>Visualizador de marcadores KML</translation>
    </message>
    <message>
        <source>Telegram Links (tg:)</source>
        <translation>Links do Telegram (tg:)</translation>
    </message>
    <message>
        <source>Messenger app for Telegram links</source>
        <translation>Mensageiro para links do Telegram</translation>
    </message>
    <message>
        <source>Zoom Meetings (zoommtg:)</source>
        <translation>Reuniões do Zoom (zoommtg:)</translation>
    </message>
    <message>
        <source>Client for Zoom meeting links</source>
        <translation>Cliente para links de reuniões do Zoom</translation>
    </message>
    <message>
        <source>Slack Links (slack:)</source>
        <translation>Links do Slack (slack:)</translation>
    </message>
    <message>
        <source>Client for Slack deep links</source>
        <translation>Cliente para links diretos do Slack</translation>
    </message>
    <message>
        <source>Disk Images (.iso)</source>
        <translation>Imagens de disco (.iso)</translation>
    </message>
    <message>
        <source>Emulation launcher for console ISOs</source>
        <translation>Iniciador de emulação para ISOs de consoles</translation>
    </message>
    <message>
        <source>GBA ROMs (.gba)</source>
        <translation>ROMs de GBA (.gba)</translation>
    </message>
    <message>
        <source>Emulator for GameBoy Advance ROMs</source>
        <translation>Emulador de ROMs de Game Boy Advance</translation>
    </message>
    <message>
        <source>OpenPGP Encryption (.gpg)</source>
        <translation>Criptografia OpenPGP (.gpg)</translation>
    </message>
    <message>
        <source>Security app for PGP/GPG files</source>
        <translation>Aplicativo de segurança para arquivos PGP/GPG</translation>
    </message>
    <message>
        <source>OpenVPN Profiles (.ovpn)</source>
        <translation>Perfis do OpenVPN (.ovpn)</translation>
    </message>
    <message>
        <source>VPN client for OpenVPN configurations</source>
        <translation>Cliente VPN para configurações do OpenVPN</translation>
    </message>
    <message>
        <source>Added by you</source>
        <translation>Adicionado por você</translation>
    </message>
    <message>
        <source>Terminal</source>
        <translation>Terminal</translation>
    </message>
    <message>
        <source>Runs programs that need a terminal</source>
        <translation>Executa os programas que precisam de um terminal</translation>
    </message>
</context>
<context>
    <name>ChangeResult</name>
    <message>
        <source>Changed</source>
        <translation>Alterado</translation>
    </message>
    <message>
        <source>Already the default</source>
        <translation>Já é o aplicativo padrão</translation>
    </message>
    <message>
        <source>That app is no longer installed</source>
        <translation>Esse aplicativo não está mais instalado</translation>
    </message>
    <message>
        <source>The change could not be made</source>
        <translation>Não foi possível fazer a alteração</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>Reset to the system default</source>
        <translation>Redefinido para o padrão do sistema</translation>
    </message>
    <message>
        <source>Already the system default</source>
        <translation>Já é o padrão do sistema</translation>
    </message>
    <message>
        <source>%1 (%2) does not say it can open %3. Add --force to make it the default all the same.</source>
        <translation>%1 (%2) não diz que consegue abrir %3. Adicione --force para torná-lo o padrão mesmo assim.</translation>
    </message>
    <message>
        <source>: There is no such file or folder.</source>
        <translation>: Esse arquivo ou pasta não existe.</translation>
    </message>
    <message>
        <source>: The system knows no such MIME type.</source>
        <translation>: O sistema não conhece esse tipo MIME.</translation>
    </message>
    <message>
        <source>: That is not a type. Expected an extension (.pdf or pdf), a link type (mailto:), a MIME type (application/pdf) or a file (./report.pdf).</source>
        <translation>: Isso não é um tipo. Esperava-se uma extensão (.pdf ou pdf), um tipo de link (mailto:), um tipo MIME (application/pdf) ou um arquivo (./report.pdf).</translation>
    </message>
</context>
<context>
    <name>DateText</name>
    <message>
        <source>%1 at %2</source>
        <comment>a backup&apos;s name: date and time</comment>
        <translation>%1 às %2</translation>
    </message>
</context>
<context>
    <name>DecisionChain</name>
    <message>
        <source>%1 does not exist</source>
        <translation>%1 não existe</translation>
    </message>
    <message>
        <source>%1 cannot be read as a list, so the system ignores all of it</source>
        <translation>%1 não pode ser lido como lista, então o sistema o ignora por completo</translation>
    </message>
    <message>
        <source>%1 has no entry for %2</source>
        <translation>%1 não tem entrada para %2</translation>
    </message>
    <message>
        <source>%1 line %2</source>
        <translation>%1, linha %2</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <source>%1 (a parent type)</source>
        <translation>%1 (um tipo pai)</translation>
    </message>
    <message>
        <source>%1 (a parent type of %2)</source>
        <translation>%1 (um tipo pai de %2)</translation>
    </message>
    <message>
        <source>%1 sets %2 for %3</source>
        <translation>%1 define %2 para %3</translation>
    </message>
    <message>
        <source>%1 names no application for %2</source>
        <translation>%1 não indica nenhum aplicativo para %2</translation>
    </message>
    <message>
        <source>%1 names %2 for %3, but it is not installed</source>
        <translation>%1 indica %2 para %3, mas ele não está instalado</translation>
    </message>
    <message>
        <source>%1 names %2 for %3, but none of them is installed</source>
        <translation>%1 indica %2 para %3, mas nenhum deles está instalado</translation>
    </message>
    <message>
        <source>%1 names %2 for %3, outranked by the choice above</source>
        <translation>%1 indica %2 para %3, superado pela escolha acima</translation>
    </message>
    <message>
        <source>%1 adds %2 for %3, and no list sets an installed default</source>
        <translation>%1 adiciona %2 para %3, e nenhuma lista define um padrão instalado</translation>
    </message>
    <message>
        <source>%1 adds %2 for %3</source>
        <translation>%1 adiciona %2 para %3</translation>
    </message>
    <message>
        <source>%1 removes %2 from the applications for %3</source>
        <translation>%1 remove %2 dos aplicativos para %3</translation>
    </message>
    <message>
        <source>%1 removes %2 for %3, with no effect: an earlier entry names it</source>
        <translation>%1 remove %2 para %3, sem efeito: uma entrada anterior o indica</translation>
    </message>
    <message>
        <source>%1 removes %2 for %3, with no effect on applications installed in the same folder</source>
        <translation>%1 remove %2 para %3, sem efeito nos aplicativos instalados na mesma pasta</translation>
    </message>
    <message>
        <source>No list sets an installed default for %1, so the first installed handler is used: %2</source>
        <translation>Nenhuma lista define um aplicativo padrão instalado para %1, então é usado o primeiro aplicativo instalado que o trata: %2</translation>
    </message>
    <message>
        <source>No installed application handles %1</source>
        <translation>Nenhum aplicativo instalado trata %1</translation>
    </message>
    <message>
        <source>No installed handler of %1 can be used</source>
        <translation>Nenhum aplicativo instalado para %1 pode ser usado</translation>
    </message>
    <message>
        <source> (skipped %1: not installed)</source>
        <translation> (ignorado: %1, não instalado)</translation>
    </message>
    <message>
        <source> (removed: %1)</source>
        <translation> (removido: %1)</translation>
    </message>
    <message>
        <source>%1 opens in %2 because %3 sets it for %4</source>
        <translation>%1 abre no %2 porque %3 o define para %4</translation>
    </message>
    <message>
        <source>%1 opens in %2 because %3 adds it for %4 and no list sets an installed default</source>
        <translation>%1 abre no %2 porque %3 o adiciona para %4 e nenhuma lista define um padrão instalado</translation>
    </message>
    <message>
        <source>%1 opens in %2 because no list sets an installed default and it is the first installed application that handles %3</source>
        <translation>%1 abre no %2 porque nenhuma lista define um padrão instalado e ele é o primeiro aplicativo instalado que trata %3</translation>
    </message>
    <message>
        <source>Nothing opens %1 (%2): no list names an installed application, and none is installed that handles it</source>
        <translation>Nada abre %1 (%2): nenhuma lista indica um aplicativo instalado, e nenhum instalado o trata</translation>
    </message>
    <message>
        <source>. The system reports %1 instead, so this explanation is incomplete</source>
        <translation>. O sistema informa %1 em vez disso, então esta explicação está incompleta</translation>
    </message>
    <message>
        <source>. The system reports no application, so this explanation is incomplete</source>
        <translation>. O sistema não informa nenhum aplicativo, então esta explicação está incompleta</translation>
    </message>
    <message>
        <source>No explanation is available for %1</source>
        <translation>Nenhuma explicação disponível para %1</translation>
    </message>
    <message>
        <source>XDG_CURRENT_DESKTOP names %1, so the system also reads %2 in each folder</source>
        <translation>XDG_CURRENT_DESKTOP indica %1, então o sistema também lê %2 em cada pasta</translation>
    </message>
    <message>
        <source>XDG_CURRENT_DESKTOP names no desktop, so the system reads no desktop-specific lists</source>
        <translation>XDG_CURRENT_DESKTOP não indica nenhum ambiente, então o sistema não lê listas específicas de ambiente</translation>
    </message>
    <message>
        <source>; it found %1</source>
        <translation>; encontrou %1</translation>
    </message>
    <message>
        <source>. It ignores %1: a desktop name may hold only letters, digits, - and _</source>
        <translation>. Ele ignora %1: um nome de ambiente só pode conter letras, dígitos, - e _</translation>
    </message>
    <message>
        <source>“%1”</source>
        <translation>“%1”</translation>
    </message>
    <message>
        <source>~</source>
        <translation>~</translation>
    </message>
    <message>
        <source>%1 (%2) names %3: links that desktop opens go to %4</source>
        <translation>%1 (%2) indica %3: os links que esse ambiente abre vão para %4</translation>
    </message>
    <message>
        <source>%1 (%2) names %3, which no installed application matches: links that desktop opens may not open</source>
        <translation>%1 (%2) indica %3, que não corresponde a nenhum aplicativo instalado: os links que esse ambiente abre podem não abrir</translation>
    </message>
    <message>
        <source>; but links %1 opens follow its own setting, %2</source>
        <translation>; mas os links que %1 abre seguem a configuração dele, %2</translation>
    </message>
    <message>
        <source>Set by your system: %1 line %2</source>
        <translation>Definido pelo seu sistema: %1, linha %2</translation>
    </message>
    <message>
        <source>%1 names %2 first among the installed terminals</source>
        <translation>%1 indica %2 primeiro entre os terminais instalados</translation>
    </message>
    <message>
        <source>%1 names %2, but none of them is an installed terminal</source>
        <translation>%1 indica %2, mas nenhum deles é um terminal instalado</translation>
    </message>
    <message>
        <source>%1 names no terminal</source>
        <translation>%1 não indica nenhum terminal</translation>
    </message>
    <message>
        <source>%1 sets %2 to %3: the terminal that desktop starts is %4</source>
        <translation>%1 define %2 como %3: o terminal que esse ambiente abre é %4</translation>
    </message>
    <message>
        <source>%1 sets %2 to %3, which no installed terminal matches: that desktop may start no terminal</source>
        <translation>%1 define %2 como %3, que não corresponde a nenhum terminal instalado: esse ambiente pode não abrir nenhum terminal</translation>
    </message>
    <message>
        <source>GSettings %1</source>
        <translation>GSettings %1</translation>
    </message>
    <message>
        <source>%1 leads to %2, which is %3: programs that start x-terminal-emulator use it</source>
        <translation>%1 leva a %2, que é %3: os programas que abrem x-terminal-emulator o usam</translation>
    </message>
    <message>
        <source>%1 leads to %2, which no installed terminal runs</source>
        <translation>%1 leva a %2, que nenhum terminal instalado executa</translation>
    </message>
    <message>
        <source>%1 opens in %2 because %3 names it first among the installed terminals</source>
        <translation>%1 abre em %2 porque %3 o indica primeiro entre os terminais instalados</translation>
    </message>
    <message>
        <source>%1 opens in %2 because %3 sets %4</source>
        <translation>%1 abre em %2 porque %3 define %4</translation>
    </message>
    <message>
        <source>; but xdg-terminal-exec starts %1, which %2 names first</source>
        <translation>; mas o xdg-terminal-exec abre %1, que %2 indica primeiro</translation>
    </message>
    <message>
        <source>XDG_CURRENT_DESKTOP names %1, so xdg-terminal-exec also reads %2 in each folder</source>
        <translation>XDG_CURRENT_DESKTOP indica %1, então o xdg-terminal-exec também lê %2 em cada pasta</translation>
    </message>
    <message>
        <source>the terminal</source>
        <translation>o terminal</translation>
    </message>
</context>
<context>
    <name>DesktopBrowser</name>
    <message>
        <source>%1&apos;s links</source>
        <translation>Links do %1</translation>
    </message>
    <message>
        <source>%1 cannot be read, so it was left as it is.</source>
        <translation>Não é possível ler %1, por isso ele foi deixado como estava.</translation>
    </message>
    <message>
        <source>Xfce&apos;s Debian browser, which starts %1</source>
        <translation>o navegador do Debian para o Xfce, que abre %1</translation>
    </message>
</context>
<context>
    <name>DesktopTerminal</name>
    <message>
        <source>Xfce&apos;s Debian terminal, which starts %1</source>
        <translation>o terminal do Debian do Xfce, que abre %1</translation>
    </message>
    <message>
        <source>the system&apos;s terminal, %1</source>
        <translation>o terminal do sistema, %1</translation>
    </message>
    <message>
        <source>%1&apos;s terminal</source>
        <translation>terminal do %1</translation>
    </message>
</context>
<context>
    <name>Doctor</name>
    <message>
        <source>Line %1 of %2 names %3 for %4, which is no longer installed.</source>
        <translation>A linha %1 de %2 indica para %4 o aplicativo %3, que não está mais instalado.</translation>
    </message>
    <message>
        <source>Line %1 of %2 sets %3, another name of %4, which line %5 sets too.</source>
        <translation>A linha %1 de %2 define %3, outro nome de %4, que a linha %5 também define.</translation>
    </message>
    <message>
        <source>Line %1 of %2 removes %3 from the applications for %4, although it is the default of that type.</source>
        <translation>A linha %1 de %2 remove %3 dos aplicativos para %4, embora ele seja o padrão desse tipo.</translation>
    </message>
    <message>
        <source>%1 is an older list the system still reads: its line %2 decides that %3 opens in %4.</source>
        <translation>%1 é uma lista antiga que o sistema ainda lê: a linha %2 dela decide que %3 abre no %4.</translation>
    </message>
    <message>
        <source>Line %1 of %2, a list for one desktop, makes %3 open in %4, overriding your choice of %5.</source>
        <translation>A linha %1 de %2, uma lista para um só ambiente, faz %3 abrir no %4, passando por cima da sua escolha de %5.</translation>
    </message>
    <message>
        <source>%1 was made by an &quot;open with a command&quot; dialog and runs the same program as %2.</source>
        <translation>%1 foi criado por um diálogo “abrir com um comando” e executa o mesmo programa que %2.</translation>
    </message>
    <message>
        <source>%1 was made by an &quot;open with a command&quot; dialog; the program it runs (%2) is gone.</source>
        <translation>%1 foi criado por um diálogo “abrir com um comando”; o programa que ele executa (%2) não existe mais.</translation>
    </message>
    <message>
        <source>%1 runs %2, which is not found, so the system passes over it.</source>
        <translation>%1 executa %2, que não foi encontrado, então o sistema o ignora.</translation>
    </message>
    <message>
        <source>%1 is a read-only link to %2, managed by a configuration tool.</source>
        <translation>%1 é um link somente leitura para %2, gerenciado por uma ferramenta de configuração.</translation>
    </message>
    <message>
        <source>Managed by your configuration; change it there.</source>
        <translation>Gerenciado pela sua configuração; altere-o lá.</translation>
    </message>
    <message>
        <source>Keep %1 among the applications for %2.</source>
        <translation>Manter %1 entre os aplicativos para %2.</translation>
    </message>
    <message>
        <source>Name %1 instead in your lists, and remove this entry.</source>
        <translation>Indicar %1 no lugar dela nas suas listas e remover esta entrada.</translation>
    </message>
    <message>
        <source>Remove the entry and the lines naming it.</source>
        <translation>Remover a entrada e as linhas que a indicam.</translation>
    </message>
    <message>
        <source>Remove the entry.</source>
        <translation>Remover a entrada.</translation>
    </message>
    <message>
        <source>Could not remove %1.</source>
        <translation>Não foi possível remover %1.</translation>
    </message>
    <message>
        <source>Line %1 of %2 sets %3, another name of %4, before line %5 sets %4 itself: the system tries the applications of line %1 first.</source>
        <translation>A linha %1 de %2 define %3, outro nome de %4, antes de a linha %5 definir o próprio %4: o sistema tenta primeiro os aplicativos da linha %1.</translation>
    </message>
    <message>
        <source>left as it was, because %1 could not be changed.</source>
        <translation>deixado como estava, porque não foi possível alterar %1.</translation>
    </message>
    <message>
        <source>%1 is set twice in [%2] of %3 (lines %4 and %5); the system keeps the place of the first and the applications of the last.</source>
        <translation>%1 está definido duas vezes em [%2] de %3 (linhas %4 e %5); o sistema mantém a posição da primeira e os aplicativos da última.</translation>
    </message>
    <message>
        <source>%1 is read-only, managed by a configuration tool or an administrator.</source>
        <translation>%1 é somente leitura, gerenciado por uma ferramenta de configuração ou um administrador.</translation>
    </message>
    <message>
        <source>Line %1 of %2 (“%3”) is no setting, group or comment, so the system ignores the whole list: none of its defaults count.</source>
        <translation>A linha %1 de %2 (“%3”) não é configuração, grupo nem comentário, então o sistema ignora a lista inteira: nenhum de seus padrões conta.</translation>
    </message>
    <message>
        <source>Line %1 of %2 names %3 for %4: with the blank around it, the name never matches an application.</source>
        <translation>A linha %1 de %2 indica %3 para %4: com o espaço em volta, o nome nunca corresponde a um aplicativo.</translation>
    </message>
    <message>
        <source>[%1] in %2 (line %3) is ignored by the system: only your own mimeapps.list may add or remove applications.</source>
        <translation>O sistema ignora [%1] em %2 (linha %3): só o seu próprio mimeapps.list pode adicionar ou remover aplicativos.</translation>
    </message>
    <message>
        <source>Remove %1 from the line.</source>
        <translation>Remover %1 da linha.</translation>
    </message>
    <message>
        <source>Move the applications of line %1 into line %2 and remove line %1.</source>
        <translation>Mover os aplicativos da linha %1 para a linha %2 e remover a linha %1.</translation>
    </message>
    <message>
        <source>Keep one line for %1, with the applications the system reads now.</source>
        <translation>Manter uma linha para %1, com os aplicativos que o sistema lê agora.</translation>
    </message>
    <message>
        <source>Move the line to your own mimeapps.list.</source>
        <translation>Mover a linha para o seu próprio mimeapps.list.</translation>
    </message>
    <message>
        <source>Remove line %1.</source>
        <translation>Remover a linha %1.</translation>
    </message>
    <message>
        <source>Remove the lines the system cannot read, so that it reads the list again.</source>
        <translation>Remover as linhas que o sistema não consegue ler, para que ele volte a ler a lista.</translation>
    </message>
    <message>
        <source>Write it as %1.</source>
        <translation>Escrevê-lo como %1.</translation>
    </message>
    <message>
        <source>Remove the group.</source>
        <translation>Remover o grupo.</translation>
    </message>
    <message>
        <source>Which application opens each type afterwards cannot be told for sure, so this fix is not selected by itself.</source>
        <translation>Não é possível saber ao certo qual aplicativo abrirá cada tipo depois, então esta correção não é selecionada por si só.</translation>
    </message>
    <message>
        <source>Nothing else changes.</source>
        <translation>Nada mais muda.</translation>
    </message>
    <message>
        <source>no application</source>
        <translation>nenhum aplicativo</translation>
    </message>
    <message>
        <source>%1 opens in %2 instead of %3</source>
        <translation>%1 abre em %2 em vez de %3</translation>
    </message>
    <message>
        <source>Afterwards %1.</source>
        <translation>Depois: %1.</translation>
    </message>
    <message>
        <source>%1 now opens in %2 (before: %3)</source>
        <translation>%1 agora abre em %2 (antes: %3)</translation>
    </message>
    <message>
        <source>Line %1 of %2 makes %3 open in %4, your own choice; your system sets %5 for everyone (%6 line %7).</source>
        <translation>A linha %1 de %2 faz %3 abrir com %4, sua própria escolha; seu sistema define %5 para todos (%6, linha %7).</translation>
    </message>
    <message>
        <source>Nothing to fix: your line wins, as it should. To follow your system&apos;s choice, reset the type to the system default.</source>
        <translation>Nada a corrigir: sua linha prevalece, como deve ser. Para seguir a escolha do seu sistema, redefina o tipo para o padrão do sistema.</translation>
    </message>
</context>
<context>
    <name>Files</name>
    <message>
        <source>There is no file at %1.</source>
        <translation>Não há arquivo em %1.</translation>
    </message>
    <message>
        <source>Could not read %1: %2</source>
        <translation>Não foi possível ler %1: %2</translation>
    </message>
    <message>
        <source>%1 is not a regular file.</source>
        <translation>%1 não é um arquivo comum.</translation>
    </message>
    <message>
        <source>%1 is too large.</source>
        <translation>%1 é grande demais.</translation>
    </message>
    <message>
        <source>%1 is a link to %2, which belongs to another user; nothing was written.</source>
        <translation>%1 é um link para %2, que pertence a outro usuário; nada foi gravado.</translation>
    </message>
    <message>
        <source>%1 is a link that another user could have placed there; nothing was written through it.</source>
        <translation>%1 é um link que outro usuário pode ter colocado ali; nada foi gravado por meio dele.</translation>
    </message>
    <message>
        <source>%1 is a loop of links; nothing was written.</source>
        <translation>%1 é um laço de links; nada foi gravado.</translation>
    </message>
    <message>
        <source>%1 belongs to another user.</source>
        <translation>%1 pertence a outro usuário.</translation>
    </message>
</context>
<context>
    <name>LaunchAtLogin</name>
    <message>
        <source>Could not write %1: %2</source>
        <translation>Não foi possível gravar %1: %2</translation>
    </message>
    <message>
        <source>Could not remove %1: %2</source>
        <translation>Não foi possível remover %1: %2</translation>
    </message>
    <message>
        <source>Could not create the folder %1: %2</source>
        <translation>Não foi possível criar a pasta %1: %2</translation>
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
        <translation>Não há barramento de sessão.</translation>
    </message>
</context>
<context>
    <name>Openers</name>
    <message>
        <source>%1, named for %2 in %3</source>
        <translation>%1, indicado para %2 em %3</translation>
    </message>
    <message>
        <source>%1, ranked first by InitialPreference=%2</source>
        <translation>%1, em primeiro lugar por InitialPreference=%2</translation>
    </message>
    <message>
        <source> (as a handler of %1)</source>
        <translation> (como aplicativo que trata %1)</translation>
    </message>
    <message>
        <source>; KDE picks by chance between it and %1</source>
        <translation>; o KDE escolhe ao acaso entre ele e %1</translation>
    </message>
    <message>
        <source>%1, the browser in kdeglobals</source>
        <translation>%1, o navegador em kdeglobals</translation>
    </message>
    <message>
        <source>no application</source>
        <translation>nenhum aplicativo</translation>
    </message>
    <message>
        <source>it hands over to kde-open5, which is not installed</source>
        <translation>ele repassa para o kde-open5, que não está instalado</translation>
    </message>
    <message>
        <source>as %1: %2</source>
        <translation>como %1: %2</translation>
    </message>
    <message>
        <source>%1, the first for %2 in %3</source>
        <translation>%1, o primeiro para %2 em %3</translation>
    </message>
    <message>
        <source>%1 names %2 for %3, which it cannot find</source>
        <translation>%1 indica %2 para %3, que ele não consegue encontrar</translation>
    </message>
    <message>
        <source>no display, so no application</source>
        <translation>sem tela gráfica, então nenhum aplicativo</translation>
    </message>
    <message>
        <source>no application for %1</source>
        <translation>nenhum aplicativo para %1</translation>
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
        <translation>Abre diferente nos programas KDE e com o xdg-open</translation>
    </message>
    <message>
        <source>Opens differently in KDE programs</source>
        <translation>Abre diferente nos programas KDE</translation>
    </message>
    <message>
        <source>Opens differently with xdg-open</source>
        <translation>Abre diferente com o xdg-open</translation>
    </message>
    <message>
        <source>KDE programs rank %1 first through its default for %2</source>
        <translation>Os programas KDE põem %1 em primeiro pelo seu padrão para %2</translation>
    </message>
    <message>
        <source>KDE programs rank %1 first by InitialPreference=%2, above any default</source>
        <translation>Os programas KDE põem %1 em primeiro por InitialPreference=%2, acima de qualquer padrão</translation>
    </message>
    <message>
        <source>KDE programs do not see %1: its entry is hidden</source>
        <translation>Os programas KDE não veem %1: a entrada está oculta</translation>
    </message>
    <message>
        <source>KDE programs open links and secure links in one app, GTK programs in two</source>
        <translation>Os programas KDE abrem links e links seguros em um app; os programas GTK, em dois</translation>
    </message>
    <message>
        <source>xdg-open asks for %1, the type file gives it</source>
        <translation>xdg-open pede %1, o tipo que o file dá</translation>
    </message>
    <message>
        <source>xdg-open cannot find %1 by its ID</source>
        <translation>xdg-open não encontra %1 pelo ID</translation>
    </message>
    <message>
        <source>xdg-open takes %1 from %2, which it reads first</source>
        <translation>o xdg-open pega %1 de %2, que ele lê primeiro</translation>
    </message>
</context>
<context>
    <name>PlanStep</name>
    <message>
        <source>Replaced by %1, the same file type</source>
        <translation>Substituído por %1, o mesmo tipo de arquivo</translation>
    </message>
</context>
<context>
    <name>PlatformText</name>
    <message>
        <source>Another setting keeps the current app</source>
        <translation>Outra configuração mantém o aplicativo atual</translation>
    </message>
    <message>
        <source>Applying…</source>
        <translation>Aplicando…</translation>
    </message>
    <message>
        <source>Applying the changes…</source>
        <translation>Aplicando as alterações…</translation>
    </message>
    <message>
        <source>A profile switches a whole set of defaults at once.</source>
        <translation>Um perfil troca todo um conjunto de aplicativos padrão de uma vez.</translation>
    </message>
    <message>
        <source>…instead of making the system ask, or pointing at a deleted app.</source>
        <translation>…em vez de fazer o sistema perguntar ou apontar para um aplicativo excluído.</translation>
    </message>
    <message>
        <source>The system doesn&apos;t recognise .%1 files</source>
        <translation>O sistema não reconhece arquivos .%1</translation>
    </message>
</context>
<context>
    <name>Presets</name>
    <message>
        <source>Work &amp; Business</source>
        <translation>Trabalho e negócios</translation>
    </message>
    <message>
        <source>Chrome, Outlook, Microsoft Office, Zoom and Slack.</source>
        <translation>Chrome, Outlook, Microsoft Office, Zoom e Slack.</translation>
    </message>
    <message>
        <source>Maximum Privacy</source>
        <translation>Privacidade máxima</translation>
    </message>
    <message>
        <source>Brave, Proton Mail, Telegram and Apple&apos;s on-device viewers.</source>
        <translation>Brave, Proton Mail, Telegram e os visualizadores integrados da Apple.</translation>
    </message>
    <message>
        <source>Media &amp; Creator</source>
        <translation>Mídia e criação</translation>
    </message>
    <message>
        <source>VLC for every video and audio format, Preview for images.</source>
        <translation>VLC para todos os formatos de vídeo e áudio, Pré-Visualização para imagens.</translation>
    </message>
    <message>
        <source>Developer</source>
        <translation>Desenvolvimento</translation>
    </message>
    <message>
        <source>VS Code for code and config files, Terminal for ssh: links.</source>
        <translation>VS Code para código e arquivos de configuração, Terminal para links ssh:.</translation>
    </message>
    <message>
        <source>Chrome, Thunderbird, LibreOffice, Zoom and Slack.</source>
        <translation>Chrome, Thunderbird, LibreOffice, Zoom e Slack.</translation>
    </message>
    <message>
        <source>Brave, Proton Mail, Telegram and the desktop&apos;s own viewers.</source>
        <translation>Brave, Proton Mail, Telegram e os visualizadores do próprio ambiente.</translation>
    </message>
    <message>
        <source>VLC for every video and audio format, Image Viewer for images.</source>
        <translation>VLC para todos os formatos de vídeo e áudio, Visualizador de imagens para imagens.</translation>
    </message>
    <message>
        <source>VS Code for code and config files.</source>
        <translation>VS Code para código e arquivos de configuração.</translation>
    </message>
</context>
<context>
    <name>ProfileExport</name>
    <message>
        <source>That file isn&apos;t an Openwright profile export.</source>
        <translation>Esse arquivo não é uma exportação de perfis do Openwright.</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>Openwright cannot start</source>
        <translation>O Openwright não pode iniciar</translation>
    </message>
</context>
<context>
    <name>Style</name>
    <message>
        <source>Clear</source>
        <translation>Limpar</translation>
    </message>
</context>
<context>
    <name>TargetState</name>
    <message>
        <source>Set to %1, which is no longer installed.</source>
        <translation>Definido como %1, que não está mais instalado.</translation>
    </message>
    <message>
        <source>%1 opens it for now.</source>
        <translation>Por enquanto, %1 o abre.</translation>
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
        <translation>Depende do arquivo: %1.</translation>
    </message>
    <message>
        <source>Depends on who opens it: %1.</source>
        <translation>Depende de quem o abre: %1.</translation>
    </message>
    <message>
        <source>Split between browsers: %1.</source>
        <translation>Dividido entre navegadores: %1.</translation>
    </message>
    <message>
        <source>Not set</source>
        <translation>Não definido</translation>
    </message>
    <message>
        <source>Set by you</source>
        <translation>Definido por você</translation>
    </message>
    <message>
        <source>Desktop default</source>
        <translation>Padrão da área de trabalho</translation>
    </message>
    <message>
        <source>Chosen by the system</source>
        <translation>Escolhido pelo sistema</translation>
    </message>
    <message>
        <source>%1: nothing.</source>
        <translation>%1: nada.</translation>
    </message>
    <message>
        <source>%1: %2 or another, by chance.</source>
        <translation>%1: %2 ou outro, ao acaso.</translation>
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
        <translation>Áudio</translation>
    </message>
    <message>
        <source>Images</source>
        <translation>Imagens</translation>
    </message>
    <message>
        <source>Documents</source>
        <translation>Documentos</translation>
    </message>
    <message>
        <source>Text &amp; Code</source>
        <translation>Texto e código</translation>
    </message>
    <message>
        <source>Archives</source>
        <translation>Arquivos compactados</translation>
    </message>
    <message>
        <source>Links</source>
        <translation>Links</translation>
    </message>
    <message>
        <source>Other</source>
        <translation>Outros</translation>
    </message>
</context>
<context>
    <name>cli</name>
    <message>
        <source>Not restored</source>
        <translation>Não restaurado</translation>
    </message>
    <message>
        <source>%1 of %2 changed.</source>
        <translation>%1 de %2 alterados.</translation>
    </message>
    <message>
        <source>Same as now
</source>
        <translation>Igual a agora
</translation>
    </message>
    <message>
        <source>All set
</source>
        <translation>Tudo certo
</translation>
    </message>
    <message>
        <source>The Default Guard watches only the types Openwright lists, and %1 is not one of them.</source>
        <translation>O Guardião de padrões só vigia os tipos que o Openwright lista, e %1 não é um deles.</translation>
    </message>
    <message>
        <source>%1 is pinned: Default Guard is watching this default.</source>
        <translation>%1 está fixado: o Guardião está vigiando este padrão.</translation>
    </message>
    <message>
        <source>%1 is not pinned.</source>
        <translation>%1 não está fixado.</translation>
    </message>
    <message>
        <source>No defaults changed since the last check.
</source>
        <translation>Nenhum padrão mudou desde a última verificação.
</translation>
    </message>
    <message>
        <source>The file to import was not read.</source>
        <translation>O arquivo a importar não foi lido.</translation>
    </message>
    <message numerus="yes">
        <source>Imported %n profile(s).</source>
        <translation>
            <numerusform>%n perfil importado.</numerusform>
            <numerusform>%n perfis importados.</numerusform>
        </translation>
    </message>
    <message>
        <source>Another backup would make your profiles file larger than Openwright can read back. Delete some backups first.</source>
        <translation>Outro backup deixaria seu arquivo de perfis maior do que o Openwright consegue ler de volta. Exclua alguns backups primeiro.</translation>
    </message>
    <message numerus="yes">
        <source>Backed up %n defaults as “%1” (%2).</source>
        <translation>
            <numerusform>%n padrão salvo como “%1” (%2).</numerusform>
            <numerusform>%n padrões salvos como “%1” (%2).</numerusform>
        </translation>
    </message>
    <message>
        <source>Deleted the backup “%1” (%2).</source>
        <translation>Backup “%1” excluído (%2).</translation>
    </message>
    <message>
        <source>The command was interrupted.</source>
        <translation>O comando foi interrompido.</translation>
    </message>
    <message>
        <source>Another Openwright command is still running. Try again once it has finished.</source>
        <translation>Outro comando do Openwright ainda está em execução. Tente novamente quando ele terminar.</translation>
    </message>
    <message>
        <source>Openwright could not save all of its data, so what was not saved is lost: </source>
        <translation>O Openwright não conseguiu salvar todos os seus dados, então o que não foi salvo se perdeu: </translation>
    </message>
    <message>
        <source>Openwright is quitting.</source>
        <translation>O Openwright está sendo encerrado.</translation>
    </message>
    <message>
        <source>Openwright could not save all of its data; what was not saved will be lost when Openwright quits: </source>
        <translation>O Openwright não conseguiu salvar todos os seus dados; o que não foi salvo será perdido quando o Openwright for encerrado: </translation>
    </message>
    <message>
        <source>%1 is not an option. See openwright --help.</source>
        <translation>%1 não é uma opção. Veja openwright --help.</translation>
    </message>
    <message>
        <source>%1 needs one of: %2.</source>
        <translation>%1 precisa de um destes: %2.</translation>
    </message>
    <message>
        <source>“%1” is not a command. See openwright --help.</source>
        <translation>“%1” não é um comando. Veja openwright --help.</translation>
    </message>
    <message>
        <source>%1 is not an option of %2. See openwright %2 --help.</source>
        <translation>%1 não é uma opção de %2. Veja openwright %2 --help.</translation>
    </message>
    <message>
        <source>%1 is missing. Usage: %2</source>
        <translation>Falta %1. Uso: %2</translation>
    </message>
    <message>
        <source>“%1” is one argument too many. Usage: %2</source>
        <translation>“%1” é um argumento a mais. Uso: %2</translation>
    </message>
    <message>
        <source>No default</source>
        <translation>Nenhum padrão definido</translation>
    </message>
    <message>
        <source>Handled</source>
        <translation>Resolvido</translation>
    </message>
    <message>
        <source>Already set</source>
        <translation>Já definido</translation>
    </message>
    <message>
        <source>%1 isn&apos;t installed</source>
        <translation>%1 não está instalado</translation>
    </message>
    <message>
        <source>All set</source>
        <translation>Tudo certo</translation>
    </message>
    <message>
        <source>%1 of %2 to change</source>
        <translation>%1 de %2 a alterar</translation>
    </message>
    <message>
        <source>There is no %1 called “%2”.</source>
        <translation>Não há %1 chamado “%2”.</translation>
    </message>
    <message>
        <source>“%1” could be %2; give its id instead.</source>
        <translation>“%1” pode ser %2; informe o id.</translation>
    </message>
    <message>
        <source>“%1” could be %2. Give its desktop-file ID instead.</source>
        <translation>“%1” pode ser %2. Informe o ID do arquivo desktop.</translation>
    </message>
    <message>
        <source>There is no installed application called “%1”, and no installed app can open %2.</source>
        <translation>Não há aplicativo instalado chamado “%1”, e nenhum aplicativo instalado abre %2.</translation>
    </message>
    <message>
        <source>There is no installed application called “%1”. Apps that can open %2: %3.</source>
        <translation>Não há aplicativo instalado chamado “%1”. Aplicativos que abrem %2: %3.</translation>
    </message>
    <message>
        <source>No installed app can open %1</source>
        <translation>Nenhum aplicativo instalado abre %1</translation>
    </message>
    <message>
        <source>No installed app can open %1. Install one, or ignore it if you never use it.</source>
        <translation>Nenhum aplicativo instalado abre %1. Instale um, ou ignore se você nunca usa.</translation>
    </message>
    <message>
        <source>Several apps can open it, but none is the default.</source>
        <translation>Vários aplicativos podem abri-lo, mas nenhum é o padrão.</translation>
    </message>
    <message>
        <source>Where the system looks, in its order:</source>
        <translation>Onde o sistema procura, na ordem dele:</translation>
    </message>
    <message>
        <source>Defaults Health: %1</source>
        <translation>Saúde dos padrões: %1</translation>
    </message>
    <message>
        <source>%1/%2 types with a default.</source>
        <translation>%1/%2 tipos com aplicativo padrão.</translation>
    </message>
    <message>
        <source>Everything has a home.</source>
        <translation>Tudo tem seu lugar.</translation>
    </message>
    <message numerus="yes">
        <source>%n types need attention.</source>
        <translation>
            <numerusform>%n tipo precisa de atenção.</numerusform>
            <numerusform>%n tipos precisam de atenção.</numerusform>
        </translation>
    </message>
    <message>
        <source>The share of known file and link types that open in a specific app </source>
        <translation>A parcela dos tipos de arquivo e link conhecidos que abrem em um aplicativo específico </translation>
    </message>
    <message>
        <source>Needs attention</source>
        <translation>Precisa de atenção</translation>
    </message>
    <message>
        <source>Pinned (%1)</source>
        <translation>Fixados (%1)</translation>
    </message>
    <message>
        <source>No changes spotted yet.</source>
        <translation>Nenhuma alteração detectada ainda.</translation>
    </message>
    <message>
        <source>Recent Changes</source>
        <translation>Alterações recentes</translation>
    </message>
    <message>
        <source>Preset</source>
        <translation>Predefinição</translation>
    </message>
    <message>
        <source>“%1” is built in; only your own profiles can be exported.</source>
        <translation>“%1” é embutido; só seus próprios perfis podem ser exportados.</translation>
    </message>
    <message>
        <source>You have no profiles of your own to export.</source>
        <translation>Você não tem perfis próprios para exportar.</translation>
    </message>
    <message>
        <source>Export failed: %1 is not a regular file.</source>
        <translation>Falha ao exportar: %1 não é um arquivo comum.</translation>
    </message>
    <message>
        <source>Export failed: </source>
        <translation>Falha ao exportar: </translation>
    </message>
    <message numerus="yes">
        <source>Exported %n profile(s).</source>
        <translation>
            <numerusform>%n perfil exportado.</numerusform>
            <numerusform>%n perfis exportados.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n defaults</source>
        <translation>
            <numerusform>%n padrão</numerusform>
            <numerusform>%n padrões</numerusform>
        </translation>
    </message>
    <message>
        <source>Same as now</source>
        <translation>Igual a agora</translation>
    </message>
    <message numerus="yes">
        <source>%n different from now</source>
        <translation>
            <numerusform>%n diferença de agora</numerusform>
            <numerusform>%n diferenças de agora</numerusform>
        </translation>
    </message>
    <message>
        <source>No backups yet.
</source>
        <translation>Nenhum backup ainda.
</translation>
    </message>
    <message>
        <source>Openwright cannot create its lock file %1: %2</source>
        <translation>O Openwright não pode criar seu arquivo de trava %1: %2</translation>
    </message>
    <message>
        <source>the folder cannot be written</source>
        <translation>não é possível gravar na pasta</translation>
    </message>
    <message>
        <source>Openwright is not running.</source>
        <translation>O Openwright não está em execução.</translation>
    </message>
    <message>
        <source>Openwright is running but does not answer, so nothing was done. Try again, or quit Openwright and run the command then.</source>
        <translation>O Openwright está em execução, mas não responde, então nada foi feito. Tente novamente, ou encerre o Openwright e execute o comando depois.</translation>
    </message>
    <message>
        <source>The running Openwright cannot carry out commands from this version of the command line. Quit it and try again.</source>
        <translation>O Openwright em execução não consegue executar comandos desta versão da linha de comando. Encerre-o e tente novamente.</translation>
    </message>
    <message>
        <source>The command is too long to hand to the running Openwright.</source>
        <translation>O comando é longo demais para ser passado ao Openwright em execução.</translation>
    </message>
    <message>
        <source>The running Openwright did not finish the command in time; it may still be carried out.</source>
        <translation>O Openwright em execução não terminou o comando a tempo; ele ainda pode ser executado.</translation>
    </message>
    <message>
        <source>Openwright cannot listen on %1 (%2): commands and later starts will not reach it.</source>
        <translation>O Openwright não pode escutar em %1 (%2): comandos e inicializações posteriores não chegarão a ele.</translation>
    </message>
    <message>
        <source>no private folder for it</source>
        <translation>nenhuma pasta privada para isso</translation>
    </message>
    <message>
        <source>openwright: the answer is too large to pass on
</source>
        <translation>openwright: a resposta é grande demais para ser repassada
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
        <translation>Parou de reverter</translation>
    </message>
    <message>
        <source>%1 changes nothing.</source>
        <translation>%1 não altera nada.</translation>
    </message>
    <message>
        <source>Cannot start %1: %2</source>
        <translation>Não é possível iniciar %1: %2</translation>
    </message>
    <message>
        <source>the path is too long for a socket</source>
        <translation>o caminho é longo demais para um socket</translation>
    </message>
    <message>
        <source>Openwright is running but does not answer. Quit it, or end its process, and start it again.</source>
        <translation>O Openwright está em execução, mas não responde. Feche-o, ou encerre o processo dele, e inicie-o novamente.</translation>
    </message>
    <message>
        <source>Also moved, since they open where a changed type does:</source>
        <translation>Também mudaram, pois abrem onde abre um tipo alterado:</translation>
    </message>
    <message>
        <source>%1: No installed application has that name or desktop-file ID.</source>
        <translation>%1: nenhum aplicativo instalado tem esse nome ou ID de arquivo desktop.</translation>
    </message>
    <message>
        <source>“%1” could be %2 (%3) or %4 (%5). Give the one you mean.</source>
        <translation>“%1” pode ser %2 (%3) ou %4 (%5). Indique o que você quer.</translation>
    </message>
    <message>
        <source>Different apps</source>
        <translation>Aplicativos diferentes</translation>
    </message>
    <message>
        <source>Where the system looks for %1, in its order:</source>
        <translation>Onde o sistema procura para %1, na sua ordem:</translation>
    </message>
    <message>
        <source>Meanwhile the Default Guard saw:</source>
        <translation>Enquanto isso, o Guardião viu:</translation>
    </message>
    <message>
        <source>Cannot write the output: %1</source>
        <translation>Não é possível gravar a saída: %1</translation>
    </message>
    <message>
        <source>Not set: not installed here</source>
        <translation>Não definido: não instalado aqui</translation>
    </message>
    <message>
        <source>%1, put back</source>
        <translation>%1, restaurado</translation>
    </message>
    <message numerus="yes">
        <source>%n default(s) changed since the last check:</source>
        <translation>
            <numerusform>%n aplicativo padrão mudou desde a última verificação:</numerusform>
            <numerusform>%n aplicativos padrão mudaram desde a última verificação:</numerusform>
        </translation>
    </message>
    <message>
        <source>Openwright ended before it carried out the command: nothing was changed. Run the command again.</source>
        <translation>O Openwright terminou antes de executar o comando: nada foi alterado. Execute o comando novamente.</translation>
    </message>
    <message>
        <source>Openwright ended while it carried out the command: it changed some of what was asked, or all of it. See what is set now with &quot;openwright status&quot;.</source>
        <translation>O Openwright terminou enquanto executava o comando: alterou parte do que foi pedido, ou tudo. Veja o que está definido agora com &quot;openwright status&quot;.</translation>
    </message>
    <message>
        <source>Openwright did not finish “%1”</source>
        <translation>O Openwright não concluiu “%1”</translation>
    </message>
    <message>
        <source>Openwright finished “%1”</source>
        <translation>O Openwright concluiu “%1”</translation>
    </message>
    <message>
        <source>The notification could not be shown: %1</source>
        <translation>Não foi possível mostrar a notificação: %1</translation>
    </message>
    <message>
        <source>--desktop goes with --system: your own desktop is the one you are logged in to.</source>
        <translation>--desktop acompanha --system: seu próprio ambiente é aquele em que você está conectado.</translation>
    </message>
    <message>
        <source>--notify goes with a command that changes, without --json: it tells a person what the command did.</source>
        <translation>--notify acompanha um comando que altera algo, sem --json: ele diz a uma pessoa o que o comando fez.</translation>
    </message>
    <message>
        <source>--system changes what every new account of this machine gets: run it as root, for example with sudo.</source>
        <translation>--system altera o que cada nova conta desta máquina recebe: execute-o como root, por exemplo com sudo.</translation>
    </message>
    <message>
        <source>Openwright keeps its lock file at %1, but a folder is there. Remove the folder and try again.</source>
        <translation>O Openwright mantém seu arquivo de bloqueio em %1, mas há uma pasta ali. Remova a pasta e tente novamente.</translation>
    </message>
    <message>
        <source>Openwright keeps its lock file at %1, but something other than a file is there. Remove it and try again.</source>
        <translation>O Openwright mantém seu arquivo de bloqueio em %1, mas há algo que não é um arquivo ali. Remova-o e tente novamente.</translation>
    </message>
    <message>
        <source>Openwright&apos;s lock file %1 belongs to another user. Remove it and try again.</source>
        <translation>O arquivo de bloqueio %1 do Openwright pertence a outro usuário. Remova-o e tente novamente.</translation>
    </message>
    <message>
        <source>Openwright cannot read its lock file %1: %2. Remove it and try again.</source>
        <translation>O Openwright não consegue ler seu arquivo de bloqueio %1: %2. Remova-o e tente novamente.</translation>
    </message>
    <message>
        <source>Openwright is busy with other commands. Try again in a moment.
</source>
        <translation>O Openwright está ocupado com outros comandos. Tente novamente em instantes.
</translation>
    </message>
    <message>
        <source>default</source>
        <translation>padrão</translation>
    </message>
    <message>
        <source>as a parent type</source>
        <translation>como tipo pai</translation>
    </message>
    <message>
        <source>removed</source>
        <translation>removido</translation>
    </message>
    <message>
        <source>Declares no types in its desktop entry.</source>
        <translation>Não declara nenhum tipo na sua entrada de desktop.</translation>
    </message>
    <message numerus="yes">
        <source>Declares %n types; the default for %1 of them.</source>
        <translation>
            <numerusform>Declara %n tipo; é o padrão para %1 deles.</numerusform>
            <numerusform>Declara %n tipos; é o padrão para %1 deles.</numerusform>
        </translation>
    </message>
    <message>
        <source>The change could not be made</source>
        <translation>Não foi possível fazer a alteração</translation>
    </message>
    <message>
        <source>Kept a copy as %1</source>
        <translation>Cópia guardada como %1</translation>
    </message>
    <message>
        <source>Fixed %1</source>
        <translation>Corrigido: %1</translation>
    </message>
    <message>
        <source>Not fixed: %1</source>
        <translation>Não corrigido: %1</translation>
    </message>
    <message numerus="yes">
        <source>Left alone: %n no longer found, as the files changed meanwhile.</source>
        <translation>
            <numerusform>Deixado como estava: %n problema não foi mais encontrado, pois os arquivos mudaram nesse meio-tempo.</numerusform>
            <numerusform>Deixados como estavam: %n problemas não foram mais encontrados, pois os arquivos mudaram nesse meio-tempo.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n problems in your defaults files</source>
        <translation>
            <numerusform>%n problema nos seus arquivos de aplicativos padrão</numerusform>
            <numerusform>%n problemas nos seus arquivos de aplicativos padrão</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n problems in your defaults files: see openwright doctor.</source>
        <translation>
            <numerusform>%n problema nos seus arquivos de padrões: veja openwright doctor.</numerusform>
            <numerusform>%n problemas nos seus arquivos de padrões: veja openwright doctor.</numerusform>
        </translation>
    </message>
    <message>
        <source>Every program already opens each type alike.</source>
        <translation>Todos os programas já abrem cada tipo da mesma forma.</translation>
    </message>
    <message>
        <source>every program agrees</source>
        <translation>todos os programas concordam</translation>
    </message>
    <message>
        <source>still opens differently</source>
        <translation>ainda abre diferente</translation>
    </message>
    <message>
        <source>nothing</source>
        <translation>nada</translation>
    </message>
    <message>
        <source>no application; runs %1</source>
        <translation>nenhum aplicativo; executa %1</translation>
    </message>
    <message>
        <source>%1 is %2. Each program would start:</source>
        <translation>%1 é %2. Cada programa iniciaria:</translation>
    </message>
    <message>
        <source>What each program that opens files starts:</source>
        <translation>O que cada programa que abre arquivos inicia:</translation>
    </message>
    <message numerus="yes">
        <source>%n types open differently in other programs: see openwright agree.</source>
        <translation>
            <numerusform>%n tipo abre diferente em outros programas: veja openwright agree.</numerusform>
            <numerusform>%n tipos abrem diferente em outros programas: veja openwright agree.</numerusform>
        </translation>
    </message>
    <message>
        <source>still opens differently: %1</source>
        <translation>ainda abre diferente: %1</translation>
    </message>
    <message>
        <source>left alone: its types open in different apps; choose one app for it first</source>
        <translation>deixado como está: seus tipos abrem em apps diferentes; escolha primeiro um app para ele</translation>
    </message>
    <message>
        <source>%1 (%2 only)</source>
        <translation>%1 (só %2)</translation>
    </message>
</context>
<context>
    <name>cli help</name>
    <message>
        <source>Show which application opens each type</source>
        <translation>Mostrar qual aplicativo abre cada tipo</translation>
    </message>
    <message>
        <source>Shows each type&apos;s display form, title and current application, by name and desktop-file ID. Without TARGETs, every type Openwright watches, in the sections of its sidebar; pinned types are marked. With --candidates, every application that can open each type too, the current one marked with *.</source>
        <translation>Mostra, para cada tipo, a forma de exibição, o título e o aplicativo atual, pelo nome e pelo ID do arquivo desktop. Sem TARGETs, todos os tipos que o Openwright acompanha, nas seções da sua barra lateral; os tipos fixados são marcados. Com --candidates, também todos os aplicativos que podem abrir cada tipo, com o atual marcado com *.</translation>
    </message>
    <message>
        <source>List every type the system knows, with what opens it</source>
        <translation>Listar todos os tipos que o sistema conhece, com o que abre cada um</translation>
    </message>
    <message>
        <source>Lists every MIME type of the shared MIME database and every link type an installed application declares, grouped by media type: its MIME type, its description, its file-name patterns, the application that opens it and where that answer comes from. With TEXT, only the types whose MIME type, description, patterns or application hold it, in any case.</source>
        <translation>Lista todos os tipos MIME do banco de dados MIME compartilhado e todos os tipos de link que um aplicativo instalado declara, agrupados por tipo de mídia: o tipo MIME, a descrição, os padrões de nome de arquivo, o aplicativo que o abre e de onde vem essa resposta. Com TEXT, só os tipos cujo tipo MIME, descrição, padrões ou aplicativo o contêm, sem diferenciar maiúsculas de minúsculas.</translation>
    </message>
    <message>
        <source>Make APP open each TARGET</source>
        <translation>Fazer APP abrir cada TARGET</translation>
    </message>
    <message>
        <source>Makes APP the default for each TARGET, all in one go, and prints each outcome (Changed, Already the default, or why not) and what opens each TARGET now. An application that does not say it can open a TARGET is refused, and nothing is changed, unless --force is given. Choosing a web browser for http: sets https:, .html and .htm with it. Exits with 1 when a change did not succeed. With --json and one TARGET, one object; with several, {&quot;changes&quot;: [...]} with one object each. With a family (video/*, audio/*, image/*, text/*) or --all in place of the TARGETs, every type APP declares there.</source>
        <translation>Torna APP o padrão para cada TARGET, tudo de uma vez, e mostra o resultado de cada um (Alterado, Já é o aplicativo padrão, ou o motivo de não ter sido alterado) e o que abre cada TARGET agora. Um aplicativo que não diz que consegue abrir um TARGET é recusado, e nada é alterado, a menos que se use --force. Escolher um navegador web para http: define com ele também https:, .html e .htm. Sai com 1 quando uma alteração falha. Com --json e um TARGET, um objeto; com vários, {&quot;changes&quot;: [...]} com um objeto para cada. Com uma família (video/*, audio/*, image/*, text/*) ou --all no lugar dos TARGETs, todos os tipos que APP declara ali.</translation>
    </message>
    <message>
        <source>Let the system choose what opens each TARGET again</source>
        <translation>Deixar o sistema escolher de novo o que abre cada TARGET</translation>
    </message>
    <message>
        <source>Removes your own choice for each TARGET (its line in your mimeapps.list and your desktop&apos;s own list, and the associations that choices added), so that each opens in what the system chooses by itself, and prints what that is. While automatic backups are on, the current defaults are backed up first. Exits with 1 when a choice could not be removed.</source>
        <translation>Remove sua própria escolha para cada TARGET (a linha dele no seu mimeapps.list e na lista própria do seu ambiente, e as associações que essa escolha adicionou), para que cada um abra no que o sistema escolher por conta própria, e mostra qual é. Enquanto os backups automáticos estão ativados, primeiro é feito um backup dos padrões atuais. Sai com 1 quando não foi possível remover uma escolha.</translation>
    </message>
    <message>
        <source>Exit with 0 when APP opens TARGET, 1 when not</source>
        <translation>Sair com 0 quando APP abre TARGET, com 1 quando não</translation>
    </message>
    <message>
        <source>Answers whether APP is the default for TARGET, for scripts: prints yes or no and exits with 0 or 1, as xdg-settings check does. The very entry counts when APP is a desktop-file ID, any packaging of the program when it is an identity.</source>
        <translation>Responde se APP é o padrão para TARGET, para scripts: mostra yes ou no e sai com 0 ou 1, como faz o xdg-settings check. Quando APP é um ID de arquivo desktop, conta exatamente essa entrada; quando é uma identidade, qualquer empacotamento do programa.</translation>
    </message>
    <message>
        <source>Explain which list decides the application for TARGET</source>
        <translation>Explicar qual lista decide o aplicativo para TARGET</translation>
    </message>
    <message>
        <source>Explains why TARGET opens where it does: every mimeapps.list the system reads, in the order of the freedesktop.org standard (your desktop&apos;s own list, yours, the administrator&apos;s, the distribution&apos;s, then the installed applications), what each says about the type, which entries are skipped because their application is not installed, and which one decides.</source>
        <translation>Explica por que TARGET abre onde abre: cada mimeapps.list que o sistema lê, na ordem da especificação do freedesktop.org (a lista própria do seu ambiente, a sua, a do administrador, a da distribuição e, depois, os aplicativos instalados), o que cada uma diz sobre o tipo, quais entradas são ignoradas porque o aplicativo delas não está instalado e qual decide.</translation>
    </message>
    <message>
        <source>Show the order in which the system offers applications for TARGET</source>
        <translation>Mostrar a ordem em que o sistema oferece aplicativos para TARGET</translation>
    </message>
    <message>
        <source>Lists every application the system offers for TARGET, in the order it tries them, as gio mime lists them: the default first, then the applications added for it, then the others. The default is marked, and so are the applications that open it only as a parent type (a text editor for source code); the applications you removed from it follow. Change it with reorder, remove and restore-association.</source>
        <translation>Lista todos os aplicativos que o sistema oferece para TARGET, na ordem em que ele os tenta, como o gio mime os lista: primeiro o padrão, depois os aplicativos adicionados para ele e, por fim, os outros. O padrão é marcado, assim como os aplicativos que só o abrem como tipo pai (um editor de texto para código-fonte); em seguida vêm os aplicativos que você removeu dele. Altere a ordem com reorder, remove e restore-association.</translation>
    </message>
    <message>
        <source>Make the system offer the APPs first for TARGET, in this order</source>
        <translation>Fazer o sistema oferecer primeiro os APPs para TARGET, nesta ordem</translation>
    </message>
    <message>
        <source>Writes the APPs, in this order, as the default line of TARGET and its fallbacks and as associations added for it, in your mimeapps.list (and in your desktop&apos;s own list where that names TARGET): the first APP becomes the default, and the system offers the others next. A web browser&apos;s links, secure links and pages take the order together, and on KDE and Xfce the desktop&apos;s own browser setting takes the first APP. While automatic backups are on, the current defaults are backed up first. Prints the outcome and the new order; exits with 1 when the change did not succeed.</source>
        <translation>Grava os APPs, nesta ordem, como a linha de padrão de TARGET e suas alternativas e como associações adicionadas para ele, no seu mimeapps.list (e na lista própria do seu ambiente, onde ela indica TARGET): o primeiro APP se torna o padrão, e o sistema oferece os outros em seguida. Os links, os links seguros e as páginas de um navegador web recebem a ordem juntos, e no KDE e no Xfce a configuração de navegador do próprio ambiente recebe o primeiro APP. Enquanto os backups automáticos estão ativados, primeiro é feito um backup dos padrões atuais. Mostra o resultado e a nova ordem; sai com 1 quando a alteração falha.</translation>
    </message>
    <message>
        <source>Stop the system offering APP for TARGET</source>
        <translation>Fazer o sistema deixar de oferecer APP para TARGET</translation>
    </message>
    <message>
        <source>Removes APP from what the system offers for TARGET: a [Removed Associations] line in your mimeapps.list, and APP leaves your default and added lines of TARGET. The system reads removals only in mimeapps.list, not in a desktop&apos;s own list: where the system still offers APP, the outcome says so. Undo it with restore-association. Backed up first, as every change; exits with 1 when the change did not succeed.</source>
        <translation>Remove APP do que o sistema oferece para TARGET: uma linha [Removed Associations] no seu mimeapps.list, e APP sai das suas linhas de padrão e de adicionados de TARGET. O sistema só lê remoções em mimeapps.list, não na lista própria de um ambiente: onde o sistema ainda oferece APP, o resultado informa isso. Desfaça com restore-association. Como em toda alteração, antes é feito um backup; sai com 1 quando a alteração falha.</translation>
    </message>
    <message>
        <source>Let the system offer APP for TARGET again</source>
        <translation>Deixar o sistema oferecer APP para TARGET de novo</translation>
    </message>
    <message>
        <source>Takes APP off the applications you removed from TARGET, so that the system offers it again, and prints the new order.</source>
        <translation>Tira APP dos aplicativos que você removeu de TARGET, para que o sistema volte a oferecê-lo, e mostra a nova ordem.</translation>
    </message>
    <message>
        <source>Show the health score and the types that need attention</source>
        <translation>Mostrar a pontuação de saúde e os tipos que precisam de atenção</translation>
    </message>
    <message>
        <source>Shows the share of known types that open in a specific, installed application, and lists the types that need attention.</source>
        <translation>Mostra a parcela dos tipos conhecidos que abrem em um aplicativo específico e instalado, e lista os tipos que precisam de atenção.</translation>
    </message>
    <message>
        <source>Show the types APP declares and where it is the default</source>
        <translation>Mostrar os tipos que APP declara e onde ele é o padrão</translation>
    </message>
    <message>
        <source>Lists the MIME types APP&apos;s desktop entry declares, by family (Video, Audio, Images, Documents, Text &amp; Code, Archives, Links, Other), with what opens each now. To make APP the default for a family, use set video/* APP (or audio/*, image/*, text/*), or set --all APP for every type it declares.</source>
        <translation>Lista os tipos MIME que a entrada de desktop de APP declara, por família (Vídeo, Áudio, Imagens, Documentos, Texto e código, Arquivos compactados, Links, Outros), com o que abre cada um agora. Para tornar APP o padrão de uma família, use set video/* APP (ou audio/*, image/*, text/*), ou set --all APP para todos os tipos que ele declara.</translation>
    </message>
    <message>
        <source>Let the Default Guard watch TARGET</source>
        <translation>Deixar o Guardião de padrões vigiar TARGET</translation>
    </message>
    <message>
        <source>Pins TARGET, one of the types Openwright lists: when another application takes it over, the running Openwright notifies you and offers to put it back. With --keep it always keeps TARGET: it puts the application back at once and tells you, offering to allow the new one; after three takeovers within a minute it stops and waits for you. Without --keep, a kept type goes back to asking.</source>
        <translation>Fixa TARGET, um dos tipos que o Openwright lista: quando outro aplicativo o assume, o Openwright em execução avisa você e oferece revertê-lo. Com --keep, ele sempre mantém TARGET: reverte o aplicativo na hora e avisa você, oferecendo permitir o novo; se TARGET for assumido três vezes em um minuto, ele para e espera por você. Sem --keep, um tipo mantido volta a perguntar.</translation>
    </message>
    <message>
        <source>Stop watching TARGET</source>
        <translation>Parar de vigiar TARGET</translation>
    </message>
    <message>
        <source>Unpins TARGET.</source>
        <translation>Desafixa TARGET.</translation>
    </message>
    <message>
        <source>Check the defaults now and print the changes found</source>
        <translation>Verificar os padrões agora e mostrar as alterações encontradas</translation>
    </message>
    <message>
        <source>Reads every watched default now, records it as the Default Guard does, and prints the changes it found since the last check.</source>
        <translation>Lê agora cada padrão vigiado, registra-o como faz o Guardião de padrões e mostra as alterações encontradas desde a última verificação.</translation>
    </message>
    <message>
        <source>Print the pinned types and the changes the Default Guard spotted</source>
        <translation>Mostrar os tipos fixados e as alterações detectadas pelo Guardião de padrões</translation>
    </message>
    <message>
        <source>Prints the pinned types (kept ones marked) and the changes the Default Guard spotted, newest first, with the program that probably made each where that can be told.</source>
        <translation>Mostra os tipos fixados (com os mantidos marcados) e as alterações detectadas pelo Guardião de padrões, das mais recentes para as mais antigas, com o programa que provavelmente fez cada uma, quando é possível saber.</translation>
    </message>
    <message>
        <source>Find problems in your defaults files, and fix them</source>
        <translation>Encontrar problemas nos seus arquivos de padrões e corrigi-los</translation>
    </message>
    <message>
        <source>Checks your own defaults files (mimeapps.list, your desktop&apos;s own list, the older lists in your applications folder) and your own desktop entries, and lists each problem with its file and line: lines naming applications no longer installed, another name of a type hiding its line, a type set twice, a default that is also removed, an older list or another desktop&apos;s list deciding instead of yours, entries of old &quot;open with a command&quot; dialogs and entries whose program is gone. A list that is a read-only link made by a configuration tool is explained, never changed. With --fix, repairs them: every changed file is first copied beside itself as NAME.before-cleanup-N, the defaults are backed up, and each file is written whole or not at all. Exits with 1 when a file could not be written.</source>
        <translation>Verifica seus próprios arquivos de padrões (mimeapps.list, a lista própria do seu ambiente, as listas antigas na sua pasta de aplicativos) e suas próprias entradas de desktop, e lista cada problema com o arquivo e a linha: linhas que indicam aplicativos que não estão mais instalados, outro nome de um tipo escondendo a linha dele, um tipo definido duas vezes, um padrão que também está removido, uma lista antiga ou a lista de outro ambiente decidindo no lugar da sua, entradas de antigos diálogos “abrir com um comando” e entradas cujo programa não existe mais. Uma lista que é um link somente leitura criado por uma ferramenta de configuração é explicada, nunca alterada. Com --fix, corrige esses problemas: cada arquivo alterado é antes copiado ao lado dele como NAME.before-cleanup-N, é feito um backup dos padrões, e cada arquivo é gravado inteiro ou não é gravado. Sai com 1 quando não foi possível gravar um arquivo.</translation>
    </message>
    <message>
        <source>List the profiles and what applying each would change</source>
        <translation>Listar os perfis e o que aplicar cada um alteraria</translation>
    </message>
    <message>
        <source>Lists the built-in profiles and your own, each with its id and what applying it would change.</source>
        <translation>Lista os perfis embutidos e os seus, cada um com seu id e o que aplicá-lo alteraria.</translation>
    </message>
    <message>
        <source>Show what applying profile NAME would do</source>
        <translation>Mostrar o que aplicar o perfil NAME faria</translation>
    </message>
    <message>
        <source>Shows, type by type, what applying profile NAME would change, which defaults are already set and which applications are not installed.</source>
        <translation>Mostra, tipo por tipo, o que aplicar o perfil NAME alteraria, quais padrões já estão definidos e quais aplicativos não estão instalados.</translation>
    </message>
    <message>
        <source>Apply profile NAME</source>
        <translation>Aplicar o perfil NAME</translation>
    </message>
    <message>
        <source>Applies profile NAME and prints each step&apos;s outcome. While automatic backups are on, the current defaults are backed up first. Exits with 1 when any change did not succeed.</source>
        <translation>Aplica o perfil NAME e mostra o resultado de cada etapa. Enquanto os backups automáticos estão ativados, primeiro é feito um backup dos padrões atuais. Sai com 1 quando alguma alteração falha.</translation>
    </message>
    <message>
        <source>Export profiles to FILE</source>
        <translation>Exportar perfis para FILE</translation>
    </message>
    <message>
        <source>Writes your profiles NAME... to FILE, or without NAMEs all of your own, in the format that profile import and the window read. With --format=mimeapps, their defaults as a mimeapps.list fragment instead, for those who ship the file themselves; an entry whose application is not installed here is left out, with a comment.</source>
        <translation>Grava seus perfis NAME... em FILE ou, sem NAMEs, todos os seus, no formato que o profile import e a janela leem. Com --format=mimeapps, grava em vez disso os padrões deles como um trecho de mimeapps.list, para quem distribui o arquivo por conta própria; uma entrada cujo aplicativo não está instalado aqui fica de fora, com um comentário.</translation>
    </message>
    <message>
        <source>Add the profiles of an export file</source>
        <translation>Adicionar os perfis de um arquivo de exportação</translation>
    </message>
    <message>
        <source>Adds the profiles of an export FILE to your own; backups in it join your backups.</source>
        <translation>Adiciona os perfis de um FILE de exportação aos seus; os backups contidos nele se juntam aos seus backups.</translation>
    </message>
    <message>
        <source>List the backups, newest first</source>
        <translation>Listar os backups, do mais recente ao mais antigo</translation>
    </message>
    <message>
        <source>Lists the backups, newest first, with their ids, why each was taken and how it differs from now.</source>
        <translation>Lista os backups, do mais recente ao mais antigo, com seus ids, o motivo de cada um e como ele difere de agora.</translation>
    </message>
    <message>
        <source>Back up the current defaults</source>
        <translation>Fazer backup dos padrões atuais</translation>
    </message>
    <message>
        <source>Saves the current defaults as a backup.</source>
        <translation>Salva os padrões atuais como backup.</translation>
    </message>
    <message>
        <source>Restore backup NAME</source>
        <translation>Restaurar o backup NAME</translation>
    </message>
    <message>
        <source>Puts back the defaults of backup NAME. While automatic backups are on, the current defaults are backed up first. Exits with 1 when any change did not succeed.</source>
        <translation>Restaura os padrões do backup NAME. Enquanto os backups automáticos estão ativados, primeiro é feito um backup dos padrões atuais. Sai com 1 quando alguma alteração falha.</translation>
    </message>
    <message>
        <source>Delete backup NAME</source>
        <translation>Excluir o backup NAME</translation>
    </message>
    <message>
        <source>Deletes backup NAME.</source>
        <translation>Exclui o backup NAME.</translation>
    </message>
    <message>
        <source>Show help for a command</source>
        <translation>Mostrar a ajuda de um comando</translation>
    </message>
    <message>
        <source>Shows the help of COMMAND, or of the program.</source>
        <translation>Mostra a ajuda de COMMAND ou do programa.</translation>
    </message>
    <message>
        <source>Make APP open every type it declares in FAMILY</source>
        <translation>Fazer APP abrir todos os tipos que ele declara em FAMILY</translation>
    </message>
    <message>
        <source>Makes APP the default for the types its desktop entry declares in FAMILY (video/*, audio/*, image/*, or text/* for text and code), or with --all for every type it declares, and never for a type it does not declare. Prints each type with its outcome; the changes run as one batch after a backup.</source>
        <translation>Torna APP o padrão para os tipos que a entrada de desktop dele declara em FAMILY (video/*, audio/*, image/* ou text/* para texto e código) ou, com --all, para todos os tipos que ele declara, e nunca para um tipo que ele não declara. Mostra cada tipo com seu resultado; as alterações são feitas em um só lote, depois de um backup.</translation>
    </message>
    <message>
        <source>Shows and changes which installed application opens each kind of file (by extension) and each kind of link (by URL scheme). Without a command, starts the application. Commands need no display; they print plain text, or with --json one JSON document for scripts.</source>
        <translation>Mostra e altera qual aplicativo instalado abre cada tipo de arquivo (pela extensão) e cada tipo de link (pelo esquema da URL). Sem um comando, inicia o aplicativo. Os comandos não precisam de tela gráfica; eles mostram texto simples ou, com --json, um documento JSON para scripts.</translation>
    </message>
    <message>
        <source>Commands that change Openwright&apos;s data (set, reset, reorder, remove, restore-association, pin, unpin, guard check, doctor, profile apply and import, backup now, restore and delete) are carried out by the running Openwright when there is one, so that the two never overwrite each other&apos;s files; otherwise the command holds Openwright&apos;s lock while it runs, and a window started meanwhile waits for it.</source>
        <translation>Os comandos que alteram os dados do Openwright (set, reset, reorder, remove, restore-association, pin, unpin, guard check, doctor, profile apply e import, backup now, restore e delete) são realizados pelo Openwright em execução, quando houver um, para que os dois nunca sobrescrevam os arquivos um do outro; caso contrário, o comando mantém o bloqueio do Openwright enquanto roda, e uma janela aberta nesse meio-tempo espera por ele.</translation>
    </message>
    <message>
        <source>A file extension (.pdf or pdf), a link type ending in a colon (mailto:), a MIME type (application/pdf, inode/directory; an alias such as application/x-pdf is read as the type it stands for), the role terminal (the terminal that programs which run in one open in), or a file or folder (./report.pdf, ~/Downloads): the type the system gives it by its name and contents. A word is a path when it starts with /, ./, ../ or ~, or when it names an existing file and cannot be an extension (report.pdf); any other single word (pdf) is an extension, and .terminal the extension of that name.</source>
        <translation>Uma extensão de arquivo (.pdf ou pdf), um tipo de link terminado em dois-pontos (mailto:), um tipo MIME (application/pdf, inode/directory; um alias como application/x-pdf é lido como o tipo que ele representa), a função terminal (o terminal em que abrem os programas que rodam em um terminal) ou um arquivo ou pasta (./report.pdf, ~/Downloads): o tipo que o sistema atribui a ele pelo nome e pelo conteúdo. Uma palavra é um caminho quando começa com /, ./, ../ ou ~, ou quando indica um arquivo existente e não pode ser uma extensão (report.pdf); qualquer outra palavra isolada (pdf) é uma extensão, e .terminal é a extensão com esse nome.</translation>
    </message>
    <message>
        <source>A desktop-file ID (org.gnome.Evince or org.gnome.Evince.desktop), an application identity (com.google.Chrome), or a name as status --candidates shows it; the start of a name is enough when no other name starts so. An ambiguous name is refused with the choices listed.</source>
        <translation>Um ID de arquivo desktop (org.gnome.Evince ou org.gnome.Evince.desktop), uma identidade de aplicativo (com.google.Chrome) ou um nome como status --candidates o mostra; o início de um nome basta quando nenhum outro nome começa assim. Um nome ambíguo é recusado, com as opções listadas.</translation>
    </message>
    <message>
        <source>Words to look for, such as tex or *.md.</source>
        <translation>Palavras a procurar, como tex ou *.md.</translation>
    </message>
    <message>
        <source>NAME</source>
        <translation>NOME</translation>
    </message>
    <message>
        <source>A profile&apos;s or backup&apos;s name, or its id as profile list and backup list show it.</source>
        <translation>O nome de um perfil ou backup, ou o id dele como profile list e backup list o mostram.</translation>
    </message>
    <message>
        <source>A file name, relative to the current folder.</source>
        <translation>Um nome de arquivo, relativo à pasta atual.</translation>
    </message>
    <message>
        <source>Print one JSON document instead of text.</source>
        <translation>Mostrar um documento JSON em vez de texto.</translation>
    </message>
    <message>
        <source>Show the help of the program, or of the command given.</source>
        <translation>Mostrar a ajuda do programa ou do comando informado.</translation>
    </message>
    <message>
        <source>Show the version.</source>
        <translation>Mostrar a versão.</translation>
    </message>
    <message>
        <source>Read or change what every new account of this machine gets: the system&apos;s list, the first folder of XDG_CONFIG_DIRS (/etc/xdg/mimeapps.list). Changing needs root; backups are kept apart, in /var/lib/openwright.</source>
        <translation>Ler ou alterar o que cada nova conta desta máquina recebe: a lista do sistema, na primeira pasta de XDG_CONFIG_DIRS (/etc/xdg/mimeapps.list). Alterar exige root; os backups são mantidos à parte, em /var/lib/openwright.</translation>
    </message>
    <message>
        <source>With --system: read and write as DESKTOP (KDE, GNOME, XFCE) does, its own list first.</source>
        <translation>Com --system: ler e gravar como DESKTOP (KDE, GNOME, XFCE) faz, com a lista própria dele primeiro.</translation>
    </message>
    <message>
        <source>With a command that changes: also show its outcome as a desktop notification, for a command started where no terminal shows what it prints (the desktop entry&apos;s Check Now and Back Up Now).</source>
        <translation>Com um comando que altera algo: mostrar também o resultado como notificação da área de trabalho, para um comando iniciado onde nenhum terminal mostra o que ele imprime (Verificar agora e Fazer backup agora, da entrada de desktop).</translation>
    </message>
    <message>
        <source>Without a command: start with the window hidden, guarding from the tray (as at login).</source>
        <translation>Sem um comando: iniciar com a janela oculta, vigiando a partir da bandeja (como ao iniciar a sessão).</translation>
    </message>
    <message>
        <source>The language of the texts: German, French, Spanish, Brazilian Portuguese or Italian, else English. Dates and numbers in a sentence follow its language. --json output is always English.</source>
        <translation>O idioma dos textos: alemão, francês, espanhol, português do Brasil ou italiano; caso contrário, inglês. Datas e números em uma frase seguem o idioma dela. A saída de --json é sempre em inglês.</translation>
    </message>
    <message>
        <source>The desktops whose own defaults list (such as gnome-mimeapps.list) is read first and also written by set; on XFCE and KDE the desktop&apos;s own browser setting is read and written with the web links.</source>
        <translation>Os ambientes cuja lista própria de padrões (como gnome-mimeapps.list) é lida primeiro e também gravada por set; no XFCE e no KDE, a configuração de navegador do próprio ambiente é lida e gravada junto com os links da web.</translation>
    </message>
    <message>
        <source>Where mimeapps.list and the settings are (default ~/.config).</source>
        <translation>Onde ficam o mimeapps.list e as configurações (padrão: ~/.config).</translation>
    </message>
    <message>
        <source>The administrator&apos;s defaults lists and desktop settings, below the user&apos;s (default /etc/xdg).</source>
        <translation>As listas de padrões e as configurações de ambiente do administrador, abaixo das do usuário (padrão: /etc/xdg).</translation>
    </message>
    <message>
        <source>Where the applications of your own and Openwright&apos;s data files are (default ~/.local/share).</source>
        <translation>Onde ficam os seus próprios aplicativos e os arquivos de dados do Openwright (padrão: ~/.local/share).</translation>
    </message>
    <message>
        <source>Where the installed applications, the distribution&apos;s defaults lists, the MIME database and Xfce&apos;s helpers are (default /usr/local/share:/usr/share).</source>
        <translation>Onde ficam os aplicativos instalados, as listas de padrões da distribuição, o banco de dados MIME e os auxiliares do Xfce (padrão: /usr/local/share:/usr/share).</translation>
    </message>
    <message>
        <source>On Xfce, when its browser setting is Debian&apos;s sensible-browser helper: the browser that helper starts, before the x-www-browser alternative.</source>
        <translation>No Xfce, quando a configuração de navegador dele é o auxiliar sensible-browser do Debian: o navegador que esse auxiliar abre, antes da alternativa x-www-browser.</translation>
    </message>
    <message>
        <source>When set and not empty, text output has no colours.</source>
        <translation>Quando definida e não vazia, a saída de texto não tem cores.</translation>
    </message>
    <message>
        <source>With --system: where the system&apos;s backups are kept (default /var/lib/openwright).</source>
        <translation>Com --system: onde ficam os backups do sistema (padrão: /var/lib/openwright).</translation>
    </message>
    <message>
        <source>When set to 1, the texts are shown in the pseudo-translation (longer, accented and bracketed), to find texts left untranslated or cut off.</source>
        <translation>Quando definida como 1, os textos são mostrados na pseudotradução (mais longos, acentuados e entre colchetes), para encontrar textos não traduzidos ou cortados.</translation>
    </message>
    <message>
        <source>custom-types.json, profiles.json and guard.json: the added types, the profiles and backups, and the Default Guard&apos;s memory.</source>
        <translation>custom-types.json, profiles.json e guard.json: os tipos adicionados, os perfis e backups, e a memória do Guardião de padrões.</translation>
    </message>
    <message>
        <source>The settings: the guard on or off and its interval, automatic backups and update checks.</source>
        <translation>As configurações: o Guardião ligado ou desligado e seu intervalo, os backups automáticos e a verificação de atualizações.</translation>
    </message>
    <message>
        <source>Present while &quot;Open at login&quot; is on: the session starts openwright --background.</source>
        <translation>Presente enquanto “Abrir ao iniciar a sessão” está ativado: a sessão inicia openwright --background.</translation>
    </message>
    <message>
        <source>The defaults that set changes, with the desktop&apos;s own list (such as gnome-mimeapps.list) where that would otherwise win.</source>
        <translation>Os padrões que set altera, junto com a lista própria do ambiente (como gnome-mimeapps.list) onde, caso contrário, ela prevaleceria.</translation>
    </message>
    <message>
        <source>The administrator&apos;s and the distribution&apos;s defaults, read after the user&apos;s; never written.</source>
        <translation>Os padrões do administrador e da distribuição, lidos depois dos do usuário; nunca gravados.</translation>
    </message>
    <message>
        <source>An older place of the user&apos;s defaults, still read by the system; the Clean Up moves what it decides.</source>
        <translation>Um local antigo dos padrões do usuário, ainda lido pelo sistema; a função Limpar move o que ele decide.</translation>
    </message>
    <message>
        <source>KDE&apos;s browser setting ([General] BrowserApplication), read and written by set.</source>
        <translation>A configuração de navegador do KDE ([General] BrowserApplication), lida e gravada por set.</translation>
    </message>
    <message>
        <source>Xfce&apos;s browser setting (WebBrowser, the name of an Xfce helper), read and written by set; the system&apos;s is in $XDG_CONFIG_DIRS/xfce4/helpers.rc.</source>
        <translation>A configuração de navegador do Xfce (WebBrowser, o nome de um auxiliar do Xfce), lida e gravada por set; a do sistema fica em $XDG_CONFIG_DIRS/xfce4/helpers.rc.</translation>
    </message>
    <message>
        <source>The Xfce helper set writes for a browser that no installed helper starts.</source>
        <translation>O auxiliar do Xfce que set grava para um navegador que nenhum auxiliar instalado abre.</translation>
    </message>
    <message>
        <source>With --system: the system&apos;s backups and data, kept apart from every person&apos;s (OPENWRIGHT_SYSTEM_DATA).</source>
        <translation>Com --system: os backups e dados do sistema, mantidos à parte dos de cada pessoa (OPENWRIGHT_SYSTEM_DATA).</translation>
    </message>
    <message>
        <source>What opens PDF files and email links.</source>
        <translation>O que abre arquivos PDF e links de e-mail.</translation>
    </message>
    <message>
        <source>Why Markdown files open where they do: every list the system reads, in its order.</source>
        <translation>Por que arquivos Markdown abrem onde abrem: cada lista que o sistema lê, na ordem dele.</translation>
    </message>
    <message>
        <source>Make Firefox the web browser: links, secure links and web pages together.</source>
        <translation>Tornar o Firefox o navegador web: links, links seguros e páginas da web juntos.</translation>
    </message>
    <message>
        <source>Make VLC the default for every video type it declares.</source>
        <translation>Tornar o VLC o padrão para todos os tipos de vídeo que ele declara.</translation>
    </message>
    <message>
        <source>Ask in a script whether Thunderbird opens email links.</source>
        <translation>Perguntar em um script se o Thunderbird abre links de e-mail.</translation>
    </message>
    <message>
        <source>Write the profile Work to a file, to import elsewhere.</source>
        <translation>Gravar o perfil Work em um arquivo, para importar em outro lugar.</translation>
    </message>
    <message>
        <source>The same answer as one JSON document, for scripts.</source>
        <translation>A mesma resposta como um documento JSON, para scripts.</translation>
    </message>
    <message>
        <source>Done.</source>
        <translation>Concluído.</translation>
    </message>
    <message>
        <source>A change did not succeed, or the command could not be carried out.</source>
        <translation>Uma alteração falhou, ou não foi possível executar o comando.</translation>
    </message>
    <message>
        <source>Bad input: an unknown command or option, text that is not a type, a type the system does not recognise, or an unknown or ambiguous application or name.</source>
        <translation>Entrada inválida: um comando ou opção desconhecido, um texto que não é um tipo, um tipo que o sistema não reconhece, ou um aplicativo ou nome desconhecido ou ambíguo.</translation>
    </message>
    <message>
        <source>SYNOPSIS</source>
        <translation>SINOPSE</translation>
    </message>
    <message>
        <source>DESCRIPTION</source>
        <translation>DESCRIÇÃO</translation>
    </message>
    <message>
        <source>COMMANDS</source>
        <translation>COMANDOS</translation>
    </message>
    <message>
        <source>ARGUMENTS</source>
        <translation>ARGUMENTOS</translation>
    </message>
    <message>
        <source>OPTIONS</source>
        <translation>OPÇÕES</translation>
    </message>
    <message>
        <source>EXIT STATUS</source>
        <translation>STATUS DE SAÍDA</translation>
    </message>
    <message>
        <source>ENVIRONMENT</source>
        <translation>AMBIENTE</translation>
    </message>
    <message>
        <source>FILES</source>
        <translation>ARQUIVOS</translation>
    </message>
    <message>
        <source>EXAMPLES</source>
        <translation>EXEMPLOS</translation>
    </message>
    <message>
        <source>SEE ALSO</source>
        <translation>VEJA TAMBÉM</translation>
    </message>
    <message>
        <source>Usage:</source>
        <translation>Uso:</translation>
    </message>
    <message>
        <source>Commands:</source>
        <translation>Comandos:</translation>
    </message>
    <message>
        <source>Arguments:</source>
        <translation>Argumentos:</translation>
    </message>
    <message>
        <source>Options:</source>
        <translation>Opções:</translation>
    </message>
    <message>
        <source>Exit status:</source>
        <translation>Status de saída:</translation>
    </message>
    <message>
        <source>See &quot;%1&quot; for one command.</source>
        <translation>Veja &quot;%1&quot; para um único comando.</translation>
    </message>
    <message>
        <source>User Commands</source>
        <translation>Comandos de usuário</translation>
    </message>
    <message>
        <source>show and change which application opens each file and link type</source>
        <translation>mostra e altera qual aplicativo abre cada tipo de arquivo e de link</translation>
    </message>
    <message>
        <source>Open a file or link, or show what each program would start for it</source>
        <translation>Abrir um arquivo ou link, ou mostrar o que cada programa iniciaria para ele</translation>
    </message>
    <message>
        <source>Opens LOCATION as GTK programs do. With --dry-run, starts nothing and prints what each program that opens files here would start for it, and why: GTK programs (GIO), KDE programs where KDE&apos;s libraries are installed, and xdg-open as it hands over on this desktop or decides by itself.</source>
        <translation>Abre LOCATION como os programas GTK fazem. Com --dry-run, não inicia nada e mostra o que cada programa que abre arquivos aqui iniciaria para ele, e por quê: os programas GTK (GIO), os programas KDE onde as bibliotecas do KDE estão instaladas, e o xdg-open conforme repassa neste ambiente ou decide por conta própria.</translation>
    </message>
    <message>
        <source>Make every program open each TARGET alike</source>
        <translation>Fazer todos os programas abrirem cada TARGET da mesma forma</translation>
    </message>
    <message>
        <source>Where the programs that open files here would start different applications for a TARGET (GTK programs, KDE programs, xdg-open), writes what GTK programs start now as the TARGET&apos;s explicit default, which each of them honours. Without TARGETs, every type Openwright watches where they differ. While automatic backups are on, the current defaults are backed up first. Prints each TARGET and its outcome; exits with 1 when one still opens differently.</source>
        <translation>Onde os programas que abrem arquivos aqui iniciariam aplicativos diferentes para um TARGET (programas GTK, programas KDE, xdg-open), grava o que os programas GTK iniciam agora como padrão explícito do TARGET, que cada um deles respeita. Sem TARGETs, todos os tipos que o Openwright acompanha em que eles diferem. Enquanto os backups automáticos estão ativados, primeiro é feito um backup dos padrões atuais. Mostra cada TARGET e seu resultado; sai com 1 quando algum ainda abre diferente.</translation>
    </message>
    <message>
        <source>A file (./report.pdf, relative to the current folder) or a link (https://example.org, mailto:ann@example.org).</source>
        <translation>Um arquivo (./report.pdf, relativo à pasta atual) ou um link (https://example.org, mailto:ann@example.org).</translation>
    </message>
    <message>
        <source>With open: say what each program would start, and start nothing.</source>
        <translation>Com open: dizer o que cada programa iniciaria, sem iniciar nada.</translation>
    </message>
</context>
<context>
    <name>openwright::AppModel</name>
    <message>
        <source>Added %1 to your applications</source>
        <translation>%1 adicionado aos seus aplicativos</translation>
    </message>
    <message>
        <source>Clean Up</source>
        <translation>Limpar</translation>
    </message>
    <message>
        <source>%1 for %2</source>
        <translation>%1 para %2</translation>
    </message>
    <message>
        <source>The order of %1</source>
        <translation>A ordem de %1</translation>
    </message>
</context>
<context>
    <name>openwright::Notifier</name>
    <message>
        <source>%1 default put back</source>
        <translation>Padrão para %1 revertido</translation>
    </message>
    <message>
        <source>%1 default changed</source>
        <translation>Padrão para %1 alterado</translation>
    </message>
    <message>
        <source>no app</source>
        <translation>nenhum aplicativo</translation>
    </message>
    <message>
        <source>%1 took over again, three times in a minute. Openwright stopped putting %2 back; Revert when the other program is done.</source>
        <translation>%1 assumiu de novo, três vezes em um minuto. O Openwright parou de reverter para %2; escolha Reverter quando o outro programa terminar.</translation>
    </message>
    <message>
        <source>%1 replaced %2. Revert to keep %2.</source>
        <translation>%1 substituiu %2. Escolha Reverter para manter %2.</translation>
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
        <translation>Provavelmente %1, iniciado %2 antes</translation>
    </message>
    <message>
        <source>Probably %1, installed or updated %2 before</source>
        <translation>Provavelmente %1, instalado ou atualizado %2 antes</translation>
    </message>
    <message>
        <source>Allow</source>
        <translation>Permitir</translation>
    </message>
    <message>
        <source>Revert</source>
        <translation>Reverter</translation>
    </message>
    <message>
        <source>Openwright keeps guarding</source>
        <translation>O Openwright continua vigiando</translation>
    </message>
    <message>
        <source>Your defaults are still watched with the window closed. To quit, open Openwright again and choose File → Quit.</source>
        <translation>Seus padrões continuam vigiados com a janela fechada. Para sair, abra o Openwright de novo e escolha Arquivo → Sair.</translation>
    </message>
    <message>
        <source>%1 replaced %2. Openwright put %2 back. Choose Allow to keep %1.</source>
        <translation>%1 substituiu %2. O Openwright reverteu para %2. Escolha Permitir para manter %1.</translation>
    </message>
    <message>
        <source>%1 opens differently in KDE programs</source>
        <translation>%1 abre de outro jeito nos programas do KDE</translation>
    </message>
    <message>
        <source>%1 opens differently with xdg-open</source>
        <translation>%1 abre de outro jeito com o xdg-open</translation>
    </message>
    <message>
        <source>KDE programs opened it in %1. Openwright made every program open %2 again. Choose Allow to open it in %1 everywhere.</source>
        <translation>Os programas do KDE o abriam no %1. O Openwright fez todos os programas abrirem o %2 de novo. Escolha Permitir para abri-lo no %1 em todo lugar.</translation>
    </message>
    <message>
        <source>xdg-open opened it in %1. Openwright made every program open %2 again. Choose Allow to open it in %1 everywhere.</source>
        <translation>O xdg-open o abria no %1. O Openwright fez todos os programas abrirem o %2 de novo. Escolha Permitir para abri-lo no %1 em todo lugar.</translation>
    </message>
    <message>
        <source>KDE programs now open it in %1, not %2. Revert to make every program open %2.</source>
        <translation>Os programas do KDE agora o abrem no %1, não no %2. Reverta para que todos os programas abram o %2.</translation>
    </message>
    <message>
        <source>xdg-open now opens it in %1, not %2. Revert to make every program open %2.</source>
        <translation>O xdg-open agora o abre no %1, não no %2. Reverta para que todos os programas abram o %2.</translation>
    </message>
</context>
<context>
    <name>openwright::Updater</name>
    <message>
        <source>The update feed is too large.</source>
        <translation>O feed de atualizações é grande demais.</translation>
    </message>
    <message>
        <source>The update feed was not found (HTTP %1).</source>
        <translation>O feed de atualizações não foi encontrado (HTTP %1).</translation>
    </message>
    <message>
        <source>The update server answered with an error (HTTP %1).</source>
        <translation>O servidor de atualizações respondeu com um erro (HTTP %1).</translation>
    </message>
    <message>
        <source>The update server did not answer in time.</source>
        <translation>O servidor de atualizações não respondeu a tempo.</translation>
    </message>
    <message>
        <source>The update feed redirects too often or to an unsafe address.</source>
        <translation>O feed de atualizações redireciona vezes demais ou para um endereço inseguro.</translation>
    </message>
    <message>
        <source>Could not reach the update server: %1</source>
        <translation>Não foi possível contatar o servidor de atualizações: %1</translation>
    </message>
    <message>
        <source>The update feed could not be read: it is not an RSS document.</source>
        <translation>Não foi possível ler o feed de atualizações: não é um documento RSS.</translation>
    </message>
    <message>
        <source>The update feed lists no releases.</source>
        <translation>O feed de atualizações não lista nenhuma versão.</translation>
    </message>
    <message>
        <source>The update feed&apos;s signature is not valid.</source>
        <translation>A assinatura do feed de atualizações não é válida.</translation>
    </message>
    <message>
        <source>You&apos;re up to date.</source>
        <translation>Você está atualizado.</translation>
    </message>
    <message>
        <source>Openwright %1 is available.</source>
        <translation>O Openwright %1 está disponível.</translation>
    </message>
</context>
<context>
    <name>openwright::ui::AddTypeSheet</name>
    <message>
        <source>That doesn&apos;t look like an extension or link type.</source>
        <translation>Isso não parece uma extensão nem um tipo de link.</translation>
    </message>
    <message>
        <source>Add a File Type or Link</source>
        <translation>Adicionar um tipo de arquivo ou link</translation>
    </message>
    <message>
        <source>Type a file extension like &lt;b&gt;.log&lt;/b&gt; or a link type like &lt;b&gt;zoommtg:&lt;/b&gt; (ending with a colon).</source>
        <translation>Digite uma extensão como &lt;b&gt;.log&lt;/b&gt; ou um tipo de link como &lt;b&gt;zoommtg:&lt;/b&gt; (terminando com dois-pontos).</translation>
    </message>
    <message>
        <source>.extension or scheme:</source>
        <translation>.extensão ou esquema:</translation>
    </message>
    <message>
        <source>File extension or link type</source>
        <translation>Extensão de arquivo ou tipo de link</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Adicionar</translation>
    </message>
    <message>
        <source>Show</source>
        <translation>Mostrar</translation>
    </message>
    <message>
        <source>%1 is already in %2.</source>
        <translation>%1 já está em %2.</translation>
    </message>
    <message>
        <source>The system does not recognise %1 files: no app can open them until a program you install describes them. Added, the type waits for one.</source>
        <translation>O sistema não reconhece arquivos %1: nenhum aplicativo pode abri-los até que um programa que você instalar os descreva. Adicionado, o tipo aguarda por isso.</translation>
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
        <translation>Padrões</translation>
    </message>
    <message>
        <source>Opens With</source>
        <translation>Abre com</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Situação</translation>
    </message>
    <message>
        <source>No patterns</source>
        <translation>Nenhum padrão</translation>
    </message>
    <message>
        <source>No default</source>
        <translation>Nenhum padrão definido</translation>
    </message>
    <message>
        <source>Unknown</source>
        <translation>Desconhecido</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <source>All Types</source>
        <translation>Todos os tipos</translation>
    </message>
    <message>
        <source>Filter by description, MIME type, pattern or app</source>
        <translation>Filtrar por descrição, tipo MIME, padrão ou aplicativo</translation>
    </message>
    <message>
        <source>Filter types</source>
        <translation>Filtrar tipos</translation>
    </message>
    <message>
        <source>Reading every type…</source>
        <translation>Lendo todos os tipos…</translation>
    </message>
    <message>
        <source>The system&apos;s MIME database and every installed application are read once.</source>
        <translation>O banco de dados MIME do sistema e cada aplicativo instalado são lidos uma vez.</translation>
    </message>
    <message>
        <source>All types</source>
        <translation>Todos os tipos</translation>
    </message>
</context>
<context>
    <name>openwright::ui::AppChooser</name>
    <message>
        <source>Applications (*.desktop)</source>
        <translation>Aplicativos (*.desktop)</translation>
    </message>
    <message>
        <source>Use as Default</source>
        <translation>Usar como padrão</translation>
    </message>
    <message>
        <source>Choose Another App</source>
        <translation>Escolher outro aplicativo</translation>
    </message>
    <message>
        <source>Search applications</source>
        <translation>Pesquisar aplicativos</translation>
    </message>
    <message>
        <source>Looking for applications…</source>
        <translation>Procurando aplicativos…</translation>
    </message>
    <message>
        <source>Applications</source>
        <translation>Aplicativos</translation>
    </message>
    <message>
        <source>Browse…</source>
        <translation>Procurar…</translation>
    </message>
    <message>
        <source>Choose an application&apos;s .desktop file from another folder</source>
        <translation>Escolher o arquivo .desktop de um aplicativo em outra pasta</translation>
    </message>
    <message>
        <source>Replace the Installed App?</source>
        <translation>Substituir o aplicativo instalado?</translation>
    </message>
    <message>
        <source>An app with the ID “%1” is already installed. Replace it with the one you chose?</source>
        <translation>Um aplicativo com o ID “%1” já está instalado. Substituí-lo pelo que você escolheu?</translation>
    </message>
    <message>
        <source>Replace</source>
        <translation>Substituir</translation>
    </message>
    <message>
        <source>Choose the app that should open %1</source>
        <translation>Escolha o aplicativo que deve abrir %1</translation>
    </message>
    <message>
        <source>Made for %1</source>
        <translation>Feito para %1</translation>
    </message>
</context>
<context>
    <name>openwright::ui::AppIconView</name>
    <message>
        <source>No application</source>
        <translation>Nenhum aplicativo</translation>
    </message>
</context>
<context>
    <name>openwright::ui::AppPicker</name>
    <message>
        <source>Loading…</source>
        <translation>Carregando…</translation>
    </message>
    <message>
        <source>No default</source>
        <translation>Nenhum padrão definido</translation>
    </message>
    <message>
        <source>Choose the app for %1 (%2)</source>
        <translation>Escolher o aplicativo para %1 (%2)</translation>
    </message>
    <message>
        <source>No apps can open this</source>
        <translation>Nenhum aplicativo abre isto</translation>
    </message>
    <message>
        <source>Choose Another App…</source>
        <translation>Escolher outro aplicativo…</translation>
    </message>
    <message>
        <source>Why this app?</source>
        <translation>Por que este aplicativo?</translation>
    </message>
    <message>
        <source>Reset to System Default</source>
        <translation>Redefinir para o padrão do sistema</translation>
    </message>
    <message numerus="yes">
        <source>Choose Another App… shows %n more</source>
        <translation>
            <numerusform>“Escolher outro aplicativo…” mostra mais %n</numerusform>
            <numerusform>“Escolher outro aplicativo…” mostra mais %n</numerusform>
        </translation>
    </message>
    <message>
        <source>Order Apps…</source>
        <translation>Ordenar aplicativos…</translation>
    </message>
</context>
<context>
    <name>openwright::ui::ApplicationHits</name>
    <message>
        <source>Applications:</source>
        <translation>Aplicativos:</translation>
    </message>
    <message>
        <source>Show the types %1 opens</source>
        <translation>Mostrar os tipos que %1 abre</translation>
    </message>
    <message>
        <source>and %1 more</source>
        <translation>e mais %1</translation>
    </message>
</context>
<context>
    <name>openwright::ui::ApplicationPage</name>
    <message>
        <source>%1 declares no types in its desktop entry, so Openwright sets it for none. You can still choose it for a type from that type&apos;s list.</source>
        <translation>%1 não declara tipos na sua entrada de desktop, então o Openwright não o define para nenhum. Você ainda pode escolhê-lo para um tipo na lista desse tipo.</translation>
    </message>
    <message>
        <source>Use for All</source>
        <translation>Usar para todos</translation>
    </message>
    <message>
        <source>Make %1 the default for every type it declares</source>
        <translation>Tornar %1 o padrão para cada tipo que ele declara</translation>
    </message>
    <message>
        <source>%1 of %2 open in %3</source>
        <translation>%1 de %2 abrem no %3</translation>
    </message>
    <message>
        <source>Use for All %1</source>
        <translation>Usar para tudo: %1</translation>
    </message>
    <message>
        <source>Default</source>
        <translation>Padrão</translation>
    </message>
    <message>
        <source>No application</source>
        <translation>Nenhum aplicativo</translation>
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
            <numerusform>padrão para %n tipo</numerusform>
            <numerusform>padrão para %n tipos</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>openwright::ui::ApplicationsView</name>
    <message>
        <source>Not a default</source>
        <translation>Não é padrão</translation>
    </message>
    <message>
        <source>Applications</source>
        <translation>Aplicativos</translation>
    </message>
    <message>
        <source>Search applications</source>
        <translation>Pesquisar aplicativos</translation>
    </message>
    <message>
        <source>No Application Selected</source>
        <translation>Nenhum aplicativo selecionado</translation>
    </message>
    <message>
        <source>Choose an application to see the types it opens, and make it the default for all of them or for a whole family.</source>
        <translation>Escolha um aplicativo para ver os tipos que ele abre e torná-lo o padrão para todos eles ou para uma família inteira.</translation>
    </message>
    <message>
        <source>Types the application opens</source>
        <translation>Tipos que o aplicativo abre</translation>
    </message>
    <message numerus="yes">
        <source>Default for %n types</source>
        <translation>
            <numerusform>Padrão para %n tipo</numerusform>
            <numerusform>Padrão para %n tipos</numerusform>
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
        <translation>%1 de %2 %3</translation>
    </message>
    <message>
        <source>Restore %1</source>
        <translation>Restaurar %1</translation>
    </message>
    <message>
        <source>Delete this backup</source>
        <translation>Excluir este backup</translation>
    </message>
    <message>
        <source>Delete %1</source>
        <translation>Excluir %1</translation>
    </message>
    <message>
        <source>Same as now</source>
        <translation>Igual a agora</translation>
    </message>
    <message numerus="yes">
        <source>%n defaults</source>
        <translation>
            <numerusform>%n padrão</numerusform>
            <numerusform>%n padrões</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n different from now</source>
        <translation>
            <numerusform>%n diferença de agora</numerusform>
            <numerusform>%n diferenças de agora</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>openwright::ui::BackupsView</name>
    <message>
        <source>Backups</source>
        <translation>Backups</translation>
    </message>
    <message>
        <source>Back Up Now</source>
        <translation>Fazer backup agora</translation>
    </message>
    <message>
        <source>Save your current defaults</source>
        <translation>Salvar seus aplicativos padrão atuais</translation>
    </message>
    <message>
        <source>No Backups Yet</source>
        <translation>Nenhum backup ainda</translation>
    </message>
    <message>
        <source>Back up your defaults before trying a profile or installing new apps, so you can put everything back.</source>
        <translation>Faça backup dos seus aplicativos padrão antes de testar um perfil ou instalar novos aplicativos, para poder deixar tudo como estava.</translation>
    </message>
</context>
<context>
    <name>openwright::ui::CategoryListView</name>
    <message>
        <source>Add Type</source>
        <translation>Adicionar tipo</translation>
    </message>
    <message>
        <source>Add any file extension or link type</source>
        <translation>Adicionar qualquer extensão de arquivo ou tipo de link</translation>
    </message>
    <message>
        <source>Add a File Type or Link…</source>
        <translation>Adicionar um tipo de arquivo ou link…</translation>
    </message>
    <message>
        <source>Remove from My File Types</source>
        <translation>Remover de Meus tipos de arquivo</translation>
    </message>
</context>
<context>
    <name>openwright::ui::CategoryRow</name>
    <message>
        <source>Unpin %1</source>
        <translation>Desafixar %1</translation>
    </message>
    <message>
        <source>Pin %1</source>
        <translation>Fixar %1</translation>
    </message>
    <message>
        <source>Default Guard is watching this default</source>
        <translation>O Guardião está vigiando este padrão</translation>
    </message>
    <message>
        <source>Pin to get alerted if another app takes it over</source>
        <translation>Fixe para ser avisado se outro aplicativo assumir este padrão</translation>
    </message>
    <message>
        <source>No installed app can open %1</source>
        <translation>Nenhum aplicativo instalado abre %1</translation>
    </message>
</context>
<context>
    <name>openwright::ui::ChangeRow</name>
    <message>
        <source>No default</source>
        <translation>Nenhum padrão definido</translation>
    </message>
    <message>
        <source>Changed in %1</source>
        <translation>Alterado em %1</translation>
    </message>
    <message>
        <source>Handled</source>
        <translation>Resolvido</translation>
    </message>
    <message>
        <source>Revert</source>
        <translation>Reverter</translation>
    </message>
    <message>
        <source>Revert %1 to %2</source>
        <translation>Reverter %1 para %2</translation>
    </message>
    <message>
        <source>Keep</source>
        <translation>Manter</translation>
    </message>
    <message>
        <source>Keep %1 for %2</source>
        <translation>Manter %1 para %2</translation>
    </message>
    <message>
        <source>Taken over three times in a minute: the guard stopped putting it back</source>
        <translation>Assumido três vezes em um minuto: o Guardião parou de revertê-lo</translation>
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
        <translation>Só nos programas do KDE: o padrão continua sendo %1</translation>
    </message>
    <message>
        <source>Only with xdg-open: the default is still %1</source>
        <translation>Só com o xdg-open: o padrão continua sendo %1</translation>
    </message>
</context>
<context>
    <name>openwright::ui::CleanUpSheet</name>
    <message>
        <source>Clean Up</source>
        <translation>Limpar</translation>
    </message>
    <message>
        <source>Clean Up Your Defaults Files</source>
        <translation>Limpar seus arquivos de padrões</translation>
    </message>
    <message>
        <source>Fix Selected</source>
        <translation>Corrigir selecionados</translation>
    </message>
    <message>
        <source>Fix: %1</source>
        <translation>Correção: %1</translation>
    </message>
    <message>
        <source>No problems in your defaults files.</source>
        <translation>Nenhum problema nos seus arquivos de padrões.</translation>
    </message>
    <message>
        <source>Fixed %1</source>
        <translation>Corrigido: %1</translation>
    </message>
    <message>
        <source>The old file is kept as %1</source>
        <translation>O arquivo antigo foi guardado como %1</translation>
    </message>
    <message>
        <source>Not fixed: %1</source>
        <translation>Não corrigido: %1</translation>
    </message>
    <message>
        <source>Left alone: %1 no longer found, as the files changed meanwhile.</source>
        <translation>Problemas deixados como estavam (os arquivos mudaram nesse meio-tempo e não os mostram mais): %1.</translation>
    </message>
    <message>
        <source>Nothing was changed.</source>
        <translation>Nada foi alterado.</translation>
    </message>
    <message>
        <source>Each changed file is first copied beside itself, and your defaults are backed up. A fix changes which app opens a type only where it says so; one whose effect cannot be told beforehand is not selected.</source>
        <translation>Cada arquivo alterado é antes copiado ao lado dele, e seus padrões recebem um backup. Uma correção só muda qual aplicativo abre um tipo onde ela diz; a que não pode ser prevista não é selecionada.</translation>
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
        <translation>O que abre este arquivo?</translation>
    </message>
    <message>
        <source>Drop any file onto this window to see and change which app opens it</source>
        <translation>Solte qualquer arquivo nesta janela para ver e mudar qual aplicativo o abre</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Limpar</translation>
    </message>
    <message>
        <source>Add %1 to My File Types</source>
        <translation>Adicionar %1 a Meus tipos de arquivo</translation>
    </message>
    <message>
        <source>Clear %1</source>
        <translation>Limpar %1</translation>
    </message>
</context>
<context>
    <name>openwright::ui::GuardView</name>
    <message>
        <source>Stop watching</source>
        <translation>Parar de vigiar</translation>
    </message>
    <message>
        <source>Stop watching %1</source>
        <translation>Parar de vigiar %1</translation>
    </message>
    <message>
        <source>No default</source>
        <translation>Nenhum padrão definido</translation>
    </message>
    <message>
        <source>Default Guard</source>
        <translation>Guardião de padrões</translation>
    </message>
    <message>
        <source>Check Now</source>
        <translation>Verificar agora</translation>
    </message>
    <message>
        <source>Check for changed defaults now</source>
        <translation>Verificar agora se algum padrão mudou</translation>
    </message>
    <message>
        <source>Checks your defaults in the background. When an app takes over a pinned default, you get a notification with a Revert button.</source>
        <translation>Verifica seus aplicativos padrão em segundo plano. Quando um aplicativo assume um padrão fixado, você recebe uma notificação com um botão Reverter.</translation>
    </message>
    <message>
        <source>Pinned types</source>
        <translation>Tipos fixados</translation>
    </message>
    <message>
        <source>Recent Changes</source>
        <translation>Alterações recentes</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Limpar</translation>
    </message>
    <message>
        <source>Clear recent changes</source>
        <translation>Limpar alterações recentes</translation>
    </message>
    <message>
        <source>Recent changes</source>
        <translation>Alterações recentes</translation>
    </message>
    <message>
        <source>Pinned (%1)</source>
        <translation>Fixados (%1)</translation>
    </message>
    <message>
        <source>Click the pin next to any file type to watch it.</source>
        <translation>Clique no alfinete ao lado de qualquer tipo de arquivo para vigiá-lo.</translation>
    </message>
    <message>
        <source>No changes spotted yet.</source>
        <translation>Nenhuma alteração detectada ainda.</translation>
    </message>
    <message>
        <source>Always keep</source>
        <translation>Sempre manter</translation>
    </message>
    <message>
        <source>Always keep %1</source>
        <translation>Sempre manter %1</translation>
    </message>
    <message>
        <source>Put the app back at once when another program takes this type over</source>
        <translation>Reverter o aplicativo na hora quando outro programa assumir este tipo</translation>
    </message>
</context>
<context>
    <name>openwright::ui::HealthCard</name>
    <message>
        <source>Health score</source>
        <translation>Pontuação de saúde</translation>
    </message>
    <message>
        <source>The share of known file and link types that open in a specific app %1</source>
        <translation>A parcela dos tipos de arquivo e link conhecidos que abrem em um aplicativo específico %1</translation>
    </message>
    <message>
        <source>Defaults Health</source>
        <translation>Saúde dos padrões</translation>
    </message>
    <message>
        <source>Everything has a home.</source>
        <translation>Tudo tem seu lugar.</translation>
    </message>
    <message numerus="yes">
        <source>%n types need attention</source>
        <translation>
            <numerusform>%n tipo precisa de atenção</numerusform>
            <numerusform>%n tipos precisam de atenção</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>openwright::ui::HistoryHeader</name>
    <message>
        <source>Automatic Backup History</source>
        <translation>Histórico de backups automáticos</translation>
    </message>
    <message>
        <source>Backs up before every profile, restore and Guard revert, and once a day. Unchanged days are skipped; automatic backups are kept for 30 days.</source>
        <translation>Faz backup antes de cada perfil, restauração e reversão do Guardião, e uma vez por dia. Dias sem mudança são ignorados; backups automáticos são mantidos por 30 dias.</translation>
    </message>
</context>
<context>
    <name>openwright::ui::IssueRow</name>
    <message>
        <source>No installed app can open %1. Install one, or ignore it if you never use it.</source>
        <translation>Nenhum aplicativo instalado abre %1. Instale um, ou ignore se você nunca usa.</translation>
    </message>
    <message>
        <source>Several apps can open it, but none is the default.</source>
        <translation>Vários aplicativos podem abri-lo, mas nenhum é o padrão.</translation>
    </message>
    <message>
        <source>Set to %1, which is no longer installed.</source>
        <translation>Definido como %1, que não está mais instalado.</translation>
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
        <translation>&amp;Arquivo</translation>
    </message>
    <message>
        <source>Refresh Defaults</source>
        <translation>Reler padrões</translation>
    </message>
    <message>
        <source>Back Up Now</source>
        <translation>Fazer backup agora</translation>
    </message>
    <message>
        <source>Settings…</source>
        <translation>Configurações…</translation>
    </message>
    <message>
        <source>Close Window</source>
        <translation>Fechar janela</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Sair</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Editar</translation>
    </message>
    <message>
        <source>Find Type</source>
        <translation>Localizar tipo</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>Aj&amp;uda</translation>
    </message>
    <message>
        <source>About Openwright</source>
        <translation>Sobre o Openwright</translation>
    </message>
    <message>
        <source>&lt;h3&gt;Openwright %1&lt;/h3&gt;&lt;p&gt;Shows and changes which application opens each kind of file and link, and keeps them that way.&lt;/p&gt;</source>
        <translation>&lt;h3&gt;Openwright %1&lt;/h3&gt;&lt;p&gt;Mostra e muda qual aplicativo abre cada tipo de arquivo e link, e mantém tudo assim.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>Check for Updates…</source>
        <translation>Verificar atualizações…</translation>
    </message>
</context>
<context>
    <name>openwright::ui::OpenwrightApp</name>
    <message>
        <source>Openwright keeps guarding your default applications with its window closed.</source>
        <translation>O Openwright continua vigiando seus aplicativos padrão com a janela fechada.</translation>
    </message>
</context>
<context>
    <name>openwright::ui::OrderSheet</name>
    <message>
        <source>Move Up</source>
        <translation>Mover para cima</translation>
    </message>
    <message>
        <source>Move Down</source>
        <translation>Mover para baixo</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Remover</translation>
    </message>
    <message>
        <source>Order Apps</source>
        <translation>Ordenar aplicativos</translation>
    </message>
    <message>
        <source>The apps offered for %1</source>
        <translation>Os aplicativos oferecidos para %1</translation>
    </message>
    <message>
        <source>The system tries them in this order: the first is the default. An app you remove is no longer offered for it, until you give it back.</source>
        <translation>O sistema os tenta nesta ordem: o primeiro é o padrão. Um aplicativo removido deixa de ser oferecido até você devolvê-lo.</translation>
    </message>
    <message>
        <source>Apps offered for %1</source>
        <translation>Aplicativos oferecidos para %1</translation>
    </message>
    <message>
        <source>%1 (removed)</source>
        <translation>%1 (removido)</translation>
    </message>
    <message>
        <source>Give Back</source>
        <translation>Devolver</translation>
    </message>
    <message>
        <source>In bold: the apps made for it. The others open it as a parent type.</source>
        <translation>Em negrito: os aplicativos feitos para ele. Os outros o abrem como tipo pai.</translation>
    </message>
</context>
<context>
    <name>openwright::ui::OverviewView</name>
    <message>
        <source>Reading your defaults…</source>
        <translation>Lendo seus aplicativos padrão…</translation>
    </message>
    <message>
        <source>Overview</source>
        <translation>Visão geral</translation>
    </message>
    <message>
        <source>Types with a default</source>
        <translation>Tipos com aplicativo padrão</translation>
    </message>
    <message>
        <source>Backups</source>
        <translation>Backups</translation>
    </message>
    <message>
        <source>Changes spotted by Guard</source>
        <translation>Alterações detectadas pelo Guardião</translation>
    </message>
    <message>
        <source>Needs attention</source>
        <translation>Precisa de atenção</translation>
    </message>
    <message>
        <source>Clean Up…</source>
        <translation>Limpar…</translation>
    </message>
    <message numerus="yes">
        <source>%n problems in your defaults files</source>
        <translation>
            <numerusform>%n problema nos seus arquivos de aplicativos padrão</numerusform>
            <numerusform>%n problemas nos seus arquivos de aplicativos padrão</numerusform>
        </translation>
    </message>
    <message>
        <source>Make every program agree</source>
        <translation>Fazer todos os programas concordarem</translation>
    </message>
    <message numerus="yes">
        <source>%n types open differently in other programs</source>
        <translation>
            <numerusform>%n tipo abre diferente em outros programas</numerusform>
            <numerusform>%n tipos abrem diferente em outros programas</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>openwright::ui::ProfileCard</name>
    <message>
        <source>Preset</source>
        <translation>Predefinição</translation>
    </message>
    <message>
        <source>%1 of %2 to change</source>
        <translation>%1 de %2 a alterar</translation>
    </message>
    <message>
        <source>All set</source>
        <translation>Tudo certo</translation>
    </message>
</context>
<context>
    <name>openwright::ui::ProfileSheet</name>
    <message>
        <source>Steps</source>
        <translation>Etapas</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>%1 of %2 changed.</source>
        <translation>%1 de %2 alterados.</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Concluído</translation>
    </message>
    <message numerus="yes">
        <source>%n defaults</source>
        <translation>
            <numerusform>%n padrão</numerusform>
            <numerusform>%n padrões</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n already set</source>
        <translation>
            <numerusform>%n já definido</numerusform>
            <numerusform>%n já definidos</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Restore %n Defaults</source>
        <translation>
            <numerusform>Restaurar %n padrão</numerusform>
            <numerusform>Restaurar %n padrões</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Apply %n Changes</source>
        <translation>
            <numerusform>Aplicar %n alteração</numerusform>
            <numerusform>Aplicar %n alterações</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>openwright::ui::ProfilesView</name>
    <message>
        <source>JSON files (*.json)</source>
        <translation>Arquivos JSON (*.json)</translation>
    </message>
    <message>
        <source>Profiles</source>
        <translation>Perfis</translation>
    </message>
    <message>
        <source>Save Current as Profile</source>
        <translation>Salvar atual como perfil</translation>
    </message>
    <message>
        <source>Save your current defaults as a profile</source>
        <translation>Salvar seus aplicativos padrão atuais como perfil</translation>
    </message>
    <message>
        <source>Import &amp; Export</source>
        <translation>Importar e exportar</translation>
    </message>
    <message>
        <source>Import Profiles…</source>
        <translation>Importar perfis…</translation>
    </message>
    <message>
        <source>Export My Profiles…</source>
        <translation>Exportar meus perfis…</translation>
    </message>
    <message>
        <source>Export…</source>
        <translation>Exportar…</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Excluir</translation>
    </message>
    <message>
        <source>Export failed: %1</source>
        <translation>Falha ao exportar: %1</translation>
    </message>
    <message>
        <source>Save Current Defaults</source>
        <translation>Salvar padrões atuais</translation>
    </message>
    <message>
        <source>Profile name</source>
        <translation>Nome do perfil</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Salvar</translation>
    </message>
    <message>
        <source>My Profile</source>
        <translation>Meu perfil</translation>
    </message>
    <message numerus="yes">
        <source>Exported %n profile(s).</source>
        <translation>
            <numerusform>%n perfil exportado.</numerusform>
            <numerusform>%n perfis exportados.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Imported %n profile(s).</source>
        <translation>
            <numerusform>%n perfil importado.</numerusform>
            <numerusform>%n perfis importados.</numerusform>
        </translation>
    </message>
    <message>
        <source>Deleted “%1”.</source>
        <translation>“%1” excluído.</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Desfazer</translation>
    </message>
</context>
<context>
    <name>openwright::ui::RootView</name>
    <message>
        <source>Search types, e.g. .md or browser</source>
        <translation>Pesquisar tipos, ex.: .md ou navegador</translation>
    </message>
    <message>
        <source>Search types</source>
        <translation>Pesquisar tipos</translation>
    </message>
    <message>
        <source>Refresh</source>
        <translation>Atualizar</translation>
    </message>
    <message>
        <source>Re-read all defaults (Ctrl+R)</source>
        <translation>Reler todos os padrões (Ctrl+R)</translation>
    </message>
    <message>
        <source>Openwright could not save its data: %1</source>
        <translation>O Openwright não conseguiu salvar seus dados: %1</translation>
    </message>
    <message>
        <source>No file types match</source>
        <translation>Nenhum tipo de arquivo corresponde</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>Pesquisar</translation>
    </message>
    <message>
        <source>Nothing here yet.</source>
        <translation>Nada aqui ainda.</translation>
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
        <translation>Geral</translation>
    </message>
    <message>
        <source>Open at login</source>
        <translation>Abrir ao iniciar a sessão</translation>
    </message>
    <message>
        <source>Updates</source>
        <translation>Atualizações</translation>
    </message>
    <message>
        <source>Check for updates automatically</source>
        <translation>Verificar atualizações automaticamente</translation>
    </message>
    <message>
        <source>Check Now</source>
        <translation>Verificar agora</translation>
    </message>
    <message>
        <source>Default Guard</source>
        <translation>Guardião de padrões</translation>
    </message>
    <message>
        <source>Watch for changed defaults</source>
        <translation>Vigiar padrões alterados</translation>
    </message>
    <message>
        <source>Check every</source>
        <translation>Verificar a cada</translation>
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
        <translation>O Openwright também verifica sempre que um aplicativo abre ou fecha.</translation>
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
        <translation>Configurações</translation>
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
        <translation>Visão geral</translation>
    </message>
    <message>
        <source>File &amp; Link Types</source>
        <translation>Tipos de arquivo e link</translation>
    </message>
    <message>
        <source>Tools</source>
        <translation>Ferramentas</translation>
    </message>
    <message>
        <source>Profiles</source>
        <translation>Perfis</translation>
    </message>
    <message>
        <source>Backups</source>
        <translation>Backups</translation>
    </message>
    <message>
        <source>Default Guard</source>
        <translation>Guardião de padrões</translation>
    </message>
    <message>
        <source>Applications</source>
        <translation>Aplicativos</translation>
    </message>
    <message>
        <source>All Types</source>
        <translation>Todos os tipos</translation>
    </message>
    <message numerus="yes">
        <source>%n changes wait</source>
        <translation>
            <numerusform>%n alteração aguardando</numerusform>
            <numerusform>%n alterações aguardando</numerusform>
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
        <translation>Trabalhando</translation>
    </message>
</context>
<context>
    <name>openwright::ui::StepRow</name>
    <message>
        <source>No default</source>
        <translation>Nenhum padrão definido</translation>
    </message>
    <message>
        <source>Already set</source>
        <translation>Já definido</translation>
    </message>
    <message>
        <source>%1 isn&apos;t installed</source>
        <translation>%1 não está instalado</translation>
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
        <translation>Abrir o Openwright</translation>
    </message>
    <message>
        <source>Check now</source>
        <translation>Verificar agora</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Configurações</translation>
    </message>
    <message>
        <source>Quit Openwright</source>
        <translation>Sair do Openwright</translation>
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
        <translation>Alterações recentes</translation>
    </message>
    <message>
        <source>Open Openwright</source>
        <translation>Abrir o Openwright</translation>
    </message>
    <message>
        <source>Check now</source>
        <translation>Verificar agora</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Configurações</translation>
    </message>
    <message>
        <source>Quit Openwright</source>
        <translation>Sair do Openwright</translation>
    </message>
    <message>
        <source>Health %1</source>
        <translation>Saúde %1</translation>
    </message>
    <message>
        <source>Default Guard is off</source>
        <translation>O Guardião está desligado</translation>
    </message>
    <message>
        <source>none</source>
        <translation>nenhum</translation>
    </message>
    <message>
        <source>Revert</source>
        <translation>Reverter</translation>
    </message>
    <message>
        <source>Revert %1 to %2</source>
        <translation>Reverter %1 para %2</translation>
    </message>
    <message numerus="yes">
        <source>Guard is watching %n pinned defaults</source>
        <translation>
            <numerusform>O Guardião está vigiando %n padrão fixado</numerusform>
            <numerusform>O Guardião está vigiando %n padrões fixados</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>openwright::ui::TypeHits</name>
    <message>
        <source>Other types:</source>
        <translation>Outros tipos:</translation>
    </message>
    <message numerus="yes">
        <source>All %n in All Types</source>
        <translation>
            <numerusform>O %n em Todos os tipos</numerusform>
            <numerusform>Todos os %n em Todos os tipos</numerusform>
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
        <translation>Abrir página de download</translation>
    </message>
    <message>
        <source>Later</source>
        <translation>Mais tarde</translation>
    </message>
</context>
<context>
    <name>openwright::ui::WhyPanel</name>
    <message>
        <source>Why this app?</source>
        <translation>Por que este aplicativo?</translation>
    </message>
    <message>
        <source>Why %1 opens where it does</source>
        <translation>Por que %1 abre onde abre</translation>
    </message>
    <message>
        <source>Reading the lists…</source>
        <translation>Lendo as listas…</translation>
    </message>
    <message>
        <source>Explanation</source>
        <translation>Explicação</translation>
    </message>
    <message>
        <source>Type: %1</source>
        <translation>Tipo: %1</translation>
    </message>
    <message>
        <source>Where the system looked, in order</source>
        <translation>Onde o sistema procurou, em ordem</translation>
    </message>
    <message>
        <source>(decides)</source>
        <translation>(decide)</translation>
    </message>
    <message>
        <source>Skipped, not installed: %1</source>
        <translation>Ignorado, não instalado: %1</translation>
    </message>
    <message>
        <source>Removed: %1</source>
        <translation>Removido: %1</translation>
    </message>
</context>
</TS>
