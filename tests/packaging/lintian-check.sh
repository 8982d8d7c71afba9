#!/bin/sh
# SPDX-FileCopyrightText: 2026 Velkor Player developers
# SPDX-License-Identifier: GPL-3.0-or-later
#
# lintian on the three packages: no error and no warning, and none of the
# hardening-* tags, which lintian only shows at the info level.
#
# usage: lintian-check.sh LINTIAN DEBS_DIR
set -eu
lintian=$1
debs=$2

out=$("$lintian" --fail-on error,warning --display-info "$debs"/*.deb) || {
    echo "$out"
    echo "lintian-check: lintian reports an error or a warning" >&2
    exit 1
}
echo "$out"
if echo "$out" | grep -q ' hardening-'; then
    echo "lintian-check: a binary is not hardened" >&2
    exit 1
fi
echo "lintian-check: no error, no warning, no hardening tag"
