#!/usr/bin/env bash
# Builds the sample desktop under ROOT (scripts/sample-desktop.sh) and adds N generated
# applications to it, so that programs and benchmarks can be tried on a desktop of any size.
# The entries look like those a distribution ships: translated names, comments and keywords,
# categories, actions, a few hidden from menus, and MIME types drawn from the machine's shared
# MIME database, the common ones (text, images, PDF, media, web links) far more often than the
# rest, as on a real desktop. They are spread over the system, Flatpak and user folders. The
# same N always gives the same desktop.
#   scripts/generate-desktop.sh ROOT N
# Source ROOT/env.sh to run a program inside it. Needs what sample-desktop.sh needs, and awk.
set -euo pipefail

if [[ $# -ne 2 || -z "$1" || ! "$2" =~ ^[0-9]+$ ]]; then
    echo "usage: $0 ROOT N" >&2
    exit 2
fi
here=$(cd -- "$(dirname -- "$0")" && pwd)
bash "$here/sample-desktop.sh" "$1"
root=$(cd -- "$1" && pwd)
count=$2

folders=("$root/usr/share/applications" "$root/var/lib/flatpak/exports/share/applications"
    "$root/home/.local/share/applications")
# Entries of an earlier run with another N go first: the desktop has exactly N of them.
for dir in "${folders[@]}"; do
    find "$dir" -maxdepth 1 -name 'generated.*.desktop' -delete
done
printf '#!/bin/sh\nexit 0\n' >"$root/bin/generated-app"
chmod 0755 "$root/bin/generated-app"

awk -v count="$count" -v sysdir="${folders[0]}" -v flatpak="${folders[1]}" -v user="${folders[2]}" '
BEGIN {
    srand(count)
    while ((getline type < "/usr/share/mime/types") > 0)
        pool[npool++] = type
    split("text/plain text/html image/png image/jpeg image/gif image/webp application/pdf video/mp4 " \
          "video/x-matroska audio/mpeg audio/flac application/zip inode/directory x-scheme-handler/http " \
          "x-scheme-handler/https text/markdown text/x-python application/json text/csv image/svg+xml " \
          "application/epub+zip x-scheme-handler/mailto application/vnd.oasis.opendocument.text", common, " ")
    ncommon = length(common)
    split("Photo Note Sound Code Mail Chess Paint Chart Map Book Film Music Terminal Archive Budget " \
          "Weather Scan Font Disk Password Clock Diagram Subtitle Comic Podcast Torrent Markdown", nouns, " ")
    split("Viewer Editor Studio Manager Player Reader Tool Browser Organizer Converter Recorder Monitor", kinds, " ")
    split("de fr es it pt_BR pl ru ja zh_CN nl sv tr", locales, " ")
    split("AudioVideo Audio Video Development Education Game Graphics Network Office Science Settings " \
          "System Utility", categories, " ")
    split("firefox vlc gimp okular org.gnome.Evince org.gnome.Loupe code kate transmission calibre-viewer", icons, " ")
    for (i = 0; i < count; ++i) {
        noun = nouns[1 + int(rand() * length(nouns))]
        kind = kinds[1 + int(rand() * length(kinds))]
        id = sprintf("generated.%s%s%d", noun, kind, i)
        r = rand()
        dir = r < 0.65 ? sysdir : (r < 0.85 ? flatpak : user)
        file = dir "/" id ".desktop"
        name = noun " " kind " " i
        print "[Desktop Entry]" > file
        print "Type=Application" > file
        print "Version=1.0" > file
        print "Name=" name > file
        for (l = 1; l <= length(locales); ++l)
            print "Name[" locales[l] "]=" name " (" locales[l] ")" > file
        print "GenericName=" noun " " tolower(kind) > file
        for (l = 1; l <= length(locales); ++l)
            print "GenericName[" locales[l] "]=" noun " " tolower(kind) " (" locales[l] ")" > file
        print "Comment=Open, change and share your " tolower(noun) " files" > file
        for (l = 1; l <= length(locales); ++l)
            print "Comment[" locales[l] "]=Open, change and share your " tolower(noun) " files (" locales[l] ")" > file
        print "Keywords=" tolower(noun) ";" tolower(kind) ";files;" > file
        print "Exec=generated-app --" i " %U" > file
        print "Icon=" icons[1 + int(rand() * length(icons))] > file
        print "Terminal=false" > file
        print "StartupNotify=true" > file
        print "Categories=" categories[1 + int(rand() * length(categories))] ";" > file
        if (rand() < 0.08)
            print "NoDisplay=true" > file
        # A third open no type at all (settings panels, games, tools); the rest a few to many.
        if (rand() >= 0.33) {
            n = 1 + int(-log(1 - rand()) * 4)
            if (n > 40)
                n = 40
            types = ""
            delete chosen
            for (k = 0; k < n; ++k) {
                type = rand() < 0.35 ? common[1 + int(rand() * ncommon)] : pool[int(rand() * npool)]
                if (!(type in chosen)) {
                    chosen[type] = 1
                    types = types type ";"
                }
            }
            print "MimeType=" types > file
        }
        print "Actions=new-window;" > file
        print "" > file
        print "[Desktop Action new-window]" > file
        print "Name=New Window" > file
        for (l = 1; l <= length(locales); ++l)
            print "Name[" locales[l] "]=New Window (" locales[l] ")" > file
        print "Exec=generated-app --" i " --new-window" > file
        close(file)
    }
}'

for dir in "${folders[@]}"; do
    update-desktop-database -q "$dir"
done
