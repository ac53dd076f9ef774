# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2026 The tocklet developers
# Sourced by the scripts that need an X server of their own (Xvfb), with a window manager, a
# tray, a record of the windows that come and go, and xdotool to act as a user.
source "$(dirname "${BASH_SOURCE[0]}")/common.sh"
[ -z "${_tests_lib_x:-}" ] || return 0
_tests_lib_x=1

# The server gets a display number in a range that desktop sessions and xvfb-run leave alone,
# chosen at random so that runs at once do not meet; a number another server holds makes the
# new one end at once, and the next number is tried. The server writes its number once it
# takes clients, and a client (xdpyinfo) must then really get through before the display is
# handed out: a display that answers nobody gets a new server instead of a failing test.
# -noreset: by default the server resets when its last client leaves, and a client that
# connects during the reset is turned away; here short-lived clients (xdotool, the check
# itself) come and go while the program under test starts.
x_server_pid=
x_server_dir=

# start_private_x [SCREEN]: starts a server (SCREEN like 1024x768x24), exports DISPLAY, and
# stops the server when the script ends.
start_private_x() {
    local screen=${1:-1024x768x24} number
    x_server_dir=$(mktemp -d)
    at_exit stop_private_x
    for _ in $(seq 20); do
        number=$((200 + RANDOM % 700))
        : >"$x_server_dir/display"
        Xvfb ":$number" -displayfd 3 -screen 0 "$screen" -nolisten tcp -noreset \
            3>"$x_server_dir/display" 2>"$x_server_dir/log" &
        x_server_pid=$!
        if wait_until -t 30 _x_settled "$number" && running "$x_server_pid"; then
            export DISPLAY=":$number"
            unset WAYLAND_DISPLAY
            return 0
        fi
        stop_process "$x_server_pid"
    done
    echo "no X server started: $(cat "$x_server_dir/log")" >&2
    return 1
}

# The server ended, or it wrote its number and a client got through.
_x_settled() {
    ended "$x_server_pid" ||
        { [ -s "$x_server_dir/display" ] && xdpyinfo -display ":$1" >/dev/null 2>&1; }
}

stop_private_x() {
    [ -z "$x_server_pid" ] || stop_process "$x_server_pid"
    [ -z "$x_server_dir" ] || rm -rf "$x_server_dir"
    x_server_pid= x_server_dir=
}

# in_private_x SCREEN COMMAND...: runs COMMAND on a server of its own and returns its status.
in_private_x() {
    local screen=$1 status=0
    shift
    start_private_x "$screen" || return 1
    "$@" || status=$?
    stop_private_x
    return "$status"
}

# start_window_manager [RC_XML]: openbox (with that configuration file, else its default
# one), once it manages windows. Its start-up command runs only then; a window mapped while it
# is still starting may be left unmanaged. Its log and its cache stay beside the server.
start_window_manager() {
    local up=$x_server_dir/wm-up
    XDG_CACHE_HOME=$x_server_dir openbox --sm-disable ${1:+--config-file "$1"} \
        --startup "touch $(printf %q "$up")" >"$x_server_dir/wm.log" 2>&1 &
    stop_at_exit $!
    wait_until test -e "$up" || fail "openbox did not start: $(cat "$x_server_dir/wm.log")"
}

# start_tray: trayer as the XEmbed tray (top right, 100 x 24), once its window is there; sets
# tray_window.
start_tray() {
    trayer --edge top --align right --widthtype pixel --width 100 --height 24 \
        --SetDockType false --SetPartialStrut false >"$x_server_dir/tray.log" 2>&1 &
    stop_at_exit $!
    wait_until _tray_up || fail "trayer did not start: $(cat "$x_server_dir/tray.log")"
}
_tray_up() { tray_window=$(xdotool search --name '^panel$' 2>/dev/null | head -n1) && [ -n "$tray_window" ]; }

# watch_x_events: records from now on each top-level window that is created, mapped, unmapped
# or destroyed, once the recorder is known to listen.
watch_x_events() {
    x_events=$x_server_dir/events
    # The record exists before the recorder starts, so the first count reads 0, not nothing.
    : >"$x_events"
    xev -root -event substructure -event property >"$x_events" 2>&1 &
    stop_at_exit $!
    x_events_sync
}

# x_events_sync: everything the X server did until now is in the record: a property set on
# the root window now has reached the recorder, and events reach it in order.
x_events_sync() {
    _x_marks=$(_x_marks_heard)
    wait_until _x_mark_heard || fail "xev does not record events"
}
_x_marks_heard() { grep -c '(_TOCKLET_TEST_MARK)' "$x_events" || true; }
_x_mark_heard() {
    xprop -root -f _TOCKLET_TEST_MARK 8s -set _TOCKLET_TEST_MARK 1
    [ "$(_x_marks_heard)" -gt "$_x_marks" ]
}

