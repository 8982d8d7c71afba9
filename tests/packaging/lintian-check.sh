#!/bin/sh
# SPDX-FileCopyrightText: 2026 Velkor Player developers
# SPDX-License-Identifier: GPL-3.0-or-later
#
# lintian on the three packages: no error and no warning, and none of the
# hardening-* tags, which lintian only shows at the info level, unless the
# build was made without the hardening flags (the sanitizer build, whose
# run-time replaces the fortified functions, or an unoptimised build).
#
# usage: lintian-check.sh LINTIAN DEBS_DIR [hardened|unhardened]
set -eu
lintian=$1
debs=$2
build=${3:-hardened}

out=$("$lintian" --fail-on error,warning --display-info "$debs"/*.deb) || {
    echo "$out"
    echo "lintian-check: lintian reports an error or a warning" >&2
    exit 1
}
echo "$out"
if [ "$build" = hardened ] && echo "$out" | grep -q ' hardening-'; then
    echo "lintian-check: a binary is not hardened" >&2
    exit 1
fi
echo "lintian-check: no error, no warning ($build build)"
