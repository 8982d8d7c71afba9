#!/bin/sh
# SPDX-FileCopyrightText: 2026 Velkor Player developers
# SPDX-License-Identifier: GPL-3.0-or-later
#
# The playlist type as a desktop sees it: the player's MIME definition is put
# into a scratch XDG_DATA_HOME over the system's database, and xdg-mime (with
# GIO behind it, as on GNOME; without a desktop it would only ask file(1))
# names the type of a playlist the player's writer wrote, of one that starts
# with a break entry, and of other programs' .lst files, which stay plain text.
#
# usage: mime-type-check.sh MIME_XML PLAYLIST_WRITER WORK_DIR
set -eu
xml=$1
writer=$2
work=$3

fail() {
    echo "mime-type-check: $*" >&2
    exit 1
}

rm -rf "$work"
mkdir -p "$work/data/mime/packages" "$work/files"
cp "$xml" "$work/data/mime/packages/velkor-player.xml"
XDG_DATA_HOME="$work/data" update-mime-database "$work/data/mime" || fail "update-mime-database failed"

"$writer" "$work/files/written.lst" "/musique/Chanson été.mp3" "/vidéo/film.avi" \
    || fail "the player's writer failed"
"$writer" "$work/files/break.lst" "-" "/cd/mpegav/avseq01.dat" || fail "the player's writer failed"
printf 'fichier1.txt\nfichier2.txt\n' > "$work/files/listing.lst"
printf '#!/bin/sh\necho "/tmp"\n' > "$work/files/script.lst"

type_of() {
    env XDG_DATA_HOME="$work/data" XDG_DATA_DIRS=/usr/share XDG_CURRENT_DESKTOP=GNOME \
        xdg-mime query filetype "$work/files/$1"
}

for row in written.lst:application/x-velkor-playlist break.lst:application/x-velkor-playlist \
           listing.lst:text/plain script.lst:text/plain; do
    file=${row%%:*}
    want=${row#*:}
    got=$(type_of "$file") || fail "xdg-mime query filetype $file failed"
    [ "$got" = "$want" ] || fail "$file is $got, expected $want"
done
echo "mime-type-check: the player's playlists are application/x-velkor-playlist, other .lst files are not"
