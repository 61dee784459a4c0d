<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en">
<context>
    <name>AppModel</name>
    <message numerus="yes">
        <source>%n defaults</source>
        <translation>
            <numerusform>[%n défáültš ·]</numerusform>
            <numerusform>[%n défáültš ·]</numerusform>
        </translation>
    </message>
    <message>
        <source>Importing these profiles would make your profiles file larger than Openwright can read back (%1 MB). Nothing was imported; delete some backups or profiles first.</source>
        <translation>[Împõrtîñg théšé prõfîléš wõüld máké ýõür prõfîléš fîlé lárgér tháñ Õpéñwrîght çáñ réád báçk (%1 MB). Ñõthîñg wáš împõrtéd; délété šõmé báçküpš õr prõfîléš fîršt. ·····························································]</translation>
    </message>
    <message>
        <source>Already there, not imported again: %1.</source>
        <translation>[Ålréádý théré, ñõt împõrtéd ágáîñ: %1. ···········]</translation>
    </message>
</context>
<context>
    <name>ApplicationIndex</name>
    <message>
        <source>Use %1 for All %2</source>
        <translation>[Üšé %1 fõr Åll %2 ··]</translation>
    </message>
    <message>
        <source>Use %1 for All Its Types</source>
        <translation>[Üšé %1 fõr Åll Îtš Týpéš ······]</translation>
    </message>
    <message numerus="yes">
        <source>%1 declares %n type(s) in %2.</source>
        <translation>
            <numerusform>[%1 déçláréš %n týpé(š) îñ %2. ······]</numerusform>
            <numerusform>[%1 déçláréš %n týpé(š) îñ %2. ······]</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 declares %n type(s).</source>
        <translation>
            <numerusform>[%1 déçláréš %n týpé(š). ·····]</numerusform>
            <numerusform>[%1 déçláréš %n týpé(š). ·····]</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>Applications</name>
    <message>
        <source>That file is not UTF-8 text, as a desktop entry must be.</source>
        <translation>[Thát fîlé îš ñõt ÜTF-8 téxt, áš á déšktõp éñtrý müšt bé. ···················]</translation>
    </message>
    <message>
        <source>That file is not a desktop entry.</source>
        <translation>[Thát fîlé îš ñõt á déšktõp éñtrý. ··········]</translation>
    </message>
    <message>
        <source>That file is not a desktop entry: it has no [Desktop Entry] group.</source>
        <translation>[Thát fîlé îš ñõt á déšktõp éñtrý: ît háš ñõ [Déšktõp Éñtrý] grõüp. ·······················]</translation>
    </message>
    <message>
        <source>That entry is not an application: its Type is %1.</source>
        <translation>[Thát éñtrý îš ñõt áñ ápplîçátîõñ: îtš Týpé îš %1. ················]</translation>
    </message>
    <message>
        <source>That entry is not an application: it has no Type.</source>
        <translation>[Thát éñtrý îš ñõt áñ ápplîçátîõñ: ît háš ñõ Týpé. ·················]</translation>
    </message>
    <message>
        <source>That entry does not say which program to run: it has no Exec line.</source>
        <translation>[Thát éñtrý dõéš ñõt šáý whîçh prõgrám tõ rüñ: ît háš ñõ Éxéç lîñé. ·······················]</translation>
    </message>
    <message>
        <source>The program that entry runs is not installed.</source>
        <translation>[Thé prõgrám thát éñtrý rüñš îš ñõt îñštálléd. ···············]</translation>
    </message>
    <message>
        <source>The system does not list the added application yet.</source>
        <translation>[Thé šýštém dõéš ñõt lîšt thé áddéd ápplîçátîõñ ýét. ·················]</translation>
    </message>
    <message>
        <source>That application is not installed where the system finds it</source>
        <translation>[Thát ápplîçátîõñ îš ñõt îñštálléd whéré thé šýštém fîñdš ît ·····················]</translation>
    </message>
    <message>
        <source>Your mimeapps.list could not be read, so it was kept as %1</source>
        <translation>[Ýõür mîméáppš.lîšt çõüld ñõt bé réád, šõ ît wáš képt áš %1 ···················]</translation>
    </message>
    <message>
        <source>Your mimeapps.list could not be read or kept aside, so nothing was changed</source>
        <translation>[Ýõür mîméáppš.lîšt çõüld ñõt bé réád õr képt ášîdé, šõ ñõthîñg wáš çháñgéd ···························]</translation>
    </message>
    <message>
        <source>%1 is read-only, as a configuration tool leaves it, so nothing was changed. Change it where your configuration is kept.</source>
        <translation>[%1 îš réád-õñlý, áš á çõñfîgürátîõñ tõõl léávéš ît, šõ ñõthîñg wáš çháñgéd. Çháñgé ît whéré ýõür çõñfîgürátîõñ îš képt. ············································]</translation>
    </message>
    <message>
        <source>%1: links</source>
        <translation>[%1: lîñkš]</translation>
    </message>
    <message>
        <source>The terminal has one choice, not an order: set it instead.</source>
        <translation>[Thé térmîñál háš õñé çhõîçé, ñõt áñ õrdér: šét ît îñštéád. ····················]</translation>
    </message>
    <message>
        <source>The system still offers %1: a list of the desktop or the administrator names it, and the system reads removals only in mimeapps.list.</source>
        <translation>[Thé šýštém štîll õfférš %1: á lîšt õf thé déšktõp õr thé ádmîñîštrátõr ñáméš ît, áñd thé šýštém réádš rémõválš õñlý îñ mîméáppš.lîšt. ·················································]</translation>
    </message>
    <message>
        <source>The system does not offer them in this order yet.</source>
        <translation>[Thé šýštém dõéš ñõt õffér thém îñ thîš õrdér ýét. ·················]</translation>
    </message>
</context>
<context>
    <name>BackupReason</name>
    <message>
        <source>Saved by you</source>
        <translation>[Sávéd bý ýõü ··]</translation>
    </message>
    <message>
        <source>Daily backup</source>
        <translation>[Dáîlý báçküp ··]</translation>
    </message>
    <message>
        <source>Before applying “%1”</source>
        <translation>[Béfõré ápplýîñg “%1” ····]</translation>
    </message>
    <message>
        <source>Before restoring “%1”</source>
        <translation>[Béfõré réštõrîñg “%1” ·····]</translation>
    </message>
    <message>
        <source>Before reverting %1</source>
        <translation>[Béfõré révértîñg %1 ····]</translation>
    </message>
</context>
<context>
    <name>Catalog</name>
    <message>
        <source>System Roles</source>
        <translation>[Sýštém Rõléš ··]</translation>
    </message>
    <message>
        <source>Documents &amp; Office</source>
        <translation>[Dõçüméñtš &amp; Õffîçé ····]</translation>
    </message>
    <message>
        <source>AI &amp; Productivity</source>
        <translation>[ÅÎ &amp; Prõdüçtîvîtý ····]</translation>
    </message>
    <message>
        <source>Code &amp; Developer</source>
        <translation>[Çõdé &amp; Dévélõpér ···]</translation>
    </message>
    <message>
        <source>Design &amp; Graphics</source>
        <translation>[Déšîgñ &amp; Gráphîçš ····]</translation>
    </message>
    <message>
        <source>E-Books &amp; Publishing</source>
        <translation>[É-Bõõkš &amp; Püblîšhîñg ·····]</translation>
    </message>
    <message>
        <source>Media &amp; Creative</source>
        <translation>[Médîá &amp; Çréátîvé ···]</translation>
    </message>
    <message>
        <source>Archives &amp; Packages</source>
        <translation>[Årçhîvéš &amp; Páçkágéš ·····]</translation>
    </message>
    <message>
        <source>3D Printing &amp; Spatial</source>
        <translation>[3D Prîñtîñg &amp; Spátîál ·····]</translation>
    </message>
    <message>
        <source>Maps &amp; Navigation</source>
        <translation>[Mápš &amp; Ñávîgátîõñ ····]</translation>
    </message>
    <message>
        <source>Communication Links</source>
        <translation>[Çõmmüñîçátîõñ Lîñkš ·····]</translation>
    </message>
    <message>
        <source>Gaming &amp; Emulation</source>
        <translation>[Gámîñg &amp; Émülátîõñ ····]</translation>
    </message>
    <message>
        <source>Security &amp; Privacy</source>
        <translation>[Séçürîtý &amp; Prîváçý ····]</translation>
    </message>
    <message>
        <source>My File Types</source>
        <translation>[Mý Fîlé Týpéš ··]</translation>
    </message>
    <message>
        <source>Web Browser</source>
        <translation>[Wéb Brõwšér ·]</translation>
    </message>
    <message>
        <source>Opens web links, plus https:, .html and .htm</source>
        <translation>[Õpéñš wéb lîñkš, plüš httpš:, .html áñd .htm ···············]</translation>
    </message>
    <message>
        <source>Email</source>
        <translation>[Émáîl]</translation>
    </message>
    <message>
        <source>Composes new emails from mailto: links</source>
        <translation>[Çõmpõšéš ñéw émáîlš frõm máîltõ: lîñkš ············]</translation>
    </message>
    <message>
        <source>Phone Calls</source>
        <translation>[Phõñé Çállš ·]</translation>
    </message>
    <message>
        <source>Handles tel: links for calling</source>
        <translation>[Háñdléš tél: lîñkš fõr çállîñg ·········]</translation>
    </message>
    <message>
        <source>SMS &amp; Messages</source>
        <translation>[SMS &amp; Méššágéš ···]</translation>
    </message>
    <message>
        <source>Handles sms: links for text messages</source>
        <translation>[Háñdléš šmš: lîñkš fõr téxt méššágéš ···········]</translation>
    </message>
    <message>
        <source>File Manager</source>
        <translation>[Fîlé Máñágér ··]</translation>
    </message>
    <message>
        <source>Opens folders</source>
        <translation>[Õpéñš fõldérš ··]</translation>
    </message>
    <message>
        <source>Calendar Subscriptions</source>
        <translation>[Çáléñdár Sübšçrîptîõñš ······]</translation>
    </message>
    <message>
        <source>Subscribes to webcal: calendar feeds</source>
        <translation>[Sübšçrîbéš tõ wébçál: çáléñdár féédš ···········]</translation>
    </message>
    <message>
        <source>PDF Documents (.pdf)</source>
        <translation>[PDF Dõçüméñtš (.pdf) ·····]</translation>
    </message>
    <message>
        <source>Viewer/Editor for PDF document files</source>
        <translation>[Vîéwér/Édîtõr fõr PDF dõçüméñt fîléš ···········]</translation>
    </message>
    <message>
        <source>Word Documents (.docx)</source>
        <translation>[Wõrd Dõçüméñtš (.dõçx) ······]</translation>
    </message>
    <message>
        <source>Viewer/Editor for Microsoft Word files</source>
        <translation>[Vîéwér/Édîtõr fõr Mîçrõšõft Wõrd fîléš ············]</translation>
    </message>
    <message>
        <source>Legacy Word Docs (.doc)</source>
        <translation>[Légáçý Wõrd Dõçš (.dõç) ······]</translation>
    </message>
    <message>
        <source>Viewer for classic Word .doc files</source>
        <translation>[Vîéwér fõr çláššîç Wõrd .dõç fîléš ···········]</translation>
    </message>
    <message>
        <source>Excel Spreadsheets (.xlsx)</source>
        <translation>[Éxçél Spréádšhéétš (.xlšx) ·······]</translation>
    </message>
    <message>
        <source>Viewer/Editor for Excel spreadsheets</source>
        <translation>[Vîéwér/Édîtõr fõr Éxçél špréádšhéétš ···········]</translation>
    </message>
    <message>
        <source>CSV Data Files (.csv)</source>
        <translation>[ÇSV Dátá Fîléš (.çšv) ·····]</translation>
    </message>
    <message>
        <source>Data viewer for comma-separated files</source>
        <translation>[Dátá vîéwér fõr çõmmá-šépárátéd fîléš ············]</translation>
    </message>
    <message>
        <source>PowerPoint Slides (.pptx)</source>
        <translation>[PõwérPõîñt Slîdéš (.pptx) ·······]</translation>
    </message>
    <message>
        <source>Viewer for slide presentations</source>
        <translation>[Vîéwér fõr šlîdé préšéñtátîõñš ·········]</translation>
    </message>
    <message>
        <source>Text Files (.txt)</source>
        <translation>[Téxt Fîléš (.txt) ····]</translation>
    </message>
    <message>
        <source>Plain text editor or viewer</source>
        <translation>[Pláîñ téxt édîtõr õr vîéwér ········]</translation>
    </message>
    <message>
        <source>Rich Text Format (.rtf)</source>
        <translation>[Rîçh Téxt Fõrmát (.rtf) ······]</translation>
    </message>
    <message>
        <source>Rich text document editor</source>
        <translation>[Rîçh téxt dõçüméñt édîtõr ·······]</translation>
    </message>
    <message>
        <source>AI Prompt Configs (.prompt)</source>
        <translation>[ÅÎ Prõmpt Çõñfîgš (.prõmpt) ········]</translation>
    </message>
    <message>
        <source>Editor for system prompts &amp; LLM configs</source>
        <translation>[Édîtõr fõr šýštém prõmptš &amp; LLM çõñfîgš ·············]</translation>
    </message>
    <message>
        <source>Vector DB Exports (.jsonl)</source>
        <translation>[Véçtõr DB Éxpõrtš (.jšõñl) ·······]</translation>
    </message>
    <message>
        <source>Viewer for JSON Lines dataset dumps</source>
        <translation>[Vîéwér fõr JSÕÑ Lîñéš dátášét dümpš ···········]</translation>
    </message>
    <message>
        <source>Subtitles &amp; Transcripts (.srt)</source>
        <translation>[Sübtîtléš &amp; Tráñšçrîptš (.šrt) ·········]</translation>
    </message>
    <message>
        <source>Viewer for speech transcripts</source>
        <translation>[Vîéwér fõr špééçh tráñšçrîptš ·········]</translation>
    </message>
    <message>
        <source>JSON Data (.json)</source>
        <translation>[JSÕÑ Dátá (.jšõñ) ····]</translation>
    </message>
    <message>
        <source>Viewer/Editor for JSON configuration &amp; data files</source>
        <translation>[Vîéwér/Édîtõr fõr JSÕÑ çõñfîgürátîõñ &amp; dátá fîléš ·················]</translation>
    </message>
    <message>
        <source>Markdown Files (.md)</source>
        <translation>[Márkdõwñ Fîléš (.md) ·····]</translation>
    </message>
    <message>
        <source>Viewer for formatted Markdown docs</source>
        <translation>[Vîéwér fõr fõrmáttéd Márkdõwñ dõçš ···········]</translation>
    </message>
    <message>
        <source>Python Scripts (.py)</source>
        <translation>[Pýthõñ Sçrîptš (.pý) ·····]</translation>
    </message>
    <message>
        <source>Editor for Python source files</source>
        <translation>[Édîtõr fõr Pýthõñ šõürçé fîléš ·········]</translation>
    </message>
    <message>
        <source>Swift Code (.swift)</source>
        <translation>[Swîft Çõdé (.šwîft) ·····]</translation>
    </message>
    <message>
        <source>Editor for Swift source files</source>
        <translation>[Édîtõr fõr Swîft šõürçé fîléš ·········]</translation>
    </message>
    <message>
        <source>JavaScript (.js)</source>
        <translation>[JáváSçrîpt (.jš) ···]</translation>
    </message>
    <message>
        <source>Editor for JavaScript source files</source>
        <translation>[Édîtõr fõr JáváSçrîpt šõürçé fîléš ···········]</translation>
    </message>
    <message>
        <source>TypeScript (.ts)</source>
        <translation>[TýpéSçrîpt (.tš) ···]</translation>
    </message>
    <message>
        <source>Editor for TypeScript source files</source>
        <translation>[Édîtõr fõr TýpéSçrîpt šõürçé fîléš ···········]</translation>
    </message>
    <message>
        <source>YAML Configurations (.yaml)</source>
        <translation>[ÝÅML Çõñfîgürátîõñš (.ýáml) ········]</translation>
    </message>
    <message>
        <source>Editor for YAML deployment files</source>
        <translation>[Édîtõr fõr ÝÅML déplõýméñt fîléš ··········]</translation>
    </message>
    <message>
        <source>XML Files (.xml)</source>
        <translation>[XML Fîléš (.xml) ···]</translation>
    </message>
    <message>
        <source>Viewer/Editor for XML documents</source>
        <translation>[Vîéwér/Édîtõr fõr XML dõçüméñtš ·········]</translation>
    </message>
    <message>
        <source>SQL Database Scripts (.sql)</source>
        <translation>[SQL Dátábášé Sçrîptš (.šql) ········]</translation>
    </message>
    <message>
        <source>Viewer for database export scripts</source>
        <translation>[Vîéwér fõr dátábášé éxpõrt šçrîptš ···········]</translation>
    </message>
    <message>
        <source>Kotlin Code (.kt)</source>
        <translation>[Kõtlîñ Çõdé (.kt) ····]</translation>
    </message>
    <message>
        <source>Editor for Kotlin source code</source>
        <translation>[Édîtõr fõr Kõtlîñ šõürçé çõdé ·········]</translation>
    </message>
    <message>
        <source>Shell Scripts (.sh)</source>
        <translation>[Shéll Sçrîptš (.šh) ·····]</translation>
    </message>
    <message>
        <source>Editor for shell scripts</source>
        <translation>[Édîtõr fõr šhéll šçrîptš ·······]</translation>
    </message>
    <message>
        <source>Log Files (.log)</source>
        <translation>[Lõg Fîléš (.lõg) ···]</translation>
    </message>
    <message>
        <source>Viewer for application and system logs</source>
        <translation>[Vîéwér fõr ápplîçátîõñ áñd šýštém lõgš ············]</translation>
    </message>
    <message>
        <source>SSH Links (ssh:)</source>
        <translation>[SSH Lîñkš (ššh:) ···]</translation>
    </message>
    <message>
        <source>Terminal app for ssh: connections</source>
        <translation>[Térmîñál ápp fõr ššh: çõññéçtîõñš ··········]</translation>
    </message>
    <message>
        <source>Vector Graphics (.svg)</source>
        <translation>[Véçtõr Gráphîçš (.švg) ······]</translation>
    </message>
    <message>
        <source>Viewer for scalable vector graphics</source>
        <translation>[Vîéwér fõr šçáláblé véçtõr gráphîçš ···········]</translation>
    </message>
    <message>
        <source>Photoshop Files (.psd)</source>
        <translation>[Phõtõšhõp Fîléš (.pšd) ······]</translation>
    </message>
    <message>
        <source>Viewer for Adobe Photoshop documents</source>
        <translation>[Vîéwér fõr Ådõbé Phõtõšhõp dõçüméñtš ···········]</translation>
    </message>
    <message>
        <source>RAW Camera Photos (.dng)</source>
        <translation>[RÅW Çámérá Phõtõš (.dñg) ·······]</translation>
    </message>
    <message>
        <source>Viewer for raw digital camera photos</source>
        <translation>[Vîéwér fõr ráw dîgîtál çámérá phõtõš ···········]</translation>
    </message>
    <message>
        <source>TrueType Fonts (.ttf)</source>
        <translation>[TrüéTýpé Fõñtš (.ttf) ·····]</translation>
    </message>
    <message>
        <source>Font installer/previewer</source>
        <translation>[Fõñt îñštállér/prévîéwér ·······]</translation>
    </message>
    <message>
        <source>EPUB E-Books (.epub)</source>
        <translation>[ÉPÜB É-Bõõkš (.épüb) ·····]</translation>
    </message>
    <message>
        <source>Reader for EPUB digital books</source>
        <translation>[Réádér fõr ÉPÜB dîgîtál bõõkš ·········]</translation>
    </message>
    <message>
        <source>Kindle E-Books (.mobi)</source>
        <translation>[Kîñdlé É-Bõõkš (.mõbî) ······]</translation>
    </message>
    <message>
        <source>Reader for MOBI digital books</source>
        <translation>[Réádér fõr MÕBÎ dîgîtál bõõkš ·········]</translation>
    </message>
    <message>
        <source>Comic Archives (.cbz)</source>
        <translation>[Çõmîç Årçhîvéš (.çbž) ·····]</translation>
    </message>
    <message>
        <source>Reader for comic book archives</source>
        <translation>[Réádér fõr çõmîç bõõk árçhîvéš ·········]</translation>
    </message>
    <message>
        <source>MP4 Video (.mp4)</source>
        <translation>[MP4 Vîdéõ (.mp4) ···]</translation>
    </message>
    <message>
        <source>Player for MP4 movies &amp; video clips</source>
        <translation>[Pláýér fõr MP4 mõvîéš &amp; vîdéõ çlîpš ···········]</translation>
    </message>
    <message>
        <source>MKV Video (.mkv)</source>
        <translation>[MKV Vîdéõ (.mkv) ···]</translation>
    </message>
    <message>
        <source>Player for high-definition MKV videos</source>
        <translation>[Pláýér fõr hîgh-défîñîtîõñ MKV vîdéõš ············]</translation>
    </message>
    <message>
        <source>QuickTime Movies (.mov)</source>
        <translation>[QüîçkTîmé Mõvîéš (.mõv) ······]</translation>
    </message>
    <message>
        <source>Player for QuickTime movies</source>
        <translation>[Pláýér fõr QüîçkTîmé mõvîéš ········]</translation>
    </message>
    <message>
        <source>MP3 Audio (.mp3)</source>
        <translation>[MP3 Åüdîõ (.mp3) ···]</translation>
    </message>
    <message>
        <source>Player for MP3 audio tracks</source>
        <translation>[Pláýér fõr MP3 áüdîõ tráçkš ········]</translation>
    </message>
    <message>
        <source>Lossless Audio (.flac)</source>
        <translation>[Lõššléšš Åüdîõ (.fláç) ······]</translation>
    </message>
    <message>
        <source>Player for high-fidelity FLAC audio</source>
        <translation>[Pláýér fõr hîgh-fîdélîtý FLÅÇ áüdîõ ···········]</translation>
    </message>
    <message>
        <source>JPEG Photos (.jpg)</source>
        <translation>[JPÉG Phõtõš (.jpg) ····]</translation>
    </message>
    <message>
        <source>Viewer for digital photos</source>
        <translation>[Vîéwér fõr dîgîtál phõtõš ·······]</translation>
    </message>
    <message>
        <source>PNG Images (.png)</source>
        <translation>[PÑG Îmágéš (.pñg) ····]</translation>
    </message>
    <message>
        <source>Viewer for transparent PNG images</source>
        <translation>[Vîéwér fõr tráñšpáréñt PÑG îmágéš ··········]</translation>
    </message>
    <message>
        <source>WebP Media (.webp)</source>
        <translation>[WébP Médîá (.wébp) ····]</translation>
    </message>
    <message>
        <source>Viewer for modern WebP graphics</source>
        <translation>[Vîéwér fõr mõdérñ WébP gráphîçš ·········]</translation>
    </message>
    <message>
        <source>HEIC Photos (.heic)</source>
        <translation>[HÉÎÇ Phõtõš (.héîç) ·····]</translation>
    </message>
    <message>
        <source>Viewer for high-efficiency photos</source>
        <translation>[Vîéwér fõr hîgh-éffîçîéñçý phõtõš ··········]</translation>
    </message>
    <message>
        <source>ZIP Archives (.zip)</source>
        <translation>[ZÎP Årçhîvéš (.žîp) ·····]</translation>
    </message>
    <message>
        <source>Extractor for compressed ZIP archives</source>
        <translation>[Éxtráçtõr fõr çõmpréššéd ZÎP árçhîvéš ············]</translation>
    </message>
    <message>
        <source>RAR Archives (.rar)</source>
        <translation>[RÅR Årçhîvéš (.rár) ·····]</translation>
    </message>
    <message>
        <source>Extractor for RAR compressed archives</source>
        <translation>[Éxtráçtõr fõr RÅR çõmpréššéd árçhîvéš ············]</translation>
    </message>
    <message>
        <source>7-Zip Archives (.7z)</source>
        <translation>[7-Zîp Årçhîvéš (.7ž) ·····]</translation>
    </message>
    <message>
        <source>Extractor for 7z archives</source>
        <translation>[Éxtráçtõr fõr 7ž árçhîvéš ·······]</translation>
    </message>
    <message>
        <source>Disk Images (.dmg)</source>
        <translation>[Dîšk Îmágéš (.dmg) ····]</translation>
    </message>
    <message>
        <source>Mounter for macOS disk images</source>
        <translation>[Mõüñtér fõr máçÕS dîšk îmágéš ·········]</translation>
    </message>
    <message>
        <source>Torrent Files (.torrent)</source>
        <translation>[Tõrréñt Fîléš (.tõrréñt) ·······]</translation>
    </message>
    <message>
        <source>Downloader for P2P torrent files</source>
        <translation>[Dõwñlõádér fõr P2P tõrréñt fîléš ··········]</translation>
    </message>
    <message>
        <source>3D Printing Models (.stl)</source>
        <translation>[3D Prîñtîñg Mõdélš (.štl) ·······]</translation>
    </message>
    <message>
        <source>Viewer for 3D printer STL files</source>
        <translation>[Vîéwér fõr 3D prîñtér STL fîléš ·········]</translation>
    </message>
    <message>
        <source>3D CAD Models (.obj)</source>
        <translation>[3D ÇÅD Mõdélš (.õbj) ·····]</translation>
    </message>
    <message>
        <source>Viewer for 3D object geometry</source>
        <translation>[Vîéwér fõr 3D õbjéçt géõmétrý ·········]</translation>
    </message>
    <message>
        <source>3D GLTF Scenes (.gltf)</source>
        <translation>[3D GLTF Sçéñéš (.gltf) ······]</translation>
    </message>
    <message>
        <source>Viewer for 3D GLTF asset scenes</source>
        <translation>[Vîéwér fõr 3D GLTF áššét šçéñéš ·········]</translation>
    </message>
    <message>
        <source>USDZ Scenes (.usdz)</source>
        <translation>[ÜSDZ Sçéñéš (.üšdž) ·····]</translation>
    </message>
    <message>
        <source>Viewer for Apple USDZ 3D scenes</source>
        <translation>[Vîéwér fõr Åpplé ÜSDZ 3D šçéñéš ·········]</translation>
    </message>
    <message>
        <source>GPS Track Logs (.gpx)</source>
        <translation>[GPS Tráçk Lõgš (.gpx) ·····]</translation>
    </message>
    <message>
        <source>Viewer for GPX trails and routes</source>
        <translation>[Vîéwér fõr GPX tráîlš áñd rõütéš ··········]</translation>
    </message>
    <message>
        <source>Google Earth Places (.kml)</source>
        <translation>[Gõõglé Éárth Pláçéš (.kml) ·······]</translation>
    </message>
    <message>
        <source>Viewer for KML placemarks</source>
        <translation>[Vîéwér fõr KML pláçémárkš ·······]</translation>
    </message>
    <message>
        <source>Telegram Links (tg:)</source>
        <translation>[Télégrám Lîñkš (tg:) ·····]</translation>
    </message>
    <message>
        <source>Messenger app for Telegram links</source>
        <translation>[Méššéñgér ápp fõr Télégrám lîñkš ··········]</translation>
    </message>
    <message>
        <source>Zoom Meetings (zoommtg:)</source>
        <translation>[Zõõm Méétîñgš (žõõmmtg:) ·······]</translation>
    </message>
    <message>
        <source>Client for Zoom meeting links</source>
        <translation>[Çlîéñt fõr Zõõm méétîñg lîñkš ·········]</translation>
    </message>
    <message>
        <source>Slack Links (slack:)</source>
        <translation>[Sláçk Lîñkš (šláçk:) ·····]</translation>
    </message>
    <message>
        <source>Client for Slack deep links</source>
        <translation>[Çlîéñt fõr Sláçk déép lîñkš ········]</translation>
    </message>
    <message>
        <source>Disk Images (.iso)</source>
        <translation>[Dîšk Îmágéš (.îšõ) ····]</translation>
    </message>
    <message>
        <source>Emulation launcher for console ISOs</source>
        <translation>[Émülátîõñ láüñçhér fõr çõñšõlé ÎSÕš ···········]</translation>
    </message>
    <message>
        <source>GBA ROMs (.gba)</source>
        <translation>[GBÅ RÕMš (.gbá) ···]</translation>
    </message>
    <message>
        <source>Emulator for GameBoy Advance ROMs</source>
        <translation>[Émülátõr fõr GáméBõý Ådváñçé RÕMš ··········]</translation>
    </message>
    <message>
        <source>OpenPGP Encryption (.gpg)</source>
        <translation>[ÕpéñPGP Éñçrýptîõñ (.gpg) ·······]</translation>
    </message>
    <message>
        <source>Security app for PGP/GPG files</source>
        <translation>[Séçürîtý ápp fõr PGP/GPG fîléš ·········]</translation>
    </message>
    <message>
        <source>OpenVPN Profiles (.ovpn)</source>
        <translation>[ÕpéñVPÑ Prõfîléš (.õvpñ) ·······]</translation>
    </message>
    <message>
        <source>VPN client for OpenVPN configurations</source>
        <translation>[VPÑ çlîéñt fõr ÕpéñVPÑ çõñfîgürátîõñš ············]</translation>
    </message>
    <message>
        <source>Added by you</source>
        <translation>[Åddéd bý ýõü ··]</translation>
    </message>
    <message>
        <source>Terminal</source>
        <translation>[Térmîñál]</translation>
    </message>
    <message>
        <source>Runs programs that need a terminal</source>
        <translation>[Rüñš prõgrámš thát ñééd á térmîñál ···········]</translation>
    </message>
