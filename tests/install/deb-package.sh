#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2026 The tocklet developers
# `cpack -G DEB` builds the Debian package from the install rules: it holds every installed
# file under the configured prefix, depends on the shared libraries the programs link, and
# recommends what makes sound reach the desktop's sound server.
# Usage: deb-package.sh BUILD_DIR
set -euo pipefail
source "$(dirname "$0")/../lib/home.sh"
build=$1
make_work
install_build "$build"
private_home "$work/home"
cpack -G DEB -B "$work/deb" --config "$build/CPackConfig.cmake" > "$work/cpack.log" 2>&1 ||
    fail "cpack: $(cat "$work/cpack.log")"
deb=$(ls "$work"/deb/tocklet_*.deb)
echo "== $(basename "$deb")"
dpkg-deb --field "$deb" Package Version Architecture Depends Recommends Suggests
dpkg-deb --contents "$deb" | awk '{print $6}' | tee "$work/contents.txt"

inst=$(sed -n 's/^CMAKE_INSTALL_PREFIX:PATH=//p' "$build/CMakeCache.txt")
# Every file the install rules put into the temporary prefix is in the package too.
(cd "$prefix" && find . -type f) | while read -r file; do
    grep -qxF "./${inst#/}/${file#./}" "$work/contents.txt" || fail "not in the package: $file"
done
depends=$(dpkg-deb --field "$deb" Depends)
for lib in libqt6widgets6 libqt6gui6 libqt6core6 libcanberra0 libc6; do
    grep -q "\b$lib\b" <<<"$depends" || fail "Depends lacks $lib: $depends"
done
grep -q 'libcanberra-pulse' <<<"$(dpkg-deb --field "$deb" Recommends)" ||
    fail "libcanberra-pulse is not recommended"
