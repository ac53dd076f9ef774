#!/usr/bin/env bash
# Runs a command on a private X server (Xvfb) with Qt on it, as xvfb-run does, but the server
# picks its own free display (-displayfd), so parallel runs never take the same one.
set -uo pipefail
coproc server { exec Xvfb -displayfd 1 -screen 0 1024x768x24 -nolisten tcp 2>/dev/null; }
trap 'kill $server_PID 2>/dev/null; wait $server_PID 2>/dev/null' EXIT
read -r number <&"${server[0]}"
DISPLAY=:$number QT_QPA_PLATFORM=xcb "$@"
