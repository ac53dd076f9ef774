# Shared by the end-to-end tests of the desktop session, sourced inside an X server with
# TOCKLET (absolute), TOCKLET_REG and SETUP_REG set: a private home and runtime folder,
# tocklet's registry, and helpers that wait, look at processes and click dialogs.
work=$(mktemp -d)
pids_to_end=()
trap 'for p in $(instances) "${pids_to_end[@]}"; do kill "$p" 2>/dev/null || true; done; rm -rf "$work"' EXIT
export HOME=$work XDG_CONFIG_HOME=$work/config XDG_RUNTIME_DIR=$work/run TZ=UTC LANG=C.UTF-8
mkdir -m 700 "$XDG_RUNTIME_DIR"
# Silence: a null ALSA sink.
printf 'pcm.!default { type null }\n' > "$HOME/.asoundrc"
unset QT_QPA_PLATFORM DBUS_SESSION_BUS_ADDRESS SESSION_MANAGER

# store_registry USE_PASSWORD: the installed keys, the first run done, one stored task (so no
# start-up message), password "secret", protection on (1) or off (0).
store_registry() {
    rm -rf "$XDG_CONFIG_HOME"
    "$TOCKLET_REG" import "$SETUP_REG" >/dev/null
    printf 'REGEDIT4\n\n[HKEY_LOCAL_MACHINE\\Software\\Microsoft\\Windows\\CurrentVersion]\n"new"="1"\n"UsePas"="%s"\n"pass"="secret"\n\n[HKEY_LOCAL_MACHINE\\Software\\Microsoft\\Windows\\tocklet]\n"happen"=hex(1):31,00,00\n"1"="1110,31_|e2e"\n' "$1" > "$work/state.reg"
    "$TOCKLET_REG" import "$work/state.reg" >/dev/null
}

# wait_until SECONDS COMMAND...: true once COMMAND succeeds, tried every 0.1 s.
wait_until() {
    local tries=$(($1 * 10))
    shift
    until "$@"; do
        tries=$((tries - 1))
        [ "$tries" -gt 0 ] || return 1
        sleep 0.1
    done
}

# instances: the pids of this test's tocklet processes (its executable, its runtime folder).
instances() {
    local p
    for p in /proc/[0-9]*; do
        [ "$(readlink "$p/exe" 2>/dev/null)" = "$TOCKLET" ] || continue
        tr '\0' '\n' < "$p/environ" 2>/dev/null | grep -qxF "XDG_RUNTIME_DIR=$XDG_RUNTIME_DIR" &&
            echo "${p#/proc/}"
    done
    return 0
}

panel_shown() { xdotool search --onlyvisible --name '^超级守时鸟' >/dev/null 2>&1; }

# click_dlu WINDOW UNITS_WIDE UNITS_HIGH X Y: a click at (X, Y) dialog units in a dialog
# window of that size in units.
click_dlu() {
    local X Y WIDTH HEIGHT SCREEN WINDOW
    eval "$(xdotool getwindowgeometry --shell "$1")"
    xdotool mousemove --sync $((X + WIDTH * $4 / $2)) $((Y + HEIGHT * $5 / $3)) click 1
}

fail() {
    echo "FAIL: $*"
    [ -f "$work/app.log" ] && cat "$work/app.log"
    exit 1
}