</context>
<context>
    <name>ChangeResult</name>
    <message>
        <source>Changed</source>
        <translation>[Çháñgéd]</translation>
    </message>
    <message>
        <source>Already the default</source>
        <translation>[Ålréádý thé défáült ·····]</translation>
    </message>
    <message>
        <source>That app is no longer installed</source>
        <translation>[Thát ápp îš ñõ lõñgér îñštálléd ·········]</translation>
    </message>
    <message>
        <source>The change could not be made</source>
        <translation>[Thé çháñgé çõüld ñõt bé mádé ········]</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>Reset to the system default</source>
        <translation>[Réšét tõ thé šýštém défáült ········]</translation>
    </message>
    <message>
        <source>Already the system default</source>
        <translation>[Ålréádý thé šýštém défáült ·······]</translation>
    </message>
    <message>
        <source>%1 (%2) does not say it can open %3. Add --force to make it the default all the same.</source>
        <translation>[%1 (%2) dõéš ñõt šáý ît çáñ õpéñ %3. Ådd --fõrçé tõ máké ît thé défáült áll thé šámé. ·····························]</translation>
    </message>
    <message>
        <source>: There is no such file or folder.</source>
        <translation>[: Théré îš ñõ šüçh fîlé õr fõldér. ···········]</translation>
    </message>
    <message>
        <source>: The system knows no such MIME type.</source>
        <translation>[: Thé šýštém kñõwš ñõ šüçh MÎMÉ týpé. ············]</translation>
    </message>
    <message>
        <source>: That is not a type. Expected an extension (.pdf or pdf), a link type (mailto:), a MIME type (application/pdf) or a file (./report.pdf).</source>
        <translation>[: Thát îš ñõt á týpé. Éxpéçtéd áñ éxtéñšîõñ (.pdf õr pdf), á lîñk týpé (máîltõ:), á MÎMÉ týpé (ápplîçátîõñ/pdf) õr á fîlé (./répõrt.pdf). ····················································]</translation>
    </message>
</context>
<context>
    <name>DateText</name>
    <message>
        <source>%1 at %2</source>
        <comment>a backup&apos;s name: date and time</comment>
        <translation>[%1 át %2]</translation>
    </message>
</context>
<context>
    <name>DecisionChain</name>
    <message>
        <source>%1 does not exist</source>
        <translation>[%1 dõéš ñõt éxîšt ···]</translation>
    </message>
    <message>
        <source>%1 cannot be read as a list, so the system ignores all of it</source>
        <translation>[%1 çáññõt bé réád áš á lîšt, šõ thé šýštém îgñõréš áll õf ît ····················]</translation>
    </message>
    <message>
        <source>%1 has no entry for %2</source>
        <translation>[%1 háš ñõ éñtrý fõr %2 ····]</translation>
    </message>
    <message>
        <source>%1 line %2</source>
        <translation>[%1 lîñé %2]</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <translation>[%1 (%2)]</translation>
    </message>
    <message>
        <source>%1 (a parent type)</source>
        <translation>[%1 (á páréñt týpé) ···]</translation>
    </message>
    <message>
        <source>%1 (a parent type of %2)</source>
        <translation>[%1 (á páréñt týpé õf %2) ·····]</translation>
    </message>
    <message>
        <source>%1 sets %2 for %3</source>
        <translation>[%1 šétš %2 fõr %3 ·]</translation>
    </message>
    <message>
        <source>%1 names no application for %2</source>
        <translation>[%1 ñáméš ñõ ápplîçátîõñ fõr %2 ·······]</translation>
    </message>
    <message>
        <source>%1 names %2 for %3, but it is not installed</source>
        <translation>[%1 ñáméš %2 fõr %3, büt ît îš ñõt îñštálléd ············]</translation>
    </message>
    <message>
        <source>%1 names %2 for %3, but none of them is installed</source>
        <translation>[%1 ñáméš %2 fõr %3, büt ñõñé õf thém îš îñštálléd ··············]</translation>
    </message>
    <message>
        <source>%1 names %2 for %3, outranked by the choice above</source>
        <translation>[%1 ñáméš %2 fõr %3, õütráñkéd bý thé çhõîçé ábõvé ··············]</translation>
    </message>
    <message>
        <source>%1 adds %2 for %3, and no list sets an installed default</source>
        <translation>[%1 áddš %2 fõr %3, áñd ñõ lîšt šétš áñ îñštálléd défáült ·················]</translation>
    </message>
    <message>
        <source>%1 adds %2 for %3</source>
        <translation>[%1 áddš %2 fõr %3 ·]</translation>
    </message>
    <message>
        <source>%1 removes %2 from the applications for %3</source>
        <translation>[%1 rémõvéš %2 frõm thé ápplîçátîõñš fõr %3 ···········]</translation>
    </message>
    <message>
        <source>%1 removes %2 for %3, with no effect: an earlier entry names it</source>
        <translation>[%1 rémõvéš %2 fõr %3, wîth ñõ éfféçt: áñ éárlîér éñtrý ñáméš ît ····················]</translation>
    </message>
    <message>
        <source>%1 removes %2 for %3, with no effect on applications installed in the same folder</source>
        <translation>[%1 rémõvéš %2 fõr %3, wîth ñõ éfféçt õñ ápplîçátîõñš îñštálléd îñ thé šámé fõldér ···························]</translation>
    </message>
    <message>
        <source>No list sets an installed default for %1, so the first installed handler is used: %2</source>
        <translation>[Ñõ lîšt šétš áñ îñštálléd défáült fõr %1, šõ thé fîršt îñštálléd háñdlér îš üšéd: %2 ·····························]</translation>
    </message>
    <message>
        <source>No installed application handles %1</source>
        <translation>[Ñõ îñštálléd ápplîçátîõñ háñdléš %1 ··········]</translation>
    </message>
    <message>
        <source>No installed handler of %1 can be used</source>
        <translation>[Ñõ îñštálléd háñdlér õf %1 çáñ bé üšéd ···········]</translation>
    </message>
    <message>
        <source> (skipped %1: not installed)</source>
        <translation>[ (škîppéd %1: ñõt îñštálléd) ·······]</translation>
    </message>
    <message>
        <source> (removed: %1)</source>
        <translation>[ (rémõvéd: %1) ··]</translation>
    </message>
    <message>
        <source>%1 opens in %2 because %3 sets it for %4</source>
        <translation>[%1 õpéñš îñ %2 béçáüšé %3 šétš ît fõr %4 ··········]</translation>
    </message>
    <message>
        <source>%1 opens in %2 because %3 adds it for %4 and no list sets an installed default</source>
        <translation>[%1 õpéñš îñ %2 béçáüšé %3 áddš ît fõr %4 áñd ñõ lîšt šétš áñ îñštálléd défáült ·························]</translation>
    </message>
    <message>
        <source>%1 opens in %2 because no list sets an installed default and it is the first installed application that handles %3</source>
        <translation>[%1 õpéñš îñ %2 béçáüšé ñõ lîšt šétš áñ îñštálléd défáült áñd ît îš thé fîršt îñštálléd ápplîçátîõñ thát háñdléš %3 ········································]</translation>
    </message>
    <message>
        <source>Nothing opens %1 (%2): no list names an installed application, and none is installed that handles it</source>
        <translation>[Ñõthîñg õpéñš %1 (%2): ñõ lîšt ñáméš áñ îñštálléd ápplîçátîõñ, áñd ñõñé îš îñštálléd thát háñdléš ît ···································]</translation>
    </message>
    <message>
        <source>. The system reports %1 instead, so this explanation is incomplete</source>
        <translation>[. Thé šýštém répõrtš %1 îñštéád, šõ thîš éxpláñátîõñ îš îñçõmplété ·······················]</translation>
    </message>
    <message>
        <source>. The system reports no application, so this explanation is incomplete</source>
        <translation>[. Thé šýštém répõrtš ñõ ápplîçátîõñ, šõ thîš éxpláñátîõñ îš îñçõmplété ·························]</translation>
    </message>
    <message>
        <source>No explanation is available for %1</source>
        <translation>[Ñõ éxpláñátîõñ îš áváîláblé fõr %1 ··········]</translation>
    </message>
    <message>
        <source>XDG_CURRENT_DESKTOP names %1, so the system also reads %2 in each folder</source>
        <translation>[XDG_ÇÜRRÉÑT_DÉSKTÕP ñáméš %1, šõ thé šýštém álšõ réádš %2 îñ éáçh fõldér ························]</translation>
    </message>
    <message>
        <source>XDG_CURRENT_DESKTOP names no desktop, so the system reads no desktop-specific lists</source>
        <translation>[XDG_ÇÜRRÉÑT_DÉSKTÕP ñáméš ñõ déšktõp, šõ thé šýštém réádš ñõ déšktõp-špéçîfîç lîštš ······························]</translation>
    </message>
    <message>
        <source>; it found %1</source>
        <translation>[; ît fõüñd %1 ·]</translation>
    </message>
    <message>
        <source>. It ignores %1: a desktop name may hold only letters, digits, - and _</source>
        <translation>[. Ît îgñõréš %1: á déšktõp ñámé máý hõld õñlý léttérš, dîgîtš, - áñd _ ························]</translation>
    </message>
    <message>
        <source>“%1”</source>
        <translation>[“%1”]</translation>
    </message>
    <message>
        <source>~</source>
        <translation>[~]</translation>
    </message>
    <message>
        <source>%1 (%2) names %3: links that desktop opens go to %4</source>
        <translation>[%1 (%2) ñáméš %3: lîñkš thát déšktõp õpéñš gõ tõ %4 ··············]</translation>
    </message>
    <message>
        <source>%1 (%2) names %3, which no installed application matches: links that desktop opens may not open</source>
        <translation>[%1 (%2) ñáméš %3, whîçh ñõ îñštálléd ápplîçátîõñ mátçhéš: lîñkš thát déšktõp õpéñš máý ñõt õpéñ ·································]</translation>
    </message>
    <message>
        <source>; but links %1 opens follow its own setting, %2</source>
        <translation>[; büt lîñkš %1 õpéñš fõllõw îtš õwñ šéttîñg, %2 ··············]</translation>
    </message>
    <message>
        <source>Set by your system: %1 line %2</source>
        <translation>[Sét bý ýõür šýštém: %1 lîñé %2 ·······]</translation>
    </message>
    <message>
        <source>%1 names %2 first among the installed terminals</source>
        <translation>[%1 ñáméš %2 fîršt ámõñg thé îñštálléd térmîñálš ··············]</translation>
    </message>
    <message>
        <source>%1 names %2, but none of them is an installed terminal</source>
        <translation>[%1 ñáméš %2, büt ñõñé õf thém îš áñ îñštálléd térmîñál ·················]</translation>
    </message>
    <message>
        <source>%1 names no terminal</source>
        <translation>[%1 ñáméš ñõ térmîñál ····]</translation>
    </message>
    <message>
        <source>%1 sets %2 to %3: the terminal that desktop starts is %4</source>
        <translation>[%1 šétš %2 tõ %3: thé térmîñál thát déšktõp štártš îš %4 ················]</translation>
    </message>
    <message>
        <source>%1 sets %2 to %3, which no installed terminal matches: that desktop may start no terminal</source>
        <translation>[%1 šétš %2 tõ %3, whîçh ñõ îñštálléd térmîñál mátçhéš: thát déšktõp máý štárt ñõ térmîñál ······························]</translation>
    </message>
    <message>
        <source>GSettings %1</source>
        <translation>[GSéttîñgš %1 ·]</translation>
    </message>
    <message>
        <source>%1 leads to %2, which is %3: programs that start x-terminal-emulator use it</source>
        <translation>[%1 léádš tõ %2, whîçh îš %3: prõgrámš thát štárt x-térmîñál-émülátõr üšé ît ·························]</translation>
    </message>
    <message>
        <source>%1 leads to %2, which no installed terminal runs</source>
        <translation>[%1 léádš tõ %2, whîçh ñõ îñštálléd térmîñál rüñš ···············]</translation>
    </message>
    <message>
        <source>%1 opens in %2 because %3 names it first among the installed terminals</source>
        <translation>[%1 õpéñš îñ %2 béçáüšé %3 ñáméš ît fîršt ámõñg thé îñštálléd térmîñálš ·······················]</translation>
    </message>
    <message>
        <source>%1 opens in %2 because %3 sets %4</source>
        <translation>[%1 õpéñš îñ %2 béçáüšé %3 šétš %4 ·······]</translation>
    </message>
    <message>
        <source>; but xdg-terminal-exec starts %1, which %2 names first</source>
        <translation>[; büt xdg-térmîñál-éxéç štártš %1, whîçh %2 ñáméš fîršt ·················]</translation>
    </message>
    <message>
        <source>XDG_CURRENT_DESKTOP names %1, so xdg-terminal-exec also reads %2 in each folder</source>
        <translation>[XDG_ÇÜRRÉÑT_DÉSKTÕP ñáméš %1, šõ xdg-térmîñál-éxéç álšõ réádš %2 îñ éáçh fõldér ···························]</translation>
    </message>
    <message>
        <source>the terminal</source>
        <translation>[thé térmîñál ··]</translation>
    </message>
</context>
<context>
    <name>DesktopBrowser</name>
    <message>
        <source>%1&apos;s links</source>
        <translation>[%1&apos;š lîñkš]</translation>
    </message>
    <message>
        <source>%1 cannot be read, so it was left as it is.</source>
        <translation>[%1 çáññõt bé réád, šõ ît wáš léft áš ît îš. ·············]</translation>
    </message>
    <message>
        <source>Xfce&apos;s Debian browser, which starts %1</source>
        <translation>[Xfçé&apos;š Débîáñ brõwšér, whîçh štártš %1 ···········]</translation>
    </message>
</context>
<context>
    <name>DesktopTerminal</name>
    <message>
        <source>Xfce&apos;s Debian terminal, which starts %1</source>
        <translation>[Xfçé&apos;š Débîáñ térmîñál, whîçh štártš %1 ············]</translation>
    </message>
    <message>
        <source>the system&apos;s terminal, %1</source>
        <translation>[thé šýštém&apos;š térmîñál, %1 ······]</translation>
    </message>
    <message>
        <source>%1&apos;s terminal</source>
        <translation>[%1&apos;š térmîñál ·]</translation>
    </message>