# x_events_mark: where the record stands now, for popup_since.
x_events_mark() { wc -l <"$x_events"; }

# The window events recorded after line SINCE: "LINE TYPE WINDOW(hex) OVERRIDE(0|1)".
_x_window_events() {
    awk -v since="${1:-0}" '
        NR <= since { next }
        /^(Create|Destroy|Map|Unmap)Notify event,/ { type = $1; next }
        type != "" && match($0, /window 0x[0-9a-f]+/) {
            print NR, type, substr($0, RSTART + 7, RLENGTH - 7), ($0 ~ /override YES/)
            type = ""
        }' "$x_events"
}

# last_map_event WINDOW: MapNotify or UnmapNotify, whichever came last for the window (a
# decimal id, as xdotool gives it) since it was created; nothing when neither has. The X
# server gives a later program's windows the ids of an earlier one's, so what came before
# the window's creation belongs to another window.
last_map_event() {
    local hex
    hex=$(printf '0x%x' "$1")
    _x_window_events | awk -v w="$hex" '
        $3 == w && $2 == "CreateNotify" { last = "" }
        $3 == w && ($2 == "MapNotify" || $2 == "UnmapNotify") { last = $2 }
        END { if (last) print last }'
}

# popup_since MARK: a menu or other override-redirect window was mapped after MARK.
popup_since() { _x_window_events "$1" | awk '$2 == "MapNotify" && $4 { found = 1 } END { exit !found }'; }

# window NAME: the first shown window whose title matches the regular expression NAME.
window() { xdotool search --onlyvisible --name "$1" 2>/dev/null | head -n1; }
# x_windows_report: every visible window with its id and title, for a failing test's details.
x_windows_report() {
    echo "-- visible windows:"
    local w
    for w in $(xdotool search --onlyvisible --name '' 2>/dev/null); do
        echo "   $w $(xdotool getwindowname "$w" 2>/dev/null)"
    done
}
shown() { [ -n "$(window "$1")" ]; }
gone() { [ -z "$(window "$1")" ]; }

# wait_shown NAME: waits until a window titled NAME is shown and prints its id.
wait_shown() {
    wait_until shown "$1" || fail "no window titled '$1'"
    window "$1"
}

# has_focus WINDOW: the window has the keyboard focus.
has_focus() { [ "$(xdotool getwindowfocus 2>/dev/null)" = "$1" ]; }

# press WINDOW KEY...: gives the window the focus, then presses the keys in it.
press() {
    local w=$1
    shift
    xdotool windowfocus --sync "$w" key "$@"
}

# click_dlu WINDOW X Y WIDTH HEIGHT: a click at (X, Y) of a window WIDTH x HEIGHT units large
# (a dialog's dialog units), once the pointer is there.
click_dlu() {
    local X Y WIDTH HEIGHT SCREEN WINDOW
    eval "$(xdotool getwindowgeometry --shell "$1")"
    xdotool mousemove --sync $((X + WIDTH * $2 / $4)) $((Y + HEIGHT * $3 / $5)) click 1
}

# picture_of OUT XWD_OPTIONS... [-- CONVERT_OPTIONS...]: a picture of what xwd shows (-root or
# -id WINDOW) once painting has settled: two captures in a row are alike.
picture_of() {
    _picture=$1 _picture_xwd=() _picture_convert=()
    shift
    while [ $# -gt 0 ] && [ "$1" != -- ]; do _picture_xwd+=("$1") && shift; done
    [ $# -eq 0 ] || { shift && _picture_convert=("$@"); }
    rm -f "$_picture.xwd"
    wait_until _picture_settled || fail "the picture for $_picture never settled"
    convert "xwd:$_picture.xwd" "${_picture_convert[@]}" "$_picture"
    rm -f "$_picture.xwd" "$_picture.new"
}
_picture_settled() {
    xwd -silent "${_picture_xwd[@]}" >"$_picture.new" || return 1
    cmp -s "$_picture.new" "$_picture.xwd" && return 0
    mv -f "$_picture.new" "$_picture.xwd"
    return 1
}

# viewable WINDOW: the window (an id) is mapped and on the screen.
viewable() {
    local info
    info=$(xwininfo -id "$1" 2>/dev/null) && grep -q 'Map State: IsViewable' <<<"$info"
}
