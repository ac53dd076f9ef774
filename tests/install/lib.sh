# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2026 The tocklet developers
# Shared set-up of the installed-program tests (sourced after setting $build): the build
# installed into a temporary prefix, a user of its own with a fresh config folder and silence.
set -euo pipefail
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
prefix=$work/prefix
cmake --install "$build" --prefix "$prefix" >/dev/null

export HOME=$work/home XDG_CONFIG_HOME=$work/home/.config XDG_RUNTIME_DIR=$work/run
export TZ=UTC LANG=C.UTF-8
mkdir -p "$HOME" && mkdir -m 700 "$XDG_RUNTIME_DIR"
unset QT_QPA_PLATFORM DBUS_SESSION_BUS_ADDRESS SESSION_MANAGER XDG_SESSION_TYPE WAYLAND_DISPLAY
# ASan's link-order check trips over LD_PRELOAD libraries such as faketime's.
export ASAN_OPTIONS=${ASAN_OPTIONS:-}:verify_asan_link_order=0
printf 'pcm.!default { type null }\nctl.!default { type hw card 0 }\n' > "$HOME/.asoundrc"

fail() { echo "FAIL: $*" >&2; exit 1; }

source "$(dirname "${BASH_SOURCE[0]}")/../helpers/xserver.sh"
source "$(dirname "${BASH_SOURCE[0]}")/../helpers/fake-time.sh"

# run_in_x COMMAND...: runs COMMAND (two minutes at most) on a private X server.
run_in_x() { in_private_x 1024x768x24 timeout 120 "$@"; }

# A registry for a user past the first run: the installer's keys, the first-run marker and
# the given extra .reg lines for the program key (tasks, settings).
seed_registry() {
    "$prefix/bin/tocklet-reg" import "$prefix/share/tocklet/setup.reg" >/dev/null
    printf 'REGEDIT4\n\n[HKEY_LOCAL_MACHINE\\Software\\Microsoft\\Windows\\CurrentVersion]\n"new"="1"\n\n[HKEY_LOCAL_MACHINE\\Software\\Microsoft\\Windows\\tocklet]\n%b' "${1:-}" |
        "$prefix/bin/tocklet-reg" import - >/dev/null
}

# One task, so that start-up shows no "no tasks" message.
one_task='"happen"=hex(1):31,00,00\n"1"="1110,30_|e2e"\n'
