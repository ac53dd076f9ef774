#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2026 The tocklet developers
# `cmake --install` into a temporary prefix puts every file in its freedesktop place under
# that prefix, the desktop entry and AppStream metadata pass Debian's validators, and the man
# pages render without warnings.
# Usage: install-tree.sh BUILD_DIR APP_ID
set -euo pipefail
source "$(dirname "$0")/../lib/home.sh"
build=$1 app_id=$2
make_work
install_build "$build"
private_home "$work/home"

expected="bin/tocklet
bin/tocklet-reg
share/applications/$app_id.desktop
share/dbus-1/interfaces/$app_id.xml
share/icons/hicolor/128x128/apps/tocklet.png
share/icons/hicolor/16x16/apps/tocklet.png
share/icons/hicolor/22x22/apps/tocklet.png
share/icons/hicolor/24x24/apps/tocklet.png
share/icons/hicolor/256x256/apps/tocklet.png
share/icons/hicolor/32x32/apps/tocklet.png
share/icons/hicolor/48x48/apps/tocklet.png
share/icons/hicolor/64x64/apps/tocklet.png
share/doc/tocklet/changelog.gz
share/doc/tocklet/copyright
share/man/man1/tocklet-reg.1.gz
share/man/man1/tocklet.1.gz
share/metainfo/$app_id.metainfo.xml
share/tocklet/clock.wav
share/tocklet/close.wav
share/tocklet/setup.reg"
# The user's guide comes with the read-me command.
source_dir=$(sed -n 's/^tocklet_SOURCE_DIR:STATIC=//p' "$build/CMakeCache.txt")
[ ! -f "$source_dir/resources/ReadMe.txt" ] || expected+=$'\nshare/doc/tocklet/ReadMe.txt'
expected=$(LC_ALL=C sort <<<"$expected")
actual=$(cd "$prefix" && find . -type f | sed 's|^\./||' | LC_ALL=C sort)
[ "$actual" = "$expected" ] || fail "installed files differ:$(diff <(echo "$expected") <(echo "$actual"))"
for p in tocklet tocklet-reg; do [ -x "$prefix/bin/$p" ] || fail "bin/$p is not executable"; done
for n in 16 22 24 32 48 64 128 256; do
    size=$(identify -format '%wx%h' "$prefix/share/icons/hicolor/${n}x$n/apps/tocklet.png")
    [ "$size" = "${n}x$n" ] || fail "the ${n}x$n icon is $size"
done

desktop=$prefix/share/applications/$app_id.desktop
desktop-file-validate "$desktop" || fail "desktop-file-validate"
[ "$(grep -cE '^(Exec=tocklet|Icon=tocklet|Categories=Utility;Clock;|(Name|Comment)\[zh_CN\]=.+)$' \
    "$desktop")" = 5 ] || fail "desktop entry fields"
appstreamcli validate --no-net "$prefix/share/metainfo/$app_id.metainfo.xml" ||
    fail "appstreamcli validate"
grep -q "<interface name=\"$app_id\">" "$prefix/share/dbus-1/interfaces/$app_id.xml" ||
    fail "the session bus interface is not named $app_id"
grep -q '<screenshot type="default">' "$prefix/share/metainfo/$app_id.metainfo.xml" ||
    fail "no screenshot in the metainfo"

for page in tocklet tocklet-reg; do
    file=$prefix/share/man/man1/$page.1.gz
    text=$(MANWIDTH=80 man --warnings -l "$file" 2>"$work/man-warnings") || fail "man -l $page"
    [ ! -s "$work/man-warnings" ] || fail "man $page warns: $(cat "$work/man-warnings")"
    for section in NAME SYNOPSIS DESCRIPTION FILES ENVIRONMENT EXAMPLES; do
        grep -q "^$section" <<<"$text" || fail "man $page has no $section"
    done
    # Paths name the configured data folder, not a placeholder.
    ! zgrep -q '@[A-Z_]*@' "$file" || fail "man $page keeps a placeholder"
done
# The documentation: a machine-readable copyright that names the licence, and a changelog
# whose first entry is this version.
copyright=$prefix/share/doc/tocklet/copyright
grep -q '^Format: https://www.debian.org/doc/packaging-manuals/copyright-format/1.0/' "$copyright" &&
    grep -q '^License: GPL-3.0-or-later' "$copyright" || fail "copyright: $(head -3 "$copyright")"
version=$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' "$build/CMakeCache.txt")
zcat "$prefix/share/doc/tocklet/changelog.gz" | head -1 | grep -qF "tocklet ($version)" ||
    fail "changelog: $(zcat "$prefix/share/doc/tocklet/changelog.gz" | head -1)"
grep -q '<project_license>GPL-3.0-or-later</project_license>' \
    "$prefix/share/metainfo/$app_id.metainfo.xml" || fail "no project_license in the metainfo"
for program in tocklet tocklet-reg; do
    "$prefix/bin/$program" --version | head -1 | grep -qx "$program $version" ||
        fail "$program --version: $("$prefix/bin/$program" --version)"
    "$prefix/bin/$program" --version | grep -q 'GPL-3.0-or-later' || fail "$program: no licence"
done
echo "install tree, desktop entry, metainfo and man pages are fine"
