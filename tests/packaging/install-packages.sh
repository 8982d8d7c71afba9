#!/bin/sh

# SPDX-FileCopyrightText: 2026 Velkor Player developers
# SPDX-License-Identifier: GPL-3.0-or-later

# Installs the built packages on this machine with apt-get, as a user would,
# checks the installed player, its menu entry, man page and library, then
# removes them and checks that nothing is left. Without root or apt-get the
# packages are unpacked into a scratch tree instead, and the same program is
# checked there.
#
# usage: install-packages.sh DEBS_DIR WORK_DIR VERSION LIBDIR (lib/<triplet>, under /usr)
set -eu
debs=$1
work=$2
version=$3
libdir=$4
packages="velkor-player libsarv2 libsarv-dev"

fail() {
    echo "install-packages: $*" >&2
    exit 1
}

installed() {
    [ "$(dpkg-query -W -f='${Status}' "$1" 2>/dev/null)" = "install ok installed" ]
}

# The program answers --version with the packages' version and its licence,
# without a display.
check_version() {
    out=$("$@" --version) || fail "$* --version failed"
    [ "$(echo "$out" | head -n 1)" = "Velkor Player version $version" ] \
        || fail "$* --version said: $out"
    echo "$out" | grep -q 'GPL-3.0-or-later' || fail "$* --version names no licence: $out"
}

set -- "$debs"/*.deb
[ $# -eq 3 ] || fail "expected three packages in $debs, found: $*"

if [ "$(id -u)" -ne 0 ] || ! command -v apt-get >/dev/null; then
    root="$work/root"
    rm -rf "$root"
    mkdir -p "$root"
    for deb in "$@"; do dpkg-deb -x "$deb" "$root"; done
    check_version "$root/usr/bin/velkor-player"
    for f in usr/share/applications/velkor-player.desktop usr/share/man/man1/velkor-player.1.gz \
             usr/$libdir/cmake/Sarv/SarvConfig.cmake; do
        [ -e "$root/$f" ] || fail "missing in the unpacked tree: $f"
    done
    echo "install-packages: unpacked into $root (no root or no apt-get)"
    exit 0
fi

apt() {
    env DEBIAN_FRONTEND=noninteractive apt-get -y -q -o DPkg::Lock::Timeout=120 "$@"
}

# Whatever happens below, the machine is left without the packages.
cleanup() {
    for p in $packages; do
        if installed "$p"; then apt purge $packages >/dev/null 2>&1 || true; break; fi
    done
}
trap cleanup EXIT

apt install "$@" || fail "apt-get install failed"
for p in $packages; do
    installed "$p" || fail "$p is not installed"
done

[ "$(command -v velkor-player)" = /usr/bin/velkor-player ] || fail "velkor-player is not on PATH"
check_version velkor-player
desktop-file-validate /usr/share/applications/velkor-player.desktop \
    || fail "the installed menu entry is not valid"
for size in 16 32 48 64 128 256; do
    [ -f /usr/share/icons/hicolor/${size}x$size/apps/velkor-player.png ] || fail "no $size px icon"
done
[ -f /usr/share/metainfo/example.velkor.VelkorPlayer.metainfo.xml ] || fail "no metainfo"
# shared-mime-info's trigger took the playlist type into the database.
grep -qx 'application/x-velkor-playlist' /usr/share/mime/types \
    || fail "the playlist type is not in the MIME database"
[ "$(man -w velkor-player)" = /usr/share/man/man1/velkor-player.1.gz ] \
    || fail "man does not find velkor-player(1)"
# The ldconfig trigger ran: the dynamic linker knows libsarv.
ldconfig -p | grep -q 'libsarv\.so\.2 ' || fail "libsarv.so.2 is not in the linker cache"
[ -f "/usr/$libdir/cmake/Sarv/SarvConfig.cmake" ] || fail "no CMake package Sarv"

apt purge $packages || fail "apt-get purge failed"
for p in $packages; do
    ! installed "$p" || fail "$p is still installed"
    [ ! -e "/usr/share/doc/$p" ] || fail "/usr/share/doc/$p is left behind"
done
for f in /usr/bin/velkor-player "/usr/$libdir/libsarv.so.2" /usr/include/sarv "/usr/$libdir/cmake/Sarv" \
         /usr/share/applications/velkor-player.desktop; do
    [ ! -e "$f" ] || fail "$f is left behind"
done
! ldconfig -p | grep -q 'libsarv\.so' || fail "libsarv is still in the linker cache"
! grep -qx 'application/x-velkor-playlist' /usr/share/mime/types \
    || fail "the playlist type is still in the MIME database"
echo "install-packages: installed, checked and removed: $packages"
