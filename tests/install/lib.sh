# Shared set-up of the installed-program tests (sourced): a private work folder removed at
# exit, the build installed into a temporary prefix there, and a user of its own with a fresh
# config folder and silent sound.
# Needs: $build (the build folder) set by the caller.
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

fail() {
    echo "FAIL: $*" >&2
    exit 1
}

# wait_for SECONDS COMMAND...: true once COMMAND succeeds, polling every tenth of a second.
wait_for() {
    local tries=$(($1 * 10))
    shift
    for ((i = 0; i < tries; i++)); do
        "$@" >/dev/null 2>&1 && return 0
        sleep 0.1
    done
    return 1
}

# run_in_x COMMAND...: runs COMMAND (at most two minutes) on a private Xvfb that picks a free
# display itself and says when it is ready, so tests running at once never share a server and
# nothing waits on a missed ready signal; the server ends with the command.
run_in_x() {
    : > "$work/display"
    Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$work/display" 2>"$work/xvfb.log" &
    local xvfb=$! status=0
    wait_for 30 grep -q . "$work/display" || fail "Xvfb did not start: $(cat "$work/xvfb.log")"
    DISPLAY=:$(head -1 "$work/display") timeout 120 "$@" || status=$?
    kill "$xvfb" && wait "$xvfb" 2>/dev/null || true
    return $status
}

# A registry for a user past the first run: the installer's keys, the first-run marker and
# the given extra .reg lines for the program key (tasks, settings).
seed_registry() {
    "$prefix/bin/tocklet-reg" import "$prefix/share/tocklet/setup.reg" >/dev/null
    printf 'REGEDIT4\n\n[HKEY_LOCAL_MACHINE\\Software\\Microsoft\\Windows\\CurrentVersion]\n"new"="1"\n\n[HKEY_LOCAL_MACHINE\\Software\\Microsoft\\Windows\\tocklet]\n%b' "${1:-}" |
        "$prefix/bin/tocklet-reg" import - >/dev/null
}

# One task, so that start-up shows no "no tasks" message.
one_task='"happen"=hex(1):31,00,00\n"1"="1110,30_|e2e"\n'