</context>
<context>
    <name>Doctor</name>
    <message>
        <source>Line %1 of %2 names %3 for %4, which is no longer installed.</source>
        <translation>[Lîñé %1 õf %2 ñáméš %3 fõr %4, whîçh îš ñõ lõñgér îñštálléd. ··················]</translation>
    </message>
    <message>
        <source>Line %1 of %2 sets %3, another name of %4, which line %5 sets too.</source>
        <translation>[Lîñé %1 õf %2 šétš %3, áñõthér ñámé õf %4, whîçh lîñé %5 šétš tõõ. ···················]</translation>
    </message>
    <message>
        <source>Line %1 of %2 removes %3 from the applications for %4, although it is the default of that type.</source>
        <translation>[Lîñé %1 õf %2 rémõvéš %3 frõm thé ápplîçátîõñš fõr %4, álthõügh ît îš thé défáült õf thát týpé. ································]</translation>
    </message>
    <message>
        <source>%1 is an older list the system still reads: its line %2 decides that %3 opens in %4.</source>
        <translation>[%1 îš áñ õldér lîšt thé šýštém štîll réádš: îtš lîñé %2 déçîdéš thát %3 õpéñš îñ %4. ···························]</translation>
    </message>
    <message>
        <source>Line %1 of %2, a list for one desktop, makes %3 open in %4, overriding your choice of %5.</source>
        <translation>[Lîñé %1 õf %2, á lîšt fõr õñé déšktõp, mákéš %3 õpéñ îñ %4, õvérrîdîñg ýõür çhõîçé õf %5. ·····························]</translation>
    </message>
    <message>
        <source>%1 was made by an &quot;open with a command&quot; dialog and runs the same program as %2.</source>
        <translation>[%1 wáš mádé bý áñ &quot;õpéñ wîth á çõmmáñd&quot; dîálõg áñd rüñš thé šámé prõgrám áš %2. ···························]</translation>
    </message>
    <message>
        <source>%1 was made by an &quot;open with a command&quot; dialog; the program it runs (%2) is gone.</source>
        <translation>[%1 wáš mádé bý áñ &quot;õpéñ wîth á çõmmáñd&quot; dîálõg; thé prõgrám ît rüñš (%2) îš gõñé. ····························]</translation>
    </message>
    <message>
        <source>%1 runs %2, which is not found, so the system passes over it.</source>
        <translation>[%1 rüñš %2, whîçh îš ñõt fõüñd, šõ thé šýštém páššéš õvér ît. ····················]</translation>
    </message>
    <message>
        <source>%1 is a read-only link to %2, managed by a configuration tool.</source>
        <translation>[%1 îš á réád-õñlý lîñk tõ %2, máñágéd bý á çõñfîgürátîõñ tõõl. ····················]</translation>
    </message>
    <message>
        <source>Managed by your configuration; change it there.</source>
        <translation>[Máñágéd bý ýõür çõñfîgürátîõñ; çháñgé ît théré. ················]</translation>
    </message>
    <message>
        <source>Keep %1 among the applications for %2.</source>
        <translation>[Kéép %1 ámõñg thé ápplîçátîõñš fõr %2. ···········]</translation>
    </message>
    <message>
        <source>Name %1 instead in your lists, and remove this entry.</source>
        <translation>[Ñámé %1 îñštéád îñ ýõür lîštš, áñd rémõvé thîš éñtrý. ·················]</translation>
    </message>
    <message>
        <source>Remove the entry and the lines naming it.</source>
        <translation>[Rémõvé thé éñtrý áñd thé lîñéš ñámîñg ît. ·············]</translation>
    </message>
    <message>
        <source>Remove the entry.</source>
        <translation>[Rémõvé thé éñtrý. ····]</translation>
    </message>
    <message>
        <source>Could not remove %1.</source>
        <translation>[Çõüld ñõt rémõvé %1. ····]</translation>
    </message>
    <message>
        <source>Line %1 of %2 sets %3, another name of %4, before line %5 sets %4 itself: the system tries the applications of line %1 first.</source>
        <translation>[Lîñé %1 õf %2 šétš %3, áñõthér ñámé õf %4, béfõré lîñé %5 šétš %4 îtšélf: thé šýštém trîéš thé ápplîçátîõñš õf lîñé %1 fîršt. ·········································]</translation>
    </message>
    <message>
        <source>left as it was, because %1 could not be changed.</source>
        <translation>[léft áš ît wáš, béçáüšé %1 çõüld ñõt bé çháñgéd. ···············]</translation>
    </message>
    <message>
        <source>%1 is set twice in [%2] of %3 (lines %4 and %5); the system keeps the place of the first and the applications of the last.</source>
        <translation>[%1 îš šét twîçé îñ [%2] õf %3 (lîñéš %4 áñd %5); thé šýštém kéépš thé pláçé õf thé fîršt áñd thé ápplîçátîõñš õf thé lášt. ··········································]</translation>
    </message>
    <message>
        <source>%1 is read-only, managed by a configuration tool or an administrator.</source>
        <translation>[%1 îš réád-õñlý, máñágéd bý á çõñfîgürátîõñ tõõl õr áñ ádmîñîštrátõr. ························]</translation>
    </message>
    <message>
        <source>Line %1 of %2 (“%3”) is no setting, group or comment, so the system ignores the whole list: none of its defaults count.</source>
        <translation>[Lîñé %1 õf %2 (“%3”) îš ñõ šéttîñg, grõüp õr çõmméñt, šõ thé šýštém îgñõréš thé whõlé lîšt: ñõñé õf îtš défáültš çõüñt. ··········································]</translation>
    </message>
    <message>
        <source>Line %1 of %2 names %3 for %4: with the blank around it, the name never matches an application.</source>
        <translation>[Lîñé %1 õf %2 ñáméš %3 fõr %4: wîth thé bláñk árõüñd ît, thé ñámé ñévér mátçhéš áñ ápplîçátîõñ. ································]</translation>
    </message>
    <message>
        <source>[%1] in %2 (line %3) is ignored by the system: only your own mimeapps.list may add or remove applications.</source>
        <translation>[[%1] îñ %2 (lîñé %3) îš îgñõréd bý thé šýštém: õñlý ýõür õwñ mîméáppš.lîšt máý ádd õr rémõvé ápplîçátîõñš. ·····································]</translation>
    </message>
    <message>
        <source>Remove %1 from the line.</source>
        <translation>[Rémõvé %1 frõm thé lîñé. ······]</translation>
    </message>
    <message>
        <source>Move the applications of line %1 into line %2 and remove line %1.</source>
        <translation>[Mõvé thé ápplîçátîõñš õf lîñé %1 îñtõ lîñé %2 áñd rémõvé lîñé %1. ·····················]</translation>
    </message>
    <message>
        <source>Keep one line for %1, with the applications the system reads now.</source>
        <translation>[Kéép õñé lîñé fõr %1, wîth thé ápplîçátîõñš thé šýštém réádš ñõw. ······················]</translation>
    </message>
    <message>
        <source>Move the line to your own mimeapps.list.</source>
        <translation>[Mõvé thé lîñé tõ ýõür õwñ mîméáppš.lîšt. ·············]</translation>
    </message>
    <message>
        <source>Remove line %1.</source>
        <translation>[Rémõvé lîñé %1. ··]</translation>
    </message>
    <message>
        <source>Remove the lines the system cannot read, so that it reads the list again.</source>
        <translation>[Rémõvé thé lîñéš thé šýštém çáññõt réád, šõ thát ît réádš thé lîšt ágáîñ. ··························]</translation>
    </message>
    <message>
        <source>Write it as %1.</source>
        <translation>[Wrîté ît áš %1. ··]</translation>
    </message>
    <message>
        <source>Remove the group.</source>
        <translation>[Rémõvé thé grõüp. ····]</translation>
    </message>
    <message>
        <source>Which application opens each type afterwards cannot be told for sure, so this fix is not selected by itself.</source>
        <translation>[Whîçh ápplîçátîõñ õpéñš éáçh týpé áftérwárdš çáññõt bé tõld fõr šüré, šõ thîš fîx îš ñõt šéléçtéd bý îtšélf. ········································]</translation>
    </message>
    <message>
        <source>Nothing else changes.</source>
        <translation>[Ñõthîñg élšé çháñgéš. ·····]</translation>
    </message>
    <message>
        <source>no application</source>
        <translation>[ñõ ápplîçátîõñ ···]</translation>
    </message>
    <message>
        <source>%1 opens in %2 instead of %3</source>
        <translation>[%1 õpéñš îñ %2 îñštéád õf %3 ······]</translation>
    </message>
    <message>
        <source>Afterwards %1.</source>
        <translation>[Åftérwárdš %1. ··]</translation>
    </message>
    <message>
        <source>%1 now opens in %2 (before: %3)</source>
        <translation>[%1 ñõw õpéñš îñ %2 (béfõré: %3) ·······]</translation>
    </message>
    <message>
        <source>Line %1 of %2 makes %3 open in %4, your own choice; your system sets %5 for everyone (%6 line %7).</source>
        <translation>[Lîñé %1 õf %2 mákéš %3 õpéñ îñ %4, ýõür õwñ çhõîçé; ýõür šýštém šétš %5 fõr évérýõñé (%6 lîñé %7). ·······························]</translation>
    </message>
    <message>
        <source>Nothing to fix: your line wins, as it should. To follow your system&apos;s choice, reset the type to the system default.</source>
        <translation>[Ñõthîñg tõ fîx: ýõür lîñé wîñš, áš ît šhõüld. Tõ fõllõw ýõür šýštém&apos;š çhõîçé, réšét thé týpé tõ thé šýštém défáült. ···········································]</translation>
    </message>
</context>
<context>
    <name>Files</name>
    <message>
        <source>There is no file at %1.</source>
        <translation>[Théré îš ñõ fîlé át %1. ·····]</translation>
    </message>
    <message>
        <source>Could not read %1: %2</source>
        <translation>[Çõüld ñõt réád %1: %2 ····]</translation>
    </message>
    <message>
        <source>%1 is not a regular file.</source>
        <translation>[%1 îš ñõt á régülár fîlé. ······]</translation>
    </message>
    <message>
        <source>%1 is too large.</source>
        <translation>[%1 îš tõõ lárgé. ···]</translation>
    </message>
    <message>
        <source>%1 is a link to %2, which belongs to another user; nothing was written.</source>
        <translation>[%1 îš á lîñk tõ %2, whîçh bélõñgš tõ áñõthér üšér; ñõthîñg wáš wrîttéñ. ························]</translation>
    </message>
    <message>
        <source>%1 is a link that another user could have placed there; nothing was written through it.</source>
        <translation>[%1 îš á lîñk thát áñõthér üšér çõüld hávé pláçéd théré; ñõthîñg wáš wrîttéñ thrõügh ît. ·······························]</translation>
    </message>
    <message>
        <source>%1 is a loop of links; nothing was written.</source>
        <translation>[%1 îš á lõõp õf lîñkš; ñõthîñg wáš wrîttéñ. ·············]</translation>
    </message>
    <message>
        <source>%1 belongs to another user.</source>
        <translation>[%1 bélõñgš tõ áñõthér üšér. ·······]</translation>
    </message>
</context>
<context>
    <name>LaunchAtLogin</name>
    <message>
        <source>Could not write %1: %2</source>
        <translation>[Çõüld ñõt wrîté %1: %2 ····]</translation>
    </message>
    <message>
        <source>Could not remove %1: %2</source>
        <translation>[Çõüld ñõt rémõvé %1: %2 ·····]</translation>
    </message>
    <message>
        <source>Could not create the folder %1: %2</source>
        <translation>[Çõüld ñõt çréáté thé fõldér %1: %2 ·········]</translation>
    </message>
</context>
<context>
    <name>Notifier</name>
    <message>
        <source>Open</source>
        <translation>[Õpéñ]</translation>
    </message>
    <message>
        <source>There is no session bus.</source>
        <translation>[Théré îš ñõ šéššîõñ büš. ·······]</translation>
    </message>
</context>
<context>
    <name>Openers</name>
    <message>
        <source>%1, named for %2 in %3</source>
        <translation>[%1, ñáméd fõr %2 îñ %3 ···]</translation>
    </message>
    <message>
        <source>%1, ranked first by InitialPreference=%2</source>
        <translation>[%1, ráñkéd fîršt bý ÎñîtîálPréféréñçé=%2 ···········]</translation>
    </message>
    <message>
        <source> (as a handler of %1)</source>
        <translation>[ (áš á háñdlér õf %1) ·····]</translation>
    </message>
    <message>
        <source>; KDE picks by chance between it and %1</source>
        <translation>[; KDÉ pîçkš bý çháñçé bétwééñ ît áñd %1 ············]</translation>
    </message>
    <message>
        <source>%1, the browser in kdeglobals</source>
        <translation>[%1, thé brõwšér îñ kdéglõbálš ········]</translation>
    </message>
    <message>
        <source>no application</source>
        <translation>[ñõ ápplîçátîõñ ···]</translation>
    </message>
    <message>
        <source>it hands over to kde-open5, which is not installed</source>
        <translation>[ît háñdš õvér tõ kdé-õpéñ5, whîçh îš ñõt îñštálléd ·················]</translation>
    </message>
    <message>
        <source>as %1: %2</source>
        <translation>[áš %1: %2]</translation>
    </message>
    <message>
        <source>%1, the first for %2 in %3</source>
        <translation>[%1, thé fîršt fõr %2 îñ %3 ·····]</translation>
    </message>
    <message>
        <source>%1 names %2 for %3, which it cannot find</source>
        <translation>[%1 ñáméš %2 fõr %3, whîçh ît çáññõt fîñd ···········]</translation>
    </message>
    <message>
        <source>no display, so no application</source>
        <translation>[ñõ dîšpláý, šõ ñõ ápplîçátîõñ ·········]</translation>
    </message>
    <message>
        <source>no application for %1</source>
        <translation>[ñõ ápplîçátîõñ fõr %1 ·····]</translation>
    </message>
    <message>
        <source>GTK programs</source>
        <translation>[GTK prõgrámš ··]</translation>
    </message>
    <message>
        <source>KDE programs</source>
        <translation>[KDÉ prõgrámš ··]</translation>
    </message>
    <message>
        <source>Opens differently in KDE programs and with xdg-open</source>
        <translation>[Õpéñš dîfféréñtlý îñ KDÉ prõgrámš áñd wîth xdg-õpéñ ·················]</translation>
    </message>
    <message>
        <source>Opens differently in KDE programs</source>
        <translation>[Õpéñš dîfféréñtlý îñ KDÉ prõgrámš ··········]</translation>
    </message>
    <message>
        <source>Opens differently with xdg-open</source>
        <translation>[Õpéñš dîfféréñtlý wîth xdg-õpéñ ·········]</translation>
    </message>
    <message>
        <source>KDE programs rank %1 first through its default for %2</source>
        <translation>[KDÉ prõgrámš ráñk %1 fîršt thrõügh îtš défáült fõr %2 ·················]</translation>
    </message>
    <message>
        <source>KDE programs rank %1 first by InitialPreference=%2, above any default</source>
        <translation>[KDÉ prõgrámš ráñk %1 fîršt bý ÎñîtîálPréféréñçé=%2, ábõvé áñý défáült ·······················]</translation>
    </message>
    <message>
        <source>KDE programs do not see %1: its entry is hidden</source>
        <translation>[KDÉ prõgrámš dõ ñõt šéé %1: îtš éñtrý îš hîddéñ ···············]</translation>
    </message>
    <message>
        <source>KDE programs open links and secure links in one app, GTK programs in two</source>
        <translation>[KDÉ prõgrámš õpéñ lîñkš áñd šéçüré lîñkš îñ õñé ápp, GTK prõgrámš îñ twõ ··························]</translation>
    </message>
    <message>
        <source>xdg-open asks for %1, the type file gives it</source>
        <translation>[xdg-õpéñ áškš fõr %1, thé týpé fîlé gîvéš ît ··············]</translation>
    </message>
    <message>
        <source>xdg-open cannot find %1 by its ID</source>
        <translation>[xdg-õpéñ çáññõt fîñd %1 bý îtš ÎD ·········]</translation>
    </message>
    <message>
        <source>xdg-open takes %1 from %2, which it reads first</source>
        <translation>[xdg-õpéñ tákéš %1 frõm %2, whîçh ît réádš fîršt ··············]</translation>
    </message>
</context>
<context>
    <name>PlanStep</name>
    <message>
        <source>Replaced by %1, the same file type</source>
        <translation>[Répláçéd bý %1, thé šámé fîlé týpé ··········]</translation>
    </message>
</context>
<context>
    <name>PlatformText</name>
    <message>
        <source>Another setting keeps the current app</source>
        <translation>[Åñõthér šéttîñg kéépš thé çürréñt ápp ············]</translation>
    </message>
    <message>
        <source>Applying…</source>
        <translation>[Åpplýîñg… ·]</translation>
    </message>
    <message>
        <source>Applying the changes…</source>
        <translation>[Åpplýîñg thé çháñgéš… ·····]</translation>
    </message>
    <message>
        <source>A profile switches a whole set of defaults at once.</source>
        <translation>[Å prõfîlé šwîtçhéš á whõlé šét õf défáültš át õñçé. ·················]</translation>
    </message>
    <message>
        <source>…instead of making the system ask, or pointing at a deleted app.</source>
        <translation>[…îñštéád õf mákîñg thé šýštém ášk, õr põîñtîñg át á délétéd ápp. ·······················]</translation>
    </message>
    <message>
        <source>The system doesn&apos;t recognise .%1 files</source>
        <translation>[Thé šýštém dõéšñ&apos;t réçõgñîšé .%1 fîléš ···········]</translation>
    </message>
</context>
<context>
    <name>Presets</name>
    <message>
        <source>Work &amp; Business</source>
        <translation>[Wõrk &amp; Büšîñéšš ···]</translation>
    </message>
    <message>
        <source>Chrome, Outlook, Microsoft Office, Zoom and Slack.</source>
        <translation>[Çhrõmé, Õütlõõk, Mîçrõšõft Õffîçé, Zõõm áñd Sláçk. ·················]</translation>
    </message>
    <message>
        <source>Maximum Privacy</source>
        <translation>[Máxîmüm Prîváçý ···]</translation>
    </message>
    <message>
        <source>Brave, Proton Mail, Telegram and Apple&apos;s on-device viewers.</source>
        <translation>[Brávé, Prõtõñ Máîl, Télégrám áñd Åpplé&apos;š õñ-dévîçé vîéwérš. ·····················]</translation>
    </message>
    <message>
        <source>Media &amp; Creator</source>
        <translation>[Médîá &amp; Çréátõr ···]</translation>
    </message>
    <message>
        <source>VLC for every video and audio format, Preview for images.</source>
        <translation>[VLÇ fõr évérý vîdéõ áñd áüdîõ fõrmát, Prévîéw fõr îmágéš. ····················]</translation>
    </message>
    <message>
        <source>Developer</source>
        <translation>[Dévélõpér ·]</translation>
    </message>
    <message>
        <source>VS Code for code and config files, Terminal for ssh: links.</source>
        <translation>[VS Çõdé fõr çõdé áñd çõñfîg fîléš, Térmîñál fõr ššh: lîñkš. ·····················]</translation>
    </message>
    <message>
        <source>Chrome, Thunderbird, LibreOffice, Zoom and Slack.</source>
        <translation>[Çhrõmé, Thüñdérbîrd, LîbréÕffîçé, Zõõm áñd Sláçk. ·················]</translation>
    </message>
    <message>
        <source>Brave, Proton Mail, Telegram and the desktop&apos;s own viewers.</source>
        <translation>[Brávé, Prõtõñ Máîl, Télégrám áñd thé déšktõp&apos;š õwñ vîéwérš. ·····················]</translation>
    </message>
    <message>
        <source>VLC for every video and audio format, Image Viewer for images.</source>
        <translation>[VLÇ fõr évérý vîdéõ áñd áüdîõ fõrmát, Îmágé Vîéwér fõr îmágéš. ······················]</translation>
    </message>
    <message>
        <source>VS Code for code and config files.</source>
        <translation>[VS Çõdé fõr çõdé áñd çõñfîg fîléš. ···········]</translation>
    </message>
</context>
<context>
    <name>ProfileExport</name>
    <message>
        <source>That file isn&apos;t an Openwright profile export.</source>
        <translation>[Thát fîlé îšñ&apos;t áñ Õpéñwrîght prõfîlé éxpõrt. ···············]</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>Openwright cannot start</source>
        <translation>[Õpéñwrîght çáññõt štárt ······]</translation>
    </message>
</context>
<context>
    <name>Style</name>
    <message>
        <source>Clear</source>
        <translation>[Çléár]</translation>
    </message>
</context>
<context>
    <name>TargetState</name>
    <message>
        <source>Set to %1, which is no longer installed.</source>
        <translation>[Sét tõ %1, whîçh îš ñõ lõñgér îñštálléd. ············]</translation>
    </message>
    <message>
        <source>%1 opens it for now.</source>
        <translation>[%1 õpéñš ît fõr ñõw. ····]</translation>
    </message>
    <message>
        <source>%1 opens %2</source>
        <translation>[%1 õpéñš %2]</translation>
    </message>
    <message>
        <source>nothing opens %1</source>
        <translation>[ñõthîñg õpéñš %1 ···]</translation>
    </message>
    <message>
        <source>Depends on the file: %1.</source>
        <translation>[Dépéñdš õñ thé fîlé: %1. ······]</translation>
    </message>
    <message>
        <source>Depends on who opens it: %1.</source>
        <translation>[Dépéñdš õñ whõ õpéñš ît: %1. ·······]</translation>
    </message>
    <message>
        <source>Split between browsers: %1.</source>
        <translation>[Splît bétwééñ brõwšérš: %1. ·······]</translation>
    </message>
    <message>
        <source>Not set</source>
        <translation>[Ñõt šét]</translation>
    </message>
    <message>
        <source>Set by you</source>
        <translation>[Sét bý ýõü ·]</translation>
    </message>
    <message>
        <source>Desktop default</source>
        <translation>[Déšktõp défáült ···]</translation>
    </message>
    <message>
        <source>Chosen by the system</source>
        <translation>[Çhõšéñ bý thé šýštém ·····]</translation>
    </message>
    <message>
        <source>%1: nothing.</source>
        <translation>[%1: ñõthîñg. ·]</translation>
    </message>
    <message>
        <source>%1: %2 or another, by chance.</source>
        <translation>[%1: %2 õr áñõthér, bý çháñçé. ·······]</translation>
    </message>
    <message>
        <source>%1: %2.</source>
        <translation>[%1: %2.]</translation>
    </message>
</context>
<context>
    <name>TypeFamily</name>
    <message>
        <source>Video</source>
        <translation>[Vîdéõ]</translation>
    </message>
    <message>
        <source>Audio</source>
        <translation>[Åüdîõ]</translation>
    </message>
    <message>
        <source>Images</source>
        <translation>[Îmágéš]</translation>
    </message>
    <message>
        <source>Documents</source>
        <translation>[Dõçüméñtš ·]</translation>
    </message>
    <message>
        <source>Text &amp; Code</source>
        <translation>[Téxt &amp; Çõdé ·]</translation>
    </message>
    <message>
        <source>Archives</source>
        <translation>[Årçhîvéš]</translation>
    </message>
    <message>
        <source>Links</source>
        <translation>[Lîñkš]</translation>
    </message>
    <message>
        <source>Other</source>
        <translation>[Õthér]</translation>
    </message>
</context>
<context>
    <name>cli</name>
    <message>
        <source>Not restored</source>
        <translation>[Ñõt réštõréd ··]</translation>
    </message>
    <message>
        <source>%1 of %2 changed.</source>
        <translation>[%1 õf %2 çháñgéd. ··]</translation>
    </message>
    <message>
        <source>Same as now
</source>
        <translation>[Sámé áš ñõw
 ··]</translation>
    </message>
    <message>
        <source>All set
</source>
        <translation>[Åll šét
]</translation>
    </message>
    <message>
        <source>The Default Guard watches only the types Openwright lists, and %1 is not one of them.</source>
        <translation>[Thé Défáült Güárd wátçhéš õñlý thé týpéš Õpéñwrîght lîštš, áñd %1 îš ñõt õñé õf thém. ······························]</translation>
    </message>
    <message>
        <source>%1 is pinned: Default Guard is watching this default.</source>
        <translation>[%1 îš pîññéd: Défáült Güárd îš wátçhîñg thîš défáült. ·················]</translation>
    </message>
    <message>
        <source>%1 is not pinned.</source>
        <translation>[%1 îš ñõt pîññéd. ···]</translation>
    </message>
    <message>
        <source>No defaults changed since the last check.
