#!/bin/sh
# Idle cost of the running launcher: CPU time and disk writes over a quiet period, and whether
# any file in its program folder changed. Goal: < 0.5 % of one core, no disk I/O.
#
#   xvfb-run -a -s "-screen 0 1280x1024x24" bench/idle.sh [build-folder] [seconds]
#
# Default: build-bench, 60 s, on a copy of the 1001-page sample profile.
set -eu

here=$(cd "$(dirname "$0")" && pwd)
build=${1:-$here/../build-bench}
seconds=${2:-60}

home=$(mktemp -d)
trap 'kill "$pid" 2>/dev/null || true; rm -rf "$home"' EXIT
cp "$here/../tests/data/profiles/large/Vnovla.ini" "$here/../tests/data/profiles/large/icon.ini" "$home/"

VNOVLA_HOME=$home "$build/src/app/vnovla" >"$home.log" 2>&1 &
pid=$!
# Let start-up finish: the window shown, the first page drawn, fonts and icons loaded.
sleep 5

ticks() { awk '{ print $14 + $15 }' "/proc/$pid/stat"; }
io() { awk -v key="$1" '$1 == key ":" { print $2 }' "/proc/$pid/io"; }
snapshot() { (cd "$home" && ls -lA --time-style=full-iso && md5sum ./*) 2>/dev/null; }

snapshot >"$home.before"
ticks0=$(ticks)
wbytes0=$(io write_bytes)
syscw0=$(io syscw)
rbytes0=$(io read_bytes)
syscr0=$(io syscr)
sleep "$seconds"
ticks1=$(ticks)
wbytes1=$(io write_bytes)
syscw1=$(io syscw)
rbytes1=$(io read_bytes)
syscr1=$(io syscr)
snapshot >"$home.after"

hz=$(getconf CLK_TCK)
echo "idle for $seconds s:"
awk -v t=$((ticks1 - ticks0)) -v hz="$hz" -v s="$seconds" \
    'BEGIN { printf "  CPU %.2f s = %.3f %% of one core\n", t / hz, 100 * t / hz / s }'
echo "  write_bytes +$((wbytes1 - wbytes0)), write calls (syscw) +$((syscw1 - syscw0))"
echo "  read_bytes +$((rbytes1 - rbytes0)), read calls (syscr) +$((syscr1 - syscr0))"
if cmp -s "$home.before" "$home.after"; then
    echo "  program folder unchanged"
else
    echo "  program folder CHANGED:"
    diff "$home.before" "$home.after" || true
fi
rm -f "$home.before" "$home.after" "$home.log"
