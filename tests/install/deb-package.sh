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
# Packaged under /usr, where a Debian package installs, whatever prefix the build was
# configured with (the programs find their data beside their own folder).
cpack -G DEB -B "$work/deb" -D CPACK_PACKAGING_INSTALL_PREFIX=/usr --config "$build/CPackConfig.cmake" \
    > "$work/cpack.log" 2>&1 ||
    fail "cpack: $(cat "$work/cpack.log")"
deb=$(ls "$work"/deb/tocklet_*.deb)
echo "== $(basename "$deb")"
dpkg-deb --field "$deb" Package Version Architecture Depends Recommends Suggests
dpkg-deb --contents "$deb" | awk '{print $6}' | tee "$work/contents.txt"

inst=/usr
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

# Debian's own checks of the package, where lintian is installed (tools/packages.txt lists it).
# A build without Debian's flags (a sanitizer build, or one configured without
# TOCKLET_DPKG_BUILDFLAGS) cannot be hardened, so only there are the hardening tags left aside.
if command -v lintian >/dev/null; then
    suppress=()
    grep -q '^TOCKLET_DPKG_BUILDFLAGS:BOOL=ON' "$build/CMakeCache.txt" &&
        grep -q '^TOCKLET_SANITIZE:BOOL=OFF' "$build/CMakeCache.txt" ||
        suppress=(--suppress-tags hardening-no-fortify-functions,hardening-no-bindnow,hardening-no-relro)
    lintian --fail-on error,warning "${suppress[@]}" "$deb" > "$work/lintian.log" 2>&1 ||
        fail "lintian: $(cat "$work/lintian.log")"
    echo "lintian: $(wc -l < "$work/lintian.log") remarks below warning level"
    cat "$work/lintian.log"
fi
