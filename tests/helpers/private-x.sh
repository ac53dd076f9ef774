#!/usr/bin/env bash
# Runs a command on a private X server (Xvfb) with Qt on it, as xvfb-run does, but the server
# picks its own free display (-displayfd), so parallel runs never take the same one.
set -uo pipefail
dir=$(mktemp -d)
mkfifo "$dir/display"
Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$dir/display" 2>/dev/null &
server=$!
trap 'kill $server 2>/dev/null; wait $server 2>/dev/null; rm -rf "$dir"' EXIT
read -r number <"$dir/display"
DISPLAY=:$number QT_QPA_PLATFORM=xcb "$@"
