# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2026 The tocklet developers
# Sourced by the scripts that run the real program: a home of its own for each run, with the
# registry a finished installation leaves, so that no run touches the user's own; the build
# installed into a prefix; the program's instances and its panel.
source "$(dirname "${BASH_SOURCE[0]}")/x.sh"

# A sound device that takes every sound and plays it nowhere.
silence=$'pcm.!default { type null }\nctl.!default { type hw card 0 }'

# private_home DIR [ALSA_DEFAULT]: HOME, its config, cache and runtime folders under DIR, UTC,
# UTF-8 text, no session services or desktop inherited; sounds go to ALSA_DEFAULT (default:
# nowhere).
private_home() {
    export HOME=$1 XDG_CONFIG_HOME=$1/.config XDG_CACHE_HOME=$1/.cache XDG_RUNTIME_DIR=$1/run
    export TZ=UTC LANG=C.UTF-8
    mkdir -p "$HOME" && mkdir -m 700 "$XDG_RUNTIME_DIR"
    unset QT_QPA_PLATFORM DBUS_SESSION_BUS_ADDRESS SESSION_MANAGER XDG_SESSION_TYPE
    printf '%s\n' "${2:-$silence}" >"$HOME/.asoundrc"
}

# seed_registry TOCKLET_REG SETUP_REG [PANEL_VALUES [PROGRAM_VALUES]]: the installer's keys,
# the first run done, one task count, then the given value lines (REGEDIT4, one per line) under
# the panel's key (CurrentVersion) and the program's key (tasks and settings; a "happen" there
# replaces the count).
seed_registry() {
    "$1" import "$2" >/dev/null
    printf 'REGEDIT4\n\n[HKEY_LOCAL_MACHINE\\Software\\Microsoft\\Windows\\CurrentVersion]\n"new"="1"\n%s\n\n[HKEY_LOCAL_MACHINE\\Software\\Microsoft\\Windows\\tocklet]\n"happen"=hex(1):31,00,00\n%s\n' \
        "${3:-}" "${4:-}" | "$1" import - >/dev/null
}

# install_build BUILD_DIR: the build installed into $work/prefix (sets prefix).
install_build() {
    prefix=$work/prefix
    cmake --install "$1" --prefix "$prefix" >/dev/null
}

# instances: the pids of this run's tocklet processes, known by their executable ($TOCKLET)
# and their runtime folder, so that other runs on the machine are never counted.
instances() {
    local p
    for p in /proc/[0-9]*; do
        [ "$(readlink "$p/exe" 2>/dev/null)" = "$TOCKLET" ] &&
            tr '\0' '\n' <"$p/environ" 2>/dev/null |
            grep -qxF "XDG_RUNTIME_DIR=$XDG_RUNTIME_DIR" && echo "${p#/proc/}"
    done
    return 0
}

# The panel's title, as a regular expression.
panel_title='^超级守时鸟'

# panel_hidden PID: the panel of that tocklet has been shown and hidden again (the end of its
# start-up, 0.8 s after it showed), as recorded since watch_x_events (x.sh).
panel_hidden() {
    local w windows
    windows=$(xdotool search --pid "$1" --name "$panel_title" 2>/dev/null) || return 1
    x_events_sync  # the record holds the creation of the windows just found
    for w in $windows; do
        [ "$(last_map_event "$w")" = UnmapNotify ] && return 0
    done
    return 1
}

# panel_shown_by_later_start: a later start asks the running tocklet to show its panel, says
# so and ends at once; the panel is then shown.
panel_shown_by_later_start() {
    local err=$work/later.err
    timeout "$WAIT_LIMIT" "$TOCKLET" 2>"$err" || fail "a later start ended with status $?: $(cat "$err")"
    grep -q 'its panel is shown' "$err" || fail "a later start: $(cat "$err")"
    wait_until shown "$panel_title" || fail "a later start did not show the panel"
}

# password_prompt: the caption-less password prompt, which Qt names after the program.
password_prompt() {
    local w
    for w in $(xdotool search --onlyvisible --class tocklet 2>/dev/null); do
        [ "$(xdotool getwindowname "$w")" = tocklet ] && echo "$w" && return 0
    done
    return 1
}

# prompt_has_focus: the password prompt is shown and takes the keys typed.
prompt_has_focus() {
    local w
    w=$(password_prompt) && has_focus "$w"
}