</source>
        <translation>[Ñõ défáültš çháñgéd šîñçé thé lášt çhéçk.
 ··············]</translation>
    </message>
    <message>
        <source>The file to import was not read.</source>
        <translation>[Thé fîlé tõ împõrt wáš ñõt réád. ··········]</translation>
    </message>
    <message numerus="yes">
        <source>Imported %n profile(s).</source>
        <translation>
            <numerusform>[Împõrtéd %n prõfîlé(š). ·····]</numerusform>
            <numerusform>[Împõrtéd %n prõfîlé(š). ·····]</numerusform>
        </translation>
    </message>
    <message>
        <source>Another backup would make your profiles file larger than Openwright can read back. Delete some backups first.</source>
        <translation>[Åñõthér báçküp wõüld máké ýõür prõfîléš fîlé lárgér tháñ Õpéñwrîght çáñ réád báçk. Délété šõmé báçküpš fîršt. ·········································]</translation>
    </message>
    <message numerus="yes">
        <source>Backed up %n defaults as “%1” (%2).</source>
        <translation>
            <numerusform>[Báçkéd üp %n défáültš áš “%1” (%2). ·········]</numerusform>
            <numerusform>[Báçkéd üp %n défáültš áš “%1” (%2). ·········]</numerusform>
        </translation>
    </message>
    <message>
        <source>Deleted the backup “%1” (%2).</source>
        <translation>[Délétéd thé báçküp “%1” (%2). ·······]</translation>
    </message>
    <message>
        <source>The command was interrupted.</source>
        <translation>[Thé çõmmáñd wáš îñtérrüptéd. ········]</translation>
    </message>
    <message>
        <source>Another Openwright command is still running. Try again once it has finished.</source>
        <translation>[Åñõthér Õpéñwrîght çõmmáñd îš štîll rüññîñg. Trý ágáîñ õñçé ît háš fîñîšhéd. ···························]</translation>
    </message>
    <message>
        <source>Openwright could not save all of its data, so what was not saved is lost: </source>
        <translation>[Õpéñwrîght çõüld ñõt šávé áll õf îtš dátá, šõ whát wáš ñõt šávéd îš lõšt:  ···························]</translation>
    </message>
    <message>
        <source>Openwright is quitting.</source>
        <translation>[Õpéñwrîght îš qüîttîñg. ······]</translation>
    </message>
    <message>
        <source>Openwright could not save all of its data; what was not saved will be lost when Openwright quits: </source>
        <translation>[Õpéñwrîght çõüld ñõt šávé áll õf îtš dátá; whát wáš ñõt šávéd wîll bé lõšt whéñ Õpéñwrîght qüîtš:  ····································]</translation>
    </message>
    <message>
        <source>%1 is not an option. See openwright --help.</source>
        <translation>[%1 îš ñõt áñ õptîõñ. Séé õpéñwrîght --hélp. ·············]</translation>
    </message>
    <message>
        <source>%1 needs one of: %2.</source>
        <translation>[%1 ñéédš õñé õf: %2. ···]</translation>
    </message>
    <message>
        <source>“%1” is not a command. See openwright --help.</source>
        <translation>[“%1” îš ñõt á çõmmáñd. Séé õpéñwrîght --hélp. ··············]</translation>
    </message>
    <message>
        <source>%1 is not an option of %2. See openwright %2 --help.</source>
        <translation>[%1 îš ñõt áñ õptîõñ õf %2. Séé õpéñwrîght %2 --hélp. ···············]</translation>
    </message>
    <message>
        <source>%1 is missing. Usage: %2</source>
        <translation>[%1 îš mîššîñg. Üšágé: %2 ·····]</translation>
    </message>
    <message>
        <source>“%1” is one argument too many. Usage: %2</source>
        <translation>[“%1” îš õñé árgüméñt tõõ máñý. Üšágé: %2 ···········]</translation>
    </message>
    <message>
        <source>No default</source>
        <translation>[Ñõ défáült ·]</translation>
    </message>
    <message>
        <source>Handled</source>
        <translation>[Háñdléd]</translation>
    </message>
    <message>
        <source>Already set</source>
        <translation>[Ålréádý šét ·]</translation>
    </message>
    <message>
        <source>%1 isn&apos;t installed</source>
        <translation>[%1 îšñ&apos;t îñštálléd ···]</translation>
    </message>
    <message>
        <source>All set</source>
        <translation>[Åll šét]</translation>
    </message>
    <message>
        <source>%1 of %2 to change</source>
        <translation>[%1 õf %2 tõ çháñgé ···]</translation>
    </message>
    <message>
        <source>There is no %1 called “%2”.</source>
        <translation>[Théré îš ñõ %1 çálléd “%2”. ······]</translation>
    </message>
    <message>
        <source>“%1” could be %2; give its id instead.</source>
        <translation>[“%1” çõüld bé %2; gîvé îtš îd îñštéád. ···········]</translation>
    </message>
    <message>
        <source>“%1” could be %2. Give its desktop-file ID instead.</source>
        <translation>[“%1” çõüld bé %2. Gîvé îtš déšktõp-fîlé ÎD îñštéád. ················]</translation>
    </message>
    <message>
        <source>There is no installed application called “%1”, and no installed app can open %2.</source>
        <translation>[Théré îš ñõ îñštálléd ápplîçátîõñ çálléd “%1”, áñd ñõ îñštálléd ápp çáñ õpéñ %2. ···························]</translation>
    </message>
    <message>
        <source>There is no installed application called “%1”. Apps that can open %2: %3.</source>
        <translation>[Théré îš ñõ îñštálléd ápplîçátîõñ çálléd “%1”. Åppš thát çáñ õpéñ %2: %3. ························]</translation>
    </message>
    <message>
        <source>No installed app can open %1</source>
        <translation>[Ñõ îñštálléd ápp çáñ õpéñ %1 ·······]</translation>
    </message>
    <message>
        <source>No installed app can open %1. Install one, or ignore it if you never use it.</source>
        <translation>[Ñõ îñštálléd ápp çáñ õpéñ %1. Îñštáll õñé, õr îgñõré ît îf ýõü ñévér üšé ît. ···························]</translation>
    </message>
    <message>
        <source>Several apps can open it, but none is the default.</source>
        <translation>[Sévérál áppš çáñ õpéñ ît, büt ñõñé îš thé défáült. ·················]</translation>
    </message>
    <message>
        <source>Where the system looks, in its order:</source>
        <translation>[Whéré thé šýštém lõõkš, îñ îtš õrdér: ············]</translation>
    </message>
    <message>
        <source>Defaults Health: %1</source>
        <translation>[Défáültš Héálth: %1 ····]</translation>
    </message>
    <message>
        <source>%1/%2 types with a default.</source>
        <translation>[%1/%2 týpéš wîth á défáült. ······]</translation>
    </message>
    <message>
        <source>Everything has a home.</source>
        <translation>[Évérýthîñg háš á hõmé. ······]</translation>
    </message>
    <message numerus="yes">
        <source>%n types need attention.</source>
        <translation>
            <numerusform>[%n týpéš ñééd áttéñtîõñ. ······]</numerusform>
            <numerusform>[%n týpéš ñééd áttéñtîõñ. ······]</numerusform>
        </translation>
    </message>
    <message>
        <source>The share of known file and link types that open in a specific app </source>
        <translation>[Thé šháré õf kñõwñ fîlé áñd lîñk týpéš thát õpéñ îñ á špéçîfîç ápp  ························]</translation>
    </message>
    <message>
        <source>Needs attention</source>
        <translation>[Ñéédš áttéñtîõñ ···]</translation>
    </message>
    <message>
        <source>Pinned (%1)</source>
        <translation>[Pîññéd (%1) ·]</translation>
    </message>
    <message>
        <source>No changes spotted yet.</source>
        <translation>[Ñõ çháñgéš špõttéd ýét. ······]</translation>
    </message>
    <message>
        <source>Recent Changes</source>
        <translation>[Réçéñt Çháñgéš ···]</translation>
    </message>
    <message>
        <source>Preset</source>
        <translation>[Préšét]</translation>
    </message>
    <message>
        <source>“%1” is built in; only your own profiles can be exported.</source>
        <translation>[“%1” îš büîlt îñ; õñlý ýõür õwñ prõfîléš çáñ bé éxpõrtéd. ···················]</translation>
    </message>
    <message>
        <source>You have no profiles of your own to export.</source>
        <translation>[Ýõü hávé ñõ prõfîléš õf ýõür õwñ tõ éxpõrt. ··············]</translation>
    </message>
    <message>
        <source>Export failed: %1 is not a regular file.</source>
        <translation>[Éxpõrt fáîléd: %1 îš ñõt á régülár fîlé. ············]</translation>
    </message>
    <message>
        <source>Export failed: </source>
        <translation>[Éxpõrt fáîléd:  ···]</translation>
    </message>
    <message numerus="yes">
        <source>Exported %n profile(s).</source>
        <translation>
            <numerusform>[Éxpõrtéd %n prõfîlé(š). ·····]</numerusform>
            <numerusform>[Éxpõrtéd %n prõfîlé(š). ·····]</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n defaults</source>
        <translation>
            <numerusform>[%n défáültš ·]</numerusform>
            <numerusform>[%n défáültš ·]</numerusform>
        </translation>
    </message>
    <message>
        <source>Same as now</source>
        <translation>[Sámé áš ñõw ·]</translation>
    </message>
    <message numerus="yes">
        <source>%n different from now</source>
        <translation>
            <numerusform>[%n dîfféréñt frõm ñõw ·····]</numerusform>
            <numerusform>[%n dîfféréñt frõm ñõw ·····]</numerusform>
        </translation>
    </message>
    <message>
        <source>No backups yet.
</source>
        <translation>[Ñõ báçküpš ýét.
 ···]</translation>
    </message>
    <message>
        <source>Openwright cannot create its lock file %1: %2</source>
        <translation>[Õpéñwrîght çáññõt çréáté îtš lõçk fîlé %1: %2 ·············]</translation>
    </message>
    <message>
        <source>the folder cannot be written</source>
        <translation>[thé fõldér çáññõt bé wrîttéñ ········]</translation>
    </message>
    <message>
        <source>Openwright is not running.</source>
        <translation>[Õpéñwrîght îš ñõt rüññîñg. ·······]</translation>
    </message>
    <message>
        <source>Openwright is running but does not answer, so nothing was done. Try again, or quit Openwright and run the command then.</source>
        <translation>[Õpéñwrîght îš rüññîñg büt dõéš ñõt áñšwér, šõ ñõthîñg wáš dõñé. Trý ágáîñ, õr qüît Õpéñwrîght áñd rüñ thé çõmmáñd théñ. ·············································]</translation>
    </message>
    <message>
        <source>The running Openwright cannot carry out commands from this version of the command line. Quit it and try again.</source>
        <translation>[Thé rüññîñg Õpéñwrîght çáññõt çárrý õüt çõmmáñdš frõm thîš véršîõñ õf thé çõmmáñd lîñé. Qüît ît áñd trý ágáîñ. ·········································]</translation>
    </message>
    <message>
        <source>The command is too long to hand to the running Openwright.</source>
        <translation>[Thé çõmmáñd îš tõõ lõñg tõ háñd tõ thé rüññîñg Õpéñwrîght. ····················]</translation>
    </message>
    <message>
        <source>The running Openwright did not finish the command in time; it may still be carried out.</source>
        <translation>[Thé rüññîñg Õpéñwrîght dîd ñõt fîñîšh thé çõmmáñd îñ tîmé; ît máý štîll bé çárrîéd õüt. ································]</translation>
    </message>
    <message>
        <source>Openwright cannot listen on %1 (%2): commands and later starts will not reach it.</source>
        <translation>[Õpéñwrîght çáññõt lîštéñ õñ %1 (%2): çõmmáñdš áñd látér štártš wîll ñõt réáçh ît. ····························]</translation>
    </message>
    <message>
        <source>no private folder for it</source>
        <translation>[ñõ prîváté fõldér fõr ît ·······]</translation>
    </message>
    <message>
        <source>openwright: the answer is too large to pass on
</source>
        <translation>[õpéñwrîght: thé áñšwér îš tõõ lárgé tõ pášš õñ
 ················]</translation>
    </message>
    <message>
        <source>Put back</source>
        <translation>[Püt báçk]</translation>
    </message>
    <message>
        <source>Allowed</source>
        <translation>[Ållõwéd]</translation>
    </message>
    <message>
        <source>Stopped putting back</source>
        <translation>[Stõppéd püttîñg báçk ·····]</translation>
    </message>
    <message>
        <source>%1 changes nothing.</source>
        <translation>[%1 çháñgéš ñõthîñg. ····]</translation>
    </message>
    <message>
        <source>Cannot start %1: %2</source>
        <translation>[Çáññõt štárt %1: %2 ···]</translation>
    </message>
    <message>
        <source>the path is too long for a socket</source>
        <translation>[thé páth îš tõõ lõñg fõr á šõçkét ··········]</translation>
    </message>
    <message>
        <source>Openwright is running but does not answer. Quit it, or end its process, and start it again.</source>
        <translation>[Õpéñwrîght îš rüññîñg büt dõéš ñõt áñšwér. Qüît ît, õr éñd îtš prõçéšš, áñd štárt ît ágáîñ. ·································]</translation>
    </message>
    <message>
        <source>Also moved, since they open where a changed type does:</source>
        <translation>[Ålšõ mõvéd, šîñçé théý õpéñ whéré á çháñgéd týpé dõéš: ···················]</translation>
    </message>
    <message>
        <source>%1: No installed application has that name or desktop-file ID.</source>
        <translation>[%1: Ñõ îñštálléd ápplîçátîõñ háš thát ñámé õr déšktõp-fîlé ÎD. ·····················]</translation>
    </message>
    <message>
        <source>“%1” could be %2 (%3) or %4 (%5). Give the one you mean.</source>
        <translation>[“%1” çõüld bé %2 (%3) õr %4 (%5). Gîvé thé õñé ýõü méáñ. ···············]</translation>
    </message>
    <message>
        <source>Different apps</source>
        <translation>[Dîfféréñt áppš ···]</translation>
    </message>
    <message>
        <source>Where the system looks for %1, in its order:</source>
        <translation>[Whéré thé šýštém lõõkš fõr %1, îñ îtš õrdér: ··············]</translation>
    </message>
    <message>
        <source>Meanwhile the Default Guard saw:</source>
        <translation>[Méáñwhîlé thé Défáült Güárd šáw: ··········]</translation>
    </message>
    <message>
        <source>Cannot write the output: %1</source>
        <translation>[Çáññõt wrîté thé õütpüt: %1 ·······]</translation>
    </message>
    <message>
        <source>Not set: not installed here</source>
        <translation>[Ñõt šét: ñõt îñštálléd héré ········]</translation>
    </message>
    <message>
        <source>%1, put back</source>
        <translation>[%1, püt báçk ·]</translation>
    </message>
    <message numerus="yes">
        <source>%n default(s) changed since the last check:</source>
        <translation>
            <numerusform>[%n défáült(š) çháñgéd šîñçé thé lášt çhéçk: ·············]</numerusform>
            <numerusform>[%n défáült(š) çháñgéd šîñçé thé lášt çhéçk: ·············]</numerusform>
        </translation>
    </message>
    <message>
        <source>Openwright ended before it carried out the command: nothing was changed. Run the command again.</source>
        <translation>[Õpéñwrîght éñdéd béfõré ît çárrîéd õüt thé çõmmáñd: ñõthîñg wáš çháñgéd. Rüñ thé çõmmáñd ágáîñ. ···································]</translation>
    </message>
    <message>
        <source>Openwright ended while it carried out the command: it changed some of what was asked, or all of it. See what is set now with &quot;openwright status&quot;.</source>
        <translation>[Õpéñwrîght éñdéd whîlé ît çárrîéd õüt thé çõmmáñd: ît çháñgéd šõmé õf whát wáš áškéd, õr áll õf ît. Séé whát îš šét ñõw wîth &quot;õpéñwrîght štátüš&quot;. ·······················································]</translation>
    </message>
    <message>
        <source>Openwright did not finish “%1”</source>
        <translation>[Õpéñwrîght dîd ñõt fîñîšh “%1” ········]</translation>
    </message>
    <message>
        <source>Openwright finished “%1”</source>
        <translation>[Õpéñwrîght fîñîšhéd “%1” ······]</translation>
    </message>
    <message>
        <source>The notification could not be shown: %1</source>
        <translation>[Thé ñõtîfîçátîõñ çõüld ñõt bé šhõwñ: %1 ············]</translation>
    </message>
    <message>
        <source>--desktop goes with --system: your own desktop is the one you are logged in to.</source>
        <translation>[--déšktõp gõéš wîth --šýštém: ýõür õwñ déšktõp îš thé õñé ýõü áré lõggéd îñ tõ. ·····························]</translation>
    </message>
    <message>
        <source>--notify goes with a command that changes, without --json: it tells a person what the command did.</source>
        <translation>[--ñõtîfý gõéš wîth á çõmmáñd thát çháñgéš, wîthõüt --jšõñ: ît téllš á péršõñ whát thé çõmmáñd dîd. ····································]</translation>
    </message>
    <message>
        <source>--system changes what every new account of this machine gets: run it as root, for example with sudo.</source>
        <translation>[--šýštém çháñgéš whát évérý ñéw áççõüñt õf thîš máçhîñé gétš: rüñ ît áš rõõt, fõr éxámplé wîth šüdõ. ·····································]</translation>
    </message>
    <message>
        <source>Openwright keeps its lock file at %1, but a folder is there. Remove the folder and try again.</source>
        <translation>[Õpéñwrîght kéépš îtš lõçk fîlé át %1, büt á fõldér îš théré. Rémõvé thé fõldér áñd trý ágáîñ. ·································]</translation>
    </message>
    <message>
        <source>Openwright keeps its lock file at %1, but something other than a file is there. Remove it and try again.</source>
        <translation>[Õpéñwrîght kéépš îtš lõçk fîlé át %1, büt šõméthîñg õthér tháñ á fîlé îš théré. Rémõvé ît áñd trý ágáîñ. ······································]</translation>
    </message>
    <message>
        <source>Openwright&apos;s lock file %1 belongs to another user. Remove it and try again.</source>
        <translation>[Õpéñwrîght&apos;š lõçk fîlé %1 bélõñgš tõ áñõthér üšér. Rémõvé ît áñd trý ágáîñ. ··························]</translation>
    </message>
    <message>
        <source>Openwright cannot read its lock file %1: %2. Remove it and try again.</source>
        <translation>[Õpéñwrîght çáññõt réád îtš lõçk fîlé %1: %2. Rémõvé ît áñd trý ágáîñ. ·······················]</translation>
    </message>
    <message>
        <source>Openwright is busy with other commands. Try again in a moment.
</source>
        <translation>[Õpéñwrîght îš büšý wîth õthér çõmmáñdš. Trý ágáîñ îñ á mõméñt.
 ······················]</translation>
    </message>
    <message>
        <source>default</source>
        <translation>[défáült]</translation>
    </message>
    <message>
        <source>as a parent type</source>
        <translation>[áš á páréñt týpé ···]</translation>
    </message>
    <message>
        <source>removed</source>
        <translation>[rémõvéd]</translation>
    </message>
    <message>
        <source>Declares no types in its desktop entry.</source>
        <translation>[Déçláréš ñõ týpéš îñ îtš déšktõp éñtrý. ·············]</translation>
    </message>
    <message numerus="yes">
        <source>Declares %n types; the default for %1 of them.</source>
        <translation>
            <numerusform>[Déçláréš %n týpéš; thé défáült fõr %1 õf thém. ··············]</numerusform>
            <numerusform>[Déçláréš %n týpéš; thé défáült fõr %1 õf thém. ··············]</numerusform>
        </translation>
    </message>
    <message>
        <source>The change could not be made</source>
        <translation>[Thé çháñgé çõüld ñõt bé mádé ········]</translation>
    </message>
    <message>
        <source>Kept a copy as %1</source>
        <translation>[Képt á çõpý áš %1 ···]</translation>
    </message>
    <message>
        <source>Fixed %1</source>
        <translation>[Fîxéd %1]</translation>
    </message>
    <message>
        <source>Not fixed: %1</source>
        <translation>[Ñõt fîxéd: %1 ·]</translation>
    </message>
    <message numerus="yes">
        <source>Left alone: %n no longer found, as the files changed meanwhile.</source>
        <translation>
            <numerusform>[Léft álõñé: %n ñõ lõñgér fõüñd, áš thé fîléš çháñgéd méáñwhîlé. ·····················]</numerusform>
            <numerusform>[Léft álõñé: %n ñõ lõñgér fõüñd, áš thé fîléš çháñgéd méáñwhîlé. ·····················]</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n problems in your defaults files</source>
        <translation>
            <numerusform>[%n prõblémš îñ ýõür défáültš fîléš ··········]</numerusform>
            <numerusform>[%n prõblémš îñ ýõür défáültš fîléš ··········]</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n problems in your defaults files: see openwright doctor.</source>
        <translation>
            <numerusform>[%n prõblémš îñ ýõür défáültš fîléš: šéé õpéñwrîght dõçtõr. ···················]</numerusform>
            <numerusform>[%n prõblémš îñ ýõür défáültš fîléš: šéé õpéñwrîght dõçtõr. ···················]</numerusform>
        </translation>
    </message>
    <message>
        <source>Every program already opens each type alike.</source>
        <translation>[Évérý prõgrám álréádý õpéñš éáçh týpé álîké. ···············]</translation>
    </message>
    <message>
        <source>every program agrees</source>
        <translation>[évérý prõgrám ágrééš ·····]</translation>
    </message>
    <message>
        <source>still opens differently</source>
        <translation>[štîll õpéñš dîfféréñtlý ······]</translation>
    </message>
    <message>
        <source>nothing</source>
        <translation>[ñõthîñg]</translation>
    </message>
    <message>
        <source>no application; runs %1</source>
        <translation>[ñõ ápplîçátîõñ; rüñš %1 ·····]</translation>
    </message>
    <message>
        <source>%1 is %2. Each program would start:</source>
        <translation>[%1 îš %2. Éáçh prõgrám wõüld štárt: ·········]</translation>
    </message>
    <message>
        <source>What each program that opens files starts:</source>
        <translation>[Whát éáçh prõgrám thát õpéñš fîléš štártš: ··············]</translation>
    </message>
    <message numerus="yes">
        <source>%n types open differently in other programs: see openwright agree.</source>
        <translation>
            <numerusform>[%n týpéš õpéñ dîfféréñtlý îñ õthér prõgrámš: šéé õpéñwrîght ágréé. ·······················]</numerusform>
            <numerusform>[%n týpéš õpéñ dîfféréñtlý îñ õthér prõgrámš: šéé õpéñwrîght ágréé. ·······················]</numerusform>
        </translation>
    </message>
    <message>
        <source>still opens differently: %1</source>
        <translation>[štîll õpéñš dîfféréñtlý: %1 ·······]</translation>
    </message>
    <message>
        <source>left alone: its types open in different apps; choose one app for it first</source>
        <translation>[léft álõñé: îtš týpéš õpéñ îñ dîfféréñt áppš; çhõõšé õñé ápp fõr ît fîršt ··························]</translation>
    </message>
    <message>
        <source>%1 (%2 only)</source>
        <translation>[%1 (%2 õñlý)]</translation>
    </message>
