#!/bin/sh
# A raise request to a running launcher: the wall time of `vnovla --raise` from its start to
# its exit, which is after the running copy has shown its window and answered. Between runs
# the window is minimised, so every request brings it back. For comparison, each run also
# times `vnovla --version`, which loads the same program and ends at once: the difference is
# what the request itself costs, apart from loading the program.
#
#   bench/raise.sh [build-folder] [runs]
#
# Defaults: build-bench, 30 runs. Run under an X server with a window manager, for example
#   xvfb-run -a -s "-screen 0 1280x1024x24" sh -c 'openbox & sleep 1; bench/raise.sh'
set -eu

here=$(cd "$(dirname "$0")" && pwd)
build=${1:-$here/../build-bench}
runs=${2:-30}
launcher=$build/src/app/vnovla

work=$(mktemp -d)
mkdir -m 700 "$work/runtime" "$work/home"
printf '[Window]\nTime=False\n' >"$work/home/Vnovla.ini"
export VNOVLA_HOME="$work/home" XDG_RUNTIME_DIR="$work/runtime"
"$launcher" >/dev/null 2>&1 &
pid=$!
trap 'kill $pid 2>/dev/null; wait $pid 2>/dev/null; rm -rf "$work"' EXIT
until ls "$work/runtime"/*.socket >/dev/null 2>&1; do sleep 0.1; done
sleep 1
window=$(xdotool search --sync --onlyvisible --name '^VESKA NOVLA Ver' | head -n 1)

now_us() { echo $(($(date +%s%N) / 1000)); }
i=0
: >"$work/times"
: >"$work/bare"
while [ "$i" -lt "$runs" ]; do
    xdotool windowminimize --sync "$window" 2>/dev/null || xdotool windowminimize "$window"
    start=$(now_us)
    "$launcher" --raise
    end=$(now_us)
    echo $((end - start)) >>"$work/times"
    xdotool search --sync --onlyvisible --name '^VESKA NOVLA Ver' >/dev/null
    start=$(now_us)
    "$launcher" --version >/dev/null
    end=$(now_us)
    echo $((end - start)) >>"$work/bare"
    i=$((i + 1))
done
report() {
    sort -n "$2" | awk -v name="$1" '{ t[NR] = $1 } END {
        printf "%s: median %.1f ms, fastest %.1f ms, slowest %.1f ms over %d runs\n",
            name, t[int((NR + 1) / 2)] / 1000, t[1] / 1000, t[NR] / 1000, NR }'
}
report "vnovla --raise" "$work/times"
report "vnovla --version (loading the program only)" "$work/bare"
