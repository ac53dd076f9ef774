#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2026 The tocklet developers
# The installed program's first run for a new user, started from an unrelated folder under
# Xvfb: the user's registry file is created from the installed setup.reg before the start-up
# sequence reads it, the first-use password dialog opens, and once a password is chosen the
# autostart entry names the installed program. A second new user, whose administrator left a
# setup.reg with a task in $XDG_CONFIG_DIRS/tocklet/, starts with that task.
# Usage: first-run.sh BUILD_DIR
set -euo pipefail
source "$(dirname "$0")/../lib/home.sh"
build=$1
make_work
install_build "$build"
private_home "$work/home"
fail_logs+=("$work/app.log")
hive=$XDG_CONFIG_HOME/tocklet/registry.reg
autostart=$XDG_CONFIG_HOME/autostart/tocklet.desktop

# What the installer's keys look like in a registry of their own.
XDG_CONFIG_HOME=$work/reference "$prefix/bin/tocklet-reg" import "$prefix/share/tocklet/setup.reg" >/dev/null
XDG_CONFIG_HOME=$work/reference "$prefix/bin/tocklet-reg" export "$work/reference.reg"

mkdir "$work/elsewhere"
start_private_x
(cd "$work/elsewhere" && exec "$prefix/bin/tocklet") >"$work/app.log" 2>&1 &
app=$!
stop_at_exit "$app"
dialog=$(wait_shown '^第一次使用$')
wait_until has_focus "$dialog" || fail "the first-use dialog has no focus"
# Choose a password: type it twice and confirm, then acknowledge the reminder to keep it.
xdotool type --delay 20 'e2e1'
xdotool key Tab
xdotool type --delay 20 'e2e1'
xdotool key Return
box=$(wait_shown '^守时鸟向您提示$')
press "$box" Return
wait_until test -s "$autostart" || fail "no autostart entry was written"
stop_process "$app"

[ -f "$hive" ] || fail "no registry file was created"
"$prefix/bin/tocklet-reg" query 'HKLM\Software\Microsoft\Windows\tocklet' CloseHour >/dev/null ||
    fail "the program key is missing"
grep -q "created $hive from $prefix/share/tocklet/setup.reg" "$work/app.log" ||
    fail "the log does not say where the registry came from: $(cat "$work/app.log")"
# Everything the installer creates is there with its exact bytes; the first run added its own.
"$prefix/bin/tocklet-reg" export "$work/after.reg"
tr -d '\r' < "$work/reference.reg" | grep '^"' | while IFS= read -r line; do
    grep -qxF "$line" <(tr -d '\r' < "$work/after.reg") || fail "missing after the first run: $line"
done
"$prefix/bin/tocklet-reg" query 'HKLM\Software\Microsoft\Windows\CurrentVersion' new | grep -q $'\t1$' ||
    fail "the first run did not end"
grep -qxF "Exec=\"$prefix/bin/tocklet\"" "$autostart" ||
    fail "the autostart entry does not name the installed program: $(cat "$autostart")"

# The administrator's setup.reg: the installed keys with one task, in the second of two folders.
admin=$work/admin
mkdir -p "$admin/tocklet" "$work/no-tocklet-here"
{
    tr -d '\r' <"$prefix/share/tocklet/setup.reg"
    printf '\n[HKEY_LOCAL_MACHINE\\Software\\Microsoft\\Windows\\tocklet]\n'
    printf '"happen"=hex(1):31,00,00\n"1"="1110,30_|\xbf\xaa\xbb\xe1 admin"\n'
} >"$admin/tocklet/setup.reg"
private_home "$work/home2"
hive=$XDG_CONFIG_HOME/tocklet/registry.reg
XDG_CONFIG_DIRS=$work/no-tocklet-here:$admin "$prefix/bin/tocklet" >"$work/app2.log" 2>&1 &
app=$!
stop_at_exit "$app"
fail_logs+=("$work/app2.log")
wait_shown '^第一次使用$' >/dev/null  # the registry is read before this dialog opens
stop_process "$app"
grep -q "created $hive from $admin/tocklet/setup.reg" "$work/app2.log" ||
    fail "the administrator's setup.reg was not taken: $(cat "$work/app2.log")"
"$prefix/bin/tocklet-reg" tasks | grep -q 'admin' ||
    fail "the administrator's task is missing: $("$prefix/bin/tocklet-reg" tasks)"

echo "the first run created the registry from setup.reg and named the installed program;" \
    "an administrator's setup.reg came first"