</context>
<context>
    <name>cli help</name>
    <message>
        <source>Show which application opens each type</source>
        <translation>[Shõw whîçh ápplîçátîõñ õpéñš éáçh týpé ············]</translation>
    </message>
    <message>
        <source>Shows each type&apos;s display form, title and current application, by name and desktop-file ID. Without TARGETs, every type Openwright watches, in the sections of its sidebar; pinned types are marked. With --candidates, every application that can open each type too, the current one marked with *.</source>
        <translation>[Shõwš éáçh týpé&apos;š dîšpláý fõrm, tîtlé áñd çürréñt ápplîçátîõñ, bý ñámé áñd déšktõp-fîlé ÎD. Wîthõüt TÅRGÉTš, évérý týpé Õpéñwrîght wátçhéš, îñ thé šéçtîõñš õf îtš šîdébár; pîññéd týpéš áré márkéd. Wîth --çáñdîdátéš, évérý ápplîçátîõñ thát çáñ õpéñ éáçh týpé tõõ, thé çürréñt õñé márkéd wîth *. ··················································································································]</translation>
    </message>
    <message>
        <source>List every type the system knows, with what opens it</source>
        <translation>[Lîšt évérý týpé thé šýštém kñõwš, wîth whát õpéñš ît ··················]</translation>
    </message>
    <message>
        <source>Lists every MIME type of the shared MIME database and every link type an installed application declares, grouped by media type: its MIME type, its description, its file-name patterns, the application that opens it and where that answer comes from. With TEXT, only the types whose MIME type, description, patterns or application hold it, in any case.</source>
        <translation>[Lîštš évérý MÎMÉ týpé õf thé šháréd MÎMÉ dátábášé áñd évérý lîñk týpé áñ îñštálléd ápplîçátîõñ déçláréš, grõüpéd bý médîá týpé: îtš MÎMÉ týpé, îtš déšçrîptîõñ, îtš fîlé-ñámé páttérñš, thé ápplîçátîõñ thát õpéñš ît áñd whéré thát áñšwér çõméš frõm. Wîth TÉXT, õñlý thé týpéš whõšé MÎMÉ týpé, déšçrîptîõñ, páttérñš õr ápplîçátîõñ hõld ît, îñ áñý çášé. ·········································································································································]</translation>
    </message>
    <message>
        <source>Make APP open each TARGET</source>
        <translation>[Máké ÅPP õpéñ éáçh TÅRGÉT ·······]</translation>
    </message>
    <message>
        <source>Makes APP the default for each TARGET, all in one go, and prints each outcome (Changed, Already the default, or why not) and what opens each TARGET now. An application that does not say it can open a TARGET is refused, and nothing is changed, unless --force is given. Choosing a web browser for http: sets https:, .html and .htm with it. Exits with 1 when a change did not succeed. With --json and one TARGET, one object; with several, {&quot;changes&quot;: [...]} with one object each. With a family (video/*, audio/*, image/*, text/*) or --all in place of the TARGETs, every type APP declares there.</source>
        <translation>[Mákéš ÅPP thé défáült fõr éáçh TÅRGÉT, áll îñ õñé gõ, áñd prîñtš éáçh õütçõmé (Çháñgéd, Ålréádý thé défáült, õr whý ñõt) áñd whát õpéñš éáçh TÅRGÉT ñõw. Åñ ápplîçátîõñ thát dõéš ñõt šáý ît çáñ õpéñ á TÅRGÉT îš réfüšéd, áñd ñõthîñg îš çháñgéd, üñléšš --fõrçé îš gîvéñ. Çhõõšîñg á wéb brõwšér fõr http: šétš httpš:, .html áñd .htm wîth ît. Éxîtš wîth 1 whéñ á çháñgé dîd ñõt šüççééd. Wîth --jšõñ áñd õñé TÅRGÉT, õñé õbjéçt; wîth šévérál, {&quot;çháñgéš&quot;: [...]} wîth õñé õbjéçt éáçh. Wîth á fámîlý (vîdéõ/*, áüdîõ/*, îmágé/*, téxt/*) õr --áll îñ pláçé õf thé TÅRGÉTš, évérý týpé ÅPP déçláréš théré. ·········································································································································································································································]</translation>
    </message>
    <message>
        <source>Let the system choose what opens each TARGET again</source>
        <translation>[Lét thé šýštém çhõõšé whát õpéñš éáçh TÅRGÉT ágáîñ ·················]</translation>
    </message>
    <message>
        <source>Removes your own choice for each TARGET (its line in your mimeapps.list and your desktop&apos;s own list, and the associations that choices added), so that each opens in what the system chooses by itself, and prints what that is. While automatic backups are on, the current defaults are backed up first. Exits with 1 when a choice could not be removed.</source>
        <translation>[Rémõvéš ýõür õwñ çhõîçé fõr éáçh TÅRGÉT (îtš lîñé îñ ýõür mîméáppš.lîšt áñd ýõür déšktõp&apos;š õwñ lîšt, áñd thé áššõçîátîõñš thát çhõîçéš áddéd), šõ thát éáçh õpéñš îñ whát thé šýštém çhõõšéš bý îtšélf, áñd prîñtš whát thát îš. Whîlé áütõmátîç báçküpš áré õñ, thé çürréñt défáültš áré báçkéd üp fîršt. Éxîtš wîth 1 whéñ á çhõîçé çõüld ñõt bé rémõvéd. ········································································································································]</translation>
    </message>
    <message>
        <source>Exit with 0 when APP opens TARGET, 1 when not</source>
        <translation>[Éxît wîth 0 whéñ ÅPP õpéñš TÅRGÉT, 1 whéñ ñõt ···············]</translation>
    </message>
    <message>
        <source>Answers whether APP is the default for TARGET, for scripts: prints yes or no and exits with 0 or 1, as xdg-settings check does. The very entry counts when APP is a desktop-file ID, any packaging of the program when it is an identity.</source>
        <translation>[Åñšwérš whéthér ÅPP îš thé défáült fõr TÅRGÉT, fõr šçrîptš: prîñtš ýéš õr ñõ áñd éxîtš wîth 0 õr 1, áš xdg-šéttîñgš çhéçk dõéš. Thé vérý éñtrý çõüñtš whéñ ÅPP îš á déšktõp-fîlé ÎD, áñý páçkágîñg õf thé prõgrám whéñ ît îš áñ îdéñtîtý. ··························································································]</translation>
    </message>
    <message>
        <source>Explain which list decides the application for TARGET</source>
        <translation>[Éxpláîñ whîçh lîšt déçîdéš thé ápplîçátîõñ fõr TÅRGÉT ··················]</translation>
    </message>
    <message>
        <source>Explains why TARGET opens where it does: every mimeapps.list the system reads, in the order of the freedesktop.org standard (your desktop&apos;s own list, yours, the administrator&apos;s, the distribution&apos;s, then the installed applications), what each says about the type, which entries are skipped because their application is not installed, and which one decides.</source>
        <translation>[Éxpláîñš whý TÅRGÉT õpéñš whéré ît dõéš: évérý mîméáppš.lîšt thé šýštém réádš, îñ thé õrdér õf thé fréédéšktõp.õrg štáñdárd (ýõür déšktõp&apos;š õwñ lîšt, ýõürš, thé ádmîñîštrátõr&apos;š, thé dîštrîbütîõñ&apos;š, théñ thé îñštálléd ápplîçátîõñš), whát éáçh šáýš ábõüt thé týpé, whîçh éñtrîéš áré škîppéd béçáüšé théîr ápplîçátîõñ îš ñõt îñštálléd, áñd whîçh õñé déçîdéš. ···········································································································································]</translation>
    </message>
    <message>
        <source>Show the order in which the system offers applications for TARGET</source>
        <translation>[Shõw thé õrdér îñ whîçh thé šýštém õfférš ápplîçátîõñš fõr TÅRGÉT ·······················]</translation>
    </message>
    <message>
        <source>Lists every application the system offers for TARGET, in the order it tries them, as gio mime lists them: the default first, then the applications added for it, then the others. The default is marked, and so are the applications that open it only as a parent type (a text editor for source code); the applications you removed from it follow. Change it with reorder, remove and restore-association.</source>
        <translation>[Lîštš évérý ápplîçátîõñ thé šýštém õfférš fõr TÅRGÉT, îñ thé õrdér ît trîéš thém, áš gîõ mîmé lîštš thém: thé défáült fîršt, théñ thé ápplîçátîõñš áddéd fõr ît, théñ thé õthérš. Thé défáült îš márkéd, áñd šõ áré thé ápplîçátîõñš thát õpéñ ît õñlý áš á páréñt týpé (á téxt édîtõr fõr šõürçé çõdé); thé ápplîçátîõñš ýõü rémõvéd frõm ît fõllõw. Çháñgé ît wîth réõrdér, rémõvé áñd réštõré-áššõçîátîõñ. ····························································································································································]</translation>
    </message>
    <message>
        <source>Make the system offer the APPs first for TARGET, in this order</source>
        <translation>[Máké thé šýštém õffér thé ÅPPš fîršt fõr TÅRGÉT, îñ thîš õrdér ······················]</translation>
    </message>
    <message>
        <source>Writes the APPs, in this order, as the default line of TARGET and its fallbacks and as associations added for it, in your mimeapps.list (and in your desktop&apos;s own list where that names TARGET): the first APP becomes the default, and the system offers the others next. A web browser&apos;s links, secure links and pages take the order together, and on KDE and Xfce the desktop&apos;s own browser setting takes the first APP. While automatic backups are on, the current defaults are backed up first. Prints the outcome and the new order; exits with 1 when the change did not succeed.</source>
        <translation>[Wrîtéš thé ÅPPš, îñ thîš õrdér, áš thé défáült lîñé õf TÅRGÉT áñd îtš fállbáçkš áñd áš áššõçîátîõñš áddéd fõr ît, îñ ýõür mîméáppš.lîšt (áñd îñ ýõür déšktõp&apos;š õwñ lîšt whéré thát ñáméš TÅRGÉT): thé fîršt ÅPP béçõméš thé défáült, áñd thé šýštém õfférš thé õthérš ñéxt. Å wéb brõwšér&apos;š lîñkš, šéçüré lîñkš áñd págéš táké thé õrdér tõgéthér, áñd õñ KDÉ áñd Xfçé thé déšktõp&apos;š õwñ brõwšér šéttîñg tákéš thé fîršt ÅPP. Whîlé áütõmátîç báçküpš áré õñ, thé çürréñt défáültš áré báçkéd üp fîršt. Prîñtš thé õütçõmé áñd thé ñéw õrdér; éxîtš wîth 1 whéñ thé çháñgé dîd ñõt šüççééd. ·································································································································································································································]</translation>
    </message>
    <message>
        <source>Stop the system offering APP for TARGET</source>
        <translation>[Stõp thé šýštém õfférîñg ÅPP fõr TÅRGÉT ·············]</translation>
    </message>
    <message>
        <source>Removes APP from what the system offers for TARGET: a [Removed Associations] line in your mimeapps.list, and APP leaves your default and added lines of TARGET. The system reads removals only in mimeapps.list, not in a desktop&apos;s own list: where the system still offers APP, the outcome says so. Undo it with restore-association. Backed up first, as every change; exits with 1 when the change did not succeed.</source>
        <translation>[Rémõvéš ÅPP frõm whát thé šýštém õfférš fõr TÅRGÉT: á [Rémõvéd Åššõçîátîõñš] lîñé îñ ýõür mîméáppš.lîšt, áñd ÅPP léávéš ýõür défáült áñd áddéd lîñéš õf TÅRGÉT. Thé šýštém réádš rémõválš õñlý îñ mîméáppš.lîšt, ñõt îñ á déšktõp&apos;š õwñ lîšt: whéré thé šýštém štîll õfférš ÅPP, thé õütçõmé šáýš šõ. Üñdõ ît wîth réštõré-áššõçîátîõñ. Báçkéd üp fîršt, áš évérý çháñgé; éxîtš wîth 1 whéñ thé çháñgé dîd ñõt šüççééd. ································································································································································]</translation>
    </message>
    <message>
        <source>Let the system offer APP for TARGET again</source>
        <translation>[Lét thé šýštém õffér ÅPP fõr TÅRGÉT ágáîñ ·············]</translation>
    </message>
    <message>
        <source>Takes APP off the applications you removed from TARGET, so that the system offers it again, and prints the new order.</source>
        <translation>[Tákéš ÅPP õff thé ápplîçátîõñš ýõü rémõvéd frõm TÅRGÉT, šõ thát thé šýštém õfférš ît ágáîñ, áñd prîñtš thé ñéw õrdér. ············································]</translation>
    </message>
    <message>
        <source>Show the health score and the types that need attention</source>
        <translation>[Shõw thé héálth šçõré áñd thé týpéš thát ñééd áttéñtîõñ ···················]</translation>
    </message>
    <message>
        <source>Shows the share of known types that open in a specific, installed application, and lists the types that need attention.</source>
        <translation>[Shõwš thé šháré õf kñõwñ týpéš thát õpéñ îñ á špéçîfîç, îñštálléd ápplîçátîõñ, áñd lîštš thé týpéš thát ñééd áttéñtîõñ. ·············································]</translation>
    </message>
    <message>
        <source>Show the types APP declares and where it is the default</source>
        <translation>[Shõw thé týpéš ÅPP déçláréš áñd whéré ît îš thé défáült ···················]</translation>
    </message>
    <message>
        <source>Lists the MIME types APP&apos;s desktop entry declares, by family (Video, Audio, Images, Documents, Text &amp; Code, Archives, Links, Other), with what opens each now. To make APP the default for a family, use set video/* APP (or audio/*, image/*, text/*), or set --all APP for every type it declares.</source>
        <translation>[Lîštš thé MÎMÉ týpéš ÅPP&apos;š déšktõp éñtrý déçláréš, bý fámîlý (Vîdéõ, Åüdîõ, Îmágéš, Dõçüméñtš, Téxt &amp; Çõdé, Årçhîvéš, Lîñkš, Õthér), wîth whát õpéñš éáçh ñõw. Tõ máké ÅPP thé défáült fõr á fámîlý, üšé šét vîdéõ/* ÅPP (õr áüdîõ/*, îmágé/*, téxt/*), õr šét --áll ÅPP fõr évérý týpé ît déçláréš. ··················································································································]</translation>
    </message>
    <message>
        <source>Let the Default Guard watch TARGET</source>
        <translation>[Lét thé Défáült Güárd wátçh TÅRGÉT ···········]</translation>
    </message>
    <message>
        <source>Pins TARGET, one of the types Openwright lists: when another application takes it over, the running Openwright notifies you and offers to put it back. With --keep it always keeps TARGET: it puts the application back at once and tells you, offering to allow the new one; after three takeovers within a minute it stops and waits for you. Without --keep, a kept type goes back to asking.</source>
        <translation>[Pîñš TÅRGÉT, õñé õf thé týpéš Õpéñwrîght lîštš: whéñ áñõthér ápplîçátîõñ tákéš ît õvér, thé rüññîñg Õpéñwrîght ñõtîfîéš ýõü áñd õfférš tõ püt ît báçk. Wîth --kéép ît álwáýš kéépš TÅRGÉT: ît pütš thé ápplîçátîõñ báçk át õñçé áñd téllš ýõü, õfférîñg tõ állõw thé ñéw õñé; áftér thréé tákéõvérš wîthîñ á mîñüté ît štõpš áñd wáîtš fõr ýõü. Wîthõüt --kéép, á képt týpé gõéš báçk tõ áškîñg. ·······················································································································································]</translation>
    </message>
    <message>
        <source>Stop watching TARGET</source>
        <translation>[Stõp wátçhîñg TÅRGÉT ·····]</translation>
    </message>
    <message>
        <source>Unpins TARGET.</source>
        <translation>[Üñpîñš TÅRGÉT. ···]</translation>
    </message>
    <message>
        <source>Check the defaults now and print the changes found</source>
        <translation>[Çhéçk thé défáültš ñõw áñd prîñt thé çháñgéš fõüñd ·················]</translation>
    </message>
    <message>
        <source>Reads every watched default now, records it as the Default Guard does, and prints the changes it found since the last check.</source>
        <translation>[Réádš évérý wátçhéd défáült ñõw, réçõrdš ît áš thé Défáült Güárd dõéš, áñd prîñtš thé çháñgéš ît fõüñd šîñçé thé lášt çhéçk. ···············································]</translation>
    </message>
    <message>
        <source>Print the pinned types and the changes the Default Guard spotted</source>
        <translation>[Prîñt thé pîññéd týpéš áñd thé çháñgéš thé Défáült Güárd špõttéd ·······················]</translation>
    </message>
    <message>
        <source>Prints the pinned types (kept ones marked) and the changes the Default Guard spotted, newest first, with the program that probably made each where that can be told.</source>
        <translation>[Prîñtš thé pîññéd týpéš (képt õñéš márkéd) áñd thé çháñgéš thé Défáült Güárd špõttéd, ñéwéšt fîršt, wîth thé prõgrám thát prõbáblý mádé éáçh whéré thát çáñ bé tõld. ·······························································]</translation>
    </message>
    <message>
        <source>Find problems in your defaults files, and fix them</source>
        <translation>[Fîñd prõblémš îñ ýõür défáültš fîléš, áñd fîx thém ·················]</translation>
    </message>
    <message>
        <source>Checks your own defaults files (mimeapps.list, your desktop&apos;s own list, the older lists in your applications folder) and your own desktop entries, and lists each problem with its file and line: lines naming applications no longer installed, another name of a type hiding its line, a type set twice, a default that is also removed, an older list or another desktop&apos;s list deciding instead of yours, entries of old &quot;open with a command&quot; dialogs and entries whose program is gone. A list that is a read-only link made by a configuration tool is explained, never changed. With --fix, repairs them: every changed file is first copied beside itself as NAME.before-cleanup-N, the defaults are backed up, and each file is written whole or not at all. Exits with 1 when a file could not be written.</source>
        <translation>[Çhéçkš ýõür õwñ défáültš fîléš (mîméáppš.lîšt, ýõür déšktõp&apos;š õwñ lîšt, thé õldér lîštš îñ ýõür ápplîçátîõñš fõldér) áñd ýõür õwñ déšktõp éñtrîéš, áñd lîštš éáçh prõblém wîth îtš fîlé áñd lîñé: lîñéš ñámîñg ápplîçátîõñš ñõ lõñgér îñštálléd, áñõthér ñámé õf á týpé hîdîñg îtš lîñé, á týpé šét twîçé, á défáült thát îš álšõ rémõvéd, áñ õldér lîšt õr áñõthér déšktõp&apos;š lîšt déçîdîñg îñštéád õf ýõürš, éñtrîéš õf õld &quot;õpéñ wîth á çõmmáñd&quot; dîálõgš áñd éñtrîéš whõšé prõgrám îš gõñé. Å lîšt thát îš á réád-õñlý lîñk mádé bý á çõñfîgürátîõñ tõõl îš éxpláîñéd, ñévér çháñgéd. Wîth --fîx, répáîrš thém: évérý çháñgéd fîlé îš fîršt çõpîéd béšîdé îtšélf áš ÑÅMÉ.béfõré-çléáñüp-Ñ, thé défáültš áré báçkéd üp, áñd éáçh fîlé îš wrîttéñ whõlé õr ñõt át áll. Éxîtš wîth 1 whéñ á fîlé çõüld ñõt bé wrîttéñ. ·························································································································································································································································································································]</translation>
    </message>
    <message>
        <source>List the profiles and what applying each would change</source>
        <translation>[Lîšt thé prõfîléš áñd whát ápplýîñg éáçh wõüld çháñgé ··················]</translation>
    </message>
    <message>
        <source>Lists the built-in profiles and your own, each with its id and what applying it would change.</source>
        <translation>[Lîštš thé büîlt-îñ prõfîléš áñd ýõür õwñ, éáçh wîth îtš îd áñd whát ápplýîñg ît wõüld çháñgé. ··································]</translation>
    </message>
    <message>
        <source>Show what applying profile NAME would do</source>
        <translation>[Shõw whát ápplýîñg prõfîlé ÑÅMÉ wõüld dõ ·············]</translation>
    </message>
    <message>
        <source>Shows, type by type, what applying profile NAME would change, which defaults are already set and which applications are not installed.</source>
        <translation>[Shõwš, týpé bý týpé, whát ápplýîñg prõfîlé ÑÅMÉ wõüld çháñgé, whîçh défáültš áré álréádý šét áñd whîçh ápplîçátîõñš áré ñõt îñštálléd. ···················································]</translation>
    </message>
    <message>
        <source>Apply profile NAME</source>
        <translation>[Åpplý prõfîlé ÑÅMÉ ····]</translation>
    </message>
    <message>
        <source>Applies profile NAME and prints each step&apos;s outcome. While automatic backups are on, the current defaults are backed up first. Exits with 1 when any change did not succeed.</source>
        <translation>[Åpplîéš prõfîlé ÑÅMÉ áñd prîñtš éáçh štép&apos;š õütçõmé. Whîlé áütõmátîç báçküpš áré õñ, thé çürréñt défáültš áré báçkéd üp fîršt. Éxîtš wîth 1 whéñ áñý çháñgé dîd ñõt šüççééd. ··································································]</translation>
    </message>
    <message>
        <source>Export profiles to FILE</source>
        <translation>[Éxpõrt prõfîléš tõ FÎLÉ ······]</translation>
    </message>
    <message>
        <source>Writes your profiles NAME... to FILE, or without NAMEs all of your own, in the format that profile import and the window read. With --format=mimeapps, their defaults as a mimeapps.list fragment instead, for those who ship the file themselves; an entry whose application is not installed here is left out, with a comment.</source>
        <translation>[Wrîtéš ýõür prõfîléš ÑÅMÉ... tõ FÎLÉ, õr wîthõüt ÑÅMÉš áll õf ýõür õwñ, îñ thé fõrmát thát prõfîlé împõrt áñd thé wîñdõw réád. Wîth --fõrmát=mîméáppš, théîr défáültš áš á mîméáppš.lîšt frágméñt îñštéád, fõr thõšé whõ šhîp thé fîlé thémšélvéš; áñ éñtrý whõšé ápplîçátîõñ îš ñõt îñštálléd héré îš léft õüt, wîth á çõmméñt. ·····························································································································]</translation>
    </message>
    <message>
        <source>Add the profiles of an export file</source>
        <translation>[Ådd thé prõfîléš õf áñ éxpõrt fîlé ···········]</translation>
    </message>
    <message>
        <source>Adds the profiles of an export FILE to your own; backups in it join your backups.</source>
        <translation>[Åddš thé prõfîléš õf áñ éxpõrt FÎLÉ tõ ýõür õwñ; báçküpš îñ ît jõîñ ýõür báçküpš. ·····························]</translation>
    </message>
    <message>
        <source>List the backups, newest first</source>
        <translation>[Lîšt thé báçküpš, ñéwéšt fîršt ·········]</translation>
    </message>
    <message>
        <source>Lists the backups, newest first, with their ids, why each was taken and how it differs from now.</source>
        <translation>[Lîštš thé báçküpš, ñéwéšt fîršt, wîth théîr îdš, whý éáçh wáš tákéñ áñd hõw ît dîfférš frõm ñõw. ···································]</translation>
    </message>
    <message>
        <source>Back up the current defaults</source>
        <translation>[Báçk üp thé çürréñt défáültš ········]</translation>
    </message>
    <message>
        <source>Saves the current defaults as a backup.</source>
        <translation>[Sávéš thé çürréñt défáültš áš á báçküp. ·············]</translation>
    </message>
    <message>
        <source>Restore backup NAME</source>
        <translation>[Réštõré báçküp ÑÅMÉ ·····]</translation>
    </message>
    <message>
        <source>Puts back the defaults of backup NAME. While automatic backups are on, the current defaults are backed up first. Exits with 1 when any change did not succeed.</source>
        <translation>[Pütš báçk thé défáültš õf báçküp ÑÅMÉ. Whîlé áütõmátîç báçküpš áré õñ, thé çürréñt défáültš áré báçkéd üp fîršt. Éxîtš wîth 1 whéñ áñý çháñgé dîd ñõt šüççééd. ····························································]</translation>
    </message>
    <message>
        <source>Delete backup NAME</source>
        <translation>[Délété báçküp ÑÅMÉ ····]</translation>
    </message>
    <message>
        <source>Deletes backup NAME.</source>
        <translation>[Délétéš báçküp ÑÅMÉ. ·····]</translation>
    </message>
    <message>
        <source>Show help for a command</source>
        <translation>[Shõw hélp fõr á çõmmáñd ······]</translation>
    </message>
    <message>
        <source>Shows the help of COMMAND, or of the program.</source>
        <translation>[Shõwš thé hélp õf ÇÕMMÅÑD, õr õf thé prõgrám. ···············]</translation>
    </message>
    <message>
        <source>Make APP open every type it declares in FAMILY</source>
        <translation>[Máké ÅPP õpéñ évérý týpé ît déçláréš îñ FÅMÎLÝ ···············]</translation>
    </message>
    <message>
        <source>Makes APP the default for the types its desktop entry declares in FAMILY (video/*, audio/*, image/*, or text/* for text and code), or with --all for every type it declares, and never for a type it does not declare. Prints each type with its outcome; the changes run as one batch after a backup.</source>
        <translation>[Mákéš ÅPP thé défáült fõr thé týpéš îtš déšktõp éñtrý déçláréš îñ FÅMÎLÝ (vîdéõ/*, áüdîõ/*, îmágé/*, õr téxt/* fõr téxt áñd çõdé), õr wîth --áll fõr évérý týpé ît déçláréš, áñd ñévér fõr á týpé ît dõéš ñõt déçláré. Prîñtš éáçh týpé wîth îtš õütçõmé; thé çháñgéš rüñ áš õñé bátçh áftér á báçküp. ···················································································································]</translation>
    </message>
    <message>
        <source>Shows and changes which installed application opens each kind of file (by extension) and each kind of link (by URL scheme). Without a command, starts the application. Commands need no display; they print plain text, or with --json one JSON document for scripts.</source>
        <translation>[Shõwš áñd çháñgéš whîçh îñštálléd ápplîçátîõñ õpéñš éáçh kîñd õf fîlé (bý éxtéñšîõñ) áñd éáçh kîñd õf lîñk (bý ÜRL šçhémé). Wîthõüt á çõmmáñd, štártš thé ápplîçátîõñ. Çõmmáñdš ñééd ñõ dîšpláý; théý prîñt pláîñ téxt, õr wîth --jšõñ õñé JSÕÑ dõçüméñt fõr šçrîptš. ·····································································································]</translation>
    </message>
    <message>
        <source>Commands that change Openwright&apos;s data (set, reset, reorder, remove, restore-association, pin, unpin, guard check, doctor, profile apply and import, backup now, restore and delete) are carried out by the running Openwright when there is one, so that the two never overwrite each other&apos;s files; otherwise the command holds Openwright&apos;s lock while it runs, and a window started meanwhile waits for it.</source>
        <translation>[Çõmmáñdš thát çháñgé Õpéñwrîght&apos;š dátá (šét, réšét, réõrdér, rémõvé, réštõré-áššõçîátîõñ, pîñ, üñpîñ, güárd çhéçk, dõçtõr, prõfîlé ápplý áñd împõrt, báçküp ñõw, réštõré áñd délété) áré çárrîéd õüt bý thé rüññîñg Õpéñwrîght whéñ théré îš õñé, šõ thát thé twõ ñévér õvérwrîté éáçh õthér&apos;š fîléš; õthérwîšé thé çõmmáñd hõldš Õpéñwrîght&apos;š lõçk whîlé ît rüñš, áñd á wîñdõw štártéd méáñwhîlé wáîtš fõr ît. ·····························································································································································]</translation>
    </message>
    <message>
        <source>A file extension (.pdf or pdf), a link type ending in a colon (mailto:), a MIME type (application/pdf, inode/directory; an alias such as application/x-pdf is read as the type it stands for), the role terminal (the terminal that programs which run in one open in), or a file or folder (./report.pdf, ~/Downloads): the type the system gives it by its name and contents. A word is a path when it starts with /, ./, ../ or ~, or when it names an existing file and cannot be an extension (report.pdf); any other single word (pdf) is an extension, and .terminal the extension of that name.</source>
        <translation>[Å fîlé éxtéñšîõñ (.pdf õr pdf), á lîñk týpé éñdîñg îñ á çõlõñ (máîltõ:), á MÎMÉ týpé (ápplîçátîõñ/pdf, îñõdé/dîréçtõrý; áñ álîáš šüçh áš ápplîçátîõñ/x-pdf îš réád áš thé týpé ît štáñdš fõr), thé rõlé térmîñál (thé térmîñál thát prõgrámš whîçh rüñ îñ õñé õpéñ îñ), õr á fîlé õr fõldér (./répõrt.pdf, ~/Dõwñlõádš): thé týpé thé šýštém gîvéš ît bý îtš ñámé áñd çõñtéñtš. Å wõrd îš á páth whéñ ît štártš wîth /, ./, ../ õr ~, õr whéñ ît ñáméš áñ éxîštîñg fîlé áñd çáññõt bé áñ éxtéñšîõñ (répõrt.pdf); áñý õthér šîñglé wõrd (pdf) îš áñ éxtéñšîõñ, áñd .térmîñál thé éxtéñšîõñ õf thát ñámé. ······································································································································································································································]</translation>
    </message>
    <message>
        <source>A desktop-file ID (org.gnome.Evince or org.gnome.Evince.desktop), an application identity (com.google.Chrome), or a name as status --candidates shows it; the start of a name is enough when no other name starts so. An ambiguous name is refused with the choices listed.</source>
        <translation>[Å déšktõp-fîlé ÎD (õrg.gñõmé.Évîñçé õr õrg.gñõmé.Évîñçé.déšktõp), áñ ápplîçátîõñ îdéñtîtý (çõm.gõõglé.Çhrõmé), õr á ñámé áš štátüš --çáñdîdátéš šhõwš ît; thé štárt õf á ñámé îš éñõügh whéñ ñõ õthér ñámé štártš šõ. Åñ ámbîgüõüš ñámé îš réfüšéd wîth thé çhõîçéš lîštéd. ········································································································]</translation>
    </message>
    <message>
        <source>Words to look for, such as tex or *.md.</source>
        <translation>[Wõrdš tõ lõõk fõr, šüçh áš téx õr *.md. ·············]</translation>
    </message>
    <message>
        <source>NAME</source>
        <translation>[ÑÅMÉ]</translation>
    </message>
    <message>
        <source>A profile&apos;s or backup&apos;s name, or its id as profile list and backup list show it.</source>
        <translation>[Å prõfîlé&apos;š õr báçküp&apos;š ñámé, õr îtš îd áš prõfîlé lîšt áñd báçküp lîšt šhõw ît. ·····························]</translation>
    </message>
    <message>
        <source>A file name, relative to the current folder.</source>
        <translation>[Å fîlé ñámé, rélátîvé tõ thé çürréñt fõldér. ···············]</translation>
    </message>
    <message>
        <source>Print one JSON document instead of text.</source>
        <translation>[Prîñt õñé JSÕÑ dõçüméñt îñštéád õf téxt. ·············]</translation>
    </message>
    <message>
        <source>Show the help of the program, or of the command given.</source>
        <translation>[Shõw thé hélp õf thé prõgrám, õr õf thé çõmmáñd gîvéñ. ···················]</translation>
    </message>
    <message>
        <source>Show the version.</source>
        <translation>[Shõw thé véršîõñ. ····]</translation>
    </message>
    <message>
        <source>Read or change what every new account of this machine gets: the system&apos;s list, the first folder of XDG_CONFIG_DIRS (/etc/xdg/mimeapps.list). Changing needs root; backups are kept apart, in /var/lib/openwright.</source>
        <translation>[Réád õr çháñgé whát évérý ñéw áççõüñt õf thîš máçhîñé gétš: thé šýštém&apos;š lîšt, thé fîršt fõldér õf XDG_ÇÕÑFÎG_DÎRS (/étç/xdg/mîméáppš.lîšt). Çháñgîñg ñéédš rõõt; báçküpš áré képt ápárt, îñ /vár/lîb/õpéñwrîght. ·················································································]</translation>
    </message>
    <message>
        <source>With --system: read and write as DESKTOP (KDE, GNOME, XFCE) does, its own list first.</source>
        <translation>[Wîth --šýštém: réád áñd wrîté áš DÉSKTÕP (KDÉ, GÑÕMÉ, XFÇÉ) dõéš, îtš õwñ lîšt fîršt. ·······························]</translation>
    </message>
    <message>
        <source>With a command that changes: also show its outcome as a desktop notification, for a command started where no terminal shows what it prints (the desktop entry&apos;s Check Now and Back Up Now).</source>
        <translation>[Wîth á çõmmáñd thát çháñgéš: álšõ šhõw îtš õütçõmé áš á déšktõp ñõtîfîçátîõñ, fõr á çõmmáñd štártéd whéré ñõ térmîñál šhõwš whát ît prîñtš (thé déšktõp éñtrý&apos;š Çhéçk Ñõw áñd Báçk Üp Ñõw). ········································································]</translation>
    </message>
    <message>
        <source>Without a command: start with the window hidden, guarding from the tray (as at login).</source>
        <translation>[Wîthõüt á çõmmáñd: štárt wîth thé wîñdõw hîddéñ, güárdîñg frõm thé tráý (áš át lõgîñ). ·······························]</translation>
    </message>
    <message>
        <source>The language of the texts: German, French, Spanish, Brazilian Portuguese or Italian, else English. Dates and numbers in a sentence follow its language. --json output is always English.</source>
        <translation>[Thé láñgüágé õf thé téxtš: Gérmáñ, Fréñçh, Spáñîšh, Brážîlîáñ Põrtügüéšé õr Îtálîáñ, élšé Éñglîšh. Dátéš áñd ñümbérš îñ á šéñtéñçé fõllõw îtš láñgüágé. --jšõñ õütpüt îš álwáýš Éñglîšh. ·······································································]</translation>
    </message>
    <message>
        <source>The desktops whose own defaults list (such as gnome-mimeapps.list) is read first and also written by set; on XFCE and KDE the desktop&apos;s own browser setting is read and written with the web links.</source>
        <translation>[Thé déšktõpš whõšé õwñ défáültš lîšt (šüçh áš gñõmé-mîméáppš.lîšt) îš réád fîršt áñd álšõ wrîttéñ bý šét; õñ XFÇÉ áñd KDÉ thé déšktõp&apos;š õwñ brõwšér šéttîñg îš réád áñd wrîttéñ wîth thé wéb lîñkš. ···········································································]</translation>
    </message>
    <message>
        <source>Where mimeapps.list and the settings are (default ~/.config).</source>
        <translation>[Whéré mîméáppš.lîšt áñd thé šéttîñgš áré (défáült ~/.çõñfîg). ·····················]</translation>
    </message>
    <message>
        <source>The administrator&apos;s defaults lists and desktop settings, below the user&apos;s (default /etc/xdg).</source>
        <translation>[Thé ádmîñîštrátõr&apos;š défáültš lîštš áñd déšktõp šéttîñgš, bélõw thé üšér&apos;š (défáült /étç/xdg). ··································]</translation>
    </message>
    <message>
        <source>Where the applications of your own and Openwright&apos;s data files are (default ~/.local/share).</source>
        <translation>[Whéré thé ápplîçátîõñš õf ýõür õwñ áñd Õpéñwrîght&apos;š dátá fîléš áré (défáült ~/.lõçál/šháré). ··································]</translation>
    </message>
    <message>
        <source>Where the installed applications, the distribution&apos;s defaults lists, the MIME database and Xfce&apos;s helpers are (default /usr/local/share:/usr/share).</source>
        <translation>[Whéré thé îñštálléd ápplîçátîõñš, thé dîštrîbütîõñ&apos;š défáültš lîštš, thé MÎMÉ dátábášé áñd Xfçé&apos;š hélpérš áré (défáült /üšr/lõçál/šháré:/üšr/šháré). ························································]</translation>
    </message>
    <message>
        <source>On Xfce, when its browser setting is Debian&apos;s sensible-browser helper: the browser that helper starts, before the x-www-browser alternative.</source>
        <translation>[Õñ Xfçé, whéñ îtš brõwšér šéttîñg îš Débîáñ&apos;š šéñšîblé-brõwšér hélpér: thé brõwšér thát hélpér štártš, béfõré thé x-www-brõwšér áltérñátîvé. ·····················································]</translation>
    </message>
    <message>
        <source>When set and not empty, text output has no colours.</source>
        <translation>[Whéñ šét áñd ñõt émptý, téxt õütpüt háš ñõ çõlõürš. ·················]</translation>
    </message>
    <message>
        <source>With --system: where the system&apos;s backups are kept (default /var/lib/openwright).</source>
        <translation>[Wîth --šýštém: whéré thé šýštém&apos;š báçküpš áré képt (défáült /vár/lîb/õpéñwrîght). ·····························]</translation>
    </message>
    <message>
        <source>When set to 1, the texts are shown in the pseudo-translation (longer, accented and bracketed), to find texts left untranslated or cut off.</source>
        <translation>[Whéñ šét tõ 1, thé téxtš áré šhõwñ îñ thé pšéüdõ-tráñšlátîõñ (lõñgér, áççéñtéd áñd bráçkétéd), tõ fîñd téxtš léft üñtráñšlátéd õr çüt õff. ····················································]</translation>
    </message>
    <message>
        <source>custom-types.json, profiles.json and guard.json: the added types, the profiles and backups, and the Default Guard&apos;s memory.</source>
        <translation>[çüštõm-týpéš.jšõñ, prõfîléš.jšõñ áñd güárd.jšõñ: thé áddéd týpéš, thé prõfîléš áñd báçküpš, áñd thé Défáült Güárd&apos;š mémõrý. ··············································]</translation>
    </message>
    <message>
        <source>The settings: the guard on or off and its interval, automatic backups and update checks.</source>
        <translation>[Thé šéttîñgš: thé güárd õñ õr õff áñd îtš îñtérvál, áütõmátîç báçküpš áñd üpdáté çhéçkš. ································]</translation>
    </message>
    <message>
        <source>Present while &quot;Open at login&quot; is on: the session starts openwright --background.</source>
        <translation>[Préšéñt whîlé &quot;Õpéñ át lõgîñ&quot; îš õñ: thé šéššîõñ štártš õpéñwrîght --báçkgrõüñd. ·····························]</translation>
    </message>
    <message>
        <source>The defaults that set changes, with the desktop&apos;s own list (such as gnome-mimeapps.list) where that would otherwise win.</source>
        <translation>[Thé défáültš thát šét çháñgéš, wîth thé déšktõp&apos;š õwñ lîšt (šüçh áš gñõmé-mîméáppš.lîšt) whéré thát wõüld õthérwîšé wîñ. ·············································]</translation>
    </message>
    <message>
        <source>The administrator&apos;s and the distribution&apos;s defaults, read after the user&apos;s; never written.</source>
        <translation>[Thé ádmîñîštrátõr&apos;š áñd thé dîštrîbütîõñ&apos;š défáültš, réád áftér thé üšér&apos;š; ñévér wrîttéñ. ·································]</translation>
    </message>
    <message>
        <source>An older place of the user&apos;s defaults, still read by the system; the Clean Up moves what it decides.</source>
        <translation>[Åñ õldér pláçé õf thé üšér&apos;š défáültš, štîll réád bý thé šýštém; thé Çléáñ Üp mõvéš whát ît déçîdéš. ·····································]</translation>
    </message>
    <message>
        <source>KDE&apos;s browser setting ([General] BrowserApplication), read and written by set.</source>
        <translation>[KDÉ&apos;š brõwšér šéttîñg ([Géñérál] BrõwšérÅpplîçátîõñ), réád áñd wrîttéñ bý šét. ····························]</translation>
    </message>
    <message>
        <source>Xfce&apos;s browser setting (WebBrowser, the name of an Xfce helper), read and written by set; the system&apos;s is in $XDG_CONFIG_DIRS/xfce4/helpers.rc.</source>
        <translation>[Xfçé&apos;š brõwšér šéttîñg (WébBrõwšér, thé ñámé õf áñ Xfçé hélpér), réád áñd wrîttéñ bý šét; thé šýštém&apos;š îš îñ $XDG_ÇÕÑFÎG_DÎRS/xfçé4/hélpérš.rç. ······················································]</translation>
    </message>
    <message>
        <source>The Xfce helper set writes for a browser that no installed helper starts.</source>
        <translation>[Thé Xfçé hélpér šét wrîtéš fõr á brõwšér thát ñõ îñštálléd hélpér štártš. ··························]</translation>
    </message>
    <message>
        <source>With --system: the system&apos;s backups and data, kept apart from every person&apos;s (OPENWRIGHT_SYSTEM_DATA).</source>
        <translation>[Wîth --šýštém: thé šýštém&apos;š báçküpš áñd dátá, képt ápárt frõm évérý péršõñ&apos;š (ÕPÉÑWRÎGHT_SÝSTÉM_DÅTÅ). ······································]</translation>
    </message>
    <message>
        <source>What opens PDF files and email links.</source>
        <translation>[Whát õpéñš PDF fîléš áñd émáîl lîñkš. ············]</translation>
    </message>
    <message>
        <source>Why Markdown files open where they do: every list the system reads, in its order.</source>
        <translation>[Whý Márkdõwñ fîléš õpéñ whéré théý dõ: évérý lîšt thé šýštém réádš, îñ îtš õrdér. ·····························]</translation>
    </message>
    <message>
        <source>Make Firefox the web browser: links, secure links and web pages together.</source>
        <translation>[Máké Fîréfõx thé wéb brõwšér: lîñkš, šéçüré lîñkš áñd wéb págéš tõgéthér. ··························]</translation>
    </message>
    <message>
        <source>Make VLC the default for every video type it declares.</source>
        <translation>[Máké VLÇ thé défáült fõr évérý vîdéõ týpé ît déçláréš. ···················]</translation>
    </message>
    <message>
        <source>Ask in a script whether Thunderbird opens email links.</source>
        <translation>[Åšk îñ á šçrîpt whéthér Thüñdérbîrd õpéñš émáîl lîñkš. ···················]</translation>
    </message>
    <message>
        <source>Write the profile Work to a file, to import elsewhere.</source>
        <translation>[Wrîté thé prõfîlé Wõrk tõ á fîlé, tõ împõrt élšéwhéré. ···················]</translation>
    </message>
    <message>
        <source>The same answer as one JSON document, for scripts.</source>
        <translation>[Thé šámé áñšwér áš õñé JSÕÑ dõçüméñt, fõr šçrîptš. ·················]</translation>
    </message>
    <message>
        <source>Done.</source>
        <translation>[Dõñé.]</translation>
    </message>
    <message>
        <source>A change did not succeed, or the command could not be carried out.</source>
        <translation>[Å çháñgé dîd ñõt šüççééd, õr thé çõmmáñd çõüld ñõt bé çárrîéd õüt. ·······················]</translation>
    </message>
    <message>
        <source>Bad input: an unknown command or option, text that is not a type, a type the system does not recognise, or an unknown or ambiguous application or name.</source>
        <translation>[Bád îñpüt: áñ üñkñõwñ çõmmáñd õr õptîõñ, téxt thát îš ñõt á týpé, á týpé thé šýštém dõéš ñõt réçõgñîšé, õr áñ üñkñõwñ õr ámbîgüõüš ápplîçátîõñ õr ñámé. ·························································]</translation>
    </message>
    <message>
        <source>SYNOPSIS</source>
        <translation>[SÝÑÕPSÎS]</translation>
    </message>
    <message>
        <source>DESCRIPTION</source>
        <translation>[DÉSÇRÎPTÎÕÑ ·]</translation>
    </message>
    <message>
        <source>COMMANDS</source>
        <translation>[ÇÕMMÅÑDS]</translation>
    </message>
    <message>
        <source>ARGUMENTS</source>
        <translation>[ÅRGÜMÉÑTS ·]</translation>
    </message>
    <message>
        <source>OPTIONS</source>
        <translation>[ÕPTÎÕÑS]</translation>
    </message>
    <message>
        <source>EXIT STATUS</source>
        <translation>[ÉXÎT STÅTÜS ·]</translation>
    </message>
    <message>
        <source>ENVIRONMENT</source>
        <translation>[ÉÑVÎRÕÑMÉÑT ·]</translation>
    </message>
    <message>
        <source>FILES</source>
        <translation>[FÎLÉS]</translation>
    </message>
    <message>
        <source>EXAMPLES</source>
        <translation>[ÉXÅMPLÉS]</translation>
    </message>
    <message>
        <source>SEE ALSO</source>
        <translation>[SÉÉ ÅLSÕ]</translation>
    </message>
    <message>
        <source>Usage:</source>
        <translation>[Üšágé:]</translation>
    </message>
    <message>
        <source>Commands:</source>
        <translation>[Çõmmáñdš: ·]</translation>
    </message>
    <message>
        <source>Arguments:</source>
        <translation>[Årgüméñtš: ·]</translation>
    </message>
    <message>
        <source>Options:</source>
        <translation>[Õptîõñš:]</translation>
    </message>
    <message>
        <source>Exit status:</source>
        <translation>[Éxît štátüš: ··]</translation>
    </message>
    <message>
        <source>See &quot;%1&quot; for one command.</source>
        <translation>[Séé &quot;%1&quot; fõr õñé çõmmáñd. ······]</translation>
    </message>
    <message>
        <source>User Commands</source>
        <translation>[Üšér Çõmmáñdš ··]</translation>
    </message>
    <message>
        <source>show and change which application opens each file and link type</source>
        <translation>[šhõw áñd çháñgé whîçh ápplîçátîõñ õpéñš éáçh fîlé áñd lîñk týpé ······················]</translation>
    </message>
    <message>
        <source>Open a file or link, or show what each program would start for it</source>
        <translation>[Õpéñ á fîlé õr lîñk, õr šhõw whát éáçh prõgrám wõüld štárt fõr ît ·······················]</translation>
    </message>
    <message>
        <source>Opens LOCATION as GTK programs do. With --dry-run, starts nothing and prints what each program that opens files here would start for it, and why: GTK programs (GIO), KDE programs where KDE&apos;s libraries are installed, and xdg-open as it hands over on this desktop or decides by itself.</source>
        <translation>[Õpéñš LÕÇÅTÎÕÑ áš GTK prõgrámš dõ. Wîth --drý-rüñ, štártš ñõthîñg áñd prîñtš whát éáçh prõgrám thát õpéñš fîléš héré wõüld štárt fõr ît, áñd whý: GTK prõgrámš (GÎÕ), KDÉ prõgrámš whéré KDÉ&apos;š lîbrárîéš áré îñštálléd, áñd xdg-õpéñ áš ît háñdš õvér õñ thîš déšktõp õr déçîdéš bý îtšélf. ··············································································································]</translation>
    </message>
    <message>
        <source>Make every program open each TARGET alike</source>
        <translation>[Máké évérý prõgrám õpéñ éáçh TÅRGÉT álîké ·············]</translation>
    </message>
    <message>
        <source>Where the programs that open files here would start different applications for a TARGET (GTK programs, KDE programs, xdg-open), writes what GTK programs start now as the TARGET&apos;s explicit default, which each of them honours. Without TARGETs, every type Openwright watches where they differ. While automatic backups are on, the current defaults are backed up first. Prints each TARGET and its outcome; exits with 1 when one still opens differently.</source>
        <translation>[Whéré thé prõgrámš thát õpéñ fîléš héré wõüld štárt dîfféréñt ápplîçátîõñš fõr á TÅRGÉT (GTK prõgrámš, KDÉ prõgrámš, xdg-õpéñ), wrîtéš whát GTK prõgrámš štárt ñõw áš thé TÅRGÉT&apos;š éxplîçît défáült, whîçh éáçh õf thém hõñõürš. Wîthõüt TÅRGÉTš, évérý týpé Õpéñwrîght wátçhéš whéré théý dîffér. Whîlé áütõmátîç báçküpš áré õñ, thé çürréñt défáültš áré báçkéd üp fîršt. Prîñtš éáçh TÅRGÉT áñd îtš õütçõmé; éxîtš wîth 1 whéñ õñé štîll õpéñš dîfféréñtlý. ················································································································································································]</translation>
    </message>
    <message>
        <source>A file (./report.pdf, relative to the current folder) or a link (https://example.org, mailto:ann@example.org).</source>
        <translation>[Å fîlé (./répõrt.pdf, rélátîvé tõ thé çürréñt fõldér) õr á lîñk (httpš://éxámplé.õrg, máîltõ:áññ@éxámplé.õrg). ·········································]</translation>
    </message>
    <message>
        <source>With open: say what each program would start, and start nothing.</source>
        <translation>[Wîth õpéñ: šáý whát éáçh prõgrám wõüld štárt, áñd štárt ñõthîñg. ·······················]</translation>
    </message>
</context>
<context>
    <name>openwright::AppModel</name>
    <message>
        <source>Added %1 to your applications</source>
        <translation>[Åddéd %1 tõ ýõür ápplîçátîõñš ········]</translation>
    </message>
    <message>
        <source>Clean Up</source>
        <translation>[Çléáñ Üp]</translation>
    </message>
    <message>
        <source>%1 for %2</source>
        <translation>[%1 fõr %2]</translation>
    </message>
    <message>
        <source>The order of %1</source>
        <translation>[Thé õrdér õf %1 ··]</translation>
    </message>
</context>
<context>
    <name>openwright::Notifier</name>
    <message>
        <source>%1 default put back</source>
        <translation>[%1 défáült püt báçk ····]</translation>
    </message>
    <message>
        <source>%1 default changed</source>
        <translation>[%1 défáült çháñgéd ···]</translation>
    </message>
    <message>
        <source>no app</source>
        <translation>[ñõ ápp]</translation>
    </message>
    <message>
        <source>%1 took over again, three times in a minute. Openwright stopped putting %2 back; Revert when the other program is done.</source>
        <translation>[%1 tõõk õvér ágáîñ, thréé tîméš îñ á mîñüté. Õpéñwrîght štõppéd püttîñg %2 báçk; Révért whéñ thé õthér prõgrám îš dõñé. ···········································]</translation>
    </message>
    <message>
        <source>%1 replaced %2. Revert to keep %2.</source>
        <translation>[%1 répláçéd %2. Révért tõ kéép %2. ········]</translation>
    </message>
    <message>
        <source>1 second</source>
        <translation>[1 šéçõñd]</translation>
    </message>
    <message>
        <source>%1 seconds</source>
        <translation>[%1 šéçõñdš]</translation>
    </message>
    <message>
        <source>1 minute</source>
        <translation>[1 mîñüté]</translation>
    </message>
    <message>
        <source>%1 minutes</source>
        <translation>[%1 mîñütéš]</translation>
    </message>
    <message>
        <source>1 hour</source>
        <translation>[1 hõür]</translation>
    </message>
    <message>
        <source>%1 hours</source>
        <translation>[%1 hõürš]</translation>
    </message>
    <message>
        <source>Probably %1, which started %2 before</source>
        <translation>[Prõbáblý %1, whîçh štártéd %2 béfõré ··········]</translation>
    </message>
    <message>
        <source>Probably %1, installed or updated %2 before</source>
        <translation>[Prõbáblý %1, îñštálléd õr üpdátéd %2 béfõré ·············]</translation>
    </message>
    <message>
        <source>Allow</source>
        <translation>[Ållõw]</translation>
    </message>
    <message>
        <source>Revert</source>
        <translation>[Révért]</translation>
    </message>
    <message>
        <source>Openwright keeps guarding</source>
        <translation>[Õpéñwrîght kéépš güárdîñg ·······]</translation>
    </message>
    <message>
        <source>Your defaults are still watched with the window closed. To quit, open Openwright again and choose File → Quit.</source>
        <translation>[Ýõür défáültš áré štîll wátçhéd wîth thé wîñdõw çlõšéd. Tõ qüît, õpéñ Õpéñwrîght ágáîñ áñd çhõõšé Fîlé → Qüît. ·········································]</translation>
    </message>
    <message>
        <source>%1 replaced %2. Openwright put %2 back. Choose Allow to keep %1.</source>
        <translation>[%1 répláçéd %2. Õpéñwrîght püt %2 báçk. Çhõõšé Ållõw tõ kéép %1. ···················]</translation>
    </message>
    <message>
        <source>%1 opens differently in KDE programs</source>
        <translation>[%1 õpéñš dîfféréñtlý îñ KDÉ prõgrámš ···········]</translation>
    </message>
    <message>
        <source>%1 opens differently with xdg-open</source>
        <translation>[%1 õpéñš dîfféréñtlý wîth xdg-õpéñ ··········]</translation>
    </message>
    <message>
        <source>KDE programs opened it in %1. Openwright made every program open %2 again. Choose Allow to open it in %1 everywhere.</source>
        <translation>[KDÉ prõgrámš õpéñéd ît îñ %1. Õpéñwrîght mádé évérý prõgrám õpéñ %2 ágáîñ. Çhõõšé Ållõw tõ õpéñ ît îñ %1 évérýwhéré. ·········································]</translation>
    </message>
    <message>
        <source>xdg-open opened it in %1. Openwright made every program open %2 again. Choose Allow to open it in %1 everywhere.</source>
        <translation>[xdg-õpéñ õpéñéd ît îñ %1. Õpéñwrîght mádé évérý prõgrám õpéñ %2 ágáîñ. Çhõõšé Ållõw tõ õpéñ ît îñ %1 évérýwhéré. ·······································]</translation>
    </message>
    <message>
        <source>KDE programs now open it in %1, not %2. Revert to make every program open %2.</source>
        <translation>[KDÉ prõgrámš ñõw õpéñ ît îñ %1, ñõt %2. Révért tõ máké évérý prõgrám õpéñ %2. ·························]</translation>
    </message>
    <message>
        <source>xdg-open now opens it in %1, not %2. Revert to make every program open %2.</source>
        <translation>[xdg-õpéñ ñõw õpéñš ît îñ %1, ñõt %2. Révért tõ máké évérý prõgrám õpéñ %2. ························]</translation>
    </message>
</context>
<context>
    <name>openwright::Updater</name>
    <message>
        <source>The update feed is too large.</source>
        <translation>[Thé üpdáté fééd îš tõõ lárgé. ·········]</translation>
    </message>
    <message>
        <source>The update feed was not found (HTTP %1).</source>
        <translation>[Thé üpdáté fééd wáš ñõt fõüñd (HTTP %1). ············]</translation>
    </message>
    <message>
        <source>The update server answered with an error (HTTP %1).</source>
        <translation>[Thé üpdáté šérvér áñšwéréd wîth áñ érrõr (HTTP %1). ·················]</translation>
    </message>
    <message>
        <source>The update server did not answer in time.</source>
        <translation>[Thé üpdáté šérvér dîd ñõt áñšwér îñ tîmé. ·············]</translation>
    </message>
    <message>
        <source>The update feed redirects too often or to an unsafe address.</source>
        <translation>[Thé üpdáté fééd rédîréçtš tõõ õftéñ õr tõ áñ üñšáfé áddréšš. ·····················]</translation>
    </message>
    <message>
        <source>Could not reach the update server: %1</source>
        <translation>[Çõüld ñõt réáçh thé üpdáté šérvér: %1 ···········]</translation>
    </message>
    <message>
        <source>The update feed could not be read: it is not an RSS document.</source>
        <translation>[Thé üpdáté fééd çõüld ñõt bé réád: ît îš ñõt áñ RSS dõçüméñt. ·····················]</translation>
    </message>
    <message>
        <source>The update feed lists no releases.</source>
        <translation>[Thé üpdáté fééd lîštš ñõ réléášéš. ···········]</translation>
    </message>
    <message>
        <source>The update feed&apos;s signature is not valid.</source>
        <translation>[Thé üpdáté fééd&apos;š šîgñátüré îš ñõt válîd. ·············]</translation>
    </message>
    <message>
        <source>You&apos;re up to date.</source>
        <translation>[Ýõü&apos;ré üp tõ dáté. ····]</translation>
    </message>
    <message>
        <source>Openwright %1 is available.</source>
        <translation>[Õpéñwrîght %1 îš áváîláblé. ·······]</translation>
    </message>
</context>
<context>
    <name>openwright::ui::AddTypeSheet</name>
    <message>
        <source>That doesn&apos;t look like an extension or link type.</source>
        <translation>[Thát dõéšñ&apos;t lõõk lîké áñ éxtéñšîõñ õr lîñk týpé. ·················]</translation>
    </message>
    <message>
        <source>Add a File Type or Link</source>
        <translation>[Ådd á Fîlé Týpé õr Lîñk ······]</translation>
    </message>
    <message>
        <source>Type a file extension like &lt;b&gt;.log&lt;/b&gt; or a link type like &lt;b&gt;zoommtg:&lt;/b&gt; (ending with a colon).</source>
        <translation>[Týpé á fîlé éxtéñšîõñ lîké &lt;b&gt;.lõg&lt;/b&gt; õr á lîñk týpé lîké &lt;b&gt;žõõmmtg:&lt;/b&gt; (éñdîñg wîth á çõlõñ). ······························]</translation>
    </message>
    <message>
        <source>.extension or scheme:</source>
        <translation>[.éxtéñšîõñ õr šçhémé: ·····]</translation>
    </message>
    <message>
        <source>File extension or link type</source>
        <translation>[Fîlé éxtéñšîõñ õr lîñk týpé ········]</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>[Ådd]</translation>
    </message>
    <message>
        <source>Show</source>
        <translation>[Shõw]</translation>
    </message>
    <message>
        <source>%1 is already in %2.</source>
        <translation>[%1 îš álréádý îñ %2. ···]</translation>
    </message>
    <message>
        <source>The system does not recognise %1 files: no app can open them until a program you install describes them. Added, the type waits for one.</source>
        <translation>[Thé šýštém dõéš ñõt réçõgñîšé %1 fîléš: ñõ ápp çáñ õpéñ thém üñtîl á prõgrám ýõü îñštáll déšçrîbéš thém. Åddéd, thé týpé wáîtš fõr õñé. ··················································]</translation>
    </message>
</context>
<context>
    <name>openwright::ui::AllTypesView</name>
    <message>
        <source>Type</source>
        <translation>[Týpé]</translation>
    </message>
    <message>
        <source>MIME Type</source>
        <translation>[MÎMÉ Týpé ·]</translation>
    </message>
    <message>
        <source>Patterns</source>
        <translation>[Páttérñš]</translation>
    </message>
    <message>
        <source>Opens With</source>
        <translation>[Õpéñš Wîth ·]</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>[Státüš]</translation>
    </message>
    <message>
        <source>No patterns</source>
        <translation>[Ñõ páttérñš ·]</translation>
    </message>
    <message>
        <source>No default</source>
        <translation>[Ñõ défáült ·]</translation>
    </message>
    <message>
        <source>Unknown</source>
        <translation>[Üñkñõwñ]</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <translation>[%1 (%2)]</translation>
    </message>
    <message>
        <source>All Types</source>
        <translation>[Åll Týpéš ·]</translation>
    </message>
    <message>
        <source>Filter by description, MIME type, pattern or app</source>
        <translation>[Fîltér bý déšçrîptîõñ, MÎMÉ týpé, páttérñ õr ápp ················]</translation>
    </message>
    <message>
        <source>Filter types</source>
        <translation>[Fîltér týpéš ··]</translation>
    </message>
    <message>
        <source>Reading every type…</source>
        <translation>[Réádîñg évérý týpé… ·····]</translation>
    </message>
    <message>
        <source>The system&apos;s MIME database and every installed application are read once.</source>
        <translation>[Thé šýštém&apos;š MÎMÉ dátábášé áñd évérý îñštálléd ápplîçátîõñ áré réád õñçé. ··························]</translation>
    </message>
    <message>
        <source>All types</source>
        <translation>[Åll týpéš ·]</translation>
    </message>
</context>
<context>
    <name>openwright::ui::AppChooser</name>
    <message>
        <source>Applications (*.desktop)</source>
        <translation>[Åpplîçátîõñš (*.déšktõp) ·······]</translation>
    </message>
    <message>
        <source>Use as Default</source>
        <translation>[Üšé áš Défáült ···]</translation>
    </message>
    <message>
        <source>Choose Another App</source>
        <translation>[Çhõõšé Åñõthér Åpp ····]</translation>
    </message>
    <message>
        <source>Search applications</source>
        <translation>[Séárçh ápplîçátîõñš ·····]</translation>
    </message>
    <message>
        <source>Looking for applications…</source>
        <translation>[Lõõkîñg fõr ápplîçátîõñš… ·······]</translation>
    </message>
    <message>
        <source>Applications</source>
        <translation>[Åpplîçátîõñš ··]</translation>
    </message>
    <message>
        <source>Browse…</source>
        <translation>[Brõwšé…]</translation>
    </message>
    <message>
        <source>Choose an application&apos;s .desktop file from another folder</source>
        <translation>[Çhõõšé áñ ápplîçátîõñ&apos;š .déšktõp fîlé frõm áñõthér fõldér ····················]</translation>
    </message>
    <message>
        <source>Replace the Installed App?</source>
        <translation>[Répláçé thé Îñštálléd Åpp? ·······]</translation>
    </message>
    <message>
        <source>An app with the ID “%1” is already installed. Replace it with the one you chose?</source>
        <translation>[Åñ ápp wîth thé ÎD “%1” îš álréádý îñštálléd. Répláçé ît wîth thé õñé ýõü çhõšé? ····························]</translation>
    </message>
    <message>
        <source>Replace</source>
        <translation>[Répláçé]</translation>
    </message>
    <message>
        <source>Choose the app that should open %1</source>
        <translation>[Çhõõšé thé ápp thát šhõüld õpéñ %1 ··········]</translation>
    </message>
    <message>
        <source>Made for %1</source>
        <translation>[Mádé fõr %1 ·]</translation>
    </message>
</context>
<context>
    <name>openwright::ui::AppIconView</name>
    <message>
        <source>No application</source>
        <translation>[Ñõ ápplîçátîõñ ···]</translation>
    </message>
</context>
<context>
    <name>openwright::ui::AppPicker</name>
    <message>
        <source>Loading…</source>
        <translation>[Lõádîñg…]</translation>
    </message>
    <message>
        <source>No default</source>
        <translation>[Ñõ défáült ·]</translation>
    </message>
    <message>
        <source>Choose the app for %1 (%2)</source>
        <translation>[Çhõõšé thé ápp fõr %1 (%2) ······]</translation>
    </message>
    <message>
        <source>No apps can open this</source>
        <translation>[Ñõ áppš çáñ õpéñ thîš ·····]</translation>
    </message>
    <message>
        <source>Choose Another App…</source>
        <translation>[Çhõõšé Åñõthér Åpp… ·····]</translation>
    </message>
    <message>
        <source>Why this app?</source>
        <translation>[Whý thîš ápp? ··]</translation>
    </message>
    <message>
        <source>Reset to System Default</source>
        <translation>[Réšét tõ Sýštém Défáült ······]</translation>
    </message>
    <message numerus="yes">
        <source>Choose Another App… shows %n more</source>
        <translation>
            <numerusform>[Çhõõšé Åñõthér Åpp… šhõwš %n mõré ·········]</numerusform>
            <numerusform>[Çhõõšé Åñõthér Åpp… šhõwš %n mõré ·········]</numerusform>
        </translation>
    </message>
    <message>
        <source>Order Apps…</source>
        <translation>[Õrdér Åppš… ·]</translation>
    </message>
</context>
<context>
    <name>openwright::ui::ApplicationHits</name>
    <message>
        <source>Applications:</source>
        <translation>[Åpplîçátîõñš: ··]</translation>
    </message>
    <message>
        <source>Show the types %1 opens</source>
        <translation>[Shõw thé týpéš %1 õpéñš ·····]</translation>
    </message>
    <message>
        <source>and %1 more</source>
        <translation>[áñd %1 mõré ·]</translation>
    </message>
</context>
<context>
    <name>openwright::ui::ApplicationPage</name>
    <message>
        <source>%1 declares no types in its desktop entry, so Openwright sets it for none. You can still choose it for a type from that type&apos;s list.</source>
        <translation>[%1 déçláréš ñõ týpéš îñ îtš déšktõp éñtrý, šõ Õpéñwrîght šétš ît fõr ñõñé. Ýõü çáñ štîll çhõõšé ît fõr á týpé frõm thát týpé&apos;š lîšt. ·················································]</translation>
    </message>
    <message>
        <source>Use for All</source>
        <translation>[Üšé fõr Åll ·]</translation>
    </message>
    <message>
        <source>Make %1 the default for every type it declares</source>
        <translation>[Máké %1 thé défáült fõr évérý týpé ît déçláréš ···············]</translation>
    </message>
    <message>
        <source>%1 of %2 open in %3</source>
        <translation>[%1 õf %2 õpéñ îñ %3 ··]</translation>
    </message>
    <message>
        <source>Use for All %1</source>
        <translation>[Üšé fõr Åll %1 ··]</translation>
    </message>
    <message>
        <source>Default</source>
        <translation>[Défáült]</translation>
    </message>
    <message>
        <source>No application</source>
        <translation>[Ñõ ápplîçátîõñ ···]</translation>
    </message>
    <message>
        <source>Use for This Type</source>
        <translation>[Üšé fõr Thîš Týpé ····]</translation>
    </message>
    <message>
        <source>Use %1 for %2</source>
        <translation>[Üšé %1 fõr %2 ·]</translation>
    </message>
    <message numerus="yes">
        <source>Declares %n types</source>
        <translation>
            <numerusform>[Déçláréš %n týpéš ···]</numerusform>
            <numerusform>[Déçláréš %n týpéš ···]</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>default for %n types</source>
        <translation>
            <numerusform>[défáült fõr %n týpéš ····]</numerusform>
            <numerusform>[défáült fõr %n týpéš ····]</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>openwright::ui::ApplicationsView</name>
    <message>
        <source>Not a default</source>
        <translation>[Ñõt á défáült ··]</translation>
    </message>
    <message>
        <source>Applications</source>
        <translation>[Åpplîçátîõñš ··]</translation>
    </message>
    <message>
        <source>Search applications</source>
        <translation>[Séárçh ápplîçátîõñš ·····]</translation>
    </message>
    <message>
        <source>No Application Selected</source>
        <translation>[Ñõ Åpplîçátîõñ Séléçtéd ······]</translation>
    </message>
    <message>
        <source>Choose an application to see the types it opens, and make it the default for all of them or for a whole family.</source>
        <translation>[Çhõõšé áñ ápplîçátîõñ tõ šéé thé týpéš ît õpéñš, áñd máké ît thé défáült fõr áll õf thém õr fõr á whõlé fámîlý. ·········································]</translation>
    </message>
    <message>
        <source>Types the application opens</source>
        <translation>[Týpéš thé ápplîçátîõñ õpéñš ········]</translation>
    </message>
    <message numerus="yes">
        <source>Default for %n types</source>
        <translation>
            <numerusform>[Défáült fõr %n týpéš ····]</numerusform>
            <numerusform>[Défáült fõr %n týpéš ····]</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>openwright::ui::BackupRow</name>
    <message>
        <source>Restore…</source>
        <translation>[Réštõré…]</translation>
    </message>
    <message>
        <source>%1 from %2 %3</source>
        <translation>[%1 frõm %2 %3]</translation>
    </message>
    <message>
        <source>Restore %1</source>
        <translation>[Réštõré %1]</translation>
    </message>
    <message>
        <source>Delete this backup</source>
        <translation>[Délété thîš báçküp ····]</translation>
    </message>
    <message>
        <source>Delete %1</source>
        <translation>[Délété %1]</translation>
    </message>
    <message>
        <source>Same as now</source>
        <translation>[Sámé áš ñõw ·]</translation>
    </message>
    <message numerus="yes">
        <source>%n defaults</source>
        <translation>
            <numerusform>[%n défáültš ·]</numerusform>
            <numerusform>[%n défáültš ·]</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n different from now</source>
        <translation>
            <numerusform>[%n dîfféréñt frõm ñõw ·····]</numerusform>
            <numerusform>[%n dîfféréñt frõm ñõw ·····]</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>openwright::ui::BackupsView</name>
    <message>
        <source>Backups</source>
        <translation>[Báçküpš]</translation>
    </message>
    <message>
        <source>Back Up Now</source>
        <translation>[Báçk Üp Ñõw ·]</translation>
    </message>
    <message>
        <source>Save your current defaults</source>
        <translation>[Sávé ýõür çürréñt défáültš ·······]</translation>
    </message>
    <message>
        <source>No Backups Yet</source>
        <translation>[Ñõ Báçküpš Ýét ···]</translation>
    </message>
    <message>
        <source>Back up your defaults before trying a profile or installing new apps, so you can put everything back.</source>
        <translation>[Báçk üp ýõür défáültš béfõré trýîñg á prõfîlé õr îñštállîñg ñéw áppš, šõ ýõü çáñ püt évérýthîñg báçk. ·····································]</translation>
    </message>
</context>
<context>
    <name>openwright::ui::CategoryListView</name>
    <message>
        <source>Add Type</source>
        <translation>[Ådd Týpé]</translation>
    </message>
    <message>
        <source>Add any file extension or link type</source>
        <translation>[Ådd áñý fîlé éxtéñšîõñ õr lîñk týpé ···········]</translation>
    </message>
    <message>
        <source>Add a File Type or Link…</source>
        <translation>[Ådd á Fîlé Týpé õr Lîñk… ·······]</translation>
    </message>
    <message>
        <source>Remove from My File Types</source>
        <translation>[Rémõvé frõm Mý Fîlé Týpéš ·······]</translation>
    </message>
</context>
<context>
    <name>openwright::ui::CategoryRow</name>
    <message>
        <source>Unpin %1</source>
        <translation>[Üñpîñ %1]</translation>
    </message>
    <message>
        <source>Pin %1</source>
        <translation>[Pîñ %1]</translation>
    </message>
    <message>
        <source>Default Guard is watching this default</source>
        <translation>[Défáült Güárd îš wátçhîñg thîš défáült ············]</translation>
    </message>
    <message>
        <source>Pin to get alerted if another app takes it over</source>
        <translation>[Pîñ tõ gét álértéd îf áñõthér ápp tákéš ît õvér ················]</translation>
    </message>
    <message>
        <source>No installed app can open %1</source>
        <translation>[Ñõ îñštálléd ápp çáñ õpéñ %1 ·······]</translation>
    </message>
</context>
<context>
    <name>openwright::ui::ChangeRow</name>
    <message>
        <source>No default</source>
        <translation>[Ñõ défáült ·]</translation>
    </message>
    <message>
        <source>Changed in %1</source>
        <translation>[Çháñgéd îñ %1 ·]</translation>
    </message>
    <message>
        <source>Handled</source>
        <translation>[Háñdléd]</translation>
    </message>
    <message>
        <source>Revert</source>
        <translation>[Révért]</translation>
    </message>
    <message>
        <source>Revert %1 to %2</source>
        <translation>[Révért %1 tõ %2 ·]</translation>
    </message>
    <message>
        <source>Keep</source>
        <translation>[Kéép]</translation>
    </message>
    <message>
        <source>Keep %1 for %2</source>
        <translation>[Kéép %1 fõr %2 ·]</translation>
    </message>
    <message>
        <source>Taken over three times in a minute: the guard stopped putting it back</source>
        <translation>[Tákéñ õvér thréé tîméš îñ á mîñüté: thé güárd štõppéd püttîñg ît báçk ·························]</translation>
    </message>
    <message>
        <source>Put back</source>
        <translation>[Püt báçk]</translation>
    </message>
    <message>
        <source>Allowed</source>
        <translation>[Ållõwéd]</translation>
    </message>
    <message>
        <source>Allow</source>
        <translation>[Ållõw]</translation>
    </message>
    <message>
        <source>Allow %1 for %2</source>
        <translation>[Ållõw %1 fõr %2 ·]</translation>
    </message>
    <message>
        <source>Only in KDE programs: the default is still %1</source>
        <translation>[Õñlý îñ KDÉ prõgrámš: thé défáült îš štîll %1 ··············]</translation>
    </message>
    <message>
        <source>Only with xdg-open: the default is still %1</source>
        <translation>[Õñlý wîth xdg-õpéñ: thé défáült îš štîll %1 ·············]</translation>
    </message>
</context>
<context>
    <name>openwright::ui::CleanUpSheet</name>
    <message>
        <source>Clean Up</source>
        <translation>[Çléáñ Üp]</translation>
    </message>
    <message>
        <source>Clean Up Your Defaults Files</source>
        <translation>[Çléáñ Üp Ýõür Défáültš Fîléš ········]</translation>
    </message>
    <message>
        <source>Fix Selected</source>
        <translation>[Fîx Séléçtéd ··]</translation>
    </message>
    <message>
        <source>Fix: %1</source>
        <translation>[Fîx: %1]</translation>
    </message>
    <message>
        <source>No problems in your defaults files.</source>
        <translation>[Ñõ prõblémš îñ ýõür défáültš fîléš. ···········]</translation>
    </message>
    <message>
        <source>Fixed %1</source>
        <translation>[Fîxéd %1]</translation>
    </message>
    <message>
        <source>The old file is kept as %1</source>
        <translation>[Thé õld fîlé îš képt áš %1 ·······]</translation>
    </message>
    <message>
        <source>Not fixed: %1</source>
        <translation>[Ñõt fîxéd: %1 ·]</translation>
    </message>
    <message>
        <source>Left alone: %1 no longer found, as the files changed meanwhile.</source>
        <translation>[Léft álõñé: %1 ñõ lõñgér fõüñd, áš thé fîléš çháñgéd méáñwhîlé. ·····················]</translation>
    </message>
    <message>
        <source>Nothing was changed.</source>
        <translation>[Ñõthîñg wáš çháñgéd. ·····]</translation>
    </message>
    <message>
        <source>Each changed file is first copied beside itself, and your defaults are backed up. A fix changes which app opens a type only where it says so; one whose effect cannot be told beforehand is not selected.</source>
        <translation>[Éáçh çháñgéd fîlé îš fîršt çõpîéd béšîdé îtšélf, áñd ýõür défáültš áré báçkéd üp. Å fîx çháñgéš whîçh ápp õpéñš á týpé õñlý whéré ît šáýš šõ; õñé whõšé éfféçt çáññõt bé tõld béfõréháñd îš ñõt šéléçtéd. ·············································································]</translation>
    </message>
    <message>
        <source>Problems found</source>
        <translation>[Prõblémš fõüñd ···]</translation>
    </message>
</context>
<context>
    <name>openwright::ui::DropInspector</name>
    <message>
        <source>What opens this file?</source>
        <translation>[Whát õpéñš thîš fîlé? ·····]</translation>
    </message>
    <message>
        <source>Drop any file onto this window to see and change which app opens it</source>
        <translation>[Drõp áñý fîlé õñtõ thîš wîñdõw tõ šéé áñd çháñgé whîçh ápp õpéñš ît ························]</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>[Çléár]</translation>
    </message>
    <message>
        <source>Add %1 to My File Types</source>
        <translation>[Ådd %1 tõ Mý Fîlé Týpéš ·····]</translation>
    </message>
    <message>
        <source>Clear %1</source>
        <translation>[Çléár %1]</translation>
    </message>
</context>
<context>
    <name>openwright::ui::GuardView</name>
    <message>
        <source>Stop watching</source>
        <translation>[Stõp wátçhîñg ··]</translation>
    </message>
    <message>
        <source>Stop watching %1</source>
        <translation>[Stõp wátçhîñg %1 ···]</translation>
    </message>
    <message>
        <source>No default</source>
        <translation>[Ñõ défáült ·]</translation>
    </message>
    <message>
        <source>Default Guard</source>
        <translation>[Défáült Güárd ··]</translation>
    </message>
    <message>
        <source>Check Now</source>
        <translation>[Çhéçk Ñõw ·]</translation>
    </message>
    <message>
        <source>Check for changed defaults now</source>
        <translation>[Çhéçk fõr çháñgéd défáültš ñõw ·········]</translation>
    </message>
    <message>
        <source>Checks your defaults in the background. When an app takes over a pinned default, you get a notification with a Revert button.</source>
        <translation>[Çhéçkš ýõür défáültš îñ thé báçkgrõüñd. Whéñ áñ ápp tákéš õvér á pîññéd défáült, ýõü gét á ñõtîfîçátîõñ wîth á Révért büttõñ. ···············································]</translation>
    </message>
    <message>
        <source>Pinned types</source>
        <translation>[Pîññéd týpéš ··]</translation>
    </message>
    <message>
        <source>Recent Changes</source>
        <translation>[Réçéñt Çháñgéš ···]</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>[Çléár]</translation>
    </message>
    <message>
        <source>Clear recent changes</source>
        <translation>[Çléár réçéñt çháñgéš ·····]</translation>
    </message>
    <message>
        <source>Recent changes</source>
        <translation>[Réçéñt çháñgéš ···]</translation>
    </message>
    <message>
        <source>Pinned (%1)</source>
        <translation>[Pîññéd (%1) ·]</translation>
    </message>
    <message>
        <source>Click the pin next to any file type to watch it.</source>
        <translation>[Çlîçk thé pîñ ñéxt tõ áñý fîlé týpé tõ wátçh ît. ················]</translation>
    </message>
    <message>
        <source>No changes spotted yet.</source>
        <translation>[Ñõ çháñgéš špõttéd ýét. ······]</translation>
    </message>
    <message>
        <source>Always keep</source>
        <translation>[Ålwáýš kéép ·]</translation>
    </message>
    <message>
        <source>Always keep %1</source>
        <translation>[Ålwáýš kéép %1 ··]</translation>
    </message>
    <message>
        <source>Put the app back at once when another program takes this type over</source>
        <translation>[Püt thé ápp báçk át õñçé whéñ áñõthér prõgrám tákéš thîš týpé õvér ·······················]</translation>
    </message>
</context>
<context>
    <name>openwright::ui::HealthCard</name>
    <message>
        <source>Health score</source>
        <translation>[Héálth šçõré ··]</translation>
    </message>
    <message>
        <source>The share of known file and link types that open in a specific app %1</source>
        <translation>[Thé šháré õf kñõwñ fîlé áñd lîñk týpéš thát õpéñ îñ á špéçîfîç ápp %1 ························]</translation>
    </message>
    <message>
        <source>Defaults Health</source>
        <translation>[Défáültš Héálth ···]</translation>
    </message>
    <message>
        <source>Everything has a home.</source>
        <translation>[Évérýthîñg háš á hõmé. ······]</translation>
    </message>
    <message numerus="yes">
        <source>%n types need attention</source>
        <translation>
            <numerusform>[%n týpéš ñééd áttéñtîõñ ·····]</numerusform>
            <numerusform>[%n týpéš ñééd áttéñtîõñ ·····]</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>openwright::ui::HistoryHeader</name>
    <message>
        <source>Automatic Backup History</source>
        <translation>[Åütõmátîç Báçküp Hîštõrý ·······]</translation>
    </message>
    <message>
        <source>Backs up before every profile, restore and Guard revert, and once a day. Unchanged days are skipped; automatic backups are kept for 30 days.</source>
        <translation>[Báçkš üp béfõré évérý prõfîlé, réštõré áñd Güárd révért, áñd õñçé á dáý. Üñçháñgéd dáýš áré škîppéd; áütõmátîç báçküpš áré képt fõr 30 dáýš. ·····················································]</translation>
    </message>
</context>
<context>
    <name>openwright::ui::IssueRow</name>
    <message>
        <source>No installed app can open %1. Install one, or ignore it if you never use it.</source>
        <translation>[Ñõ îñštálléd ápp çáñ õpéñ %1. Îñštáll õñé, õr îgñõré ît îf ýõü ñévér üšé ît. ···························]</translation>
    </message>
    <message>
        <source>Several apps can open it, but none is the default.</source>
        <translation>[Sévérál áppš çáñ õpéñ ît, büt ñõñé îš thé défáült. ·················]</translation>
    </message>
    <message>
        <source>Set to %1, which is no longer installed.</source>
        <translation>[Sét tõ %1, whîçh îš ñõ lõñgér îñštálléd. ············]</translation>
    </message>
    <message>
        <source>Show</source>
        <translation>[Shõw]</translation>
    </message>
    <message>
        <source>Show %1</source>
        <translation>[Shõw %1]</translation>
    </message>
</context>
<context>
    <name>openwright::ui::MainWindow</name>
    <message>
        <source>Openwright</source>
        <translation>[Õpéñwrîght ·]</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>[&amp;Fîlé]</translation>
    </message>
    <message>
        <source>Refresh Defaults</source>
        <translation>[Réfréšh Défáültš ···]</translation>
    </message>
    <message>
        <source>Back Up Now</source>
        <translation>[Báçk Üp Ñõw ·]</translation>
    </message>
    <message>
        <source>Settings…</source>
        <translation>[Séttîñgš… ·]</translation>
    </message>
    <message>
        <source>Close Window</source>
        <translation>[Çlõšé Wîñdõw ··]</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>[Qüît]</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>[&amp;Édît]</translation>
    </message>
    <message>
        <source>Find Type</source>
        <translation>[Fîñd Týpé ·]</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>[&amp;Hélp]</translation>
    </message>
    <message>
        <source>About Openwright</source>
        <translation>[Åbõüt Õpéñwrîght ···]</translation>
    </message>
    <message>
        <source>&lt;h3&gt;Openwright %1&lt;/h3&gt;&lt;p&gt;Shows and changes which application opens each kind of file and link, and keeps them that way.&lt;/p&gt;</source>
        <translation>[&lt;h3&gt;Õpéñwrîght %1&lt;/h3&gt;&lt;p&gt;Shõwš áñd çháñgéš whîçh ápplîçátîõñ õpéñš éáçh kîñd õf fîlé áñd lîñk, áñd kéépš thém thát wáý.&lt;/p&gt; ·······································]</translation>
    </message>
    <message>
        <source>Check for Updates…</source>
        <translation>[Çhéçk fõr Üpdátéš… ····]</translation>
    </message>
</context>
<context>
    <name>openwright::ui::OpenwrightApp</name>
    <message>
        <source>Openwright keeps guarding your default applications with its window closed.</source>
        <translation>[Õpéñwrîght kéépš güárdîñg ýõür défáült ápplîçátîõñš wîth îtš wîñdõw çlõšéd. ···························]</translation>
    </message>
</context>
<context>
    <name>openwright::ui::OrderSheet</name>
    <message>
        <source>Move Up</source>
        <translation>[Mõvé Üp]</translation>
    </message>
    <message>
        <source>Move Down</source>
        <translation>[Mõvé Dõwñ ·]</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>[Rémõvé]</translation>
    </message>
    <message>
        <source>Order Apps</source>
        <translation>[Õrdér Åppš ·]</translation>
    </message>
    <message>
        <source>The apps offered for %1</source>
        <translation>[Thé áppš õfféréd fõr %1 ·····]</translation>
    </message>
    <message>
        <source>The system tries them in this order: the first is the default. An app you remove is no longer offered for it, until you give it back.</source>
        <translation>[Thé šýštém trîéš thém îñ thîš õrdér: thé fîršt îš thé défáült. Åñ ápp ýõü rémõvé îš ñõ lõñgér õfféréd fõr ît, üñtîl ýõü gîvé ît báçk. ··················································]</translation>
    </message>
    <message>
        <source>Apps offered for %1</source>
        <translation>[Åppš õfféréd fõr %1 ····]</translation>
    </message>
    <message>
        <source>%1 (removed)</source>
        <translation>[%1 (rémõvéd) ·]</translation>
    </message>
    <message>
        <source>Give Back</source>
        <translation>[Gîvé Báçk ·]</translation>
    </message>
    <message>
        <source>In bold: the apps made for it. The others open it as a parent type.</source>
        <translation>[Îñ bõld: thé áppš mádé fõr ît. Thé õthérš õpéñ ît áš á páréñt týpé. ························]</translation>
    </message>
</context>
<context>
    <name>openwright::ui::OverviewView</name>
    <message>
        <source>Reading your defaults…</source>
        <translation>[Réádîñg ýõür défáültš… ······]</translation>
    </message>
    <message>
        <source>Overview</source>
        <translation>[Õvérvîéw]</translation>
    </message>
    <message>
        <source>Types with a default</source>
        <translation>[Týpéš wîth á défáült ·····]</translation>
    </message>
    <message>
        <source>Backups</source>
        <translation>[Báçküpš]</translation>
    </message>
    <message>
        <source>Changes spotted by Guard</source>
        <translation>[Çháñgéš špõttéd bý Güárd ·······]</translation>
    </message>
    <message>
        <source>Needs attention</source>
        <translation>[Ñéédš áttéñtîõñ ···]</translation>
    </message>
    <message>
        <source>Clean Up…</source>
        <translation>[Çléáñ Üp… ·]</translation>
    </message>
    <message numerus="yes">
        <source>%n problems in your defaults files</source>
        <translation>
            <numerusform>[%n prõblémš îñ ýõür défáültš fîléš ··········]</numerusform>
            <numerusform>[%n prõblémš îñ ýõür défáültš fîléš ··········]</numerusform>
        </translation>
    </message>
    <message>
        <source>Make every program agree</source>
        <translation>[Máké évérý prõgrám ágréé ·······]</translation>
    </message>
    <message numerus="yes">
        <source>%n types open differently in other programs</source>
        <translation>
            <numerusform>[%n týpéš õpéñ dîfféréñtlý îñ õthér prõgrámš ·············]</numerusform>
            <numerusform>[%n týpéš õpéñ dîfféréñtlý îñ õthér prõgrámš ·············]</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>openwright::ui::ProfileCard</name>
    <message>
        <source>Preset</source>
        <translation>[Préšét]</translation>
    </message>
    <message>
        <source>%1 of %2 to change</source>
        <translation>[%1 õf %2 tõ çháñgé ···]</translation>
    </message>
    <message>
        <source>All set</source>
        <translation>[Åll šét]</translation>
    </message>
</context>
<context>
    <name>openwright::ui::ProfileSheet</name>
    <message>
        <source>Steps</source>
        <translation>[Stépš]</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>[Çáñçél]</translation>
    </message>
    <message>
        <source>%1 of %2 changed.</source>
        <translation>[%1 õf %2 çháñgéd. ··]</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>[Dõñé]</translation>
    </message>
    <message numerus="yes">
        <source>%n defaults</source>
        <translation>
            <numerusform>[%n défáültš ·]</numerusform>
            <numerusform>[%n défáültš ·]</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n already set</source>
        <translation>
            <numerusform>[%n álréádý šét ··]</numerusform>
            <numerusform>[%n álréádý šét ··]</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Restore %n Defaults</source>
        <translation>
            <numerusform>[Réštõré %n Défáültš ····]</numerusform>
            <numerusform>[Réštõré %n Défáültš ····]</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Apply %n Changes</source>
        <translation>
            <numerusform>[Åpplý %n Çháñgéš ···]</numerusform>
            <numerusform>[Åpplý %n Çháñgéš ···]</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>openwright::ui::ProfilesView</name>
    <message>
        <source>JSON files (*.json)</source>
        <translation>[JSÕÑ fîléš (*.jšõñ) ·····]</translation>
    </message>
    <message>
        <source>Profiles</source>
        <translation>[Prõfîléš]</translation>
    </message>
    <message>
        <source>Save Current as Profile</source>
        <translation>[Sávé Çürréñt áš Prõfîlé ······]</translation>
    </message>
    <message>
        <source>Save your current defaults as a profile</source>
        <translation>[Sávé ýõür çürréñt défáültš áš á prõfîlé ·············]</translation>
    </message>
    <message>
        <source>Import &amp; Export</source>
        <translation>[Împõrt &amp; Éxpõrt ···]</translation>
    </message>
    <message>
        <source>Import Profiles…</source>
        <translation>[Împõrt Prõfîléš… ···]</translation>
    </message>
    <message>
        <source>Export My Profiles…</source>
        <translation>[Éxpõrt Mý Prõfîléš… ·····]</translation>
    </message>
    <message>
        <source>Export…</source>
        <translation>[Éxpõrt…]</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>[Délété]</translation>
    </message>
    <message>
        <source>Export failed: %1</source>
        <translation>[Éxpõrt fáîléd: %1 ···]</translation>
    </message>
    <message>
        <source>Save Current Defaults</source>
        <translation>[Sávé Çürréñt Défáültš ·····]</translation>
    </message>
    <message>
        <source>Profile name</source>
        <translation>[Prõfîlé ñámé ··]</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>[Çáñçél]</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>[Sávé]</translation>
    </message>
    <message>
        <source>My Profile</source>
        <translation>[Mý Prõfîlé ·]</translation>
    </message>
    <message numerus="yes">
        <source>Exported %n profile(s).</source>
        <translation>
            <numerusform>[Éxpõrtéd %n prõfîlé(š). ·····]</numerusform>
            <numerusform>[Éxpõrtéd %n prõfîlé(š). ·····]</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Imported %n profile(s).</source>
        <translation>
            <numerusform>[Împõrtéd %n prõfîlé(š). ·····]</numerusform>
            <numerusform>[Împõrtéd %n prõfîlé(š). ·····]</numerusform>
        </translation>
    </message>
    <message>
        <source>Deleted “%1”.</source>
        <translation>[Délétéd “%1”. ·]</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>[Üñdõ]</translation>
    </message>
</context>
<context>
    <name>openwright::ui::RootView</name>
    <message>
        <source>Search types, e.g. .md or browser</source>
        <translation>[Séárçh týpéš, é.g. .md õr brõwšér ··········]</translation>
    </message>
    <message>
        <source>Search types</source>
        <translation>[Séárçh týpéš ··]</translation>
    </message>
    <message>
        <source>Refresh</source>
        <translation>[Réfréšh]</translation>
    </message>
    <message>
        <source>Re-read all defaults (Ctrl+R)</source>
        <translation>[Ré-réád áll défáültš (Çtrl+R) ·········]</translation>
    </message>
    <message>
        <source>Openwright could not save its data: %1</source>
        <translation>[Õpéñwrîght çõüld ñõt šávé îtš dátá: %1 ···········]</translation>
    </message>
    <message>
        <source>No file types match</source>
        <translation>[Ñõ fîlé týpéš mátçh ·····]</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>[Séárçh]</translation>
    </message>
    <message>
        <source>Nothing here yet.</source>
        <translation>[Ñõthîñg héré ýét. ····]</translation>
    </message>
</context>
<context>
    <name>openwright::ui::SettingsView</name>
    <message>
        <source>1 minute</source>
        <translation>[1 mîñüté]</translation>
    </message>
    <message>
        <source>%1 seconds</source>
        <translation>[%1 šéçõñdš]</translation>
    </message>
    <message>
        <source>General</source>
        <translation>[Géñérál]</translation>
    </message>
    <message>
        <source>Open at login</source>
        <translation>[Õpéñ át lõgîñ ··]</translation>
    </message>
    <message>
        <source>Updates</source>
        <translation>[Üpdátéš]</translation>
    </message>
    <message>
        <source>Check for updates automatically</source>
        <translation>[Çhéçk fõr üpdátéš áütõmátîçállý ·········]</translation>
    </message>
    <message>
        <source>Check Now</source>
        <translation>[Çhéçk Ñõw ·]</translation>
    </message>
    <message>
        <source>Default Guard</source>
        <translation>[Défáült Güárd ··]</translation>
    </message>
    <message>
        <source>Watch for changed defaults</source>
        <translation>[Wátçh fõr çháñgéd défáültš ·······]</translation>
    </message>
    <message>
        <source>Check every</source>
        <translation>[Çhéçk évérý ·]</translation>
    </message>
    <message>
        <source>30 seconds</source>
        <translation>[30 šéçõñdš ·]</translation>
    </message>
    <message>
        <source>5 minutes</source>
        <translation>[5 mîñütéš ·]</translation>
    </message>
    <message>
        <source>15 minutes</source>
        <translation>[15 mîñütéš ·]</translation>
    </message>
    <message>
        <source>Openwright also checks whenever an app launches or quits.</source>
        <translation>[Õpéñwrîght álšõ çhéçkš whéñévér áñ ápp láüñçhéš õr qüîtš. ····················]</translation>
    </message>
    <message numerus="yes">
        <source>%n minutes</source>
        <translation>
            <numerusform>[%n mîñütéš]</numerusform>
            <numerusform>[%n mîñütéš]</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n seconds</source>
        <translation>
            <numerusform>[%n šéçõñdš]</numerusform>
            <numerusform>[%n šéçõñdš]</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>openwright::ui::SettingsWindow</name>
    <message>
        <source>Settings</source>
        <translation>[Séttîñgš]</translation>
    </message>
</context>
<context>
    <name>openwright::ui::Sidebar</name>
    <message>
        <source>Sidebar</source>
        <translation>[Sîdébár]</translation>
    </message>
</context>
<context>
    <name>openwright::ui::SidebarModel</name>
    <message>
        <source>Overview</source>
        <translation>[Õvérvîéw]</translation>
    </message>
    <message>
        <source>File &amp; Link Types</source>
        <translation>[Fîlé &amp; Lîñk Týpéš ····]</translation>
    </message>
    <message>
        <source>Tools</source>
        <translation>[Tõõlš]</translation>
    </message>
    <message>
        <source>Profiles</source>
        <translation>[Prõfîléš]</translation>
    </message>
    <message>
        <source>Backups</source>
        <translation>[Báçküpš]</translation>
    </message>
    <message>
        <source>Default Guard</source>
        <translation>[Défáült Güárd ··]</translation>
    </message>
    <message>
        <source>Applications</source>
        <translation>[Åpplîçátîõñš ··]</translation>
    </message>
    <message>
        <source>All Types</source>
        <translation>[Åll Týpéš ·]</translation>
    </message>
    <message numerus="yes">
        <source>%n changes wait</source>
        <translation>
            <numerusform>[%n çháñgéš wáît ··]</numerusform>
            <numerusform>[%n çháñgéš wáît ··]</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n types</source>
        <translation>
            <numerusform>[%n týpéš]</numerusform>
            <numerusform>[%n týpéš]</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>openwright::ui::Spinner</name>
    <message>
        <source>Working</source>
        <translation>[Wõrkîñg]</translation>
    </message>
</context>
<context>
    <name>openwright::ui::StepRow</name>
    <message>
        <source>No default</source>
        <translation>[Ñõ défáült ·]</translation>
    </message>
    <message>
        <source>Already set</source>
        <translation>[Ålréádý šét ·]</translation>
    </message>
    <message>
        <source>%1 isn&apos;t installed</source>
        <translation>[%1 îšñ&apos;t îñštálléd ···]</translation>
    </message>
</context>
<context>
    <name>openwright::ui::TrayIcon</name>
    <message>
        <source>Openwright</source>
        <translation>[Õpéñwrîght ·]</translation>
    </message>
    <message>
        <source>Open Openwright</source>
        <translation>[Õpéñ Õpéñwrîght ···]</translation>
    </message>
    <message>
        <source>Check now</source>
        <translation>[Çhéçk ñõw ·]</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>[Séttîñgš]</translation>
    </message>
    <message>
        <source>Quit Openwright</source>
        <translation>[Qüît Õpéñwrîght ···]</translation>
    </message>
</context>
<context>
    <name>openwright::ui::TrayPanel</name>
    <message>
        <source>Openwright</source>
        <translation>[Õpéñwrîght ·]</translation>
    </message>
    <message>
        <source>Recent changes</source>
        <translation>[Réçéñt çháñgéš ···]</translation>
    </message>
    <message>
        <source>Open Openwright</source>
        <translation>[Õpéñ Õpéñwrîght ···]</translation>
    </message>
    <message>
        <source>Check now</source>
        <translation>[Çhéçk ñõw ·]</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>[Séttîñgš]</translation>
    </message>
    <message>
        <source>Quit Openwright</source>
        <translation>[Qüît Õpéñwrîght ···]</translation>
    </message>
    <message>
        <source>Health %1</source>
        <translation>[Héálth %1]</translation>
    </message>
    <message>
        <source>Default Guard is off</source>
        <translation>[Défáült Güárd îš õff ·····]</translation>
    </message>
    <message>
        <source>none</source>
        <translation>[ñõñé]</translation>
    </message>
    <message>
        <source>Revert</source>
        <translation>[Révért]</translation>
    </message>
    <message>
        <source>Revert %1 to %2</source>
        <translation>[Révért %1 tõ %2 ·]</translation>
    </message>
    <message numerus="yes">
        <source>Guard is watching %n pinned defaults</source>
        <translation>
            <numerusform>[Güárd îš wátçhîñg %n pîññéd défáültš ···········]</numerusform>
            <numerusform>[Güárd îš wátçhîñg %n pîññéd défáültš ···········]</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>openwright::ui::TypeHits</name>
    <message>
        <source>Other types:</source>
        <translation>[Õthér týpéš: ··]</translation>
    </message>
    <message numerus="yes">
        <source>All %n in All Types</source>
        <translation>
            <numerusform>[Åll %n îñ Åll Týpéš ····]</numerusform>
            <numerusform>[Åll %n îñ Åll Týpéš ····]</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>openwright::ui::UpdatePrompt</name>
    <message>
        <source>Openwright</source>
        <translation>[Õpéñwrîght ·]</translation>
    </message>
    <message>
        <source>Open Download Page</source>
        <translation>[Õpéñ Dõwñlõád Págé ····]</translation>
    </message>
    <message>
        <source>Later</source>
        <translation>[Látér]</translation>
    </message>
</context>
<context>
    <name>openwright::ui::WhyPanel</name>
    <message>
        <source>Why this app?</source>
        <translation>[Whý thîš ápp? ··]</translation>
    </message>
    <message>
        <source>Why %1 opens where it does</source>
        <translation>[Whý %1 õpéñš whéré ît dõéš ·······]</translation>
    </message>
    <message>
        <source>Reading the lists…</source>
        <translation>[Réádîñg thé lîštš… ····]</translation>
    </message>
    <message>
        <source>Explanation</source>
        <translation>[Éxpláñátîõñ ·]</translation>
    </message>
    <message>
        <source>Type: %1</source>
        <translation>[Týpé: %1]</translation>
    </message>
    <message>
        <source>Where the system looked, in order</source>
        <translation>[Whéré thé šýštém lõõkéd, îñ õrdér ··········]</translation>
    </message>
    <message>
        <source>(decides)</source>
        <translation>[(déçîdéš) ·]</translation>
    </message>
    <message>
        <source>Skipped, not installed: %1</source>
        <translation>[Skîppéd, ñõt îñštálléd: %1 ·······]</translation>
    </message>
    <message>
        <source>Removed: %1</source>
        <translation>[Rémõvéd: %1 ·]</translation>
    </message>
</context>
</TS>
