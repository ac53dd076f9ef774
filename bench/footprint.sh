#!/usr/bin/env bash
# Start-to-tray time, memory after start and idle CPU of tocklet, measured the way the peer
# programs were (the shared desktop-footprint tool: fresh Xvfb, tray host, private D-Bus).
# Usage: bench/footprint.sh [BUILD_DIR] [extra desktop-footprint options, e.g. -n 5 -i 60]
# With CLOCK=1 in the environment the floating clock is shown from the start (INI "clock" 1).
set -euo pipefail
top=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
build=$(cd "${1:-$top/build}" && pwd)
shift || true
tool=${DESKTOP_FOOTPRINT:-$top/../shared/tools/desktop-footprint.sh}
[ -x "$tool" ] || tool=$(cd "$top/.." && pwd)/shared/tools/desktop-footprint.sh

# A home with an installed, already set-up tocklet holding two tasks, so the run measures
# the everyday start (no first-run or empty-list message).
seed=$(mktemp -d)
trap 'rm -rf "$seed"' EXIT
export XDG_CONFIG_HOME=$seed/.config
"$build/tools/tocklet-reg" import "$top/resources/setup.reg" >/dev/null
printf 'REGEDIT4\n\n[HKEY_LOCAL_MACHINE\\Software\\Microsoft\\Windows\\CurrentVersion]\n"new"="1"\n\n[HKEY_LOCAL_MACHINE\\Software\\Microsoft\\Windows\\tocklet]\n"happen"=hex(1):32,00,00\n"1"="1110,30_|meeting"\n"2"="1322,0_6|backup"\n' > "$seed/tasks.reg"
"$build/tools/tocklet-reg" import "$seed/tasks.reg" >/dev/null
rm -f "$seed/tasks.reg"
printf 'pcm.!default { type null }\n' > "$seed/.asoundrc"
if [ "${CLOCK:-0}" = 1 ]; then
    printf '[option]\nclock=1\ncolor=2\n' > "$XDG_CONFIG_HOME/tocklet/zidezarudiva.ini"
fi

echo "Peers: bare Qt 6 tray ~50 ms / ~20 MB PSS; KShutdown ~250 ms / 64 MB; KAlarm ~470 ms / 79 MB."
echo "Target: <= 100 ms, <= 30 MB."
bash "$tool" -H -c "$seed" "$@" tocklet -- "$build/shell/tocklet"
