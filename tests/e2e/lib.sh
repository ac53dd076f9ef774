# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2026 The tocklet developers
# Sourced by the end-to-end scripts: a private home for one run of the real program and the
# registry a finished installation leaves, so no run touches the user's own; X servers of their own.
source "$(dirname "${BASH_SOURCE[0]}")/../helpers/xserver.sh"
source "$(dirname "${BASH_SOURCE[0]}")/../helpers/fake-time.sh"

# e2e_private_home WORK [ALSA_DEFAULT]: HOME, config and runtime folders under WORK, UTC, UTF-8
# text, no session services inherited; sounds go to ALSA_DEFAULT (default: nowhere).
e2e_private_home() {
    export HOME=$1 XDG_CONFIG_HOME=$1/config XDG_RUNTIME_DIR=$1/run TZ=UTC LANG=C.UTF-8
    mkdir -m 700 "$XDG_RUNTIME_DIR"
    unset QT_QPA_PLATFORM DBUS_SESSION_BUS_ADDRESS SESSION_MANAGER
    local nowhere='pcm.!default { type null }'
    printf '%s\n' "${2:-$nowhere}" > "$HOME/.asoundrc"
}

# wait_until SECONDS COMMAND...: true once COMMAND succeeds, tried every 0.1 s.
wait_until() {
    local tries=$(($1 * 10))
    shift
    until "$@"; do
        tries=$((tries - 1)) && [ "$tries" -gt 0 ] || return 1
        sleep 0.1
    done
}

# instances: the pids of this run's tocklet processes, known by their executable ($TOCKLET)
# and their runtime folder, so that other runs on the machine are never counted.
instances() {
    for p in /proc/[0-9]*; do
        [ "$(readlink "$p/exe" 2>/dev/null)" = "$TOCKLET" ] &&
            tr '\0' '\n' < "$p/environ" 2>/dev/null |
            grep -qxF "XDG_RUNTIME_DIR=$XDG_RUNTIME_DIR" && echo "${p#/proc/}"
    done
    return 0
}

# e2e_seed_registry TOCKLET_REG SETUP_REG PANEL_VALUES TASK_VALUES: the installer's keys, the
# first run done, then the given value lines (REGEDIT4, one per line) under the panel's key
# and under the task key.
e2e_seed_registry() {
    "$1" import "$2" >/dev/null
    printf 'REGEDIT4\n\n[HKEY_LOCAL_MACHINE\\Software\\Microsoft\\Windows\\CurrentVersion]\n"new"="1"\n%s\n\n[HKEY_LOCAL_MACHINE\\Software\\Microsoft\\Windows\\tocklet]\n"happen"=hex(1):31,00,00\n%s\n' \
        "$3" "$4" | "$1" import - >/dev/null
}
