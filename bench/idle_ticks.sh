#!/bin/sh
# Idle cost of the launcher's timed parts (gauges, alarm check, title clock) against a bare Qt
# Widgets window that rewrites the same title clock once a second. Three programs run side by
# side in one X server over the same period, so they see the same machine load:
#   - the launcher with the title clock off,
#   - the launcher with the title clock on,
#   - the bare window with its clock (bench/clock_qt_window).
# For each: CPU time over the period, its share of one core, and wake-ups per second, both
# from /proc/PID/task/*/schedstat summed over the threads (the first field is the time run on
# a processor in nanoseconds, the third the number of times a thread was put on one).
# Goals: clock off under 0.05 % of one core and at most 2 wake-ups a second; clock on within
# 1.2 times the bare window.
#
#   xvfb-run -a -s "-screen 0 1280x1024x24" bench/idle_ticks.sh [build-folder] [seconds]
#
# Default: build-bench, 60 s, on copies of the 1001-page sample profile.
set -eu

here=$(cd "$(dirname "$0")" && pwd)
build=${1:-$here/../build-bench}
seconds=${2:-60}

work=$(mktemp -d)
pids=""
trap 'for p in $pids; do kill "$p" 2>/dev/null || true; done; rm -rf "$work"' EXIT

profile() { # folder, Time value
    mkdir -p "$1"
    cp "$here/../tests/data/profiles/large/icon.ini" "$1/"
    sed "s/^Time=.*/Time=$2/" "$here/../tests/data/profiles/large/Vnovla.ini" >"$1/Vnovla.ini"
}
profile "$work/off" False
profile "$work/on" True

VNOVLA_HOME=$work/off "$build/src/app/vnovla" >/dev/null 2>&1 &
off=$!
VNOVLA_HOME=$work/on "$build/src/app/vnovla" >/dev/null 2>&1 &
on=$!
"$build/bench/clock_qt_window" >/dev/null 2>&1 &
reference=$!
pids="$off $on $reference"
# Let start-up finish: windows shown, pages drawn, fonts and icons loaded.
sleep 5

cpu() { cat /proc/"$1"/task/*/schedstat 2>/dev/null | awk '{ n += $1 } END { printf "%d", n / 1000 }'; }
runs() { cat /proc/"$1"/task/*/schedstat 2>/dev/null | awk '{ n += $3 } END { print n }'; }

for p in $pids; do
    eval "cpu0_$p=\$(cpu $p) runs0_$p=\$(runs $p)"
done
sleep "$seconds"
for p in $pids; do
    eval "cpu1_$p=\$(cpu $p) runs1_$p=\$(runs $p)"
done

report() { # label pid
    eval "t=\$((cpu1_$2 - cpu0_$2)) w=\$((runs1_$2 - runs0_$2))"
    awk -v label="$1" -v t="$t" -v w="$w" -v s="$seconds" 'BEGIN {
        printf "  %-26s CPU %8.4f s = %7.4f %% of one core, %6.2f wake-ups/s\n",
               label, t / 1e6, 100 * t / 1e6 / s, w / s }'
    eval "share_$2=\$t"
}
echo "idle for $seconds s:"
report "launcher, clock off" "$off"
report "launcher, clock on" "$on"
report "bare Qt window, clock on" "$reference"
eval "a=\$share_$on b=\$share_$reference"
awk -v a="$a" -v b="$b" 'BEGIN {
    if (b > 0) printf "  clock on: launcher / bare window CPU = %.2f\n", a / b
    else print "  clock on: the bare window used no measurable CPU time" }'
