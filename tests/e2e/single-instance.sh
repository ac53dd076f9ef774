#!/usr/bin/env bash
# End to end: one tocklet per user and display. A later start shows the running instance's
# panel and ends; the restarts after Escape and after adding a task hand the instance over.
# Usage: single-instance.sh TOCKLET TOCKLET_REG SETUP_REG
set -euo pipefail
[ -n "${TOCKLET_IN_X:-}" ] || TOCKLET_IN_X=1 exec xvfb-run -a -s '-screen 0 1024x700x24' "$0" "$@"
TOCKLET=$(readlink -f "$1") TOCKLET_REG=$2 SETUP_REG=$3
source "$(dirname "$0")/session-lib.sh"

one_instance_besides() { local now; now=$(instances); [ -n "$now" ] && [ "$now" != "$1" ] && [ "$(echo "$now" | wc -l)" = 1 ]; }
later_start_shows_panel() {
    "$TOCKLET" 2> "$work/later.err" || fail "a later start ended with status $?"
    grep -q 'its panel is shown' "$work/later.err" || fail "later start said: $(cat "$work/later.err")"
    wait_until 5 panel_shown || fail "the panel did not show"
}

store_registry 0
(cd "$work" && exec "$TOCKLET") > "$work/app.log" 2>&1 &
first=$!
wait_until 20 test -S "$XDG_RUNTIME_DIR/tocklet-$DISPLAY.socket" || fail "no instance socket"
sleep 1.5
panel_shown && fail "the panel did not hide"
later_start_shows_panel
[ "$(instances)" = "$first" ] || fail "instances after a later start: $(instances)"

# Escape in the panel: the instance ends and a fresh one takes over.
xdotool key Escape
wait_until 20 one_instance_besides "$first" || fail "after Escape: $(instances)"
sleep 1
second=$(instances)
one_instance_besides "$first" || fail "after Escape: $(instances)"

# A task added: the panel restarts itself.
sleep 1
later_start_shows_panel
xdotool key alt+f
sleep 0.5
xdotool key n
wait_until 5 xdotool search --onlyvisible --name '^添加新任务$' >/dev/null || fail "no add-task dialog"
dialog=$(xdotool search --onlyvisible --name '^添加新任务$')
click_dlu "$dialog" 225 130 34 24  # "消息提醒"
click_dlu "$dialog" 225 130 42 47  # "每天都执行"
click_dlu "$dialog" 225 130 112 90 # the reminder text
xdotool type hello
click_dlu "$dialog" 225 130 97 116 # "存入"
wait_until 5 xdotool search --onlyvisible --name '^守时鸟向您提示$' >/dev/null || fail "not stored"
xdotool key Return
sleep 0.5
click_dlu "$dialog" 225 130 185 115 # "退出"
wait_until 20 one_instance_besides "$second" || fail "after adding a task: $(instances)"
sleep 1
one_instance_besides "$second" || fail "after adding a task: $(instances)"
"$TOCKLET_REG" tasks | grep -q hello || fail "the task was not stored"
later_start_shows_panel
echo "single instance: all cases passed"
