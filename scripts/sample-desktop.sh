#!/usr/bin/env bash
# Builds a throw-away Linux desktop under ROOT: a home, the XDG folders, a system data folder
# and a Flatpak data folder with about 29 applications, their icons and mimeapps.list files at
# every level GIO reads. Source ROOT/env.sh to run a program inside it; nothing outside ROOT is
# touched. Safe to run again on the same ROOT: every file of the sample is written afresh
# (the lists included), files it does not know are left alone.
#   scripts/sample-desktop.sh ROOT
# Needs bash, coreutils and desktop-file-utils only.
set -euo pipefail

if [[ $# -ne 1 || -z "$1" ]]; then
    echo "usage: $0 ROOT" >&2
    exit 2
fi
mkdir -p -- "$1"
root=$(cd -- "$1" && pwd)
if [[ "$root" == / ]]; then
    echo "$0: refusing to build the sample desktop over /" >&2
    exit 2
fi

home=$root/home
config=$home/.config
data=$home/.local/share
system=$root/usr/share
flatpak=$root/var/lib/flatpak/exports/share
etc=$root/etc/xdg
bin=$root/bin
runtime=$root/run

mkdir -p "$config" "$data/applications" "$home/.cache" "$home/.local/state" "$etc" "$bin" "$runtime" \
    "$system/applications" "$system/icons/hicolor/scalable/apps" "$system/pixmaps" \
    "$flatpak/applications" "$flatpak/icons/hicolor/scalable/apps"
chmod 0700 "$runtime"
# Extensions resolve through the machine's own shared MIME database, as on a real desktop.
ln -sfn /usr/share/mime "$system/mime"

# --- Icons -----------------------------------------------------------------------------------
# Each glyph is white on the application's colour, drawn in a 48x48 box; @c stands for the
# background colour where a glyph cuts into itself.
declare -A glyphs=(
    [globe]='<g fill="none" stroke="#fff" stroke-width="2.5"><circle cx="24" cy="24" r="12"/><ellipse cx="24" cy="24" rx="5" ry="12"/><path d="M12 24h24M14 17.5h20M14 30.5h20"/></g>'
    [ring]='<circle cx="24" cy="24" r="12.5" fill="#fff"/><circle cx="24" cy="24" r="6.5" fill="@c"/><circle cx="24" cy="24" r="4" fill="#fff"/>'
    [shield]='<path d="M24 11l11 4v8c0 7.5-4.6 12.2-11 14.5C17.6 35.2 13 30.5 13 23v-8z" fill="#fff"/><path d="M24 15.5v17c3.8-1.9 6.5-5 6.5-9.5v-5z" fill="@c" opacity=".55"/>'
    [mail]='<rect x="11" y="15" width="26" height="18" rx="3" fill="#fff"/><path d="M12.5 17l11.5 9 11.5-9" fill="none" stroke="@c" stroke-width="2.5" stroke-linejoin="round"/>'
    [doc]='<path d="M15 10h12l7 7v19a2 2 0 0 1-2 2H15a2 2 0 0 1-2-2V12a2 2 0 0 1 2-2z" fill="#fff"/><path d="M17.5 21h13M17.5 26h13M17.5 31h9" stroke="@c" stroke-width="2.2" stroke-linecap="round"/>'
    [grid]='<rect x="12" y="13" width="24" height="22" rx="2.5" fill="#fff"/><path d="M13 20h22M13 27.5h22M20 14v20M28 14v20" stroke="@c" stroke-width="1.8"/>'
    [chart]='<rect x="11" y="12" width="26" height="18" rx="2.5" fill="#fff"/><path d="M24 30v6M19 37h10" stroke="#fff" stroke-width="2.5" stroke-linecap="round"/><path d="M17 26v-3M22 26v-8M27 26v-5M32 26v-10" stroke="@c" stroke-width="3" stroke-linecap="round"/>'
    [page]='<path d="M14 10h13l7 7v19a2 2 0 0 1-2 2H14a2 2 0 0 1-2-2V12a2 2 0 0 1 2-2z" fill="#fff"/><circle cx="22" cy="24" r="5" fill="none" stroke="@c" stroke-width="2.5"/><path d="M25.8 27.8l4.5 4.5" stroke="@c" stroke-width="3" stroke-linecap="round"/>'
    [lens]='<circle cx="21.5" cy="21.5" r="8.5" fill="none" stroke="#fff" stroke-width="3.5"/><path d="M28 28l7.5 7.5" stroke="#fff" stroke-width="4.5" stroke-linecap="round"/>'
    [picture]='<rect x="11" y="13" width="26" height="22" rx="3" fill="#fff"/><path d="M14 32l7-8 5.5 5.5 3-3 4.5 5.5z" fill="@c"/><circle cx="29.5" cy="19.5" r="2.8" fill="@c"/>'
    [cone]='<path d="M21 12h6l7 22H14z" fill="#fff"/><path d="M18.45 20h11.1l1.27 4H17.18zM15.9 28h16.2l.95 3H14.95z" fill="@c"/><rect x="11" y="33" width="26" height="4" rx="1.5" fill="#fff"/>'
    [play]='<path d="M19 14.5v19l15.5-9.5z" fill="#fff" stroke="#fff" stroke-width="2" stroke-linejoin="round"/>'
    [film]='<rect x="11" y="13" width="26" height="22" rx="3" fill="#fff"/><path d="M21 19v10l8-5z" fill="@c"/><path d="M14.5 16v2M14.5 23v2M14.5 30v2M33.5 16v2M33.5 23v2M33.5 30v2" stroke="@c" stroke-width="2.2" stroke-linecap="round"/>'
    [code]='<path d="M18 17l-7 7 7 7M30 17l7 7-7 7M26.5 14l-5 20" fill="none" stroke="#fff" stroke-width="3" stroke-linecap="round" stroke-linejoin="round"/>'
    [pencil]='<rect x="12" y="11" width="22" height="26" rx="2" fill="#fff"/><path d="M16 18h14M16 23h14M16 28h7" stroke="@c" stroke-width="2.2" stroke-linecap="round"/><path d="M26 34l1-4 8.5-8.5 3 3L30 33z" fill="@c" stroke="#fff" stroke-width="1.5" stroke-linejoin="round"/>'
    [vee]='<path d="M13 13h8l3 11 3-11h8l-7.5 22h-7z" fill="#fff"/>'
    [kay]='<path d="M15 13h5.5v8.5L28 13h7l-9 10 9.5 12h-7L22 26.5l-1.5 1.7V35H15z" fill="#fff"/>'
    [plane]='<path d="M11 23.5L35.5 14l-4.5 21-7.5-5.5-3.5 3.5v-6.5l9.5-9.5-12 7.5z" fill="#fff" stroke="#fff" stroke-width="1" stroke-linejoin="round"/>'
    [hash]='<path d="M21 12l-3 24M31 12l-3 24M13.5 19.5h23M11.5 28.5h23" stroke="#fff" stroke-width="3.2" stroke-linecap="round"/>'
    [camera]='<rect x="10" y="16" width="20" height="16" rx="4" fill="#fff"/><path d="M32 21.5l6-4v13l-6-4z" fill="#fff" stroke="#fff" stroke-width="1.5" stroke-linejoin="round"/>'
    [box]='<rect x="10" y="12" width="28" height="7" rx="2" fill="#fff"/><path d="M12 21h24v13a2 2 0 0 1-2 2H14a2 2 0 0 1-2-2z" fill="#fff"/><rect x="20" y="24" width="8" height="3" rx="1.5" fill="@c"/>'
    [brush]='<path d="M35.5 11.5l1 1-12 14-3-3z" fill="#fff" stroke="#fff" stroke-width="2" stroke-linejoin="round"/><path d="M20.5 25.5c-3.5 0-6 2.2-6 5.5 0 2.2-1 3.4-3 4 5 1.6 11.5.8 12-5z" fill="#fff"/>'
    [nib]='<path d="M14 12h20l-2 9-8 15-8-15z" fill="#fff"/><circle cx="24" cy="21" r="2.6" fill="@c"/><path d="M24 23.5V34" stroke="@c" stroke-width="1.8"/>'
    [arrow]='<path d="M24 11v18M16.5 22l7.5 7.5 7.5-7.5M14 36h20" fill="none" stroke="#fff" stroke-width="3.2" stroke-linecap="round" stroke-linejoin="round"/>'
    [book]='<path d="M24 16c-3.5-2.5-8-3.5-13-3.5v21c5 0 9.5 1 13 3.5 3.5-2.5 8-3.5 13-3.5v-21c-5 0-9.5 1-13 3.5z" fill="#fff"/><path d="M24 17v19" stroke="@c" stroke-width="2"/>'
    [prompt]='<rect x="10" y="12" width="28" height="24" rx="3" fill="#fff"/><path d="M15.5 19.5l5 4.5-5 4.5M23 29.5h8" fill="none" stroke="@c" stroke-width="2.6" stroke-linecap="round" stroke-linejoin="round"/>'
    [cube]='<path d="M24 10l12 6.5v14L24 37l-12-6.5v-14z" fill="#fff"/><path d="M12.5 16.8L24 23l11.5-6.2M24 23v13.5" fill="none" stroke="@c" stroke-width="2" stroke-linejoin="round"/>'
)

# icon_svg SHAPE COLOUR GLYPH: a tile (rounded square or circle) with a soft top light.
icon_svg() {
    local shape
    case $1 in
    circle) shape='<circle cx="24" cy="24" r="21"' ;;
    square) shape='<rect x="3" y="3" width="42" height="42" rx="10"' ;;
    esac
    local glyph=${glyphs[$3]}
    cat <<EOF
<svg xmlns="http://www.w3.org/2000/svg" width="48" height="48" viewBox="0 0 48 48">
<defs><linearGradient id="light" x1="0" y1="0" x2="0" y2="1"><stop offset="0" stop-color="#fff" stop-opacity=".22"/><stop offset="1" stop-color="#000" stop-opacity=".12"/></linearGradient></defs>
$shape fill="$2"/>
$shape fill="url(#light)"/>
${glyph//@c/$2}
</svg>
EOF
}

# --- Applications ----------------------------------------------------------------------------
declare -A shares=([system]=$system [flatpak]=$flatpak)

# app FOLDER ID NAME EXEC ICON SHAPE COLOUR GLYPH MIMETYPES [EXTRA]
# ICON is a theme name (drawn into FOLDER's hicolor theme), "-" for no Icon key, or a path
# with a slash below FOLDER's share directory (written there, named by its absolute path).
# EXTRA holds more keys, separated by "|". Exec's program gets a stub in ROOT/bin: GIO drops
# an entry whose program is not on PATH.
app() {
    local share=${shares[$1]} id=$2 name=$3 exec=$4 icon=$5 shape=$6 colour=$7 glyph=$8 mimes=$9
    local extra=${10:-}
    local keys="" file
    case $icon in
    -) ;;
    */*)
        file=$share/$icon
        keys="Icon=$file"$'\n'
        ;;
    *)
        file=$share/icons/hicolor/scalable/apps/$icon.svg
        keys="Icon=$icon"$'\n'
        ;;
    esac
    if [[ $icon != - ]]; then
        mkdir -p "$(dirname "$file")"
        icon_svg "$shape" "$colour" "$glyph" >"$file"
    fi
    [[ $1 == flatpak ]] && keys+="X-Flatpak=$id"$'\n'
    [[ -n $extra ]] && keys+="${extra//|/$'\n'}"$'\n'
    [[ $keys == *Terminal=* ]] || keys+="Terminal=false"$'\n'
    [[ -z $mimes ]] || keys+="MimeType=$mimes;"$'\n'
    printf '[Desktop Entry]\nType=Application\nName=%s\nExec=%s\n%s' \
        "$name" "$exec" "$keys" >"$share/applications/$id.desktop"
    local program=${exec%% *}
    printf '#!/bin/sh\nexit 0\n' >"$bin/$program"
    chmod 0755 "$bin/$program"
}

web="text/html;application/xhtml+xml;x-scheme-handler/http;x-scheme-handler/https"
chromium="$web;application/pdf;application/rdf+xml;application/rss+xml;application/xml;text/xml;image/gif;image/jpeg;image/png;image/webp"
video="video/mp4;video/x-matroska;video/quicktime;video/webm;video/x-msvideo;video/mpeg;video/ogg;video/mp2t"
audio="audio/mpeg;audio/flac;audio/ogg;audio/x-vorbis+ogg;audio/x-wav;audio/mp4;audio/aac"
ebooks="application/epub+zip;application/x-mobipocket-ebook;application/vnd.comicbook+zip;application/x-cbz"
office="application/vnd.oasis.opendocument"
ooxml="application/vnd.openxmlformats-officedocument"
flatpak_run="flatpak run --branch=stable --arch=x86_64"

#   folder  id                      name                              exec                                               icon                    shape  colour   glyph   mime types
app system  firefox                 "Firefox"                         "firefox %u"                                       firefox                 circle "#ff7139" globe   "$web;text/xml;application/vnd.mozilla.xul+xml;text/mml"
app system  google-chrome           "Google Chrome"                   "google-chrome-stable %U"                          google-chrome           circle "#1e8e3e" ring    "$chromium"
app system  brave-browser           "Brave Web Browser"               "brave-browser-stable %U"                          brave-browser           square "#e2432a" shield  "$chromium"
app system  thunderbird             "Thunderbird"                     "thunderbird %u"                                   thunderbird             square "#2563eb" mail    "x-scheme-handler/mailto;x-scheme-handler/webcal;x-scheme-handler/webcals;x-scheme-handler/mid;message/rfc822;text/calendar;text/vcard;text/x-vcard"
app system  libreoffice-writer      "LibreOffice Writer"              "libreoffice --writer %U"                          libreoffice-writer      square "#2a6fdb" doc     "$office.text;$office.text-template;application/msword;application/vnd.ms-word;$ooxml.wordprocessingml.document;$ooxml.wordprocessingml.template;application/rtf;text/rtf;application/vnd.wordperfect"
app system  libreoffice-calc        "LibreOffice Calc"                "libreoffice --calc %U"                            libreoffice-calc        square "#1e9e4a" grid    "$office.spreadsheet;$office.spreadsheet-template;application/vnd.ms-excel;$ooxml.spreadsheetml.sheet;$ooxml.spreadsheetml.template;text/csv;text/comma-separated-values;text/spreadsheet"
app system  libreoffice-impress     "LibreOffice Impress"             "libreoffice --impress %U"                         libreoffice-impress     square "#c2410c" chart   "$office.presentation;$office.presentation-template;application/vnd.ms-powerpoint;$ooxml.presentationml.presentation;$ooxml.presentationml.slideshow"
app system  org.gnome.Evince        "Document Viewer"                 "evince %U"                                        org.gnome.Evince        square "#e01b24" page    "application/pdf;application/x-bzpdf;application/x-gzpdf;application/x-xzpdf;application/postscript;image/x-eps;image/vnd.djvu;image/tiff;application/x-dvi;application/vnd.comicbook+zip;application/vnd.comicbook-rar;application/x-cbz;application/x-cbr;application/oxps"
app system  org.gnome.Loupe         "Image Viewer"                    "loupe %U"                                         org.gnome.Loupe         square "#8f5bd6" picture "image/jpeg;image/png;image/gif;image/webp;image/tiff;image/bmp;image/x-tga;image/vnd.microsoft.icon;image/svg+xml;image/svg+xml-compressed;image/heif;image/avif;image/jxl;image/x-exr"
app system  org.kde.okular          "Okular"                          "okular %U"                                        okular                  circle "#1d99f3" lens    "application/pdf;$ebooks;application/x-fictionbook+xml;image/vnd.djvu;application/postscript;application/oxps;text/markdown"
app system  vlc                     "VLC media player"                "vlc --started-from-file %U"                       vlc                     square "#f08c00" cone    "$video;$audio;x-scheme-handler/rtsp;x-scheme-handler/mms"
app flatpak org.videolan.VLC        "VLC"                             "$flatpak_run --command=/app/bin/vlc --file-forwarding org.videolan.VLC --started-from-file @@u %U @@" \
                                                                                                                         org.videolan.VLC        circle "#a34700" cone    "$video;$audio;x-scheme-handler/rtsp;x-scheme-handler/mms"
app system  mpv                     "mpv Media Player"                "mpv --player-operation-mode=pseudo-gui -- %U"     mpv                     circle "#6b2f9a" play    "$video;$audio"
app system  org.gnome.Totem         "Videos"                          "totem %U"                                         org.gnome.Totem         square "#5e5c64" film    "$video;audio/mpeg;audio/flac;x-content/video-dvd"
app system  code                    "Visual Studio Code"              "code %F"                                          vscode                  square "#0078d4" code    "text/plain;inode/directory;application/x-code-workspace"
app system  org.gnome.TextEditor    "Text Editor"                     "gnome-text-editor %U"                             org.gnome.TextEditor    square "#e5a50a" pencil  "text/plain"
app system  vim                     "Vim"                             "vim %F"                                           gvim                    square "#019733" vee     "text/english;text/plain;text/x-makefile;text/x-c++hdr;text/x-c++src;text/x-chdr;text/x-csrc;text/x-java;text/x-tcl;text/x-tex;application/x-shellscript;text/x-c;text/x-c++" \
                                                                                                                                                                          "Terminal=true"
app system  org.kde.kate            "Kate"                            "kate -b %U"                                       kate                    square "#4a6cb3" kay     "text/plain"
app system  org.gnome.Console       "Console"                         "kgx"                                              org.gnome.Console       square "#241f31" prompt  "" \
    "Categories=GTK;System;TerminalEmulator;"
app flatpak org.telegram.desktop    "Telegram Desktop"                "$flatpak_run --command=telegram-desktop --file-forwarding org.telegram.desktop -- @@u %u @@" \
                                                                                                                         org.telegram.desktop    circle "#2aabee" plane   "x-scheme-handler/tg;x-scheme-handler/tonsite"
app system  slack                   "Slack"                           "slack %U"                                         pixmaps/slack.svg       square "#4a154b" hash    "x-scheme-handler/slack"
app system  Zoom                    "Zoom"                            "zoom %U"                                          Zoom                    square "#3b5bdb" camera  "application/x-zoom;x-scheme-handler/zoommtg;x-scheme-handler/zoomus;x-scheme-handler/tel;x-scheme-handler/callto;x-scheme-handler/zoomphonecall"
app system  signal-desktop          "Signal"                          "signal-desktop --no-sandbox %U"                   -                       -      -        -       "x-scheme-handler/sgnl;x-scheme-handler/signalcaptcha"
app system  org.gnome.FileRoller    "Archive Manager"                 "file-roller %U"                                   org.gnome.FileRoller    square "#a5682a" box     "application/zip;application/x-7z-compressed;application/vnd.rar;application/x-rar;application/x-tar;application/x-compressed-tar;application/gzip;application/x-bzip;application/x-xz;application/x-cd-image;application/x-java-archive;application/vnd.debian.binary-package;application/x-rpm"
app system  gimp                    "GNU Image Manipulation Program"  "gimp-2.10 %U"                                     gimp                    circle "#7d6a58" brush   "image/bmp;image/gif;image/jpeg;image/png;image/tiff;image/webp;image/heif;image/x-xcf;image/x-compressed-xcf;image/x-tga;image/x-portable-anymap;image/x-icon;image/svg+xml;image/x-exr;image/x-adobe-dng;application/pdf;application/postscript"
app system  org.inkscape.Inkscape   "Inkscape"                        "inkscape %F"                                      org.inkscape.Inkscape   circle "#334155" nib     "image/svg+xml;image/svg+xml-compressed;application/vnd.corel-draw;application/pdf;application/postscript;image/x-eps;application/illustrator;image/x-wmf;image/x-emf;application/vnd.visio"
app system  transmission-gtk        "Transmission"                    "transmission-gtk %U"                              transmission            circle "#57a641" arrow   "application/x-bittorrent;x-scheme-handler/magnet"
app system  calibre-ebook-viewer    "E-book Viewer"                   "ebook-viewer --detach %f"                         calibre-viewer          square "#0f766e" book    "$ebooks;application/x-cbr;application/x-fictionbook+xml;application/x-mobi8-ebook"
app flatpak com.prusa3d.PrusaSlicer "PrusaSlicer"                     "$flatpak_run --command=entrypoint --file-forwarding com.prusa3d.PrusaSlicer @@ %F @@" \
                                                                                                                         com.prusa3d.PrusaSlicer square "#db2777" cube    "model/stl;application/vnd.ms-3mfdocument;application/prs.wavefront-obj;application/x-amf;x-scheme-handler/prusaslicer"

# Atom was uninstalled: its entry is gone, the user's list below still names it.
rm -f "$system/applications/atom.desktop"

# Qt and GTK look an icon up through the theme's index in every data folder that has it. The
# sample's icons are all scalable application icons: an index naming only that folder keeps
# lookups of other icons from probing hundreds of empty folders here, as a full copy of the
# system's index would.
for share in "$system" "$flatpak"; do
    printf '[Icon Theme]\nName=Hicolor\nComment=Fallback icon theme\nHidden=true\nDirectories=scalable/apps\n\n[scalable/apps]\nSize=48\nMinSize=1\nMaxSize=512\nContext=Applications\nType=Scalable\n' \
        >"$share/icons/hicolor/index.theme"
done

# --- Default lists, from the strongest to the weakest -------------------------------------
cat >"$config/gnome-mimeapps.list" <<'EOF'
# The user's GNOME-only choices: GNOME reads this before mimeapps.list, so it outranks the
# image/png line there.
[Default Applications]
image/png=org.gnome.Loupe.desktop;
EOF

cat >"$config/mimeapps.list" <<'EOF'
# The user's own choices, as desktop settings and "Open With" leave them. atom.desktop was
# uninstalled and its lines stayed behind.
[Default Applications]
x-scheme-handler/http=firefox.desktop;
x-scheme-handler/https=firefox.desktop;
text/html=firefox.desktop;
application/xhtml+xml=firefox.desktop;
x-scheme-handler/mailto=thunderbird.desktop;
application/pdf=org.gnome.Evince.desktop;
application/vnd.openxmlformats-officedocument.wordprocessingml.document=libreoffice-writer.desktop;
text/plain=org.gnome.TextEditor.desktop;
text/x-python=code.desktop;
text/markdown=atom.desktop;
video/mp4=vlc.desktop;
video/x-matroska=mpv.desktop;
image/png=gimp.desktop;
application/zip=org.gnome.FileRoller.desktop;
x-scheme-handler/tg=org.telegram.desktop.desktop;
x-scheme-handler/magnet=transmission-gtk.desktop;

[Added Associations]
application/pdf=org.gnome.Evince.desktop;firefox.desktop;
text/x-python=code.desktop;
application/json=code.desktop;
text/markdown=atom.desktop;
EOF

cat >"$etc/mimeapps.list" <<'EOF'
# Choices the administrator made for every user of this machine. The user's own lists
# outrank this one (its PDF line loses to the user's).
[Default Applications]
application/epub+zip=calibre-ebook-viewer.desktop;
application/pdf=org.kde.okular.desktop;
EOF

cat >"$system/applications/mimeapps.list" <<'EOF'
# The distribution's defaults, shipped beside the installed applications: the weakest list.
[Default Applications]
video/quicktime=org.gnome.Totem.desktop;
audio/flac=org.gnome.Totem.desktop;
EOF

# GIO finds an application for a type only through each folder's mimeinfo.cache.
for dir in "$data/applications" "$flatpak/applications" "$system/applications"; do
    update-desktop-database -q "$dir"
done

# --- The environment -------------------------------------------------------------------------
{
    echo "# Source this file to run a program inside the sample desktop at $root."
    printf 'export HOME=%q\n' "$home"
    printf 'export XDG_CONFIG_HOME=%q\n' "$config"
    printf 'export XDG_DATA_HOME=%q\n' "$data"
    printf 'export XDG_CACHE_HOME=%q\n' "$home/.cache"
    printf 'export XDG_STATE_HOME=%q\n' "$home/.local/state"
    printf 'export XDG_RUNTIME_DIR=%q\n' "$runtime"
    printf 'export XDG_DATA_DIRS=%q\n' "$flatpak:$system"
    printf 'export XDG_CONFIG_DIRS=%q\n' "$etc"
    echo 'export XDG_CURRENT_DESKTOP=GNOME'
    # shellcheck disable=SC2016 # $PATH is the caller's, expanded when env.sh is sourced
    printf 'export PATH=%q:"$PATH"\n' "$bin"
} >"$root/env.sh"
